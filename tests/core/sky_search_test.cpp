// Twilights, principal phases, ingresses and void-of-course spans against an oracle made here:
// the library's positions read at one-minute steps (hourly to find the hour of an event,
// then minute by minute within it), never the program's own searches.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include <swephexp.h>

#include "core/ephemeris.h"
#include "core/ingress.h"
#include "core/lunation.h"
#include "core/twilight.h"

using namespace hx;

namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double kSecond = 1.0 / 86400;

double Longitude(double jd, int body) {
    double xx[6] = {};
    char err[AS_MAXCH] = {};
    swe_calc_ut(jd, body, SEFLG_SWIEPH, xx, err);
    return xx[0];
}

double SunAltitude(double jd, const Observer& o) {
    double geo[3] = {o.Longitude, o.Latitude, o.Altitude}, xx[6] = {}, xh[3] = {};
    char err[AS_MAXCH] = {};
    swe_set_topo(geo[0], geo[1], geo[2]);
    swe_calc_ut(jd, SE_SUN, SEFLG_SWIEPH | SEFLG_EQUATORIAL | SEFLG_TOPOCTR, xx, err);
    swe_azalt(jd, SE_EQU2HOR, geo, 0, 0, xx, xh);
    return xh[1];
}

double Behind(double angle, double target) {  // degrees the angle is past the target
    const double d = std::fmod(angle - target, 360.0);
    return d < 0 ? d + 360 : d;
}

// The instants in [from, to) where the "count" f (a whole number that steps up by one at each
// event, wrapping) changes, scanned hourly and then minute by minute, interpolated linearly
// on g, the value whose crossing of zero is the event.
struct Found {
    double jd;
    int after;  // f after the event
};
std::vector<Found> Scan(double from, double to, const std::function<int(double)>& f,
                        const std::function<double(double, int)>& g) {
    std::vector<Found> out;
    int prev = f(from);
    for (double h = from; h < to; h += 1.0 / 24) {
        const double h2 = std::min(h + 1.0 / 24, to);
        const int next = f(h2);
        if (next != prev) {
            for (double m = h; m < h2; m += kMinute) {
                const double m2 = m + kMinute;
                if (f(m2) == next) {
                    const double a = g(m, next), b = g(m2, next);
                    out.push_back({m + (m2 - m) * a / (a - b), next});
                    break;
                }
            }
        }
        prev = next;
    }
    return out;
}

struct Site {
    const char* name;
    double lat, lon, tz;
};

}  // namespace

// Dawns, dusks and the flags of a Sun that stays on one side, at six sites from the equator
// to 70 degrees, at both solstices and an equinox: each crossing within 5 s of the minute
// scan, an absent one absent in the scan too (60 degrees in June has no nautical or
// astronomical night; 70 degrees has a polar day in June and only twilight in December).
TEST(Twilight, AgreesWithAMinuteScanOfTheAltitude) {
    const Site sites[] = {{"Quito", -0.18, -78.47, -5},       {"Sydney", -33.87, 151.21, 10},
                          {"Minneapolis", 44.98, -93.27, -6}, {"London", 51.51, -0.13, 0},
                          {"60 N", 60.0, 10.75, 1},           {"Tromso", 69.65, 18.96, 1}};
    int absent = 0;
    for (const Site& s : sites)
        for (int month : {3, 6, 12}) {
            Observer o;
            o.Latitude = s.lat;
            o.Longitude = s.lon;
            o.TimeZone = s.tz;
            o.Pressure = 1013.25;
            o.Temperature = 10;
            const double from = eph::JulDay(2024, month, 21, 0) - s.tz / 24, to = from + 1;
            const SunDay day = ComputeSunDay(from, to, o);
            for (int i = 0; i < kTwilightCount; ++i) {
                const double depth = TwilightDepths[i];
                const auto up = [&](double jd) { return SunAltitude(jd, o) > depth ? 1 : 0; };
                const auto g = [&](double jd, int) { return SunAltitude(jd, o) - depth; };
                std::optional<double> dawn, dusk;
                for (const Found& f : Scan(from, to, up, g)) (f.after ? dawn : dusk) = f.jd;
                double least = 90, most = -90;
                for (double t = from; t < to; t += kMinute) {
                    least = std::min(least, SunAltitude(t, o));
                    most = std::max(most, SunAltitude(t, o));
                }
                const LevelCrossings& c = day.twilight[i];
                SCOPED_TRACE(testing::Message()
                             << s.name << " month " << month << " level " << depth);
                ASSERT_EQ(bool(c.rising), bool(dawn));
                ASSERT_EQ(bool(c.falling), bool(dusk));
                if (dawn) {
                    EXPECT_NEAR(*c.rising, *dawn, 5 * kSecond);
                }
                if (dusk) {
                    EXPECT_NEAR(*c.falling, *dusk, 5 * kSecond);
                }
                EXPECT_EQ(c.above, least > depth);
                EXPECT_EQ(c.below, most <= depth);
                absent += !dawn + !dusk;
            }
            if (s.lat > 69 && month == 6) {
                EXPECT_TRUE(day.horizon.above);
                EXPECT_NEAR(day.dayLength, 1, kSecond);
                EXPECT_FALSE(day.horizon.falling);
            }
        }
    EXPECT_GE(absent, 10);  // the polar cases were reached
}

