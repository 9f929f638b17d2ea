#include "core/materials/fatigue_life.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace torsion;

TEST(EstimateLife, ClassesOfTheDiagram) {
    EXPECT_EQ(EstimateLife(0, 0.48), 0);
    EXPECT_EQ(EstimateLife(0, 0.49), 1);
    EXPECT_EQ(EstimateLife(0.1, 0.6), 3);  // thresholds 0.532, 0.55, 0.577, then 0.604
    EXPECT_EQ(EstimateLife(0, 0.66), 6);
    EXPECT_EQ(EstimateLife(0, 0.69), 7);   // above the last line
    EXPECT_EQ(EstimateLife(0.6, 0.3), 0);  // second stress below the first
    EXPECT_EQ(EstimateLife(-1, -1), 0);
}

TEST(EstimateLife, PointOnALineBelongsToIt) {
    for (int i = 0; i < 7; ++i) {
        const double ci = kFatigueIntercepts[i];
        EXPECT_EQ(EstimateLife(0, ci), i) << i;
        EXPECT_EQ(EstimateLife(0, std::nextafter(ci, 1.0)), i + 1) << i;
    }
    // Away from the axis: the threshold of line 2 at lower 0.2, rounded to double.
    const long double c2 = kFatigueIntercepts[2];
    const double onLine = static_cast<double>((1 - c2) * 0.2 + c2);
    EXPECT_EQ(EstimateLife(0.2, onLine), 2);
    EXPECT_EQ(EstimateLife(0.2, std::nextafter(onLine, 1.0)), 3);
}

TEST(EstimateLife, UpperLimitOverridesTheLines) {
    EXPECT_EQ(EstimateLife(0.5, 0.75), 7);  // line 1 would admit it
    EXPECT_EQ(EstimateLife(0.9, 0.7), 0);   // 0.7 itself is allowed
    EXPECT_EQ(EstimateLife(0.9, std::nextafter(0.7, 1.0)), 7);
}

TEST(EstimateLife, NotANumberGivesTheShortestLife) {
    const double nan = std::nan("");
    EXPECT_EQ(EstimateLife(nan, 0.3), 7);
    EXPECT_EQ(EstimateLife(0.3, nan), 7);
    EXPECT_EQ(EstimateLife(INFINITY, 0.3), 0);
    EXPECT_EQ(EstimateLife(-INFINITY, 0.3), 7);
}

TEST(LifeLabel, LabelsAndOutOfRange) {
    const char* expected[] = {"1000万", "100万", "10万", "6万", "4万", "3万", "2万", "1万"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(LifeLabel(i), expected[i]);
    EXPECT_EQ(LifeLabel(-1), "");
    EXPECT_EQ(LifeLabel(8), "");
    EXPECT_EQ(LifeLabel(2147483647), "");
}
