#include "core/calc/calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/evaluation/evaluation.h"
#include "core/materials/fatigue_life.h"
#include "tests/support/material_tables.h"
#include "tests/support/test_cases.h"

using namespace torsion;

namespace {

// Record 0: E = 200000 N/mm^2 and explicit bending stresses 1000 / 2000 N/mm^2 at
// d = 0.5 / 1.5 mm, so the allowable stress at d = 1 interpolates to 1500 N/mm^2.
std::unique_ptr<MaterialTable> ExampleTable() {
    auto table = EmptyMaterialTable();
    TestWire wire{.youngModulus = 200000,
                  .diameter = {0.5, 1.5, 2.0},
                  .tensileStrength = {1900, 2000, 1950},
                  .allowBending = {1000, 2000, 2100}};
    (*table)[0] = WireRecord(wire);
    wire.youngModulus = 100000;  // record 1: same kind, half the modulus
    (*table)[1] = WireRecord(wire);
    return table;
}

// The worked example: d = 1, D = 10 (Di = 9, Do = 11), N = 5, a1 = a2 = 10,
// angles 45 and 90 given.
DesignCase ExampleCase() {
    DesignCase c;
    InitCurrentCase(c);
    c.materialNo = 0;
    c.wireDiaIndex = 1;
    PutSpring(c, 5, 10, 45, 90);
    return c;
}

std::string CalcError(DesignCase& c, const MaterialTable& table) {
    return ErrorOf([&] { CalculateCase(c, table); });
}

const std::string kDivZero = "0 による浮動小数点数除算";
const std::string kInvalid = "不正な浮動小数点数演算命令";
const std::string kOverflow = "浮動小数点数のオーバーフロー";

WindowInputs ExampleInputs() {
    WindowInputs in;
    in.kindPos = 0;
    in.symbolPos = 0;
    in.diameterPos = 1;
    in.coilDiaText = "10";
    in.wireDiaText = "1.5";
    in.turnsText = "5";
    in.angle1Text = "45";
    in.angle2Text = "90";
    in.moment1Text = "4.8";
    in.moment2Text = "9.6";
    in.arm1Text = "10";
    in.arm2Text = "12";
    in.outward = true;
    in.leftHand = true;
    return in;
}

}  // namespace

TEST(CalculateCase, WorkedExampleAngleMode) {
    const auto table = ExampleTable();
    DesignCase c = ExampleCase();
    CalculateCase(c, *table);
    EXPECT_EQ(FormatGeneral(c.springConst, 6), "0.106704");
    EXPECT_EQ(c.springIndex, 10);
    EXPECT_NEAR(c.stressFactor, 389.0 / 360, 1e-15);
    EXPECT_EQ(FormatGeneral(c.allowStress, 6), "152.957");
    EXPECT_EQ(FormatGeneral(c.maxMoment, 6), "15.0165");
    EXPECT_EQ(FormatGeneral(c.maxAngle, 6), "140.731");
    EXPECT_EQ(FormatFull(c.guideRodDia), "7.65");
    EXPECT_EQ(FormatGeneral(c.moment2, 6), "9.60335");
    EXPECT_NEAR(c.moment1, c.moment2 / 2, 1e-15);
    EXPECT_EQ(FormatGeneral(c.stress2, 5), "97.819");
    EXPECT_NEAR(c.stress1, c.stress2 / 2, 1e-12);
    // Inputs and untouched fields stay as they were.
    EXPECT_EQ(c.angle1, 45);
    EXPECT_EQ(c.angle2, 90);
    EXPECT_EQ(c.lifeClass, 0);
}

