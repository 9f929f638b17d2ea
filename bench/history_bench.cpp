// History texts and the case file: filling every history row, the copy text, and
// the case table's byte image and file round trip.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/files/case_file.h"
#include "core/files/history_text.h"

using namespace torsion;

namespace {

MaterialTable BenchTable() {
    MaterialTable table{};
    for (int n = 0; n < kMaterialRecords; ++n) SetShortString(table[n].symbol, "SUS304-WPB");
    return table;
}

CaseTable BenchCases() {
    CaseTable cases{};
    for (int n = 0; n < kCaseSlots; ++n) {
        DesignCase& c = cases[n];
        c.used = 1;
        c.materialNo = n % kMaterialRecords;
        c.wireDia = 1.0 + 0.1 * n;
        c.meanDia = 11.234567;
        c.turns = 5.25;
        c.arm1 = 30;
        c.arm2 = 27.5;
        c.moment1 = 123.456;
        c.moment2 = 12345.6;
        c.angle1 = 30;
        c.angle2 = 91.2345;
        c.springConst = 0.123456;
        c.stress1 = 55.5;
        c.stress2 = 105.25;
        c.allowStress = 161.3;
        c.lifeClass = n % 8;
    }
    return cases;
}

void BM_FillAllHistoryRows(benchmark::State& state) {
    const MaterialTable table = BenchTable();
    const CaseTable cases = BenchCases();
    for (auto _ : state) {
        for (int n = 1; n <= kHistorySlots; ++n) {
            HistoryRow row = HistoryRowTexts(cases[n], table);
            benchmark::DoNotOptimize(row);
        }
    }
}
BENCHMARK(BM_FillAllHistoryRows)->Unit(benchmark::kMicrosecond);

void BM_GridCopyText(benchmark::State& state) {
    const MaterialTable table = BenchTable();
    const CaseTable cases = BenchCases();
    std::vector<std::vector<std::string>> cells(kHistoryGridRows, std::vector<std::string>(kHistoryColumns));
    for (int c = 0; c < kHistoryColumns; ++c) {
        cells[0][c] = HistoryHeadings()[c];
        cells[1][c] = HistoryUnits()[c];
    }
    for (int n = 1; n <= kHistorySlots; ++n) {
        const HistoryRow row = HistoryRowTexts(cases[n], table);
        cells[n + 1][0] = std::to_string(n);
        cells[n + 1][1] = row.symbolSjis;
        for (int i = 0; i < 12; ++i) cells[n + 1][2 + i] = row.numbers[i];
        cells[n + 1][14] = row.lifeText;
    }
    for (auto _ : state) {
        std::string text = GridCopyText(cells, 0, 0, kHistoryColumns - 1, kHistoryGridRows - 1);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_GridCopyText)->Unit(benchmark::kMicrosecond);

void BM_CaseTableEncodeDecode(benchmark::State& state) {
    CaseTable cases = BenchCases();
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = EncodeCaseTable(cases);
        OverlayCaseTable(cases, bytes);
        benchmark::DoNotOptimize(cases);
    }
}
BENCHMARK(BM_CaseTableEncodeDecode)->Unit(benchmark::kMicrosecond);

std::string BenchFilePath() {
    return (std::filesystem::temp_directory_path() / "ts_history_bench.nbd").string();
}

// Saving flushes the file to the disk before renaming it, so its wall time is mostly the
// disk's; the CPU column shows the program's own share.
void BM_CaseFileSave(benchmark::State& state) {
    const std::string path = BenchFilePath();
    const CaseTable cases = BenchCases();
    for (auto _ : state) WriteCaseFile(cases, path);
    std::filesystem::remove(path);
}
BENCHMARK(BM_CaseFileSave)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_CaseFileRead(benchmark::State& state) {
    const std::string path = BenchFilePath();
    CaseTable cases = BenchCases();
    WriteCaseFile(cases, path);
    for (auto _ : state) {
        ReadCaseFile(cases, path);
        benchmark::DoNotOptimize(cases);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_CaseFileRead)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
