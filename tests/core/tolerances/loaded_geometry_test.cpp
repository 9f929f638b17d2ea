#include "core/tolerances/loaded_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "core/base/number_text.h"
#include "core/geometry/spring_3d.h"
#include "core/report/characteristic_sheet.h"
#include "tests/support/test_cases.h"

using namespace torsion;

namespace {

// The spring of the worked example in data/tolerances.md: d = 1, D = 10, N = 1.3,
// arms 20 and 20, φ2 = 35°, guide rod 0.9·(Di − ΔD(φ2)) as the calculation gives it.
DesignCase WorkedExample() {
    DesignCase c;
    PutSpring(c, 1.3, 20, 30, 35);
    c.springIndex = 10;
    c.springConst = 3.26 / kStandardGravity;  // 3.26 N·mm/°
    c.moment1 = 30 * c.springConst;
    c.moment2 = 35 * c.springConst;
    c.maxAngle = 70;
    c.maxMoment = 70 * c.springConst;
    c.guideRodDia = (9 - 10 * 35.0 / 360 / 1.3) * 0.9;
    return c;
}

}  // namespace

TEST(LoadedGeometry, WorkedExample) {
    const SpringGeometry g = LoadedSpringGeometry(WorkedExample(), 7.85);
    EXPECT_NEAR(g.atAngle2.diameterReduction, 0.748, 0.0005);
    EXPECT_NEAR(g.atAngle2.diameterReductionExact, 0.696, 0.0005);
    EXPECT_NEAR(g.atAngle2.loadedInnerDia, 8.252, 0.0005);
    EXPECT_NEAR(g.atAngle2.guideRodClearance, 0.1 * (9 - 0.74786), 0.0005);
    EXPECT_NEAR(g.freeBodyLength, 2.3, 1e-12);
    EXPECT_NEAR(g.atAngle2.bodyLength, 2.397, 0.0005);
    EXPECT_NEAR(g.wireLength, 80.84, 0.005);
    EXPECT_NEAR(g.helixWireLength, 80.91, 0.005);
    EXPECT_NEAR(g.mass, 0.498, 0.0005);
    EXPECT_NEAR(LoadedSpringGeometry(WorkedExample(), 7.93).mass, 0.503, 0.0005);
    EXPECT_NEAR(LoadedSpringGeometry(WorkedExample(), 7.81).mass, 0.496, 0.0005);
    // Twice the angle: twice the reduction in the linear form; the rod no longer clears.
    EXPECT_NEAR(g.atMaxAngle.diameterReduction, 2 * g.atAngle2.diameterReduction, 1e-12);
    EXPECT_LT(g.atMaxAngle.guideRodClearance, g.atAngle2.guideRodClearance);
}

TEST(LoadedGeometry, OutwardUnwindsTheCoil) {
    DesignCase c = WorkedExample();
    c.outward = 1;
    const LoadedState s = LoadedStateAt(c, 35);
    EXPECT_NEAR(s.diameterReduction, -0.748, 0.0005);
    EXPECT_NEAR(s.loadedInnerDia, 9.748, 0.0005);
    EXPECT_NEAR(s.bodyLength, 2.3 - 35.0 / 360, 1e-12);
}

TEST(LoadedGeometry, WhatCannotBeComputedIsNaN) {
    DesignCase c = WorkedExample();
    c.turns = 0;
    const SpringGeometry noTurns = LoadedSpringGeometry(c, 7.85);
    EXPECT_TRUE(std::isnan(noTurns.atAngle2.diameterReduction));
    EXPECT_TRUE(std::isnan(noTurns.atAngle2.loadedInnerDia));
    EXPECT_TRUE(std::isnan(noTurns.atAngle2.guideRodClearance));
    EXPECT_NEAR(noTurns.freeBodyLength, 1, 1e-12);

    const SpringGeometry noDensity = LoadedSpringGeometry(WorkedExample(), std::nan(""));
    EXPECT_TRUE(std::isnan(noDensity.mass));
    EXPECT_TRUE(std::isnan(LoadedSpringGeometry(WorkedExample(), -1).mass));
    EXPECT_TRUE(std::isnan(LoadedStateAt(WorkedExample(), std::nan("")).bodyLength));
    c = WorkedExample();
    c.meanDia = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(LoadedSpringGeometry(c, 7.85).wireLength));
}

// ---- the page's texts --------------------------------------------------------------

namespace {

MaterialTable PianoWireTable() {
    MaterialTable table{};
    SetShortString(table[0].symbol, "SWP-B");
    SetShortString(table[0].kindName, "\x83\x73\x83\x41\x83\x6D\x90\xFC");
    return table;
}

const SheetLine* FindLine(const CharacteristicSheet& sheet, const std::string& label) {
    for (const SheetLine& line : sheet.lines)
        if (line.label == label) return &line;
    return nullptr;
}

}  // namespace