TEST(CalculateCase, WorkedExampleOutward) {
    const auto table = ExampleTable();
    DesignCase c = ExampleCase();
    c.outward = 1;
    CalculateCase(c, *table);
    EXPECT_EQ(FormatGeneral(c.maxMoment, 6), "9.66343");
    EXPECT_EQ(FormatFull(c.guideRodDia), "8.1");
    EXPECT_EQ(FormatGeneral(c.stress2, 6), "152.006");
    EXPECT_EQ(FormatGeneral(c.maxAngle, 6), FormatGeneral(c.maxMoment / c.springConst, 6));

    // The larger arm counts, whichever side it is on.
    DesignCase left = ExampleCase(), right = ExampleCase(), both = ExampleCase();
    left.outward = right.outward = both.outward = 1;
    left.arm1 = 30, left.arm2 = 20;
    right.arm1 = 20, right.arm2 = 30;
    both.arm1 = both.arm2 = 30;
    CalculateCase(left, *table);
    CalculateCase(right, *table);
    CalculateCase(both, *table);
    EXPECT_EQ(left.maxMoment, right.maxMoment);
    EXPECT_EQ(left.maxMoment, both.maxMoment);
    EXPECT_NE(left.maxMoment, c.maxMoment);
}

TEST(CalculateCase, OutwardStressOrderX87LastBit) {
    SKIP_UNLESS_X87_LONG_DOUBLE();
    const auto table = ExampleTable();
    // The outward stress is evaluated left to right, (32 M / π / d³) · (D/2 + R) / R · κ;
    // taking (D/2 + R) / R first ends one unit lower here.
    DesignCase far = ExampleCase();
    far.outward = 1;
    far.inputMode = 0;
    far.wireDia = 2.94;
    far.meanDia = 13.36;
    far.innerDia = 13.36 - 2.94;
    far.outerDia = 13.36 + 2.94;
    far.arm1 = far.arm2 = 48.5;
    far.moment2 = 715.97;
    CalculateCase(far, *table);
    EXPECT_EQ(far.stress2, 389.87869941709545);
}

TEST(CalculateCase, MomentModeComputesAnglesAndKeepsStressesFreeOfTheModulus) {
    const auto table = ExampleTable();
    DesignCase stiff = ExampleCase();
    stiff.inputMode = 0;
    stiff.moment1 = 50;
    stiff.moment2 = 100;
    DesignCase soft = stiff;
    soft.materialNo = 1;
    CalculateCase(stiff, *table);
    CalculateCase(soft, *table);
    EXPECT_EQ(FormatGeneral(stiff.stress2, 6), "1018.59");  // 3200 / 3.14159
    EXPECT_EQ(stiff.stress2, soft.stress2);
    EXPECT_EQ(stiff.stress1, soft.stress1);
    EXPECT_NEAR(stiff.angle2, 100 / stiff.springConst, 1e-9);
    EXPECT_NEAR(soft.angle2, 2 * stiff.angle2, 1e-9);

    // In angle mode the modulus enters through M = phi * k.
    DesignCase a = ExampleCase(), b = ExampleCase();
    b.materialNo = 1;
    CalculateCase(a, *table);
    CalculateCase(b, *table);
    EXPECT_NEAR(b.stress2, a.stress2 / 2, 1e-9);
}

TEST(CalculateCase, GuideRodFollowsTheAngleOfThisCalculation) {
    const auto table = ExampleTable();
    DesignCase c = ExampleCase();
    c.inputMode = 0;
    c.angle2 = 0;  // left from an earlier calculation: not used
    c.moment2 = 9.60335;
    CalculateCase(c, *table);
    EXPECT_NEAR(c.guideRodDia, 7.65, 1e-5);  // (9 - 10 * 90 / 360 / 5) * 0.9
    EXPECT_NEAR(c.guideRodDia, (9 - 10 * c.angle2 / 360 / 5) * 0.9, 1e-12);
    const double first = c.guideRodDia;
    CalculateCase(c, *table);
    EXPECT_EQ(c.guideRodDia, first);

    // Shrinks with the angle, grows with the turns; outward ignores both.
    DesignCase wide = ExampleCase(), manyTurns = ExampleCase(), outward = ExampleCase();
    wide.angle2 = 180;
    manyTurns.turns = manyTurns.calcTurns = 10;
    outward.outward = 1;
    outward.angle2 = 720;
    CalculateCase(wide, *table);
    CalculateCase(manyTurns, *table);
    CalculateCase(outward, *table);
    EXPECT_LT(wide.guideRodDia, 7.65);
    EXPECT_GT(manyTurns.guideRodDia, 7.65);
    EXPECT_EQ(FormatFull(outward.guideRodDia), "8.1");
}

