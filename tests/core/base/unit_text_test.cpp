#include "core/base/unit_text.h"

#include <gtest/gtest.h>

#include "core/base/command_error.h"
#include "core/calc/calculation.h"
#include "core/files/history_text.h"

using namespace torsion;

namespace {

TEST(ShownUnit, TextsAndCaptionsFollowTheUnit) {
    struct Row {
        UnitSystem unit;
        const char *moment, *stress, *rate, *value, *torque, *applied;
    };
    const Row rows[] = {
        {UnitSystem::Kgf, "kgf･mm", "kgf/mm^2", "kgf･mm/度", "100", "最大トルク=9.817kgf･mm",
         "最大=9.817kgf"},
        {UnitSystem::SI, "N･mm", "N/mm^2", "N･mm/度", "980.7", "最大トルク=96.28N･mm", "最大=96.28N･mm"},
    };
    const double maxMoment = 3.14159 * 100 / 32;
    for (const Row& r : rows) {
        EXPECT_EQ(MomentUnitText(r.unit), r.moment);
        EXPECT_EQ(StressUnitText(r.unit), r.stress);
        EXPECT_EQ(RateUnitText(r.unit), r.rate);
        EXPECT_EQ(FormatShownShort(100, r.unit), r.value);
        EXPECT_EQ(MaxTorqueCaption(maxMoment, r.unit), r.torque);
        EXPECT_EQ(AppliedMomentCaption(maxMoment, r.unit), r.applied);
        const auto& units = HistoryUnits(r.unit);
        for (int col : {7, 8}) EXPECT_EQ(units[col], r.moment);
        EXPECT_EQ(units[11], r.rate);
        for (int col : {12, 13}) EXPECT_EQ(units[col], r.stress);
    }
}

TEST(ShownUnit, CaseTextsAndHistoryRowConvertOnlyMomentsStressesAndTheRate) {
    DesignCase c{};
    c.used = 1;
    c.wireDia = 2.5;
    c.meanDia = 11;
    c.turns = 5.5;
    c.arm1 = 30;
    c.arm2 = 12;
    c.moment1 = 10;
    c.moment2 = 20;
    c.angle1 = 30;
    c.angle2 = 45;
    c.springConst = 0.5;
    c.stress2 = 100;
    c.allowStress = 150;
    const HistoryRow row = HistoryRowTexts(c, MaterialTable{}, UnitSystem::SI);
    const std::array<std::string, 12> expected{"2.5",   "11", "5.5", "30",    "12",    "98.07",
                                               "196.1", "30", "45",  "4.903", "980.7", "1471"};
    EXPECT_EQ(row.numbers, expected);
    EXPECT_EQ(HistoryRowTexts(c, MaterialTable{}).numbers[5], "10");

    const CaseTexts si = CaseDisplayTexts(c, UnitSystem::SI);
    EXPECT_EQ(si.moment1Text, "98.07");
    EXPECT_EQ(si.springConstText, "4.903");
    EXPECT_EQ(si.stress2Text, "980.7");
    EXPECT_EQ(si.allowStressText, "1471");
    EXPECT_EQ(si.angle1Text, "30");
    EXPECT_EQ(si.arm1Text, "30");
}

TEST(ShownUnit, ReadingABoxDoesNotDependOnTheUnitWhileItShowsWhatWasWritten) {
    const double moment = 3.20112;  // shows as 3.201 kgf･mm or 31.39 N･mm
    const WrittenValue kgf{moment, FormatShownShort(moment, UnitSystem::Kgf)};
    const WrittenValue si{moment, FormatShownShort(moment, UnitSystem::SI)};
    EXPECT_EQ(ReadShownValue(kgf.text, UnitSystem::Kgf, kgf), 3.201);
    EXPECT_EQ(ReadShownValue(si.text, UnitSystem::SI, si), 3.201);
    // Typed texts are numbers in the shown unit.
    EXPECT_EQ(ReadShownValue("3.201", UnitSystem::Kgf, std::nullopt), 3.201);
    EXPECT_DOUBLE_EQ(ReadShownValue("98.0665", UnitSystem::SI, si), 10);
    EXPECT_DOUBLE_EQ(ReadShownValue(" 1e3 ", UnitSystem::SI, std::nullopt), 1000 / kStandardGravity);
    try {
        ReadShownValue("abc", UnitSystem::SI, si);
        FAIL() << "no conversion error";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.message(), "'abc' は浮動小数点数ではありません");
    }
}

TEST(ShownUnit, SwitchingKeepsWrittenValuesAndConvertsTypedNumbers) {
    const double moment = 1018.59;
    const WrittenValue kgf{moment, "1019"};
    const std::optional<WrittenValue> si = ValueInOtherUnit("1019", UnitSystem::Kgf, UnitSystem::SI, kgf);
    ASSERT_TRUE(si);
    EXPECT_EQ(si->kgf, moment);
    EXPECT_EQ(si->text, "9989");
    const std::optional<WrittenValue> back = ValueInOtherUnit(si->text, UnitSystem::SI, UnitSystem::Kgf, si);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->kgf, moment);
    EXPECT_EQ(back->text, "1019");

    const std::optional<WrittenValue> typed = ValueInOtherUnit("50", UnitSystem::Kgf, UnitSystem::SI, kgf);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->text, "490.3");
    EXPECT_EQ(typed->kgf, 50);
    EXPECT_FALSE(ValueInOtherUnit("abc", UnitSystem::Kgf, UnitSystem::SI, kgf));
    EXPECT_FALSE(ValueInOtherUnit("", UnitSystem::SI, UnitSystem::Kgf, std::nullopt));
}

}  // namespace
