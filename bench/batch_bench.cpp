// Speed of the batch calculation: a generated file of a million designs, converted row
// by row as the command line's --calc does, without the process around it.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "core/base/csv_text.h"
#include "core/design/batch_calculation.h"
#include "core/materials/material_table.h"

using namespace torsion;

namespace {

// Two materials of 50 wire diameters each, like a real table.
struct BenchMaterials {
    BenchMaterials() {
        for (auto& r : *table) r.kindNo = kEmptyKindNo;
        for (int n = 0; n < 2; ++n) {
            MaterialRecord& r = (*table)[static_cast<std::size_t>(n)];
            r.kindNo = n;
            r.youngModulus = 206000 - 10000 * n;
            r.rowCount = kMaterialRows;
            r.bendingRatio = 75;
            for (int i = 0; i < kMaterialRows; ++i) {
                r.diameter[static_cast<std::size_t>(i)] = 0.1 * (i + 1);
                r.tensileStrength[static_cast<std::size_t>(i)] = 2500 - 10 * i;
            }
        }
        // The symbols name the wires' JIS rows, so the manufacturing columns have numbers.
        SetShortString((*table)[0].symbol, "SWP-B");
        SetShortString((*table)[1].symbol, "SUS304-WPB");
        index = BuildKindIndex(*table);
        symbols = {"SWP-B", "SUS304-WPB"};
        symbols.resize(kMaterialRecords);
    }
    std::unique_ptr<MaterialTable> table = std::make_unique<MaterialTable>();
    KindIndex index{};
    std::vector<std::string> symbols;
};

// rows designs of varied sizes, modes and flags, one per line.
std::string GeneratedDesigns(int rows) {
    std::mt19937 engine(1);
    std::uniform_int_distribution<int> diameterRow(4, 30), flag(0, 1), mode(0, 2);
    std::uniform_real_distribution<double> index(4, 20), turns(1, 15), arm(5, 40), angle(5, 120);
    const char* modes[] = {"inner", "mean", "outer"};
    std::string text =
        "symbol,wire_dia,dia_mode,coil_dia,turns,arm1,arm2,load_mode,value1,value2,outward,left_hand\n";
    for (int i = 0; i < rows; ++i) {
        const double d = 0.1 * (diameterRow(engine) + 1);
        const double phi1 = angle(engine);
        text += flag(engine) ? "SWP-B," : "SUS304-WPB,";
        AppendRoundTrip(text, d);
        text += ',';
        text += modes[mode(engine)];
        text += ',';
        AppendRoundTrip(text, d * index(engine));
        for (double v : {turns(engine), arm(engine), arm(engine)}) {
            text += ',';
            AppendRoundTrip(text, v);
        }
        const bool moments = flag(engine);
        text += moments ? ",moment," : ",angle,";
        AppendRoundTrip(text, moments ? phi1 / 10 : phi1);
        text += ',';
        AppendRoundTrip(text, moments ? phi1 / 5 : phi1 * 1.5);
        text += flag(engine) ? ",1," : ",0,";
        text += flag(engine) ? "1\n" : "0\n";
    }
    return text;
}

// Discards what it is given, as a file system that costs nothing would.
class NullBuffer : public std::streambuf {
  protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int overflow(int c) override { return c; }
};

// Arguments: rows, tolerance grade (2 as --calc has by default; 0 leaves the manufacturing
// check and its columns out, the batch as it was before them).
void BM_CalcMillionRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    BatchOptions options;
    options.grade = static_cast<int>(state.range(1));
    const BenchMaterials materials;
    const std::string designs = GeneratedDesigns(rows);
    NullBuffer sink;
    std::ostream out(&sink);
    BatchSummary summary;
    for (auto _ : state) {
        std::istringstream in(designs);
        BatchCalculator calculator(*materials.table, materials.index, materials.symbols, options);
        summary = RunBatch(in, out, calculator);
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["failed_rows"] = static_cast<double>(summary.failed);
}
BENCHMARK(BM_CalcMillionRows)
    ->Args({1000000, 2})
    ->Args({1000000, 0})
    ->Args({20000, 2})
    ->Args({20000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
