// The fatigue-strength diagram: its geometry at the listed pixels, and the painted image.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>
#include <string_view>

#include "drawing/fatigue_diagram.h"

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

QImage Diagram(bool markPoint, double lower, double upper) {
    QImage image(kFatigueImageWidth, kFatigueImageHeight, QImage::Format_RGB32);
    image.fill(Qt::green);  // anything left of this colour was not painted
    DrawFatigueDiagram(image, markPoint, lower, upper);
    return image;
}

int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour;
    return count;
}

bool HasInk(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != kWhite) return true;
    return false;
}

}  // namespace

TEST(FatigueDiagramGeometry, LifeLinesEndWhereTheTableSays) {
    const std::array<QPoint, 7> tops{QPoint(301, 30), QPoint(294, 30), QPoint(283, 30), QPoint(270, 30),
                                     QPoint(260, 30), QPoint(235, 30), QPoint(211, 30)};
    const std::array<QPoint, 7> axes{QPoint(30, 169), QPoint(30, 160), QPoint(30, 147), QPoint(30, 134),
                                     QPoint(30, 125), QPoint(30, 105), QPoint(30, 90)};
    const auto ends = LifeLineEndPoints();
    for (std::size_t j = 0; j < ends.size(); ++j) {
        EXPECT_EQ(ends[j].top, tops[j]) << "line " << j;
        EXPECT_EQ(ends[j].axis, axes[j]) << "line " << j;
    }
}

TEST(FatigueDiagramGeometry, PermissibleOutlineTruncatesTheCornerAndKeepsTheFixedLastPoint) {
    const PermissibleOutline outline = PermissibleRegionOutline();
    // 440 * (0.22 / 0.52) = 186.15...: truncated, no half added.
    EXPECT_EQ(outline.lineFrom, QPoint(216, 74));
    EXPECT_EQ(outline.lineTo, QPoint(30, 169));
    const std::array<QPoint, 4> expected{QPoint(216, 74), QPoint(338, 74), QPoint(30, 381), QPoint(30, 169)};
    EXPECT_EQ(outline.polyline, expected);
}

TEST(FatigueDiagramGeometry, OperatingPointSquareCornersAndAxisClamps) {
    using Corners = std::array<QPoint, 4>;
    EXPECT_EQ(OperatingPointSquare(0, 0),
              (Corners{QPoint(30, 380), QPoint(33, 380), QPoint(33, 377), QPoint(30, 377)}));
    EXPECT_EQ(OperatingPointSquare(0.2, 0.45),
              (Corners{QPoint(115, 185), QPoint(121, 185), QPoint(121, 179), QPoint(115, 179)}));
    // Offset 2 px (440 * 0.005 + 0.5 truncated): the near sides stay on the axes.
    EXPECT_EQ(OperatingPointSquare(0.005, 0.005),
              (Corners{QPoint(30, 380), QPoint(35, 380), QPoint(35, 375), QPoint(30, 375)}));
    // Rounding half up: 440 * 0.1 = 44 exactly, 0.10113... * 440 = 44.5 -> 45.
    EXPECT_EQ(OperatingPointSquare(44.5 / 440, 0.1)[1], QPoint(30 + 45 + 3, 380 - 41));
}

TEST(FatigueDiagramGeometry, CoefficientsFarOutsideStayRepresentable) {
    const auto huge = OperatingPointSquare(1e300, -1e300);
    EXPECT_GT(huge[1].x(), 100000);
    EXPECT_GT(huge[2].y(), 100000);
    EXPECT_EQ(huge[0].y(), 380);  // held at the axis
    const auto inf = OperatingPointSquare(std::numeric_limits<double>::infinity(), 0);
    EXPECT_GT(inf[1].x(), 100000);
}