TEST(CalculateCase, ZeroWireDiameterStopsAtTheSpringIndex) {
    const auto table = ExampleTable();
    DesignCase c = ExampleCase();
    c.wireDia = 0;
    c.springConst = 5;
    c.springIndex = 6;
    EXPECT_EQ(CalcError(c, *table), kDivZero);
    EXPECT_EQ(c.springConst, 0);  // stored before the fault
    EXPECT_EQ(c.springIndex, 6);  // not reached

    c.meanDia = 0;  // 0 / 0
    EXPECT_EQ(CalcError(c, *table), kInvalid);
}

TEST(CalculateCase, SpringIndexZeroOrOneHasNoStressFactor) {
    const auto table = ExampleTable();
    for (double mean : {0.0, 1.0}) {
        DesignCase c = ExampleCase();
        c.meanDia = mean;
        c.stressFactor = 42;
        EXPECT_EQ(CalcError(c, *table), kDivZero) << mean;
        EXPECT_EQ(c.springIndex, mean);
        EXPECT_EQ(c.stressFactor, 42);
        EXPECT_GT(c.springConst, 0);
    }
}

TEST(CalculateCase, ZeroTurnsFailInTheGuideRodFormula) {
    const auto table = ExampleTable();
    DesignCase c = ExampleCase();
    c.turns = c.calcTurns = 0;
    c.guideRodDia = 3;
    EXPECT_EQ(CalcError(c, *table), kDivZero);
    EXPECT_GT(c.maxAngle, 0);
    EXPECT_EQ(c.guideRodDia, 3);
    EXPECT_EQ(c.moment2, 0);

    c.outward = 1;  // the outward guide rod does not divide by N
    EXPECT_EQ(CalcError(c, *table), "(no error)");
}

TEST(CalculateCase, ZeroSpringConstantFails) {
    auto table = ExampleTable();
    (*table)[0].youngModulus = 0;
    DesignCase c = ExampleCase();
    EXPECT_EQ(CalcError(c, *table), kDivZero);  // maxMoment / 0
    EXPECT_EQ(c.springConst, 0);
    EXPECT_GT(c.maxMoment, 0);

    // With no allowable stress as well: 0 / 0.
    for (auto& v : (*table)[0].allowBending) v = 0;
    for (auto& v : (*table)[0].tensileStrength) v = 0;
    DesignCase empty = ExampleCase();
    EXPECT_EQ(CalcError(empty, *table), kInvalid);
}

TEST(CalculateCase, UnknownMaterialCountsAsEmptyRecord) {
    const auto table = ExampleTable();
    for (int materialNo : {-1, 30, 1000000}) {
        DesignCase c = ExampleCase();
        c.materialNo = materialNo;
        EXPECT_EQ(CalcError(c, *table), kInvalid) << materialNo;
        EXPECT_EQ(c.springConst, 0);
        EXPECT_EQ(c.allowStress, 0);
        EXPECT_EQ(c.springIndex, 10);
    }
}

TEST(CalculateCase, ResultsBeyondTheDoubleRangeOverflow) {
    const auto table = ExampleTable();
    DesignCase c = ExampleCase();
    c.wireDia = 1e100;  // d^4 / ... exceeds any double
    c.springConst = 7;
    EXPECT_EQ(CalcError(c, *table), kOverflow);
    EXPECT_EQ(c.springConst, 7);

    DesignCase m = ExampleCase();
    m.inputMode = 0;
    m.moment2 = 1e308;
    m.moment1 = 1;
    EXPECT_EQ(CalcError(m, *table), kOverflow);  // the angle from M2 / k, for the guide rod
    EXPECT_EQ(m.angle1, 45);                     // not reached
    EXPECT_NEAR(m.maxAngle, m.maxMoment / m.springConst, 1e-9);
}

