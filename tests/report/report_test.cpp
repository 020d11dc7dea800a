// The main report: header layouts, date and time parts, sections, tray text and td.txt.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/error.h"
#include "core/thelemic.h"
#include "core/zone.h"
#include "report/option_clicks.h"
#include "report/report.h"
#include "report/shutdown.h"
#include "report/td_file.h"

using namespace hx;

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

Observer Minneapolis() {
    Observer o;
    o.Latitude = 44.98;
    o.Longitude = -93.27;
    o.TimeZone = -6;
    o.DaylightTime = 1;
    o.Pressure = 1013;
    o.Temperature = 20;
    return o;
}

struct Fixture : ::testing::Test {
    Moment q = EncodeDateTime(2024, 6, 15, 15, 45, 10);
    Observer obs = Minneapolis();
    OptionsModel options;
    SkyEventState events;

    ReportResult Build(const QStringList& clicks = {}) {
        for (const QString& c : clicks) options.Invert(c);
        const Moment utc = UtcOfReading(obs, q);  // the pickers' reading
        return BuildReport(utc, obs, options, events, utc, kUs);
    }
    QString Thelemic() const {
        return ThinSpaces(ThelemicDateText(q, obs, ThelemicStyleOf(options)));
    }
};
}  // namespace

TEST(ReportText, ThinSpacesAndWeekdays) {
    EXPECT_EQ(ThinSpaces("a  b"), "a b");
    EXPECT_EQ(ThinSpaces("a   b"), "a  b");
    EXPECT_EQ(ThinSpaces("a    b"), "a  b");
    EXPECT_EQ(ThinSpaces("An   Sol  "), "An  Sol ");
    EXPECT_EQ(ThinSpaces(""), "");
    EXPECT_EQ(ThinSpaces(" "), " ");
    EXPECT_EQ(LatinWeekday(1), "Dies Solis ");
    EXPECT_EQ(LatinWeekday(2), QString::fromUtf8("Dies Lunæ "));
    EXPECT_EQ(LatinWeekday(7), "Dies Saturnii ");
}

TEST_F(Fixture, DefaultReportShape) {
    const ReportResult r = Build();
    ASSERT_FALSE(r.siteMissing);
    ASSERT_EQ(r.headerLines.size(), 1);
    EXPECT_EQ(r.headerLines[0],
              Thelemic() + "Dies Saturnii Saturday, June 15, 2024 e.v. 3:45:10 PM");
    EXPECT_TRUE(r.headerLines[0].startsWith(QString::fromUtf8("An V x Sol 25° Gemini")));
    EXPECT_EQ(r.lines[1], "");
    EXPECT_EQ(r.lines[2], "Impending Solar Events");
    for (int i = 3; i < 7; ++i)
        EXPECT_TRUE(r.lines[i].startsWith("Sun ")) << r.lines[i].toStdString();
    EXPECT_TRUE(QRegularExpression("^Sun Set 0[89]:[0-5][0-9] PM$").match(r.lines[3]).hasMatch())
        << r.lines[3].toStdString();
    EXPECT_EQ(r.lines[7], "");  // the planetary-hours section follows
    EXPECT_TRUE(r.hoursShown);
    EXPECT_EQ(r.trayText, r.headerLines[0] + "\r\n");
    EXPECT_EQ(r.tray.list, TrayChoice::List::Moon);
    EXPECT_EQ(r.tray.index, r.moonPhase.index - 1);
    EXPECT_TRUE(r.eventsRecomputed);
    EXPECT_EQ(events.events.size(), 40u);
    // A later moment of the same day recomputes nothing.
    q += 1.0 / 24;
    EXPECT_FALSE(Build().eventsRecomputed);
}

TEST_F(Fixture, LineLayouts) {
    const QString t = Thelemic();
    const ReportResult two = Build({"N21"});
    EXPECT_EQ(two.headerLines,
              QStringList({t + "Dies Saturnii ", "Saturday, June 15, 2024 e.v. 3:45:10 PM"}));
    const ReportResult three = Build({"N31"});
    EXPECT_EQ(three.headerLines.size(), 3);
    EXPECT_TRUE(three.headerLines[0].endsWith("Virgo ") || three.headerLines[0].endsWith("Libra "));
    EXPECT_EQ(three.headerLines[1], "Dies Saturnii ");
    const ReportResult none = Build({"N31"});  // clicking the checked item clears the group
    EXPECT_TRUE(none.headerLines.isEmpty());
    EXPECT_TRUE(none.trayText.isEmpty());
    EXPECT_EQ(none.lines.value(0), "");
    EXPECT_EQ(none.lines.value(1), "Impending Solar Events");
}

