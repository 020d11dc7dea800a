// Downloads against a local HTTP server: answers, faults, limits and the one-at-a-time rule.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "core/error.h"
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

class Download : public ::testing::Test {
  protected:
    QString Target() const { return dir_.filePath("answer.txt"); }
    QString Url(const QString& path) const { return server_.BaseUrl() + path; }

    QTemporaryDir dir_;
    test::HttpServer server_;
    net::HttpDownloader downloader_{{/*timeoutMs*/ 600, /*maxBytes*/ 1000, 5}};
};

}  // namespace

TEST_F(Download, WritesTheAnswerIntoTheFile) {
    server_.Route("/forexml.cgi", HttpAnswer::Ok("<forexml/>", "text/xml"));
    downloader_.Download(Url("/forexml.cgi?New%20York"), Target());
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

TEST_F(Download, FailuresRaiseTheErrorAndKeepTheOldFile) {
    const FailureRow rows[] = {
        {"not found", HttpAnswer::Status(404), "HTTP status 404"},
        {"server error", HttpAnswer::Status(500, "oops"), "HTTP status 500"},
        {"slower than the limit", HttpAnswer::Slow(3000, "late"), "within 600 ms"},
        {"never answers", HttpAnswer::Silent(), "within 600 ms"},
        {"connection reset", HttpAnswer::Reset(), ""},
        {"too large, announced", HttpAnswer::Oversized(1001, true), "larger than 1000"},
        {"too large, unannounced", HttpAnswer::Oversized(5000, false), "larger than 1000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteFile(Target(), "old");
        server_.Route("/x", row.answer);
        const QString url = Url("/x?q");
        try {
            downloader_.Download(url, Target());
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), "Error downloading URL: " + url);
        }
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
        EXPECT_THROW(downloader_.Download(url, Target()), Error);
        EXPECT_FALSE(QFile::exists(Target()));
    }
    EXPECT_TRUE(server_.Requests().isEmpty());
}

TEST_F(Download, TheDefaultCapIsTwoMebibytes) {
    net::HttpDownloader defaults;
    server_.Route("/exact", HttpAnswer::Oversized(2 << 20, false));
    server_.Route("/over", HttpAnswer::Oversized((2 << 20) + 1, false));
    defaults.Download(Url("/exact"), Target());
    EXPECT_EQ(QFile(Target()).size(), 2 << 20);
    EXPECT_THROW(defaults.Download(Url("/over"), Target()), Error);
    EXPECT_EQ(QFile(Target()).size(), 2 << 20);
}

TEST_F(Download, NoSecondDownloadStartsInsideTheFirst) {
    net::HttpDownloader other;
    server_.Route("/slow", HttpAnswer::Slow(300, "first"));
    server_.Route("/fast", HttpAnswer::Ok("second"));
    bool busyInside = false;
    bool refused = false;
    // A timer (like the hourly refresh) fires while the first download waits.
    QTimer::singleShot(50, [&] {
        busyInside = downloader_.Busy() && other.Busy();
        try {
            other.Download(Url("/fast"), dir_.filePath("second.txt"));
        } catch (const Error&) {
            refused = true;
        }
    });
    downloader_.Download(Url("/slow"), Target());
    EXPECT_TRUE(busyInside);
    EXPECT_TRUE(refused);
    EXPECT_EQ(ReadFile(Target()), "first");
    EXPECT_EQ(server_.Requests(), QStringList{"/slow"});
    EXPECT_FALSE(other.Busy());
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
        EXPECT_THROW(downloader_.Download(Url("/x"), Target()), Error);
        EXPECT_TRUE(downloader_.LastFailure().contains(row.reasonPart))
            << downloader_.LastFailure().toStdString();
        EXPECT_EQ(ReadFile(Target()), "old");
    }
}
