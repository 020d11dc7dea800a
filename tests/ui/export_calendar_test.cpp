// File → Export Calendar…: the window writes what the calendar library computes.
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QSpinBox>
#include <QTest>

#include "calendar/icalendar.h"
#include "calendar/sky_calendar.h"
#include "tests/ui/window_fixture.h"
#include "ui/export_calendar_dialog.h"

using namespace hx;
using namespace hx::test;

class ExportCalendarTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ui::ExportCalendarDialog::SetScripted(true);
    }
    void TearDown() override {
        ui::ExportCalendarDialog::SetScripted(false);
        WindowTest::TearDown();
    }
};

TEST_F(ExportCalendarTest, WritesTheChosenDaysThroughTheCalendarLibrary) {
    Open();
    EnterMinneapolis();
    Get<QPushButton>("doneButton")->click();
    const QString file = dir.filePath("sky.ics");
    ui::ExportCalendarDialog::SetNextChoice(ui::ExportChoice{3, true, false, file});
    Click("ExportCalendar1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(file); }, 20000));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray ics = f.readAll();
    const cal::CalendarDay days =
        cal::ComputeDays(EncodeDateTime(2024, 6, 15), 3, form->observer(), true, false);
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), qsizetype(days.events.size()));
    EXPECT_FALSE(ics.contains("Hour of"));
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return Get<QLabel>("statusMessage")->text() ==
               QStringLiteral("Calendar written to %1: %2 events.")
                   .arg(file)
                   .arg(days.events.size());
    })) << Get<QLabel>("statusMessage")->text().toStdString();
    // The progress dialog is gone once the file is written.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->findChild<QProgressDialog*>(); }));
}

TEST_F(ExportCalendarTest, AFileThatCannotBeWrittenIsNamedAndNothingElseHappens) {
    Open();
    EnterMinneapolis();
    Get<QPushButton>("doneButton")->click();
    const QString file = dir.filePath("no-such-folder/sky.ics");
    ui::ExportCalendarDialog::SetNextChoice(ui::ExportChoice{1, false, true, file});
    Click("ExportCalendar1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ui::MessageBox::Shown().isEmpty(); }, 20000));
    EXPECT_TRUE(ui::MessageBox::Shown().first().contains(file));
    // Without a site there is nothing to compute.
    ui::MessageBox::ClearShown();
    Type("Edit2", "0");
    Type("Edit3", "0");
    Type("Edit4", "0");
    Type("Edit5", "0");
    Get<QPushButton>("doneButton")->click();
    ui::ExportCalendarDialog::SetNextChoice(ui::ExportChoice{1, true, true, dir.filePath("x.ics")});
    Click("ExportCalendar1");
    ASSERT_EQ(ui::MessageBox::Shown().size(), 1);
    EXPECT_TRUE(ui::MessageBox::Shown().first().contains("site"));
    EXPECT_FALSE(QFile::exists(dir.filePath("x.ics")));
}

TEST(ExportCalendarDialog, GathersTheDaysTheChoicesAndTheFile) {
    QWidget parent;
    std::optional<ui::ExportChoice> got;
    ui::ExportCalendarDialog::Ask(&parent, [&](const ui::ExportChoice& c) { got = c; });
    auto* d = parent.findChild<QDialog*>("ExportCalendarDialog");
    ASSERT_NE(d, nullptr);
    auto boxes = d->findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 3);  // events, hours, the sky items
    QPushButton* ok = d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    for (QCheckBox* box : boxes) box->setChecked(false);
    EXPECT_FALSE(ok->isEnabled());  // nothing to include
    boxes[2]->setChecked(true);
    EXPECT_TRUE(ok->isEnabled());  // the sky items alone are something
    boxes[2]->setChecked(false);
    boxes[1]->setChecked(true);
    d->findChild<QSpinBox*>()->setValue(400);  // held to a year and a day
    d->findChild<QLineEdit*>()->setText(" /tmp/hours.ics ");
    ok->click();
    ASSERT_TRUE(got);
    EXPECT_EQ(got->days, 366);
    EXPECT_FALSE(got->events);
    EXPECT_TRUE(got->hours);
    EXPECT_FALSE(got->sky);
    EXPECT_EQ(got->fileName, "/tmp/hours.ics");
}
