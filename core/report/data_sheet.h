// The texts of the data sheet (要目表) of a case: the item, unit and value of each
// numbered row of its table, and the captions placed on its sketch. The case holds
// kgf·mm and kgf/mm²; the sheet shows N·mm and N/mm².
#pragma once

#include <array>
#include <string>

#include "core/base/composed_text.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

namespace torsion {

// Heading row 0 of the table: column 1 names the item, column 2 its unit.
inline constexpr const char* kDataSheetItemHeading = TS_TEXT("項目");
inline constexpr const char* kDataSheetUnitHeading = TS_TEXT("単位");
// Numbered rows 1..15 of the table; rows 1..14 carry an item, row 15 only its number.
inline constexpr int kDataSheetNumberedRows = 15;
inline constexpr int kDataSheetItems = 14;

// The sketch's torque captions and the spring constant convert with this rounded
// factor, the table's moments and stresses with kStandardGravity.
inline constexpr double kDataSheetRoundedGravity = 9.807;

// Composed texts (core/base/composed_text.h): Japanese() is the sheet as it always read.
struct DataSheetRow {
    ComposedText item;   // column 1
    ComposedText unit;   // column 2; empty for the material and the winding direction
    ComposedText value;  // column 3; empty for the material row, see symbolSjis
};

struct DataSheetTexts {
    // The material symbol of row 1 in Shift-JIS, as stored in the table; empty when
    // the case's material number lies outside the table.
    std::string symbolSjis;
    std::array<DataSheetRow, kDataSheetItems> rows;  // table rows 1..14
    std::array<ComposedText, 7> sketchLabels;        // Label1 .. Label7
};

// Numbers in short format (4 digits) except the diameters and the turns (full
// format); a value that is not finite gives the empty text.
DataSheetTexts DataSheetTextsOf(const DesignCase& c, const MaterialTable& table);

}  // namespace torsion
