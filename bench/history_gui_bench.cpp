// The history on real widgets: filling all 30 rows of the grid, copying the grid to
// the clipboard, and the read and save commands of the main window.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "bench/offscreen_main.h"
#include "tests/support/fake_dialogs.h"
#include "ui/main_window/history_grid.h"
#include "ui/main_window/vek.h"

using namespace torsion;

namespace {

CaseTable FullHistory(double turns) {
    CaseTable cases{};
    for (int slot = 0; slot <= kHistorySlots; ++slot) {
        DesignCase& c = cases[static_cast<std::size_t>(slot)];
        c.used = 1;
        c.materialNo = slot % 3;
        c.wireDia = 0.5 + slot * 0.1;
        c.meanDia = 10 + slot;
        c.turns = turns + slot;
        c.arm1 = 15;
        c.arm2 = 20;
        c.moment1 = 12345.678 + slot;
        c.moment2 = 9999.7;
        c.angle1 = 30;
        c.angle2 = 60 + slot;
        c.springConst = 0.123456 * (slot + 1);
        c.stress2 = 97.819;
        c.allowStress = 152.957;
        c.lifeClass = slot % 8;
    }
    return cases;
}

MaterialTable& Materials() {
    static MaterialTable table = [] {
        MaterialTable t{};
        QFile f(QDir(QStringLiteral(TS_DATA_DIR)).filePath(QStringLiteral("zaidat.dst")));
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = f.readAll();
            OverlayMaterialTable(t, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                              static_cast<std::size_t>(bytes.size())));
        }
        return t;
    }();
    return table;
}

void BM_FillAllHistoryRows(benchmark::State& state) {
    HistoryGrid grid;
    const CaseTable a = FullHistory(2), b = FullHistory(3);
    grid.InitHistoryGrid(a, Materials());
    bool flip = false;
    for (auto _ : state) {
        // Alternate tables so that every cell text really changes.
        const CaseTable& cases = flip ? a : b;
        for (int slot = 1; slot <= kHistorySlots; ++slot) grid.FillHistoryRow(slot, cases, Materials());
        flip = !flip;
    }
}
BENCHMARK(BM_FillAllHistoryRows)->Unit(benchmark::kMicrosecond);

void BM_CopyWholeGrid(benchmark::State& state) {
    HistoryGrid grid;
    grid.InitHistoryGrid(FullHistory(2), Materials());
    for (auto _ : state) CopyGridToClipboard(grid, 0, 0, 14, 31);
}
BENCHMARK(BM_CopyWholeGrid)->Unit(benchmark::kMicrosecond);

// A main window over the generated data in a scratch folder.
struct WindowFixture {
    WindowFixture() {
        for (const char* name : {"zaidat.dst", "keisuu.dat"})
            QFile::copy(QDir(QStringLiteral(TS_DATA_DIR)).filePath(QString::fromLatin1(name)),
                        QDir(folder.path()).filePath(QString::fromLatin1(name)));
        window = std::make_unique<Tf_vek>(materials, kinds, coefficients, dialogs, folder.path());
        window->cases() = FullHistory(2);
        file = QDir(folder.path()).filePath(QStringLiteral("bench.nbd"));
    }
    void trigger(const char* action) { window->findChild<QAction*>(QString::fromLatin1(action))->trigger(); }

    QTemporaryDir folder;
    MaterialTable materials{};
    KindIndex kinds{};
    CoefficientRecord coefficients{};
    FakeDialogs dialogs;
    std::unique_ptr<Tf_vek> window;
    QString file;
};

void BM_SaveCommand(benchmark::State& state) {
    WindowFixture f;
    for (auto _ : state) {
        f.dialogs.saveNames.push_back(f.file);
        f.trigger("N3");
    }
    if (!f.dialogs.errors.isEmpty()) state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveCommand)->Unit(benchmark::kMicrosecond);

void BM_ReadCommand(benchmark::State& state) {
    WindowFixture f;
    f.dialogs.saveNames.push_back(f.file);
    f.trigger("N3");
    for (auto _ : state) {
        f.dialogs.openNames.push_back(f.file);
        f.trigger("Edit2");
    }
    if (!f.dialogs.errors.isEmpty()) state.SkipWithError("read failed");
}
BENCHMARK(BM_ReadCommand)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks<QApplication>(argc, argv);
}
