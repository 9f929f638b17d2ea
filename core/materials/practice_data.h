// The published numbers of the design practices and of the working temperature, by
// material: Young's modulus at temperature as a ratio to room temperature, the makers'
// highest service temperature, the US fatigue strengths and the static limits of EN and
// US practice. The rows come from data/*.csv (see data/practices.md), compiled in by
// tools/make_practice_table. A material is named by the beginning of its symbol; where
// several rows name it, the longest beginning wins. No row means no published value.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace torsion {

enum class PracticeTable { YoungRatio, ServiceLimit, UsFatigue, StaticLimit };

struct PracticeDataRow {
    PracticeTable table;
    const char* group;   // rows that belong together: a temperature family, a material, a practice
    const char* match;   // ";"-separated symbol beginnings, or "*" for every material
    double key;          // temperature °C, cycles; NaN where the table has none
    double value;        // E ratio, °C, % of the tensile strength
    const char* source;  // source ids of data/practices.md
};

std::span<const PracticeDataRow> BuiltInPracticeRows();

// How well match names a symbol: 0 not at all, 1 for "*", otherwise 1 + the length of the
// longest beginning that fits.
int SymbolMatchLength(std::string_view match, std::string_view symbol);

// Young's modulus at temperature t (°C) over the modulus the material table holds. At and
// below the family's first row (room temperature) the ratio of that row; between rows
// linear; above the last row, or above room temperature for a material of no family, no
// value (nullopt): the data end there and nothing is extrapolated.
struct YoungRatioLookup {
    std::optional<double> ratio;
    bool family = false;         // the material belongs to a family of the table
    double lastTemperature = 0;  // the family's last row, °C
};
YoungRatioLookup YoungModulusRatio(std::span<const PracticeDataRow> rows, std::string_view symbol, double t);

// The highest service temperature the makers quote for the material, °C.
std::optional<double> ServiceTemperatureLimit(std::span<const PracticeDataRow> rows, std::string_view symbol);

// The US fatigue strengths of the material: % of the tensile strength by cycles, ascending.
struct FatigueStrengthRow {
    double cycles;
    double percent;
};
std::vector<FatigueStrengthRow> UsFatigueStrengths(std::span<const PracticeDataRow> rows,
                                                   std::string_view symbol);

// The static limit of a practice ("en", "us") for the material, % of the tensile strength.
std::optional<double> StaticLimitPercent(std::span<const PracticeDataRow> rows, std::string_view practice,
                                         std::string_view symbol);

}  // namespace torsion
