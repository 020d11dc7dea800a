// What a zoned site costs over a site of fixed offset: the report of a clock tick and a
// year's export, the zone's offset looked up per instant.
#include <benchmark/benchmark.h>

#include "calendar/icalendar.h"
#include "calendar/sky_calendar.h"
#include "sites.h"

using namespace hx;

namespace {
// London with its zone, or with the fixed offset of its winter.
Observer London(bool zoned) {
    Observer o = bench::Site(51.51, -0.13, 0, 0);
    if (zoned) o.Zone = QStringLiteral("Europe/London");
    return o;
}
}  // namespace

// BM_ReportBuildSameDay at a zoned site.
static void BM_ReportBuildSameDayZoned(benchmark::State& state) {
    bench::ReportTicks(state, London(true));
}
BENCHMARK(BM_ReportBuildSameDayZoned);

// A year of events and planetary hours at London, written as iCalendar.
static void BM_ExportYearAtLondon(benchmark::State& state) {
    const Observer o = London(state.range(0) != 0);
    const QDateTime stamp(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC);
    size_t vevents = 0;
    for (auto _ : state) {
        const cal::CalendarDay year =
            cal::ComputeDays(EncodeDateTime(2024, 1, 1), 366, o, true, true);
        benchmark::DoNotOptimize(cal::WriteICalendar(year.events, year.hours, o, stamp));
        vevents = year.events.size() + year.hours.size();
    }
    state.counters["vevents"] = double(vevents);
}
BENCHMARK(BM_ExportYearAtLondon)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("zoned")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
