// Times through the changes of daylight time: the text, JSON and iCalendar forms of the events
// and planetary hours name the same instants, each reading on its own offset, and the current
// hour through a change night is the one that holds at that instant.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimeZone>

#include "cli/run.h"

using namespace hx;
using namespace hx::cli;

namespace {

struct Place {
    const char* zone;
    double lat, lon;
};
const Place kPlaces[] = {{"Europe/London", 51.51, -0.13},      {"America/New_York", 40.71, -74.01},
                         {"Australia/Sydney", -33.87, 151.21}, {"America/Santiago", -33.45, -70.67},
                         {"Pacific/Chatham", -43.95, -176.56}, {"Asia/Kathmandu", 27.72, 85.32}};

QString ReadingIn(const QTimeZone& zone, const QDateTime& utc) {
    return utc.toTimeZone(zone).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QStringList Args(const Place& p, const QString& at, std::initializer_list<const char*> more) {
    QStringList a = {
        "--zone", p.zone, "--lat", QString::number(p.lat), "--lon", QString::number(p.lon),
        "--at",   at};
    for (const char* m : more) a << m;
    return a;
}

QString Out(const QStringList& args) {
    const Outcome o = Run(args, 0);
    EXPECT_EQ(o.status, 0) << o.err.toStdString();
    return o.out;
}

QJsonObject Json(const QStringList& args) {
    return QJsonDocument::fromJson(Out(args).toUtf8()).object();
}

// The DTSTART (or DTEND) of each VEVENT, in order.
std::vector<QDateTime> FromIcs(const QString& ics, bool ends) {
    std::vector<QDateTime> out;
    QString start, end;
    for (const QString& l : ics.split(QStringLiteral("\r\n"))) {
        if (l.startsWith("DTSTART:")) start = l.mid(8);
        if (l.startsWith("DTEND:")) end = l.mid(6);
        if (l == "END:VEVENT") {
            QDateTime t = QDateTime::fromString(ends ? end : start, "yyyyMMdd'T'HHmmss'Z'");
            t.setTimeZone(QTimeZone::utc());
            out.push_back(t);
        }
    }
    return out;
}

// The days before each change of 2025 in the zone, or one day for a zone without changes.
std::vector<QDateTime> Changes(const QTimeZone& zone) {
    const QDateTime from(QDate(2025, 1, 1), QTime(0, 0), QTimeZone::utc());
    std::vector<QDateTime> out;
    for (const auto& t : zone.transitions(from, from.addYears(1))) out.push_back(t.atUtc);
    return out;
}

}  // namespace

TEST(Instants, EveryFormGivesEachTimeItsOwnInstantAndOffsetAcrossEveryChange) {
    for (const Place& p : kPlaces) {
        SCOPED_TRACE(p.zone);
        const QTimeZone zone(p.zone);
        ASSERT_TRUE(zone.isValid());
        std::vector<QDate> days;
        for (const QDateTime& t : Changes(zone))
            days.push_back(t.toTimeZone(zone).date().addDays(-1));
        if (days.empty()) days.push_back(QDate(2025, 6, 20));
        for (const QDate& day : days) {
            SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
            const QString at = day.toString(Qt::ISODate) + " 00:00";
            for (const char* command : {"events", "hours"}) {
                const bool hours = command[0] == 'h';
                const QStringList lines =
                    Out(Args(p, at, {command, "--days", "3"})).split('\n', Qt::SkipEmptyParts);
                const QJsonArray list = Json(Args(
                    p, at,
                    {command, "--days", "3", "--format", "json"}))[hours ? "hours" : "events"]
                                            .toArray();
                const QString ics = Out(Args(p, at, {command, "--days", "3", "--format", "ics"}));
                ASSERT_GT(list.size(), hours ? 48 : 60);
                ASSERT_EQ(lines.size(), list.size());
                for (bool ends : {false, true}) {
                    if (ends && !hours) continue;
                    const std::vector<QDateTime> cal = FromIcs(ics, ends);
                    ASSERT_EQ(cal.size(), size_t(list.size()));
                    for (qsizetype i = 0; i < list.size(); ++i) {
                        const char* key = ends ? "end" : (hours ? "start" : "time");
                        QString iso = list[i].toObject()[key].toString();
                        const QDateTime j = QDateTime::fromString(iso, Qt::ISODate);
                        ASSERT_TRUE(j.isValid()) << iso.toStdString();
                        // The JSON's instant is the calendar's, its offset the zone's then.
                        EXPECT_EQ(j.toUTC(), cal[i]) << iso.toStdString();
                        EXPECT_EQ(j.offsetFromUtc(), zone.offsetFromUtc(cal[i]))
                            << iso.toStdString();
                        // The text reads that instant on the zone's clock: never in a gap.
                        const QString reading = ReadingIn(zone, cal[i]);
                        EXPECT_EQ(lines[i].mid(ends ? 20 : 0, 19), reading);
                        EXPECT_EQ(iso.left(19).replace('T', ' '), reading);
                    }
                }
                if (!hours) continue;
                // Each hour is a twelfth of the real span of its day or night.
                const std::vector<QDateTime> starts = FromIcs(ics, false),
                                             ends = FromIcs(ics, true);
                for (size_t i = 0; i + 12 <= starts.size(); i += 12) {
                    const double span = double(starts[i].secsTo(ends[i + 11]));
                    for (size_t k = 0; k < 12; ++k)
                        EXPECT_NEAR(double(starts[i].secsTo(ends[i + k])),
                                    span * double(k + 1) / 12, 1.5);
                }
            }
        }
    }
}

// Readings every 20 minutes through each change night (those a fold repeats taken at their
// first occurrence): the report's and the JSON's current hour is the hour of the days' list
// that holds the reading's instant, and the listing reads each start on its own clock.
TEST(Instants, TheCurrentHourThroughAChangeNightIsTheHourOfThatInstant) {
    static const QRegularExpression listed("^\\w+ +(\\d\\d:\\d\\d [AP]M)$");
    for (const Place& p : kPlaces) {
        SCOPED_TRACE(p.zone);
        const QTimeZone zone(p.zone);
        for (const QDateTime& t : Changes(zone)) {
            const QString first =
                t.toTimeZone(zone).date().addDays(-1).toString(Qt::ISODate) + " 00:00";
            const QJsonArray list =
                Json(Args(p, first, {"hours", "--days", "3", "--format", "json"}))["hours"]
                    .toArray();
            ASSERT_FALSE(list.isEmpty());
            for (QDateTime u = t.addSecs(-8 * 3600); u < t.addSecs(8 * 3600);
                 u = u.addSecs(20 * 60)) {
                const int back = zone.offsetFromUtc(u.addSecs(-6 * 3600)) - zone.offsetFromUtc(u);
                if (back > 0 && ReadingIn(zone, u.addSecs(-back)) == ReadingIn(zone, u)) continue;
                const QString at = u.toTimeZone(zone).toString("yyyy-MM-dd HH:mm");
                SCOPED_TRACE(at.toStdString());
                QString want;
                for (const QJsonValue& v : list) {
                    const QJsonObject h = v.toObject();
                    if (QDateTime::fromString(h["start"].toString(), Qt::ISODate) <= u &&
                        u < QDateTime::fromString(h["end"].toString(), Qt::ISODate))
                        want = h["ruler"].toString();
                }
                ASSERT_FALSE(want.isEmpty());
                const QJsonArray now =
                    Json(Args(p, at, {"hours", "--format", "json"}))["hours"].toArray();
                QString current;
                QStringList starts;
                for (const QJsonValue& v : now) {
                    if (v.toObject()["current"].toBool())
                        current = v.toObject()["ruler"].toString();
                    starts << QDateTime::fromString(v.toObject()["start"].toString(), Qt::ISODate)
                                  .toTimeZone(zone)
                                  .toString("hh:mm AP");
                }
                EXPECT_EQ(current, want);
                const QString report = Out(Args(p, at, {"hours"}));
                EXPECT_TRUE(report.contains(QRegularExpression(
                    "Current Planetary Hour of the (Day|Night) is " + want + " *\\n")))
                    << report.toStdString();
                QStringList shown;
                for (const QString& l : report.split('\n'))
                    if (const QRegularExpressionMatch m = listed.match(l); m.hasMatch())
                        shown << m.captured(1);
                EXPECT_EQ(shown, starts);
            }
        }
    }
}
