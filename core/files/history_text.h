// Texts of the history grid: headings, units, the row of a slot, and the
// tab-separated copy of a rectangle of cells.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/base/units.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

namespace torsion {

inline constexpr int kHistoryColumns = 15;
inline constexpr int kHistoryGridRows = 32;

const std::array<std::string, kHistoryColumns>& HistoryHeadings();                                // row 0
const std::array<std::string, kHistoryColumns>& HistoryUnits(UnitSystem unit = UnitSystem::Kgf);  // row 1
inline constexpr std::array<int, kHistoryColumns> kHistoryColumnWidths{30, 96, 33, 38, 42, 50, 47, 47,
                                                                       47, 56, 57, 61, 65, 81, 82};

// Columns 1..14 of a slot's row. shown is false for a slot whose used is not 1 (the
// row is then empty). symbolSjis is the Shift-JIS symbol of the material, empty when
// materialNo is outside 0..29; numbers are in short format (empty when not finite);
// the life text is the label, empty for a class outside 0..7. Moments, the spring
// constant and stresses are in the shown unit.
struct HistoryRow {
    bool shown = false;
    std::string symbolSjis;
    std::array<std::string, 12> numbers;  // columns 2..13
    std::string lifeText;                 // column 14
};
HistoryRow HistoryRowTexts(const DesignCase& c, const MaterialTable& table,
                           UnitSystem unit = UnitSystem::Kgf);

// Tab-separated text of cells[row][col] over the inclusive rectangle, CR LF after
// every row; empty-range and clamping rules of the copy command. cells is rows of
// equal length (the column count). A control character inside a cell is copied as a
// space, so that every row is one line of one field per cell.
std::string GridCopyText(const std::vector<std::vector<std::string>>& cells, int leftCol, int topRow,
                         int rightCol, int bottomRow);

}  // namespace torsion
