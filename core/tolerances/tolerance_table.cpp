#include "core/tolerances/tolerance_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <vector>

#include "core/base/number_text.h"

namespace torsion {

namespace {

constexpr std::size_t kToleranceTables = static_cast<std::size_t>(ToleranceTable::Density) + 1;

const ToleranceRow kBuiltInRows[] = {
#include "tolerance_rows.inc"
};

const char* TableName(ToleranceTable table) {
    switch (table) {
        case ToleranceTable::MomentBeta1:
            return TS_TEXT("ばね特性 β1");
        case ToleranceTable::MomentBeta2:
            return TS_TEXT("ばね特性 β2");
        case ToleranceTable::FreeAngle:
            return TS_TEXT("腕の自由角度");
        case ToleranceTable::CoilDiameter:
            return TS_TEXT("コイル径");
        case ToleranceTable::CoilLength:
            return TS_TEXT("コイル長さ");
        case ToleranceTable::ArmLength:
            return TS_TEXT("腕の長さ");
        case ToleranceTable::Density:
            return TS_TEXT("密度");
    }
    return "";
}

// The quantity a table's ranges are in.
ComposedText BasisName(ToleranceTable table) {
    switch (table) {
        case ToleranceTable::MomentBeta2:
        case ToleranceTable::FreeAngle:
            return TS_TERM("巻数 N", "quantity of the ranges of a tolerance table");
        case ToleranceTable::CoilDiameter:
        case ToleranceTable::CoilLength:
            return TS_TERM("ばね指数 c=D/d", "quantity of the ranges of a tolerance table");
        case ToleranceTable::ArmLength:
            return TS_TERM("線径 d", "quantity of the ranges of a tolerance table");
        default:
            return std::string();
    }
}

std::string Num(double x) {
    return FormatGeneral(x, 4);
}

ComposedText GradeText(int grade) {
    if (grade == 0) return TS_TEXT("全等級");
    return {TS_TEXT("%1級"), {std::to_string(grade)}};
}

// "3を超え10以下": each bound inclusive or not, one pattern for each way they combine.
ComposedText RangeText(const ToleranceRow& row) {
    const RangeBound &lo = row.lower, &hi = row.upper;
    if (lo.present && hi.present) {
        static constexpr const char* kBoth[2][2] = {{TS_TEXT("%1を超え%2未満"), TS_TEXT("%1を超え%2以下")},
                                                    {TS_TEXT("%1以上%2未満"), TS_TEXT("%1以上%2以下")}};
        return {kBoth[lo.inclusive][hi.inclusive], {Num(lo.value), Num(hi.value)}};
    }
    if (lo.present) return {lo.inclusive ? TS_TEXT("%1以上") : TS_TEXT("%1を超え"), {Num(lo.value)}};
    if (hi.present) return {hi.inclusive ? TS_TEXT("%1以下") : TS_TEXT("%1未満"), {Num(hi.value)}};
    return std::string();
}

ComposedText SourcesText(const ToleranceRow& row) {
    std::string ids = row.sources;
    std::replace(ids.begin(), ids.end(), ';', ',');
    if (ids.empty()) return std::string();
    return {TS_TEXT("［出典 %1］"), {ids}};
}

struct SourceName {
    std::string_view id;
    const char* name;
};

constexpr SourceName kSourceNames[] = {
    {"TSU", TS_TEXT("JIS B 2704-2:2018・JSMA SB001-2:2018 の要約（ばねメーカーの技術資料）")},
    {"SOT", TS_TEXT("ばねメーカーのねじりばね許容差の資料（JIS の版の記載なし）")},
    {"BMB", TS_TEXT("ばねメーカーの資料「ねじりコイルバネの寸法・特性の許容範囲」（2010 年）")},
    {"SCR", TS_TEXT("ばね用線材の表（密度 lb/in³）")},
    {"TKR", TS_TEXT("ばねメーカーの Q&A（鋼の密度 7.85 g/cm³）")},
    {"SUSJIS", TS_TEXT("ステンレス鋼の鋼種ごとの密度の表")},
    {"HIRO", TS_TEXT("SUS303・304・316 の比重の資料")},
};

// The words of the density rows' match lists that name a kind of wire rather than a symbol.
constexpr const char* kWireKindWords[] = {TS_TEXT("ピアノ線"), TS_TEXT("硬鋼線"),
                                          TS_TEXT("オイルテンパー線")};

// A density row's match list ("ピアノ線;SWP"), its kind words in the reader's language.
ComposedText MatchText(std::string_view list) {
    std::vector<ComposedText> parts;
    while (true) {
        const std::size_t end = std::min(list.find(';'), list.size());
        const std::string_view word = list.substr(0, end);
        const auto kind = std::find_if(std::begin(kWireKindWords), std::end(kWireKindWords),
                                       [&](const char* w) { return word == w; });
        parts.push_back(kind != std::end(kWireKindWords) ? ComposedText(*kind)
                                                         : ComposedText(std::string(word)));
        if (end == list.size()) break;
        parts.push_back(std::string(";"));
        list.remove_prefix(end + 1);
    }
    return Sequence(std::move(parts));
}

// "ばね特性 β2 全等級 巻数 N 3を超え10以下": the table, its grade, and the range of the row.
ComposedText RowHeading(const ToleranceRow& row) {
    if (!row.lower.present && !row.upper.present)
        return {TS_TERM("%1 %2", "table and grade of a tolerance row"),
                {TableName(row.table), GradeText(row.grade)}};
    return {TS_TERM("%1 %2 %3 %4", "table, grade and range of a tolerance row"),
            {TableName(row.table), GradeText(row.grade), BasisName(row.table), RangeText(row)}};
}

ComposedText ValueText(const ToleranceRow& row) {
    if (row.kind == RowKind::NotPublished) return TS_TEXT("値は公表されていない");
    if (!std::isnan(row.percent)) return {TS_TEXT("±%1%（最小±%2mm）"), {Num(row.percent), Num(row.minAbs)}};
    switch (row.table) {
        case ToleranceTable::MomentBeta2:
            if (row.kind == RowKind::Reference) return {TS_TEXT("%1°（導出値、参考）"), {Num(row.value)}};
            return Num(row.value) + "°";
        case ToleranceTable::FreeAngle:
            return "±" + Num(row.value) + "°";
        case ToleranceTable::Density:
            return Num(row.value) + " g/cm³";
        default:
            return Num(row.value);
    }
}

ComposedText Describe(const ToleranceRow& row) {
    return Sequence({RowHeading(row), std::string(": "), ValueText(row), SourcesText(row)});
}

ComposedText OutOfTable(ToleranceTable table, int grade, double x) {
    return {TS_TEXT("%1 %2: %3=%4 は表の範囲外"),
            {TableName(table), GradeText(grade), BasisName(table), Num(x)}};
}

bool GradeValid(int grade) {
    return grade >= 1 && grade <= kToleranceGrades;
}

// The row of the table for grade that holds x: a value row first, then a row that
// marks the range as unpublished; nullptr outside every range.
// The rows of one table, in the data's order. The last rows' tables are kept (per thread),
// so the lookups of a run of designs do not pass over the other tables' rows each time.
std::span<const ToleranceRow* const> RowsOfTable(std::span<const ToleranceRow> rows, ToleranceTable table) {
    struct Indexed {
        const ToleranceRow* data = nullptr;
        std::size_t size = 0;
        std::array<std::vector<const ToleranceRow*>, kToleranceTables> tables;
    };
    thread_local Indexed last;
    if (last.data != rows.data() || last.size != rows.size()) {
        last.data = rows.data();
        last.size = rows.size();
        for (auto& t : last.tables) t.clear();
        for (const ToleranceRow& row : rows) {
            const auto at = static_cast<std::size_t>(row.table);
            if (at < last.tables.size()) last.tables[at].push_back(&row);
        }
    }
    const auto at = static_cast<std::size_t>(table);
    return at < last.tables.size() ? std::span<const ToleranceRow* const>(last.tables[at])
                                   : std::span<const ToleranceRow* const>();
}

const ToleranceRow* FindRow(std::span<const ToleranceRow> rows, ToleranceTable table, int grade, double x,
                            RowKind kind) {
    for (const ToleranceRow* row : RowsOfTable(rows, table))
        if ((row->grade == grade || row->grade == 0) && row->kind == kind && RowRangeContains(*row, x))
            return row;
    return nullptr;
}

struct Lookup {
    const ToleranceRow* value = nullptr;      // the row to use
    const ToleranceRow* published = nullptr;  // the unpublished-range mark, when there is no value
};

Lookup FindValue(std::span<const ToleranceRow> rows, ToleranceTable table, int grade, double x) {
    if (const ToleranceRow* row = FindRow(rows, table, grade, x, RowKind::Value)) return {row, nullptr};
    return {nullptr, FindRow(rows, table, grade, x, RowKind::NotPublished)};
}

// Sets a row text, made only when texts are built.
template <class MakeText>
void SetRow(ComposedText& row, RowTexts texts, MakeText make) {
    if (texts == RowTexts::Built) row = make();
}

template <class MakeText>
ToleranceResult NoValue(RowTexts texts, MakeText make) {
    ToleranceResult result;
    result.state = ToleranceState::NoPublishedValue;
    SetRow(result.row, texts, make);
    return result;
}

// ±max(percent·nominal, minimum) by the row of the table that holds x.
ToleranceResult PercentRule(std::span<const ToleranceRow> rows, ToleranceTable table, int grade, double x,
                            double nominal, RowTexts texts = RowTexts::Built) {
    if (!GradeValid(grade) || !std::isfinite(x) || !std::isfinite(nominal)) return {};
    const Lookup found = FindValue(rows, table, grade, x);
    if (!found.value)
        return NoValue(texts, [&] {
            return found.published ? Describe(*found.published) : OutOfTable(table, grade, x);
        });
    const ToleranceRow& row = *found.value;
    ToleranceResult result;
    result.state = ToleranceState::Value;
    result.plusMinus = std::max(row.percent / 100 * std::fabs(nominal), row.minAbs);
    if (nominal != 0) result.percent = result.plusMinus / std::fabs(nominal) * 100;
    SetRow(result.row, texts, [&] { return Describe(row); });
    return result;
}

}  // namespace

std::span<const ToleranceRow> BuiltInToleranceRows() {
    return kBuiltInRows;
}

bool RowRangeContains(const ToleranceRow& row, double x) {
    if (std::isnan(x)) return false;
    if (row.lower.present && (row.lower.inclusive ? x < row.lower.value : x <= row.lower.value)) return false;
    if (row.upper.present && (row.upper.inclusive ? x > row.upper.value : x >= row.upper.value)) return false;
    return true;
}

MomentFactors MomentToleranceFactors(std::span<const ToleranceRow> rows, int grade, double turns,
                                     RowTexts texts) {
    MomentFactors factors;
    if (!GradeValid(grade) || !std::isfinite(turns)) return factors;
    const Lookup beta1 = FindValue(rows, ToleranceTable::MomentBeta1, grade, 0);
    if (!beta1.value) {
        factors.state = ToleranceState::NoPublishedValue;
        SetRow(factors.row, texts, [&] {
            return ComposedText(TS_TEXT("%1 %2: 値がない"),
                                {TableName(ToleranceTable::MomentBeta1), GradeText(grade)});
        });
        return factors;
    }
    factors.beta1 = beta1.value->value;
    const Lookup beta2 = FindValue(rows, ToleranceTable::MomentBeta2, grade, turns);
    if (beta2.value) {
        factors.state = ToleranceState::Value;
        factors.beta2 = beta2.value->value;
        SetRow(factors.row, texts, [&] {
            return Sequence({Describe(*beta1.value), std::string("\n"), Describe(*beta2.value)});
        });
        return factors;
    }
    factors.state = ToleranceState::NoPublishedValue;
    const ToleranceRow* reference =
        FindRow(rows, ToleranceTable::MomentBeta2, grade, turns, RowKind::Reference);
    if (reference) factors.beta2 = reference->value;
    SetRow(factors.row, texts, [&] {
        ComposedText row = beta2.published ? Describe(*beta2.published)
                                           : OutOfTable(ToleranceTable::MomentBeta2, grade, turns);
        if (reference) row = Sequence({std::move(row), std::string("\n"), Describe(*reference)});
        return row;
    });
    return factors;
}

ToleranceResult MomentTolerance(std::span<const ToleranceRow> rows, int grade, double turns, double angleDeg,
                                double rateNmmPerDeg, RowTexts texts) {
    if (!std::isfinite(angleDeg) || !std::isfinite(rateNmmPerDeg)) return {};
    return MomentToleranceOf(MomentToleranceFactors(rows, grade, turns, texts), angleDeg, rateNmmPerDeg);
}

ToleranceResult MomentToleranceOf(const MomentFactors& factors, double angleDeg, double rateNmmPerDeg) {
    if (!std::isfinite(angleDeg) || !std::isfinite(rateNmmPerDeg)) return {};
    ToleranceResult result;
    result.state = factors.state;
    result.row = factors.row;
    const double angle = std::fabs(angleDeg);
    const double rate = std::fabs(rateNmmPerDeg);
    const double band = (angle * factors.beta1 + factors.beta2) * rate;  // NaN without β2
    const double moment = angle * rate;
    if (factors.state == ToleranceState::Value && !std::isfinite(band)) return {};  // beyond double range
    if (factors.state == ToleranceState::Value) {
        result.plusMinus = band;
        if (moment != 0) result.percent = band / moment * 100;
    } else if (factors.state == ToleranceState::NoPublishedValue && std::isfinite(band)) {
        result.reference = band;
    }
    return result;
}

ToleranceResult FreeAngleTolerance(std::span<const ToleranceRow> rows, int grade, double turns,
                                   double springIndex, RowTexts texts) {
    if (!GradeValid(grade) || !std::isfinite(turns) || !std::isfinite(springIndex)) return {};
    if (springIndex < kFreeAngleIndexMin || springIndex > kFreeAngleIndexMax)
        return NoValue(texts, [&] {
            return ComposedText(TS_TEXT("%1 %2: ばね指数 c=D/d=%3 は表の適用範囲（%4 ≤ D/d ≤ %5）の外"),
                                {TableName(ToleranceTable::FreeAngle), GradeText(grade), Num(springIndex),
                                 Num(kFreeAngleIndexMin), Num(kFreeAngleIndexMax)});
        });
    const Lookup found = FindValue(rows, ToleranceTable::FreeAngle, grade, turns);
    if (!found.value)
        return NoValue(texts, [&] {
            return found.published ? Describe(*found.published)
                                   : OutOfTable(ToleranceTable::FreeAngle, grade, turns);
        });
    ToleranceResult result;
    result.state = ToleranceState::Value;
    result.plusMinus = found.value->value;
    SetRow(result.row, texts, [&] { return Describe(*found.value); });
    return result;
}

ToleranceResult CoilDiameterTolerance(std::span<const ToleranceRow> rows, int grade, double springIndex,
                                      double diameter, RowTexts texts) {
    return PercentRule(rows, ToleranceTable::CoilDiameter, grade, springIndex, diameter, texts);
}

ToleranceResult CoilLengthTolerance(std::span<const ToleranceRow> rows, int grade, double springIndex,
                                    double length, bool closeWound) {
    if (closeWound) {
        if (!GradeValid(grade) || !std::isfinite(springIndex) || !std::isfinite(length)) return {};
        ToleranceResult result;
        result.state = ToleranceState::NotApplicable;
        result.row = {TS_TEXT("%1: 密着巻きには適用しない"), {TableName(ToleranceTable::CoilLength)}};
        return result;
    }
    return PercentRule(rows, ToleranceTable::CoilLength, grade, springIndex, length);
}

ToleranceResult ArmLengthTolerance(std::span<const ToleranceRow> rows, int grade, double wireDia,
                                   double armLength) {
    return PercentRule(rows, ToleranceTable::ArmLength, grade, wireDia, armLength);
}

namespace {

// The density row of a wire: each word of a row's match list is tried as a symbol prefix in
// the first pass and as the whole kind name in the second, so a symbol decides before its
// kind; nullptr when no row matches.
const ToleranceRow* DensityRow(std::span<const ToleranceRow> rows, std::string_view symbolSjis,
                               std::string_view kindNameSjis) {
    for (int pass = 0; pass < 2; ++pass) {
        for (const ToleranceRow* row : RowsOfTable(rows, ToleranceTable::Density)) {
            if (row->kind != RowKind::Value) continue;
            std::string_view words = row->matchSjis;
            while (!words.empty()) {
                const std::size_t end = std::min(words.find(';'), words.size());
                const std::string_view word = words.substr(0, end);
                words.remove_prefix(std::min(end + 1, words.size()));
                if (word.empty()) continue;
                if (pass == 0 ? symbolSjis.substr(0, word.size()) == word : kindNameSjis == word) return row;
            }
        }
    }
    return nullptr;
}

}  // namespace

DensityResult WireDensity(std::span<const ToleranceRow> rows, std::string_view symbolSjis,
                          std::string_view kindNameSjis, RowTexts texts) {
    // The rows of the wires asked for are kept (per thread): a run of designs asks for a few
    // wires again and again.
    struct Kept {
        std::string symbol, kindName;
        const ToleranceRow* row = nullptr;
    };
    struct Wires {
        const ToleranceRow* data = nullptr;
        std::size_t size = 0;
        std::vector<Kept> kept;
    };
    thread_local Wires wires;
    if (wires.data != rows.data() || wires.size != rows.size() || wires.kept.size() >= 64) {
        wires.data = rows.data();
        wires.size = rows.size();
        wires.kept.clear();
    }
    const Kept* last = nullptr;
    for (const Kept& k : wires.kept)
        if (k.symbol == symbolSjis && k.kindName == kindNameSjis) last = &k;
    if (!last)
        last = &wires.kept.emplace_back(Kept{std::string(symbolSjis), std::string(kindNameSjis),
                                             DensityRow(rows, symbolSjis, kindNameSjis)});
    DensityResult result;
    if (const ToleranceRow* row = last->row) {
        result.density = row->value;
        SetRow(result.row, texts, [&] {
            return Sequence({{TS_TEXT("密度 %1（%2）"), {ValueText(*row), MatchText(row->matchText)}},
                             SourcesText(*row)});
        });
    } else {
        SetRow(result.row, texts, [] { return ComposedText(TS_TEXT("密度: この材料の値はデータにない")); });
    }
    return result;
}

ComposedText SourceLegend(const ComposedText& described) {
    static constexpr std::string_view kOpen = "［出典 ";
    static constexpr std::string_view kClose = "］";
    const std::string japanese = described.Japanese();
    const std::string_view text = japanese;
    std::vector<std::string_view> ids;
    for (std::size_t at = text.find(kOpen); at != std::string_view::npos; at = text.find(kOpen, at)) {
        at += kOpen.size();
        const std::size_t end = text.find(kClose, at);
        if (end == std::string_view::npos) break;
        std::string_view list = text.substr(at, end - at);
        while (!list.empty()) {
            const std::size_t comma = list.find(',');
            const std::string_view id = list.substr(0, comma);
            if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
            list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        }
        at = end;
    }
    std::vector<ComposedText> lines;
    for (const std::string_view id : ids) {
        const auto known = std::find_if(std::begin(kSourceNames), std::end(kSourceNames),
                                        [&](const SourceName& s) { return s.id == id; });
        if (!lines.empty()) lines.push_back(std::string("\n"));
        lines.push_back({TS_TEXT("%1：%2"),
                         {std::string(id), known != std::end(kSourceNames)
                                               ? known->name
                                               : TS_TEXT("data/tolerances.md の出典一覧を参照")}});
    }
    return Sequence(std::move(lines));
}

ComposedText AllSourcesLegend() {
    std::vector<ComposedText> lines;
    for (const SourceName& s : kSourceNames) {
        if (!lines.empty()) lines.push_back(std::string("\n"));
        lines.push_back({TS_TEXT("%1：%2"), {std::string(s.id), s.name}});
    }
    return Sequence(std::move(lines));
}

}  // namespace torsion
