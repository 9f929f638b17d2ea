#include "core/calc/evaluation.h"

#include "core/materials/fatigue_life.h"

namespace torsion {

Evaluation EvaluateDesign(const DesignCase& inputs, const MaterialTable& table) {
    DesignCase c = inputs;
    CalculateCase(c, table);
    return EvaluationOf(c, table);
}

Evaluation EvaluationOf(const DesignCase& calculated, const MaterialTable& table) {
    Evaluation e;
    e.design = calculated;
    e.stressRatio = CaseStressCoefficients(calculated, table);
    e.design.lifeClass = EstimateLife(e.stressRatio.lower, e.stressRatio.upper);
    e.checks = CheckCase(e.design);
    return e;
}

}  // namespace torsion
