// The Alarms and Sounds pages, offscreen, with a recording player and a scripted file dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "core/error.h"
#include "ui/alarm_pages.h"
#include "ui/message_box.h"

using namespace hx;
using namespace hx::ui;

namespace {

class FakeControls : public alarms::MediaControls {
  public:
    void Close() override { calls << "close"; }
    void SetFileName(const QString& p) override {
        name = p;
        calls << "set " + p;
    }
    QString FileName() const override { return name; }
    void Open() override {
        calls << "open";
        if (!openError.isEmpty()) throw Error(openError);
    }
    void Play() override { calls << "Play"; }
    void Pause() override { calls << "Pause"; }
    void Stop() override { calls << "Stop"; }
    void Step() override { calls << "Step"; }
    void Back() override { calls << "Back"; }

    QString name, openError;
    QStringList calls;
};

void ClickItem(QTreeWidget* tree, QTreeWidgetItem* item) {
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
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
        OpenFileDialog::SetNextFileNames({});
    }
    QString MakeFile(const char* name) {
        QFile f(dir_.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return f.fileName();
    }

    QTemporaryDir dir_;
    alarms::AlarmTables tables_;
    FakeControls player_;
};

TEST_F(AlarmPagesTest, CategoriesAndButtonsInBodyAndEventOrder) {
    AlarmsPage alarmsPage(tables_);
    SoundsPage soundsPage(tables_, player_);
    for (CategoryButtons* cb : {alarmsPage.CategoryButtons1, soundsPage.CategoryButtons2}) {
        ASSERT_EQ(cb->topLevelItemCount(), 7);
        for (int c = 0; c < 7; ++c) {
            EXPECT_EQ(cb->topLevelItem(c)->text(0), BodyNames[c]);
            EXPECT_EQ(cb->topLevelItem(c)->isExpanded(), c == 0);
            ASSERT_EQ(cb->topLevelItem(c)->childCount(), 4);
            for (int i = 0; i < 4; ++i) EXPECT_EQ(cb->Button(c, i)->text(0), AlarmEventNames[i]);
        }
    }
    EXPECT_EQ(soundsPage.BitBtn1->text(), "MP3");
}

TEST_F(AlarmPagesTest, ClickTogglesTheSlotAndItsLamp) {
    AlarmsPage page(tables_);
    page.resize(300, 600);
    page.show();
    const QImage off = PlaceholderOnOffIcon(1).pixmap(16).toImage();
    const QImage on = PlaceholderOnOffIcon(0).pixmap(16).toImage();
    ASSERT_NE(on, off);

    page.CategoryButtons1->topLevelItem(2)->setExpanded(true);  // Mercury
    QTreeWidgetItem* mercurySet = page.CategoryButtons1->Button(2, 2);
    EXPECT_EQ(mercurySet->icon(0).pixmap(16).toImage(), off);
    ClickItem(page.CategoryButtons1, mercurySet);
    EXPECT_TRUE(tables_.IsOn(10));
    EXPECT_EQ(mercurySet->icon(0).pixmap(16).toImage(), on);
    ClickItem(page.CategoryButtons1, mercurySet);
    EXPECT_FALSE(tables_.IsOn(10));

    // A click on a category header opens it instead of toggling anything.
    ClickItem(page.CategoryButtons1, page.CategoryButtons1->topLevelItem(5));
    EXPECT_TRUE(page.CategoryButtons1->topLevelItem(5)->isExpanded());
    EXPECT_EQ(tables_.states, alarms::AlarmTables().states);
}

TEST_F(AlarmPagesTest, ChooseAssignAndClearSounds) {
    SoundsPage page(tables_, player_);
    const QString wav = MakeFile("my bell.wav");

    page.CategoryButtons2Categories0Items0Click(0, 1);  // nothing chosen yet: clears
    tables_.sounds[3] = "/old.wav";
    page.CategoryButtons2Categories0Items0Click(0, 3);
    EXPECT_EQ(tables_.sounds[3], "");

    OpenFileDialog::SetNextFileNames({wav});
    QTest::mouseClick(page.BitBtn1, Qt::LeftButton);
    ASSERT_EQ(OpenFileDialog::Requests().size(), 1);
    EXPECT_EQ(OpenFileDialog::Requests()[0].qtFilter, "Sound Files (*.mp3 *.wav)");
    EXPECT_EQ(OpenFileDialog::Requests()[0].directory, QDir::current().absoluteFilePath("sounds"));
    EXPECT_EQ(player_.calls, (QStringList{"set " + wav, "open"}));

    page.CategoryButtons2Categories0Items0Click(4, 2);
    EXPECT_EQ(tables_.sounds[alarms::SlotOf(4, 2)], wav);
    EXPECT_EQ(page.CategoryButtons2->Button(4, 2)->toolTip(0), wav);

    tables_.sounds[27] = "/loaded/path.mp3";
    page.Refresh();
    EXPECT_EQ(page.CategoryButtons2->Button(6, 3)->toolTip(0), "/loaded/path.mp3");
    EXPECT_TRUE(MessageBox::Shown().isEmpty());
}

TEST_F(AlarmPagesTest, ChoosingFailsWithAMessageAndTheProgramGoesOn) {
    SoundsPage page(tables_, player_);
    const QString junk = MakeFile("junk.wav");

    OpenFileDialog::SetNextFileNames({QString()});  // cancelled
    page.BitBtn1Click();
    OpenFileDialog::SetNextFileNames({dir_.filePath("gone.mp3")});
    page.BitBtn1Click();
    EXPECT_EQ(MessageBox::Shown(), QStringList{"File does not exist."});
    EXPECT_TRUE(player_.calls.isEmpty());

    player_.openError = "Cannot play junk";
    OpenFileDialog::SetNextFileNames({junk});
    page.BitBtn1Click();
    EXPECT_EQ(MessageBox::Shown().last(), "Cannot play junk");
    page.CategoryButtons2Categories0Items0Click(1, 0);  // the player kept the name
    EXPECT_EQ(tables_.sounds[4], junk);
}

TEST_F(AlarmPagesTest, PlayerStripButtonsReachThePlayer) {
    SoundsPage page(tables_, player_);
    const QStringList names = {"Play", "Pause", "Stop", "Step", "Back"};
    for (const QString& n : names) {
        QToolButton* b = page.MediaPlayer1->ButtonNamed(n);
        ASSERT_NE(b, nullptr) << n.toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
    }
    EXPECT_EQ(player_.calls, names);
}

}  // namespace
