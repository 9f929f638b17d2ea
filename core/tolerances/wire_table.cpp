#include "core/tolerances/wire_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>
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
            return TS_TEXT("線径の許容差");
        case WireTable::OutOfRoundness:
            return TS_TEXT("偏径差");
        case WireTable::TensileStrength:
            return TS_TEXT("引張強さ");
        case WireTable::StandardDiameter:
            return TS_TEXT("標準線径");
        case WireTable::ApplicableRange:
            return TS_TEXT("適用線径");
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

ComposedText RangeText(const WireRow& row) {
    const RangeBound &lo = row.lower, &hi = row.upper;
    if (lo.present && hi.present && lo.value == hi.value) return Num(lo.value) + " mm";
    std::vector<ComposedText> parts;
    if (lo.present)
        parts.push_back({lo.inclusive ? TS_TEXT("%1 以上") : TS_TEXT("%1 を超え"), {Num(lo.value)}});
    if (hi.present) {
        if (!parts.empty()) parts.push_back(std::string(" "));
        parts.push_back({hi.inclusive ? TS_TEXT("%1 以下") : TS_TEXT("%1 未満"), {Num(hi.value)}});
    }
    if (parts.empty()) return TS_TEXT("全線径");
    parts.push_back(std::string(" mm"));
    return Sequence(std::move(parts));
}

// The value of a found row; empty for a row without one (the standard and applicable diameters).
ComposedText ValueText(const WireRow& row) {
    if (!row.found) return {TS_TEXT("値は見つかっていない（%1）"), {kWireNoValueText}};
    switch (row.table) {
        case WireTable::DiameterTolerance:
            return "±" + Num(row.valueMax) + " mm";
        case WireTable::OutOfRoundness:
            return {TS_TEXT("%1 mm 以下"), {Num(row.valueMax)}};
        case WireTable::TensileStrength:
            return {TS_TEXT("%1〜%2 N/mm²"),
                    {Num(row.valueMin), std::isnan(row.valueMax)
                                            ? ComposedText(TS_TEXT("（上限は見つかっていない）"))
                                            : ComposedText(Num(row.valueMax))}};
        default:
            return std::string();
    }
}

// "［出典 S01,S02］", with the note that the value was read off a merged table.
ComposedText SourcesText(std::string sources, bool derived) {
    std::replace(sources.begin(), sources.end(), ';', ',');
    if (sources.empty()) return std::string();
    return {derived ? TS_TEXT("［出典 %1、表の読み取りによる］") : TS_TEXT("［出典 %1］"), {sources}};
}

ComposedText Describe(const WireRow& row) {
    std::vector<ComposedText> parts{TableName(row.table), " " + std::string(row.grades) + " ",
                                    RangeText(row)};
    if (ComposedText value = ValueText(row); !value.IsVerbatim() || !value.verbatim().empty())
        parts.insert(parts.end(), {std::string(": "), std::move(value)});
    parts.push_back(SourcesText(row.sources, std::string_view(row.status) == "derived"));
    return Sequence(std::move(parts));
}

// The rows of one symbol, table by table, in the data's order: what every lookup of the
// symbol scans.
struct SymbolRows {
    std::array<std::vector<WireRow>, 5> tables;
    // Per table, its rows by their lower bound when no two ranges overlap (they may share a
    // bound); empty when they do, and the table is scanned in the data's order instead.
    std::array<std::vector<const WireRow*>, 5> byLower;
    std::vector<const WireRow*> standard;  // the standard diameters seen, smallest first
    std::vector<const WireRow*> unseen;    // the bands of standard diameters not seen
    const WireRow* list = nullptr;         // the last of them in the data, for the list's names
    // The answers without texts at the diameters asked for so far: a batch of designs
    // mostly uses a few standard diameters. Kept per thread with the rows.
    std::unordered_map<double, WireAnswers> numbers;
    std::span<const WireRow> of(WireTable table) const { return tables[static_cast<std::size_t>(table)]; }
};

double LowerOf(const WireRow& row) {
    return row.lower.present ? row.lower.value : -INFINITY;
}

double UpperOf(const WireRow& row) {
    return row.upper.present ? row.upper.value : INFINITY;
}

// The rows of a table by their lower bound, or nothing when two of them overlap.
std::vector<const WireRow*> SortedWhenDisjoint(const std::vector<WireRow>& rows) {
    std::vector<const WireRow*> sorted;
    for (const WireRow& row : rows) sorted.push_back(&row);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const WireRow* a, const WireRow* b) { return LowerOf(*a) < LowerOf(*b); });
    for (std::size_t i = 1; i < sorted.size(); ++i)
        if (LowerOf(*sorted[i]) < UpperOf(*sorted[i - 1])) return {};
    return sorted;
}

