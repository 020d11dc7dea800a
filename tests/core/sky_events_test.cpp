// Rise and transit events: the day's list, the log lines, the recompute rule, the set search.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/ephemeris.h"
#include "core/names.h"
#include "core/sky_events.h"
#include "core/zone.h"

using namespace hx;

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

Observer Site(double lat, double lon, double tz = 0, int dst = 0) {
    Observer o;
    o.Latitude = lat;
    o.Longitude = lon;
    o.TimeZone = tz;
    o.DaylightTime = dst;
    o.Pressure = 1013.25;
    o.Temperature = 15;
    return o;
}
const Observer kMinneapolis = Site(44.98, -93.27, -6, 1);
// A function, not a namespace constant: the scale's epoch is itself a static of another file.
Moment Saturday() {
    return EncodeDateTime(2024, 6, 15, 15, 45);
}
}  // namespace

TEST(SkyEvents, FortyEventsOfTheDay) {
    const Moment kSaturday = Saturday();
    const Moment kSaturdayUtc = UtcOfReading(kMinneapolis, kSaturday);
    const EventList l = ComputeSkyEvents(kSaturday, kMinneapolis);
    ASSERT_EQ(l.size(), 40u);
    EXPECT_TRUE(std::is_sorted(
        l.begin(), l.end(), [](const SkyEvent& a, const SkyEvent& b) { return a.Time < b.Time; }));
    int perBody[7] = {};
    Moment sunFirst = 1e9, sunLast = 0;
    for (const SkyEvent& e : l) {
        ASSERT_GE(e.Body, 0);
        ASSERT_LT(e.Body, 7);
        ++perBody[e.Body];
        EXPECT_GT(e.Time, 0);
        if (e.Body == 0) {
            sunFirst = std::min(sunFirst, e.Time);
            sunLast = std::max(sunLast, e.Time);
        } else {
            EXPECT_GE(e.Time, kSaturdayUtc);
            EXPECT_LT(e.Time, kSaturdayUtc + 1.1);
        }
    }
    EXPECT_EQ(perBody[0], 16);
    for (int b = 1; b < 7; ++b) EXPECT_EQ(perBody[b], 4);
    EXPECT_GE(sunFirst, kSaturdayUtc - 2);
    EXPECT_LT(sunLast, kSaturdayUtc + 2.1);
    // Sunrise 05:25 and sunset 21:01 local (CDT) at Minneapolis on this day.
    const auto sun = [&](int kind, Moment after) {
        return std::find_if(l.begin(), l.end(),
                            [&](const SkyEvent& e) {
                                return e.Body == 0 && e.Kind == kind && e.Time > after;
                            })
            ->Time;
    };
    const auto sunLocal = [&](int kind, Moment after) {
        return ReadingOfUtc(kMinneapolis, sun(kind, UtcOfReading(kMinneapolis, after)));
    };
    EXPECT_NEAR(sunLocal(kRise, kSaturday - 0.5), EncodeDateTime(2024, 6, 15, 5, 25), 1.5 / 1440);
    EXPECT_NEAR(sunLocal(kSet, kSaturday), EncodeDateTime(2024, 6, 15, 21, 1, 30), 1.5 / 1440);
}

TEST(SkyEvents, TimesAreInstantsShownOnTheLocalClock) {
    // The same instant given on the UT clock and on TimeZone -6 with daylight time: the same
    // instants, each read five hours earlier on the local clock.
    const EventList ut = ComputeSkyEvents(EncodeDateTime(2024, 6, 15, 18, 0), Site(44.98, -93.27));
    const EventList cdt = ComputeSkyEvents(EncodeDateTime(2024, 6, 15, 13, 0), kMinneapolis);
    ASSERT_EQ(ut.size(), cdt.size());
    for (size_t i = 0; i < ut.size(); ++i) {
        EXPECT_EQ(ut[i].Body, cdt[i].Body);
        EXPECT_NEAR(ut[i].Time, cdt[i].Time, 1e-9);
        EXPECT_NEAR(ut[i].Time - ReadingOfUtc(kMinneapolis, cdt[i].Time), 5.0 / 24, 1e-9);
    }
}

TEST(SkyEvents, LogLines) {
    const Moment tue = EncodeDateTime(2024, 6, 18, 14, 5);
    const EventList l = {
        {1, kSet, 0}, {1, kRise, tue}, {0, kZenith, tue + 0.5}, {6, kNadir, tue + 1}};
    EXPECT_EQ(
        EventLogLines(l, tue - 1, Observer(), kUs),
        QStringList({"Event >> Tuesday 14:05 Moon Rise", "Event >> Wednesday 02:05 Sun Zenith",
                     "Event >> Wednesday 14:05 Saturn Nadir"}));
    // An event exactly at the present is not ahead of it.
    EXPECT_EQ(EventLogLines(l, tue, Observer(), kUs).size(), 2);
    EXPECT_TRUE(EventLogLines(l, tue + 1, Observer(), kUs).isEmpty());
}

