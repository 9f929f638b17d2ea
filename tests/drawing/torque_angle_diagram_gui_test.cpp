// The torque–angle diagram: its axes, and a few pixels of the painted image.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <limits>
#include <random>

#include "drawing/torque_angle_diagram.h"

using namespace torsion;

namespace {

const QRgb kLine = qRgb(0, 0, 255);
const QRgb kPoint = qRgb(255, 0, 0);
const QRgb kBandFill = qRgb(255, 228, 196);
const QRgb kBandEdge = qRgb(230, 120, 0);

// k = 0.5 per degree, φ1 = 30, φ2 = 35, maximum 46, band ±(0.05·φ + 10)·k.
CharacteristicPlot Plot(ToleranceState band) {
    CharacteristicPlot p;
    p.rate = 0.5;
    p.angle1 = 30;
    p.angle2 = 35;
    p.maxAngle = 46;
    p.moment1 = 15;
    p.moment2 = 17.5;
    p.maxMoment = 23;
    p.band = band;
    p.beta1 = 0.05;
    p.beta2 = 10;
    p.grade = 2;
    return p;
}

QImage Draw(const CharacteristicPlot& p) {
    QImage image(kTorqueAngleImageWidth, kTorqueAngleImageHeight, QImage::Format_RGB32);
    image.fill(Qt::green);
    DrawTorqueAngleDiagram(image, p, QStringLiteral("kgf･mm"));
    return image;
}

int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

}  // namespace

TEST(TorqueAngleDiagram, GridStepsAreOneTwoOrFiveTimesAPowerOfTen) {
    const struct {
        double value, step;
    } rows[] = {{46.21, 10}, {0.7, 0.2}, {5, 1},   {23.5, 5},    {1e-3, 2e-4},
                {0, 1},      {-3, 1},    {NAN, 1}, {INFINITY, 1}};
    for (const auto& row : rows) EXPECT_DOUBLE_EQ(NiceGridStep(row.value), row.step) << row.value;
}

TEST(TorqueAngleDiagram, AxesHoldTheMaximumAndTheUpperBand) {
    const TorqueAngleAxes axes = TorqueAngleDiagramAxes(Plot(ToleranceState::Value), QSize(380, 281));
    EXPECT_DOUBLE_EQ(axes.angleMax, 50);
    // Upper band at 46°: 23 + (2.3 + 10)·0.5 = 29.15, so the axis ends at 30.
    EXPECT_DOUBLE_EQ(axes.momentMax, 30);
    EXPECT_EQ(axes.Map(0, 0), axes.plot.bottomLeft());
    EXPECT_EQ(axes.Map(50, 30), axes.plot.topRight());
    const TorqueAngleAxes noBand = TorqueAngleDiagramAxes(Plot(ToleranceState::Empty), QSize(380, 281));
    EXPECT_DOUBLE_EQ(noBand.momentMax, 25);
}

TEST(TorqueAngleDiagram, PaintsLineBandAndOperatingPoints) {
    const CharacteristicPlot p = Plot(ToleranceState::Value);
    const QImage image = Draw(p);
    EXPECT_EQ(Count(image, qRgb(0, 255, 0)), 0) << "every pixel painted";
    const TorqueAngleAxes axes = TorqueAngleDiagramAxes(p, image.size());
    EXPECT_EQ(image.pixel(axes.Map(20, 10)), kLine);
    EXPECT_EQ(image.pixel(axes.Map(35, 17.5)), kPoint);
    EXPECT_EQ(image.pixel(axes.Map(20, 13)), kBandFill) << "inside the band, above the line";
    EXPECT_EQ(image.pixel(axes.Map(20, 6.5)), kBandFill) << "inside the band, below the line";
    EXPECT_EQ(image.pixel(axes.Map(23, 22)), qRgb(255, 255, 255)) << "outside the band";
    EXPECT_EQ(image.pixel(axes.Map(48, 7)), qRgb(255, 255, 255)) << "beyond the maximum angle";
}

TEST(TorqueAngleDiagram, NoBandWithoutAPublishedValue) {
    // "規格値なし": not even a band from the derived reference figure.
    for (ToleranceState state : {ToleranceState::NoPublishedValue, ToleranceState::Empty}) {
        const QImage image = Draw(Plot(state));
        EXPECT_EQ(Count(image, kBandFill), 0);
        EXPECT_EQ(Count(image, kBandEdge), 0);
    }
}

TEST(TorqueAngleDiagram, NumbersThatAreNoNumbersDrawOnlyTheFrame) {
    CharacteristicPlot p = Plot(ToleranceState::Value);
    p.rate = p.maxAngle = p.angle2 = std::numeric_limits<double>::quiet_NaN();
    p.angle1 = 1e300;
    p.maxMoment = -std::numeric_limits<double>::infinity();
    const QImage image = Draw(p);
    EXPECT_EQ(Count(image, kLine), 0);
    EXPECT_EQ(Count(image, qRgb(0, 255, 0)), 0);
}

TEST(TorqueAngleDiagram, RandomNumbersPaintWithoutFault) {
    std::mt19937 rng(15);
    std::uniform_real_distribution<double> exponent(-320, 310);
    std::uniform_int_distribution<int> pick(0, 7);
    auto draw = [&]() -> double {
        switch (pick(rng)) {
            case 0:
                return std::numeric_limits<double>::quiet_NaN();
            case 1:
                return -std::numeric_limits<double>::infinity();
            case 2:
                return 0;
            default:
                return (pick(rng) < 2 ? -1 : 1) * std::pow(10.0, exponent(rng));
        }
    };
    for (int i = 0; i < 200; ++i) {
        CharacteristicPlot p;
        p.rate = draw();
        p.angle1 = draw();
        p.angle2 = draw();
        p.maxAngle = draw();
        p.moment1 = draw();
        p.moment2 = draw();
        p.maxMoment = draw();
        p.band = static_cast<ToleranceState>(pick(rng) % 4);
        p.beta1 = draw();
        p.beta2 = draw();
        const QImage image = Draw(p);
        ASSERT_EQ(image.pixel(0, image.height() - 1), qRgb(255, 255, 255)) << i;  // cleared, not left green
    }
}

// Points close together, on top of one another or at the frame's edges: the labels stay
// inside the frame and never cover one another.
TEST(TorqueAngleDiagram, PointLabelsNeverOverlap) {
    const QRect frame(40, 20, 320, 220);
    const QSize phi(14, 13), max(26, 13);
    const std::vector<std::vector<QPoint>> rows = {
        {{200, 100}, {200, 100}, {200, 100}},  // φ1 = φ2 = maximum
        {{200, 100}, {204, 98}, {260, 60}},    // φ1 next to φ2
        {{41, 21}, {42, 22}, {44, 24}},        // the top left corner
        {{358, 238}, {359, 239}, {359, 239}},  // the bottom right corner
    };
    for (const auto& points : rows) {
        const std::vector<QRect> boxes = PlaceDiagramLabels(points, {phi, phi, max}, frame);
        ASSERT_EQ(boxes.size(), 3u);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(frame.contains(boxes[i])) << points[0].x() << " " << i;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(boxes[i].intersects(boxes[j])) << points[0].x() << " " << i << " " << j;
        }
    }
    // With room, a label sits left above its point as before.
    const std::vector<QRect> alone = PlaceDiagramLabels({{200, 100}}, {phi}, frame);
    EXPECT_EQ(alone[0], QRect(200 - 14 - 6, 100 - 4 - 13, 14, 13));
}
