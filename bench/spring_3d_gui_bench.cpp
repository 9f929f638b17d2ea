// The 3D page's picture offscreen: one redraw of a 30-turn spring (what every step of a
// drag costs) and the mesh the page builds when the case or the state changes, with
// straight legs and with bent ones (leg 1 radial, leg 2 axial).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "bench/offscreen_main.h"
#include "core/calc/calculation.h"
#include "drawing/spring_3d_view.h"

using namespace torsion;

namespace {

// bent: leg 1 radial and leg 2 axial, straight length 4, bend radius 1.5.
SpringShape BenchSpring(double turns, bool bent) {
    DesignCase c;
    InitCurrentCase(c);
    c.turns = c.calcTurns = turns;
    DesignOptions o;
    if (bent) o.legs = {LegEnd{LegShape::Radial, 4, 1.5}, LegEnd{LegShape::Axial, 4, 1.5}};
    return SpringShapeAt(c, SpringState::Free, o);
}

// Args: turns, bent legs (0 or 1).
void BM_Spring3dRedraw(benchmark::State& state) {
    const TriangleMesh mesh =
        Spring3dViewMesh(BenchSpring(static_cast<double>(state.range(0)), state.range(1) != 0));
    QImage image(kSpring3dImageWidth, kSpring3dImageHeight, QImage::Format_RGB32);
    Spring3dView view;
    for (auto _ : state) {
        view.yaw += 1;  // as while dragging
        benchmark::DoNotOptimize(DrawSpring3d(image, mesh, view));
    }
    state.counters["triangles"] = static_cast<double>(mesh.triangles.size());
}
BENCHMARK(BM_Spring3dRedraw)
    ->Args({5, 0})
    ->Args({5, 1})
    ->Args({30, 0})
    ->Args({30, 1})
    ->Unit(benchmark::kMillisecond);

void BM_Spring3dViewMesh(benchmark::State& state) {
    const SpringShape s = BenchSpring(static_cast<double>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) benchmark::DoNotOptimize(Spring3dViewMesh(s));
}
BENCHMARK(BM_Spring3dViewMesh)->Args({30, 0})->Args({30, 1})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
