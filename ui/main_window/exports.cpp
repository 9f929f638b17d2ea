#include "ui/main_window/exports.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>

#include "core/evaluation/evaluation.h"
#include "drawing/calculation_report.h"
#include "ui/common/dialogs.h"
#include "ui/common/settings.h"
#include "ui/main_window/title_block_dialog.h"

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

// ---- title block -------------------------------------------------------------------

namespace {

const QString kTitleKeys[] = {QStringLiteral("Report/product"), QStringLiteral("Report/drawingNo"),
                              QStringLiteral("Report/designer"), QStringLiteral("Report/date")};
const QString kTitleEnteredKey = QStringLiteral("Report/titleEntered");
const QString kReportLanguageKey = QStringLiteral("Report/language");

// The language last chosen for the report; until one is, the language of the window.
Language StoredReportLanguage(const Settings* settings) {
    if (settings == nullptr) return Language::Japanese;
    return LanguageOfCode(settings->stringValue(kReportLanguageKey))
        .value_or(settings->language().value_or(LanguageOfEnvironment()));
}

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
    TitleBlockDialog dialog(proposed, reportLanguage_.value_or(StoredReportLanguage(settings_)), window_);
    if (dialog.exec() != QDialog::Accepted) return false;
    title_ = dialog.titleBlock();
    reportLanguage_ = dialog.reportLanguage();
    StoreTitle(settings_, *title_);
    if (settings_ != nullptr) settings_->setString(kReportLanguageKey, LanguageCode(*reportLanguage_));
    return true;
}

Evaluation Exports::Evaluate() {
    const DesignCase shown = hooks_.shownInputs();
    const EvaluationOptions options = hooks_.options();
    Evaluation e = EvaluateDesign(shown, materials_, options);
    if (!calculated_ || !SameInputs(*calculated_, shown) || options.design != hooks_.calculatedOptions())
        dialogs_.showInformation(window_, QCoreApplication::translate("exports", kExportRecalculatedNote));
    return e;
}

void Exports::AskTitleBlock() {
    EnsureTitle(true);
}

// ---- one export --------------------------------------------------------------------

ExportSource Exports::SourceFor(const ExportFormat& format) {
    ExportSource source;
    source.cases = &cases_;
    source.materials = &materials_;
    source.unit = hooks_.unit();
    source.title = title_.value_or(TitleBlock{});
    source.reportLanguage = reportLanguage_.value_or(StoredReportLanguage(settings_));
    if (format.subject == ExportSubject::InputsShown) {
        const Evaluation e = Evaluate();
        source.design = e.design;
        source.options = e.designOptions;
        source.evaluation = [e] { return e; };
    } else if (format.subject == ExportSubject::ModelShown) {
        std::tie(source.design, source.state, source.options) = hooks_.modelShown();
    }
    return source;
}

bool Exports::ChoosePrinter(QPrinter& printer) {
    if (choosePrinter_) return choosePrinter_(printer);
    QPrintDialog dialog(&printer, window_);
    dialog.setWindowTitle(QCoreApplication::translate("exports", "計算書の印刷"));
    return dialog.exec() == QDialog::Accepted;
}

void Exports::Run(const ExportFormat& format) {
    RunCommand(dialogs_, window_, [&] {
        if (format.title == ExportTitle::Asked && !EnsureTitle(false)) return;
        if (format.title == ExportTitle::Header && !title_) title_ = StoredTitle(settings_);
        const ExportWrite write = format.prepare(SourceFor(format));
        switch (format.destination) {
            case ExportDestination::File: {
                const auto last = lastNames_.find(&format);
                const QString proposed = last != lastNames_.end() ? last->second
                                         : *format.fileName != '\0'
                                             ? QCoreApplication::translate("export_table", format.fileName)
                                             : ReportFileName(title_.value_or(TitleBlock{}));
                const QString name =
                    dialogs_.saveFileName(window_, QString::fromUtf8(format.filter), proposed);
                if (name.isEmpty()) return;
                lastNames_[&format] = name;
                write({name.toStdString()});
                break;
            }
            case ExportDestination::Printer: {
                QPrinter printer(QPrinter::HighResolution);
                if (!ChoosePrinter(printer)) return;
                write({.path = {}, .printer = &printer});
                break;
            }
            case ExportDestination::PrintPage:
                hooks_.showPrintPage(
                    [&](Tprinform& page) { write({.path = {}, .printer = nullptr, .page = &page}); });
                break;
        }
    });
}
