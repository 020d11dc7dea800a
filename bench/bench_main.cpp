// Benchmark entry point: a Qt application and the ephemeris data path.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "core/ephemeris.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    hx::eph::SetEphePath(QCoreApplication::applicationDirPath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    hx::eph::Close();
    return 0;
}
