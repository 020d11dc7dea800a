// Costs of the reverse lookup: its worst cases, a typical Find, and the longitudes it reads.
#include <benchmark/benchmark.h>

#include "core/ephemeris.h"
#include "lookup/reverse_lookup.h"

using namespace hx;

namespace {

lookup::Query Typical() {
    lookup::Query q;
    q.docosade = "5 - V";
    q.year = "10 - x";
    q.sunSign = 3;   // Cancer
    q.moonSign = 5;  // Virgo
    q.sunDegree = "1";
    q.moonDegree = "14";
    return q;
}

// The boxes' items for the era year opening in a common year (1927 to 2410).
lookup::Query InYear(lookup::Query q, int year) {
    const int era = year - 1904;
    const int docosade = (era - 1) / 22;
    q.docosade = lookup::DocosadeItems()[docosade - 1];
    q.year = lookup::YearItems()[era - 22 * docosade - 1];
    return q;
}

// Signs and degrees that send both refinements to their bounds, followed by the search of the
// rest of the year and the spans: the lunar sign costing the most longitudes in that year.
lookup::Query HeaviestWithSpans(int year) {
    lookup::Query q = InYear(Typical(), year);
    q.sunDegree = "29";
    q.moonDegree = "1";
    int most = -1;
    lookup::Query heaviest = q;
    for (int moon = 0; moon < 12; ++moon) {
        q.moonSign = moon;
        int calls = 0;
        const lookup::LongitudeFn counting = [&](double jd, int body) {
            ++calls;
            return lookup::EphemerisLongitude()(jd, body);
        };
        lookup::Find(q, -6, counting);
        if (calls > most) most = calls, heaviest = q;
    }
    return heaviest;
}

}  // namespace

// Signs without a selection match nothing, so every scan runs to its bound:
// 1,001 + 1,001 + 15,001 + 15,001 positions.
static void BM_ReverseLookupWorstCase(benchmark::State& state) {
    lookup::Query q = InYear(Typical(), int(state.range(0)));
    q.sunSign = -1;
    q.moonSign = -1;
    for (auto _ : state) benchmark::DoNotOptimize(lookup::Find(q, -6));
}
BENCHMARK(BM_ReverseLookupWorstCase)->Arg(2024)->Arg(2405)->Unit(benchmark::kMillisecond);

static void BM_ReverseLookupWorstCaseWithSpans(benchmark::State& state) {
    const lookup::Query q = HeaviestWithSpans(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(lookup::Find(q, -6));
}
BENCHMARK(BM_ReverseLookupWorstCaseWithSpans)->Arg(2024)->Arg(2405)->Unit(benchmark::kMillisecond);

static void BM_ReverseLookupTypical(benchmark::State& state) {
    const lookup::Query q = Typical();
    for (auto _ : state) benchmark::DoNotOptimize(lookup::Find(q, -6));
}
BENCHMARK(BM_ReverseLookupTypical)->Unit(benchmark::kMillisecond);

// The same search in 2405, past the installed data files (the analytic ephemeris there).
static void BM_ReverseLookupIn2405(benchmark::State& state) {
    lookup::Query q = Typical();
    q.docosade = lookup::DocosadeItems()[21];  // 22
    q.year = lookup::YearItems()[16];          // 17: from the spring of 2405
    for (auto _ : state) benchmark::DoNotOptimize(lookup::Find(q, -6));
}
BENCHMARK(BM_ReverseLookupIn2405)->Unit(benchmark::kMillisecond);

// One longitude from the ephemeris, by year and body (0 Sun, 1 Moon): the data files in 2024,
// the library's analytic ephemeris in 2405. Its ratio bounds that of lookups spent in the calls.
static void BM_LongitudeInYear(benchmark::State& state) {
    double jd = eph::JulDay(int(state.range(0)), 6, 1, 0.0);
    const int body = int(state.range(1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(eph::EclipticLongitude(jd, body));
        jd += 0.05;
    }
}
BENCHMARK(BM_LongitudeInYear)->ArgsProduct({{2024, 2405}, {0, 1}})->Unit(benchmark::kMicrosecond);
