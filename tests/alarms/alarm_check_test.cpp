// The alarm check with a fixed present and a recording player.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "alarms/alarm_check.h"
#include "tests/support/recording_player.h"

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
    AlarmCheckResult Check(Moment present) {
        return CheckAlarms(events_, tables_, present, player_, en_);
    }
    void On(int body, int item, const QString& sound = {}) {
        tables_.states[SlotOf(body, item)] = kAlarmOn;
        tables_.sounds[SlotOf(body, item)] = sound;
    }

    QLocale en_{QLocale::English, QLocale::UnitedStates};
    QTemporaryDir dir_;
    QString soundA_, soundB_;
    AlarmTables tables_;
    EventList events_;
    test::RecordingPlayer player_;
};

// Which ticks fire an event at 14:05:50; with ticks every 10 s only the first of six fires.
TEST_F(AlarmCheckTest, OnlyTheEventsMinuteCountsAndAnEventFiresOnce) {
    EXPECT_EQ(MinuteKey(At(14, 5, 0), en_), "200812Tue1405");
    On(0, 0, soundA_);
    for (const int s : {-1, 0, 10, 20, 30, 40, 50, 60}) {
        events_ = {{0, kRise, At(14, 5, 50)}};
        const int fired = Check(At(14, 5, 0) + s / 86400.0).logLines.size();
        EXPECT_EQ(fired, s >= 0 && s < 60) << s;
        if (s == 0) {
            for (int later = 10; later < 60; later += 10)
                EXPECT_TRUE(Check(At(14, 5, later)).logLines.isEmpty());
        }
    }
    EXPECT_EQ(player_.calls.count("play"), 6);
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

TEST_F(AlarmCheckTest, AlarmsOfOneMinuteAllFireAndTheLastSoundReplacesTheOthers) {
    On(0, 0, soundA_);
    On(0, 1, dir_.filePath("gone.wav"));  // silent
    On(0, 2);                             // silent
    On(1, 2, soundB_);
    events_ = {{0, kRise, At(7, 1, 10)},
               {0, kZenith, At(7, 1, 15)},
               {0, kSet, At(7, 1, 20)},
               {1, kSet, At(7, 1, 40)}};
    const auto res = Check(At(7, 1, 0));
    EXPECT_EQ(res.logLines, (QStringList{"Sun Rise 07:01 AM", "Sun Zenith 07:01 AM",
                                         "Sun Set 07:01 AM", "Moon Set 07:01 AM"}));
    EXPECT_TRUE(res.error.isEmpty());
    EXPECT_EQ(player_.calls, (QStringList{"close", "set " + soundA_, "open", "play", "close",
                                          "set " + soundB_, "open", "play"}));
}

TEST_F(AlarmCheckTest, UnopenableSoundShowsItsErrorOnceAndLeavesTheRestForTheNextTick) {
    On(0, 0, soundA_);
    On(5, 0, soundB_);
    player_.failOn = {soundA_};
    events_ = {{0, kRise, At(7, 1, 10)}, {5, kRise, At(7, 1, 20)}};

    auto res = Check(At(7, 1, 0));
    EXPECT_EQ(res.error, "Cannot open " + soundA_);
    EXPECT_EQ(res.logLines, QStringList{"Sun Rise 07:01 AM"});
    EXPECT_EQ(events_[0].Time, 0);
    EXPECT_FALSE(player_.calls.contains("play"));

    res = Check(At(7, 1, 10));
    EXPECT_TRUE(res.error.isEmpty());
    EXPECT_EQ(res.logLines, QStringList{"Jupiter Rise 07:01 AM"});
    EXPECT_EQ(player_.calls.count("play"), 1);
}

}  // namespace
