// Costs of the reverse lookup's search: its worst case and a typical Find.
#include <benchmark/benchmark.h>

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

}  // namespace

// Signs without a selection match nothing, so every scan runs to its bound:
// 1,001 + 1,001 + 15,001 + 15,001 positions.
static void BM_ReverseLookupWorstCase(benchmark::State& state) {
    lookup::Query q = Typical();
    q.sunSign = -1;
    q.moonSign = -1;
    for (auto _ : state) benchmark::DoNotOptimize(lookup::Find(q, -6));
}
BENCHMARK(BM_ReverseLookupWorstCase)->Unit(benchmark::kMillisecond);

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
