// The alarm check with a fixed present: what fires, in what order, and which sounds to play.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <QFile>
#include <QTemporaryDir>

#include "alarms/alarm_check.h"
#include "core/zone.h"
#include "report/report.h"

using namespace hx;
using namespace hx::alarms;

namespace {

class AlarmCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (QString* s : {&soundA_, &soundB_}) {
            QFile f(dir_.filePath(s == &soundA_ ? "a.wav" : "b b.wav"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            *s = f.fileName();
        }
    }
    static Moment At(int h, int n, int s) { return EncodeDateTime(2008, 12, 9, h, n, s); }
    // A whole check as the window runs it when every sound opens: step after step.
    struct Whole {
        QStringList logLines, sounds;
    };
    Whole Check(Moment present) {
        Whole w;
        for (size_t from = 0;;) {
            const AlarmCheckStep step = CheckAlarmsFrom(events_, from, tables_, present, ut_, en_);
            w.logLines << step.logLines;
            if (step.sound.isEmpty()) return w;
            w.sounds << step.sound;
            from = step.next;
        }
    }
    void On(int body, int item, const QString& sound = {}) {
        tables_.states[SlotOf(body, item)] = kAlarmOn;
        tables_.sounds[SlotOf(body, item)] = sound;
    }

    QLocale en_{QLocale::English, QLocale::UnitedStates};
    Observer ut_;  // a site on UT: the times below are instants and readings at once
    QTemporaryDir dir_;
    QString soundA_, soundB_;
    AlarmTables tables_;
    EventList events_;
};

// Which ticks fire an event at 14:05:50; with ticks every 10 s only the first of six fires.
TEST_F(AlarmCheckTest, OnlyTheEventsMinuteCountsAndAnEventFiresOnce) {
    EXPECT_EQ(MinuteKey(At(14, 5, 0), en_), "200812Tue1405");
    On(0, 0, soundA_);
    int played = 0;
    for (const int s : {-1, 0, 10, 20, 30, 40, 50, 60}) {
        events_ = {{0, kRise, At(14, 5, 50)}};
        const Whole w = Check(At(14, 5, 0) + s / 86400.0);
        EXPECT_EQ(w.logLines.size(), s >= 0 && s < 60) << s;
        played += int(w.sounds.size());
        if (s == 0) {
            for (int later = 10; later < 60; later += 10)
                EXPECT_TRUE(Check(At(14, 5, later)).logLines.isEmpty());
        }
    }
    EXPECT_EQ(played, 6);
}

TEST_F(AlarmCheckTest, LogLineNamesBodyItemAndFiringTimeOnTwelveHourClock) {
    struct Row {
        int body, kind, h, n;
        const char* line;
    };
    tables_.states.fill(kAlarmOn);
    for (const Row r :
         {Row{0, kRise, 6, 45, "Sun Rise 06:45 AM"}, Row{2, kSet, 20, 57, "Mercury Set 08:57 PM"},
          Row{1, kZenith, 12, 0, "Moon Zenith 12:00 PM"},
          Row{6, kNadir, 0, 3, "Saturn Nadir 12:03 AM"}}) {
        events_ = {{r.body, r.kind, At(r.h, r.n, 30)}};
        EXPECT_EQ(Check(At(r.h, r.n, 10)).logLines, QStringList{r.line});
    }
}

TEST_F(AlarmCheckTest, KindReachesItsSlotThroughTheFlagTableAndLateSwitchingCounts) {
    const Moment t = At(9, 0, 50);
    events_ = {{2, kSet, t}, {2, kZenith, t}, {3, kZenith, t}, {7, kRise, t}, {0, 3, t}};
    EXPECT_TRUE(Check(At(9, 0, 20)).logLines.isEmpty());
    On(2, 1);  // Mercury Zenith, switched on at 09:00:30
    EXPECT_EQ(Check(At(9, 0, 30)).logLines, QStringList{"Mercury Zenith 09:00 AM"});
    for (size_t i = 0; i < events_.size(); ++i) EXPECT_EQ(events_[i].Time == 0, i == 1);
}

// Each event with a sound ends a step, so its sound opens before the next event fires.
TEST_F(AlarmCheckTest, AlarmsOfOneMinuteAllFireAndEachSoundEndsAStep) {
    On(0, 0, soundA_);
    On(0, 1, dir_.filePath("gone.wav"));  // silent
    On(0, 2);                             // silent
    On(1, 2, soundB_);
    events_ = {{0, kRise, At(7, 1, 10)},
               {0, kZenith, At(7, 1, 15)},
               {0, kSet, At(7, 1, 20)},
               {1, kSet, At(7, 1, 40)}};
    const struct {
        size_t from;
        QStringList lines;
        QString sound;
        size_t next;
    } steps[] = {{0, {"Sun Rise 07:01 AM"}, soundA_, 1},
                 {1, {"Sun Zenith 07:01 AM", "Sun Set 07:01 AM", "Moon Set 07:01 AM"}, soundB_, 4},
                 {4, {}, {}, 4},
                 {9, {}, {}, 4}};  // past the end of a list that has shrunk meanwhile
    for (const auto& row : steps) {
        const AlarmCheckStep step =
            CheckAlarmsFrom(events_, row.from, tables_, At(7, 1, 0), ut_, en_);
        EXPECT_EQ(step.logLines, row.lines) << row.from;
        EXPECT_EQ(step.sound, row.sound) << row.from;
        EXPECT_EQ(step.next, row.next) << row.from;
    }
    for (const SkyEvent& e : events_) EXPECT_EQ(e.Time, 0);
}

}  // namespace

