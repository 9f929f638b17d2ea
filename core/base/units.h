// The unit in which the windows show and read moments, stresses and rates. Cases,
// case files and tables always hold kgf·mm and kgf/mm²; the shown unit is converted
// at the window boundary only.
#pragma once

namespace torsion {

enum class UnitSystem { Kgf, SI };

inline constexpr double kStandardGravity = 9.80665;  // N per kgf

// A moment (kgf·mm), a stress (kgf/mm²) or a rate (kgf·mm/度) in the shown unit, and back.
inline double ToShownUnit(double kgfValue, UnitSystem unit) {
    return unit == UnitSystem::SI ? kgfValue * kStandardGravity : kgfValue;
}
inline double FromShownUnit(double shownValue, UnitSystem unit) {
    return unit == UnitSystem::SI ? shownValue / kStandardGravity : shownValue;
}

}  // namespace torsion
