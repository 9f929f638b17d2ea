// Speed of the characteristic page's core: tolerance lookups, loaded geometry, the wire
// lookups, the variation and natural frequency, and the texts of the whole page for one
// calculated case.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/calc/calculation.h"
#include "core/report/characteristic_sheet.h"
#include "core/tolerances/tolerance_table.h"
#include "core/tolerances/variation.h"
#include "core/tolerances/wire_table.h"

using namespace torsion;

namespace {

std::unique_ptr<MaterialTable> BenchTable() {
    auto table = std::make_unique<MaterialTable>();
    MaterialRecord& r = (*table)[0];
    SetShortString(r.symbol, "SWP-B");
    r.youngModulus = 206000;
    r.rowCount = kMaterialRows;
    r.bendingRatio = 75;
    for (int i = 0; i < kMaterialRows; ++i) {
        r.diameter[i] = 0.1 + 0.1 * i;
        r.tensileStrength[i] = 2500 - 10 * i;
    }
    return table;
}

DesignCase CalculatedCase(const MaterialTable& table, double turns) {
    DesignCase c;
    InitCurrentCase(c);
    c.wireDiaIndex = 9;
    c.turns = c.calcTurns = turns;
    CalculateCase(c, table);
    return c;
}

void BM_ToleranceLookups(benchmark::State& state) {
    const auto rows = BuiltInToleranceRows();
    for (auto _ : state) {
        benchmark::DoNotOptimize(MomentTolerance(rows, 2, 5, 35, 3.26));
        benchmark::DoNotOptimize(CoilDiameterTolerance(rows, 2, 10, 9));
        benchmark::DoNotOptimize(ArmLengthTolerance(rows, 2, 0.3, 20));
    }
}
BENCHMARK(BM_ToleranceLookups);

// The four wire lookups of one case (tolerance, out-of-roundness, tensile strength by the
// next larger standard diameter, standard diameter) for a diameter between standard sizes.
void BM_WireLookups(benchmark::State& state) {
    const auto rows = BuiltInWireRows();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WireDiameterTolerance(rows, "SWP-B", 0.95));
        benchmark::DoNotOptimize(WireOutOfRoundness(rows, "SWP-B", 0.95));
        benchmark::DoNotOptimize(JisTensileStrength(rows, "SWP-B", 0.95));
        benchmark::DoNotOptimize(StandardWireDiameter(rows, "SWP-B", 0.95));
    }
}
BENCHMARK(BM_WireLookups);

// Variation, wire and natural frequency of one case (what an evaluation adds for a grade),
// with the row texts the page shows (1) and with the numbers only, as --calc asks (0).
void BM_ManufacturingCheck(benchmark::State& state) {
    const auto table = BenchTable();
    const DesignCase c = CalculatedCase(*table, 5);
    const RowTexts texts = state.range(0) ? RowTexts::Built : RowTexts::Skipped;
    for (auto _ : state)
        benchmark::DoNotOptimize(ManufacturingCheckOf(c, *table, 2, {5, 50}, BuiltInToleranceRows(),
                                                      BuiltInWireRows(), {}, texts));
}
BENCHMARK(BM_ManufacturingCheck)->Arg(1)->Arg(0);

// The whole page for the default case (turns 1.3, no published β2) and for 5 turns.
void BM_CharacteristicSheet(benchmark::State& state) {
    const auto table = BenchTable();
    const DesignCase c = CalculatedCase(*table, state.range(0) / 10.0);
    for (auto _ : state) benchmark::DoNotOptimize(BuildCharacteristicSheet(c, *table, 2, UnitSystem::Kgf));
}
BENCHMARK(BM_CharacteristicSheet)->Arg(13)->Arg(50);

}  // namespace
