// Rises and sets found by sampling the altitude, against the library's own searches over a
// year: the stepwise method beyond 50 degrees of latitude, the fast method within it.
#include <gtest/gtest.h>

#include <cmath>

#include "core/ephemeris.h"
#include "core/horizon.h"
#include "core/names.h"
#include "core/sky_events.h"

using namespace hx;

namespace {

constexpr int kSlowMethod = 32768;
constexpr double kSecond = 1.0 / 86400;

struct Place {
    const char* name;
    double lat, lon, alt;
};

Observer At(const Place& p) {
    Observer o;
    o.Latitude = p.lat;
    o.Longitude = p.lon;
    o.Altitude = p.alt;
    o.Pressure = 1013.25;
    o.Temperature = 10;
    return o;
}

// Search starts spread over 2024: every 23 days and 7 hours, so the hour of day moves on.
template <class F>
void OverTheYear(F f) {
    const double first = eph::JulDay(2024, 1, 3, 0);
    for (double jd = first; jd < first + 366; jd += 23 + 7.0 / 24) f(jd);
}

}  // namespace

// The same rises and sets found or not found (polar day and night, bodies that stay up or
// down, grazing passes), each within a second, at 16 search starts a year per body.
TEST(Horizon, AgreesWithTheStepwiseMethodBeyond50Degrees) {
    const Place places[] = {
        {"London", 51.51, -0.13, 0},       {"Ushuaia", -54.80, -68.30, 0},
        {"Oslo", 59.91, 10.75, 0},         {"Dovrefjell", 62.30, 9.50, 1000},
        {"Tromso", 69.65, 18.96, 0},       {"Antarctic circle", -66.6, 140.0, 0},
        {"Longyearbyen", 78.22, 15.65, 0}, {"McMurdo", -77.85, 166.67, 0},
    };
    for (const Place& p : places) {
        const Observer o = At(p);
        int compared = 0;
        OverTheYear([&](double jd) {
            for (int body = 0; body < kBodyCount; ++body)
                for (int kind : {kRise, kSet}) {
                    const auto mine = FirstRiseTransAfter(jd, body, kind, o);
                    const auto slow = eph::RiseTrans(jd, body, kind | kSlowMethod, o);
                    const auto where = [&] {
                        return testing::Message() << p.name << " body " << body << " kind " << kind
                                                  << " from " << std::fixed << jd;
                    };
                    if (mine && slow) {
                        EXPECT_NEAR(*mine, *slow, kSecond) << where();
                        ++compared;
                    } else {
                        EXPECT_EQ(bool(mine), bool(slow)) << where() << " mine " << mine.value_or(0)
                                                          << " slow " << slow.value_or(0);
                    }
                }
        });
        EXPECT_GT(compared, 50) << p.name;
    }
}

TEST(Horizon, AgreesWithTheFastMethodWithin50Degrees) {
    const Place places[] = {{"Chicago", 41.88, -87.63, 180},
                            {"Quito", -0.18, -78.47, 2850},
                            {"Sydney", -33.87, 151.21, 0},
                            {"Winnipeg", 49.90, -97.14, 0}};
    for (const Place& p : places) {
        const Observer o = At(p);
        OverTheYear([&](double jd) {
            for (int body = 0; body < kBodyCount; ++body) {
                const auto crossings = HorizonCrossings(jd, jd + kRiseSetReach, body, o);
                for (int kind : {kRise, kSet}) {
                    const auto mine = FirstCrossing(crossings, jd, kind);
                    const auto fast = FirstRiseTransAfter(jd, body, kind, o);
                    ASSERT_TRUE(mine && fast) << p.name << " " << body << " " << kind;
                    EXPECT_NEAR(*mine, *fast, kSecond)
                        << p.name << " body " << body << " kind " << kind << " from " << jd;
                }
            }
        });
    }
}
