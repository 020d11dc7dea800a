// The window's network work as jobs, against a local server: start-up never waits, one
// lookup at a time, "New Version!" after the start-up's jobs, the clock resumed by a lookup.
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "settings/extini.h"
#include "support/http_server.h"
#include "ui/new_version_dialog.h"
#include "ui/reverse_lookup_dialog.h"
#include "ui/tray_and_closing.h"
#include "ui/window_dialogs.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::HttpAnswer;

namespace {

const QByteArray kAnswer =
    "<forexml><observation city=\"Minneapolis, MN\" longname=\"Minneapolis, Minnesota\" "
    "latitude=\"44.98\" longitude=\"-93.27\" timezone=\"-6\" daylight_saving=\"1\"/></forexml>";

const QByteArray kNewVersion =
    "<SOFTPKG VERSION=\"0,12,8,0\"><IMPLEMENTATION><CODEBASE "
    "HREF=\"https://elsewhere.example.net/h.exe\"/></IMPLEMENTATION></SOFTPKG>";

class JobsWindow : public test::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        oldDir_ = QDir::currentPath();
        QDir::setCurrent(dir.path());
        TExtIniF ini(files::ProgramFile("heliodex.ini"));
        for (const char* key : {"WeatherService", "MakerSite"})
            ini.WriteString("Services", key, server.BaseUrl());
        ini.WriteString("Services", "NewsFeed", server.BaseUrl() + "/news.rdf");
    }
    void TearDown() override {
        WindowTest::TearDown();
        QDir::setCurrent(oldDir_);
    }
    // The window with short download limits; the feed through a downloader of its own.
    void OpenWithServer() {
        ui::WindowServices s = Services();
        s.downloader = std::make_shared<net::HttpDownloader>(net::DownloadLimits{1500, 2 << 20, 5});
        ui::InternetAccess internet = ui::DefaultInternetAccess();
        internet.openUrl = [](const QUrl&) {};
        form = std::make_unique<ui::MainWindow>(std::move(s), internet);
        form->show();
    }
    QString Pending() { return Get<QLabel>("statusPending")->text(); }
    int Count(const QString& target) { return int(server.Requests().count(target)); }

    test::HttpServer server;
    QString oldDir_;
};

TEST_F(JobsWindow, ASilentServerNeverHoldsUpTheWindowOrTheClock) {
    for (const char* path : {"/forexml.cgi", "/software/heliodex/heliodex.xml", "/news.rdf"})
        server.Route(path, HttpAnswer::Silent());
    TExtIniF(files::ProgramFile("heliodex.ini")).WriteString("Locale", "Edit12", "1");
    QElapsedTimer started;
    started.start();
    OpenWithServer();
    EnterMinneapolis();
    Get<QPushButton>("doneButton")->click();
    Click("Clockon1");
    EXPECT_LT(started.elapsed(), 1000);
    EXPECT_GE(calls->count, 1);  // the first report
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count("/forexml.cgi?55413") == 1; }, 2000));
    EXPECT_EQ(Pending(), "Looking up \"55413\"\u2026");
    EXPECT_TRUE(Get<QWidget>("statusCancel")->isVisible());
    EXPECT_FALSE(Get<QPushButton>("Lookup")->isEnabled());
    const int before = calls->count;
    const QString failed = "Error downloading URL: " + server.BaseUrl() + "/forexml.cgi?55413";
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pending() == failed; }, 5000));
    // ticks went on throughout
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls->count >= before + 2; }, 5000));
    EXPECT_EQ(Count("/forexml.cgi?55413"), 1);         // the second start-up lookup is left out
    EXPECT_TRUE(ui::MessageBox::Shown().size() == 1);  // only the clock's notice
    EXPECT_TRUE(Get<QPushButton>("Lookup")->isEnabled());
}

TEST_F(JobsWindow, NewVersionOpensOnceAfterTheStartUpJobsEnd) {
    server.Route("/forexml.cgi", HttpAnswer::Ok(kAnswer, "text/xml"));
    server.Route("/software/heliodex/heliodex.xml", HttpAnswer::Ok(kNewVersion));
    server.Route("/news.rdf", HttpAnswer::Slow(3000, "<rdf:RDF/>"));
    OpenWithServer();
    // The version's answer came before the feed was asked for; the feed still runs.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count("/news.rdf") == 1; }, 5000));
    EXPECT_FALSE(form->JobsIdle());
    EXPECT_TRUE(form->findChildren<ui::NewVersionDialog*>().isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 8000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !form->findChildren<ui::NewVersionDialog*>().isEmpty(); }, 2000));
    EXPECT_EQ(form->findChildren<ui::NewVersionDialog*>().size(), 1);
    EXPECT_EQ(Count("/forexml.cgi?55413"), 2);
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
    EXPECT_TRUE(Pending().isEmpty());
}

