// The spring figure and its outline in millimetres.
#include "core/geometry/spring_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/base/command_error.h"

namespace torsion {

namespace {

using Point = OutlinePoint;
Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}

// True when every point of the outline, circles and arcs by their whole circle, lies
// within kMaxOutlineCoordinate of the origin on both axes.
bool FitsDrawingFile(const SpringOutline& o) {
    const auto within = [](double v) { return std::abs(v) <= kMaxOutlineCoordinate; };
    for (const auto* lines : {&o.lines, &o.centreLines})
        for (const OutlineLine& l : *lines)
            if (!within(l.x1) || !within(l.y1) || !within(l.x2) || !within(l.y2)) return false;
    for (const OutlineCircle& c : o.circles)
        if (!within(std::abs(c.cx) + c.radius) || !within(std::abs(c.cy) + c.radius)) return false;
    for (const OutlineArc& a : o.arcs)
        if (!within(std::abs(a.cx) + a.radius) || !within(std::abs(a.cy) + a.radius)) return false;
    return true;
}

double DegreesOf(Point centre, Point p) {
    return std::atan2(p.y - centre.y, p.x - centre.x) * 180.0 / std::numbers::pi;
}

}  // namespace

bool SpringSizesDrawable(double d, double D, double N, double a1, double a2) {
    const bool finite =
        std::isfinite(d) && std::isfinite(D) && std::isfinite(N) && std::isfinite(a1) && std::isfinite(a2);
    return finite && d > 0 && D > 0 && N >= 0 && a1 >= 0 && a2 >= 0;
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

SpringFigure SpringFigureFor(double d, double D, double N, double a1, double a2) {
    SpringFigure f;
    f.wireDia = d;
    f.meanDia = D;
    const double r = d / 2;
    const double ri = (D - d) / 2;
    const double ro = (D + d) / 2;
    f.wireRadius = r;
    f.innerRadius = ri;
    f.outerRadius = ro;
    f.slantRadians = std::atan(r / D);
    f.slant = {r * std::cos(f.slantRadians), r * std::sin(f.slantRadians)};
    f.lastLoop = LastLoopIndex(N);

    f.reach = std::max({a1, a2, ro});
    const Point e{-D - f.reach, -D / 2};
    f.endCentre = e;
    const double t = std::sqrt(ro * ro - ri * ri);
    const double theta = 2.0 * std::numbers::pi * (N - std::trunc(N));
    const auto turned = [&](Point q) {
        return e + Point{q.x * std::cos(theta) - q.y * std::sin(theta),
                         q.y * std::cos(theta) + q.x * std::sin(theta)};
    };
    f.q = {turned({0, -ro}),  turned({a2, -ro}),   turned({a2, -ri}),   turned({0, -ri}),  turned({t, -ri}),
           e + Point{0, -ro}, e + Point{-a1, -ro}, e + Point{-a1, -ri}, e + Point{-t, -ri}};
    f.arm1 = a1 != 0;
    f.arm2 = a2 != 0;
    return f;
}

SpringFigure::Loop SpringFigure::LoopAt(std::int64_t k) const {
    const double r = wireRadius;
    const Point shift{static_cast<double>(k) * wireDia, 0};
    Loop loop;
    loop.top = shift;
    loop.topRight = slant + shift;
    loop.topLeft = shift - slant;
    loop.bottom = Point{r, -meanDia} + shift;
    loop.bottomLeft = loop.bottom - slant;
    loop.bottomRight = loop.bottom + slant;
    loop.closed = k == lastLoop;
    loop.arcStart = loop.closed ? loop.topRight : loop.top + Point{r, 0};
    loop.arcEnd = loop.closed ? loop.bottomRight : loop.bottom + Point{r, 0};
    return loop;
}

SpringOutline SpringOutlineFor(double d, double D, double N, double a1, double a2) {
    if (!SpringSizesDrawable(d, D, N, a1, a2)) throw CommandError(TS_TEXT("この寸法のばねは図にできません"));
    if (N + 1 > static_cast<double>(kMaxOutlineLoops))
        throw CommandError(
            {TS_TEXT("巻数が多すぎて図にできません（%1 巻まで）"), {std::to_string(kMaxOutlineLoops)}});

    const SpringFigure f = SpringFigureFor(d, D, N, a1, a2);
    SpringOutline o;
    const double r = f.wireRadius;
    const double alphaDegrees = f.slantRadians * 180.0 / std::numbers::pi;

    // Side view: loops 0..K, one closely wound loop per turn.
    for (long long k = 0; k <= f.lastLoop; ++k) {
        const SpringFigure::Loop g = f.LoopAt(k);
        const double arcEnd = g.closed ? alphaDegrees : 0.0;
        o.lines.push_back({g.topLeft.x, g.topLeft.y, g.bottomLeft.x, g.bottomLeft.y});
        o.arcs.push_back({g.top.x, g.top.y, r, arcEnd, 180.0 + alphaDegrees});
        o.arcs.push_back({g.bottom.x, g.bottom.y, r, 180.0 + alphaDegrees, arcEnd});
        if (g.closed) o.lines.push_back({g.topRight.x, g.topRight.y, g.bottomRight.x, g.bottomRight.y});
    }
    const double sideRight = static_cast<double>(std::max<long long>(f.lastLoop, 0LL) + 1) * d;
    const double overhang = std::max(d, 0.1 * D);
    o.centreLines.push_back({-r - overhang, -D / 2, sideRight + overhang, -D / 2});

    // End view about E, left of the side view; arm 2 turned by the fraction of a turn.
    const Point e = f.endCentre;
    const auto& [q1, q2, q3, q4, q5, q6, q7, q8, q9] = f.q;
    o.circles.push_back({e.x, e.y, f.innerRadius});
    if (f.arm2) {
        o.arcs.push_back({e.x, e.y, f.outerRadius, DegreesOf(e, q5), DegreesOf(e, q1)});
        o.lines.push_back({q1.x, q1.y, q2.x, q2.y});
        o.lines.push_back({q2.x, q2.y, q3.x, q3.y});
        o.lines.push_back({q3.x, q3.y, q4.x, q4.y});
    } else {
        // Without arm 2 the ring is whole, with a stroke where the wire ends.
        o.circles.push_back({e.x, e.y, f.outerRadius});
        o.lines.push_back({q1.x, q1.y, q4.x, q4.y});
    }
    if (f.arm1) {
        o.lines.push_back({q6.x, q6.y, q7.x, q7.y});
        o.lines.push_back({q7.x, q7.y, q8.x, q8.y});
        o.lines.push_back({q8.x, q8.y, q9.x, q9.y});
    }
    const double cross = f.outerRadius + overhang;
    o.centreLines.push_back({e.x - cross, e.y, e.x + cross, e.y});
    o.centreLines.push_back({e.x, e.y - cross, e.x, e.y + cross});
    if (!FitsDrawingFile(o)) throw CommandError(TS_TEXT("この寸法のばねは図にできません"));
    return o;
}

}  // namespace torsion
