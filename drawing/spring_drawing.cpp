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

struct World {
    double x, y;
};

World Plus(World a, World b) {
    return {a.x + b.x, a.y + b.y};
}
World Minus(World a, World b) {
    return {a.x - b.x, a.y - b.y};
}

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

SpringView SpringViewFor(int width, int height, double d, double D, double N, double a1, double a2) {
    SpringView view;
    const double outerRadius = (D + d) / 2.0;
    view.m = a1 > a2 ? a1 : a2;
    if (outerRadius > view.m) view.m = outerRadius;
    view.spanW = 1.1 * ((N + 1.0) * d + D + 2.0 * view.m);
    view.spanH = 2.2 * view.m;
    view.cx = ((N + 1.0) * d - D - 2.0 * view.m) / 2.0;
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

std::int64_t LastLoopIndex(double N) {
    if (std::isnan(N)) return -1;
    // Far beyond this every fraction is zero and the loops are thinned out anyway.
    constexpr double kLargest = 4.0e18;
    const double whole = std::trunc(std::clamp(N, -kLargest, kLargest));
    const double fraction = N - whole;
    const auto i = static_cast<std::int64_t>(whole);
    return fraction < 0.25 ? i - 1 : i;
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

SpringGeometry SpringGeometryFor(int width, int height, double d, double D, double N, double a1, double a2) {
    SpringGeometry g;
    if (!AllFinite({d, D, N, a1, a2}) || d <= 0 || D <= 0 || N < 0 || a1 < 0 || a2 < 0) return g;
    g.view = SpringViewFor(width, height, d, D, N, a1, a2);
    const SpringView& v = g.view;
    if (!AllFinite({v.spanW, v.spanH, v.cx, v.s, v.xmin, v.ymin, v.viewH}) || v.s <= 0) return g;
    g.drawable = true;

    const double r = d / 2.0;
    const double innerRadius = (D - d) / 2.0;
    const double outerRadius = (D + d) / 2.0;
    const double t = std::sqrt(outerRadius * outerRadius - innerRadius * innerRadius);
    const double alpha = std::atan(r / D);
    const World slant{r * std::cos(alpha), r * std::sin(alpha)};

    // Side view: the first loop's top wire centre is the origin.
    const World p0{0, 0};
    const World p1 = slant;
    const World p2{-slant.x, -slant.y};
    const World p3{r, -D};
    const World p4 = Minus(p3, slant);
    const World p5 = Plus(p3, slant);
    const World towardNext{r, 0};

    const std::int64_t last = LastLoopIndex(N);
    for (std::int64_t k : LoopsToDraw(last, width)) {
        const World shift{static_cast<double>(k) * d, 0};
        const World g0 = Plus(p0, shift), g1 = Plus(p1, shift), g2 = Plus(p2, shift);
        const World g3 = Plus(p3, shift), g4 = Plus(p4, shift), g5 = Plus(p5, shift);
        const bool isLast = k == last;
        SpringLoop loop;
        loop.index = k;
        loop.leftEdge = QLine(ToPixel(v, g2), ToPixel(v, g4));
        loop.top =
            ArcThrough(CircleBox(v, g0, r), ToPixel(v, isLast ? g1 : Plus(g0, towardNext)), ToPixel(v, g2));
        loop.bottom =
            ArcThrough(CircleBox(v, g3, r), ToPixel(v, g4), ToPixel(v, isLast ? g5 : Plus(g3, towardNext)));
        g.loops.push_back(loop);
        if (isLast) g.closingEdge = QLine(ToPixel(v, g1), ToPixel(v, g5));
    }

    // End view about E; arm 2 turned by the fraction of a turn.
    const World centre{-D - v.m, -D / 2.0};
    const double theta = 2.0 * std::numbers::pi * (N - std::trunc(N));
    const auto turned = [&](World q) {
        return World{q.x * std::cos(theta) - q.y * std::sin(theta),
                     q.y * std::cos(theta) + q.x * std::sin(theta)};
    };
    const auto arm2Point = [&](World q) { return ToPixel(v, Plus(centre, turned(q))); };
    const auto arm1Point = [&](World q) { return ToPixel(v, Plus(centre, q)); };
    const QPoint q1 = arm2Point({0, -outerRadius});
    const QPoint q2 = arm2Point({a2, -outerRadius});
    const QPoint q3 = arm2Point({a2, -innerRadius});
    const QPoint q4 = arm2Point({0, -innerRadius});
    const QPoint q5 = arm2Point({t, -innerRadius});
    const QPoint q6 = arm1Point({0, -outerRadius});
    const QPoint q7 = arm1Point({-a1, -outerRadius});
    const QPoint q8 = arm1Point({-a1, -innerRadius});
    const QPoint q9 = arm1Point({-t, -innerRadius});

    g.innerCircle = CircleBox(v, centre, innerRadius);
    const PixelBox outerBox = CircleBox(v, centre, outerRadius);
    g.outerArc = ArcThrough(outerBox, q5, q1);
    if (a2 != 0) {
        g.arm2Outline = std::array<QPoint, 4>{q1, q2, q3, q4};
    } else {
        g.outerCircle = outerBox;
        g.endStroke = QLine(q1, q4);
    }
    if (a1 != 0) g.arm1Outline = std::array<QPoint, 4>{q6, q7, q8, q9};
    return g;
}

void DrawSpring(QImage& image, double d, double D, double N, double a1, double a2) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawSpring(painter, image.width(), image.height(), d, D, N, a1, a2);
}

void DrawSpring(QPainter& painter, int width, int height, double d, double D, double N, double a1,
                double a2) {
    painter.fillRect(QRect(0, 0, width, height), kWhite);
    painter.setBrush(kWhite);
    painter.setPen(QPen(kBlue, 1, Qt::SolidLine));

    const SpringGeometry g = SpringGeometryFor(width, height, d, D, N, a1, a2);
    if (!g.drawable) return;
    const auto drawArc = [&](const PixelArc& arc) {
        painter.drawArc(ToRect(arc.box), arc.startAngle16, arc.spanAngle16);
    };

    for (const SpringLoop& loop : g.loops) {
        painter.drawLine(loop.leftEdge);
        drawArc(loop.top);
        drawArc(loop.bottom);
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
}
