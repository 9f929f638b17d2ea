// The texts of the calculation report.
#include "core/report/report_text.h"

#include <algorithm>
#include <cmath>

#include "core/base/number_text.h"
#include "core/calc/calculation.h"
#include "core/calc/practice.h"
#include "core/evaluation/evaluation.h"
#include "core/materials/fatigue_life.h"
#include "core/materials/material_selection.h"

namespace torsion {

namespace {

std::string Value(double v) {
    return FormatGeneral(v, 6);
}
std::string Input(double v) {
    return FormatFull(v);
}
// "name = value unit": the name and the value as they are, the unit a catalogue text ("度")
// or a symbol ("mm").
ComposedText Is(ComposedText name, ComposedText value, ComposedText unit = std::string()) {
    if (unit.empty()) return {"%1 = %2", {std::move(name), std::move(value)}};
    return {"%1 = %2 %3", {std::move(name), std::move(value), std::move(unit)}};
}
// The parts separated by ",  ".
ComposedText Join(const std::vector<ComposedText>& parts) {
    std::vector<ComposedText> spaced;
    for (const ComposedText& p : parts) {
        if (!spaced.empty()) spaced.emplace_back(std::string(",  "));
        spaced.push_back(p);
    }
    return Sequence(std::move(spaced));
}

std::string MomentUnitName(UnitSystem unit) {
    return unit == UnitSystem::SI ? "N･mm" : "kgf･mm";
}
std::string StressUnitName(UnitSystem unit) {
    return unit == UnitSystem::SI ? "N/mm²" : "kgf/mm²";
}
const char* RateUnitName(UnitSystem unit) {
    return unit == UnitSystem::SI ? TS_TEXT("N･mm/度") : TS_TEXT("kgf･mm/度");
}
constexpr const char* kDegree = TS_TEXT("度");
constexpr const char* kPassed = TS_TEXT("合格");
constexpr const char* kLegName = TS_TEXT("脚%1");

// The check lines, two spaces apart.
ComposedText Lines(const std::vector<ComposedText>& lines) {
    std::vector<ComposedText> spaced;
    for (const ComposedText& line : lines) {
        if (!spaced.empty()) spaced.emplace_back(std::string("  "));
        spaced.push_back(line);
    }
    return Sequence(std::move(spaced));
}

double YoungModulusOf(const DesignCase& c, const MaterialTable& table) {
    const MaterialRecord* r = RecordOrNull(table, c.materialNo);
    return r ? r->youngModulus : 0.0;
}

// Whether a leg of the design takes a term of its own shape (radial, clamped) in the rate.
bool LegsChangeTheRate(const DesignOptions& o) {
    for (const LegEnd& end : o.legs)
        if (end.shape == LegShape::Radial || end.shape == LegShape::Clamped) return true;
    return false;
}

// The rate with legs of other shapes: the formula of the practice with the turns of each leg.
TraceStep LegRateStep(const Evaluation& e, std::vector<ComposedText> values, const std::string& modulus,
                      const std::string& toUnit, const ComposedText& result) {
    const DesignCase& c = e.design;
    const Practice p = e.designOptions.practice;
    ComposedText formula;
    switch (p) {
        case Practice::Jis:
            formula = {
                TS_TEXT("k = %1·d⁴ / (3667·D·N + L1 + L2),  接線・軸方向の脚 Li = 389·ai、ほかの脚 Li = "
                        "3667·D·ni"),
                {modulus}};
            break;
        case Practice::En:
            formula = "k = " + modulus + "·d⁴ / (3666.93·D·n),  n = N + n1 + n2";
            break;
        case Practice::Us:
            formula = "k = " + modulus + "·d⁴ / (10.8·D·Na) / 360,  Na = N + n1 + n2";
            break;
    }
    formula =
        Sequence({formula,
                  toUnit,
                  {TS_TEXT("　(ni: 接線・軸方向 %1、半径方向 b³ / (3π·D·l²), b = l − D/2、固定 0; l = ai)"),
                   {std::string(p == Practice::En ? "(4·(l/D)² − 1) / (12π·l/D)" : "l / (3π·D)")}}});
    const double arms[2] = {c.arm1, c.arm2};
    for (std::size_t leg = 0; leg < 2; ++leg) {
        const LegShape shape = e.designOptions.legs[leg].shape;
        const std::string n = std::to_string(leg + 1);
        values.push_back(Is({kLegName, {n}}, ComposedText(LegShapeName(shape).data())));
        values.push_back(Is("n" + n, Value(LegTurns(p, shape, arms[leg], c.meanDia))));
    }
    return {p == Practice::Jis
                ? ComposedText(TS_TEXT("ばね定数 (脚の形状)"))
                : ComposedText(TS_TEXT("ばね定数 (%1、脚の形状)"), {ComposedText(PracticeName(p).data())}),
            formula, Join(values), result};
}

// The note of the largest moment where a leg is bent.
ComposedText BendMomentNote(const Evaluation& e) {
    if (e.bends.empty()) return std::string();
    return TS_TEXT("　(曲げた脚: q_leg が応力修正係数より大きいとき π·σa·d³ / (32·q_leg) との小さいほう)");
}

// The checks of the bends in the verdict's formula.
std::string BendCheckNote(const Evaluation& e) {
    return e.bends.empty() ? std::string() : ",  σbi ≤ σa,  r ≥ d";
}

// The stress at each bend of a leg, after the stresses of the coil.
void BendSteps(std::vector<TraceStep>& steps, const Evaluation& e, UnitSystem unit) {
    const DesignCase& c = e.design;
    const std::string moment = MomentUnitName(unit), stress = StressUnitName(unit);
    const auto shown = [unit](double kgf) { return Value(ToShownUnit(kgf, unit)); };
    for (const LegBend& b : e.bends) {
        const std::string n = std::to_string(b.leg);
        steps.push_back(
            {{TS_TEXT("脚%1の曲げ部"), {n}},
             {TS_TEXT("q_leg = (2r/d + 1.07) / (2r/d + 0.25),  σb%1 = q_leg·32·M2 / (π·d³);  r ≥ d "
                      "(1.5·d 以上を推奨)"),
              {n}},
             Join({Is("r", Input(b.radius), "mm"), Is("d", Input(c.wireDia), "mm"),
                   Is("M2", shown(c.moment2), moment), Is("σa", shown(c.allowStress), stress)}),
             Join({Is("q_leg", Value(b.factor)), Is("σb" + n, shown(b.stress), stress)})});
    }
}

// The steps of EN and US practice after the correction factor: the static limit, the
// largest moment and angle, the operating point, the stresses, the fatigue rule, the checks.
void PracticeTrace(std::vector<TraceStep>& steps, const Evaluation& e, const MaterialTable& table,
                   UnitSystem unit) {
    const DesignCase& c = e.design;
    const Practice p = e.designOptions.practice;
    const std::string moment = MomentUnitName(unit), stress = StressUnitName(unit);
    const char* const rate = RateUnitName(unit);
    const auto shown = [unit](double kgf) { return Value(ToShownUnit(kgf, unit)); };
    const MaterialRecord* record = RecordOrNull(table, c.materialNo);
    const bool rowKnown = record && c.wireDiaIndex >= 0 && c.wireDiaIndex < kMaterialRows;
    const double strength =
        rowKnown ? record->tensileStrength[static_cast<std::size_t>(c.wireDiaIndex)] : 0.0;
    const std::optional<double> limit =
        StaticLimitRatio(p, record ? ShortStringValue(record->symbol) : std::string());
    const ComposedText applied =
        ComposedText("%1　(%2)", {Is("K'", Value(e.practice.appliedFactor)), PracticeFactorRule(p)});
    if (e.practice.limitPublished && limit) {
        steps.push_back({TS_TERM("許容曲げ応力", "report step"),
                         {TS_TEXT("σa = %1·σB　(σB: 線径の引張強さ)"), {Value(*limit)}},
                         Is("σB", Value(strength), "N/mm²"),
                         Is("σa", shown(c.allowStress), stress)});
        steps.push_back(
            {TS_TEXT("最大トルクと最大角度"),
             Sequence({std::string("Mmax = π·σa·d³ / 32 / K',  φmax = Mmax / k"), BendMomentNote(e)}),
             Join({Is("σa", shown(c.allowStress), stress), Is("d", Input(c.wireDia), "mm"), applied,
                   Is("k", shown(c.springConst), rate)}),
             Join({Is("Mmax", shown(c.maxMoment), moment), Is("φmax", Value(c.maxAngle), kDegree)})});
    } else {
        steps.push_back({TS_TERM("許容曲げ応力", "report step"),
                         kNoPublishedText,
                         std::string(),
                         {"σa: %1", {kNoPublishedText}}});
    }
    if (c.inputMode == 1) {
        steps.push_back({TS_TEXT("作動点のトルク"), "M1 = φ1·k,  M2 = φ2·k",
                         Join({Is("φ1", Input(c.angle1), kDegree), Is("φ2", Input(c.angle2), kDegree),
                               Is("k", shown(c.springConst), rate)}),
                         Join({Is("M1", shown(c.moment1), moment), Is("M2", shown(c.moment2), moment)})});
    } else {
        steps.push_back({TS_TEXT("作動点の角度"), "φ1 = M1 / k,  φ2 = M2 / k",
                         Join({Is("M1", Input(ToShownUnit(c.moment1, unit)), moment),
                               Is("M2", Input(ToShownUnit(c.moment2, unit)), moment),
                               Is("k", shown(c.springConst), rate)}),
                         Join({Is("φ1", Value(c.angle1), kDegree), Is("φ2", Value(c.angle2), kDegree)})});
    }
    steps.push_back({TS_TERM("曲げ応力", "report step"), "σi = K'·32·Mi / (π·d³)",
                     Join({Is("M1", shown(c.moment1), moment), Is("M2", shown(c.moment2), moment),
                           Is("d", Input(c.wireDia), "mm"), applied}),
                     Join({Is("σ1", shown(c.stress1), stress), Is("σ2", shown(c.stress2), stress)})});
    BendSteps(steps, e, unit);
    ComposedText fatigueRule = kNoPublishedText;
    if (e.practice.fatigue.kind == FatigueVerdict::Kind::SafetyFactor)
        fatigueRule = std::string(
            "Se = (Sr/2) / (1 − Sr/(2·σB)),  Sa = r·Se·σB / (r·σB + Se),  r = σa/σm,  nf = Sa / σa");
    steps.push_back({TS_TEXT("疲労"), fatigueRule,
                     Join({Is("σ1", shown(c.stress1), stress), Is("σ2", shown(c.stress2), stress),
                           Is("σB", Value(strength), "N/mm²")}),
                     FatigueVerdictText(e.practice.fatigue)});
    const ComposedText verdict = Lines(e.checks.lines);
    steps.push_back({TS_TEXT("判定"), "4 ≤ c ≤ 22,  φ1 ≤ φ2,  σ2 ≤ σa" + BendCheckNote(e),
                     Join({Is("c", Value(c.springIndex)), Is("φ1", Value(c.angle1), kDegree),
                           Is("φ2", Value(c.angle2), kDegree), Is("σ2", shown(c.stress2), stress)}),
                     e.checks.error ? verdict : ComposedText(kPassed)});
}

}  // namespace

std::vector<TraceStep> CalculationTrace(const Evaluation& e, const MaterialTable& table, UnitSystem unit) {
    const DesignCase& c = e.design;
    std::vector<TraceStep> steps;
    const bool si = unit == UnitSystem::SI;
    // Moments, stresses and the rate in the unit of the report's first page.
    const std::string moment = MomentUnitName(unit), stress = StressUnitName(unit);
    const char* const rate = RateUnitName(unit);
    const std::string mm = "mm";
    const char* const deg = kDegree;
    const auto shown = [unit](double kgf) { return Value(ToShownUnit(kgf, unit)); };
    const bool outward = c.outward != 0;
    const bool anglesGiven = c.inputMode == 1;
    const Practice practice = e.designOptions.practice;
    const bool jis = practice == Practice::Jis;
    const double youngRatio =
        WorkingTemperatureOf(table, c.materialNo, e.designOptions.temperature).youngRatio;

    // At a working temperature other than room temperature E is the table's times its ratio.
    std::vector<ComposedText> rateValues{Is("E", Input(YoungModulusOf(c, table)), std::string("N/mm²"))};
    if (e.designOptions.temperature != kRoomTemperature)
        rateValues.push_back(
            {"%1 (%2℃)", {Is("E(T)/E", Value(youngRatio)), Input(e.designOptions.temperature)}});
    for (const ComposedText& v :
         {Is("d", Input(c.wireDia), mm), Is("D", Input(c.meanDia), mm), Is("N", Input(c.calcTurns)),
          Is("a1", Input(c.arm1), mm), Is("a2", Input(c.arm2), mm)})
        rateValues.push_back(v);
    const std::string modulus = e.designOptions.temperature != kRoomTemperature ? "E(T)" : "E";
    const std::string toUnit = si ? "" : " × 1/" + Value(kStandardGravity);
    if (LegsChangeTheRate(e.designOptions))
        steps.push_back(LegRateStep(e, rateValues, modulus, toUnit, Is("k", shown(c.springConst), rate)));
    else
        steps.push_back(
            {jis ? ComposedText(TS_TERM("ばね定数", "report step"))
                 : ComposedText(TS_TEXT("ばね定数 (%1)"), {ComposedText(PracticeName(practice).data())}),
             jis ? "k = " + modulus + "·d⁴ / (" + Value(kRateCoilTerm) + "·D·N + " + Value(kRateArmTerm) +
                       "·(a1 + a2))" + toUnit
                 : PracticeRateFormula(practice) + toUnit,
             Join(rateValues), Is("k", shown(c.springConst), rate)});
    steps.push_back({TS_TEXT("ばね指数"), std::string("c = D / d"),
                     Join({Is("D", Input(c.meanDia), mm), Is("d", Input(c.wireDia), mm)}),
                     Is("c", Value(c.springIndex))});
    steps.push_back({TS_TEXT("応力修正係数"),
                     jis ? "κ = (4c² − c − 1) / (4c) / (c − 1)" : PracticeFactorFormula(practice),
                     Is("c", Value(c.springIndex)), Is(jis ? "κ" : "K", Value(c.stressFactor))});
    if (!jis) {
        PracticeTrace(steps, e, table, unit);
        return steps;
    }
    const bool known = RecordOrNull(table, c.materialNo) != nullptr;
    const double bending = known ? AllowableBendingStress(table, c.materialNo, c.wireDia) : 0.0;
    steps.push_back({TS_TERM("許容曲げ応力", "report step"),
                     {TS_TEXT("%1　(σb(d): 材料表の許容曲げ応力を線径 d で直線補間, N/mm²)"),
                      {std::string(si ? "σa = σb(d)" : "σa = σb(d) × 1/" + Value(kStandardGravity))}},
                     Join({Is("d", Input(c.wireDia), mm), Is("σb(d)", Value(bending), std::string("N/mm²"))}),
                     Is("σa", shown(c.allowStress), stress)});

    // The lever of the outward formulas.
    const double arm = std::max(c.arm1, c.arm2);
    const double radius = std::sqrt(arm * arm + c.outerDia * c.outerDia / 4);
    if (!outward) {
        steps.push_back({TS_TEXT("最大トルク"),
                         Sequence({std::string("Mmax = π·σa·d³ / 32　(π = 3.14159)"), BendMomentNote(e)}),
                         Join({Is("σa", shown(c.allowStress), stress), Is("d", Input(c.wireDia), mm)}),
                         Is("Mmax", shown(c.maxMoment), moment)});
    } else {
        steps.push_back(
            {TS_TEXT("最大トルク（外方向）"),
             Sequence(
                 {std::string("A = max(a1, a2),  R = √(A² + Do²/4),  Mmax = R·(π·σa·d³/32) / (D/2 + R) / "
                              "κ　(π = 3.14159)"),
                  BendMomentNote(e)}),
             Join({Is("a1", Input(c.arm1), mm), Is("a2", Input(c.arm2), mm), Is("Do", Input(c.outerDia), mm),
                   Is("D", Input(c.meanDia), mm), Is("σa", shown(c.allowStress), stress),
                   Is("d", Input(c.wireDia), mm), Is("κ", Value(c.stressFactor))}),
             Join({Is("A", Value(arm), mm), Is("R", Value(radius), mm),
                   Is("Mmax", shown(c.maxMoment), moment)})});
    }
    steps.push_back({TS_TERM("最大角度", "report step"), "φmax = Mmax / k",
                     Join({Is("Mmax", shown(c.maxMoment), moment), Is("k", shown(c.springConst), rate)}),
                     Is("φmax", Value(c.maxAngle), deg)});
    const std::string margin = Value(static_cast<double>(kGuideRodMargin));
    if (!outward) {
        // With moments given φ2 is the angle of M2 (step 6 below gives the same).
        steps.push_back({TS_TEXT("案内棒径"),
                         anglesGiven ? "Dg = (Di − D·φ2 / 360 / N) × " + margin
                                     : "Dg = (Di − D·φ2 / 360 / N) × " + margin + "　(φ2 = M2 / k)",
                         Join({Is("Di", Input(c.innerDia), mm), Is("D", Input(c.meanDia), mm),
                               Is("φ2", Value(c.angle2), deg), Is("N", Input(c.turns))}),
                         Is("Dg", Value(c.guideRodDia), mm)});
    } else {
        steps.push_back({TS_TEXT("案内棒径（外方向）"), "Dg = " + margin + " × Di",
                         Is("Di", Input(c.innerDia), mm), Is("Dg", Value(c.guideRodDia), mm)});
    }
    if (anglesGiven) {
        steps.push_back({TS_TEXT("作動点のトルク"), "M1 = φ1·k,  M2 = φ2·k",
                         Join({Is("φ1", Input(c.angle1), deg), Is("φ2", Input(c.angle2), deg),
                               Is("k", shown(c.springConst), rate)}),
                         Join({Is("M1", shown(c.moment1), moment), Is("M2", shown(c.moment2), moment)})});
    } else {
        steps.push_back({TS_TEXT("作動点の角度"), "φ1 = M1 / k,  φ2 = M2 / k",
                         Join({Is("M1", Input(ToShownUnit(c.moment1, unit)), moment),
                               Is("M2", Input(ToShownUnit(c.moment2, unit)), moment),
                               Is("k", shown(c.springConst), rate)}),
                         Join({Is("φ1", Value(c.angle1), deg), Is("φ2", Value(c.angle2), deg)})});
    }
    const ComposedText moments =
        Join({Is("M1", shown(c.moment1), moment), Is("M2", shown(c.moment2), moment)});
    const ComposedText stresses =
        Join({Is("σ1", shown(c.stress1), stress), Is("σ2", shown(c.stress2), stress)});
    if (!outward) {
        steps.push_back({TS_TERM("曲げ応力", "report step"), "σi = 32·Mi / (π·d³)　(π = 3.14159)",
                         Join({moments, Is("d", Input(c.wireDia), mm)}), stresses});
    } else {
        steps.push_back({TS_TEXT("曲げ応力（外方向）"),
                         "σi = 32·Mi / (π·d³) · (D/2 + R) / R · κ　(π = 3.14159)",
                         Join({moments, Is("d", Input(c.wireDia), mm), Is("D", Input(c.meanDia), mm),
                               Is("R", Value(radius), mm), Is("κ", Value(c.stressFactor))}),
                         stresses});
    }
    BendSteps(steps, e, unit);
    const StressCoefficients& ratio = e.stressRatio;
    const MaterialRecord* record = RecordOrNull(table, c.materialNo);
    const bool rowKnown = record && c.wireDiaIndex >= 0 && c.wireDiaIndex < kMaterialRows;
    const double strength =
        rowKnown ? record->tensileStrength[static_cast<std::size_t>(c.wireDiaIndex)] : 0.0;
    // The fatigue diagram's ratio takes the stress in kgf/mm² times 9.8.
    const std::string ratioFactor = si ? "× 9.8 × 1/" + Value(kStandardGravity) : "× 9.8";
    steps.push_back({TS_TEXT("応力係数と寿命"),
                     {TS_TEXT("%1　(σB: 線径の引張強さ, N/mm²)"),
                      {"r1 = σ1 / σB " + ratioFactor + ",  r2 = σ2 / σB " + ratioFactor}},
                     Join({Is("σ1", shown(c.stress1), stress), Is("σ2", shown(c.stress2), stress),
                           Is("σB", Value(strength), "N/mm²")}),
                     ratio.valid ? Join({Is("r1", Value(ratio.lower)),
                                         Is("r2", Value(ratio.upper)),
                                         {TS_TEXT("寿命 = %1 回"), {LifeLabelText(c.lifeClass)}}})
                                 : ComposedText(TS_TEXT("σB がないため求まりません"))});
    const CheckResult& checks = e.checks;
    const ComposedText verdict = Lines(checks.lines);
    steps.push_back(
        {TS_TEXT("判定"),
         e.bends.empty() ? ComposedText(TS_TEXT("4 ≤ c ≤ 22,  φ1 ≤ φ2,  σ2 ≤ σa　(σ2 が σa を 0.0005 kgf/mm² "
                                                "まで超えるのは丸めの差として許す)"))
                         : ComposedText(TS_TEXT("4 ≤ c ≤ 22,  φ1 ≤ φ2,  σ2 ≤ σa%1　(σ2 が σa を 0.0005 "
                                                "kgf/mm² まで超えるのは丸めの差として許す)"),
                                        {BendCheckNote(e)}),
         Join({Is("c", Value(c.springIndex)), Is("φ1", Value(c.angle1), deg), Is("φ2", Value(c.angle2), deg),
               Is("σ2", shown(c.stress2), stress), Is("σa", shown(c.allowStress), stress)}),
         checks.error ? verdict : ComposedText(kPassed)});
    return steps;
}

ReportTexts CalculationReportTexts(const Evaluation& e, const MaterialTable& table, const std::string& symbol,
                                   UnitSystem unit) {
    const DesignCase& c = e.design;
    ReportTexts t;
    const std::string moment = MomentUnitName(unit), stress = StressUnitName(unit);
    const char* const rate = RateUnitName(unit);
    const auto shown = [unit](double kgf) { return Value(ToShownUnit(kgf, unit)); };
    // The diameter typed: its item marked "（入力）".
    const auto typed = [&](int mode, const char* item, const char* itemTyped) {
        return c.diaMode == mode ? itemTyped : item;
    };
    const std::string mm = "mm";
    const bool anglesGiven = c.inputMode == 1;

    t.inputs = {
        {TS_TEXT("材質"), std::string(), symbol},
        {TS_TEXT("線径 d"), mm, Input(c.wireDia)},
        {typed(0, TS_TEXT("内径 Di"), TS_TEXT("内径 Di（入力）")), mm, Input(c.innerDia)},
        {typed(1, TS_TEXT("平均径 D"), TS_TEXT("平均径 D（入力）")), mm, Input(c.meanDia)},
        {typed(2, TS_TEXT("外径 Do"), TS_TEXT("外径 Do（入力）")), mm, Input(c.outerDia)},
        {TS_TEXT("巻数 N"), TS_TEXT("巻"), Input(c.turns)},
        {TS_TEXT("腕長 a1"), mm, Input(c.arm1)},
        {TS_TEXT("腕長 a2"), mm, Input(c.arm2)},
        {TS_TEXT("荷重方向"), std::string(), c.outward ? TS_TEXT("外方向") : TS_TEXT("内方向")},
        {TS_TEXT("巻き方向"), std::string(), c.leftHand ? TS_TEXT("左") : TS_TEXT("右")},
    };
    // The legs and the coil gap where they are not the record's straight legs and touching coils.
    for (std::size_t leg = 0; leg < 2; ++leg) {
        const LegEnd& end = e.designOptions.legs[leg];
        if (end == LegEnd{}) continue;
        ComposedText text(LegShapeName(end.shape).data());
        if (IsBent(end.shape))
            text = {TS_TEXT("%1、まっすぐな長さ %2 mm、曲げ半径 r %3 mm"),
                    {text, Input(end.straightLength), Input(end.bendRadius)}};
        t.inputs.push_back({{kLegName, {std::to_string(leg + 1)}}, std::string(), text});
    }
    if (e.designOptions.pitchGap != 0)
        t.inputs.push_back({TS_TEXT("コイルのすき間 g"), std::string("mm"), Input(e.designOptions.pitchGap)});
    const std::vector<ReportRow> angles = {
        {TS_TEXT("ねじれ角度 φ1"), kDegree, anglesGiven ? Input(c.angle1) : Value(c.angle1)},
        {TS_TEXT("ねじれ角度 φ2"), kDegree, anglesGiven ? Input(c.angle2) : Value(c.angle2)}};
    const std::vector<ReportRow> moments = {
        {TS_TEXT("モーメント M1"), moment,
         anglesGiven ? shown(c.moment1) : FormatFull(ToShownUnit(c.moment1, unit))},
        {TS_TEXT("モーメント M2"), moment,
         anglesGiven ? shown(c.moment2) : FormatFull(ToShownUnit(c.moment2, unit))}};
    const auto& given = anglesGiven ? angles : moments;
    const auto& computed = anglesGiven ? moments : angles;
    t.inputs.insert(t.inputs.end(), given.begin(), given.end());

    t.results = computed;
    const std::vector<ReportRow> more = {
        {TS_TEXT("ばね定数 k"), rate, shown(c.springConst)},
        {TS_TEXT("ばね指数 c"), std::string(), Value(c.springIndex)},
        {TS_TEXT("応力修正係数 κ"), std::string(), Value(c.stressFactor)},
        {TS_TEXT("曲げ応力 σ1"), stress, shown(c.stress1)},
        {TS_TEXT("曲げ応力 σ2"), stress, shown(c.stress2)},
        {TS_TEXT("許容曲げ応力 σa"), stress, shown(c.allowStress)},
    };
    t.results.insert(t.results.end(), more.begin(), more.end());
    t.life = LifeLabelText(c.lifeClass);
    t.results.push_back({TS_TEXT("寿命"), TS_TEXT("回"), t.life});

    t.recommended = {{TS_TEXT("最大角度"), kDegree, Value(c.maxAngle)},
                     {TS_TEXT("最大トルク"), moment, shown(c.maxMoment)},
                     {TS_TEXT("案内棒径"), mm, Value(c.guideRodDia)}};

    t.checks = e.checks.lines;
    t.checksFailed = e.checks.error;
    t.trace = CalculationTrace(e, table, unit);
    return t;
}

}  // namespace torsion
