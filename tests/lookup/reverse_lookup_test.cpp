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
const QString kDeg = QString::fromUtf8("° ");

Query Make(const char* docosade, const char* year, int sun, int moon, const char* sunDegree = "",
           const char* moonDegree = "") {
    return Query{docosade, year, sun, moon, sunDegree, moonDegree};
}

Result Search(const Query& q, double tz = 0, const LongitudeFn& lon = EphemerisLongitude()) {
    return Find(q, tz, lon, kEnUs);
}

QString At(const char* pattern, Moment m) {
    return FormatDateTime(pattern, m, kEnUs);
}

// A synthetic sky whose longitudes grow linearly from jd0; it records every position asked.
struct LinearSky {
    double jd0, sun, sunPerDay, moon, moonPerDay;
    mutable std::vector<std::pair<double, int>> seen;
    LongitudeFn Fn() const {
        return [this](double jd, int body) {
            seen.emplace_back(jd, body);
            const double lon =
                body == 0 ? sun + sunPerDay * (jd - jd0) : moon + moonPerDay * (jd - jd0);
            return std::fmod(std::fmod(lon, 360) + 360, 360);
        };
    }
};

}  // namespace

TEST(LookupFind, YearStartAndTimeZone) {
    // 4 - IV and 16 - xvi give 2008; each sign starts on the 1st of its month of the era
    // year, so Aquarius and Pisces in 2009; no sign selection starts in February.
    const int months[13] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};
    for (int s = -1; s < 12; ++s) {
        const Result r = Search(Make("4 - IV", " 16 - XVI ", s, 0), -6);
        ASSERT_GE(r.lines.size(), 3);
        const Moment start = EncodeDateTime(s >= 10 ? 2009 : 2008, months[s + 1], 1) - 6 / 24.0;
        EXPECT_EQ(r.lines[2], "Starting with  " + At("\":\" ddddd t", start)) << s;
    }
    const Result r = Search(Make("4 - IV", "16 - xvi", 0, 0), -6);
    EXPECT_EQ(r.lines[0], "Using your current Time Zone: -6");
    EXPECT_EQ(r.lines[1], "You will have to manually adjust result for daylight time");
    EXPECT_TRUE(r.lines[2].startsWith("Starting with  : 2/29/2008 6:00")) << r.lines[2].toStdString();
    EXPECT_EQ(Search(Make("22 - XXII", "22 - xxii", 0, 0), 5.5).lines[0],
              "Using your current Time Zone: 5.5");
    // The equinox is 20 March 2008 05:48 UT: the first half-day position in Aries is noon.
    EXPECT_EQ(Search(Make("4 - IV", "16 - xvi", 0, 0), 5.5).lines[3],
              At("\"Sun Sign found \" ddddd t", EncodeDateTime(2008, 3, 20, 17, 30)) + " 0" + kDeg +
                  "Aries");
}

TEST(LookupFind, WithoutDegreesFiveLinesAndTheMoonAtDegreeZero) {
    for (int moon = 0; moon < 12; ++moon) {
        std::optional<double> first;
        const LongitudeFn watch = [&](double jd, int body) {
            if (body == 1 && !first) first = jd;
            return eph::EclipticLongitude(jd, body);
        };
        const Result r = Search(Make("5 - V", "10 - x", (moon * 5) % 12, moon), -6, watch);
        ASSERT_EQ(r.lines.size(), 5) << moon;
        ASSERT_TRUE(first);
        // A Moon already in the sign at the scan's first position is named there; otherwise
        // the first position after its entry is named, at degree 0.
        if (ToSignDegree(eph::EclipticLongitude(*first, 1)).sign == moon)
            EXPECT_TRUE(r.lines[4].startsWith(
                At("\"Lunar Sign found \"ddddd t ", ShownMoment(*first, -6))));
        else
            EXPECT_TRUE(r.lines[4].endsWith(" 0" + kDeg + LunarSignItems()[moon])) << moon;
    }
}

