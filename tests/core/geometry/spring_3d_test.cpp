#include "core/geometry/spring_3d.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <random>

#include "cad/spring_stl.h"
#include "core/geometry/spring_outline.h"
#include "core/tolerances/loaded_geometry.h"
#include "tests/support/mesh_checks.h"
#include "tests/support/spring_3d_cases.h"
#include "tests/support/test_cases.h"

using namespace torsion;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr SpringState kStates[] = {SpringState::Free, SpringState::Angle1, SpringState::Angle2,
                                   SpringState::MaxAngle};

double Wrap360(double degrees) {
    const double w = std::fmod(degrees, 360.0);
    return w < 0 ? w + 360 : w;
}

// Angle about the axis from arm 1's tangent point to arm 2's, in the winding direction.
double ArmAngle(const SpringShape& s) {
    const Point3 p = CoilPoint(s, 0), q = CoilPoint(s, CoilSweep(s));
    const double sign = s.leftHand ? -1 : 1;
    return Wrap360(sign * (std::atan2(q.y, q.x) - std::atan2(p.y, p.x)) * 180 / kPi);
}

class SpringStates : public ::testing::TestWithParam<Spring3dRow> {};

TEST_P(SpringStates, StatesFollowTheLoadedGeometry) {
    const DesignCase c = Spring3dCase(GetParam());
    const double angles[] = {0, c.angle1, c.angle2, c.maxAngle};
    for (int i = 0; i < kSpringStates; ++i) {
        SCOPED_TRACE(i);
        const SpringShape s = SpringShapeAt(c, kStates[i]);
        const LoadedState loaded = LoadedStateAt(c, angles[i]);
        EXPECT_NEAR(s.bodyLength, i == 0 ? c.wireDia * (c.turns + 1) : loaded.bodyLength, 1e-9);
        if (i > 0) {
            EXPECT_NEAR(s.coilDia, c.meanDia - loaded.diameterReductionExact, 1e-9);
        }
        const double expected = 360 * (c.turns - std::trunc(c.turns)) + (c.outward ? -1 : 1) * angles[i];
        const double diff = Wrap360(ArmAngle(s) - expected + 180) - 180;
        EXPECT_NEAR(diff, 0, 1e-9);

        // The centre line stays on the coil's circle and inside the body.
        const std::vector<Point3> line = CentreLinePoints(s, 24);
        for (const Point3& p : line) {
            EXPECT_GE(p.z, -1e-12);
            EXPECT_LE(p.z, s.pitch * s.turns + 1e-9);
        }
        const Point3 mid = CoilPoint(s, CoilSweep(s) / 2);
        EXPECT_NEAR(std::hypot(mid.x, mid.y), s.coilDia / 2, 1e-9);
        // Arms lie flat, so the body is exactly d·(N + 1) long.
        EXPECT_DOUBLE_EQ(Arm1Direction(s).z, 0);
        EXPECT_DOUBLE_EQ(Arm2Direction(s).z, 0);
    }
}

TEST_P(SpringStates, MeshIsClosedOutwardAndHasTheWireVolume) {
    const SpringShape s = SpringShapeAt(Spring3dCase(GetParam()), SpringState::Angle2);
    const TriangleMesh mesh = SpringMesh(s, 16, 32);
    const std::vector<MeshTriangle> triangles = TrianglesOf(mesh);
    EXPECT_EQ(MeshEdgeFault(triangles), "");
    double length = 0;
    const std::vector<Point3> line = CentreLinePoints(s, 32);
    for (std::size_t i = 1; i < line.size(); ++i)
        length += std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y, line[i].z - line[i - 1].z);
    const double wire = kPi * s.wireDia * s.wireDia / 4 * length;
    EXPECT_NEAR(MeshVolume(mesh) / wire, 1, 0.01);  // positive: the normals point out
}

INSTANTIATE_TEST_SUITE_P(Springs, SpringStates, ::testing::ValuesIn(Spring3dRows()),
                         [](const auto& info) { return info.param.name; });

TEST(Spring3d, FreeArmEndsAreWhereTheDrawingPutsThem) {
    const DesignCase c = Spring3dCase(Spring3dRows()[0]);
    const SpringShape s = SpringShapeAt(c, SpringState::Free);
    const SpringOutline o = SpringOutlineFor(c.wireDia, c.meanDia, c.turns, c.arm1, c.arm2);
    // The end view's centre is where its two centre lines cross; each arm's end is the
    // middle of the drawing's short line across the arm's tip.
    const OutlineLine& across = o.centreLines[1];
    const double ex = (across.x1 + across.x2) / 2, ey = (across.y1 + across.y2) / 2;
    for (const Point3& end : {Arm1End(s), Arm2End(s)}) {
        const bool drawn = std::any_of(o.lines.begin(), o.lines.end(), [&](const OutlineLine& l) {
            return std::hypot((l.x1 + l.x2) / 2 - ex - end.x, (l.y1 + l.y2) / 2 - ey - end.y) < 1e-9;
        });
        EXPECT_TRUE(drawn) << end.x << ", " << end.y;
    }
}

