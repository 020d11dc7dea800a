// Searches shared by the sky computations: the root of a function between two instants, and
// the instant an ever-increasing angle (a longitude, an elongation) reaches a value.
#pragma once

#include <cmath>

namespace hx::search {

inline constexpr double kRootTolerance = 0.05 / 86400;  // days

// Degrees from `from` forward to `to`, 0 <= value < 360.
inline double Ahead(double from, double to) {
    const double d = std::fmod(to - from, 360.0);
    return d < 0 ? d + 360 : d;
}

// An angle difference in (-180, 180].
inline double Wrap180(double x) {
    const double d = std::fmod(x + 180.0, 360.0);
    return (d <= 0 ? d + 360 : d) - 180;
}

// The root of f in [a, b], where fa = f(a) and fb = f(b) differ in sign (or one is 0), by false
// position with the Illinois correction, halving a bracket that hardly shrinks.
template <class F>
double Root(F f, double a, double fa, double b, double fb) {
    if (fa == 0) return a;
    if (fb == 0) return b;
    int side = 0;
    for (int i = 0; i < 100 && b - a > kRootTolerance; ++i) {
        double m = (a * fb - b * fa) / (fb - fa);
        if (!(m > a && m < b) || i % 8 == 7) m = (a + b) / 2;
        const double fm = f(m);
        if (fm == 0) return m;
        if ((fm > 0) == (fb > 0)) {
            b = m;
            fb = fm;
            if (side == -1) fa /= 2;
            side = -1;
        } else {
            a = m;
            fa = fm;
            if (side == 1) fb /= 2;
            side = 1;
        }
    }
    return (a + b) / 2;
}

// The first instant at or after `from` at which the angle f (degrees) reaches `target`, for an
// angle that always grows by between minRate and maxRate degrees a day. The angle cannot
// reach the target sooner than its distance over maxRate, so the search steps by that, then
// brackets the last degree with minRate and refines it.
template <class F>
double NextAngle(F f, double from, double target, double minRate, double maxRate) {
    double t = from, d = Ahead(f(t), target);
    for (int i = 0; i < 64 && d > 1; ++i) {
        t += d / maxRate;
        d = Ahead(f(t), target);
    }
    const auto g = [&](double x) { return Wrap180(f(x) - target); };
    const double b = t + d / minRate + kRootTolerance;
    return Root(g, t, -d, b, g(b));
}

// The last instant at or before `before` at which the angle reached `target` (the same angle
// as NextAngle's, searched backwards).
template <class F>
double LastAngle(F f, double before, double target, double minRate, double maxRate) {
    double t = before, d = Ahead(target, f(t));
    for (int i = 0; i < 64 && d > 1; ++i) {
        t -= d / maxRate;
        d = Ahead(target, f(t));
    }
    const auto g = [&](double x) { return Wrap180(f(x) - target); };
    const double a = t - d / minRate - kRootTolerance;
    return Root(g, a, g(a), t, d);
}

}  // namespace hx::search
