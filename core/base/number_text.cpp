// General number format and strict, locale-free number input.
#include "core/base/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

#include "core/base/command_error.h"

namespace torsion {

namespace {

// Significant digits (no point) and the exponent of the first digit, from a text that
// std::to_chars wrote in scientific form ("d.ddde+XX").
struct SciDigits {
    char digits[24];
    int count = 0;
    int exponent = 0;  // value = d1.d2d3... x 10^exponent
};

SciDigits SplitScientific(const char* first, const char* last) {
    SciDigits out;
    const char* p = first;
    for (; p != last && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9' && out.count < static_cast<int>(sizeof out.digits))
            out.digits[out.count++] = *p;
    }
    if (p != last) {
        ++p;  // 'e'
        std::from_chars(*p == '+' ? p + 1 : p, last, out.exponent);
    }
    return out;
}

// True when the positive finite double x is exactly digits x 10^k, where digits is a
// decimal integer below 2^64. Decided on the binary form, without any rounding.
bool DoubleEqualsDecimal(double x, std::uint64_t digits, int k) {
    int binExp = 0;
    const double fraction = std::frexp(x, &binExp);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    int twos = binExp - 53;
    while ((mantissa & 1u) == 0) {
        mantissa >>= 1;
        ++twos;
    }
    int decTwos = 0;
    while (digits != 0 && (digits & 1u) == 0) {
        digits >>= 1;
        ++decTwos;
    }
    // digits x 10^k = digits x 5^k x 2^k: compare odd parts and powers of two.
    std::uint64_t odd = digits;
    if (k >= 0) {
        for (int i = 0; i < k; ++i) {
            if (odd > mantissa / 5) return false;
            odd *= 5;
        }
    } else {
        for (int i = 0; i < -k; ++i) {
            if (odd % 5 != 0) return false;
            odd /= 5;
        }
    }
    return odd == mantissa && decTwos + k == twos;
}

// Rounds the positive finite value to p significant digits, halves away from zero on
// its exact decimal value.
SciDigits RoundSignificant(double x, int p) {
    char buf[64];
    // A subnormal has too few bits for the shortcuts below (its shortest digits can be
    // far from its exact value), and it can never be a short decimal tie.
    if (x < std::numeric_limits<double>::min()) {
        const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, p - 1);
        return SplitScientific(buf, r.ptr);
    }
    // The shortest round-trip digits: a value that is exactly halfway at p digits is a
    // (p+1)-digit decimal ending in 5, and then these are its digits.
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    SciDigits shortest = SplitScientific(buf, r.ptr);
    if (shortest.count <= p) return shortest;  // exact at p digits after rounding

    if (shortest.count == p + 1 && shortest.digits[p] == '5') {
        std::uint64_t whole = 0;
        for (int i = 0; i < shortest.count; ++i)
            whole = whole * 10 + static_cast<unsigned>(shortest.digits[i] - '0');
        if (DoubleEqualsDecimal(x, whole, shortest.exponent - p)) {
            // An exact tie: round the magnitude up.
            SciDigits up = shortest;
            up.count = p;
            int i = p - 1;
            while (i >= 0 && up.digits[i] == '9') up.digits[i--] = '0';
            if (i >= 0) {
                ++up.digits[i];
            } else {
                up.digits[0] = '1';
                ++up.exponent;
            }
            return up;
        }
    }
    // No exact tie, so the library's correctly rounded result is the one wanted.
    r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, p - 1);
    return SplitScientific(buf, r.ptr);
}

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

}  // namespace

namespace {

// The general format with p = 1..17 digits; 16 and 17 only for FormatRoundTrip.
std::string FormatDigits(double value, int p) {
    if (!std::isfinite(value)) return std::string();
    if (value == 0) return "0";

    SciDigits d = RoundSignificant(std::fabs(value), p);
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    const int e = d.exponent + 1;  // exponent of the 0.d1d2... form

    std::string out;
    out.reserve(32);
    if (value < 0) out += '-';
    if (e >= -3 && e <= p) {
        if (e <= 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-e), '0');
            out.append(d.digits, static_cast<std::size_t>(d.count));
        } else if (d.count <= e) {
            out.append(d.digits, static_cast<std::size_t>(d.count));
            out.append(static_cast<std::size_t>(e - d.count), '0');
        } else {
            out.append(d.digits, static_cast<std::size_t>(e));
            out += '.';
            out.append(d.digits + e, static_cast<std::size_t>(d.count - e));
        }
    } else {
        out += d.digits[0];
        if (d.count > 1) {
            out += '.';
            out.append(d.digits + 1, static_cast<std::size_t>(d.count - 1));
        }
        out += 'E';
        out += std::to_string(e - 1);
    }
    return out;
}

}  // namespace

