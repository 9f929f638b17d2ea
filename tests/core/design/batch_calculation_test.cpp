#include "core/design/batch_calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <sstream>

#include "core/base/csv_text.h"
#include "core/base/number_text.h"
#include "tests/support/material_tables.h"

using namespace torsion;

namespace {

TEST(CsvText, SplitsQuotedAndEmptyFields) {
    struct Row {
        std::string line;
        std::vector<std::string> fields;
    };
    const Row rows[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a,,c,", {"a", "", "c", ""}},
        {"\"x,y\",\"say \"\"hi\"\"\",z\r", {"x,y", "say \"hi\"", "z"}},
        {"", {""}},
        {"\"\"", {""}},
    };
    for (const Row& row : rows) EXPECT_EQ(SplitCsvLine(row.line), row.fields) << row.line;
}

TEST(CsvText, QuotedFieldsAndNumbersReadBack) {
    for (const std::string field : {"plain", "a,b", "quote\"inside", "two\nlines", ""}) {
        std::string line;
        AppendCsvField(line, field);
        line += ",next";
        EXPECT_EQ(SplitCsvLine(line), (std::vector<std::string>{field, "next"})) << line;
    }
    std::mt19937_64 engine(17);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 2000; ++i) {
        double value;
        const std::uint64_t b = bits(engine);
        std::memcpy(&value, &b, sizeof value);
        if (!std::isfinite(value)) {
            EXPECT_EQ(RoundTripText(value), "");
            continue;
        }
        EXPECT_EQ(std::strtod(RoundTripText(value).c_str(), nullptr), value) << RoundTripText(value);
    }
}

// Record 3 "SWX" of kind 2 (second of its kind): E = 200000 N/mm^2, allowable bending
// stress 75 % of 2000 N/mm^2 at every row. Record 0 is a lone material of kind 0.
class BatchTest : public ::testing::Test {
  protected:
    BatchTest() {
        for (int n : {0, 2, 3})
            (*table)[static_cast<std::size_t>(n)] = WireRecord({.kind = n == 0 ? 0 : 2,
                                                                .youngModulus = 200000,
                                                                .bendingRatio = 75,
                                                                .diameter = {0.5, 1.0, 2.0},
                                                                .tensileStrength = {2000, 2000, 2000}});
        index = BuildKindIndex(*table);
        symbols = {"SWA", "", "SWB", "SWX"};
        symbols.resize(kMaterialRecords);
        calculator = std::make_unique<BatchCalculator>(*table, index, symbols);
    }

    // The output fields of one input line, and whether the row succeeded.
    std::vector<std::string> Output(const std::string& line, bool* ok = nullptr) {
        std::string out;
        const bool succeeded = calculator->CalculateLine(line, out);
        if (ok) *ok = succeeded;
        EXPECT_TRUE(out.ends_with("\n"));
        out.pop_back();
        return SplitCsvLine(out);
    }
    std::size_t Column(std::string_view name) const {
        const std::vector<std::string> header = SplitCsvLine(BatchCalculator::OutputHeader());
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    }

    std::unique_ptr<MaterialTable> table = EmptyMaterialTable();
    KindIndex index{};
    std::vector<std::string> symbols;
    std::unique_ptr<BatchCalculator> calculator;
};

