// The spring figure and its outline in millimetres.
#include "core/geometry/spring_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <tuple>
#include <utility>

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

void Append(OutlineItems& to, const OutlineItems& from) {
    to.lines.insert(to.lines.end(), from.lines.begin(), from.lines.end());
    to.arcs.insert(to.arcs.end(), from.arcs.begin(), from.arcs.end());
    to.circles.insert(to.circles.end(), from.circles.begin(), from.circles.end());
}

// Places points and arcs of a leg drawn in leg 1's frame (about the end view's centre,
// leaving the bottom of the ring to the left) as leg 1 or, mirrored and turned by the
// fraction of a turn, as leg 2.
struct LegPlacement {
    Point centre;
    bool mirrored = false;
    double turn = 0;  // radians

    Point At(Point p) const {
        if (mirrored) p.x = -p.x;
        return centre + Point{p.x * std::cos(turn) - p.y * std::sin(turn),
                              p.y * std::cos(turn) + p.x * std::sin(turn)};
    }
    void Line(OutlineItems& items, Point a, Point b) const {
        const Point pa = At(a), pb = At(b);
        items.lines.push_back({pa.x, pa.y, pb.x, pb.y});
    }
    // Counter-clockwise from `from` to `to` degrees in leg 1's frame.
    void Arc(OutlineItems& items, Point c, double radius, double from, double to) const {
        if (!(radius > 0)) return;
        const Point pc = At(c);
        const double turnDegrees = turn * 180.0 / std::numbers::pi;
        if (mirrored) std::tie(from, to) = std::pair(180.0 - to, 180.0 - from);
        items.arcs.push_back({pc.x, pc.y, radius, from + turnDegrees, to + turnDegrees});
    }
};

// Where a circle about c of radius rc meets the circle of radius ro about the origin, on
// the quarter from 90° to 180° about c; nullopt when they do not meet there.
std::optional<double> MeetingDegrees(Point c, double rc, double ro) {
    const double dist = std::hypot(c.x, c.y);
    if (!(dist > 0)) return std::nullopt;
    const double a = (ro * ro - rc * rc + dist * dist) / (2 * dist);
    const double h2 = ro * ro - a * a;
    if (h2 < 0) return std::nullopt;
    const double h = std::sqrt(h2);
    const Point base{a * c.x / dist, a * c.y / dist};
    for (const double sign : {1.0, -1.0}) {
        const Point p{base.x - sign * h * c.y / dist, base.y + sign * h * c.x / dist};
        const double degrees = DegreesOf(c, p);
        if (degrees >= 90.0 && degrees <= 180.0) return degrees;
    }
    return std::nullopt;
}

// A bent or clamped leg of the end view in leg 1's frame, placed; `meets` is set to
// where its inner edge meets the ring's outer circle.
LegFigure LegFigureFor(const LegPath& path, double arm, double d, double D, const LegPlacement& place,
                       Point& meets) {
    LegFigure leg;
    leg.path = path;
    const double r = d / 2, R = D / 2, ri = (D - d) / 2, ro = (D + d) / 2;
    const double t = std::sqrt(ro * ro - ri * ri);
    OutlineItems& e = leg.endView;
    meets = place.At({-t, -ri});
    leg.end = place.At({-arm, -R});
    if (path.turn == LegTurn::Outward) {
        const double L = path.run, rho = path.bend, A = path.after, inner = rho - r, outer = rho + r;
        const Point c{-L, -R - rho};
        if (L > 0) place.Line(e, {0, -ro}, {-L, -ro});
        place.Arc(e, c, inner, 90, 180);
        if (A > 0) place.Line(e, {-L - inner, c.y}, {-L - inner, c.y - A});
        place.Line(e, {-L - inner, c.y - A}, {-L - outer, c.y - A});
        if (A > 0) place.Line(e, {-L - outer, c.y - A}, {-L - outer, c.y});
        if (L >= t) {
            place.Arc(e, c, outer, 90, 180);
            place.Line(e, {-L, -ri}, {-t, -ri});
        } else {
            // The bend leaves the ring before the straight edge would reach it.
            const double from = MeetingDegrees(c, outer, ro).value_or(90.0);
            place.Arc(e, c, outer, from, 180);
            const double a = from * std::numbers::pi / 180.0;
            meets = place.At({c.x + outer * std::cos(a), c.y + outer * std::sin(a)});
        }
        leg.end = place.At({-L - rho, c.y - A});
    } else if (path.turn == LegTurn::AlongAxis) {
        const double x = path.endAlong();
        place.Line(e, {0, -ro}, {-x, -ro});
        const Point end = place.At({-x, -R});
        e.circles.push_back({end.x, end.y, r});
        place.Line(e, {-x, -ri}, {-t, -ri});
        leg.end = end;
    } else if (path.clamped) {
        // The clamp: a block across the leg near the coil.
        const double c0 = 0.5 * d, c1 = std::max(c0, std::min(2.5 * d, arm));
        const Point corners[] = {{-c0, -R - d}, {-c1, -R - d}, {-c1, -R + d}, {-c0, -R + d}};
        for (int i = 0; i < 4; ++i) place.Line(e, corners[i], corners[(i + 1) % 4]);
    }
    return leg;
}

