#include "core/files/history_csv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "core/base/command_error.h"
#include "core/base/csv_text.h"
#include "core/calc/calculation.h"
#include "tests/support/test_files.h"

using namespace torsion;

namespace {

class HistoryCsvTest : public ::testing::Test {
  protected:
    HistoryCsvTest() {
        DesignCase& a = (*cases)[2];
        InitCurrentCase(a);
        a.moment2 = 1.0 / 3.0;
        a.stress2 = 123.456789012345678;
        a.springConst = 1e-300;
        a.lifeClass = 2;
        a.leftHand = 1;
        DesignCase& b = (*cases)[5];
        InitCurrentCase(b);
        b.materialNo = 99;  // from a foreign file: no symbol
        b.lifeClass = 42;
        b.diaMode = 2;
        b.inputMode = 0;
        (*cases)[7].used = 2;  // not a used slot: the grid shows no row for it
        symbols = {"SWP-B"};
    }

    // The lines of the text without the byte-order mark, split into fields.
    std::vector<std::vector<std::string>> Lines(UnitSystem unit) {
        const std::string text = HistoryCsvText(*cases, symbols, unit);
        EXPECT_TRUE(text.starts_with(kUtf8Bom));
        std::vector<std::vector<std::string>> lines;
        std::size_t pos = kUtf8Bom.size();
        while (pos < text.size()) {
            const std::size_t end = text.find("\r\n", pos);
            EXPECT_NE(end, std::string::npos);
            lines.push_back(SplitCsvLine(text.substr(pos, end - pos)));
            pos = end + 2;
        }
        return lines;
    }
    std::size_t Column(const std::string& heading) {
        const auto h = HistoryCsvHeadings();
        return static_cast<std::size_t>(std::find(h.begin(), h.end(), heading) - h.begin());
    }
    static double Number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

    std::unique_ptr<CaseTable> cases = std::make_unique<CaseTable>();
    std::vector<std::string> symbols;
};

TEST_F(HistoryCsvTest, UsedSlotsReadBackExactly) {
    const auto lines = Lines(UnitSystem::Kgf);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0][0], "項目");
    EXPECT_EQ(lines[0][3], "ｺｲﾙ径");
    EXPECT_EQ(lines[1][Column("荷重(M2)")], "kgf･mm");
    for (const auto& line : lines) EXPECT_EQ(line.size(), HistoryCsvHeadings().size());

    const auto& a = lines[2];
    const DesignCase& c = (*cases)[2];
    EXPECT_EQ(a[0], "2");
    EXPECT_EQ(a[1], "SWP-B");
    EXPECT_EQ(Number(a[Column("荷重(M2)")]), c.moment2);
    EXPECT_EQ(Number(a[Column("曲げ応力")]), c.stress2);
    EXPECT_EQ(Number(a[Column("ばね定数")]), c.springConst);
    EXPECT_EQ(Number(a[Column("ｺｲﾙ径")]), c.meanDia);
    EXPECT_EQ(Number(a[Column("内径")]), c.innerDia);
    EXPECT_EQ(a[Column("寿命")], "10万");
    EXPECT_EQ(a[Column("左巻")], "1");
    EXPECT_EQ(a[Column("径の指定")], "平均径");
    EXPECT_EQ(a[Column("入力")], "角度");

    const auto& b = lines[3];
    EXPECT_EQ(b[0], "5");
    EXPECT_EQ(b[1], "");
    EXPECT_EQ(b[Column("寿命")], "");
    EXPECT_EQ(b[Column("寿命クラス")], "42");
    EXPECT_EQ(b[Column("径の指定")], "外径");
    EXPECT_EQ(b[Column("入力")], "荷重");
}

TEST_F(HistoryCsvTest, NewtonUnitsConvertMomentsStressesAndRates) {
    const auto lines = Lines(UnitSystem::SI);
    EXPECT_EQ(lines[1][Column("荷重(M2)")], "N･mm");
    EXPECT_EQ(lines[1][Column("曲げ応力")], "N/mm^2");
    EXPECT_EQ(lines[1][Column("ばね定数")], "N･mm/度");
    const DesignCase& c = (*cases)[2];
    EXPECT_EQ(Number(lines[2][Column("荷重(M2)")]), c.moment2 * kStandardGravity);
    EXPECT_EQ(Number(lines[2][Column("角度(φ1)")]), c.angle1);
}

TEST_F(HistoryCsvTest, FileIsTheTextAndAFailedWriteIsReported) {
    ScratchDir dir;
    WriteHistoryCsv(dir.File("h.csv"), *cases, symbols, UnitSystem::Kgf);
    const auto bytes = ReadBytes(dir.File("h.csv"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), HistoryCsvText(*cases, symbols, UnitSystem::Kgf));
    const std::string bad = dir.File("no/such/h.csv");
    EXPECT_THROW(WriteHistoryCsv(bad, *cases, symbols, UnitSystem::Kgf), CommandError);
}

}  // namespace
