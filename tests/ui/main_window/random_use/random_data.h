// What the random user throws at the program: hostile numbers and texts for every box
// and cell, and damaged case and material files; with the byte helpers of the tables.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "core/files/case_file.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "tests/support/test_files.h"

namespace torsion::random_use {

using Bytes = std::vector<std::uint8_t>;

inline Bytes CaseBytes(const CaseTable& t) {
    return EncodeCaseTable(t);
}
inline Bytes MaterialBytes(const MaterialTable& t) {
    return EncodeMaterialTable(t);
}

// ---- hostile values -------------------------------------------------------------------

using Int32Limits = std::numeric_limits<std::int32_t>;
using DoubleLimits = std::numeric_limits<double>;
inline const int kInts[] = {
    Int32Limits::min(), -1, 0, 1, 2, 3, 7, 8, 9, 10, 11, 29, 30, 31, 49, 50, 51, 255, 1 << 20,
    Int32Limits::max()};

inline double HostileDouble(std::mt19937& rng) {
    const double nan = DoubleLimits::quiet_NaN(), inf = DoubleLimits::infinity();
    const double tiny = DoubleLimits::denorm_min();
    const double values[] = {nan,  -nan,   inf, -inf, 0.0, -0.0, 1e308,        -1e308,
                             tiny, 1e-300, 1.0, -1.0, 0.5, 10.0, 2147483648.0, 1e15};
    if (rng() % 3 == 0) {
        std::uniform_real_distribution<double> mantissa(-10, 10);
        std::uniform_int_distribution<int> exponent(-12, 12);
        return mantissa(rng) * std::pow(10.0, exponent(rng));
    }
    return values[rng() % std::size(values)];
}

inline int HostileInt(std::mt19937& rng) {
    if (rng() % 4 == 0) return static_cast<int>(rng());
    return kInts[rng() % std::size(kInts)];
}

inline QString RandomNumberText(std::mt19937& rng) {
    std::uniform_real_distribution<double> mantissa(-1000, 1000);
    std::uniform_int_distribution<int> exponent(-330, 330);
    double v = mantissa(rng);
    if (rng() % 3 == 0) v *= std::pow(10.0, exponent(rng));
    const char formats[] = {'g', 'e', 'f', 'G', 'E'};
    const char format = formats[rng() % std::size(formats)];
    const int precision = static_cast<int>(rng() % 20);
    return QString::number(v, format, format == 'f' ? precision % 8 : precision);
}

inline QString RandomSoup(std::mt19937& rng, int length) {
    // Control characters, ASCII, Japanese, half-width katakana, symbols, surrogates.
    static const char16_t ranges[][2] = {
        {0x01, 0x1F},     {0x20, 0x7E},     {0x7F, 0x9F},     {0x3041, 0x3096}, {0x4E00, 0x4F00},
        {0xFF61, 0xFF9F}, {0xFF01, 0xFF5E}, {0x2000, 0x206F}, {0xD800, 0xDFFF}, {0xFFFD, 0xFFFF}};
    QString s;
    for (int i = 0; i < length; ++i) {
        const auto& r = ranges[rng() % std::size(ranges)];
        s += QChar(static_cast<char16_t>(r[0] + rng() % (r[1] - r[0] + 1)));
    }
    return s;
}

inline QString HostileText(std::mt19937& rng) {
    static const QStringList fixed = {
        QString(),
        QStringLiteral("abc"),
        QStringLiteral("1e999"),
        QStringLiteral("-1e999"),
        QStringLiteral("-0"),
        QStringLiteral("nan"),
        QStringLiteral("NaN"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("0"),
        QStringLiteral("0.0"),
        QStringLiteral(" 0"),
        QStringLiteral("1"),
        QStringLiteral("1.0"),
        QStringLiteral("-5"),
        QStringLiteral("10"),
        QStringLiteral("12"),
        QStringLiteral("35"),
        QStringLiteral("1.3"),
        QStringLiteral("50"),
        QStringLiteral("100"),
        QStringLiteral("1e308"),
        QStringLiteral("1.7976931348623157e308"),
        QStringLiteral("1.8e308"),
        QStringLiteral("4.9e-324"),
        QStringLiteral("1e-320"),
        QStringLiteral("1e-400"),
        QStringLiteral("2.2250738585072014e-308"),
        QStringLiteral("+"),
        QStringLiteral("-"),
        QStringLiteral("."),
        QStringLiteral("e"),
        QStringLiteral("1e"),
        QStringLiteral("1e+"),
        QStringLiteral(".5"),
        QStringLiteral("5."),
        QStringLiteral("1,5"),
        QStringLiteral("１２"),
        QStringLiteral("0x1A"),
        QStringLiteral("  12.5  "),
        QStringLiteral("\t3"),
        QStringLiteral("2147483647"),
        QStringLiteral("2147483648"),
        QStringLiteral("-2147483648"),
        QStringLiteral("-2147483649"),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("0.000000000000000000000000000001"),
        QStringLiteral("ばね"),
        QStringLiteral("ピアノ線SWP-A"),
        QStringLiteral("ｺｲﾙ"),
        QStringLiteral("😀"),
        QString(QChar(0xD800)),
        QStringLiteral("\x01\x02\x7f"),
        QStringLiteral("a\nb\r\n"),
        QStringLiteral("%s"),
        QStringLiteral("%n%s%x%d"),
        QStringLiteral("'"),
        QStringLiteral("\"\\"),
        QStringLiteral("1e-5"),
        QStringLiteral("123456789012345678901234567890"),
    };
    switch (rng() % 8) {
        case 0:
        case 1:
        case 2:
            return fixed[static_cast<int>(rng() % fixed.size())];
        case 3:
        case 4:
            return RandomNumberText(rng);
        case 5: {
            // Very long: digits (a number with hundreds of places) or a repeated pattern.
            const int length = 100 + static_cast<int>(rng() % 4000);
            if (rng() % 2 == 0) return QStringLiteral("1") + QString(length, QChar(u'0'));
            if (rng() % 2 == 0)
                return QStringLiteral("0.") + QString(length, QChar(u'0')) + QStringLiteral("1");
            return QStringLiteral("ばね12.5").repeated(length / 6);
        }
        case 6:
            return QString::number(static_cast<int>(rng() % 200) - 20);
        default:
            return RandomSoup(rng, 1 + static_cast<int>(rng() % 30));
    }
}

// ---- damaged files ---------------------------------------------------------------------

inline Bytes RandomBytes(std::mt19937& rng, std::size_t size) {
    Bytes b(size);
    for (auto& x : b) x = static_cast<std::uint8_t>(rng());
    return b;
}

inline Bytes DamagedCaseFile(std::mt19937& rng, const CaseTable& current) {
    Bytes whole = CaseBytes(current);
    switch (rng() % 7) {
        case 0:
            return RandomBytes(rng, rng() % 8000);
        case 1:
            whole.resize(rng() % (whole.size() + 1));
            return whole;
        case 2:
            return Bytes(rng() % 2 == 0 ? kCaseTableSize : kDesignCaseSize, 0);
        case 3: {
            Bytes longer = whole;
            const Bytes tail = RandomBytes(rng, 56);
            longer.insert(longer.end(), tail.begin(), tail.end());
            return longer;
        }
        case 4:
            for (int i = 0; i < 20; ++i) whole[rng() % whole.size()] = static_cast<std::uint8_t>(rng());
            return whole;
        default: {
            // Fields out of every range a window uses as an index or a switch.
            CaseTable t = current;
            const int changes = 1 + static_cast<int>(rng() % 8);
            for (int i = 0; i < changes; ++i) {
                DesignCase& c = t[rng() % kCaseSlots];
                c.used = rng() % 3 == 0 ? HostileInt(rng) : 1;
                switch (rng() % 12) {
                    case 0:
                        c.materialNo = HostileInt(rng);
                        break;
                    case 1:
                        c.wireDiaIndex = HostileInt(rng);
                        break;
                    case 2:
                        c.diaMode = HostileInt(rng);
                        break;
                    case 3:
                        c.lifeClass = HostileInt(rng);
                        break;
                    case 4:
                        c.inputMode = HostileInt(rng);
                        break;
                    case 5:
                        c.wireDia = HostileDouble(rng);
                        break;
                    case 6:
                        c.meanDia = c.innerDia = c.outerDia = HostileDouble(rng);
                        break;
                    case 7:
                        c.turns = HostileDouble(rng);
                        break;
                    case 8:
                        c.angle1 = HostileDouble(rng);
                        c.angle2 = HostileDouble(rng);
                        break;
                    case 9:
                        c.moment1 = HostileDouble(rng);
                        c.moment2 = HostileDouble(rng);
                        break;
                    case 10:
                        c.stress1 = HostileDouble(rng);
                        c.stress2 = HostileDouble(rng);
                        break;
                    default:
                        c.allowStress = HostileDouble(rng);
                        c.springConst = HostileDouble(rng);
                        c.arm1 = HostileDouble(rng);
                        c.arm2 = HostileDouble(rng);
                        c.outward = static_cast<std::uint8_t>(rng());
                        c.leftHand = static_cast<std::uint8_t>(rng());
                        break;
                }
            }
            return CaseBytes(t);
        }
    }
}

inline Bytes DamagedMaterialFile(std::mt19937& rng, const MaterialTable& current) {
    Bytes whole = MaterialBytes(current);
    switch (rng() % 6) {
        case 0:
            return RandomBytes(rng, rng() % 60000);
        case 1:
            whole.resize(rng() % (whole.size() + 1));
            return whole;
        case 2:
            for (int i = 0; i < 50; ++i) whole[rng() % whole.size()] = static_cast<std::uint8_t>(rng());
            return whole;
        default: {
            MaterialTable t = current;
            const int changes = 1 + static_cast<int>(rng() % 10);
            for (int i = 0; i < changes; ++i) {
                MaterialRecord& r = t[rng() % kMaterialRecords];
                switch (rng() % 8) {
                    case 0:
                        r.kindNo = HostileInt(rng);
                        break;
                    case 1:
                        r.rowCount = HostileInt(rng);
                        break;
                    case 2:
                        r.torsionRatio = HostileInt(rng);
                        r.bendingRatio = HostileInt(rng);
                        break;
                    case 3:
                        r.kindName[0] = static_cast<std::uint8_t>(rng());
                        r.symbol[0] = static_cast<std::uint8_t>(rng());
                        for (std::size_t k = 1; k < r.symbol.size(); ++k)
                            r.symbol[k] = static_cast<std::uint8_t>(rng());
                        break;
                    case 4:
                        r.youngModulus = HostileDouble(rng);
                        r.shearModulus = HostileDouble(rng);
                        break;
                    case 5:
                        for (double& d : r.diameter) d = rng() % 2 == 0 ? HostileDouble(rng) : d;
                        break;
                    case 6:
                        for (double& d : r.tensileStrength) d = rng() % 2 == 0 ? HostileDouble(rng) : d;
                        for (double& d : r.allowBending) d = rng() % 2 == 0 ? HostileDouble(rng) : d;
                        break;
                    default:
                        r = MaterialRecord{};
                        r.kindNo = rng() % 2 == 0 ? kEmptyKindNo : HostileInt(rng);
                        break;
                }
            }
            return MaterialBytes(t);
        }
    }
}

}  // namespace torsion::random_use
