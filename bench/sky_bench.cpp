// Costs of the day's event list and of one Moon phase computation.
#include <benchmark/benchmark.h>

#include "core/moon_phase.h"
#include "core/sky_events.h"
#include "sites.h"

using namespace hx;

using bench::Site;

// One recomputation per iteration, a day apart: the daily cost of the list. Minneapolis
// uses the library's fast rise/set method, Oslo (beyond 50 degrees) its slow one.
static void BM_CollectSkyEvents(benchmark::State& state) {
    const Observer o = state.range(0) ? Site(59.91, 10.75, 1, 1) : Site(44.98, -93.27, -6, 1);
    SkyEventState events;
    Moment m = EncodeDateTime(2024, 6, 15, 0, 5);
    for (auto _ : state) {
        QStringList log;
        benchmark::DoNotOptimize(CollectSkyEvents(events, m, o, m, &log));
        m += 1;
    }
}
BENCHMARK(BM_CollectSkyEvents)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("high_latitude")
    ->Unit(benchmark::kMillisecond);

static void BM_MoonPhase(benchmark::State& state) {
    const Observer o = Site(44.98, -93.27, -6, 1);
    Moment m = EncodeDateTime(2024, 6, 15, 15, 45);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeMoonPhase(m, o));
        m += 10.0 / 86400;
    }
}
BENCHMARK(BM_MoonPhase)->Unit(benchmark::kMicrosecond);
