// The design practices as data and a few small functions: each practice's rate constant
// and leg term, its stress correction factor and when it applies, its static limit and its
// fatigue rule; and the working temperature's effect on Young's modulus. The one
// evaluation (core/evaluation/evaluation.h) applies them; nothing else asks which practice it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"

namespace torsion {

inline constexpr std::string_view kNoPublishedValue = "規格値なし";

// Young's modulus at the working temperature over the table's, and the message lines it
// brings: the correction made, a temperature below room (no correction), a temperature
// above the material's service limit (an error line: relaxation rises steeply). Exactly
// 1 and no line at room temperature. Throws CommandError where the data end below t, or
// for a temperature outside the allowed range.
struct WorkingTemperature {
    double youngRatio = 1;
    std::vector<std::string> lines;
    bool overServiceLimit = false;
};
WorkingTemperature WorkingTemperatureOf(const MaterialTable& table, int materialNo, double temperature);

// The rate of a practice in N·mm/度 for Young's modulus E (N/mm²), wire diameter d, mean
// coil diameter D, active turns N and arms a1, a2 (mm). Faults throw CommandError.
double PracticeRate(Practice p, double youngModulus, double wireDia, double meanDia, double turns,
                    double arm1, double arm2);
// Turns one straight arm adds: JIS and US l/(3πD); EN (tangential leg) l/(3πD) − D/(12πl),
// nothing for an arm that does not reach beyond the coil (l ≤ D/2).
double LegTurns(Practice p, double arm, double meanDia);
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
std::string FatigueVerdictText(const FatigueVerdict& v);

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

// The outcome of a case calculated by practice p.
PracticeOutcome PracticeOutcomeOf(const DesignCase& calculated, const MaterialTable& table, Practice p);

// The formulas of EN and US as the report's trace writes them (k in N·mm/度).
std::string PracticeRateFormula(Practice p);
std::string PracticeFactorFormula(Practice p);
// When the practice applies its factor, in words.
std::string PracticeFactorRule(Practice p);

// The message list's line that names a practice other than JIS.
std::string PracticeLine(Practice p);
inline constexpr const char* kNoStaticLimitLine = "静的な許容応力: 規格値なし (応力の判定なし)";

}  // namespace torsion
