#include "core/tolerances/tolerance_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

using namespace torsion;

namespace {

const auto kRows = BuiltInToleranceRows();
const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

const std::string kPianoWireSjis = "\x83\x73\x83\x41\x83\x6D\x90\xFC";  // ピアノ線
const std::string kStainlessSjis =
    "\x82\xCE\x82\xCB\x97\x70\x83\x58\x83\x65\x83\x93\x83\x8C\x83\x58\x8D\x7C\x90"
    "\xFC";  // ばね用ステンレス鋼線

void ExpectValue(const ToleranceResult& r, double expected, const std::string& what) {
    ASSERT_EQ(r.state, ToleranceState::Value) << what << ": " << r.row;
    EXPECT_NEAR(r.plusMinus, expected, 1e-9) << what << ": " << r.row;
}

void ExpectNoValue(const ToleranceResult& r, const std::string& what) {
    EXPECT_EQ(r.state, ToleranceState::NoPublishedValue) << what;
    EXPECT_TRUE(std::isnan(r.plusMinus)) << what;
    EXPECT_FALSE(r.row.empty()) << what;
}

}  // namespace

// The worked example of data/tolerances.md: N = 1.3 lies below the β2 table, so there is
// no published ΔM, only the reference with the derived β2 = 8°.
TEST(MomentTolerance, WorkedExampleHasOnlyTheReferenceFigure) {
    const double expected[] = {29.50, 31.79, 35.21};
    for (int grade = 1; grade <= 3; ++grade) {
        const ToleranceResult r = MomentTolerance(kRows, grade, 1.3, 35, 3.26);
        ExpectNoValue(r, "grade " + std::to_string(grade));
        EXPECT_NEAR(r.reference, expected[grade - 1], 0.0051) << grade;  // the notes round to 0.01
        EXPECT_NE(r.row.Japanese().find("導出値"), std::string::npos) << r.row;
    }
}

TEST(MomentTolerance, PublishedBeta2GivesValueAndPercent) {
    const ToleranceResult r = MomentTolerance(kRows, 2, 5, 35, 3.26);
    ExpectValue(r, (35 * 0.05 + 10) * 3.26, "N=5");
    EXPECT_NEAR(r.percent, (35 * 0.05 + 10) / 35 * 100, 1e-9);
    EXPECT_NE(r.row.Japanese().find("巻数 N 3を超え10以下"), std::string::npos) << r.row;
    // At φ = 0 the band is β2·k and there is no percentage of a zero moment.
    const ToleranceResult atZero = MomentTolerance(kRows, 1, 5, 0, 2);
    ExpectValue(atZero, 20, "phi 0");
    EXPECT_TRUE(std::isnan(atZero.percent));
}

TEST(MomentTolerance, Beta2RangeBoundaries) {
    struct Row {
        double turns;
        double beta2;  // NaN: no published value
    };
    const Row rows[] = {
        {3, kNan},    {std::nextafter(3.0, 4.0), 10}, {10, 10}, {10.01, 15}, {20, 15}, {20.01, 20}, {30, 20},
        {30.01, kNan}};
    for (const Row& row : rows) {
        const ToleranceResult r = MomentTolerance(kRows, 1, row.turns, 10, 1);
        if (std::isnan(row.beta2))
            ExpectNoValue(r, "N=" + std::to_string(row.turns));
        else
            ExpectValue(r, 10 * 0.03 + row.beta2, "N=" + std::to_string(row.turns));
    }
    // Above 30 turns there is not even a derived figure.
    EXPECT_TRUE(std::isnan(MomentTolerance(kRows, 1, 31, 10, 1).reference));
}

TEST(FreeAngleTolerance, TurnsAndGrades) {
    struct Row {
        double turns;
        double byGrade[3];
    };
    const Row rows[] = {{1.3, {8, 10, 15}}, {3, {8, 10, 15}},     {3.5, {10, 15, 20}}, {10, {10, 15, 20}},
                        {20, {15, 20, 30}}, {20.5, {20, 30, 40}}, {30, {20, 30, 40}}};
    for (const Row& row : rows)
        for (int grade = 1; grade <= 3; ++grade)
            ExpectValue(FreeAngleTolerance(kRows, grade, row.turns, 10), row.byGrade[grade - 1],
                        "N=" + std::to_string(row.turns) + " grade " + std::to_string(grade));
    ExpectNoValue(FreeAngleTolerance(kRows, 2, 30.5, 10), "above 30");
    ExpectNoValue(FreeAngleTolerance(kRows, 2, 0, 10), "0 turns (range starts above 0)");
    // The table applies to spring indexes 4..22 only, bounds included.
    for (double index : {4.0, 22.0}) ExpectValue(FreeAngleTolerance(kRows, 2, 5, index), 15, "c at a bound");
    for (double index : {3.5, 3.999, 22.001, 24.0}) {
        const ToleranceResult r = FreeAngleTolerance(kRows, 2, 5, index);
        ExpectNoValue(r, "c=" + std::to_string(index));
        EXPECT_NE(r.row.Japanese().find("4 ≤ D/d ≤ 22"), std::string::npos) << r.row;
    }
}

