#include "core/tolerances/wire_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/base/number_text.h"

namespace torsion {

namespace {

const WireRow kBuiltInRows[] = {
#include "wire_rows.inc"
};

std::string Num(double x) {
    return FormatGeneral(x, 4);
}

const char* TableName(WireTable table) {
    switch (table) {
        case WireTable::DiameterTolerance:
            return "線径の許容差";
        case WireTable::OutOfRoundness:
            return "偏径差";
        case WireTable::TensileStrength:
            return "引張強さ";
        case WireTable::StandardDiameter:
            return "標準線径";
        case WireTable::ApplicableRange:
            return "適用線径";
    }
    return "";
}

bool Matches(const WireRow& row, std::string_view symbol) {
    std::string_view words = row.matchSjis;
    while (!words.empty()) {
        const std::size_t end = std::min(words.find(';'), words.size());
        if (words.substr(0, end) == symbol) return true;
        words.remove_prefix(std::min(end + 1, words.size()));
    }
    return false;
}

bool Near(double x, double bound) {
    return std::fabs(x - bound) <= 1e-9 * std::max(1.0, std::fabs(bound));
}

std::string RangeText(const WireRow& row) {
    const RangeBound &lo = row.lower, &hi = row.upper;
    if (lo.present && hi.present && lo.value == hi.value) return Num(lo.value) + " mm";
    std::string text;
    if (lo.present) text += Num(lo.value) + (lo.inclusive ? " 以上" : " を超え");
    if (hi.present) text += (text.empty() ? "" : " ") + Num(hi.value) + (hi.inclusive ? " 以下" : " 未満");
    return text.empty() ? "全線径" : text + " mm";
}

std::string ValueText(const WireRow& row) {
    if (!row.found) return "値は見つかっていない（" + std::string(kWireNoValueText) + "）";
    switch (row.table) {
        case WireTable::DiameterTolerance:
            return "±" + Num(row.valueMax) + " mm";
        case WireTable::OutOfRoundness:
            return Num(row.valueMax) + " mm 以下";
        case WireTable::TensileStrength:
            return Num(row.valueMin) + "〜" +
                   (std::isnan(row.valueMax) ? "（上限は見つかっていない）" : Num(row.valueMax)) + " N/mm²";
        default:
            return "";
    }
}

std::string Describe(const WireRow& row) {
    std::string text = std::string(TableName(row.table)) + " " + row.grades + " " + RangeText(row);
    const std::string value = ValueText(row);
    if (!value.empty()) text += ": " + value;
    std::string sources = row.sources;
    std::replace(sources.begin(), sources.end(), ';', ',');
    if (!sources.empty())
        text += "［出典 " + sources +
                (std::string_view(row.status) == "derived" ? "、表の読み取りによる" : "") + "］";
    return text;
}

// The rows of one symbol, table by table, in the data's order: what every lookup of the
// symbol scans.
struct SymbolRows {
    std::array<std::vector<WireRow>, 5> tables;
    std::vector<const WireRow*> standard;  // the standard diameters seen, smallest first
    const WireRow* list = nullptr;         // the last of them in the data, for the list's names
    std::span<const WireRow> of(WireTable table) const { return tables[static_cast<std::size_t>(table)]; }
};

// The row of a table's rows that holds x, a row with a value before a row that says none
// was seen; nullptr when no row holds it.
const WireRow* FindRow(std::span<const WireRow> rows, double x) {
    const WireRow* notFound = nullptr;
    for (const WireRow& row : rows) {
        if (!WireRangeContains(row.lower, row.upper, x)) continue;
        if (row.found) return &row;
        if (!notFound) notFound = &row;
    }
    return notFound;
}

std::string NoData(WireTable table) {
    return std::string(TableName(table)) + ": この材料の JIS の値はデータにない";
}

// The applicable diameters of the grade, when the data gives them and d lies outside.
const WireRow* OutsideApplicable(const SymbolRows& rows, double d) {
    for (const WireRow& row : rows.of(WireTable::ApplicableRange))
        if (row.found) return WireRangeContains(row.lower, row.upper, d) ? nullptr : &row;
    return nullptr;
}

std::string OutsideText(const WireRow& row, double d) {
    return "線径 " + Num(d) + " mm は" + Describe(row) + " の外";
}

// Whether a band of unseen standard diameters reaches into the open interval (a, b).
bool UnseenBetween(const SymbolRows& rows, double a, double b) {
    for (const WireRow& row : rows.of(WireTable::StandardDiameter)) {
        if (row.found) continue;
        const double lo = row.lower.present ? row.lower.value : -INFINITY;
        const double hi = row.upper.present ? row.upper.value : INFINITY;
        if (lo < b && hi > a) return true;
    }
    return false;
}

// The standard diameters next to d (NaN where none is known for certain), and whether d
// is one of them.
struct Neighbours {
    bool exact = false;
    double below = kNoNumber, above = kNoNumber;
    const WireRow* row = nullptr;   // the row of d itself
    const WireRow* list = nullptr;  // a row of the grade's list, for its names and sources
};
Neighbours StandardNeighbours(const SymbolRows& rows, double d) {
    Neighbours n;
    n.list = rows.list;
    const std::vector<const WireRow*>& sorted = rows.standard;
    const auto at = std::lower_bound(sorted.begin(), sorted.end(), d,
                                     [](const WireRow* row, double x) { return row->lower.value < x; });
    // d itself within a billionth, on either side of where it would go; of equal
    // diameters the last in the data.
    const auto onD = [&](const WireRow* row) {
        if (!Near(d, row->lower.value)) return false;
        n.exact = true;
        if (!n.row || row > n.row) n.row = row;
        return true;
    };
    for (auto j = at; j != sorted.end(); ++j) {
        if (onD(*j)) continue;
        n.above = (*j)->lower.value;
        break;
    }
    for (auto j = at; j != sorted.begin();) {
        --j;
        if (onD(*j)) continue;
        n.below = (*j)->lower.value;
        break;
    }
    if (!std::isnan(n.above) && UnseenBetween(rows, d, n.above)) n.above = kNoNumber;
    if (!std::isnan(n.below) && UnseenBetween(rows, n.below, d)) n.below = kNoNumber;
    return n;
}

// The rows of rows that name symbol. The last symbol's rows are kept (per thread), so a
// run of designs of one wire filters the table once instead of matching every row's
// symbols in every lookup.
const SymbolRows& RowsOfSymbol(std::span<const WireRow> rows, std::string_view symbol) {
    struct Filtered {
        const WireRow* table = nullptr;
        std::size_t size = 0;
        std::string symbol;
        SymbolRows rows;
    };
    thread_local Filtered last;
    if (last.table != rows.data() || last.size != rows.size() || last.symbol != symbol) {
        last.table = rows.data();
        last.size = rows.size();
        last.symbol.assign(symbol);
        for (std::vector<WireRow>& table : last.rows.tables) table.clear();
        for (const WireRow& row : rows)
            if (Matches(row, symbol)) last.rows.tables[static_cast<std::size_t>(row.table)].push_back(row);
        last.rows.standard.clear();
        last.rows.list = nullptr;
        for (const WireRow& row : last.rows.of(WireTable::StandardDiameter)) {
            if (!row.found) continue;
            last.rows.standard.push_back(&row);
            last.rows.list = &row;
        }
        std::stable_sort(last.rows.standard.begin(), last.rows.standard.end(),
                         [](const WireRow* a, const WireRow* b) { return a->lower.value < b->lower.value; });
    }
    return last.rows;
}

// Sets a row text, made only when texts are built.
template <class MakeText>
void SetRow(std::string& row, RowTexts texts, MakeText make) {
    if (texts == RowTexts::Built) row = make();
}

WireValue Lookup(const SymbolRows& rows, WireTable table, double d, RowTexts texts) {
    WireValue v;
    if (!std::isfinite(d) || !(d > 0)) return v;
    const WireRow* row = FindRow(rows.of(table), d);
    if (!row) {
        SetRow(v.row, texts, [&] {
            return !rows.of(table).empty()
                       ? std::string(TableName(table)) + ": 線径 " + Num(d) + " mm は表の範囲外"
                       : NoData(table);
        });
        return v;
    }
    SetRow(v.row, texts, [&] { return Describe(*row); });
    if (!row->found) return v;
    v.found = true;
    v.min = row->valueMin;
    v.max = row->valueMax;
    return v;
}

}  // namespace

std::span<const WireRow> BuiltInWireRows() {
    return kBuiltInRows;
}

bool WireRangeContains(const RangeBound& lower, const RangeBound& upper, double x) {
    if (std::isnan(x)) return false;
    if (lower.present) {
        if (Near(x, lower.value)) {
            if (!lower.inclusive) return false;
        } else if (x < lower.value) {
            return false;
        }
    }
    if (upper.present) {
        if (Near(x, upper.value)) {
            if (!upper.inclusive) return false;
        } else if (x > upper.value) {
            return false;
        }
    }
    return true;
}

WireValue WireDiameterTolerance(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                                RowTexts texts) {
    return Lookup(RowsOfSymbol(rows, symbolSjis), WireTable::DiameterTolerance, d, texts);
}

WireValue WireOutOfRoundness(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                             RowTexts texts) {
    return Lookup(RowsOfSymbol(rows, symbolSjis), WireTable::OutOfRoundness, d, texts);
}

WireValue JisTensileStrength(std::span<const WireRow> all, std::string_view symbolSjis, double d,
                             RowTexts texts) {
    const SymbolRows& rows = RowsOfSymbol(all, symbolSjis);
    WireValue v;
    if (!std::isfinite(d) || !(d > 0)) return v;
    if (rows.of(WireTable::TensileStrength).empty()) {
        SetRow(v.row, texts, [] { return NoData(WireTable::TensileStrength); });
        return v;
    }
    if (const WireRow* outside = OutsideApplicable(rows, d)) {
        SetRow(v.row, texts, [&] { return OutsideText(*outside, d); });
        return v;
    }
    double at = d;
    if (!FindRow(rows.of(WireTable::TensileStrength), d)) {
        // Between standard diameters: the value of the next larger one.
        const Neighbours n = StandardNeighbours(rows, d);
        if (std::isnan(n.above)) {
            SetRow(v.row, texts, [&] {
                return "引張強さ: 線径 " + Num(d) + " mm の次に大きい標準線径がデータから決まらない";
            });
            return v;
        }
        at = n.above;
    }
    v = Lookup(rows, WireTable::TensileStrength, at, texts);
    if (at != d)
        SetRow(v.row, texts, [&] {
            return v.row + "\n線径 " + Num(d) + " mm は標準線径の間: 次に大きい標準線径 " + Num(at) +
                   " mm の値";
        });
    return v;
}

StandardWire StandardWireDiameter(std::span<const WireRow> all, std::string_view symbolSjis, double d,
                                  RowTexts texts) {
    const SymbolRows& rows = RowsOfSymbol(all, symbolSjis);
    StandardWire s;
    if (!std::isfinite(d) || !(d > 0)) return s;
    if (rows.of(WireTable::StandardDiameter).empty()) {
        SetRow(s.row, texts, [] { return NoData(WireTable::StandardDiameter); });
        return s;
    }
    if (const WireRow* outside = OutsideApplicable(rows, d)) {
        s.state = StandardWireState::NotStandard;
        SetRow(s.row, texts, [&] { return OutsideText(*outside, d); });
        return s;
    }
    const Neighbours n = StandardNeighbours(rows, d);
    if (n.exact) {
        s.state = StandardWireState::Standard;
        SetRow(s.row, texts, [&] { return Describe(*n.row); });
        return s;
    }
    if (const WireRow* unseen = FindRow(rows.of(WireTable::StandardDiameter), d)) {
        SetRow(s.row, texts,
               [&] { return Describe(*unseen); });  // inside a band whose diameters were not seen
        return s;
    }
    s.state = StandardWireState::NotStandard;
    s.below = n.below;
    s.above = n.above;
    SetRow(s.row, texts, [&] {
        std::string near;
        if (!std::isnan(n.below)) near = Num(n.below);
        if (!std::isnan(n.above)) near += (near.empty() ? "" : " / ") + Num(n.above);
        std::string row =
            "標準線径 " + std::string(n.list ? n.list->grades : "") + ": 線径 " + Num(d) + " mm は一覧にない";
        if (!near.empty()) row += "（近い標準線径 " + near + " mm）";
        if (n.list) row += "［出典 " + std::string(n.list->sources) + "］";
        return row;
    });
    return s;
}

}  // namespace torsion
