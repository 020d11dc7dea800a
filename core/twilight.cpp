// The Sun's day: twilights, sunrise, noon, sunset, day length.
#include "twilight.h"

#include <algorithm>
#include <vector>

#include "angle_search.h"
#include "ephemeris.h"
#include "names.h"
#include "sky_events.h"
#include "zone.h"

namespace hx {

namespace {

// The transits bounding the stretches are searched this far beyond the range: they come
// about every twelve hours.
constexpr double kMargin = 0.75;

struct Knot {
    double jd;
    bool upper;  // an upper transit: the altitude falls after it
};

// The Sun's transits from before `from` to after `to`, in time order.
std::vector<Knot> Transits(double from, double to, const Observer& obs) {
    std::vector<Knot> knots;
    for (int flag : {kZenith, kNadir}) {
        double t = from - kMargin;
        for (int i = 0; i < 8 && t < to + kMargin; ++i) {
            const std::optional<double> jd = FirstRiseTransAfter(t, 0, flag, obs);
            if (!jd) break;
            knots.push_back({*jd, flag == kZenith});
            t = *jd + 0.5;
        }
    }
    std::sort(knots.begin(), knots.end(), [](const Knot& a, const Knot& b) { return a.jd < b.jd; });
    return knots;
}

// The crossings of one level: f is the height above it.
template <class F>
LevelCrossings Crossings(F f, const std::vector<Knot>& knots, double from, double to) {
    LevelCrossings c;
    double least = std::min(f(from), f(to)), most = std::max(f(from), f(to));
    for (std::size_t i = 0; i + 1 < knots.size(); ++i) {
        const double a = knots[i].jd, b = knots[i + 1].jd;
        if (b <= from || a >= to) continue;
        const double fa = f(a), fb = f(b);
        if (a >= from) {
            least = std::min(least, fa);
            most = std::max(most, fa);
        }
        if ((fa > 0) == (fb > 0)) continue;
        const double jd = search::Root(f, a, fa, b, fb);
        if (jd < from || jd >= to) continue;
        std::optional<double>& slot = fb > 0 ? c.rising : c.falling;
        if (!slot) slot = jd;
    }
    c.above = least > 0;
    c.below = most <= 0;
    return c;
}

// The time in [from, to) the height f is positive, from its crossings in the range.
template <class F>
double TimeAbove(F f, const std::vector<Knot>& knots, double from, double to) {
    std::vector<std::pair<double, bool>> cuts;  // instant, up after it
    for (std::size_t i = 0; i + 1 < knots.size(); ++i) {
        const double a = knots[i].jd, b = knots[i + 1].jd;
        if (b <= from || a >= to) continue;
        const double fa = f(a), fb = f(b);
        if ((fa > 0) == (fb > 0)) continue;
        const double jd = search::Root(f, a, fa, b, fb);
        if (jd > from && jd < to) cuts.push_back({jd, fb > 0});
    }
    double total = 0, since = from;
    bool up = f(from) > 0;
    for (const auto& [jd, upAfter] : cuts) {
        if (up) total += jd - since;
        since = jd;
        up = upAfter;
    }
    if (up) total += to - since;
    return total;
}

}  // namespace

SunDay ComputeSunDay(double from, double to, const Observer& obs) {
    SunDay day;
    day.from = from;
    day.to = to;
    const std::vector<Knot> knots = Transits(from, to, obs);
    for (const Knot& k : knots)
        if (k.upper && k.jd >= from && k.jd < to && !day.noon) day.noon = k.jd;
    const double horizon = eph::HorizonTrueAltitude(obs);
    const auto limb = [&](double jd) { return eph::UpperLimbAltitude(jd, 0, obs) - horizon; };
    day.horizon = Crossings(limb, knots, from, to);
    day.dayLength = TimeAbove(limb, knots, from, to);
    for (int i = 0; i < kTwilightCount; ++i) {
        const double depth = TwilightDepths[i];
        const auto centre = [&](double jd) { return eph::CentreAltitude(jd, 0, obs) - depth; };
        day.twilight[i] = Crossings(centre, knots, from, to);
    }
    return day;
}

std::pair<double, double> SiteDayRange(Moment utc, const Observer& site) {
    const Moment day = DatePart(ReadingOfUtc(site, utc));
    return {UtcOfReading(site, day) + kEpochJulianDay,
            UtcOfReading(site, day + 1) + kEpochJulianDay};
}

}  // namespace hx
