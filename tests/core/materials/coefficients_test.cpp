#include "core/materials/coefficients.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/base/byte_codec.h"
#include "core/base/command_error.h"
#include "tests/support/test_cases.h"
#include "tests/support/test_files.h"

using namespace torsion;

namespace {

TEST(CoefficientCodec, ValuesSitAtFourToFiftyTwo) {
    CoefficientRecord record;
    record.reservedHead = {1, 2, 3, 4};
    record.values = {80, 80, 1.25, 15, 25, 25, 20};
    record.reservedTail.fill(0x7F);
    const std::vector<std::uint8_t> bytes = EncodeCoefficients(record);
    ASSERT_EQ(bytes.size(), 736u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[3], 4);
    EXPECT_EQ(GetDouble(bytes.data(), 4), 80);
    EXPECT_EQ(GetDouble(bytes.data(), 20), 1.25);
    EXPECT_EQ(GetDouble(bytes.data(), 28), 15);
    EXPECT_EQ(GetDouble(bytes.data(), 52), 20);
    EXPECT_EQ(bytes[60], 0x7F);
    EXPECT_EQ(bytes[735], 0x7F);
}

TEST(CoefficientCodec, AnyBytesSurviveOverlayAndEncode) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::vector<std::uint8_t> bytes = RandomBytes(kCoefficientRecordSize, seed);
        CoefficientRecord record;
        OverlayCoefficients(record, bytes);
        ASSERT_EQ(EncodeCoefficients(record), bytes) << "seed " << seed;
    }
}

TEST(CoefficientCodec, ShortAndLongImages) {
    CoefficientRecord record;
    record.values = {1, 2.1, 3, 4, 5, 6, 7};
    // Ends in the middle of coefficient 2: its first bytes change, the rest stay.
    std::vector<std::uint8_t> shortImage(16, 0);
    PutDouble(shortImage.data(), 4, 99);
    OverlayCoefficients(record, shortImage);
    EXPECT_EQ(record.values[0], 99);
    EXPECT_NE(record.values[1], 2.1);
    EXPECT_EQ(record.values[2], 3);
    const std::vector<std::uint8_t> image = EncodeCoefficients(record);
    std::vector<std::uint8_t> expectedTail =
        EncodeCoefficients(CoefficientRecord{{}, {1, 2.1, 3, 4, 5, 6, 7}, {}});
    EXPECT_TRUE(std::equal(image.begin() + 16, image.end(), expectedTail.begin() + 16));

    std::vector<std::uint8_t> longImage = RandomBytes(900, 4);
    OverlayCoefficients(record, longImage);
    longImage.resize(736);
    EXPECT_EQ(EncodeCoefficients(record), longImage);
}

TEST(CoefficientFile, LoadSaveAndFailures) {
    ScratchDir dir;
    const std::vector<std::uint8_t> original = RandomBytes(736, 11);
    WriteBytes(dir.File("keisuu.dat"), original);
    CoefficientRecord record;
    LoadCoefficients(record, dir.File("keisuu.dat"));
    SaveCoefficients(record, dir.File("copy.dat"));
    EXPECT_EQ(ReadBytes(dir.File("copy.dat")), original);

    // Changing one value changes only its eight bytes.
    record.values[3] = 25;
    SaveCoefficients(record, dir.File("copy.dat"));
    std::vector<std::uint8_t> expected = original;
    PutDouble(expected.data(), 28, 25);
    EXPECT_EQ(ReadBytes(dir.File("copy.dat")), expected);

    const std::string missing = dir.File("none.dat");
    const std::vector<std::uint8_t> before = EncodeCoefficients(record);
    EXPECT_EQ(ErrorOf([&] { LoadCoefficients(record, missing); }), "ファイル " + missing + " は開けません");
    EXPECT_EQ(EncodeCoefficients(record), before);

    const std::string unwritable = dir.File("nowhere/keisuu.dat");
    EXPECT_EQ(ErrorOf([&] { SaveCoefficients(record, unwritable); }),
              "ファイル " + unwritable + " を作成できません");
}

}  // namespace

TEST(CoefficientGuide, RangesOfTheHints) {
    struct Row {
        int index;
        double value;
        bool outside;
    };
    const Row rows[] = {
        {4, 16, true},   {4, 20, false}, {4, 35, false},   {4, 35.01, true},
        {6, 14.9, true}, {6, 25, false}, {2, 1.25, false}, {2, 0.5, true},
        {0, 80, false},  {0, 120, true}, {3, -1, true},    {5, std::nan(""), true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(OutsideGuideRange(row.index, row.value), row.outside) << row.index << " " << row.value;
    // The defaults of the program's own file lie inside.
    const double defaults[kCoefficientCount] = {80, 80, 1.25, 15, 25, 25, 20};
    for (int i = 0; i < kCoefficientCount; ++i) EXPECT_FALSE(OutsideGuideRange(i, defaults[i])) << i;
}
