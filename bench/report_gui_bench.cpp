// Time to write the calculation report as a PDF file (two A4 pages, fonts embedded).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <memory>

#include "bench/offscreen_main.h"
#include "core/calc/calculation.h"
#include "drawing/calculation_report.h"

using namespace torsion;

namespace {

void BM_ReportPdf(benchmark::State& state) {
    auto table = std::make_unique<MaterialTable>();
    MaterialRecord& r = (*table)[0];
    r.youngModulus = 206000;
    r.rowCount = 3;
    r.bendingRatio = 75;
    r.diameter = {0.5, 1.0, 2.0};
    r.tensileStrength = {2200, 2100, 2000};
    DesignCase c;
    InitCurrentCase(c);
    CalculateCase(c, *table);
    const ReportData report = MakeReportData(EvaluationOf(c, *table), *table, "SWP-B", UnitSystem::Kgf,
                                             {"品名", "図番", "設計者", "2026-12-08"});
    const QString path = QDir::temp().filePath(QStringLiteral("ts_bench_report.pdf"));
    for (auto _ : state) WriteReportPdf(path, report);
    QFile::remove(path);
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
