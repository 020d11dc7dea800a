// Cutting the gazetteer page by its markers.
#include <gtest/gtest.h>

#include "locale/gazetteer_lookup.h"
#include "settings/textfile.h"

using namespace hx;

namespace {

const QString kNotSpecific =
    "Location search not specific enough, try again with a zip code or do it manually.";
const QString kMoreThanOne =
    "Search returned more than one result, you should double check it.  Try a zip code, or do "
    "it manually.";

// A service page as the lines of its file, re-joined the way the lookup reads it.
QString Page(const QString& location, const QString& lineBreak = "\r\n",
             const QString& before = "<html><body><h1>Gazetteer</h1>",
             const QString& after = "PO Name: MINNEAPOLIS (MN)<br>") {
    const QString file = before + lineBreak + "Location: " + location + "<br>" + lineBreak +
                         "Browse Tiger map" + lineBreak + after + lineBreak + "</body></html>";
    return GazetteerPageText(files::SplitLines(file));
}

}  // namespace

TEST(GazetteerLookup, CutsCoordinatesAndHemispheres) {
    struct Row {
        const char* name;
        QString page;
        const char *e2, *e3;
        bool north;
        const char *e4, *e5;
        bool west;
    } rows[] = {
        {"north west", Page("44.998 N, 93.253 W"), "44", "998 ", true, "93", "253 ", true},
        {"south", Page("33.870 S, 93.253 W"), "33", "870 ", false, "93", "253 ", true},
        {"bare LF lines", Page("44.998 N, 93.253 W", "\n"), "44", "998 ", true, "93", "253 ", true},
        {"CR lines", Page("44.998 N, 151.210 E", "\r"), "44", "998 ", true, "151", "210 ", false},
        {"blank after the letter", Page("44.998 N , 93.253 W "), "44", "998 ", false, "93", "253 ",
         false},
        {"no point", Page("44 N, 93 W"), "44", "", true, "93", "", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const GazetteerOutcome out = CompleteGazetteerLookup(r.page, "55413");
        ASSERT_TRUE(out.found);
        EXPECT_EQ(out.fields.latDegrees, r.e2);
        EXPECT_EQ(out.fields.latMinutes, r.e3);
        EXPECT_EQ(out.fields.north, r.north);
        EXPECT_EQ(out.fields.lonDegrees, r.e4);
        EXPECT_EQ(out.fields.lonMinutes, r.e5);
        EXPECT_EQ(out.fields.west, r.west);
        EXPECT_FALSE(out.fields.timeZone || out.fields.pressure || out.fields.temperatureF ||
                     out.fields.daylight);  // time zone and weather are the user's
        EXPECT_EQ(out.recentEntry, "55413");
    }
}

TEST(GazetteerLookup, PlaceName) {
    struct Row {
        const char* name;
        QString before, after;
        std::optional<QString> caption, message;
    } rows[] = {
        {"one match", "<h1>x</h1>", "PO Name: MINNEAPOLIS (MN)<br>", "MINNEAPOLIS (MN)",
         std::nullopt},
        // A ")" earlier on the page does not blank the name.
        {"parenthesis before the name", "<h1>Gazetteer (US Census)</h1>",
         "PO Name: MINNEAPOLIS (MN)<br>", "MINNEAPOLIS (MN)", std::nullopt},
        {"no parenthesis: to the end of the line", "<h1>x</h1>", "PO Name: MINNEAPOLIS<br>",
         "MINNEAPOLIS<br>", std::nullopt},
        {"several results", "<h1>x</h1>", "Entries: 2", std::nullopt, kMoreThanOne},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const GazetteerOutcome out =
            CompleteGazetteerLookup(Page("44.998 N, 93.253 W", "\r\n", r.before, r.after), "q");
        EXPECT_TRUE(out.found);
        EXPECT_EQ(out.fields.latDegrees, "44");  // the first location stays set
        EXPECT_EQ(out.placeCaption, r.caption);
        EXPECT_EQ(out.message, r.message);
    }
}

TEST(GazetteerLookup, PagesWithoutAUsableLocationChangeNothing) {
    const QString rows[] = {
        Page("44.998 N, 93.253 W", "\r\n", "Sorry, no matches found"),
        GazetteerPageText({"<html>Service unavailable</html>"}),
        GazetteerPageText({"Location: 44.998 N, 93.253 W", "no browse line"}),
        GazetteerPageText({"<br>", "Browse Tiger", "Location: 44.998 N, 93.253 W"}),
        Page("44.998 N 93.253 W"),  // no comma
        "",
    };
    for (const QString& page : rows) {
        SCOPED_TRACE(page.left(40).toStdString());
        const GazetteerOutcome out = CompleteGazetteerLookup(page, "q");
        EXPECT_FALSE(out.found);
        EXPECT_EQ(out.message, kNotSpecific);
        EXPECT_EQ(out.fields, LocaleFieldTexts{});
        EXPECT_FALSE(out.placeCaption);
        EXPECT_TRUE(out.recentEntry.isEmpty());
    }
}

// Without a ")" on its own line the name ends with that line, though a later line has one.
TEST(GazetteerLookup, PlaceNameEndsWithItsLine) {
    const GazetteerOutcome out = CompleteGazetteerLookup(
        Page("44.998 N, 93.253 W", "\r\n", "<h1>x</h1>", "PO Name: MINNEAPOLIS<br>\r\n(c) Census"),
        "q");
    EXPECT_EQ(out.placeCaption, "MINNEAPOLIS<br>");
}
