#include "core/calc/evaluation.h"

#include "core/materials/fatigue_life.h"

namespace torsion {

Evaluation EvaluateDesign(const DesignCase& inputs, const MaterialTable& table,
                          const EvaluationOptions& options) {
    DesignCase c = inputs;
    CalculateCase(c, table);
    Evaluation e = EvaluationOf(c, table, options);
    e.guideRodAngle = inputs.angle2;
    return e;
}

Evaluation EvaluationOf(const DesignCase& calculated, const MaterialTable& table,
                        const EvaluationOptions& options) {
    Evaluation e;
    e.design = calculated;
    e.stressRatio = CaseStressCoefficients(calculated, table);
    e.design.lifeClass = EstimateLife(e.stressRatio.lower, e.stressRatio.upper);
    e.checks = CheckCase(e.design);
    // Dg = (Di − D·φ2/360/N)·0.9 solved for the φ2 it was given.
    const DesignCase& c = calculated;
    e.guideRodAngle =
        c.inputMode == 1 || c.outward != 0
            ? c.angle2
            : static_cast<double>((c.innerDia - c.guideRodDia / kGuideRodMargin) * 360 * c.turns / c.meanDia);
    if (options.grade && *options.grade >= 1 && *options.grade <= kToleranceGrades)
        e.manufacturing = ManufacturingCheckOf(e.design, table, *options.grade, options.dynamics);
    return e;
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
