// What the search window and the command line show of a search: the reasons for
// exclusion, the summary, the result columns and their cells, the CSV lines and the
// texts "適用" types into the main window.
#include <string>
#include <vector>

#include "core/base/catalogue_text.h"
#include "core/base/number_text.h"
#include "core/base/unit_text.h"
#include "core/design/design_search.h"
#include "core/materials/fatigue_life.h"

namespace torsion {

ComposedText SearchExclusionText(SearchExclusion reason) {
    switch (reason) {
        case SearchExclusion::Torque:
            return TS_TEXT("巻数の範囲内で M2 が許容差に入らない");
        case SearchExclusion::OuterDia:
            return TS_TEXT("外径が上限を超える");
        case SearchExclusion::SpringIndex:
            return TS_TEXT("バネ指数が４～２２の外");
        case SearchExclusion::Stress:
            return TS_TEXT("σ2 が許容応力を超える");
        case SearchExclusion::GuideRod:
            return TS_TEXT("案内棒径が指定より小さい");
        case SearchExclusion::Life:
            return TS_TEXT("期待寿命が指定に届かない");
        case SearchExclusion::Fault:
            return TS_TEXT("計算できない（演算エラー）");
        case SearchExclusion::Count:
            break;
    }
    return std::string();
}

namespace {

// 1234567 as "1,234,567".
std::string Grouped(std::int64_t n) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return n < 0 ? "-" + digits : digits;
}

}  // namespace

ComposedText SearchSummaryText(const SearchOutcome& o) {
    return {o.cancelled
                ? TS_TEXT("調べた設計 %1 件（計算 %2 件、トルク適合 %3 件）、条件を満たす設計 %4 件（中止）")
                : TS_TEXT("調べた設計 %1 件（計算 %2 件、トルク適合 %3 件）、条件を満たす設計 %4 件"),
            {Grouped(o.examined), Grouped(o.calculated), Grouped(o.torqueMatched), Grouped(o.feasible)}};
}

ComposedText SearchNoneFeasibleText(const SearchOutcome& o) {
    if (o.feasible > 0) return std::string();
    // The torque decides which designs are looked at; when some give it, the other
    // requirement that refused most of them is the one to relax.
    SearchExclusion most = SearchExclusion::Torque;
    std::int64_t count = o.examined;
    std::int64_t of = o.examined;
    if (o.torqueMatched > 0) {
        count = -1;
        of = o.torqueMatched;
        for (int r = static_cast<int>(SearchExclusion::OuterDia); r < kSearchExclusions; ++r) {
            if (o.excluded[static_cast<std::size_t>(r)] > count) {
                count = o.excluded[static_cast<std::size_t>(r)];
                most = static_cast<SearchExclusion>(r);
            }
        }
    } else {
        count = o.excluded[static_cast<int>(SearchExclusion::Torque)];
    }
    return {TS_TEXT("条件を満たすばねはありません。最も多く除外した条件：%1（%2 / %3 件）"),
            {SearchExclusionText(most), Grouped(count), Grouped(of)}};
}

ComposedText SearchColumnTitle(SearchColumn column, UnitSystem unit) {
    switch (column) {
        case SearchColumn::Symbol:
            return TS_TEXT("記号");
        case SearchColumn::WireDia:
            return TS_TEXT("線径 d (mm)");
        case SearchColumn::MeanDia:
            return TS_TEXT("平均径 D (mm)");
        case SearchColumn::InnerDia:
            return TS_TEXT("内径 (mm)");
        case SearchColumn::OuterDia:
            return TS_TEXT("外径 (mm)");
        case SearchColumn::Turns:
            return TS_TEXT("巻数 N");
        case SearchColumn::SpringConst:
            return {TS_TEXT("ばね定数 (%1)"), {ComposedText(RateUnitWord(unit))}};
        case SearchColumn::Moment1:
            return "M1 (" + MomentUnitText(unit) + ")";
        case SearchColumn::Moment2:
            return "M2 (" + MomentUnitText(unit) + ")";
        case SearchColumn::Stress2:
            return "σ2 (" + StressUnitText(unit) + ")";
        case SearchColumn::AllowStress:
            return "σa (" + StressUnitText(unit) + ")";
        case SearchColumn::StressRatio:
            return "σ2/σa";
        case SearchColumn::Life:
            return TS_TEXT("期待寿命 (回)");
        case SearchColumn::GuideRod:
            return TS_TEXT("案内棒径 (mm)");
        case SearchColumn::WireLength:
            return TS_TEXT("線長 (mm)");
        case SearchColumn::Count:
            break;
    }
    return std::string();
}

double SearchCellValue(const SearchCandidate& c, SearchColumn column, UnitSystem unit) {
    const DesignCase& d = c.design;
    switch (column) {
        case SearchColumn::Symbol:
            return d.materialNo;
        case SearchColumn::WireDia:
            return d.wireDia;
        case SearchColumn::MeanDia:
            return d.meanDia;
        case SearchColumn::InnerDia:
            return d.innerDia;
        case SearchColumn::OuterDia:
            return d.outerDia;
        case SearchColumn::Turns:
            return d.turns;
        case SearchColumn::SpringConst:
            return ToShownUnit(d.springConst, unit);
        case SearchColumn::Moment1:
            return ToShownUnit(d.moment1, unit);
        case SearchColumn::Moment2:
            return ToShownUnit(d.moment2, unit);
        case SearchColumn::Stress2:
            return ToShownUnit(d.stress2, unit);
        case SearchColumn::AllowStress:
            return ToShownUnit(d.allowStress, unit);
        case SearchColumn::StressRatio:
            return d.stress2 / d.allowStress;
        case SearchColumn::Life:
            return d.lifeClass;
        case SearchColumn::GuideRod:
            return d.guideRodDia;
        case SearchColumn::WireLength:
            return c.wireLength;
        case SearchColumn::Count:
            break;
    }
    return 0;
}

std::string SearchCellText(const SearchCandidate& c, SearchColumn column, UnitSystem unit,
                           const MaterialTable& table) {
    const DesignCase& d = c.design;
    switch (column) {
        case SearchColumn::Symbol: {
            const MaterialRecord* r = RecordOrNull(table, d.materialNo);
            return r ? ShortStringValue(r->symbol) : std::string();
        }
        case SearchColumn::WireDia:
        case SearchColumn::MeanDia:
        case SearchColumn::InnerDia:
        case SearchColumn::OuterDia:
        case SearchColumn::Turns:
            return FormatFull(SearchCellValue(c, column, unit));
        case SearchColumn::Life:
            return LifeLabel(d.lifeClass);
        default:
            return FormatShort(SearchCellValue(c, column, unit));
    }
}

SearchApplyTexts SearchApplyTextsOf(const SearchCandidate& c) {
    const DesignCase& d = c.design;
    SearchApplyTexts t;
    switch (d.diaMode) {
        case 0:
            t.coilDia = FormatRoundTrip(d.innerDia);
            break;
        case 2:
            t.coilDia = FormatRoundTrip(d.outerDia);
            break;
        default:
            t.coilDia = FormatRoundTrip(d.meanDia);
            break;
    }
    t.turns = FormatRoundTrip(d.turns);
    t.angle1 = FormatRoundTrip(d.angle1);
    t.angle2 = FormatRoundTrip(d.angle2);
    t.arm1 = FormatRoundTrip(d.arm1);
    t.arm2 = FormatRoundTrip(d.arm2);
    return t;
}

}  // namespace torsion
