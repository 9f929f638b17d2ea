// The fatigue-strength diagram (400 x 417, fixed pixel coordinates): grid, stress
// ratio rays, the seven life lines, the permissible region and the operating point.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <array>

#include "drawing/report_words.h"

inline constexpr int kFatigueImageWidth = 400;
inline constexpr int kFatigueImageHeight = 417;

// Geometry the painter draws, computed without painting so that tests can check it.
struct LifeLineEnds {
    QPoint top;   // on the line σ2/σB = 0.8 (y = 30)
    QPoint axis;  // on the σ2/σB axis (x = 30)
};
std::array<LifeLineEnds, 7> LifeLineEndPoints();
// Blue outline of the permissible region: first segment, then the polyline.
struct PermissibleOutline {
    QPoint lineFrom, lineTo;
    std::array<QPoint, 4> polyline;
};
PermissibleOutline PermissibleRegionOutline();
// Corners of the operating-point square, in drawing order. Coefficients far outside
// the diagram are held at a million pixels, and NaN counts as 0, so the corners stay
// representable; DrawFatigueDiagram leaves out the square for a NaN coefficient.
std::array<QPoint, 4> OperatingPointSquare(double lower, double upper);
// How the operating point is marked. Inside the chart it is the square above. A point
// beyond an edge of the chart is held at that edge, and a red arrow outside the frame
// points the way it lies (beyondX: -1 left, +1 right; beyondY: -1 below, +1 above).
struct OperatingPointMark {
    std::array<QPoint, 4> square;
    int beyondX = 0;
    int beyondY = 0;
    std::array<QPoint, 3> arrowX{};  // used when beyondX != 0
    std::array<QPoint, 3> arrowY{};  // used when beyondY != 0
};
OperatingPointMark OperatingPointMarker(double lower, double upper);

// Redraws the whole diagram into image (which must be 400 x 417).
void DrawFatigueDiagram(QImage& image, bool markPoint, double lower, double upper);
// The same drawing on any painter, in the 400 x 417 coordinates of the image; the
// report paints it as vectors through a scaled painter, its words in the report's language.
void DrawFatigueDiagram(QPainter& painter, bool markPoint, double lower, double upper,
                        const PainterWords& words = {});