// How far a leg's end-view outline reaches from the coil centre in leg 1's frame; turned:
// in any direction.
double LegReach(const LegPath& path, double arm, double d, double D, bool turned) {
    const double r = d / 2, R = D / 2;
    if (path.clamped) return std::max(arm, std::hypot(std::min(2.5 * d, arm), R + d));
    double x = arm, y = R + r;
    if (path.turn == LegTurn::Outward) {
        x = path.run + path.bend + r;
        y = std::max(y, R + path.bend + path.after);
    } else if (path.turn == LegTurn::AlongAxis) {
        x = path.endAlong() + r;
    }
    return turned ? std::hypot(x, y) : std::max(x, y);
}

// The side view of a bent leg: the band its centre line covers across the axis where it
// leaves the coil (the whole of a radial leg, an axial leg's run and bend), and an axial
// leg's band along the axis out of the body; xAt gives the side view's x of the wire at
// a height.
template <typename XAt>
void SideViewOf(LegFigure& leg, const LegPlacement& place, double d, double D, double direction, XAt xAt) {
    const LegPath& path = leg.path;
    const double r = d / 2, R = D / 2;
    OutlineItems& s = leg.sideView;
    if (path.turn == LegTurn::Outward) {
        const double L = path.run, rho = path.bend;
        const Point points[] = {place.At({0, -R}), place.At({-L, -R}), place.At({-L - rho, -R - rho}),
                                leg.end};
        double low = points[0].y, high = points[0].y;
        for (const Point& p : points) {
            low = std::min(low, p.y);
            high = std::max(high, p.y);
        }
        const double x = xAt(points[0].y);
        s.lines.push_back({x - r, low, x - r, high});
        s.lines.push_back({x + r, low, x + r, high});
        s.lines.push_back({x - r, leg.end.y, x + r, leg.end.y});
    } else if (path.turn == LegTurn::AlongAxis) {
        const double root = place.At({0, -R}).y, y = leg.end.y, x0 = xAt(root);
        const double x1 = x0 + direction * (path.bend + path.after);
        if (std::abs(y - root) > r) {
            const double low = std::min(root, y), high = std::max(root, y);
            s.lines.push_back({x0 - r, low, x0 - r, high});
            s.lines.push_back({x0 + r, low, x0 + r, high});
        }
        s.lines.push_back({x0, y + r, x1, y + r});
        s.lines.push_back({x0, y - r, x1, y - r});
        s.lines.push_back({x1, y - r, x1, y + r});
    }
}

}  // namespace

bool SpringSizesDrawable(double d, double D, double N, double a1, double a2) {
    const bool finite =
        std::isfinite(d) && std::isfinite(D) && std::isfinite(N) && std::isfinite(a1) && std::isfinite(a2);
    return finite && d > 0 && D > 0 && N >= 0 && a1 >= 0 && a2 >= 0;
}

