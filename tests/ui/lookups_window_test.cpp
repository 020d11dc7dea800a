// The lookups in the window against a local server: start-up, the gate, both lookups, the
// recent lists and the Clear buttons.
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "core/datetime.h"
#include "core/zone.h"
#include "settings/extini.h"
#include "support/http_server.h"
#include "ui/saved_places_menus.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::HttpAnswer;

namespace {

const QByteArray kMinneapolis =
    "<forexml><observation city=\"Minneapolis, MN\" longname=\"Minneapolis, Minnesota\" "
    "latitude=\"44.98\" longitude=\"-93.27\" timezone=\"-6\" daylight_saving=\"1\" "
    "time=\"3:53 PM CDT\" temp.F=\"72.5\" pressure.mb=\"1016\" skies=\"clear\"/>"
    "<almanac sunrise=\"5:27 AM\" sunset=\"9:03 PM\"/>"
    "<forecast day=\"Tonight\" text=\"Clear.\"/></forexml>";

const QByteArray kGazetteerPage =
    "<html><body>\nLocation: 44.998 N, 93.253 W<br>\nBrowse Tiger Map<br>\n"
    "PO Name: MINNEAPOLIS (MN)\n</body></html>\n";

class LookupWindow : public test::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        oldDir_ = QDir::currentPath();
        QDir::setCurrent(dir.path());  // locale.xml and locale.html go here
        Store().WriteString("Services", "WeatherService", server.BaseUrl());
        Store().WriteString("Services", "GazetteerService", server.BaseUrl());
        server.Route("/forexml.cgi", HttpAnswer::Ok(kMinneapolis, "text/xml"));
        server.Route("/cgi-bin/gazetteer-tbl", HttpAnswer::Ok(kGazetteerPage, "text/html"));
    }
    void TearDown() override {
        WindowTest::TearDown();
        QDir::setCurrent(oldDir_);
    }
    TExtIniF Store() { return TExtIniF(files::ProgramFile("heliodex.ini")); }
    void SetMenu(const char* item, bool checked) {
        Store().WriteString("Menu", item, checked ? "1" : "0");
    }
    QStringList Entries(const char* list) {
        QStringList out;
        auto* box = Get<QListWidget>(list);
        for (int i = 0; i < box->count(); ++i) out << box->item(i)->text();
        return out;
    }
    // Waits until the window's jobs (lookups, start-up work) have ended.
    void Settle() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));
    }
    // Opens with no service addresses and no start-up query: lookups use the program's places.
    void OpenWithOwnPlacesOnly() {
        Store().WriteString("Services", "WeatherService", "");
        Store().WriteString("Services", "GazetteerService", "");
        Store().WriteString("Locale", "Edit11", "");
        Open();
        Settle();
    }
    // A query typed into a lookup box and sent with Enter, then its lookup awaited.
    void Enter(const char* edit, const QString& query) {
        Get<QLineEdit>(edit)->setText(query);
        QTest::keyClick(Get<QLineEdit>(edit), Qt::Key_Return);
        Settle();
    }
    QString Text(const char* edit) { return Get<QLineEdit>(edit)->text(); }
    bool Checked(const char* box) { return Get<QCheckBox>(box)->isChecked(); }

    test::HttpServer server;
    QString oldDir_;
};

}  // namespace

TEST_F(LookupWindow, DisabledAtStartUpSendsNoRequest) {
    SetMenu("Disabled1", true);
    SetMenu("Clockon1", true);
    Open();
    Settle();
    EXPECT_TRUE(server.Requests().isEmpty());
    EXPECT_TRUE(Get<QTimer>("refreshTimer")->isActive());  // runs, but its ticks do nothing
    form->onRefreshTick();
    EXPECT_TRUE(server.Requests().isEmpty());
}

