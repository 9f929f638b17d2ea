// The spring drawing: view and fit, loop counts, the end view's forms, arcs, and the
// painted image.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cmath>
#include <limits>
#include <numbers>

#include "core/geometry/spring_outline.h"
#include "drawing/spring_drawing.h"

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);

constexpr int W = kSpringImageWidth;
constexpr int H = kSpringImageHeight;

// The sizes of a new case: d = 1, D = 10, N = 1.3, a1 = 15, a2 = 20.
SpringPicture StartUp() {
    return SpringPictureFor(W, H, 1, 10, 1.3, 15, 20);
}

QImage Spring(double d, double D, double N, double a1, double a2) {
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::red);  // anything red afterwards was not cleared
    DrawSpring(image, d, D, N, a1, a2);
    return image;
}

int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour;
    return count;
}

bool BlueNear(const QImage& image, QPoint p, int reach = 1) {
    for (int y = p.y() - reach; y <= p.y() + reach; ++y)
        for (int x = p.x() - reach; x <= p.x() + reach; ++x)
            if (image.valid(x, y) && image.pixel(x, y) == kBlue) return true;
    return false;
}

QPoint BoxCentre(const PixelBox& box) {
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

}  // namespace

TEST(SpringView, StartUpCaseIsHeightBound) {
    const SpringView view = SpringViewFor(W, H, 1, 10, 1.3, 15, 20);
    EXPECT_DOUBLE_EQ(view.m, 20);
    EXPECT_NEAR(view.spanW, 57.53, 1e-12);
    EXPECT_DOUBLE_EQ(view.spanH, 44);
    EXPECT_DOUBLE_EQ(view.s, 281.0 / 44.0);
    EXPECT_DOUBLE_EQ(view.viewH, 44);
    // Centred on (cx, cy) both ways: the coil axis is mid-height, cx mid-width.
    EXPECT_NEAR(view.PixelY(view.cy), H / 2.0, 1e-9);
    EXPECT_NEAR(view.PixelX(view.cx), W / 2.0, 1e-9);
    EXPECT_NEAR(Arm2TurnDegrees(1.3), 108, 1e-9);
}

TEST(SpringView, ReachIsTheLongerArmOrTheOuterRadius) {
    EXPECT_DOUBLE_EQ(SpringViewFor(W, H, 1, 10, 3, 15, 20).m, 20);
    EXPECT_DOUBLE_EQ(SpringViewFor(W, H, 1, 10, 3, 25, 20).m, 25);
    EXPECT_DOUBLE_EQ(SpringViewFor(W, H, 1, 10, 3, 2, 3).m, 5.5);  // both arms short: (D + d) / 2
}

TEST(SpringView, ShortArmsLetTheRingSetTheHeightWithFivePercentMargins) {
    const SpringPicture g = SpringPictureFor(W, H, 1, 10, 1.3, 2, 3);
    ASSERT_TRUE(g.drawable);
    // Height bound: the ring is 2m high, the view 2.2m, so 0.1m = 12.77 px above and below.
    const PixelBox ring = g.outerArc.box;
    EXPECT_EQ(ring.top, 13);
    EXPECT_EQ(ring.bottom, H - 13);
}

TEST(SpringView, LongCoilIsWidthBoundAndCentredVertically) {
    const SpringPicture g = SpringPictureFor(W, H, 1, 10, 100, 20, 20);
    ASSERT_TRUE(g.drawable);
    EXPECT_LT(g.view.s, H / g.view.spanH);
    EXPECT_DOUBLE_EQ(g.view.s, W / g.view.spanW);
    // Arm 1's end is the left end of the drawing: 5 % of the 151 mm extent from the edge.
    ASSERT_TRUE(g.arm1Outline);
    EXPECT_EQ((*g.arm1Outline)[1].x(), static_cast<int>(std::nearbyint(0.05 * 151 * g.view.s)));
    EXPECT_NEAR((g.innerCircle.top + g.innerCircle.bottom) / 2.0, H / 2.0, 1.0);
}

