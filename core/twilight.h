// The Sun's day at a site: the dawns and dusks of the three twilights, sunrise, solar noon,
// sunset and the length of the day, as instants (Julian days, UT).
#pragma once

#include <array>
#include <optional>
#include <utility>

#include "datetime.h"
#include "observer.h"

namespace hx {

// Civil, nautical and astronomical twilight: the Sun's centre at these true altitudes.
inline constexpr int kTwilightCount = 3;
inline constexpr std::array<double, kTwilightCount> TwilightDepths = {-6, -12, -18};
inline constexpr std::array<const char*, kTwilightCount> TwilightNames = {"Civil", "Nautical",
                                                                          "Astronomical"};

// One level's crossings in the day. A crossing that does not happen is nullopt; `above` and
// `below` say why when the Sun stays on one side of the level the whole day.
struct LevelCrossings {
    std::optional<double> rising;   // dawn, or sunrise
    std::optional<double> falling;  // dusk, or sunset
    bool above = false;             // the Sun stays above the level all day
    bool below = false;             // the Sun stays below it all day
};

struct SunDay {
    double from = 0, to = 0;  // the day's range, [from, to), Julian days (UT)
    LevelCrossings horizon;   // sunrise and sunset: the upper limb on the apparent horizon
    std::array<LevelCrossings, kTwilightCount> twilight;  // civil, nautical, astronomical
    std::optional<double> noon;                           // the Sun's upper transit (solar noon)
    double dayLength = 0;  // days the upper limb is above the horizon in the range
};

// The Sun's day over [from, to) (normally the instants of a site's 00:00 and the next day's).
// The Sun's altitude only rises from its lower transit to its upper one and falls after, so
// each stretch between transits holds at most one crossing of each level, found by its ends'
// signs and refined to a fraction of a second: nothing is missed between samples.
SunDay ComputeSunDay(double from, double to, const Observer& obs);

// The Julian days (UT) of the site's 00:00 of the day holding the instant (a UTC reading)
// and of the next day's 00:00: 23 or 25 hours later across a change of offset.
std::pair<double, double> SiteDayRange(Moment utc, const Observer& site);

}  // namespace hx
