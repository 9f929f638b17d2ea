// The spring in 3D: the wire centre line at a state (free, φ1, φ2, the largest angle)
// and a triangle mesh of the wire around it. The STEP and STL files and the 3D page
// all start from this one description. Millimetres; plain C++.
//
// The coil axis is z; the coil starts at z = 0 with arm 1, on the -y side, and rises
// one pitch per turn: the wire diameter plus the gap between coils (close-wound when
// the gap is 0). Seen from +z, a right-hand spring winds
// counter-clockwise, and the end view is the spring drawing's end view: arm 1 tangent
// to the coil and pointing to -x, arm 2 tangent where the wire leaves the last turn.
// A left-hand spring is the mirror image (x → -x). The arms lie flat (at z = 0 and at
// the top of the body); over the first and the last quarter turn the wire eases from
// flat into the pitch, never leaving the body's length pitch·N + d. A bent leg turns
// out from the axis (radial) or along it away from the body (axial) by a quarter bend
// of centre-line radius r + d/2 after its straight run (core/geometry/leg_path.h).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/geometry/leg_path.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"

namespace torsion {

enum class SpringState { Free, Angle1, Angle2, MaxAngle };
inline constexpr int kSpringStates = 4;

// The most turns a 3D model gets, and the largest size in mm (10 km: the files hold
// single-precision numbers, and the kernel's tolerances are absolute).
inline constexpr double kMax3dTurns = 200;
inline constexpr double kMax3dSize = 1e7;

struct Point3 {
    double x = 0, y = 0, z = 0;
};

struct SpringShape {
    double wireDia = 0;  // d
    double coilDia = 0;  // mean coil diameter at the state
    double turns = 0;    // coil turns at the state
    double pitch = 0;    // axial rise per turn (d + the gap between coils)
    double arm1 = 0;     // straight runs of the legs along the coil's tangent
    double arm2 = 0;
    // The bends of bent legs and the straight parts after them (legs[k].run is armK).
    std::array<LegPath, 2> legs{};
    bool leftHand = false;
    double stateAngle = 0;  // degrees arm 2 turned from the free state, + winding up
    double bodyLength = 0;  // pitch·turns + d
};

// The spring of a calculated case at a state: arm 2 turned by the state's angle in the
// loading direction, the turns N ± φ/360 and the coil diameter D·N/(N ± φ/360) that
// keeps the wire length (the loaded geometry's ΔD in its exact form).
// The legs and the gap between coils are those of options; the legs keep their shape
// (the free coil's) at every state. Throws CommandError when the case cannot be modelled.
SpringShape SpringShapeAt(const DesignCase& c, SpringState state, const DesignOptions& options = {});

// The coil's centre line at ψ (radians of coil, 0 .. CoilSweep) and its derivative.
double CoilSweep(const SpringShape& s);
Point3 CoilPoint(const SpringShape& s, double psi);
Point3 CoilDerivative(const SpringShape& s, double psi);
// Unit directions of the arms where they leave the coil, away from it, and the arms'
// free ends.
Point3 Arm1Direction(const SpringShape& s);
Point3 Arm2Direction(const SpringShape& s);
Point3 Arm1End(const SpringShape& s);
Point3 Arm2End(const SpringShape& s);

// A piece of a leg's centre line: a straight line, or a quarter circle about centre.
struct LegPiece {
    Point3 from, to;
    bool arc = false;
    Point3 centre{};
};
// Leg 0 or 1 from the coil to its end: the run, the bend, the part after it; pieces of
// length 0 are left out.
std::vector<LegPiece> LegPieces(const SpringShape& s, int leg);
// The unit direction of a leg at its free end, away from the coil.
Point3 LegEndDirection(const SpringShape& s, int leg);
// The length of the wire's centre line: the coil and both legs.
double CentreLineLength(const SpringShape& s);

// The wire's centre line as points: arm 1's end (when it has one), its bend, the coil at
// perTurn points a turn, arm 2's bend and end. A bend, a quarter turn, gets perTurn/6
// pieces, at least three.
std::vector<Point3> CentreLinePoints(const SpringShape& s, int perTurn);

struct TriangleMesh {
    std::vector<Point3> vertices;
    std::vector<std::array<std::uint32_t, 3>> triangles;  // counter-clockwise seen from outside
};

// The wire as a closed tube: `around` points around the wire, perTurn rings a turn,
// flat ends. Every edge is shared by exactly two triangles and the normals point out.
TriangleMesh SpringMesh(const SpringShape& s, int around, int perTurn);

// The enclosed volume of a closed mesh (mm³).
double MeshVolume(const TriangleMesh& mesh);

}  // namespace torsion