namespace {

DesignCase CheckedCase(double index, double angle1, double angle2, double allow, double stress2) {
    DesignCase c;
    c.springIndex = index;
    c.turns = 1;
    c.angle1 = angle1;
    c.angle2 = angle2;
    c.allowStress = allow;
    c.stress2 = stress2;
    return c;
}

struct CheckRow {
    double index, angle1, angle2, allow, stress2;
    std::vector<ComposedText> lines;
};
void PrintTo(const CheckRow& r, std::ostream* os) {
    *os << "index " << r.index << ", angles " << r.angle1 << "/" << r.angle2 << ", stress " << r.stress2
        << " of " << r.allow;
}

class CheckLimits : public ::testing::TestWithParam<CheckRow> {};

const std::vector<ComposedText> kSuccess{"Calculation Success!"};

}  // namespace

TEST_P(CheckLimits, GiveTheirLinesInOrder) {
    const CheckRow& r = GetParam();
    const CheckResult result = CheckCase(CheckedCase(r.index, r.angle1, r.angle2, r.allow, r.stress2));
    EXPECT_EQ(result.lines, r.lines);
    EXPECT_EQ(result.error, r.lines != kSuccess);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SpringIndexAnglesStress, CheckLimits, ::testing::Values(
    CheckRow{4, 10, 10, 100, 100, kSuccess},
    CheckRow{10, 10, 10, 100, 100, kSuccess},
    CheckRow{22, 10, 10, 100, 100, kSuccess},
    CheckRow{3.99, 0, 1, 1, 0, {"エラー：バネ指数が４以下"}},
    CheckRow{22.01, 0, 1, 1, 0, {"エラー：バネ指数が２２以上"}},
    CheckRow{10, 2, 1, 1, 0, {"エラー:ねじれ角度の順番が不適"}},
    CheckRow{10, 0, 1, 100, 100.0004, kSuccess},
    CheckRow{10, 0, 1, 100, 100.0006, {"エラー:ねじり応力オーバー"}},
    CheckRow{10, 0, 1, std::nan(""), 100, {"エラー:ねじり応力オーバー"}},
    CheckRow{10, 0, 1, 100, std::nan(""), {"エラー:ねじり応力オーバー"}},
    CheckRow{2, 5, 4, 1, 2, {"エラー：バネ指数が４以下", "エラー:ねじれ角度の順番が不適", "エラー:ねじり応力オーバー"}}));
// clang-format on

TEST(CheckCase, MomentModeChecksTheComputedAngles) {
    const auto table = ExampleTable();
    DesignCase c = ExampleCase();
    c.inputMode = 0;
    c.moment1 = 5;
    c.moment2 = 4;
    c.angle1 = 0;
    c.angle2 = 90;
    CalculateCase(c, *table);
    EXPECT_EQ(CheckCase(c).lines, std::vector<ComposedText>{"エラー:ねじれ角度の順番が不適"});
}

TEST(ReadDiameters, DerivesTheCoilDiametersByMode) {
    const auto table = ExampleTable();
    const KindIndex index = BuildKindIndex(*table);
    WindowInputs in = ExampleInputs();
    DesignCase c = ExampleCase();

    c.diaMode = 0;
    EXPECT_EQ(ReadDiameters(c, *table, index, in),
              std::optional<std::string>("バネ指数=7.67"));  // 11.5 / 1.5
    EXPECT_EQ(c.materialNo, 0);
    EXPECT_EQ(c.wireDiaIndex, 1);
    // The list value 1.5 derives the diameters; the typed text then replaces wireDia.
    EXPECT_EQ(c.innerDia, 10);
    EXPECT_EQ(c.meanDia, 11.5);
    EXPECT_EQ(c.outerDia, 13);

    c.diaMode = 1;
    ReadDiameters(c, *table, index, in);
    EXPECT_EQ(c.innerDia, 8.5);
    EXPECT_EQ(c.meanDia, 10);
    EXPECT_EQ(c.outerDia, 11.5);

    c.diaMode = 2;
    ReadDiameters(c, *table, index, in);
    EXPECT_EQ(c.innerDia, 7);
    EXPECT_EQ(c.meanDia, 8.5);
    EXPECT_EQ(c.outerDia, 10);

    c.diaMode = 3;  // unknown mode: the diameters stay
    in.coilDiaText = "99";
    in.wireDiaText = "2";
    EXPECT_EQ(ReadDiameters(c, *table, index, in), std::optional<std::string>("バネ指数=4.25"));
    EXPECT_EQ(c.outerDia, 10);
    EXPECT_EQ(c.wireDia, 2);

    c.meanDia = 0;
    EXPECT_EQ(ReadDiameters(c, *table, index, in), std::nullopt);
}

