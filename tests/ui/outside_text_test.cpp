// Text from services in the window: shown literally, never a key to local files, and answers
// of any size within the cap applied while the clock goes on.
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "settings/extini.h"
#include "support/fifo_watch.h"
#include "support/http_server.h"
#include "support/unprivileged.h"
#include "ui/closed_browser.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::HttpAnswer;

namespace {

QByteArray Xml(const QString& s) {
    return s.toHtmlEscaped().toUtf8();
}

class OutsideText : public test::WindowTest {
  protected:
    // The services on the local server, the feed from `feed`, the clock ticking every second.
    void OpenWithServices() {
        TExtIniF ini(files::ProgramFile("heliodex.ini"));
        for (const char* key : {"WeatherService", "GazetteerService", "NewsFeed"})
            ini.WriteString("Services", key, server.BaseUrl());
        ini.WriteString("Menu", "Clockon1", "1");
        ini.WriteString("Locale", "Edit12", "1");
        ui::InternetAccess internet;
        internet.download = [this](const QString&, const QString& file, QObject*,
                                   net::DownloadDone done) {
            {
                QFile out(file);
                if (out.open(QIODevice::WriteOnly)) out.write(feed);
            }
            done({true, {}, {}});
        };
        internet.openUrl = [this](const QUrl& u) { opened << u; };
        form = std::make_unique<ui::MainWindow>(Services(), internet);
        // The start-up lookups and the feed run as jobs after the window opens.
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));
    }
    // True when a report follows within 2 s.
    bool Ticks() {
        const int before = calls->count;
        return QTest::qWaitFor([&] { return calls->count > before; }, 2000);
    }
    QByteArray Weather(const QString& hostile, const QByteArray& more = {}) {
        return "<forexml><observation city=\"" + Xml(hostile) + "\" longname=\"" + Xml(hostile) +
               "\" latitude=\"44.98\" longitude=\"-93.27\" timezone=\"-6\"" + more +
               "/><almanac sunrise=\"5:27 AM\" sunset=\"9:03 PM\"/><forecast day=\"Tonight\" "
               "text=\"" +
               Xml(hostile) + "\"/></forexml>";
    }

    test::HttpServer server;
    QByteArray feed;
    QList<QUrl> opened;
};

TEST_F(OutsideText, HostileAnswersShowLiterallyAndOpenNoFile) {
    const QString fifo = dir.filePath("fifo");
    const QString rows[] = {"<b>Bold</b> City", "<img src=\"file://" + fifo + "\">",
                            "<img src=\"" + fifo + "\">",
                            "<table background=\"" + fifo + "\"><tr><td>x</td></tr></table>"};
    for (const QString& hostile : rows) {
        SCOPED_TRACE(hostile.toStdString());
        test::FifoWatch watch(fifo);
        ASSERT_TRUE(watch.Made());
        server.Route("/forexml.cgi", HttpAnswer::Ok(Weather(hostile), "text/xml"));
        // The page itself, and the caption cut from it, carry the text.
        server.Route("/cgi-bin/gazetteer-tbl", HttpAnswer::Ok(("<html><body>" + hostile +
                                                               "\nLocation: 44.998 N, 93.253 W"
                                                               "<br>\nBrowse Tiger<br>\nPO Name: " +
                                                               hostile + " (MN)\n")
                                                                  .toUtf8(),
                                                              "text/html"));
        feed =
            "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><item>"
            "<description>" +
            Xml(hostile) + "</description></item></rdf:RDF>";
        OpenWithServices();  // looks up the weather and reads the feed
        Get<QPushButton>("alternateFetch")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));
        EXPECT_EQ(Get<QLabel>("lookUpPlace")->text(), hostile);
        EXPECT_EQ(Get<QLabel>("alternatePlace")->text(), hostile + " (MN)");
        for (const char* label : {"lookUpPlace", "alternatePlace"})
            EXPECT_EQ(Get<QLabel>(label)->textFormat(), Qt::PlainText);
        const QString report = Get<QTextEdit>("RichEdit1")->toPlainText();
        EXPECT_TRUE(report.startsWith("Weather forecast for " + hostile + ", "))
            << report.toStdString();
        EXPECT_TRUE(report.endsWith("Tonight -- " + hostile)) << report.toStdString();
        EXPECT_EQ(Get<QTextEdit>("RichEdit2")->toPlainText(), hostile + "\n");
        for (const char* view : {"lookUpPlace", "alternatePlace", "RichEdit1", "RichEdit2",
                                 "WebBrowser1", "WebBrowser2", "statusBar"})
            Get<QWidget>(view)->grab();  // lays out and paints what each shows
        EXPECT_FALSE(watch.Opened());
        EXPECT_TRUE(Ticks());
        EXPECT_TRUE(ui::MessageBox::Shown().isEmpty())
            << ui::MessageBox::Shown().join("\n").toStdString();
        form.reset();
    }
}

