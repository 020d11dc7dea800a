// Match spans by bracketing: each sign or degree change is bracketed from the body's bounds
// of daily motion and refined by false position, so no instant of the year is stepped over.
#include "match_spans.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/ephemeris.h"

namespace hx::lookup {

namespace {

constexpr int kSun = 0;
constexpr int kMoon = 1;

constexpr double kTolerance = 0.1 / 86400;  // a tenth of a second, in days
constexpr int kMaxRefineSteps = 100;
constexpr size_t kMaxSpans = 64;  // a Sun sign holds at most two lunar passes through a sign
constexpr double kNever = std::numeric_limits<double>::infinity();

double Wrap360(double a) {
    a = std::fmod(a, 360.0);
    return a < 0 ? a + 360.0 : a;
}

double Wrap180(double a) {
    a = Wrap360(a);
    return a >= 180.0 ? a - 360.0 : a;
}

// The longitudes a place covers, [low, low + width); false when no longitude is at it.
bool Range(const Place& p, double& low, double& width) {
    if (p.sign < 0 || p.sign > 11 || p.degree >= 30) return false;
    low = 30.0 * p.sign + (p.degree > 0 ? p.degree : 0);
    width = p.degree > 0 ? 1.0 : 30.0;
    return true;
}

}  // namespace

bool AtPlace(double longitude, const Place& place) {
    const SignDegree sd = ToSignDegree(longitude);
    if (place.sign < 0 || place.sign > 11 || place.degree >= 30) return false;
    return sd.sign == place.sign && (place.degree <= 0 || sd.degree == place.degree);
}

double NextCrossing(double fromJd, int body, double target, const LongitudeFn& longitude) {
    const Motion m = body == kSun ? kSunMotion : kMoonMotion;
    double ahead = Wrap360(target - longitude(fromJd, body));
    // A crossing refined to just before `fromJd` counts as at it.
    if (ahead == 0 || 360.0 - ahead < 2 * kTolerance * m.maxPerDay) return fromJd;
    auto g = [&](double t) { return Wrap180(longitude(t, body) - target); };
    double lo = fromJd + ahead / m.maxPerDay, hi = fromJd + ahead / m.minPerDay;
    double glo = g(lo), ghi = g(hi);
    if (!(glo < 0 && ghi >= 0)) {
        // Closer than the slowest motion allows is possible only at the start itself.
        lo = fromJd;
        glo = Wrap180(-ahead);
        if (!(glo < 0 && ghi >= 0)) return kNever;  // no reliable longitude here
    }
    // False position with the Illinois weighting, so both ends close in.
    int side = 0;
    for (int i = 0; i < kMaxRefineSteps && hi - lo > kTolerance; ++i) {
        double t = lo - glo * (hi - lo) / (ghi - glo);
        if (!(t > lo && t < hi)) t = 0.5 * (lo + hi);
        const double gt = g(t);
        if (gt < 0) {
            lo = t;
            glo = gt;
            if (side < 0) ghi *= 0.5;
            side = -1;
        } else {
            hi = t;
            ghi = gt;
            if (side > 0) glo *= 0.5;
            side = 1;
        }
        if (std::fabs(gt) < 1e-9) return t;
    }
    return hi;
}

double EraYearStart(int year, const LongitudeFn& longitude) {
    return NextCrossing(eph::JulDay(year, 3, 1, 0.0), kSun, 0.0, longitude);
}

std::vector<Span> MatchSpans(int year, const Place& sun, const Place& moon,
                             const LongitudeFn& longitude) {
    std::vector<Span> spans;
    double sunLow, sunWidth, moonLow, moonWidth;
    if (!Range(sun, sunLow, sunWidth) || !Range(moon, moonLow, moonWidth)) return spans;
    // The Sun holds its place once in the era year, in one piece.
    const double sunFrom = NextCrossing(EraYearStart(year, longitude), kSun, sunLow, longitude);
    if (!std::isfinite(sunFrom)) return spans;
    const double sunTo = NextCrossing(sunFrom, kSun, Wrap360(sunLow + sunWidth), longitude);
    if (!std::isfinite(sunTo)) return spans;
    const double moonHigh = Wrap360(moonLow + moonWidth);

    double from = AtPlace(longitude(sunFrom, kMoon), moon)
                      ? sunFrom
                      : NextCrossing(sunFrom, kMoon, moonLow, longitude);
    while (from < sunTo && spans.size() < kMaxSpans) {
        const double to = NextCrossing(from, kMoon, moonHigh, longitude);
        spans.push_back({from, std::min(to, sunTo)});
        if (!(to < sunTo)) break;
        from = NextCrossing(to, kMoon, moonLow, longitude);
    }
    return spans;
}

}  // namespace hx::lookup
