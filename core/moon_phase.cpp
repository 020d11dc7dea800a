// The Moon phase index from the illuminated fraction now and a day later.
#include "moon_phase.h"

#include <cmath>

#include "ephemeris.h"

namespace hx {

int MoonPhaseIndex(double f0, double f1) {
    if (!std::isfinite(f0)) f0 = 0;
    // std::nearbyint rounds halves to the even neighbour in the default rounding mode.
    const double raw = f1 > f0 ? std::nearbyint(14 * f0) : std::nearbyint(29 - 14 * f0);
    if (raw < 1) return 1;
    if (raw > 28) return 28;
    return int(raw);
}

MoonPhase ComputeMoonPhase(Moment q, const Observer& obs) {
    const double jd = MomentToJulianDay(q, obs);
    eph::SetTopo(obs);
    MoonPhase p;
    p.fraction = eph::MoonIlluminatedFraction(jd);
    p.fractionNext = eph::MoonIlluminatedFraction(jd + 1);
    p.index = MoonPhaseIndex(p.fraction, p.fractionNext);
    return p;
}

}  // namespace hx
