// What manufacturing does to a calculated spring, and how it moves: the range of the
// rate k and of the moments M1, M2 from the wire diameter tolerance, the coil diameter
// tolerance and the free-angle tolerance of a grade, with a verdict against the grade's
// moment tolerance; whether the wire is a JIS standard diameter and its JIS tensile
// strength; the natural frequency of the spring with the part its moving arm drives, and
// the energy it stores between the operating points. Rates, moments and energies are in
// the case's units (kgf·mm/度, kgf·mm); inertias in kg·mm², frequencies in Hz.
#pragma once

#include <array>
#include <span>
#include <string>

#include "core/base/composed_text.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"
#include "core/tolerances/tolerance_table.h"
#include "core/tolerances/wire_table.h"

namespace torsion {

// One source of variation of the rate: its tolerance and how far k moves at its two
// ends, through the rate formula with the other dimensions at their nominal values.
struct VariationTerm {
    bool known = false;
    double plusMinus = kNoNumber;  // ±Δd or ±ΔD in mm; ±ΔN in turns
    double rateUp = kNoNumber;     // k at the end that raises it, over nominal k, minus 1 (≥ 0)
    double rateDown = kNoNumber;   // k at the other end, the same way (≤ 0)
    ComposedText row;              // the table row of the tolerance, or why there is none
};

struct ValueRange {
    double low = kNoNumber;
    double high = kNoNumber;
};

struct MomentVariation {
    double nominal = kNoNumber;    // kgf·mm
    double angle = kNoNumber;      // the operating angle, degrees
    ValueRange worst;              // every term at its unfavourable end
    ValueRange rss;                // root-sum-square of the terms
    double zeroShift = kNoNumber;  // ±k·Δθ, kgf·mm
    ToleranceResult allowed;       // the grade's ±ΔM (N·mm, as the tolerance table gives it)
    // The share of each term in the worst-case spread of this moment, in %: wire,
    // coil, turns, zero shift.
    std::array<double, 4> share{kNoNumber, kNoNumber, kNoNumber, kNoNumber};
};

enum class VariationVerdict {
    None,               // nothing to judge (no calculated rate)
    NoTermData,         // a term has no published tolerance
    NoMomentTolerance,  // the grade publishes no ±ΔM for these turns
    Within,             // within ±ΔM at both points, every term at its unfavourable end
    WithinRss,          // beyond in the worst case, within by root-sum-square
    WireAlone,          // the wire diameter tolerance alone exceeds ±ΔM
    Beyond,             // beyond ±ΔM
};

struct CharacteristicVariation {
    bool valid = false;             // false: the case has no finite positive rate, or no material
    VariationTerm wire;             // ±Δd of the wire's grade
    VariationTerm coil;             // ±ΔD of the tolerance grade (on the diameter the drawing gives)
    VariationTerm turns;            // ΔN = Δθ/360 from the free-angle tolerance ±Δθ
    double freeAngle = kNoNumber;   // ±Δθ, degrees
    double rate = kNoNumber;        // the case's k
    ValueRange rateWorst, rateRss;  // NaN while a term is unknown
    std::array<MomentVariation, 2> moments;
    VariationVerdict verdict = VariationVerdict::None;
    double wirePercent = kNoNumber;  // the wire term alone: the larger of its two k changes, in %
};

// The variation of a calculated case c of material (nullptr: unknown) for the tolerance
// grade (1..3), calculated by design's practice and leg shapes: k moves as that practice's
// rate formula moves. Young's modulus, and with it the working temperature, cancels in these
// ratios; the nominal k, M1 and M2 are the case's, calculated at its temperature.
CharacteristicVariation VariationOf(const DesignCase& c, const MaterialRecord* material, int grade,
                                    std::span<const ToleranceRow> toleranceRows = BuiltInToleranceRows(),
                                    std::span<const WireRow> wireRows = BuiltInWireRows(),
                                    const DesignOptions& design = {}, RowTexts texts = RowTexts::Built);

// The verdict as one line of text; tolerance texts use kWireNoValueText where data is missing.
ComposedText VariationVerdictText(const CharacteristicVariation& v);

// The wire of the case: standard diameter or not, the JIS tensile strength and its
// tolerances.
struct WireCheck {
    StandardWire standard;
    WireValue tensile;
    WireValue tolerance;
    WireValue roundness;
    double tableStrength = kNoNumber;  // the material table's tensile strength at d, N/mm²
};
WireCheck WireCheckOf(const DesignCase& c, const MaterialRecord* material,
                      std::span<const WireRow> wireRows = BuiltInWireRows(),
                      RowTexts texts = RowTexts::Built);

// What the page and the command line give for the dynamics: the moment of inertia J of
// the part the moving arm drives and the operating frequency; NaN when not given.
struct DynamicsInputs {
    double inertia = kNoNumber;    // kg·mm²
    double frequency = kNoNumber;  // Hz
};

struct SpringDynamics {
    bool valid = false;   // false: no finite positive rate
    bool driven = false;  // J was given
    double rateNmmPerRad = kNoNumber;
    double coilInertia = kNoNumber;    // the coil as a ring of its mass at D/2
    double armInertia = kNoNumber;     // arm 2 as a rod from the axis
    double springInertia = kNoNumber;  // their sum; NaN without a density
    double totalInertia = kNoNumber;   // J + springInertia/3
    double naturalFrequency = kNoNumber;
    double frequencyRatio = kNoNumber;  // natural over operating frequency
    double energy = kNoNumber;          // ½·k·(φ2² − φ1²), kgf·mm
};

// Lumped: the spring a massless rate k with a third of its own inertia at the arm.
// density in g/cm³ (NaN: unknown). A J or frequency that is negative, zero (frequency) or
// not finite counts as not given.
SpringDynamics DynamicsOf(const DesignCase& c, double densityGPerCm3, const DynamicsInputs& in);

// All of it for one case and grade, as the page, the report and the command line show it.
struct ManufacturingCheck {
    int grade = kDefaultToleranceGrade;
    CharacteristicVariation variation;
    WireCheck wire;
    DynamicsInputs inputs;
    SpringDynamics dynamics;
    ComposedText densityRow;  // the density the spring's mass comes from
};
ManufacturingCheck ManufacturingCheckOf(const DesignCase& c, const MaterialTable& table, int grade,
                                        const DynamicsInputs& inputs,
                                        std::span<const ToleranceRow> toleranceRows = BuiltInToleranceRows(),
                                        std::span<const WireRow> wireRows = BuiltInWireRows(),
                                        const DesignOptions& design = {}, RowTexts texts = RowTexts::Built);

}  // namespace torsion