TEST(ReadDiameters, NoWireDiameterNeverReadsOutsideTheList) {
    const auto table = ExampleTable();
    const KindIndex index = BuildKindIndex(*table);
    for (int pos : {-1, 3, 49, 50, 1000}) {  // rows 0..2 exist
        WindowInputs in = ExampleInputs();
        in.diameterPos = pos;
        in.wireDiaText = "";
        DesignCase c = ExampleCase();
        EXPECT_EQ(ErrorOf([&] { ReadDiameters(c, *table, index, in); }), "'' は浮動小数点数ではありません");
        EXPECT_EQ(c.wireDiaIndex, pos);
        EXPECT_EQ(c.wireDia, 0);
        EXPECT_EQ(c.innerDia, 10);  // derived with d = 0
        EXPECT_EQ(c.outerDia, 10);
    }
    // Positions that name no material: record -1, d = 0.
    WindowInputs in = ExampleInputs();
    in.kindPos = 9;
    DesignCase c = ExampleCase();
    ReadDiameters(c, *table, index, in);
    EXPECT_EQ(c.materialNo, -1);
    EXPECT_EQ(c.innerDia, 10);
    EXPECT_EQ(c.wireDia, 1.5);  // the text still counts
}

TEST(ReadDiameters, StopsAtTheFirstBadText) {
    const auto table = ExampleTable();
    const KindIndex index = BuildKindIndex(*table);
    WindowInputs in = ExampleInputs();
    in.coilDiaText = "1O";
    DesignCase c = ExampleCase();
    c.meanDia = 77;
    EXPECT_EQ(ErrorOf([&] { ReadDiameters(c, *table, index, in); }), "'1O' は浮動小数点数ではありません");
    EXPECT_EQ(c.wireDia, 1.5);  // steps before the bad box are kept
    EXPECT_EQ(c.meanDia, 77);

    in.coilDiaText = "10";
    in.wireDiaText = "0";
    EXPECT_EQ(ErrorOf([&] { ReadDiameters(c, *table, index, in); }), kDivZero);  // D / d for the caption
}

TEST(ReadOperatingInputs, ReadsInOrderAndStopsAtTheFirstBadText) {
    WindowInputs in = ExampleInputs();
    DesignCase c = ExampleCase();
    ReadOperatingInputs(c, in);
    EXPECT_EQ(c.turns, 5);
    EXPECT_EQ(c.calcTurns, 5);
    EXPECT_EQ(c.moment1, 4.8);
    EXPECT_EQ(c.moment2, 9.6);
    EXPECT_EQ(c.arm2, 12);
    EXPECT_EQ(c.outward, 1);
    EXPECT_EQ(c.leftHand, 1);

    in.turnsText = "7.5";
    in.angle1Text = "30";
    in.angle2Text = "abc";
    in.arm2Text = "99";
    in.outward = false;
    EXPECT_EQ(ErrorOf([&] { ReadOperatingInputs(c, in); }), "'abc' は浮動小数点数ではありません");
    EXPECT_EQ(c.turns, 7.5);
    EXPECT_EQ(c.calcTurns, 7.5);
    EXPECT_EQ(c.angle1, 30);
    EXPECT_EQ(c.angle2, 90);
    EXPECT_EQ(c.arm2, 12);
    EXPECT_EQ(c.outward, 1);
}

