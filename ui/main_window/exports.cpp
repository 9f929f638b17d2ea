// The main window's exports: the history as a CSV file, the spring drawing as a DXF
// file, the spring in 3D as a STEP or STL file, and the calculation report as a PDF
// file or on a printer.
#include <QPrintDialog>
#include <QPrinter>
#include <QString>

#include "cad/spring_dxf.h"
#include "cad/spring_stl.h"
#include "core/files/history_csv.h"
#include "core/geometry/spring_outline.h"
#include "drawing/calculation_report.h"
#include "ui/common/settings.h"
#include "ui/common/sjis.h"
#include "ui/common/step_module.h"
#include "ui/main_window/characteristic_page.h"
#include "ui/main_window/spring_3d_page.h"
#include "ui/main_window/title_block_dialog.h"
#include "ui/main_window/vek.h"
#include "ui/print/window_print.h"

using namespace torsion;

void Tf_vek::CsvExportClick() {
    RunCommand(dialogs_, this, [&] {
        const QString name = dialogs_.saveFileName(this, QStringLiteral("CSV|*.csv"), lastCsvName_);
        if (name.isEmpty()) return;
        lastCsvName_ = name;
        WriteHistoryCsv(name.toStdString(), cases_, MaterialSymbolsUtf8(materials_), unitSystem());
    });
}

void Tf_vek::DxfExportClick() {
    RunCommand(dialogs_, this, [&] {
        // The spring of the inputs shown; a size that cannot be drawn is reported before
        // the dialog asks for a name.
        const DesignCase c = ExportEvaluation().design;
        const SpringOutline outline = SpringOutlineFor(c.wireDia, c.meanDia, c.turns, c.arm1, c.arm2);
        const QString name = dialogs_.saveFileName(this, QStringLiteral("DXF|*.dxf"), lastDxfName_);
        if (name.isEmpty()) return;
        lastDxfName_ = name;
        WriteSpringDxf(name.toStdString(), outline);
    });
}

// ---- calculation report ------------------------------------------------------------

namespace {

const QString kTitleKeys[] = {QStringLiteral("Report/product"), QStringLiteral("Report/drawingNo"),
                              QStringLiteral("Report/designer"), QStringLiteral("Report/date")};
const QString kTitleEnteredKey = QStringLiteral("Report/titleEntered");

std::optional<TitleBlock> StoredTitle(const Settings* settings) {
    if (settings == nullptr || settings->intValue(kTitleEnteredKey, 0, 0, 1) != 1) return std::nullopt;
    const auto text = [&](int i) { return settings->stringValue(kTitleKeys[i]).toStdString(); };
    return TitleBlock{text(0), text(1), text(2), text(3)};
}

void StoreTitle(Settings* settings, const TitleBlock& title) {
    if (settings == nullptr) return;
    const std::string* texts[] = {&title.productName, &title.drawingNo, &title.designer, &title.date};
    for (int i = 0; i < 4; ++i) settings->setString(kTitleKeys[i], QString::fromStdString(*texts[i]));
    settings->setInt(kTitleEnteredKey, 1);
}

}  // namespace

