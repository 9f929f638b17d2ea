// The spring in 3D: the wire centre line at a state (free, φ1, φ2, the largest angle)
// and a triangle mesh of the wire around it. The STEP and STL files and the 3D page
// all start from this one description. Millimetres; plain C++.
//
// The coil axis is z; the coil starts at z = 0 with arm 1, on the -y side, and rises
// one wire diameter per turn (close-wound). Seen from +z, a right-hand spring winds
// counter-clockwise, and the end view is the spring drawing's end view: arm 1 tangent
// to the coil and pointing to -x, arm 2 tangent where the wire leaves the last turn.
// A left-hand spring is the mirror image (x → -x). The arms lie flat (at z = 0 and at
// the top of the body); over the first and the last quarter turn the wire eases from
// flat into the pitch, never leaving the body's length d·(N + 1).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/model/design_case.h"

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
    double pitch = 0;    // axial rise per turn (= d, close-wound)
    double arm1 = 0;     // straight arm lengths
    double arm2 = 0;
    bool leftHand = false;
    double stateAngle = 0;  // degrees arm 2 turned from the free state, + winding up
    double bodyLength = 0;  // pitch·turns + d
};

// The spring of a calculated case at a state: arm 2 turned by the state's angle in the
// loading direction, the turns N ± φ/360 and the coil diameter D·N/(N ± φ/360) that
// keeps the wire length (the loaded geometry's ΔD in its exact form).
// Throws CommandError when the case cannot be modelled.
SpringShape SpringShapeAt(const DesignCase& c, SpringState state);

// The coil's centre line at ψ (radians of coil, 0 .. CoilSweep) and its derivative.
double CoilSweep(const SpringShape& s);
Point3 CoilPoint(const SpringShape& s, double psi);
Point3 CoilDerivative(const SpringShape& s, double psi);
// Unit directions of the arms, away from the coil, and the arms' free ends.
Point3 Arm1Direction(const SpringShape& s);
Point3 Arm2Direction(const SpringShape& s);
Point3 Arm1End(const SpringShape& s);
Point3 Arm2End(const SpringShape& s);

// The wire's centre line as points: arm 1's end (when it has one), the coil at
// perTurn points a turn, arm 2's end.
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