TEST(Spring3d, LeftHandIsTheMirrorOfRightHand) {
    Spring3dRow row = Spring3dRows()[0];
    const SpringShape right = SpringShapeAt(Spring3dCase(row), SpringState::MaxAngle);
    row.leftHand = true;
    const SpringShape left = SpringShapeAt(Spring3dCase(row), SpringState::MaxAngle);
    for (double f : {0.0, 0.1, 0.5, 1.0}) {
        const Point3 r = CoilPoint(right, f * CoilSweep(right)), l = CoilPoint(left, f * CoilSweep(left));
        EXPECT_DOUBLE_EQ(l.x, -r.x);
        EXPECT_DOUBLE_EQ(l.y, r.y);
        EXPECT_DOUBLE_EQ(l.z, r.z);
    }
    EXPECT_DOUBLE_EQ(Arm2End(left).x, -Arm2End(right).x);
}

TEST(Spring3d, RefusesWhatCannotBeModelled) {
    struct Row {
        const char* name;
        double d, D, N, maxAngle;
        bool outward;
        const char* message;
    };
    const Row rows[] = {
        {"no wire", 0, 10, 5, 90, false, "この寸法のばねは 3D にできません"},
        {"coil narrower than wire", 2, 2, 5, 90, false, "この寸法のばねは 3D にできません"},
        {"not a number", 1, NAN, 5, 90, false, "この寸法のばねは 3D にできません"},
        {"beyond 10 km", 1, 2e7, 5, 90, false, "この寸法のばねは 3D にできません"},
        {"unwound", 1, 10, 0.5, 270, true, "この角度ではばねが巻き戻りきるので 3D にできません"},
        {"wound shut", 1, 2, 1, 360, false, "この角度ではコイルの内径がなくなるので 3D にできません"},
        {"too many turns", 1, 10, 201, 0, false, "巻数が多すぎて 3D にできません（200 巻まで）"},
    };
    for (const Row& r : rows) {
        DesignCase c = Spring3dCase({"", r.d, r.D, r.N, 10, 10, r.outward});
        c.maxAngle = r.maxAngle;
        EXPECT_EQ(ErrorOf([&] { SpringShapeAt(c, SpringState::MaxAngle); }), r.message) << r.name;
    }
}

// Records and leg options as a file or a calculation could leave them, sane and wild:
// each either gives a closed mesh of finite points and an STL file of the right size, or
// the message; the drawing file's outline is made or refused with its message.
TEST(Spring3d, RandomCasesModelOrRefuse) {
    std::mt19937_64 rng(24);
    std::uniform_real_distribution<double> unit(0, 1);
    const double wild[] = {0, -1, 1e-300, 1e300, NAN, INFINITY, -INFINITY};
    const auto value = [&](double low, double high) {
        return unit(rng) < 0.15 ? wild[rng() % std::size(wild)] : low + (high - low) * unit(rng);
    };
    for (int i = 0; i < 300; ++i) {
        Spring3dRow row{"", value(0.1, 5), value(1, 60), value(0, 40), value(0, 100), value(0, 100)};
        row.outward = rng() % 2 == 0;
        row.leftHand = rng() % 2 == 0;
        DesignCase c = Spring3dCase(row);
        c.angle1 = value(0, 720);
        c.maxAngle = value(0, 720);
        // Legs of any shape, and a gap, as a design file could hold them.
        DesignOptions o;
        for (LegEnd& leg : o.legs) leg = {kAllLegShapes[rng() % kLegShapes], value(0, 20), value(0, 5)};
        o.pitchGap = unit(rng) < 0.5 ? 0 : value(0, 2);
        try {
            SpringOutlineFor(c.wireDia, c.meanDia, c.turns, c.arm1, c.arm2, o);
        } catch (const CommandError& e) {
            EXPECT_NE(e.message().find("図にできません"), std::string::npos) << e.message();
        }
        for (SpringState state : kStates) {
            try {
                const SpringShape s = SpringShapeAt(c, state, o);
                const std::vector<std::uint8_t> stl = SpringStlBytes(s);
                std::uint32_t count = 0;
                std::memcpy(&count, stl.data() + 80, 4);
                ASSERT_EQ(stl.size(), 84 + 50 * std::size_t{count});
                for (const Point3& p : SpringMesh(s, 6, 8).vertices)
                    ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z)) << i;
            } catch (const CommandError& e) {
                EXPECT_NE(e.message().find("3D にできません"), std::string::npos) << e.message();
            }
        }
    }
}

}  // namespace
