// The background load of the version file against a local HTTP server, and the decision made on it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QTest>

#include "net/osd.h"
#include "net/version_check.h"
#include "support/http_server.h"

using namespace hx::net;

namespace {

using hx::test::HttpAnswer;
using hx::test::HttpServer;
const QString kPath = QStringLiteral("/software/heliodex/heliodex.xml");

// Runs one check to its end; the results reported (one, unless the completion ran twice).
QList<hx::JobResult<QByteArray>> RunCheck(VersionCheck& check, const QString& base) {
    QList<hx::JobResult<QByteArray>> results;
    QObject context;
    if (!check.StartUp(false, base, &context, [&](const auto& r) { results << r; }).Pending())
        return results;
    (void)QTest::qWaitFor([&] { return !results.isEmpty(); }, 10000);
    // A second completion would be queued behind the first: deliver what is queued.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return results;
}

QByteArray Osd(const char* version, const QByteArray& inside) {
    return QByteArray("<?xml version=\"1.0\"?><SOFTPKG NAME=\"Heliodex\"") +
           (version ? QByteArray(" VERSION=\"") + version + "\"" : "") + ">" + inside +
           "</SOFTPKG>";
}
const QByteArray kImpl =
    "<IMPLEMENTATION><CODEBASE HREF=\"https://example.org/heliodex-0.12.8.exe\" "
    "FILENAME=\"heliodex.exe\"/></IMPLEMENTATION>";

}  // namespace

TEST(VersionCheck, DialogOnlyWhenTheServedVersionDiffers) {
    struct Row {
        const char* name;
        QByteArray doc;
        bool show;
        const char* caption;
    } rows[] = {
        {"own version", Osd("0,12,7,0", kImpl), false, ""},
        {"newer", Osd("0,12,8,0", kImpl), true, "https://example.org/heliodex-0.12.8.exe"},
        {"older", Osd("0,12,6,0", kImpl), true, "https://example.org/heliodex-0.12.8.exe"},
        {"written with points", Osd("0.12.7.0", kImpl), true,
         "https://example.org/heliodex-0.12.8.exe"},
        {"surrounding spaces", Osd(" 0,12,7,0 ", kImpl), true,
         "https://example.org/heliodex-0.12.8.exe"},
        {"no VERSION", Osd(nullptr, kImpl), true, "https://example.org/heliodex-0.12.8.exe"},
        {"no HREF", Osd("0,12,8,0", "<IMPLEMENTATION><CODEBASE/></IMPLEMENTATION>"), true, ""},
        {"no CODEBASE", Osd("0,12,8,0", "<IMPLEMENTATION/>"), false, ""},
        {"CODEBASE only in second IMPLEMENTATION", Osd("0,12,8,0", "<IMPLEMENTATION/>" + kImpl),
         false, ""},
        {"no IMPLEMENTATION", Osd("0,12,8,0", ""), false, ""},
        {"root not SOFTPKG", "<PACKAGE VERSION=\"0,12,8,0\">" + kImpl + "</PACKAGE>", false, ""},
        {"not XML", "<html><body>Not found", false, ""},
        {"document type declaration",
         "<!DOCTYPE SOFTPKG [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>" + Osd("&e;", kImpl),
         false, ""},
    };
    for (const Row& r : rows) {
        HttpServer server;
        server.Route(kPath, HttpAnswer::Ok(r.doc, "application/xml"));
        QNetworkAccessManager network;
        VersionCheck check(&network);
        const auto results = RunCheck(check, server.BaseUrl());
        ASSERT_EQ(results.size(), 1) << r.name;
        EXPECT_TRUE(results.first().done()) << r.name;
        EXPECT_EQ(server.Requests(), QStringList{kPath}) << r.name;
        const osd::VersionVerdict v = osd::CheckVersionFile(results.first().value);
        EXPECT_EQ(v.showDialog, r.show) << r.name;
        EXPECT_EQ(v.linkCaption, QString(r.caption)) << r.name;
    }
}

TEST(VersionCheck, FailedLoadsEndWithAReasonAndNoDocument) {
    struct Row {
        const char* name;
        HttpAnswer answer;
    } rows[] = {
        {"HTTP error", HttpAnswer::Status(404, Osd("0,12,8,0", kImpl))},
        {"oversized, announced", HttpAnswer::Oversized(3 << 20, true)},
        {"oversized, unannounced", HttpAnswer::Oversized(3 << 20, false)},
        {"connection reset", HttpAnswer::Reset()},
        {"silent server", HttpAnswer::Silent()},
        {"endless chunked answer", HttpAnswer::Endless()},
    };
    for (const Row& r : rows) {
        HttpServer server;
        server.Route(kPath, r.answer);
        QNetworkAccessManager network;
        VersionCheck check(&network);
        check.SetTimeLimitMs(500);
        // The load runs in the background: the event loop, and so the clock, goes on meanwhile.
        int ticks = 0;
        QTimer clock;
        QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
        clock.start(20);
        const auto results = RunCheck(check, server.BaseUrl());
        ASSERT_EQ(results.size(), 1) << r.name;
        EXPECT_EQ(results.first().end, hx::JobEnd::Failed) << r.name;
        EXPECT_FALSE(results.first().reason.isEmpty()) << r.name;
        EXPECT_TRUE(results.first().value.isEmpty()) << r.name;
        if (r.answer.kind == HttpAnswer::Kind::NeverAnswer) {
            EXPECT_GT(ticks, 5) << r.name;
        }
    }
}

TEST(VersionCheck, NothingIsRequestedWhenDisabledOrWithoutAddress) {
    HttpServer server;
    server.Route(kPath, HttpAnswer::Ok(Osd("0,12,8,0", kImpl)));
    QNetworkAccessManager network;
    QObject context;
    int completions = 0;
    const auto count = [&](const auto&) { ++completions; };
    VersionCheck disabled(&network);
    EXPECT_FALSE(disabled.StartUp(true, server.BaseUrl(), &context, count).Pending());
    for (const char* base : {"", " ", "file:///tmp", "ftp://127.0.0.1"}) {
        VersionCheck check(&network);
        EXPECT_FALSE(check.StartUp(false, base, &context, count).Pending()) << base;
    }
    QTest::qWait(200);
    EXPECT_TRUE(server.Requests().isEmpty());
    EXPECT_EQ(completions, 0);
}
