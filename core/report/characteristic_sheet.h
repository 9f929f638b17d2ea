// The characteristic page of a calculated case: the moment tolerance at both operating
// points and the dimensional tolerances of one grade, the loaded geometry at φ2 and at
// the maximum angle, and the numbers of the torque–angle diagram, all as the window
// shows them (moments in the shown unit).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/base/composed_text.h"
#include "core/base/unit_text.h"
#include "core/base/units.h"
#include "core/evaluation/evaluation.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/tolerances/tolerance_table.h"
#include "core/tolerances/variation.h"

namespace torsion {

struct SheetCell {
    ComposedText text;
    ComposedText tip;  // the table row or formula behind the value
};

struct SheetLine {
    ComposedText label;
    SheetCell value;                 // spans both value columns when atMax is empty
    std::optional<SheetCell> atMax;  // the loaded geometry at the maximum angle
    bool heading = false;
};

// The torque–angle line M = rate·φ and its tolerance band ±(β1·φ + β2)·rate, moments
// in the shown unit. With band NoPublishedValue, beta2 is the derived reference figure
// (or NaN when there is none).
struct CharacteristicPlot {
    double rate = kNoNumber;
    double angle1 = kNoNumber, angle2 = kNoNumber, maxAngle = kNoNumber;
    double moment1 = kNoNumber, moment2 = kNoNumber, maxMoment = kNoNumber;
    ToleranceState band = ToleranceState::Empty;
    double beta1 = kNoNumber, beta2 = kNoNumber;
    int grade = 0;
};

struct CharacteristicSheet {
    std::vector<SheetLine> lines;
    CharacteristicPlot plot;
};

// From an evaluation of a calculated case, for the grade of its manufacturing check (the
// default grade, and the spring alone, when it has none).
CharacteristicSheet BuildCharacteristicSheet(const Evaluation& e, const MaterialTable& table, UnitSystem unit,
                                             std::span<const ToleranceRow> rows = BuiltInToleranceRows());
// The same for the results of the last calculation held in c, evaluated for the grade
// and the page's J and operating frequency.
CharacteristicSheet BuildCharacteristicSheet(const DesignCase& c, const MaterialTable& table, int grade,
                                             UnitSystem unit, const DynamicsInputs& dynamics = {});

// The lines of the variation, the wire and the dynamics (part of the sheet, after the
// tolerances), appended to lines.
void AppendManufacturingLines(std::vector<SheetLine>& lines, const ManufacturingCheck& check,
                              UnitSystem unit);

}  // namespace torsion
