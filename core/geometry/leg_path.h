// The path of a leg's centre line where it leaves the coil, the same for the drawing,
// the drawing files and the 3D model: a straight run along the coil's tangent, then for
// a bent leg a quarter bend of centre-line radius r + d/2 (r the inner bend radius)
// turned out from the coil axis (radial) or along it away from the body (axial), then a
// straight part. The load radius (the record's arm) fixes where the load acts:
// - tangential and clamped: the run is the arm, as the straight legs always were;
// - radial: the run is the leg's straight length before the bend, and the part after
//   the bend reaches the arm's distance from the coil axis;
// - axial: the run and the bend bring the axial part to the arm's lever, and the leg's
//   straight length is the axial part beyond the bend.
// A part that would need a negative length is left out (length 0).
#pragma once

#include <cstdint>

#include "core/model/design_options.h"

namespace torsion {

enum class LegTurn : std::uint8_t { None, Outward, AlongAxis };

struct LegPath {
    LegTurn turn = LegTurn::None;
    double run = 0;    // straight along the tangent, mm
    double bend = 0;   // centre-line radius of the bend, mm (0 without a bend)
    double after = 0;  // straight after the bend, mm
    bool clamped = false;

    bool bent() const { return turn != LegTurn::None; }
    // The end of the centre line in the leg's frame: along the tangent and along the turn.
    double endAlong() const { return run + bend; }
    double endAcross() const { return bent() ? bend + after : 0; }
    // The length of the centre line, mm.
    double length() const;
};

// The path of a leg of shape leg with load radius arm, for wire diameter d and mean coil
// diameter D.
LegPath LegPathFor(const LegEnd& leg, double arm, double d, double D);

// True when a leg's straight length and bend radius are finite and not negative.
bool LegSizesDrawable(const LegEnd& leg);

}  // namespace torsion
