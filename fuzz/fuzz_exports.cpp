// A case record of any content, then option bytes, through every export and text a case
// reaches: the history row texts and CSV, the DXF file, the report texts and trace, the
// data sheet, the characteristic sheet, and a design search with requirements taken
// from the option bytes and its CSV and JSON lists. The case is exported as read or,
// chosen by an option bit, after it is calculated.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string>

#include "cad/spring_dxf.h"
#include "core/base/command_error.h"
#include "core/calc/calculation.h"
#include "core/design/design_search.h"
#include "core/design/search_export.h"
#include "core/evaluation/evaluation.h"
#include "core/files/history_csv.h"
#include "core/files/history_text.h"
#include "core/geometry/spring_outline.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/report/characteristic_sheet.h"
#include "core/report/data_sheet.h"
#include "core/report/report_text.h"

using namespace torsion;

namespace {

struct Materials {
    MaterialTable table{};
    KindIndex kinds{};
    std::vector<std::string> symbols;
};

const Materials& DefaultMaterials() {
    static const Materials* materials = [] {
        auto* m = new Materials;
        try {
            LoadMaterialTable(m->table, std::string(TS_DATA_DIR) + "/zaidat.dst");
        } catch (const CommandError&) {
        }
        m->kinds = BuildKindIndex(m->table);
        // The symbols as stored (Shift-JIS); plain ASCII for the usual materials.
        for (const MaterialRecord& r : m->table) m->symbols.push_back(ShortStringValue(r.symbol));
        return m;
    }();
    return *materials;
}

// The option bytes after the record, read one by one; zeros once they run out.
class Options {
  public:
    explicit Options(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint8_t Byte() { return next_ < bytes_.size() ? bytes_[next_++] : 0; }
    double Number() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits = bits << 8 | Byte();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
};

// In memory (tmpfs): the writer flushes every file to its disk.
const std::string& DxfPath() {
    static const std::string path = "/dev/shm/fuzz_exports_" + std::to_string(::getpid()) + ".dxf";
    return path;
}

template <typename T>
void TrimMiddle(std::vector<T>& figures) {
    constexpr std::size_t kKept = 16;
    if (figures.size() > 2 * kKept)
        figures.erase(figures.begin() + kKept, figures.end() - static_cast<std::ptrdiff_t>(kKept));
}

void Export(const DesignCase& c, const Materials& m, UnitSystem unit, int grade) {
    const std::string symbol = c.materialNo >= 0 && c.materialNo < static_cast<int>(m.symbols.size())
                                   ? m.symbols[static_cast<std::size_t>(c.materialNo)]
                                   : std::string();
    (void)HistoryRowTexts(c, m.table, unit);
    auto cases = std::make_unique<CaseTable>();
    (*cases)[1] = c;
    (*cases)[1].materialNo = c.materialNo;
    const std::string csv = HistoryCsvText(*cases, m.symbols, unit);
    if (csv.empty()) std::abort();
    (void)CalculationReportTexts(EvaluationOf(c, m.table), m.table, symbol, unit);
    (void)DataSheetTextsOf(c, m.table);
    (void)BuildCharacteristicSheet(c, m.table, grade, unit);
    try {
        SpringOutline outline = SpringOutlineFor(c.wireDia, c.meanDia, c.turns, c.arm1, c.arm2);
        // The first and last figures of each kind hold the extreme coordinates (the side
        // view grows to the right loop by loop, the end view comes last); the loops
        // between repeat the same numbers shifted and would only slow the search.
        TrimMiddle(outline.lines);
        TrimMiddle(outline.arcs);
        WriteSpringDxf(DxfPath(), outline);
    } catch (const CommandError&) {
    }
}

void Search(Options& options, const Materials& m, UnitSystem unit) {
    SearchInputs in;
    in.moment2 = options.Number();
    in.angle2 = options.Number();
    in.angle1 = options.Number();
    in.tolerancePct = options.Number();
    in.arm1 = options.Number();
    in.arm2 = options.Number();
    in.outerDiaMax = options.Number();
    in.guideRodMin = options.Number();
    in.turnsFraction = options.Number();
    const std::uint8_t flags = options.Byte();
    in.outward = flags & 1;
    in.leftHand = flags & 2;
    in.anyTurns = flags & 4;
    in.diaMode = flags >> 3 & 3;  // 3 is refused
    in.ranking = static_cast<SearchRanking>(flags >> 5 & 3);
    // One material and a few turns keep each run short; the step stays coarse.
    in.materials = {options.Byte() % static_cast<int>(kMaterialRecords)};
    in.turnsMin = options.Byte() % 20;
    in.turnsMax = in.turnsMin + options.Byte() % 5;
    in.coilDiaStep = 0.5 + options.Byte() % 50;
    in.lifeClassLimit = options.Byte() % 9;
    in.keepBest = 1 + options.Byte() % 10;
    try {
        const SearchOutcome outcome = SearchDesigns(in, m.table, m.kinds);
        (void)SearchResultCsv(outcome, m.symbols, unit);
        (void)SearchResultJson(outcome, m.symbols, unit);
        (void)SearchSummaryText(outcome);
    } catch (const CommandError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kDesignCaseSize) return -1;
    CaseTable cases{};
    OverlayCaseTable(cases, std::span<const std::uint8_t>(data, kDesignCaseSize));
    Options options(std::span<const std::uint8_t>(data + kDesignCaseSize, size - kDesignCaseSize));
    const Materials& m = DefaultMaterials();
    const std::uint8_t choice = options.Byte();
    const UnitSystem unit = choice & 1 ? UnitSystem::SI : UnitSystem::Kgf;
    const int grade = 1 + (choice >> 1) % 3;

    // The case as stored (what --report and --dxf of a slot read), or as calculated.
    DesignCase c = cases[0];
    if (choice & 16) {
        try {
            c = EvaluateDesign(cases[0], m.table).design;
        } catch (const CommandError&) {
        }
    }
    Export(c, m, unit, grade);
    if (choice & 8) Search(options, m, unit);
    return 0;
}
