// Speed of the calculation, the number format and the case-table codec.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "core/base/number_text.h"
#include "core/calc/calculation.h"
#include "core/model/design_case.h"

using namespace torsion;

namespace {

std::unique_ptr<MaterialTable> BenchTable() {
    auto table = std::make_unique<MaterialTable>();
    MaterialRecord& r = (*table)[0];
    r.youngModulus = 206000;
    r.rowCount = kMaterialRows;
    r.bendingRatio = 75;
    for (int i = 0; i < kMaterialRows; ++i) {
        r.diameter[i] = 0.1 + 0.1 * i;
        r.tensileStrength[i] = 2500 - 10 * i;
    }
    return table;
}

DesignCase BenchCase(double meanDia, double wireDia, bool outward) {
    DesignCase c;
    InitCurrentCase(c);
    c.wireDiaIndex = 9;
    c.wireDia = wireDia;
    c.meanDia = meanDia;
    c.innerDia = meanDia - wireDia;
    c.outerDia = meanDia + wireDia;
    c.turns = c.calcTurns = 5;
    c.outward = outward ? 1 : 0;
    return c;
}

void BM_CalculateAndCheck(benchmark::State& state) {
    const auto table = BenchTable();
    const DesignCase base = BenchCase(10, 1, state.range(0) != 0);
    for (auto _ : state) {
        DesignCase c = base;
        CalculateCase(c, *table);
        CheckResult r = CheckCase(c);
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CalculateAndCheck)->Arg(0)->Arg(1)->ArgName("outward");

std::vector<double> BenchValues() {
    std::mt19937_64 rng(1);
    std::vector<double> values;
    std::uniform_real_distribution<double> everyday(-1e4, 1e4);
    std::uniform_int_distribution<int> scale(-20, 20);
    for (int i = 0; i < 1024; ++i) values.push_back(everyday(rng) * std::pow(10.0, scale(rng)));
    // Values that are exact decimal ties at 15 digits take the slowest path.
    for (int i = 0; i < 64; ++i) values[static_cast<std::size_t>(i) * 16] = std::ldexp(1.0, -22 - i % 8);
    return values;
}

void BM_FormatGeneral(benchmark::State& state) {
    const auto values = BenchValues();
    const int p = static_cast<int>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        std::string s = FormatGeneral(values[i++ & 1023], p);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_FormatGeneral)->Arg(15)->Arg(4)->ArgName("p");

void BM_ParseNumber(benchmark::State& state) {
    std::vector<std::string> texts;
    for (double v : BenchValues()) texts.push_back(FormatFull(v));
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ParseNumber(texts[i++ & 1023]));
}
BENCHMARK(BM_ParseNumber);

void BM_CaseTableEncodeDecode(benchmark::State& state) {
    CaseTable table{};
    for (int s = 0; s < kCaseSlots; ++s) table[s] = BenchCase(5 + s, 1, s % 2 != 0);
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = EncodeCaseTable(table);
        OverlayCaseTable(table, bytes);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_CaseTableEncodeDecode);

}  // namespace
