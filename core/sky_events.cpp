// The day's rise, zenith, set and nadir events of the seven bodies, and their log lines.
#include "sky_events.h"

#include <algorithm>
#include <cmath>

#include "ephemeris.h"
#include "format.h"
#include "horizon.h"
#include "names.h"
#include "zone.h"

namespace hx {

namespace {

constexpr double kMinute = 1.0 / 1440;
// The library's fast rise/set method can step over a set that falls a few minutes after the
// search start (seen from about 55 degrees of latitude), and near 60 degrees, where the
// Moon grazes the horizon, it can even answer a set search with a rise. Beyond 50 degrees
// rises and sets are therefore found by sampling the altitude (horizon.h).
constexpr double kFastMethodLatitude = 50;
// Searching from an hour earlier puts an event just after the start well inside the search;
// events found in that hour are stepped over one by one.
constexpr double kPreRoll = 1.0 / 24;
constexpr int kMaxSteps = 4;
// After a Sun event the next of its kind is searched from 70 minutes on: the search looks an
// hour back, and the Sun never rises, sets or culminates twice so soon.
constexpr double kNextSameKind = 70.0 / 1440;

bool SampledRiseSet(int flag, const Observer& obs) {
    return (flag == kRise || flag == kSet) && std::abs(obs.Latitude) > kFastMethodLatitude;
}

SkyEvent MakeEvent(int body, int flag, std::optional<double> jd) {
    SkyEvent e;
    e.Body = body;
    e.Kind = flag;
    if (jd) e.Time = JulianDayToUtc(*jd).value_or(0);
    return e;
}

}  // namespace

std::optional<double> FirstRiseTransAfter(double jdUt, int body, int flag, const Observer& obs) {
    if (SampledRiseSet(flag, obs))
        return FirstCrossing(HorizonCrossings(jdUt, jdUt + kRiseSetReach, body, obs, flag), jdUt,
                             flag);
    std::optional<double> r = eph::RiseTrans(jdUt - kPreRoll, body, flag, obs);
    for (int i = 0; r && *r < jdUt && i < kMaxSteps; ++i)
        r = eph::RiseTrans(*r + kMinute, body, flag, obs);
    if (!r || *r < jdUt) r = eph::RiseTrans(jdUt, body, flag, obs);
    return r;
}

EventList ComputeSkyEvents(Moment moment, const Observer& obs) {
    const double start = MomentToJulianDay(moment, obs);
    const bool sampled = SampledRiseSet(kRise, obs);
    // Sampled, one pass over each body's altitude serves all of its rise and set searches.
    std::vector<HorizonCrossing> crossings;
    const auto find = [&](int body, int flag, double from) {
        if (sampled && (flag == kRise || flag == kSet)) return FirstCrossing(crossings, from, flag);
        return FirstRiseTransAfter(from, body, flag, obs);
    };
    EventList list;
    list.reserve(40);
    for (int body = 1; body < kBodyCount; ++body) {
        if (sampled)
            crossings = HorizonCrossings(start, start + kRiseSetReach, body, obs, kRise | kSet);
        for (int flag : {kRise, kSet, kZenith, kNadir})
            list.push_back(MakeEvent(body, flag, find(body, flag, start)));
    }
    // The Sun's four of each kind follow one another from two days back, so none is stepped
    // over where its time of day drifts past the moment's (searches a whole day apart find
    // yesterday's sunrise and miss today's, minutes after it).
    if (sampled) crossings = HorizonCrossings(start - 2, start + 2 + kRiseSetReach, 0, obs);
    for (int flag : {kRise, kSet, kZenith, kNadir}) {
        double from = start - 2;
        for (int k = 0; k < 4; ++k) {
            const std::optional<double> jd = find(0, flag, from);
            list.push_back(MakeEvent(0, flag, jd));
            from = jd ? *jd + kNextSameKind : from + 1;
        }
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const SkyEvent& a, const SkyEvent& b) { return a.Time < b.Time; });
    return list;
}

QString EventLogLine(const SkyEvent& e, const Observer& site, const QLocale& locale) {
    const char* body = e.Body >= 0 && e.Body < kBodyCount ? BodyNames[e.Body] : "";
    return QStringLiteral("Event >>") +
           FormatDateTime(QStringLiteral(" dddd hh:nn "), ReadingOfUtc(site, e.Time), locale) +
           QLatin1String(body) + ' ' + QLatin1String(EventName(e.Kind));
}

QStringList EventLogLines(const EventList& events, Moment presentUtc, const Observer& site,
                          const QLocale& locale) {
    QStringList lines;
    for (const SkyEvent& e : events)
        if (e.Time > presentUtc) lines << EventLogLine(e, site, locale);
    return lines;
}

bool SameSkySite(const Observer& a, const Observer& b) {
    if (a.Zone.isEmpty() || a.Zone != b.Zone) return SameSite(a, b);
    Observer offsetOfA = b;
    offsetOfA.TimeZone = a.TimeZone;
    offsetOfA.DaylightTime = a.DaylightTime;
    return SameSite(a, offsetOfA);
}

bool CollectSkyEvents(SkyEventState& state, Moment moment, const Observer& obs, Moment presentUtc,
                      QStringList* log) {
    if (!state.events.empty() && DatePart(moment) == DatePart(state.LastEventMoment) &&
        SameSkySite(obs, state.site))
        return false;
    state.LastEventMoment = moment;
    state.site = obs;
    state.events = ComputeSkyEvents(moment, obs);
    state.computed = state.events;
    if (log) *log << EventLogLines(state.events, presentUtc, obs);
    return true;
}

}  // namespace hx
