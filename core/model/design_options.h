// What a design needs beyond its 224-byte case record: the practice it is computed by and
// the working temperature. Each slot of the case table has one beside its record. The
// defaults reproduce the record's own calculation exactly, so a case file (.nbd) is a
// design file whose options are all at their defaults. An option added later gets a
// default that leaves the calculation as it is.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/design_case.h"

namespace torsion {

// The practice the drawing names: JIS B 2704 (the program's own formulas), EN 13906-3, or
// the US practice (SMI handbook).
enum class Practice : std::uint8_t { Jis, En, Us };
inline constexpr int kPractices = 3;
inline constexpr std::array<Practice, kPractices> kAllPractices{Practice::Jis, Practice::En, Practice::Us};

// The temperature at which the material table's moduli hold, °C.
inline constexpr double kRoomTemperature = 20;

// The shape of a leg: straight and tangential to the coil (the record's own), bent out
// radially, bent along the axis, or clamped where it leaves the coil. The load radius of
// each leg is the record's arm (a1, a2).
enum class LegShape : std::uint8_t { Tangential, Radial, Axial, Clamped };
inline constexpr int kLegShapes = 4;
inline constexpr std::array<LegShape, kLegShapes> kAllLegShapes{LegShape::Tangential, LegShape::Radial,
                                                                LegShape::Axial, LegShape::Clamped};

struct LegEnd {
    LegShape shape = LegShape::Tangential;
    double straightLength = 0;  // straight length before the bend, mm (bent legs)
    double bendRadius = 0;      // inner radius r of the bend, mm (bent legs)

    friend bool operator==(const LegEnd&, const LegEnd&) = default;
};

// The longest straight length, bend radius or coil gap a design file may hold, mm.
inline constexpr double kMaxLegLength = 100000;

// Whether a leg of this shape has a bend whose stress is checked.
inline bool IsBent(LegShape s) {
    return s == LegShape::Radial || s == LegShape::Axial;
}

struct DesignOptions {
    Practice practice = Practice::Jis;
    double temperature = kRoomTemperature;  // working temperature, °C
    std::array<LegEnd, 2> legs{};           // leg 1 and leg 2
    double pitchGap = 0;                    // gap between coils, mm (0: touching)

    friend bool operator==(const DesignOptions&, const DesignOptions&) = default;
};

using DesignOptionsTable = std::array<DesignOptions, kCaseSlots>;

inline bool IsDefault(const DesignOptions& o) {
    return o == DesignOptions{};
}

// The name the user reads: "JIS B 2704", "EN 13906-3", "米国 SMI".
std::string_view PracticeName(Practice p);
// The word of files and the command line: "jis", "en", "us".
std::string_view PracticeKey(Practice p);
// The practice of a word of PracticeKey; nullopt for any other text.
std::optional<Practice> PracticeFromKey(std::string_view key);

// "接線", "半径方向", "軸方向", "固定" and the words of files and the command line:
// "tangential", "radial", "axial", "clamped".
std::string_view LegShapeName(LegShape s);
std::string_view LegShapeKey(LegShape s);
std::optional<LegShape> LegShapeFromKey(std::string_view key);

// The gaps between coils a design may name: from touching (0) to the mean coil diameter.
inline bool PitchGapAllowed(double gap, double meanDia) {
    return gap >= 0 && gap <= meanDia;
}

// The working temperatures a design may name, °C: from absolute zero to a bound far above
// every published row.
inline constexpr double kLowestTemperature = -273.15;
inline constexpr double kHighestTemperature = 10000;
inline constexpr const char* kTemperatureRangeText = "-273.15〜10000";
inline bool TemperatureAllowed(double t) {
    return t >= kLowestTemperature && t <= kHighestTemperature;
}

}  // namespace torsion
