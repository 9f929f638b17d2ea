// Speed of the design search over the default material table with the inputs of the
// start-up case: every row of every record, coil diameter in steps of 0.1 mm over
// spring index 4..22, whole turns 1..30.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/calc/calculation.h"
#include "core/design/design_search.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"

using namespace torsion;

namespace {

void BM_SearchDefaultTable(benchmark::State& state) {
    auto table = std::make_unique<MaterialTable>();
    LoadMaterialTable(*table, std::string(TS_DATA_DIR) + "/zaidat.dst");
    const KindIndex index = BuildKindIndex(*table);
    DesignCase start;
    InitCurrentCase(start);
    CalculateCase(start, *table);
    SearchInputs in = SearchInputsFromCase(start);
    in.outerDiaMax = 0;  // the whole index range, not just the start-up case's space
    in.ranking = static_cast<SearchRanking>(state.range(0));

    SearchOutcome out;
    for (auto _ : state) {
        out = SearchDesigns(in, *table, index);
        benchmark::DoNotOptimize(out);
    }
    state.counters["examined"] = static_cast<double>(out.examined);
    state.counters["calculated"] = static_cast<double>(out.calculated);
    state.counters["feasible"] = static_cast<double>(out.feasible);
    state.counters["examined_per_s"] =
        benchmark::Counter(static_cast<double>(out.examined), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SearchDefaultTable)
    ->Arg(0)
    ->Arg(2)
    ->ArgName("ranking")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
