// The alarms of a daily practice in the window: the four adorations, the sky alarms on the
// tick with their lead times, mute, snooze through a notification server, the balloon
// without one, and the 24-hour clock.
#include <QAction>
#include <QCheckBox>
#include <QDBusConnection>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTreeWidget>

#include "alarms/alarm_tables.h"
#include "alarms/desktop_notifier.h"
#include "core/lunation.h"
#include "core/twilight.h"
#include "tests/support/notification_server.h"
#include "ui/alarm_pages.h"
#include "ui/practice_alarms.h"
#include "ui/tray_and_closing.h"
#include "ui/tray_area.h"
#include "window_fixture.h"

using namespace hx;
using alarms::SkyAlarm;

namespace {

class PracticeWindowTest : public test::WindowTest {
  protected:
    void SetClockTo(Moment utc) {
        SetClock([utc] { return ToQDateTime(utc); });
    }
    // The window with the program's own report at Minneapolis (UTC-6), the clock on and no
    // timer ticks but the ones a test makes.
    void OpenAt(Moment utc, ui::WindowServices s) {
        SetClockTo(utc);
        form = std::make_unique<ui::MainWindow>(std::move(s));
        EnterMinneapolis();
        Get<QPushButton>("doneButton")->click();
        Get<QLineEdit>("Edit12")->setText("0");
        if (!form->ClockTimerEnabled()) Click("Clockon1");
    }
    ui::AlarmsPage* Page() {
        for (QWidget* w : form->findChildren<QWidget*>())
            if (auto* page = dynamic_cast<ui::AlarmsPage*>(w)) return page;
        return nullptr;
    }
    // Switches the sky alarm on with a lead time and a sound chosen with its box's open
    // button, as on the Alarms page.
    void SetSky(SkyAlarm a, int lead, const QString& sound) {
        Page()->SkyItem(a)->setCheckState(0, Qt::Checked);
        Page()->SkyLeadBox(a)->setValue(lead);
        ui::OpenFileDialog::SetScripted(true);
        ui::OpenFileDialog::SetNextFileNames({sound});
        QLineEdit* box = Page()->SkySoundBox(a);
        box->findChild<QAction*>(box->objectName() + "Choose")->trigger();
        ui::OpenFileDialog::SetScripted(false);
        EXPECT_EQ(box->text(), sound);
    }
    // The event's instant from the sky computations: the civil dawn of the site's day, or
    // the first full Moon from the day on.
    Moment EventOf(SkyAlarm a, Moment dayUtc) {
        const auto [from, to] = SiteDayRange(dayUtc, form->observer());
        if (a == SkyAlarm::CivilDawn)
            return *ComputeSunDay(from, to, form->observer()).twilight[0].rising - kEpochJulianDay;
        for (const PhaseInstant& p : PhasesBetween(from, from + 30))
            if (p.phase == kFullMoon) return p.jd - kEpochJulianDay;
        ADD_FAILURE() << "no full Moon";
        return 0;
    }
    QString Log() { return Get<QPlainTextEdit>("log")->toPlainText(); }
    QString Bell() {
        QFile f(dir.filePath("bell.wav"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return f.fileName();
    }
    static constexpr double kMinute = 1.0 / 1440;
    const Moment june15_ = FromQDateTime(QDateTime(QDate(2024, 6, 15), QTime(0, 30), Qt::UTC));
};

// The four slots change together, from the tray menu and from the page, with the page's one
// sound and lead time; the other slots' lines stay as they were.
TEST_F(PracticeWindowTest, FourAdorationsTurnOnAndOffInOneStep) {
    QStringList states(28, "1");
    states[5] = "0";  // Moon Zenith stays on
    files::WriteLines(dir.filePath(alarms::kAlarmListFile), states);
    const QString bell = Bell();
    const struct {
        bool fromTray;
        bool on;
    } steps[] = {{true, true}, {false, false}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.fromTray ? "tray" : "page");
        Open();
        Page()->adorationSound->setText(bell);
        Page()->adorationLead->setValue(-10);
        if (step.fromTray)
            Click("FourAdorations1");
        else
            Page()->adorations->click();
        EXPECT_EQ(Get<QAction>("FourAdorations1")->isChecked(), step.on);
        form.reset();  // the shutdown saves
        const QStringList saved = *files::ReadLines(dir.filePath(alarms::kAlarmListFile));
        QStringList want = states;
        for (int slot : alarms::kAdorationSlots) want[slot] = step.on ? "0" : "1";
        EXPECT_EQ(saved, want);
        EXPECT_EQ(files::ReadLines(dir.filePath(alarms::kAlarmSoundsFile))->mid(0, 5),
                  QStringList({bell, bell, bell, bell, ""}));
        EXPECT_EQ(files::ReadLines(dir.filePath(alarms::kAlarmOffsetsFile))->mid(0, 5),
                  QStringList({"-10", "-10", "-10", "-10", "0"}));
    }
}

// A dawn alarm and a full-Moon alarm fire in the minute of their event plus the lead time,
// logged and notified; muted, the same with no sound, and the mute is in skyalarms.txt at once;
// on the 24-hour clock the notification's time is on it, the Log's stays the locale's.
TEST_F(PracticeWindowTest, SkyAlarmsFireAtTheirInstantsWithTheLeadTime) {
    const struct {
        SkyAlarm alarm;
        Moment day;
        bool muted;  // and on the 24-hour clock
        const char* line;
    } cases[] = {{SkyAlarm::CivilDawn, june15_, false, "Civil dawn in 15 min ("},
                 {SkyAlarm::FullMoon, june15_ + 6, true, "Full Moon in 15 min ("}};
    for (const auto& c : cases) {
        SCOPED_TRACE(alarms::SkyAlarmName(c.alarm).toStdString());
        QList<int> notified;
        QString body;
        ui::WindowServices s = RealServices();
        s.notify = [&](int key, const QString& text) { notified << key, body = text; };
        OpenAt(c.day, std::move(s));
        if (c.muted) Click("MuteAlarms1"), Click("TwentyFourHour1");
        const QString bell = Bell();
        SetSky(c.alarm, -15, bell);
        const Moment due = EventOf(c.alarm, c.day) - 15 * kMinute;
        player->calls.clear();
        SetClockTo(due - kMinute);
        form->onClockTick();
        EXPECT_FALSE(Log().contains(c.line));
        SetClockTo(due);
        form->onClockTick();
        form->onClockTick();  // fired once
        test::Settle();       // the sound's opening completes from the event loop
        EXPECT_EQ(Log().count(c.line), 1) << Log().toStdString();
        EXPECT_EQ(notified.count(alarms::kSkyAlarmKeyBase + int(c.alarm)), 1);
        EXPECT_EQ(player->calls.contains("play"), !c.muted);
        const QRegularExpression ampm(" [AP]M\\)");
        EXPECT_TRUE(Log().contains(ampm));
        EXPECT_EQ(body.contains(ampm), !c.muted) << body.toStdString();
        EXPECT_EQ(files::ReadLines(dir.filePath(alarms::kSkyAlarmsFile))
                      .value_or(QStringList())
                      .contains("mute\t1"),
                  c.muted);
        form.reset();
        QFile::remove(dir.filePath(alarms::kSkyAlarmsFile));
    }
}

// "Snooze 5 min" on the notification of a server that shows actions: the alarm fires again
// five minutes later, its notification replacing the first, its sound played again.
TEST_F(PracticeWindowTest, SnoozeThroughTheServerFiresAgainAfterFiveMinutes) {
    test::PrivateBus bus;
    if (bus.Address().isEmpty()) GTEST_SKIP() << "no dbus-daemon";
    {
        QDBusConnection server = QDBusConnection::connectToBus(bus.Address(), "window-server");
        ASSERT_TRUE(server.registerService("org.freedesktop.Notifications"));
        test::NotificationServer notifications;
        notifications.capabilities = {"body", "actions"};
        ASSERT_TRUE(server.registerVirtualObject("/org/freedesktop/Notifications", &notifications));
        ui::WindowServices s = RealServices();
        s.notificationBus = bus.Address();
        OpenAt(june15_, std::move(s));
        SetSky(SkyAlarm::CivilDawn, 0, Bell());
        const Moment due = EventOf(SkyAlarm::CivilDawn, june15_);
        SetClockTo(due);
        form->onClockTick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.calls.size() == 1; }, 5000));
        const alarms::DesktopNotifier& notifier = form->Alarms().Notifier();
        // The reply carrying the notification's id has come back.
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.Idle(); }, 5000));
        QDBusMessage invoked = QDBusMessage::createSignal(
            "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
        invoked << uint(1) << QString("snooze-5");
        ASSERT_TRUE(server.send(invoked));
        auto* practice = form->findChild<ui::PracticeAlarms*>();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return practice->Snoozes().Waiting().size() == 1; }, 5000));
        player->calls.clear();
        SetClockTo(due + 4 * kMinute);
        form->onClockTick();
        // A notification sent now would have reached the server once its call is answered.
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.Idle(); }, 5000));
        EXPECT_EQ(notifications.calls.size(), 1);
        SetClockTo(due + 5 * kMinute);
        form->onClockTick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.calls.size() == 2; }, 5000));
        EXPECT_EQ(notifications.calls[1][1].toUInt(), 1u);  // replaces the first
        EXPECT_EQ(notifications.calls[1][4], notifications.calls[0][4]);
        EXPECT_TRUE(player->calls.contains("play"));
        form.reset();
        server.unregisterObject("/org/freedesktop/Notifications");
    }
    QDBusConnection::disconnectFromBus("window-server");
}

