// The schematic picture at the top of the input area: the spring seen along the
// coil axis with its arms, angles and load, so that each input box sits beside the
// quantity it sets.
#pragma once

#include <QImage>
#include <QPointF>

inline constexpr int kSchematicWidth = 360;
inline constexpr int kSchematicHeight = 200;

// Where the schematic puts its parts (image pixels), so tests can check that the
// boxes of the window sit beside them.
struct SchematicGeometry {
    QPointF coilCentre;
    double coilRadius;
    QPointF arm1End;       // fixed arm a1, horizontal to the left
    QPointF arm2End;       // moving arm a2 at the first operating point
    QPointF movedArm2End;  // dashed arm a2 at the second operating point
};
SchematicGeometry SchematicLayout();

// Clears image (360 x 200) and draws the schematic into it.
void DrawSchematic(QImage& image);
