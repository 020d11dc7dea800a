// heliodex-cli: argument errors, the date line, the positions object, events and hours.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "cli/run.h"
#include "core/format.h"
#include "core/ingress.h"
#include "core/lunation.h"
#include "core/moon_phase.h"
#include "core/zone.h"
#include "locale/saved_places.h"
#include "settings/textfile.h"
#include "tests/support/fifo_watch.h"

using namespace hx;
using namespace hx::cli;

namespace {
const Moment kNow = EncodeDateTime(2024, 6, 15, 15, 45);

QStringList Split(const char* s) {
    return QString(s).split(' ', Qt::SkipEmptyParts);
}
}  // namespace

TEST(CliArgs, BadInputNamesTheCulpritAndExitsTwo) {
    const std::pair<QStringList, const char*> rows[] = {
        {{"--lat", "north", "thelemic"}, "--lat"},
        {{"--at", "2024-13-01 10:00", "thelemic"}, "--at"},
        {{"--at", "yesterday", "thelemic"}, "yesterday"},
        {{"--dst", "2", "thelemic"}, "--dst"},
        {{"--option", "Bogus1=1", "thelemic"}, "Bogus1"},
        {{"--option", "An1=yes", "thelemic"}, "An1"},
        {{"--frobnicate", "thelemic"}, "--frobnicate"},
        {{"--tz"}, "--tz"},
        {{"sing"}, "sing"},
        {{}, "no command"},
        {{"--lat", "nan", "thelemic"}, "--lat"},
        {{"--lat", "91", "thelemic"}, "Latitude"},
        {{"--lon", "720", "thelemic"}, "Longitude"},
        {{"--tz", "1e308", "thelemic"}, "Time zone"},
        {{"--zone", "Mars/Olympus", "thelemic"}, "Mars/Olympus"},
        {{"--zone", "UTC", "--tz", "1", "thelemic"}, "--zone"},
        {{"--zone", "UTC", "--dst", "1", "thelemic"}, "--zone"},
        {{"--alt", "1e308", "--lat", "45", "events"}, "Altitude"},
        {{"--alt", "-1e6", "--lat", "45", "events"}, "Altitude"},
        {{"--alt", "9000.5", "--lat", "45", "thelemic"}, "Altitude"},
        {{"--pressure", "1200.1", "--lat", "45", "thelemic"}, "Pressure"},
        {{"--pressure", "-1", "--lat", "45", "thelemic"}, "Pressure"},
        {{"--temp-f", "150.1", "--lat", "45", "thelemic"}, "Temperature"},
        {{"--temp-f", "-1e9", "--lat", "45", "thelemic"}, "Temperature"},
        {{"--zone", "UTC+14:30", "thelemic"}, "UTC+14:30"},
        {{"--at", "3500-01-01 12:00", "thelemic"}, "outside the range"},
        {{"--at", "3500-01-01 12:00", "--lat", "10", "--lon", "10", "events"}, "outside the range"},
        {{"--bogus"}, "--bogus"},
        {{"thelemic", "extra"}, "extra"},
        {{"--lat"}, "--lat"},
        {{"thelemic", "--lat"}, "--lat"},
        {{"thelemic", "--days", "3"}, "--days"},
        {{"events", "--days", "0", "--lat", "1"}, "--days"},
        {{"hours", "--days=367"}, "367"},
        {{"--format", "xml", "thelemic"}, "xml"},
        {{"thelemic", "--format", "ics"}, "ics"},
        {{"help", "sing"}, "sing"},
        {{"--zone", "Mars/Base", "thelemic"}, "Mars/Base"},
        {{"reverse", "--docosade", "4", "--days", "2"}, "--days"},
        {{"places", " "}, "QUERY"},
        {{"places", "London", "--format", "ics"}, "ics"},
        // control characters come back escaped, never raw
        {{"--x\x1b[2J"}, "--x\\x1b[2J"},
        {{"thelemic", "two\nlines"}, "two\\x0alines"},
        {{"thelemic", "\u202etxt.exe"}, "\\u202etxt"},
    };
    for (const auto& [args, culprit] : rows) {
        const Outcome o = cli::Run(args, kNow);
        EXPECT_EQ(o.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(o.err.contains(culprit)) << o.err.toStdString();
        EXPECT_EQ(o.err.count('\n'), 1);
        EXPECT_FALSE(o.err.contains(QChar(0x1b)) || o.err.contains(QChar(0x202e)));
        EXPECT_TRUE(o.out.isEmpty());
    }
}

// The ends of the atmosphere's ranges are sites like any other.
TEST(CliArgs, RangeEndsAreAccepted) {
    for (const char* args :
         {"--alt -500 --pressure 0 --temp-f -150", "--alt 9000 --pressure 1200 --temp-f 150"}) {
        const Outcome o = cli::Run(Split(args) + Split("--lat 45 --lon 0 events"), kNow);
        EXPECT_EQ(o.status, 0) << args << o.err.toStdString();
    }
}

// A zone is a name of the zone database or a plain offset, never a path: neither --zone nor
// the file's [Site] Zone opens what it names.
TEST(CliZone, AZoneThatIsNoZoneIdIsRefusedUnopened) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    test::FifoWatch watch(fifo);
    ASSERT_TRUE(watch.Made());
    const QString viaZoneDir = "../../../../../.." + fifo;
    QFile ini(dir.filePath("heliodex.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(("[Site]\r\nZone=" + viaZoneDir + "\r\n").toUtf8());
    ini.close();
    const QStringList site = Split("--lat 45 --lon 0 thelemic");
    const QStringList refused[] = {
        QStringList{"--zone", viaZoneDir} + site,
        QStringList{"--zone", "../../../../etc/localtime"} + site,
        QStringList{"--zone", "/etc/localtime"} + site,
        QStringList{"--ini", ini.fileName()} + site,
    };
    for (const QStringList& args : refused) {
        const Outcome o = cli::Run(args, kNow);
        EXPECT_EQ(o.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(o.err.contains("time zone")) << o.err.toStdString();
    }
    EXPECT_FALSE(watch.Opened());
    for (const char* zone : {"UTC+05:30", "UTC-14:00", "Europe/Paris"})
        EXPECT_EQ(cli::Run(QStringList{"--zone", zone} + site, kNow).status, 0) << zone;
}

// Site readings never pass through the machine's zone; --zone gives its offset at the moment.
TEST(CliZone, MachineZoneGapsAndZoneOffsets) {
    const QByteArray saved = qgetenv("TZ");
    const char* site = "--lat 40.71 --lon -60 --tz -5 --dst 0 ";
    const std::tuple<const char*, QString, const char*> rows[] = {
        {"America/New_York", QString(site) + "--at 2025-03-09T00:30 events", "Mars Set"},
        {"Europe/Berlin", QString(site) + "--at 2025-03-30T02:30 positions", "2025-03-30T02:30:00"},
    };
    for (const auto& [zone, args, expect] : rows) {
        qputenv("TZ", zone);
        tzset();
        const Outcome o = cli::Run(args.split(' '), kNow);
        EXPECT_EQ(o.status, 0) << zone;
        const QStringList lines = o.out.split('\n').filter(QString::fromLatin1(expect));
        ASSERT_FALSE(lines.isEmpty()) << o.out.toStdString();
        EXPECT_FALSE(lines[0].startsWith('-')) << lines[0].toStdString();
    }
    qputenv("TZ", saved);
    tzset();
    const char* chicago = "--lat 41.88 --lon -87.63 ";
    const std::tuple<const char*, const char*> same[] = {
        {"--at 2025-07-01T12:00 --zone America/Chicago", "--at 2025-07-01T12:00 --tz -6 --dst 1"},
        {"--at 2025-01-15T12:00 --zone America/Chicago", "--at 2025-01-15T12:00 --tz -6 --dst 0"},
        // Without --at, the present instant on the site's clock.
        {"--zone Asia/Tokyo", "--at 2024-06-16T00:45 --tz 9 --dst 0"},
    };
    for (const auto& [a, b] : same)
        for (const char* cmd : {"events", "thelemic"}) {
            const Outcome x = cli::Run((QString(chicago) + a + ' ' + cmd).split(' '), kNow);
            const Outcome y = cli::Run((QString(chicago) + b + ' ' + cmd).split(' '), kNow);
            EXPECT_EQ(x.status, 0) << x.err.toStdString();
            EXPECT_EQ(x.out, y.out) << a;
        }
}

TEST(CliArgs, OptionsStandEitherSideOfTheCommand) {
    const QString line = QString::fromUtf8("An V x Sol 25° Gemini Luna 13° Libra \n");
    for (const char* args :
         {"--at 2024-06-15T15:45 --lat 44.98 --lon -93.27 --tz -6 --dst 1 thelemic",
          "thelemic --at 2024-06-15T15:45 --lat 44.98 --lon -93.27 --tz -6 --dst 1",
          "--lat=44.98 thelemic --lon=-93.27 --at=2024-06-15T15:45 --tz -6 --dst=1",
          "--tz 3 thelemic --at 2024-06-15T15:45 --tz -6 --dst 1 --format text"}) {
        const Outcome o = cli::Run(Split(args), kNow);
        EXPECT_EQ(o.status, 0) << args << o.err.toStdString();
        EXPECT_EQ(o.out, line) << args;
    }
    EXPECT_EQ(cli::Run({"thelemic", "--at", "2024-06-15 15:45", "--lat", "44.98", "--lon", "-93.27",
                        "--tz", "-6", "--dst", "1"},
                       kNow)
                  .out,
              line);
}

TEST(CliArgs, HelpAndVersion) {
    const std::pair<QStringList, const char*> rows[] = {
        {{"--help"}, "Commands:"},
        {{"-h"}, "--format text|json|ics"},
        {{"help"}, "reverse"},
        {{"thelemic", "--help"}, "thelemic"},
        {{"help", "events"}, "--days N"},
        {{"help", "places"}, "places QUERY"},
        {{"reverse", "-h", "--sun", "0"}, "--moon-degree"},
        {{"--version"}, "heliodex-cli 0."},
        {{"-V"}, "heliodex-cli 0."},
    };
    for (const auto& [args, shows] : rows) {
        const Outcome o = cli::Run(args, kNow);
        EXPECT_EQ(o.status, 0) << args.join(' ').toStdString();
        EXPECT_TRUE(o.out.contains(shows)) << args.join(' ').toStdString();
        EXPECT_TRUE(o.err.isEmpty());
    }
    EXPECT_FALSE(cli::Run({"help", "events"}, kNow).out.contains("Commands:"));
}

TEST(CliArgs, OptionsAndValuesParse) {
    const auto r = std::get<Request>(ParseArgs(
        {"--lat=44.98", "--lon", "-93.27", "--tz", "5.75", "--option", "N4X2=1", "thelemic"}));
    EXPECT_DOUBLE_EQ(*r.lat, 44.98);
    EXPECT_DOUBLE_EQ(*r.lon, -93.27);
    EXPECT_DOUBLE_EQ(*r.tz, 5.75);
    ASSERT_EQ(r.options.size(), 1u);
    EXPECT_EQ(r.options[0].first, "N4X2");
    EXPECT_TRUE(r.options[0].second);
}

TEST(CliThelemic, MinneapolisInJune) {
    const Outcome o =
        cli::Run(Split("--at 2024-06-15T15:45 --lat 44.98 --lon -93.27 --tz -6 --dst 1 "
                       "thelemic"),
                 kNow);
    EXPECT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_EQ(o.out, QString::fromUtf8("An V x Sol 25° Gemini Luna 13° Libra \n"));
    const Outcome styled =
        cli::Run(Split("--at 2024-06-15T15:45 --tz -6 --dst 1 --option Degrees1=0 "
                       "--option Anno1=1 --option N4X2=1 --option Nospace1=1 thelemic"),
                 kNow);
    EXPECT_EQ(styled.out, "Anno 5X Sol Gemini Luna Libra \n");
}

TEST(CliPositions, JsonObject) {
    const Outcome o =
        cli::Run(Split("--at 2024-06-15T12:30:45 --tz 0 --dst 0 positions --format json"), kNow);
    ASSERT_EQ(o.status, 0);
    const QJsonObject j = QJsonDocument::fromJson(o.out.toUtf8()).object();
    EXPECT_EQ(j["moment"].toString(), "2024-06-15T12:30:45+00:00");
    EXPECT_NEAR(j["jd_ut"].toDouble(), 2460477.020833, 1e-6);
    EXPECT_NEAR(j["sun_lon"].toDouble(), 84.9, 0.3);
    EXPECT_GE(j["moon_lon"].toDouble(), 0);
}

TEST(CliSky, EventsHoursAndPhase) {
    const char* site = "--at 2024-06-15T15:45 --lat 44.98 --lon -93.27 --tz -6 --dst 1 ";
    const Outcome events =
        cli::Run((QString(site) + "events").split(' ', Qt::SkipEmptyParts), kNow);
    ASSERT_EQ(events.status, 0) << events.err.toStdString();
    const QStringList lines = events.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 40);
    static const QRegularExpression line(
        "^(\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}|-) "
        "(Sun|Moon|Mercury|Venus|Mars|Jupiter|Saturn) (Rise|Set|Zenith|Nadir)$");
    for (const QString& l : lines) EXPECT_TRUE(line.match(l).hasMatch()) << l.toStdString();
    EXPECT_EQ(lines.filter(" Sun ").size(), 16);
    QStringList sorted = lines;
    sorted.sort();
    EXPECT_EQ(sorted, lines);

    const Outcome hours = cli::Run((QString(site) + "hours").split(' ', Qt::SkipEmptyParts), kNow);
    ASSERT_EQ(hours.status, 0);
    const QStringList h = hours.out.split('\n');
    ASSERT_EQ(h.size(), 17);  // sixteen lines, each ended
    EXPECT_EQ(h[0], "");
    EXPECT_EQ(h[1], "Current Planetary Hour of the Day is Saturn ");
    EXPECT_TRUE(h[4].startsWith("Saturn  05:2")) << h[4].toStdString();

    const Outcome pos =
        cli::Run((QString(site) + "positions --format json").split(' ', Qt::SkipEmptyParts), kNow);
    const QJsonObject j = QJsonDocument::fromJson(pos.out.toUtf8()).object();
    const double f0 = j["moon_fraction"].toDouble(), f1 = j["moon_fraction_next"].toDouble();
    EXPECT_GT(f1, f0);  // waxing gibbous, 9 days after the new Moon
    EXPECT_EQ(j["moon_phase_index"].toInt(), MoonPhaseIndex(f0, f1));

    // Without a site there are no events and no hours.
    for (const char* cmd : {"events", "hours"}) {
        const Outcome none = cli::Run({"--at", "2024-06-15 15:45", cmd}, kNow);
        EXPECT_EQ(none.status, 1);
        EXPECT_TRUE(none.out.isEmpty());
        EXPECT_TRUE(none.err.contains("--lat"));
    }
}

TEST(CliReport, ReadsOptionsAndSiteFromAnIniFile) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("heliodex.ini");
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "[Locale]\r\nEdit3=98\r\nEdit2=44\r\nCheckBox1=1\r\nCheckBox2=1\r\nEdit5=27\r\n"
        "Edit4=93\r\nEdit6=-6\r\nCheckBox3=1\r\n[Menu]\r\nN21=1\r\nDegrees1=0\r\n");
    f.close();
    const Outcome o = cli::Run({"--ini", ini, "--at", "2024-06-15 15:45", "report"}, kNow);
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    const QStringList lines = o.out.split('\n');
    EXPECT_EQ(lines[0], "An V x Sol Gemini Luna Libra Dies Saturnii ");  // two lines, no degrees
    EXPECT_TRUE(lines[1].startsWith("Saturday, June 15, 2024 e.v. 3:45:00 PM"));
    // The command line overrides the file; no site at all is an error with status 1.
    EXPECT_EQ(
        cli::Run({"--ini", ini, "--option", "N11=1", "--at", "2024-06-15 15:45", "thelemic"}, kNow)
            .out,
        "An V x Sol Gemini Luna Libra \n");
    const Outcome none = cli::Run({"--ini", ini, "--lat", "0", "--lon", "0", "report"}, kNow);
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.err.contains("no site"));
    // A file that cannot be read is named, never taken for an empty one.
    for (const QString& bad : {dir.filePath("missing.ini"), dir.path(), QString("/dev/null")}) {
        const Outcome o = cli::Run({"--ini", bad, "thelemic"}, kNow);
        EXPECT_EQ(o.status, 2) << bad.toStdString();
        EXPECT_TRUE(o.err.contains(bad)) << o.err.toStdString();
        EXPECT_TRUE(o.out.isEmpty());
    }
}

