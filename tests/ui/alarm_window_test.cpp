// Alarms in the window: the tables at start-up and shutdown, and a Sun Rise alarm end to end.
#include <csignal>
#include <functional>

#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "alarms/alarm_tables.h"
#include "ui/chime.h"
#include "ui/icons.h"
#include "ui/open_file_dialog.h"
#include "ui/tray_and_closing.h"
#include "ui/unix_signals.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::WindowTest;

namespace {

QDateTime At(int h, int n, int s) {
    return QDateTime(QDate(2024, 6, 15), QTime(h, n, s), Qt::OffsetFromUTC, -6 * 3600);
}
// The instant of a reading of the test site's clock (UT - 6 h).
Moment InstantAt(int h, int n, int s) {
    return FromQDateTime(At(h, n, s).toUTC());
}
void SetClockTo(const QDateTime& t) {
    SetClock([t] { return t; });
}

class AlarmWindowTest : public WindowTest {
  protected:
    // The window with a site, whose report finds the day's Sun Rise at 06:45:20.
    void OpenWithSunRise() {
        ui::WindowServices s = Services();
        s.compose = [inner = s.compose](Moment q, const Observer& o, const OptionsModel& opt,
                                        SkyEventState& ev, Moment present,
                                        const ReportStyle& style) {
            if (ev.events.empty()) ev.events = {{0, kRise, InstantAt(6, 45, 20)}};
            return inner(q, o, opt, ev, present, style);
        };
        WriteClockOff();
        form = std::make_unique<ui::MainWindow>(std::move(s));
        EnterMinneapolis();
        Get<QPushButton>("doneButton")->click();
        form->show();
    }
    void ClickButton(const char* list, int category, int item) {
        auto* tree = Get<QTreeWidget>(list);
        Get<QTabWidget>("pages")->setCurrentWidget(tree->parentWidget());
        QTreeWidgetItem* it = tree->topLevelItem(category)->child(item);
        tree->scrollToItem(it);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(it).center());
    }
};

// The keys toggle the selected item, a lead time and a planetary-hour alarm are set, and a
// sound item clicked before any file was chosen keeps its sound through Exit.
TEST_F(AlarmWindowTest, KeysLeadTimesAndHourAlarmsReachTheFiles) {
    files::WriteLines(dir.filePath("alarmsounds.txt"), QStringList(28, "/s/bell.wav"));
    Open();
    ClickButton("CategoryButtons2", 0, 0);
    auto* tree = Get<QTreeWidget>("CategoryButtons1");
    tree->setCurrentItem(tree->topLevelItem(0)->child(1));  // Sun Zenith
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(tree, key);             // on, off, on
    Get<QSpinBox>("LeadTime0")->setValue(-15);  // beside Sun Rise
    tree->topLevelItem(7)->setExpanded(true);
    ClickButton("CategoryButtons1", 7, 5);  // the hour of Jupiter
    Click("Exit2");
    EXPECT_EQ(files::ReadLines(dir.filePath("alarmsounds.txt"))->value(0), "/s/bell.wav");
    EXPECT_EQ(files::ReadLines(dir.filePath("alarmlist.txt"))->mid(0, 2), QStringList({"1", "0"}));
    EXPECT_EQ(files::ReadLines(dir.filePath("alarmoffsets.txt"))->mid(0, 2),
              QStringList({"-15", "0"}));
    EXPECT_EQ(files::ReadLines(dir.filePath("houralarms.txt")),
              QStringList({"1", "1", "1", "1", "1", "0", "1"}));
}

