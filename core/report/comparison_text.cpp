// The texts of the practices side by side.
#include "core/report/comparison_text.h"

#include <cmath>
#include <cstdio>

#include "core/base/catalogue_text.h"
#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/base/unit_text.h"

namespace torsion {

namespace {

std::string Percent(double value) {
    if (!std::isfinite(value)) return {};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%+.1f%%", value);
    // "-0.0%" of a tiny negative difference reads as no difference.
    return std::string(buf) == "-0.0%" ? "+0.0%" : buf;
}

}  // namespace

ComposedText DesignOptionsCaption(const DesignOptions& options) {
    return {TS_TEXT("設計基準: %1　使用温度: %2℃"),
            {ComposedText(PracticeName(options.practice).data()), FormatShort(options.temperature)}};
}

ComparisonTexts PracticeComparisonTexts(const PracticeComparison& compared, UnitSystem unit) {
    ComparisonTexts t;
    const Evaluation& chosen = compared.of(compared.chosen);
    t.caption = DesignOptionsCaption(chosen.designOptions);
    for (const Practice p : kAllPractices)
        t.practices[static_cast<std::size_t>(p)] =
            p == compared.chosen ? ComposedText(TS_TEXT("%1（選択）"), {ComposedText(PracticeName(p).data())})
                                 : ComposedText(PracticeName(p).data());

    // A row of numbers: the value of each practice, with its difference to the chosen one.
    // shown: whether the practice publishes the value; converted: in the shown unit.
    auto numbers = [&](ComposedText item, ComposedText unitText, auto valueOf, auto shown, bool converted) {
        ComparisonRow row{std::move(item), std::move(unitText), {}};
        const double reference = valueOf(chosen);
        for (const Practice p : kAllPractices) {
            const Evaluation& e = compared.of(p);
            ComposedText& cell = row.cells[static_cast<std::size_t>(p)];
            if (!shown(e)) {
                cell = kNoPublishedText;
                continue;
            }
            const double value = valueOf(e);
            std::string text = converted ? FormatShownShort(value, unit) : FormatShort(value);
            if (p != compared.chosen && shown(chosen)) {
                const std::string difference = Percent(PercentDifference(value, reference));
                if (!difference.empty()) text += " (" + difference + ")";
            }
            cell = std::move(text);
        }
        t.rows.push_back(std::move(row));
    };
    auto always = [](const Evaluation&) { return true; };
    auto limit = [](const Evaluation& e) { return e.practice.limitPublished; };
    const std::string moment = MomentUnitText(unit), stress = StressUnitText(unit);
    numbers(
        TS_TERM("ばね定数", "report step"), RateUnitWord(unit),
        [](const Evaluation& e) { return e.design.springConst; }, always, true);
    numbers(
        "M1", moment, [](const Evaluation& e) { return e.design.moment1; }, always, true);
    numbers(
        "M2", moment, [](const Evaluation& e) { return e.design.moment2; }, always, true);
    numbers(
        TS_TEXT("応力修正係数 (σ2 に掛けた値)"), "-",
        [](const Evaluation& e) { return e.practice.appliedFactor; }, always, false);
    numbers(
        "σ2", stress, [](const Evaluation& e) { return e.design.stress2; }, always, true);
    // A bent leg's bend, at M2 of each practice: its own row.
    static constexpr const char* kBendStressItems[2] = {TS_TEXT("脚1の曲げ部の応力"),
                                                        TS_TEXT("脚2の曲げ部の応力")};
    for (int leg = 1; leg <= 2; ++leg) {
        if (!IsBent(chosen.designOptions.legs[static_cast<std::size_t>(leg - 1)].shape)) continue;
        numbers(
            kBendStressItems[leg - 1], stress,
            [leg](const Evaluation& e) { return BendStressAt(e.bends, leg); }, always, true);
    }
    numbers(
        TS_TERM("許容応力", "comparison item"), stress,
        [](const Evaluation& e) { return e.design.allowStress; }, limit, true);
    numbers(
        TS_TEXT("最大角度"), TS_TEXT("度"), [](const Evaluation& e) { return e.design.maxAngle; }, limit,
        false);
    numbers(
        TS_TEXT("最大モーメント"), moment, [](const Evaluation& e) { return e.design.maxMoment; }, limit,
        true);
    numbers(
        TS_TEXT("安全率 (許容応力/σ2)"), "-", [](const Evaluation& e) { return e.practice.safetyFactor; },
        limit, false);
    ComparisonRow fatigue{TS_TEXT("疲労"), std::string("-"), {}};
    for (const Practice p : kAllPractices)
        fatigue.cells[static_cast<std::size_t>(p)] = FatigueVerdictText(compared.of(p).practice.fatigue);
    t.rows.push_back(std::move(fatigue));
    return t;
}

ComparisonTexts PracticeComparisonTextsOf(const DesignCase& inputs, const MaterialTable& table,
                                          const DesignOptions& options, UnitSystem unit) {
    try {
        return PracticeComparisonTexts(ComparePractices(inputs, table, options), unit);
    } catch (const CommandError& e) {
        ComparisonTexts t;
        t.caption = DesignOptionsCaption(options);
        t.fault = e.text();
        return t;
    }
}

}  // namespace torsion
