// Pattern formatting under en_US.
#include <gtest/gtest.h>

#include "core/format.h"

using namespace hx;

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

struct Row {
    const char* pattern;
    int y, mo, d, h, mi, s;
    const char* expected;
};

class Formats : public ::testing::TestWithParam<Row> {};

TEST_P(Formats, UnderEnUs) {
    const Row& r = GetParam();
    const Moment m = EncodeDateTime(r.y, r.mo, r.d, r.h, r.mi, r.s);
    EXPECT_EQ(FormatDateTime(QString::fromUtf8(r.pattern), m, kUs), QString::fromUtf8(r.expected))
        << r.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Formats,
    ::testing::Values(Row{"dddddd", 2024, 6, 15, 15, 45, 10, "Saturday, June 15, 2024"},
                      Row{"tt", 2024, 6, 15, 15, 45, 10, "3:45:10 PM"},
                      Row{"t", 2024, 6, 15, 15, 45, 10, "3:45 PM"},
                      Row{" hh:nn ampm", 2024, 6, 15, 15, 45, 10, " 03:45 PM"},
                      Row{" hh:nn ampm", 2024, 6, 15, 0, 5, 0, " 12:05 AM"},
                      Row{"hh:nn", 2024, 6, 15, 15, 45, 10, "15:45"},
                      Row{"yyyymmdddhhnn", 2008, 12, 9, 14, 5, 0, "200812Tue1405"},
                      Row{"dddd", 2008, 12, 9, 14, 5, 0, "Tuesday"},
                      Row{"yy", 2008, 12, 9, 14, 5, 0, "08"},
                      Row{"ddddd \"e.v. \"", 2024, 6, 15, 1, 0, 0, "6/15/2024 e.v. "},
                      Row{"ddddd", 2410, 2, 1, 0, 0, 0, "2/1/2410"},
                      Row{"ddddd", 1927, 3, 1, 0, 0, 0, "3/1/1927"},
                      Row{"\"hh mm\" hh", 2024, 6, 15, 9, 0, 0, "hh mm 09"},
                      Row{" dddd hh:nn ", 2024, 6, 18, 14, 5, 0, " Tuesday 14:05 "}));

// The 24-hour clock: the locale's clock tokens and 12-hour times in a made line, midnight and
// noon included; quoted text and the date parts stay.
TEST(TwentyFourHourClock, TokensAndMadeLines) {
    const Moment midnight = EncodeDateTime(2024, 6, 15, 0, 5, 9), noon = midnight + 0.5;
    const auto on24 = [](const char* p, Moment m) {
        return FormatDateTime(QString::fromUtf8(p), m, kUs, HourClock::TwentyFour);
    };
    EXPECT_EQ(on24("t", midnight), "00:05");
    EXPECT_EQ(on24("tt", noon), "12:05:09");
    EXPECT_EQ(on24(" hh:nn ampm", noon), " 12:05");
    EXPECT_EQ(on24("ddddd \"ampm t\" t", midnight), "6/15/2024 ampm t 00:05");
    EXPECT_EQ(FormatDateTimeKept("t", noon, kUs), "12:05 PM");
    EXPECT_EQ(FormatDateTimeKept("t", noon, kUs, HourClock::TwentyFour), "12:05");
    for (const auto& [in, out] : std::vector<std::pair<QString, QString>>{
             {"Sun Rise 06:45 AM", "Sun Rise 06:45"},
             {"Moon Set in 5 min (12:02 AM)", "Moon Set in 5 min (00:02)"},
             {"Full Moon 12:30 PM, 1:05:07 PM", "Full Moon 12:30, 13:05:07"},
             {"13:05 PM 10:00 AMBER", "13:05 PM 10:00 AMBER"}})
        EXPECT_EQ(TimesOnTwentyFourHourClock(in, kUs), out) << in.toStdString();
}

TEST(ShortDate, YearWidenedToFourDigits) {
    const std::pair<const char*, const char*> rows[] = {
        {"en_US", "M/d/yyyy"}, {"de_DE", "dd.MM.yyyy"}, {"sv_SE", "yyyy-MM-dd"}};
    for (const auto& [name, format] : rows)
        EXPECT_EQ(ShortDateFormatWideYear(QLocale(name)), format) << name;
}

TEST(LongTime, HasNoZone) {
    EXPECT_FALSE(LongTimeFormatWithoutZone(kUs).contains('t'));
    EXPECT_EQ(FormatDateTime("tt", EncodeDateTime(2024, 1, 1, 0, 0, 1), kUs), "12:00:01 AM");
}
}  // namespace

// A kept text is the one of its own pattern, moment and locale, whatever was asked before.
TEST(FormatKept, FollowsPatternMomentAndLocale) {
    const QLocale de(QLocale::German, QLocale::Germany);
    const Moment m = EncodeDateTime(2024, 6, 15, 15, 45), later = m + 1.0 / 1440;
    const struct {
        const char* pattern;
        Moment at;
        const QLocale& locale;
    } rows[] = {{" hh:nn ampm", m, kUs},     {" hh:nn ampm", m, de},  {"dddddd", m, kUs},
                {" hh:nn ampm", later, kUs}, {" hh:nn ampm", m, kUs}, {"dddddd", m, de}};
    for (const auto& r : rows)
        EXPECT_EQ(FormatDateTimeKept(r.pattern, r.at, r.locale),
                  FormatDateTime(r.pattern, r.at, r.locale))
            << r.pattern;
}
