// Remembered settings and the unit switch: reading a full settings file as start-up
// does, and switching the main window between kgf and SI with every history slot used;
// finding the user's or the program's tables as start-up and the editors do.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bench/offscreen_main.h"
#include "core/calc/calculation.h"
#include "tests/support/fake_dialogs.h"
#include "ui/common/data_files.h"
#include "ui/common/settings.h"
#include "ui/main_window/vek.h"

using namespace torsion;

namespace {

void FillSettings(Settings& settings, const QTemporaryDir& folder) {
    settings.setUnitSystem(UnitSystem::SI);
    settings.setWindowPosition(QPoint(120, 80));
    settings.setLastCaseFile(QDir(folder.path()).filePath(QStringLiteral("case1.nbd")));
    QStringList recent;
    for (int i = 1; i <= 8; ++i) recent << QDir(folder.path()).filePath(QStringLiteral("case%1.nbd").arg(i));
    settings.setRecentFiles(recent);
    settings.sync();
}

// A new settings object over a file holding every key, and every value read.
void BM_ReadSettings(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("settings.ini"));
    {
        Settings settings(path);
        FillSettings(settings, folder);
    }
    for (auto _ : state) {
        Settings settings(path);
        benchmark::DoNotOptimize(settings.unitSystem());
        benchmark::DoNotOptimize(settings.windowPosition());
        benchmark::DoNotOptimize(settings.lastCaseFile());
        benchmark::DoNotOptimize(settings.recentFiles());
    }
}
BENCHMARK(BM_ReadSettings)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// kgf to SI and back: every box, caption, unit label and the 32 grid rows twice.
void BM_SwitchUnitBackAndForth(benchmark::State& state) {
    MaterialTable materials{};
    KindIndex kinds{};
    CoefficientRecord coefficients{};
    FakeDialogs dialogs;
    Tf_vek window(materials, kinds, coefficients, dialogs, QStringLiteral(TS_DATA_DIR));
    window.BitBtn2Click();
    for (int slot = 1; slot <= kHistorySlots; ++slot) CopyCase(window.cases(), 0, slot);
    window.InitHistoryGrid();
    for (auto _ : state) {
        window.setUnitSystem(UnitSystem::SI);
        window.setUnitSystem(UnitSystem::Kgf);
    }
    if (!dialogs.errors.isEmpty()) state.SkipWithError(dialogs.errors.first().toStdString().c_str());
}
BENCHMARK(BM_SwitchUnitBackAndForth)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// Where the two tables are read from and written to (state 0: no user copies, the
// program folder's files; 1: the user's copies), as start-up and the two editors ask.
void BM_FindDataFiles(benchmark::State& state) {
    QTemporaryDir program, data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    SetProgramNames();
    const QStringList names = {QStringLiteral("zaidat.dst"), QStringLiteral("keisuu.dat")};
    for (const QString& name : names) {
        QFile(QDir(program.path()).filePath(name)).open(QIODevice::WriteOnly);
        if (state.range(0) == 1) {
            QDir().mkpath(UserDataFolder());
            QFile(QDir(UserDataFolder()).filePath(name)).open(QIODevice::WriteOnly);
        }
    }
    for (auto _ : state) {
        for (const QString& name : names) {
            benchmark::DoNotOptimize(DataFileToRead(program.path(), name));
            benchmark::DoNotOptimize(DataFileToWrite(program.path(), name));
        }
    }
    qunsetenv("XDG_DATA_HOME");
}
BENCHMARK(BM_FindDataFiles)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks<QApplication>(argc, argv);
}
