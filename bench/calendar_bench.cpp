// The calendar export of a whole year of sky events: computing the days and writing them.
#include <benchmark/benchmark.h>

#include "calendar/icalendar.h"
#include "calendar/sky_calendar.h"
#include "sites.h"

using namespace hx;

// 366 days of events as `heliodex-cli events --days 366 --format ics` exports them, by
// latitude band: Chicago (41.9), London (51.5), Tromso (69.7).
static void BM_ExportYearOfEvents(benchmark::State& state) {
    const Observer o = state.range(0) == 0   ? bench::Chicago()
                       : state.range(0) == 1 ? bench::London()
                                             : bench::Tromso();
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
    ->Arg(2)
    ->ArgName("chicago_london_tromso")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