TEST_F(JobsWindow, ALateLookupFillsTheMissingSiteAndTheClockRunsAgain) {
    server.Route("/forexml.cgi", HttpAnswer::Slow(3000, kAnswer));
    TExtIniF ini(files::ProgramFile("heliodex.ini"));
    ini.WriteString("Menu", "Clockon1", "1");
    ini.WriteString("Locale", "Edit12", "1");
    QElapsedTimer running;
    running.start();
    SetClock([&] {
        return QDateTime(QDate(2024, 6, 15), QTime(15, 45, 10)).addMSecs(running.elapsed());
    });
    ui::WindowServices s = RealServices();
    s.downloader = std::make_shared<net::HttpDownloader>();
    form = std::make_unique<ui::MainWindow>(std::move(s));
    auto* pages = Get<QTabWidget>("pages");
    EXPECT_EQ(pages->currentWidget(), Get<QWidget>("TabSheet2"));  // Locale: no site yet
    EXPECT_FALSE(form->ClockTimerEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->observer().HasSite(); }, 8000));
    EXPECT_EQ(pages->currentWidget(), Get<QWidget>("TabSheet1"));
    EXPECT_TRUE(form->ClockTimerEnabled() && Get<QTimer>("clockTimer")->isActive());
    const QString shown = form->StatusText(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->StatusText(0) != shown; }, 3000));
}

TEST_F(JobsWindow, ASecondLookupWhileOneRunsStartsNothing) {
    server.Route("/forexml.cgi", HttpAnswer::Ok(kAnswer, "text/xml"));
    server.Route("/software/heliodex/heliodex.xml", HttpAnswer::Status(404));
    OpenWithServer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 8000));
    server.ClearRequests();
    server.Route("/forexml.cgi", HttpAnswer::Slow(500, kAnswer));
    Get<QPushButton>("Lookup")->click();
    Get<QPushButton>("Lookup")->click();
    form->Lookups().onWeatherLookupClicked();
    form->onRefreshTick();  // the hourly refresh's lookup too
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 8000));
    EXPECT_EQ(Count("/forexml.cgi?55413"), 1);
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
}

// Each Cancel ends the job running then, and only it: the second start-up lookup's end starts
// the version check at once, which goes on.
TEST_F(JobsWindow, CancelEndsOnlyTheRunningJob) {
    server.Route("/forexml.cgi", HttpAnswer::Silent());
    server.Route("/software/heliodex/heliodex.xml", HttpAnswer::Status(404));
    OpenWithServer();
    for (int lookup = 1; lookup <= 2; ++lookup) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return Count("/forexml.cgi?55413") == lookup; }, 3000));
        Get<QToolButton>("statusCancel")->click();  // no box: the lookup just ends
    }
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return Count("/software/heliodex/heliodex.xml") == 1; }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 3000));
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
}

// Each dialog the window opens without waiting holds "New Version!" back while it is on screen,
// and Exit with it open closes every window and still saves.
TEST_F(JobsWindow, OpenDialogsHoldTheNewVersionAndExitClosesThem) {
    server.Route("/forexml.cgi", HttpAnswer::Ok(kAnswer, "text/xml"));
    server.Route("/software/heliodex/heliodex.xml", HttpAnswer::Ok(kNewVersion));
    server.Route("/news.rdf", HttpAnswer::Ok("<rdf:RDF/>"));
    const std::pair<const char*, std::function<void(ui::MainWindow&)>> dialogs[] = {
        {"About", [](ui::MainWindow& f) { f.Dialogs().onAboutClicked(); }},
        {"lookup window",
         [](ui::MainWindow& f) {
             if (!f.findChild<ui::ReverseLookupDialog*>())
                 f.Dialogs().SetLookupWindow(new ui::ReverseLookupDialog(&f));
             f.Dialogs().onReverseLookupClicked();
         }},
        {"Internet question",
         [](ui::MainWindow& f) {
             if (!f.options().Checked("Disabled1")) f.onInternetSwitchClicked();
             f.onRefreshClicked();
         }},
        {"sound file chooser", [](ui::MainWindow& f) { f.Alarms().onChooseSoundClicked(); }},
    };
    ui::MessageBox::SetScripted(false);
    for (const auto& [name, open] : dialogs) {
        SCOPED_TRACE(name);
        TExtIniF(files::ProgramFile("heliodex.ini")).WriteString("Menu", "Disabled1", "0");
        OpenWithServer();
        open(*form);
        const QPointer<QWidget> dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 8000));
        QTest::qWait(700);
        EXPECT_TRUE(form->findChildren<ui::NewVersionDialog*>().isEmpty());
        dialog->close();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !form->findChildren<ui::NewVersionDialog*>().isEmpty(); }, 2000));
        open(*form);
        ASSERT_TRUE(QFile::remove(files::ProgramFile("heliodex.ini")));
        form->Closing().onExit();
        for (QWidget* window : QApplication::topLevelWidgets())
            EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
        EXPECT_TRUE(QFile::exists(files::ProgramFile("heliodex.ini")));
        form.reset();
    }
}

}  // namespace