std::string FormatGeneral(double value, int precision) {
    return FormatDigits(value, std::clamp(precision, 1, 15));
}

std::string FormatRoundTrip(double value) {
    // Near the largest double, 15 digits round up past it: that text overflows when read.
    const auto readsBack = [value](const std::string& text) {
        try {
            return ParseNumber(text) == value;
        } catch (const CommandError&) {
            return false;
        }
    };
    std::string text = FormatDigits(value, 15);
    for (int p = 16; p <= 17 && !text.empty() && !readsBack(text); ++p) text = FormatDigits(value, p);
    return text;
}

double ParseNumber(std::string_view text) {
    const std::string_view s = TrimBlanks(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t numberStart = i;

    // Mantissa: digits with at most one point and at least one digit ("1." and ".5" count).
    int intDigits = 0;
    int fracDigits = 0;
    long long leadPosition = 0;  // decimal position of the first non-zero digit
    bool seenNonZero = false;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++intDigits) {
        if (!seenNonZero && s[i] != '0') seenNonZero = true;
        if (seenNonZero) ++leadPosition;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && IsDigit(s[i]); ++i, ++fracDigits) {
            if (!seenNonZero) {
                --leadPosition;
                if (s[i] != '0') {
                    seenNonZero = true;
                    ++leadPosition;
                }
            }
        }
    }
    if (intDigits + fracDigits == 0) ThrowNotFloat(text);

    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) expNegative = s[i++] == '-';
        if (i == s.size() || !IsDigit(s[i])) ThrowNotFloat(text);
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            if (exponent < 1000000000000000LL) exponent = exponent * 10 + (s[i] - '0');
        }
        if (expNegative) exponent = -exponent;
    }
    if (i != s.size()) ThrowNotFloat(text);

    double value = 0;
    const auto r =
        std::from_chars(s.data() + numberStart, s.data() + s.size(), value, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double; only the first is an error.
        if (seenNonZero && leadPosition + exponent > 0) ThrowOverflow();
        value = 0;
    } else if (r.ec != std::errc() || r.ptr != s.data() + s.size()) {
        ThrowNotFloat(text);
    }
    return negative ? -value : value;
}

std::int32_t ParseInteger(std::string_view text) {
    const std::string_view s = TrimBlanks(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i == s.size()) ThrowNotInteger(text);
    for (std::size_t j = i; j < s.size(); ++j) {
        if (!IsDigit(s[j])) ThrowNotInteger(text);
    }
    // Accumulate negatively so that the lowest int32 is reachable.
    long long value = 0;
    for (; i < s.size(); ++i) {
        value = value * 10 - (s[i] - '0');
        if (value < std::numeric_limits<std::int32_t>::min()) ThrowNotInteger(text);
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<std::int32_t>::max()) ThrowNotInteger(text);
    }
    return static_cast<std::int32_t>(value);
}

namespace {

struct WideForm {
    const char* utf8;
    char ascii;
};

constexpr WideForm kWideForms[] = {
    {"\uFF10", '0'}, {"\uFF11", '1'}, {"\uFF12", '2'}, {"\uFF13", '3'}, {"\uFF14", '4'},
    {"\uFF15", '5'}, {"\uFF16", '6'}, {"\uFF17", '7'}, {"\uFF18", '8'}, {"\uFF19", '9'},
    {"\uFF0E", '.'}, {"\u3002", '.'}, {"\uFF0B", '+'}, {"\uFF0D", '-'}, {"\u2212", '-'},
    {"\u30FC", '-'}, {"\uFF25", 'E'}, {"\uFF45", 'e'}, {"\u3000", ' '},
};

}  // namespace

std::string HalfWidthNumberText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        bool replaced = false;
        // Every form above is three bytes long in UTF-8.
        if (i + 3 <= utf8.size()) {
            const std::string_view three = utf8.substr(i, 3);
            for (const WideForm& form : kWideForms) {
                if (three == form.utf8) {
                    out += form.ascii;
                    i += 3;
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += utf8[i++];
    }
    return out;
}

}  // namespace torsion
