#include "ui/main_window/export_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrinter>
#include <QTranslator>
#include <iostream>
#include <vector>

#include "cad/spring_dxf.h"
#include "cad/spring_stl.h"
#include "core/base/command_error.h"
#include "core/files/history_csv.h"
#include "core/geometry/spring_outline.h"
#include "drawing/calculation_report.h"
#include "ui/common/sjis.h"
#include "ui/common/step_module.h"
#include "ui/print/prin.h"
#include "ui/print/window_print.h"

using namespace torsion;

namespace {

// The catalogue of the report's and data sheet's language; null for Japanese.
std::shared_ptr<const QTranslator> PrintedWords(Language language) {
    if (language == Language::Japanese) return nullptr;
    // The catalogue beside the program: without it there are no words to print.
    const QString folder = QCoreApplication::applicationDirPath();
    std::shared_ptr<const QTranslator> words = LoadCatalogue(language, folder);
    if (!words)
        throw CommandError(QCoreApplication::translate("export_table", "計算書の言語の表 %1 を読めません")
                               .arg(QDir(folder).filePath(CatalogueFileName(language)))
                               .toStdString());
    return words;
}

ExportWrite PrepareDataSheet(const ExportSource& source) {
    return [design = source.design, options = source.options, words = PrintedWords(source.reportLanguage)](
               const ExportTarget& target) { target.page->fillFrom(design, options, words.get()); };
}

ExportWrite PrepareCsv(const ExportSource& source) {
    return [cases = source.cases, symbols = MaterialSymbolsUtf8(*source.materials),
            unit = source.unit](const ExportTarget& target) {
        if (target.path != "-") return WriteHistoryCsv(target.path, *cases, symbols, unit);
        std::cout << HistoryCsvText(*cases, symbols, unit);
        std::cout.flush();
        if (!std::cout) ThrowCannotCreate("-");
    };
}

ExportWrite PrepareDxf(const ExportSource& source) {
    const DesignCase& c = source.design;
    return [outline = SpringOutlineFor(c.wireDia, c.meanDia, c.turns, c.arm1, c.arm2, source.options)](
               const ExportTarget& target) { WriteSpringDxf(target.path, outline); };
}

ExportWrite PrepareStep(const ExportSource& source) {
    const TitleBlock& t = source.title;
    // The header names the title block's fields in the language of the printed words.
    const std::shared_ptr<const QTranslator> words = PrintedWords(source.reportLanguage);
    const auto label = [&](const char* text) {
        const QString found = words ? words->translate("calculation_report", text) : QString();
        return found.isEmpty() ? std::string(text) : found.toStdString();
    };
    StepTitle title{t.productName, t.drawingNo, t.designer};
    title.productLabel = label(QT_TRANSLATE_NOOP("calculation_report", "品名"));
    title.drawingNoLabel = label(QT_TRANSLATE_NOOP("calculation_report", "図番"));
    title.designerLabel = label(QT_TRANSLATE_NOOP("calculation_report", "設計者"));
    return [shape = SpringShapeAt(source.design, source.state, source.options),
            title = std::move(title)](const ExportTarget& target) {
        WriteSpringStepFile(QString::fromStdString(target.path), shape, title);
    };
}

ExportWrite PrepareStl(const ExportSource& source) {
    return [shape = SpringShapeAt(source.design, source.state, source.options)](const ExportTarget& target) {
        WriteSpringStl(target.path, shape);
    };
}

ReportData Report(const ExportSource& source) {
    const Evaluation e = source.evaluation();
    const std::vector<std::string> symbols = MaterialSymbolsUtf8(*source.materials);
    const int n = e.design.materialNo;
    const bool known = n >= 0 && n < static_cast<int>(symbols.size());
    ReportData report =
        MakeReportData(e, *source.materials, known ? symbols[static_cast<std::size_t>(n)] : std::string(),
                       source.unit, source.title);
    report.words = PrintedWords(source.reportLanguage);
    return report;
}

ExportWrite PrepareReportPdf(const ExportSource& source) {
    return [report = Report(source)](const ExportTarget& target) {
        WriteReportPdf(QString::fromStdString(target.path), report);
    };
}

ExportWrite PrepareReportPrint(const ExportSource& source) {
    return [report = Report(source)](const ExportTarget& target) {
        if (!PaintCalculationReport(*target.printer, report))
            throw CommandError(
                QCoreApplication::translate("export_table", "計算書を印刷できません").toStdString());
    };
}

using enum ExportSubject;
using enum ExportDestination;
using enum ExportTitle;

constexpr ExportFormat kFormats[] = {
    {"N5", QT_TRANSLATE_NOOP("export_table", "要目表印刷"), "", "", "", "", false, InputsShown, PrintPage,
     None, PrepareDataSheet},
    {"CsvExport", QT_TRANSLATE_NOOP("export_table", "CSV 出力"), "CSV|*.csv",
     QT_TRANSLATE_NOOP("export_table", "履歴.csv"), "--csv",
     QT_TRANSLATE_NOOP("command_line",
                       "CASES.nbd [-o OUT.csv] [--units kgf|si]\n"
                       "      ケースファイルの履歴を CSV に (UTF-8, BOM 付き)"),
     true, History, File, None, PrepareCsv},
    {"DxfExport", QT_TRANSLATE_NOOP("export_table", "DXF 出力"), "DXF|*.dxf",
     QT_TRANSLATE_NOOP("export_table", "ばね.dxf"), "--dxf",
     QT_TRANSLATE_NOOP("command_line",
                       "CASES.nbd [--slot N] -o OUT.dxf\n"
                       "      ケース N (既定 0: 現在のケース) のばね形状を DXF に (1:1, mm)"),
     false, InputsShown, File, None, PrepareDxf},
    {"StepExport", QT_TRANSLATE_NOOP("export_table", "3D モデル出力 (STEP)..."), "STEP|*.step;*.stp",
     QT_TRANSLATE_NOOP("export_table", "ばね.step"), "--step",
     QT_TRANSLATE_NOOP("command_line",
                       "CASES.nbd [--slot N] [--state free|1|2|max] -o OUT.step\n"
                       "                 [--product 品名] [--drawing-no 図番] [--designer 設計者]\n"
                       "      ケース N のばねの 3D モデルを STEP (AP214, mm) に"),
     false, ModelShown, File, Header, PrepareStep},
    {"StlExport", QT_TRANSLATE_NOOP("export_table", "3D モデル出力 (STL)..."), "STL|*.stl",
     QT_TRANSLATE_NOOP("export_table", "ばね.stl"), "--stl",
     QT_TRANSLATE_NOOP("command_line",
                       "CASES.nbd [--slot N] [--state free|1|2|max] -o OUT.stl\n"
                       "      ケース N のばねの 3D モデルを STL (バイナリ) に"),
     false, ModelShown, File, None, PrepareStl},
    {"ReportPdf", QT_TRANSLATE_NOOP("export_table", "計算書 PDF 出力"), kPdfFilter, "", "--report",
     QT_TRANSLATE_NOOP(
         "command_line",
         "CASES.nbd [--slot N] -o REPORT.pdf [--units kgf|si] [--lang ja|en]\n"
         "                 [--product 品名] [--drawing-no 図番] [--designer 設計者] [--date 日付]\n"
         "                 [--grade 1|2|3] [--inertia J] [--frequency Hz]\n"
         "      ケース N の計算書を PDF に (A4)"),
     false, InputsShown, File, Asked, PrepareReportPdf},
    {"ReportPrint", QT_TRANSLATE_NOOP("export_table", "計算書印刷"), "", "", "", "", false, InputsShown,
     Printer, Asked, PrepareReportPrint},
};

}  // namespace

std::span<const ExportFormat> ExportFormats() {
    return kFormats;
}

const ExportFormat* ExportFormatOfItem(std::string_view menuItem) {
    for (const ExportFormat& format : kFormats)
        if (menuItem == format.menuItem) return &format;
    return nullptr;
}

const ExportFormat* ExportFormatOfCommand(std::string_view command) {
    for (const ExportFormat& format : kFormats)
        if (*format.command != '\0' && command == format.command) return &format;
    return nullptr;
}
