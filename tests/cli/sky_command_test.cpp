// heliodex-cli sky: its text, JSON and iCalendar shapes, a polar day and a change of offset.
#include <gtest/gtest.h>

#include <functional>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "cli/run.h"

using namespace hx;
using namespace hx::cli;

namespace {

QJsonObject Parse(const QString& out) {
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

struct Row {
    const char* name;
    QStringList args;
    std::function<void(const QString&)> check;
};

}  // namespace

TEST(CliSkyCommand, TextJsonAndIcsShapes) {
    const QStringList tromso = {"--lat",  "69.65",       "--lon", "18.96",
                                "--zone", "Europe/Oslo", "--at",  "2024-06-21 12:00"};
    const QStringList chicago = {"--lat", "41.88", "--lon", "-87.63", "--zone", "America/Chicago"};
    const Row rows[] = {
        {"polar day as text", QStringList{"sky"} + tromso,
         [](const QString& out) {
             EXPECT_TRUE(out.contains("- Astronomical dusk (the Sun stays above -18\u00b0)"));
             EXPECT_TRUE(out.contains("- Sunset (the Sun stays up)"));
             EXPECT_TRUE(out.contains("day length 24 h\n"));
             EXPECT_TRUE(QRegularExpression(R"(^2024-06-21 \d\d:\d\d:\d\d Solar noon\n)")
                             .match(out)
                             .hasMatch());
             EXPECT_EQ(out.count(QRegularExpression(
                           R"(\d (New Moon|First Quarter|Full Moon|Last Quarter)\n)")),
                       4);
             EXPECT_TRUE(out.contains("Sun enters Cancer (June Solstice)") ||
                         out.contains("Sun enters Leo"));
             EXPECT_TRUE(out.contains("Void-of-course Moon"));
         }},
        {"one day as JSON",
         QStringList{"sky", "--format", "json", "--at", "2024-12-10 09:00"} + chicago,
         [](const QString& out) {
             const QJsonObject o = Parse(out);
             EXPECT_EQ(o["command"].toString(), "sky");
             EXPECT_TRUE(o["days"].isNull());
             const QJsonArray days = o["twilights"].toArray();
             ASSERT_EQ(days.size(), 1);
             const QJsonObject d = days[0].toObject();
             EXPECT_EQ(d["date"].toString(), "2024-12-10");
             EXPECT_TRUE(d["civil_dawn"].toString().startsWith("2024-12-10T06:"));
             EXPECT_TRUE(d["astronomical_dusk"].toString().endsWith("-06:00"));
             EXPECT_TRUE(d["absent"].toObject().isEmpty());
             EXPECT_NEAR(d["day_length_minutes"].toDouble(), 9 * 60 + 9, 10);
             EXPECT_EQ(o["phases"].toArray().size(), 4);
             EXPECT_EQ(o["ingresses"].toArray().size(), 13);
             EXPECT_EQ(o["ingresses"].toArray()[0].toObject()["body"].toString(), "Moon");
             const QJsonArray voids = o["void_of_course"].toArray();
             ASSERT_EQ(voids.size(), 1);
             EXPECT_LT(voids[0].toObject()["start"].toString(),
                       voids[0].toObject()["end"].toString());
             EXPECT_FALSE(o["moon"].toObject()["phase"].toString().isEmpty());
         }},
        {"days across the end of daylight time, each time with its own offset",
         QStringList{"sky", "--format", "json", "--at", "2024-11-01 00:00", "--days", "5"} +
             chicago,
         [](const QString& out) {
             const QJsonObject o = Parse(out);
             EXPECT_EQ(o["days"].toInt(), 5);
             const QJsonArray days = o["twilights"].toArray();
             ASSERT_EQ(days.size(), 5);
             EXPECT_TRUE(days[0].toObject()["sunrise"].toString().endsWith("-05:00"));
             EXPECT_TRUE(days[4].toObject()["sunrise"].toString().endsWith("-06:00"));
             EXPECT_EQ(days[3].toObject()["date"].toString(), "2024-11-04");
             for (const QJsonValue& p : o["phases"].toArray())
                 EXPECT_GE(p.toObject()["time"].toString(), QString("2024-11-01"));
             EXPECT_GE(o["ingresses"].toArray().size(), 2);
         }},
        {"a month as iCalendar, a category for each kind",
         QStringList{"sky", "--format", "ics", "--days", "30", "--at", "2024-03-01 00:00"} +
             chicago,
         [](const QString& out) {
             EXPECT_TRUE(out.startsWith("BEGIN:VCALENDAR"));
             for (const char* c : {"CATEGORIES:Twilight", "CATEGORIES:Moon phase",
                                   "CATEGORIES:Ingress", "CATEGORIES:Void-of-course Moon"})
                 EXPECT_TRUE(out.contains(c)) << c;
             EXPECT_EQ(out.count("SUMMARY:Civil dawn"), 30);
             EXPECT_EQ(out.count("SUMMARY:Sun enters Aries (March Equinox)"), 1);
             EXPECT_EQ(out.count("SUMMARY:Void-of-course Moon"), out.count("SUMMARY:Moon enters"));
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome o = hx::cli::Run(row.args, EncodeDateTime(2024, 6, 15, 12, 0));
        ASSERT_EQ(o.status, 0) << o.err.toStdString();
        row.check(o.out);
    }
}
