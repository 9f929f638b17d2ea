// The spring wound up to an angle: how much the coil diameter shrinks, whether the
// coil still clears the recommended guide rod, how long the body gets, and the wire
// length and mass. All lengths in mm, angles in degrees, mass in g.
#pragma once

#include "core/model/design_case.h"
#include "core/tolerances/tolerance_table.h"

namespace torsion {

struct LoadedState {
    double angle = kNoNumber;
    // ΔD in the makers' linear form φ·D/(360·N); and the form that keeps the wire length
    // of the coil, D·φ/(360·N + φ). A spring loaded outward unwinds: its ΔD is negative.
    double diameterReduction = kNoNumber;
    double diameterReductionExact = kNoNumber;
    double loadedInnerDia = kNoNumber;     // Di − ΔD
    double guideRodClearance = kNoNumber;  // loaded inner diameter − recommended guide-rod diameter
    double bodyLength = kNoNumber;         // d·(N + 1 + φ/360) + g·(N + φ/360), φ negative outward
};

struct SpringGeometry {
    LoadedState atAngle2;
    LoadedState atMaxAngle;
    double freeBodyLength = kNoNumber;   // d·(N + 1) + g·N (g = 0: close-wound)
    double wireLength = kNoNumber;       // π·D·N + a1 + a2; with a gap N·√((π·D)² + g²) + a1 + a2
    double helixWireLength = kNoNumber;  // the coil as a helix: √(L0² + (π·D·N)²) + a1 + a2
    double density = kNoNumber;          // g/cm³; NaN when the material has none
    double mass = kNoNumber;             // g
};

// At φ2 and at the recommended maximum angle of the case, with a gap g between the coils
// (mm, 0: touching, the record's own); a value that cannot be computed (turns 0, inputs
// not finite, no density) is NaN.
LoadedState LoadedStateAt(const DesignCase& c, double angleDeg, double pitchGap = 0);
SpringGeometry LoadedSpringGeometry(const DesignCase& c, double densityGPerCm3, double pitchGap = 0);

}  // namespace torsion
