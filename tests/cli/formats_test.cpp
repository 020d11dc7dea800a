// heliodex-cli's iCalendar and JSON output against its own text, read back with libical.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
    // Every command answers with one document; an event without a time has a null one.
    for (const char* cmd : {"thelemic", "positions", "report", "hours"}) {
        const Outcome o = cli::Run(kMinneapolis + QStringList{cmd, "--format", "json"}, kNow);
        QJsonParseError err;
        const QJsonDocument d = QJsonDocument::fromJson(o.out.toUtf8(), &err);
        EXPECT_EQ(err.error, QJsonParseError::NoError) << cmd;
        EXPECT_EQ(d.object()["command"].toString(), cmd);
    }
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
