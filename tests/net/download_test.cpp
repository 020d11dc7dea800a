// Downloads against a local HTTP server: answers, faults, limits, the one-at-a-time rule,
// cancelling and the completion's context.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "net/download.h"
#include "support/http_server.h"

using namespace hx;
using hx::test::HttpAnswer;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Resident memory of this process in MB.
double ResidentMb() {
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly)) return 0;
    return f.readAll().split(' ').value(1).toDouble() * 4096 / (1 << 20);
}

class Download : public ::testing::Test {
  protected:
    // Starts a download and waits for its completion (the test's loop, not the program's).
    net::DownloadResult Fetch(const QString& url, net::HttpDownloader& d) {
        std::optional<net::DownloadResult> got;
        d.Download(url, Target(), &context_, [&](const net::DownloadResult& r) { got = r; });
        EXPECT_FALSE(got.has_value()) << "reported inside Download";
        EXPECT_TRUE(QTest::qWaitFor([&] { return got.has_value(); }, 15000));
        return got.value_or(net::DownloadResult{false, "none", "no completion"});
    }
    net::DownloadResult Fetch(const QString& url) { return Fetch(url, downloader_); }

    QString Target() const { return dir_.filePath("answer.txt"); }
    QString Url(const QString& path) const { return server_.BaseUrl() + path; }

    QTemporaryDir dir_;
    QObject context_;
    test::HttpServer server_;
    net::HttpDownloader downloader_{{/*timeoutMs*/ 600, /*maxBytes*/ 1000, 5}};
};

}  // namespace

TEST_F(Download, WritesTheAnswerIntoTheFile) {
    server_.Route("/forexml.cgi", HttpAnswer::Ok("<forexml/>", "text/xml"));
    EXPECT_TRUE(Fetch(Url("/forexml.cgi?New%20York")).ok);
    EXPECT_EQ(ReadFile(Target()), "<forexml/>");
    EXPECT_EQ(server_.Requests(), QStringList{"/forexml.cgi?New%20York"});
    EXPECT_TRUE(downloader_.LastFailure().isEmpty());
    EXPECT_FALSE(downloader_.Busy());
}

struct FailureRow {
    const char* name;
    HttpAnswer answer;
    const char* reasonPart;
};

// A 200 answer that announces more than it sends before the server closes the connection.
static HttpAnswer CutShort() {
    HttpAnswer a = HttpAnswer::Ok("<forexml><observation");
    a.sendContentLength = false;
    a.headers = {{"Content-Length", "400"}};
    return a;
}

TEST_F(Download, FailuresReportTheErrorAndKeepTheOldFile) {
    const FailureRow rows[] = {
        {"not found", HttpAnswer::Status(404), "HTTP status 404"},
        {"server error", HttpAnswer::Status(500, "oops"), "HTTP status 500"},
        {"slower than the limit", HttpAnswer::Slow(3000, "late"), "within 600 ms"},
        {"never answers", HttpAnswer::Silent(), "within 600 ms"},
        {"connection reset", HttpAnswer::Reset(), ""},
        {"too large, announced", HttpAnswer::Oversized(1001, true), "larger than 1000"},
        {"too large, unannounced", HttpAnswer::Oversized(5000, false), "larger than 1000"},
        {"cut short", CutShort(), ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteFile(Target(), "old");
        server_.Route("/x", row.answer);
        const QString url = Url("/x?q");
        const net::DownloadResult r = Fetch(url);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, "Error downloading URL: " + url);
        EXPECT_EQ(r.reason, downloader_.LastFailure());
        EXPECT_TRUE(downloader_.LastFailure().contains(row.reasonPart))
            << downloader_.LastFailure().toStdString();
        EXPECT_FALSE(downloader_.LastFailure().isEmpty());
        EXPECT_EQ(ReadFile(Target()), "old");
        EXPECT_FALSE(downloader_.Busy());
    }
}

TEST_F(Download, OnlyHttpAddressesAreFetched) {
    for (const QString url : {"file:///etc/passwd", "ftp://127.0.0.1/x", "no address", "",
                              "http:///path-without-host"}) {
        SCOPED_TRACE(url.toStdString());
        EXPECT_FALSE(Fetch(url).ok);
        EXPECT_FALSE(QFile::exists(Target()));
    }
    EXPECT_TRUE(server_.Requests().isEmpty());
}