// The built-in chime, found in the program directory: "Test" on an item with no file plays it
// through the window's player and says so in the status bar; "Chime" then a click on an item
// gives the item the chime.
TEST_F(AlarmWindowTest, TestWithNoFilePlaysTheBuiltInChime) {
    const QString chime = dir.filePath(ui::kChimeFileName);
    ASSERT_TRUE(QFile::copy(
        qEnvironmentVariable("HELIODEX_BINARY_DIR") + "/share/heliodex/" + ui::kChimeFileName,
        chime));
    Open();
    auto* sounds = Get<QTreeWidget>("CategoryButtons2");
    sounds->setCurrentItem(sounds->topLevelItem(0)->child(2));  // Sun Set, no file
    Get<QPushButton>("TestSound")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->calls.contains("play"); }, 5000));
    EXPECT_EQ(player->calls, (QStringList{"close", "set " + chime, "open", "play"}));
    EXPECT_EQ(Get<QLabel>("statusMessage")->text(),
              "Playing the built-in chime: the item has no sound file.");
    Get<QPushButton>("ChimeSound")->click();
    ClickButton("CategoryButtons2", 0, 2);
    Click("Exit2");
    EXPECT_EQ(files::ReadLines(dir.filePath("alarmsounds.txt"))->value(2), chime);
}

