#include "core/base/composed_text.h"

#include <gtest/gtest.h>

using namespace torsion;

// The Japanese of a composed text is the pattern filled in one pass: an argument that itself
// holds "%1" is not filled again, a number beyond the arguments stays, nested texts fill first.
TEST(ComposedText, FillsEachPlaceOnceInOrder) {
    EXPECT_EQ(FillPattern("%2 は %1 (%3)", {"a%2", "b"}), "b は a%2 (%3)");
    EXPECT_EQ(FillPattern("100% %", {"x"}), "100% %");
    const ComposedText text("使用温度 %1℃: %2",
                            {std::string("150"), ComposedText("%1 の表", {std::string("SUS304")})});
    EXPECT_EQ(text.Japanese(), "使用温度 150℃: SUS304 の表");
    EXPECT_EQ(ComposedText(std::string("%1")).Japanese(), "%1");  // verbatim, never filled
    // A number is written out when read, in the general format with its digits.
    EXPECT_EQ(ComposedText("q=%1 σ=%2", {ComposedText::Number(1.309434, 4), ComposedText::Number(1302.06, 4)})
                  .Japanese(),
              "q=1.309 σ=1302");
}
