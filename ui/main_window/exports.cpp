#include "ui/main_window/exports.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QString>

#include "cad/spring_dxf.h"
#include "cad/spring_stl.h"
#include "core/calc/evaluation.h"
#include "core/files/history_csv.h"
#include "core/geometry/spring_outline.h"
#include "drawing/calculation_report.h"
#include "ui/common/dialogs.h"
#include "ui/common/settings.h"
#include "ui/common/sjis.h"
#include "ui/common/step_module.h"
#include "ui/main_window/title_block_dialog.h"
#include "ui/print/prin.h"
#include "ui/print/window_print.h"

using namespace torsion;

Exports::Exports(const CaseTable& cases, const MaterialTable& materials,
                 const std::optional<DesignCase>& calculated, Dialogs& dialogs, QWidget* window,
                 WindowHooks hooks)
    : cases_(cases),
      materials_(materials),
      calculated_(calculated),
      dialogs_(dialogs),
      window_(window),
      hooks_(std::move(hooks)) {}

void Exports::Csv(UnitSystem unit) {
    RunCommand(dialogs_, window_, [&] {
        const QString name = dialogs_.saveFileName(window_, QStringLiteral("CSV|*.csv"), lastCsvName_);
        if (name.isEmpty()) return;
        lastCsvName_ = name;
        WriteHistoryCsv(name.toStdString(), cases_, MaterialSymbolsUtf8(materials_), unit);
    });
}

void Exports::Dxf() {
    RunCommand(dialogs_, window_, [&] {
        // The spring of the inputs shown; a size that cannot be drawn is reported before
        // the dialog asks for a name.
        const DesignCase c = Evaluate().design;
        const SpringOutline outline = SpringOutlineFor(c.wireDia, c.meanDia, c.turns, c.arm1, c.arm2);
        const QString name = dialogs_.saveFileName(window_, QStringLiteral("DXF|*.dxf"), lastDxfName_);
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

bool Exports::EnsureTitle(bool ask) {
    // Asked before the first report of a run and kept for the session; the settings
    // propose the fields of the last run, the date is today's unless typed this run.
    if (title_ && !ask) return true;
    TitleBlock proposed = title_.value_or(StoredTitle(settings_).value_or(TitleBlock{}));
    if (!title_) proposed.date.clear();
    TitleBlockDialog dialog(proposed, window_);
    if (dialog.exec() != QDialog::Accepted) return false;
    title_ = dialog.titleBlock();
    StoreTitle(settings_, *title_);
    return true;
}

Evaluation Exports::Evaluate() {
    const DesignCase shown = hooks_.shownInputs();
    Evaluation e = EvaluateDesign(shown, materials_, hooks_.options());
    if (!calculated_ || !SameInputs(*calculated_, shown))
        dialogs_.showInformation(window_, QString::fromUtf8(kExportRecalculatedNote));
    return e;
}

bool Exports::FillDataSheet(Tprinform& page) {
    bool filled = false;
    RunCommand(dialogs_, window_, [&] {
        page.fillFrom(Evaluate().design);
        filled = true;
    });
    return filled;
}

ReportData Exports::CurrentReport(const Evaluation& e, UnitSystem unit) const {
    const DesignCase& c = e.design;
    const std::vector<std::string> symbols = MaterialSymbolsUtf8(materials_);
    const bool known = c.materialNo >= 0 && c.materialNo < static_cast<int>(symbols.size());
    // The tolerances, variation and natural frequency are those of the evaluation, for the
    // grade, J and operating frequency of the characteristic page (see Evaluate).
    return MakeReportData(e, materials_,
                          known ? symbols[static_cast<std::size_t>(c.materialNo)] : std::string(), unit,
                          title_.value_or(TitleBlock{}));
}

void Exports::AskTitleBlock() {
    EnsureTitle(true);
}

void Exports::ReportPdf(UnitSystem unit) {
    RunCommand(dialogs_, window_, [&] {
        if (!EnsureTitle(false)) return;
        const Evaluation e = Evaluate();
        const QString proposed = lastReportName_.isEmpty() ? ReportFileName(*title_) : lastReportName_;
        const QString name = dialogs_.saveFileName(window_, QString::fromUtf8(kPdfFilter), proposed);
        if (name.isEmpty()) return;
        lastReportName_ = name;
        WriteReportPdf(name, CurrentReport(e, unit));
    });
}

void Exports::ReportPrint(UnitSystem unit) {
    RunCommand(dialogs_, window_, [&] {
        if (!EnsureTitle(false)) return;
        const Evaluation e = Evaluate();
        QPrinter printer(QPrinter::HighResolution);
        const bool chosen = choosePrinter_ ? choosePrinter_(printer) : [&] {
            QPrintDialog dialog(&printer, window_);
            dialog.setWindowTitle(QStringLiteral("計算書の印刷"));
            return dialog.exec() == QDialog::Accepted;
        }();
        if (!chosen) return;
        if (!PaintCalculationReport(printer, CurrentReport(e, unit)))
            throw CommandError("計算書を印刷できません");
    });
}

// ---- 3D model ----------------------------------------------------------------------

// A spring that cannot be modelled is reported before the dialog asks for a name.
void Exports::Step(const std::function<SpringShape()>& shapeOf) {
    RunCommand(dialogs_, window_, [&] {
        const SpringShape shape = shapeOf();
        const QString name =
            dialogs_.saveFileName(window_, QStringLiteral("STEP|*.step;*.stp"), lastStepName_);
        if (name.isEmpty()) return;
        lastStepName_ = name;
        if (!title_) title_ = StoredTitle(settings_);
        const TitleBlock title = title_.value_or(TitleBlock{});
        WriteSpringStepFile(name, shape, {title.productName, title.drawingNo, title.designer});
    });
}

void Exports::Stl(const std::function<SpringShape()>& shapeOf) {
    RunCommand(dialogs_, window_, [&] {
        const SpringShape shape = shapeOf();
        const QString name = dialogs_.saveFileName(window_, QStringLiteral("STL|*.stl"), lastStlName_);
        if (name.isEmpty()) return;
        lastStlName_ = name;
        WriteSpringStl(name.toStdString(), shape);
    });
}
