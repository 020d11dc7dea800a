// Costs of the Sky page's computation for a day, of a year of phases and ingresses, and of
// the sky alarms.
#include <benchmark/benchmark.h>

#include "alarms/alarm_check.h"
#include "core/ingress.h"
#include "core/lunation.h"
#include "report/sky_page.h"
#include "sites.h"

using namespace hx;

// The Sky page once a day: the site's twilights, noon and day length, the Moon's phase, the
// next four phases, twelve ingresses of the Sun, the Moon's next and the void-of-course span;
// at 42 and 70 degrees (where the Sun's day is a polar one in June).
static void BM_SkyPageDay(benchmark::State& state) {
    const Observer o = state.range(0) == 70 ? bench::Tromso() : bench::Chicago();
    Moment utc = EncodeDateTime(2024, 6, 15, 12, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeSky(utc, o));
        utc += 1;
    }
}
BENCHMARK(BM_SkyPageDay)->Arg(42)->Arg(70)->ArgName("latitude")->Unit(benchmark::kMillisecond);

// The lines too, as the page shows them.
static void BM_SkyPageLines(benchmark::State& state) {
    const Observer o = bench::Chicago();
    Moment utc = EncodeDateTime(2024, 6, 15, 12, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SkyPageLines(utc, o));
        utc += 1;
    }
}
BENCHMARK(BM_SkyPageLines)->Unit(benchmark::kMillisecond);

// A year's principal phases and the Sun's and the Moon's ingresses.
static void BM_YearOfPhasesAndIngresses(benchmark::State& state) {
    const double from = 2460310.5;  // 2024-01-01 00:00 UT
    for (auto _ : state) {
        benchmark::DoNotOptimize(PhasesBetween(from, from + 366));
        benchmark::DoNotOptimize(IngressesBetween(from, from + 366, 0));
        benchmark::DoNotOptimize(IngressesBetween(from, from + 366, 1));
    }
}
BENCHMARK(BM_YearOfPhasesAndIngresses)->Unit(benchmark::kMillisecond);

// The sky alarms' day, as the alarm check searches it once a day with every alarm on, and the
// check's tick on a day already searched.
static void BM_SkyAlarmDay(benchmark::State& state) {
    const Observer o = bench::Chicago();
    alarms::AlarmTables tables;
    for (alarms::SkyAlarmSetting& s : tables.skyTable.sky) s = {true, -15, {}};
    Moment utc = EncodeDateTime(2024, 6, 15, 12, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(alarms::SkyFiringsBetween(utc, utc + 1, o, tables.skyTable));
        utc += 1;
    }
}
BENCHMARK(BM_SkyAlarmDay)->Unit(benchmark::kMillisecond);

static void BM_SkyAlarmTick(benchmark::State& state) {
    const Observer o = bench::Chicago();
    alarms::AlarmTables tables;
    for (alarms::SkyAlarmSetting& s : tables.skyTable.sky) s = {true, -15, {}};
    alarms::SkyAlarmCheck check;
    const Moment utc = EncodeDateTime(2024, 6, 15, 18, 0);
    check.Check(tables, utc, o);
    for (auto _ : state) benchmark::DoNotOptimize(check.Check(tables, utc + 1.0 / 86400, o));
}
BENCHMARK(BM_SkyAlarmTick)->Unit(benchmark::kMicrosecond);
