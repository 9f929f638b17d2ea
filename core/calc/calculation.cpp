// The design calculation of the current case.
#include "core/calc/calculation.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/base/catalogue_text.h"
#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/calc/checked_arithmetic.h"
#include "core/materials/fatigue_life.h"

namespace torsion {

namespace {

using Real = long double;

constexpr Real kPi = 3.14159L;  // the five-decimal value the published formulas use
constexpr Real kCoilTerm = kRateCoilTerm;
constexpr Real kArmTerm = kRateArmTerm;
constexpr Real kGravity = kStandardGravityExtended;
constexpr Real kNewtonToKgfExact = kNewtonToKgfExtended;
constexpr Real kFatigueGravity = 9.8L;
constexpr Real kStressTolerance = 0.0005L;

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sqrt;
using checked::Store;
using checked::Sub;

// Wire diameter of row `row` of record `recordNo`; 0 when the row or record does not
// exist, so that an empty or foreign choice never reads outside the table.
double ListedWireDiameter(const MaterialTable& table, int recordNo, int row) {
    const MaterialRecord* r = RecordOrNull(table, recordNo);
    if (!r || row < 0 || row >= UsableRowCount(*r)) return 0;
    return r->diameter[row];
}

// Arm used by the outward formulas and the radius from the coil axis to its end.
struct OutwardLever {
    Real arm;
    Real radius;
};
OutwardLever OutwardLeverOf(const DesignCase& c) {
    const Real arm = std::max<Real>(c.arm1, c.arm2);
    const Real outer = c.outerDia;
    return {arm, Sqrt(Add(Mul(arm, arm), Div(Mul(outer, outer), 4)))};
}

// The arithmetic of the calculation, which ends the command on a fault, and plain
// arithmetic, which lets NaN and infinity through for the caller to judge.
struct CheckedArithmetic {
    static Real Add(Real a, Real b) { return checked::Add(a, b); }
    static Real Mul(Real a, Real b) { return checked::Mul(a, b); }
    static Real Div(Real a, Real b) { return checked::Div(a, b); }
};
struct PlainArithmetic {
    static Real Add(Real a, Real b) { return a + b; }
    static Real Mul(Real a, Real b) { return a * b; }
    static Real Div(Real a, Real b) { return a / b; }
};

// k = E·d⁴ / (3667·D·N + 389·(a1 + a2)) / g in kgf·mm/度.
template <typename A>
Real Rate(Real youngModulus, Real d, Real meanDia, Real turns, Real arm1, Real arm2) {
    const Real d4 = A::Mul(A::Mul(A::Mul(d, d), d), d);
    const Real coil = A::Add(A::Mul(A::Mul(kCoilTerm, meanDia), turns), A::Mul(kArmTerm, A::Add(arm1, arm2)));
    return A::Div(A::Div(A::Mul(youngModulus, d4), coil), kGravity);
}

}  // namespace

double SpringRate(double youngModulus, double wireDia, double meanDia, double turns, double arm1,
                  double arm2) {
    const double rate =
        static_cast<double>(Rate<PlainArithmetic>(youngModulus, wireDia, meanDia, turns, arm1, arm2));
    return std::isfinite(rate) ? rate : std::nan("");
}

void InitCurrentCase(DesignCase& c) {
    c.used = 1;
    c.materialNo = 0;
    c.wireDiaIndex = 22;
    c.wireDia = 1.0;
    c.innerDia = 9.8;
    c.meanDia = 10.0;
    c.outerDia = 10.2;
    c.diaMode = 1;
    c.turns = 1.3;
    c.calcTurns = 1.3;
    c.reserved1 = 0;
    c.reserved2 = 9.6;
    c.springIndex = 0;
    c.reserved3 = 0;
    c.outward = 0;
    c.leftHand = 0;
    c.stressFactor = 0;
    c.appliedMaxAngle = 22.4;
    c.maxAngle = 0;
    c.inputMode = 1;
    c.moment1 = 0;
    c.moment2 = 0;
    c.angle1 = 30;
    c.angle2 = 35;
    c.springConst = 0;
    c.stress1 = 0;
    c.stress2 = 0;
    c.allowStress = 0;
    c.lifeClass = 0;
    c.arm1 = 15;
    c.arm2 = 20;
}

void CopyCase(CaseTable& table, int from, int to) {
    if (from < 0 || from >= kCaseSlots || to < 0 || to >= kCaseSlots) return;
    table[to] = table[from];
}

void DeriveCoilDiameters(DesignCase& c, double typed) {
    const Real x = typed;
    const Real d = c.wireDia;
    switch (c.diaMode) {
        case 0:
            Store(c.innerDia, x);
            Store(c.meanDia, Add(x, d));
            Store(c.outerDia, Add(x, Mul(2, d)));
            break;
        case 1:
            Store(c.meanDia, x);
            Store(c.innerDia, Sub(x, d));
            Store(c.outerDia, Add(x, d));
            break;
        case 2:
            Store(c.outerDia, x);
            Store(c.innerDia, Sub(x, Mul(2, d)));
            Store(c.meanDia, Sub(x, d));
            break;
        default:
            break;
    }
}

std::optional<ComposedText> ReadDiameters(DesignCase& c, const MaterialTable& table, const KindIndex& index,
                                          const WindowInputs& in) {
    c.materialNo = MaterialNoAt(index, in.kindPos, in.symbolPos);
    c.wireDiaIndex = in.diameterPos;
    c.wireDia = ListedWireDiameter(table, c.materialNo, c.wireDiaIndex);

    DeriveCoilDiameters(c, ParseNumber(in.coilDiaText));

    c.wireDia = ParseNumber(in.wireDiaText);
    if (c.meanDia == 0) return std::nullopt;
    return SpringIndexCaption(static_cast<double>(Div(c.meanDia, c.wireDia)));
}

void ReadOperatingInputs(DesignCase& c, const WindowInputs& in) {
    c.turns = ParseNumber(in.turnsText);
    c.calcTurns = c.turns;
    // A derived pair left empty (no spring was shown) keeps what the case holds; the
    // pair the user gives must hold numbers.
    const bool anglesGiven = c.inputMode == 1;
    if (anglesGiven || !in.angle1Text.empty()) c.angle1 = ParseNumber(in.angle1Text);
    if (anglesGiven || !in.angle2Text.empty()) c.angle2 = ParseNumber(in.angle2Text);
    if (!anglesGiven || !in.moment1Text.empty())
        c.moment1 = ReadShownValue(in.moment1Text, in.unit, in.moment1Written);
    if (!anglesGiven || !in.moment2Text.empty())
        c.moment2 = ReadShownValue(in.moment2Text, in.unit, in.moment2Written);
    c.arm1 = ParseNumber(in.arm1Text);
    c.arm2 = ParseNumber(in.arm2Text);
    c.outward = in.outward ? 1 : 0;
    c.leftHand = in.leftHand ? 1 : 0;
}

void CalculateCase(DesignCase& c, const MaterialTable& table, double youngRatio) {
    // An unknown material has no modulus and no allowable stress; it goes through the
    // formulas as zeros and ends in their arithmetic checks, never in a table read.
    const MaterialRecord* material = RecordOrNull(table, c.materialNo);
    // Times 1 at room temperature, which leaves the modulus exactly as the table holds it.
    const Real youngModulus = Mul(material ? material->youngModulus : 0.0, youngRatio);
    const Real d = c.wireDia;
    const Real meanDia = c.meanDia;
    const Real arm1 = c.arm1;
    const Real arm2 = c.arm2;

    // 1. spring constant
    Store(c.springConst, Rate<CheckedArithmetic>(youngModulus, d, meanDia, c.calcTurns, arm1, arm2));

    // 2. spring index, 3. stress correction factor
    Store(c.springIndex, Div(meanDia, d));
    const Real index = c.springIndex;
    const Real numerator = Sub(Sub(Mul(Mul(4, index), index), index), 1);
    Store(c.stressFactor, Div(Div(numerator, Mul(4, index)), Sub(index, 1)));

    // 4. allowable stress
    const Real allowable = material ? AllowableBendingStress(table, c.materialNo, c.wireDia) : 0.0;
    Store(c.allowStress, Mul(allowable, kNewtonToKgfExact));

    // 5. recommended limits
    const Real section = Div(Mul(Mul(Mul(Mul(kPi, c.allowStress), d), d), d), 32);
    if (c.outward == 0) {
        Store(c.maxMoment, section);
        Store(c.maxAngle, Div(c.maxMoment, c.springConst));
        // The rod fits the coil wound to the φ2 of this calculation: with moments given,
        // the angle step 6 derives from M2, not the one the case held before.
        double rodAngle = c.angle2;
        if (c.inputMode != 1) Store(rodAngle, Div(c.moment2, c.springConst));
        const Real shrink = Div(Div(Mul(meanDia, rodAngle), 360), c.turns);
        Store(c.guideRodDia, Mul(Sub(c.innerDia, shrink), kGuideRodMargin));
    } else {
        const OutwardLever lever = OutwardLeverOf(c);
        const Real halfMean = Div(meanDia, 2);
        Store(c.maxMoment, Div(Div(Mul(lever.radius, section), Add(halfMean, lever.radius)), c.stressFactor));
        Store(c.maxAngle, Div(c.maxMoment, c.springConst));
        Store(c.guideRodDia, Mul(kGuideRodMargin, c.innerDia));
    }

    // 6. operating points
    if (c.inputMode == 1) {
        Store(c.moment1, Mul(c.angle1, c.springConst));
        Store(c.moment2, Mul(c.angle2, c.springConst));
    } else {
        Store(c.angle1, Div(c.moment1, c.springConst));
        Store(c.angle2, Div(c.moment2, c.springConst));
    }

    // 7. bending stresses
    auto plainStress = [&](Real moment) { return Div(Div(Div(Div(Mul(32, moment), kPi), d), d), d); };
    if (c.outward == 0) {
        Store(c.stress1, plainStress(c.moment1));
        Store(c.stress2, plainStress(c.moment2));
    } else {
        const OutwardLever lever = OutwardLeverOf(c);
        const Real reach = Add(Div(meanDia, 2), lever.radius);
        // Left to right as the formula reads: times (D/2 + R), then over R, then times κ.
        auto outwardStress = [&](Real moment) {
            const Real base = Div(Div(Mul(32, moment), kPi), Mul(Mul(d, d), d));
            return Mul(Div(Mul(base, reach), lever.radius), c.stressFactor);
        };
        Store(c.stress1, outwardStress(c.moment1));
        Store(c.stress2, outwardStress(c.moment2));
    }
}

double AppliedStressFactor(const DesignCase& c) {
    if (c.outward == 0) return 1;
    // The lever of OutwardLeverOf in plain arithmetic: a case from a file may have none.
    const Real arm = std::max<Real>(c.arm1, c.arm2);
    const Real radius = std::sqrt(arm * arm + Real(c.outerDia) * c.outerDia / 4);
    const Real factor = (Real(c.meanDia) / 2 + radius) / radius * c.stressFactor;
    return std::isfinite(factor) ? static_cast<double>(factor) : std::nan("");
}

CheckResult CheckCase(const DesignCase& c) {
    CheckResult result;
    if (c.springIndex < 4) result.lines.emplace_back(kSpringIndexLowError);
    if (c.springIndex > 22) result.lines.emplace_back(kSpringIndexHighError);
    if (c.angle1 > c.angle2) result.lines.emplace_back(kAngleOrderError);
    // A stress that cannot be compared (an allowable stress of NaN from a damaged table)
    // is not within the allowable one.
    if (!(c.stress2 <= static_cast<Real>(c.allowStress) + kStressTolerance))
        result.lines.emplace_back(kStressOverError);
    if (c.turns <= 0) result.lines.emplace_back(kNoTurnsError);
    result.error = !result.lines.empty();
    if (!result.error) result.lines.emplace_back(kCalculationSuccess);
    return result;
}

bool SpringExists(const DesignCase& c) {
    return c.wireDia > 0 && c.meanDia > c.wireDia && c.turns > 0;
}

StressCoefficients CaseStressCoefficients(const DesignCase& c, const MaterialTable& table) {
    const double nan = std::nan("");
    const MaterialRecord* r = RecordOrNull(table, c.materialNo);
    if (!r || c.wireDiaIndex < 0 || c.wireDiaIndex >= kMaterialRows) return {nan, nan, false};
    const Real strength = r->tensileStrength[c.wireDiaIndex];
    if (!std::isfinite(strength) || !(strength > 0)) return {nan, nan, false};
    return {static_cast<double>(c.stress1 / strength * kFatigueGravity),
            static_cast<double>(c.stress2 / strength * kFatigueGravity), true};
}

std::optional<ShownDiameter> ShownCoilDiameter(const DesignCase& c) {
    switch (c.diaMode) {
        case 0:
            return ShownDiameter{TS_TEXT("内径"), FormatFull(c.innerDia)};
        case 1:
            return ShownDiameter{TS_TEXT("平均径"), FormatFull(c.meanDia)};
        case 2:
            return ShownDiameter{TS_TEXT("外径"), FormatFull(c.outerDia)};
        default:
            return std::nullopt;
    }
}

bool SwitchDiameterMode(DesignCase& c) {
    if (c.diaMode < 0 || c.diaMode > 2) return false;
    c.diaMode = (c.diaMode + 1) % 3;
    return true;
}

CaseTexts CaseDisplayTexts(const DesignCase& c, UnitSystem unit) {
    CaseTexts t;
    if (const auto shown = ShownCoilDiameter(c)) {
        t.diameterLabel = shown->label;
        t.coilDiaText = shown->text;
    }
    t.turnsText = FormatFull(c.turns);
    t.angle1Text = FormatShort(c.angle1);
    t.angle2Text = FormatShort(c.angle2);
    t.moment1Text = FormatShownShort(c.moment1, unit);
    t.moment2Text = FormatShownShort(c.moment2, unit);
    t.springConstText = FormatShownShort(c.springConst, unit);
    t.stress2Text = FormatShownShort(c.stress2, unit);
    t.allowStressText = FormatShownShort(c.allowStress, unit);
    t.arm1Text = FormatShort(c.arm1);
    t.arm2Text = FormatShort(c.arm2);
    t.lifeText = LifeLabel(c.lifeClass);
    t.guideRodCaption = {TS_TEXT("案内棒径＝%1mm"), {FormatShort(c.guideRodDia)}};
    return t;
}

ComposedText SpringIndexCaption(double springIndex) {
    return {TS_TEXT("バネ指数=%1"), {FormatGeneral(springIndex, 3)}};
}
ComposedText MaxAngleCaption(double maxAngle) {
    return {TS_TEXT("最大角度=%1度"), {FormatShort(maxAngle)}};
}
ComposedText MaxTorqueCaption(double maxMoment, UnitSystem unit) {
    return {TS_TEXT("最大トルク=%1%2"), {FormatShownShort(maxMoment, unit), MomentUnitText(unit)}};
}
ComposedText GuideRodCaption(double guideRodDia) {
    return {TS_TEXT("案内棒径=　%1mm"), {FormatShort(guideRodDia)}};
}
ComposedText AppliedMomentCaption(double maxMoment, UnitSystem unit) {
    return {TS_TEXT("最大=%1%2"),
            {FormatShownShort(maxMoment, unit), std::string(unit == UnitSystem::SI ? "N･mm" : "kgf")}};
}

bool SpringIndexInRecommendedRange(double springIndex) {
    return springIndex >= 3 && springIndex <= 22;
}

}  // namespace torsion
