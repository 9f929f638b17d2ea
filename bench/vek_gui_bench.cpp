// The main window offscreen: a whole calculate command, one live update of the
// recommended values, and start-up to the first shown window against an empty main
// window of the same size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>

#include "bench/offscreen_main.h"
#include "tests/support/fake_dialogs.h"
#include "ui/main_window/legs_group.h"
#include "ui/main_window/practice_page.h"
#include "ui/main_window/vek.h"

using namespace torsion;

namespace {

struct WindowData {
    MaterialTable materials{};
    KindIndex kinds{};
    CoefficientRecord coefficients{};
    FakeDialogs dialogs;
};

void ShowAndPaint(QWidget& window) {
    window.show();
    QApplication::processEvents();
}

void BM_CalculateCommand(benchmark::State& state) {
    WindowData data;
    Tf_vek window(data.materials, data.kinds, data.coefficients, data.dialogs, QStringLiteral(TS_DATA_DIR));
    ShowAndPaint(window);
    for (auto _ : state) {
        window.BitBtn2Click();
        QApplication::processEvents();  // repaint what the command changed
    }
    if (!data.dialogs.errors.isEmpty())
        state.SkipWithError(data.dialogs.errors.first().toStdString().c_str());
}
BENCHMARK(BM_CalculateCommand)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// The same with both legs bent out radially (r = 1.5) and a gap of 0.3 between coils.
void BM_CalculateCommandWithBentLegs(benchmark::State& state) {
    WindowData data;
    Tf_vek window(data.materials, data.kinds, data.coefficients, data.dialogs, QStringLiteral(TS_DATA_DIR));
    DesignOptions o;
    o.legs = {LegEnd{LegShape::Radial, 5, 1.5}, LegEnd{LegShape::Radial, 5, 1.5}};
    o.pitchGap = 0.3;
    window.practicePage()->legsGroup()->showOptions(o);
    ShowAndPaint(window);
    for (auto _ : state) {
        window.BitBtn2Click();
        QApplication::processEvents();
    }
    if (!data.dialogs.errors.isEmpty())
        state.SkipWithError(data.dialogs.errors.first().toStdString().c_str());
}
BENCHMARK(BM_CalculateCommandWithBentLegs)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// "計算" after each change of arm a2 (20 and 21 mm in turn), so the results and the bend
// lines' numbers change every time: straight legs (0), both legs bent as above (1).
void BM_CalculateChangedCase(benchmark::State& state) {
    WindowData data;
    Tf_vek window(data.materials, data.kinds, data.coefficients, data.dialogs, QStringLiteral(TS_DATA_DIR));
    if (state.range(0) == 1) {
        DesignOptions o;
        o.legs = {LegEnd{LegShape::Radial, 5, 1.5}, LegEnd{LegShape::Radial, 5, 1.5}};
        o.pitchGap = 0.3;
        window.practicePage()->legsGroup()->showOptions(o);
    }
    ShowAndPaint(window);
    auto* arm2 = window.findChild<QLineEdit*>(QStringLiteral("Edit13"));
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        arm2->setText(longer ? QStringLiteral("21") : QStringLiteral("20"));
        window.BitBtn2Click();
        QApplication::processEvents();
    }
    if (!data.dialogs.errors.isEmpty())
        state.SkipWithError(data.dialogs.errors.first().toStdString().c_str());
}
BENCHMARK(BM_CalculateChangedCase)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// The command alone: reading, calculating, writing the boxes and both drawings,
// without the repaint that follows on screen.
void BM_CalculateCommandWithoutRepaint(benchmark::State& state) {
    WindowData data;
    Tf_vek window(data.materials, data.kinds, data.coefficients, data.dialogs, QStringLiteral(TS_DATA_DIR));
    ShowAndPaint(window);
    for (auto _ : state) window.BitBtn2Click();
    QApplication::processEvents();
    if (!data.dialogs.errors.isEmpty())
        state.SkipWithError(data.dialogs.errors.first().toStdString().c_str());
}
BENCHMARK(BM_CalculateCommandWithoutRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_UpdateRecommended(benchmark::State& state) {
    WindowData data;
    Tf_vek window(data.materials, data.kinds, data.coefficients, data.dialogs, QStringLiteral(TS_DATA_DIR));
    ShowAndPaint(window);
    for (auto _ : state) {
        window.UpdateRecommended();
        QApplication::processEvents();
    }
    if (!data.dialogs.errors.isEmpty())
        state.SkipWithError(data.dialogs.errors.first().toStdString().c_str());
}
BENCHMARK(BM_UpdateRecommended)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_StartupToFirstShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        WindowData data;
        Tf_vek window(data.materials, data.kinds, data.coefficients, data.dialogs,
                      QStringLiteral(TS_DATA_DIR));
        ShowAndPaint(window);
        benchmark::DoNotOptimize(window.cases()[0].maxAngle);
    }
}
BENCHMARK(BM_StartupToFirstShownWindow)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_EmptyMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.resize(823, 837);
        ShowAndPaint(window);
    }
}
BENCHMARK(BM_EmptyMainWindowShown)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks<QApplication>(argc, argv);
}