TEST(CaseTable, InitAndCopy) {
    CaseTable table{};
    table[0].maxMoment = 3;
    table[0].guideRodDia = 4;
    table[0].reservedFlags = {1, 2};
    InitCurrentCase(table[0]);
    EXPECT_EQ(table[0].used, 1);
    EXPECT_EQ(table[0].wireDiaIndex, 22);
    EXPECT_EQ(table[0].reserved2, 9.6);
    EXPECT_EQ(table[0].appliedMaxAngle, 22.4);
    // Fields the defaults do not name keep what they held.
    EXPECT_EQ(table[0].maxMoment, 3);
    EXPECT_EQ(table[0].guideRodDia, 4);
    EXPECT_EQ(table[0].reservedFlags[1], 2);

    CopyCase(table, 0, 30);
    EXPECT_EQ(EncodeCaseTable(table).size(), kCaseTableSize);
    std::uint8_t a[224], b[224];
    EncodeDesignCase(table[0], a);
    EncodeDesignCase(table[30], b);
    EXPECT_EQ(std::memcmp(a, b, 224), 0);

    CopyCase(table, 5, 0);  // an empty slot replaces the current case, used flag included
    EXPECT_EQ(table[0].used, 0);

    const auto before = EncodeCaseTable(table);
    for (auto [from, to] :
         std::initializer_list<std::pair<int, int>>{{-1, 1}, {31, 1}, {1, -1}, {1, 31}, {0, 1000}})
        CopyCase(table, from, to);
    EXPECT_EQ(EncodeCaseTable(table), before);
}

TEST(CaseStressCoefficients, RatioToTensileStrengthOrInvalid) {
    auto table = ExampleTable();
    DesignCase c = ExampleCase();
    c.stress1 = 100;
    c.stress2 = 120;
    const StressCoefficients ok = CaseStressCoefficients(c, *table);  // sigmaB = 2000 at row 1
    EXPECT_TRUE(ok.valid);
    EXPECT_DOUBLE_EQ(ok.lower, 0.49);
    EXPECT_DOUBLE_EQ(ok.upper, 0.588);

    auto expectInvalid = [&](const DesignCase& bad, const char* why) {
        const StressCoefficients r = CaseStressCoefficients(bad, *table);
        EXPECT_FALSE(r.valid) << why;
        EXPECT_TRUE(std::isnan(r.lower) && std::isnan(r.upper)) << why;
    };
    DesignCase bad = c;
    bad.materialNo = -1;
    expectInvalid(bad, "material -1");
    bad = c;
    bad.materialNo = 30;
    expectInvalid(bad, "material 30");
    bad = c;
    bad.wireDiaIndex = 50;
    expectInvalid(bad, "row 50");
    bad = c;
    bad.wireDiaIndex = -1;
    expectInvalid(bad, "row -1");
    bad = c;
    bad.wireDiaIndex = 10;  // inside the record, strength 0
    expectInvalid(bad, "strength 0");
    (*table)[0].tensileStrength[1] = std::nan("");
    expectInvalid(c, "strength NaN");
}

TEST(CaseDisplayTexts, FormatsAndLabels) {
    DesignCase c = ExampleCase();
    c.turns = 5.123456789;
    c.angle1 = 45.123456;
    c.springConst = 0.1067041234;
    c.stress2 = 97.81912;
    c.allowStress = 152.9574;
    c.guideRodDia = 7.65;
    c.lifeClass = 2;
    c.innerDia = 9.123456789;

    CaseTexts t = CaseDisplayTexts(c);
    EXPECT_EQ(t.diameterLabel, std::optional<std::string>("平均径"));
    EXPECT_EQ(t.coilDiaText, std::optional<std::string>("10"));
    EXPECT_EQ(t.turnsText, "5.123456789");
    EXPECT_EQ(t.angle1Text, "45.12");
    EXPECT_EQ(t.springConstText, "0.1067");
    EXPECT_EQ(t.stress2Text, "97.82");
    EXPECT_EQ(t.allowStressText, "153");
    EXPECT_EQ(t.lifeText, "10万");
    EXPECT_EQ(t.guideRodCaption, "案内棒径＝7.65mm");

    c.diaMode = 0;
    t = CaseDisplayTexts(c);
    EXPECT_EQ(t.diameterLabel, std::optional<std::string>("内径"));
    EXPECT_EQ(t.coilDiaText, std::optional<std::string>("9.123456789"));
    c.diaMode = 2;
    EXPECT_EQ(CaseDisplayTexts(c).diameterLabel, std::optional<std::string>("外径"));
    c.diaMode = -1;
    c.lifeClass = 8;
    t = CaseDisplayTexts(c);
    EXPECT_FALSE(t.diameterLabel.has_value());
    EXPECT_FALSE(t.coilDiaText.has_value());
    EXPECT_EQ(t.lifeText, "");
}