TEST(CliPlaces, RankedMatchesAsTextAndJson) {
    const Outcome text = cli::Run({"places", "London,", "Ontario"}, kNow);  // words are joined
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, "London, Ontario, Canada  42.9834 -81.2330  America/Toronto  346765\n");
    const Outcome json = cli::Run({"--format", "json", "places", "Springfield"}, kNow);
    const QJsonArray list = QJsonDocument::fromJson(json.out.toUtf8()).object()["places"].toArray();
    ASSERT_GE(list.size(), 5);
    EXPECT_EQ(list[0].toObject()["region"].toString(), "Illinois");  // the state's capital
    // Names in other languages, shown beside the English name.
    const Outcome munich = cli::Run({"places", QString::fromUtf8("München")}, kNow);
    EXPECT_EQ(munich.status, 0);
    EXPECT_TRUE(
        munich.out.startsWith(QString::fromUtf8("Munich, Bavaria, Germany (München)  48.1")))
        << munich.out.toStdString();
    const Outcome roma = cli::Run({"--format", "json", "places", "Roma"}, kNow);
    const QJsonArray romes =
        QJsonDocument::fromJson(roma.out.toUtf8()).object()["places"].toArray();
    ASSERT_FALSE(romes.isEmpty());
    const QJsonObject rome = romes[0].toObject();
    EXPECT_EQ(rome["name"].toString(), "Rome");
    EXPECT_EQ(rome["matched_name"].toString(), "Roma");
    const Outcome none = cli::Run({"places", "Xqzwv"}, kNow);
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.err.contains("\"Xqzwv\"")) << none.err.toStdString();
}

