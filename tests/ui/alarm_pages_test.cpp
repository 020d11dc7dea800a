// The Alarms and Sounds pages, offscreen, with a recording player and a scripted file dialog.
#include <gtest/gtest.h>

#include <numeric>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <QSpinBox>

#include "settings/textfile.h"
#include "tests/support/recording_player.h"
#include "ui/alarm_pages.h"
#include "ui/chime.h"
#include "ui/icons.h"
#include "ui/message_box.h"

using namespace hx;
using namespace hx::ui;

namespace {

void ClickItem(QTreeWidget* tree, QTreeWidgetItem* item) {
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}
QImage Picture(const QIcon& icon) {
    return icon.pixmap(16).toImage();
}
// The icon in black and white: each pixel darker or lighter than the icon's mean grey.
QList<bool> Shape(const QIcon& icon) {
    const QImage img = Picture(icon).convertToFormat(QImage::Format_ARGB32);
    QList<int> grey;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 128) grey << qGray(img.pixel(x, y));
    const double mean = std::accumulate(grey.begin(), grey.end(), 0.0) / grey.size();
    QList<bool> shape;
    for (int g : grey) shape << (g > mean);
    return shape;
}

class AlarmPagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MessageBox::SetScripted(true);
        MessageBox::ClearShown();
        OpenFileDialog::SetScripted(true);
        OpenFileDialog::ClearRequests();
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override {
        MessageBox::SetScripted(false);
        OpenFileDialog::SetScripted(false);
    }
    QTemporaryDir dir_;
    alarms::AlarmTables tables_;
    test::RecordingPlayer player_;
};

TEST_F(AlarmPagesTest, ClickTogglesTheSlotAndItsLamp) {
    AlarmsPage page(tables_);
    page.resize(300, 600);
    page.show();
    CategoryButtons* cb = page.alarmSwitches;
    for (int c = 0; c < 7; ++c) EXPECT_EQ(cb->topLevelItem(c)->isExpanded(), c == 0);
    cb->topLevelItem(2)->setExpanded(true);
    QTreeWidgetItem* mercurySet = cb->Button(2, 2);
    EXPECT_EQ(mercurySet->parent()->text(0) + ' ' + mercurySet->text(0), "Mercury Set");

    ClickItem(cb, mercurySet);
    EXPECT_TRUE(tables_.IsOn(10));
    EXPECT_EQ(Picture(mercurySet->icon(0)), Picture(OnOffIcon(0)));
    ClickItem(cb, mercurySet);
    EXPECT_FALSE(tables_.IsOn(10));
    EXPECT_EQ(Picture(mercurySet->icon(0)), Picture(OnOffIcon(1)));

    ClickItem(cb, cb->topLevelItem(5));  // a category header opens, toggling nothing
    EXPECT_TRUE(cb->topLevelItem(5)->isExpanded());
    EXPECT_EQ(tables_.states, alarms::AlarmTables().states);
}

// A lead time is set in the box beside its item, by mouse and keys, without selecting or
// toggling the item; loaded lead times show in the boxes; on and off differ in more than shade.
TEST_F(AlarmPagesTest, LeadTimesBesideTheItemsToggleNothing) {
    tables_.offsets[alarms::SlotOf(0, 2)] = -30;
    AlarmsPage page(tables_);
    page.resize(300, 600);
    page.show();
    CategoryButtons* cb = page.alarmSwitches;
    EXPECT_EQ(page.LeadTimeBox(0, 2)->value(), -30);
    EXPECT_EQ(page.LeadTimeBox(kBodyCount, 0), nullptr);  // the hours have none
    QSpinBox* sunRise = page.LeadTimeBox(0, 0);
    EXPECT_GT(cb->visualItemRect(cb->Button(0, 0)).right(), sunRise->geometry().left() - 1);
    QTest::mouseClick(sunRise, Qt::LeftButton, {}, sunRise->rect().center());
    sunRise->selectAll();
    QTest::keyClicks(sunRise, "-15");
    QTest::keyClick(sunRise, Qt::Key_Up);
    EXPECT_EQ(tables_.offsets[alarms::SlotOf(0, 0)], -14);
    EXPECT_EQ(tables_.states, alarms::AlarmTables().states);
    EXPECT_EQ(cb->currentItem(), nullptr);

    ClickItem(cb, cb->Button(0, 0));  // the item itself still toggles
    EXPECT_TRUE(tables_.IsOn(0));
    EXPECT_TRUE(cb->Button(0, 0)->toolTip(0).endsWith("on"));
    EXPECT_TRUE(cb->Button(0, 1)->toolTip(0).endsWith("off"));
    EXPECT_NE(Shape(OnOffIcon(0)), Shape(OnOffIcon(1)));
}

