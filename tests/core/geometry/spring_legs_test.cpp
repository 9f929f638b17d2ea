// Legs and the gap between coils in the spring figure and the 3D model: the leg paths,
// the legs' ends where the drawing puts them, closed meshes with the wire's volume, the
// pitch, and sizes that cannot be drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/geometry/leg_path.h"
#include "core/geometry/spring_3d.h"
#include "core/geometry/spring_outline.h"
#include "tests/support/leg_cases.h"
#include "tests/support/mesh_checks.h"
#include "tests/support/spring_3d_cases.h"
#include "tests/support/test_cases.h"

using namespace torsion;

namespace {

TEST(LegPath, EachShapeKeepsItsLoadRadius) {
    // d = 1, D = 10, arm 15, straight length 4, inner bend radius 1.5: centre-line bend 2.
    const struct {
        LegShape shape;
        double arm;
        LegTurn turn;
        double run, bend, after;
    } rows[] = {
        {LegShape::Tangential, 15, LegTurn::None, 15, 0, 0},
        {LegShape::Clamped, 15, LegTurn::None, 15, 0, 0},
        // Out to 15 from the axis: 15 - D/2 - bend after the bend.
        {LegShape::Radial, 15, LegTurn::Outward, 4, 2, 8},
        // The axial part at lever 15: run 13, then the 4 mm axial part.
        {LegShape::Axial, 15, LegTurn::AlongAxis, 13, 2, 4},
        // Arms too short for the bend: the parts that would be negative are left out.
        {LegShape::Radial, 6, LegTurn::Outward, 4, 2, 0},
        {LegShape::Axial, 1, LegTurn::AlongAxis, 0, 2, 4},
    };
    for (const auto& r : rows) {
        const LegPath p = LegPathFor({r.shape, 4, 1.5}, r.arm, 1, 10);
        EXPECT_EQ(p.turn, r.turn) << LegShapeKey(r.shape);
        EXPECT_DOUBLE_EQ(p.run, r.run) << LegShapeKey(r.shape);
        EXPECT_DOUBLE_EQ(p.bend, r.bend) << LegShapeKey(r.shape);
        EXPECT_DOUBLE_EQ(p.after, r.after) << LegShapeKey(r.shape);
        EXPECT_EQ(p.clamped, r.shape == LegShape::Clamped);
    }
}

class LegDesigns : public ::testing::TestWithParam<LegRow> {};

// The free model's leg ends seen along the axis are the drawing's, to 1e-9 mm; a radial
// leg ends at its load radius from the axis, an axial leg's end stands out of the body
// by the bend and its straight length.
TEST_P(LegDesigns, LegEndsAreWhereTheDrawingPutsThem) {
    const DesignCase c = Spring3dCase(Spring3dRows()[0]);
    const DesignOptions o = LegOptions(GetParam());
    const SpringShape s = SpringShapeAt(c, SpringState::Free, o);
    const SpringFigure f = SpringFigureFor(c.wireDia, c.meanDia, c.turns, c.arm1, c.arm2, o);
    const Point3 ends[] = {Arm1End(s), Arm2End(s)};
    const double arms[] = {c.arm1, c.arm2};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        const Point3 end = ends[k];
        const OutlinePoint drawn = f.legs[static_cast<std::size_t>(k)].end;
        EXPECT_NEAR(drawn.x - f.endCentre.x, end.x, 1e-9);
        EXPECT_NEAR(drawn.y - f.endCentre.y, end.y, 1e-9);
        const LegPath& path = s.legs[static_cast<std::size_t>(k)];
        const double top = k == 0 ? 0.0 : s.pitch * s.turns;
        const double out = k == 0 ? -1.0 : 1.0;
        if (path.turn == LegTurn::Outward) {
            const Point3 along = LegEndDirection(s, k);
            EXPECT_NEAR(end.x * along.x + end.y * along.y, arms[k], 1e-9);
        } else if (path.turn == LegTurn::AlongAxis) {
            EXPECT_NEAR(end.z, top + out * (path.bend + path.after), 1e-9);
        } else {
            EXPECT_DOUBLE_EQ(end.z, top);
        }
    }
}