TEST_F(LookupWindow, StartUpLooksUpTwiceAndFillsTheSite) {
    Open();
    Settle();
    EXPECT_EQ(server.Requests(), QStringList({"/forexml.cgi?55413", "/forexml.cgi?55413"}));
    EXPECT_EQ(Text("Edit2"), "44");
    EXPECT_EQ(Text("Edit3"), "98");
    EXPECT_EQ(Text("Edit4"), "93");
    EXPECT_EQ(Text("Edit5"), "27");
    EXPECT_EQ(Text("Edit6"), "-6");
    EXPECT_EQ(Text("Edit8"), "72.5");
    EXPECT_TRUE(Checked("CheckBox1") && Checked("CheckBox2") && Checked("CheckBox3"));
    EXPECT_EQ(Get<QLabel>("lookUpPlace")->text(), "Minneapolis, Minnesota");
    EXPECT_NEAR(form->observer().Latitude, 44.98, 1e-9);
    EXPECT_NEAR(form->observer().Longitude, -93.27, 1e-9);
    EXPECT_NEAR(form->observer().Temperature, 22.5, 1e-9);  // 72.5 °F read as a decimal
    EXPECT_EQ(Get<QTextEdit>("RichEdit1")->toPlainText().split('\n').size(), 4);
    EXPECT_EQ(Entries("lookUpRecent"), QStringList{"55413"});  // twice, one entry
    EXPECT_TRUE(Get<QTextBrowser>("WebBrowser2")->toPlainText().contains("forexml"));
    EXPECT_EQ(calls->count, 2);  // the first report, then the site the lookups filled
}

TEST_F(LookupWindow, AFailedStartUpLookupIsShownOnceAndStartUpGoesOn) {
    server.Route("/forexml.cgi", HttpAnswer::Status(503));
    Open();
    Settle();
    EXPECT_EQ(server.Requests().size(), 1);
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
    EXPECT_EQ(Get<QLabel>("statusPending")->text(),
              "Error downloading URL: " + server.BaseUrl() + "/forexml.cgi?55413");
    EXPECT_TRUE(Text("Edit2").isEmpty());
}

TEST_F(LookupWindow, TheGateAsksWhileDisabled) {
    SetMenu("Disabled1", true);
    Open();
    Settle();
    ui::MessageBox::SetNextAnswers({false});
    Get<QPushButton>("Lookup")->click();
    Settle();
    EXPECT_EQ(ui::MessageBox::Shown(), QStringList{"This will activate Internet functions.  OK?"});
    EXPECT_TRUE(form->options().Checked("Disabled1"));
    EXPECT_TRUE(server.Requests().isEmpty());
    EXPECT_TRUE(Text("Edit2").isEmpty());

    ui::MessageBox::SetNextAnswers({true});
    Get<QPushButton>("alternateFetch")->click();
    Settle();
    EXPECT_FALSE(form->options().Checked("Disabled1"));
    EXPECT_EQ(server.Requests(), QStringList{"/cgi-bin/gazetteer-tbl?55413"});
}

