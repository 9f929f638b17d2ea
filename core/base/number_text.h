// Numbers as the user reads and types them: the general number format with p
// significant digits, and strict decimal input.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torsion {

// General number format, p = 1..15 significant digits (values outside are clamped).
// Rounds halves away from zero on the exact decimal value of the double; fixed
// notation for -3 <= e <= p, otherwise "1.235E4" / "5E-5". Zero gives "0".
// A value that is not finite gives the empty text: it has no number to show.
std::string FormatGeneral(double value, int precision);
inline std::string FormatFull(double value) {
    return FormatGeneral(value, 15);
}
inline std::string FormatShort(double value) {
    return FormatGeneral(value, 4);
}
// The full format, with a 16th or 17th digit where 15 do not read back to the same
// double: the text an input box shows for a number it is to give back unchanged.
std::string FormatRoundTrip(double value);

// Decimal input: blanks, optional sign, digits with an optional ".", optional
// exponent, blanks. Anything else throws the not-a-float CommandError naming the
// text; a value beyond the double range throws the overflow CommandError.
double ParseNumber(std::string_view text);

// Integer input: blanks, optional sign, decimal digits, blanks, within int32.
// Anything else throws the not-an-integer CommandError naming the text.
std::int32_t ParseInteger(std::string_view text);

// The half-width form of a number typed with the Japanese input method: full-width
// digits, point, signs, "Ｅ" and "ｅ" and the ideographic space become their ASCII
// forms, and so do the input method's "。" and "ー" for the point and minus keys and
// the minus sign U+2212. Everything else (UTF-8) stays as it is.
std::string HalfWidthNumberText(std::string_view utf8);

}  // namespace torsion