// --site takes a saved place's site; the options given with it change it; an unknown name
// is said and nothing is computed.
TEST(CliSite, SavedPlaceStandsForTheSite) {
    QTemporaryDir dir;
    files::SetProgramDirectory(dir.path());
    SavedPlaces saved;
    saved.Save({"Vienna, Vienna, Austria", 48.208, 16.372, "Europe/Vienna", 0, false, "190"});
    WriteSavedPlaces(saved);
    const QString at = "--at=2024-06-15 12:00";
    const auto site = [&](const QStringList& extra) {
        const Outcome o =
            cli::Run(QStringList{at, "--format", "json"} + extra + QStringList{"events"}, kNow);
        EXPECT_EQ(o.status, 0) << o.err.toStdString();
        return QJsonDocument::fromJson(o.out.toUtf8()).object()["site"].toObject();
    };
    const QJsonObject vienna = site({"--site", "vienna, vienna, austria"});
    EXPECT_NEAR(vienna["latitude"].toDouble(), 48.208, 1e-9);
    EXPECT_NEAR(vienna["longitude"].toDouble(), 16.372, 1e-9);
    EXPECT_NEAR(site({"--site", "Vienna, Vienna, Austria", "--lat", "10"})["latitude"].toDouble(),
                10, 1e-9);
    const Outcome unknown = cli::Run({"--site", "Atlantis", "thelemic"}, kNow);
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains("\"Atlantis\"")) << unknown.err.toStdString();
    files::SetProgramDirectory({});
}