TEST_P(LegDesigns, MeshIsClosedWithTheWireVolumeAtEveryState) {
    const DesignCase c = Spring3dCase(Spring3dRows()[0]);
    for (SpringState state : {SpringState::Free, SpringState::Angle2}) {
        const SpringShape s = SpringShapeAt(c, state, LegOptions(GetParam()));
        const TriangleMesh mesh = SpringMesh(s, 16, 32);
        EXPECT_EQ(MeshEdgeFault(TrianglesOf(mesh)), "");
        const double wire = std::numbers::pi * s.wireDia * s.wireDia / 4 * CentreLineLength(s);
        EXPECT_NEAR(MeshVolume(mesh) / wire, 1, 0.01);
    }
}

TEST_P(LegDesigns, OutlineHoldsEveryLegPart) {
    const DesignOptions o = LegOptions(GetParam());
    const SpringOutline straight = SpringOutlineFor(1, 10, 5.3, 15, 20);
    const SpringOutline legs = SpringOutlineFor(1, 10, 5.3, 15, 20, o);
    // A radial bend's two edges are arcs, an axial leg's end is a circle seen along the
    // axis, a clamp four lines.
    std::size_t radial = 0, axial = 0, clamped = 0;
    for (const LegEnd& leg : o.legs) {
        radial += leg.shape == LegShape::Radial;
        axial += leg.shape == LegShape::Axial;
        clamped += leg.shape == LegShape::Clamped;
    }
    EXPECT_EQ(legs.arcs.size(), straight.arcs.size() + 2 * radial);
    EXPECT_EQ(legs.circles.size(), straight.circles.size() + axial);
    EXPECT_GE(legs.lines.size(), straight.lines.size() + 4 * clamped);
}

INSTANTIATE_TEST_SUITE_P(Legs, LegDesigns, ::testing::ValuesIn(LegRows()),
                         [](const auto& info) { return info.param.name; });

TEST(CoilGap, LoopsAndTurnsStandAPitchApart) {
    DesignOptions o;
    o.pitchGap = 0.5;
    const DesignCase c = Spring3dCase(Spring3dRows()[0]);  // d = 1, N = 5.3
    const SpringShape s = SpringShapeAt(c, SpringState::Free, o);
    EXPECT_DOUBLE_EQ(s.pitch, 1.5);
    EXPECT_DOUBLE_EQ(s.bodyLength, 1.5 * 5.3 + 1);
    EXPECT_NEAR(CoilPoint(s, 3 * 2 * std::numbers::pi).z - CoilPoint(s, 2 * 2 * std::numbers::pi).z, 1.5,
                1e-12);
    const SpringFigure f = SpringFigureFor(1, 10, 5.3, 15, 20, o);
    EXPECT_DOUBLE_EQ(f.LoopAt(2).top.x, 3.0);
    EXPECT_TRUE(f.LoopAt(0).closed) << "coils a gap apart show every loop's right edge";
    EXPECT_DOUBLE_EQ(f.bodyWidth, 6.3 + 5.3 * 0.5);
    // Touching coils are the drawing as it always was, bit for bit.
    const SpringFigure touching = SpringFigureFor(1, 10, 5.3, 15, 20, DesignOptions{});
    EXPECT_EQ(touching.slantRadians, std::atan(0.5 / 10));
    EXPECT_EQ(touching.LoopAt(3).bottom.x, 3.5);
    EXPECT_FALSE(touching.LoopAt(0).closed);
}

TEST(LegSizes, WhatCannotBeDrawnOrModelledIsRefused) {
    const DesignCase c = Spring3dCase(Spring3dRows()[0]);
    for (const auto& [straight, bend, gap] : {std::tuple{-1.0, 1.5, 0.0},
                                              {4.0, -0.5, 0.0},
                                              {NAN, 1.5, 0.0},
                                              {4.0, INFINITY, 0.0},
                                              {4.0, 1.5, -0.1},
                                              {4.0, 1.5, NAN},
                                              {4.0, 2e7, 0.0}}) {
        DesignOptions o = LegOptions({"", LegShape::Radial, LegShape::Axial, straight, bend, gap});
        EXPECT_EQ(ErrorOf([&] { SpringShapeAt(c, SpringState::Free, o); }),
                  "この寸法のばねは 3D にできません")
            << straight << " " << bend << " " << gap;
        // 20 km legs are past the 3D model's limit, not the drawing's.
        if (bend != 2e7) {
            EXPECT_EQ(ErrorOf([&] { SpringOutlineFor(1, 10, 5.3, 15, 20, o); }),
                      "この寸法のばねは図にできません");
        }
    }
}

}  // namespace
