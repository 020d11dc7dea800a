// The reverse lookup's search: year, start, scans, refinements and the lines written.
#include <gtest/gtest.h>

#include <QLocale>

#include <optional>

#include "core/ephemeris.h"
#include "core/format.h"
#include "lookup/reverse_lookup.h"

using namespace hx;
using namespace hx::lookup;

namespace {

const QLocale kEnUs(QLocale::English, QLocale::UnitedStates);

Query Make(const char* docosade, const char* year, int sun, int moon, const char* sunDegree = "",
           const char* moonDegree = "") {
    Query q;
    q.docosade = docosade;
    q.year = year;
    q.sunSign = sun;
    q.moonSign = moon;
    q.sunDegree = sunDegree;
    q.moonDegree = moonDegree;
    return q;
}

Result Search(const Query& q, double tz = 0) {
    return Find(q, tz, EphemerisLongitude(), kEnUs);
}

QString Shown(const char* pattern, int y, int mo, int d, int h, int mi) {
    return FormatDateTime(pattern, EncodeDateTime(y, mo, d, h, mi), kEnUs);
}

QString StartLine(int y, int m, double tz) {
    return "Starting with  " +
           FormatDateTime("\":\" ddddd t", ShownMoment(eph::JulDay(y, m, 1, 0), tz), kEnUs);
}

// A synthetic sky: the Sun's and the Moon's longitudes grow linearly from a chosen moment,
// so the scans' positions and counts can be checked exactly.
struct LinearSky {
    LinearSky(double jd, double sun, double sunSpeed, double moon, double moonSpeed)
        : jd0(jd), sunAt0(sun), sunPerDay(sunSpeed), moonAt0(moon), moonPerDay(moonSpeed) {}
    double jd0, sunAt0, sunPerDay, moonAt0, moonPerDay;
    mutable std::vector<std::pair<double, int>> seen;  // positions asked, with the body
    LongitudeFn Fn() const {
        return [this](double jd, int body) {
            seen.emplace_back(jd, body);
            const double lon =
                body == 0 ? sunAt0 + sunPerDay * (jd - jd0) : moonAt0 + moonPerDay * (jd - jd0);
            return std::fmod(std::fmod(lon, 360) + 360, 360);
        };
    }
};

}  // namespace

TEST(LookupItems, BoxesAndTheirNumbers) {
    ASSERT_EQ(DocosadeItems().size(), 22);
    ASSERT_EQ(YearItems().size(), 22);
    EXPECT_EQ(DocosadeItems()[21], "22 - XXII");
    EXPECT_EQ(YearItems()[15], "16 - xvi");
    EXPECT_EQ(SolarSignItems()[4], "Leo - July 23 -August 21");
    EXPECT_EQ(LunarSignItems()[8], "Sagittarius");
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(LeadingNumber(DocosadeItems()[i]), i + 1);
        EXPECT_EQ(LeadingNumber(YearItems()[i]), i + 1);
    }
    EXPECT_EQ(ItemIndexOf(YearItems(), " 16 - XVI "), 15);
    EXPECT_EQ(ItemIndexOf(YearItems(), "16"), -1);
    const std::pair<const char*, int> degrees[] = {{"", 0},    {"abc", 0}, {"2.5", 0}, {" 7 ", 7},
                                                   {"-3", -3}, {"30", 30}, {"0x1F", 0}};
    for (const auto& [text, n] : degrees) EXPECT_EQ(DegreeOf(text), n) << text;
}

TEST(LookupFind, YearAndStartMonthFollowTheBoxes) {
    // 4 - IV and 16 - xvi give 2008; each sign starts in its month of that same year.
    const int months[12] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};
    for (int s = 0; s < 12; ++s) {
        const Result r = Search(Make("4 - IV", "16 - xvi", s, 0), 0);
        ASSERT_GE(r.lines.size(), 3);
        EXPECT_EQ(r.lines[2], StartLine(2008, months[s], 0)) << s;
    }
    // The extremes of the lists, and a sign box without a selection (February).
    EXPECT_EQ(Search(Make("1 - I", "1 - i", 0, 0)).lines[2], StartLine(1927, 3, 0));
    EXPECT_EQ(Search(Make("22 - XXII", "22 - xxii", 0, 0)).lines[2], StartLine(2410, 3, 0));
    EXPECT_EQ(Search(Make("4 - IV", "16 - xvi", -1, 0)).lines[2], StartLine(2008, 2, 0));
}

