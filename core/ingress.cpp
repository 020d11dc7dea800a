// Ingresses and the void-of-course Moon.
#include "ingress.h"

#include <cmath>

#include "angle_search.h"
#include "ephemeris.h"

namespace hx {

namespace {

// Bounds on the daily motion in longitude, with a margin: the Sun 0.95 to 1.02 degrees, the
// Moon 11.8 to 15.4; the Moon less a planet between 9.4 (Mercury at its fastest, direct) and
// 16.9 (Mercury retrograde).
struct Rates {
    double least, most;
};
constexpr Rates kSunRates{0.93, 1.04};
constexpr Rates kMoonRates{11.5, 15.6};
constexpr Rates kAspectRates{9, 17.5};
constexpr double kPastFound = 1.0 / 24;

Rates RatesOf(int body) {
    return body == 0 ? kSunRates : kMoonRates;
}

int SignOf(double longitude) {
    return int(std::floor(longitude / 30)) % 12;
}

Ingress NextAfter(double jd, int body) {
    const auto lon = [body](double t) { return eph::EclipticLongitude(t, body); };
    const int next = (SignOf(lon(jd)) + 1) % 12;
    const Rates r = RatesOf(body);
    return {body, next, search::NextAngle(lon, jd, 30.0 * next, r.least, r.most)};
}

}  // namespace

Ingress NextIngress(double jdUt, int body) {
    return NextAfter(jdUt, body);
}

std::vector<Ingress> NextSunIngresses(double jdUt, int count) {
    std::vector<Ingress> out;
    double t = jdUt;
    for (int i = 0; i < count; ++i) {
        out.push_back(NextAfter(t, 0));
        t = out.back().jd + kPastFound;
    }
    return out;
}

std::vector<Ingress> IngressesBetween(double from, double to, int body) {
    std::vector<Ingress> out;
    for (double t = from;;) {
        const Ingress i = NextAfter(t, body);
        if (i.jd >= to) break;
        out.push_back(i);
        t = i.jd + kPastFound;
    }
    return out;
}

const char* SeasonName(int sign) {
    switch (sign) {
        case 0:
            return "March Equinox";
        case 3:
            return "June Solstice";
        case 6:
            return "September Equinox";
        case 9:
            return "December Solstice";
        default:
            return "";
    }
}

VoidOfCourse VoidOfCourseAt(double jdUt) {
    const Ingress ingress = NextAfter(jdUt, 1);
    VoidOfCourse v;
    v.end = ingress.jd;
    v.nextSign = ingress.sign;
    v.sign = (ingress.sign + 11) % 12;
    v.start = -1e300;
    for (int body : AspectBodies) {
        const auto apart = [body](double t) {
            return search::Ahead(eph::EclipticLongitude(t, body), eph::EclipticLongitude(t, 1));
        };
        // The Moon gains on every planet, so the angle between them only grows: the aspect
        // passed last is the one the angle at the ingress lies least beyond (each angle but
        // 0 and 180 is met on both sides).
        const double now = apart(v.end);
        double behind = 360, target = 0;
        int aspect = 0;
        for (int a : PtolemaicAspects)
            for (int side : {a, (360 - a) % 360}) {
                const double d = search::Ahead(side, now);
                if (d < behind) {
                    behind = d;
                    target = side;
                    aspect = a;
                }
            }
        const double jd =
            search::LastAngle(apart, v.end, target, kAspectRates.least, kAspectRates.most);
        if (jd > v.start) {
            v.start = jd;
            v.aspectBody = body;
            v.aspect = aspect;
        }
    }
    v.current = v.start <= jdUt;
    return v;
}

}  // namespace hx
