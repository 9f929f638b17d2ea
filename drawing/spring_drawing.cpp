// Builds the pixel geometry of the spring drawing from the five sizes of a case and
// paints it. Geometry and painting are separate so the pixels can be checked without
// looking at a bitmap.
#include "drawing/spring_drawing.h"

#include <QPainter>
#include <QPen>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/geometry/spring_outline.h"

namespace {

const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);

// Nearest pixel, ties to even. The drawing always lies inside its view, so the clamp
// only keeps a runaway value from making the conversion to int undefined.
int RoundPixel(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLimit = 1.0e6;
    return static_cast<int>(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}

using World = torsion::OutlinePoint;

QPoint ToPixel(const SpringView& view, World p) {
    return {RoundPixel(view.PixelX(p.x)), RoundPixel(view.PixelY(p.y))};
}

PixelBox CircleBox(const SpringView& view, World centre, double radius) {
    const int x1 = RoundPixel(view.PixelX(centre.x - radius));
    const int x2 = RoundPixel(view.PixelX(centre.x + radius));
    const int y1 = RoundPixel(view.PixelY(centre.y + radius));
    const int y2 = RoundPixel(view.PixelY(centre.y - radius));
    // A negative radius (coil narrower than its wire) still names the same circle.
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Screen angle in degrees, counter-clockwise from +x, of point about the box centre.
double RayDegrees(const PixelBox& box, QPoint point) {
    const double centreX = (box.left + box.right) / 2.0;
    const double centreY = (box.top + box.bottom) / 2.0;
    return std::atan2(-(point.y() - centreY), point.x() - centreX) * 180.0 / std::numbers::pi;
}

QRect ToRect(const PixelBox& box) {
    // The outline of a Qt ellipse on QRect(x, y, w, h) runs through columns x and x + w.
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

bool AllFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Loop indices to draw: all of 0..K when there are at most `columns` + 1 of them,
// otherwise `columns` + 1 indices spread evenly over 0..K. The side view is narrower
// than the image, so beyond that many loops lie closer than a pixel to each other.
std::vector<std::int64_t> LoopsToDraw(std::int64_t lastIndex, int columns) {
    std::vector<std::int64_t> indices;
    if (lastIndex < 0) return indices;
    const std::int64_t cap = std::max(columns, 1);
    if (lastIndex <= cap) {
        for (std::int64_t k = 0; k <= lastIndex; ++k) indices.push_back(k);
        return indices;
    }
    for (std::int64_t j = 0; j < cap; ++j)
        indices.push_back(static_cast<std::int64_t>(
            std::floor(static_cast<double>(j) * static_cast<double>(lastIndex) / static_cast<double>(cap))));
    indices.push_back(lastIndex);
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

}  // namespace

SpringView SpringViewFor(int width, int height, double d, double D, double N, double a1, double a2,
                         const torsion::DesignOptions& options) {
    SpringView view;
    // The figure's reach and widths: with straight legs and touching coils the reach is
    // the longer arm or the outer radius and the side view (N + 1)·d wide.
    const torsion::SpringFigure f = torsion::SpringFigureFor(d, D, N, a1, a2, options);
    view.m = f.reach;
    const double sideWidth = f.bodyWidth + f.sideRight;
    view.spanW = 1.1 * (sideWidth + D + 2.0 * view.m + f.sideLeft);
    view.spanH = 2.2 * view.m;
    view.cx = (sideWidth - D - 2.0 * view.m - f.sideLeft) / 2.0;
    view.cy = -D / 2.0;
    const double sx = width / view.spanW;
    const double sy = height / view.spanH;
    if (sx >= sy) {
        view.s = sy;
        view.viewH = view.spanH;
        view.ymin = view.cy - view.spanH / 2.0;
        view.xmin = view.cx - (width / view.s) / 2.0;
    } else {
        view.s = sx;
        view.xmin = view.cx - view.spanW / 2.0;
        view.viewH = height / view.s;
        view.ymin = view.cy - view.viewH / 2.0;
    }
    return view;
}

double Arm2TurnDegrees(double N) {
    if (!std::isfinite(N)) return 0.0;
    return 360.0 * (N - std::trunc(N));
}

PixelArc ArcThrough(const PixelBox& box, QPoint start, QPoint end) {
    PixelArc arc;
    arc.box = box;
    arc.start = start;
    arc.end = end;
    double from = RayDegrees(box, start);
    if (from < 0.0) from += 360.0;
    double span = RayDegrees(box, end) - from;
    while (span <= 0.0) span += 360.0;
    while (span > 360.0) span -= 360.0;
    arc.startAngle16 = static_cast<int>(std::lround(from * 16.0));
    arc.spanAngle16 = static_cast<int>(std::lround(span * 16.0));
    return arc;
}

SpringPicture SpringPictureFor(int width, int height, double d, double D, double N, double a1, double a2,
                               const torsion::DesignOptions& options) {
    SpringPicture g;
    if (!torsion::SpringSizesDrawable(d, D, N, a1, a2, options)) return g;
    g.view = SpringViewFor(width, height, d, D, N, a1, a2, options);
    const SpringView& v = g.view;
    if (!AllFinite({v.spanW, v.spanH, v.cx, v.s, v.xmin, v.ymin, v.viewH}) || v.s <= 0) return g;
    g.drawable = true;

    const torsion::SpringFigure f = torsion::SpringFigureFor(d, D, N, a1, a2, options);
    const double r = f.wireRadius;
    // Side view: the first loop's top wire centre is the origin.
    for (std::int64_t k : LoopsToDraw(f.lastLoop, width)) {
        const torsion::SpringFigure::Loop l = f.LoopAt(k);
        SpringLoop loop;
        loop.index = k;
        loop.leftEdge = QLine(ToPixel(v, l.topLeft), ToPixel(v, l.bottomLeft));
        loop.top = ArcThrough(CircleBox(v, l.top, r), ToPixel(v, l.arcStart), ToPixel(v, l.topLeft));
        loop.bottom = ArcThrough(CircleBox(v, l.bottom, r), ToPixel(v, l.bottomLeft), ToPixel(v, l.arcEnd));
        const QLine right(ToPixel(v, l.topRight), ToPixel(v, l.bottomRight));
        if (l.closed && k != f.lastLoop) loop.rightEdge = right;
        g.loops.push_back(loop);
        if (k == f.lastLoop) g.closingEdge = right;
    }

    // End view about E; arm 2 turned by the fraction of a turn.
    std::array<QPoint, 9> q;
    for (std::size_t i = 0; i < q.size(); ++i) q[i] = ToPixel(v, f.q[i]);
    g.innerCircle = CircleBox(v, f.endCentre, f.innerRadius);
    const PixelBox outerBox = CircleBox(v, f.endCentre, f.outerRadius);
    g.outerArc = ArcThrough(outerBox, q[4], q[0]);
    if (f.arm2) {
        g.arm2Outline = std::array<QPoint, 4>{q[0], q[1], q[2], q[3]};
    } else if (f.ringWhole) {
        g.outerCircle = outerBox;
        g.endStroke = QLine(q[0], q[3]);
    }
    if (f.arm1) g.arm1Outline = std::array<QPoint, 4>{q[5], q[6], q[7], q[8]};
    for (const torsion::LegFigure& leg : f.legs)
        for (const torsion::OutlineItems* items : {&leg.endView, &leg.sideView}) {
            for (const torsion::OutlineLine& l : items->lines)
                g.legLines.emplace_back(ToPixel(v, {l.x1, l.y1}), ToPixel(v, {l.x2, l.y2}));
            for (const torsion::OutlineArc& a : items->arcs) {
                const double from = a.startDegrees * std::numbers::pi / 180.0;
                const double to = a.endDegrees * std::numbers::pi / 180.0;
                const World start{a.cx + a.radius * std::cos(from), a.cy + a.radius * std::sin(from)};
                const World end{a.cx + a.radius * std::cos(to), a.cy + a.radius * std::sin(to)};
                g.legArcs.push_back(
                    ArcThrough(CircleBox(v, {a.cx, a.cy}, a.radius), ToPixel(v, start), ToPixel(v, end)));
            }
            for (const torsion::OutlineCircle& c : items->circles)
                g.legCircles.push_back(CircleBox(v, {c.cx, c.cy}, c.radius));
        }
    return g;
}

void DrawSpring(QImage& image, double d, double D, double N, double a1, double a2,
                const torsion::DesignOptions& options) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawSpring(painter, image.width(), image.height(), d, D, N, a1, a2, options);
}

void DrawSpring(QPainter& painter, int width, int height, double d, double D, double N, double a1, double a2,
                const torsion::DesignOptions& options) {
    painter.fillRect(QRect(0, 0, width, height), kWhite);
    painter.setBrush(kWhite);
    painter.setPen(QPen(kBlue, 1, Qt::SolidLine));

    const SpringPicture g = SpringPictureFor(width, height, d, D, N, a1, a2, options);
    if (!g.drawable) return;
    const auto drawArc = [&](const PixelArc& arc) {
        painter.drawArc(ToRect(arc.box), arc.startAngle16, arc.spanAngle16);
    };

    for (const SpringLoop& loop : g.loops) {
        painter.drawLine(loop.leftEdge);
        drawArc(loop.top);
        drawArc(loop.bottom);
        if (loop.rightEdge) painter.drawLine(*loop.rightEdge);
    }
    if (g.closingEdge) painter.drawLine(*g.closingEdge);

    painter.drawEllipse(ToRect(g.innerCircle));
    drawArc(g.outerArc);
    if (g.arm2Outline) painter.drawPolyline(g.arm2Outline->data(), 4);
    if (g.outerCircle) {
        painter.drawEllipse(ToRect(*g.outerCircle));
        painter.drawEllipse(ToRect(g.innerCircle));
    }
    if (g.endStroke) painter.drawLine(*g.endStroke);
    if (g.arm1Outline) painter.drawPolyline(g.arm1Outline->data(), 4);
    for (const QLine& line : g.legLines) painter.drawLine(line);
    for (const PixelArc& arc : g.legArcs) drawArc(arc);
    for (const PixelBox& circle : g.legCircles) painter.drawEllipse(ToRect(circle));
}