// The real question: opened without waiting; the lookup counts as in flight while it is open
// (a second click asks and sends nothing). Esc answers No, Yes sends one request.
TEST_F(LookupWindow, TheQuestionHoldsItsLookupUntilAnswered) {
    SetMenu("Disabled1", true);
    Open();
    Settle();
    ui::MessageBox::SetScripted(false);
    for (const bool yes : {false, true}) {
        form->Lookups().onWeatherLookupClicked();
        form->Lookups().onWeatherLookupClicked();
        const QList<QMessageBox*> open = OpenBoxes();
        ASSERT_EQ(open.size(), 1);
        EXPECT_EQ(open[0]->text(), "This will activate Internet functions.  OK?");
        EXPECT_EQ(open[0]->icon(), QMessageBox::Question);
        EXPECT_EQ(open[0]->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_FALSE(form->JobsIdle() || Get<QPushButton>("Lookup")->isEnabled());
        if (yes)
            open[0]->button(QMessageBox::Yes)->click();
        else
            QTest::keyClick(open[0], Qt::Key_Escape);
        Settle();
        EXPECT_EQ(server.Requests().size(), yes ? 1 : 0);
        EXPECT_EQ(form->options().Checked("Disabled1"), !yes);
    }
}

TEST_F(LookupWindow, GazetteerLookupFillsTheCoordinatesOnly) {
    SetMenu("Disabled1", true);
    Open();
    Settle();
    ui::MessageBox::SetNextAnswers({true});
    Get<QLineEdit>("Edit6")->setText("-5");
    Get<QPushButton>("alternateFetch")->click();
    Settle();
    EXPECT_EQ(Text("Edit2"), "44");
    EXPECT_EQ(Text("Edit3"), "998 ");
    EXPECT_EQ(Text("Edit5"), "253 ");
    EXPECT_EQ(Text("Edit6"), "-5");
    EXPECT_TRUE(Checked("CheckBox1") && Checked("CheckBox2"));
    EXPECT_EQ(Get<QLabel>("alternatePlace")->text(), "MINNEAPOLIS (MN)");
    EXPECT_NEAR(form->observer().Latitude, 44.998, 1e-9);
    EXPECT_NEAR(form->observer().Longitude, -93.253, 1e-9);
    EXPECT_EQ(Entries("alternateRecent"), QStringList{"55413"});
    EXPECT_TRUE(Get<QTextBrowser>("WebBrowser1")->toPlainText().contains("MINNEAPOLIS"));

    server.Route("/cgi-bin/gazetteer-tbl", HttpAnswer::Ok("<p>Sorry, no matches found</p>"));
    Get<QLineEdit>("Edit10")->setText("Springfield");
    ui::MessageBox::ClearShown();
    Get<QPushButton>("alternateFetch")->click();
    Settle();
    EXPECT_EQ(ui::MessageBox::Shown(),
              QStringList{"Location search not specific enough, try again with a zip code or do "
                          "it manually."});
    EXPECT_EQ(Text("Edit2"), "44");
    EXPECT_EQ(Entries("alternateRecent"), QStringList{"55413"});
}

TEST_F(LookupWindow, DegreesAndMinutesReadTheDecimalsAsMinutes) {
    SetMenu("Disabled1", true);
    Open();
    Settle();
    Get<QGroupBox>("RadioGroup1")->findChildren<QRadioButton*>().value(0)->setChecked(true);
    ui::MessageBox::SetNextAnswers({true});
    Get<QPushButton>("Lookup")->click();
    Settle();
    EXPECT_NEAR(form->observer().Latitude, 44 + 98 / 60.0, 1e-9);
}

TEST_F(LookupWindow, RecentListsLatestFirstAndClearOnlyTheLookUpList) {
    QFile f(dir.filePath("zipcodes.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("zurich\r\n55413\r\nBoston\r\n");
    f.close();
    SetMenu("Disabled1", true);
    Open();
    Settle();
    const QStringList kept{"zurich", "55413", "Boston"};
    EXPECT_EQ(Entries("alternateRecent"), kept);
    EXPECT_EQ(Entries("lookUpRecent"), kept);  // before its own file exists, a copy

    ui::MessageBox::SetNextAnswers({true});
    auto* list2 = Get<QListWidget>("lookUpRecent");
    list2->itemClicked(list2->item(2));
    Settle();
    EXPECT_EQ(Text("Edit11"), "Boston");
    EXPECT_EQ(server.Requests(), QStringList{"/forexml.cgi?Boston"});
    EXPECT_EQ(Entries("lookUpRecent"), QStringList({"Boston", "zurich", "55413"}));

    Get<QToolButton>("alternateClear")->click();  // the Alternate page's Clear
    EXPECT_TRUE(Entries("lookUpRecent").isEmpty());
    EXPECT_EQ(Entries("alternateRecent"), kept);
}

TEST_F(LookupWindow, NoAddressAnswersFromTheOwnCityList) {
    Store().WriteString("Services", "WeatherService", "");
    Store().WriteString("Services", "GazetteerService", "");
    Open();  // "55413" is no city: the start-up lookup says so in the status bar only
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
    Get<QPushButton>("Lookup")->click();
    Settle();
    ASSERT_EQ(ui::MessageBox::Shown().size(), 1);
    EXPECT_TRUE(ui::MessageBox::Shown()[0].contains("55413"));
    Get<QLineEdit>("Edit11")->setText("Minneapolis");
    Get<QPushButton>("Lookup")->click();
    Settle();
    EXPECT_EQ(Text("Edit2"), "44");
    EXPECT_TRUE(Get<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_EQ(Text("Edit6"), "-6");
    EXPECT_TRUE(Get<QTextEdit>("RichEdit1")->toPlainText().contains("No current weather"));
    Get<QLineEdit>("Edit10")->setText("Kathmandu");
    Get<QPushButton>("alternateFetch")->click();
    Settle();
    EXPECT_EQ(Text("Edit2"), "27");
    EXPECT_TRUE(server.Requests().isEmpty());
}

// Without addresses a name of several places offers them to the user, largest first; the pick
// fills the site and the recent list under its whole name. A start-up lookup takes the first.
TEST_F(LookupWindow, SeveralPlacesOfOneNameArePickedFromAList) {
    Store().WriteString("Services", "WeatherService", "");
    Store().WriteString("Services", "GazetteerService", "");
    Store().WriteString("Locale", "Edit11", "Springfield");
    Open();
    Settle();
    auto* choices = Get<QTreeWidget>("PlaceChoices2");
    EXPECT_TRUE(choices->isHidden());
    EXPECT_EQ(Text("Edit2"), "39");  // Springfield, Illinois, the state's capital
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());

    Get<QPushButton>("Lookup")->click();
    Settle();
    ASSERT_FALSE(choices->isHidden());
    ASSERT_GE(choices->topLevelItemCount(), 5);
    EXPECT_EQ(choices->topLevelItem(0)->text(1), "Illinois");
    EXPECT_EQ(choices->topLevelItem(0)->text(3), "116,565");
    const QList<QTreeWidgetItem*> missouri = choices->findItems("Missouri", Qt::MatchExactly, 1);
    ASSERT_EQ(missouri.size(), 1);
    QTest::mouseClick(choices->viewport(), Qt::LeftButton, {},
                      choices->visualItemRect(missouri[0]).center());
    Settle();
    EXPECT_TRUE(choices->isHidden());
    const QString picked = "Springfield, Missouri, United States of America";
    EXPECT_EQ(Text("Edit11"), picked);
    EXPECT_EQ(QStringList({Text("Edit2"), Text("Edit4"), Text("Edit6")}),
              QStringList({"37", "93", "-6"}));
    EXPECT_EQ(Entries("lookUpRecent").front(), picked);
    form->onClockTick();  // the next tick's report is the picked place's
    EXPECT_NEAR(calls->obs.Latitude, 37.2, 0.05);
    EXPECT_EQ(calls->obs.Zone, "America/Chicago");

    // On the Alternate page Enter takes the current place, and the zone comes with it.
    Get<QLineEdit>("Edit10")->setText("London");
    Get<QPushButton>("alternateFetch")->click();
    Settle();
    auto* alternatives = Get<QTreeWidget>("PlaceChoices1");
    ASSERT_FALSE(alternatives->isHidden());
    QTest::keyClick(alternatives, Qt::Key_Down);  // from London, England
    QTest::keyClick(alternatives, Qt::Key_Return);
    Settle();
    EXPECT_EQ(Text("Edit10"), "London, Ontario, Canada");
    EXPECT_EQ(Text("Edit2"), "42");
    EXPECT_EQ(form->observer().Zone, "America/Toronto");
}

// Native names found with Enter in either query box; one recent entry per place whatever the
// spelling; saved places switch the site and the report at once; all of it kept over a
// restart.
TEST_F(LookupWindow, NativeNamesRecentEntriesAndSavedPlacesSurviveARestart) {
    OpenWithOwnPlacesOnly();
    Enter("Edit11", QString::fromUtf8("München"));
    EXPECT_EQ(Text("Edit2"), "48");
    const QString munich = "Munich, Bavaria, Germany";
    EXPECT_EQ(Entries("lookUpRecent"), QStringList{munich});
    Enter("Edit11", "munich");
    Enter("Edit11", "München, Bayern");
    EXPECT_EQ(Entries("lookUpRecent"), QStringList{munich});
    Enter("Edit10", "Wien");
    EXPECT_EQ(Text("Edit2"), "48");
    EXPECT_EQ(Text("Edit4"), "16");
    EXPECT_EQ(Entries("alternateRecent").front(), "Vienna, Vienna, Austria");

    form->Places().SaveThisPlace();
    Enter("Edit11", "Kyiv");
    form->Places().SaveThisPlace();
    EXPECT_EQ(Text("Edit2"), "50");
    ASSERT_EQ(form->Places().Saved().Places().size(), 2u);
    EXPECT_EQ(form->Places().Saved().Places()[0].zoneId, "Europe/Vienna");

    // The tray's Places menu switches back to Vienna, and the report follows at once.
    auto* places = form->findChild<QMenu*>("Places2");
    ASSERT_NE(places, nullptr);
    QAction* vienna = nullptr;
    for (QAction* a : places->actions())
        if (a->text() == "Vienna, Vienna, Austria") vienna = a;
    ASSERT_NE(vienna, nullptr);
    const int reports = calls->count;
    vienna->trigger();
    EXPECT_GT(calls->count, reports);
    EXPECT_NEAR(calls->obs.Latitude, 48.208, 0.01);
    EXPECT_EQ(calls->obs.Zone, "Europe/Vienna");

    form.reset();  // shutdown, then a new start
    Open();
    Settle();
    EXPECT_EQ(Entries("lookUpRecent").mid(0, 2), QStringList({"Kyiv, Kyiv City, Ukraine", munich}));
    EXPECT_EQ(Entries("alternateRecent").front(), "Vienna, Vienna, Austria");
    ASSERT_EQ(form->Places().Saved().Places().size(), 2u);
    form->Places().RemoveSavedPlace("Vienna, Vienna, Austria");
    form->Places().UseSavedPlace("Kyiv, Kyiv City, Ukraine");
    EXPECT_NEAR(form->observer().Latitude, 50.455, 0.01);
    form.reset();
    Open();
    ASSERT_EQ(form->Places().Saved().Places().size(), 1u);
}

// A site from any source rebuilds the report at once (the clock is off: no tick helps), for
// the new site's present: London after Berlin shows London's time under London's site.
TEST_F(LookupWindow, ASiteFromAnySourceRebuildsTheReportAtOnce) {
    OpenWithOwnPlacesOnly();
    Enter("Edit11", "Berlin");
    form->Places().SaveThisPlace();
    ASSERT_EQ(form->Places().Saved().Places().size(), 1u);
    const QString berlin = form->Places().Saved().Places()[0].name;
    const struct {
        const char* name;
        std::function<void()> set;
        double latitude;
        QTime clock;  // the present, 21:45:10 UT, on the site's clock
    } sources[] = {
        {"weather lookup", [&] { Enter("Edit11", "London, United Kingdom"); }, 51.51,
         QTime(22, 45, 10)},
        {"saved place", [&] { form->Places().UseSavedPlace(berlin); }, 52.52, QTime(23, 45, 10)},
        {"gazetteer lookup", [&] { Enter("Edit10", "London, United Kingdom"); }, 51.51,
         QTime(22, 45, 10)},
    };
    for (const auto& source : sources) {
        SCOPED_TRACE(source.name);
        const int reports = calls->count;
        source.set();
        EXPECT_FALSE(form->ClockTimerEnabled());
        EXPECT_GT(calls->count, reports);
        EXPECT_NEAR(calls->obs.Latitude, source.latitude, 0.05);
        EXPECT_EQ(Get<QTimeEdit>("DateTimePicker2")->time(), source.clock);
        EXPECT_NEAR(ReadingOfUtc(calls->obs, calls->q),
                    FromQDateTime(QDateTime(QDate(2024, 6, 15), source.clock)), 1e-6);
    }
}
