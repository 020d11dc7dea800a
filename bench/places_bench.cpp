// The place search over the gazetteer: the first search, which reads and folds the whole list,
// and searches once the list is loaded.
#include <benchmark/benchmark.h>

#include <array>

#include "locale/place_search.h"

using namespace hx;

namespace {

// Reading the list and a search that folds every name on the way: what the first search costs
// at most (the program folds each region and country once, on the loading thread).
void BM_FirstPlaceSearch(benchmark::State& state) {
    for (auto _ : state) {
        const std::vector<places::Place> cities = places::ReadWorldCities();
        benchmark::DoNotOptimize(places::FindPlace("Springfield", cities));
        state.counters["cities"] = double(cities.size());
    }
}
BENCHMARK(BM_FirstPlaceSearch)->Unit(benchmark::kMillisecond)->Iterations(3);

const std::array<const char*, 5> kQueries = {"Springfield", "London, Ontario", "Zürich", "Lond",
                                             "Xqzwv"};

void BM_PlaceSearch(benchmark::State& state) {
    places::WorldCities();  // loaded before the clock runs
    const QString query = QString::fromUtf8(kQueries[size_t(state.range(0))]);
    for (auto _ : state) benchmark::DoNotOptimize(places::FindPlace(query));
    state.SetLabel(kQueries[size_t(state.range(0))]);
}
BENCHMARK(BM_PlaceSearch)->DenseRange(0, int(kQueries.size()) - 1)->Unit(benchmark::kMillisecond);

}  // namespace
