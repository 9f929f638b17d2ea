// The printed size of a window picture: rounding of the integer scaling and the two
// size rules.
#include "core/report/print_scaling.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace torsion;

namespace {

TEST(MulDivRound, RoundsToNearestWithHalvesAwayFromZero) {
    EXPECT_EQ(MulDivRound(1, 1, 3), 0);    // 0.33
    EXPECT_EQ(MulDivRound(2, 1, 3), 1);    // 0.67
    EXPECT_EQ(MulDivRound(1, 3, 2), 2);    // 1.5
    EXPECT_EQ(MulDivRound(5, 1, 2), 3);    // 2.5, not to even
    EXPECT_EQ(MulDivRound(-3, 1, 2), -2);  // -1.5
    EXPECT_EQ(MulDivRound(3, 1, -2), -2);
    EXPECT_EQ(MulDivRound(-3, -1, 2), 2);
    EXPECT_EQ(MulDivRound(7, 0, 5), 0);
    EXPECT_EQ(MulDivRound(807, 600, 96), 5044);  // 5043.75
    EXPECT_EQ(MulDivRound(904, 600, 96), 5650);
}

TEST(MulDivRound, ProductBeyondSixtyFourBitsIsKept) {
    const std::int64_t big = std::int64_t{1} << 40;
    EXPECT_EQ(MulDivRound(big, big, big), big);
    EXPECT_EQ(MulDivRound(std::numeric_limits<std::int64_t>::max(), 3, 3),
              std::numeric_limits<std::int64_t>::max());
}

TEST(MulDivRound, ZeroDivisorAndOverflowAreCommandErrors) {
    try {
        MulDivRound(10, 20, 0);
        FAIL() << "no error for a zero divisor";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.message(), std::string(kDivisionByZeroMessage));
    }
    try {
        MulDivRound(std::numeric_limits<std::int64_t>::max(), 4, 3);
        FAIL() << "no error for a result beyond 64 bits";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.message(), std::string(kOverflowMessage));
    }
}

TEST(ProportionalPrintSize, KeepsTheScreenSizeInInchesPerAxis) {
    EXPECT_EQ(ProportionalPrintSize({807, 904}, 600, 600), (PixelSize{5044, 5650}));
    EXPECT_EQ(ProportionalPrintSize({96, 96}, 300, 600), (PixelSize{300, 600}));
    EXPECT_EQ(ProportionalPrintSize({100, 50}, 96, 96), (PixelSize{100, 50}));
    EXPECT_EQ(ProportionalPrintSize({1, 1}, 47, 49), (PixelSize{0, 1}));  // 0.49, 0.51
}

TEST(FitToPageSize, RelativelyWidePictureFillsThePageWidth) {
    // A4 printable area at 600 dpi, portrait; a landscape window.
    const PixelSize page{4760, 6814};
    const PixelSize printed = FitToPageSize({1000, 700}, page);
    EXPECT_EQ(printed, (PixelSize{4760, 3332}));
    EXPECT_LT(printed.height, page.height);
}

TEST(FitToPageSize, RelativelyTallPictureFillsThePageHeight) {
    const PixelSize page{4760, 6814};
    const PixelSize printed = FitToPageSize({500, 1000}, page);
    EXPECT_EQ(printed, (PixelSize{3407, 6814}));
    EXPECT_LT(printed.width, page.width);
}

TEST(FitToPageSize, SameShapeAsThePageTakesTheWidthRule) {
    // pw equal to the page width counts as too wide: the width rule decides.
    EXPECT_EQ(FitToPageSize({200, 300}, {400, 600}), (PixelSize{400, 600}));
    // Slightly wider than tall on a tall page: 300 * 300 / 301 = 299.003.
    EXPECT_EQ(FitToPageSize({301, 300}, {300, 600}), (PixelSize{300, 299}));
    // Just short of the page width: the height rule stays (399.33 < 400).
    EXPECT_EQ(FitToPageSize({599, 900}, {400, 600}), (PixelSize{399, 600}));
    // Rounding of the width rule: 3 * 100 / 7 = 42.86.
    EXPECT_EQ(FitToPageSize({7, 3}, {100, 1000}), (PixelSize{100, 43}));
}

TEST(FitToPageSize, EmptyPictureIsAnError) {
    EXPECT_THROW(FitToPageSize({100, 0}, {400, 600}), CommandError);
}

}  // namespace
