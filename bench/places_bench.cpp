// The place search over the gazetteer: the first search, which reads and folds the whole list,
// and searches once the list is loaded.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <array>
#include <memory>

#include "locale/name_catalogues.h"
#include "locale/place_search.h"

using namespace hx;

namespace {

// The first search: reading the list and every language's names of its places, folding them
// (on the loading thread in the program), then the search. heap_MB is what the loaded
// gazetteer keeps on the heap.
void BM_FirstPlaceSearch(benchmark::State& state) {
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        const std::shared_ptr<const places::Gazetteer> g =
            places::ReadGazetteer(places::SystemLocaleDirectory());
        benchmark::DoNotOptimize(places::FindPlace(QString::fromUtf8("München"), *g));
        state.counters["heap_MB"] = double(mallinfo2().uordblks - before) / (1 << 20);
        state.counters["cities"] = double(places::Cities(*g).size());
        state.counters["other_names"] = double(places::OtherNameCount(*g));
    }
}
BENCHMARK(BM_FirstPlaceSearch)->Unit(benchmark::kMillisecond)->Iterations(3);

const std::array<const char*, 7> kQueries = {"Springfield", "London, Ontario", "Zürich",    "Lond",
                                             "Xqzwv",       "München",         "Washington"};

void BM_PlaceSearch(benchmark::State& state) {
    places::WorldCities();  // loaded before the clock runs
    const QString query = QString::fromUtf8(kQueries[size_t(state.range(0))]);
    for (auto _ : state) benchmark::DoNotOptimize(places::FindPlace(query));
    state.SetLabel(kQueries[size_t(state.range(0))]);
}
BENCHMARK(BM_PlaceSearch)->DenseRange(0, int(kQueries.size()) - 1)->Unit(benchmark::kMillisecond);

}  // namespace
