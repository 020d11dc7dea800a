// Julian-day conversions and the ephemeris layer.
#include <gtest/gtest.h>

#include <cmath>

#include "core/ephemeris.h"
#include "core/error.h"

using namespace hx;

namespace {
Observer Zone(double tz, int dst) {
    Observer o;
    o.TimeZone = tz;
    o.DaylightTime = dst;
    return o;
}
}  // namespace

TEST(JulianDay, DropsSecondsAndShiftsToUniversalTime) {
    const Moment m = EncodeDateTime(2024, 6, 15, 12, 30, 45);
    EXPECT_NEAR(MomentToJulianDay(m, Zone(0, 0)), 2460477.0208333, 1e-7);
    // 12:30 CDT is 17:30 UT; -5 with daylight time is 16:30 UT.
    EXPECT_NEAR(MomentToJulianDay(m, Zone(-5, 1)), 2460477.1875, 1e-7);
    EXPECT_NEAR(MomentToJulianDay(m, Zone(5.75, 0)), 2460477.0208333 - 5.75 / 24, 1e-7);
    // Two moments in the same minute give the same Julian day.
    EXPECT_DOUBLE_EQ(MomentToJulianDay(EncodeDateTime(2024, 6, 15, 12, 30, 1), Zone(-6, 1)),
                     MomentToJulianDay(EncodeDateTime(2024, 6, 15, 12, 30, 59), Zone(-6, 1)));
}

TEST(JulianDay, LocalConversionIsTheInverse) {
    const auto local = JulianDayToLocal(2460477.0208333333, Zone(-5, 1));
    ASSERT_TRUE(local);
    const DateTimeFields f = DecodeDateTime(*local);
    EXPECT_EQ(f.day, 15);
    EXPECT_EQ(f.hour, 8);
    EXPECT_EQ(f.minute, 30);
    for (double tz : {-12.0, -6.0, -3.5, 0.0, 5.5, 5.75, 14.0}) {
        for (int dst : {0, 1}) {
            const Moment m = EncodeDateTime(2023, 10, 29, 1, 59);
            const auto back = JulianDayToLocal(MomentToJulianDay(m, Zone(tz, dst)), Zone(tz, dst));
            ASSERT_TRUE(back);
            EXPECT_NEAR(*back, m, 1e-6) << tz << " " << dst;
        }
    }
    EXPECT_FALSE(JulianDayToLocal(0.0, Zone(0, 0)));
    EXPECT_FALSE(JulianDayToLocal(1e9, Zone(0, 0)));
}

TEST(Ephemeris, SunAtTheEquinoxAndSolstice) {
    // 2024 March equinox 03:06 UT, June solstice 20:51 UT.
    const double equinox = eph::JulDay(2024, 3, 20, 3 + 6 / 60.0);
    const double sun = eph::EclipticLongitude(equinox, 0);
    EXPECT_LT(std::min(sun, 360 - sun), 0.01);
    EXPECT_NEAR(eph::EclipticLongitude(eph::JulDay(2024, 6, 20, 20 + 51 / 60.0), 0), 90.0, 0.01);
    const double moon = eph::EclipticLongitude(equinox, 1);
    EXPECT_GE(moon, 0.0);
    EXPECT_LT(moon, 360.0);
}

TEST(Ephemeris, MoonFractionAtKnownPhases) {
    // Full Moon 2024-06-22 01:08 UT, new Moon 2024-06-06 12:38 UT.
    EXPECT_GT(eph::MoonIlluminatedFraction(eph::JulDay(2024, 6, 22, 1.13)), 0.99);
    EXPECT_LT(eph::MoonIlluminatedFraction(eph::JulDay(2024, 6, 6, 12.63)), 0.01);
}

TEST(Ephemeris, SignAndDegree) {
    EXPECT_EQ(ToSignDegree(30.0).sign, 1);
    EXPECT_EQ(ToSignDegree(30.0).degree, 0);
    EXPECT_EQ(ToSignDegree(359.99).sign, 11);
    EXPECT_EQ(ToSignDegree(359.99).degree, 29);
    EXPECT_EQ(ToSignDegree(0.0).sign, 0);
    EXPECT_EQ(ToSignDegree(84.5).degree, 24);
}

TEST(Ephemeris, PathListsProgramDirectoryFirst) {
    EXPECT_EQ(eph::EphePathFor("/opt/heliodex"), "/opt/heliodex/:/usr/share/libswe/ephe");
    EXPECT_EQ(eph::EphePathFor("/opt/heliodex/"), "/opt/heliodex/:/usr/share/libswe/ephe");
}

// Days with the data files, past them (the analytic ephemeris) and beyond both (an error,
// not a zero position).
TEST(Ephemeris, DataFilesAnalyticFallbackAndRange) {
    const std::tuple<double, int> rows[] = {
        {eph::JulDay(2024, 6, 15, 0), 2},   // SEFLG_SWIEPH
        {eph::JulDay(2405, 6, 15, 0), 4},   // SEFLG_MOSEPH
        {eph::JulDay(-1000, 6, 15, 0), 4},  // before the files too
    };
    for (const auto& [jd, flag] : rows) {
        EXPECT_EQ(eph::EphemerisFlagFor(jd), flag) << jd;
        EXPECT_EQ(eph::EphemerisFlagFor(jd + 1), flag) << jd;  // learnt once, the same
    }
    for (const double jd : {eph::JulDay(3500, 1, 1, 12), eph::JulDay(-20000, 1, 1, 0)}) {
        try {
            eph::EclipticLongitude(jd, 0);
            ADD_FAILURE() << jd;
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), eph::kOutsideRange);
        }
    }
}

// Each altitude is the site's own, whatever site was asked for before: the library holds one
// site at a time, which the layer gives it only when it changes.
TEST(Ephemeris, AltitudesFollowTheirSiteWhateverCameBefore) {
    Observer minneapolis, tromso;
    minneapolis.Latitude = 44.98, minneapolis.Longitude = -93.27, minneapolis.Altitude = 256;
    tromso.Latitude = 69.65, tromso.Longitude = 18.96;
    const double jd = eph::JulDay(2024, 6, 15, 18.0);
    const double limb = eph::UpperLimbAltitude(jd, 0, minneapolis);
    const double centre = eph::CentreAltitude(jd, 0, minneapolis);
    for (int round = 0; round < 2; ++round) {
        eph::CentreAltitude(jd, 0, tromso);
        EXPECT_EQ(eph::UpperLimbAltitude(jd, 0, minneapolis), limb) << round;
        eph::UpperLimbAltitude(jd, 0, tromso);
        EXPECT_EQ(eph::CentreAltitude(jd, 0, minneapolis), centre) << round;
    }
    EXPECT_NEAR(limb - centre, 0.26, 0.02);  // the Sun's semidiameter
}
