// The alarm and sound tables and their two files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "alarms/alarm_tables.h"
#include "core/error.h"
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

TEST_F(AlarmFilesTest, FirstRunWritesBothFilesWithDesignValues) {
    AlarmTables t;
    LoadAlarmTables(t);  // no files yet
    SaveAlarmTables(t);
    EXPECT_EQ(Read(kAlarmListFile), QByteArray("1\r\n").repeated(28));
    EXPECT_EQ(Read(kAlarmSoundsFile), QByteArray("\r\n").repeated(28));
}

TEST_F(AlarmFilesTest, SaveAndLoadKeepStatesAndPathsWithBlanks) {
    AlarmTables t;
    t.Toggle(SlotOf(2, 2));  // Mercury Set
    t.states[SlotOf(6, 3)] = 7;
    t.sounds[0] = QStringLiteral("/home/me/my sounds/dawn chorus.mp3");
    t.sounds[5] = QStringLiteral("/tmp/Vénus  zénith.wav");
    t.sounds[9] = QStringLiteral("/tmp/odd\nname.wav");  // cannot be one line: saved as none
    SaveAlarmTables(t);
    EXPECT_EQ(hx::files::ReadLines(dir_.filePath(kAlarmListFile))->indexOf("0"), 10);  // line 11

    AlarmTables back;
    LoadAlarmTables(back);
    EXPECT_EQ(back.states, t.states);
    t.sounds[9].clear();
    EXPECT_EQ(back.sounds, t.sounds);
    EXPECT_FALSE(back.IsOn(SlotOf(6, 3)));
    back.Toggle(SlotOf(6, 3));  // an unusual off value toggles to on
    EXPECT_TRUE(back.IsOn(SlotOf(6, 3)));
}

TEST_F(AlarmFilesTest, LeadTimesAndHourAlarmsFollowTheSameFileRules) {
    Write(kAlarmOffsetsFile,
          QByteArray("-15\r\nabc\r\n721\r\n10\r\n") + QByteArray("0\r\n").repeated(24));
    Write(kHourAlarmsFile, "0\r\n1\r\n");  // not 7 lines: kept, all off
    const QByteArray sounds = QByteArray("/s/a.wav\r\n").repeated(27);  // not 28: kept too
    Write(kAlarmSoundsFile, sounds);
    AlarmTables t;
    LoadAlarmTables(t);
    EXPECT_EQ((std::array{t.offsets[0], t.offsets[1], t.offsets[2], t.offsets[3]}),
              (std::array{-15, 0, 0, 10}));
    EXPECT_FALSE(t.IsHourOn(0));
    SaveAlarmTables(t);
    EXPECT_EQ(Read(kHourAlarmsFile), "0\r\n1\r\n");
    EXPECT_EQ(Read(kHourSoundsFile), QByteArray("\r\n").repeated(7));
    EXPECT_EQ(Read(kAlarmSoundsFile), sounds);  // saved with no change: left as it was
    t.ToggleHour(6);
    t.SetSound(1, "/s/b.wav");
    SaveAlarmTables(t);
    EXPECT_EQ(Read(kHourAlarmsFile), QByteArray("1\r\n").repeated(6) + "0\r\n");
    EXPECT_EQ(Read(kAlarmSoundsFile), "\r\n/s/b.wav\r\n" + QByteArray("\r\n").repeated(26));
}

// 28 lines: slot 0 as given, slots 10 and 27 "0", the rest "1".
QByteArray States(const QByteArray& first, const QByteArray& eol = "\r\n") {
    QByteArray out;
    for (int i = 0; i < 28; ++i)
        out += (i == 0 ? first : (i == 10 || i == 27) ? QByteArray("0") : QByteArray("1")) + eol;
    return out;
}

struct StateRow {
    const char* name;
    QByteArray content;
    int slot0;  // expected state of slot 0; -1: the whole file is ignored
};

class StateFileTest : public AlarmFilesTest, public ::testing::WithParamInterface<StateRow> {};

