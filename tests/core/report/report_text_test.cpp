#include "core/report/report_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <random>

#include "core/calc/calculation.h"
#include "tests/support/material_tables.h"
#include "tests/support/test_cases.h"

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
        PutSpring(c, 5, 10, 45, 90);
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

// The "name = number" pairs of a step's printed values and result.
using PrintedValues = std::map<std::string, double>;
PrintedValues Printed(const std::string& text) {
    PrintedValues values;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(",  ", start), text.size());
        const std::string part = text.substr(start, end - start);
        start = end + 3;
        const std::size_t is = part.find(" = ");
        if (is == std::string::npos) continue;
        try {
            values[part.substr(0, is)] = std::stod(part.substr(is + 3));
        } catch (const std::exception&) {
        }
    }
    return values;
}

TEST_F(ReportTextTest, TraceShowsFormulaValuesAndResultOfEachStep) {
    const auto trace = CalculationTrace(EvaluateDesign(c, *table), *table);
    const TraceStep& k = Step(trace, "ばね定数");
    EXPECT_EQ(k.formula, "k = E·d⁴ / (3667·D·N + 389·(a1 + a2)) × 1/9.80665");
    EXPECT_EQ(k.values, "E = 200000 N/mm²,  d = 1 mm,  D = 10 mm,  N = 5,  a1 = 10 mm,  a2 = 10 mm");
    EXPECT_EQ(k.result, "k = 0.106704 kgf･mm/度");
    EXPECT_EQ(Step(trace, "許容曲げ応力").values, "d = 1 mm,  σb(d) = 1500 N/mm²");
    EXPECT_EQ(Step(trace, "許容曲げ応力").result, "σa = 152.957 kgf/mm²");
    EXPECT_EQ(Step(trace, "最大トルク").result, "Mmax = 15.0165 kgf･mm");
    EXPECT_EQ(Step(trace, "最大角度").result, "φmax = 140.731 度");
    EXPECT_EQ(Step(trace, "案内棒径").result, "Dg = 7.65 mm");
    EXPECT_EQ(Step(trace, "作動点のトルク").result, "M1 = 4.80168 kgf･mm,  M2 = 9.60335 kgf･mm");
    EXPECT_EQ(Step(trace, "曲げ応力").result, "σ1 = 48.9095 kgf/mm²,  σ2 = 97.8191 kgf/mm²");
    EXPECT_EQ(Step(trace, "判定").result, "合格");
    // No constant of the program's own stands in a formula.
    for (const TraceStep& step : trace)
        EXPECT_EQ(step.formula.Japanese().find("0.1019"), std::string::npos) << step.formula;
}

TEST_F(ReportTextTest, SiTraceIsInNewtons) {
    const auto trace = CalculationTrace(EvaluateDesign(c, *table), *table, UnitSystem::SI);
    EXPECT_EQ(Step(trace, "ばね定数").formula, "k = E·d⁴ / (3667·D·N + 389·(a1 + a2))");
    EXPECT_EQ(Step(trace, "ばね定数").result, "k = 1.04641 N･mm/度");
    EXPECT_EQ(Step(trace, "許容曲げ応力").result, "σa = 1500 N/mm²");
    EXPECT_EQ(Step(trace, "作動点のトルク").result, "M1 = 47.0884 N･mm,  M2 = 94.1767 N･mm");
    for (const TraceStep& step : trace)
        EXPECT_EQ(step.result.Japanese().find("kgf"), std::string::npos) << step.result;
}

TEST_F(ReportTextTest, OutwardMomentsAndFailedChecksChangeTheSteps) {
    c.outward = 1;
    c.inputMode = 0;
    c.moment1 = 20;
    c.moment2 = 10;
    const auto trace = CalculationTrace(EvaluateDesign(c, *table), *table);
    EXPECT_EQ(Step(trace, "最大トルク（外方向）").result,
              "A = 10 mm,  R = 11.4127 mm,  Mmax = 9.66343 kgf･mm");
    EXPECT_EQ(Step(trace, "案内棒径（外方向）").result, "Dg = 8.1 mm");
    EXPECT_TRUE(Step(trace, "作動点の角度")
                    .values.Japanese()
                    .starts_with("M1 = 20 kgf･mm,  M2 = 10 kgf･mm,  k = 0.106704"));
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
    EXPECT_EQ(si.checks, std::vector<ComposedText>{"Calculation Success!"});
    EXPECT_FALSE(si.checksFailed);
}

