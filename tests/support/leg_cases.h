// Designs with bent, clamped and straight legs and a gap between coils, for the drawing,
// 3D and STEP tests.
#pragma once

#include <string>
#include <vector>

#include "core/model/design_options.h"

struct LegRow {
    std::string name;
    torsion::LegShape leg1, leg2;
    double straight = 4, bendRadius = 1.5, gap = 0;
};

inline torsion::DesignOptions LegOptions(const LegRow& row) {
    torsion::DesignOptions o;
    o.legs = {torsion::LegEnd{row.leg1, row.straight, row.bendRadius},
              torsion::LegEnd{row.leg2, row.straight, row.bendRadius}};
    o.pitchGap = row.gap;
    return o;
}

// Every shape on both legs, two mixed pairs (one bent right at the coil, with no straight
// run) and a gap between coils.
inline std::vector<LegRow> LegRows() {
    using enum torsion::LegShape;
    return {
        {"tangential", Tangential, Tangential},
        {"radial", Radial, Radial},
        {"axial", Axial, Axial},
        {"clamped", Clamped, Clamped},
        {"radial_axial", Radial, Axial, 0, 1},
        {"axial_clamped_gap", Axial, Clamped, 2, 1, 0.6},
    };
}
