// The texts of the practices side by side: one row per item (rate, moments, stress with its
// correction factor, the stress at each bent leg's bend, allowable stress, largest angle and
// moment, safety factor, fatigue verdict), one column per practice, each value of a practice other than the
// chosen one with its difference to the chosen one in %. A value a practice does not publish reads
// "規格値なし". The window's page, the report and their tests share these texts.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/base/composed_text.h"
#include "core/base/units.h"
#include "core/evaluation/evaluation.h"

namespace torsion {

struct ComparisonRow {
    ComposedText item, unit;
    std::array<ComposedText, kPractices> cells;
};

struct ComparisonTexts {
    // "設計基準: JIS B 2704　使用温度: 20℃"
    ComposedText caption;
    std::array<ComposedText, kPractices> practices;  // the column headings, chosen one marked "（選択）"
    std::vector<ComparisonRow> rows;
    // Why there are no rows: the message of a fault of the calculation (the window's page
    // shows it in place of the table).
    std::optional<ComposedText> fault;
};

// Moments, stresses and rates in unit; numbers in the short format, differences with one
// decimal and their sign.
ComparisonTexts PracticeComparisonTexts(const PracticeComparison& compared, UnitSystem unit);

// The comparison of a case's inputs by every practice at the options' working temperature
// (ComparePractices, then PracticeComparisonTexts); a fault of the calculation leaves the
// rows empty and its message in fault.
ComparisonTexts PracticeComparisonTextsOf(const DesignCase& inputs, const MaterialTable& table,
                                          const DesignOptions& options, UnitSystem unit);

// The caption of the options: practice and working temperature.
ComposedText DesignOptionsCaption(const DesignOptions& options);

}  // namespace torsion