TEST(CoilDiameterTolerance, WorkedExampleMinimumGoverns) {
    const double expected[] = {0.2, 0.3, 0.5};
    for (int grade = 1; grade <= 3; ++grade) {
        ExpectValue(CoilDiameterTolerance(kRows, grade, 10, 9), expected[grade - 1], "Di");
        ExpectValue(CoilDiameterTolerance(kRows, grade, 10, 11), expected[grade - 1], "Do");
    }
    const ToleranceResult r = CoilDiameterTolerance(kRows, 2, 10, 9);
    EXPECT_NEAR(r.percent, 0.3 / 9 * 100, 1e-9);
    EXPECT_NE(r.row.Japanese().find("コイル径 2級 ばね指数 c=D/d 8を超え15以下: ±2%（最小±0.3mm）"),
              std::string::npos)
        << r.row;
    EXPECT_NE(r.row.Japanese().find("SOT,BMB"), std::string::npos) << r.row;
}

TEST(CoilDiameterTolerance, IndexBoundariesAndPercentGoverning) {
    // Diameter 100 mm, so the percentage governs and names the row: grade 1 percents
    // 1.0 for [4,8], 1.5 for (8,15], 2.0 for (15,22].
    struct Row {
        double index;
        double tolerance;  // NaN: outside the table
    };
    const Row rows[] = {{3.99, kNan}, {4, 1.0},     {8, 1.0},  {std::nextafter(8.0, 9.0), 1.5},
                        {15, 1.5},    {15.01, 2.0}, {22, 2.0}, {22.01, kNan}};
    for (const Row& row : rows) {
        const ToleranceResult r = CoilDiameterTolerance(kRows, 1, row.index, 100);
        if (std::isnan(row.tolerance))
            ExpectNoValue(r, "c=" + std::to_string(row.index));
        else
            ExpectValue(r, row.tolerance, "c=" + std::to_string(row.index));
    }
    ExpectValue(CoilDiameterTolerance(kRows, 1, 10, 40), 0.6, "c=10, Do=40: 1.5 % of 40");
    EXPECT_NE(CoilDiameterTolerance(kRows, 1, 2, 10).row.Japanese().find("表の範囲外"), std::string::npos);
}

TEST(CoilLengthTolerance, CloseWoundIsExcludedPitchWoundLooksUp) {
    const ToleranceResult closeWound = CoilLengthTolerance(kRows, 2, 10, 2.3, true);
    EXPECT_EQ(closeWound.state, ToleranceState::NotApplicable);
    EXPECT_TRUE(std::isnan(closeWound.plusMinus));
    const double expected[] = {0.4, 0.8, 1.4};
    for (int grade = 1; grade <= 3; ++grade)
        ExpectValue(CoilLengthTolerance(kRows, grade, 10, 2.3, false), expected[grade - 1], "pitch-wound");
    ExpectValue(CoilLengthTolerance(kRows, 3, 20, 100, false), 9, "9 % for (15,22]");
}

TEST(ArmLengthTolerance, PublishedCellsAndUnpublishedRanges) {
    ExpectValue(ArmLengthTolerance(kRows, 1, 1.0, 20), 0.5, "worked example, d=1.0 grade 1");
    ExpectNoValue(ArmLengthTolerance(kRows, 2, 1.0, 20), "d=1.0 grade 2 cut off");
    ExpectNoValue(ArmLengthTolerance(kRows, 1, 1.2, 20), "d above 1.0");
    ExpectNoValue(ArmLengthTolerance(kRows, 1, 0.09, 20), "d below 0.1");
    ExpectValue(ArmLengthTolerance(kRows, 1, 0.1, 20), 0.4, "d=0.1: 2 % of 20");
    ExpectValue(ArmLengthTolerance(kRows, 1, 0.5, 20), 0.4, "d=0.5 is in the first row");
    ExpectValue(ArmLengthTolerance(kRows, 3, 0.5, 20), 1.0, "grade 3 minimum 1.0");
    EXPECT_NE(ArmLengthTolerance(kRows, 3, 1.0, 20).row.Japanese().find("値は公表されていない"),
              std::string::npos);
}