TEST_F(BatchTest, RowGivesTheWorkedExample) {
    // d = 1, D = 10, N = 5, a1 = a2 = 10, φ = 45 / 90: k = 0.106704, σ2 = 97.819.
    bool ok = false;
    const auto out = Output("SWX,1,mean,10,5,10,10,angle,45,90,0,0", &ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(out.size(), SplitCsvLine(BatchCalculator::OutputHeader()).size());
    EXPECT_NEAR(std::stod(out[Column("spring_const[kgf*mm/deg]")]), 0.106704, 5e-7);
    EXPECT_NEAR(std::stod(out[Column("stress2[kgf/mm2]")]), 97.819, 5e-4);
    EXPECT_NEAR(std::stod(out[Column("guide_rod_dia[mm]")]), 7.65, 1e-12);
    EXPECT_EQ(out[Column("checks")], "Calculation Success!");
    EXPECT_EQ(out[Column("error")], "");
    EXPECT_EQ(out[0], "SWX");
}

TEST_F(BatchTest, ModesFlagsAndDiameterKindsReachTheCase) {
    const Evaluation inner = calculator->Calculate(
        calculator->DesignOf({"SWA", "2", "内径", "8", "3", "12", "20", "角度", "10", "20", "1", "1"}));
    EXPECT_EQ(inner.design.materialNo, 0);
    EXPECT_DOUBLE_EQ(inner.design.meanDia, 10);
    EXPECT_DOUBLE_EQ(inner.design.outerDia, 12);
    EXPECT_EQ(inner.design.outward, 1);
    EXPECT_EQ(inner.design.leftHand, 1);
    EXPECT_DOUBLE_EQ(inner.design.guideRodDia, 0.9 * 8);

    // Moments given: the guide rod uses the angle of M2.
    const Evaluation moment = calculator->Calculate(
        calculator->DesignOf({"SWB", "1", "outer", "11", "5", "10", "10", "moment", "2", "4", "0", "0"}));
    EXPECT_EQ(moment.design.materialNo, 2);
    EXPECT_DOUBLE_EQ(moment.design.meanDia, 10);
    EXPECT_DOUBLE_EQ(moment.design.angle2 * moment.design.springConst, 4.0);
    EXPECT_NEAR(moment.design.guideRodDia, (9 - 10 * moment.design.angle2 / 360 / 5) * 0.9, 1e-12);
}

TEST_F(BatchTest, FailedRowsCarryTheirExactMessage) {
    struct Row {
        std::string line;
        std::string error;
    };
    const Row rows[] = {
        {"NOPE,1,mean,10,5,10,10,angle,45,90,0,0", "材料記号 'NOPE' は材料表にありません"},
        {"SWX,1.5,mean,10,5,10,10,angle,45,90,0,0", "線径 1.5 は SWX の表にありません"},
        {"SWX,1,mean,abc,5,10,10,angle,45,90,0,0", "'abc' は浮動小数点数ではありません"},
        {"SWX,1,mean,10,,10,10,angle,45,90,0,0", "'' は浮動小数点数ではありません"},
        {"SWX,1,mean,1,5,10,10,angle,45,90,0,0", "0 による浮動小数点数除算"},
        {"SWX,1,mean,10,0,0,0,angle,45,90,0,0", "0 による浮動小数点数除算"},
        {"SWX,1,middle,10,5,10,10,angle,45,90,0,0",
         "径の種類 'middle' は inner, mean, outer のどれでもありません"},
        {"SWX,1,mean,10,5,10,10,force,45,90,0,0",
         "入力の種類 'force' は angle, moment のどちらでもありません"},
        {"SWX,1,mean,10,5,10,10,angle,45,90,2,0", "'2' は 0 か 1 ではありません"},
        {"SWX,1,mean,10", "列の数が 4 です（12 列が必要です）"},
    };
    for (const Row& row : rows) {
        bool ok = true;
        const auto out = Output(row.line, &ok);
        EXPECT_FALSE(ok) << row.line;
        EXPECT_EQ(out.back(), row.error) << row.line;
        EXPECT_EQ(out[Column("spring_const[kgf*mm/deg]")], "") << row.line;
    }
}

TEST_F(BatchTest, RunSkipsHeadingsCommentsAndCountsFailures) {
    std::istringstream in(
        "\xEF\xBB\xBFsymbol,wire_dia,dia_mode,coil_dia,turns,arm1,arm2,load_mode,value1,value2,outward,left_"
        "hand\r\n"
        "# a comment\r\n"
        "SWX,1,mean,10,5,10,10,angle,45,90,0,0\r\n"
        "\r\n"
        "SWX,1,mean,10,5,10,10,angle,90,45,0,0\r\n"
        "NOPE,1,mean,10,5,10,10,angle,45,90,0,0");
    std::ostringstream out;
    const BatchSummary summary = RunBatch(in, out, *calculator);
    EXPECT_EQ(summary.rows, 3);
    EXPECT_EQ(summary.failed, 1);
    std::istringstream lines(out.str());
    std::vector<std::string> read;
    for (std::string line; std::getline(lines, line);) read.push_back(line);
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0], BatchCalculator::OutputHeader());
    // A check failure is a result, not a failed row.
    EXPECT_EQ(SplitCsvLine(read[2])[Column("checks")], "エラー:ねじれ角度の順番が不適");
    EXPECT_EQ(SplitCsvLine(read[3])[Column("error")], "材料記号 'NOPE' は材料表にありません");
}

