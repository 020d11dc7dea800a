// The sites the benchmarks compute for, and the report loop they share.
#pragma once

#include <benchmark/benchmark.h>

#include "core/observer.h"
#include "menu/options_model.h"
#include "report/report.h"

namespace hx::bench {

inline Observer Site(double lat, double lon, double tz, int dst) {
    Observer o;
    o.Latitude = lat;
    o.Longitude = lon;
    o.TimeZone = tz;
    o.DaylightTime = dst;
    o.Pressure = 1013.25;
    o.Temperature = 15;
    return o;
}

inline Observer Minneapolis() {
    return Site(44.98, -93.27, -6, 1);
}

inline Observer Chicago() {
    return Site(41.88, -87.63, -6, 1);
}
inline Observer London() {
    return Site(51.51, -0.13, 0, 1);
}
inline Observer Tromso() {
    return Site(69.65, 18.96, 1, 1);
}

// One report per iteration, ten seconds apart, on a day whose events are already computed:
// the per-clock-tick composition.
inline void ReportTicks(benchmark::State& state, const Observer& o) {
    const OptionsModel options;
    SkyEventState events;
    Moment m = EncodeDateTime(2024, 6, 15, 12, 0);
    BuildReport(m, o, options, events, m);  // computes the day's events once
    for (auto _ : state) {
        m += 10.0 / 86400;
        benchmark::DoNotOptimize(BuildReport(m, o, options, events, m));
    }
}

}  // namespace hx::bench
