// Rises and sets from sampled altitudes.
#include "horizon.h"

#include <algorithm>
#include <cmath>

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
// Refining on the library's altitude never moves a crossing further than this from where the
// interpolated altitude put it (their difference is about an arc second, a fraction of a
// second of time).
constexpr double kFurthestPolish = 60 * kSecond;
// Mean sidereal rate (degrees a day) and its epoch: the sidereal time is interpolated as its
// difference from this line.
constexpr double kSiderealRate = 360.98564736629;
constexpr double kJ2000 = 2451545.0;
// The Earth's ellipsoid as the library takes it, and the astronomical unit.
constexpr double kEarthRadius = 6378136.6;
constexpr double kFlattening = 1 / 298.25642;
constexpr double kAuMetres = 1.49597870700e+11;

// Bounds on the altitude's rate (degrees/hour) and bend (degrees/hour²) at a latitude: the
// turn of the sky contributes at most 15.04 cos(latitude) and 15.04² cos(latitude) (in
// radians), the body's own motion (declination, the Moon's parallax) the rest.
double RateBound(int body, double latitude) {
    return kTurn * std::cos(latitude / kDegPerRad) + (body == 1 ? 1.0 : 0.2);
}
double BendBound(int body, double latitude) {
    return kTurn * kTurnRad * std::cos(latitude / kDegPerRad) + (body == 1 ? 0.3 : 0.1);
}

// An angle moved by whole turns to within half a turn of ref.
double Near(double angle, double ref) {
    return angle + 360 * std::round((ref - angle) / 360);
}

}  // namespace

HorizonPass::HorizonPass(int body, const Observer& obs)
    : body_(body),
      obs_(obs),
      horizon_(eph::HorizonTrueAltitude(obs)),
      rate_(RateBound(body, obs.Latitude)),
      bend_(BendBound(body, obs.Latitude)),
      // The Moon's position bends within hours, the others' over days.
      spacing_(body == 1 ? 0.25 : 1.0) {
    const double lat = obs.Latitude / kDegPerRad;
    sinLat_ = std::sin(lat);
    cosLat_ = std::cos(lat);
    const double squash = (1 - kFlattening) * (1 - kFlattening);
    const double c = 1 / std::sqrt(cosLat_ * cosLat_ + squash * sinLat_ * sinLat_);
    observerX_ = (kEarthRadius * c + obs.Altitude) * cosLat_ / kAuMetres;
    observerZ_ = (kEarthRadius * squash * c + obs.Altitude) * sinLat_ / kAuMetres;
}

double HorizonPass::Height(double jd) const {
    return eph::UpperLimbAltitude(jd, body_, obs_) - horizon_;
}

const HorizonPass::Node& HorizonPass::NodeAt(int64_t k) {
    const auto found = nodes_.find(k);
    if (found != nodes_.end()) return found->second;
    const double jd = double(k) * spacing_;
    const eph::Equatorial e = eph::ApparentEquatorial(jd, body_);
    const double sidereal =
        std::remainder(eph::SiderealDegrees(jd) - kSiderealRate * (jd - kJ2000), 360.0);
    return nodes_.emplace(k, Node{e.ra, e.dec, e.distance, sidereal}).first->second;
}

double HorizonPass::InterpolatedHeight(double jd) {
    const double x = jd / spacing_;
    const int64_t k = int64_t(std::floor(x));
    // Nodes far behind are not asked for again by searches that move forward.
    while (nodes_.size() > 64 && nodes_.begin()->first < k - 16) nodes_.erase(nodes_.begin());
    const Node* n[4] = {&NodeAt(k - 1), &NodeAt(k), &NodeAt(k + 1), &NodeAt(k + 2)};
    // Four-point Lagrange weights at p between the middle nodes.
    const double p = x - double(k);
    const double w[4] = {-p * (p - 1) * (p - 2) / 6, (p + 1) * (p - 1) * (p - 2) / 2,
                         -(p + 1) * p * (p - 2) / 2, (p + 1) * p * (p - 1) / 6};
    double ra = 0, dec = 0, distance = 0, sidereal = 0;
    for (int i = 0; i < 4; ++i) {
        ra += w[i] * Near(n[i]->ra, n[1]->ra);
        dec += w[i] * n[i]->dec;
        distance += w[i] * n[i]->distance;
        sidereal += w[i] * Near(n[i]->sidereal, n[1]->sidereal);
    }
    // The body and the site in the plane of the site's meridian, the topocentric direction
    // between them and its height over the site's horizon.
    const double hourAngle =
        (sidereal + kSiderealRate * (jd - kJ2000) + obs_.Longitude - ra) / kDegPerRad;
    const double d = dec / kDegPerRad;
    const double bx = distance * std::cos(d) * std::cos(hourAngle) - observerX_;
    const double by = distance * std::cos(d) * std::sin(hourAngle);
    const double bz = distance * std::sin(d) - observerZ_;
    const double r = std::sqrt(bx * bx + by * by + bz * bz);
    const double altitude = std::asin(std::clamp((bx * cosLat_ + bz * sinLat_) / r, -1.0, 1.0));
    return altitude * kDegPerRad + eph::Semidiameter(body_, r) - horizon_;
}

