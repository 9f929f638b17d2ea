// The spring drawing in millimetres (x to the right, y upwards), as lines, arcs and
// circles for drawing files: the side view with the first loop's top wire centre at the
// origin and the end view to its left, the same figures the window draws in pixels,
// plus the centre lines of both views. Plain C++, no drawing library.
#pragma once

#include <string>
#include <vector>

namespace torsion {

struct OutlineLine {
    double x1, y1, x2, y2;
};
// Counter-clockwise from startDegrees to endDegrees (0° along +x).
struct OutlineArc {
    double cx, cy, radius, startDegrees, endDegrees;
};
struct OutlineCircle {
    double cx, cy, radius;
};

struct SpringOutline {
    std::vector<OutlineLine> lines;  // outline
    std::vector<OutlineArc> arcs;
    std::vector<OutlineCircle> circles;
    std::vector<OutlineLine> centreLines;  // coil axis of the side view; two of the end view
};

// The most side-view loops a drawing file gets.
inline constexpr long long kMaxOutlineLoops = 10000;

// The largest distance from the origin, in mm, of any point of a drawing file. A double
// still resolves 0.002 µm at 10^10 mm (10 000 km), and every coordinate is written in at
// most 28 characters; beyond that CAD programs lose the drawing's precision, and some
// writers their fixed-size number buffers.
inline constexpr double kMaxOutlineCoordinate = 1e10;

// The outline of a spring of wire diameter d, mean diameter D, N turns and arms a1, a2.
// Throws CommandError "この寸法のばねは図にできません" when the sizes cannot be drawn (not
// finite, d or D not positive, N or an arm negative, a point of the drawing farther than
// kMaxOutlineCoordinate from the origin), and another when it has more than
// kMaxOutlineLoops loops.
SpringOutline SpringOutlineFor(double d, double D, double N, double a1, double a2);

}  // namespace torsion
