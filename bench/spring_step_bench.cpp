// Speed of the 3D exports without a window: the STEP solid (built and written by the
// kernel) and the binary STL, for the default spring (1.3 turns) and a 30-turn spring,
// with straight legs and with bent ones (leg 1 radial, leg 2 axial).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "cad/spring_step.h"
#include "cad/spring_stl.h"
#include "core/calc/calculation.h"

using namespace torsion;

namespace {

// bent: leg 1 radial and leg 2 axial, straight length 4, bend radius 1.5.
SpringShape BenchSpring(double turns, bool bent) {
    DesignCase c;
    InitCurrentCase(c);
    if (turns > 0) c.turns = c.calcTurns = turns;
    DesignOptions o;
    if (bent) o.legs = {LegEnd{LegShape::Radial, 4, 1.5}, LegEnd{LegShape::Axial, 4, 1.5}};
    return SpringShapeAt(c, SpringState::Free, o);
}

std::string BenchPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// Args: turns (0: the default case's 1.3), bent legs (0 or 1).
void BM_SpringStep(benchmark::State& state) {
    const SpringShape s = BenchSpring(static_cast<double>(state.range(0)), state.range(1) != 0);
    const std::string path = BenchPath("ts_bench_spring.step");
    const StepTitle title{"ねじりばね", "TS-1", "設計者"};
    for (auto _ : state) {
        std::string message;
        if (!TorsionWriteSpringStep(path.c_str(), &s, &title, &message)) state.SkipWithError(message.c_str());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SpringStep)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({30, 0})
    ->Args({30, 1})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

void BM_SpringStl(benchmark::State& state) {
    const SpringShape s = BenchSpring(static_cast<double>(state.range(0)), false);
    const std::string path = BenchPath("ts_bench_spring.stl");
    for (auto _ : state) WriteSpringStl(path, s);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SpringStl)->Arg(0)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
