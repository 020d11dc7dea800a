// The locale entry in the window: start without a site, Done, the re-read rules, the report.
#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "locale/site_fields.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::WindowTest;

// Without a site the report waits: a later start shows the Locale page; a first start that
// found no city for the machine's zone (UTC) shows the Look up page with a hint on what to
// type, and looks up nothing (the sample postal code is not tried).
TEST_F(WindowTest, WithoutASiteTheLocaleOrOnAFirstStartTheLookUpPageIsInFront) {
    for (const bool first : {false, true}) {
        SCOPED_TRACE(first ? "first start" : "later start");
        if (!first) files::WriteLines(dir.filePath("heliodex.ini"), {"[Menu]"});
        Open();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));
        EXPECT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(),
                  first ? "TabSheet5" : "TabSheet2");
        EXPECT_FALSE(form->ClockTimerEnabled());
        EXPECT_EQ(form->options().Checked("Clockon1"), first);
        EXPECT_EQ(calls->count, 0);
        EXPECT_EQ(form->StatusText(1), QStringLiteral("no site yet"));
        EXPECT_TRUE(Get<QPlainTextEdit>("outfld")->toPlainText().isEmpty());
        auto* query = Get<QLineEdit>("Edit11");
        EXPECT_EQ(query->text().isEmpty(), first);
        const QString hint = query->placeholderText();
        EXPECT_EQ(hint.isEmpty(), !first);
        if (first) {
            EXPECT_EQ(Get<QTextBrowser>("WebBrowser2")->toPlainText(), hint);
            EXPECT_FALSE(hint.contains(u'\n'));
            EXPECT_TRUE(Get<QLabel>("statusPending")->text().isEmpty());  // no postal code
        }
        form.reset();
        QFile::remove(dir.filePath("heliodex.ini"));
    }
}

// A first start runs the clock, checked; the Locale page pauses it, and leaving the page by
// Done or by a tab reads the site again and runs the clock again, as the check mark says.
TEST_F(WindowTest, AFirstStartRunsTheClockAndLeavingLocaleResumesIt) {
    machineZone = "America/Chicago";
    const struct {
        const char* name;
        std::function<void()> leave;
    } ways[] = {
        {"Done", [this] { Get<QPushButton>("doneButton")->click(); }},
        {"the Main tab", [this] { Get<QTabWidget>("pages")->setCurrentIndex(0); }},
        {"the Log tab",
         [this] {
             auto* pages = Get<QTabWidget>("pages");
             pages->setCurrentWidget(pages->findChild<QWidget*>("TabSheet7"));
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        Open();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));
        EXPECT_TRUE(form->options().Checked("Clockon1"));
        EXPECT_TRUE(Get<QTimer>("clockTimer")->isActive());
        Click("Locale1");
        EXPECT_FALSE(Get<QTimer>("clockTimer")->isActive());
        Type("Edit2", "42");
        way.leave();
        EXPECT_NE(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet2");
        EXPECT_TRUE(Get<QTimer>("clockTimer")->isActive());
        EXPECT_NEAR(calls->obs.Latitude, 42.85, 1e-9);  // the report has the edited site

        Click("Clockon1");  // off: leaving the page again keeps it off
        Click("Locale1");
        way.leave();
        EXPECT_FALSE(Get<QTimer>("clockTimer")->isActive());
        EXPECT_FALSE(form->options().Checked("Clockon1"));
        form.reset();
        QFile::remove(dir.filePath("heliodex.ini"));
    }
}

// A first start (no heliodex.ini) offers the city of the machine's zone: the first report is
// its, nothing is said; a later start keeps what was saved.
TEST_F(WindowTest, FirstStartOffersTheCityOfTheMachinesZone) {
    machineZone = "America/Chicago";
    Open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));
    const QString chicago = "Chicago, Illinois, United States of America";
    EXPECT_EQ(Get<QLineEdit>("Edit11")->text(), chicago);
    QStringList fields;
    for (const char* name : {"Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
        fields << Get<QLineEdit>(name)->text();
    EXPECT_EQ(fields, QStringList({"41", "85", "87", "65", "-6"}));
    EXPECT_EQ(form->observer().Zone, "America/Chicago");
    ASSERT_GE(calls->count, 1);
    EXPECT_NEAR(calls->obs.Latitude, 41.85, 1e-9);
    EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
    EXPECT_TRUE(Get<QLabel>("statusPending")->text().isEmpty());
    EXPECT_TRUE(Get<QLabel>("statusMessage")->text().contains(chicago));
    // A time zone typed over the zone's makes the site manual, with the typed hours at once.
    auto* timeZone = Get<QLineEdit>("Edit6");
    timeZone->selectAll();
    QTest::keyClicks(timeZone, "5");
    EXPECT_EQ(form->observer().Zone, "");
    EXPECT_EQ(form->observer().TimeZone, 5);

    form.reset();
    machineZone = "Asia/Kathmandu";
    Open();
    EXPECT_EQ(Get<QLineEdit>("Edit2")->text(), "41");
}

// The gazetteer loads beside the window: a first start shows the window without a site, the
// event loop runs while the load goes on, and the city and the report come when it ends.
TEST_F(WindowTest, AFirstStartDoesNotWaitForTheGazetteer) {
    machineZone = "America/Chicago";
    std::optional<Job<>> load;
    ui::WindowServices s = Services();
    s.whenCitiesLoaded = [&](QObject* context, std::function<void()> ready) {
        auto [job, handle] = Job<>::Start(context, [ready](const JobResult<>& r) {
            if (r.done()) ready();
        });
        load = job;
        return handle;
    };
    form = std::make_unique<ui::MainWindow>(s);
    ASSERT_TRUE(load);
    bool ticked = false;
    QTimer::singleShot(0, form.get(), [&] { ticked = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticked; }, 2000));
    EXPECT_FALSE(form->JobsIdle());
    EXPECT_TRUE(Get<QLineEdit>("Edit2")->text().isEmpty());
    EXPECT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet2");
    EXPECT_EQ(calls->count, 0);

    load->Done();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 20000));
    EXPECT_EQ(Get<QLineEdit>("Edit11")->text(), "Chicago, Illinois, United States of America");
    EXPECT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet1");
    ASSERT_GE(calls->count, 1);
    EXPECT_NEAR(calls->obs.Latitude, 41.85, 1e-9);
}

