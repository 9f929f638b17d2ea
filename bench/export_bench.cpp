// Speed of the exports without a window: the history as CSV text and the spring
// drawing as a DXF file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "cad/spring_dxf.h"
#include "core/calc/calculation.h"
#include "core/files/history_csv.h"
#include "core/geometry/spring_outline.h"

using namespace torsion;

namespace {

void BM_HistoryCsvAllSlots(benchmark::State& state) {
    auto cases = std::make_unique<CaseTable>();
    for (int n = 1; n < kCaseSlots; ++n) {
        InitCurrentCase((*cases)[static_cast<std::size_t>(n)]);
        (*cases)[static_cast<std::size_t>(n)].moment2 = n / 7.0;
    }
    const std::vector<std::string> symbols(kMaterialRecords, "SUS304-WPB");
    for (auto _ : state) benchmark::DoNotOptimize(HistoryCsvText(*cases, symbols, UnitSystem::Kgf));
}
BENCHMARK(BM_HistoryCsvAllSlots)->Unit(benchmark::kMicrosecond);

void BM_SpringDxf(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() / "ts_bench_spring.dxf").string();
    const double turns = static_cast<double>(state.range(0)) + 0.3;
    for (auto _ : state) WriteSpringDxf(path, SpringOutlineFor(1, 10, turns, 15, 20));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SpringDxf)->Arg(1)->Arg(30)->Unit(benchmark::kMicrosecond);

}  // namespace
