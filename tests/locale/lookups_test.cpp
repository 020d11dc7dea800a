// Both lookups end to end against a local server: URL, download, file, completion.
#include <gtest/gtest.h>

#include <optional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "locale/lookups.h"
#include "net/download.h"
#include "net/gate.h"
#include "net/service_urls.h"
#include "settings/textfile.h"
#include "support/http_server.h"

using namespace hx;
using hx::test::HttpAnswer;

namespace {

const QByteArray kForexml =
    "<?xml version=\"1.0\"?>\n<forexml><observation city=\"St. Paul\" longname=\"Saint Paul\" "
    "latitude=\"44.95\" longitude=\"-93.09\" timezone=\"-6\" daylight_saving=\"0\" "
    "temp.F=\"70\" pressure.mb=\"1013\"/><almanac sunrise=\"7:01 AM\" sunset=\"4:32 PM\"/>"
    "</forexml>";

// Runs with a temporary program directory, where the lookups put locale.xml and locale.html.
class Lookups : public ::testing::Test {
  protected:
    void SetUp() override {
        files::SetProgramDirectory(dir_.path());
        weather_ = server_.BaseUrl();
        gazetteer_ = server_.BaseUrl() + "/";
    }
    void TearDown() override { files::SetProgramDirectory({}); }
    // Downloads into file as the window does, waiting in the test's loop; a failure raises
    // its text, as the window reports it.
    void Fetch(const QString& url, const QString& file) {
        std::optional<net::DownloadResult> r;
        downloader_.Download(url, file, nullptr, [&](const net::DownloadResult& x) { r = x; });
        if (!QTest::qWaitFor([&] { return r.has_value(); }, 5000)) throw Error("no completion");
        if (!r->ok) throw Error(r->error);
    }
    WeatherOutcome RunWeatherLookup(const QString& url, const QString& query,
                                    QByteArray* answer = nullptr) {
        Fetch(url, WeatherDocumentFile());
        return CompleteDownloadedWeather(query, answer);
    }
    GazetteerOutcome RunGazetteerLookup(const QString& url, const QString& query, QString* page) {
        Fetch(url, GazetteerPageFile());
        return CompleteDownloadedGazetteer(query, page);
    }

    QTemporaryDir dir_;
    test::HttpServer server_;
    QString weather_, gazetteer_;  // the service addresses
    net::HttpDownloader downloader_{{600, 1 << 16, 5}};
};

}  // namespace

TEST_F(Lookups, WeatherLookupSendsTheEncodedQuery) {
    server_.Route("/forexml.cgi", HttpAnswer::Ok(kForexml, "text/xml"));
    QByteArray answer;
    const QString query = "St. Paul & Co";
    const WeatherOutcome out = RunWeatherLookup(net::WeatherUrl(weather_, query), query, &answer);
    EXPECT_EQ(server_.Requests(), QStringList{"/forexml.cgi?St.%20Paul%20%26%20Co"});
    EXPECT_TRUE(QFile::exists(dir_.filePath("locale.xml")));
    EXPECT_EQ(answer, kForexml);
    EXPECT_EQ(out.placeCaption, "Saint Paul");
    EXPECT_EQ(out.fields.latMinutes, "95");
    EXPECT_EQ(out.fields.west, true);
    EXPECT_EQ(out.recentEntry, query);
}

TEST_F(Lookups, WeatherFailuresRaiseBeforeAnythingChanges) {
    const std::pair<const char*, HttpAnswer> rows[] = {
        {"silent server", HttpAnswer::Silent()},
        {"error status", HttpAnswer::Status(503)},
        {"oversized", HttpAnswer::Oversized(1 << 17, false)},
        {"not xml", HttpAnswer::Ok("<html>maintenance</html>")},
        {"no observation", HttpAnswer::Ok("<forexml><almanac/></forexml>")},
    };
    for (const auto& [name, answer] : rows) {
        SCOPED_TRACE(name);
        server_.Route("/forexml.cgi", answer);
        EXPECT_THROW(RunWeatherLookup(net::WeatherUrl(weather_, "1"), "1"), Error);
    }
}

TEST_F(Lookups, GazetteerPageWithBareLineFeeds) {
    server_.Route("/cgi-bin/gazetteer-tbl",
                  HttpAnswer::Ok("<html>\nLocation: 44.998 N, 93.253 W<br>\nBrowse Tiger Map\n"
                                 "PO Name: MINNEAPOLIS (MN)\n</html>\n",
                                 "text/html"));
    QString page;
    const GazetteerOutcome out =
        RunGazetteerLookup(net::GazetteerUrl(gazetteer_, "55413"), "55413", &page);
    EXPECT_EQ(server_.Requests(), QStringList{"/cgi-bin/gazetteer-tbl?55413"});
    EXPECT_TRUE(page.contains("<br>\r\nBrowse Tiger"));
    ASSERT_TRUE(out.found);
    EXPECT_EQ(out.fields.latMinutes, "998 ");
    EXPECT_EQ(out.placeCaption, "MINNEAPOLIS (MN)");
}
