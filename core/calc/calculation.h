// The design calculation on the current case: defaults, reading the window's texts
// into the case, the formulas, the checks and the texts that show a case.
// Arithmetic runs in extended precision and is narrowed to double when a field is
// stored. Faults throw CommandError; fields stored before a fault keep their values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/base/catalogue_text.h"
#include "core/base/composed_text.h"
#include "core/base/unit_text.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

namespace torsion {

// Fills slot 0 with the defaults of a new current case.
void InitCurrentCase(DesignCase& c);

// Copies all 224 bytes of slot `from` over slot `to`; numbers outside 0..30 do nothing.
void CopyCase(CaseTable& table, int from, int to);

// What the main window's input controls hold, as the window reads them.
struct WindowInputs {
    int kindPos = -1;                   // ComboBox5 item index
    int symbolPos = -1;                 // ComboBox7 item index
    int diameterPos = -1;               // ComboBox6 item index
    std::string coilDiaText;            // Edit18
    std::string wireDiaText;            // ComboBox6 text
    std::string turnsText;              // Edit19
    std::string angle1Text;             // Edit4
    std::string angle2Text;             // Edit5
    std::string moment1Text;            // Edit6, in the shown unit
    std::string moment2Text;            // Edit7, in the shown unit
    std::string arm1Text;               // Edit12
    std::string arm2Text;               // Edit13
    bool outward = false;               // soto
    bool leftHand = false;              // hidari
    UnitSystem unit = UnitSystem::Kgf;  // of the moment boxes
    // What the window last wrote into the moment boxes (see ReadShownValue).
    std::optional<WrittenValue> moment1Written, moment2Written;
};

// ReadDiameters: material, wire diameter and coil diameters. Returns the new caption
// of the spring-index label ("バネ指数=" + D/d in 3 digits), or nullopt when meanDia is 0
// (the caption then stays). Throws a conversion error at the first bad text, and the
// division error when the typed wire diameter is 0 under a non-zero mean diameter.
std::optional<ComposedText> ReadDiameters(DesignCase& c, const MaterialTable& table, const KindIndex& index,
                                          const WindowInputs& in);
// Step 4 of ReadDiameters: the coil diameter typed in the case's diaMode (inner,
// mean, outer) gives all three, with the wire diameter the case holds; another
// diaMode leaves them as they are.
void DeriveCoilDiameters(DesignCase& c, double typed);
// The rest of ReadWindowToCase after ReadDiameters: turns, angles, moments, arms, flags.
void ReadOperatingInputs(DesignCase& c, const WindowInputs& in);

// The rate formula: k = E·d⁴ / (kRateCoilTerm·D·N + kRateArmTerm·(a1 + a2)) / g, with E in
// N/mm², lengths in mm and k in kgf·mm/度.
inline constexpr double kRateCoilTerm = 3667;
inline constexpr double kRateArmTerm = 389;
// The guide rod's share of the loaded inner diameter (and of Di when loaded outwards).
inline constexpr long double kGuideRodMargin = 0.9L;

// CalculateCase: all results of the case from its inputs and the material table. youngRatio
// scales the material's Young's modulus (the working temperature; 1 at room temperature).
void CalculateCase(DesignCase& c, const MaterialTable& table, double youngRatio = 1);

// What the bending stress of a calculated case is of 32·M/(π·d³): 1 when loaded inwards,
// (D/2 + R)/R·κ when loaded outwards; NaN where the case has no finite factor.
double AppliedStressFactor(const DesignCase& c);

// The rate formula of CalculateCase: k in kgf·mm/度 of a spring of Young's modulus E
// (N/mm²), wire diameter d, mean coil diameter D, turns N and arms a1, a2 (mm); NaN where
// the formula has no finite value (a zero divisor, an overflow).
double SpringRate(double youngModulus, double wireDia, double meanDia, double turns, double arm1,
                  double arm2);

// CheckCase: the lines for the message list. error = true means red lines; otherwise
// the single line "Calculation Success!" in the normal colour.
struct CheckResult {
    std::vector<ComposedText> lines;
    bool error = false;
};
CheckResult CheckCase(const DesignCase& c);
// Whether the case is a spring that can be made: a wire, a coil wider than the wire and
// turns. A case that is none has no results to show beside the lines of CheckCase.
bool SpringExists(const DesignCase& c);

// Stress coefficients σ/σB of a case (σ in kgf/mm^2 times 9.8 over σB in N/mm^2).
// valid is false when the case names no usable tensile strength (material or row out
// of range, σB not positive): the coefficients are then NaN.
struct StressCoefficients {
    double lower;
    double upper;
    bool valid;
};
StressCoefficients CaseStressCoefficients(const DesignCase& c, const MaterialTable& table);

// The coil diameter that the window shows for the case's diaMode: the caption of the
// box ("内径", "平均径", "外径") and the diameter in full format; nullopt for a diaMode
// outside 0..2 (from a foreign case file).
struct ShownDiameter {
    std::string label;
    std::string text;
};
std::optional<ShownDiameter> ShownCoilDiameter(const DesignCase& c);
// The diameter switch: inner → mean → outer → inner. A diaMode outside 0..2 has nothing
// to switch from: it stays, and the answer is false.
bool SwitchDiameterMode(DesignCase& c);

// The texts with which ShowCase writes a case into the window; moments, stresses and
// the spring constant in the shown unit.
struct CaseTexts {
    std::optional<std::string> diameterLabel;  // "内径", "平均径", "外径"; nullopt for another diaMode
    std::optional<std::string> coilDiaText;    // Edit18, full format
    std::string turnsText;                     // Edit19, full format
    std::string angle1Text, angle2Text, moment1Text, moment2Text;  // short format
    std::string springConstText, stress2Text, allowStressText;     // short format
    std::string arm1Text, arm2Text;                                // short format
    std::string lifeText;                                          // life label
    ComposedText guideRodCaption;                                  // "案内棒径＝" + short + "mm"
};
CaseTexts CaseDisplayTexts(const DesignCase& c, UnitSystem unit = UnitSystem::Kgf);

// Recommended-values captions of the live update (short format).
ComposedText SpringIndexCaption(double springIndex);  // "バネ指数=" ... (3 digits)
ComposedText MaxAngleCaption(double maxAngle);        // "最大角度=" ... "度"
// The moment captions in the shown unit; in SI the applied one ends in "N･mm".
ComposedText MaxTorqueCaption(double maxMoment,
                              UnitSystem unit = UnitSystem::Kgf);  // "最大トルク=" ... "kgf･mm"
ComposedText GuideRodCaption(double guideRodDia);                  // "案内棒径=　" ... "mm"
ComposedText AppliedMomentCaption(double maxMoment, UnitSystem unit = UnitSystem::Kgf);  // "最大=" ... "kgf"
// True when the spring index is inside the live-update range 3..22.
bool SpringIndexInRecommendedRange(double springIndex);
inline constexpr const char* kSpringIndexRangeError = TS_TEXT("エラー：バネ指数が範囲外");
inline constexpr const char* kCalculationSuccess = "Calculation Success!";
// The lines of CheckCase, in the order it tests them.
inline constexpr const char* kSpringIndexLowError = TS_TEXT("エラー：バネ指数が４以下");
inline constexpr const char* kSpringIndexHighError = TS_TEXT("エラー：バネ指数が２２以上");
inline constexpr const char* kAngleOrderError = TS_TEXT("エラー:ねじれ角度の順番が不適");
inline constexpr const char* kStressOverError = TS_TEXT("エラー:ねじり応力オーバー");
// After the four checks: turns below zero (zero turns end the calculation in a division).
inline constexpr const char* kNoTurnsError = TS_TEXT("エラー：巻き数が０以下");

}  // namespace torsion