std::vector<HorizonCrossing> HorizonPass::Crossings(double from, double to, int until) {
    found_.clear();
    double a = from, ua = InterpolatedHeight(a);
    while (a < to) {
        // The altitude cannot reach the horizon sooner than |u| / rate.
        const double step = std::clamp(std::abs(ua) / rate_ * kHour, kShortestStep, kLongestStep);
        const double b = std::min(a + step, to);
        const double ub = InterpolatedHeight(b);
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

// Finds the crossings in [a, b] from the heights at its ends.
void HorizonPass::Examine(double a, double ua, double b, double ub) {
    const double hours = (b - a) / kHour;
    const bool upA = ua > 0, upB = ub > 0;
    if (upA == upB) {
        // Neither the rate nor the bend lets the altitude reach the horizon and come back.
        const double least = std::min(std::abs(ua), std::abs(ub));
        if (std::abs(ua) + std::abs(ub) >= rate_ * hours) return;
        if (least > bend_ * hours * hours / 8) return;
        if (b - a < kFinest) return;
    } else {
        // A slope the bend cannot reverse within the interval: one crossing only.
        const double slope = (ub - ua) / hours;
        if (std::abs(slope) > bend_ * hours || b - a < kFinest) {
            const double t = Refine(a, ua, b, ub);
            const double slopePerDay =
                (InterpolatedHeight(t + kSecond) - InterpolatedHeight(t - kSecond)) / (2 * kSecond);
            found_.push_back({Polish(t, slopePerDay), upB ? kRise : kSet});
            return;
        }
    }
    const double m = (a + b) / 2, um = InterpolatedHeight(m);
    Examine(a, ua, m, um);
    Examine(m, um, b, ub);
}

// The crossing in [a, b] of the interpolated height, whose values differ in sign there, by
// false position (Illinois), to half a second.
double HorizonPass::Refine(double a, double ua, double b, double ub) {
    int side = 0;
    for (int i = 0; i < 60 && b - a > kFinest; ++i) {
        double m = (a * ub - b * ua) / (ub - ua);
        if (!(m > a && m < b)) m = (a + b) / 2;
        const double um = InterpolatedHeight(m);
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
            const double h = (a + b) / 2, uh = InterpolatedHeight(h);
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

// The crossing near t on the library's altitude, by the secant from the interpolated slope
// (degrees a day): two library positions for most crossings.
double HorizonPass::Polish(double t, double slope) const {
    double ta = t, ua = Height(ta);
    for (int i = 0; i < 8; ++i) {
        if (ua == 0 || !(std::abs(slope) > 0) || !std::isfinite(slope)) return ta;
        const double tb = ta - ua / slope;
        if (std::abs(tb - ta) < kRefined) return tb;
        if (std::abs(tb - t) > kFurthestPolish) return t;
        const double ub = Height(tb);
        if (ub != ua) slope = (ub - ua) / (tb - ta);
        ta = tb;
        ua = ub;
    }
    return ta;
}

std::vector<HorizonCrossing> HorizonCrossings(double from, double to, int body, const Observer& obs,
                                              int until) {
    return HorizonPass(body, obs).Crossings(from, to, until);
}

std::optional<double> FirstCrossing(const std::vector<HorizonCrossing>& crossings, double from,
                                    int kind) {
    for (const HorizonCrossing& c : crossings)
        if (c.jd >= from && c.kind == kind)
            return c.jd < from + kRiseSetReach ? std::optional(c.jd) : std::nullopt;
    return std::nullopt;
}

}  // namespace hx