TEST(SpringLoops, AQuarterTurnOrMoreGetsItsOwnLoop) {
    EXPECT_EQ(torsion::LastLoopIndex(5.0), 4);
    EXPECT_EQ(torsion::LastLoopIndex(5.2), 4);
    EXPECT_EQ(torsion::LastLoopIndex(5.25), 5);
    EXPECT_EQ(torsion::LastLoopIndex(5.8), 5);
    EXPECT_EQ(torsion::LastLoopIndex(0.2), -1);
    EXPECT_EQ(torsion::LastLoopIndex(std::numeric_limits<double>::quiet_NaN()), -1);
    for (const auto& [N, loops] :
         {std::pair{5.0, 5u}, {5.2, 5u}, {5.25, 6u}, {5.8, 6u}, {1.3, 2u}, {30.0, 30u}}) {
        const SpringPicture g = SpringPictureFor(W, H, 1, 10, N, 15, 20);
        ASSERT_EQ(g.loops.size(), loops) << N;
        EXPECT_EQ(g.loops.back().index, static_cast<std::int64_t>(loops) - 1);
        ASSERT_TRUE(g.closingEdge) << N;
    }
}

TEST(SpringLoops, LoopsStepOneWireDiameterAndOnlyTheLastIsClosed) {
    const SpringPicture g = StartUp();
    ASSERT_EQ(g.loops.size(), 2u);
    const double step = 1 * g.view.s;  // d in pixels
    EXPECT_NEAR(g.loops[1].leftEdge.x1() - g.loops[0].leftEdge.x1(), step, 1.0);
    // The left edge runs from the top wire (y 0) down to the bottom wire (y -D).
    EXPECT_NEAR(g.loops[0].leftEdge.y2() - g.loops[0].leftEdge.y1(), 10 * g.view.s, 1.0);
    // The closing edge is the last loop's right edge: parallel to its left edge, d to the right.
    const QLine right = *g.closingEdge;
    EXPECT_NEAR(right.x1() - g.loops[1].leftEdge.x1(), step, 1.0);
    EXPECT_NEAR(right.x2() - g.loops[1].leftEdge.x2(), step, 1.0);
    // Earlier loops start their top arc where they touch the next loop (0 degrees, up
    // to the rounding of a 3-pixel radius); the last one starts at its right edge.
    const int start = g.loops[0].top.startAngle16;
    EXPECT_LE(std::min(start, 360 * 16 - start), 15 * 16);
    EXPECT_GE(g.loops[0].top.spanAngle16, 170 * 16);
    EXPECT_EQ(g.loops[1].top.start, right.p1());
    EXPECT_EQ(g.loops[1].bottom.end, right.p2());
    EXPECT_EQ(g.loops[0].top.end, g.loops[0].leftEdge.p1());
    EXPECT_EQ(g.loops[0].bottom.start, g.loops[0].leftEdge.p2());
}

TEST(SpringLoops, BelowAQuarterTurnThereIsNoLoopAndNoClosingEdge) {
    const SpringPicture g = SpringPictureFor(W, H, 1, 10, 0.2, 15, 20);
    ASSERT_TRUE(g.drawable);
    EXPECT_TRUE(g.loops.empty());
    EXPECT_FALSE(g.closingEdge);
    EXPECT_TRUE(g.arm1Outline);  // the end view is still drawn
}

TEST(SpringLoops, HugeTurnCountsAreThinnedToOneLoopPerPixelColumn) {
    for (double N : {1e6, 1e12, 1e300}) {
        const SpringPicture g = SpringPictureFor(W, H, 1, 10, N, 15, 20);
        ASSERT_TRUE(g.drawable) << N;
        EXPECT_LE(g.loops.size(), static_cast<std::size_t>(W) + 1) << N;
        EXPECT_EQ(g.loops.front().index, 0);
        EXPECT_EQ(g.loops.back().index, torsion::LastLoopIndex(N));
        EXPECT_TRUE(g.closingEdge);
        // Neighbouring loops drawn are at most a pixel apart: nothing that could be
        // told apart is left out.
        for (std::size_t i = 1; i < g.loops.size(); ++i)
            ASSERT_LE(g.loops[i].leftEdge.x1() - g.loops[i - 1].leftEdge.x1(), 1) << N << " loop " << i;
    }
    // Just below the cap every loop is drawn.
    EXPECT_EQ(SpringPictureFor(W, H, 1, 10, W + 0.5, 15, 20).loops.size(), static_cast<std::size_t>(W) + 1);
}

