// The sky events and planetary hours of a run of calendar days, computed day by day.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/observer.h"
#include "core/sky_events.h"

namespace hx::cal {

// One planetary hour, as instants (UTC readings).
struct PlanetaryHour {
    Moment start = 0;
    Moment end = 0;
    int number = 1;  // 1..12 within its day or night
    bool day = true;
    int body = 0;  // the ruler's body number
};
using HourList = std::vector<PlanetaryHour>;

// The twelve hours between the instants of a sunrise and the sunset after it (day) or a
// sunset and the sunrise after it (night), each a twelfth of the real span, with their
// rulers; a night belongs to the site's day it began on.
HourList HoursOfPeriod(Moment startUtc, Moment endUtc, bool day, const Observer& site);

// The twelve hours of the day or night the instant qUtc falls in, from a day's event list,
// as the report lists them; empty where the report shows no hours.
HourList HoursAround(Moment qUtc, const EventList& events, const Observer& site);

// What a run of days holds.
struct CalendarDay {
    EventList events;  // every event of the day in time order
    HourList hours;    // the hours of the day and of the night that begins on it
};

// Computes calendar days one after another from the day of `first` (site clock), each
// rise, zenith, set and nadir once, so a long run can be spread over many calls. A day runs
// from the instant of its 00:00 to that of the next day's: 23 or 25 hours across a change.
class SkyCalendar {
  public:
    SkyCalendar(Moment first, const Observer& obs, bool events, bool hours);
    CalendarDay NextDay();

  private:
    // The events of one body and kind, searched forward from resumeAt (Julian day, UT).
    struct Series {
        int body = 0;
        int kind = 0;
        double resumeAt = 0;
        std::optional<double> pending;  // the next event found, not yet handed out
        bool searched = false;
    };
    // Hands out every event of the series before jdEnd, leaving the next one pending.
    void Advance(Series& s, double jdEnd, std::vector<std::pair<double, SkyEvent>>& into);

    Observer obs_;
    SkyEventSearch search_;  // each body's rises and sets from one pass, reused day after day
    Moment day_;             // the next day to compute, 00:00
    bool events_, hours_;
    std::vector<Series> series_;
    // The Sun's rises and sets found ahead for the hours (Julian day, kind), in time order.
    std::vector<std::pair<double, int>> sunBounds_;
    std::vector<std::pair<double, SkyEvent>> ahead_;  // events found for later days
};

// The whole run at once: `days` calendar days from the day of `first`.
CalendarDay ComputeDays(Moment first, int days, const Observer& obs, bool events, bool hours);

}  // namespace hx::cal
