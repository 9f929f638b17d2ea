// The JIS spring-wire data of a material grade: the wire diameter tolerance and
// out-of-roundness by diameter band, the tensile-strength range per standard diameter,
// the standard diameters and the applicable diameters. The rows come from
// data/wire_tolerances.csv, compiled in by tools/make_wire_table; every lookup also takes
// the rows, so tests can give their own. A grade is found by its material symbol, as
// the material table stores it (Shift-JIS). Where the sources show no value the answer
// says so ("規格値なし"), never a number from a neighbouring row.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/tolerances/tolerance_table.h"

namespace torsion {

enum class WireTable {
    DiameterTolerance,
    OutOfRoundness,
    TensileStrength,
    StandardDiameter,
    ApplicableRange
};

struct WireRow {
    WireTable table;
    RangeBound lower;  // diameters in mm; a missing side is open
    RangeBound upper;
    double valueMin;        // −t of a tolerance, the least tensile strength (N/mm²); NaN where none
    double valueMax;        // +t, the out-of-roundness limit, the largest tensile strength; NaN where none
    bool found;             // false: the sources were looked at and show no value here
    const char* grades;     // the grades as the data names them
    const char* status;     // "ok", "derived" (read from a merged table) or "not_found"
    const char* sources;    // source ids of data/wire_tolerances.md
    const char* matchSjis;  // ";"-separated material symbols, Shift-JIS
};

// The rows of data/wire_tolerances.csv that the program uses.
std::span<const WireRow> BuiltInWireRows();

inline constexpr const char* kWireNoValueText = TS_TEXT("規格値なし");

struct WireValue {
    bool found = false;      // false: no published value ("規格値なし")
    double min = kNoNumber;  // −t; the least tensile strength
    double max = kNoNumber;  // +t; the out-of-roundness limit; the largest tensile strength (NaN: not seen)
    ComposedText row;        // the data row the value came from, or why there is none
};

// ±t of the wire diameter at d.
WireValue WireDiameterTolerance(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                                RowTexts texts = RowTexts::Built);
// The largest difference of two diameters of one cross-section at d.
WireValue WireOutOfRoundness(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                             RowTexts texts = RowTexts::Built);
// The tensile-strength range at d: the row of d, or for a diameter between standard
// diameters the row of the next larger standard diameter, as the standards prescribe.
WireValue JisTensileStrength(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                             RowTexts texts = RowTexts::Built);

enum class StandardWireState {
    Standard,     // d is a standard diameter of the grade
    NotStandard,  // it is not (or lies outside the grade's applicable diameters)
    Unknown,      // the sources do not say
};
struct StandardWire {
    StandardWireState state = StandardWireState::Unknown;
    double below = kNoNumber;  // the standard diameters next to a non-standard d, where known
    double above = kNoNumber;
    ComposedText row;
};
StandardWire StandardWireDiameter(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                                  RowTexts texts = RowTexts::Built);

// The four answers above at d from one search of the symbol's rows.
struct WireAnswers {
    WireValue tolerance, roundness, tensile;
    StandardWire standard;
};
WireAnswers WireAnswersAt(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                          RowTexts texts = RowTexts::Built);

// Whether x lies between the bounds, inclusive or exclusive as they say; a diameter
// within a billionth of a bound counts as on it.
bool WireRangeContains(const RangeBound& lower, const RangeBound& upper, double x);

}  // namespace torsion
