// The design practices and the design file: one evaluation by the program's practice at
// room temperature (what "計算" costs), one with bent legs, one by another practice warm and the three
// practices side by side; a 30-slot design file encoded, decoded, written and read.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/base/command_error.h"
#include "core/calc/calculation.h"
#include "core/evaluation/evaluation.h"
#include "core/files/design_file.h"
#include "core/materials/material_table.h"

using namespace torsion;

namespace {

const MaterialTable& Materials() {
    static const MaterialTable table = [] {
        MaterialTable t{};
        LoadMaterialTable(t, std::string(TS_DATA_DIR) + "/zaidat.dst");
        return t;
    }();
    return table;
}

DesignCase Inputs() {
    DesignCase c{};
    InitCurrentCase(c);  // SWP-B 1.0 mm, the start-up case
    c.meanDia = 10;
    c.innerDia = 9;
    c.outerDia = 11;
    c.turns = c.calcTurns = 5;
    c.angle1 = 30;
    c.angle2 = 90;
    return c;
}

void BM_EvaluateJisAtRoomTemperature(benchmark::State& state) {
    const DesignCase c = Inputs();
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateDesign(c, Materials()));
}
BENCHMARK(BM_EvaluateJisAtRoomTemperature);

// "計算" with two legs bent out radially at r = 1.5 and a gap between coils: the legs' rate,
// the bends' limit on the largest moment and their message lines.
void BM_EvaluateBentLegs(benchmark::State& state) {
    const DesignCase c = Inputs();
    EvaluationOptions o;
    o.design.legs = {LegEnd{LegShape::Radial, 5, 1.5}, LegEnd{LegShape::Radial, 5, 1.5}};
    o.design.pitchGap = 0.3;
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateDesign(c, Materials(), o));
}
BENCHMARK(BM_EvaluateBentLegs);

void BM_EvaluateUsAt100Degrees(benchmark::State& state) {
    const DesignCase c = Inputs();
    EvaluationOptions o;
    o.design = {Practice::Us, 100};
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateDesign(c, Materials(), o));
}
BENCHMARK(BM_EvaluateUsAt100Degrees);

void BM_ComparePractices(benchmark::State& state) {
    const DesignCase c = Inputs();
    for (auto _ : state) benchmark::DoNotOptimize(ComparePractices(c, Materials(), {Practice::En, 20}));
}
BENCHMARK(BM_ComparePractices);

struct History {
    CaseTable cases{};
    DesignOptionsTable options{};
    History() {
        for (int n = 0; n < kCaseSlots; ++n) {
            cases[static_cast<std::size_t>(n)] = Inputs();
            cases[static_cast<std::size_t>(n)].angle2 = 60 + n;
            options[static_cast<std::size_t>(n)] = {static_cast<Practice>(n % kPractices), 20.0 + n};
        }
    }
};

void BM_DesignFileEncode(benchmark::State& state) {
    const History h;
    for (auto _ : state) benchmark::DoNotOptimize(EncodeDesignFile(h.cases, h.options));
}
BENCHMARK(BM_DesignFileEncode);

void BM_DesignFileDecode(benchmark::State& state) {
    const History h;
    const std::string text = EncodeDesignFile(h.cases, h.options);
    History read;
    for (auto _ : state) {
        DecodeDesignFile(text, "bench.nbdx", read.cases, read.options);
        benchmark::DoNotOptimize(read.cases);
    }
}
BENCHMARK(BM_DesignFileDecode);

void BM_DesignFileWriteAndRead(benchmark::State& state) {
    const History h;
    const std::string path = (std::filesystem::temp_directory_path() / "ts_bench_design.nbdx").string();
    History read;
    for (auto _ : state) {
        WriteDesignFile(path, h.cases, h.options);
        ReadAnyCaseFile(path, read.cases, read.options);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_DesignFileWriteAndRead);

}  // namespace
