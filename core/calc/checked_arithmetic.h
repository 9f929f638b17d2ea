// The arithmetic of the calculation in extended precision: a fault the hardware would only
// flag (a zero divisor, an invalid operation, an overflow) throws CommandError instead of
// leaving NaN or infinity in a result.
#pragma once

#include <cmath>

#include "core/base/command_error.h"

namespace torsion::checked {

using Real = long double;

// A result that became NaN or infinite from ordinary operands is a fault of the command.
inline Real Checked(Real result, Real a, Real b) {
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) ThrowInvalidOperation();
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) ThrowOverflow();
    return result;
}
inline Real Add(Real a, Real b) {
    return Checked(a + b, a, b);
}
inline Real Sub(Real a, Real b) {
    return Checked(a - b, a, b);
}
inline Real Mul(Real a, Real b) {
    return Checked(a * b, a, b);
}
inline Real Div(Real a, Real b) {
    if (b == 0 && !std::isnan(a)) {
        if (a == 0) ThrowInvalidOperation();
        ThrowDivisionByZero();
    }
    return Checked(a / b, a, b);
}
inline Real Sqrt(Real a) {
    if (a < 0) ThrowInvalidOperation();
    return std::sqrt(a);
}

// Narrows to the stored double; a finite value beyond its range is an overflow.
inline void Store(double& field, Real value) {
    const double narrowed = static_cast<double>(value);
    if (std::isinf(narrowed) && std::isfinite(value)) ThrowOverflow();
    field = narrowed;
}

}  // namespace torsion::checked
