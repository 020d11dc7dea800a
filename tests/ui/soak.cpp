// The soak run: the real window with the real report, driven tick by tick through simulated
// days with a moving injected clock, alarms on, across both daylight-time changes of 2024 in
// Chicago. Fast by default; HELIODEX_SOAK=full runs 30 days (scripts/soak.sh).
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <set>

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimeZone>

#include "alarms/alarm_tables.h"
#include "cli/run.h"
#include "core/names.h"
#include "core/planetary_hours.h"
#include "core/zone.h"
#include "window_fixture.h"

namespace hx::test {
namespace {

constexpr qint64 kTickSeconds = 10;  // the default clock resolution

// Resident memory of this process in kB.
qint64 ResidentKb() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// An alarm, as the log names it, in the minute it is due.
struct Due {
    QString name;  // «Sun Rise»
    QString minute;
    bool operator<(const Due& o) const {
        return name != o.name ? name < o.name : minute < o.minute;
    }
};

QString AlarmName(int body, int flag) {
    return QString::fromLatin1(BodyNames[body]) + u' ' + QString::fromLatin1(EventName(flag));
}

class Soak : public WindowTest {
  protected:
    // The minute of an instant on the site's clock, with its date.
    QString Minute(Moment utc) const { return Local(utc).toString(u"yyyy-MM-dd hh:mm"); }
    QDateTime Local(Moment utc) const { return ToQDateTime(utc).toTimeZone(zone); }

    void OpenRealWindow() {
        ui::WindowServices s = RealServices();
        s.compose = [this, real = s.compose](Moment q, const Observer& obs,
                                             const OptionsModel& options, SkyEventState& events,
                                             Moment present, const ReportStyle& style) {
            ReportResult r = real(q, obs, options, events, present, style);
            lastSite = obs;
            if (r.eventsRecomputed) {
                lists.push_back(events.events);
                ++recomputed[Local(q).date()];
                // The alarms of the new list, by minute.
                current.clear();
                for (const SkyEvent& e : events.events)
                    if (e.Time != 0) current.insert({Minute(e.Time), AlarmName(e.Body, e.Kind)});
            }
            return r;
        };
        form = std::make_unique<ui::MainWindow>(std::move(s));
    }

    QDateTime Clock() const { return QDateTime::fromSecsSinceEpoch(utc, zone); }

    void Tick() {
        utc += kTickSeconds;
        form->onClockTick();
        // Every alarm of the current list whose minute has a tick is due.
        const QString minute = Clock().toString(u"yyyy-MM-dd hh:mm");
        for (auto [it, end] = current.equal_range(minute); it != end; ++it)
            expected.insert({it->second, minute});
        ReadNewLogLines(minute);
        QCoreApplication::processEvents();
    }

    // Alarm lines («Sun Rise 06:45 AM») logged since the last look, with the present minute.
    void ReadNewLogLines(const QString& minute) {
        QTextDocument* doc = Get<QPlainTextEdit>("log")->document();
        for (; logBlocks < doc->blockCount(); ++logBlocks) {
            const QString line = doc->findBlockByNumber(logBlocks).text();
            logged.push_back({line, minute});
            for (int body = 0; body < kBodyCount; ++body)
                for (int flag : AlarmEventFlags)
                    if (line.startsWith(AlarmName(body, flag) + u' '))
                        ++fired[{AlarmName(body, flag), minute}];
        }
    }

    // The window on the real report with a site, the clock on and every alarm on, each with a
    // sound that exists; the clock at five seconds past midnight of `first`.
    void Prepare(QDate first, const QStringList& states = QStringList(alarms::kSlotCount, "0")) {
        QFile bell(dir.filePath("bell.wav"));
        ASSERT_TRUE(bell.open(QIODevice::WriteOnly));
        bell.close();
        files::WriteLines(dir.filePath(alarms::kAlarmListFile), states);
        files::WriteLines(dir.filePath(alarms::kAlarmSoundsFile),
                          QStringList(alarms::kSlotCount, bell.fileName()));
        utc = QDateTime(first, QTime(0, 0, 5), zone).toSecsSinceEpoch();
        SetClock([this] { return Clock(); });
        OpenRealWindow();
        EnterMinneapolis();
        // The site keeps Chicago's time, daylight time included.
        auto* zones = Get<QComboBox>("ZoneBox");
        zones->setCurrentIndex(zones->findData(QStringLiteral("America/Chicago")));
        Get<QPushButton>("doneButton")->click();  // a first start: the clock runs already
        ASSERT_TRUE(form->ClockTimerEnabled());
        ASSERT_EQ(form->ClockTimerInterval(), kTickSeconds * 1000);
        ui::MessageBox::ClearShown();
        logBlocks = Get<QPlainTextEdit>("log")->document()->blockCount();
    }

    void TickUntil(const QDateTime& until) {
        while (utc + kTickSeconds <= until.toSecsSinceEpoch()) Tick();
    }