// With no notification server the alarm shows in the tray balloon, and the Log line stays.
TEST_F(PracticeWindowTest, WithoutANotificationServerTheBalloonShowsTheAlarm) {
    ui::TrayArea::SetProbe([] { return true; });
    ui::WindowServices s = RealServices();
    s.notificationBus = "unix:path=/nonexistent/bus";
    OpenAt(june15_, std::move(s));
    form->show();
    SetSky(SkyAlarm::CivilDawn, 0, {});
    SetClockTo(EventOf(SkyAlarm::CivilDawn, june15_));
    form->onClockTick();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return form->Closing().BalloonText().startsWith("Civil dawn "); },
                        alarms::DesktopNotifier::kBusWaitMs + 3000));
    EXPECT_TRUE(Log().endsWith(form->Closing().BalloonText()));
    ui::TrayArea::SetProbe({});
}

// The 24-hour clock in the report's times and the tooltip, kept in heliodexoptions.txt; mute
// adds "muted" to the tooltip. Both are kept across restarts.
TEST_F(PracticeWindowTest, TwentyFourHourClockAndMuteInTheReportAndTooltip) {
    OpenAt(june15_ + 21.0 / 24, RealServices());  // 15:30 at the site
    auto* tray = Get<QSystemTrayIcon>("TrayIcon1");
    const QRegularExpression ampm(" [AP]M\\b");
    ASSERT_TRUE(tray->toolTip().contains(ampm)) << tray->toolTip().toStdString();
    Click("TwentyFourHour1");
    Click("MuteAlarms1");
    EXPECT_FALSE(tray->toolTip().contains(ampm)) << tray->toolTip().toStdString();
    EXPECT_TRUE(tray->toolTip().contains("muted"));
    const QString report = Get<QPlainTextEdit>("outfld")->toPlainText();
    EXPECT_FALSE(report.contains(ampm)) << report.toStdString();
    EXPECT_TRUE(report.contains(QRegularExpression("\\b1[5-9]:\\d\\d\\b")));
    EXPECT_TRUE(files::ReadLines(dir.filePath("heliodexoptions.txt"))
                    .value_or(QStringList())
                    .contains("Clock24\t1"));
    form.reset();
    OpenAt(june15_ + 21.0 / 24, RealServices());  // kept across restarts
    EXPECT_TRUE(Get<QAction>("TwentyFourHour1")->isChecked());
    EXPECT_TRUE(Get<QAction>("MuteAlarms1")->isChecked());
}

}  // namespace
