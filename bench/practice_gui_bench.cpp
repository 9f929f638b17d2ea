// "計算" in the main window with the practice and the working temperature: JIS at 20 ℃
// (what the window always calculated) against EN at 100 ℃, with the history page in front
// and with the page "設計基準" in front (the comparison of the three practices repainted).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "bench/offscreen_main.h"
#include "tests/support/fake_dialogs.h"
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

// arg 0: JIS at 20 ℃, 1: EN at 100 ℃, 2: JIS at 100 ℃ (one message line more, nothing of
// another practice); arg 1: the page in front (0 history, 4 設計基準).
void BM_CalculateWithPractice(benchmark::State& state) {
    WindowData data;
    Tf_vek window(data.materials, data.kinds, data.coefficients, data.dialogs, QStringLiteral(TS_DATA_DIR));
    if (state.range(0) == 1)
        window.practicePage()->practiceBox()->setCurrentIndex(static_cast<int>(Practice::En));
    if (state.range(0) != 0) window.practicePage()->temperatureBox()->setText(QStringLiteral("100"));
    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))
        ->setCurrentIndex(static_cast<int>(state.range(1)));
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.BitBtn2Click();
        QApplication::processEvents();  // repaint what the command changed
    }
    if (!data.dialogs.errors.isEmpty())
        state.SkipWithError(data.dialogs.errors.first().toStdString().c_str());
    if (window.options()[0].practice != (state.range(0) == 1 ? Practice::En : Practice::Jis))
        state.SkipWithError("the practice was not read");
}
BENCHMARK(BM_CalculateWithPractice)
    ->ArgNames({"en100", "page"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 4})
    ->Args({1, 4})
    ->Args({2, 0})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks<QApplication>(argc, argv);
}
