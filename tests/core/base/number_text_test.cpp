#include "core/base/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <utility>

#include "core/base/command_error.h"
#include "tests/support/test_cases.h"

using namespace torsion;

namespace {

// Digits and decimal exponent (0.d1d2... x 10^e) of a positive value rounded to p
// significant digits, halves away from zero, worked out on the full exact expansion.
struct Rounded {
    std::string digits;  // no trailing zeros
    int e = 0;
};

Rounded ReferenceRound(double x, int p) {
    static char buf[1200];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 800);
    std::string all;
    const char* q = buf;
    for (; *q != 'e'; ++q)
        if (*q != '.') all += *q;
    int sciExp = 0;
    ++q;
    std::from_chars(*q == '+' ? q + 1 : q, r.ptr, sciExp);
    std::string digits = all.substr(0, p);
    if (all[p] >= '5') {
        int i = p - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++sciExp;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return {digits, sciExp + 1};
}

// Reads a text of the general format back into digits and exponent, checking its
// shape on the way: fixed notation exactly when -3 <= e <= p.
Rounded ReadFormatted(const std::string& text, int p) {
    std::string s = text;
    if (!s.empty() && s[0] == '-') s.erase(0, 1);
    Rounded out;
    const auto ePos = s.find('E');
    std::string mantissa = s.substr(0, ePos);
    if (ePos != std::string::npos) {
        const int exp = std::stoi(s.substr(ePos + 1));
        EXPECT_EQ(s.find('+'), std::string::npos) << text;
        EXPECT_TRUE(mantissa.size() == 1 || mantissa[1] == '.') << text;
        out.e = exp + 1;
        EXPECT_TRUE(out.e < -3 || out.e > p) << text << " should be fixed notation";
        std::erase(mantissa, '.');
        out.digits = mantissa;
    } else {
        const auto dot = mantissa.find('.');
        std::string intPart = mantissa.substr(0, dot);
        std::string frac = dot == std::string::npos ? "" : mantissa.substr(dot + 1);
        EXPECT_TRUE(frac.empty() || frac.back() != '0') << text << " has trailing zeros";
        if (intPart != "0") {
            out.e = static_cast<int>(intPart.size());
            out.digits = intPart + frac;
        } else {
            const auto firstNonZero = frac.find_first_not_of('0');
            out.e = -static_cast<int>(firstNonZero);
            out.digits = frac.substr(firstNonZero);
        }
        while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
        EXPECT_TRUE(out.e >= -3 && out.e <= p) << text << " should be scientific notation";
    }
    return out;
}

void ExpectMatchesReference(double x, int p) {
    const std::string text = FormatGeneral(x, p);
    const Rounded expected = ReferenceRound(std::fabs(x), p);
    const Rounded got = ReadFormatted(text, p);
    EXPECT_EQ(got.digits, expected.digits) << x << " p=" << p << " -> " << text;
    EXPECT_EQ(got.e, expected.e) << x << " p=" << p << " -> " << text;
    EXPECT_EQ(text[0] == '-', x < 0) << text;
}

std::string InputError(std::string_view text, bool integer = false) {
    return ErrorOf([&] { integer ? (void)ParseInteger(text) : (void)ParseNumber(text); });
}

}  // namespace

namespace {

struct FormatRow {
    double value;
    int precision;
    const char* text;
};
void PrintTo(const FormatRow& row, std::ostream* os) {
    *os << std::hexfloat << row.value << " p=" << row.precision << " -> \"" << row.text << '"';
}

class FormatGeneralRows : public ::testing::TestWithParam<FormatRow> {};

}  // namespace

