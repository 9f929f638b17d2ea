// The one evaluation of a design: the calculation, the stress ratios of the fatigue
// diagram, the life estimate, the checks and the recommended values, all from one set of
// inputs. The window, the data sheet, the report, the exports, the command line and the
// design search take their numbers from here, so no result is ever shown beside inputs
// it was not computed from.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/calc/calculation.h"
#include "core/calc/practice.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"
#include "core/tolerances/variation.h"

namespace torsion {

// What an evaluation looks at besides the calculation: the design's options (practice and
// working temperature), and with a tolerance grade (1..3) the variation of the
// characteristic, the wire and the natural frequency (with the J and operating frequency
// given). A caller that prints numbers only (a batch of designs) skips the row texts of
// the manufacturing check.
struct EvaluationOptions {
    EvaluationOptions() = default;
    EvaluationOptions(std::optional<int> grade_, DynamicsInputs dynamics_ = {}, DesignOptions design_ = {})
        : grade(grade_), dynamics(dynamics_), design(design_) {}

    std::optional<int> grade;
    DynamicsInputs dynamics;
    DesignOptions design;
    RowTexts rowTexts = RowTexts::Built;
};

struct Evaluation {
    // The inputs with every result, the recommended values (maxAngle, maxMoment,
    // guideRodDia) and lifeClass, the life class of the fatigue diagram's point.
    DesignCase design{};
    StressCoefficients stressRatio{};  // σ/σB at both operating points
    CheckResult checks;                // the message list's lines
    // False for a spring that cannot be made (see SpringExists): its numbers are no
    // results, and nothing shows them beside the checks' lines.
    bool exists = true;
    // Filled when a grade was asked for (and it is 1..3).
    std::optional<ManufacturingCheck> manufacturing;
    // The options the case was evaluated with, and what its practice says beyond the record
    // (correction factor applied, whether a static limit is published, safety factor, fatigue).
    DesignOptions designOptions;
    PracticeOutcome practice;
    // The bends of the legs bent out or along the axis, with their stress at M2.
    std::vector<LegBend> bends;
};

// Calculates a copy of the inputs by the options' practice at their working temperature and
// evaluates it. With the default options this is the program's own calculation exactly. A
// fault of the arithmetic, or a temperature beyond the data, throws CommandError.
Evaluation EvaluateDesign(const DesignCase& inputs, const MaterialTable& table,
                          const EvaluationOptions& options = {});

// The evaluation of a case whose results are already calculated (a case just calculated
// in place, a recalled slot, a case from a file): nothing is calculated again.
Evaluation EvaluationOf(const DesignCase& calculated, const MaterialTable& table,
                        const EvaluationOptions& options = {});

// The same inputs evaluated by every practice at the options' working temperature, in the
// order of kAllPractices; chosen is the options' practice.
struct PracticeComparison {
    Practice chosen = Practice::Jis;
    std::array<Evaluation, kPractices> byPractice;
    const Evaluation& of(Practice p) const { return byPractice[static_cast<std::size_t>(p)]; }
};
PracticeComparison ComparePractices(const DesignCase& inputs, const MaterialTable& table,
                                    const DesignOptions& options);
// (value − reference) / reference in %; NaN where it has no value.
double PercentDifference(double value, double reference);

// True when two cases have the same inputs: material, wire and coil diameters, turns,
// arms, flags, the input mode and the operating point that mode gives.
bool SameInputs(const DesignCase& a, const DesignCase& b);

}  // namespace torsion
