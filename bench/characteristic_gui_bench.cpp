// The characteristic page offscreen: filling it (tolerances, loaded geometry, table and
// diagram) for the calculated default case, with and without the repaint of the shown
// page, and the diagram alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTabWidget>

#include "bench/offscreen_main.h"
#include "core/calc/calculation.h"
#include "drawing/torque_angle_diagram.h"
#include "tests/support/fake_dialogs.h"
#include "ui/main_window/characteristic_page.h"
#include "ui/main_window/vek.h"

using namespace torsion;

namespace {

struct WindowData {
    MaterialTable materials{};
    KindIndex kinds{};
    CoefficientRecord coefficients{};
    FakeDialogs dialogs;
};

void BM_CharacteristicPageFill(benchmark::State& state) {
    WindowData data;
    Tf_vek window(data.materials, data.kinds, data.coefficients, data.dialogs, QStringLiteral(TS_DATA_DIR));
    window.show();
    window.BitBtn2Click();
    const bool shown = state.range(0) != 0;
    if (shown) window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(2);
    QApplication::processEvents();
    CharacteristicPage* page = window.characteristicPage();
    // Two cases in turn (1.3 and 5 turns), so every fill changes the texts and the diagram.
    const DesignCase cases[2] = {window.cases()[0], [&] {
                                     DesignCase c = window.cases()[0];
                                     c.turns = c.calcTurns = 5;
                                     CalculateCase(c, data.materials);
                                     return c;
                                 }()};
    int i = 0;
    for (auto _ : state) {
        page->ShowCase(cases[i ^= 1], {}, UnitSystem::Kgf);
        if (shown) QApplication::processEvents();
    }
    if (!data.dialogs.errors.isEmpty())
        state.SkipWithError(data.dialogs.errors.first().toStdString().c_str());
}
// 0: the page behind the history page (as after "計算"); 1: the page shown and repainted.
BENCHMARK(BM_CharacteristicPageFill)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(3);

void BM_TorqueAngleDiagram(benchmark::State& state) {
    QImage image(kTorqueAngleImageWidth, kTorqueAngleImageHeight, QImage::Format_RGB32);
    CharacteristicPlot p;
    p.rate = 0.34;
    p.angle1 = 30;
    p.angle2 = 35;
    p.maxAngle = 46.2;
    p.moment1 = 10.3;
    p.moment2 = 12;
    p.maxMoment = 15.8;
    p.band = ToleranceState::Value;
    p.beta1 = 0.05;
    p.beta2 = 10;
    p.grade = 2;
    for (auto _ : state) DrawTorqueAngleDiagram(image, p, QStringLiteral("kgf･mm"));
}
BENCHMARK(BM_TorqueAngleDiagram)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks<QApplication>(argc, argv);
}