// The row of a table that holds x: of the rows that hold it (a diameter within a
// billionth of a shared bound may lie in two), the first in the data with a value, else
// the first that says none was seen; nullptr when no row holds it.
const WireRow* FindRow(const SymbolRows& rows, WireTable table, double x) {
    const WireRow* found = nullptr;
    const WireRow* notFound = nullptr;
    const auto consider = [&](const WireRow& row) {
        if (!WireRangeContains(row.lower, row.upper, x)) return;
        const WireRow*& first = row.found ? found : notFound;
        if (!first || &row < first) first = &row;
    };
    const std::vector<const WireRow*>& sorted = rows.byLower[static_cast<std::size_t>(table)];
    if (sorted.empty()) {
        for (const WireRow& row : rows.of(table)) consider(row);
    } else {
        // The rows around the last one starting at or below x; only they can come within a
        // billionth of it.
        const auto after = std::upper_bound(sorted.begin(), sorted.end(), x,
                                            [](double v, const WireRow* row) { return v < LowerOf(*row); });
        const std::ptrdiff_t at = after - sorted.begin();
        const std::ptrdiff_t first = std::max<std::ptrdiff_t>(0, at - 3);
        const std::ptrdiff_t last = std::min<std::ptrdiff_t>(std::ssize(sorted), at + 2);
        for (std::ptrdiff_t i = first; i < last; ++i) consider(*sorted[static_cast<std::size_t>(i)]);
    }
    return found ? found : notFound;
}

ComposedText NoData(WireTable table) {
    return {TS_TEXT("%1: この材料の JIS の値はデータにない"), {TableName(table)}};
}

// The applicable diameters of the grade, when the data gives them and d lies outside.
const WireRow* OutsideApplicable(const SymbolRows& rows, double d) {
    for (const WireRow& row : rows.of(WireTable::ApplicableRange))
        if (row.found) return WireRangeContains(row.lower, row.upper, d) ? nullptr : &row;
    return nullptr;
}

ComposedText OutsideText(const WireRow& row, double d) {
    return {TS_TEXT("線径 %1 mm は%2 の外"), {Num(d), Describe(row)}};
}

