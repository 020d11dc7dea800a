// The alarm check with a fixed present and a recording player.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "alarms/alarm_check.h"
#include "core/error.h"

using namespace hx;
using namespace hx::alarms;

namespace {

// Records the calls; Open fails for the paths in failOn.
class RecordingPlayer : public SoundPlayer {
  public:
    void Close() override { calls << "close"; }
    void SetFileName(const QString& p) override {
        name = p;
        calls << "set " + p;
    }
    QString FileName() const override { return name; }
    void Open() override {
        calls << "open";
        if (failOn.contains(name)) throw Error("Cannot open " + name);
    }
    void Play() override { calls << "play"; }

    QString name;
    QStringList calls;
    QStringList failOn;
};

class AlarmCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        soundA_ = MakeFile("a.wav");
        soundB_ = MakeFile("b b.wav");
    }
    QString MakeFile(const char* name) {
        QFile f(dir_.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return f.fileName();
    }
    static Moment At(int h, int n, int s) { return EncodeDateTime(2008, 12, 9, h, n, s); }
    AlarmCheckResult Check(Moment present) {
        return CheckAlarms(events_, tables_, present, player_, en_);
    }

    QLocale en_{QLocale::English, QLocale::UnitedStates};
    QTemporaryDir dir_;
    QString soundA_, soundB_;
    AlarmTables tables_;
    EventList events_;
    RecordingPlayer player_;
};

TEST_F(AlarmCheckTest, MinuteKeyHoldsYearMonthWeekdayHourMinute) {
    EXPECT_EQ(MinuteKey(At(14, 5, 0), en_), "200812Tue1405");
    EXPECT_EQ(MinuteKey(At(14, 5, 59), en_), MinuteKey(At(14, 5, 0), en_));
}

// Which ticks fire an event at 14:05:50 with its alarm on.
TEST_F(AlarmCheckTest, OnlyTheEventsMinuteCounts) {
    struct Row {
        int h, n, s;
        bool fires;
    };
    for (const Row r : {Row{14, 4, 59, false}, Row{14, 5, 0, true}, Row{14, 5, 59, true},
                        Row{14, 6, 0, false}, Row{2, 5, 0, false}}) {
        SCOPED_TRACE(QString("%1:%2:%3").arg(r.h).arg(r.n).arg(r.s).toStdString());
        events_ = {{0, kRise, At(14, 5, 50)}};
        tables_.states[SlotOf(0, 0)] = kAlarmOn;
        const auto res = Check(At(r.h, r.n, r.s));
        EXPECT_EQ(res.logLines.size(), r.fires ? 1 : 0);
        EXPECT_EQ(events_[0].Time == 0, r.fires);
    }
}

TEST_F(AlarmCheckTest, LogLineNamesBodyItemAndFiringTimeOnTwelveHourClock) {
    struct Row {
        int body, kind, h, n;
        const char* line;
    };
    for (const Row r :
         {Row{0, kRise, 6, 45, "Sun Rise 06:45 AM"}, Row{2, kSet, 20, 57, "Mercury Set 08:57 PM"},
          Row{1, kZenith, 12, 0, "Moon Zenith 12:00 PM"},
          Row{6, kNadir, 0, 3, "Saturn Nadir 12:03 AM"}}) {
        tables_ = AlarmTables();
        tables_.states.fill(kAlarmOn);
        events_ = {{r.body, r.kind, At(r.h, r.n, 30)}};
        EXPECT_EQ(Check(At(r.h, r.n, 10)).logLines, QStringList{r.line});
    }
}

TEST_F(AlarmCheckTest, KindReachesItsSlotThroughTheFlagTable) {
    tables_.Toggle(SlotOf(2, 1));  // Mercury Zenith only
    events_ = {{2, kSet, At(9, 0, 0)}, {2, kZenith, At(9, 0, 5)}, {3, kZenith, At(9, 0, 6)}};
    EXPECT_EQ(Check(At(9, 0, 0)).logLines, QStringList{"Mercury Zenith 09:00 AM"});
    EXPECT_NE(events_[0].Time, 0);
    EXPECT_EQ(events_[1].Time, 0);
    EXPECT_NE(events_[2].Time, 0);
}

