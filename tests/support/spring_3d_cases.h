// Springs for the 3D tests: a case with the sizes and angles a calculation leaves, and
// the extreme sizes that still calculate.
#pragma once

#include <string>
#include <vector>

#include "core/model/design_case.h"

struct Spring3dRow {
    std::string name;
    double d, D, N, a1, a2;
    bool outward = false;
    bool leftHand = false;
};

inline torsion::DesignCase Spring3dCase(const Spring3dRow& r) {
    torsion::DesignCase c;
    c.used = 1;
    c.wireDia = r.d;
    c.meanDia = r.D;
    c.innerDia = r.D - r.d;
    c.outerDia = r.D + r.d;
    c.turns = c.calcTurns = r.N;
    c.springIndex = r.D / r.d;
    c.arm1 = r.a1;
    c.arm2 = r.a2;
    c.outward = r.outward ? 1 : 0;
    c.leftHand = r.leftHand ? 1 : 0;
    c.angle1 = 30;
    c.angle2 = 90;
    c.maxAngle = 135;
    return c;
}

// The default window case's sizes, and the extremes of item 5 of the 3D work.
inline std::vector<Spring3dRow> Spring3dRows() {
    return {
        {"default", 1, 10, 5.3, 15, 20},   {"left_outward", 1, 10, 5.3, 15, 20, true, true},
        {"half_turn", 2, 20, 0.5, 10, 10}, {"sixty_turns", 0.5, 5, 60, 10, 10},
        {"index_3", 3, 9, 4.25, 12, 12},   {"index_22", 1, 22, 3.75, 30, 30},
        {"no_arms", 1.2, 12, 6, 0, 0},     {"long_arms", 1, 10, 2.5, 1e6, 1e6},
    };
}
