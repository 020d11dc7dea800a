// The forexml document and gazetteer page made for a place, read back the way the lookups'
// completions read them.
#include <gtest/gtest.h>

#include <QTextDocument>

#include "locale/gazetteer_lookup.h"
#include "locale/place_documents.h"
#include "net/xml_tree.h"
#include "settings/textfile.h"

using namespace hx;
using namespace hx::places;

namespace {

const QDate kJuly(2026, 7, 15), kDecember(2026, 12, 9), kJanuary(2027, 1, 10);

Place Found(const char* query) {
    const PlaceSearch s = FindPlace(QString::fromUtf8(query));
    EXPECT_TRUE(s.found()) << query;
    return s.place.value_or(Place{});
}

TEST(PlaceDocuments, SiteOfLookedUpPlaces) {
    struct {
        const char *query, *latitude, *longitude;
        QDate date;
        const char *timezone, *daylight, *city;
    } rows[] = {
        {"Minneapolis", "44.98", "-93.26", kJuly, "-6", "1", "Minneapolis, Minnesota"},
        {"Minneapolis", "44.98", "-93.26", kDecember, "-6", "0", "Minneapolis, Minnesota"},
        {"Kathmandu", "27.70", "85.32", kJuly, "5.75", "0", "Kathmandu, Bagmati Province"},
        {"New Delhi", "28.64", "77.22", kDecember, "5.5", "0",
         "New Delhi, National Capital Territory of Delhi"},
        {"Sydney", "-33.87", "151.21", kJanuary, "10", "1", "Sydney, New South Wales"},
        {"Sydney", "-33.87", "151.21", kJuly, "10", "0", "Sydney, New South Wales"},
        {"reykjavik", "64.14", "-21.90", kJuly, "0", "0", "Reykjavik, Capital Region"},
        {"St. John's", "47.56", "-52.71", kJuly, "-3.5", "1",
         "St. John's, Newfoundland and Labrador"},
        {"Tromsø", "69.65", "18.96", kDecember, "1", "0", "Tromsø, Troms og Finnmark"},
    };
    for (const auto& r : rows) {
        const SiteAttributes s = SiteOf(Found(r.query), r.date);
        SCOPED_TRACE(r.query);
        EXPECT_EQ(s.latitude, r.latitude);
        EXPECT_EQ(s.longitude, r.longitude);
        EXPECT_EQ(s.timezone, r.timezone);
        EXPECT_EQ(s.daylight_saving, r.daylight);
        EXPECT_EQ(s.city, QString::fromUtf8(r.city));
    }
}

TEST(PlaceDocuments, ZoneOffsetsAsShortDecimals) {
    struct {
        const char* zone;
        double longitude;
        const char* hours;
        bool daylight;
    } rows[] = {
        {"America/St_Johns", -52.7, "-3.5", true},   {"Asia/Kathmandu", 85.3, "5.75", false},
        {"Pacific/Chatham", -176.5, "12.75", false}, {"UTC", 0, "0", false},
        {"Mars/Olympus_Mons", -93.3, "-6", false},   {"", 151.2, "10", false}};
    for (const auto& r : rows) {
        EXPECT_EQ(HoursText(StandardOffsetHours(r.zone, kJuly, r.longitude)), r.hours) << r.zone;
        EXPECT_EQ(KeepsDaylightTime(r.zone, kJuly), r.daylight) << r.zone;
    }
    EXPECT_EQ(HoursText(-0.0), "0");
    EXPECT_EQ(HoursText(-9.5), "-9.5");
}

TEST(PlaceDocuments, ForexmlDocumentReadsBack) {
    Place p = Found("Minneapolis");
    p.name = "Minneapolis & \"Saint\" <Paul>";
    ForexmlWeather w;
    w.observation = {{"temp.F", "72"}, {"pressure.mb", "1013"}, {"city", "not this"}};
    w.almanac = {{"7:31 AM", "4:32 PM"}};
    w.forecast = {{"1", "Wednesday", "snow", "34", "22", "Snow, high 34°F, low 22°F"},
                  {"2", "Thursday", "clear sky", "30", "10", "Clear sky, high 30°F, low 10°F"}};

    const auto doc = xml::Parse(ForexmlDocument(p, kDecember, &w));
    ASSERT_TRUE(doc) << doc.error.toStdString();
    EXPECT_EQ(doc.root->name, "forexml");
    const xml::Element* o = doc.root->child("observation");
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->attribute("city"), "Minneapolis & \"Saint\" <Paul>, Minnesota");
    EXPECT_EQ(o->attribute("longname"),
              "Minneapolis & \"Saint\" <Paul>, Minnesota, United States of America");
    EXPECT_EQ(o->attribute("latitude"), "44.98");
    EXPECT_EQ(o->attribute("timezone"), "-6");
    EXPECT_EQ(o->attribute("daylight_saving"), "0");
    EXPECT_EQ(o->attribute("temp.F"), "72");
    EXPECT_EQ(o->attribute("pressure.mb"), "1013");
    // Attributes come in the binding's order.
    QStringList names;
    for (const auto& a : o->attributes) names << a.first;
    EXPECT_EQ(names, QStringList({"city", "longname", "latitude", "longitude", "timezone",
                                  "daylight_saving", "temp.F", "pressure.mb"}));
    const auto almanac = doc.root->childrenNamed("almanac");
    ASSERT_EQ(almanac.size(), 1u);
    EXPECT_EQ(almanac[0]->attribute("sunset"), "4:32 PM");
    const auto forecast = doc.root->childrenNamed("forecast");
    ASSERT_EQ(forecast.size(), 2u);
    EXPECT_EQ(forecast[1]->attribute("day"), "Thursday");
    EXPECT_EQ(forecast[0]->attribute("text"), "Snow, high 34°F, low 22°F");