TEST(FatigueDiagramImage, PaintsFrameGridRaysLifeLinesAndOutline) {
    const QImage image = Diagram(true, 0.2, 0.45);
    EXPECT_EQ(CountColour(image, qRgb(0, 255, 0)), 0) << "every pixel is painted";
    // Frame (width 2) on all four sides, including the listed corner pixels.
    EXPECT_EQ(image.pixel(30, 30), kBlack);
    EXPECT_EQ(image.pixel(380, 100), kBlack);
    EXPECT_EQ(image.pixel(380, 380), kBlack);
    EXPECT_EQ(image.pixel(200, 30), kBlack);
    EXPECT_EQ(image.pixel(380, 200), kBlack);
    EXPECT_EQ(image.pixel(200, 380), kBlack);
    // Grid lines at 74 .. 338, one pixel wide.
    EXPECT_EQ(image.pixel(74, 240), kBlack);
    EXPECT_EQ(image.pixel(338, 300), kBlack);
    EXPECT_EQ(image.pixel(75, 240), kWhite);
    EXPECT_EQ(image.pixel(360, 118), kBlack);
    EXPECT_EQ(image.pixel(360, 119), kWhite);
    // Ray 10 from (30, 379) to (382, 29) passes near (205, 204); ray 1 ends at (65, 29).
    EXPECT_EQ(image.pixel(65, 29), kSilver);
    bool silverOnRay10 = false;
    for (int y = 202; y <= 206; ++y) silverOnRay10 |= image.pixel(205, y) == kSilver;
    EXPECT_TRUE(silverOnRay10);
    // Life line 0 from (301, 30) to (30, 169), black, near x = 250.
    const double y0 = 30 + (301.0 - 250) * 139.0 / 271.0;
    bool blackOnLifeLine = false;
    for (int y = static_cast<int>(y0) - 1; y <= static_cast<int>(y0) + 1; ++y)
        blackOnLifeLine |= image.pixel(250, y) == kBlack;
    EXPECT_TRUE(blackOnLifeLine);
    // The blue outline: on the 0.7 limit, on the left axis down to (30, 381).
    EXPECT_EQ(image.pixel(300, 74), kBlue);
    EXPECT_EQ(image.pixel(30, 300), kBlue);
    EXPECT_EQ(image.pixel(30, 381), kBlue);
    EXPECT_EQ(image.pixel(30, 169), kBlue);
    // The limit line left of the blue corner stays black.
    EXPECT_EQ(image.pixel(150, 74), kBlack);
}

TEST(FatigueDiagramImage, TextsSitBelowTheirTopLeftPositions) {
    const QImage image = Diagram(false, 0, 0);
    // Bottom grid labels start at y = 385: ink below, none in the white gap above.
    for (int i = 1; i <= 7; ++i) {
        const int x = 30 + 44 * i - 4;
        EXPECT_TRUE(HasInk(image, QRect(x, 385, 12, 12))) << i;
        EXPECT_FALSE(HasInk(image, QRect(x, 382, 12, 3))) << i;
    }
    // Right grid labels at x = 382, top at 30 + 44 i - 4.
    for (int i = 1; i <= 7; ++i) EXPECT_TRUE(HasInk(image, QRect(383, 30 + 44 * i - 4, 14, 12))) << i;
    // The vertical axis title, one character every 14 pixels.
    for (int row = 0; row < 6; ++row) EXPECT_TRUE(HasInk(image, QRect(10, 200 + 14 * row, 12, 12))) << row;
    EXPECT_TRUE(HasInk(image, QRect(150, 400, 100, 12)));  // horizontal axis title
    EXPECT_TRUE(HasInk(image, QRect(30, 15, 12, 12)));     // "γ="
    EXPECT_FALSE(HasInk(image, QRect(0, 0, 400, 14)));     // nothing above the ray labels
    // All texts are black: silver only comes from the rays, so none on the label row.
    for (int x = 0; x < 400; ++x)
        for (int y = 15; y < 27; ++y) ASSERT_NE(image.pixel(x, y), kSilver) << x << "," << y;
}

