// The spring drawing in millimetres (x to the right, y upwards): the figure's rules,
// which loops the side view has, where each loop and each arm lies, shared by the
// window's drawing and the drawing files; and the outline for drawing files as lines,
// arcs and circles: the side view with the first loop's top wire centre at the origin
// and the end view to its left, plus the centre lines of both views. Plain C++, no
// drawing library.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/geometry/leg_path.h"
#include "core/model/design_options.h"

namespace torsion {

struct OutlinePoint {
    double x, y;
};

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

// Lines, arcs and circles of one part of the figure.
struct OutlineItems {
    std::vector<OutlineLine> lines;
    std::vector<OutlineArc> arcs;
    std::vector<OutlineCircle> circles;
};

// True for sizes a spring figure can be made of: all finite, d and D positive, N and
// the arms not negative; with options, also the legs' lengths and the coil gap.
bool SpringSizesDrawable(double d, double D, double N, double a1, double a2);
bool SpringSizesDrawable(double d, double D, double N, double a1, double a2, const DesignOptions& options);

// Index of the last side-view loop: loops 0..K are drawn, none when K < 0. A fraction
// of a turn below a quarter gets no loop of its own.
std::int64_t LastLoopIndex(double N);

// A bent or clamped leg as the figure draws it: in the end view its outline (a bent leg
// in place of the straight arm's Q outline; a clamped leg's clamp beside it), in the
// side view the part that shows beside the coil, and where its centre line ends in the
// end view.
struct LegFigure {
    LegPath path;
    OutlineItems endView;
    OutlineItems sideView;
    OutlinePoint end{};
};

// The points of the figure of a spring of wire diameter d, mean diameter D, N turns and
// arms a1, a2 (sizes for which SpringSizesDrawable holds), with the legs and the coil
// gap of the options.
struct SpringFigure {
    double wireRadius = 0, innerRadius = 0, outerRadius = 0;
    // From one loop to the next: d plus the gap between coils.
    double pitch = 0;
    // Width of the side view without the axial legs: (N + 1)·d + N·gap.
    double bodyWidth = 0;
    // How far axial legs reach out of the side view to the left (leg 1) and right (leg 2).
    double sideLeft = 0, sideRight = 0;
    // The wire leans by this angle from one loop to the next; slant is r·(cos, sin) of it.
    double slantRadians = 0;
    OutlinePoint slant{};
    double wireDia = 0, meanDia = 0;
    std::int64_t lastLoop = -1;
    // Side-view loop k, one pitch right of loop k - 1: top and bottom wire
    // centre and the wire's edges beside them. Every loop has its left edge G2 -> G4;
    // only the last (every one when the coils stand a gap apart) is closed by the edge
    // G1 -> G5, and its wire arcs end there, the
    // others' at the point right of the wire centre (arcStart, arcEnd).
    struct Loop {
        OutlinePoint top;          // G0
        OutlinePoint topRight;     // G1
        OutlinePoint topLeft;      // G2
        OutlinePoint bottom;       // G3
        OutlinePoint bottomLeft;   // G4
        OutlinePoint bottomRight;  // G5
        bool closed = false;
        OutlinePoint arcStart;  // top arc: from here counter-clockwise to G2
        OutlinePoint arcEnd;    // bottom arc: from G4 counter-clockwise to here
    };
    Loop LoopAt(std::int64_t k) const;
    // End view about endCentre, as far left of the side view as reach (the longer arm,
    // at least the outer radius and as far as a bent leg goes) and sideLeft; arm 2 is
    // turned by the fraction of a turn.
    double reach = 0;
    OutlinePoint endCentre{};
    // Q1..Q9: arm 2's outline Q1 Q2 Q3 Q4 and the start Q5 of the outer arc to Q1, arm
    // 1's outline Q6 Q7 Q8 Q9. An arm of length 0 is not drawn: without arm 2 the ring
    // is whole, with a stroke Q1 -> Q4 where the wire ends.
    std::array<OutlinePoint, 9> q{};
    // Straight arms drawn by their Q outline; ringWhole: no leg 2 leaves the ring.
    bool arm1 = false, arm2 = false, ringWhole = false;
    std::array<LegFigure, 2> legs{};
};
SpringFigure SpringFigureFor(double d, double D, double N, double a1, double a2,
                             const DesignOptions& options = {});

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

// The outline of a spring of wire diameter d, mean diameter D, N turns and arms a1, a2,
// with the legs and the coil gap of the options.
// Throws CommandError "この寸法のばねは図にできません" when the sizes cannot be drawn (not
// finite, d or D not positive, N or an arm negative, a point of the drawing farther than
// kMaxOutlineCoordinate from the origin), and another when it has more than
// kMaxOutlineLoops loops.
SpringOutline SpringOutlineFor(double d, double D, double N, double a1, double a2,
                               const DesignOptions& options = {});

}  // namespace torsion