TEST_F(Download, TheDefaultCapIsTwoMebibytes) {
    net::HttpDownloader defaults;
    server_.Route("/exact", HttpAnswer::Oversized(2 << 20, false));
    server_.Route("/over", HttpAnswer::Oversized((2 << 20) + 1, false));
    EXPECT_TRUE(Fetch(Url("/exact"), defaults).ok);
    EXPECT_EQ(QFile(Target()).size(), 2 << 20);
    EXPECT_FALSE(Fetch(Url("/over"), defaults).ok);
    EXPECT_EQ(QFile(Target()).size(), 2 << 20);
}

// A second download while one runs fails at once; Abort ends the running one; a completion
// whose context has gone is dropped.
TEST_F(Download, OneAtATimeCancelAndAGoneContext) {
    net::HttpDownloader other;
    server_.Route("/slow", HttpAnswer::Slow(300, "first"));
    server_.Route("/fast", HttpAnswer::Ok("second"));
    std::optional<net::DownloadResult> first;
    downloader_.Download(Url("/slow"), Target(), nullptr,
                         [&](const net::DownloadResult& r) { first = r; });
    EXPECT_TRUE(downloader_.Busy() && other.Busy());
    EXPECT_EQ(Fetch(Url("/fast"), other).reason, "another download is running");
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.has_value(); }, 5000));
    EXPECT_TRUE(first && first->ok);
    EXPECT_EQ(ReadFile(Target()), "first");
    EXPECT_EQ(server_.Requests(), QStringList{"/slow"});
    EXPECT_FALSE(other.Busy());

    server_.Route("/silent", HttpAnswer::Silent());
    QTimer::singleShot(100, [&] { downloader_.Abort(); });
    EXPECT_EQ(Fetch(Url("/silent")).reason, net::kCancelled);
    EXPECT_FALSE(downloader_.Busy());
    // Abort's completion comes from the event loop, once, however often it is called.
    int aborted = 0;
    downloader_.Download(Url("/silent"), Target(), nullptr, [&](const net::DownloadResult& r) {
        ++aborted;
        EXPECT_EQ(r.reason, net::kCancelled);
    });
    downloader_.Abort();
    downloader_.Abort();
    EXPECT_EQ(aborted, 0);
    EXPECT_FALSE(downloader_.Busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return aborted > 0; }, 2000));
    QCoreApplication::sendPostedEvents();  // a second completion would be queued by now
    EXPECT_EQ(aborted, 1);

    bool called = false;
    auto gone = std::make_unique<QObject>();
    downloader_.Download(Url("/fast"), Target(), gone.get(),
                         [&](const net::DownloadResult&) { called = true; });
    gone.reset();
    QTest::qWait(300);
    EXPECT_FALSE(called);
    EXPECT_FALSE(downloader_.Busy());
}

// An answer that never ends is refused as soon as it passes the cap, with little memory.
TEST_F(Download, AnEndlessChunkedAnswerEndsAtTheCap) {
    net::HttpDownloader defaults;
    server_.Route("/endless", HttpAnswer::Endless());
    const double before = ResidentMb();
    const net::DownloadResult r = Fetch(Url("/endless"), defaults);
    EXPECT_TRUE(r.reason.contains("larger than 2097152")) << r.reason.toStdString();
    EXPECT_LT(server_.EndlessBytesSent(), 8 << 20);
    EXPECT_LT(ResidentMb() - before, 50) << "resident " << ResidentMb() << " MB";
#ifndef __SANITIZE_ADDRESS__
    EXPECT_LT(ResidentMb(), 100);
#endif
}

// A final redirect status is no answer, and an endless answer is cut off at the size cap
// rather than read until the time limit.
TEST_F(Download, RedirectStatusesAndEndlessAnswersFail) {
    const FailureRow rows[] = {
        {"moved, no new address", HttpAnswer::Status(302, "elsewhere"), "HTTP status 302"},
        {"not modified", HttpAnswer::Status(304), "HTTP status 304"},
        {"endless", HttpAnswer::Endless(), "larger than 1000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteFile(Target(), "old");
        server_.Route("/x", row.answer);
        EXPECT_FALSE(Fetch(Url("/x")).ok);
        EXPECT_TRUE(downloader_.LastFailure().contains(row.reasonPart))
            << downloader_.LastFailure().toStdString();
        EXPECT_EQ(ReadFile(Target()), "old");
    }
}