TEST(SpringArcs, AnglesAreCounterClockwiseOnScreen) {
    const PixelBox box{0, 0, 20, 20};
    const QPoint right(20, 10), top(10, 0), left(0, 10), bottom(10, 20);
    const PixelArc quarter = ArcThrough(box, right, top);
    EXPECT_EQ(quarter.startAngle16, 0);
    EXPECT_EQ(quarter.spanAngle16, 90 * 16);
    EXPECT_EQ(ArcThrough(box, top, right).spanAngle16, 270 * 16);
    const PixelArc lowerHalf = ArcThrough(box, left, right);
    EXPECT_EQ(lowerHalf.startAngle16, 180 * 16);
    EXPECT_EQ(lowerHalf.spanAngle16, 180 * 16);
    EXPECT_EQ(ArcThrough(box, bottom, bottom).spanAngle16, 360 * 16);  // same ray: whole circle
    // Rays are taken from the box centre, whatever the distance of the point.
    EXPECT_EQ(ArcThrough(box, QPoint(110, 10), QPoint(10, -90)).spanAngle16, 90 * 16);
}

TEST(SpringEndView, ArmTwoIsTurnedByTheFractionOfATurn) {
    const SpringPicture g = StartUp();
    ASSERT_TRUE(g.arm1Outline && g.arm2Outline);
    const QPoint centre = BoxCentre(g.innerCircle);
    const QPoint q1 = (*g.arm2Outline)[0], q6 = (*g.arm1Outline)[0];
    auto screenAngle = [&](QPoint p) {
        return std::atan2(-(p.y() - centre.y()), p.x() - centre.x()) * 180 / std::numbers::pi;
    };
    EXPECT_NEAR(screenAngle(q6), -90, 2);        // arm 1 leaves at the bottom of the ring
    EXPECT_NEAR(screenAngle(q1), -90 + 108, 2);  // arm 2 turned 108 degrees counter-clockwise
    // The outer arc ends at Q1 and starts where arm 2's inner edge meets the ring.
    EXPECT_EQ(g.outerArc.end, q1);
    EXPECT_EQ(g.outerArc.box, (PixelBox{g.outerArc.box.left, g.outerArc.box.top, g.outerArc.box.right,
                                        g.outerArc.box.bottom}));
    EXPECT_GT(g.outerArc.spanAngle16, 270 * 16);  // almost all of the ring
}

TEST(SpringEndView, IntegralTurnsLeaveBothArmsOnOneTangent) {
    const SpringPicture g = SpringPictureFor(W, H, 1, 10, 4, 15, 20);
    ASSERT_TRUE(g.arm1Outline && g.arm2Outline);
    const auto& arm1 = *g.arm1Outline;
    const auto& arm2 = *g.arm2Outline;
    EXPECT_EQ(arm2[0], arm1[0]);
    EXPECT_EQ(arm2[1].y(), arm1[1].y());
    EXPECT_GT(arm2[1].x(), arm2[0].x());  // arm 2 to the right
    EXPECT_LT(arm1[1].x(), arm1[0].x());  // arm 1 to the left
    EXPECT_NEAR(arm2[1].x() - arm2[0].x(), 20 * g.view.s, 1.0);
    EXPECT_NEAR(arm1[0].x() - arm1[1].x(), 15 * g.view.s, 1.0);
}

TEST(SpringEndView, NoArmTwoDrawsTheFullRingAndARadialEndStroke) {
    const SpringPicture g = SpringPictureFor(W, H, 1, 10, 1.3, 15, 0);
    EXPECT_FALSE(g.arm2Outline);
    ASSERT_TRUE(g.outerCircle && g.endStroke);
    EXPECT_EQ(*g.outerCircle, g.outerArc.box);
    EXPECT_TRUE(g.arm1Outline);
    // The stroke marks the wire end where arm 2 would leave the ring: from Q1 on the
    // outer circle to Q4 on the inner one, one wire thickness long.
    const SpringPicture withArm = SpringPictureFor(W, H, 1, 10, 1.3, 15, 14);
    ASSERT_TRUE(withArm.arm2Outline);
    EXPECT_EQ(g.endStroke->p1(), (*withArm.arm2Outline)[0]);
    EXPECT_EQ(g.endStroke->p2(), (*withArm.arm2Outline)[3]);
    EXPECT_NEAR(std::hypot(g.endStroke->dx(), g.endStroke->dy()), 1 * g.view.s, 1.5);
}

TEST(SpringEndView, NoArmOneDrawsNothingForIt) {
    const SpringPicture g = SpringPictureFor(W, H, 1, 10, 1.3, 0, 20);
    EXPECT_FALSE(g.arm1Outline);
    EXPECT_TRUE(g.arm2Outline);
    EXPECT_FALSE(g.outerCircle);
    EXPECT_FALSE(g.endStroke);
}

