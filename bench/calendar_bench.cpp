// The calendar export of a whole year of sky events: computing the days and writing them.
#include <benchmark/benchmark.h>

#include "calendar/icalendar.h"
#include "calendar/sky_calendar.h"
#include "sites.h"

using namespace hx;

// 366 days of events as `heliodex-cli events --days 366 --format ics` exports them.
// Minneapolis uses the library's fast rise/set method, Oslo (beyond 50 degrees) its slow one.
static void BM_ExportYearOfEvents(benchmark::State& state) {
    const Observer o = state.range(0) ? bench::Site(59.91, 10.75, 1, 1) : bench::Minneapolis();
    const QDateTime stamp(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC);
    size_t vevents = 0;
    for (auto _ : state) {
        const cal::CalendarDay year =
            cal::ComputeDays(EncodeDateTime(2024, 6, 15), 366, o, true, false);
        benchmark::DoNotOptimize(cal::WriteICalendar(year.events, {}, o, stamp));
        vevents = year.events.size();
    }
    state.counters["vevents"] = double(vevents);
}
BENCHMARK(BM_ExportYearOfEvents)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("high_latitude")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
