// Alarms in the window: the tables at start-up and shutdown, and a Sun Rise alarm end to end.
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "alarms/alarm_tables.h"
#include "ui/icons.h"
#include "ui/open_file_dialog.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::WindowTest;

namespace {

QDateTime At(int h, int n, int s) {
    return QDateTime(QDate(2024, 6, 15), QTime(h, n, s), Qt::OffsetFromUTC, -6 * 3600);
}
void SetClockTo(const QDateTime& t) {
    SetClock([t] { return t; });
}

class AlarmWindowTest : public WindowTest {
  protected:
    // The window with a site, whose report finds the day's Sun Rise at 06:45:20.
    void OpenWithSunRise() {
        ui::ReportServices s = Services();
        s.compose = [inner = s.compose](Moment q, const Observer& o, const OptionsModel& opt,
                                        SkyEventState& ev, Moment present) {
            if (ev.events.empty()) ev.events = {{0, kRise, FromQDateTime(At(6, 45, 20))}};
            return inner(q, o, opt, ev, present);
        };
        form = std::make_unique<ui::TForm1>(std::move(s));
        EnterMinneapolis();
        Get<QPushButton>("Button4")->click();
        form->show();
    }
    void ClickButton(const char* list, int category, int item) {
        auto* tree = Get<QTreeWidget>(list);
        Get<QTabWidget>("PageControl1")->setCurrentWidget(tree->parentWidget());
        QTreeWidgetItem* it = tree->topLevelItem(category)->child(item);
        tree->scrollToItem(it);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(it).center());
    }
};

TEST_F(AlarmWindowTest, SunRiseAlarmFiresInItsMinuteAndTheTablesAreSaved) {
    QFile f(dir.filePath("bell.wav"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ui::OpenFileDialog::SetScripted(true);
    ui::OpenFileDialog::SetNextFileNames({f.fileName()});
    SetClockTo(At(6, 44, 10));
    OpenWithSunRise();
    Click("Clockon1");
    Get<QLineEdit>("Edit12")->setText("1");

    ClickButton("CategoryButtons1", 0, 0);  // Sun Rise on
    Get<QPushButton>("BitBtn1")->click();
    ClickButton("CategoryButtons2", 0, 0);  // and its sound
    SetClockTo(At(6, 45, 0));
    auto* log = Get<QPlainTextEdit>("log");
    EXPECT_TRUE(QTest::qWaitFor([&] { return log->toPlainText().contains("Sun Rise"); }, 5000));
    EXPECT_TRUE(log->toPlainText().endsWith("Sun Rise 06:45 AM"));
    EXPECT_EQ(player->calls, (QStringList{"set " + f.fileName(), "open", "close",
                                          "set " + f.fileName(), "open", "play"}));
    Click("Now1");  // the event has fired: no second line
    EXPECT_EQ(log->toPlainText().count("Sun Rise"), 1);
    EXPECT_EQ(ui::MessageBox::Shown().size(), 1);  // only the clock's notice
    ui::OpenFileDialog::SetScripted(false);

    form.reset();  // shutdown
    const QStringList states = *files::ReadLines(dir.filePath(alarms::kAlarmListFile));
    EXPECT_EQ(states.indexOf("0"), 0);
    EXPECT_EQ(files::ReadLines(dir.filePath(alarms::kAlarmSoundsFile))->value(0), f.fileName());
}

TEST_F(AlarmWindowTest, StartUpLoadsTheTablesAndABadLineDoesNotStopIt) {
    QStringList states(28, "1"), sounds(28, "");
    states[10] = "0";
    states[11] = "on";
    sounds[10] = "/my sounds/set.mp3";
    files::WriteLines(dir.filePath(alarms::kAlarmListFile), states);
    files::WriteLines(dir.filePath(alarms::kAlarmSoundsFile), sounds);
    Open();
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
    QTreeWidgetItem* mercurySet = Get<QTreeWidget>("CategoryButtons1")->topLevelItem(2)->child(2);
    EXPECT_EQ(mercurySet->icon(0).pixmap(16).toImage(), ui::OnOffIcon(0).pixmap(16).toImage());
    EXPECT_EQ(Get<QTreeWidget>("CategoryButtons2")->topLevelItem(2)->child(2)->toolTip(0),
              "/my sounds/set.mp3");
    // The sequence went on to its last step, Now, which set the pickers to the present.
    EXPECT_EQ(Get<QDateEdit>("DateTimePicker1")->date(), QDate(2024, 6, 15));
}

}  // namespace