// Overlong lines and bytes that are not UTF-8 are failed rows with empty input columns,
// and reading goes on at the next line; a line of exactly the limit is read.
TEST_F(BatchTest, OverlongAndNonUtf8LinesAreFailedRows) {
    const std::string good = "SWX,1,mean,10,5,10,10,angle,45,90,0,0";
    const std::string atLimit = good + std::string(kMaxBatchLineBytes - good.size(), ' ');
    struct Row {
        std::string line, error;
    };
    const Row rows[] = {
        {std::string(kMaxBatchLineBytes + 1, 'x'), "行が長すぎます（65536 バイトまで）"},
        {std::string(3 * kMaxBatchLineBytes, '\0'), "行が長すぎます（65536 バイトまで）"},
        {"SW\xFF,1,mean,10,5,10,10,angle,45,90,0,0", "行に UTF-8 でない文字があります"},
        {"SW\xC0\xAF,1,mean,10,5,10,10,angle,45,90,0,0", "行に UTF-8 でない文字があります"},
        {"SW\xED\xA0\x80,1,mean,10,5,10,10,angle,45,90,0,0", "行に UTF-8 でない文字があります"},
        {"SWX,1,mean,10,5,10,10,angle,45,90,0,\xE3\x81", "行に UTF-8 でない文字があります"},
        {atLimit, ""},
        {"ばね,1,mean,10,5,10,10,angle,45,90,0,0", "材料記号 'ばね' は材料表にありません"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.error);
        std::istringstream in(row.line + "\n" + good);
        std::ostringstream out;
        const BatchSummary summary = RunBatch(in, out, *calculator);
        EXPECT_EQ(summary.rows, 2);
        EXPECT_EQ(summary.failed, row.error.empty() ? 0 : 1);
        std::istringstream lines(out.str());
        std::vector<std::string> read;
        for (std::string line; std::getline(lines, line);) read.push_back(line);
        ASSERT_EQ(read.size(), 3u);
        EXPECT_TRUE(IsUtf8(out.str()));
        const std::vector<std::string> fields = SplitCsvLine(read[1]);
        ASSERT_EQ(fields.size(), SplitCsvLine(read[0]).size());
        EXPECT_EQ(fields[Column("error")], row.error);
        if (row.error.starts_with("行")) {
            EXPECT_EQ(fields[0], "");
        }
        EXPECT_EQ(SplitCsvLine(read[2])[Column("error")], "");
    }
}

}  // namespace