TEST(SpringImage, PaintsBothViewsInBlueOnWhite) {
    const QImage image = Spring(1, 10, 1.3, 15, 20);
    EXPECT_EQ(CountColour(image, qRgb(255, 0, 0)), 0);
    EXPECT_EQ(CountColour(image, kWhite) + CountColour(image, kBlue), W * H) << "only blue and white";
    const SpringPicture g = StartUp();
    // A loop edge, midway.
    const QLine edge = g.loops[0].leftEdge;
    EXPECT_TRUE(BlueNear(image, (edge.p1() + edge.p2()) / 2));
    EXPECT_TRUE(BlueNear(image, g.closingEdge->center()));
    // The inner circle's top, the outer ring's top (inside the arc), arm 1's end.
    const PixelBox inner = g.innerCircle;
    EXPECT_TRUE(BlueNear(image, QPoint((inner.left + inner.right) / 2, inner.top), 0));
    const PixelBox outer = g.outerArc.box;
    EXPECT_TRUE(BlueNear(image, QPoint((outer.left + outer.right) / 2, outer.top), 0));
    EXPECT_TRUE(BlueNear(image, (*g.arm1Outline)[1]));
    // Inside the inner circle and between the views all is white.
    EXPECT_EQ(image.pixel(BoxCentre(inner)), kWhite);
    EXPECT_EQ(image.pixel((outer.right + g.loops[0].leftEdge.x1()) / 2, H / 2), kWhite);
}

TEST(SpringImage, NoArmTwoRingCoversTheArcAndKeepsTheInnerCircle) {
    const QImage image = Spring(1, 10, 1.3, 15, 0);
    const SpringPicture g = SpringPictureFor(W, H, 1, 10, 1.3, 15, 0);
    const PixelBox outer = *g.outerCircle;
    const PixelBox inner = g.innerCircle;
    // Both circles are closed: their bottom points are painted too.
    EXPECT_TRUE(BlueNear(image, QPoint((outer.left + outer.right) / 2, outer.bottom), 0));
    EXPECT_TRUE(BlueNear(image, QPoint((inner.left + inner.right) / 2, inner.bottom), 0));
    EXPECT_TRUE(BlueNear(image, g.endStroke->center()));
    EXPECT_EQ(image.pixel(BoxCentre(inner)), kWhite);
}

TEST(SpringImage, SizesThatCannotBeDrawnLeaveTheImageWhite) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double d, D, N, a1, a2;
    } cases[] = {{0, 10, 1.3, 15, 20},  {-1, 10, 1.3, 15, 20},  {1, 0, 1.3, 15, 20},
                 {1, -10, 1.3, 15, 20}, {1, 10, -2, 15, 20},    {1, 10, 1.3, -15, 20},
                 {1, 10, 1.3, 15, -1},  {nan, 10, 1.3, 15, 20}, {1, inf, 1.3, 15, 20},
                 {1, 10, inf, 15, 20},  {1, 10, nan, 15, 20},   {1e300, 1e300, 1e300, 1e300, 1e300}};
    for (const auto& c : cases) {
        const QImage image = Spring(c.d, c.D, c.N, c.a1, c.a2);
        EXPECT_EQ(CountColour(image, kWhite), W * H)
            << c.d << " " << c.D << " " << c.N << " " << c.a1 << " " << c.a2;
    }
}

TEST(SpringImage, ExtremeButValidSizesStillDraw) {
    // A wire thicker than the coil is wide, and a very long coil: drawn, not hung.
    EXPECT_GT(CountColour(Spring(12, 10, 3, 15, 20), kBlue), 0);
    EXPECT_GT(CountColour(Spring(1, 10, 1e9, 15, 20), kBlue), 0);
    EXPECT_GT(CountColour(Spring(1e-6, 10, 3, 15, 20), kBlue), 0);
}

TEST(SpringImage, RedrawReplacesThePreviousSpring) {
    QImage image(W, H, QImage::Format_RGB32);
    DrawSpring(image, 1, 10, 30, 15, 20);
    DrawSpring(image, 1, 10, 1.3, 15, 20);
    EXPECT_EQ(image, Spring(1, 10, 1.3, 15, 20));
}

TEST(SpringImage, SavesAPictureWhenAskedTo) {
    const QByteArray folder = qgetenv("TS_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "TS_SCREENSHOT_DIR not set: scripts/screenshot writes these pictures";
    const QDir dir(QString::fromLocal8Bit(folder));
    ASSERT_TRUE(Spring(1, 10, 1.3, 15, 20).save(dir.filePath(QStringLiteral("spring-startup.png"))));
    ASSERT_TRUE(Spring(1, 10, 30, 15, 0).save(dir.filePath(QStringLiteral("spring-n30-no-arm2.png"))));
}
