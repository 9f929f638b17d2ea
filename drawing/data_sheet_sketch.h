// The sketch of the print page: an end view of a torsion spring with its arms, their
// length dimensions, the loaded arm positions, the angle arrows, the load arrow and a
// leader line to the coil. The value labels of the page are placed on it. Each arm is
// drawn in its leg's shape: straight, radial (a short run and a bend before the long
// part, which keeps the arm's length), axial (the wire end turned towards the reader)
// or clamped (a clamp at its root).
#pragma once

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <array>

#include "core/model/design_options.h"

inline constexpr int kSketchWidth = 454;
inline constexpr int kSketchHeight = 252;

// The figure in picture pixels (origin top left, y downwards).
struct DataSheetSketchGeometry {
    QPointF coilCentre;
    double outerRadius = 0;
    double innerRadius = 0;
    double meanRadius = 0;
    QLineF horizontalCentreLine, verticalCentreLine;
    QLineF horizontalArm;           // from the coil to the left, unloaded
    QLineF slantingArm;             // from the coil up to the right, unloaded
    QLineF loadedArm1, loadedArm2;  // the slanting arm at the two operating points
    double slantDegrees = 0, loaded1Degrees = 0, loaded2Degrees = 0;  // above the horizontal
    double angleArc1Radius = 0, angleArc2Radius = 0;                  // arrows from the unloaded arm
    QLineF horizontalDimension;  // under the horizontal arm, centre line to arm end
    QLineF horizontalExtensionOuter, horizontalExtensionCentre;
    QLineF slantingDimension;  // beside the slanting arm, parallel to it
    QLineF slantingExtensionStart, slantingExtensionEnd;
    QLineF loadArrow;      // thick, tail to tip
    QPolygonF leaderLine;  // from the coil to the lower right, ending at the text
};

DataSheetSketchGeometry DataSheetSketchLayout();

// The picture: blue line art on white, kSketchWidth x kSketchHeight; the slanting arm
// is leg 1, the horizontal arm leg 2. Straight legs give the sketch as it always was.
QImage DrawDataSheetSketch(std::array<torsion::LegShape, 2> legs = {});

// The outline of an arm of the sketch at `degrees` above the horizontal whose end lies
// `length` along it from the coil centre, in the leg's shape: the points of its centre
// line, and for an axial leg the end circle's radius (0 otherwise).
struct SketchLeg {
    QPolygonF line;
    double endCircle = 0;
    QPolygonF clamp;  // a clamped leg's clamp, empty otherwise
};
SketchLeg SketchLegAt(QPointF centre, double meanRadius, double degrees, double length,
                      torsion::LegShape shape);