TEST(ToleranceLookup, BadInputGivesEmpty) {
    for (int grade : {0, 4, -1}) {
        EXPECT_EQ(MomentTolerance(kRows, grade, 5, 30, 1).state, ToleranceState::Empty);
        EXPECT_EQ(FreeAngleTolerance(kRows, grade, 5, 10).state, ToleranceState::Empty);
        EXPECT_EQ(CoilDiameterTolerance(kRows, grade, 10, 9).state, ToleranceState::Empty);
        EXPECT_EQ(CoilLengthTolerance(kRows, grade, 10, 2, true).state, ToleranceState::Empty);
    }
    for (double bad : {kNan, kInf, -kInf}) {
        EXPECT_EQ(MomentTolerance(kRows, 2, bad, 30, 1).state, ToleranceState::Empty);
        EXPECT_EQ(MomentTolerance(kRows, 2, 5, bad, 1).state, ToleranceState::Empty);
        EXPECT_EQ(MomentTolerance(kRows, 2, 5, 30, bad).state, ToleranceState::Empty);
        EXPECT_EQ(FreeAngleTolerance(kRows, 2, bad, 10).state, ToleranceState::Empty);
        EXPECT_EQ(CoilDiameterTolerance(kRows, 2, bad, 9).state, ToleranceState::Empty);
        EXPECT_EQ(CoilDiameterTolerance(kRows, 2, 10, bad).state, ToleranceState::Empty);
        EXPECT_EQ(ArmLengthTolerance(kRows, 2, bad, 20).state, ToleranceState::Empty);
        EXPECT_EQ(ArmLengthTolerance(kRows, 2, 0.3, bad).state, ToleranceState::Empty);
    }
    // No rows at all: every lookup is out of table, nothing is read.
    EXPECT_EQ(CoilDiameterTolerance({}, 2, 10, 9).state, ToleranceState::NoPublishedValue);
    EXPECT_EQ(MomentTolerance({}, 2, 5, 30, 1).state, ToleranceState::NoPublishedValue);
    EXPECT_TRUE(std::isnan(WireDensity({}, "SWP-B", kPianoWireSjis).density));
}

TEST(ToleranceLookup, RandomInputsGiveConsistentResults) {
    std::mt19937_64 rng(15);
    std::uniform_real_distribution<double> wide(-50, 50);
    std::uniform_int_distribution<int> pick(0, 9);
    auto draw = [&]() -> double {
        switch (pick(rng)) {
            case 0:
                return kNan;
            case 1:
                return kInf;
            case 2:
                return -1e308;
            default:
                return wide(rng);
        }
    };
    for (int i = 0; i < 20000; ++i) {
        const int grade = pick(rng) - 3;
        const ToleranceResult results[] = {MomentTolerance(kRows, grade, draw(), draw(), draw()),
                                           FreeAngleTolerance(kRows, grade, draw(), draw()),
                                           CoilDiameterTolerance(kRows, grade, draw(), draw()),
                                           CoilLengthTolerance(kRows, grade, draw(), draw(), pick(rng) < 5),
                                           ArmLengthTolerance(kRows, grade, draw(), draw())};
        for (const ToleranceResult& r : results) {
            if (r.state == ToleranceState::Value) {
                ASSERT_TRUE(std::isfinite(r.plusMinus) && r.plusMinus >= 0) << r.row;
            } else {
                ASSERT_TRUE(std::isnan(r.plusMinus));
            }
            if (r.state == ToleranceState::Empty) {
                ASSERT_TRUE(r.row.empty());
            }
        }
    }
}

TEST(WireDensity, SymbolFirstThenKind) {
    struct Row {
        std::string symbol;
        std::string kind;
        double density;  // NaN: none
    };
    const Row rows[] = {{"SWP-B", "", 7.85},
                        {"SW-C", "", 7.85},
                        {"SWOSC-V", "", 7.85},
                        {"SUS302-WPB", kStainlessSjis, 7.93},
                        {"SUS304-WPA", kStainlessSjis, 7.93},
                        {"SUS316-WPA", kStainlessSjis, 7.98},
                        {"SUS631J1-WPC", kStainlessSjis, 7.81},
                        {"XYZ", kPianoWireSjis, 7.85},     // unknown symbol, known kind
                        {"SUS301", kStainlessSjis, kNan},  // a stainless grade without a row
                        {"", "", kNan}};
    for (const Row& row : rows) {
        const DensityResult r = WireDensity(kRows, row.symbol, row.kind);
        if (std::isnan(row.density))
            EXPECT_TRUE(std::isnan(r.density)) << row.symbol;
        else
            EXPECT_DOUBLE_EQ(r.density, row.density) << row.symbol;
        EXPECT_FALSE(r.row.empty());
    }
    EXPECT_NE(WireDensity(kRows, "SUS316-WPA", "").row.Japanese().find("SUSJIS"), std::string::npos);
}

// Source ids in a description are followed by what they stand for; unknown ids point
// to the list of sources.
TEST(SourceLegend, NamesEachIdOnceInOrder) {
    const std::string legend =
        SourceLegend("巻数 N 3を超え10以下: ±10°［出典 TSU,SOT］\nβ1［出典 TSU］［出典 XYZ］").Japanese();
    const std::size_t tsu = legend.find("TSU：JIS B 2704-2");
    const std::size_t sot = legend.find("\nSOT：");
    const std::size_t xyz = legend.find("\nXYZ：data/tolerances.md");
    EXPECT_EQ(tsu, 0u) << legend;
    EXPECT_NE(sot, std::string::npos) << legend;
    EXPECT_GT(xyz, sot) << legend;
    EXPECT_EQ(legend.find("TSU", tsu + 1), std::string::npos) << "TSU once";
    EXPECT_EQ(SourceLegend("出典のない行"), "");
    EXPECT_NE(AllSourcesLegend().Japanese().find("BMB："), std::string::npos);
}
