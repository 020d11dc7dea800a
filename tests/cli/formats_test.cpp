// heliodex-cli's iCalendar and JSON output against its own text, read back with libical.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <libical/ical.h>

#include "cli/run.h"

using namespace hx;
using namespace hx::cli;

namespace {
const Moment kNow = EncodeDateTime(2024, 6, 1, 12);
const QStringList kMinneapolis = {
    "--at", "2024-06-15 00:00", "--lat", "44.98", "--lon", "-93.27", "--tz", "-6", "--dst", "1"};

QStringList Lines(const QStringList& args) {
    const Outcome o = cli::Run(kMinneapolis + args, kNow);
    EXPECT_EQ(o.status, 0) << o.err.toStdString();
    return o.out.split('\n', Qt::SkipEmptyParts);
}

// The VEVENTs' SUMMARY, DTSTART (and DTEND) as «yyyy-MM-dd HH:mm:ss» site time, and UID.
struct Vevent {
    QString summary, start, end, uid;
};
std::vector<Vevent> ReadVevents(const QString& text) {
    std::vector<Vevent> out;
    icalcomponent* cal = icalparser_parse_string(text.toUtf8().constData());
    EXPECT_NE(cal, nullptr);
    if (!cal) return out;
    EXPECT_EQ(icalcomponent_count_errors(cal), 0);
    auto local = [](icaltimetype t) {
        EXPECT_TRUE(icaltime_is_utc(t));
        return QDateTime::fromSecsSinceEpoch(icaltime_as_timet(t), Qt::UTC)
            .addSecs(-5 * 3600)
            .toString("yyyy-MM-dd HH:mm:ss");
    };
    for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype end = icalcomponent_get_dtend(e);
        out.push_back({icalcomponent_get_summary(e), local(icalcomponent_get_dtstart(e)),
                       icaltime_is_null_time(end) ? QString() : local(end),
                       icalcomponent_get_uid(e)});
    }
    icalcomponent_free(cal);
    return out;
}
}  // namespace

TEST(CliIcalendar, OneVeventPerListedEventWithTheSameTimes) {
    const QStringList text = Lines({"events", "--days", "7"});
    ASSERT_GT(text.size(), 7 * 25);
    const auto vevents = ReadVevents(
        cli::Run(kMinneapolis + QStringList{"events", "--days", "7", "--format", "ics"}, kNow).out);
    ASSERT_EQ(vevents.size(), size_t(text.size()));
    QSet<QString> uids;
    for (size_t i = 0; i < vevents.size(); ++i) {
        EXPECT_EQ(vevents[i].start + ' ' + vevents[i].summary, text[int(i)]);
        uids.insert(vevents[i].uid);
    }
    EXPECT_EQ(uids.size(), text.size());
    // An export a day later names the six shared days' events alike: a re-import replaces.
    const auto later = ReadVevents(
        cli::Run({"--at", "2024-06-16 00:00", "--lat", "44.98", "--lon", "-93.27", "--tz", "-6",
                  "--dst", "1", "events", "--days", "7", "--format", "ics"},
                 kNow)
            .out);
    for (const Vevent& v : later)
        EXPECT_TRUE(v.start >= "2024-06-22" || uids.contains(v.uid)) << v.uid.toStdString();
}

TEST(CliIcalendar, HoursOfTwoDays) {
    const QStringList text = Lines({"hours", "--days", "2"});
    const auto vevents = ReadVevents(
        cli::Run(kMinneapolis + QStringList{"hours", "--days=2", "--format=ics"}, kNow).out);
    ASSERT_EQ(vevents.size(), 48u);
    ASSERT_EQ(text.size(), 48);
    for (int i = 0; i < 48; ++i) {
        const QStringList f = text[i].split(' ');  // date time date time ruler day|night n
        EXPECT_EQ(vevents[i].start, f[0] + ' ' + f[1]);
        EXPECT_EQ(vevents[i].end, f[2] + ' ' + f[3]);
        EXPECT_EQ(vevents[i].summary, "Hour of " + f[4]);
    }
}

TEST(CliJson, ParsesAndMatchesTheText) {
    const QStringList text = Lines({"events", "--days", "7"});
    const QJsonObject doc =
        QJsonDocument::fromJson(
            cli::Run(kMinneapolis + QStringList{"--format", "json", "events", "--days", "7"}, kNow)
                .out.toUtf8())
            .object();
    EXPECT_EQ(doc["command"].toString(), "events");
    EXPECT_EQ(doc["moment"].toString(), "2024-06-15T00:00:00-05:00");
    const QJsonArray events = doc["events"].toArray();
    ASSERT_EQ(events.size(), text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QJsonObject e = events[i].toObject();
        QString t = e["time"].toString();
        EXPECT_TRUE(t.endsWith("-05:00")) << t.toStdString();
        EXPECT_EQ(
            t.left(19).replace('T', ' ') + ' ' + e["body"].toString() + ' ' + e["event"].toString(),
            text[i]);
    }
    // An event without a time has a null one.
    const QJsonArray polar =
        QJsonDocument::fromJson(cli::Run({"--at", "2024-06-21 12:00", "--lat", "78.2", "--lon",
                                          "15.6", "--tz", "1", "events", "--format", "json"},
                                         kNow)
                                    .out.toUtf8())
            .object()["events"]
            .toArray();
    ASSERT_EQ(polar.size(), 40);
    EXPECT_TRUE(polar[0].toObject()["time"].isNull());
}

