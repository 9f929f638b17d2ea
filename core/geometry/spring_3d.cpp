#include "core/geometry/spring_3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "core/base/command_error.h"

namespace torsion {

namespace {

constexpr double kPi = std::numbers::pi;

Point3 operator+(Point3 a, Point3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Point3 operator-(Point3 a, Point3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Point3 operator*(double k, Point3 a) {
    return {k * a.x, k * a.y, k * a.z};
}
double Dot(Point3 a, Point3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Point3 Cross(Point3 a, Point3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Point3 Unit(Point3 a) {
    const double n = std::sqrt(Dot(a, a));
    return n > 0 ? (1.0 / n) * a : a;
}

double StateAngle(const DesignCase& c, SpringState state) {
    switch (state) {
        case SpringState::Free:
            return 0;
        case SpringState::Angle1:
            return c.angle1;
        case SpringState::Angle2:
            return c.angle2;
        case SpringState::MaxAngle:
            return c.maxAngle;
    }
    return 0;
}

// The eased rise over the first ease radians: flat at 0, the pitch's slope at the end.
double EaseRise(double t) {
    return t * t * (2 - t);
}
double EaseSlope(double t) {
    return t * (4 - 3 * t);
}

double EaseSweep(const SpringShape& s) {
    return std::min(kPi / 2, CoilSweep(s) / 2);
}

// The angle about the axis, before the hand's mirror, of the coil point at ψ.
double PolarAngle(double psi) {
    return -kPi / 2 + psi;
}

Point3 Mirrored(const SpringShape& s, Point3 p) {
    if (s.leftHand) p.x = -p.x;
    return p;
}

}  // namespace

SpringShape SpringShapeAt(const DesignCase& c, SpringState state, const DesignOptions& options) {
    const double d = c.wireDia, D = c.meanDia, N = c.turns;
    const double angle = StateAngle(c, state);
    const auto& legs = options.legs;
    const bool finite = std::isfinite(d) && std::isfinite(D) && std::isfinite(N) && std::isfinite(c.arm1) &&
                        std::isfinite(c.arm2) && std::isfinite(angle) && std::isfinite(options.pitchGap);
    if (!finite || d <= 0 || D <= d || N <= 0 || c.arm1 < 0 || c.arm2 < 0 || options.pitchGap < 0 ||
        !LegSizesDrawable(legs[0]) || !LegSizesDrawable(legs[1]) ||
        std::max({D, c.arm1, c.arm2, options.pitchGap, legs[0].straightLength, legs[0].bendRadius,
                  legs[1].straightLength, legs[1].bendRadius}) > kMax3dSize)
        throw CommandError(TS_TEXT("この寸法のばねは 3D にできません"));
    SpringShape s;
    s.wireDia = d;
    s.pitch = d + options.pitchGap;
    // The legs keep the free coil's shape under load.
    s.legs = {LegPathFor(legs[0], c.arm1, d, D), LegPathFor(legs[1], c.arm2, d, D)};
    s.arm1 = s.legs[0].run;
    s.arm2 = s.legs[1].run;
    s.leftHand = c.leftHand != 0;
    // Winding up (inward) adds turns; loaded outward the spring unwinds.
    s.stateAngle = c.outward != 0 ? -angle : angle;
    s.turns = N + s.stateAngle / 360;
    if (!(s.turns > 0)) throw CommandError(TS_TEXT("この角度ではばねが巻き戻りきるので 3D にできません"));
    if (s.turns > kMax3dTurns)
        throw CommandError({TS_TEXT("巻数が多すぎて 3D にできません（%1 巻まで）"),
                            {std::to_string(static_cast<int>(kMax3dTurns))}});
    s.coilDia = D * N / s.turns;
    if (!(s.coilDia > d))
        throw CommandError(TS_TEXT("この角度ではコイルの内径がなくなるので 3D にできません"));
    s.bodyLength = s.pitch * s.turns + d;
    return s;
}

double CoilSweep(const SpringShape& s) {
    return 2 * kPi * s.turns;
}

Point3 CoilPoint(const SpringShape& s, double psi) {
    const double r = s.coilDia / 2, total = CoilSweep(s), ease = EaseSweep(s);
    const double nominal = s.pitch / (2 * kPi);
    double z = nominal * psi;
    if (psi < ease)
        z = nominal * ease * EaseRise(psi / ease);
    else if (psi > total - ease)
        z = s.pitch * s.turns - nominal * ease * EaseRise((total - psi) / ease);
    const double a = PolarAngle(psi);
    return Mirrored(s, {r * std::cos(a), r * std::sin(a), z});
}

Point3 CoilDerivative(const SpringShape& s, double psi) {
    const double r = s.coilDia / 2, total = CoilSweep(s), ease = EaseSweep(s);
    const double nominal = s.pitch / (2 * kPi);
    double dz = nominal;
    if (psi < ease)
        dz = nominal * EaseSlope(psi / ease);
    else if (psi > total - ease)
        dz = nominal * EaseSlope((total - psi) / ease);
    const double a = PolarAngle(psi);
    return Mirrored(s, {-r * std::sin(a), r * std::cos(a), dz});
}

Point3 Arm1Direction(const SpringShape& s) {
    return Unit(-1.0 * CoilDerivative(s, 0));
}

Point3 Arm2Direction(const SpringShape& s) {
    return Unit(CoilDerivative(s, CoilSweep(s)));
}

namespace {

// Where leg k leaves the coil, its direction there and the direction it turns to.
struct LegStart {
    Point3 at, along, turn;
};
LegStart LegStartOf(const SpringShape& s, int leg) {
    const double psi = leg == 0 ? 0.0 : CoilSweep(s);
    LegStart start;
    start.at = CoilPoint(s, psi);
    start.along = leg == 0 ? Arm1Direction(s) : Arm2Direction(s);
    const LegPath& path = s.legs[static_cast<std::size_t>(leg)];
    if (path.turn == LegTurn::Outward)
        start.turn = Unit({start.at.x, start.at.y, 0});
    else if (path.turn == LegTurn::AlongAxis)
        start.turn = {0, 0, leg == 0 ? -1.0 : 1.0};
    return start;
}

}  // namespace

std::vector<LegPiece> LegPieces(const SpringShape& s, int leg) {
    const LegPath& path = s.legs[static_cast<std::size_t>(leg)];
    const LegStart start = LegStartOf(s, leg);
    const double run = leg == 0 ? s.arm1 : s.arm2;
    std::vector<LegPiece> pieces;
    const Point3 bendStart = start.at + run * start.along;
    if (run > 0) pieces.push_back({start.at, bendStart});
    if (!path.bent()) return pieces;
    const Point3 centre = bendStart + path.bend * start.turn;
    const Point3 bendEnd = centre + path.bend * start.along;
    pieces.push_back({bendStart, bendEnd, true, centre});
    if (path.after > 0) pieces.push_back({bendEnd, bendEnd + path.after * start.turn});
    return pieces;
}

Point3 LegEndDirection(const SpringShape& s, int leg) {
    const LegStart start = LegStartOf(s, leg);
    return s.legs[static_cast<std::size_t>(leg)].bent() ? start.turn : start.along;
}

Point3 Arm1End(const SpringShape& s) {
    if (!s.legs[0].bent()) return CoilPoint(s, 0) + s.arm1 * Arm1Direction(s);
    return LegPieces(s, 0).back().to;
}

Point3 Arm2End(const SpringShape& s) {
    if (!s.legs[1].bent()) return CoilPoint(s, CoilSweep(s)) + s.arm2 * Arm2Direction(s);
    return LegPieces(s, 1).back().to;
}

double CentreLineLength(const SpringShape& s) {
    const int steps = std::max(4, static_cast<int>(std::ceil(s.turns * 256)));
    double length = 0;
    Point3 previous = CoilPoint(s, 0);
    for (int i = 1; i <= steps; ++i) {
        const Point3 p = CoilPoint(s, CoilSweep(s) * i / steps), v = p - previous;
        length += std::sqrt(Dot(v, v));
        previous = p;
    }
    return length + s.legs[0].length() + s.legs[1].length();
}

namespace {

// The points of leg k's centre line from the coil outwards, the coil's own point left out.
void AppendLegPoints(const SpringShape& s, int leg, int perTurn, std::vector<Point3>& points) {
    const int arcSteps = std::max(3, perTurn / 6);
    for (const LegPiece& piece : LegPieces(s, leg)) {
        if (piece.arc) {
            const Point3 a = piece.from - piece.centre, b = piece.to - piece.centre;
            for (int i = 1; i < arcSteps; ++i) {
                const double angle = kPi / 2 * i / arcSteps;
                points.push_back(piece.centre + std::cos(angle) * a + std::sin(angle) * b);
            }
        }
        points.push_back(piece.to);
    }
}

}  // namespace

std::vector<Point3> CentreLinePoints(const SpringShape& s, int perTurn) {
    std::vector<Point3> points;
    const int steps = std::max(2, static_cast<int>(std::ceil(s.turns * std::max(perTurn, 4))));
    points.reserve(static_cast<std::size_t>(steps) + 3);
    AppendLegPoints(s, 0, perTurn, points);
    std::reverse(points.begin(), points.end());
    const double total = CoilSweep(s);
    for (int i = 0; i <= steps; ++i) points.push_back(CoilPoint(s, total * i / steps));
    AppendLegPoints(s, 1, perTurn, points);
    return points;
}

TriangleMesh SpringMesh(const SpringShape& s, int around, int perTurn) {
    around = std::max(around, 3);
    const std::vector<Point3> line = CentreLinePoints(s, perTurn);
    const std::size_t rings = line.size();
    // A ring of the wire's cross-section area, so the volume matches the round wire.
    const double step = 2 * kPi / around;
    const double radius = s.wireDia / 2 * std::sqrt(step / std::sin(step));

    // Frames carried along the line without twisting (double reflection), so the
    // rings stay evenly lined up over the whole coil.
    std::vector<Point3> tangents(rings);
    for (std::size_t i = 0; i < rings; ++i) {
        const Point3 ahead = line[std::min(i + 1, rings - 1)], behind = line[i == 0 ? 0 : i - 1];
        tangents[i] = Unit(ahead - behind);
    }
    TriangleMesh mesh;
    mesh.vertices.reserve(rings * static_cast<std::size_t>(around) + 2);
    Point3 normal = Unit(Cross(tangents[0], {0, 0, 1}));
    if (Dot(normal, normal) < 0.5) normal = Unit(Cross(tangents[0], {1, 0, 0}));
    for (std::size_t i = 0; i < rings; ++i) {
        if (i > 0) {
            const Point3 v1 = line[i] - line[i - 1];
            const double c1 = Dot(v1, v1);
            if (c1 > 0) {
                const Point3 rL = normal - (2 / c1 * Dot(v1, normal)) * v1;
                const Point3 tL = tangents[i - 1] - (2 / c1 * Dot(v1, tangents[i - 1])) * v1;
                const Point3 v2 = tangents[i] - tL;
                const double c2 = Dot(v2, v2);
                normal = c2 > 0 ? rL - (2 / c2 * Dot(v2, rL)) * v2 : rL;
            }
            normal = Unit(normal - Dot(normal, tangents[i]) * tangents[i]);
        }
        const Point3 binormal = Cross(tangents[i], normal);
        for (int k = 0; k < around; ++k) {
            const double a = step * k;
            mesh.vertices.push_back(line[i] + radius * (std::cos(a) * normal + std::sin(a) * binormal));
        }
    }
    const auto at = [&](std::size_t ring, int k) {
        return static_cast<std::uint32_t>(ring * static_cast<std::size_t>(around) +
                                          static_cast<std::size_t>(k % around));
    };
    mesh.triangles.reserve(2 * rings * static_cast<std::size_t>(around));
    for (std::size_t i = 0; i + 1 < rings; ++i)
        for (int k = 0; k < around; ++k) {
            mesh.triangles.push_back({at(i, k), at(i + 1, k + 1), at(i + 1, k)});
            mesh.triangles.push_back({at(i, k), at(i, k + 1), at(i + 1, k + 1)});
        }
    // Flat ends: fans about the centre-line points.
    const auto first = static_cast<std::uint32_t>(mesh.vertices.size());
    mesh.vertices.push_back(line.front());
    mesh.vertices.push_back(line.back());
    for (int k = 0; k < around; ++k) {
        mesh.triangles.push_back({first, at(0, k + 1), at(0, k)});
        mesh.triangles.push_back({first + 1, at(rings - 1, k), at(rings - 1, k + 1)});
    }
    return mesh;
}

double MeshVolume(const TriangleMesh& mesh) {
    double sum = 0;
    for (const auto& t : mesh.triangles) {
        const Point3 &a = mesh.vertices[t[0]], &b = mesh.vertices[t[1]], &c = mesh.vertices[t[2]];
        sum += Dot(a, Cross(b, c));
    }
    return sum / 6;
}

}  // namespace torsion