TEST(SwitchDiameterMode, CyclesInnerMeanOuterAndLeavesForeignModes) {
    DesignCase c = ExampleCase();  // Di = 9, D = 10, Do = 11
    const struct {
        int from, to;
        const char *label, *text;
    } steps[] = {{0, 1, "平均径", "10"}, {1, 2, "外径", "11"}, {2, 0, "内径", "9"}};
    for (const auto& step : steps) {
        c.diaMode = step.from;
        ASSERT_TRUE(SwitchDiameterMode(c)) << step.from;
        EXPECT_EQ(c.diaMode, step.to);
        const std::optional<ShownDiameter> shown = ShownCoilDiameter(c);
        ASSERT_TRUE(shown.has_value()) << step.to;
        EXPECT_EQ(shown->label, step.label);
        EXPECT_EQ(shown->text, step.text);
    }
    for (int foreign : {-1, 3, 2147483647, -2147483647 - 1}) {
        c.diaMode = foreign;
        EXPECT_FALSE(SwitchDiameterMode(c)) << foreign;
        EXPECT_EQ(c.diaMode, foreign);
        EXPECT_FALSE(ShownCoilDiameter(c).has_value()) << foreign;
    }
}

TEST(RecommendedCaptions, TextsAndRange) {
    EXPECT_EQ(MaxTorqueCaption(3.14159 * 100 / 32), "最大トルク=9.817kgf･mm");
    EXPECT_EQ(MaxAngleCaption(140.7312), "最大角度=140.7度");
    EXPECT_EQ(GuideRodCaption(7.65), "案内棒径=　7.65mm");
    EXPECT_EQ(AppliedMomentCaption(15.01654), "最大=15.02kgf");
    EXPECT_TRUE(SpringIndexInRecommendedRange(3));
    EXPECT_TRUE(SpringIndexInRecommendedRange(22));
    EXPECT_FALSE(SpringIndexInRecommendedRange(2.99));
    EXPECT_FALSE(SpringIndexInRecommendedRange(22.01));
    EXPECT_FALSE(SpringIndexInRecommendedRange(std::nan("")));
}

namespace {

// The one evaluation: the results, life and checks belong to the inputs it was given,
// whatever the case held before, and the inputs themselves are left as they were.
TEST(EvaluationTest, ResultsLifeAndChecksBelongToTheGivenInputs) {
    const auto table = ExampleTable();
    DesignCase stale = ExampleCase();
    stale.lifeClass = 7;
    stale.springConst = 99;
    stale.angle1 = 120;  // after φ2 = 90: the angle order breaks
    const Evaluation e = EvaluateDesign(stale, *table);
    EXPECT_EQ(stale.springConst, 99);
    DesignCase alone = stale;
    CalculateCase(alone, *table);
    EXPECT_EQ(e.design.springConst, alone.springConst);
    EXPECT_EQ(e.design.stress2, alone.stress2);
    // σB = 2000 N/mm² on row 1; the ratios are σ / σB × 9.8.
    EXPECT_DOUBLE_EQ(e.stressRatio.upper, alone.stress2 / 2000 * 9.8);
    EXPECT_EQ(e.design.lifeClass, EstimateLife(alone.stress1 / 2000 * 9.8, alone.stress2 / 2000 * 9.8));
    EXPECT_TRUE(e.checks.error);
    EXPECT_EQ(e.checks.lines, std::vector<ComposedText>{kAngleOrderError});
    // A case already calculated is evaluated as it stands.
    EXPECT_EQ(EvaluationOf(alone, *table).design.lifeClass, e.design.lifeClass);
    DesignCase broken = ExampleCase();
    broken.wireDia = 0;
    EXPECT_EQ(ErrorOf([&] { EvaluateDesign(broken, *table); }),
              ErrorOf([&] { CalculateCase(broken, *table); }));
}

}  // namespace
