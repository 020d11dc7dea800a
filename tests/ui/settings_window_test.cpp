// Start-up from heliodex.ini: design states without it, a prepared file restored, errors shown.
#include <QDateEdit>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>

#include "cli/run.h"
#include "core/zone.h"
#include "report/clock.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::WindowTest;

namespace {
void WriteIni(const QString& dir, const QStringList& lines) {
    QFile f(dir + "/heliodex.ini");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(lines.join("\r\n").toUtf8() + "\r\n");
}
const QStringList kMinneapolis = {
    "[Locale]",   "Edit11=55414", "Edit3=58",   "Edit2=44",    "CheckBox1=1", "CheckBox2=1",
    "Edit5=16",   "Edit4=93",     "Edit6=-6",   "CheckBox3=1", "Edit12=9",    "Edit7=1013",
    "Edit9=256",  "Edit8=70",     "Edit10=",    "[Menu]",      "Long1=1",     "Short1=1",
    "Clockon1=1", "Moonphase1=0", "Copy1=0x10", "N11=abc",     "Disabled1=1"};
}  // namespace

TEST_F(WindowTest, WithoutSettingsEverythingHasItsDesignState) {
    Open();
    // All but "Clock on": a first start runs the clock.
    for (const MenuItemDef& d : MenuItems())
        EXPECT_EQ(form->options().Checked(d.name), d.checked || d.name == QString("Clockon1"))
            << d.name;
    EXPECT_EQ(Get<QLineEdit>("Edit12")->text(), "10");
    EXPECT_EQ(form->ClockTimerInterval(), 10000u);
    EXPECT_FALSE(Get<QCheckBox>("CheckBox3")->isChecked());
    EXPECT_FALSE(QFile::exists(dir.filePath("heliodex.ini")));  // restoring writes nothing
}

TEST_F(WindowTest, PreparedSettingsAreRestored) {
    WriteIni(dir.path(), kMinneapolis);
    Open();
    // Menus: of two radio items of one group the later wins; 0x10 is true; abc keeps the mark.
    EXPECT_TRUE(form->Action("Short1")->isChecked());
    EXPECT_FALSE(form->Action("Long1")->isChecked());
    EXPECT_TRUE(form->Action("Copy1")->isChecked());
    EXPECT_TRUE(form->Action("N11")->isChecked());
    EXPECT_TRUE(form->Action("Clockon1")->isChecked());
    // Fields and boxes, an empty saved text included.
    EXPECT_EQ(Get<QLineEdit>("Edit11")->text(), "55414");
    EXPECT_EQ(Get<QLineEdit>("Edit10")->text(), "");
    EXPECT_TRUE(Get<QCheckBox>("CheckBox3")->isChecked());
    EXPECT_EQ(form->StatusText(1),
              QString::fromUtf8("44.58°N 93.16°W TZ -6 1013 mbar 70°F 256 m.s.l."));

    // The rest of the start-up follows from them: picture hidden, clock on at 9 s, a report.
    EXPECT_EQ(Get<QFrame>("topStrip")->height(), 28);
    EXPECT_TRUE(form->ClockTimerEnabled());
    EXPECT_EQ(form->ClockTimerInterval(), 9000u);
    EXPECT_TRUE(Get<QTimer>("refreshTimer")->isActive());
    EXPECT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet1");
    ASSERT_EQ(calls->count, 1);
    EXPECT_EQ(calls->obs.DaylightTime, 1);
    // The site keeps daylight time: its present is an hour ahead of the machine's clock.
    const Moment reading = ReadingOfUtc(calls->obs, calls->q);
    EXPECT_NEAR(reading, EncodeDateTime(2024, 6, 15, 16, 45, 10), 1e-9);
    EXPECT_TRUE(calls->options.Checked("Short1"));
    EXPECT_EQ(form->StatusText(0), StatusTimeText(reading, 9000));
    EXPECT_EQ(Get<QPlainTextEdit>("outfld")->toPlainText(), calls->result.lines.join('\n'));
}

TEST_F(WindowTest, AnErrorEndsTheStartUpWithItsMessage) {
    WriteIni(dir.path(), kMinneapolis);
    calls->throwMessage = "Cannot open file \"alarmlist.txt\"";
    Open();
    EXPECT_EQ(ui::MessageBox::Shown(), QStringList({calls->throwMessage}));
    EXPECT_TRUE(form->StatusText(0).isEmpty());  // the Now command stopped at the report
    EXPECT_TRUE(form->isEnabled());
}

// The same heliodex.ini, weather fields empty, at 2850 m: the window and the command line
// compute the same air and the same events, to the second.
TEST_F(WindowTest, TheWindowAndTheCommandLineAgreeOnOneFile) {
    QStringList ini = kMinneapolis;
    for (QString& l : ini) {
        if (l.startsWith("Edit7=")) l = "Edit7=";
        if (l.startsWith("Edit8=")) l = "Edit8=";
        if (l.startsWith("Edit9=")) l = "Edit9=2850";
    }
    WriteIni(dir.path(), ini);
    ui::WindowServices s = RealServices();
    struct Seen {
        EventList events;
        Moment q = 0;
    };
    const auto seen = std::make_shared<Seen>();  // outlives the test body with the window
    s.compose = [seen, real = s.compose](Moment qUtc, const Observer& obs, const OptionsModel& o,
                                         SkyEventState& events, Moment present,
                                         const ReportStyle& style) {
        ReportResult r = real(qUtc, obs, o, events, present, style);
        seen->events = events.computed;
        seen->q = ReadingOfUtc(obs, qUtc);
        return r;
    };
    form = std::make_unique<ui::MainWindow>(std::move(s));
    const EventList& windowEvents = seen->events;
    const Moment q = seen->q;
    ASSERT_EQ(windowEvents.size(), 40u);
    EXPECT_NEAR(form->observer().Pressure, 714.6, 0.1);
    EXPECT_EQ(form->observer().Temperature, 10);
    const cli::Outcome o =
        cli::Run({"--ini", dir.filePath("heliodex.ini"), "--at",
                  ToQDateTime(q).toString("yyyy-MM-dd HH:mm:ss"), "events", "--format", "json"},
                 NowUtc());
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    const QJsonObject doc = QJsonDocument::fromJson(o.out.toUtf8()).object();
    EXPECT_EQ(doc["site"].toObject()["pressure_source"].toString(), "standard");
    EXPECT_EQ(doc["site"].toObject()["temperature_source"].toString(), "standard");
    const QJsonArray events = doc["events"].toArray();
    ASSERT_EQ(events.size(), 40);
    for (qsizetype i = 0; i < events.size(); ++i) {
        const QDateTime cli =
            QDateTime::fromString(events[i].toObject()["time"].toString(), Qt::ISODate);
        QDateTime window = ToQDateTime(windowEvents[size_t(i)].Time);  // to the second
        window = window.addMSecs(-window.time().msec());
        EXPECT_EQ(cli.toUTC(), window) << i;
    }
}
