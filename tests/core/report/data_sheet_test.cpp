#include "core/report/data_sheet.h"

#include <gtest/gtest.h>

#include "tests/support/test_cases.h"

using namespace torsion;

namespace {

// "ピアノ線" in Shift-JIS.
const std::string kSymbolSjis = "\x83\x73\x83\x41\x83\x6D\x90\xFC";

class DataSheetTest : public ::testing::Test {
  protected:
    DataSheetTest() { SetShortString(table[3].symbol, kSymbolSjis); }
    MaterialTable table{};
};

}  // namespace

TEST_F(DataSheetTest, RowsCarryItemUnitAndTheValueInNewtons) {
    const DataSheetTexts t = DataSheetTextsOf(DataSheetCase(), table);
    EXPECT_EQ(t.symbolSjis, kSymbolSjis);
    const std::array<std::string, 3> expected[kDataSheetItems] = {
        {"材質", "", ""},
        {"材料の線径", "ｍｍ", "1.25"},
        {"コイル平均径", "ｍｍ", "10"},
        {"コイル外径", "ｍｍ", "11.25"},
        {"巻数", "巻数", "5"},
        {"巻き方向", "", "右"},
        {"ねじれ角度１", "度", "45"},
        {"モーメント１", "Ｎ・ｍｍ", "98.07"},  // 10 kgf·mm x 9.80665
        {"曲げ応力１", "Ｎ/ｍｍ＾２", "980.7"},
        {"ねじれ角度２", "度", "90"},
        {"モーメント２", "Ｎ・ｍｍ", "196.1"},  // 196.133
        {"曲げ応力２", "Ｎ/ｍｍ＾２", "1961"},  // 1961.33
        {"バネ定数", "Ｎ・ｍｍ/度", "9.807"},   // rounded factor
        {"案内棒直径", "ｍｍ", "7.65"},
    };
    for (int i = 0; i < kDataSheetItems; ++i) {
        const DataSheetRow& got = t.rows[static_cast<std::size_t>(i)];
        EXPECT_EQ(got.item, expected[i][0]) << "row " << i + 1;
        EXPECT_EQ(got.unit, expected[i][1]) << "row " << i + 1;
        EXPECT_EQ(got.value, expected[i][2]) << "row " << i + 1;
    }
}

TEST_F(DataSheetTest, FullFormatKeepsFifteenDigitsShortFormatFour) {
    DesignCase c = DataSheetCase();
    c.wireDia = 0.00005;
    c.meanDia = 12.3456789012345678;
    c.turns = 0.0001;
    c.angle1 = 12.3456;
    c.angle2 = 12346;
    const DataSheetTexts t = DataSheetTextsOf(c, table);
    EXPECT_EQ(t.rows[1].value, "5E-5");
    EXPECT_EQ(t.rows[2].value, "12.3456789012346");
    EXPECT_EQ(t.rows[4].value, "0.0001");
    EXPECT_EQ(t.rows[6].value, "12.35");
    EXPECT_EQ(t.rows[9].value, "1.235E4");
    EXPECT_EQ(t.sketchLabels[0], "角度１　= 12.35度");
    EXPECT_EQ(t.sketchLabels[2], "平均径　= 12.35mm");
}

TEST_F(DataSheetTest, SketchLabelsUseTheRoundedFactorAndTheirExactTexts) {
    const DataSheetTexts t = DataSheetTextsOf(DataSheetCase(), table);
    const std::array<std::string, 7> expected = {
        "角度１　= 45度",      "角度２　= 90度", "平均径　= 10mm", "トルクM2= 196.1N･mm",  // 196.14
        "トルクM1= 98.07N･mm", "ａ1 = 15mm",     "ａ2 = 20mm",
    };
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(t.sketchLabels[i], expected[i]) << i;

    // The two factors give different fourth digits for a moment of 51 kgf·mm:
    // 500.139 in the table, 500.157 on the sketch.
    DesignCase c = DataSheetCase();
    c.moment1 = 51;
    const DataSheetTexts t51 = DataSheetTextsOf(c, table);
    EXPECT_EQ(t51.rows[7].value, "500.1");
    EXPECT_EQ(t51.sketchLabels[4], "トルクM1= 500.2N･mm");
}

TEST_F(DataSheetTest, ForeignOrFaultyCasesAreShownAsTheyAre) {
    DesignCase c = DataSheetCase();
    c.leftHand = 1;
    c.materialNo = 40;  // outside the table: no symbol, no read outside it
    c.springIndex = 2;  // breaks the checks, which the sheet does not repeat
    c.angle1 = 120;
    c.angle2 = 30;
    c.stress2 = 1e6;
    const DataSheetTexts t = DataSheetTextsOf(c, table);
    EXPECT_EQ(t.symbolSjis, "");
    EXPECT_EQ(t.rows[5].value, "左");
    EXPECT_EQ(t.rows[6].value, "120");
    EXPECT_EQ(t.rows[9].value, "30");
    EXPECT_EQ(t.rows[11].value, "9.807E6");
    c.materialNo = -1;
    EXPECT_EQ(DataSheetTextsOf(c, table).symbolSjis, "");
}
