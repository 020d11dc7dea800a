// Benchmark entry point: a Qt application (offscreen) and the ephemeris data path; with
// --startup-child DIR, the fresh process whose start-up the window benchmarks time.
#include <benchmark/benchmark.h>

#include <cstring>

#include <QApplication>

#include "bench/window_bench.h"
#include "core/ephemeris.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], hx::bench::kStartupChildOption) == 0)
        return hx::bench::RunStartupChild(QString::fromLocal8Bit(argv[2]), sinceMain);
    hx::eph::SetEphePath(QCoreApplication::applicationDirPath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    hx::eph::Close();
    return 0;
}
