// Texts of the history grid and its tab-separated copy.
#include "core/files/history_text.h"

#include <algorithm>
#include <cmath>

#include "core/base/catalogue_text.h"
#include "core/base/number_text.h"
#include "core/materials/fatigue_life.h"

namespace torsion {

const std::array<std::string, kHistoryColumns>& HistoryHeadings() {
    static const std::array<std::string, kHistoryColumns> headings{
        TS_TEXT("項目"),     TS_TEXT("材質"),         TS_TEXT("線径"),     TS_TEXT("ｺｲﾙ径"),
        TS_TEXT("巻数(N)"),  TS_TEXT("腕長(a1)"),     TS_TEXT("腕長(a2)"), TS_TEXT("荷重(M1)"),
        TS_TEXT("荷重(M2)"), TS_TEXT("角度(φ1)"),     TS_TEXT("角度(φ2)"), TS_TEXT("ばね定数"),
        TS_TEXT("曲げ応力"), TS_TEXT("許容曲げ応力"), TS_TEXT("寿命")};
    return headings;
}

const std::array<std::string, kHistoryColumns>& HistoryUnits(UnitSystem unit) {
    static const std::array<std::string, kHistoryColumns> kgfUnits{TS_TEXT("単位"),
                                                                   "",
                                                                   "mm",
                                                                   "mm",
                                                                   TS_TEXT("巻"),
                                                                   "mm",
                                                                   "mm",
                                                                   TS_TEXT("kgf･mm"),
                                                                   TS_TEXT("kgf･mm"),
                                                                   TS_TEXT("度"),
                                                                   TS_TEXT("度"),
                                                                   TS_TEXT("kgf･mm/度"),
                                                                   "kgf/mm^2",
                                                                   "kgf/mm^2",
                                                                   TS_TEXT("回数")};
    static const std::array<std::string, kHistoryColumns> siUnits{TS_TEXT("単位"),
                                                                  "",
                                                                  "mm",
                                                                  "mm",
                                                                  TS_TEXT("巻"),
                                                                  "mm",
                                                                  "mm",
                                                                  TS_TEXT("N･mm"),
                                                                  TS_TEXT("N･mm"),
                                                                  TS_TEXT("度"),
                                                                  TS_TEXT("度"),
                                                                  TS_TEXT("N･mm/度"),
                                                                  "N/mm^2",
                                                                  "N/mm^2",
                                                                  TS_TEXT("回数")};
    return unit == UnitSystem::SI ? siUnits : kgfUnits;
}

namespace {

std::string ShortNumber(double value) {
    return std::isfinite(value) ? FormatShort(value) : std::string();
}

// Columns 2..13 holding a moment, the spring constant or a stress.
constexpr std::array<bool, 12> kInShownUnit{false, false, false, false, false, true,
                                            true,  false, false, true,  true,  true};

// A control character of a cell (a symbol from a damaged table may hold a tab, a line
// break or a NUL) would split the cell or end the text early: it is copied as a space.
bool IsControl(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

HistoryRow HistoryRowTexts(const DesignCase& c, const MaterialTable& table, UnitSystem unit) {
    HistoryRow row;
    if (c.used != 1) return row;
    row.shown = true;
    // A case from a foreign file may name any record or class; those show as empty.
    if (const MaterialRecord* material = RecordOrNull(table, c.materialNo))
        row.symbolSjis = ShortStringValue(material->symbol);
    // The coil diameter column is always the mean diameter, whichever one was typed.
    const std::array<double, 12> values{c.wireDia, c.meanDia,     c.turns,   c.arm1,
                                        c.arm2,    c.moment1,     c.moment2, c.angle1,
                                        c.angle2,  c.springConst, c.stress2, c.allowStress};
    for (std::size_t i = 0; i < values.size(); ++i)
        row.numbers[i] = ShortNumber(kInShownUnit[i] ? ToShownUnit(values[i], unit) : values[i]);
    if (c.lifeClass >= 0 && c.lifeClass < kLifeClasses) row.lifeText = LifeLabel(c.lifeClass);
    return row;
}

std::string GridCopyText(const std::vector<std::vector<std::string>>& cells, int leftCol, int topRow,
                         int rightCol, int bottomRow) {
    const int rowCount = static_cast<int>(cells.size());
    const int colCount = cells.empty() ? 0 : static_cast<int>(cells.front().size());
    if (rowCount == 0 || colCount == 0) return {};
    if (leftCol > rightCol || bottomRow < topRow || rightCol < 0 || bottomRow < 0 || leftCol >= colCount ||
        topRow >= rowCount)
        return {};
    leftCol = std::max(leftCol, 0);
    topRow = std::max(topRow, 0);
    rightCol = std::min(rightCol, colCount - 1);
    bottomRow = std::min(bottomRow, rowCount - 1);

    std::string text;
    for (int r = topRow; r <= bottomRow; ++r) {
        const std::vector<std::string>& line = cells[static_cast<std::size_t>(r)];
        for (int col = leftCol; col <= rightCol; ++col) {
            // A short row reads as empty cells rather than outside its storage.
            if (col < static_cast<int>(line.size()))
                for (const char ch : line[static_cast<std::size_t>(col)]) text += IsControl(ch) ? ' ' : ch;
            text += (col < rightCol) ? "\t" : "\r\n";
        }
    }
    return text;
}

}  // namespace torsion
