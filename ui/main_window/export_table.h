// The program's exports, one row each: the data sheet, the history as CSV, the spring
// drawing as DXF, the spring in 3D as STEP and STL, and the calculation report as PDF
// or printed. The file menu, the Exports unit and the command line read this table,
// so a new format is a writer and a row.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/base/units.h"
#include "core/evaluation/evaluation.h"
#include "core/geometry/spring_3d.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"
#include "core/report/report_text.h"
#include "ui/common/language.h"

class QPrinter;
class Tprinform;

// What an export is made of.
enum class ExportSubject {
    // Every used slot of the case table.
    History,
    // One calculated case: in the window the inputs shown, evaluated (the user is told
    // when they are not those of the results on screen); on the command line the case
    // of --slot, which must be in use.
    InputsShown,
    // One calculated case at a state: in the window the case of the 3D page at the
    // page's state (refused before the first "計算"); on the command line the case of
    // --slot at --state.
    ModelShown,
};

// Where it goes: a file named in the save dialog or by -o, a printer, or the data
// sheet page, which the user prints from.
enum class ExportDestination { File, Printer, PrintPage };

// The title block: not used; carried in the file's header as last entered; or printed
// on the report, asked before the first report of a run.
enum class ExportTitle { None, Header, Asked };

// What a writer is given.
struct ExportSource {
    const torsion::CaseTable* cases = nullptr;
    const torsion::MaterialTable* materials = nullptr;
    torsion::DesignCase design{};                     // the case of a one-case export
    torsion::DesignOptions options{};                 // its options: the legs and the coil gap drawn
    std::function<torsion::Evaluation()> evaluation;  // that case evaluated
    torsion::SpringState state = torsion::SpringState::Free;
    torsion::UnitSystem unit = torsion::UnitSystem::Kgf;
    torsion::TitleBlock title;
    Language reportLanguage = Language::Japanese;  // the words of the report
};

// Where the writer puts it: a file (path "-" is the standard output), a printer or the
// data sheet page.
struct ExportTarget {
    std::string path;
    QPrinter* printer = nullptr;
    Tprinform* page = nullptr;
};

using ExportWrite = std::function<void(const ExportTarget&)>;

struct ExportFormat {
    const char* menuItem;  // objectName of the item of the menu "ファイル"
    const char* caption;   // its text
    const char* filter;    // the save dialog's file filter ("" when not a file)
    const char* fileName;  // the name the save dialog proposes first ("": from the title block)
    const char* command;   // the command-line word ("": the window's only)
    const char* usage;     // the command's arguments and what it does, for --help
    bool standardOutput;   // the command writes to the standard output without -o
    ExportSubject subject;
    ExportDestination destination;
    ExportTitle title;
    // Makes what is written from the source and returns the write: a design that cannot
    // be exported is refused here, before a file is asked for. Throws CommandError.
    ExportWrite (*prepare)(const ExportSource& source);
};

// Whether the export is of one calculated case rather than of the history.
inline bool NeedsCalculatedCase(const ExportFormat& format) {
    return format.subject != ExportSubject::History;
}

// Every export, in the order of the menu.
std::span<const ExportFormat> ExportFormats();
// The row of a menu item or of a command word; nullptr when there is none.
const ExportFormat* ExportFormatOfItem(std::string_view menuItem);
const ExportFormat* ExportFormatOfCommand(std::string_view command);
