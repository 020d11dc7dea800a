// Costs of the date line and the ephemeris calls it makes.
#include <benchmark/benchmark.h>

#include "core/ephemeris.h"
#include "core/thelemic.h"

using namespace hx;

static void BM_ThelemicDateText(benchmark::State& state) {
    Observer o;
    o.Latitude = 44.98;
    o.Longitude = -93.27;
    o.TimeZone = -6;
    o.DaylightTime = 1;
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
