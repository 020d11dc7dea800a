// The sky events and planetary hours of a run of calendar days.
#include "sky_calendar.h"

#include <algorithm>

#include "core/ephemeris.h"
#include "core/names.h"
#include "core/planetary_hours.h"

namespace hx::cal {

namespace {
// After an event the next of its body and kind is searched from 70 minutes later: the
// search looks an hour back (FirstRiseTransAfter), so it starts just after the event found
// and takes one library call per event. No body rises, sets or culminates twice so soon.
constexpr double kStep = 70.0 / 1440;
}  // namespace

HourList HoursOfPeriod(Moment start, Moment end, bool day, const Observer& site) {
    HourList hours;
    const double length = (end - start) / 12;
    const int first = FirstRulerAt(start, site, day);
    for (int h = 1; h <= 12; ++h) {
        PlanetaryHour p;
        p.start = start + (h - 1) * length;
        p.end = h == 12 ? end : start + h * length;
        p.number = h;
        p.day = day;
        p.body = RulerBody(RulerName(first + h - 1));
        hours.push_back(p);
    }
    return hours;
}

HourList HoursAround(Moment q, const EventList& events, const Observer& site) {
    const HourBounds b = FindHourBounds(q, events);
    // The report's rule: bounds of opposite kinds, no more than a day apart.
    const bool alternate = (b.mark == kRise) == (b.endKind == kSet);
    if (b.start == 0 || b.end == 0 || !alternate || b.end - b.start > 1.0) return {};
    return HoursOfPeriod(b.start, b.end, b.mark == kRise, site);
}

SkyCalendar::SkyCalendar(Moment first, const Observer& obs, bool events, bool hours)
    : obs_(obs), search_(obs), day_(DatePart(first)), events_(events), hours_(hours) {
    const double start = MomentToJulianDay(day_, obs_);
    for (int body = 0; body < kBodyCount; ++body)
        for (int kind : {kRise, kSet, kZenith, kNadir}) {
            const bool sunBound = body == 0 && (kind == kRise || kind == kSet);
            if (events_ || (hours_ && sunBound)) series_.push_back({body, kind, start, {}, false});
        }
}

void SkyCalendar::Advance(Series& s, double jdEnd, std::vector<std::pair<double, SkyEvent>>& into) {
    for (;;) {
        if (!s.searched) {
            if (s.resumeAt >= jdEnd) return;
            s.pending = search_.FirstAfter(s.resumeAt, s.body, s.kind);
            s.searched = true;
            if (!s.pending) {  // none from here (a circumpolar body): look again a day later
                s.resumeAt += 1;
                s.searched = false;
                continue;
            }
        }
        const double jd = *s.pending;
        if (jd >= jdEnd) return;
        s.resumeAt = std::max(jd, s.resumeAt) + kStep;
        s.searched = false;
        s.pending.reset();
        const std::optional<Moment> utc = JulianDayToUtc(jd);
        if (!utc) continue;  // outside the calendar: left out, never invented
        into.push_back({jd, SkyEvent{s.body, s.kind, *utc}});
        if (hours_ && s.body == 0 && (s.kind == kRise || s.kind == kSet))
            sunBounds_.push_back({jd, s.kind});
    }
}

CalendarDay SkyCalendar::NextDay() {
    CalendarDay out;
    const double dayStart = MomentToJulianDay(day_, obs_);
    const double dayEnd = MomentToJulianDay(day_ + 1, obs_);
    // The hours of a night that begins late need the Sun's next rise, up to a day ahead.
    const double boundsEnd = MomentToJulianDay(day_ + 2, obs_);
    for (Series& s : series_) {
        const bool sunBound = s.body == 0 && (s.kind == kRise || s.kind == kSet);
        Advance(s, hours_ && sunBound ? boundsEnd : dayEnd, ahead_);
    }
    std::stable_sort(ahead_.begin(), ahead_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (events_) {
        auto it = ahead_.begin();
        for (; it != ahead_.end() && it->first < dayEnd; ++it) out.events.push_back(it->second);
        ahead_.erase(ahead_.begin(), it);
    } else {
        ahead_.clear();
    }
    if (hours_) {
        std::stable_sort(sunBounds_.begin(), sunBounds_.end());
        for (size_t i = 0; i + 1 < sunBounds_.size(); ++i) {
            const auto [a, kindA] = sunBounds_[i];
            const auto [b, kindB] = sunBounds_[i + 1];
            if (a < dayStart || a >= dayEnd) continue;
            if (kindA == kindB || b - a > 1.0) continue;  // a rise or set without its partner
            const auto start = JulianDayToUtc(a), end = JulianDayToUtc(b);
            if (!start || !end) continue;
            const HourList h = HoursOfPeriod(*start, *end, kindA == kRise, obs_);
            out.hours.insert(out.hours.end(), h.begin(), h.end());
        }
        std::erase_if(sunBounds_, [&](const auto& e) { return e.first < dayEnd; });
    }
    day_ += 1;
    return out;
}

CalendarDay ComputeDays(Moment first, int days, const Observer& obs, bool events, bool hours) {
    SkyCalendar calendar(first, obs, events, hours);
    CalendarDay all;
    for (int d = 0; d < days; ++d) {
        CalendarDay one = calendar.NextDay();
        all.events.insert(all.events.end(), one.events.begin(), one.events.end());
        all.hours.insert(all.hours.end(), one.hours.begin(), one.hours.end());
    }
    return all;
}

}  // namespace hx::cal
