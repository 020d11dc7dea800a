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
// The icon in black and white: which opaque pixels are lighter than the icon's mean grey.
QList<bool> Shape(const QIcon& icon) {
    const QImage img = Picture(icon).convertToFormat(QImage::Format_ARGB32);
    QList<int> grey;
    for (int i = 0; i < img.width() * img.height(); ++i)
        if (const QRgb p = img.pixel(i % img.width(), i / img.width()); qAlpha(p) > 128)
            grey << qGray(p);
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
    QSpinBox* sunRise = page.LeadTimeBox(0, 0);
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
    const QString gone = dir_.filePath("gone.wav");
    for (const QString& f : {chime, bell}) QFile(f).open(QIODevice::WriteOnly);
    const QStringList playChime{"close", "set " + chime, "open", "play"};
    const struct {
        bool select, hasChime, noOutput;
        QString sound, failOn;
        QStringList calls;
        QString said;
    } rows[] = {
        {false, true, false, {}, {}, playChime, "Playing the built-in chime: no item is selected."},
        {true,
         true,
         false,
         {},
         {},
         playChime,
         "Playing the built-in chime: the item has no sound file."},
        {true,
         false,
         false,
         {},
         {},
         {},
         "Nothing played: the item has no sound file, and the built-in chime is not installed."},
        {true,
         true,
         false,
         gone,
         {},
         {},
         "Nothing played: the sound file " + gone + " does not exist."},
        {true,
         true,
         true,
         bell,
         {},
         {},
         "Nothing can be heard: this computer has no audio output."},
        {true,
         true,
         false,
         bell,
         bell,
         {"close", "set " + bell, "open"},
         "Nothing played: Cannot open " + bell},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.said.toStdString());
        if (!r.hasChime) QFile::rename(chime, chime + ".away");
        alarms::AlarmTables tables;
        tables.sounds[alarms::SlotOf(1, 1)] = r.sound;
        test::RecordingPlayer player;
        player.noOutput = r.noOutput;
        player.failOn = {r.failOn};
        SoundsPage page(tables, player);
        QStringList said;
        page.SetReport([&](const QString& s) { said << s; });
        if (r.select) page.soundButtons->setCurrentItem(page.soundButtons->Button(1, 1));
        QTest::mouseClick(page.testSound, Qt::LeftButton);
        // The opening's completion runs from the event loop; what Test says comes with it.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !said.isEmpty(); }, 5000));
        EXPECT_EQ(player.calls, r.calls);
        EXPECT_EQ(said, QStringList{r.said});
        if (!r.hasChime) QFile::rename(chime + ".away", chime);
    }
    files::SetProgramDirectory({});
}

// The chime the build made: a 16-bit mono PCM WAV of 0.5 to 3 s, loud, never clipping, and
// starting and ending at silence (no click).
TEST(Chime, TheBuiltChimeIsAShortCleanSound) {
    QFile f(qEnvironmentVariable("HELIODEX_BINARY_DIR") + "/share/heliodex/" + kChimeFileName);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    const QByteArray b = f.readAll();
    const auto at = [&](int i) { return qint16(quint8(b[i]) | quint8(b[i + 1]) << 8); };
    ASSERT_GT(b.size(), 44);
    EXPECT_EQ(b.left(4) + b.mid(8, 8) + b.mid(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(QList<int>({at(20), at(22), at(34)}), QList<int>({1, 1, 16}));
    const int rate = quint16(at(24)), count = (b.size() - 44) / 2;
    EXPECT_TRUE(count >= rate / 2 && count <= rate * 3) << count;
    int peak = 0;
    for (int i = 0; i < count; ++i) peak = std::max(peak, std::abs(int(at(44 + 2 * i))));
    EXPECT_TRUE(peak > 8000 && peak < 32000) << peak;
    EXPECT_LT(std::abs(at(44)) + std::abs(at(b.size() - 2)), 200);
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
    test::Settle();
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
    test::Settle();
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
