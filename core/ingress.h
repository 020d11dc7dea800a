// The Sun's and the Moon's entries into the signs, and the void-of-course Moon, from the
// library's geocentric ecliptic longitudes.
#pragma once

#include <array>
#include <vector>

namespace hx {

struct Ingress {
    int body = 0;   // 0 Sun, 1 Moon
    int sign = 0;   // the sign entered, SignNames index
    double jd = 0;  // Julian day (UT)
};

// The first ingress of the Sun or the Moon after jdUt.
Ingress NextIngress(double jdUt, int body);

// The Sun's next `count` ingresses after jdUt, in time order.
std::vector<Ingress> NextSunIngresses(double jdUt, int count = 12);

// Every ingress of the body in [from, to), in time order.
std::vector<Ingress> IngressesBetween(double from, double to, int body);

// The equinox or solstice the Sun's entry into a sign makes: "March Equinox" (Aries),
// "June Solstice" (Cancer), "September Equinox" (Libra), "December Solstice" (Capricorn);
// empty for the other signs. Named by month, so they hold in both hemispheres.
const char* SeasonName(int sign);

// The aspects that end the Moon's course: conjunction, sextile, square, trine, opposition.
inline constexpr std::array<int, 5> PtolemaicAspects = {0, 60, 90, 120, 180};
inline constexpr std::array<const char*, 5> AspectNames = {"conjunction", "sextile", "square",
                                                           "trine", "opposition"};
// The bodies the Moon's aspects are counted to: Sun, Mercury, Venus, Mars, Jupiter, Saturn.
inline constexpr std::array<int, 6> AspectBodies = {0, 2, 3, 4, 5, 6};

struct VoidOfCourse {
    double start = 0;      // the Moon's last exact aspect before it leaves its sign (JD, UT)
    double end = 0;        // its ingress into the next sign (JD, UT)
    int aspectBody = 0;    // the body of that last aspect
    int aspect = 0;        // its angle: one of PtolemaicAspects
    int sign = 0;          // the sign the Moon leaves
    int nextSign = 0;      // the sign it enters
    bool current = false;  // the span holds the instant asked about
};

// The void-of-course span that ends at the Moon's first ingress after jdUt: current when it
// has begun by jdUt, else the next one. The last aspect is searched backwards from the
// ingress, so one made in the sign before counts when the Moon makes none in this sign.
VoidOfCourse VoidOfCourseAt(double jdUt);

}  // namespace hx
