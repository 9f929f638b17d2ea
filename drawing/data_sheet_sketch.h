// The sketch of the print page: an end view of a torsion spring with its arms, their
// length dimensions, the loaded arm positions, the angle arrows, the load arrow and a
// leader line to the coil. The value labels of the page are placed on it.
#pragma once

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QPolygonF>

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

// The picture: blue line art on white, kSketchWidth x kSketchHeight.
QImage DrawDataSheetSketch();
