// The design practices as data and a few small functions: each practice's rate constant
// and leg term, its stress correction factor and when it applies, its static limit and its
// fatigue rule; and the working temperature's effect on Young's modulus. The one
// evaluation (core/evaluation/evaluation.h) applies them; nothing else asks which practice it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/catalogue_text.h"
#include "core/base/composed_text.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"

namespace torsion {

inline constexpr const char* kNoPublishedText = TS_TEXT("規格値なし");
inline constexpr std::string_view kNoPublishedValue = kNoPublishedText;

// Young's modulus at the working temperature over the table's, and the message lines it
// brings: the correction made, a temperature below room (no correction), a temperature
// above the material's service limit (an error line: relaxation rises steeply). Exactly
// 1 and no line at room temperature. Throws CommandError where the data end below t, or
// for a temperature outside the allowed range.
struct WorkingTemperature {
    double youngRatio = 1;
    std::vector<ComposedText> lines;
    bool overServiceLimit = false;
};
WorkingTemperature WorkingTemperatureOf(const MaterialTable& table, int materialNo, double temperature);

// The working temperature of a typed text, °C. Throws CommandError for a text that is no
// number (the number conversion's message) or a temperature outside the allowed range.
double TemperatureOfText(const std::string& text);
// A typed straight length, bend radius or coil gap, mm: a number from 0 to kMaxLegLength;
// otherwise CommandError (the number conversion's message, or the range).
double LegLengthOfText(const std::string& text);

// The rate of a practice in N·mm/度 for Young's modulus E (N/mm²), wire diameter d, mean
// coil diameter D, active turns N and arms a1, a2 (mm). Faults throw CommandError.
double PracticeRate(Practice p, double youngModulus, double wireDia, double meanDia, double turns,
                    double arm1, double arm2);
// The same with leg shapes. Two tangential legs give PracticeRate exactly (JIS: its 389 term);
// otherwise the coil term times N plus the turns each leg adds.
double PracticeRate(Practice p, double youngModulus, double wireDia, double meanDia, double turns,
                    double arm1, double arm2, LegShape leg1, LegShape leg2);
// Turns one straight arm adds: JIS and US l/(3πD); EN (tangential leg) l/(3πD) − D/(12πl),
// nothing for an arm that does not reach beyond the coil (l ≤ D/2).
double LegTurns(Practice p, double arm, double meanDia);
// Turns a leg of a shape adds: tangential as above; radial b³/(3πD·l²) with b = l − D/2 (a
// cantilever from the coil surface; 0 for l ≤ D/2); clamped 0. No practice publishes a term
// for a leg bent along the axis: it takes the tangential term (its lever lies in the coil's
// plane up to the bend), and the message list says so.
double LegTurns(Practice p, LegShape shape, double arm, double meanDia);

// The stress at the bend of a leg of inner radius r: q_leg = (2r/d + 1.07)/(2r/d + 0.25).
double BendFactor(double bendRadius, double wireDia);
struct LegBend {
    int leg = 1;            // 1 or 2
    double radius = 0;      // r, mm
    double factor = 0;      // q_leg
    double stress = 0;      // q_leg·32·M2/(π·d³), kgf/mm² as the record's stresses
    bool tooTight = false;  // r < d
    bool tight = false;     // r < 1.5·d
    bool over = false;      // above the allowable stress
};
// The stress correction factor at spring index c: κ (JIS), q (EN), Ki (US).
double CorrectionFactor(Practice p, double springIndex);
// Whether EN and US apply their factor: EN when loaded to open, US always. (JIS: the
// program's own formula, AppliedStressFactor.)
bool CorrectionApplies(Practice p, bool opening);
// The static limit of EN and US as a fraction of the tensile strength for the material's
// symbol; nullopt where the practice publishes none for it and for JIS (whose limit is the
// material table's allowable bending stress).
std::optional<double> StaticLimitRatio(Practice p, std::string_view symbolSjis);

// The fatigue verdict of a practice: JIS the life class of the fatigue diagram; US the
// safety factor against each published fatigue strength (Goodman line to the tensile
// strength); EN no published values.
struct FatiguePoint {
    double cycles;
    double percent;    // fatigue strength Sr at R = 0, % of the tensile strength
    double endurance;  // Se, N/mm²
    double safety;     // nf = Sa/σa; infinite without alternating stress
};
struct FatigueVerdict {
    enum class Kind { LifeClass, SafetyFactor, NotPublished } kind = Kind::NotPublished;
    int lifeClass = 0;
    std::vector<FatiguePoint> points;
};
// The US verdict for stresses σ1, σ2 and tensile strength σB, all N/mm².
FatigueVerdict UsFatigueVerdict(std::string_view symbolSjis, double stress1, double stress2,
                                double tensileStrength);
ComposedText FatigueVerdictText(const FatigueVerdict& v);

// What an evaluation says of its practice beyond the case record.
struct PracticeOutcome {
    Practice practice = Practice::Jis;
    double factor = 0;         // the practice's correction factor at the spring index
    double appliedFactor = 1;  // what σ2 is of 32·M2/(π·d³)
    bool limitPublished = true;
    double safetyFactor = 0;  // allowStress/stress2; NaN without a limit
    FatigueVerdict fatigue;
};

// Replaces the results of a case that CalculateCase has calculated (with the same Young's
// modulus ratio) by those of practice p: rate, correction factor, allowable stress, largest
// moment and angle, the operating point the input mode does not give, the stresses. JIS
// leaves the case as it is. Without a published limit the allowable stress and the largest
// moment and angle are 0. Faults throw CommandError.
void ApplyPractice(DesignCase& c, const MaterialTable& table, Practice p, double youngRatio);
// ApplyPractice for the design's options: the practice, then the legs. With two tangential
// legs exactly ApplyPractice. Another leg shape changes the rate (and with it the largest
// angle and the operating point the input mode does not give); a bent leg lowers the largest
// moment to allowable·πd³/(32·q_leg) where that is below the coil's.
void ApplyDesignOptions(DesignCase& c, const MaterialTable& table, const DesignOptions& o, double youngRatio);
// The bends of a calculated case's legs bent out or along the axis, with their stress at M2
// (nothing is calculated again: a stored case gives the bends it was calculated with).
std::vector<LegBend> LegBendsOf(const DesignCase& calculated, const DesignOptions& o);
// Appends the message lines of the legs: a leg bent along the axis (no published term), each
// bend's stress, r < d (error), r < 1.5·d (warning), a bend above the allowable stress (error).
// The numbers are written out only when a line is read.
void AppendLegLines(std::vector<ComposedText>& lines, const DesignOptions& o,
                    const std::vector<LegBend>& bends);
// True when one of the legs' lines is an error.
bool LegError(const std::vector<LegBend>& bends);
// The stress at the bend of leg 1 or 2; NaN where that leg has no bend.
double BendStressAt(const std::vector<LegBend>& bends, int leg);

// The outcome of a case calculated by practice p.
PracticeOutcome PracticeOutcomeOf(const DesignCase& calculated, const MaterialTable& table, Practice p);

// The formulas of EN and US as the report's trace writes them (k in N·mm/度).
std::string PracticeRateFormula(Practice p);
std::string PracticeFactorFormula(Practice p);
// When the practice applies its factor, in words.
const char* PracticeFactorRule(Practice p);

// The message list's line that names a practice other than JIS.
ComposedText PracticeLine(Practice p);
inline constexpr const char* kNoStaticLimitLine = TS_TEXT("静的な許容応力: 規格値なし (応力の判定なし)");

}  // namespace torsion
