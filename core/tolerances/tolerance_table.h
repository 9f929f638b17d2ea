// Tolerances of a torsion spring by grade (1, 2, 3) from the published tables, and wire
// densities. The rows come from data/tolerances.csv, compiled in by
// tools/make_tolerance_table; every lookup also takes the rows, so tests can give
// their own. Each result carries the description of the row it came from.
#pragma once

#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "core/base/catalogue_text.h"
#include "core/base/composed_text.h"

namespace torsion {

enum class ToleranceTable {
    MomentBeta1,
    MomentBeta2,
    FreeAngle,
    CoilDiameter,
    CoilLength,
    ArmLength,
    Density
};

// What a row gives: a value to use, a derived figure shown only for reference, or the
// mark of a range for which no value was published.
enum class RowKind { Value, Reference, NotPublished };

struct RangeBound {
    bool present = false;  // false: the range is open on this side
    double value = 0;
    bool inclusive = false;
};

struct ToleranceRow {
    ToleranceTable table;
    int grade;  // 1..3; 0 for every grade
    RangeBound lower;
    RangeBound upper;
    double percent;  // NaN where the row has none
    double minAbs;   // NaN where the row has none
    double value;    // NaN where the row has none
    RowKind kind;
    const char* sources;    // source ids, "SOT;BMB"
    const char* matchSjis;  // density rows: ";"-separated symbol prefixes or kind names, Shift-JIS
    const char* matchText;  // the same in UTF-8, for the description
};

inline constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

// The rows of data/tolerances.csv that the program uses.
std::span<const ToleranceRow> BuiltInToleranceRows();

inline constexpr int kToleranceGrades = 3;

// Whether a lookup describes the row its value came from (the row texts below). The page
// and the report show them; a batch of designs prints numbers only and skips them, since
// writing the texts costs several times the lookup itself.
enum class RowTexts { Built, Skipped };
inline constexpr int kDefaultToleranceGrade = 2;

enum class ToleranceState {
    Empty,             // the inputs are not finite numbers or the grade is not 1..3
    Value,             // plusMinus holds the tolerance
    NoPublishedValue,  // outside the table, or a range without a published value
    NotApplicable,     // the table does not apply (coil length of a close-wound spring)
};

// What the source ids in "［出典 TSU,SOT］" of a row description stand for: one line
// "TSU：…" per id found in text, in order of first appearance; empty when text names none.
ComposedText SourceLegend(const ComposedText& text);
// The lines of every source a tolerance or density row of the program may name.
ComposedText AllSourcesLegend();

inline constexpr const char* kNoPublishedValueText = TS_TEXT("規格値なし（受渡当事者間の協定）");
inline constexpr const char* kCloseWoundText = TS_TEXT("対象外（密着巻）");

struct ToleranceResult {
    ToleranceState state = ToleranceState::Empty;
    double plusMinus = kNoNumber;  // ± in the unit of the table: N·mm, degrees or mm
    double percent = kNoNumber;    // plusMinus as a percentage of the nominal value
    double reference = kNoNumber;  // derived figure for a range without a published value
    ComposedText row;              // the table row the value came from (or why there is none)
};

// ΔM = ±(αd·β1 + β2)·RMd, with αd in degrees and the rate RMd in N·mm/degree; ΔM in N·mm.
// β2 depends on the turns; for turns without a published β2 the result has no value
// and, where the data gives a derived β2, that figure as reference.
ToleranceResult MomentTolerance(std::span<const ToleranceRow> rows, int grade, double turns, double angleDeg,
                                double rateNmmPerDeg, RowTexts texts = RowTexts::Built);
// The two factors of ΔM, for drawing the band ±ΔM(φ): state Value (or NoPublishedValue
// with a derived β2 as reference) with beta1 and beta2 set.
struct MomentFactors {
    ToleranceState state = ToleranceState::Empty;
    double beta1 = kNoNumber;
    double beta2 = kNoNumber;  // degrees; the derived figure when state is NoPublishedValue
    ComposedText row;
};
MomentFactors MomentToleranceFactors(std::span<const ToleranceRow> rows, int grade, double turns,
                                     RowTexts texts = RowTexts::Built);
// ΔM by factors already looked up (MomentTolerance with the factors of its grade and turns).
ToleranceResult MomentToleranceOf(const MomentFactors& factors, double angleDeg, double rateNmmPerDeg);

// ± degrees of the free angle between the arms, by turns. The table is published for
// spring indexes 4 ≤ D/d ≤ 22 only; outside them there is no value.
inline constexpr double kFreeAngleIndexMin = 4;
inline constexpr double kFreeAngleIndexMax = 22;
ToleranceResult FreeAngleTolerance(std::span<const ToleranceRow> rows, int grade, double turns,
                                   double springIndex, RowTexts texts = RowTexts::Built);
// ±max(percent·diameter, minimum) mm, by the spring index; diameter is the inner or
// outer diameter the drawing gives.
ToleranceResult CoilDiameterTolerance(std::span<const ToleranceRow> rows, int grade, double springIndex,
                                      double diameter, RowTexts texts = RowTexts::Built);
// Coil (body) length by the spring index; not applied to a close-wound spring.
ToleranceResult CoilLengthTolerance(std::span<const ToleranceRow> rows, int grade, double springIndex,
                                    double length, bool closeWound);
// Arm length by the wire diameter.
ToleranceResult ArmLengthTolerance(std::span<const ToleranceRow> rows, int grade, double wireDia,
                                   double armLength);

// Density (g/cm³) of a wire by its symbol (a prefix) and then its kind name, both
// Shift-JIS as stored in the material table; NaN when no row matches.
struct DensityResult {
    double density = kNoNumber;
    ComposedText row;
};
DensityResult WireDensity(std::span<const ToleranceRow> rows, std::string_view symbolSjis,
                          std::string_view kindNameSjis, RowTexts texts = RowTexts::Built);

// Whether x lies in the row's range, bounds inclusive or exclusive as the row says.
bool RowRangeContains(const ToleranceRow& row, double x);

}  // namespace torsion
