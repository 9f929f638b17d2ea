#include "core/report/report_text.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/calc/calculation.h"
#include "tests/support/material_tables.h"

using namespace torsion;

namespace {

// The worked example: E = 200000 N/mm², allowable bending stress 1500 N/mm² at d = 1,
// D = 10, N = 5, a1 = a2 = 10, φ = 45 / 90.
class ReportTextTest : public ::testing::Test {
  protected:
    ReportTextTest() {
        (*table)[0] = WireRecord({.youngModulus = 200000,
                                  .diameter = {0.5, 1.0, 2.0},
                                  .tensileStrength = {2000, 2000, 2000},
                                  .allowBending = {1500, 1500, 1500}});
        InitCurrentCase(c);
        c.wireDiaIndex = 1;
        c.wireDia = 1;
        c.innerDia = 9;
        c.meanDia = 10;
        c.outerDia = 11;
        c.turns = c.calcTurns = 5;
        c.arm1 = c.arm2 = 10;
        c.angle1 = 45;
        c.angle2 = 90;
    }
    const TraceStep& Step(const std::vector<TraceStep>& trace, const std::string& title) {
        for (const TraceStep& s : trace)
            if (s.title == title) return s;
        ADD_FAILURE() << "no step " << title;
        return trace.front();
    }

    std::unique_ptr<MaterialTable> table = EmptyMaterialTable();
    DesignCase c;
};

TEST_F(ReportTextTest, TraceShowsFormulaValuesAndResultOfEachStep) {
    const auto trace = CalculationTrace(EvaluateDesign(c, *table), *table);
    const TraceStep& k = Step(trace, "ばね定数");
    EXPECT_EQ(k.formula, "k = E·d⁴ / (3667·D·N + 389·(a1 + a2)) / 9.80665");
    EXPECT_EQ(k.values, "E = 200000 N/mm²,  d = 1 mm,  D = 10 mm,  N = 5,  a1 = 10 mm,  a2 = 10 mm");
    EXPECT_EQ(k.result, "k = 0.106704 kgf·mm/度");
    EXPECT_EQ(Step(trace, "許容曲げ応力").values, "d = 1 mm,  σb(d) = 1500 N/mm²");
    EXPECT_EQ(Step(trace, "許容曲げ応力").result, "σa = 152.957 kgf/mm²");
    EXPECT_EQ(Step(trace, "最大トルク").result, "Mmax = 15.0165 kgf·mm");
    EXPECT_EQ(Step(trace, "最大角度").result, "φmax = 140.731 度");
    EXPECT_EQ(Step(trace, "案内棒径").result, "Dg = 7.65 mm");
    EXPECT_EQ(Step(trace, "作動点のトルク").result, "M1 = 4.80168 kgf·mm,  M2 = 9.60335 kgf·mm");
    EXPECT_EQ(Step(trace, "曲げ応力").result, "σ1 = 48.9095 kgf/mm²,  σ2 = 97.8191 kgf/mm²");
    EXPECT_EQ(Step(trace, "判定").result, "合格 (Calculation Success!)");
}

TEST_F(ReportTextTest, OutwardMomentsAndFailedChecksChangeTheSteps) {
    c.outward = 1;
    c.inputMode = 0;
    c.moment1 = 20;
    c.moment2 = 10;
    const auto trace = CalculationTrace(EvaluateDesign(c, *table), *table);
    EXPECT_EQ(Step(trace, "最大トルク（外方向）").result,
              "A = 10 mm,  R = 11.4127 mm,  Mmax = 9.66343 kgf·mm");
    EXPECT_EQ(Step(trace, "案内棒径（外方向）").result, "Dg = 8.1 mm");
    EXPECT_TRUE(
        Step(trace, "作動点の角度").values.starts_with("M1 = 20 kgf·mm,  M2 = 10 kgf·mm,  k = 0.106704"));
    // M1 > M2 turns the angles round, and σ2 = 158 kgf/mm² is over σa = 153.
    EXPECT_EQ(Step(trace, "判定").result, "エラー:ねじれ角度の順番が不適  エラー:ねじり応力オーバー");
}

TEST_F(ReportTextTest, TablesFollowTheUnitAndMarkTheTypedDiameter) {
    const Evaluation e = EvaluateDesign(c, *table);
    const ReportTexts kgf = CalculationReportTexts(e, *table, "SWP-B", UnitSystem::Kgf);
    const ReportTexts si = CalculationReportTexts(e, *table, "SWP-B", UnitSystem::SI);
    EXPECT_EQ(kgf.inputs[0].value, "SWP-B");
    EXPECT_EQ(kgf.inputs[3].item, "平均径 D（入力）");
    const auto row = [](const ReportTexts& t, const std::string& item) {
        for (const auto& rows : {t.inputs, t.results, t.recommended})
            for (const ReportRow& r : rows)
                if (r.item == item) return r;
        return ReportRow{};
    };
    EXPECT_EQ(row(kgf, "モーメント M2").value, "9.60335");
    EXPECT_EQ(row(kgf, "モーメント M2").unit, "kgf･mm");
    EXPECT_EQ(row(si, "モーメント M2").value, "94.1767");
    EXPECT_EQ(row(si, "曲げ応力 σ2").unit, "N/mm²");
    EXPECT_EQ(row(si, "ねじれ角度 φ2").value, "90");
    EXPECT_EQ(si.checks, std::vector<std::string>{"Calculation Success!"});
    EXPECT_FALSE(si.checksFailed);
}

}  // namespace