// The columns of the variation, the natural frequency and the standard wire. Record 3 named
// SWP-B (E = 200000) with the spring of tests/core/tolerances/variation_test.cpp, which
// works it by hand with E = 206000: every k and M scales by 200/206, the relative changes
// stay (+7.8850 % / −7.2709 % for k, M2 8.62939 / 4.45027 → ·200/206), f by √(200/206).
TEST_F(BatchTest, VariationFrequencyAndStandardWireColumns) {
    SetShortString((*table)[3].symbol, "SWP-B");
    const double scale = 200.0 / 206;
    const double k = 200000.0 / 196965 / kStandardGravity;
    auto number = [&](const std::vector<std::string>& out, const char* column) {
        return std::stod(out[Column(column)]);
    };
    const auto out = Output("SWX,1,mean,10,5,15,20,angle,30,60,0,0");
    EXPECT_NEAR(number(out, "k_max[kgf*mm/deg]"), k * 1.078850, 1e-6);
    EXPECT_NEAR(number(out, "k_min[kgf*mm/deg]"), k * (1 - 0.072709), 1e-6);
    EXPECT_NEAR(number(out, "moment2_max[kgf*mm]"), 8.62939 * scale, 1e-5);
    EXPECT_NEAR(number(out, "moment2_min[kgf*mm]"), 4.45027 * scale, 1e-5);
    EXPECT_NEAR(number(out, "natural_freq[Hz]"), 334.686 * std::sqrt(scale), 2e-3);  // the spring alone
    EXPECT_EQ(out[Column("freq_ratio")], "");
    EXPECT_EQ(out[Column("standard_wire")], "1");

    BatchCalculator driven(*table, index, symbols, {2, {5, 50}});
    std::string line;
    ASSERT_TRUE(driven.CalculateLine("SWX,1,mean,10,5,15,20,angle,30,60,0,0", line));
    const std::vector<std::string> withJ = SplitCsvLine(line.substr(0, line.size() - 1));
    EXPECT_NEAR(number(withJ, "natural_freq[Hz]"), 17.3999 * std::sqrt(scale), 1e-4);
    EXPECT_NEAR(number(withJ, "freq_ratio"), 17.3999 * std::sqrt(scale) / 50, 1e-5);

    // A material the wire data does not know, without a density: empty fields, never NaN.
    const auto unknown = Output("SWA,1,mean,10,5,15,20,angle,30,60,0,0");
    for (const char* column : {"k_min[kgf*mm/deg]", "k_max[kgf*mm/deg]", "moment2_min[kgf*mm]",
                               "moment2_max[kgf*mm]", "natural_freq[Hz]", "standard_wire"})
        EXPECT_EQ(unknown[Column(column)], "") << column;
    EXPECT_EQ(unknown[Column("checks")], "Calculation Success!");
}

TEST_F(BatchTest, StandardAndTemperatureColumnsAndTheThreePracticesSideBySide) {
    const auto jis = Output("SWX,1,mean,10,5,10,10,angle,45,90,0,0");
    const auto en = Output("SWX,1,mean,10,5,10,10,angle,45,90,0,0,EN,");
    const auto warm = Output("SWX,1,mean,10,5,10,10,angle,45,90,0,0,,80");
    const std::size_t rate = Column("spring_const[kgf*mm/deg]");
    EXPECT_EQ(Output("SWX,1,mean,10,5,10,10,angle,45,90,0,0,jis,20")[rate], jis[rate]);
    EXPECT_NE(en[rate], jis[rate]);
    EXPECT_EQ(en[Column("standard")], "EN");
    EXPECT_EQ(en[Column("checks")].rfind("設計基準: EN 13906-3", 0), 0u);
    // The test wires have no symbol in the table: no family of the temperature data.
    EXPECT_EQ(warm.back(), "使用温度 80℃ の この材料 の縦弾性係数はデータがありません");
    EXPECT_EQ(Output("SWX,1,mean,10,5,10,10,angle,45,90,0,0,iso").back(),
              "設計基準 'iso' は jis, en, us のどれでもありません");

    BatchCalculator compare(*table, index, symbols, {.compare = true});
    std::string out;
    ASSERT_TRUE(compare.CompareLine("SWX,1,mean,10,5,10,10,angle,45,90,0,0,us", out));
    std::istringstream lines(out);
    const std::vector<std::string> header = SplitCsvLine(BatchCalculator::CompareHeader());
    auto at = [&](const std::vector<std::string>& row, std::string_view name) {
        return row[static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin())];
    };
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(SplitCsvLine(line));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(at(rows[0], "compared_standard"), "jis");
    EXPECT_EQ(at(rows[2], "chosen"), "1");
    EXPECT_EQ(at(rows[2], "spring_const_diff[%]"), "0");
    EXPECT_NEAR(std::stod(at(rows[0], "spring_const_diff[%]")), 100 / (1 - 0.0569) - 100, 0.05);
    // SWX names no wire of the US limits: no allowable stress, no fatigue strength.
    EXPECT_EQ(at(rows[2], "allow_stress[kgf/mm2]"), "");
    EXPECT_EQ(at(rows[2], "fatigue"), "規格値なし");
    EXPECT_EQ(rows[0].size(), header.size());
    EXPECT_EQ(at(rows[0], "bend_stress1[kgf/mm2]"), "");

    // A bent leg 1: its bend's stress by each practice and the difference to the chosen one.
    out.clear();
    ASSERT_TRUE(compare.CompareLine("SWX,1,mean,10,5,10,10,angle,45,90,0,0,us,,radial,,1.5,,", out));
    std::istringstream bentLines(out);
    rows.clear();
    for (std::string line; std::getline(bentLines, line);) rows.push_back(SplitCsvLine(line));
    ASSERT_EQ(rows.size(), 3u);
    const double jisStress = std::stod(at(rows[0], "bend_stress1[kgf/mm2]"));
    const double usStress = std::stod(at(rows[2], "bend_stress1[kgf/mm2]"));
    EXPECT_NEAR(std::stod(at(rows[0], "bend_stress1_diff[%]")), (jisStress - usStress) / usStress * 100,
                1e-9);
    EXPECT_EQ(at(rows[2], "bend_stress1_diff[%]"), "0");
    EXPECT_EQ(at(rows[1], "bend_stress2[kgf/mm2]"), "");
    EXPECT_EQ(rows[1].size(), header.size());
}