TEST_F(OutsideText, LinksInAnAnswerOpenOnlyWebAddresses) {
    OpenWithServices();
    form->show();
    Get<QTabWidget>("pages")->setCurrentWidget(Get<QWidget>("TabSheet4"));
    auto* view = Get<QTextBrowser>("WebBrowser1");
    const struct {
        const char* href;
        bool opens;
    } rows[] = {{"file:///etc/passwd", false},
                {"/etc/passwd", false},
                {"mailto:a@b.c", false},
                {"qrc:/appicon/heliodex-16.png", false},
                {"https://example.org/a", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.href);
        opened.clear();
        const QString page = QStringLiteral("<p><a href=\"%1\">link</a></p>").arg(row.href);
        view->setHtml(page);
        const QString before = view->toHtml();
        QTextCursor at = view->document()->find("link");
        const QPoint p = view->cursorRect(at).center() - QPoint(5, 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, p);
        EXPECT_EQ(opened.size(), row.opens ? 1 : 0);
        EXPECT_EQ(view->toHtml(), before);
        EXPECT_TRUE(view->source().isEmpty());
    }
}

TEST_F(OutsideText, LargeAnswersApplyWhileTheClockGoesOn) {
    QByteArray forecasts, attributes;
    for (int i = 0; i < 40000; ++i) forecasts += "<forecast day=\"D\" text=\"T\"/>";
    for (int i = 0; i < 100000; ++i) attributes += " x" + QByteArray::number(i) + "=\"\"";
    const QByteArray rows[] = {Weather("City").replace("</forexml>", forecasts + "</forexml>"),
                               Weather("City", attributes)};
    for (const QByteArray& answer : rows) {
        ASSERT_LT(answer.size(), 2 << 20);
        server.Route("/forexml.cgi", HttpAnswer::Ok(answer, "text/xml"));
        OpenWithServices();
        EXPECT_EQ(Get<QLabel>("lookUpPlace")->text(), "City");
        EXPECT_TRUE(Ticks());
        form.reset();
    }
}

TEST_F(OutsideText, FilesGoToTheProgramDirectoryNotTheCurrentOne) {
    if (test::RunningAsRoot()) return test::RerunCurrentTestUnprivileged();
    QTemporaryDir current;
    ASSERT_TRUE(QFile::setPermissions(current.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current.path()));
    Open();  // the program's own service: no addresses set
    Get<QLineEdit>("Edit11")->setText("Minneapolis");
    Get<QPushButton>("Lookup")->click();
    Get<QLineEdit>("Edit10")->setText("Minneapolis");
    Get<QPushButton>("alternateFetch")->click();
    // The built-in lookups answer once the gazetteer has loaded, from the event loop.
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));
    QDir::setCurrent(old);
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty())
        << ui::MessageBox::Shown().join("\n").toStdString();
    EXPECT_EQ(Get<QLineEdit>("Edit2")->text(), "44");
    EXPECT_TRUE(QFile::exists(dir.filePath("locale.xml")));
    EXPECT_TRUE(QFile::exists(dir.filePath("locale.html")));
    EXPECT_TRUE(QDir(current.path()).isEmpty());
    QFile::setPermissions(current.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// An answer shown as plain text stays text even where Qt would guess it to be a page.
TEST(ClosedBrowserText, MarkupInAPlainAnswerIsShownAsWritten) {
    const QString answer = "<b>Bold</b> <img src=\"/tmp/fifo\"><br>&amp;";
    ASSERT_TRUE(Qt::mightBeRichText(answer));
    ui::ClosedBrowser view;
    view.ShowText(answer);
    EXPECT_EQ(view.toPlainText(), answer);
    EXPECT_FALSE(view.toHtml().contains("<img"));
}

}  // namespace