// The real path of ticks: the report collects the site's events, the check fires the sunrise
// alarm, and the next report still shows the planetary hours begun at that sunrise.
TEST_F(AlarmCheckTest, FiredSunriseAlarmLeavesTheDaysPlanetaryHours) {
    Observer minneapolis;
    minneapolis.Latitude = 44.98;
    minneapolis.Longitude = -93.27;
    minneapolis.TimeZone = -6;
    OptionsModel options;
    options.SetChecked("Solarevents1", false);  // the hours alone, after the header
    SkyEventState state;
    const Moment dawn = UtcOfReading(minneapolis, At(5, 0, 0));
    BuildReport(dawn, minneapolis, options, state, dawn);
    const auto rise = std::find_if(
        state.events.begin(), state.events.end(),
        [&](const SkyEvent& e) { return e.Body == 0 && e.Kind == kRise && e.Time > dawn; });
    ASSERT_NE(rise, state.events.end());
    const Moment morning = rise->Time + 1.0 / 24;
    const ReportResult before = BuildReport(morning, minneapolis, options, state, morning);
    ASSERT_TRUE(before.hoursShown);
    On(0, 0);
    ASSERT_EQ(
        CheckAlarmsFrom(state.events, 0, tables_, rise->Time, minneapolis, en_).logLines.size(), 1);
    ASSERT_EQ(rise->Time, 0);
    EXPECT_EQ(BuildReport(morning, minneapolis, options, state, morning).lines, before.lines);
}

namespace {
// London's rules at a site far east of their meridian, so that its sunrise on 2025-10-26
// falls in the hour the end of daylight time repeats (01:00 to 02:00 on the clock).
Observer FarEastOfLondon() {
    Observer o;
    o.Latitude = 50;
    o.Longitude = 80;
    o.Zone = QStringLiteral("Europe/London");
    return o;
}
}  // namespace

