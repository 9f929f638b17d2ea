// Designs given as comma-separated rows, one per line, calculated as the main window
// calculates them: each row becomes the window's inputs and goes through the same
// reading, calculation and checks. Rows are read and written one at a time, so a file
// of any length needs the same memory.
#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/calc/calculation.h"
#include "core/evaluation/evaluation.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"
#include "core/tolerances/tolerance_table.h"
#include "core/tolerances/variation.h"

namespace torsion {

// Input columns in their order. dia_mode: inner / mean / outer (or 内径 / 平均径 / 外径);
// load_mode: angle / moment (or 角度 / 荷重): value1 and value2 are then φ1, φ2 in degrees
// or M1, M2 in kgf·mm; outward and left_hand: 0 or 1. The rest may be left out or empty:
// standard jis / en / us (empty: jis), temperature, the working temperature in °C (empty:
// 20), leg1 and leg2 tangential / radial / axial / clamped (empty: tangential), bend_r1 and
// bend_r2 the inner bend radius of a radial or axial leg in mm (needed there, refused
// elsewhere), pitch_gap the gap between coils in mm (empty: 0, touching).
inline constexpr std::array<std::string_view, 19> kBatchInputColumns{
    "symbol",    "wire_dia", "dia_mode", "coil_dia", "turns",     "arm1",     "arm2",
    "load_mode", "value1",   "value2",   "outward",  "left_hand", "standard", "temperature",
    "leg1",      "leg2",     "bend_r1",  "bend_r2",  "pitch_gap"};
inline constexpr std::size_t kBatchRequiredColumns = 12;

// What a row becomes before the calculation: the mode flags of the case and the texts
// of the window's input controls.
struct BatchDesign {
    DesignCase start;  // the new current case with diaMode and inputMode of the row
    WindowInputs inputs;
    DesignOptions options;  // practice, working temperature, legs and coil gap
};

// What every row is checked for besides the calculation: the tolerance grade of the
// variation columns (k_min, k_max, the range of M2) and the J and operating frequency of
// the natural-frequency columns.
// With compare, each row gives three lines, one per practice (CompareLine).
struct BatchOptions {
    int grade = kDefaultToleranceGrade;
    DynamicsInputs dynamics;
    bool compare = false;
};

class BatchCalculator {
  public:
    // symbols holds the symbol of every record as the symbol list shows it (UTF-8),
    // indexed by record number; a row names its material by that text.
    BatchCalculator(const MaterialTable& table, const KindIndex& index, std::vector<std::string> symbols,
                    BatchOptions options = {});

    // The window's inputs for the fields of a row; throws CommandError naming the fault.
    BatchDesign DesignOf(const std::vector<std::string_view>& fields) const;
    // Reads, calculates and checks a design as the "計算" command does: the one evaluation,
    // its manufacturing check of the options' grade without row texts.
    Evaluation Calculate(const BatchDesign& design) const;

    // The output heading (no line end) and one output line (with its "\n") per input
    // line: the input fields, then the results, the variation of k and M2 (worst case),
    // the natural frequency, its ratio to the operating frequency and the standard-wire
    // flag (1, 0, or empty where the data does not say), the checks and the error text.
    // A figure without data is an empty field. Returns false when the row failed; its
    // result columns are then empty.
    static std::string OutputHeader();
    bool CalculateLine(std::string_view line, std::string& out);

    // The line of the input the next row comes from (1 = the first), named with the column
    // in the message of a bad leg or gap field; 0 when it is not known.
    void AtLine(long long line) { line_ = line; }

    // The three practices of a row side by side: one line per practice (with its "\n"):
    // the input fields, the practice, whether it is the row's, the rate, M1, M2, σ2, the
    // correction factor applied, the allowable stress, the largest angle and moment, the
    // safety factor, the fatigue verdict, the difference of six of them to the row's
    // practice in %, the checks and the error text. A value the practice does not publish
    // is an empty field. A failed row gives one line with the error.
    static std::string CompareHeader();
    bool CompareLine(std::string_view line, std::string& out);

    // The heading and the line(s) of a row of the options' kind, and the width of a line.
    std::string Header() const { return options_.compare ? CompareHeader() : OutputHeader(); }
    bool ProcessLine(std::string_view line, std::string& out) {
        return options_.compare ? CompareLine(line, out) : CalculateLine(line, out);
    }
    std::size_t ColumnCount() const;

  private:
    const MaterialTable& table_;
    const KindIndex& index_;
    BatchOptions options_;
    long long line_ = 0;
    std::unordered_map<std::string, int> recordBySymbol_;
    std::array<std::vector<std::string>, kMaterialRecords> diameterTexts_;
    std::vector<std::string_view> fields_;
    std::string scratch_;
};

struct BatchSummary {
    long long rows = 0;
    long long failed = 0;
};

// The longest input line read; a longer one is a failed row.
inline constexpr std::size_t kMaxBatchLineBytes = 64 * 1024;

// Reads lines from in to its end and writes the heading and one line per design to
// out. Empty lines, lines starting with '#' and a heading line (first field "symbol")
// are skipped; a UTF-8 byte-order mark at the start is ignored. A line longer than
// kMaxBatchLineBytes or not in UTF-8 is a failed row whose input columns stay empty,
// so memory stays bounded and the output is UTF-8 whatever the input.
BatchSummary RunBatch(std::istream& in, std::ostream& out, BatchCalculator& calculator);

}  // namespace torsion
