// heliodex-cli reverse: its options, its signs and the lookup's lines.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <array>
#include <cmath>

#include "cli/reverse_command.h"
#include "cli/run.h"
#include "core/ephemeris.h"
#include "core/thelemic.h"

using namespace hx;
using namespace hx::cli;

namespace {
Outcome RunLine(const char* s) {
    return cli::Run(QString(s).split(' ', Qt::SkipEmptyParts), EncodeDateTime(2024, 6, 15));
}

struct Asked {
    int docosade, year, sun, moon, sunDegree, moonDegree;
    double tz;
};

// What a date line must show besides the era year: Sun sign, degree, Moon sign, degree (or -1).
using Want = std::array<int, 4>;
enum class At { MinuteAfter, MinuteBefore, Instant };

// The date line at an instant: the one `thelemic` prints at the whole minute after or before
// it, or the line of the longitudes at the instant itself.
bool LineHolds(double jd, At at, const Asked& a, const Want& w) {
    const double minutes = (jd - kEpochJulianDay) * 1440 + a.tz * 60;
    const DateTimeFields f = DecodeDateTime(
        (at == At::MinuteAfter ? std::ceil(minutes - 1e-6) : std::floor(minutes + 1e-6)) / 1440);
    const QString local =
        QString::asprintf("%04d-%02d-%02d %02d:%02d", f.year, f.month, f.day, f.hour, f.minute);
    const QString text =
        at != At::Instant
            ? Run({"--tz", QString::number(a.tz), "--dst", "0", "--at", local, "thelemic"}, 0).out
            : ThelemicDateText(f.year, f.month, eph::EclipticLongitude(jd, 0),
                               eph::EclipticLongitude(jd, 1), ThelemicStyle{});
    static const QRegularExpression re(
        QString::fromUtf8("^An (.*) Sol (\\d+)° (\\w+) Luna (\\d+)° (\\w+) \n?$"));
    const auto m = re.match(text);
    EXPECT_TRUE(m.hasMatch()) << text.toStdString();
    bool holds = m.captured(1) == ThelemicYearText(22 * a.docosade + a.year, ThelemicStyle{});
    for (int i = 0; i < 4; ++i)
        holds &= w[i] < 0 || (i % 2 ? m.captured(i + 1).toInt()
                                    : ParseSign(m.captured(i + 3)).value_or(-2)) == w[i];
    return holds;
}

}  // namespace

