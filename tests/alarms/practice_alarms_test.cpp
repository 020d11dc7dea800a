// The alarms of a daily practice: the four adorations, the sky alarms and their file, the
// hours' lead times, mute and snooze.
#include <gtest/gtest.h>

#include <cmath>

#include <QFile>
#include <QTemporaryDir>

#include "alarms/alarm_check.h"
#include "alarms/snooze.h"
#include "core/error.h"
#include "core/lunation.h"
#include "core/planetary_hours.h"
#include "core/twilight.h"
#include "core/zone.h"
#include "report/report.h"
#include "settings/textfile.h"

using namespace hx;
using namespace hx::alarms;

namespace {

class PracticeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        files::SetProgramDirectory(dir_.path());
        QFile f(dir_.filePath("bell.wav"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        sound_ = f.fileName();
        site_.Latitude = 44.98;
        site_.Longitude = -93.27;
        site_.TimeZone = -6;
        site_.DaylightTime = 1;
    }
    void TearDown() override { files::SetProgramDirectory(QString()); }
    QStringList Lines(const char* name) {
        return files::ReadLines(dir_.filePath(name)).value_or(QStringList{"(missing)"});
    }
    // Ticks once a minute (at its 20th second) from `from` for `minutes`, as the clock does.
    struct Fired {
        QStringList lines, sounds;
        QList<Moment> at;
    };
    Fired Tick(SkyAlarmCheck& check, Moment from, int minutes) {
        Fired f;
        for (int m = 0; m < minutes; ++m) {
            const Moment now = std::floor(from * 1440) / 1440 + (m + 20.0 / 60) / 1440;
            const AlarmCheckStep s = check.Check(tables_, now, site_, en_);
            for (const QString& l : s.logLines) {
                f.lines << l;
                f.at << now;
            }
            if (!s.sound.isEmpty()) f.sounds << s.sound;
        }
        return f;
    }

    QTemporaryDir dir_;
    QString sound_;
    Observer site_;
    QLocale en_{QLocale::English, QLocale::UnitedStates};
    AlarmTables tables_;
};

// One step turns the Sun's four slots on with one sound and lead time, then off keeping them;
// the files hold the four as ordinary slots and every other line as it was.
TEST_F(PracticeTest, FourAdorationsChangeTheirSlotsOnly) {
    tables_.states[SlotOf(1, 0)] = kAlarmOn;  // Moon Rise, already on
    tables_.sounds[SlotOf(2, 2)] = "/x/mercury.mp3";
    tables_.offsets[SlotOf(0, 0)] = 7;
    SaveAlarmTables(tables_);
    const QStringList states = Lines(kAlarmListFile), sounds = Lines(kAlarmSoundsFile),
                      offsets = Lines(kAlarmOffsetsFile);
    SetAdorations(tables_, true, sound_, -10);
    EXPECT_TRUE(AdorationsOn(tables_));
    SaveAlarmTables(tables_);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const bool sun = slot < 4;
        EXPECT_EQ(Lines(kAlarmListFile)[slot], sun ? "0" : states[slot]);
        EXPECT_EQ(Lines(kAlarmSoundsFile)[slot], sun ? sound_ : sounds[slot]);
        EXPECT_EQ(Lines(kAlarmOffsetsFile)[slot], sun ? "-10" : offsets[slot]);
    }
    tables_.Toggle(SlotOf(0, 1));  // an ordinary slot: one of the four alone
    EXPECT_FALSE(AdorationsOn(tables_));
    SetAdorations(tables_, false);
    SaveAlarmTables(tables_);
    EXPECT_EQ(Lines(kAlarmListFile), states);
    EXPECT_EQ(Lines(kAlarmSoundsFile)[0], sound_);
}

