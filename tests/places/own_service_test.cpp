// The lookups answered by the program itself: place search, answer file, usual completion.
#include <gtest/gtest.h>

#include <functional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "locale/lookups.h"
#include "locale/own_service.h"
#include "locale/place_documents.h"
#include "locale/weather_lookup.h"
#include "net/download.h"
#include "settings/textfile.h"

using namespace hx;

namespace {

places::WeatherValues SomeWeather() {
    places::WeatherValues v;
    const auto utc = [](int h) {
        return QDateTime(QDate(2026, 12, 9), QTime(h, 0), QTimeZone::utc());
    };
    v.now.observed = utc(16);
    v.now.temperatureC = -5;
    v.now.dewPointC = -10;
    v.now.windKnots = 0;
    v.now.pressureMb = 1021.4;
    v.now.skies = "overcast";
    v.now.source = "Test Institute";
    v.sunrise = utc(13);
    v.sunset = utc(22);
    v.forecast = {{utc(18), -2, {}, {}, "snow"}};
    return v;
}

// Runs with a temporary program directory, where the lookups put locale.xml and locale.html.
class OwnService : public ::testing::Test {
  protected:
    void SetUp() override { files::SetProgramDirectory(dir_.path()); }
    void TearDown() override { files::SetProgramDirectory({}); }
    QTemporaryDir dir_;
};

TEST_F(OwnService, WeatherLookupFillsTheSiteAndTheReport) {
    const WeatherSource weather = [](const places::Place&) { return SomeWeather(); };
    const WeatherOutcome out = RunOwnWeatherLookup("Minneapolis", QDate(2026, 7, 4), weather);
    EXPECT_TRUE(QFile::exists(dir_.filePath("locale.xml")));
    const LocaleFieldTexts& f = out.fields;
    EXPECT_EQ(f.latDegrees, "44");
    EXPECT_EQ(f.latMinutes, "98");
    EXPECT_EQ(f.north, true);
    EXPECT_EQ(f.lonDegrees, "93");
    EXPECT_EQ(f.lonMinutes, "26");
    EXPECT_EQ(f.west, true);
    EXPECT_EQ(f.timeZone, "-6");
    EXPECT_EQ(f.daylight, true);
    EXPECT_EQ(f.temperatureF, "23");
    EXPECT_EQ(f.pressure, "1021");
    EXPECT_EQ(out.placeCaption, "Minneapolis, Minnesota, United States of America");
    // The answer written to locale.xml, read back as a download would be, says the same.
    WeatherOutcome read =
        CompleteWeatherLookup(LoadWeatherDocument(dir_.filePath("locale.xml")), "Minneapolis");
    read.fields.Zone = f.Zone;
    EXPECT_EQ(read.fields, f);
    EXPECT_EQ(read.report, out.report.mid(0, read.report.size()));
    // The recent entry names the place whole, however it was spelt.
    EXPECT_EQ(out.recentEntry, "Minneapolis, Minnesota, United States of America");
    EXPECT_EQ(RunOwnWeatherLookup(" MINNEAPOLIS", QDate(2026, 7, 4), weather).recentEntry,
              out.recentEntry);
    ASSERT_EQ(out.report.size(), 5);
    EXPECT_TRUE(out.report[0].startsWith("Weather forecast for Minneapolis, Minnesota, "));
    EXPECT_TRUE(out.report[1].contains("Winds are Calm.  Skies are overcast."));
    EXPECT_EQ(out.report[3], QString::fromUtf8("Wednesday -- Snow, high 28°F, low 28°F"));
    EXPECT_EQ(out.report[4], "Weather data: Test Institute");
}

TEST_F(OwnService, WithoutWeatherTheSiteIsSetAndTheAtmosphereKept) {
    const WeatherOutcome out = RunOwnWeatherLookup(
        "sydney", QDate(2026, 12, 9),
        [](const places::Place&) { return std::optional<places::WeatherValues>(); });
    EXPECT_EQ(out.fields.latDegrees, "33");
    EXPECT_EQ(out.fields.north, false);
    EXPECT_EQ(out.fields.timeZone, "10");
    EXPECT_EQ(out.fields.daylight, true);
    EXPECT_FALSE(out.fields.pressure);
    EXPECT_FALSE(out.fields.temperatureF);
    EXPECT_EQ(out.report,
              QStringList({"No current weather could be had for Sydney, New South Wales, "
                           "Australia.",
                           "Also found: Sydney, Nova Scotia, Canada."}));
}

TEST_F(OwnService, GazetteerLookupCutsItsOwnPage) {
    const GazetteerOutcome out = RunOwnGazetteerLookup("Reykjavik");
    ASSERT_TRUE(out.found);
    EXPECT_FALSE(out.message);
    EXPECT_EQ(out.fields.latDegrees, "64");
    EXPECT_EQ(out.fields.latMinutes, "14");
    EXPECT_EQ(out.fields.north, true);
    EXPECT_EQ(out.fields.lonDegrees, "21");
    EXPECT_EQ(out.fields.lonMinutes, "90");
    EXPECT_EQ(out.fields.west, true);
    EXPECT_EQ(out.placeCaption, "Reykjavik (Capital Region, Iceland)");
    // The program knows the zone, so the time zone comes along.
    EXPECT_EQ(out.fields.timeZone, "0");
    EXPECT_EQ(out.fields.Zone, "Atlantic/Reykjavik");
    // The caption is the place's name, not its HTML-escaped form on the answer page.
    places::Place odd;
    odd.name = "Saint-Jean & Sainte-Anne";
    odd.country = "Canada";
    odd.latitude = 46.9;
    odd.longitude = -71.2;
    odd.zoneId = "America/Toronto";
    EXPECT_EQ(AnswerOwnGazetteerLookup(Picked(odd), odd.name, QDate(2026, 7, 4)).placeCaption,
              "Saint-Jean & Sainte-Anne (Canada)");
}

TEST_F(OwnService, UnknownPlacesRaiseWithoutTouchingTheAnswerFiles) {
    QFile old(dir_.filePath("locale.xml"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("<forexml/>");
    old.close();
    bool asked = false;
    const WeatherSource weather = [&](const places::Place&) {
        asked = true;
        return std::optional<places::WeatherValues>();
    };
    EXPECT_THROW(RunOwnWeatherLookup("55413", QDate(2026, 7, 4), weather), UnknownPlaceError);
    EXPECT_FALSE(asked);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "<forexml/>");
    try {
        RunOwnGazetteerLookup("55413");
        ADD_FAILURE() << "no error";
    } catch (const UnknownPlaceError& e) {
        EXPECT_EQ(e.message(), places::PostalCodeMessage("55413", "gazetteer"));
    }
    EXPECT_THROW(RunOwnGazetteerLookup("Xqzwv"), UnknownPlaceError);
}

// A downloaded answer completes as the own service's does; the own lookups write the same files.
TEST_F(OwnService, DownloadedAnswersCompleteFromTheirFiles) {
    const struct {
        QString file;
        QByteArray text;
        std::function<QString()> caption;
    } rows[] = {
        {WeatherDocumentFile(),
         "<forexml><observation latitude=\"1.5\" longitude=\"2.5\" longname=\"There\"/>"
         "</forexml>",
         [] { return CompleteDownloadedWeather("Kathmandu").placeCaption; }},
        {GazetteerPageFile(), "Location: 1.50 N, 2.50 E<br>\nBrowse Tiger\nPO Name: Here (X)",
         [] { return CompleteDownloadedGazetteer("x").placeCaption.value_or("none"); }},
    };
    for (const auto& row : rows) {
        QFile f(row.file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(row.text);
        f.close();
        EXPECT_EQ(row.caption(), row.file == WeatherDocumentFile() ? "There" : "Here (X)");
    }
    EXPECT_EQ(RunOwnGazetteerLookup("New Delhi").placeCaption,
              "New Delhi (National Capital Territory of Delhi, India)");
}

}  // namespace