// A word of another language wider than "万回" (the unit of the life marks) stays left of
// the frame: the frame and the chart beside it are painted as with the Japanese word.
TEST(FatigueDiagramImage, TheLifeUnitOfAnotherLanguageEndsBeforeTheFrame) {
    QImage image(kFatigueImageWidth, kFatigueImageHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawFatigueDiagram(painter, false, 0, 0, [](const char*, const char* text) {
        return std::string_view(text) == "万回" ? QStringLiteral("×10⁴") : QString::fromUtf8(text);
    });
    painter.end();
    const QImage japanese = Diagram(false, 0, 0);
    for (int y = 183; y < 183 + 14; ++y)
        for (int x = 29; x < 45; ++x) ASSERT_EQ(image.pixel(x, y), japanese.pixel(x, y)) << x << "," << y;
    EXPECT_TRUE(HasInk(image, QRect(5, 183, 24, 12)));
}

TEST(FatigueDiagramImage, OperatingPointSquareIsRedAndRedrawLeavesNoTrace) {
    QImage image(kFatigueImageWidth, kFatigueImageHeight, QImage::Format_RGB32);
    DrawFatigueDiagram(image, true, 0.2, 0.45);
    EXPECT_EQ(image.pixel(118, 182), kRed);
    EXPECT_EQ(image.pixel(115, 185), kRed);
    EXPECT_EQ(image.pixel(121, 179), kRed);
    EXPECT_NE(image.pixel(114, 182), kRed);
    EXPECT_NE(image.pixel(122, 182), kRed);
    EXPECT_EQ(CountColour(image, kRed), 7 * 7);

    DrawFatigueDiagram(image, true, 0, 0);
    EXPECT_NE(image.pixel(118, 182), kRed);
    EXPECT_EQ(CountColour(image, kRed), 4 * 4);  // only the new square, x 30..33, y 377..380
    EXPECT_EQ(image.pixel(30, 377), kRed);
    EXPECT_EQ(image.pixel(33, 380), kRed);

    DrawFatigueDiagram(image, false, 0.2, 0.45);
    EXPECT_EQ(CountColour(image, kRed), 0);
}

TEST(FatigueDiagramImage, NotANumberDrawsNoSquareAndDoesNotCrash) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(CountColour(Diagram(true, nan, 0.3), kRed), 0);
    EXPECT_EQ(CountColour(Diagram(true, 0.3, nan), kRed), 0);
}

// A point beyond the chart is held at the edge it lies beyond, inside the frame, and an
// arrow outside the frame points its way.
TEST(FatigueDiagramGeometry, PointBeyondTheChartIsMarkedAtItsEdge) {
    const OperatingPointMark inside = OperatingPointMarker(0.2, 0.45);
    EXPECT_EQ(inside.square, OperatingPointSquare(0.2, 0.45));
    EXPECT_EQ(inside.beyondX, 0);
    EXPECT_EQ(inside.beyondY, 0);

    struct Row {
        double lower, upper;
        int beyondX, beyondY;
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const Row& row : {Row{0.83, 0.2, 1, 0}, Row{0.2, 0.9, 0, 1}, Row{1e300, 1e300, 1, 1},
                           Row{inf, 0.1, 1, 0}, Row{-0.3, 0.2, -1, 0}, Row{0.2, -inf, 0, -1}}) {
        const OperatingPointMark mark = OperatingPointMarker(row.lower, row.upper);
        EXPECT_EQ(mark.beyondX, row.beyondX) << row.lower << " " << row.upper;
        EXPECT_EQ(mark.beyondY, row.beyondY) << row.lower << " " << row.upper;
        for (const QPoint& corner : mark.square) {
            EXPECT_TRUE(QRect(QPoint(30, 30), QPoint(380, 380)).contains(corner))
                << corner.x() << "," << corner.y();
        }
        // The arrow's tip lies outside the frame on the side of the point.
        const int tipX = mark.arrowX[2].x();
        const int tipY = mark.arrowY[2].y();
        EXPECT_TRUE(row.beyondX == 0 || (row.beyondX > 0 ? tipX > 380 : tipX < 30)) << tipX;
        EXPECT_TRUE(row.beyondY == 0 || (row.beyondY > 0 ? tipY < 30 : tipY > 380)) << tipY;
    }
    // Held at the right edge at its own height: 0.2 is 88 pixels up.
    const OperatingPointMark right = OperatingPointMarker(0.83, 0.2);
    EXPECT_EQ(right.square[1], QPoint(380, 380 - 85));
    EXPECT_EQ(right.square[2], QPoint(380, 380 - 91));
}

TEST(FatigueDiagramImage, PointBeyondTheChartIsDrawnInsideWithAnArrow) {
    const QImage image = Diagram(true, 0.83, 0.2);
    EXPECT_EQ(image.pixel(377, 380 - 88), kRed);  // the square at the right edge
    EXPECT_EQ(image.pixel(388, 380 - 88), kRed);  // the arrow beyond the frame
    EXPECT_NE(image.pixel(30 + 365, 380 - 88), kRed);
    EXPECT_GT(CountColour(Diagram(true, 1e300, 1e300), kRed), 7 * 7);  // square and two arrows
}

TEST(FatigueDiagramImage, SavesAPictureWhenAskedTo) {
    const QByteArray folder = qgetenv("TS_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "TS_SCREENSHOT_DIR not set: scripts/screenshot writes this picture";
    const QImage image = Diagram(true, 0.2, 0.45);
    const QString path = QDir(QString::fromLocal8Bit(folder)).filePath(QStringLiteral("fatigue-diagram.png"));
    ASSERT_TRUE(image.save(path));
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), image);
}