// skyalarms.txt: settings, lead times and mute come back; a line of another version and a
// broken line of an alarm left alone are written back; an unreadable file is never replaced.
TEST_F(PracticeTest, SkyAlarmFileKeepsWhatItCannotRead) {
    QFile f(dir_.filePath(kSkyAlarmsFile));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "full-moon\t1\t-30\t/s/with\ttab.wav\r\nnew-moon\tyes\t5\t\r\nlunar-eclipse\t1\r\n"
        "hour-mars\t-5\r\nhour-venus\t9999\r\nmute\t1\r\n");
    f.close();
    LoadAlarmTables(tables_);
    const SkyAlarmTable& t = tables_.skyTable;
    EXPECT_EQ(t.sky[size_t(SkyAlarm::FullMoon)], (SkyAlarmSetting{true, -30, "/s/with\ttab.wav"}));
    EXPECT_EQ(t.sky[size_t(SkyAlarm::NewMoon)], SkyAlarmSetting());
    EXPECT_EQ(t.hourOffsets[4], -5);
    EXPECT_EQ(t.hourOffsets[3], 0);
    EXPECT_TRUE(t.muted);
    SaveAlarmTables(tables_);
    const QStringList lines = Lines(kSkyAlarmsFile);
    for (const char* kept : {"new-moon\tyes\t5\t", "lunar-eclipse\t1", "hour-venus\t9999",
                             "full-moon\t1\t-30\t/s/with\ttab.wav", "civil-dawn\t0\t0\t"})
        EXPECT_TRUE(lines.contains(kept)) << kept;
    tables_.skyTable.sky[size_t(SkyAlarm::NewMoon)] = {true, 0, {}};
    SaveSkyAlarmTable(tables_.skyTable);
    EXPECT_TRUE(Lines(kSkyAlarmsFile).contains("new-moon\t1\t0\t"));

    ASSERT_TRUE(f.setPermissions(QFileDevice::Permissions()));
    if (QFile(f.fileName()).open(QIODevice::ReadOnly)) GTEST_SKIP() << "running as root";
    AlarmTables unread;
    LoadAlarmTables(unread);
    EXPECT_FALSE(unread.skyTable.muted);
    EXPECT_THROW(SaveSkyAlarmTable(unread.skyTable), Error);
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(Lines(kSkyAlarmsFile).contains("new-moon\t1\t0\t"));
}

// A dawn and a full-Moon alarm fire once, in the minute of their instant plus the lead time,
// with the sound unless muted; the event lists are searched by day, not by minute.
TEST_F(PracticeTest, SkyAlarmsFireAtTheirInstantWithTheLeadTime) {
    const Moment day = UtcOfReading(site_, EncodeDateTime(2024, 6, 21, 12, 0, 0));
    const auto [from, to] = SiteDayRange(day, site_);
    const double dawn = *ComputeSunDay(from, to, site_).twilight[0].rising - kEpochJulianDay;
    const double full = PhasesBetween(from, to + 1)[0].jd - kEpochJulianDay;
    struct Case {
        SkyAlarm alarm;
        Moment event;
        int offset;
        bool muted;
        QString line;
    };
    for (const Case& c : {Case{SkyAlarm::CivilDawn, dawn, -15, false, "Civil dawn in 15 min"},
                          Case{SkyAlarm::FullMoon, full, 0, true, "Full Moon "},
                          Case{SkyAlarm::FullMoon, full, 20, false, "Full Moon 20 min ago"}}) {
        SCOPED_TRACE(c.line.toStdString());
        tables_ = AlarmTables();
        tables_.skyTable.sky[size_t(c.alarm)] = {true, c.offset, sound_};
        tables_.skyTable.muted = c.muted;
        SkyAlarmCheck check;
        const Moment due = c.event + c.offset / 1440.0;
        const Fired f = Tick(check, due - 30.0 / 1440, 60);
        ASSERT_EQ(f.lines.size(), 1) << f.lines.join('|').toStdString();
        EXPECT_TRUE(f.lines[0].startsWith(c.line)) << f.lines[0].toStdString();
        EXPECT_EQ(MinuteOf(f.at[0]), MinuteOf(due));
        EXPECT_EQ(f.sounds, c.muted ? QStringList() : QStringList{sound_});
    }
}