TEST(SkyEvents, CollectsOncePerCalendarDay) {
    const Moment kSaturday = Saturday();
    SkyEventState state;
    QStringList log;
    // A moment ten days ahead of the present logs every event.
    EXPECT_TRUE(CollectSkyEvents(state, kSaturday, kMinneapolis, kSaturday - 10, &log));
    EXPECT_EQ(state.events.size(), 40u);
    EXPECT_EQ(state.LastEventMoment, kSaturday);
    EXPECT_EQ(log.size(), 40);
    // Another time of the same day at the same site computes nothing new.
    const EventList before = state.events;
    EXPECT_FALSE(CollectSkyEvents(state, kSaturday + 0.3, kMinneapolis, kSaturday - 10, &log));
    EXPECT_EQ(state.LastEventMoment, kSaturday);
    EXPECT_EQ(state.events.front().Time, before.front().Time);
    EXPECT_EQ(log.size(), 40);
    // Any field of the site changed, on the same day: the list is the new site's.
    Observer tokyo = Site(35.68, 139.69);
    tokyo.TimeZone = 9;
    Observer pressure = kMinneapolis, daylight = kMinneapolis, zone = kMinneapolis;
    pressure.Pressure += 1;
    daylight.DaylightTime = 1 - daylight.DaylightTime;
    zone.Zone = QStringLiteral("America/Chicago");
    for (const Observer& other : {tokyo, pressure, daylight, zone, kMinneapolis}) {
        EXPECT_TRUE(CollectSkyEvents(state, kSaturday + 0.3, other, kSaturday - 10, nullptr));
        EXPECT_EQ(state.events.front().Time, ComputeSkyEvents(kSaturday + 0.3, other).front().Time);
    }
    // A past day fills the list and logs nothing.
    EXPECT_TRUE(CollectSkyEvents(state, kSaturday - 3, kMinneapolis, kSaturday, &log));
    EXPECT_EQ(state.events.size(), 40u);
    EXPECT_EQ(log.size(), 40);
}

TEST(SkyEvents, OsloMoonSetJustAfterMidnight) {
    // The Moon sets at 00:05:44 UT on 2024-06-21; the fast search alone answers a day late.
    const Observer oslo = Site(59.91, 10.75);
    const double start = eph::JulDay(2024, 6, 21, 0);
    const auto set = FirstRiseTransAfter(start, 1, kSet, oslo);
    ASSERT_TRUE(set);
    EXPECT_NEAR(*set, eph::JulDay(2024, 6, 21, 5 / 60.0 + 44 / 3600.0), 1.0 / 1440);
    const auto slow = eph::RiseTrans(start, 1, kSet | 32768, oslo);
    ASSERT_TRUE(slow);
    EXPECT_NEAR(*set, *slow, 10.0 / 86400);
}

TEST(SkyEvents, NoSetSkippedOverAYearAt60Degrees) {
    const std::pair<double, int> rows[] = {{60, 0}, {60, 1}, {-60, 1}};
    for (const auto& [lat, body] : rows) {
        const Observer o = Site(lat, 10.75);
        // Chain the sets through 2024: a skipped set would leave a gap of two days. A search
        // from three minutes before a set must find that very set.
        double jd = eph::JulDay(2024, 1, 1, 0);
        const double end = eph::JulDay(2025, 1, 1, 0);
        int count = 0;
        while (jd < end) {
            const auto next = FirstRiseTransAfter(jd, body, kSet, o);
            ASSERT_TRUE(next) << lat << " " << body;
            ASSERT_GE(*next, jd);
            EXPECT_LT(*next - jd, 1.5) << lat << " " << body << " " << jd;
            EXPECT_NEAR(*FirstRiseTransAfter(*next - 3.0 / 1440, body, kSet, o), *next, 1.0 / 1440)
                << lat << " " << body << " " << *next;
            jd = *next + 1.0 / 1440;
            ++count;
        }
        EXPECT_GT(count, 340);
    }
}

// A run of days searched with one SkyEventSearch gives each day the list a fresh search
// gives: what is reused from earlier days (the Sun's events, each body's pass over its
// altitude) is the same event. At Tromso the Sun stops setting in these days.
TEST(SkyEvents, ARunOfDaysReusesOnlyTheSameEvents) {
    for (const Observer& site : {kMinneapolis, Site(59.91, 10.75, 1), Site(69.65, 18.96, 1)}) {
        SkyEventSearch run(site);
        for (int d = 0; d < 12; ++d) {
            const Moment day = EncodeDateTime(2024, 5, 14) + d;
            const EventList reused = run.DayList(day);
            const EventList fresh = ComputeSkyEvents(day, site);
            ASSERT_EQ(reused.size(), fresh.size());
            for (size_t i = 0; i < fresh.size(); ++i) {
                EXPECT_EQ(reused[i].Body, fresh[i].Body) << site.Latitude << " day " << d;
                EXPECT_EQ(reused[i].Kind, fresh[i].Kind) << site.Latitude << " day " << d;
                EXPECT_NEAR(reused[i].Time, fresh[i].Time, 1.0 / 86400)
                    << site.Latitude << " day " << d << " " << BodyNames[fresh[i].Body];
            }
        }
    }
}
