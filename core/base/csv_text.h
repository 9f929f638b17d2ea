// Comma-separated text: splitting a line into fields, quoting a field on output, and
// numbers that read back to the very same double.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torsion {

// The fields of one line. A field may be quoted ("a,b"), a quote inside doubled ("");
// a line end inside quotes is not supported, since every record is one line. A
// trailing CR (a CR LF file) is dropped.
std::vector<std::string> SplitCsvLine(std::string_view line);
// The same into vectors reused row after row: the views point into line, or into
// scratch for quoted fields, and stay valid while both are unchanged.
void SplitCsvLine(std::string_view line, std::vector<std::string_view>& fields, std::string& scratch);

// Appends field, in quotes when it holds a comma, a quote, a CR or an LF.
void AppendCsvField(std::string& out, std::string_view field);

// Appends the shortest decimal text that reads back as value; the empty text for a
// value that is not finite.
void AppendRoundTrip(std::string& out, double value);
std::string RoundTripText(double value);

// The value to 15 significant digits without trailing zeros, as a spreadsheet shows it:
// 23.2 for 23.200000000000003 (the double of 21.6 + 1.6); it reads back within one part in
// 10^15 of value. The empty text for a value that is not finite.
std::string FifteenDigitText(double value);

// The byte-order mark that tells spreadsheet programs the text is UTF-8.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// True when text is well-formed UTF-8 (no overlong forms, surrogates or code points
// past U+10FFFF).
bool IsUtf8(std::string_view text);

}  // namespace torsion
