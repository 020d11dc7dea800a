// The clock in the window: Now, clockTimer and its resolution, the switch, the day spinner.
#include <QDateEdit>
#include <QTabWidget>
#include <QTimer>

#include "core/zone.h"
#include "report/clock.h"
#include "ui/day_spinner.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::WindowTest;

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
}

class ClockWindowTest : public WindowTest {
  protected:
    void OpenWithSite() {
        WriteClockOff();
        Open();
        EnterMinneapolis();
        Get<QPushButton>("doneButton")->click();
    }
};

TEST_F(ClockWindowTest, SwitchOnShowsItsMessageOnceAndRunsNow) {
    OpenWithSite();
    const int before = calls->count;
    ui::MessageBox::ClearShown();
    Click("Clockon1");
    EXPECT_TRUE(form->options().Checked("Clockon1"));
    EXPECT_EQ(ui::MessageBox::Shown(), QStringList({kClockOnMessage}));
    EXPECT_TRUE(form->ClockTimerEnabled());
    EXPECT_TRUE(Get<QTimer>("clockTimer")->isActive());
    EXPECT_EQ(calls->count, before + 1);
    const Moment now = EncodeDateTime(2024, 6, 15, 15, 45, 10);
    EXPECT_EQ(form->StatusText(0), StatusTimeText(now, 10000));
    EXPECT_NEAR(ReadingOfUtc(calls->obs, calls->q), now, 1e-9);

    Click("Clockon1");  // off: no message, the clock stops
    EXPECT_EQ(ui::MessageBox::Shown().size(), 1);
    EXPECT_FALSE(form->ClockTimerEnabled());
}

// A clock read twice in one tick would show the report, the status bar and the alarms
// different instants; this clock moves a second at each read.
TEST_F(ClockWindowTest, ATickReadsThePresentOnce) {
    OpenWithSite();
    Click("Clockon1");
    int reads = 0;
    SetClock([&reads] {
        return QDateTime(QDate(2024, 6, 15), QTime(20, 45, 10), Qt::UTC).addSecs(++reads);
    });
    form->onClockTick();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(form->StatusText(0), StatusTimeText(ReadingOfUtc(calls->obs, calls->q), 10000));
}

TEST_F(ClockWindowTest, ResolutionDecidesSecondsAndTicks) {
    OpenWithSite();
    Click("Clockon1");
    auto* resolution = Get<QLineEdit>("Edit12");
    resolution->setText("9");
    EXPECT_EQ(form->ClockTimerInterval(), 9000u);
    Click("Now1");
    EXPECT_TRUE(form->StatusText(0).contains(":10")) << form->StatusText(0).toStdString();
    resolution->setText("10");
    Click("Now1");
    EXPECT_FALSE(form->StatusText(0).contains(":10")) << form->StatusText(0).toStdString();

    resolution->setText("0");  // enabled, yet it never ticks; Now by hand still shows the time
    EXPECT_TRUE(form->ClockTimerEnabled());
    EXPECT_FALSE(Get<QTimer>("clockTimer")->isActive());
    form->findChild<QLabel*>("statusPanel0")->clear();
    Click("Now1");
    EXPECT_FALSE(form->StatusText(0).isEmpty());

    ui::MessageBox::ClearShown();
    resolution->setText("");  // emptied: the old interval stays, and the box says why
    EXPECT_EQ(form->ClockTimerInterval(), 0u);
    EXPECT_EQ(ui::MessageBox::Shown(), QStringList{"'''' is not a valid integer value"});
}

TEST_F(ClockWindowTest, NowWithClockOffLeavesTheStatusTime) {
    OpenWithSite();
    Click("Now1");
    EXPECT_TRUE(form->StatusText(0).isEmpty());
}

TEST_F(ClockWindowTest, LocaleStopsAndDoneRestartsAsClockOnSays) {
    OpenWithSite();
    Click("Clockon1");
    Click("Locale1");
    auto* pages = Get<QTabWidget>("pages");
    EXPECT_EQ(pages->currentWidget()->objectName(), "TabSheet2");
    EXPECT_FALSE(form->ClockTimerEnabled());
    EXPECT_TRUE(form->options().Checked("Clockon1"));
    Get<QPushButton>("doneButton")->click();
    EXPECT_EQ(pages->currentWidget()->objectName(), "TabSheet1");
    EXPECT_TRUE(form->ClockTimerEnabled());

    Click("Clockon1");
    Click("Locale1");
    Get<QPushButton>("doneButton")->click();
    EXPECT_FALSE(form->ClockTimerEnabled());
}

TEST_F(ClockWindowTest, DaySpinnerRefusesBeforeTheEraAndWraps) {
    OpenWithSite();
    auto* date = Get<QDateEdit>("DateTimePicker1");
    auto* spinner = Get<ui::DaySpinner>("daySpinner");
    date->setDate(QDate(1904, 3, 20));
    const int reports = calls->count;
    ui::MessageBox::ClearShown();
    spinner->stepBy(-1);
    EXPECT_EQ(ui::MessageBox::Shown(), QStringList({kCalendarRefusal}));
    EXPECT_EQ(date->date(), QDate(1904, 3, 20));
    EXPECT_EQ(calls->count, reports);

    spinner->setValue(9999);
    spinner->stepBy(1);  // the position wraps to -9999; the date still moves forward
    EXPECT_EQ(spinner->value(), -9999);
    EXPECT_EQ(date->date(), QDate(1904, 3, 21));
    EXPECT_EQ(calls->count, reports + 1);
    EXPECT_NEAR(ReadingOfUtc(calls->obs, calls->q), EncodeDateTime(1904, 3, 21, 15, 45, 10), 1e-9);
}

TEST_F(ClockWindowTest, AnErrorInAHandlerIsShownAndTheWindowGoesOn) {
    OpenWithSite();
    calls->throwMessage = "Cannot open the sound file";
    ui::MessageBox::ClearShown();
    Click("Now1");
    EXPECT_EQ(ui::MessageBox::Shown(), QStringList({"Cannot open the sound file"}));
    calls->throwMessage.clear();
    Click("Now1");
    EXPECT_EQ(ui::MessageBox::Shown().size(), 1);
}

// The clock's error box is one at a time: ticks while it is open go on, with no second box;
// once it is closed the next error is shown again.
TEST_F(ClockWindowTest, TheClockShowsOneErrorBoxAtATime) {
    OpenWithSite();
    ui::MessageBox::SetScripted(false);
    const int reports = calls->count;
    for (const char* error : {"Cannot open the sound file", "", "Cannot open it again"}) {
        calls->throwMessage = error;
        form->onClockTick();
    }
    EXPECT_EQ(calls->count, reports + 1);  // the tick without an error
    ASSERT_EQ(OpenBoxes().size(), 1);
    OpenBoxes()[0]->button(QMessageBox::Ok)->click();
    form->onClockTick();
    ASSERT_EQ(OpenBoxes().size(), 1);
    EXPECT_EQ(OpenBoxes()[0]->text(), "Cannot open it again");
}
