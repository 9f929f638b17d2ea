#include "core/evaluation/evaluation.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "core/base/catalogue_text.h"
#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/materials/fatigue_life.h"

namespace torsion {

namespace {

// The message list: the practice when it is not JIS, the working temperature when it is not
// room temperature, then the checks of the case; a practice without a static limit has no
// stress check. With the default options, exactly CheckCase's lines.
CheckResult ChecksOf(const DesignCase& c, const DesignOptions& options, const PracticeOutcome& practice,
                     const std::vector<LegBend>& bends, const MaterialTable& table) {
    CheckResult base = CheckCase(c);
    if (IsDefault(options)) return base;
    CheckResult out;
    out.lines.reserve(base.lines.size() + 8);
    if (options.practice != Practice::Jis) out.lines.push_back(PracticeLine(options.practice));
    WorkingTemperature heat = WorkingTemperatureOf(table, c.materialNo, options.temperature);
    std::move(heat.lines.begin(), heat.lines.end(), std::back_inserter(out.lines));
    out.error = heat.overServiceLimit;
    AppendLegLines(out.lines, options, bends);
    out.error = out.error || LegError(bends);
    if (!practice.limitPublished) out.lines.emplace_back(kNoStaticLimitLine);
    for (ComposedText& line : base.lines) {
        if (line.IsText(kCalculationSuccess)) continue;
        if (!practice.limitPublished && line.IsText(kStressOverError)) continue;
        out.lines.push_back(std::move(line));
        out.error = true;
    }
    if (!out.error) out.lines.emplace_back(kCalculationSuccess);
    return out;
}

}  // namespace

Evaluation EvaluateDesign(const DesignCase& inputs, const MaterialTable& table,
                          const EvaluationOptions& options) {
    const WorkingTemperature heat =
        WorkingTemperatureOf(table, inputs.materialNo, options.design.temperature);
    // Touching coils (0) are the record's own and hold for any diameter the record has.
    if (options.design.pitchGap != 0 && !PitchGapAllowed(options.design.pitchGap, inputs.meanDia))
        throw CommandError({TS_TEXT("コイルのすき間 %1mm は 0〜%2mm (平均径まで) で指定してください"),
                            {FormatShort(options.design.pitchGap), FormatShort(inputs.meanDia)}});
    DesignCase c = inputs;
    CalculateCase(c, table, heat.youngRatio);
    ApplyDesignOptions(c, table, options.design, heat.youngRatio);
    return EvaluationOf(c, table, options);
}

Evaluation EvaluationOf(const DesignCase& calculated, const MaterialTable& table,
                        const EvaluationOptions& options) {
    Evaluation e;
    e.design = calculated;
    e.stressRatio = CaseStressCoefficients(calculated, table);
    e.design.lifeClass = EstimateLife(e.stressRatio.lower, e.stressRatio.upper);
    e.designOptions = options.design;
    e.practice = PracticeOutcomeOf(e.design, table, options.design.practice);
    e.bends = LegBendsOf(e.design, options.design);
    e.checks = ChecksOf(e.design, options.design, e.practice, e.bends, table);
    e.exists = SpringExists(calculated);
    if (options.grade && *options.grade >= 1 && *options.grade <= kToleranceGrades)
        e.manufacturing =
            ManufacturingCheckOf(e.design, table, *options.grade, options.dynamics, BuiltInToleranceRows(),
                                 BuiltInWireRows(), options.design, options.rowTexts);
    return e;
}

PracticeComparison ComparePractices(const DesignCase& inputs, const MaterialTable& table,
                                    const DesignOptions& options) {
    PracticeComparison out;
    out.chosen = options.practice;
    for (const Practice p : kAllPractices) {
        EvaluationOptions o;
        o.design = options;
        o.design.practice = p;
        out.byPractice[static_cast<std::size_t>(p)] = EvaluateDesign(inputs, table, o);
    }
    return out;
}

double PercentDifference(double value, double reference) {
    if (!std::isfinite(value) || !std::isfinite(reference) || reference == 0) return std::nan("");
    return (value - reference) / reference * 100;
}

bool SameInputs(const DesignCase& a, const DesignCase& b) {
    const bool anglesGiven = a.inputMode == 1;
    return a.materialNo == b.materialNo && a.wireDia == b.wireDia && a.innerDia == b.innerDia &&
           a.meanDia == b.meanDia && a.outerDia == b.outerDia && a.turns == b.turns && a.arm1 == b.arm1 &&
           a.arm2 == b.arm2 && a.outward == b.outward && a.leftHand == b.leftHand &&
           a.inputMode == b.inputMode &&
           (anglesGiven ? a.angle1 == b.angle1 && a.angle2 == b.angle2
                        : a.moment1 == b.moment1 && a.moment2 == b.moment2);
}

}  // namespace torsion