TEST_F(AlarmWindowTest, SunRiseAlarmFiresInItsMinuteAndTheTablesAreSaved) {
    QFile f(dir.filePath("bell.wav"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ui::OpenFileDialog::SetScripted(true);
    ui::OpenFileDialog::SetNextFileNames({f.fileName()});
    SetClockTo(At(6, 44, 10));
    OpenWithSunRise();
    Click("Clockon1");
    Get<QLineEdit>("Edit12")->setText("1");

    ClickButton("CategoryButtons1", 0, 0);  // Sun Rise on
    Get<QPushButton>("BitBtn1")->click();
    ClickButton("CategoryButtons2", 0, 0);  // and its sound
    SetClockTo(At(6, 45, 0));
    auto* log = Get<QPlainTextEdit>("log");
    EXPECT_TRUE(QTest::qWaitFor([&] { return log->toPlainText().contains("Sun Rise"); }, 5000));
    test::Settle();
    EXPECT_TRUE(log->toPlainText().endsWith("Sun Rise 06:45 AM"));
    EXPECT_EQ(player->calls, (QStringList{"set " + f.fileName(), "open", "close",
                                          "set " + f.fileName(), "open", "play"}));
    Click("Now1");  // the event has fired: no second line
    EXPECT_EQ(log->toPlainText().count("Sun Rise"), 1);
    EXPECT_EQ(ui::MessageBox::Shown().size(), 1);  // only the clock's notice
    ui::OpenFileDialog::SetScripted(false);

    form.reset();  // shutdown
    const QStringList states = *files::ReadLines(dir.filePath(alarms::kAlarmListFile));
    EXPECT_EQ(states.indexOf("0"), 0);
    EXPECT_EQ(files::ReadLines(dir.filePath(alarms::kAlarmSoundsFile))->value(0), f.fileName());
}

TEST_F(AlarmWindowTest, StartUpLoadsTheTablesAndABadLineDoesNotStopIt) {
    QStringList states(28, "1"), sounds(28, "");
    states[10] = "0";
    states[11] = "on";
    sounds[10] = "/my sounds/set.mp3";
    files::WriteLines(dir.filePath(alarms::kAlarmListFile), states);
    files::WriteLines(dir.filePath(alarms::kAlarmSoundsFile), sounds);
    Open();
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
    QTreeWidgetItem* mercurySet = Get<QTreeWidget>("CategoryButtons1")->topLevelItem(2)->child(2);
    EXPECT_EQ(mercurySet->icon(0).pixmap(16).toImage(), ui::OnOffIcon(0).pixmap(16).toImage());
    EXPECT_EQ(Get<QTreeWidget>("CategoryButtons2")->topLevelItem(2)->child(2)->toolTip(0),
              "/my sounds/set.mp3");
    // The sequence went on to its last step, Now, which set the pickers to the present.
    EXPECT_EQ(Get<QDateEdit>("DateTimePicker1")->date(), QDate(2024, 6, 15));
}

// Two alarms with sounds in one minute, in a window whose report makes a fresh list (the same
// two events, one day later) when the day changes, as the real composition does.
class AlarmSoundsTest : public AlarmWindowTest {
  protected:
    void SetUp() override {
        AlarmWindowTest::SetUp();
        for (QString* s : {&a, &b}) {
            QFile f(dir.filePath(s == &a ? "a.wav" : "b.wav"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            *s = f.fileName();
        }
        QStringList states(28, "1"), sounds(28, "");
        states[0] = states[4] = "0";  // Sun Rise, Moon Rise
        sounds[0] = a;
        sounds[4] = b;
        files::WriteLines(dir.filePath(alarms::kAlarmListFile), states);
        files::WriteLines(dir.filePath(alarms::kAlarmSoundsFile), sounds);
        SetClockTo(At(23, 59, 0));
        ui::WindowServices s = Services();
        s.compose = [inner = s.compose](Moment q, const Observer& o, const OptionsModel& opt,
                                        SkyEventState& ev, Moment present,
                                        const ReportStyle& style) {
            ReportResult r = inner(q, o, opt, ev, present, style);
            // A new list at each midnight of the site's clock (UT - 6 h).
            if (ev.events.empty() ||
                DatePart(present - 6.0 / 24) != DatePart(ev.LastEventMoment - 6.0 / 24)) {
                const Moment day =
                    DatePart(present - 6.0 / 24) - DatePart(FromQDateTime(At(0, 0, 0)));
                const Moment t = InstantAt(23, 59, 20) + day;
                ev.events = {{0, kRise, t}, {1, kRise, t}};
                ev.LastEventMoment = present;
                r.eventsRecomputed = true;
            }
            return r;
        };
        WriteClockOff();
        form = std::make_unique<ui::MainWindow>(std::move(s));
        EnterMinneapolis();
        Get<QPushButton>("doneButton")->click();
        Get<QLineEdit>("Edit12")->setText("0");  // no ticks but the ones made here
    }
    void Tick() {
        form->onClockTick();
        test::Settle();
    }
    void ClockOn() {
        Click("Clockon1");  // ticks the first time
        test::Settle();
    }
    QString Log() { return Get<QPlainTextEdit>("log")->toPlainText(); }
    QString a, b;
};

TEST_F(AlarmSoundsTest, SoundsOfOneMinuteOpenInTurn) {
    ClockOn();
    EXPECT_EQ(player->calls, (QStringList{"close", "set " + a, "open", "play", "close", "set " + b,
                                          "open", "play"}));
    EXPECT_TRUE(Log().endsWith("Sun Rise 11:59 PM\nMoon Rise 11:59 PM"));
}

// Ten alarms in one minute whose sound cannot be opened, ticked every 10 s through the minute:
// each is logged and notified once, and the failure is said once.
TEST_F(AlarmWindowTest, TenAlarmsWithAFailingSoundAllFire) {
    const QString bad = dir.filePath("bad.wav");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    QStringList states(28, "1"), sounds(28, "");
    EventList due;
    for (int body = 0; body < 5; ++body)
        for (int item : {0, 2}) {
            states[alarms::SlotOf(body, item)] = "0";
            sounds[alarms::SlotOf(body, item)] = bad;
            due.push_back({body, AlarmEventFlags[item], InstantAt(14, 5, 50)});
        }
    files::WriteLines(dir.filePath(alarms::kAlarmListFile), states);
    files::WriteLines(dir.filePath(alarms::kAlarmSoundsFile), sounds);
    QStringList notified;
    ui::WindowServices s = Services();
    s.notify = [&notified](int, const QString& body) { notified << body; };
    s.compose = [inner = s.compose, due](Moment q, const Observer& o, const OptionsModel& opt,
                                         SkyEventState& ev, Moment present,
                                         const ReportStyle& style) {
        if (ev.events.empty()) ev.events = due;
        return inner(q, o, opt, ev, present, style);
    };
    SetClockTo(At(14, 5, 0));
    WriteClockOff();
    form = std::make_unique<ui::MainWindow>(std::move(s));
    EnterMinneapolis();
    Get<QPushButton>("doneButton")->click();
    Get<QLineEdit>("Edit12")->setText("0");
    player->holdOpen = true;  // each opening fails from the event loop, as Qt's player does
    player->failOn = {bad};
    Click("Clockon1");
    for (int second = 10; second <= 60; second += 10) {
        for (test::Settle(); player->Opening(); test::Settle()) player->FinishOpen();
        SetClockTo(At(14, 5, 0).addSecs(second));
        form->onClockTick();
    }
    const QString log = Get<QPlainTextEdit>("log")->toPlainText();
    EXPECT_EQ(log.count(" 02:05 PM"), 10) << log.toStdString();
    EXPECT_EQ(notified.size(), 10);
    EXPECT_EQ(player->calls.count("open"), 10);
    EXPECT_EQ(ui::MessageBox::Shown().count("Cannot open " + bad), 1);
}

// The clock's error box is the only one: a tick's error, then the failing sounds of the next
// tick's alarms, end up in it.
TEST_F(AlarmSoundsTest, ErrorsOfTicksAndAlarmsShareOneBox) {
    ClockOn();  // today's alarms fire, their sounds open
    SetClockTo(At(23, 59, 0).addDays(1));
    ui::MessageBox::SetScripted(false);
    player->failOn = {a, b};
    calls->throwMessage = "The date is outside the range the ephemeris covers";
    Tick();
    calls->throwMessage.clear();
    Tick();  // the new day's alarms
    ASSERT_EQ(OpenBoxes().size(), 1);
    const QString text = OpenBoxes().front()->text();
    EXPECT_EQ(text, "The date is outside the range the ephemeris covers\nCannot open " + a +
                        "\nCannot open " + b);
    for (int i = 0; i < 3; ++i) Tick();  // nothing new, nothing repeated
    EXPECT_EQ(OpenBoxes().size(), 1);
    EXPECT_EQ(OpenBoxes().front()->text(), text);
    OpenBoxes().front()->accept();
}

// The ways a window can be interrupted while its alarm's sound opens.
TEST_F(AlarmSoundsTest, ExitSignalOrNewDayWhileASoundOpensDropsTheCheckAndSavesEverything) {
    const struct {
        const char* name;
        std::function<void()> interrupt;
        int plays;
    } ways[] = {
        {"Exit", [this] { Click("Exit1"); }, 0},
        {"SIGTERM",
         [this] {
             ui::UnixSignals termination;
             QObject::connect(&termination, &ui::UnixSignals::terminationRequested, form.get(),
                              [this] { form->Closing().onExit(); });
             ::raise(SIGTERM);
             EXPECT_TRUE(QTest::qWaitFor([&] { return form->Closing().ShutdownDone(); }, 5000));
         },
         0},
        {"midnight",
         [this] {
             SetClockTo(At(0, 0, 5).addDays(1));
             Tick();
         },
         1},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        if (!form) SetUp();
        player->holdOpen = true;
        Click("Clockon1");
        ASSERT_TRUE(player->Opening());
        way.interrupt();
        player->FinishOpen();  // a late completion, if the opening is still there
        test::Settle();
        EXPECT_EQ(player->calls.count("play"), way.plays);
        EXPECT_EQ(Log().count("Moon Rise"), 0);  // the old list's second alarm is not reached
        form.reset();
        for (const char* file :
             {"heliodex.ini", alarms::kAlarmListFile, alarms::kAlarmSoundsFile, "zipcodes.txt"})
            EXPECT_TRUE(QFile::exists(dir.filePath(file))) << file;
        QFile::remove(dir.filePath("heliodex.ini"));
    }
}

}  // namespace
