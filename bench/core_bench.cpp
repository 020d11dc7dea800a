// Costs of the date line and the ephemeris calls it makes.
#include <benchmark/benchmark.h>

#include "core/ephemeris.h"
#include "core/thelemic.h"
#include "sites.h"

using namespace hx;

static void BM_ThelemicDateText(benchmark::State& state) {
    const Observer o = bench::Minneapolis();
    Moment m = EncodeDateTime(2024, 6, 15, 15, 45);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ThelemicDateText(m, o, ThelemicStyle{}));
        m += 10.0 / 86400;
    }
}
BENCHMARK(BM_ThelemicDateText);

static void BM_TwoPositions(benchmark::State& state) {
    double jd = 2460477.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(eph::EclipticLongitude(jd, 0) + eph::EclipticLongitude(jd, 1));
        jd += 10.0 / 86400;
    }
}
BENCHMARK(BM_TwoPositions);

// The report of a clock tick at a site of fixed offset.
static void BM_ReportBuildSameDay(benchmark::State& state) {
    bench::ReportTicks(state, bench::Minneapolis());
}
BENCHMARK(BM_ReportBuildSameDay);

// The bare ephemeris calls a report makes: two positions and two phase fractions.
static void BM_ReportEphemerisCalls(benchmark::State& state) {
    double jd = 2460477.0;
    for (auto _ : state) {
        jd += 10.0 / 86400;
        benchmark::DoNotOptimize(eph::EclipticLongitude(jd, 0) + eph::EclipticLongitude(jd, 1) +
                                 eph::MoonIlluminatedFraction(jd) +
                                 eph::MoonIlluminatedFraction(jd + 1));
    }
}
BENCHMARK(BM_ReportEphemerisCalls);
