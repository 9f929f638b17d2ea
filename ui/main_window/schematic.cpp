#include "ui/main_window/schematic.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Angles in degrees, counter-clockwise from the positive x axis, y pointing down.
QPointF Polar(QPointF centre, double radius, double degrees) {
    const double a = degrees * kPi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

constexpr double kFreeAngle = 20.0;     // unloaded arm a2 (dash-dot)
constexpr double kFirstAngle = 45.0;    // arm a2 at φ1
constexpr double kSecondAngle = 110.0;  // arm a2 at φ2 (dashed)
constexpr double kArm2Length = 95.0;

void ArrowHead(QPainter& p, QPointF tip, QPointF from, double size = 7.0) {
    const double dx = tip.x() - from.x();
    const double dy = tip.y() - from.y();
    const double len = std::hypot(dx, dy);
    if (len == 0) return;
    const double ux = dx / len, uy = dy / len;
    const QPointF base(tip.x() - ux * size, tip.y() - uy * size);
    const QPointF side(-uy * size * 0.4, ux * size * 0.4);
    QPolygonF head;
    head << tip << base + side << base - side;
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.restore();
}

// A dimension line between a and b with arrows at both ends.
void Dimension(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
    ArrowHead(p, a, b, 6.0);
    ArrowHead(p, b, a, 6.0);
}

// An arc around centre from one angle to another, with an arrow at its end.
void AngleArc(QPainter& p, QPointF centre, double radius, double fromDeg, double toDeg) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path;
    path.arcMoveTo(box, fromDeg);
    path.arcTo(box, fromDeg, toDeg - fromDeg);
    p.drawPath(path);
    ArrowHead(p, Polar(centre, radius, toDeg), Polar(centre, radius, toDeg - 6.0), 6.0);
}

}  // namespace

SchematicGeometry SchematicLayout() {
    SchematicGeometry g;
    g.coilCentre = QPointF(150, 115);
    g.coilRadius = 24;
    g.arm1End = QPointF(28, g.coilCentre.y() + g.coilRadius);
    g.arm2End = Polar(g.coilCentre, kArm2Length, kFirstAngle);
    g.movedArm2End = Polar(g.coilCentre, kArm2Length * 0.9, kSecondAngle);
    return g;
}

void DrawSchematic(QImage& image) {
    image.fill(QColor(200, 200, 200));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const SchematicGeometry g = SchematicLayout();
    const QPointF c = g.coilCentre;
    const double r = g.coilRadius;

    const QPen wire(QColor(0, 0, 0), 3.0, Qt::SolidLine, Qt::RoundCap);
    const QPen thin(QColor(0, 0, 0), 1.0);
    const QPen dimension(QColor(0, 0, 160), 1.0);
    const QPen load(QColor(200, 0, 0), 1.5);

    // Coil seen along its axis, with its centre mark.
    p.setPen(wire);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(90, 90, 90), 1.0, Qt::DashDotLine));
    p.drawLine(QPointF(c.x() - r - 6, c.y()), QPointF(c.x() + r + 6, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r - 6), QPointF(c.x(), c.y() + r + 6));

    // Fixed arm a1: leaves the coil at its bottom and runs to the left.
    p.setPen(wire);
    p.drawLine(QPointF(c.x(), c.y() + r), g.arm1End);
    p.setPen(thin);
    for (int i = 0; i < 4; ++i) {  // hatching of the fixed end
        const double x = g.arm1End.x() - 2 + i * 4;
        p.drawLine(QPointF(x, g.arm1End.y() + 4), QPointF(x - 5, g.arm1End.y() + 10));
    }
    // Its length, measured to the coil centre, under the arm.
    p.setPen(dimension);
    const double dimY = g.arm1End.y() + 16;
    p.drawLine(QPointF(g.arm1End.x(), g.arm1End.y() + 3), QPointF(g.arm1End.x(), dimY + 4));
    p.drawLine(QPointF(c.x(), c.y() + r + 3), QPointF(c.x(), dimY + 4));
    Dimension(p, QPointF(g.arm1End.x(), dimY), QPointF(c.x(), dimY));

    // Unloaded position of arm a2 (dash-dot), loaded at φ1 (solid) and at φ2 (dashed).
    p.setPen(QPen(QColor(90, 90, 90), 1.0, Qt::DashDotLine));
    p.drawLine(Polar(c, r, kFreeAngle), Polar(c, kArm2Length * 0.75, kFreeAngle));
    p.setPen(wire);
    p.drawLine(Polar(c, r, kFirstAngle), g.arm2End);
    p.setPen(QPen(QColor(0, 0, 0), 2.0, Qt::DashLine));
    p.drawLine(Polar(c, r, kSecondAngle), g.movedArm2End);

    // The twist angles, both counted from the unloaded arm.
    p.setPen(dimension);
    AngleArc(p, c, 52, kFreeAngle, kFirstAngle);
    AngleArc(p, c, 76, kFreeAngle, kSecondAngle);

    // Length a2 beside the solid arm, offset to its lower right.
    const QPointF offset = Polar(QPointF(0, 0), 14, kFirstAngle - 90);
    const QPointF a2From = c + offset;
    const QPointF a2To = g.arm2End + offset;
    p.drawLine(g.arm2End, a2To + offset * 0.3);
    Dimension(p, a2From, a2To);
    // Leaders to where the window puts the a2 and coil-diameter boxes.
    p.drawLine((a2From + a2To) / 2, QPointF(240, 119));
    p.drawLine(Polar(c, r, 300), QPointF(170, 170));

    // Coil diameter across the coil.
    Dimension(p, Polar(c, r - 2, 200), Polar(c, r - 2, 20 + 180 + 180));

    // Loads: the moments M1 and M2 push the arm ends round the coil.
    p.setPen(load);
    const QPointF m1Tail = g.arm2End + Polar(QPointF(0, 0), 28, kFirstAngle - 90);
    p.drawLine(m1Tail, g.arm2End);
    ArrowHead(p, g.arm2End, m1Tail, 8.0);
    const QPointF m2Tail = g.movedArm2End + Polar(QPointF(0, 0), 26, kSecondAngle - 90);
    p.drawLine(m2Tail, g.movedArm2End);
    ArrowHead(p, g.movedArm2End, m2Tail, 8.0);
}