// The leg and gap columns: empty ones are today's row; radial legs stiffen the spring and
// report their bends; a bad value fails its row naming the input line and the column.
TEST_F(BatchTest, LegAndGapColumns) {
    const std::string row = "SWX,1,mean,10,5,10,10,angle,45,90,0,0,,";
    const std::size_t rate = Column("spring_const[kgf*mm/deg]");
    const auto today = Output(row);
    EXPECT_EQ(Output(row + ",,,,,")[rate], today[rate]);
    const auto radial = Output(row + ",radial,Radial,1.5,1.5,");
    EXPECT_GT(std::stod(radial[rate]), std::stod(today[rate]));
    EXPECT_NE(radial[Column("checks")].find("脚2の曲げ部: r=1.5mm q=1.252"), std::string::npos);
    const std::vector<std::string> fields = SplitCsvLine(row + ",clamped,axial,,3,0.4");
    const BatchDesign gap = calculator->DesignOf({fields.begin(), fields.end()});
    EXPECT_EQ(gap.options.legs[0].shape, LegShape::Clamped);
    EXPECT_EQ(gap.options.legs[1].bendRadius, 3);
    EXPECT_EQ(gap.options.pitchGap, 0.4);

    std::istringstream in("# legs\n" + row + ",hooked\n" + row + ",radial\n" + row + ",,,2\n" + row +
                          ",,,,,-1\n" + row + ",,,,,11\n" + row + ",,,,abc\n");
    std::ostringstream out;
    EXPECT_EQ(RunBatch(in, out, *calculator).failed, 6);
    std::istringstream lines(out.str());
    std::vector<std::string> errors;
    for (std::string line; std::getline(lines, line);) errors.push_back(SplitCsvLine(line).back());
    const std::vector<std::string> expected = {
        "error",
        "2 行目 列 leg1: 脚の形状 'hooked' は tangential, radial, axial, clamped のどれでもありません",
        "3 行目 列 bend_r1: 曲げた脚 (radial) には曲げ半径が必要です",
        "4 行目 列 bend_r1: 曲げのない脚 (tangential) に曲げ半径は指定できません",
        "5 行目 列 pitch_gap: '-1' は 0〜1E5 mm ではありません",
        "6 行目 列 pitch_gap: コイルのすき間 11mm が平均径 10mm を超えます",
        "7 行目 列 bend_r2: 'abc' は浮動小数点数ではありません"};
    EXPECT_EQ(errors, expected);
}