TEST_F(AlarmCheckTest, FiresOnFirstOfSixTicksOnly) {
    tables_.Toggle(SlotOf(0, 2));
    tables_.sounds[SlotOf(0, 2)] = soundA_;
    events_ = {{0, kSet, At(14, 5, 50)}};
    int lines = 0;
    for (int s = 0; s < 60; s += 10) lines += Check(At(14, 5, s)).logLines.size();
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(player_.calls.count("play"), 1);
}

TEST_F(AlarmCheckTest, SwitchedOnLateInTheMinuteStillFires) {
    events_ = {{4, kRise, At(14, 5, 50)}};
    EXPECT_TRUE(Check(At(14, 5, 20)).logLines.isEmpty());
    EXPECT_NE(events_[0].Time, 0);
    tables_.Toggle(SlotOf(4, 0));  // at 14:05:30
    EXPECT_EQ(Check(At(14, 5, 30)).logLines, QStringList{"Mars Rise 02:05 PM"});
}

TEST_F(AlarmCheckTest, TwoAlarmsInOneMinuteLogTwiceAndTheSecondSoundReplacesTheFirst) {
    tables_.Toggle(SlotOf(0, 0));
    tables_.Toggle(SlotOf(1, 2));
    tables_.sounds[SlotOf(0, 0)] = soundA_;
    tables_.sounds[SlotOf(1, 2)] = soundB_;
    events_ = {{0, kRise, At(7, 1, 10)}, {1, kSet, At(7, 1, 40)}};
    const auto res = Check(At(7, 1, 0));
    EXPECT_EQ(res.logLines, (QStringList{"Sun Rise 07:01 AM", "Moon Set 07:01 AM"}));
    EXPECT_TRUE(res.error.isEmpty());
    EXPECT_EQ(player_.calls, (QStringList{"close", "set " + soundA_, "open", "play", "close",
                                          "set " + soundB_, "open", "play"}));
}

TEST_F(AlarmCheckTest, MissingOrEmptySoundLogsSilently) {
    tables_.Toggle(SlotOf(0, 0));
    tables_.Toggle(SlotOf(0, 1));
    tables_.sounds[SlotOf(0, 1)] = dir_.filePath("gone.wav");
    events_ = {{0, kRise, At(7, 1, 10)}, {0, kZenith, At(7, 1, 20)}};
    const auto res = Check(At(7, 1, 0));
    EXPECT_EQ(res.logLines.size(), 2);
    EXPECT_TRUE(res.error.isEmpty());
    EXPECT_TRUE(player_.calls.isEmpty());
}

TEST_F(AlarmCheckTest, UnopenableSoundShowsItsErrorOnceAndLeavesTheRestForTheNextTick) {
    tables_.Toggle(SlotOf(0, 0));
    tables_.Toggle(SlotOf(5, 0));
    tables_.sounds[SlotOf(0, 0)] = soundA_;
    tables_.sounds[SlotOf(5, 0)] = soundB_;
    player_.failOn = {soundA_};
    events_ = {{0, kRise, At(7, 1, 10)}, {5, kRise, At(7, 1, 20)}};

    auto res = Check(At(7, 1, 0));
    EXPECT_EQ(res.error, "Cannot open " + soundA_);
    EXPECT_EQ(res.logLines, QStringList{"Sun Rise 07:01 AM"});
    EXPECT_EQ(events_[0].Time, 0);
    EXPECT_NE(events_[1].Time, 0);
    EXPECT_FALSE(player_.calls.contains("play"));

    res = Check(At(7, 1, 10));
    EXPECT_TRUE(res.error.isEmpty());
    EXPECT_EQ(res.logLines, QStringList{"Jupiter Rise 07:01 AM"});
    EXPECT_EQ(player_.calls.count("play"), 1);
}

TEST_F(AlarmCheckTest, OddEventsAreSkipped) {
    tables_.states.fill(kAlarmOn);
    const Moment t = At(7, 1, 10);
    events_ = {{7, kRise, t}, {-1, kRise, t},   {0, 3, t},
               {0, 0, t},     {0, kRise, 1e12}, {0, kRise, 0}};
    EXPECT_TRUE(Check(At(7, 1, 0)).logLines.isEmpty());
    EXPECT_TRUE(Check(0).logLines.isEmpty());  // a present of 0 never matches a cleared event
}

}  // namespace
