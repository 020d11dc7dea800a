// Reading the site fields, the summary and the Done check.
#include <gtest/gtest.h>

#include "locale/site_fields.h"

using namespace hx;

namespace {
SiteFields Lat(const char* deg, const char* min, int format, bool north = true) {
    SiteFields f;
    f.latDegrees = deg;
    f.latMinutes = min;
    f.format = format;
    f.north = north;
    return f;
}
}  // namespace

TEST(SiteFields, AllEmpty) {
    const SiteFields f;
    const Observer o = ReadSite(f);
    EXPECT_EQ(o.Latitude, 0);
    EXPECT_EQ(o.Longitude, 0);
    EXPECT_FALSE(std::signbit(o.Latitude));
    EXPECT_FALSE(o.HasSite());
    EXPECT_EQ(o.TimeZone, 0);
    EXPECT_EQ(o.Altitude, 0);
    EXPECT_EQ(o.DaylightTime, 0);
    EXPECT_EQ(SiteSummary(f), "no site yet");
}

// Empty weather fields take the standard atmosphere at the altitude and 10 °C; what was typed
// is used as it is, a typed 0 included.
TEST(SiteFields, EmptyWeatherFieldsTakeTheStandardAtmosphere) {
    struct Row {
        const char *pressure, *temperatureF, *altitude;
        double mbar, celsius;
        bool pressureGiven, temperatureGiven;
    };
    const Row rows[] = {
        {"", "", "", 1013.25, 10, false, false},   {" ", "", "1270", 869.7, 10, false, false},
        {"", "", "2850", 714.6, 10, false, false}, {"1013", "", "2850", 1013, 10, true, false},
        {"", "32", "1270", 869.7, 0, false, true}, {"0", "", "", 0, 10, true, false},
        {"", "", "50000", 0, 10, false, false},  // no air that high
    };
    for (const Row& r : rows) {
        SiteFields f;
        f.pressure = r.pressure;
        f.temperatureF = r.temperatureF;
        f.altitude = r.altitude;
        const Observer o = ReadSite(f);
        SCOPED_TRACE(std::string(r.pressure) + "|" + r.temperatureF + "|" + r.altitude);
        EXPECT_NEAR(o.Pressure, r.mbar, 0.1);
        EXPECT_NEAR(o.Temperature, r.celsius, 1e-9);
        EXPECT_EQ(o.PressureGiven, r.pressureGiven);
        EXPECT_EQ(o.TemperatureGiven, r.temperatureGiven);
    }
}

TEST(SiteFields, Latitudes) {
    struct Row {
        SiteFields f;
        double latitude;
    };
    const Row rows[] = {
        {Lat("44", "58", 0), 44 + 58 / 60.0},
        {Lat("-33", "30", 0, false), 32.5},  // typed sign and the box combine
        {Lat("44", "", 1), 44},
        {Lat("44.5", "", 1), 44.5},  // a decimal degrees field reads as typed
        {Lat("44 ", "98", 1), 44.98},
        {Lat(" 44", " 98", 1), 44.98},
        {Lat("44", "998 ", 1), 44.998},
        {Lat("44.5", "3", 1), 0},  // "44.5.3" is not a number
        {Lat("44", "30.5", 0), 44 + 30.5 / 60},
        {Lat("abc", "", 1), 0},
        {Lat("44", "5", 1, false), -44.5},
        {Lat("1e1", "", 1), 10},
        {Lat("1e999", "", 1), 0},  // not finite
        {Lat("inf", "", 1), 0},
        {Lat("0x10", "", 1), 0},
    };
    for (const Row& r : rows)
        EXPECT_NEAR(ReadSite(r.f).Latitude, r.latitude, 1e-9)
            << r.f.latDegrees.toStdString() << "|" << r.f.latMinutes.toStdString();
}

TEST(SiteFields, LongitudeWestAndAtmosphere) {
    SiteFields f;
    f.lonDegrees = "93";
    f.lonMinutes = "16";
    f.format = 0;
    f.west = true;
    f.timeZone = "-5.5";
    f.pressure = " 1013 ";
    f.altitude = "256.4";
    f.temperatureF = "70 ";
    f.daylight = true;
    const Observer o = ReadSite(f);
    EXPECT_NEAR(o.Longitude, -(93 + 16 / 60.0), 1e-9);
    EXPECT_EQ(o.TimeZone, -5.5);
    EXPECT_EQ(o.Pressure, 1013);
    EXPECT_NEAR(o.Altitude, 256.4, 1e-9);
    EXPECT_NEAR(o.Temperature, 21.1111, 1e-4);
    EXPECT_EQ(o.DaylightTime, 1);
    f.temperatureF = "72.5";
    EXPECT_NEAR(ReadSite(f).Temperature, 22.5, 1e-9);
}

TEST(SiteFields, Summary) {
    SiteFields f{" 44", "58 ", true, "93", "16", true, "-6", false, 0, "1013", "70", "256", ""};
    EXPECT_EQ(SiteSummary(f), QString::fromUtf8("44.58°N 93.16°W TZ -6 1013 mbar 70°F 256 m.s.l."));
    f.north = f.west = false;
    f.altitude = "  ";
    f.timeZone = "-5.5";
    EXPECT_EQ(SiteSummary(f), QString::fromUtf8("44.58°S 93.16°E TZ -5.5 1013 mbar 70°F"));
    // Empty weather fields: the values used, marked, the pressure at the typed altitude.
    f.pressure = f.temperatureF = "";
    f.altitude = "1270";
    EXPECT_EQ(SiteSummary(f), QString::fromUtf8("44.58°S 93.16°E TZ -5.5 870 mbar (standard) "
                                                "50°F (standard) 1270 m.s.l."));
}

TEST(SiteFields, DoneCheck) {
    struct Row {
        const char* latMin;
        const char* lonMin;
        int format;
        bool warns;
    };
    const Row rows[] = {
        {"58", "16", 0, false}, {"980", "16", 0, true},   {"58", "123", 0, true},
        {"12 ", "16", 0, true}, {"980", "123", 1, false}, {"", "", 0, false},
    };
    for (const Row& r : rows) {
        SiteFields f;
        f.latMinutes = r.latMin;
        f.lonMinutes = r.lonMin;
        f.lonDegrees = "122";  // three-digit degrees never warn
        f.format = r.format;
        EXPECT_EQ(MinutesLookLikeDecimals(f), r.warns) << r.latMin << "|" << r.lonMin;
    }
}