bool Tf_vek::EnsureReportTitle(bool ask) {
    // Asked before the first report of a run and kept for the session; the settings
    // propose the fields of the last run, the date is today's unless typed this run.
    if (reportTitle_ && !ask) return true;
    TitleBlock proposed = reportTitle_.value_or(StoredTitle(settings_).value_or(TitleBlock{}));
    if (!reportTitle_) proposed.date.clear();
    TitleBlockDialog dialog(proposed, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    reportTitle_ = dialog.titleBlock();
    StoreTitle(settings_, *reportTitle_);
    return true;
}

DesignCase Tf_vek::ShownInputs() const {
    DesignCase c = cases_[0];
    const WindowInputs in = CurrentWindowInputs();
    ReadDiameters(c, materials_, kinds_, in);
    ReadOperatingInputs(c, in);
    return c;
}

Evaluation Tf_vek::ExportEvaluation() {
    // Every print and export is one evaluation of the inputs shown. When the results on
    // screen came from other inputs the user is told which ones are printed.
    const DesignCase shown = ShownInputs();
    const CharacteristicPage* page = characteristicPage();
    const EvaluationOptions options{page != nullptr ? page->grade() : kDefaultToleranceGrade,
                                    page != nullptr ? page->dynamics() : DynamicsInputs{}};
    Evaluation e = EvaluateDesign(shown, materials_, options);
    if (!calculated_ || !SameInputs(*calculated_, shown))
        dialogs_.showInformation(this, QString::fromUtf8(kExportRecalculatedNote));
    return e;
}

ReportData Tf_vek::CurrentReport(const Evaluation& e) const {
    const DesignCase& c = e.design;
    const std::vector<std::string> symbols = MaterialSymbolsUtf8(materials_);
    const bool known = c.materialNo >= 0 && c.materialNo < static_cast<int>(symbols.size());
    // The tolerances, variation and natural frequency are those of the evaluation, for the
    // grade, J and operating frequency of the characteristic page (see ExportEvaluation).
    return MakeReportData(e, materials_,
                          known ? symbols[static_cast<std::size_t>(c.materialNo)] : std::string(),
                          unitSystem(), reportTitle_.value_or(TitleBlock{}));
}

void Tf_vek::ReportTitleClick() {
    EnsureReportTitle(true);
}

void Tf_vek::ReportPdfClick() {
    RunCommand(dialogs_, this, [&] {
        if (!EnsureReportTitle(false)) return;
        const Evaluation e = ExportEvaluation();
        const QString proposed = lastReportName_.isEmpty() ? ReportFileName(*reportTitle_) : lastReportName_;
        const QString name = dialogs_.saveFileName(this, QString::fromUtf8(kPdfFilter), proposed);
        if (name.isEmpty()) return;
        lastReportName_ = name;
        WriteReportPdf(name, CurrentReport(e));
    });
}

void Tf_vek::ReportPrintClick() {
    RunCommand(dialogs_, this, [&] {
        if (!EnsureReportTitle(false)) return;
        const Evaluation e = ExportEvaluation();
        QPrinter printer(QPrinter::HighResolution);
        const bool chosen = choosePrinter_ ? choosePrinter_(printer) : [&] {
            QPrintDialog dialog(&printer, this);
            dialog.setWindowTitle(QStringLiteral("計算書の印刷"));
            return dialog.exec() == QDialog::Accepted;
        }();
        if (!chosen) return;
        if (!PaintCalculationReport(printer, CurrentReport(e))) throw CommandError("計算書を印刷できません");
    });
}

// ---- 3D model ----------------------------------------------------------------------

// The 3D model of the case on the 3D page (last calculated or recalled) at the page's
// state; a spring that cannot be modelled is reported before the dialog asks for a name.
void Tf_vek::StepExportClick() {
    RunCommand(dialogs_, this, [&] {
        const SpringShape shape = Spring3dExportShape();
        const QString name = dialogs_.saveFileName(this, QStringLiteral("STEP|*.step;*.stp"), lastStepName_);
        if (name.isEmpty()) return;
        lastStepName_ = name;
        if (!reportTitle_) reportTitle_ = StoredTitle(settings_);
        const TitleBlock title = reportTitle_.value_or(TitleBlock{});
        WriteSpringStepFile(name, shape, {title.productName, title.drawingNo, title.designer});
    });
}

void Tf_vek::StlExportClick() {
    RunCommand(dialogs_, this, [&] {
        const SpringShape shape = Spring3dExportShape();
        const QString name = dialogs_.saveFileName(this, QStringLiteral("STL|*.stl"), lastStlName_);
        if (name.isEmpty()) return;
        lastStlName_ = name;
        WriteSpringStl(name.toStdString(), shape);
    });
}

SpringShape Tf_vek::Spring3dExportShape() const {
    if (!TabSheet4->hasCase()) throw CommandError("3D モデルは「計算」の後に出力できます");
    return SpringShapeAt(TabSheet4->shownCase(), TabSheet4->state());
}
