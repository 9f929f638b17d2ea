// The torque–angle diagram of the characteristic page: the line M = k·φ up to the
// maximum angle, the tolerance band ±ΔM(φ) of the chosen grade, the two operating
// points and the maximum, with axes, units and a grid. The same function paints the
// screen, the clipboard picture and printed pages.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

#include "core/report/characteristic_sheet.h"
#include "drawing/report_words.h"

inline constexpr int kTorqueAngleImageWidth = 380;
inline constexpr int kTorqueAngleImageHeight = 281;

// Axes of the diagram for an image size: the plot rectangle and the value ranges,
// both starting at 0 and ending on a whole number of grid steps.
struct TorqueAngleAxes {
    QRect plot;  // left, top, right and bottom pixel of the frame
    double angleMax = 1, angleStep = 1;
    double momentMax = 1, momentStep = 1;
    // Pixel of (angle, moment), rounded to the nearest pixel; values far off the plot
    // are held a few thousand pixels outside it.
    QPoint Map(double angle, double moment) const;
};
TorqueAngleAxes TorqueAngleDiagramAxes(const torsion::CharacteristicPlot& plot, QSize size);

// A grid step of 1, 2 or 5 times a power of ten that divides 0..value into at most
// five steps (value > 0 and finite; 1 otherwise).
double NiceGridStep(double value);

// Text boxes of the point labels (the operating points and the maximum, in this
// order): each goes to the first of the places left-above, right-above, left-below and
// right-below its point, then further up or down, that stays inside frame and overlaps
// no earlier label. Labels never overlap one another.
std::vector<QRect> PlaceDiagramLabels(const std::vector<QPoint>& points, const std::vector<QSize>& sizes,
                                      const QRect& frame);

// Paints the whole diagram into image (any size; the window's is 380 x 281). momentUnit
// is the unit text of the moment axis ("kgf･mm").
void DrawTorqueAngleDiagram(QImage& image, const torsion::CharacteristicPlot& plot,
                            const QString& momentUnit);
// The same drawing on any painter over a size area from its origin; the calculation
// report paints it as vectors through a scaled painter.
void DrawTorqueAngleDiagram(QPainter& painter, QSize size, const torsion::CharacteristicPlot& plot,
                            const QString& momentUnit, const PainterWords& words = {});
