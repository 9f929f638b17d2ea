// The 3D page's picture offscreen: one redraw of a 30-turn spring (what every step of a
// drag costs) and the mesh the page builds when the case or the state changes.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "bench/offscreen_main.h"
#include "core/calc/calculation.h"
#include "drawing/spring_3d_view.h"

using namespace torsion;

namespace {

SpringShape BenchSpring(double turns) {
    DesignCase c;
    InitCurrentCase(c);
    c.turns = c.calcTurns = turns;
    return SpringShapeAt(c, SpringState::Free);
}

// Arg: turns.
void BM_Spring3dRedraw(benchmark::State& state) {
    const TriangleMesh mesh = Spring3dViewMesh(BenchSpring(static_cast<double>(state.range(0))));
    QImage image(kSpring3dImageWidth, kSpring3dImageHeight, QImage::Format_RGB32);
    Spring3dView view;
    for (auto _ : state) {
        view.yaw += 1;  // as while dragging
        benchmark::DoNotOptimize(DrawSpring3d(image, mesh, view));
    }
    state.counters["triangles"] = static_cast<double>(mesh.triangles.size());
}
BENCHMARK(BM_Spring3dRedraw)->Arg(5)->Arg(30)->Unit(benchmark::kMillisecond);

void BM_Spring3dViewMesh(benchmark::State& state) {
    const SpringShape s = BenchSpring(static_cast<double>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(Spring3dViewMesh(s));
}
BENCHMARK(BM_Spring3dViewMesh)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
