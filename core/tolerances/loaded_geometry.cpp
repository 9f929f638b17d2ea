#include "core/tolerances/loaded_geometry.h"

#include <cmath>

namespace torsion {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Finite(double x) {
    return std::isfinite(x) ? x : kNoNumber;
}

}  // namespace

LoadedState LoadedStateAt(const DesignCase& c, double angleDeg, double pitchGap) {
    LoadedState s;
    const double d = c.wireDia, D = c.meanDia, N = c.turns;
    if (!std::isfinite(angleDeg)) return s;
    s.angle = angleDeg;
    // Winding up adds φ/360 turns; unwinding (outward) takes them away.
    const double turnsAdded = (c.outward != 0 ? -angleDeg : angleDeg) / 360;
    if (N > 0) {
        s.diameterReduction = Finite(D * turnsAdded / N);
        if (N + turnsAdded > 0) s.diameterReductionExact = Finite(D * turnsAdded / (N + turnsAdded));
    }
    s.loadedInnerDia = Finite(c.innerDia - s.diameterReduction);
    s.guideRodClearance = Finite(s.loadedInnerDia - c.guideRodDia);
    s.bodyLength = Finite(d * (N + 1 + turnsAdded));
    // Each turn wound up adds a pitch d + g; touching coils add nothing to the record's length.
    if (pitchGap != 0) s.bodyLength = Finite(s.bodyLength + pitchGap * (N + turnsAdded));
    return s;
}

SpringGeometry LoadedSpringGeometry(const DesignCase& c, double densityGPerCm3, double pitchGap) {
    SpringGeometry g;
    const double d = c.wireDia, D = c.meanDia, N = c.turns;
    g.atAngle2 = LoadedStateAt(c, c.angle2, pitchGap);
    g.atMaxAngle = LoadedStateAt(c, c.maxAngle, pitchGap);
    g.freeBodyLength = Finite(d * (N + 1));
    const double coil = kPi * D * N;
    double wound = coil;
    if (pitchGap != 0) {
        // N pitches of d + g. The close-wound length π·D·N leaves the wire's own rise out;
        // with a gap each turn rises by g beyond it: N·√((π·D)² + g²).
        g.freeBodyLength = Finite(g.freeBodyLength + pitchGap * N);
        wound = std::copysign(std::hypot(coil, pitchGap * N), coil);
    }
    g.wireLength = Finite(wound + c.arm1 + c.arm2);
    g.helixWireLength = Finite(std::hypot(g.freeBodyLength, coil) + c.arm1 + c.arm2);
    if (std::isfinite(densityGPerCm3) && densityGPerCm3 > 0) {
        g.density = densityGPerCm3;
        // g/cm³ = 1e-3 g/mm³
        g.mass = Finite(densityGPerCm3 * 1e-3 * (kPi * d * d / 4) * g.wireLength);
    }
    return g;
}

}  // namespace torsion