TEST_P(FormatGeneralRows, GivesTheText) {
    EXPECT_EQ(FormatGeneral(GetParam().value, GetParam().precision), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(WorkedExamples, FormatGeneralRows, ::testing::Values(
    FormatRow{0.125, 2, "0.13"},
    FormatRow{2.5, 1, "3"},
    FormatRow{0.0001, 15, "0.0001"},
    FormatRow{12345.6, 4, "1.235E4"},
    FormatRow{0.00005, 15, "5E-5"},
    FormatRow{9999.7, 4, "1E4"},
    FormatRow{-12345.6, 4, "-1.235E4"},
    FormatRow{3.14159 * 100 / 32, 4, "9.817"}));

INSTANTIATE_TEST_SUITE_P(ZeroSignsAndNonFinite, FormatGeneralRows, ::testing::Values(
    FormatRow{0.0, 15, "0"},
    FormatRow{-0.0, 4, "0"},
    FormatRow{-1.5, 4, "-1.5"},
    FormatRow{std::numeric_limits<double>::infinity(), 15, ""},
    FormatRow{-std::numeric_limits<double>::infinity(), 4, ""},
    FormatRow{std::nan(""), 4, ""}));

INSTANTIATE_TEST_SUITE_P(FixedAndScientificBoundaries, FormatGeneralRows, ::testing::Values(
    FormatRow{1000, 4, "1000"},  // e = 4 = p
    FormatRow{10000, 4, "1E4"},  // e = 5 > p
    FormatRow{12000, 5, "12000"},  // zeros padded up to the point
    FormatRow{0.001234, 4, "0.001234"},
    FormatRow{0.0001234, 4, "0.0001234"},  // e = -3
    FormatRow{0.00001234, 4, "1.234E-5"},  // e = -4
    FormatRow{123.456, 15, "123.456"},
    FormatRow{1.0 / 3, 15, "0.333333333333333"},
    FormatRow{2.0 / 3, 15, "0.666666666666667"},
    FormatRow{1e15, 15, "1E15"},
    FormatRow{123456789012345.0, 15, "123456789012345"},
    FormatRow{std::numeric_limits<double>::max(), 15, "1.79769313486232E308"},
    FormatRow{std::numeric_limits<double>::denorm_min(), 15, "4.94065645841247E-324"},
    FormatRow{10.0 / 3, 3, "3.33"}));

INSTANTIATE_TEST_SUITE_P(PrecisionIsClamped, FormatGeneralRows, ::testing::Values(
    FormatRow{2.5, 0, "3"},
    FormatRow{2.5, -7, "3"},
    FormatRow{1.0 / 3, 40, "0.333333333333333"}));

INSTANTIATE_TEST_SUITE_P(HalvesRoundAwayFromZeroOnTheExactValue, FormatGeneralRows, ::testing::Values(
    // Exact binary ties: half-even would give 0.62, 8, 1.2 and ...344.
    FormatRow{0.625, 2, "0.63"},
    FormatRow{-0.625, 2, "-0.63"},
    FormatRow{8.5, 1, "9"},
    FormatRow{1.25, 2, "1.3"},
    FormatRow{1234567890123445.0, 15, "1.23456789012345E15"},
    FormatRow{std::ldexp(1.0, -22), 15, "2.38418579101563E-7"},  // 2.384185791015625E-7
    // Carries into a new leading digit.
    FormatRow{9.5, 1, "1E1"},
    FormatRow{99.5, 2, "1E2"},
    FormatRow{999.5, 4, "999.5"},
    // Decimal texts that look like ties but are stored just below them.
    FormatRow{0.15, 1, "0.1"},
    FormatRow{2.675, 3, "2.67"},
    FormatRow{1.005, 3, "1"},
    // ... or just above.
    FormatRow{0.35000000000000003, 1, "0.4"}));
// clang-format on

TEST(FormatGeneral, AgreesWithExactExpansionOnRandomValues) {
    std::mt19937_64 rng(12345);
    std::uniform_int_distribution<int> precision(1, 15);
    for (int i = 0; i < 20000; ++i) {
        double x;
        do {
            const std::uint64_t bits = rng();
            std::memcpy(&x, &bits, sizeof x);
        } while (!std::isfinite(x) || x == 0);
        ExpectMatchesReference(x, precision(rng));
    }
    // Subnormals, where the shortest round-trip digits are far from the exact value.
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t bits = (rng() >> 12) | (rng() & (1ull << 63));
        double x;
        std::memcpy(&x, &bits, sizeof x);
        if (x != 0) ExpectMatchesReference(x, precision(rng));
    }
    // Everyday magnitudes, where fixed notation is used.
    std::uniform_real_distribution<double> everyday(-1e5, 1e5);
    for (int i = 0; i < 5000; ++i) ExpectMatchesReference(everyday(rng), precision(rng));
}

TEST(FormatRoundTrip, ReadsBackToTheSameDoubleInTheShortestGeneralText) {
    EXPECT_EQ(FormatRoundTrip(231.54), "231.54");
    EXPECT_EQ(FormatRoundTrip(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(FormatRoundTrip(100), "100");
    EXPECT_EQ(FormatRoundTrip(1e-5), "1E-5");
    // 15 digits of the largest double read as an overflow.
    EXPECT_EQ(FormatRoundTrip(-std::numeric_limits<double>::max()), "-1.7976931348623157E308");
    std::mt19937_64 rng(31);
    for (int i = 0; i < 20000; ++i) {
        double x;
        do {
            const std::uint64_t bits = rng();
            std::memcpy(&x, &bits, sizeof x);
        } while (!std::isfinite(x));
        const std::string text = FormatRoundTrip(x);
        ASSERT_EQ(ParseNumber(text), x) << text;
        if (i % 2 == 0) continue;
        // Never longer than needed: the 15-digit text when that reads back.
        const std::string full = FormatFull(x);
        if (ParseNumber(full) == x) {
            ASSERT_EQ(text, full);
        }
    }
}

TEST(FormatGeneral, AgreesWithExactExpansionNearTies) {
    std::mt19937_64 rng(777);
    std::uniform_int_distribution<int> precision(1, 15);
    for (int i = 0; i < 20000; ++i) {
        const int p = precision(rng);
        // Dyadic values m / 2^k are often exact decimal ties.
        const double dyadic =
            std::ldexp(static_cast<double>(rng() >> (64 - 20)) + 0.5, -(static_cast<int>(rng() % 40)));
        ExpectMatchesReference(dyadic, p);
        // A (p+1)-digit decimal ending in 5 read as the nearest double.
        std::string text = std::to_string(rng() % 9 + 1);
        for (int d = 1; d < p; ++d) text += static_cast<char>('0' + rng() % 10);
        text += "5e" + std::to_string(static_cast<int>(rng() % 600) - 300);
        double x = 0;
        std::from_chars(text.data(), text.data() + text.size(), x);
        if (x != 0 && std::isfinite(x)) ExpectMatchesReference(-x, p);
    }
}

namespace {

struct InputRow {
    const char* text;
    double value;
};
void PrintTo(const InputRow& row, std::ostream* os) {
    *os << '"' << row.text << "\" -> " << row.value;
}

class ParseNumberAccepts : public ::testing::TestWithParam<InputRow> {};

}  // namespace

TEST_P(ParseNumberAccepts, DecimalText) {
    EXPECT_EQ(ParseNumber(GetParam().text), GetParam().value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DecimalTexts, ParseNumberAccepts, ::testing::Values(
    InputRow{"1.5", 1.5},
    InputRow{"  -2.25\t", -2.25},
    InputRow{"+3", 3},
    InputRow{"1.", 1.0},
    InputRow{".5", 0.5},
    InputRow{"-.5", -0.5},
    InputRow{"1e3", 1000},
    InputRow{"1.5E-2", 0.015},
    InputRow{"2e+2", 200},
    InputRow{"007", 7},
    InputRow{"0.1", 0.1},
    InputRow{"1.7976931348623157e308", std::numeric_limits<double>::max()},
    InputRow{"0e999999999999999999999", 0}));
// clang-format on

TEST(ParseNumber, RejectsOtherTextsNamingThem) {
    for (const char* bad :
         {"",   "   ", "inf", "-inf",  "nan", "NaN", "infinity", "0x10", "1,5", "+",     "-", ".",
          "e5", "1e",  "1e+", "1.2.3", "1 2", "--1", "+-1",      "1d",   "abc", "1.5mm", "１"}) {
        EXPECT_EQ(InputError(bad), "'" + std::string(bad) + "' は浮動小数点数ではありません") << bad;
    }
}

TEST(ParseNumber, OverflowIsAnErrorAndUnderflowIsZeroOrSubnormal) {
    for (const char* big : {"1e309", "-1e309", "1.7976931348623159e308", "1e999999999999999999999",
                            "0.0001e400", "123456789e310"}) {
        EXPECT_EQ(InputError(big), "浮動小数点数のオーバーフロー") << big;
    }
    EXPECT_EQ(ParseNumber("1e-400"), 0);
    EXPECT_EQ(ParseNumber("-1e-999999999999999999999"), 0);
    EXPECT_EQ(ParseNumber("2e-324"), 0);  // below half the smallest subnormal
    EXPECT_EQ(ParseNumber("3e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(ParseNumber("1e-310"), 1e-310);
    EXPECT_GT(ParseNumber("1e-310"), 0);
    EXPECT_EQ(ParseNumber("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
}

TEST(ParseInteger, AcceptsInt32AndRejectsTheRest) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger(" -7 "), -7);
    EXPECT_EQ(ParseInteger("+0012"), 12);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"", " ", "+", "-", "1.0", "1e3", "0x1F", "2147483648", "-2147483649",
                            "99999999999999999999", "1 2", "a"}) {
        EXPECT_EQ(InputError(bad, true), "'" + std::string(bad) + "' は整数ではありません") << bad;
    }
}

TEST(HalfWidthNumberText, InputMethodFormsBecomeHalfWidthAndTheRestStays) {
    const std::pair<const char*, const char*> rows[] = {
        {"１２．５", "12.5"},    {"－３．０Ｅ＋２", "-3.0E+2"},
        {"１ｅ－５", "1e-5"},    {"\u2212７", "-7"},
        {"ー１２。５", "-12.5"}, {"　３４５６７８９０　", " 34567890 "},
        {"12.5", "12.5"},        {"１２ｍｍ", "12ｍｍ"},  // only number characters change
        {"ａｂｃ", "ａｂｃ"},    {"", ""},
    };
    for (const auto& [typed, half] : rows) EXPECT_EQ(HalfWidthNumberText(typed), half) << typed;
    // The converted text reads as the number the user meant.
    EXPECT_EQ(ParseNumber(HalfWidthNumberText("１２．５")), 12.5);
}
