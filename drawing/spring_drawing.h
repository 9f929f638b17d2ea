// Scale drawing of the spring (end view and side view) for the second page of the
// main window, from d, D, N, a1, a2 in mm and the legs and coil gap of the design's
// options: the spring figure of the core mapped to pixels.
#pragma once

#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPoint>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/model/design_options.h"

inline constexpr int kSpringImageWidth = 785;
inline constexpr int kSpringImageHeight = 281;

// The world rectangle (mm, y upwards) shown in the image and its scale.
struct SpringView {
    double m = 0;      // reach of the end view: the longer arm, at least the outer radius
    double spanW = 0;  // drawing width plus 10 %
    double spanH = 0;  // drawing height plus 10 %
    double cx = 0, cy = 0;
    double s = 0;  // pixels per mm
    double xmin = 0, ymin = 0, viewH = 0;

    double PixelX(double x) const { return (x - xmin) * s; }
    double PixelY(double y) const { return (viewH - (y - ymin)) * s; }
};
SpringView SpringViewFor(int width, int height, double d, double D, double N, double a1, double a2,
                         const torsion::DesignOptions& options = {});

// Which loops the side view has and where loops and arms lie are the figure's rules in
// core/geometry/spring_outline.h (torsion::LastLoopIndex, torsion::SpringFigureFor).
// Turn of arm 2 about the coil centre in the end view, in degrees (0 <= turn < 360).
double Arm2TurnDegrees(double N);

// Pixel bounding box of a circle: its corners mapped and rounded, so right >= left and
// bottom >= top for a positive radius.
struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};
// Arc on the circle of box from the ray through start to the ray through end,
// counter-clockwise on the screen. Angles are in 1/16 degree as QPainter wants them,
// measured about the centre of the rounded box; a start ray equal to the end ray gives
// the full circle.
struct PixelArc {
    PixelBox box;
    QPoint start, end;
    int startAngle16 = 0;
    int spanAngle16 = 0;
};
PixelArc ArcThrough(const PixelBox& box, QPoint start, QPoint end);

struct SpringLoop {
    std::int64_t index = 0;
    QLine leftEdge;  // G2 -> G4
    PixelArc top;    // top wire circle
    PixelArc bottom;
    std::optional<QLine> rightEdge;  // G1 -> G5 of a loop before the last, coils a gap apart
};

// Everything DrawSpring draws, in pixels, in drawing order.
struct SpringPicture {
    bool drawable = false;  // false: the image stays white
    SpringView view;
    // Side view. Loops closer than a pixel are thinned out to at most one per pixel
    // column of the image; the last loop is always among them.
    std::vector<SpringLoop> loops;
    std::optional<QLine> closingEdge;  // G1 -> G5 of the last loop
    // End view.
    PixelBox innerCircle;
    PixelArc outerArc;                                 // Q5 -> Q1
    std::optional<std::array<QPoint, 4>> arm2Outline;  // Q1 Q2 Q3 Q4, when a2 != 0
    std::optional<PixelBox> outerCircle;               // when a2 == 0: the full ring ...
    std::optional<QLine> endStroke;                    // ... and the stroke Q1 -> Q4
    std::optional<std::array<QPoint, 4>> arm1Outline;  // Q6 Q7 Q8 Q9, when a1 != 0
    // Bent legs in both views and the clamps of clamped legs, drawn last.
    std::vector<QLine> legLines;
    std::vector<PixelArc> legArcs;
    std::vector<PixelBox> legCircles;
};
SpringPicture SpringPictureFor(int width, int height, double d, double D, double N, double a1, double a2,
                               const torsion::DesignOptions& options = {});

// Clears image and draws the spring into it. Values that cannot be drawn (zero,
// negative or not finite sizes) leave the image white; loops closer than a pixel are
// not drawn one by one.
// The legs and the coil gap are those of options (straight touching coils by default).
void DrawSpring(QImage& image, double d, double D, double N, double a1, double a2,
                const torsion::DesignOptions& options = {});
// The same drawing on any painter, over a width x height area from its origin; the
// report paints it as vectors on a larger area through a scaled painter.
void DrawSpring(QPainter& painter, int width, int height, double d, double D, double N, double a1, double a2,
                const torsion::DesignOptions& options = {});
