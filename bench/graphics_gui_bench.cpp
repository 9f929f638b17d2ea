// Time to paint each drawing of the main window into its image, for a new case and
// for a spring of 30 turns.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "bench/offscreen_main.h"
#include "drawing/fatigue_diagram.h"
#include "drawing/spring_drawing.h"

namespace {

void BM_FatigueDiagram(benchmark::State& state) {
    QImage image(kFatigueImageWidth, kFatigueImageHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        DrawFatigueDiagram(image, true, 0.2, 0.45);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FatigueDiagram)->Unit(benchmark::kMicrosecond);

void BM_SpringDrawing(benchmark::State& state, double turns) {
    QImage image(kSpringImageWidth, kSpringImageHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        DrawSpring(image, 1, 10, turns, 15, 20);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_CAPTURE(BM_SpringDrawing, start_up_case, 1.3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SpringDrawing, thirty_turns, 30.0)->Unit(benchmark::kMicrosecond);
// Far more turns than pixel columns: bounded by the thinning of the loops.
BENCHMARK_CAPTURE(BM_SpringDrawing, a_million_turns, 1e6)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
