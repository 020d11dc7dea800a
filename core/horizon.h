// Rises and sets found by sampling a body's altitude: bracketed with bounds on how fast the
// altitude can change and bend, then refined to a fraction of a second.
#pragma once

#include <optional>
#include <vector>

#include "observer.h"

namespace hx {

struct HorizonCrossing {
    double jd = 0;  // Julian day (UT)
    int kind = 0;   // kRise or kSet
};

// How far ahead the library's stepwise search looks for a rise or set (days).
inline constexpr double kRiseSetReach = 26.0 / 24;

// Every rise and set of the upper limb of the body on the site's apparent horizon in
// [from, to), in time order. A pass that clears or dips below the horizon by less than
// a few thousandths of a degree may be missed. With `until` (kRise, kSet or both) the search
// ends once a crossing of each of those kinds is found.
std::vector<HorizonCrossing> HorizonCrossings(double from, double to, int body, const Observer& obs,
                                              int until = 0);

// The first crossing of the kind at or after `from` in a list from HorizonCrossings,
// within kRiseSetReach of it.
std::optional<double> FirstCrossing(const std::vector<HorizonCrossing>& crossings, double from,
                                    int kind);

}  // namespace hx
