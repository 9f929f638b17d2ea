// The texts of the calculation report (計算書): the title block, the inputs and
// results of a case with their units, the checks, and the calculation trace, each step
// as its formula, the values put in and the result, so a checker can follow every number.
#pragma once

#include <string>
#include <vector>

#include "core/base/composed_text.h"
#include "core/base/units.h"
#include "core/evaluation/evaluation.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

namespace torsion {

struct TitleBlock {
    std::string productName;  // 品名
    std::string drawingNo;    // 図番
    std::string designer;     // 設計者
    std::string date;         // 日付
};

// The words of the report are composed texts (core/base/composed_text.h): Japanese() is the
// report as it always read, the Qt layer shows them in the report's language.
struct ReportRow {
    ComposedText item, unit, value;
};

struct TraceStep {
    ComposedText title;    // what the step computes
    ComposedText formula;  // with symbols
    ComposedText values;   // the values put in
    ComposedText result;   // symbol = value unit
};

struct ReportTexts {
    std::vector<ReportRow> inputs;
    std::vector<ReportRow> results;
    std::vector<ReportRow> recommended;
    std::vector<ComposedText> checks;  // CheckCase's lines
    bool checksFailed = false;
    ComposedText life;  // the life label
    std::vector<TraceStep> trace;
};

// The report of an evaluated case. symbol is the material symbol in UTF-8. Moments, stresses and
// the spring constant of the tables and the trace are in unit. Numbers are in the general
// format with 6 significant digits, inputs at full precision.
ReportTexts CalculationReportTexts(const Evaluation& e, const MaterialTable& table, const std::string& symbol,
                                   UnitSystem unit);

// The trace alone (part of the report texts), its moments, stresses and rate in unit.
std::vector<TraceStep> CalculationTrace(const Evaluation& e, const MaterialTable& table,
                                        UnitSystem unit = UnitSystem::Kgf);

}  // namespace torsion
