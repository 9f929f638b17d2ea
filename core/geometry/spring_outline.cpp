// The spring drawing in millimetres.
#include "core/geometry/spring_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/base/command_error.h"

namespace torsion {

namespace {

struct Point {
    double x, y;
};
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

SpringOutline SpringOutlineFor(double d, double D, double N, double a1, double a2) {
    const bool finite =
        std::isfinite(d) && std::isfinite(D) && std::isfinite(N) && std::isfinite(a1) && std::isfinite(a2);
    if (!finite || d <= 0 || D <= 0 || N < 0 || a1 < 0 || a2 < 0)
        throw CommandError("この寸法のばねは図にできません");
    if (N + 1 > static_cast<double>(kMaxOutlineLoops))
        throw CommandError("巻数が多すぎて図にできません（" + std::to_string(kMaxOutlineLoops) + " 巻まで）");

    SpringOutline o;
    const double r = d / 2;
    const double ri = (D - d) / 2;
    const double ro = (D + d) / 2;
    const double t = std::sqrt(ro * ro - ri * ri);
    const double alpha = std::atan(r / D);
    const double alphaDegrees = alpha * 180.0 / std::numbers::pi;
    const Point slant{r * std::cos(alpha), r * std::sin(alpha)};

    // Side view: loops 0..K, one closely wound loop per turn.
    const double whole = std::trunc(N);
    const long long last = static_cast<long long>(whole) - (N - whole < 0.25 ? 1 : 0);
    for (long long k = 0; k <= last; ++k) {
        const Point shift{static_cast<double>(k) * d, 0};
        const Point g0 = shift, g1 = slant + shift, g2 = shift - slant;
        const Point g3 = Point{r, -D} + shift, g4 = g3 - slant, g5 = g3 + slant;
        const bool isLast = k == last;
        o.lines.push_back({g2.x, g2.y, g4.x, g4.y});
        o.arcs.push_back({g0.x, g0.y, r, isLast ? alphaDegrees : 0.0, 180.0 + alphaDegrees});
        o.arcs.push_back({g3.x, g3.y, r, 180.0 + alphaDegrees, isLast ? alphaDegrees : 0.0});
        if (isLast) o.lines.push_back({g1.x, g1.y, g5.x, g5.y});
    }
    const double sideRight = static_cast<double>(std::max(last, 0LL) + 1) * d;
    const double overhang = std::max(d, 0.1 * D);
    o.centreLines.push_back({-r - overhang, -D / 2, sideRight + overhang, -D / 2});

    // End view about E, left of the side view; arm 2 turned by the fraction of a turn.
    const double reach = std::max({a1, a2, ro});
    const Point e{-D - reach, -D / 2};
    const double theta = 2.0 * std::numbers::pi * (N - whole);
    const auto turned = [&](Point q) {
        return e + Point{q.x * std::cos(theta) - q.y * std::sin(theta),
                         q.y * std::cos(theta) + q.x * std::sin(theta)};
    };
    const Point q1 = turned({0, -ro}), q2 = turned({a2, -ro}), q3 = turned({a2, -ri}), q4 = turned({0, -ri});
    const Point q5 = turned({t, -ri});
    const Point q6 = e + Point{0, -ro}, q7 = e + Point{-a1, -ro}, q8 = e + Point{-a1, -ri},
                q9 = e + Point{-t, -ri};

    o.circles.push_back({e.x, e.y, ri});
    if (a2 != 0) {
        o.arcs.push_back({e.x, e.y, ro, DegreesOf(e, q5), DegreesOf(e, q1)});
        o.lines.push_back({q1.x, q1.y, q2.x, q2.y});
        o.lines.push_back({q2.x, q2.y, q3.x, q3.y});
        o.lines.push_back({q3.x, q3.y, q4.x, q4.y});
    } else {
        // Without arm 2 the ring is whole, with a stroke where the wire ends.
        o.circles.push_back({e.x, e.y, ro});
        o.lines.push_back({q1.x, q1.y, q4.x, q4.y});
    }
    if (a1 != 0) {
        o.lines.push_back({q6.x, q6.y, q7.x, q7.y});
        o.lines.push_back({q7.x, q7.y, q8.x, q8.y});
        o.lines.push_back({q8.x, q8.y, q9.x, q9.y});
    }
    const double cross = ro + overhang;
    o.centreLines.push_back({e.x - cross, e.y, e.x + cross, e.y});
    o.centreLines.push_back({e.x, e.y - cross, e.x, e.y + cross});
    if (!FitsDrawingFile(o)) throw CommandError("この寸法のばねは図にできません");
    return o;
}

}  // namespace torsion