// What cannot be answered is said in one line, with nothing on standard output.
TEST(CliErrors, SayWhatIsWrongInOneLine) {
    QTemporaryDir empty, running;
    QLockFile lock(running.filePath("heliodex.lock"));
    ASSERT_TRUE(lock.tryLock(0));  // this process stands for a running window
    const QString site = "--lat 44.98 --lon -93.27 --tz -6 --dst 1 ";
    const std::tuple<QString, int, const char*> rows[] = {
        {site + "alarms --dir /nonexistent/heliodex", 2, "no such directory: \"/nonexistent"},
        {site + "alarms --dir " + empty.path(), 1, "holds no alarm files (alarmlist.txt"},
        {site + "alarms --dir " + running.path(), 1, "running there writes them at Exit"},
        {site + "--at 1800-01-01T00:00 thelemic", 2, "before the Thelemic era (1904-03-20)"},
        {site + "--at 1904-03-20T12:00 --tz 0 --dst 0 report", 2, "before the Thelemic era"},
    };
    for (const auto& [args, status, says] : rows) {
        const Outcome o = cli::Run(args.split(' '), kNow);
        EXPECT_EQ(o.status, status) << args.toStdString();
        EXPECT_TRUE(o.err.contains(says)) << o.err.toStdString();
        EXPECT_EQ(o.err.count('\n'), 1);
        EXPECT_TRUE(o.out.isEmpty()) << o.out.toStdString();
    }
    EXPECT_FALSE(
        cli::Run((site + "alarms --dir " + empty.path()).split(' '), kNow).err.contains("running"));
    // The era's first day after the Sun's entry into Aries has its year 0.
    EXPECT_TRUE(cli::Run(Split("--at 1904-03-21T12:00 --tz 0 --dst 0 thelemic"), kNow)
                    .out.startsWith("An   Sol 0"));
}