TEST_F(Fixture, DateAndTimeParts) {
    struct Row {
        int year;
        QStringList clicks;
        const char* e;
    };
    const Row rows[] = {
        {2024, {"Roman1"}, "XXIV 3:45:10 PM"},
        {2000, {"Roman1"}, " 3:45:10 PM"},  // no numeral for 00, its blank stays
        {1995, {"Roman1"}, "XCV 3:45:10 PM"},
        {2024, {"Short1", "Short2"}, "6/15/2024 e.v. 3:45 PM"},
        {2024, {"Long1"}, "3:45:10 PM"},
        {2024, {"None3", "None2"}, ""},
    };
    for (const Row& row : rows) {
        options = OptionsModel();
        options.Invert("N31");
        q = EncodeDateTime(row.year, 6, 15, 15, 45, 10);
        const ReportResult r = Build(row.clicks);
        ASSERT_GE(r.headerLines.size(), 1);
        EXPECT_EQ(r.headerLines.back(), row.e) << row.year << row.clicks.join(',').toStdString();
    }
}

TEST_F(Fixture, SectionsFollowTheirOptions) {
    const ReportResult noSolar = Build({"Solarevents1"});
    EXPECT_FALSE(noSolar.lines.contains("Impending Solar Events"));
    EXPECT_EQ(noSolar.lines.value(1), "");  // the hours section's own empty line
    int sunLines = 0;
    for (const QString& l : Build({"Solarevents1", "PlanetaryHours1"}).lines)
        if (l.startsWith("Sun ")) ++sunLines;
    EXPECT_EQ(sunLines, 4);  // at most four, although the list holds more ahead
    const ReportResult noHours = Build();
    EXPECT_FALSE(noHours.hoursShown);
    EXPECT_EQ(noHours.tray.list, TrayChoice::List::Unchanged);
    EXPECT_EQ(noHours.lines.size(), 1 + 2 + 4);
}

TEST_F(Fixture, PlanetaryHourTray) {
    const ReportResult r = Build({"PlanetaryHours2"});
    EXPECT_EQ(r.tray.list, TrayChoice::List::Planets);
    EXPECT_TRUE(r.trayText.startsWith(r.headerLines[0] + "\r\nPlanetary hour of "));
    // Choosing the planet icon while the hours are off changes the marks, not the tray.
    options = OptionsModel();
    options.Invert("PlanetaryHours1");
    const ReportResult off = Build({"PlanetaryHours2"});
    EXPECT_TRUE(options.Checked("PlanetaryHours2"));
    EXPECT_EQ(off.tray.list, TrayChoice::List::Unchanged);
}

// The tooltip: the first line and the current hour with its end, whether the report lists
// the hours or not.
TEST_F(Fixture, TrayToolTipNamesTheHourAndItsEnd) {
    for (const QStringList& clicks : {QStringList(), QStringList{"PlanetaryHours1"}}) {
        SCOPED_TRACE(clicks.join(' ').toStdString());
        options = OptionsModel();
        const ReportResult r = Build(clicks);
        const QStringList tip = r.toolTip.split('\n');
        ASSERT_EQ(tip.size(), 2) << r.toolTip.toStdString();
        EXPECT_EQ(tip[0], r.headerLines[0]);
        const QRegularExpression hour("^Hour of (\\w+) until (\\d{1,2}:\\d\\d [AP]M)$");
        const QRegularExpressionMatch m = hour.match(tip[1]);
        ASSERT_TRUE(m.hasMatch()) << tip[1].toStdString();
        const PlanetaryHoursSection s = PlanetaryHours(UtcOfReading(obs, q), events, kUs);
        EXPECT_EQ(m.captured(1), s.currentRuler.trimmed());
        // Ends after the moment, within one (summer) day hour of 77 minutes.
        const QTime end = kUs.toTime(m.captured(2), QLocale::ShortFormat);
        const int left = QTime(15, 45, 10).secsTo(end);
        EXPECT_GT(left, 0);
        EXPECT_LE(left, 78 * 60);
    }
    options = OptionsModel();
    obs.Latitude = 89;  // polar day: no hours, the line alone
    events = SkyEventState();
    const ReportResult polar = Build();
    EXPECT_EQ(polar.toolTip, polar.headerLines[0]);
}

