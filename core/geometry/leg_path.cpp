#include "core/geometry/leg_path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace torsion {

double LegPath::length() const {
    return run + (bent() ? std::numbers::pi / 2 * bend + after : 0.0);
}

LegPath LegPathFor(const LegEnd& leg, double arm, double d, double D) {
    LegPath p;
    const double bend = leg.bendRadius + d / 2;
    switch (leg.shape) {
        case LegShape::Tangential:
        case LegShape::Clamped:
            p.run = arm;
            p.clamped = leg.shape == LegShape::Clamped;
            break;
        case LegShape::Radial:
            p.turn = LegTurn::Outward;
            p.run = leg.straightLength;
            p.bend = bend;
            p.after = std::max(0.0, arm - D / 2 - bend);
            break;
        case LegShape::Axial:
            p.turn = LegTurn::AlongAxis;
            p.run = std::max(0.0, arm - bend);
            p.bend = bend;
            p.after = leg.straightLength;
            break;
    }
    return p;
}

bool LegSizesDrawable(const LegEnd& leg) {
    return std::isfinite(leg.straightLength) && std::isfinite(leg.bendRadius) && leg.straightLength >= 0 &&
           leg.bendRadius >= 0;
}

}  // namespace torsion
