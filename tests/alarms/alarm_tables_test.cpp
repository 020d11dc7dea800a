// The alarm and sound tables and their two files.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "alarms/alarm_tables.h"
#include "settings/textfile.h"

using namespace hx::alarms;

namespace {

class AlarmFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        hx::files::SetProgramDirectory(dir_.path());
    }
    void TearDown() override { hx::files::SetProgramDirectory(QString()); }

    void Write(const char* name, const QByteArray& bytes) {
        QFile f(dir_.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray Read(const char* name) {
        QFile f(dir_.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

QByteArray Repeat(const QByteArray& line, int n) {
    QByteArray out;
    for (int i = 0; i < n; ++i) out += line;
    return out;
}

TEST_F(AlarmFilesTest, FirstRunWritesBothFilesWithDesignValues) {
    AlarmTables t;
    LoadAlarmTables(t);  // no files yet
    SaveAlarmTables(t);
    EXPECT_EQ(Read(kAlarmListFile), Repeat("1\r\n", 28));
    EXPECT_EQ(Read(kAlarmSoundsFile), Repeat("\r\n", 28));
}

TEST_F(AlarmFilesTest, SaveAndLoadKeepStatesAndPathsWithBlanks) {
    AlarmTables t;
    t.Toggle(SlotOf(2, 2));  // Mercury Set
    t.states[SlotOf(6, 3)] = 7;
    t.sounds[SlotOf(0, 0)] = QStringLiteral("/home/me/my sounds/dawn chorus.mp3");
    t.sounds[SlotOf(3, 1)] = QStringLiteral("/tmp/Vénus  zénith.wav");
    SaveAlarmTables(t);

    const QStringList lines = *hx::files::ReadLines(dir_.filePath(kAlarmListFile));
    EXPECT_EQ(lines[10], "0");  // line 11
    EXPECT_EQ(lines.count("0"), 1);

    AlarmTables back;
    LoadAlarmTables(back);
    EXPECT_EQ(back.states, t.states);
    EXPECT_EQ(back.sounds, t.sounds);
    EXPECT_TRUE(back.IsOn(10));
    EXPECT_FALSE(back.IsOn(SlotOf(6, 3)));
    back.Toggle(SlotOf(6, 3));  // an unusual off value toggles to on
    EXPECT_TRUE(back.IsOn(SlotOf(6, 3)));
}

TEST_F(AlarmFilesTest, PathWithLineBreakIsNotAllowedToBreakTheFile) {
    AlarmTables t;
    t.sounds[3] = QStringLiteral("/tmp/odd\nname.wav");
    t.sounds[4] = QStringLiteral("/tmp/fine.wav");
    SaveAlarmTables(t);
    AlarmTables back;
    LoadAlarmTables(back);
    EXPECT_EQ(back.sounds[3], "");
    EXPECT_EQ(back.sounds[4], "/tmp/fine.wav");
}

struct StateRow {
    const char* name;
    QByteArray content;
    bool loaded;        // false: the table keeps its design state
    int mercurySet;     // expected state of slot 10 when loaded
    int offValueSlot0;  // expected state of slot 0 when loaded
};

class StateFileTest : public AlarmFilesTest, public ::testing::WithParamInterface<StateRow> {};

TEST_P(StateFileTest, Loads) {
    const StateRow& row = GetParam();
    Write(kAlarmListFile, row.content);
    AlarmTables t;
    LoadAlarmTables(t);
    if (!row.loaded) {
        EXPECT_EQ(t.states, AlarmTables().states);
        return;
    }
    EXPECT_EQ(t.states[10], row.mercurySet);
    EXPECT_EQ(t.states[0], row.offValueSlot0);
    EXPECT_EQ(t.states[27], 0);
}

// 28 lines with slot 0 as given, slot 10 "0", slot 27 "0", the rest "1", joined by eol.
QByteArray States(const QByteArray& first, const QByteArray& eol = "\r\n") {
    QByteArray out;
    for (int i = 0; i < 28; ++i)
        out += (i == 0 ? first : (i == 10 || i == 27) ? QByteArray("0") : QByteArray("1")) + eol;
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StateFileTest,
    ::testing::Values(StateRow{"Plain", States("1"), true, 0, 1},
                      StateRow{"LineFeeds", States("1", "\n"), true, 0, 1},
                      StateRow{"CarriageReturns", States("1", "\r"), true, 0, 1},
                      StateRow{"NoFinalLineEnd", States("1").chopped(2), true, 0, 1},
                      StateRow{"OtherIntegerKept", States("5"), true, 0, 5},
                      StateRow{"NotANumberCountsAsOff", States("on"), true, 0, 1},
                      StateRow{"TooBigForAnIntCountsAsOff", States("99999999999"), true, 0, 1},
                      StateRow{"EmptyLineCountsAsOff", States(""), true, 0, 1},
                      StateRow{"TwentyNineLines", States("1") + "\r\n", false, 0, 0},
                      StateRow{"TwentySevenLines", States("1").mid(3), false, 0, 0},
                      StateRow{"FarTooLarge", States(QByteArray(200000, '0')), false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AlarmFilesTest, SoundFileWithWrongLineCountIsIgnoredAlone) {
    Write(kAlarmListFile, States("0"));
    Write(kAlarmSoundsFile, Repeat("/x.wav\r\n", 27));
    AlarmTables t;
    LoadAlarmTables(t);
    EXPECT_TRUE(t.IsOn(0));
    EXPECT_EQ(t.sounds, AlarmTables().sounds);

    Write(kAlarmSoundsFile, Repeat("/x.wav\r\n", 28));
    LoadAlarmTables(t);
    EXPECT_EQ(t.sounds[27], "/x.wav");
}

}  // namespace