TEST(LookupFind, BoxTextMatchingNoItemStopsAfterTwoLines) {
    for (const auto& [docosade, year, culprit] : {std::tuple{"4 - X", "16 - xvi", "4 - X"},
                                                  {"", "1 - i", "\"\""},
                                                  {"4 - IV", "16", "16"}}) {
        const Result r = Search(Make(docosade, year, 0, 0));
        EXPECT_EQ(r.lines.size(), 2) << docosade << " / " << year;
        EXPECT_TRUE(r.error.contains(culprit)) << r.error.toStdString();
    }
}

TEST(LookupFind, SolarDegreeOfTwoOrMoreWritesNothingAndOnlyMovesTheMoonScan) {
    const Result plain = Search(Make("4 - IV", "16 - xvi", 6, 2));
    for (const char* degree : {"1", "2", "29", "30", "-4", "2.5"}) {
        const Result r = Search(Make("4 - IV", "16 - xvi", 6, 2, degree));
        EXPECT_EQ(r.lines.size(), 5) << degree;
        EXPECT_EQ(r.lines.mid(0, 4), plain.lines.mid(0, 4)) << degree;
    }
}

TEST(LookupFind, MoonDegreeTestsTheSunSignAtTheMatch) {
    // The Moon enters Taurus 2.31 days after 1 March 2008 and reaches degree 20 on 4 March;
    // a Sun that has left Aries by then gives no exact match; degree 35 is never reached, and
    // the line says so.
    const double jd0 = eph::JulDay(2008, 3, 1, 0);
    const QString exact = " " + kEnUs.toString(QDate(2008, 3, 4), QLocale::LongFormat) + " ";
    for (const auto& [sunPerDay, degree, last] :
         {std::tuple{0.98, "20", exact},
          {10.0, "20", QString("No exact match on Lunar Sign")},
          {0.98, "35", QString("No match found for the Lunar Sign in this year")}}) {
        const LinearSky sky{jd0, 359.0, sunPerDay, 0.0, 13.0, {}};
        const Result r = Search(Make("4 - IV", "16 - xvi", 0, 1, "", degree), 0, sky.Fn());
        ASSERT_EQ(r.lines.size(), 6) << sunPerDay << " " << degree;
        EXPECT_TRUE(r.lines[5].startsWith(last)) << r.lines.last().toStdString();
    }
}

TEST(LookupFind, WorstCaseRunsEveryScanToItsBoundWithAccumulatedSteps) {
    // The Moon scan starts in the Julian day where the full solar refinement ended.
    const double jd0 = eph::JulDay(2008, 2, 1, 0);
    const LinearSky sky{jd0, 0, 1, 0, 13, {}};
    // Nothing found: one line for each sign scan, never nothing.
    EXPECT_EQ(Search(Make("4 - IV", "16 - xvi", -1, -1, "1", "1"), 0, sky.Fn()).lines.mid(3),
              QStringList({"No match found for the Sun Sign in this year",
                           "No match found for the Lunar Sign in this year"}));
    ASSERT_EQ(sky.seen.size(), 1001u + 1001 + 15001 + 15001);
    double sunEnd = jd0, moonEnd;
    for (int k = 0; k < 2002; ++k) sunEnd += k < 1001 ? 0.5 : 0.001;
    moonEnd = std::trunc(sunEnd);
    for (int k = 0; k < 15001; ++k) moonEnd += 0.05;
    const std::tuple<size_t, int, double, double> scans[] = {
        {1001, 0, jd0, 0.5},
        {1001, 0, jd0 + 500.5, 0.001},
        {15001, 1, std::trunc(sunEnd) + 0.05, 0.05},
        {15001, 1, moonEnd, 0.001}};
    size_t i = 0;
    for (const auto& [count, body, first, step] : scans) {
        EXPECT_EQ(sky.seen[i].first, first) << i;
        // Each position is its predecessor plus the step, added in double precision.
        for (size_t k = 0; k < count; ++k, ++i)
            ASSERT_TRUE(sky.seen[i].second == body &&
                        (k == 0 || sky.seen[i].first == sky.seen[i - 1].first + step))
                << i;
    }
}
