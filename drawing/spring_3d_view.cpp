#include "drawing/spring_3d_view.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using torsion::Point3;
using torsion::TriangleMesh;

namespace {

constexpr double kDegree = std::numbers::pi / 180;
const QColor kWire(150, 165, 185);

struct Face {
    float depth;
    std::uint32_t index;
};

}  // namespace

TriangleMesh Spring3dViewMesh(const torsion::SpringShape& shape) {
    const int perTurn = std::clamp(static_cast<int>(600 / std::max(shape.turns, 1.0)), 8, 32);
    return torsion::SpringMesh(shape, 12, perTurn);
}

QRectF DrawSpring3d(QImage& image, const TriangleMesh& mesh, const Spring3dView& view) {
    image.fill(Qt::white);
    if (mesh.vertices.empty()) return {};

    // Centre and radius of the mesh's box: the spring stays the same size as it turns.
    Point3 low = mesh.vertices.front(), high = low;
    for (const Point3& p : mesh.vertices) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    const Point3 centre{(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
    const double radius = std::max(1e-9, std::hypot(high.x - low.x, high.y - low.y, high.z - low.z) / 2);
    const double scale = view.zoom * 0.95 * std::min(image.width(), image.height()) / (2 * radius);
    const double cy = std::cos(view.yaw * kDegree), sy = std::sin(view.yaw * kDegree);
    const double cp = std::cos(view.pitch * kDegree), sp = std::sin(view.pitch * kDegree);

    // Screen x to the right, y up, depth towards the viewer (a right-handed frame, so
    // nothing is mirrored); the coil axis points up, tilted towards the viewer by pitch.
    struct Seen {
        double x, y, depth;
    };
    std::vector<Seen> seen(mesh.vertices.size());
    const auto turn = [&](Point3 p) {
        const double x = cy * p.x - sy * p.y, towards = -(sy * p.x + cy * p.y);
        return Seen{x, cp * p.z - sp * towards, sp * p.z + cp * towards};
    };
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const Point3& p = mesh.vertices[i];
        seen[i] = turn({p.x - centre.x, p.y - centre.y, p.z - centre.z});
    }
    const double midX = image.width() / 2.0, midY = image.height() / 2.0;

    std::vector<Face> faces;
    faces.reserve(mesh.triangles.size() / 2 + 1);
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
        const auto& tri = mesh.triangles[t];
        const Seen &a = seen[tri[0]], &b = seen[tri[1]], &c = seen[tri[2]];
        // Counter-clockwise seen from outside: a face towards the viewer turns left.
        if ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) <= 0) continue;
        faces.push_back({static_cast<float>(a.depth + b.depth + c.depth), static_cast<std::uint32_t>(t)});
    }
    std::sort(faces.begin(), faces.end(), [](const Face& l, const Face& r) { return l.depth < r.depth; });

    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    double left = image.width(), top = image.height(), right = 0, bottom = 0;
    QPointF corners[3];
    for (const Face& f : faces) {
        const auto& tri = mesh.triangles[f.index];
        const Seen &a = seen[tri[0]], &b = seen[tri[1]], &c = seen[tri[2]];
        // Light from the viewer's upper left, plus some ambient light.
        const double ux = b.x - a.x, uy = b.y - a.y, uz = b.depth - a.depth;
        const double vx = c.x - a.x, vy = c.y - a.y, vz = c.depth - a.depth;
        const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
        const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
        const double light = length > 0 ? std::max(0.0, (-0.35 * nx + 0.45 * ny + 0.82 * nz) / length) : 0;
        const double shade = 0.3 + 0.7 * light;
        painter.setBrush(QColor::fromRgbF(static_cast<float>(kWire.redF() * shade),
                                          static_cast<float>(kWire.greenF() * shade),
                                          static_cast<float>(kWire.blueF() * shade)));
        int k = 0;
        for (const Seen* s : {&a, &b, &c}) {
            const double px = midX + scale * s->x, py = midY - scale * s->y;
            corners[k++] = QPointF(px, py);
            left = std::min(left, px);
            right = std::max(right, px);
            top = std::min(top, py);
            bottom = std::max(bottom, py);
        }
        painter.drawPolygon(corners, 3);
    }
    if (faces.empty()) return {};
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}
