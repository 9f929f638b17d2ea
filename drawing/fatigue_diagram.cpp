// Paints the fatigue-strength diagram at its fixed pixel positions. Antialiasing stays
// off so that every listed coordinate is a painted pixel.
#include "drawing/fatigue_diagram.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/materials/fatigue_life.h"
#include "drawing/japanese_font.h"

using namespace torsion;

namespace {

constexpr int kLeft = 30;
constexpr int kTop = 30;
constexpr int kRight = 380;
constexpr int kBottom = 380;
constexpr double kUnit = 440.0;
constexpr int kGridStep = 44;

const QColor kBlack(0, 0, 0);
const QColor kSilver(192, 192, 192);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

// A coefficient's pixel offset, truncated toward zero. Values that cannot be a pixel
// (far outside the image, or NaN) are held where the conversion to int stays defined.
int TruncatedPixels(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLimit = 1.0e6;
    return static_cast<int>(std::trunc(std::clamp(value, -kLimit, kLimit)));
}

QFont DiagramFont() {
    QFont font = JapaneseFont(12);
    // Plain pixels, the same on every machine and exact to test.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Text is placed by its top-left corner; the opaque background comes from the painter.
// Drawing at the baseline point skips the text layout that a rectangle would need.
void TextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

QString Tenths(int tenths) {
    return QString::number(tenths / 10.0);
}

QPen SolidPen(const QColor& colour, int width) {
    QPen pen(colour, width, Qt::SolidLine);
    // Wide strokes end round, as a wide pen of the classic canvas does.
    if (width > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

}  // namespace

std::array<LifeLineEnds, 7> LifeLineEndPoints() {
    std::array<LifeLineEnds, 7> ends{};
    for (std::size_t j = 0; j < kFatigueIntercepts.size(); ++j) {
        const double c = kFatigueIntercepts[j];
        const double v = (0.8 - c) / (1.0 - c);
        ends[j].top = QPoint(kLeft + TruncatedPixels(kUnit * v + 0.5), kTop);
        ends[j].axis = QPoint(kLeft, kBottom - TruncatedPixels(kUnit * c + 0.5));
    }
    return ends;
}

PermissibleOutline PermissibleRegionOutline() {
    const double c0 = kFatigueIntercepts[0];
    const double v0 = (kUpperStressLimit - c0) / (1.0 - c0);
    const QPoint corner(kLeft + TruncatedPixels(kUnit * v0), 74);
    PermissibleOutline outline;
    outline.lineFrom = corner;
    outline.lineTo = QPoint(kLeft, kBottom - TruncatedPixels(kUnit * c0 + 0.5));
    // The closing point stays at 169 whatever the intercept: it is part of the picture.
    outline.polyline = {corner, QPoint(338, 74), QPoint(30, 381), QPoint(30, 169)};
    return outline;
}

namespace {

// The square around the pixel offsets (xi, yi) from the origin.
std::array<QPoint, 4> SquareAround(int xi, int yi) {
    // Small offsets are held at the axes so the square never crosses them.
    const int x0 = std::max(xi - 3, 0);
    const int y0 = std::max(yi - 3, 0);
    return {QPoint(kLeft + x0, kBottom - y0), QPoint(kLeft + xi + 3, kBottom - y0),
            QPoint(kLeft + xi + 3, kBottom - yi - 3), QPoint(kLeft + x0, kBottom - yi - 3)};
}

}  // namespace

std::array<QPoint, 4> OperatingPointSquare(double lower, double upper) {
    return SquareAround(TruncatedPixels(kUnit * lower + 0.5), TruncatedPixels(kUnit * upper + 0.5));
}

OperatingPointMark OperatingPointMarker(double lower, double upper) {
    constexpr int kChart = kRight - kLeft;  // 350 pixels of coefficient
    constexpr int kHalf = 3;                // half the square
    const int xi = TruncatedPixels(kUnit * lower + 0.5);
    const int yi = TruncatedPixels(kUnit * upper + 0.5);
    OperatingPointMark mark;
    mark.beyondX = xi > kChart ? 1 : xi < 0 ? -1 : 0;
    mark.beyondY = yi > kChart ? 1 : yi < 0 ? -1 : 0;
    if (mark.beyondX == 0 && mark.beyondY == 0) {
        mark.square = SquareAround(xi, yi);
        return mark;
    }
    // Held inside the frame, touching the edge it lies beyond.
    const int x = std::clamp(xi, 0, kChart - kHalf);
    const int y = std::clamp(yi, 0, kChart - kHalf);
    mark.square = SquareAround(x, y);
    const int cx = kLeft + x;
    const int cy = kBottom - y;
    // Arrows of 8 pixels, 2 pixels off the frame line.
    if (mark.beyondX > 0)
        mark.arrowX = {QPoint(kRight + 3, cy - 5), QPoint(kRight + 3, cy + 5), QPoint(kRight + 11, cy)};
    if (mark.beyondX < 0)
        mark.arrowX = {QPoint(kLeft - 3, cy - 5), QPoint(kLeft - 3, cy + 5), QPoint(kLeft - 11, cy)};
    if (mark.beyondY > 0)
        mark.arrowY = {QPoint(cx - 5, kTop - 3), QPoint(cx + 5, kTop - 3), QPoint(cx, kTop - 11)};
    if (mark.beyondY < 0)
        mark.arrowY = {QPoint(cx - 5, kBottom + 3), QPoint(cx + 5, kBottom + 3), QPoint(cx, kBottom + 11)};
    return mark;
}

void DrawFatigueDiagram(QImage& image, bool markPoint, double lower, double upper) {
    QPainter painter(&image);
    DrawFatigueDiagram(painter, markPoint, lower, upper);
}

void DrawFatigueDiagram(QPainter& painter, bool markPoint, double lower, double upper,
                        const PainterWords& words) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(DiagramFont());
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(kWhite);

    painter.fillRect(QRect(0, 0, kFatigueImageWidth, kFatigueImageHeight), kWhite);
    painter.setBrush(kWhite);

    painter.setPen(SolidPen(kBlack, 2));
    painter.drawRect(QRect(kLeft, kTop, kRight - kLeft, kBottom - kTop));

    const QPen black = SolidPen(kBlack, 1);
    painter.setPen(black);
    for (int i = 1; i <= 7; ++i) {
        const int x = kLeft + kGridStep * i;
        painter.drawLine(x, kTop, x, kBottom);
        TextAt(painter, x - 4, 385, Tenths(i));
    }
    for (int i = 1; i <= 7; ++i) {
        const int y = kTop + kGridStep * i;
        painter.drawLine(kLeft, y, kRight, y);
        TextAt(painter, 382, y - 4, Tenths(8 - i));
    }

    // Rays of constant stress ratio; their labels are written in black like every text.
    for (int i = 1; i <= 10; ++i) {
        const int x = kLeft + static_cast<int>(35.2 * i);
        painter.setPen(SolidPen(kSilver, 1));
        painter.drawLine(kLeft, 379, x, 29);
        painter.setPen(black);
        TextAt(painter, x - 5, 15, Tenths(i));
    }
    TextAt(painter, 30, 15, QStringLiteral("γ="));

    for (const LifeLineEnds& ends : LifeLineEndPoints()) painter.drawLine(ends.top, ends.axis);

    struct PlacedText {
        int x, y;
        const char16_t* text;
    };
    static constexpr PlacedText kTexts[] = {
        {16, 380, u"0"}, {21, 85, u"2"},   {21, 100, u"3"},   {21, 120, u"4"},
        {21, 132, u"6"}, {16, 145, u"10"}, {10, 157, u"100"}, {5, 170, u"1000"},
        {5, 288, u"σ2"}, {10, 298, u"─"},  {5, 308, u"σB"},
    };
    for (const PlacedText& placed : kTexts)
        TextAt(painter, placed.x, placed.y, QString::fromUtf16(placed.text));
    // The words: the unit of the life marks, and the two axes.
    const auto word = [&](const char* text) { return PainterWord(words, "fatigue_diagram", text); };
    {
        // The unit of the life marks ends before the frame: a word wider than the Japanese
        // one is drawn smaller.
        const char* const lifeUnit = QT_TRANSLATE_NOOP("fatigue_diagram", "万回");
        const QString unitText = word(lifeUnit);
        constexpr int kRoom = kLeft - 1 - 5;  // from x 5 to the frame's outer edge
        const int width = painter.fontMetrics().horizontalAdvance(unitText);
        painter.save();
        if (width > kRoom && unitText != QString::fromUtf8(lifeUnit)) {
            QFont font = painter.font();
            font.setPixelSize(std::max(6, font.pixelSize() * kRoom / width));
            painter.setFont(font);
        }
        TextAt(painter, 5, 183, unitText);
        painter.restore();
    }
    TextAt(painter, 150, 400, word(QT_TRANSLATE_NOOP("fatigue_diagram", "下限応力係数 σ1/σB")));
    const char* const upperAxis = QT_TRANSLATE_NOOP("fatigue_diagram", "上限応力係数");
    const QString upperText = word(upperAxis);
    if (upperText == QString::fromUtf8(upperAxis)) {
        // Japanese stands upright, one character under the other.
        for (int i = 0; i < upperText.size(); ++i) TextAt(painter, 10, 200 + 14 * i, upperText.mid(i, 1));
    } else {
        // Other languages run upwards over the same span, smaller where they would not fit.
        constexpr int kSpan = 84;
        painter.save();
        QFont font = painter.font();
        const int width = painter.fontMetrics().horizontalAdvance(upperText);
        if (width > kSpan) font.setPixelSize(std::max(6, font.pixelSize() * kSpan / width));
        painter.setFont(font);
        painter.translate(8, 200 + kSpan);
        painter.rotate(-90);
        painter.drawText(QRect(0, 0, kSpan, painter.fontMetrics().height()), Qt::AlignCenter, upperText);
        painter.restore();
    }

    painter.drawPolyline(QPolygon({QPoint(30, 74), QPoint(338, 74), QPoint(30, 380)}));

    painter.setPen(SolidPen(kBlue, 2));
    const PermissibleOutline outline = PermissibleRegionOutline();
    painter.drawLine(outline.lineFrom, outline.lineTo);
    painter.drawPolyline(outline.polyline.data(), static_cast<int>(outline.polyline.size()));
    painter.setPen(black);

    if (markPoint && !std::isnan(lower) && !std::isnan(upper)) {
        const OperatingPointMark mark = OperatingPointMarker(lower, upper);
        painter.setPen(SolidPen(kRed, 1));
        painter.setBrush(kRed);
        painter.drawPolygon(mark.square.data(), static_cast<int>(mark.square.size()));
        if (mark.beyondX != 0) painter.drawPolygon(mark.arrowX.data(), static_cast<int>(mark.arrowX.size()));
        if (mark.beyondY != 0) painter.drawPolygon(mark.arrowY.data(), static_cast<int>(mark.arrowY.size()));
        painter.setPen(black);
    }
}