TEST(CliReverse, EveryMomentShownHoldsTheAskedYearSignsAndDegrees) {
    // clang-format off
    const Asked rows[] = {
        {1, 1, 0, 0, 0, 0, 0},        {1, 1, 11, 5, 0, 29, 5.75},  {1, 1, 10, 9, 3, 0, -6},      {22, 22, 10, 4, 0, 0, 12.75},
        {22, 22, 11, 11, 29, 0, -6},  {22, 22, 0, 7, 0, 15, 5.75}, {5, 10, 10, 4, 0, 0, -6},     {2, 2, 6, 10, 0, 29, 12.75},
        {4, 16, 0, 3, 0, 12, -6},     {3, 7, 1, 1, 0, 0, 9},       {3, 7, 2, 8, 15, 0, -3.5},    {6, 1, 3, 6, 0, 1, 1},
        {7, 13, 4, 2, 1, 0, -10},     {8, 20, 5, 0, 0, 29, 5.5},   {9, 4, 6, 11, 12, 12, 14},    {10, 9, 7, 3, 0, 0, -12},
        {11, 11, 8, 9, 0, 7, 0},      {12, 2, 9, 10, 20, 0, 5.75}, {13, 5, 10, 1, 0, 0, 12.75},  {14, 18, 11, 6, 0, 0, -8},
        {15, 3, 0, 4, 10, 0, 3},      {16, 14, 1, 5, 0, 22, -5},   {17, 6, 2, 2, 0, 0, 10},      {18, 21, 3, 7, 29, 0, -7},
        {19, 8, 4, 11, 0, 3, 2},      {20, 12, 5, 8, 0, 0, -9.5},  {21, 15, 6, 0, 5, 0, 8},      {5, 10, 7, 4, 0, 29, -6},
        {4, 17, 8, 1, 0, 0, 4.5},     {2, 19, 9, 3, 0, 16, -2},    {6, 22, 10, 10, 0, 0, 11},    {7, 1, 11, 0, 0, 10, -4},
        {22, 21, 11, 2, 0, 0, 12.75}};
    // clang-format on
    int spans = 0;
    for (const Asked& a : rows) {
        // A degree of 0 asks for no degree.
        const lookup::Result r = lookup::Find(
            {lookup::DocosadeItems()[a.docosade - 1], lookup::YearItems()[a.year - 1], a.sun,
             a.moon, QString::number(a.sunDegree), QString::number(a.moonDegree)},
            a.tz);
        SCOPED_TRACE(r.AllLines().join('\n').toStdString());
        ASSERT_TRUE(r.sunFound && r.moonFound);
        EXPECT_TRUE(LineHolds(*r.sunFound, At::MinuteAfter, a, {a.sun, -1, -1, -1}));
        EXPECT_TRUE(LineHolds(*r.moonFound, At::MinuteAfter, a, {a.sun, -1, a.moon, -1}));
        // Every asked Moon degree is reached while the Sun is in its sign in these years.
        if (a.moonDegree) {
            ASSERT_TRUE(r.exactFound);
            EXPECT_TRUE(
                LineHolds(*r.exactFound, At::MinuteAfter, a, {a.sun, -1, a.moon, a.moonDegree}));
        }
        const Want all{a.sun, a.sunDegree ? a.sunDegree : -1, a.moon,
                       a.moonDegree ? a.moonDegree : -1};
        for (const lookup::Span& s : r.spans) {
            // Start, middle and end as the date line's minutes see them; two minutes out;
            // each boundary within 30 s.
            const double second = 1.0 / 86400;
            if (s.toJd - s.fromJd > 130 * second) {
                EXPECT_TRUE(LineHolds(s.fromJd + second, At::MinuteAfter, a, all));
                EXPECT_TRUE(LineHolds((s.fromJd + s.toJd) / 2, At::MinuteAfter, a, all));
                EXPECT_TRUE(LineHolds(s.toJd - second, At::MinuteBefore, a, all));
                for (double d : {-30.0, 30.0})
                    EXPECT_TRUE(LineHolds(s.fromJd + d * second, At::Instant, a, all) == (d > 0) &&
                                LineHolds(s.toJd + d * second, At::Instant, a, all) == (d < 0));
            }
            EXPECT_FALSE(LineHolds(s.fromJd - 120 * second, At::MinuteBefore, a, all));
            EXPECT_FALSE(LineHolds(s.toJd + 120 * second, At::MinuteAfter, a, all));
            ++spans;
        }
    }
    EXPECT_GE(spans, 25);
}

TEST(CliReverse, SignsByIndexOrNameInAnyCase) {
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"0", 0},   {"11", 11},   {"ARIES", 0}, {"sagittarius", 8}, {"Saggitarius", 8}, {"12", {}},
        {"-1", {}}, {"lion", {}}, {"", {}}};
    for (const auto& [text, sign] : rows) EXPECT_EQ(ParseSign(text), sign) << text;
}

TEST(CliReverse, PrintsTheLookupLinesInTheSiteZoneWhateverTheDaylightFlag) {
    const lookup::Result r = lookup::Find({"4 - IV", "16 - xvi", 0, 3, "", "12"}, -6);
    ASSERT_EQ(r.lines.size(), 6);
    for (const char* args :
         {"--tz -6 --dst 0 reverse --docosade 4 --year 16 --sun aries --moon 3 --moon-degree 12",
          "--tz -6 --dst 1 reverse --docosade=4 --year 16 --sun 0 --moon CANCER --moon-degree=12",
          "--tz 3 reverse --docosade 4 --year 16 --sun 0 --moon 3 --moon-degree 12 --tz -6"}) {
        const Outcome o = RunLine(args);
        EXPECT_EQ(o.status, 0) << args << o.err.toStdString();
        EXPECT_EQ(o.out, r.AllLines().join('\n') + '\n') << args;
    }
}