namespace {
// Every string that begins like a date is a time to the second with its offset.
void ExpectOffsets(const QJsonValue& v, const QString& where) {
    static const QRegularExpression date("^\\d{4}-\\d{2}-\\d{2}");
    static const QRegularExpression iso(
        "^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}[+-]\\d{2}:\\d{2}$");
    if (v.isString() && date.match(v.toString()).hasMatch()) {
        EXPECT_TRUE(iso.match(v.toString()).hasMatch())
            << where.toStdString() << ' ' << v.toString().toStdString();
    }
    if (v.isArray())
        for (const QJsonValue& e : v.toArray()) ExpectOffsets(e, where);
    const QJsonObject object = v.toObject();
    for (auto it = object.begin(); it != object.end(); ++it)
        ExpectOffsets(it.value(), where + '.' + it.key());
}
}  // namespace

// The shape the manual page gives: one object with command, site, moment and the data keys.
TEST(CliJson, EveryCommandAnswersWithOneObjectOfTheShape) {
    QTemporaryDir dir;
    QFile list(dir.filePath("alarmlist.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    for (int i = 0; i < 28; ++i) list.write(i == 0 ? "0\r\n" : "1\r\n");  // Sun Rise on
    list.close();
    const QString zoned = "--at 2024-06-15T00:00 --lat 44.98 --lon -93.27 --zone America/Chicago ";
    const std::tuple<QString, const char*, QStringList> rows[] = {
        {zoned + "thelemic", "thelemic", {"line"}},
        {zoned + "positions", "positions", {"jd_ut", "sun_lon", "moon_lon", "moon_phase_index"}},
        {zoned + "events --days 2", "events", {"days", "events"}},
        {zoned + "hours", "hours", {"days", "hours"}},
        {zoned + "report", "report", {"lines"}},
        {zoned + "reverse --docosade 5 --year 10 --sun aquarius --moon leo",
         "reverse",
         {"lines", "spans", "era_year"}},
        {zoned + "alarms --days 2 --dir " + dir.path(), "alarms", {"days", "alarms"}},
        {"places Springfield", "places", {"query", "places"}},
    };
    for (const auto& [args, command, data] : rows) {
        const Outcome o = cli::Run((args + " --format json").split(' '), kNow);
        ASSERT_EQ(o.status, 0) << args.toStdString() << o.err.toStdString();
        QJsonParseError err;
        const QJsonDocument d = QJsonDocument::fromJson(o.out.toUtf8(), &err);
        ASSERT_EQ(err.error, QJsonParseError::NoError) << command;
        ASSERT_TRUE(d.isObject()) << command;
        const QJsonObject j = d.object();
        EXPECT_EQ(j["command"].toString(), command);
        for (const QString& key : data)
            EXPECT_TRUE(j.contains(key)) << command << ' ' << key.toStdString();
        ExpectOffsets(j, command);
        if (QString(command) == "places") {
            EXPECT_TRUE(j["site"].isNull() && j["moment"].isNull());
            EXPECT_FALSE(j["places"].toArray().isEmpty());
            continue;
        }
        EXPECT_EQ(j["moment"].toString(), "2024-06-15T00:00:00-05:00") << command;
        const QJsonObject site = j["site"].toObject();
        for (const char* key : {"latitude", "longitude", "utc_offset_hours", "altitude_m",
                                "pressure_mbar", "temperature_c"})
            EXPECT_TRUE(site[key].isDouble()) << command << ' ' << key;
        EXPECT_EQ(site["zone"].toString(), "America/Chicago");
        EXPECT_EQ(site["utc_offset_hours"].toDouble(), -5);
        if (QString(command) == "alarms") {
            EXPECT_FALSE(j["alarms"].toArray().isEmpty());
        }
    }
    // Without --format, positions prints text like the other commands.
    const Outcome text = cli::Run((zoned + "positions").split(' '), kNow);
    EXPECT_TRUE(text.out.startsWith("moment 2024-06-15T00:00:00-05:00\njd_ut "))
        << text.out.toStdString();
}

// Under a 24-hour locale the report's times are all on the 24-hour clock, as its date line is.
TEST(CliReport, OneTimeFormatUnderGerman) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "de_DE.UTF-8");
    env.insert("LANG", "de_DE.UTF-8");
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("HELIODEX_BINARY_DIR") + "/cli/heliodex-cli",
            {"--at", "2026-12-10 16:05", "--lat", "52.52", "--lon", "13.40", "--zone",
             "Europe/Berlin", "report"});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(out.contains("Dezember 2026 e.v. 16:05:00")) << out.toStdString();
    EXPECT_TRUE(out.contains("Sun Set 15:5")) << out.toStdString();
    static const QRegularExpression twelve("\\d{2}:\\d{2} (AM|PM)");
    EXPECT_FALSE(out.contains(twelve)) << out.toStdString();
    EXPECT_EQ(out.split('\n').filter(QRegularExpression("^Moon +\\d{2}:\\d{2}$")).size(), 2);
}