TEST(CharacteristicSheet, WorkedExampleTexts) {
    const MaterialTable table = PianoWireTable();
    const CharacteristicSheet sheet = BuildCharacteristicSheet(WorkedExample(), table, 2, UnitSystem::Kgf);
    struct Expect {
        std::string label, text;
    };
    const Expect expected[] = {
        {"ばね特性 φ2=35°", std::string(kNoPublishedValueText)},
        {"腕の自由角度", "±10°"},
        {"コイル内径", "9 ±0.3 mm（±3.33%）"},
        {"コイル外径", "11 ±0.3 mm（±2.73%）"},
        {"コイル長さ", "2.3 mm　" + std::string(kCloseWoundText)},
        {"腕の長さ a2", std::string(kNoPublishedValueText)},  // grade 2, d = 1.0: cut off
        {"自由時の胴長", "2.3 mm"},
        {"線長", "80.84 mm"},
        {"質量", "0.4984 g"},
    };
    for (const Expect& e : expected) {
        const SheetLine* line = FindLine(sheet, e.label);
        ASSERT_NE(line, nullptr) << e.label;
        EXPECT_EQ(line->value.text, e.text) << e.label;
        EXPECT_FALSE(line->value.tip.empty()) << e.label;
    }
    const SheetLine* reduction = FindLine(sheet, "ΔD（JIS の近似）");
    ASSERT_NE(reduction, nullptr);
    EXPECT_EQ(reduction->value.text, "0.7479 mm");
    ASSERT_TRUE(reduction->atMax.has_value());
    EXPECT_EQ(reduction->atMax->text, "1.496 mm");
    // The 3D model's ΔD, named as such, and its loaded mean diameter: the coil diameter
    // of the model at φ2 and at the maximum angle, as STEP and STL write it.
    const SheetLine* model = FindLine(sheet, "ΔD（3D モデル）");
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->value.text, "0.6958 mm");
    const SheetLine* mean = FindLine(sheet, "負荷時の平均径（3D モデル）");
    ASSERT_NE(mean, nullptr);
    ASSERT_TRUE(mean->atMax.has_value());
    EXPECT_EQ(mean->value.text,
              FormatShort(SpringShapeAt(WorkedExample(), SpringState::Angle2).coilDia) + " mm");
    EXPECT_EQ(mean->atMax->text,
              FormatShort(SpringShapeAt(WorkedExample(), SpringState::MaxAngle).coilDia) + " mm");
    EXPECT_NE(FindLine(sheet, "負荷時の内径（JIS の近似）"), nullptr);
    // The reference figure of grade 2 in kgf·mm stands in the tooltip only.
    EXPECT_NE(FindLine(sheet, "ばね特性 φ2=35°")->value.tip.Japanese().find("±3.241 kgf･mm"),
              std::string::npos);
    EXPECT_EQ(sheet.plot.band, ToleranceState::NoPublishedValue);
    EXPECT_DOUBLE_EQ(sheet.plot.beta2, 8);
}

// A gap g = 0.5 between the coils: L0 = d·(N + 1) + g·N = 2.95, at φ2 = 35° the body adds
// (d + g)·35/360; the coil's wire N·√((π·D)² + g²) = 40.8459 and the mass with it; the page
// gives the open-wound coil its JIS length tolerance.
TEST(CharacteristicSheet, AGapBetweenCoilsLengthensBodyWireAndMass) {
    const SpringGeometry closed = LoadedSpringGeometry(WorkedExample(), 7.85);
    const SpringGeometry g = LoadedSpringGeometry(WorkedExample(), 7.85, 0.5);
    EXPECT_NEAR(g.freeBodyLength, 2.95, 1e-12);
    EXPECT_NEAR(g.atAngle2.bodyLength, 2.95 + 1.5 * 35 / 360, 1e-12);
    EXPECT_NEAR(g.atMaxAngle.bodyLength, 2.95 + 1.5 * 70 / 360, 1e-12);
    EXPECT_NEAR(g.wireLength, 80.8459, 5e-5);
    EXPECT_NEAR(g.mass / closed.mass, g.wireLength / closed.wireLength, 1e-12);
    EXPECT_EQ(g.atAngle2.diameterReduction, closed.atAngle2.diameterReduction);

    DesignOptions options;
    options.pitchGap = 0.5;
    const MaterialTable table = PianoWireTable();
    const CharacteristicSheet sheet = BuildCharacteristicSheet(
        EvaluationOf(WorkedExample(), table, {2, {}, options}), table, UnitSystem::Kgf);
    EXPECT_EQ(FindLine(sheet, "自由時の胴長")->value.text, "2.95 mm");
    EXPECT_EQ(FindLine(sheet, "線長")->value.text, "80.85 mm");
    EXPECT_EQ(FindLine(sheet, "コイル長さ")->value.text.Japanese().find(kCloseWoundText), std::string::npos);
}

