// The window with the real report: the first line is heliodex-cli's date line.
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTextDocument>

#include "cli/run.h"
#include "core/format.h"
#include "report/report.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::WindowTest;

class RealReportTest : public WindowTest {
  protected:
    void OpenReal() {
        ui::WindowServices s = ui::DefaultWindowServices();
        s.machineZone = Services().machineZone;  // no city offered, whatever TZ says
        form = std::make_unique<ui::MainWindow>(std::move(s));
    }
};

TEST_F(RealReportTest, DoneShowsTheDateLineOfTheCommandLine) {
    OpenReal();
    EXPECT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet2");
    EnterMinneapolis();
    Get<QPushButton>("doneButton")->click();
    ASSERT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet1");

    const Moment q = EncodeDateTime(2024, 6, 15, 15, 45, 10);
    const cli::Outcome cliLine = cli::Run({"--at", "2024-06-15 15:45:10", "--lat", "44.58", "--lon",
                                           "-93.16", "--tz", "-6", "--dst", "0", "thelemic"},
                                          q);
    ASSERT_EQ(cliLine.status, 0) << cliLine.err.toStdString();
    const QString thelemic = ThinSpaces(cliLine.out.trimmed() + ' ');
    const QString first = Get<QPlainTextEdit>("outfld")->toPlainText().section('\n', 0, 0);
    EXPECT_TRUE(first.startsWith(thelemic)) << first.toStdString();
    EXPECT_EQ(first.mid(thelemic.size()), ThinSpaces(QStringLiteral("Dies Saturnii ") +
                                                     FormatDateTime("dddddd \"e.v. \"tt", q)))
        << first.toStdString();
    EXPECT_TRUE(first.contains("e.v."));

    // td.txt holds the header line; the tray text the same with CR LF.
    QFile td(dir.filePath("td.txt"));
    ASSERT_TRUE(td.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(td.readAll()), first + "\r\n");
    EXPECT_TRUE(form->TrayText().startsWith(first + "\r\n"));
    EXPECT_TRUE(Get<QPlainTextEdit>("log")->toPlainText().section('\n', 1).startsWith("Event >> "));

    // The Sky page and the countdown agree with the command line's sky for the same moment.
    const cli::Outcome sky = cli::Run({"--at", "2024-06-15 15:45:10", "--lat", "44.58", "--lon",
                                       "-93.16", "--tz", "-6", "--dst", "0", "sky"},
                                      q);
    ASSERT_EQ(sky.status, 0) << sky.err.toStdString();
    const QString page = Get<QPlainTextEdit>("skyView")->toPlainText();
    for (const char* event : {"Civil dawn", "Sunset", "Astronomical dusk"}) {
        const QString line = sky.out.split('\n').filter(QLatin1String(event)).value(0);
        const QTime at = QTime::fromString(line.mid(11, 8), u"HH:mm:ss");
        ASSERT_TRUE(at.isValid()) << line.toStdString();
        const QString shown = QLocale().toString(at, QLocale::ShortFormat);
        EXPECT_TRUE(page.split('\n').filter(QLatin1String(event)).value(0).contains(shown))
            << event << " " << shown.toStdString() << "\n"
            << page.toStdString();
    }
    EXPECT_TRUE(form->StatusText(2).startsWith("Sunset in 4 h 15 min"))
        << form->StatusText(2).toStdString();
    EXPECT_TRUE(Get<QSystemTrayIcon>("TrayIcon1")->toolTip().endsWith("\nSunset in 4 h 15 min"));
    EXPECT_EQ(Get<QLabel>("statusMessage")->text(), form->StatusText(2));  // between messages
}

// The machine in Chicago, the site moved from Minneapolis to Tokyo within the day: the report,
// its events and hours are Tokyo's at Tokyo's present, as heliodex-cli gives them.
TEST_F(RealReportTest, AnotherSiteOnTheSameDayIsThatSitesReportAtItsPresent) {
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", "America/Chicago");
    tzset();
    OpenReal();
    EnterMinneapolis();
    Get<QPushButton>("doneButton")->click();
    Type("Edit2", "35");
    Type("Edit3", "41");
    Type("Edit4", "139");
    Type("Edit5", "41");
    Get<QCheckBox>("CheckBox2")->setChecked(false);
    Type("Edit6", "9");
    Get<QPushButton>("doneButton")->click();
    const QString at = CurrentDateTime().toUTC().addSecs(9 * 3600).toString(u"yyyy-MM-dd HH:mm:ss");
    qputenv("TZ", savedZone);
    tzset();
    ASSERT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet1");
    const cli::Outcome tokyo = cli::Run(
        {"--at", at, "--lat", "35.41", "--lon", "139.41", "--tz", "9", "--dst", "0", "report"}, 0);
    ASSERT_EQ(tokyo.status, 0) << tokyo.err.toStdString();
    EXPECT_EQ(Get<QPlainTextEdit>("outfld")->toPlainText() + '\n', tokyo.out);
    EXPECT_TRUE(tokyo.out.contains("Planetary Hour")) << tokyo.out.toStdString();

    // A latitude beyond the pole is refused at Done; the report stays as it was.
    Click("Locale1");
    Type("Edit2", "91");
    EXPECT_EQ(form->StatusText(1), "Latitude must lie between -90 and 90 degrees");
    Get<QPushButton>("doneButton")->click();
    EXPECT_EQ(ui::MessageBox::Shown().last(), "Latitude must lie between -90 and 90 degrees");
    EXPECT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet2");
}

// Reports after one another, each shown whole whatever changed from the one before (the view
// replaces only differing lines when it can); a failed td.txt still shows the report.
TEST_F(WindowTest, TheViewShowsEachReportWhole) {
    Open();
    EnterMinneapolis();
    auto* view = Get<QPlainTextEdit>("outfld");
    const QList<QStringList> reports = {
        {"An V x 10:00:01", "", "Sun Set 08:51 PM"},
        {"An V x 10:00:11", "", "Sun Set 08:51 PM"},
        {"An V x 10:00:11", "", "Sun Rise 05:27 AM"},
        {"An V x 10:00:21"},
        {"An V x", "two", "", "four"},
        {"one\ntwo", "three"},
        {"", "", ""},
        {"An V x 10:00:31", "", "Sun Set 08:51 PM"},
    };
    for (const QStringList& lines : reports) {
        calls->result.lines = lines;
        form->onNowClicked();
        EXPECT_EQ(view->toPlainText(), lines.join('\n'));
        EXPECT_EQ(view->textCursor().position(), 0);
        EXPECT_FALSE(view->document()->isUndoAvailable());  // no history grows tick by tick
    }
    calls->headerError = "Cannot create file \"td.txt\". Permission denied";
    form->onNowClicked();
    EXPECT_EQ(view->toPlainText(), reports.back().join('\n'));
}
