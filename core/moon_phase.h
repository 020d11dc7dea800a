// The Moon phase index, 1 to 28, from the illuminated fraction now and a day later.
#pragma once

#include "datetime.h"
#include "observer.h"

namespace hx {

// 14*f0 rounded (waxing, f1 > f0) or 29 - 14*f0 rounded (waning); halves to even; 1..28.
int MoonPhaseIndex(double f0, double f1);

struct MoonPhase {
    double fraction = 0;      // f0
    double fractionNext = 0;  // f1, one day later
    int index = 1;
};

MoonPhase ComputeMoonPhase(Moment q, const Observer& obs);

}  // namespace hx