// On the 24-hour clock the shown report, tray text and tooltip read 15:45 where td.txt keeps
// the locale's 3:45 PM; muted, the tooltip ends with "muted".
TEST_F(Fixture, TwentyFourHourClockAndMuteInTheShownTexts) {
    const QStringList clicks = {"Short2", "Solarevents1", "PlanetaryHours1"};
    const ReportResult locale = Build(clicks);
    options = OptionsModel();
    for (const QString& c : clicks) options.Invert(c);
    const Moment utc = UtcOfReading(obs, q);
    const ReportResult r =
        BuildReport(utc, obs, options, events, utc, kUs, {HourClock::TwentyFour, true});
    EXPECT_EQ(r.headerLines, locale.headerLines);
    EXPECT_TRUE(r.headerLines.join(' ').contains("3:45 PM"));
    EXPECT_TRUE(r.lines[0].contains("15:45")) << r.lines[0].toStdString();
    EXPECT_TRUE(r.trayText.contains("15:45"));
    const QRegularExpression twelve("\\d:\\d\\d [AP]M");
    for (const QString& l : r.lines) EXPECT_FALSE(l.contains(twelve)) << l.toStdString();
    EXPECT_EQ(r.lines.size(), locale.lines.size());
    const QStringList tip = r.toolTip.split('\n');
    ASSERT_EQ(tip.size(), 3) << r.toolTip.toStdString();
    EXPECT_TRUE(tip[1].contains(QRegularExpression("until \\d\\d:\\d\\d$")))
        << tip[1].toStdString();
    EXPECT_EQ(tip[2], "muted");
}

TEST_F(Fixture, NoSiteComputesNothing) {
    obs = Observer();
    const ReportResult r = Build();
    EXPECT_TRUE(r.siteMissing);
    EXPECT_TRUE(r.lines.isEmpty());
    EXPECT_TRUE(events.events.empty());
    obs.Latitude = 0.5;  // the equator alone, or the prime meridian alone, is a site
    EXPECT_FALSE(Build().siteMissing);
}

TEST(OptionClicks, HandlersAndMoonPicture) {
    OptionsModel o;
    OptionClick c = ClickOption(o, "Moonphase1");
    EXPECT_TRUE(c.moonPictureChanged);
    EXPECT_FALSE(c.moonPictureShown);
    EXPECT_EQ(HeaderPanelHeight(c.moonPictureShown), 28);
    c = ClickOption(o, "Moonphase1");
    EXPECT_TRUE(c.moonPictureShown);
    EXPECT_EQ(HeaderPanelHeight(c.moonPictureShown), 57);
    EXPECT_TRUE(ClickOption(o, "PlanetaryHours2").showBalloon);
    EXPECT_FALSE(ClickOption(o, "Short1").showBalloon);
    EXPECT_FALSE(ClickOption(o, "Clockon1").handled);
    EXPECT_FALSE(o.Checked("Clockon1"));
    ClickOption(o, "Long1");  // Short1 was checked: Long1 clears it
    EXPECT_FALSE(o.Checked("Short1"));
    ClickOption(o, "Long1");
    EXPECT_FALSE(o.Checked("Long1"));
}

TEST(TdFileTest, FailureShownOnceUntilAWriteSucceeds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("td.txt");
    QDir(dir.path()).mkdir("td.txt");  // a directory where the file should be
    TdFile td(path);
    const auto first = td.Write({"x"});
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->startsWith("Cannot create file \""));
    EXPECT_FALSE(td.Write({"x"}));
    QDir(dir.path()).rmdir("td.txt");
    EXPECT_FALSE(td.Write({"a", "b"}));
    EXPECT_EQ(td.ReadForClipboard(), "a\nb\n");  // the file keeps CR LF, the clipboard LF
    QDir(dir.path()).mkdir("again");
    TdFile other(dir.filePath("again"));
    EXPECT_TRUE(other.Write({}));
}

