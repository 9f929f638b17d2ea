// The main() of the window benchmarks: the offscreen platform, one application object
// (QApplication for widgets, QGuiApplication for painting alone), then the benchmarks.
#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>

template <typename Application>
int RunOffscreenBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