TEST_F(WindowTest, DoneWithASiteShowsTheReport) {
    Open();
    EnterMinneapolis();
    Type("Edit7", "1013");
    Type("Edit8", "70");
    Type("Edit9", "256");
    EXPECT_EQ(form->StatusText(1),
              QString::fromUtf8("44.58°N 93.16°W TZ -6 1013 mbar 70°F 256 m.s.l."));
    calls->result.logLines = {"Event >> Saturday 20:57 Sun Set"};
    calls->result.tray = {TrayChoice::List::Planets, 6, "Planetary hour of Saturn "};
    for (int i = 0; i < 80; ++i) calls->result.lines << QStringLiteral("line %1").arg(i);
    Get<QPushButton>("doneButton")->click();

    EXPECT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet1");
    ASSERT_EQ(calls->count, 1);
    EXPECT_NEAR(calls->obs.Latitude, 44.58, 1e-9);
    EXPECT_NEAR(calls->obs.Longitude, -93.16, 1e-9);
    EXPECT_EQ(calls->obs.TimeZone, -6);
    EXPECT_NEAR(calls->obs.Temperature, 21.1111, 1e-4);
    EXPECT_EQ(calls->headerWritten, calls->result.headerLines);
    auto* reportView = Get<QPlainTextEdit>("outfld");
    EXPECT_EQ(reportView->toPlainText(), calls->result.lines.join('\n'));
    EXPECT_EQ(reportView->verticalScrollBar()->value(), 0);  // the top line is shown
    EXPECT_EQ(Get<QPlainTextEdit>("log")->toPlainText(),
              "Events at 44.58, -93.16 (times in UTC-6)\nEvent >> Saturday 20:57 Sun Set");
    EXPECT_EQ(form->TrayText(), calls->result.trayText);
    EXPECT_EQ(form->TrayIconChoice().list, TrayChoice::List::Planets);
}

TEST_F(WindowTest, HeaderFileFailureIsShownAndTheReportStays) {
    Open();
    EnterMinneapolis();
    calls->headerError = "Cannot create file \"/ro/td.txt\". Permission denied";
    Get<QPushButton>("doneButton")->click();
    EXPECT_EQ(ui::MessageBox::Shown(), QStringList({*calls->headerError}));
    EXPECT_EQ(Get<QPlainTextEdit>("outfld")->toPlainText(), calls->result.lines.join('\n'));
    EXPECT_EQ(form->TrayText(), calls->result.trayText);
}

TEST_F(WindowTest, DoneCheckSwitchesToDecimalsAndReReads) {
    struct Row {
        const char* latMinutes;
        const char* lonMinutes;
        bool warns;
        double latitude;
    };
    const Row rows[] = {{"58", "16", false, 44 + 58 / 60.0},
                        {"980", "16", true, 44.98},
                        {"58", "123", true, 44.58},
                        {"12 ", "16", true, 44.12}};
    for (const Row& r : rows) {
        Open();
        ui::MessageBox::ClearShown();
        Get<QRadioButton>("RadioGroup1Item0")->setChecked(true);
        EnterMinneapolis();
        Type("Edit3", r.latMinutes);
        Type("Edit5", r.lonMinutes);
        Get<QPushButton>("doneButton")->click();
        EXPECT_EQ(ui::MessageBox::Shown().size(), r.warns ? 1 : 0) << r.latMinutes;
        if (r.warns) {
            EXPECT_EQ(ui::MessageBox::Shown().value(0), kMinutesWarning);
        }
        EXPECT_EQ(Get<QRadioButton>("RadioGroup1Item1")->isChecked(), r.warns);
        EXPECT_NEAR(calls->obs.Latitude, r.latitude, 1e-9) << r.latMinutes;
    }
}

TEST_F(WindowTest, ReReadOnlyOnLeavingOrRealChange) {
    Open();
    EnterMinneapolis();
    const double latitude = form->observer().Latitude;
    auto* north = Get<QCheckBox>("CheckBox1");
    Get<QLineEdit>("Edit2")->setText("50");  // typed, the focus still inside
    EXPECT_EQ(form->observer().Latitude, latitude);
    north->setChecked(true);  // already checked: nothing is re-read
    EXPECT_EQ(form->observer().Latitude, latitude);
    north->setChecked(false);  // a real change re-reads every field
    EXPECT_NEAR(form->observer().Latitude, -50.58, 1e-9);
    Type("Edit6", "-5.5");
    EXPECT_EQ(form->observer().TimeZone, -5.5);
}
