#include "drawing/data_sheet_sketch.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
const QColor kInk(0, 0, 255);

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

// Unit vector along an arm that rises by `degrees` to the right (screen y downwards).
QPointF Along(double degrees) {
    return {std::cos(Radians(degrees)), -std::sin(Radians(degrees))};
}
// Unit normal of that arm towards the lower right, where the arm touches the coil.
QPointF Across(double degrees) {
    return {std::sin(Radians(degrees)), std::cos(Radians(degrees))};
}

// An arm tangent to the mean circle on its lower-right side.
QLineF TangentArm(QPointF centre, double meanRadius, double degrees, double length) {
    const QPointF touch = centre + meanRadius * Across(degrees);
    return {touch, touch + length * Along(degrees)};
}

void DrawArrowHead(QPainter& p, QPointF tip, QPointF direction, double length, double halfWidth) {
    const double norm = std::hypot(direction.x(), direction.y());
    const QPointF u = direction / norm;
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - length * u;
    p.drawPolygon(QPolygonF({tip, base + halfWidth * n, base - halfWidth * n}));
}

void DrawDimension(QPainter& p, QLineF line) {
    p.drawLine(line);
    DrawArrowHead(p, line.p1(), line.p1() - line.p2(), 8, 3);
    DrawArrowHead(p, line.p2(), line.p2() - line.p1(), 8, 3);
}

// Arc about the coil centre between two angles (degrees above the horizontal), with
// its arrow head at the `to` end.
void DrawAngleArrow(QPainter& p, QPointF centre, double radius, double from, double to) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, static_cast<int>(std::lround(from * 16)), static_cast<int>(std::lround((to - from) * 16)));
    p.setBrush(kInk);
    const QPointF tip = centre + radius * Along(to);
    const QPointF tangent(-std::sin(Radians(to)), -std::cos(Radians(to)));
    DrawArrowHead(p, tip, tangent, 9, 3.5);
}

// Polar angle at which a circle of `radius` about the centre meets an arm tangent to
// the mean circle at `armDegrees`.
double MeetingAngle(double armDegrees, double meanRadius, double radius) {
    return armDegrees - std::asin(meanRadius / radius) * 180.0 / kPi;
}

// A radial arm's run from the coil and its bend radius, in picture pixels.
constexpr double kRadialRun = 8;
constexpr double kRadialBend = 10;

void DrawLeg(QPainter& p, const SketchLeg& leg) {
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(leg.line);
    if (leg.endCircle > 0) p.drawEllipse(leg.line.last(), leg.endCircle, leg.endCircle);
    if (!leg.clamp.isEmpty()) {
        p.setBrush(QBrush(kInk, Qt::BDiagPattern));
        p.drawPolygon(leg.clamp);
        p.setBrush(Qt::NoBrush);
    }
}

// How far from the coil centre the long part of an arm of this shape lies.
double ArmOffset(torsion::LegShape shape, double meanRadius) {
    return shape == torsion::LegShape::Radial ? kRadialRun + kRadialBend : meanRadius;
}

constexpr double kArc1Radius = 100;
constexpr double kArc2Radius = 75;

}  // namespace

SketchLeg SketchLegAt(QPointF centre, double meanRadius, double degrees, double length,
                      torsion::LegShape shape) {
    SketchLeg leg;
    const QPointF v = Along(degrees), n = Across(degrees);
    if (shape != torsion::LegShape::Radial) {
        const QLineF arm = TangentArm(centre, meanRadius, degrees, length);
        leg.line = QPolygonF({arm.p1(), arm.p2()});
        if (shape == torsion::LegShape::Axial) leg.endCircle = 5;
        if (shape == torsion::LegShape::Clamped) {
            const QPointF a = arm.p1() + 6 * v, b = arm.p1() + 24 * v;
            leg.clamp = QPolygonF({a - 7 * n, b - 7 * n, b + 7 * n, a + 7 * n});
        }
        return leg;
    }
    // Out of the ring along the radius of the arm's direction, a short run square to
    // it, the bend, and the long part parallel to the radius to the arm's length.
    const QPointF start = centre + meanRadius * v, bendStart = start + kRadialRun * n;
    const QPointF bendCentre = bendStart + kRadialBend * v;
    leg.line << start;
    for (int i = 0; i <= 12; ++i) {
        const double b = Radians(90.0 * i / 12);
        leg.line << bendCentre - kRadialBend * std::cos(b) * v + kRadialBend * std::sin(b) * n;
    }
    leg.line << centre + (kRadialRun + kRadialBend) * n + length * v;
    return leg;
}