// Whether a band of unseen standard diameters reaches into the open interval (a, b).
bool UnseenBetween(const SymbolRows& rows, double a, double b) {
    for (const WireRow* row : rows.unseen)
        if (LowerOf(*row) < b && UpperOf(*row) > a) return true;
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

// The rows of rows that name symbol, filtered once per symbol instead of matching every
// row's symbols in every lookup.
SymbolRows Filter(std::span<const WireRow> rows, std::string_view symbol) {
    SymbolRows out;
    for (const WireRow& row : rows)
        if (Matches(row, symbol)) out.tables[static_cast<std::size_t>(row.table)].push_back(row);
    for (std::size_t t = 0; t < out.tables.size(); ++t) out.byLower[t] = SortedWhenDisjoint(out.tables[t]);
    for (const WireRow& row : out.of(WireTable::StandardDiameter)) {
        if (!row.found) {
            out.unseen.push_back(&row);
            continue;
        }
        out.standard.push_back(&row);
        out.list = &row;
    }
    std::stable_sort(out.standard.begin(), out.standard.end(),
                     [](const WireRow* a, const WireRow* b) { return a->lower.value < b->lower.value; });
    return out;
}

SymbolRows& RowsOfSymbol(std::span<const WireRow> rows, std::string_view symbol) {
    struct Filtered {
        const WireRow* table;
        std::size_t size;
        std::string symbol;
        SymbolRows rows;
    };
    // Every symbol of a material table (30 at most) keeps its rows, per thread; a table of
    // rows seen for the first time starts the list again.
    thread_local std::vector<std::unique_ptr<Filtered>> kept;
    for (const auto& f : kept)
        if (f->symbol == symbol && f->table == rows.data() && f->size == rows.size()) return f->rows;
    if (kept.size() >= 64 ||
        (!kept.empty() && (kept[0]->table != rows.data() || kept[0]->size != rows.size())))
        kept.clear();
    kept.push_back(std::make_unique<Filtered>(Filtered{rows.data(), rows.size(), std::string(symbol), {}}));
    kept.back()->rows = Filter(rows, symbol);
    return kept.back()->rows;
}

// Sets a row text, made only when texts are built.
template <class MakeText>
void SetRow(ComposedText& row, RowTexts texts, MakeText make) {
    if (texts == RowTexts::Built) row = make();
}

WireValue Lookup(const SymbolRows& rows, WireTable table, double d, RowTexts texts) {
    WireValue v;
    if (!std::isfinite(d) || !(d > 0)) return v;
    const WireRow* row = FindRow(rows, table, d);
    if (!row) {
        SetRow(v.row, texts, [&] {
            return !rows.of(table).empty()
                       ? ComposedText(TS_TEXT("%1: 線径 %2 mm は表の範囲外"), {TableName(table), Num(d)})
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

namespace {

WireValue TensileOf(const SymbolRows& rows, double d, RowTexts texts) {
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
    if (!FindRow(rows, WireTable::TensileStrength, d)) {
        // Between standard diameters: the value of the next larger one.
        const Neighbours n = StandardNeighbours(rows, d);
        if (std::isnan(n.above)) {
            SetRow(v.row, texts, [&] {
                return ComposedText(
                    TS_TEXT("引張強さ: 線径 %1 mm の次に大きい標準線径がデータから決まらない"), {Num(d)});
            });
            return v;
        }
        at = n.above;
    }
    v = Lookup(rows, WireTable::TensileStrength, at, texts);
    if (at != d)
        SetRow(v.row, texts, [&] {
            return ComposedText(TS_TEXT("%1\n線径 %2 mm は標準線径の間: 次に大きい標準線径 %3 mm の値"),
                                {v.row, Num(d), Num(at)});
        });
    return v;
}

StandardWire StandardOf(const SymbolRows& rows, double d, RowTexts texts) {
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
    if (const WireRow* unseen = FindRow(rows, WireTable::StandardDiameter, d)) {
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
        std::vector<ComposedText> parts{{TS_TEXT("標準線径 %1: 線径 %2 mm は一覧にない"),
                                         {std::string(n.list ? n.list->grades : ""), Num(d)}}};
        if (!near.empty()) parts.push_back({TS_TEXT("（近い標準線径 %1 mm）"), {near}});
        if (n.list) parts.push_back({TS_TEXT("［出典 %1］"), {std::string(n.list->sources)}});
        return Sequence(std::move(parts));
    });
    return s;
}

WireAnswers AnswersOf(const SymbolRows& rows, double d, RowTexts texts) {
    WireAnswers a;
    a.tolerance = Lookup(rows, WireTable::DiameterTolerance, d, texts);
    a.roundness = Lookup(rows, WireTable::OutOfRoundness, d, texts);
    a.tensile = TensileOf(rows, d, texts);
    a.standard = StandardOf(rows, d, texts);
    return a;
}

// The answers at d without texts, worked out once per diameter (the list starts again
// when it holds 256 diameters).
const WireAnswers& NumbersOf(SymbolRows& rows, double d) {
    if (const auto at = rows.numbers.find(d); at != rows.numbers.end()) return at->second;
    if (rows.numbers.size() >= 256) rows.numbers.clear();
    return rows.numbers.emplace(d, AnswersOf(rows, d, RowTexts::Skipped)).first->second;
}

bool Remembered(double d, RowTexts texts) {
    return texts == RowTexts::Skipped && std::isfinite(d) && d > 0;
}

}  // namespace

WireValue WireDiameterTolerance(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                                RowTexts texts) {
    SymbolRows& of = RowsOfSymbol(rows, symbolSjis);
    return Remembered(d, texts) ? NumbersOf(of, d).tolerance
                                : Lookup(of, WireTable::DiameterTolerance, d, texts);
}

WireValue WireOutOfRoundness(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                             RowTexts texts) {
    SymbolRows& of = RowsOfSymbol(rows, symbolSjis);
    return Remembered(d, texts) ? NumbersOf(of, d).roundness
                                : Lookup(of, WireTable::OutOfRoundness, d, texts);
}

WireValue JisTensileStrength(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                             RowTexts texts) {
    SymbolRows& of = RowsOfSymbol(rows, symbolSjis);
    return Remembered(d, texts) ? NumbersOf(of, d).tensile : TensileOf(of, d, texts);
}

StandardWire StandardWireDiameter(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                                  RowTexts texts) {
    SymbolRows& of = RowsOfSymbol(rows, symbolSjis);
    return Remembered(d, texts) ? NumbersOf(of, d).standard : StandardOf(of, d, texts);
}

WireAnswers WireAnswersAt(std::span<const WireRow> rows, std::string_view symbolSjis, double d,
                          RowTexts texts) {
    SymbolRows& of = RowsOfSymbol(rows, symbolSjis);
    return Remembered(d, texts) ? NumbersOf(of, d) : AnswersOf(of, d, texts);
}

}  // namespace torsion