// A range without planetary hours says why, on standard error and in the JSON.
TEST(CliHours, PolarRangeSaysWhyItHasNoHours) {
    for (const auto& [at, reason] : {std::pair{"2026-12-10T12:00", "polar night"},
                                     std::pair{"2026-06-10T12:00", "polar day"}}) {
        const QStringList args = {
            "--lat", "78.22", "--lon", "15.65",  "--zone", "Arctic/Longyearbyen",
            "--at",  at,      "hours", "--days", "2"};
        const Outcome text = cli::Run(args, kNow);
        EXPECT_EQ(text.status, 0);
        EXPECT_TRUE(text.out.isEmpty());
        EXPECT_TRUE(text.err.contains(reason)) << text.err.toStdString();
        const Outcome json = cli::Run(args + QStringList{"--format", "json"}, kNow);
        EXPECT_EQ(json.status, 0);
        const QJsonObject doc = QJsonDocument::fromJson(json.out.toUtf8()).object();
        EXPECT_TRUE(doc["hours"].isArray() && doc["hours"].toArray().isEmpty());
        EXPECT_EQ(doc["reason"].toString(), reason);
    }
    const Outcome oslo = cli::Run(Split("--lat 59.91 --lon 10.75 --zone Europe/Oslo --at "
                                        "2026-12-10T12:00 hours --days 1 --format json"),
                                  kNow);
    EXPECT_TRUE(oslo.err.isEmpty());
    EXPECT_FALSE(QJsonDocument::fromJson(oslo.out.toUtf8()).object().contains("reason"));
}

