// The sky events and planetary hours of a run of days.
#include <gtest/gtest.h>

#include <QTest>

#include <optional>

#include "calendar/export_job.h"
#include "calendar/icalendar.h"
#include "calendar/sky_calendar.h"
#include "core/names.h"
#include "core/zone.h"

using namespace hx;
using namespace hx::cal;

namespace {
Observer Site(double lat, double lon, double tz, int dst) {
    Observer o;
    o.Latitude = lat;
    o.Longitude = lon;
    o.TimeZone = tz;
    o.DaylightTime = dst;
    return o;
}
const Observer kMinneapolis = Site(44.98, -93.27, -6, 1);
}  // namespace

// Every event the window lists on each of the days lies in the run once, and nothing else
// does: no event stepped over where a planet rises a few minutes earlier each day.
TEST(SkyCalendar, HoldsEachEventOfTheDailyListsOnce) {
    for (const Observer& site : {kMinneapolis, Site(59.91, 10.75, 1, 1)}) {
        const Moment first = EncodeDateTime(2024, 3, 1);
        const int days = 40;
        const EventList run = ComputeDays(first, days, site, true, false).events;
        const Moment from = UtcOfReading(site, first), to = UtcOfReading(site, first + days);
        for (size_t i = 1; i < run.size(); ++i) ASSERT_LE(run[i - 1].Time, run[i].Time);
        for (const SkyEvent& e : run) {
            ASSERT_GE(e.Time, from);
            ASSERT_LT(e.Time, to);
        }
        for (int k = 0; k < days; ++k)
            for (const SkyEvent& e : ComputeSkyEvents(first + k + 0.5, site)) {
                if (e.Time < from || e.Time >= to) continue;
                const auto same = std::count_if(run.begin(), run.end(), [&](const SkyEvent& r) {
                    return r.Body == e.Body && r.Kind == e.Kind &&
                           std::abs(r.Time - e.Time) < 60.0 / 86400;
                });
                ASSERT_EQ(same, 1) << BodyNames[e.Body] << ' ' << EventName(e.Kind) << " day " << k;
            }
    }
}

TEST(SkyCalendar, HoursFollowOneAnotherWhereTheSunRisesAndSets) {
    const struct {
        const char* name;
        Observer site;
        Moment first;
        size_t hours;
    } rows[] = {
        {"Minneapolis", kMinneapolis, EncodeDateTime(2024, 6, 15), 48},
        {"Tromso, midnight Sun", Site(69.65, 18.96, 1, 1), EncodeDateTime(2024, 6, 15), 0},
        // the Sun sets again on 2024-07-26: the day and night of the 26th have hours
        {"Tromso, the first sunset", Site(69.65, 18.96, 1, 1), EncodeDateTime(2024, 7, 25), 24},
    };
    for (const auto& row : rows) {
        const HourList h = ComputeDays(row.first, 2, row.site, false, true).hours;
        EXPECT_EQ(h.size(), row.hours) << row.name;
        for (size_t i = 1; i < h.size(); ++i) {
            EXPECT_NEAR(h[i].start, h[i - 1].end, 1e-9) << row.name << ' ' << i;
            EXPECT_EQ(h[i].number, int(i % 12) + 1);
        }
    }
    // Saturday 2024-06-15: the day's first hour is Saturn's, the night's Mercury's.
    const HourList h = ComputeDays(EncodeDateTime(2024, 6, 15), 1, kMinneapolis, true, true).hours;
    ASSERT_EQ(h.size(), 24u);
    EXPECT_EQ(h[0].body, 6);
    EXPECT_TRUE(h[0].day);
    EXPECT_EQ(h[12].body, 2);
    EXPECT_FALSE(h[12].day);
}

TEST(ExportJob, ComputesDayByDayAndWritesTheSameCalendar) {
    ExportRequest req{EncodeDateTime(2024, 6, 15),
                      3,
                      true,
                      true,
                      kMinneapolis,
                      QDateTime(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC),
                      {}};
    // The document of an export run to its end, and the days its progress reported.
    const auto run = [](const ExportRequest& r, QList<int>* progress = nullptr) {
        ExportJob job(r);
        QList<int> days;
        QObject::connect(&job, &ExportJob::progress, [&](int done, int) { days << done; });
        std::optional<QByteArray> got;
        QObject context;
        job.Start(&context, [&](const hx::JobResult<QByteArray>& res) { got = res.value; });
        EXPECT_TRUE(days.isEmpty());  // nothing before the event loop runs
        EXPECT_TRUE(QTest::qWaitFor([&] { return got.has_value(); }, 20000));
        if (progress) *progress = days;
        return got.value_or(QByteArray());
    };
    QList<int> progress;
    const QByteArray ics = run(req, &progress);
    EXPECT_EQ(progress, QList<int>({1, 2, 3}));
    const CalendarDay all = ComputeDays(req.first, 3, kMinneapolis, true, true);
    EXPECT_EQ(ics, WriteICalendar(all.events, all.hours, kMinneapolis, req.stamp));

    // Asked for, the sky items of the same days follow, each kind in its own category.
    ExportRequest withSky = req;
    withSky.sky = true;
    const QByteArray skyIcs = run(withSky);
    EXPECT_EQ(skyIcs, WriteICalendar(all.events, all.hours, kMinneapolis, req.stamp, {},
                                     SkyItemsOfDays(req.first, 3, kMinneapolis)));
    EXPECT_TRUE(skyIcs.contains("CATEGORIES:Twilight"));
}
