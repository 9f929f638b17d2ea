#include "core/files/history_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/test_cases.h"

using namespace torsion;

namespace {

// A grid as the main window builds it: headings, units, slot numbers, row texts.
std::vector<std::vector<std::string>> Grid(const CaseTable& cases, const MaterialTable& table) {
    std::vector<std::vector<std::string>> cells(kHistoryGridRows, std::vector<std::string>(kHistoryColumns));
    for (int c = 0; c < kHistoryColumns; ++c) {
        cells[0][c] = HistoryHeadings()[c];
        cells[1][c] = HistoryUnits()[c];
    }
    for (int n = 1; n <= kHistorySlots; ++n) {
        std::vector<std::string>& line = cells[n + 1];
        line[0] = std::to_string(n);
        const HistoryRow row = HistoryRowTexts(cases[n], table);
        if (!row.shown) continue;
        line[1] = row.symbolSjis;
        for (int i = 0; i < 12; ++i) line[2 + i] = row.numbers[i];
        line[14] = row.lifeText;
    }
    return cells;
}

MaterialTable TableWithSymbol() {
    MaterialTable table{};
    SetShortString(table[0].symbol, "SWP-B");
    SetShortString(table[29].symbol, "LAST");
    return table;
}

// The shared sample with a 2.5 mm wire and an arm that needs the exponent-free small form.
DesignCase StoredCase() {
    DesignCase c = SampleCase();
    c.wireDia = 2.5;
    c.arm1 = 30;
    c.arm2 = 0.00012;
    return c;
}

TEST(HistoryGridTexts, HeadingsAndUnits) {
    const auto& h = HistoryHeadings();
    EXPECT_EQ(h[0], "項目");
    EXPECT_EQ(h[1], "材質");
    EXPECT_EQ(h[3], "\xEF\xBD\xBA\xEF\xBD\xB2\xEF\xBE\x99\xE5\xBE\x84");  // half-width ｺｲﾙ, then 径
    EXPECT_EQ(h[4], "巻数(N)");
    EXPECT_EQ(h[9],
              "角度(\xCF\x86"
              "1)");  // Greek small phi
    EXPECT_EQ(h[10], "角度(φ2)");
    EXPECT_EQ(h[12], "曲げ応力");
    EXPECT_EQ(h[13], "許容曲げ応力");
    EXPECT_EQ(h[14], "寿命");

    const auto& u = HistoryUnits();
    EXPECT_EQ(u[0], "単位");
    EXPECT_EQ(u[1], "");
    EXPECT_EQ(u[4], "巻");
    EXPECT_EQ(u[7], "kgf\xEF\xBD\xA5mm");  // half-width middle dot U+FF65
    EXPECT_EQ(u[8], u[7]);
    EXPECT_EQ(u[9], "度");
    EXPECT_EQ(u[11], "kgf\xEF\xBD\xA5mm/度");
    EXPECT_EQ(u[12], "kgf/mm^2");
    EXPECT_EQ(u[13], "kgf/mm^2");
    EXPECT_EQ(u[14], "回数");
}

TEST(HistoryRowTexts, UsedSlotShowsItsValuesInShortFormat) {
    const HistoryRow row = HistoryRowTexts(StoredCase(), TableWithSymbol());
    ASSERT_TRUE(row.shown);
    EXPECT_EQ(row.symbolSjis, "SWP-B");
    const std::array<std::string, 12> expected{"2.5", "11", "5.5",  "30",     "0.00012", "1.235E4",
                                               "1E4", "30", "5E-5", "0.1235", "20",      "1019"};
    EXPECT_EQ(row.numbers, expected);  // coil diameter is the mean one; bending stress is stress2
    EXPECT_EQ(row.lifeText, "10万");
}

TEST(HistoryRowTexts, OnlyUsedEqualToOneIsShown) {
    DesignCase c = StoredCase();
    for (int used : {0, 2, -1}) {
        c.used = used;
        const HistoryRow row = HistoryRowTexts(c, TableWithSymbol());
        EXPECT_FALSE(row.shown);
        EXPECT_EQ(row.symbolSjis, "");
        EXPECT_EQ(row.lifeText, "");
        for (const auto& n : row.numbers) EXPECT_EQ(n, "");
    }
}

TEST(HistoryRowTexts, ForeignValuesShowEmpty) {
    DesignCase c = StoredCase();
    const MaterialTable table = TableWithSymbol();
    c.materialNo = 29;
    EXPECT_EQ(HistoryRowTexts(c, table).symbolSjis, "LAST");
    for (int n : {30, -1, 1000000}) {
        c.materialNo = n;
        EXPECT_EQ(HistoryRowTexts(c, table).symbolSjis, "") << n;
    }
    c.lifeClass = 7;
    EXPECT_EQ(HistoryRowTexts(c, table).lifeText, "1万");
    c.lifeClass = 0;
    EXPECT_EQ(HistoryRowTexts(c, table).lifeText, "1000万");
    for (int k : {8, -1, 99}) {
        c.lifeClass = k;
        EXPECT_EQ(HistoryRowTexts(c, table).lifeText, "") << k;
    }
    c.wireDia = std::numeric_limits<double>::quiet_NaN();
    c.stress2 = std::numeric_limits<double>::infinity();
    c.allowStress = -std::numeric_limits<double>::infinity();
    const HistoryRow row = HistoryRowTexts(c, table);
    EXPECT_EQ(row.numbers[0], "");
    EXPECT_EQ(row.numbers[10], "");
    EXPECT_EQ(row.numbers[11], "");
    EXPECT_EQ(row.numbers[1], "11");
}

TEST(GridCopyText, FreshGridIsHeadingsAndSlotNumbers) {
    CaseTable cases{};
    const std::string text = GridCopyText(Grid(cases, TableWithSymbol()), 0, 0, 14, 31);
    std::string expected =
        "項目\t材質\t線径\tｺｲﾙ径\t巻数(N)\t腕長(a1)\t腕長(a2)\t荷重(M1)\t荷重(M2)\t角度(φ1)\t角度(φ2)\t"
        "ばね定数\t曲げ応力\t許容曲げ応力\t寿命\r\n"
        "単位\t\tmm\tmm\t巻\tmm\tmm\tkgf･mm\tkgf･mm\t度\t度\tkgf･mm/度\tkgf/mm^2\tkgf/mm^2\t回数\r\n";
    for (int n = 1; n <= 30; ++n) expected += std::to_string(n) + std::string(14, '\t') + "\r\n";
    EXPECT_EQ(text, expected);
}

TEST(GridCopyText, StoredCaseLineMatchesTheGrid) {
    CaseTable cases{};
    cases[5] = StoredCase();
    cases[6] = StoredCase();
    cases[6].materialNo = 3;  // a record with an empty symbol
    const auto grid = Grid(cases, TableWithSymbol());
    const std::string text = GridCopyText(grid, 0, 6, 14, 7);
    EXPECT_EQ(text,
              "5\tSWP-B\t2.5\t11\t5.5\t30\t0.00012\t1.235E4\t1E4\t30\t5E-5\t0.1235\t20\t1019\t10万\r\n"
              "6\t\t2.5\t11\t5.5\t30\t0.00012\t1.235E4\t1E4\t30\t5E-5\t0.1235\t20\t1019\t10万\r\n");
    // Copying does not change the cells: the same text again.
    EXPECT_EQ(GridCopyText(grid, 0, 6, 14, 7), text);
}

struct CopyRange {
    int left, top, right, bottom;
    const char* text;
    const char* why;
};
void PrintTo(const CopyRange& r, std::ostream* os) {
    *os << r.why << " (" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

class GridCopyRanges : public ::testing::TestWithParam<CopyRange> {};

TEST_P(GridCopyRanges, AreClampedOrEmpty) {
    const std::vector<std::vector<std::string>> cells{{"a", "b", "c"}, {"d", "e", "f"}};
    const CopyRange& r = GetParam();
    EXPECT_EQ(GridCopyText(cells, r.left, r.top, r.right, r.bottom), r.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ranges, GridCopyRanges, ::testing::Values(
    CopyRange{1, 0, 1, 1, "b\r\ne\r\n", "one column"},
    CopyRange{-5, -5, 99, 99, "a\tb\tc\r\nd\te\tf\r\n", "clamped to the grid"},
    CopyRange{2, 1, 7, 1, "f\r\n", "right clamped"},
    CopyRange{0, 1, 0, 0, "", "top below bottom"},
    CopyRange{2, 0, 1, 1, "", "left right of right"},
    CopyRange{-3, 0, -1, 1, "", "right before column 0"},
    CopyRange{0, -3, 2, -1, "", "bottom above row 0"},
    CopyRange{3, 0, 5, 1, "", "left beyond the columns"},
    CopyRange{0, 2, 2, 4, "", "top beyond the rows"}));
// clang-format on

TEST(GridCopyText, EmptyAndRaggedGrids) {
    EXPECT_EQ(GridCopyText({}, 0, 0, 0, 0), "");
    std::vector<std::vector<std::string>> ragged{{"a", "b", "c"}, {"d"}};
    EXPECT_EQ(GridCopyText(ragged, 0, 0, 2, 1), "a\tb\tc\r\nd\t\t\r\n");
}

// A symbol from a damaged table may hold any byte: the copy keeps one line per row and
// one field per cell, and a NUL does not end it.
TEST(GridCopyText, ControlCharactersOfACellBecomeSpaces) {
    const std::vector<std::vector<std::string>> cells{{std::string("a\tb\r\nc\0d\x7f", 9), "e"}, {"f", "g"}};
    EXPECT_EQ(GridCopyText(cells, 0, 0, 1, 1), std::string("a b  c d \te\r\nf\tg\r\n"));
}

}  // namespace