TEST_P(StateFileTest, Loads) {
    Write(kAlarmListFile, GetParam().content);
    AlarmTables t;
    LoadAlarmTables(t);
    if (GetParam().slot0 < 0) {
        EXPECT_EQ(t.states, AlarmTables().states);
        // The file not taken is kept until the table changes (an unread one even then).
        const bool unread = hx::files::WasUnreadable(dir_.filePath(kAlarmListFile));
        EXPECT_NO_THROW(if (!unread) SaveStateTable(t));
        EXPECT_EQ(Read(kAlarmListFile), GetParam().content);
        t.Toggle(0);
        if (!unread) SaveStateTable(t);
        EXPECT_EQ(Read(kAlarmListFile).startsWith("0\r\n1\r\n1\r\n"), !unread);
        return;
    }
    EXPECT_EQ(t.states[0], GetParam().slot0);
    EXPECT_TRUE(t.IsOn(10));
    EXPECT_TRUE(t.IsOn(27));
}

INSTANTIATE_TEST_SUITE_P(Rows, StateFileTest,
                         ::testing::Values(StateRow{"LineFeeds", States("1", "\n"), 1},
                                           StateRow{"NoFinalLineEnd", States("0").chopped(2), 0},
                                           StateRow{"OtherIntegerKept", States("5"), 5},
                                           StateRow{"NotANumberCountsAsOff", States("on"), 1},
                                           StateRow{"TwentyNineLines", States("0") + "1\r\n", -1},
                                           StateRow{"AnEmptyLineAfter", States("0") + "\r\n", 0},
                                           StateRow{"TwentySevenLines", States("0").mid(3), -1},
                                           StateRow{"FarTooLarge", States(QByteArray(200000, '0')),
                                                    -1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Files that cannot be used leave the tables as they were, and the good file of the pair
// still loads: a directory in place of a file, binary garbage, a file far over its 28 lines.
TEST_F(AlarmFilesTest, UnusableFilesKeepTheTables) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage += char((i * 7919) % 251);
    const QByteArray sounds = QByteArray("/s/a b.wav\r\n").repeated(28);
    for (int row = 0; row < 3; ++row) {
        QTemporaryDir dir;
        hx::files::SetProgramDirectory(dir.path());
        const QString list = dir.filePath(kAlarmListFile);
        if (row == 0) {
            ASSERT_TRUE(QDir(dir.path()).mkdir(kAlarmListFile));
        } else {
            QFile f(list);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            if (row == 1) f.write(garbage);
            if (row == 2) {  // 100 MB: 28 good lines and then nothing but blank lines (sparse)
                f.write(QByteArray("0\r\n").repeated(28));
                ASSERT_TRUE(f.resize(100 << 20));
            }
        }
        QFile s(dir.filePath(kAlarmSoundsFile));
        ASSERT_TRUE(s.open(QIODevice::WriteOnly));
        s.write(sounds);
        s.close();
        AlarmTables t;
        LoadAlarmTables(t);
        EXPECT_EQ(t.states, AlarmTables().states) << "row " << row;
        EXPECT_EQ(t.sounds[27], "/s/a b.wav") << "row " << row;
        if (row == 0) {  // saving over the directory fails with a message; nothing is replaced
            EXPECT_THROW(SaveAlarmTables(t), hx::Error);
            EXPECT_TRUE(QFileInfo(list).isDir());
        }
    }
}

// A sound path with any kind of line break is saved as no sound, so the file keeps its 28
// lines and every other slot survives the next start.
TEST_F(AlarmFilesTest, SoundPathWithALineBreakIsSavedAsNone) {
    for (const char* lineBreak : {"\r", "\n", "\r\n"}) {
        AlarmTables t;
        t.sounds[3] = QStringLiteral("/tmp/odd%1name.wav").arg(QLatin1String(lineBreak));
        t.sounds[4] = QStringLiteral("/tmp/kept.wav");
        SaveAlarmTables(t);
        AlarmTables back;
        LoadAlarmTables(back);
        EXPECT_EQ(back.sounds[3], "") << int(lineBreak[0]);
        EXPECT_EQ(back.sounds[4], "/tmp/kept.wav") << int(lineBreak[0]);
    }
}