// Test plays the item's file, else the built-in chime, and says why when nothing can be heard.
TEST_F(AlarmPagesTest, TestPlaysTheChimeOrSaysWhyNot) {
    files::SetProgramDirectory(dir_.path());
    const QString chime = dir_.filePath(kChimeFileName), bell = dir_.filePath("bell.wav");
    for (const QString& f : {chime, bell}) QFile(f).open(QIODevice::WriteOnly);
    struct Row {
        const char* what;
        bool select, hasChime, noOutput;
        QString sound, failOn;
        QStringList calls;
        QString said;
    };
    const Row rows[] = {
        {"no item",
         false,
         true,
         false,
         {},
         {},
         {"close", "set " + chime, "open", "play"},
         "Playing the built-in chime: no item is selected."},
        {"no file",
         true,
         true,
         false,
         {},
         {},
         {"close", "set " + chime, "open", "play"},
         "Playing the built-in chime: the item has no sound file."},
        {"own file", true, true, false, bell, {}, {"close", "set " + bell, "open", "play"}, ""},
        {"no chime",
         true,
         false,
         false,
         {},
         {},
         {},
         "Nothing played: the item has no sound file, and the built-in chime is not installed."},
        {"file gone",
         true,
         true,
         false,
         dir_.filePath("gone.wav"),
         {},
         {},
         "Nothing played: the sound file " + dir_.filePath("gone.wav") + " does not exist."},
        {"no output",
         true,
         true,
         true,
         bell,
         {},
         {},
         "Nothing can be heard: this computer has no audio output."},
        {"bad file",
         true,
         true,
         false,
         bell,
         bell,
         {"close", "set " + bell, "open"},
         "Nothing played: Cannot open " + bell},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        if (!r.hasChime) QFile::rename(chime, chime + ".away");
        alarms::AlarmTables tables;
        tables.sounds[5] = r.sound;
        test::RecordingPlayer player;
        player.noOutput = r.noOutput;
        player.failOn = {r.failOn};
        SoundsPage page(tables, player);
        QStringList said;
        page.SetReport([&](const QString& s) { said << s; });
        if (r.select) page.soundButtons->setCurrentItem(page.soundButtons->Button(1, 1));
        QTest::mouseClick(page.testSound, Qt::LeftButton);
        EXPECT_EQ(player.calls, r.calls);
        EXPECT_EQ(said, r.said.isEmpty() ? QStringList() : QStringList{r.said});
        if (!r.hasChime) QFile::rename(chime + ".away", chime);
    }
    files::SetProgramDirectory({});
}

// The chime the build made: a short mono WAV that is loud enough, never clips, and starts and
// ends at silence (no click).
TEST(Chime, TheBuiltChimeIsAShortCleanSound) {
    QFile f(qEnvironmentVariable("HELIODEX_BINARY_DIR") + "/share/heliodex/" + kChimeFileName);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    const QByteArray b = f.readAll();
    ASSERT_GT(b.size(), 44);
    const auto u16 = [&](int at) { return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8); };
    const auto u32 = [&](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    EXPECT_EQ(b.left(4), "RIFF");
    EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(u16(20), 1);  // PCM
    EXPECT_EQ(u16(22), 1);  // mono
    EXPECT_EQ(u16(34), 16);
    EXPECT_EQ(b.mid(36, 4), "data");
    ASSERT_EQ(u32(40), quint32(b.size() - 44));
    const int rate = int(u32(24)), count = int(u32(40) / 2);
    EXPECT_GE(count, rate / 2);
    EXPECT_LE(count, rate * 3);
    int peak = 0;
    for (int i = 0; i < count; ++i) peak = std::max(peak, std::abs(qint16(u16(44 + 2 * i))));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 32000);
    EXPECT_LT(std::abs(qint16(u16(44))), 200);
    EXPECT_LT(std::abs(qint16(u16(44 + 2 * (count - 1)))), 200);
}

