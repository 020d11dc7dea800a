// The clock tick's work on a day whose events are already computed: the report composition,
// td.txt and the alarm check, each alone and together.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "alarms/alarm_check.h"
#include "report/report.h"
#include "report/td_file.h"
#include "sites.h"

using namespace hx;

namespace {

// Ticks (instants) of the default 10 s resolution through one afternoon, wrapping before the day
// ends so that no iteration recomputes the event list.
constexpr double kDayStart = 12.0 / 24;
constexpr int kTicksPerAfternoon = 4000;
Moment TickMoment(Moment day, long i) {
    return day + kDayStart + double(i % kTicksPerAfternoon) * 10.0 / 86400;
}

struct TickFixture {
    TickFixture() : td(dir.filePath("td.txt")) {
        events = SkyEventState{};
        BuildReport(day + kDayStart, obs, options, events, day + kDayStart);  // the day's list
        tables.states.fill(alarms::kAlarmOn);  // every alarm on: each event's minute compared
    }
    QTemporaryDir dir;
    TdFile td;
    const Observer obs = bench::Minneapolis();
    const OptionsModel options;
    const Moment day = EncodeDateTime(2024, 6, 15, 0, 0);
    SkyEventState events;
    alarms::AlarmTables tables;
};

}  // namespace

// The whole tick: composition, td.txt replaced, alarm check.
static void BM_ClockTick(benchmark::State& state) {
    TickFixture f;
    long i = 0;
    for (auto _ : state) {
        const Moment m = TickMoment(f.day, ++i);
        const ReportResult r = BuildReport(m, f.obs, f.options, f.events, m);
        benchmark::DoNotOptimize(f.td.Write(r.headerLines));
        benchmark::DoNotOptimize(alarms::CheckAlarmsFrom(f.events.events, 0, f.tables, m, f.obs));
    }
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond)->UseRealTime();

static void BM_TickTdFile(benchmark::State& state) {
    TickFixture f;
    const QStringList header =
        BuildReport(f.day + kDayStart, f.obs, f.options, f.events, f.day).headerLines;
    for (auto _ : state) benchmark::DoNotOptimize(f.td.Write(header));
}
BENCHMARK(BM_TickTdFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

static void BM_TickAlarmCheck(benchmark::State& state) {
    TickFixture f;
    state.counters["events"] = double(f.events.events.size());
    long i = 0;
    for (auto _ : state) {
        const Moment m = TickMoment(f.day, ++i);
        benchmark::DoNotOptimize(alarms::CheckAlarmsFrom(f.events.events, 0, f.tables, m, f.obs));
    }
}
BENCHMARK(BM_TickAlarmCheck)->Unit(benchmark::kMicrosecond);