// Every step's result recomputed from the numbers the step prints, for random cases in
// both modes, both load directions and both units: a step that prints another value
// than the one its result follows from fails.
TEST_F(ReportTextTest, EveryStepFollowsFromTheValuesItPrints) {
    std::mt19937 rng(21);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    int checked = 0;
    for (int i = 0; i < 300; ++i) {
        DesignCase d = c;
        d.wireDiaIndex = static_cast<int>(rng() % 3);
        d.wireDia = (*table)[0].diameter[static_cast<std::size_t>(d.wireDiaIndex)];
        d.meanDia = d.wireDia * uniform(3, 25);
        d.innerDia = d.meanDia - d.wireDia;
        d.outerDia = d.meanDia + d.wireDia;
        d.turns = d.calcTurns = uniform(1, 20);
        d.arm1 = uniform(2, 60);
        d.arm2 = uniform(2, 60);
        d.outward = rng() % 2;
        d.inputMode = rng() % 2;
        d.angle1 = uniform(0, 90);
        d.angle2 = uniform(0, 180);  // with moments given: the angle shown before
        d.moment1 = uniform(0, 50);
        d.moment2 = uniform(0, 50);
        const UnitSystem unit = rng() % 2 ? UnitSystem::SI : UnitSystem::Kgf;
        const double g = unit == UnitSystem::SI ? 1 : 1 / 9.80665;
        for (const TraceStep& step : CalculationTrace(EvaluateDesign(d, *table), *table, unit)) {
            const PrintedValues v = Printed(step.values.Japanese() + ",  " + step.result.Japanese());
            const double pi = 3.14159;
            const auto expect = [&](const std::string& name, double recomputed, double scale = 0) {
                const double printed = v.at(name);
                EXPECT_NEAR(printed, recomputed,
                            3e-5 * std::max({std::fabs(printed), std::fabs(recomputed), scale}))
                    << step.title << ": " << step.values << " → " << step.result;
                ++checked;
            };
            const std::string t = step.title.Japanese();
            if (t == "ばね定数")
                expect("k", v.at("E") * std::pow(v.at("d"), 4) /
                                (3667 * v.at("D") * v.at("N") + 389 * (v.at("a1") + v.at("a2"))) * g);
            else if (t == "ばね指数")
                expect("c", v.at("D") / v.at("d"));
            else if (t == "許容曲げ応力")
                expect("σa", v.at("σb(d)") * g);
            else if (t == "最大トルク")
                expect("Mmax", pi * v.at("σa") * std::pow(v.at("d"), 3) / 32);
            else if (t == "最大角度")
                expect("φmax", v.at("Mmax") / v.at("k"));
            else if (t == "案内棒径")
                expect("Dg", (v.at("Di") - v.at("D") * v.at("φ2") / 360 / v.at("N")) * 0.9,
                       v.at("Di") + v.at("D") * v.at("φ2") / 360 / v.at("N"));
            else if (t == "案内棒径（外方向）")
                expect("Dg", 0.9 * v.at("Di"));
            else if (t == "作動点のトルク") {
                expect("M1", v.at("φ1") * v.at("k"));
                expect("M2", v.at("φ2") * v.at("k"));
            } else if (t == "作動点の角度") {
                expect("φ1", v.at("M1") / v.at("k"));
                expect("φ2", v.at("M2") / v.at("k"));
            } else if (t == "曲げ応力") {
                expect("σ1", 32 * v.at("M1") / (pi * std::pow(v.at("d"), 3)));
                expect("σ2", 32 * v.at("M2") / (pi * std::pow(v.at("d"), 3)));
            } else if (t == "曲げ応力（外方向）") {
                const double reach = (v.at("D") / 2 + v.at("R")) / v.at("R") * v.at("κ");
                expect("σ1", 32 * v.at("M1") / (pi * std::pow(v.at("d"), 3)) * reach);
                expect("σ2", 32 * v.at("M2") / (pi * std::pow(v.at("d"), 3)) * reach);
            } else if (t == "最大トルク（外方向）") {
                expect("R", std::sqrt(std::pow(std::max(v.at("a1"), v.at("a2")), 2) +
                                      std::pow(v.at("Do"), 2) / 4));
                expect("Mmax", v.at("R") * (pi * v.at("σa") * std::pow(v.at("d"), 3) / 32) /
                                   (v.at("D") / 2 + v.at("R")) / v.at("κ"));
            } else if (t == "応力係数と寿命" && v.count("r1")) {
                expect("r1", v.at("σ1") / v.at("σB") * 9.8 * (unit == UnitSystem::SI ? 1 / 9.80665 : 1));
                expect("r2", v.at("σ2") / v.at("σB") * 9.8 * (unit == UnitSystem::SI ? 1 / 9.80665 : 1));
            }
        }
    }
    EXPECT_GT(checked, 3000);
}

}  // namespace

// A radial leg 1 bent at r = 1.2, a clamped leg 2 and a gap of 0.3: the inputs list them,
// the rate and the bend follow from the values their steps print.
TEST_F(ReportTextTest, LegsAndGapAreListedAndTheirStepsFollowFromTheirValues) {
    EvaluationOptions o;
    o.design.legs = {LegEnd{LegShape::Radial, 5, 1.2}, LegEnd{LegShape::Clamped, 0, 0}};
    o.design.pitchGap = 0.3;
    const ReportTexts t = CalculationReportTexts(EvaluateDesign(c, *table, o), *table, "SWX", UnitSystem::SI);
    const auto row = [&](const std::string& item) {
        const auto found =
            std::find_if(t.inputs.begin(), t.inputs.end(), [&](auto& r) { return r.item == item; });
        return found == t.inputs.end() ? std::string("none") : found->value;
    };
    EXPECT_EQ(row("脚1"), "半径方向、まっすぐな長さ 5 mm、曲げ半径 r 1.2 mm");
    EXPECT_EQ(row("脚2"), "固定");
    EXPECT_EQ(row("コイルのすき間 g"), "0.3");

    const TraceStep& rate = Step(t.trace, "ばね定数 (脚の形状)");
    PrintedValues k = Printed(rate.values.Japanese());
    EXPECT_NEAR(k["n1"], 125 / (3 * M_PI * 10 * 100), 1e-6);  // b = l − D/2 = 5
    EXPECT_EQ(k["n2"], 0);
    EXPECT_NEAR(Printed(rate.result.Japanese())["k"], 200000 / (3667 * 10 * (5 + k["n1"])), 5e-6);
    const TraceStep& bend = Step(t.trace, "脚1の曲げ部");
    PrintedValues in = Printed(bend.values.Japanese()), out = Printed(bend.result.Japanese());
    EXPECT_NEAR(out["q_leg"], 3.47 / 2.65, 5e-6);
    EXPECT_NEAR(out["σb1"], out["q_leg"] * 32 * in["M2"] / M_PI, out["σb1"] * 1e-5);  // 6 digits each
    EXPECT_NE(Step(t.trace, "最大トルク").formula.Japanese().find("q_leg"), std::string::npos);
}