TEST(CliReverse, BadArgumentsNameTheCulprit) {
    for (const auto& [args, culprit, lines] :
         {std::tuple{"reverse --docosade 4 --year 16 --sun 0", "--moon", 0},
          {"reverse --docosade 4 --year 16 --sun lion --moon 0", "lion", 0},
          {"reverse --docosade 4 --year 16 --sun 0 --moon 0 --sun-degree abc", "abc", 0},
          {"reverse --docosade 4 --year 16 --sun 0 --moon 0 --planet 3", "--planet", 0},
          {"reverse --docosade 4 --year 16 --sun 0 --moon", "--moon", 0},
          // out of range: refused with the range, nothing on standard output
          {"--tz 0 reverse --docosade 23 --year 16 --sun 0 --moon 0", "\"23\" (want 1 to 22)", 0},
          {"--tz 0 reverse --docosade 4 --year 0 --sun 0 --moon 0", "--year", 0},
          {"reverse --docosade 4 --year 16 --sun 0 --moon 0 --moon-degree 31", "0 to 29", 0},
          {"reverse --docosade 4 --year 16 --sun 0 --moon 0 --sun-degree -1", "0 to 29", 0}}) {
        const Outcome o = RunLine(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_TRUE(o.err.contains(culprit)) << o.err.toStdString();
        EXPECT_EQ(o.out.count('\n'), lines) << args;
    }
}

TEST(CliReverse, JsonGivesTheSpansAsObjectsInTheSiteOffset) {
    const Outcome o =
        RunLine("--tz 5.75 reverse --docosade 5 --year 10 --sun aquarius --moon leo --format json");
    const QJsonObject doc = QJsonDocument::fromJson(o.out.toUtf8()).object();
    EXPECT_TRUE(doc["sun_found"].toString().contains(QRegularExpression("^2025-0[12]-")));
    EXPECT_EQ(doc["heading"].toString(), "All matches in An V x");
    const QJsonArray spans = doc["spans"].toArray();
    ASSERT_FALSE(spans.isEmpty()) << o.out.toStdString();
    for (const auto& span : spans) {
        for (const QString end : {"from", "to"}) {
            const QDateTime t = QDateTime::fromString(span[end].toString(), Qt::ISODate);
            EXPECT_EQ(t.offsetFromUtc(), 5.75 * 3600);
            EXPECT_NEAR(t.toMSecsSinceEpoch() / 86400000.0 + 2440587.5,
                        span[end + "_jd_ut"].toDouble(), 1.0 / 86400);
        }
    }
}

// With a zone the spans carry the offset in force at each: daylight time in summer only.
TEST(CliReverse, AZonedSiteShowsEachSpanInTheOffsetOfItsDate) {
    for (const auto& [sun, offset] : {std::pair{"cancer", -5}, std::pair{"aquarius", -6}}) {
        const Outcome o =
            cli::Run({"--zone", "America/Chicago", "reverse", "--docosade", "5", "--year", "10",
                      "--sun", sun, "--moon", "leo", "--format", "json"},
                     EncodeDateTime(2024, 6, 15));
        const QJsonObject doc = QJsonDocument::fromJson(o.out.toUtf8()).object();
        EXPECT_FALSE(o.out.contains("adjust")) << o.out.toStdString();
        const QJsonArray spans = doc["spans"].toArray();
        ASSERT_FALSE(spans.isEmpty()) << o.out.toStdString();
        for (const auto& span : spans) {
            const QDateTime t =
                QDateTime::fromString(span.toObject()["from"].toString(), Qt::ISODate);
            EXPECT_EQ(t.offsetFromUtc(), offset * 3600) << sun;
            EXPECT_NEAR(t.toMSecsSinceEpoch() / 86400000.0 + 2440587.5,
                        span.toObject()["from_jd_ut"].toDouble(), 1.0 / 86400);
        }
    }
}
