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

std::string TableName(ToleranceTable table) {
    switch (table) {
        case ToleranceTable::MomentBeta1:
            return "ばね特性 β1";
        case ToleranceTable::MomentBeta2:
            return "ばね特性 β2";
        case ToleranceTable::FreeAngle:
            return "腕の自由角度";
        case ToleranceTable::CoilDiameter:
            return "コイル径";
        case ToleranceTable::CoilLength:
            return "コイル長さ";
        case ToleranceTable::ArmLength:
            return "腕の長さ";
        case ToleranceTable::Density:
            return "密度";
    }
    return {};
}

// The quantity a table's ranges are in.
std::string BasisName(ToleranceTable table) {
    switch (table) {
        case ToleranceTable::MomentBeta2:
        case ToleranceTable::FreeAngle:
            return "巻数 N";
        case ToleranceTable::CoilDiameter:
        case ToleranceTable::CoilLength:
            return "ばね指数 c=D/d";
        case ToleranceTable::ArmLength:
            return "線径 d";
        default:
            return {};
    }
}

std::string Num(double x) {
    return FormatGeneral(x, 4);
}

std::string GradeText(int grade) {
    return grade == 0 ? "全等級" : std::to_string(grade) + "級";
}

std::string RangeText(const ToleranceRow& row) {
    std::string text;
    if (row.lower.present) text += Num(row.lower.value) + (row.lower.inclusive ? "以上" : "を超え");
    if (row.upper.present) text += Num(row.upper.value) + (row.upper.inclusive ? "以下" : "未満");
    return text;
}

std::string SourcesText(const ToleranceRow& row) {
    std::string ids = row.sources;
    std::replace(ids.begin(), ids.end(), ';', ',');
    return ids.empty() ? std::string() : "［出典 " + ids + "］";
}

struct SourceName {
    std::string_view id;
    std::string_view name;
};

constexpr SourceName kSourceNames[] = {
    {"TSU", "JIS B 2704-2:2018・JSMA SB001-2:2018 の要約（ばねメーカーの技術資料）"},
    {"SOT", "ばねメーカーのねじりばね許容差の資料（JIS の版の記載なし）"},
    {"BMB", "ばねメーカーの資料「ねじりコイルバネの寸法・特性の許容範囲」（2010 年）"},
    {"SCR", "ばね用線材の表（密度 lb/in³）"},
    {"TKR", "ばねメーカーの Q&A（鋼の密度 7.85 g/cm³）"},
    {"SUSJIS", "ステンレス鋼の鋼種ごとの密度の表"},
    {"HIRO", "SUS303・304・316 の比重の資料"},
};

std::string RowHeading(const ToleranceRow& row) {
    std::string text = TableName(row.table) + " " + GradeText(row.grade);
    if (row.lower.present || row.upper.present) text += " " + BasisName(row.table) + " " + RangeText(row);
    return text;
}

std::string ValueText(const ToleranceRow& row) {
    if (row.kind == RowKind::NotPublished) return "値は公表されていない";
    if (!std::isnan(row.percent)) return "±" + Num(row.percent) + "%（最小±" + Num(row.minAbs) + "mm）";
    switch (row.table) {
        case ToleranceTable::MomentBeta1:
            return Num(row.value);
        case ToleranceTable::MomentBeta2:
            return Num(row.value) + "°" + (row.kind == RowKind::Reference ? "（導出値、参考）" : "");
        case ToleranceTable::FreeAngle:
            return "±" + Num(row.value) + "°";
        case ToleranceTable::Density:
            return Num(row.value) + " g/cm³";
        default:
            return Num(row.value);
    }
}

std::string Describe(const ToleranceRow& row) {
    return RowHeading(row) + ": " + ValueText(row) + SourcesText(row);
}

std::string OutOfTable(ToleranceTable table, int grade, double x) {
    return TableName(table) + " " + GradeText(grade) + ": " + BasisName(table) + "=" + Num(x) +
           " は表の範囲外";
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
void SetRow(std::string& row, RowTexts texts, MakeText make) {
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
            return TableName(ToleranceTable::MomentBeta1) + " " + GradeText(grade) + ": 値がない";
        });
        return factors;
    }
    factors.beta1 = beta1.value->value;
    const Lookup beta2 = FindValue(rows, ToleranceTable::MomentBeta2, grade, turns);
    if (beta2.value) {
        factors.state = ToleranceState::Value;
        factors.beta2 = beta2.value->value;
        SetRow(factors.row, texts, [&] { return Describe(*beta1.value) + "\n" + Describe(*beta2.value); });
        return factors;
    }
    factors.state = ToleranceState::NoPublishedValue;
    const ToleranceRow* reference =
        FindRow(rows, ToleranceTable::MomentBeta2, grade, turns, RowKind::Reference);
    if (reference) factors.beta2 = reference->value;
    SetRow(factors.row, texts, [&] {
        std::string row = beta2.published ? Describe(*beta2.published)
                                          : OutOfTable(ToleranceTable::MomentBeta2, grade, turns);
        if (reference) row += "\n" + Describe(*reference);
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
            return TableName(ToleranceTable::FreeAngle) + " " + GradeText(grade) +
                   ": ばね指数 c=D/d=" + Num(springIndex) + " は表の適用範囲（" + Num(kFreeAngleIndexMin) +
                   " ≤ D/d ≤ " + Num(kFreeAngleIndexMax) + "）の外";
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
        result.row = TableName(ToleranceTable::CoilLength) + ": 密着巻きには適用しない";
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
        SetRow(result.row, texts,
               [&] { return "密度 " + ValueText(*row) + "（" + row->matchText + "）" + SourcesText(*row); });
    } else {
        SetRow(result.row, texts, [] { return std::string("密度: この材料の値はデータにない"); });
    }
    return result;
}

std::string SourceLegend(std::string_view text) {
    static constexpr std::string_view kOpen = "［出典 ";
    static constexpr std::string_view kClose = "］";
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
    std::string legend;
    for (const std::string_view id : ids) {
        const auto known = std::find_if(std::begin(kSourceNames), std::end(kSourceNames),
                                        [&](const SourceName& s) { return s.id == id; });
        legend += (legend.empty() ? "" : "\n") + std::string(id) + "：" +
                  std::string(known != std::end(kSourceNames) ? known->name
                                                              : "data/tolerances.md の出典一覧を参照");
    }
    return legend;
}

std::string AllSourcesLegend() {
    std::string legend;
    for (const SourceName& s : kSourceNames)
        legend += (legend.empty() ? "" : "\n") + std::string(s.id) + "：" + std::string(s.name);
    return legend;
}

}  // namespace torsion
