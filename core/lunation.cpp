// Phase names and principal phases.
#include "lunation.h"

#include <algorithm>
#include <cmath>

#include "angle_search.h"
#include "ephemeris.h"

namespace hx {

namespace {

// The elongation grows by 10.6 to 14.5 degrees a day (the Moon's 11.8 to 15.4 less the Sun's
// 1); the bounds keep a margin.
constexpr double kLeastRate = 10;
constexpr double kMostRate = 15.5;
constexpr double kNamedWithin = 6;
// A search for the next phase starts this far after the last one found.
constexpr double kPastFound = 1.0 / 24;

double Elongation(double jd) {
    return search::Ahead(eph::EclipticLongitude(jd, 0), eph::EclipticLongitude(jd, 1));
}

double NextOf(int phase, double from) {
    return search::NextAngle(Elongation, from, 90.0 * phase, kLeastRate, kMostRate);
}

}  // namespace

double MoonElongation(double jdUt) {
    return Elongation(jdUt);
}

int PhaseNameIndex(double elongation) {
    const double e = search::Ahead(0, elongation);
    const int quarter = int(std::floor(e / 90)) % 4;
    const double into = e - 90.0 * quarter;
    if (into < kNamedWithin) return 2 * quarter;
    if (into > 90 - kNamedWithin) return (2 * quarter + 2) % 8;
    return 2 * quarter + 1;
}

MoonNow MoonAt(double jdUt) {
    MoonNow m;
    m.fraction = eph::MoonIlluminatedFraction(jdUt);
    m.elongation = Elongation(jdUt);
    m.name = PhaseNameIndex(m.elongation);
    return m;
}

std::vector<PhaseInstant> NextPhases(double jdUt) {
    std::vector<PhaseInstant> out;
    for (int phase = 0; phase < 4; ++phase) out.push_back({phase, NextOf(phase, jdUt)});
    std::sort(out.begin(), out.end(),
              [](const PhaseInstant& a, const PhaseInstant& b) { return a.jd < b.jd; });
    return out;
}

std::vector<PhaseInstant> PhasesBetween(double from, double to) {
    std::vector<PhaseInstant> out;
    double t = from;
    int phase = (int(std::floor(Elongation(t) / 90)) + 1) % 4;
    while (t < to) {
        const double jd = NextOf(phase, t);
        if (jd >= to) break;
        out.push_back({phase, jd});
        t = jd + kPastFound;
        phase = (phase + 1) % 4;
    }
    return out;
}

}  // namespace hx