    // Each due alarm fired once, in its minute, and sounded; nothing else fired.
    void ExpectEachDueAlarmFiredOnce(size_t atLeast) {
        std::cout << "[ soak ] " << expected.size() << " alarms due, " << fired.size()
                  << " fired\n";
        EXPECT_GE(expected.size(), atLeast);
        for (const Due& d : expected)
            EXPECT_EQ(fired[d], 1) << d.name.toStdString() << " at " << d.minute.toStdString();
        for (const auto& [d, count] : fired)
            EXPECT_TRUE(expected.count(d))
                << d.name.toStdString() << " at " << d.minute.toStdString();
        EXPECT_EQ(player->calls.count("play"), qsizetype(expected.size()));
        EXPECT_TRUE(ui::MessageBox::Shown().isEmpty())
            << ui::MessageBox::Shown().join('\n').toStdString();
    }

    // Runs `days` local calendar days from midnight of `first`, one tick per resolution step.
    void RunDays(QDate first, int days) {
        const qint64 end = QDateTime(first.addDays(days), QTime(0, 0), zone).toSecsSinceEpoch();
        utc = QDateTime(first, QTime(0, 0, 5), zone).toSecsSinceEpoch();
        while (utc + kTickSeconds < end) {
            Tick();
            ++ticks;
            if (rssAfterFirstDay < 0 && Clock().date() != first) rssAfterFirstDay = ResidentKb();
        }
        for (QDate d = first; d < first.addDays(days); d = d.addDays(1)) daysRun.insert(d);
    }

