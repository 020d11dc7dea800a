// The date-time scale: encoding, decoding, weekdays and QDateTime round trips.
#include <gtest/gtest.h>

#include <tuple>

#include "core/datetime.h"
#include "core/zone.h"

using namespace hx;

TEST(DateTimeScale, EpochAndKnownDays) {
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1900, 1, 1), 2.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(2024, 6, 15, 12), 45458.5);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1904, 3, 20, 18), 1541.75);
}

TEST(DateTimeScale, DecodeRoundsToMillisecond) {
    // 14:04:59.9996 is 14:05:00.000 once rounded; no minute is lost to float error.
    const Moment m = EncodeDateTime(2008, 12, 9, 14, 5) - 0.0004 / 86400.0;
    const DateTimeFields f = DecodeDateTime(m);
    EXPECT_EQ(f.hour, 14);
    EXPECT_EQ(f.minute, 5);
    EXPECT_EQ(f.second, 0);
    // The last millisecond of a day does not spill into the next day.
    const DateTimeFields g = DecodeDateTime(EncodeDateTime(2024, 12, 31, 23, 59, 59, 999));
    EXPECT_EQ(g.year, 2024);
    EXPECT_EQ(g.day, 31);
    EXPECT_EQ(g.msec, 999);
}

TEST(DateTimeScale, RoundTripsOverManyMoments) {
    for (int i = 0; i < 2000; ++i) {
        const Moment m = 1541.0 + i * 37.123456;
        const DateTimeFields f = DecodeDateTime(m);
        EXPECT_NEAR(EncodeDateTime(f), m, 1e-8) << i;
        EXPECT_NEAR(FromQDateTime(ToQDateTime(m)), m, 1e-8) << i;
    }
}

TEST(DateTimeScale, PartsWeekdayAndDays) {
    const Moment m = EncodeDateTime(2024, 6, 15, 15, 45, 10);
    EXPECT_DOUBLE_EQ(DatePart(m), EncodeDateTime(2024, 6, 15));
    EXPECT_NEAR(TimePart(m), (15 * 3600 + 45 * 60 + 10) / 86400.0, 1e-9);
    EXPECT_EQ(DayOfWeek(m), 7);                            // Saturday
    EXPECT_EQ(DayOfWeek(EncodeDateTime(2024, 6, 16)), 1);  // Sunday
    EXPECT_EQ(DecodeDateTime(AddDays(m, 17)).month, 7);
    EXPECT_EQ(DecodeDateTime(AddDays(m, 17)).day, 2);
}

TEST(DateTimeScale, Representable) {
    EXPECT_TRUE(IsRepresentable(EncodeDateTime(1, 1, 1)));
    EXPECT_TRUE(IsRepresentable(EncodeDateTime(9999, 12, 31, 23, 59)));
    EXPECT_FALSE(IsRepresentable(EncodeDateTime(9999, 12, 31) + 1.0));
    EXPECT_FALSE(IsRepresentable(EncodeDateTime(1, 1, 1) - 1.0));
    EXPECT_FALSE(IsRepresentable(std::nan("")));
}

// A zone's offset at a clock reading, around both changes of 2025 in Chicago.
TEST(SiteZone, OffsetAtReadingAcrossTheChanges) {
    const std::tuple<const char*, Moment, double, int> rows[] = {
        {"America/Chicago", EncodeDateTime(2025, 3, 9, 1, 30), -6, 0},
        {"America/Chicago", EncodeDateTime(2025, 3, 9, 2, 30), -6, 0},  // skipped: before
        {"America/Chicago", EncodeDateTime(2025, 3, 9, 3, 30), -6, 1},
        {"America/Chicago", EncodeDateTime(2025, 11, 2, 1, 30), -6, 1},  // twice: the first
        {"America/Chicago", EncodeDateTime(2025, 11, 2, 2, 30), -6, 0},
        {"Asia/Tokyo", EncodeDateTime(2025, 7, 1, 12, 0), 9, 0},
        {"Asia/Kolkata", EncodeDateTime(2025, 7, 1, 12, 0), 5.5, 0},
    };
    for (const auto& [id, reading, zone, daylight] : rows) {
        const auto o = ZoneOffsetAtReading(id, reading);
        ASSERT_TRUE(o) << id;
        EXPECT_EQ(o->TimeZone, zone) << id << ' ' << reading;
        EXPECT_EQ(o->DaylightTime, daylight) << id << ' ' << reading;
    }
    EXPECT_FALSE(ZoneOffsetAtReading("Mars/Olympus", 45000));
    EXPECT_FALSE(ZoneOffsetAtInstant("", 45000));
}

// Before 1899-12-30 the day number is negative while the time of day still runs forward from
// midnight: each moment decodes to the fields it was made of, not to the next day.
TEST(DateTimeScale, MomentsBeforeTheEpochDecodeToTheirOwnDay) {
    const DateTimeFields rows[] = {{1850, 6, 15, 0, 0, 0, 0},
                                   {1850, 6, 15, 12, 0, 0, 0},
                                   {1850, 6, 15, 23, 59, 59, 999},
                                   {1899, 12, 29, 18, 0, 0, 0},
                                   {1, 1, 1, 6, 30, 0, 0}};
    for (const DateTimeFields& r : rows) {
        const DateTimeFields f = DecodeDateTime(EncodeDateTime(r));
        EXPECT_EQ(std::tie(f.year, f.month, f.day, f.hour, f.minute, f.second, f.msec),
                  std::tie(r.year, r.month, r.day, r.hour, r.minute, r.second, r.msec))
            << r.year << "-" << r.month << "-" << r.day << " " << r.hour;
    }
}
