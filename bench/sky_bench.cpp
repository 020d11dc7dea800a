// Costs of the day's event list and of one Moon phase computation.
#include <benchmark/benchmark.h>

#include "core/moon_phase.h"
#include "core/sky_events.h"
#include "sites.h"

using namespace hx;

using bench::Site;

// One recomputation per iteration, a day apart: the daily cost of the list, by latitude band
// (0-50, 50-66, 66-72 degrees): Chicago (41.9), 45, 60 (Oslo's longitude), 70 (Tromso).
static Observer BandSite(int64_t latitude) {
    switch (latitude) {
        case 41:
            return bench::Chicago();
        case 45:
            return Site(45, -93.27, -6, 1);
        case 60:
            return Site(60, 10.75, 1, 1);
        default:
            return bench::Tromso();
    }
}

static void BM_CollectSkyEvents(benchmark::State& state) {
    const Observer o = BandSite(state.range(0));
    SkyEventState events;
    Moment m = EncodeDateTime(2024, 6, 15, 0, 5);
    for (auto _ : state) {
        QStringList log;
        benchmark::DoNotOptimize(CollectSkyEvents(events, m, o, m, &log));
        m += 1;
    }
}
BENCHMARK(BM_CollectSkyEvents)
    ->Arg(41)
    ->Arg(45)
    ->Arg(60)
    ->Arg(70)
    ->ArgName("latitude")
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
