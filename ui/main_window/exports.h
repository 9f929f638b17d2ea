// The main window's exports and prints, each a row of the export table
// (ui/main_window/export_table.h): the data sheet, the history as CSV, the spring
// drawing as DXF, the spring in 3D as STEP or STL, the calculation report as a PDF file
// or on a printer. Here are what the window adds to a row: the file names proposed,
// the report's title block, the printer choice, and the one evaluation of the inputs
// shown behind every export of one case. The main window's menu runs it.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

#include "core/base/units.h"
#include "core/evaluation/evaluation.h"
#include "core/geometry/spring_3d.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/report/report_text.h"
#include "ui/main_window/export_table.h"

class Dialogs;
class QPrinter;
class QWidget;
class Settings;
class Tprinform;

// Told before a print or export when the inputs shown are not those of the results shown.
inline constexpr const char* kExportRecalculatedNote =
    QT_TRANSLATE_NOOP("exports",
                      "入力欄の値は、画面の計算結果を出したときの値と異なります。"
                      "出力するのは入力欄の値で計算し直した結果です。");

class Exports {
  public:
    // What the unit asks of its window: the inputs the controls hold, read into a copy
    // of the current case; the options of the characteristic page (grade, J and
    // operating frequency, with the design options shown); the design options of the results
    // shown; the unit shown; the case of the 3D page at the page's state with its
    // options (it throws CommandError when there is none); and the data sheet page, shown once
    // fill has filled it.
    struct WindowHooks {
        std::function<torsion::DesignCase()> shownInputs;
        std::function<torsion::EvaluationOptions()> options;
        std::function<torsion::DesignOptions()> calculatedOptions;
        std::function<torsion::UnitSystem()> unit;
        std::function<std::tuple<torsion::DesignCase, torsion::SpringState, torsion::DesignOptions>()>
            modelShown;
        std::function<void(const std::function<void(Tprinform&)>& fill)> showPrintPage;
    };
    // calculated: the case whose results the window shows, if any.
    Exports(const torsion::CaseTable& cases, const torsion::MaterialTable& materials,
            const std::optional<torsion::DesignCase>& calculated, Dialogs& dialogs, QWidget* window,
            WindowHooks hooks);

    // Where the title block is kept between runs; without it, only for this run.
    void setSettings(Settings* settings) { settings_ = settings; }

    // The export of the row, as its menu item runs it: the title block asked when the
    // report needs it, the case evaluated or taken from the 3D page, a spring that
    // cannot be exported reported, then the file name, the printer or the data sheet
    // page, then the writer. Errors are shown, not thrown.
    void Run(const ExportFormat& format);
    void AskTitleBlock();  // ファイル → 計算書の表題欄...

    // The one evaluation behind every export of one case: the inputs shown, calculated.
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
    ExportSource SourceFor(const ExportFormat& format);
    bool ChoosePrinter(QPrinter& printer);

    const torsion::CaseTable& cases_;
    const torsion::MaterialTable& materials_;
    const std::optional<torsion::DesignCase>& calculated_;
    Dialogs& dialogs_;
    QWidget* window_;
    WindowHooks hooks_;
    Settings* settings_ = nullptr;
    std::map<const ExportFormat*, QString> lastNames_;  // the file last written by each row
    std::optional<torsion::TitleBlock> title_;
    std::optional<Language> reportLanguage_;  // chosen in the title-block dialog this run
    std::function<bool(QPrinter&)> choosePrinter_;
};
