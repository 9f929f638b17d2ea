// The unit in which the windows show and read moments, stresses and rates. Cases,
// case files and tables always hold kgf·mm and kgf/mm²; the shown unit is converted
// at the window boundary only.
#pragma once

namespace torsion {

enum class UnitSystem { Kgf, SI };

// N per kgf, in the extended precision of the calculation and as a double.
inline constexpr long double kStandardGravityExtended = 9.80665L;
inline constexpr double kStandardGravity = static_cast<double>(kStandardGravityExtended);
// kgf per N as the published formulas write it (17 digits; not the exact reciprocal).
inline constexpr long double kNewtonToKgfExtended = 0.10197162129779283L;
inline constexpr double kNewtonToKgf = static_cast<double>(kNewtonToKgfExtended);

// A moment (kgf·mm), a stress (kgf/mm²) or a rate (kgf·mm/度) in the shown unit, and back.
inline double ToShownUnit(double kgfValue, UnitSystem unit) {
    return unit == UnitSystem::SI ? kgfValue * kStandardGravity : kgfValue;
}
inline double FromShownUnit(double shownValue, UnitSystem unit) {
    return unit == UnitSystem::SI ? shownValue / kStandardGravity : shownValue;
}

}  // namespace torsion
