// The calculation report (計算書) painted on a paged device: A4 pages with the title
// block, the inputs and results of a case, the checks, the fatigue diagram and the
// spring drawing as vectors (the window's own drawing functions), and the calculation
// trace. The same painting goes to a PDF file and to a printer.
#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QTranslator>
#include <memory>

#include "core/base/units.h"
#include "core/evaluation/evaluation.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/report/characteristic_sheet.h"
#include "core/report/comparison_text.h"
#include "core/report/report_text.h"
#include "core/tolerances/tolerance_table.h"

inline constexpr const char* kProgramTitle =
    QT_TRANSLATE_NOOP("calculation_report", "ねじりコイルばね設計計算");

struct ReportData {
    torsion::TitleBlock title;
    torsion::DesignCase c;
    torsion::DesignOptions options;  // the legs and the coil gap the spring drawing shows
    torsion::ReportTexts texts;
    torsion::UnitSystem unit = torsion::UnitSystem::Kgf;
    bool diagramPoint = false;  // the operating point can be marked
    double lower = 0, upper = 0;
    int grade = torsion::kDefaultToleranceGrade;
    std::vector<torsion::SheetLine> characteristic;  // tolerances and loaded geometry
    torsion::CharacteristicPlot plot;                // the torque–angle diagram
    torsion::ComparisonTexts comparison;             // the three practices side by side
    // The report's language: the catalogue of its words, null for Japanese (the texts as
    // written). Numbers, units and formulas are the same in every language.
    std::shared_ptr<const QTranslator> words;
};

// Everything the report shows of an evaluated case; symbol is its material symbol in
// UTF-8. The tolerances, the variation, the wire and the natural frequency are those of
// the evaluation's manufacturing check (grade 2 and the spring alone when it has none).
// The practices side by side are the case's inputs evaluated by each practice at the
// evaluation's working temperature.
ReportData MakeReportData(const torsion::Evaluation& e, const torsion::MaterialTable& table,
                          const std::string& symbol, torsion::UnitSystem unit,
                          const torsion::TitleBlock& title);

// Paints the report on device, which is set to A4 portrait: the case and the drawings
// on the first page, the trace and the tolerances from the second. Returns false when
// the device cannot be painted on.
bool PaintCalculationReport(QPagedPaintDevice& device, const ReportData& report);

// Writes the report as a vector PDF (text as text, the Japanese font embedded) to a
// temporary file beside path and renames it over path; throws "ファイル %s を作成できません".
void WriteReportPdf(const QString& path, const ReportData& report);

// The file name the save dialog proposes: the drawing number, else the product name,
// else "計算書", with ".pdf".
QString ReportFileName(const torsion::TitleBlock& title);