DataSheetSketchGeometry DataSheetSketchLayout() {
    DataSheetSketchGeometry g;
    g.coilCentre = {200, 120};
    g.outerRadius = 34;
    g.innerRadius = 24;
    g.meanRadius = 29;
    const QPointF c = g.coilCentre;

    g.horizontalCentreLine = {QPointF(152, c.y()), QPointF(248, c.y())};
    g.verticalCentreLine = {QPointF(c.x(), 78), QPointF(c.x(), 160)};

    // The horizontal arm leaves the top of the coil; its length is measured from the
    // coil centre, so the dimension runs from the vertical centre line to the arm end.
    g.horizontalArm = {QPointF(c.x(), c.y() - g.meanRadius), QPointF(50, c.y() - g.meanRadius)};
    g.horizontalDimension = {QPointF(50, 232), QPointF(c.x(), 232)};
    g.horizontalExtensionOuter = {QPointF(50, g.horizontalArm.y2() + 4), QPointF(50, 238)};
    g.horizontalExtensionCentre = {QPointF(c.x(), 162), QPointF(c.x(), 238)};

    g.slantDegrees = 25;
    g.loaded1Degrees = 45;
    g.loaded2Degrees = 70;
    g.slantingArm = TangentArm(c, g.meanRadius, g.slantDegrees, 150);
    g.loadedArm1 = TangentArm(c, g.meanRadius, g.loaded1Degrees, 125);
    g.loadedArm2 = TangentArm(c, g.meanRadius, g.loaded2Degrees, 110);
    g.angleArc1Radius = kArc1Radius;
    g.angleArc2Radius = kArc2Radius;

    const QPointF n = Across(g.slantDegrees);
    const QPointF u = Along(g.slantDegrees);
    const QPointF s0 = g.slantingArm.p1();
    const QPointF s1 = g.slantingArm.p2();
    g.slantingDimension = {s0 + 40 * n, s1 + 40 * n};
    g.slantingExtensionStart = {s0 + 4 * n, s0 + 44 * n};
    g.slantingExtensionEnd = {s1 + 4 * n, s1 + 44 * n};

    // The load turns the slanting arm towards the loaded positions.
    const QPointF beyondEnd = s1 + 12 * u;
    g.loadArrow = {beyondEnd + 10 * n, beyondEnd - 22 * n};

    const QPointF leaderStart = c + g.outerRadius * QPointF(std::cos(Radians(79)), std::sin(Radians(79)));
    g.leaderLine = QPolygonF({leaderStart, QPointF(226, 227), QPointF(252, 227)});
    return g;
}

QImage DrawDataSheetSketch(std::array<torsion::LegShape, 2> legs) {
    const DataSheetSketchGeometry g = DataSheetSketchLayout();
    const bool straight =
        legs[0] == torsion::LegShape::Tangential && legs[1] == torsion::LegShape::Tangential;
    QImage image(kSketchWidth, kSketchHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(kInk);

    QPen thin(kInk, 1);
    QPen centreLine(kInk, 1, Qt::DashDotLine);
    QPen wire(kInk, 2);
    QPen dashed(kInk, 1.5, Qt::DashLine);
    QPen load(kInk, 5, Qt::SolidLine, Qt::FlatCap);

    p.setPen(centreLine);
    p.drawLine(g.horizontalCentreLine);
    p.drawLine(g.verticalCentreLine);

    p.setPen(wire);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(g.coilCentre, g.outerRadius, g.outerRadius);
    p.drawEllipse(g.coilCentre, g.innerRadius, g.innerRadius);
    const QPointF c = g.coilCentre;
    const double rm = g.meanRadius;
    QLineF horizontalExtension = g.horizontalExtensionOuter;
    if (straight) {
        p.drawLine(g.horizontalArm);
        p.drawLine(g.slantingArm);
        p.setPen(dashed);
        p.drawLine(g.loadedArm1);
        p.drawLine(g.loadedArm2);
    } else {
        const SketchLeg leg2 = SketchLegAt(c, rm, 180, g.horizontalArm.length(), legs[1]);
        DrawLeg(p, leg2);
        horizontalExtension.setP1({horizontalExtension.x1(), leg2.line.last().y() + 4 + leg2.endCircle});
        DrawLeg(p, SketchLegAt(c, rm, g.slantDegrees, g.slantingArm.length(), legs[0]));
        p.setPen(dashed);
        // The loaded positions without the clamp, which stays where it holds the leg.
        const torsion::LegShape loaded =
            legs[0] == torsion::LegShape::Clamped ? torsion::LegShape::Tangential : legs[0];
        DrawLeg(p, SketchLegAt(c, rm, g.loaded1Degrees, g.loadedArm1.length(), loaded));
        DrawLeg(p, SketchLegAt(c, rm, g.loaded2Degrees, g.loadedArm2.length(), loaded));
    }

    p.setPen(thin);
    p.setBrush(kInk);
    p.drawLine(horizontalExtension);
    p.drawLine(g.horizontalExtensionCentre);
    DrawDimension(p, g.horizontalDimension);
    p.drawLine(g.slantingExtensionStart);
    p.drawLine(g.slantingExtensionEnd);
    DrawDimension(p, g.slantingDimension);

    const double offset = ArmOffset(legs[0], g.meanRadius);
    DrawAngleArrow(p, g.coilCentre, g.angleArc1Radius,
                   MeetingAngle(g.slantDegrees, offset, g.angleArc1Radius),
                   MeetingAngle(g.loaded1Degrees, offset, g.angleArc1Radius));
    DrawAngleArrow(p, g.coilCentre, g.angleArc2Radius,
                   MeetingAngle(g.slantDegrees, offset, g.angleArc2Radius),
                   MeetingAngle(g.loaded2Degrees, offset, g.angleArc2Radius));

    p.setPen(load);
    const QPointF tip = g.loadArrow.p2();
    const QPointF dir = g.loadArrow.p2() - g.loadArrow.p1();
    const QPointF shaftEnd = tip - 10 * dir / std::hypot(dir.x(), dir.y());
    p.drawLine(QLineF(g.loadArrow.p1(), shaftEnd));
    p.setPen(thin);
    DrawArrowHead(p, tip, dir, 12, 7);

    p.setBrush(Qt::NoBrush);
    p.drawPolyline(g.leaderLine);
    p.setBrush(kInk);
    p.drawEllipse(g.leaderLine.first(), 2.0, 2.0);
    return image;
}
