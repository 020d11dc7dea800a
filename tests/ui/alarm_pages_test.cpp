// The Alarms and Sounds pages, offscreen, with a recording player and a scripted file dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "tests/support/recording_player.h"
#include "ui/alarm_pages.h"
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
