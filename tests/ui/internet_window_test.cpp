// The window's version check, About box and news feed, against a local HTTP server.
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "support/http_server.h"
#include "ui/about_dialog.h"
#include "ui/new_version_dialog.h"
#include "ui/version_feed.h"
#include "ui/window_dialogs.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::HttpAnswer;

namespace {

class InternetWindowTest : public test::WindowTest {
  protected:
    ~InternetWindowTest() override { QDir::setCurrent(oldCwd); }
    void OpenWith(const QByteArray& ini) {
        QFile f(dir.filePath("heliodex.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ini);
        f.close();
        QDir::setCurrent(dir.path());
        ui::InternetAccess internet;
        internet.network = &network;
        internet.download = [this](const QString& url, const QString& file, QObject*,
                                   net::DownloadDone done) {
            downloads << url;
            {
                QFile out(file);
                if (out.open(QIODevice::WriteOnly)) out.write(feed);
            }
            done({true, {}, {}});
        };
        internet.openUrl = [this](const QUrl& u) { opened << u; };
        form = std::make_unique<ui::MainWindow>(Services(), internet);
    }
    // Answers the modal dialogs that come up: clicks the new-version link, then "Later!".
    void WatchDialogs() {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (auto* d = qobject_cast<ui::NewVersionDialog*>(QApplication::activeModalWidget())) {
                captions << d->linkCaption();
                QTest::mouseClick(d->findChild<QWidget*>("link"), Qt::LeftButton);
                QTest::mouseClick(d->findChild<QWidget*>("okButton"), Qt::LeftButton);
            }
        });
        poll.start(10);
    }

    const QString oldCwd = QDir::currentPath();
    test::HttpServer server;
    QNetworkAccessManager network;
    QTimer poll;
    QByteArray feed;
    QStringList downloads, captions;
    QList<QUrl> opened;
};

QByteArray Osd(const char* version) {
    return QByteArray("<SOFTPKG VERSION=\"") + version +
           "\"><IMPLEMENTATION><CODEBASE HREF=\"https://elsewhere.example.net/h.exe\"/>"
           "</IMPLEMENTATION></SOFTPKG>";
}

}  // namespace

TEST_F(InternetWindowTest, NewVersionDialogOnlyForAnotherVersion) {
    const std::pair<const char*, bool> rows[] = {{"0,12,8,0", true}, {"0,12,7,0", false}};
    for (const auto& [version, shown] : rows) {
        server.Route("/software/heliodex/heliodex.xml", HttpAnswer::Ok(Osd(version)));
        server.ClearRequests();
        captions.clear();
        opened.clear();
        WatchDialogs();
        OpenWith("[Services]\r\nMakerSite=" + server.BaseUrl().toLatin1() + "\r\n");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !server.Requests().isEmpty(); }, 5000));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return form->JobsIdle() && (!shown || !captions.isEmpty()); }, 5000));
        EXPECT_EQ(captions,
                  shown ? QStringList{"https://elsewhere.example.net/h.exe"} : QStringList{})
            << version;
        EXPECT_EQ(opened,
                  shown ? QList<QUrl>{QUrl(server.BaseUrl() + "/download/programs/heliodex.exe")}
                        : QList<QUrl>{})
            << version;
        EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
        form.reset();
    }
}

TEST_F(InternetWindowTest, DisabledAtStartUpRequestsNothing) {
    server.Route("/software/heliodex/heliodex.xml", HttpAnswer::Ok(Osd("0,12,8,0")));
    OpenWith("[Menu]\r\nDisabled1=1\r\n[Services]\r\nMakerSite=" + server.BaseUrl().toLatin1() +
             "\r\nNewsFeed=" + server.BaseUrl().toLatin1() + "/news.rdf\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 5000));
    EXPECT_TRUE(server.Requests().isEmpty());
    EXPECT_TRUE(downloads.isEmpty());
}

TEST_F(InternetWindowTest, NewsTabAndImportFollowTheFeedAddress) {
    feed =
        "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
        "<item><description>Sol in Aries</description></item><item/></rdf:RDF>";
    OpenWith("[Services]\r\nNewsFeed=feeds.example.org/news.rdf\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !downloads.isEmpty() && form->JobsIdle(); }, 5000));
    auto* tabs = Get<QTabWidget>("pages");
    QWidget* news = Get<QWidget>("TabSheet6");
    EXPECT_TRUE(tabs->isTabVisible(tabs->indexOf(news)));
    EXPECT_EQ(downloads, QStringList{"https://feeds.example.org/news.rdf"});
    // The hourly refresh's import replaces the items; the page scrolls when they overflow.
    auto* richEdit2 = Get<QTextEdit>("RichEdit2");
    form->Feed().onNewsFeedDone();
    EXPECT_EQ(richEdit2->toPlainText(), "Sol in Aries\n\n");
    EXPECT_EQ(richEdit2->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    form.reset();
    downloads.clear();
    OpenWith("");
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 5000));
    tabs = Get<QTabWidget>("pages");
    EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(Get<QWidget>("TabSheet6"))));
    EXPECT_TRUE(downloads.isEmpty());
}

TEST_F(InternetWindowTest, AboutBoxClosesOnAClickOnItsText) {
    OpenWith("[Services]\r\nMakerSite=heliodex.example.org\r\n");
    form->Dialogs().onAboutClicked();  // returns with the box open
    const QPointer<ui::AboutDialog> box =
        qobject_cast<ui::AboutDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(box);
    QTest::mouseClick(box->findChild<QWidget*>("link"), Qt::LeftButton);
    auto* memo = box->findChild<QTextEdit*>("aboutText");
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(QTest::qWaitFor([&] { return box.isNull(); }, 1000));  // gone once closed
    EXPECT_EQ(opened, QList<QUrl>{QUrl("https://heliodex.example.org")});
}