// Muted, the slot and hour checks still log and mark, and hand no sound to play; an hour's
// lead time moves its alarm by that many minutes.
TEST_F(PracticeTest, MuteKeepsTheLogAndHourLeadTimesMoveTheHourAlarm) {
    SkyEventState state;
    const Moment noon = UtcOfReading(site_, EncodeDateTime(2024, 6, 21, 12, 0, 0));
    BuildReport(noon, site_, OptionsModel(), state, noon, en_);
    const std::vector<HourStart> hours = PlanetaryHourStarts(state.events, site_);
    const auto next =
        std::find_if(hours.begin(), hours.end(), [&](const HourStart& h) { return h.at > noon; });
    ASSERT_NE(next, hours.end());
    tables_.hourStates[next->body] = kAlarmOn;
    tables_.hourSounds[next->body] = sound_;
    tables_.skyTable.hourOffsets[next->body] = -5;
    tables_.skyTable.muted = true;
    Moment last = 0;
    int fired = 0;
    for (Moment now = next->at - 10.0 / 1440; now < next->at + 2.0 / 1440; now += 1.0 / 1440) {
        const AlarmCheckStep s = CheckHourAlarms(state.events, tables_, now, last, site_, en_);
        EXPECT_TRUE(s.sound.isEmpty());
        if (s.logLines.isEmpty()) continue;
        ++fired;
        EXPECT_EQ(MinuteOf(now), MinuteOf(next->at - 5.0 / 1440));
        EXPECT_TRUE(s.logLines[0].contains(" in 5 min (")) << s.logLines[0].toStdString();
    }
    EXPECT_EQ(fired, 1);

    EventList events = {SkyEvent{0, kRise, noon}};
    tables_.states[SlotOf(0, 0)] = kAlarmOn;
    tables_.sounds[SlotOf(0, 0)] = sound_;
    const AlarmCheckStep s = CheckAlarmsFrom(events, 0, tables_, noon, site_, en_);
    EXPECT_EQ(s.fired, QList<int>{0});
    EXPECT_TRUE(s.sound.isEmpty());
}

// Snoozing fires again after its minutes, under the same key; another snooze moves it and
// Dismiss drops it.
TEST(SnoozeList, FiresAgainAfterItsMinutesUnderTheSameKey) {
    EXPECT_EQ(NotificationActions(), (QStringList{"snooze-5", "Snooze 5 min", "snooze-10",
                                                  "Snooze 10 min", "dismiss", "Dismiss"}));
    const Moment t0 = EncodeDateTime(2026, 12, 10, 6, 45, 10);
    const auto minute = [](int n) { return n / 1440.0; };
    SnoozeList list;
    list.Snooze(3, "Sun Rise 06:45 AM", "/s.wav", SnoozeMinutes("snooze-5"), t0);
    list.Snooze(8, "Full Moon 06:45 AM", {}, SnoozeMinutes("snooze-10"), t0);
    EXPECT_TRUE(list.TakeDue(t0 + minute(4)).empty());
    const std::vector<Snoozed> due = list.TakeDue(t0 + minute(5));
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0].key, 3);
    EXPECT_EQ(due[0].sound, "/s.wav");
    list.Snooze(8, "Full Moon 06:45 AM", {}, SnoozeMinutes("snooze-5"), t0 + minute(6));
    list.Snooze(3, "Sun Rise 06:45 AM", {}, SnoozeMinutes("dismiss"), t0);
    EXPECT_TRUE(list.TakeDue(t0 + minute(10)).empty());
    ASSERT_EQ(list.TakeDue(t0 + minute(11)).size(), 1u);
    EXPECT_TRUE(list.Waiting().empty());
}

}  // namespace