TEST(LookupFind, TimeZoneShiftsEveryTimeAndIsShownAsTyped) {
    const Result r = Search(Make("4 - IV", "16 - xvi", 0, 0), -6);
    EXPECT_EQ(r.lines[0], "Using your current Time Zone: -6");
    EXPECT_EQ(r.lines[1], "You will have to manually adjust result for daylight time");
    EXPECT_EQ(r.lines[2], "Starting with  " + Shown("\":\" ddddd t", 2008, 2, 29, 18, 0));
    EXPECT_TRUE(r.lines[2].startsWith("Starting with  : 2/29/08 6:00"));
    EXPECT_EQ(Search(Make("4 - IV", "16 - xvi", 0, 0), 5.5).lines[0],
              "Using your current Time Zone: 5.5");
    // The 2008 March equinox is 20 March 05:48 UT: the first half-day position in Aries is noon.
    const Result ut = Search(Make("4 - IV", "16 - xvi", 0, 0), 0);
    const Result east = Search(Make("4 - IV", "16 - xvi", 0, 0), 5.5);
    ASSERT_EQ(ut.lines.size(), 5);
    EXPECT_EQ(ut.lines[3], Shown("\"Sun Sign found \" ddddd t", 2008, 3, 20, 12, 0) +
                               QString::fromUtf8(" 0° Aries"));
    EXPECT_EQ(east.lines[3], Shown("\"Sun Sign found \" ddddd t", 2008, 3, 20, 17, 30) +
                                 QString::fromUtf8(" 0° Aries"));
}

TEST(LookupFind, WithoutDegreesFiveLinesAndTheMoonAtDegreeZero) {
    for (int moon = 0; moon < 12; ++moon) {
        std::optional<double> firstMoon;
        const LongitudeFn watch = [&](double jd, int body) {
            if (body == 1 && !firstMoon) firstMoon = jd;
            return eph::EclipticLongitude(jd, body);
        };
        const Result r = Find(Make("5 - V", "10 - x", (moon * 5) % 12, moon), -6, watch, kEnUs);
        ASSERT_EQ(r.lines.size(), 5) << moon;
        EXPECT_TRUE(r.error.isEmpty());
        ASSERT_TRUE(firstMoon);
        const QString head =
            FormatDateTime("\"Lunar Sign found \"ddddd t", ShownMoment(*firstMoon, -6), kEnUs);
        // A Moon already inside the sign at the scan's first position is named there;
        // otherwise the line names the first position after its entry, at degree 0.
        if (ToSignDegree(eph::EclipticLongitude(*firstMoon, 1)).sign == moon) {
            EXPECT_TRUE(r.lines[4].startsWith(head + " ")) << r.lines[4].toStdString();
        } else {
            EXPECT_TRUE(r.lines[4].startsWith("Lunar Sign found ")) << r.lines[4].toStdString();
            EXPECT_TRUE(r.lines[4].endsWith(QString::fromUtf8(" 0° ") + LunarSignItems()[moon]))
                << r.lines[4].toStdString();
        }
    }
}

TEST(LookupFind, BoxTextMatchingNoItemStopsAfterTwoLines) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"4 - X", "16 - xvi", "4 - X"},
        {"", "16 - xvi", "\"\""},
        {"4 - IV", "16", "16"},
        {"4", "23 - xxiii", "4"}};
    for (const auto& [docosade, year, culprit] : rows) {
        const Result r = Search(Make(docosade, year, 0, 0));
        EXPECT_EQ(r.lines.size(), 2) << docosade << " / " << year;
        EXPECT_TRUE(r.error.contains(culprit)) << r.error.toStdString();
    }
}