bool SpringSizesDrawable(double d, double D, double N, double a1, double a2, const DesignOptions& options) {
    return SpringSizesDrawable(d, D, N, a1, a2) && LegSizesDrawable(options.legs[0]) &&
           LegSizesDrawable(options.legs[1]) && std::isfinite(options.pitchGap) && options.pitchGap >= 0;
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

SpringFigure SpringFigureFor(double d, double D, double N, double a1, double a2,
                             const DesignOptions& options) {
    SpringFigure f;
    f.wireDia = d;
    f.meanDia = D;
    const double r = d / 2;
    const double ri = (D - d) / 2;
    const double ro = (D + d) / 2;
    const double gap = options.pitchGap;
    f.wireRadius = r;
    f.innerRadius = ri;
    f.outerRadius = ro;
    f.pitch = d + gap;
    f.bodyWidth = (N + 1.0) * d + N * gap;
    // The front wire leans by half a pitch over the coil's diameter.
    const double halfPitch = r + gap / 2;
    f.slantRadians = std::atan(halfPitch / D);
    f.slant = {r * std::cos(f.slantRadians), r * std::sin(f.slantRadians)};
    f.lastLoop = LastLoopIndex(N);

    const double arms[] = {a1, a2};
    const double theta = 2.0 * std::numbers::pi * (N - std::trunc(N));
    f.reach = std::max({a1, a2, ro});
    for (int k = 0; k < 2; ++k) {
        const LegPath path = LegPathFor(options.legs[static_cast<std::size_t>(k)], arms[k], d, D);
        f.legs[static_cast<std::size_t>(k)].path = path;
        if (path.bent() || path.clamped) f.reach = std::max(f.reach, LegReach(path, arms[k], d, D, k == 1));
        if (path.turn == LegTurn::AlongAxis) (k == 0 ? f.sideLeft : f.sideRight) = path.bend + path.after;
    }
    const Point e{-D - f.reach - f.sideLeft, -D / 2};
    f.endCentre = e;
    const double t = std::sqrt(ro * ro - ri * ri);
    const auto turned = [&](Point q) {
        return e + Point{q.x * std::cos(theta) - q.y * std::sin(theta),
                         q.y * std::cos(theta) + q.x * std::sin(theta)};
    };
    f.q = {turned({0, -ro}),  turned({a2, -ro}),   turned({a2, -ri}),   turned({0, -ri}),  turned({t, -ri}),
           e + Point{0, -ro}, e + Point{-a1, -ro}, e + Point{-a1, -ri}, e + Point{-t, -ri}};

    // Bent and clamped legs; a bent leg 2 leaves the ring where its inner edge meets it.
    const std::int64_t last = std::max<std::int64_t>(f.lastLoop, 0);
    for (int k = 0; k < 2; ++k) {
        LegFigure& leg = f.legs[static_cast<std::size_t>(k)];
        const LegPlacement place{e, k == 1, k == 1 ? theta : 0.0};
        Point meets{};
        const LegPath path = leg.path;
        leg = LegFigureFor(path, arms[k], d, D, place, meets);
        if (k == 1 && path.bent()) f.q[4] = meets;
        const double loopX = k == 0 ? 0.0 : static_cast<double>(last) * f.pitch;
        SideViewOf(leg, place, d, D, k == 0 ? -1.0 : 1.0,
                   [&](double y) { return loopX + (-y / D) * halfPitch; });
    }
    f.arm1 = a1 != 0 && !f.legs[0].path.bent();
    f.arm2 = a2 != 0 && !f.legs[1].path.bent();
    f.ringWhole = !f.arm2 && !f.legs[1].path.bent();
    return f;
}

SpringFigure::Loop SpringFigure::LoopAt(std::int64_t k) const {
    const double r = wireRadius;
    const Point shift{static_cast<double>(k) * pitch, 0};
    Loop loop;
    loop.top = shift;
    loop.topRight = slant + shift;
    loop.topLeft = shift - slant;
    loop.bottom = Point{r + (pitch - wireDia) / 2, -meanDia} + shift;
    loop.bottomLeft = loop.bottom - slant;
    loop.bottomRight = loop.bottom + slant;
    // Coils a gap apart show each loop's right edge; touching ones only the last.
    loop.closed = k == lastLoop || pitch > wireDia;
    loop.arcStart = loop.closed ? loop.topRight : loop.top + Point{r, 0};
    loop.arcEnd = loop.closed ? loop.bottomRight : loop.bottom + Point{r, 0};
    return loop;
}

SpringOutline SpringOutlineFor(double d, double D, double N, double a1, double a2,
                               const DesignOptions& options) {
    if (!SpringSizesDrawable(d, D, N, a1, a2, options))
        throw CommandError(TS_TEXT("この寸法のばねは図にできません"));
    if (N + 1 > static_cast<double>(kMaxOutlineLoops))
        throw CommandError(
            {TS_TEXT("巻数が多すぎて図にできません（%1 巻まで）"), {std::to_string(kMaxOutlineLoops)}});

    const SpringFigure f = SpringFigureFor(d, D, N, a1, a2, options);
    SpringOutline o;
    const double r = f.wireRadius;
    const double alphaDegrees = f.slantRadians * 180.0 / std::numbers::pi;

    // Side view: loops 0..K, one loop per turn, a pitch apart.
    for (long long k = 0; k <= f.lastLoop; ++k) {
        const SpringFigure::Loop g = f.LoopAt(k);
        const double arcEnd = g.closed ? alphaDegrees : 0.0;
        o.lines.push_back({g.topLeft.x, g.topLeft.y, g.bottomLeft.x, g.bottomLeft.y});
        o.arcs.push_back({g.top.x, g.top.y, r, arcEnd, 180.0 + alphaDegrees});
        o.arcs.push_back({g.bottom.x, g.bottom.y, r, 180.0 + alphaDegrees, arcEnd});
        if (g.closed) o.lines.push_back({g.topRight.x, g.topRight.y, g.bottomRight.x, g.bottomRight.y});
    }
    const auto last = std::max<long long>(f.lastLoop, 0LL);
    const double sideRight = static_cast<double>(last + 1) * d + static_cast<double>(last) * options.pitchGap;
    const double overhang = std::max(d, 0.1 * D);
    o.centreLines.push_back({-r - overhang - f.sideLeft, -D / 2, sideRight + overhang + f.sideRight, -D / 2});

    // End view about E, left of the side view; arm 2 turned by the fraction of a turn.
    const Point e = f.endCentre;
    const auto& [q1, q2, q3, q4, q5, q6, q7, q8, q9] = f.q;
    o.circles.push_back({e.x, e.y, f.innerRadius});
    if (!f.ringWhole) o.arcs.push_back({e.x, e.y, f.outerRadius, DegreesOf(e, q5), DegreesOf(e, q1)});
    if (f.arm2) {
        o.lines.push_back({q1.x, q1.y, q2.x, q2.y});
        o.lines.push_back({q2.x, q2.y, q3.x, q3.y});
        o.lines.push_back({q3.x, q3.y, q4.x, q4.y});
    } else if (f.ringWhole) {
        // Without arm 2 the ring is whole, with a stroke where the wire ends.
        o.circles.push_back({e.x, e.y, f.outerRadius});
        o.lines.push_back({q1.x, q1.y, q4.x, q4.y});
    }
    if (f.arm1) {
        o.lines.push_back({q6.x, q6.y, q7.x, q7.y});
        o.lines.push_back({q7.x, q7.y, q8.x, q8.y});
        o.lines.push_back({q8.x, q8.y, q9.x, q9.y});
    }
    OutlineItems legs;
    for (const LegFigure& leg : f.legs) {
        Append(legs, leg.endView);
        Append(legs, leg.sideView);
    }
    o.lines.insert(o.lines.end(), legs.lines.begin(), legs.lines.end());
    o.arcs.insert(o.arcs.end(), legs.arcs.begin(), legs.arcs.end());
    o.circles.insert(o.circles.end(), legs.circles.begin(), legs.circles.end());
    const double cross = f.outerRadius + overhang;
    o.centreLines.push_back({e.x - cross, e.y, e.x + cross, e.y});
    o.centreLines.push_back({e.x, e.y - cross, e.x, e.y + cross});
    if (!FitsDrawingFile(o)) throw CommandError(TS_TEXT("この寸法のばねは図にできません"));
    return o;
}

}  // namespace torsion