TEST_F(AlarmPagesTest, ChooseAssignAndClearSounds) {
    SoundsPage page(tables_, player_);
    QFile f(dir_.filePath("my bell.wav"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QString wav = f.fileName();

    tables_.sounds[3] = "/old.wav";
    page.onSoundButtonClicked(0, 3);  // nothing chosen yet: kept
    EXPECT_EQ(tables_.sounds[3], "/old.wav");
    page.soundButtons->setCurrentItem(page.soundButtons->Button(0, 3));
    QTest::mouseClick(page.clearSound, Qt::LeftButton);  // only the explicit clear empties it
    EXPECT_EQ(tables_.sounds[3], "");

    OpenFileDialog::SetNextFileNames({QString(), dir_.filePath("gone.mp3"), wav});
    page.onChooseSoundClicked();  // cancelled
    page.onChooseSoundClicked();
    EXPECT_EQ(MessageBox::Shown(), QStringList{"File does not exist."});
    EXPECT_TRUE(player_.calls.isEmpty());
    player_.failOn = {wav};
    QTest::mouseClick(page.chooseSound, Qt::LeftButton);
    EXPECT_EQ(OpenFileDialog::Requests().last().qtFilter, "Sound Files (*.mp3 *.wav)");
    EXPECT_EQ(OpenFileDialog::Requests().last().directory,
              QDir::current().absoluteFilePath("sounds"));
    EXPECT_EQ(player_.calls, (QStringList{"set " + wav, "open"}));
    EXPECT_EQ(MessageBox::Shown().last(), "Cannot open " + wav);

    page.onSoundButtonClicked(4, 2);  // the player kept the name
    EXPECT_EQ(tables_.sounds[alarms::SlotOf(4, 2)], wav);
    EXPECT_EQ(page.soundButtons->Button(4, 2)->toolTip(0), wav);

    player_.failOn.clear();
    player_.calls.clear();
    page.soundButtons->setCurrentItem(page.soundButtons->Button(4, 2));
    QTest::mouseClick(page.testSound, Qt::LeftButton);
    EXPECT_EQ(player_.calls, (QStringList{"close", "set " + wav, "open", "play"}));
}

// The real chooser: opened without waiting (a second click opens no second one), with the
// filter; the picked file goes to the player in its completion.
TEST_F(AlarmPagesTest, TheChooserOpensTheFileWhenPicked) {
    OpenFileDialog::SetScripted(false);
    QFile bell(dir_.filePath("bell.wav"));
    ASSERT_TRUE(bell.open(QIODevice::WriteOnly));
    SoundsPage page(tables_, player_);
    page.onChooseSoundClicked();
    page.onChooseSoundClicked();
    const QList<QFileDialog*> open = page.findChildren<QFileDialog*>();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0]->nameFilters(), QStringList{"Sound Files (*.mp3 *.wav)"});
    EXPECT_TRUE(player_.calls.isEmpty());
    open[0]->selectFile(bell.fileName());
    QMetaObject::invokeMethod(open[0], "accept");  // the Open button
    EXPECT_EQ(player_.calls, (QStringList{"set " + bell.fileName(), "open"}));
}

TEST_F(AlarmPagesTest, PlayerStripButtonsReachThePlayer) {
    SoundsPage page(tables_, player_);
    for (const char* n : {"Play", "Pause", "Stop", "Step", "Back"})
        QTest::mouseClick(page.mediaPlayer->ButtonNamed(n), Qt::LeftButton);
    EXPECT_EQ(player_.calls, (QStringList{"play", "pause", "stop", "step", "back"}));
}

}  // namespace
