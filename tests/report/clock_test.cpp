// The clock's rules: resolution, status-bar time, day steps, timer enabling.
#include <gtest/gtest.h>

#include "core/format.h"
#include "report/clock.h"

using namespace hx;

TEST(ClockResolution, Texts) {
    struct Row {
        const char* text;
        quint32 interval;
        bool error;
    };
    const Row rows[] = {
        {"10", 10000, false},
        {"9", 9000, false},
        {"0", 0, false},
        {"007", 7000, false},
        {" 5", 5000, false},  // leading blanks are allowed
        {"+3", 3000, false},
        {"-4", 0, false},
        {"-0", 0, false},
        {"", 1234, true},  // empty is no number either
        {"5 ", 1234, true},
        {"abc", 1234, true},
        {"1.5", 1234, true},
        {"2147483", 2147483000u, false},
        {"2147484", kLargestInterval, false},  // beyond a timer's range
        {"99999999999999999999999", kLargestInterval, false},
    };
    for (const Row& r : rows) {
        const IntervalChange c = IntervalFromResolution(QString::fromLatin1(r.text), 1234);
        EXPECT_EQ(c.interval, r.interval) << r.text;
        EXPECT_EQ(c.error.has_value(), r.error) << r.text;
    }
    EXPECT_EQ(*IntervalFromResolution("x1", 0).error, "''x1'' is not a valid integer value");
}

TEST(ClockStatusTime, SecondsOnlyBelowTenSeconds) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const Moment m = EncodeDateTime(2024, 6, 15, 15, 45, 10);
    EXPECT_EQ(StatusTimeText(m, 10000, us), FormatDateTime("t", m, us));
    EXPECT_EQ(StatusTimeText(m, 9000, us), FormatDateTime("tt", m, us));
    EXPECT_FALSE(StatusTimeText(m, 10000, us).contains("10"));
    EXPECT_TRUE(StatusTimeText(m, 9999, us).contains(":10"));
    EXPECT_TRUE(StatusTimeText(m, 0, us).contains(":10"));
}

TEST(ClockDayStep, RefusesBeforeTheEra) {
    const Moment first = EncodeDateTime(1904, 3, 20, 13, 30);
    EXPECT_FALSE(StepPickerDate(first, -1).has_value());
    ASSERT_TRUE(StepPickerDate(first, 1).has_value());
    EXPECT_DOUBLE_EQ(*StepPickerDate(first, 1), EncodeDateTime(1904, 3, 21, 13, 30));
    EXPECT_DOUBLE_EQ(*StepPickerDate(EncodeDateTime(1904, 3, 21), -1), EarliestPickerDate());
    EXPECT_FALSE(StepPickerDate(EncodeDateTime(9999, 12, 31), 1).has_value());
}

TEST(ClockReportMoment, DayOfOneTimeOfOther) {
    const Moment date = EncodeDateTime(2024, 6, 15, 1, 2, 3);
    const Moment time = EncodeDateTime(1990, 1, 1, 15, 45, 10);
    EXPECT_NEAR(ReportMoment(date, time), EncodeDateTime(2024, 6, 15, 15, 45, 10), 1e-9);
}

TEST(ClockEnabling, Table) {
    for (bool on : {false, true}) {
        EXPECT_EQ(ClockEnabledAfter(ClockEvent::StartUp, on), on);
        EXPECT_EQ(ClockEnabledAfter(ClockEvent::Switch, on), on);
        EXPECT_EQ(ClockEnabledAfter(ClockEvent::Done, on), on);
        EXPECT_FALSE(ClockEnabledAfter(ClockEvent::LocaleOpened, on));
        EXPECT_FALSE(ClockEnabledAfter(ClockEvent::SiteMissing, on));
    }
}