TEST(LookupFind, SolarDegreeOfTwoOrMoreWritesNothingAndOnlyMovesTheMoonScan) {
    const Result plain = Search(Make("4 - IV", "16 - xvi", 6, 2));
    for (const char* degree : {"1", "2", "15", "29", "30", "-4", "x"}) {
        const Result r = Search(Make("4 - IV", "16 - xvi", 6, 2, degree));
        ASSERT_EQ(r.lines.size(), 5) << degree;
        EXPECT_EQ(r.lines.mid(0, 4), plain.lines.mid(0, 4)) << degree;
    }
    // A synthetic Sun at 1 degree a day enters Libra 3.2 days after the start: the refinement
    // for degree 2 cannot reach it within 1.001 days and the Moon scan starts from the
    // Julian day in which the refinement ended.
    const double jd0 = eph::JulDay(2008, 9, 1, 0);
    const LinearSky sky{jd0, 176.8, 1.0, 0.0, 13.0};
    const Result r = Find(Make("4 - IV", "16 - xvi", 6, 11, "2"), 0, sky.Fn(), kEnUs);
    ASSERT_EQ(r.lines.size(), 5);
    const auto firstMoon =
        std::find_if(sky.seen.begin(), sky.seen.end(), [](const auto& p) { return p.second == 1; });
    ASSERT_NE(firstMoon, sky.seen.end());
    EXPECT_EQ(firstMoon - sky.seen.begin(), 8 + 1001);  // 8 half-day positions, the refinement
    EXPECT_NEAR(firstMoon->first, std::trunc(jd0 + 3.5 + 1.001) + 0.05, 1e-9);
}

TEST(LookupFind, MoonDegreeTestsTheSunSignAtTheMatch) {
    // The synthetic Moon enters Taurus 2.31 days after 1 March 2008 and reaches degree 20
    // on 4 March near 20:18 UT; a Sun that leaves Aries before then gives no exact match, and
    // a degree beyond 29 is never reached.
    const double jd0 = eph::JulDay(2008, 3, 1, 0);
    const QString exact = " " + kEnUs.toString(QDate(2008, 3, 4), QLocale::LongFormat) + " ";
    const std::tuple<double, const char*, QString> rows[] = {
        {0.98, "20", exact}, {10.0, "20", "No exact match on Lunar Sign"}, {0.98, "35", ""}};
    for (const auto& [sunPerDay, moonDegree, last] : rows) {
        const LinearSky sky{jd0, 359.0, sunPerDay, 0.0, 13.0};
        const Result r = Find(Make("4 - IV", "16 - xvi", 0, 1, "", moonDegree), 0, sky.Fn(), kEnUs);
        ASSERT_EQ(r.lines.size(), last.isEmpty() ? 5 : 6) << sunPerDay << " " << moonDegree;
        if (!last.isEmpty()) {
            EXPECT_TRUE(r.lines[5].startsWith(last)) << r.lines[5].toStdString();
        }
    }
}

TEST(LookupFind, WorstCaseRunsEveryScanToItsBoundWithAccumulatedSteps) {
    // Signs without a selection never match, so each scan runs to its bound.
    const double jd0 = eph::JulDay(2008, 2, 1, 0);
    const LinearSky sky{jd0, 0, 1, 0, 13};
    const Result r = Find(Make("4 - IV", "16 - xvi", -1, -1, "1", "1"), 0, sky.Fn(), kEnUs);
    EXPECT_EQ(r.lines.size(), 3);
    ASSERT_EQ(sky.seen.size(), 1001u + 1001 + 15001 + 15001);
    struct Scan {
        size_t count;
        int body;
        double first, step;
    };
    double sunEnd = jd0, moonEnd = 0;
    for (int k = 0; k < 1001 + 1001; ++k) sunEnd += k < 1001 ? 0.5 : 0.001;
    moonEnd = std::trunc(sunEnd);
    for (int k = 0; k < 15001; ++k) moonEnd += 0.05;
    const Scan scans[] = {{1001, 0, jd0, 0.5},
                          {1001, 0, jd0 + 1001 * 0.5, 0.001},
                          {15001, 1, std::trunc(sunEnd) + 0.05, 0.05},
                          {15001, 1, moonEnd, 0.001}};
    size_t i = 0;
    for (const Scan& scan : scans) {
        EXPECT_EQ(sky.seen[i].first, scan.first) << i;
        for (size_t k = 0; k < scan.count; ++k, ++i) {
            EXPECT_EQ(sky.seen[i].second, scan.body) << i;
            // Each position is its predecessor plus the step, in double precision.
            if (k > 0) {
                EXPECT_EQ(sky.seen[i].first, sky.seen[i - 1].first + scan.step) << i;
            }
        }
    }
}