    const QTimeZone zone{"America/Chicago"};
    qint64 utc = 0;
    long ticks = 0;
    int logBlocks = 0;
    qint64 rssAfterFirstDay = -1;
    std::map<QDate, int> recomputed;
    Observer lastSite;             // the site of the last report
    std::vector<EventList> lists;  // every event list computed, in order
    std::set<QDate> daysRun;
    std::multimap<QString, QString> current;  // the current list's alarms: minute, name
    std::set<Due> expected;
    std::map<Due, int> fired;
    std::vector<std::pair<QString, QString>> logged;  // every log line, with its minute
};

// A day with lead times on Sun Rise (-15) and Moon Set (+10) and the hour of Jupiter on,
// nothing else: each fires in its own minute only.
TEST_F(Soak, LeadTimesAndTheHourOfJupiterFireInTheirMinutes) {
    const QDate day(2024, 6, 15);
    QStringList states(alarms::kSlotCount, "1"), offsets(alarms::kSlotCount, "0");
    states[alarms::SlotOf(0, 0)] = states[alarms::SlotOf(1, 2)] = "0";
    offsets[alarms::SlotOf(0, 0)] = "-15";
    offsets[alarms::SlotOf(1, 2)] = "10";
    files::WriteLines(dir.filePath(alarms::kAlarmOffsetsFile), offsets);
    files::WriteLines(dir.filePath(alarms::kHourAlarmsFile), {"1", "1", "1", "1", "1", "0", "1"});
    Prepare(day, states);
    TickUntil(QDateTime(day.addDays(1), QTime(0, 0), zone));
    ASSERT_FALSE(lists.empty());
    const EventList& list = lists.back();
    std::multiset<QString> want, got;
    for (const SkyEvent& e : list) {
        if (e.Body == 0 && e.Kind == kRise) want.insert("Sun Rise@" + Minute(e.Time - 15 / 1440.0));
        if (e.Body == 1 && e.Kind == kSet) want.insert("Moon Set@" + Minute(e.Time + 10 / 1440.0));
    }
    int jupiterHours = 0;
    for (const HourStart& h : PlanetaryHourStarts(list, lastSite))
        if (h.body == 5 && Local(h.at).date() == day) {
            want.insert("Hour of Jupiter@" + Minute(h.at));
            ++jupiterHours;
        }
    // Only the day's own minutes are ticked: the list also holds the days around it.
    std::erase_if(want, [&](const QString& w) { return !w.contains(day.toString(Qt::ISODate)); });
    for (const auto& [line, minute] : logged)
        if (line.startsWith("Sun ") || line.startsWith("Moon ") || line.startsWith("Hour of"))
            got.insert(line.section(' ', 0, line.startsWith("Hour of") ? 2 : 1) + '@' + minute);
    EXPECT_EQ(got, want);
    EXPECT_GT(jupiterHours, 1);
    // The command line's plan for the day lists exactly these.
    Click("Exit2");
    const cli::Outcome plan =
        cli::Run({"--at", "2024-06-15 00:00", "alarms", "--dir", dir.path(), "--days", "1"}, 0);
    std::multiset<QString> planned;
    for (const QString& l : plan.out.split('\n', Qt::SkipEmptyParts))
        planned.insert(l.section("  ", 1, 1) + '@' + l.section("  ", 0, 0));
    EXPECT_EQ(planned, got) << plan.out.toStdString() << plan.err.toStdString();
    EXPECT_TRUE(std::any_of(got.begin(), got.end(),
                            [](const QString& g) { return g.startsWith("Moon Set@"); }));
}

TEST_F(Soak, DaysOfTicksAcrossBothDaylightChanges) {
    ASSERT_TRUE(zone.isValid());
    const bool full = qgetenv("HELIODEX_SOAK") == "full";
    const int daysPerStretch = full ? 15 : 2;
    // Each stretch ends the day after its change (10 March and 3 November 2024).
    const QDate spring = QDate(2024, 3, 11).addDays(-daysPerStretch);
    const QDate autumn = QDate(2024, 11, 4).addDays(-daysPerStretch);

    Prepare(spring);

    RunDays(spring, daysPerStretch);
    RunDays(autumn, daysPerStretch);
    const qint64 rssAtEnd = ResidentKb();

    std::cout << "[ soak ] " << ticks << " ticks over " << daysRun.size() << " days; resident "
              << rssAfterFirstDay << " kB after the first day, " << rssAtEnd << " kB at the end\n";
    EXPECT_GT(ticks, daysPerStretch * 2 * 8600L);

    // The event list is computed once per calendar day, start-up's day included; a change of
    // daylight time keeps it, as its events are instants.
    for (const QDate& d : daysRun) EXPECT_EQ(recomputed[d], 1) << d.toString().toStdString();
    EXPECT_EQ(recomputed.size(), daysRun.size());

    ExpectEachDueAlarmFiredOnce(size_t(daysPerStretch * 2 * 20));
    // Memory settles after the first day. Under AddressSanitizer its quarantine and
    // bookkeeping grow on their own, so there only the ticking itself is checked.
    ASSERT_GT(rssAfterFirstDay, 0);
#ifndef __SANITIZE_ADDRESS__
    EXPECT_LT(rssAtEnd, rssAfterFirstDay * 105 / 100);
#endif
}

// Ticking across 2025-03-09 02:00 in Chicago: the offset and the daylight box change by
// themselves, the list keeps its instants, and those after the change read an hour later.
TEST_F(Soak, AZonedSiteSwitchesToDaylightTimeByItself) {
    const QDate day(2025, 3, 9);
    Prepare(day);
    auto* zoneHours = Get<QLineEdit>("Edit6");
    auto* daylight = Get<QCheckBox>("CheckBox3");
    TickUntil(QDateTime(day, QTime(1, 59, 50), zone));
    EXPECT_EQ(zoneHours->text(), "-6");
    EXPECT_FALSE(daylight->isChecked());
    EXPECT_EQ(lastSite.DaylightTime, 0);
    // The day's list on standard time alone, for comparison.
    Observer standardTime = lastSite;
    standardTime.Zone.clear();
    const EventList before = ComputeSkyEvents(EncodeDateTime(2025, 3, 9, 0, 0, 5), standardTime);
    TickUntil(QDateTime(day, QTime(3, 0, 10), zone));
    EXPECT_EQ(Get<QTimeEdit>("DateTimePicker2")->time().hour(), 3);
    EXPECT_EQ(zoneHours->text(), "-6");
    EXPECT_TRUE(daylight->isChecked());
    EXPECT_EQ(lastSite.DaylightTime, 1);
    EXPECT_EQ(Get<QComboBox>("ZoneBox")->currentData().toString(), "America/Chicago");
    EXPECT_EQ(recomputed[day], 1);
    const EventList after = lists.back();
    ASSERT_EQ(after.size(), before.size());
    int compared = 0;
    const Moment change = EncodeDateTime(2025, 3, 9, 8, 0);  // 02:00 CST in UT
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_NEAR(after[i].Time, before[i].Time, 1.0 / 86400);
        if (after[i].Time <= change) continue;
        EXPECT_NEAR(
            ReadingOfUtc(lastSite, after[i].Time) - ReadingOfUtc(standardTime, before[i].Time),
            1.0 / 24, 1.0 / 86400);
        ++compared;
    }
    EXPECT_GE(compared, 20);
    ExpectEachDueAlarmFiredOnce(1);
}

TEST_F(Soak, TheClockJumpsBackAnHourAndForwardADay) {
    const QDate day(2024, 6, 15);
    Prepare(day);
    TickUntil(QDateTime(day, QTime(12, 0), zone));
    const size_t firedBefore = fired.size();
    ASSERT_GT(firedBefore, 5u);

    // Back an hour: the same day's list stays, and nothing of the hour fires again.
    utc -= 3600;
    Tick();
    EXPECT_EQ(Get<QTimeEdit>("DateTimePicker2")->time().hour(), 11);
    TickUntil(QDateTime(day, QTime(12, 30), zone));
    EXPECT_EQ(recomputed[day], 1);

    // Forward a day: the next day's list is computed once, and its alarms from then on fire.
    utc += 86400;
    Tick();
    EXPECT_EQ(Get<QDateEdit>("DateTimePicker1")->date(), day.addDays(1));
    TickUntil(QDateTime(day.addDays(2), QTime(0, 0, 30), zone));
    EXPECT_EQ(recomputed[day.addDays(1)], 1);
    EXPECT_EQ(recomputed[day.addDays(2)], 1);
    EXPECT_EQ(recomputed.size(), 3u);
    EXPECT_GT(fired.size(), firedBefore);
    ExpectEachDueAlarmFiredOnce(firedBefore);
}

}  // namespace
}  // namespace hx::test