TEST(CharacteristicSheet, UnitsDiameterModeAndMissingDensity) {
    DesignCase c = WorkedExample();
    c.turns = 5;  // a published β2 of 10°
    c.diaMode = 0;
    MaterialTable table = PianoWireTable();
    SetShortString(table[0].symbol, "C5191");
    SetShortString(table[0].kindName, "bronze");
    const CharacteristicSheet si = BuildCharacteristicSheet(c, table, 1, UnitSystem::SI);
    // ΔM = (35·0.03 + 10)·3.26 N·mm; M2 = 114.1 N·mm.
    EXPECT_EQ(FindLine(si, "ばね特性 φ2=35°")->value.text, "114.1 ±36.02 N･mm（±31.6%）");
    EXPECT_NE(FindLine(si, "コイル内径"), nullptr);
    EXPECT_EQ(FindLine(si, "コイル外径"), nullptr);  // the inner diameter is the one given
    EXPECT_EQ(FindLine(si, "質量")->value.text, "密度データなし");
    EXPECT_NEAR(si.plot.moment2, 114.1, 1e-9);
    EXPECT_EQ(si.plot.band, ToleranceState::Value);

    const CharacteristicSheet kgf = BuildCharacteristicSheet(c, table, 1, UnitSystem::Kgf);
    EXPECT_EQ(FindLine(kgf, "ばね特性 φ2=35°")->value.text, "11.63 ±3.673 kgf･mm（±31.6%）");
    c.diaMode = 2;
    const CharacteristicSheet outer = BuildCharacteristicSheet(c, table, 1, UnitSystem::Kgf);
    EXPECT_EQ(FindLine(outer, "コイル内径"), nullptr);
    EXPECT_NE(FindLine(outer, "コイル外径"), nullptr);
}

TEST(CharacteristicSheet, ForeignCaseGivesEmptyTextsNotACrash) {
    DesignCase c{};
    c.materialNo = 99;
    c.meanDia = c.springIndex = c.turns = std::nan("");
    const CharacteristicSheet sheet = BuildCharacteristicSheet(c, PianoWireTable(), 2, UnitSystem::Kgf);
    EXPECT_EQ(FindLine(sheet, "線長")->value.text, "");
    EXPECT_EQ(FindLine(sheet, "コイル内径")->value.text, "");
    EXPECT_EQ(FindLine(sheet, "質量")->value.text, "密度データなし");
}

// A case file may hold any bytes, and a recalled case fills the page.
TEST(CharacteristicSheet, RandomCaseRecordsGiveTextsNotACrash) {
    std::mt19937 rng(15);
    std::uniform_int_distribution<int> byte(0, 255);
    const MaterialTable table = PianoWireTable();
    for (int i = 0; i < 2000; ++i) {
        std::uint8_t bytes[kDesignCaseSize];
        for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(byte(rng));
        DesignCase c = DecodeDesignCase(bytes);
        if (i % 2 == 0) c.materialNo = 0;  // the variation and the wire need a known material
        const DynamicsInputs dynamics{i % 3 == 0 ? kNoNumber : c.reserved2,
                                      i % 5 == 0 ? kNoNumber : c.reserved3};
        const CharacteristicSheet sheet =
            BuildCharacteristicSheet(c, table, 1 + i % 3, UnitSystem::SI, dynamics);
        ASSERT_GE(sheet.lines.size(), 15u);
        for (const SheetLine& line : sheet.lines) {
            ASSERT_FALSE(line.label.empty());
            // No number that is not one ever reaches a text.
            for (const std::string& text : {line.value.text.Japanese(), line.value.tip.Japanese(),
                                            line.atMax.value_or(SheetCell{}).text.Japanese()})
                for (const char* word : {"nan", "NaN", "inf", "Inf"})
                    ASSERT_EQ(text.find(word), std::string::npos) << line.label << ": " << text;
        }
    }
}

TEST(CharacteristicSheet, FreeAngleOnlyWhereTheTableApplies) {
    const MaterialTable table = PianoWireTable();
    for (const double index : {3.5, 24.0}) {
        DesignCase c = WorkedExample();
        c.meanDia = index * c.wireDia;
        c.springIndex = index;
        const CharacteristicSheet sheet = BuildCharacteristicSheet(c, table, 2, UnitSystem::Kgf);
        const SheetLine* line = FindLine(sheet, "腕の自由角度");
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->value.text, kNoPublishedValueText) << index;
        EXPECT_NE(line->value.tip.Japanese().find("4 ≤ D/d ≤ 22"), std::string::npos) << line->value.tip;
    }
}
