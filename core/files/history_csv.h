// The history as a comma-separated file for spreadsheet programs: the used slots with
// the columns of the history grid and every other input and result, each number at
// full precision (it reads back as the same double).
#pragma once

#include <string>
#include <vector>

#include "core/base/units.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

namespace torsion {

// Headings and units of the columns: the history grid's, then the rest of the case.
std::vector<std::string> HistoryCsvHeadings();
std::vector<std::string> HistoryCsvUnits(UnitSystem unit);

// The whole file: a UTF-8 byte-order mark, the heading and unit lines, then one line
// per used slot (used = 1) in slot order, CR LF after every line. symbols holds the
// material symbol of each record in UTF-8 (by record number); moments, stresses and
// the spring constant are given in unit.
std::string HistoryCsvText(const CaseTable& cases, const std::vector<std::string>& symbols, UnitSystem unit);

// Writes that text safely (temporary file, then rename); throws "ファイル %s を作成できません".
void WriteHistoryCsv(const std::string& path, const CaseTable& cases, const std::vector<std::string>& symbols,
                     UnitSystem unit);

}  // namespace torsion
