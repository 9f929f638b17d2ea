// The main window's exports and prints: the history as a CSV file, the spring drawing
// as a DXF file, the spring in 3D as a STEP or STL file, the calculation report as a PDF
// file or on a printer and the data sheet, with the file names each proposes, the
// report's title block and the printer choice. Every print and export but the history
// and the 3D model is one evaluation of the inputs shown. The main window's handlers
// forward to it.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "core/base/units.h"
#include "core/calc/design_case.h"
#include "core/calc/evaluation.h"
#include "core/materials/material_table.h"
#include "core/report/report_text.h"

class Dialogs;
class QPrinter;
class QWidget;
class Settings;
class Tprinform;
struct ReportData;
namespace torsion {
struct SpringShape;
}

// Told before a print or export when the inputs shown are not those of the results shown.
inline constexpr const char* kExportRecalculatedNote =
    "入力欄の値は、画面の計算結果を出したときの値と異なります。"
    "出力するのは入力欄の値で計算し直した結果です。";

class Exports {
  public:
    // What the unit asks of its window: the inputs the controls hold, read into a copy
    // of the current case, and the options of the characteristic page (grade, J and
    // operating frequency).
    struct WindowHooks {
        std::function<torsion::DesignCase()> shownInputs;
        std::function<torsion::EvaluationOptions()> options;
    };
    // calculated: the case whose results the window shows, if any.
    Exports(const torsion::CaseTable& cases, const torsion::MaterialTable& materials,
            const std::optional<torsion::DesignCase>& calculated, Dialogs& dialogs, QWidget* window,
            WindowHooks hooks);

    // Where the title block is kept between runs; without it, only for this run.
    void setSettings(Settings* settings) { settings_ = settings; }

    void Csv(torsion::UnitSystem unit);  // ファイル → CSV 出力
    void Dxf();                          // ファイル → DXF 出力
    // The report of the inputs shown, in unit.
    void ReportPdf(torsion::UnitSystem unit);    // ファイル → 計算書 PDF 出力
    void ReportPrint(torsion::UnitSystem unit);  // ファイル → 計算書印刷
    void AskTitleBlock();                        // ファイル → 計算書の表題欄...
    // ファイル → 要目表印刷: fills the data sheet page with the inputs shown; false when
    // the evaluation failed (its error has been shown).
    bool FillDataSheet(Tprinform& page);
    // The 3D model shapeOf gives (it throws CommandError when there is none), with the
    // title block in the STEP file's header.
    void Step(const std::function<torsion::SpringShape()>& shapeOf);  // ファイル → 3D モデル出力 (STEP)
    void Stl(const std::function<torsion::SpringShape()>& shapeOf);  // ファイル → 3D モデル出力 (STL)

    // The one evaluation behind every print and export: the inputs shown, calculated.
    // When the results on screen came from other inputs the user is told which ones are
    // printed. Throws CommandError.
    torsion::Evaluation Evaluate();

    // The title block of the calculation report, asked before the first report of a run
    // and kept for the session; its fields but the date are proposed again next run.
    const std::optional<torsion::TitleBlock>& titleBlock() const { return title_; }
    void setTitleBlock(const torsion::TitleBlock& title) { title_ = title; }
    // Chooses the printer of the printed report (by default the print dialog); false
    // cancels the print.
    void setPrinterChooser(std::function<bool(QPrinter&)> choose) { choosePrinter_ = std::move(choose); }

  private:
    bool EnsureTitle(bool ask);
    ReportData CurrentReport(const torsion::Evaluation& e, torsion::UnitSystem unit) const;

    const torsion::CaseTable& cases_;
    const torsion::MaterialTable& materials_;
    const std::optional<torsion::DesignCase>& calculated_;
    Dialogs& dialogs_;
    QWidget* window_;
    WindowHooks hooks_;
    Settings* settings_ = nullptr;
    QString lastCsvName_ = QStringLiteral("履歴.csv");
    QString lastDxfName_ = QStringLiteral("ばね.dxf");
    QString lastStepName_ = QStringLiteral("ばね.step");
    QString lastStlName_ = QStringLiteral("ばね.stl");
    QString lastReportName_;
    std::optional<torsion::TitleBlock> title_;
    std::function<bool(QPrinter&)> choosePrinter_;
};