    const auto bare = xml::Parse(ForexmlDocument(Found("Kathmandu"), kJuly, nullptr));
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare.root->child("observation")->attribute("timezone"), "5.75");
    EXPECT_FALSE(bare.root->child("observation")->hasAttribute("temp.F"));
    EXPECT_EQ(bare.root->child("almanac"), nullptr);
    EXPECT_EQ(bare.root->child("forecast"), nullptr);
}

// The page as the gazetteer completion reads it back from locale.html.
GazetteerOutcome CutPage(const QByteArray& page) {
    return CompleteGazetteerLookup(GazetteerPageText(files::SplitLines(QString::fromUtf8(page))),
                                   "query");
}

TEST(PlaceDocuments, GazetteerPageCutsIntoTheFields) {
    Place zahedan;
    zahedan.name = "Zahedan-e (Yek)";
    zahedan.country = "Cocos (Keeling) Islands";
    zahedan.latitude = -0.001;
    zahedan.longitude = 0.5;
    struct {
        Place place;
        const char *edit2, *edit3, *edit4, *edit5;
        bool north, west;
        const char* label;
    } rows[] = {
        {Found("Minneapolis"), "44", "98 ", "93", "26 ", true, true,
         "Minneapolis (Minnesota, United States of America)"},
        {Found("Sydney"), "33", "87 ", "151", "21 ", false, false,
         "Sydney (New South Wales, Australia)"},
        {Found("reykjavik"), "64", "14 ", "21", "90 ", true, true,
         "Reykjavik (Capital Region, Iceland)"},
        {zahedan, "0", "00 ", "0", "50 ", true, false, "Zahedan-e [Yek] (Cocos [Keeling] Islands)"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.label);
        const GazetteerOutcome c = CutPage(GazetteerPage({r.place, {}, {r.place}, true}));
        ASSERT_TRUE(c.found);
        EXPECT_FALSE(c.message);
        LocaleFieldTexts expected;
        expected.latDegrees = r.edit2;
        expected.latMinutes = r.edit3;
        expected.lonDegrees = r.edit4;
        expected.lonMinutes = r.edit5;
        expected.north = r.north;
        expected.west = r.west;
        EXPECT_EQ(c.fields, expected);
        EXPECT_EQ(c.placeCaption, QString::fromUtf8(r.label));
    }

    const QByteArray several = GazetteerPage(FindPlace("Sydney"));
    EXPECT_EQ(CutPage(several).placeCaption, "Sydney (New South Wales, Australia)");
    EXPECT_TRUE(several.contains("Also found: Sydney, Nova Scotia, Canada"));
    EXPECT_FALSE(CutPage(GazetteerPage(FindPlace("55413"))).found);
}

TEST(PlaceDocuments, MessageLines) {
    EXPECT_EQ(AlsoFoundLine({}), "");
    EXPECT_EQ(AlsoFoundLine({"A, B", "C"}), "Also found: A, B; C.");
    QStringList many;
    for (int i = 0; i < 13; ++i) many << QString::number(i);
    EXPECT_EQ(AlsoFoundLine(many), "Also found: 0; 1; 2; 3; 4; 5; 6; 7; 8; 9; and 3 more.");
    EXPECT_EQ(NoWeatherLine(Found("Kathmandu")),
              "No current weather could be had for Kathmandu, Bagmati Province, Nepal.");
    EXPECT_EQ(UnknownPlaceMessage("55413"),
              "No place named \"55413\" is known; try a city name, or set a weather service "
              "address.");
    EXPECT_EQ(UnknownPlaceMessage("Atlantis", "gazetteer"),
              "No place named \"Atlantis\" is known; try a city name, or set a gazetteer "
              "service address.");
    EXPECT_EQ(PostalCodeMessage(" 55413 "),
              "\"55413\" looks like a postal code. Postal codes need a weather service address; "
              "a city name, such as Chicago, works offline.");
}

}  // namespace

namespace {

// The program's own result page shows report lines with markup as the characters they are.
TEST(PlaceDocuments, ResultPageShowsMarkupInALineLiterally) {
    const QStringList lines = {"<b>Bold</b> & <img src=\"/tmp/fifo\">", "a<br>b &amp; c"};
    QTextDocument page;
    page.setHtml(ResultPage(Found("Minneapolis"), kJuly, lines));
    const QStringList shown = page.toPlainText().split(u'\n');
    for (const QString& line : lines) EXPECT_TRUE(shown.contains(line)) << line.toStdString();
    EXPECT_FALSE(page.toHtml().contains("<img"));
}

}  // namespace
