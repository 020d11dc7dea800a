// The background load of the version file against a local HTTP server, and the decision made on it.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "net/osd.h"
#include "net/version_check.h"

using namespace hx::net;

namespace {

// A minimal HTTP/1.1 server on 127.0.0.1 that answers every request with one configured answer.
class LocalServer {
  public:
    struct Answer {
        int status = 200;
        QByteArray body;
        bool sendLength = true;
        bool silent = false;  // accept the request and never answer
    };

    LocalServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    void Set(const Answer& a) { answer_ = a; }
    QStringList paths;  // the request paths received, in order

  private:
    void Accept() {
        while (QTcpSocket* s = server_.nextPendingConnection()) {
            QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                QByteArray& buf = buffers_[s];
                buf += s->readAll();
                if (!buf.contains("\r\n\r\n")) return;
                paths << QString::fromLatin1(buf.split(' ').value(1));
                buf.clear();
                if (answer_.silent) return;
                QByteArray head = "HTTP/1.1 " + QByteArray::number(answer_.status) +
                                  " X\r\nContent-Type: application/xml\r\nConnection: close\r\n";
                if (answer_.sendLength)
                    head += "Content-Length: " + QByteArray::number(answer_.body.size()) + "\r\n";
                s->write(head + "\r\n" + answer_.body);
                s->disconnectFromHost();
            });
        }
    }
    QTcpServer server_;
    Answer answer_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};

// Runs one check to its end; the states reported, in order.
QList<int> RunCheck(VersionCheck& check, const QString& base) {
    QList<int> states;
    QObject::connect(&check, &VersionCheck::AsyncLoad, [&](int s) { states << s; });
    if (!check.StartUp(false, base)) return states;
    (void)QTest::qWaitFor(
        [&] { return !states.isEmpty() && (states.last() == 0 || states.last() == 4); }, 10000);
    return states;
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
        LocalServer server;
        server.Set({200, r.doc});
        QNetworkAccessManager network;
        VersionCheck check(&network);
        const QList<int> states = RunCheck(check, server.base());
        ASSERT_FALSE(states.isEmpty()) << r.name;
        EXPECT_EQ(states.first(), 1) << r.name;
        EXPECT_EQ(states.last(), 4) << r.name;
        EXPECT_EQ(server.paths, QStringList{"/software/heliodex/heliodex.xml"}) << r.name;
        const osd::VersionVerdict v = osd::CheckVersionFile(check.document());
        EXPECT_EQ(v.showDialog, r.show) << r.name;
        EXPECT_EQ(v.linkCaption, QString(r.caption)) << r.name;
    }
}

TEST(VersionCheck, FailedLoadsEndSilentlyWithoutCompleting) {
    struct Row {
        const char* name;
        LocalServer::Answer answer;
    } rows[] = {
        {"HTTP error", {404, Osd("0,12,8,0", kImpl)}},
        {"oversized, announced", {200, QByteArray(3 << 20, ' ') + Osd("0,12,8,0", kImpl)}},
        {"oversized, unannounced", {200, QByteArray(3 << 20, ' '), false}},
        {"silent server", {200, "", true, true}},
    };
    for (const Row& r : rows) {
        LocalServer server;
        server.Set(r.answer);
        QNetworkAccessManager network;
        VersionCheck check(&network);
        check.SetTimeLimitMs(500);
        // The load runs in the background: the event loop, and so the clock, goes on meanwhile.
        int ticks = 0;
        QTimer clock;
        QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
        clock.start(20);
        const QList<int> states = RunCheck(check, server.base());
        ASSERT_FALSE(states.isEmpty()) << r.name;
        EXPECT_EQ(states.last(), 0) << r.name;
        EXPECT_FALSE(states.contains(4)) << r.name;
        EXPECT_TRUE(check.document().isEmpty()) << r.name;
        if (r.answer.silent) {
            EXPECT_GT(ticks, 5) << r.name;
        }
    }
}

TEST(VersionCheck, NothingIsRequestedWhenDisabledOrWithoutAddress) {
    LocalServer server;
    server.Set({200, Osd("0,12,8,0", kImpl)});
    QNetworkAccessManager network;
    VersionCheck disabled(&network);
    EXPECT_FALSE(disabled.StartUp(true, server.base()));
    for (const char* base : {"", " ", "file:///tmp", "ftp://127.0.0.1"}) {
        VersionCheck check(&network);
        EXPECT_FALSE(check.StartUp(false, base)) << base;
    }
    QTest::qWait(200);
    EXPECT_TRUE(server.paths.isEmpty());
    EXPECT_EQ(disabled.state(), 0);
}