// Ticks every 10 s through the fold, on the real path: the report keeps the day's list and
// the sunrise alarm fires once, in the minute of its instant, named on the clock then.
TEST_F(AlarmCheckTest, AnAlarmInTheRepeatedHourFiresOnce) {
    const Observer site = FarEastOfLondon();
    OptionsModel options;
    SkyEventState state;
    On(0, 0);
    const Moment from = EncodeDateTime(2025, 10, 25, 23, 0, 10),
                 to = EncodeDateTime(2025, 10, 26, 3);
    QStringList fired;
    Moment firedAt = 0;
    int recomputed = 0;
    for (Moment u = from; u < to; u += 10.0 / 86400) {
        const Observer now = AtInstant(site, u);  // as the window keeps its fields
        recomputed += BuildReport(u, now, options, state, u, en_).eventsRecomputed;
        const QStringList lines = CheckAlarmsFrom(state.events, 0, tables_, u, now, en_).logLines;
        for (const QString& l : lines)
            if (l.startsWith("Sun Rise")) {
                fired << l;
                firedAt = u;
            }
    }
    EXPECT_EQ(recomputed, 1);
    const auto rise = std::find_if(
        state.computed.begin(), state.computed.end(),
        [&](const SkyEvent& e) { return e.Body == 0 && e.Kind == kRise && e.Time > from; });
    ASSERT_NE(rise, state.computed.end());
    // In the repeated hour: its clock reading also names an instant an hour earlier.
    ASSERT_GE(rise->Time, EncodeDateTime(2025, 10, 26, 1));
    ASSERT_LT(rise->Time, EncodeDateTime(2025, 10, 26, 2));
    ASSERT_EQ(fired.size(), 1) << fired.join(" | ").toStdString();
    EXPECT_EQ(MinuteOf(firedAt), MinuteOf(rise->Time));
    const DateTimeFields f = DecodeDateTime(rise->Time);  // GMT: the reading is UT
    EXPECT_EQ(fired[0], QStringLiteral("Sun Rise %1:%2 AM")
                            .arg(f.hour, 2, 10, QLatin1Char('0'))
                            .arg(f.minute, 2, 10, QLatin1Char('0')));
}

// A lead time is real minutes: 90 minutes before a sunrise at 03:00 BST on the day daylight
// time starts is 00:30 GMT, not the 01:30 the clock skips.
TEST_F(AlarmCheckTest, ALeadTimeAcrossAChangeCountsRealMinutes) {
    Observer london;
    london.Latitude = 51.51;
    london.Longitude = -0.13;
    london.Zone = QStringLiteral("Europe/London");
    On(0, 0);
    tables_.offsets[SlotOf(0, 0)] = -90;
    const Moment rise = EncodeDateTime(2025, 3, 30, 2, 0, 20);
    events_ = {{0, kRise, rise}};
    QStringList fired;
    Moment firedAt = 0;
    for (Moment u = EncodeDateTime(2025, 3, 29, 23, 30); u < rise + 0.1; u += 10.0 / 86400) {
        const QStringList lines = CheckAlarmsFrom(events_, 0, tables_, u, london, en_).logLines;
        if (!lines.isEmpty()) firedAt = u;
        fired << lines;
    }
    EXPECT_EQ(fired, QStringList{"Sun Rise in 90 min (03:00 AM)"});
    EXPECT_EQ(MinuteOf(firedAt), MinuteOf(rise - 90.0 / 1440));
}

// A planetary hour's alarm checked on two ticks of its first minute fires on the first only.
TEST_F(AlarmCheckTest, PlanetaryHourAlarmFiresOnceInItsMinute) {
    Observer minneapolis;
    minneapolis.Latitude = 44.98;
    minneapolis.Longitude = -93.27;
    minneapolis.TimeZone = -6;
    SkyEventState state;
    const Moment noon = At(12, 0, 0);
    BuildReport(noon, minneapolis, OptionsModel(), state, noon);
    const std::vector<HourStart> hours = PlanetaryHourStarts(state.events, minneapolis);
    const auto afternoon =
        std::find_if(hours.begin(), hours.end(), [&](const HourStart& h) { return h.at > noon; });
    ASSERT_NE(afternoon, hours.end());
    tables_.hourStates[afternoon->body] = kAlarmOn;
    tables_.hourSounds[afternoon->body] = soundA_;
    Moment lastFired = 0;
    // Ticks at the first and the 51st second of the hour's minute.
    const Moment first = std::floor(afternoon->at * 1440 + 1e-9) / 1440 + 1.0 / 86400;
    const Moment second = first + 50.0 / 86400;
    const AlarmCheckStep once =
        CheckHourAlarms(state.events, tables_, first, lastFired, minneapolis, en_);
    EXPECT_EQ(once.logLines.size(), 1);
    EXPECT_EQ(once.sound, soundA_);
    const AlarmCheckStep again =
        CheckHourAlarms(state.events, tables_, second, lastFired, minneapolis, en_);
    EXPECT_TRUE(again.logLines.isEmpty());
    EXPECT_TRUE(again.sound.isEmpty());
}
