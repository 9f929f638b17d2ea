#include "core/tolerances/wire_table.h"

#include <algorithm>
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

// The row of table for the symbol that holds x, a row with a value before a row that
// says none was seen; nullptr when no row holds it.
const WireRow* FindRow(std::span<const WireRow> rows, WireTable table, std::string_view symbol, double x) {
    const WireRow* notFound = nullptr;
    for (const WireRow& row : rows) {
        if (row.table != table || !WireRangeContains(row.lower, row.upper, x) || !Matches(row, symbol))
            continue;
        if (row.found) return &row;
        if (!notFound) notFound = &row;
    }
    return notFound;
}

bool HasRows(std::span<const WireRow> rows, WireTable table, std::string_view symbol) {
    return std::any_of(rows.begin(), rows.end(),
                       [&](const WireRow& row) { return row.table == table && Matches(row, symbol); });
}

std::string NoData(WireTable table) {
    return std::string(TableName(table)) + ": この材料の JIS の値はデータにない";
}

// The applicable diameters of the grade, when the data gives them and d lies outside.
const WireRow* OutsideApplicable(std::span<const WireRow> rows, std::string_view symbol, double d) {
    for (const WireRow& row : rows)
        if (row.table == WireTable::ApplicableRange && row.found && Matches(row, symbol))
            return WireRangeContains(row.lower, row.upper, d) ? nullptr : &row;
    return nullptr;
}

std::string OutsideText(const WireRow& row, double d) {
    return "線径 " + Num(d) + " mm は" + Describe(row) + " の外";
}

// Whether a band of unseen standard diameters reaches into the open interval (a, b).
bool UnseenBetween(std::span<const WireRow> rows, std::string_view symbol, double a, double b) {
    for (const WireRow& row : rows) {
        if (row.table != WireTable::StandardDiameter || row.found || !Matches(row, symbol)) continue;
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
Neighbours StandardNeighbours(std::span<const WireRow> rows, std::string_view symbol, double d) {
    Neighbours n;
    for (const WireRow& row : rows) {
        if (row.table != WireTable::StandardDiameter || !row.found || !Matches(row, symbol)) continue;
        const double p = row.lower.value;
        n.list = &row;
        if (Near(d, p)) {
            n.exact = true;
            n.row = &row;
        } else if (p > d && !(p >= n.above)) {
            n.above = p;
        } else if (p < d && !(p <= n.below)) {
            n.below = p;
        }
    }
    if (!std::isnan(n.above) && UnseenBetween(rows, symbol, d, n.above)) n.above = kNoNumber;
    if (!std::isnan(n.below) && UnseenBetween(rows, symbol, n.below, d)) n.below = kNoNumber;
    return n;
}

// The rows of rows that name symbol, in their order: what every lookup of a symbol scans.
// The last symbol's rows are kept (per thread), so a run of designs of one wire filters
// the table once instead of matching every row's symbols in every lookup.
std::span<const WireRow> RowsOfSymbol(std::span<const WireRow> rows, std::string_view symbol) {
    struct Filtered {
        const WireRow* table = nullptr;
        std::size_t size = 0;
        std::string symbol;
        std::vector<WireRow> rows;
    };
    thread_local Filtered last;
    if (last.table != rows.data() || last.size != rows.size() || last.symbol != symbol) {
        last.table = rows.data();
        last.size = rows.size();
        last.symbol.assign(symbol);
        last.rows.clear();
        for (const WireRow& row : rows)
            if (Matches(row, symbol)) last.rows.push_back(row);
    }
    return last.rows;
}

WireValue Lookup(std::span<const WireRow> rows, WireTable table, std::string_view symbol, double d) {
    WireValue v;
    if (!std::isfinite(d) || !(d > 0)) return v;
    const WireRow* row = FindRow(rows, table, symbol, d);
    if (!row) {
        v.row = HasRows(rows, table, symbol)
                    ? std::string(TableName(table)) + ": 線径 " + Num(d) + " mm は表の範囲外"
                    : NoData(table);
        return v;
    }
    v.row = Describe(*row);
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

WireValue WireDiameterTolerance(std::span<const WireRow> rows, std::string_view symbolSjis, double d) {
    return Lookup(RowsOfSymbol(rows, symbolSjis), WireTable::DiameterTolerance, symbolSjis, d);
}

WireValue WireOutOfRoundness(std::span<const WireRow> rows, std::string_view symbolSjis, double d) {
    return Lookup(RowsOfSymbol(rows, symbolSjis), WireTable::OutOfRoundness, symbolSjis, d);
}

WireValue JisTensileStrength(std::span<const WireRow> all, std::string_view symbolSjis, double d) {
    const std::span<const WireRow> rows = RowsOfSymbol(all, symbolSjis);
    WireValue v;
    if (!std::isfinite(d) || !(d > 0)) return v;
    if (!HasRows(rows, WireTable::TensileStrength, symbolSjis)) {
        v.row = NoData(WireTable::TensileStrength);
        return v;
    }
    if (const WireRow* outside = OutsideApplicable(rows, symbolSjis, d)) {
        v.row = OutsideText(*outside, d);
        return v;
    }
    double at = d;
    std::string how;
    if (!FindRow(rows, WireTable::TensileStrength, symbolSjis, d)) {
        // Between standard diameters: the value of the next larger one.
        const Neighbours n = StandardNeighbours(rows, symbolSjis, d);
        if (std::isnan(n.above)) {
            v.row = "引張強さ: 線径 " + Num(d) + " mm の次に大きい標準線径がデータから決まらない";
            return v;
        }
        at = n.above;
        how = "\n線径 " + Num(d) + " mm は標準線径の間: 次に大きい標準線径 " + Num(at) + " mm の値";
    }
    v = Lookup(rows, WireTable::TensileStrength, symbolSjis, at);
    v.row += how;
    return v;
}

StandardWire StandardWireDiameter(std::span<const WireRow> all, std::string_view symbolSjis, double d) {
    const std::span<const WireRow> rows = RowsOfSymbol(all, symbolSjis);
    StandardWire s;
    if (!std::isfinite(d) || !(d > 0)) return s;
    if (!HasRows(rows, WireTable::StandardDiameter, symbolSjis)) {
        s.row = NoData(WireTable::StandardDiameter);
        return s;
    }
    if (const WireRow* outside = OutsideApplicable(rows, symbolSjis, d)) {
        s.state = StandardWireState::NotStandard;
        s.row = OutsideText(*outside, d);
        return s;
    }
    const Neighbours n = StandardNeighbours(rows, symbolSjis, d);
    if (n.exact) {
        s.state = StandardWireState::Standard;
        s.row = Describe(*n.row);
        return s;
    }
    if (const WireRow* unseen = FindRow(rows, WireTable::StandardDiameter, symbolSjis, d)) {
        s.row = Describe(*unseen);  // inside a band whose diameters were not seen
        return s;
    }
    s.state = StandardWireState::NotStandard;
    s.below = n.below;
    s.above = n.above;
    std::string near;
    if (!std::isnan(n.below)) near = Num(n.below);
    if (!std::isnan(n.above)) near += (near.empty() ? "" : " / ") + Num(n.above);
    s.row = "標準線径 " + std::string(n.list ? n.list->grades : "") + ": 線径 " + Num(d) + " mm は一覧にない";
    if (!near.empty()) s.row += "（近い標準線径 " + near + " mm）";
    if (n.list) s.row += "［出典 " + std::string(n.list->sources) + "］";
    return s;
}

}  // namespace torsion
