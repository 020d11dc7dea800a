// The reverse lookup's search: year, start, scans, refinements and the lines written.
#include <gtest/gtest.h>
#include <algorithm>

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
    EXPECT_TRUE(r.lines[2].startsWith("Starting with  : 2/29/2008 6:00"))
        << r.lines[2].toStdString();
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
        EXPECT_EQ(r.lines.size(), r.spans.empty() ? 6 : 5) << degree;  // + the no-match note
        EXPECT_EQ(r.lines.mid(0, 4), plain.lines.mid(0, 4)) << degree;
    }
}

TEST(LookupFind, MoonDegreeTestsTheSunSignAtTheMatch) {
    // The Moon enters Taurus 2.31 days after 1 March 2008 and reaches degree 20 on 4 March;
    // a Sun that has left Aries by then gives no exact match; degree 30 or more is refused
    // before any scan, like a box matching no item.
    const double jd0 = eph::JulDay(2008, 3, 1, 0);
    const QString exact = " " + kEnUs.toString(QDate(2008, 3, 4), QLocale::LongFormat) + " ";
    for (const auto& [sunPerDay, degree, last] :
         {std::tuple{0.98, "20", exact},
          {10.0, "20", QString("No exact match on Lunar Sign")},
          {0.98, "35", QString()},
          {0.98, "30", QString()}}) {
        const LinearSky sky{jd0, 359.0, sunPerDay, 0.0, 13.0, {}};
        const Result r = Search(Make("4 - IV", "16 - xvi", 0, 1, "", degree), 0, sky.Fn());
        if (last.isEmpty()) {
            EXPECT_EQ(r.lines.size(), 2) << degree;
            EXPECT_TRUE(r.error.contains(degree)) << r.error.toStdString();
            continue;
        }
        ASSERT_GE(r.lines.size(), 6) << sunPerDay << " " << degree;
        EXPECT_TRUE(r.lines[5].startsWith(last)) << r.lines[5].toStdString();
    }
}

// The four scans read position by position, each step added in double precision: the oracle
// for Find, which passes over positions its bodies cannot reach in time.
struct Found {
    std::optional<double> sun, moon, exact;
};
Found EveryPosition(double jd0, int S, int L, int dS, int dL, const LongitudeFn& lon) {
    const auto at = [&](double jd, int body) { return ToSignDegree(lon(jd, body)); };
    Found f;
    double jd = jd0;
    for (int k = 0; k < 1001; ++k, jd += 0.5)
        if (at(jd, 0).sign == S) {
            f.sun = jd;
            break;
        }
    for (int k = 0; dS > 0 && k < 1001; ++k, jd += 0.001)
        if (at(jd, 0).sign == S && at(jd, 0).degree == dS) break;
    jd = std::trunc(jd);
    for (int k = 0; k < 15001; ++k) {
        jd += 0.05;
        if (f.sun && jd < *f.sun) continue;
        if (at(jd, 1).sign == L) {
            f.moon = jd;
            break;
        }
    }
    for (int k = 0; dL > 0 && k < 15001; ++k, jd += 0.001)
        if (at(jd, 1).sign == L && at(jd, 1).degree == dL && at(jd, 0).sign == S) {
            f.exact = jd;
            break;
        }
    return f;
}

TEST(LookupFind, PassingOverPositionsFindsWhatEveryPositionFinds) {
    const double jd0 = eph::JulDay(2008, 2, 1, 0);
    // Skies at both bounds of each body's motion (a real sky stays within them).
    const struct {
        double sun, sunPerDay, moon, moonPerDay;
        int S, L;
        const char *dS, *dL;
    } rows[] = {
        {300, 0.95, 10, 15.6, 5, 7, "3", "20"}, {300, 1.03, 200, 11.5, 11, 0, "29", "1"},
        {0, 1, 0, 13, -1, -1, "1", "1"},        {359, 1.03, 0, 15.6, 0, 1, "", "20"},
        {100, 0.95, 50, 11.5, 4, 9, "2", "7"},  {20, 1, 300, 13, 1, 11, "", "29"},
    };
    for (const auto& row : rows) {
        const LinearSky sky{jd0, row.sun, row.sunPerDay, row.moon, row.moonPerDay, {}};
        const Result r =
            Search(Make("4 - IV", "16 - xvi", row.S, row.L, row.dS, row.dL), 0, sky.Fn());
        ASSERT_FALSE(sky.seen.empty());
        const Found f = EveryPosition(sky.seen.front().first, row.S, row.L, DegreeOf(row.dS),
                                      DegreeOf(row.dL), sky.Fn());
        EXPECT_EQ(r.sunFound, f.sun) << row.S << " " << row.L;
        EXPECT_EQ(r.moonFound, f.moon) << row.S << " " << row.L;
        // Without a hit in the scan the first later match of the year answers.
        if (f.exact) {
            EXPECT_EQ(r.exactFound, f.exact) << row.S << " " << row.L;
        }
    }
    // Nothing found: one line for each sign scan, never nothing.
    const LinearSky sky{jd0, 0, 1, 0, 13, {}};
    EXPECT_EQ(Search(Make("4 - IV", "16 - xvi", -1, -1, "1", "1"), 0, sky.Fn()).lines.mid(3, 2),
              QStringList({"No match found for the Sun Sign in this year",
                           "No match found for the Lunar Sign in this year"}));
}

// The scans' dates read as an answer only where a match holds them: a year with no match, or a
// date outside every span, gets the plain line saying what the dates are.
TEST(LookupFind, ScanDatesAreNotCalledAnAnswerWhereNoMatchHoldsThem) {
    const QString none =
        "These dates are where each sign was first reached: none of them is a match.";
    const QString elsewhere =
        "These dates are where each sign was first reached; the matches are listed below.";
    // An V xii, Sun 29 Leo, Moon 15 Scorpio: no match in the year; then the same signs at any
    // degree, which match.
    for (const auto& [sunDegree, moonDegree] : {std::pair{"29", "15"}, {"", ""}}) {
        const Result r = Search(Make("5 - V", "12 - xii", 4, 7, sunDegree, moonDegree), 1);
        const bool noted = r.lines.contains(none) || r.lines.contains(elsewhere);
        const bool exactInSpan =
            r.exactFound && std::any_of(r.spans.begin(), r.spans.end(), [&](const Span& s) {
                return s.fromJd <= *r.exactFound && *r.exactFound <= s.toJd;
            });
        EXPECT_EQ(r.lines.contains(none), r.spans.empty()) << sunDegree;
        EXPECT_EQ(noted, r.spans.empty() || (r.exactFound && !exactInSpan)) << sunDegree;
        EXPECT_FALSE(r.matches.isEmpty());
    }
    EXPECT_TRUE(Search(Make("5 - V", "12 - xii", 4, 7, "29", "15")).spans.empty());
}