TEST(TdFileTest, ReadsOldAndNewEncodings) {
    QTemporaryDir dir;
    const QString expected = QString::fromUtf8("Sol 24° Gemini Dies Lunæ\n");
    for (const QByteArray& bytes : {QByteArray("Sol 24\xB0 Gemini Dies Lun\xE6\r\n"),
                                    QByteArray("Sol 24\xC2\xB0 Gemini Dies Lun\xC3\xA6\r\n")}) {
        QFile f(dir.filePath("td.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        EXPECT_EQ(TdFile(dir.filePath("td.txt")).ReadForClipboard(), expected);
    }
}

TEST(ShutdownSaves, EveryStepRunsAndFailuresAreNamedTogether) {
    QStringList ran;
    const std::vector<SaveStep> steps = {
        {"heliodex.ini",
         [&] {
             ran << "ini";
             throw Error("Cannot create file \"heliodex.ini\". Is a directory");
         }},
        {"zipcodes.txt", [&] { ran << "zip"; }},
        {"alarmsounds.txt", [&] { ran << "sounds"; }},
        {"alarmlist.txt",
         [&] {
             ran << "list";
             throw Error("disk full");
         }},
    };
    const auto message = RunSaveSteps(steps);
    EXPECT_EQ(ran, QStringList({"ini", "zip", "sounds", "list"}));
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->contains("heliodex.ini"));
    EXPECT_TRUE(message->contains("alarmlist.txt: disk full"));
    EXPECT_FALSE(message->contains("zipcodes.txt"));
    EXPECT_FALSE(RunSaveSteps({{"a", [] {}}}));
}

TEST(TdFileTest, FailureAfterASuccessfulWriteIsShownAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath("td.txt");
    TdFile td(path);
    ASSERT_TRUE(QDir(dir.path()).mkdir("td.txt"));
    EXPECT_TRUE(td.Write({"x"}));
    ASSERT_TRUE(QDir(dir.path()).rmdir("td.txt"));
    EXPECT_FALSE(td.Write({"x"}));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(dir.path()).mkdir("td.txt"));
    EXPECT_TRUE(td.Write({"x"}));
}

// South of the equator the tray shows the Moon mirrored.
TEST(ReportTest, TrayMoonMirroredSouthOfTheEquator) {
    for (const auto& [latitude, mirrored] : {std::pair{44.98, false}, std::pair{-33.87, true}}) {
        Observer obs;
        obs.Latitude = latitude;
        obs.Longitude = 151.21;
        obs.TimeZone = 10;
        SkyEventState events;
        const Moment q = EncodeDateTime(2024, 6, 15, 12);
        const ReportResult r = BuildReport(q, obs, OptionsModel(), events, q);
        EXPECT_EQ(r.tray.list, TrayChoice::List::Moon) << latitude;
        EXPECT_EQ(r.tray.mirrored, mirrored) << latitude;
    }
}

namespace hx {
namespace {
// The site is named before a tooltip and an event list, with the clock its times are on.
TEST(ReportSite, TooltipAndLogHeadingNameTheSiteAndItsClock) {
    const struct {
        const char* zone;
        double tz;
        int dst;
        const char* clock;
    } rows[] = {{"America/Chicago", -6, 1, "America/Chicago"},
                {"", -6, 0, "UTC-6"},
                {"", -6, 1, "UTC-5"},
                {"", 5.5, 0, "UTC+5:30"},
                {"", -3.5, 0, "UTC-3:30"},
                {"", 0, 0, "UTC"},
                {"", 12.75, 0, "UTC+12:45"}};
    for (const auto& r : rows) {
        Observer o;
        o.Zone = r.zone;
        o.TimeZone = r.tz;
        o.DaylightTime = r.dst;
        EXPECT_EQ(SiteClockName(o), r.clock) << r.clock;
    }
    Observer chicago;
    chicago.Zone = "America/Chicago";
    EXPECT_EQ(
        ToolTipNamingSite(" Chicago, Illinois ", chicago, "An V xii\nHour of Mars"),
        QString::fromUtf8("Chicago, Illinois · times in America/Chicago\nAn V xii\nHour of Mars"));
    EXPECT_EQ(EventListHeading("Chicago, Illinois", chicago),
              "Events at Chicago, Illinois (times in America/Chicago)");
}
}  // namespace
}  // namespace hx