// Every principal phase and every ingress of the Sun and the Moon in a year, within 60 s,
// none missed and none extra.
TEST(Lunation, PhasesAndIngressesOfAYearAgreeWithAScan) {
    const double from = eph::JulDay(2025, 1, 1, 0), to = eph::JulDay(2026, 1, 1, 0);
    const auto elongation = [](double jd) { return Behind(Longitude(jd, 1), Longitude(jd, 0)); };
    const auto quarter = [&](double jd) { return int(elongation(jd) / 90); };
    const auto toQuarter = [&](double jd, int q) {
        return Behind(elongation(jd) - 90.0 * q + 180, 0) - 180;
    };
    const std::vector<Found> phases = Scan(from, to, quarter, toQuarter);
    const std::vector<PhaseInstant> mine = PhasesBetween(from, to);
    ASSERT_EQ(mine.size(), phases.size());
    for (std::size_t k = 0; k < mine.size(); ++k) {
        EXPECT_EQ(mine[k].phase, phases[k].after);
        EXPECT_NEAR(mine[k].jd, phases[k].jd, 60 * kSecond);
    }
    EXPECT_NEAR(double(mine.size()), 49, 1);
    for (int body : {0, 1}) {
        const auto sign = [body](double jd) { return int(Longitude(jd, body) / 30); };
        const auto toSign = [body](double jd, int s) {
            return Behind(Longitude(jd, body) - 30.0 * s + 180, 0) - 180;
        };
        const std::vector<Found> scan = Scan(from, to, sign, toSign);
        const std::vector<Ingress> found = IngressesBetween(from, to, body);
        ASSERT_EQ(found.size(), scan.size()) << "body " << body;
        for (std::size_t k = 0; k < found.size(); ++k) {
            EXPECT_EQ(found[k].sign, scan[k].after);
            EXPECT_NEAR(found[k].jd, scan[k].jd, 60 * kSecond);
        }
    }
    // The next four from one instant are one of each, the first ones of the year's list.
    const std::vector<PhaseInstant> next = NextPhases(from);
    ASSERT_EQ(next.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) EXPECT_NEAR(next[k].jd, mine[k].jd, kSecond);
}

// Each void-of-course span of a month: from the last exact aspect (0, 60, 90, 120, 180 to the
// Sun, Mercury, Venus, Mars, Jupiter, Saturn) before an ingress of the Moon to that ingress,
// within 60 s, with the right body, current inside the span and next before it.
TEST(VoidOfCourse, SpansOfAMonthAgreeWithAScan) {
    const double from = eph::JulDay(2025, 3, 1, 0), to = eph::JulDay(2025, 4, 1, 0);
    const auto moonSign = [](double jd) { return int(Longitude(jd, 1) / 30); };
    const auto toSign = [](double jd, int s) {
        return Behind(Longitude(jd, 1) - 30.0 * s + 180, 0) - 180;
    };
    const std::vector<Found> ingresses = Scan(from, to, moonSign, toSign);
    struct Aspect {
        double jd;
        int body;
    };
    std::vector<Aspect> aspects;
    for (int body : AspectBodies) {
        // The angle between the Moon and the body, counted in whole aspect steps; the aspects
        // (0, 60, 90, 120, 180, 240, 270, 300) cut the circle into eight pieces.
        static const double cuts[] = {0, 60, 90, 120, 180, 240, 270, 300};
        const auto apart = [body](double jd) {
            return Behind(Longitude(jd, 1), Longitude(jd, body));
        };
        const auto piece = [&](double jd) {
            const double a = apart(jd);
            int p = 0;
            while (p < 7 && a >= cuts[p + 1]) ++p;
            return p;
        };
        const auto toCut = [&](double jd, int p) {
            return Behind(apart(jd) - cuts[p] + 180, 0) - 180;
        };
        for (const Found& f : Scan(from - 4, to, piece, toCut)) aspects.push_back({f.jd, body});
    }
    ASSERT_GE(ingresses.size(), 12u);
    for (const Found& in : ingresses) {
        Aspect last{-1e9, -1};
        for (const Aspect& a : aspects)
            if (a.jd < in.jd && a.jd > last.jd) last = a;
        const VoidOfCourse v = VoidOfCourseAt(in.jd - 2 * kMinute);
        EXPECT_NEAR(v.end, in.jd, 60 * kSecond);
        EXPECT_EQ(v.nextSign, in.after);
        EXPECT_NEAR(v.start, last.jd, 60 * kSecond);
        EXPECT_EQ(v.aspectBody, last.body);
        EXPECT_TRUE(v.current);
        if (v.start - 2 * kMinute > in.jd - 3) {
            const VoidOfCourse before = VoidOfCourseAt(v.start - 2 * kMinute);
            EXPECT_FALSE(before.current);
            EXPECT_NEAR(before.start, v.start, kSecond);
        }
    }
}
