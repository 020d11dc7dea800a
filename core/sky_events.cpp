// The day's rise, zenith, set and nadir events of the seven bodies, and their log lines.
#include "sky_events.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "ephemeris.h"
#include "format.h"
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
// A body's pass over its altitude moves on by this much at a time (days), and keeps the
// crossings of this long behind the latest search start.
constexpr double kPassChunk = 2;
constexpr double kKeptBehind = 3;

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

SkyEventSearch::SkyEventSearch(const Observer& obs)
    : obs_(obs), sampled_(SampledRiseSet(kRise, obs)) {
    if (sampled_)
        for (int body = 0; body < kBodyCount; ++body)
            crossings_.push_back({HorizonPass(body, obs), 0, 0, {}});
}

std::optional<double> SkyEventSearch::FromCrossings(double jdUt, int body, int flag) {
    Crossings& c = crossings_[size_t(body)];
    if (jdUt < c.from || jdUt > c.to) {
        c.from = c.to = jdUt;
        c.list.clear();
    }
    // Crossings far behind are not asked for again by searches that move forward.
    const double keepFrom = jdUt - kKeptBehind;
    if (keepFrom > c.from) {
        std::erase_if(c.list, [&](const HorizonCrossing& x) { return x.jd < keepFrom; });
        c.from = keepFrom;
    }
    while (c.to < jdUt + kRiseSetReach) {
        const std::vector<HorizonCrossing> more = c.pass.Crossings(c.to, c.to + kPassChunk);
        c.list.insert(c.list.end(), more.begin(), more.end());
        c.to += kPassChunk;
    }
    return FirstCrossing(c.list, jdUt, flag);
}

std::optional<double> SkyEventSearch::FirstAfter(double jdUt, int body, int flag) {
    if (sampled_ && (flag == kRise || flag == kSet)) return FromCrossings(jdUt, body, flag);
    std::vector<Found>& found = found_[size_t(body * 4 + std::countr_zero(unsigned(flag)) % 4)];
    const auto next = std::lower_bound(found.begin(), found.end(), jdUt,
                                       [](const Found& f, double jd) { return f.at < jd; });
    if (next != found.end() && next->from <= jdUt) return next->at;
    const std::optional<double> r = FirstRiseTransAfter(jdUt, body, flag, obs_);
    if (r && *r >= jdUt) {
        const auto at = std::upper_bound(found.begin(), found.end(), *r,
                                         [](double jd, const Found& f) { return jd < f.at; });
        found.insert(at, {jdUt, *r});
    }
    return r;
}

EventList SkyEventSearch::DayList(Moment moment) {
    const double start = MomentToJulianDay(moment, obs_);
    EventList list;
    list.reserve(40);
    for (int body = 1; body < kBodyCount; ++body)
        for (int flag : {kRise, kSet, kZenith, kNadir})
            list.push_back(MakeEvent(body, flag, FirstAfter(start, body, flag)));
    // The Sun's four of each kind follow one another from two days back, so none is stepped
    // over where its time of day drifts past the moment's (searches a whole day apart find
    // yesterday's sunrise and miss today's, minutes after it).
    for (int flag : {kRise, kSet, kZenith, kNadir}) {
        double from = start - 2;
        for (int k = 0; k < 4; ++k) {
            const std::optional<double> jd = FirstAfter(from, 0, flag);
            list.push_back(MakeEvent(0, flag, jd));
            from = jd ? *jd + kNextSameKind : from + 1;
        }
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const SkyEvent& a, const SkyEvent& b) { return a.Time < b.Time; });
    return list;
}

EventList ComputeSkyEvents(Moment moment, const Observer& obs) {
    return SkyEventSearch(obs).DayList(moment);
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
