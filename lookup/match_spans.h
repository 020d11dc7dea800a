// Every span of an era year in which the Sun and the Moon stand in the asked signs and degrees.
#pragma once

#include <functional>
#include <vector>

namespace hx::lookup {

// Geocentric ecliptic longitude of body 0 (Sun) or 1 (Moon) at a Julian day (UT).
using LongitudeFn = std::function<double(double jdUt, int body)>;

// One body's wanted place: a sign 0..11 and, when degree > 0, that whole degree within it.
// Any other sign, or a degree of 30 or more, is a place the body never holds.
struct Place {
    int sign = 0;
    int degree = 0;
};

// A span of time, as Julian days (UT), from the first instant inside to the first after.
struct Span {
    double fromJd = 0;
    double toJd = 0;
};

// Bounds of the geocentric daily motion in longitude, with a margin (neither body ever moves
// backwards as seen from the Earth's centre).
struct Motion {
    double minPerDay, maxPerDay;
};
inline constexpr Motion kSunMotion{0.95, 1.03};
inline constexpr Motion kMoonMotion{11.5, 15.6};

// True when a longitude is at the place, by the date line's rule for sign and degree.
bool AtPlace(double longitude, const Place& place);

// The instant of the Aries ingress that opens the era year starting in the common year `year`.
double EraYearStart(int year, const LongitudeFn& longitude);

// The first instant at or after `fromJd` at which the body's longitude reaches `target`
// (degrees); found from the body's bounds of daily motion and refined to a tenth of a second.
double NextCrossing(double fromJd, int body, double target, const LongitudeFn& longitude);

// The spans of the era year opening in `year` during which the Sun is at `sun` and the Moon
// at `moon`, in time order. Boundaries are sign or degree changes, each refined to the second.
std::vector<Span> MatchSpans(int year, const Place& sun, const Place& moon,
                             const LongitudeFn& longitude);

}  // namespace hx::lookup
