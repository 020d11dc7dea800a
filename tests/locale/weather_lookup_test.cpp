// The weather completion: field texts, boxes, report lines and the refusals.
#include <gtest/gtest.h>

#include "locale/weather_lookup.h"

using namespace hx;

namespace {

const char* kFullObservation =
    "city=\"Minneapolis, MN\" longname=\"Minneapolis, Minnesota\" latitude=\"44.98\" "
    "longitude=\"-93.27\" timezone=\"-6\" daylight_saving=\"1\" time=\"3:53 PM CDT\" "
    "temp.string=\"72.5 F (22.5 C)\" temp.F=\"72.5\" dewpt.string=\"50 F\" "
    "rel_hum.string=\"45%\" wind.string=\"NW at 10 mph\" pressure.string=\"30.01 in\" "
    "pressure.mb=\"1016\" skies=\"partly cloudy\"";

TXMLForexmlType Doc(const QByteArray& observation, const QByteArray& rest = {}) {
    return ParseWeatherDocument("<forexml><observation " + observation + "/>" + rest +
                                "</forexml>");
}

QByteArray WithCoordinates(const char* lat, const char* lon, const char* extra = "") {
    return QByteArray("latitude=\"") + lat + "\" longitude=\"" + lon + "\" " + extra;
}

}  // namespace

TEST(WeatherLookup, CoordinatesIntoFieldsAndBoxes) {
    struct Row {
        const char *lat, *lon;
        bool north;
        const char *deg2, *dec3;
        bool west;
        const char *deg4, *dec5;
    } rows[] = {
        {"44.98", "-93.27", true, "44", "98", true, "93", "27"},
        {"-33.87", "151.21", false, "33", "87", false, "151", "21"},
        {"0.5", "-0.25", true, "0", "5", true, "0", "25"},
        {" 45 ", "+7.125", true, "45", "", false, "+7", "125"},  // no point: all degrees
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.lat);
        const LocaleFieldTexts f =
            CompleteWeatherLookup(Doc(WithCoordinates(r.lat, r.lon)), "q").fields;
        EXPECT_EQ(f.north, r.north);
        EXPECT_EQ(f.latDegrees, r.deg2);
        EXPECT_EQ(f.latMinutes, r.dec3);
        EXPECT_EQ(f.west, r.west);
        EXPECT_EQ(f.lonDegrees, r.deg4);
        EXPECT_EQ(f.lonMinutes, r.dec5);
    }
}

TEST(WeatherLookup, DaylightTimeOnlyForExactlyOne) {
    const std::pair<const char*, bool> rows[] = {{"daylight_saving=\"1\"", true},
                                                 {"daylight_saving=\"0\"", false},
                                                 {"daylight_saving=\"\"", false},
                                                 {"daylight_saving=\"1 \"", false},
                                                 {"", false}};
    for (const auto& [attribute, checked] : rows) {
        SCOPED_TRACE(attribute);
        EXPECT_EQ(CompleteWeatherLookup(Doc(WithCoordinates("1.0", "2.0", attribute)), "q")
                      .fields.daylight,
                  checked);
    }
}

TEST(WeatherLookup, CompleteDocument) {
    const WeatherOutcome out = CompleteWeatherLookup(
        Doc(kFullObservation,
            "<almanac sunrise=\"5:27 AM\" sunset=\"9:03 PM\"/><almanac sunrise=\"x\"/>"
            "<forecast day=\"Tonight\" text=\"Clear.\"/><daycast day=\"Mon\"/>"
            "<forecast day=\"Tuesday\" text=\"Rain &amp; wind.\"/>"),
        "Minneapolis");
    // Texts go into the fields unchanged; reading 72.5 as a number is the site reading's job.
    EXPECT_EQ(out.fields.timeZone, "-6");
    EXPECT_EQ(out.fields.temperatureF, "72.5");
    EXPECT_EQ(out.fields.pressure, "1016");
    EXPECT_EQ(out.placeCaption, "Minneapolis, Minnesota");
    EXPECT_EQ(out.recentEntry, "Minneapolis");
    EXPECT_EQ(out.report,
              QStringList({"Weather forecast for Minneapolis, MN, 3:53 PM CDT",
                           "The temperature is 72.5 F (22.5 C), dewpoint 50 F, relative humidity "
                           "45%.  Winds are NW at 10 mph.  Skies are partly cloudy.  Barometric "
                           "pressure 30.01 in",
                           "This morning's sunrise was at 5:27 AM.  Sunset at 9:03 PM",
                           "Tonight -- Clear.", "Tuesday -- Rain & wind."}));
}

TEST(WeatherLookup, SparseDocumentsGiveEmptyValues) {
    const WeatherOutcome out = CompleteWeatherLookup(Doc(WithCoordinates("1.5", "2.5")), " q ");
    ASSERT_EQ(out.report.size(), 3);  // no forecast: three lines
    EXPECT_EQ(out.report[0], "Weather forecast for , ");
    EXPECT_EQ(out.report[2], "This morning's sunrise was at .  Sunset at ");
    EXPECT_EQ(out.fields.timeZone, "");
    EXPECT_EQ(out.recentEntry, " q ");  // as typed
}

TEST(WeatherLookup, RefusesDocumentsWithoutASite) {
    const QByteArray rows[] = {
        "",  // no observation at all
        "latitude=\"44.98\"",
        "longitude=\"-93.27\"",
        "latitude=\"\" longitude=\"-93.27\"",
        "latitude=\"forty\" longitude=\"-93.27\"",
        "latitude=\"44.98\" longitude=\"1e-5\"",
        "latitude=\"91\" longitude=\"0\"",
        "latitude=\"0\" longitude=\"-180.5\"",
        "latitude=\"4-4\" longitude=\"1\"",
    };
    EXPECT_THROW(CompleteWeatherLookup(ParseWeatherDocument("<forexml/>"), "q"), Error);
    for (const QByteArray& attributes : rows) {
        SCOPED_TRACE(attributes.toStdString());
        EXPECT_THROW(CompleteWeatherLookup(Doc(attributes), "q"), Error);
    }
}

// The poles and the date line are sites like any other.
TEST(WeatherLookup, CoordinatesAtTheirLimitsAreSites) {
    for (const auto& [lat, lon] : {std::pair{"90", "180"}, std::pair{"-90", "-180"}}) {
        SCOPED_TRACE(lat);
        const LocaleFieldTexts f =
            CompleteWeatherLookup(Doc(WithCoordinates(lat, lon)), "q").fields;
        EXPECT_EQ(f.latDegrees, "90");
        EXPECT_EQ(f.lonDegrees, "180");
    }
}
