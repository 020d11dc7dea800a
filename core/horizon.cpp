// Rises and sets from sampled altitudes.
#include "horizon.h"

#include <algorithm>
#include <cmath>

#include "ephemeris.h"
#include "names.h"

namespace hx {

namespace {

constexpr double kHour = 1.0 / 24;
constexpr double kSecond = 1.0 / 86400;
constexpr double kDegPerRad = 180.0 / 3.14159265358979323846;
// The sky turns 15.04 degrees an hour.
constexpr double kTurn = 15.041;
constexpr double kTurnRad = kTurn / kDegPerRad;
// Intervals are split no finer than this; a crossing is refined to this.
constexpr double kFinest = 0.5 * kSecond;
constexpr double kRefined = 0.05 * kSecond;
// Steps between samples stay within these bounds.
constexpr double kShortestStep = 10.0 / 1440;
constexpr double kLongestStep = 3 * kHour;

// Bounds on the altitude's rate (degrees/hour) and bend (degrees/hour²) at a latitude: the
// turn of the sky contributes at most 15.04 cos(latitude) and 15.04² cos(latitude) (in
// radians), the body's own motion (declination, the Moon's parallax) the rest.
struct Bounds {
    double rate;
    double bend;
};
Bounds BoundsFor(int body, double latitude) {
    const double c = std::cos(latitude / kDegPerRad);
    const double ownRate = body == 1 ? 1.0 : 0.2;
    const double ownBend = body == 1 ? 0.3 : 0.1;
    return {kTurn * c + ownRate, kTurn * kTurnRad * c + ownBend};
}

class Search {
  public:
    Search(int body, const Observer& obs)
        : body_(body),
          obs_(obs),
          horizon_(eph::HorizonTrueAltitude(obs)),
          b_(BoundsFor(body, obs.Latitude)) {}

    // Height above the horizon the limb is seen on: positive while the body is up.
    double Height(double jd) const { return eph::UpperLimbAltitude(jd, body_, obs_) - horizon_; }

    std::vector<HorizonCrossing> Run(double from, double to, int until) {
        double a = from, ua = Height(a);
        while (a < to) {
            // The altitude cannot reach the horizon sooner than |u| / rate.
            const double step =
                std::clamp(std::abs(ua) / b_.rate * kHour, kShortestStep, kLongestStep);
            const double b = std::min(a + step, to);
            const double ub = Height(b);
            Examine(a, ua, b, ub);
            a = b;
            ua = ub;
            int kinds = 0;
            for (const HorizonCrossing& c : found_) kinds |= c.kind;
            if (until && (kinds & until) == until) break;
        }
        std::erase_if(found_, [&](const HorizonCrossing& c) { return c.jd < from || c.jd >= to; });
        return found_;
    }

  private:
    // Finds the crossings in [a, b] from the heights at its ends.
    void Examine(double a, double ua, double b, double ub) {
        const double hours = (b - a) / kHour;
        const bool upA = ua > 0, upB = ub > 0;
        if (upA == upB) {
            // Neither the rate nor the bend lets the altitude reach the horizon and come back.
            const double least = std::min(std::abs(ua), std::abs(ub));
            if (std::abs(ua) + std::abs(ub) >= b_.rate * hours) return;
            if (least > b_.bend * hours * hours / 8) return;
            if (b - a < kFinest) return;
        } else {
            // A slope the bend cannot reverse within the interval: one crossing only.
            const double slope = (ub - ua) / hours;
            if (std::abs(slope) > b_.bend * hours || b - a < kFinest) {
                found_.push_back({Refine(a, ua, b, ub), upB ? kRise : kSet});
                return;
            }
        }
        const double m = (a + b) / 2, um = Height(m);
        Examine(a, ua, m, um);
        Examine(m, um, b, ub);
    }

    // The crossing in [a, b], where the heights differ in sign, by false position (Illinois).
    double Refine(double a, double ua, double b, double ub) const {
        int side = 0;
        for (int i = 0; i < 60 && b - a > kRefined; ++i) {
            double m = (a * ub - b * ua) / (ub - ua);
            if (!(m > a && m < b)) m = (a + b) / 2;
            const double um = Height(m);
            if ((um > 0) == (ub > 0)) {
                b = m;
                ub = um;
                if (side == -1) ua /= 2;
                side = -1;
            } else {
                a = m;
                ua = um;
                if (side == 1) ub /= 2;
                side = 1;
            }
            // A bracket that hardly shrinks is halved instead.
            if (i % 8 == 7) {
                const double h = (a + b) / 2, uh = Height(h);
                if ((uh > 0) == (ub > 0)) {
                    b = h;
                    ub = uh;
                } else {
                    a = h;
                    ua = uh;
                }
            }
        }
        return (a + b) / 2;
    }

    int body_;
    Observer obs_;
    double horizon_;
    Bounds b_;
    std::vector<HorizonCrossing> found_;
};

}  // namespace

std::vector<HorizonCrossing> HorizonCrossings(double from, double to, int body, const Observer& obs,
                                              int until) {
    return Search(body, obs).Run(from, to, until);
}

std::optional<double> FirstCrossing(const std::vector<HorizonCrossing>& crossings, double from,
                                    int kind) {
    for (const HorizonCrossing& c : crossings)
        if (c.jd >= from && c.kind == kind)
            return c.jd < from + kRiseSetReach ? std::optional(c.jd) : std::nullopt;
    return std::nullopt;
}

}  // namespace hx