// The plan lists the sky alarms at their instants plus their lead times, from
// a directory that holds skyalarms.txt alone.
TEST(CliAlarms, ListsTheSkyAlarmsAtTheirLeadTimes) {
    QTemporaryDir dir;
    QFile sky(dir.filePath("skyalarms.txt"));
    ASSERT_TRUE(sky.open(QIODevice::WriteOnly));
    sky.write("full-moon\t1\t-30\t/s/bell.wav\r\nsun-ingress\t1\t-60\t\r\n");
    sky.close();
    const Observer site = [] {
        Observer o;
        o.Latitude = 44.98;
        o.Longitude = -93.27;
        o.TimeZone = -6;
        o.DaylightTime = 1;
        return o;
    }();
    const Outcome o =
        cli::Run({"--at", "2024-06-15 00:00", "--lat", "44.98", "--lon", "-93.27", "--tz", "-6",
                  "--dst", "1", "alarms", "--days", "8", "--dir", dir.path()},
                 kNow);
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    const double from = UtcOfReading(site, EncodeDateTime(2024, 6, 15)) + kEpochJulianDay;
    const auto line = [&](double jd, const QString& what, int lead, const QString& sound) {
        const Moment at = jd - kEpochJulianDay + lead / 1440.0;
        return FormatDateTime("yyyy-mm-dd hh:nn", ReadingOfUtc(site, at)) +
               QStringLiteral("  %1  %2  %3").arg(what).arg(lead).arg(sound);
    };
    const QStringList want = {
        line(IngressesBetween(from, from + 8, 0)[0].jd, "Sun enters Cancer", -60, ""),
        line(PhasesBetween(from, from + 8)[0].jd, "Full Moon", -30, "/s/bell.wav")};
    EXPECT_EQ(o.out.split('\n', Qt::SkipEmptyParts), want) << o.out.toStdString();
}
