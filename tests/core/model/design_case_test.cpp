#include "core/model/design_case.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

using namespace torsion;

namespace {

std::vector<std::uint8_t> RandomBytes(std::mt19937_64& rng, std::size_t n) {
    std::vector<std::uint8_t> bytes(n);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    return bytes;
}

double DoubleAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    double v;
    std::memcpy(&v, bytes.data() + offset, 8);
    return v;
}

std::int32_t IntAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

// A case whose every field holds a different value, so a field written at the wrong
// offset cannot go unnoticed.
DesignCase DistinctCase() {
    DesignCase c;
    c.used = 1;
    c.materialNo = 7;
    c.wireDiaIndex = 22;
    c.wireDia = 1.25;
    c.innerDia = 9.75;
    c.meanDia = 11.0;
    c.outerDia = 12.25;
    c.diaMode = 2;
    c.turns = 5.5;
    c.calcTurns = 5.75;
    c.reserved1 = -3;
    c.reserved2 = 9.6;
    c.springIndex = 8.8;
    c.reserved3 = -0.5;
    c.outward = 1;
    c.leftHand = 0xA5;
    c.reservedFlags = {0x12, 0x34};
    c.stressFactor = 1.0805;
    c.appliedMaxAngle = 22.4;
    c.maxAngle = 140.731;
    c.maxMoment = 15.0165;
    c.inputMode = 1;
    c.moment1 = 4.8;
    c.moment2 = 9.6;
    c.angle1 = 45;
    c.angle2 = 90;
    c.springConst = 0.106704;
    c.stress1 = 48.9;
    c.stress2 = 97.8;
    c.allowStress = 152.957;
    c.lifeClass = 6;
    c.arm1 = 10.5;
    c.arm2 = 20.5;
    c.guideRodDia = 7.65;
    return c;
}

}  // namespace

static_assert(kDesignCaseSize == 224);
static_assert(kCaseTableSize == 6944);

TEST(DesignCaseCodec, FieldsSitAtTheirOffsets) {
    const DesignCase c = DistinctCase();
    std::vector<std::uint8_t> bytes(kDesignCaseSize, 0xEE);
    EncodeDesignCase(c, bytes.data());

    EXPECT_EQ(IntAt(bytes, 0), 1);
    EXPECT_EQ(IntAt(bytes, 4), 7);
    EXPECT_EQ(IntAt(bytes, 8), 22);
    EXPECT_EQ(IntAt(bytes, 44), 2);
    EXPECT_EQ(IntAt(bytes, 64), -3);
    EXPECT_EQ(IntAt(bytes, 128), 1);
    EXPECT_EQ(IntAt(bytes, 196), 6);
    EXPECT_EQ(bytes[92], 1);
    EXPECT_EQ(bytes[93], 0xA5);
    EXPECT_EQ(bytes[94], 0x12);
    EXPECT_EQ(bytes[95], 0x34);
    const std::pair<std::size_t, double> doubles[] = {
        {12, 1.25},     {20, 9.75},  {28, 11.0},     {36, 12.25},  {48, 5.5},   {56, 5.75},
        {68, 9.6},      {76, 8.8},   {84, -0.5},     {96, 1.0805}, {104, 22.4}, {112, 140.731},
        {120, 15.0165}, {132, 4.8},  {140, 9.6},     {148, 45},    {156, 90},   {164, 0.106704},
        {172, 48.9},    {180, 97.8}, {188, 152.957}, {200, 10.5},  {208, 20.5}, {216, 7.65}};
    for (const auto& [offset, value] : doubles)
        EXPECT_EQ(DoubleAt(bytes, offset), value) << "offset " << offset;

    // Little-endian on disk: 1 is the byte 01 followed by three zeros.
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 0);
}

TEST(DesignCaseCodec, DecodeThenEncodeKeepsAnyBytes) {
    std::mt19937_64 rng(2024);
    for (int i = 0; i < 2000; ++i) {
        const auto in = RandomBytes(rng, kDesignCaseSize);
        std::vector<std::uint8_t> out(kDesignCaseSize);
        EncodeDesignCase(DecodeDesignCase(in.data()), out.data());
        ASSERT_EQ(in, out);
    }
    // Signalling and quiet NaNs with payloads, infinities and -0 in every double field.
    const std::uint64_t unusualBits[] = {0x7FF0000000000001ull, 0xFFF4000000000123ull, 0x7FF8DEADBEEF0001ull,
                                         0x7FF0000000000000ull, 0x8000000000000000ull, 0x0000000000000001ull};
    for (std::uint64_t bits : unusualBits) {
        std::vector<std::uint8_t> in(kDesignCaseSize, 0x5A);
        for (std::size_t off : {12,  20,  28,  36,  48,  56,  68,  76,  84,  96,  104, 112,
                                120, 132, 140, 148, 156, 164, 172, 180, 188, 200, 208, 216})
            std::memcpy(in.data() + off, &bits, 8);
        std::vector<std::uint8_t> out(kDesignCaseSize);
        EncodeDesignCase(DecodeDesignCase(in.data()), out.data());
        EXPECT_EQ(in, out) << std::hex << bits;
    }
}

TEST(CaseTableCodec, EncodesEverySlotInOrder) {
    CaseTable table{};
    for (int s = 0; s < kCaseSlots; ++s) {
        table[s] = DistinctCase();
        table[s].materialNo = s;
    }
    const auto bytes = EncodeCaseTable(table);
    ASSERT_EQ(bytes.size(), 6944u);
    for (int s = 0; s < kCaseSlots; ++s) EXPECT_EQ(IntAt(bytes, s * 224 + 4), s);
}

TEST(CaseTableCodec, OverlayCopiesOnlyThePrefix) {
    std::mt19937_64 rng(99);
    const auto original = RandomBytes(rng, kCaseTableSize);
    const auto incoming = RandomBytes(rng, kCaseTableSize + 100);

    for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{224}, std::size_t{300},
                          std::size_t{6943}, std::size_t{6944}, std::size_t{6944 + 100}}) {
        CaseTable table{};
        OverlayCaseTable(table, original);
        ASSERT_EQ(EncodeCaseTable(table), original);

        OverlayCaseTable(table, std::span<const std::uint8_t>(incoming.data(), n));
        const auto result = EncodeCaseTable(table);
        const std::size_t copied = std::min(n, kCaseTableSize);
        std::vector<std::uint8_t> expected(incoming.begin(),
                                           incoming.begin() + static_cast<std::ptrdiff_t>(copied));
        expected.insert(expected.end(), original.begin() + static_cast<std::ptrdiff_t>(copied),
                        original.end());
        EXPECT_EQ(result, expected) << "prefix " << n;
    }
}

TEST(CaseTableCodec, ShortFileReplacesPartOfARecord) {
    CaseTable table{};
    table[1].meanDia = 10;
    table[1].guideRodDia = 7.65;
    // 224 + 36 bytes: slot 0 whole, slot 1 up to (not including) outerDia.
    std::vector<std::uint8_t> bytes(260, 0);
    const double mean = 20;
    std::memcpy(bytes.data() + 224 + 28, &mean, 8);
    OverlayCaseTable(table, bytes);
    EXPECT_EQ(table[1].meanDia, 20);
    EXPECT_EQ(table[1].guideRodDia, 7.65);
}
