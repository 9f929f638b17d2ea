#include "core/report/comparison_text.h"

#include <gtest/gtest.h>

#include "core/base/unit_text.h"
#include "core/materials/fatigue_life.h"
#include "core/report/report_text.h"
#include "tests/support/material_tables.h"
#include "tests/support/test_cases.h"

using namespace torsion;

namespace {

TEST(ComparisonTexts, ValuesWithTheirDifferenceAndNoPublishedValueAndTheTraceOfThePractice) {
    auto table = EmptyMaterialTable();
    (*table)[0] = WireRecord({.kind = 0,
                              .symbol = "C5191W",
                              .youngModulus = 98000,
                              .bendingRatio = 55,
                              .diameter = {1.0},
                              .tensileStrength = {800},
                              .allowBending = {440}});
    DesignCase c{};
    PutSpring(c, 5, 20, 10, 20);
    const PracticeComparison compared = ComparePractices(c, *table, {Practice::En, 20});
    const ComparisonTexts t = PracticeComparisonTexts(compared, UnitSystem::SI);
    EXPECT_EQ(t.caption, "設計基準: EN 13906-3　使用温度: 20℃");
    EXPECT_EQ(t.practices[1], "EN 13906-3（選択）");
    ASSERT_EQ(t.rows.size(), 10u);
    EXPECT_EQ(t.rows[0].item, "ばね定数");
    EXPECT_EQ(t.rows[0].cells[1].Japanese().find('('),
              std::string::npos);  // the chosen one has no difference
    EXPECT_NE(t.rows[0].cells[2].Japanese().find("(-"), std::string::npos) << t.rows[0].cells[2];
    // A bronze wire: EN's 70 % applies to every wire, US names none for it.
    EXPECT_EQ(t.rows[5].item, "許容応力");
    EXPECT_EQ(t.rows[5].cells[2], "規格値なし");
    EXPECT_EQ(t.rows[5].cells[1], FormatShownShort(0.7 * 800 * kNewtonToKgf, UnitSystem::SI));
    EXPECT_EQ(t.rows[9].cells,
              (std::array<ComposedText, 3>{LifeLabel(compared.of(Practice::Jis).design.lifeClass),
                                           std::string("規格値なし"), std::string("規格値なし")}));

    // A bent leg adds the stress at its bend beside σ2, by each practice; straight legs none.
    DesignOptions bent{Practice::En, 20};
    bent.legs[1] = {LegShape::Radial, 5, 1.5};
    const PracticeComparison withLeg = ComparePractices(c, *table, bent);
    const ComparisonTexts b = PracticeComparisonTexts(withLeg, UnitSystem::SI);
    ASSERT_EQ(b.rows.size(), 11u);
    EXPECT_EQ(b.rows[5].item, "脚2の曲げ部の応力");
    EXPECT_EQ(b.rows[5].cells[1], FormatShownShort(withLeg.of(Practice::En).bends[0].stress, UnitSystem::SI));
    EXPECT_NE(b.rows[5].cells[0].Japanese().find(" ("), std::string::npos) << b.rows[5].cells[0];
    EXPECT_EQ(b.rows[6].item, "許容応力");

    const std::vector<TraceStep> trace = CalculationTrace(compared.of(Practice::En), *table, UnitSystem::SI);
    EXPECT_EQ(trace[0].title, "ばね定数 (EN 13906-3)");
    EXPECT_EQ(trace.back().title, "判定");
}

}  // namespace
