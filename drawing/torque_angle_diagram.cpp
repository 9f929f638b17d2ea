// Paints the torque–angle diagram. Antialiasing stays off, for lines and text, so the
// pixels are the same on every machine.
#include "drawing/torque_angle_diagram.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <optional>

#include "drawing/japanese_font.h"

using namespace torsion;

namespace {

constexpr int kMarginLeft = 50;
constexpr int kMarginRight = 14;
constexpr int kMarginTop = 22;
constexpr int kMarginBottom = 34;

const QColor kBlack(0, 0, 0);
const QColor kGrid(200, 200, 200);
const QColor kLine(0, 0, 255);
const QColor kPoint(255, 0, 0);
const QColor kBandFill(255, 228, 196);
const QColor kBandEdge(230, 120, 0);
const QColor kWhite(255, 255, 255);

// Pixels beyond this distance are held there, so the conversion to int stays defined.
constexpr double kHold = 4000;

bool Finite(double x) {
    return std::isfinite(x);
}

// Half width of the band at angle φ, in the moment unit of the plot.
double BandHalfWidth(const CharacteristicPlot& p, double angle) {
    return (angle * p.beta1 + p.beta2) * p.rate;
}

// Only a published tolerance gets a band: where the table says "規格値なし" the diagram
// draws none, not even one from a derived figure.
bool HasBand(const CharacteristicPlot& p) {
    return p.band == ToleranceState::Value && Finite(p.beta1) && Finite(p.beta2) && Finite(p.rate);
}

QString Number(double x) {
    return QString::number(x, 'g', 6);
}

QPen Pen(const QColor& colour, int width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

}  // namespace

double NiceGridStep(double value) {
    if (!Finite(value) || value <= 0) return 1;
    const double raw = value / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double factor = norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10;
    return factor * magnitude;
}

QPoint TorqueAngleAxes::Map(double angle, double moment) const {
    const double x = plot.left() + angle / angleMax * (plot.right() - plot.left());
    const double y = plot.bottom() - moment / momentMax * (plot.bottom() - plot.top());
    auto px = [](double v) {
        return static_cast<int>(std::lround(std::clamp(Finite(v) ? v : 0.0, -kHold, kHold)));
    };
    return {px(x), px(y)};
}

TorqueAngleAxes TorqueAngleDiagramAxes(const CharacteristicPlot& p, QSize size) {
    TorqueAngleAxes axes;
    axes.plot = QRect(QPoint(kMarginLeft, kMarginTop),
                      QPoint(std::max(kMarginLeft + 10, size.width() - kMarginRight),
                             std::max(kMarginTop + 10, size.height() - kMarginBottom)));
    double angle = 0;
    for (double a : {p.angle1, p.angle2, p.maxAngle})
        if (Finite(a)) angle = std::max(angle, a);
    double moment = 0;
    for (double m : {p.moment1, p.moment2, p.maxMoment})
        if (Finite(m)) moment = std::max(moment, m);
    if (Finite(p.rate)) moment = std::max(moment, p.rate * angle);
    if (HasBand(p)) moment = std::max(moment, p.rate * angle + BandHalfWidth(p, angle));
    if (!(angle > 0) || angle > 1e12) angle = 1;
    if (!(moment > 0) || moment > 1e300) moment = 1;
    axes.angleStep = NiceGridStep(angle);
    axes.angleMax = std::ceil(angle / axes.angleStep) * axes.angleStep;
    axes.momentStep = NiceGridStep(moment);
    axes.momentMax = std::ceil(moment / axes.momentStep) * axes.momentStep;
    return axes;
}

void DrawTorqueAngleDiagram(QImage& image, const CharacteristicPlot& p, const QString& momentUnit) {
    QPainter painter(&image);
    DrawTorqueAngleDiagram(painter, image.size(), p, momentUnit);
}

std::vector<QRect> PlaceDiagramLabels(const std::vector<QPoint>& points, const std::vector<QSize>& sizes,
                                      const QRect& frame) {
    std::vector<QRect> placed;
    const std::size_t count = std::min(points.size(), sizes.size());
    for (std::size_t i = 0; i < count; ++i) {
        const QPoint at = points[i];
        const QSize size = sizes[i];
        const int left = at.x() - size.width() - 6;
        const int right = at.x() + 6;
        const int above = at.y() - 4 - size.height();
        const int below = at.y() + 4;
        auto free = [&](const QRect& box) {
            if (!frame.contains(box)) return false;
            for (const QRect& other : placed)
                if (box.intersects(other)) return false;
            return true;
        };
        std::optional<QRect> chosen;
        // The four places beside the point, then rows further away, up and down in turn.
        for (int step = 0; !chosen && step <= frame.height() / std::max(1, size.height()) + 1; ++step) {
            const int shift = step * size.height();
            for (const QPoint corner : {QPoint(left, above - shift), QPoint(right, above - shift),
                                        QPoint(left, below + shift), QPoint(right, below + shift)}) {
                const QRect box(corner, size);
                if (free(box)) {
                    chosen = box;
                    break;
                }
            }
        }
        if (!chosen) {
            // No free place beside the point (a point far off the frame): below the lowest
            // label, inside the frame's left edge.
            int top = frame.top() + 2;
            for (const QRect& other : placed) top = std::max(top, other.bottom() + 1);
            chosen = QRect(QPoint(frame.left() + 2, top), size);
        }
        placed.push_back(*chosen);
    }
    return placed;
}

void DrawTorqueAngleDiagram(QPainter& painter, QSize size, const CharacteristicPlot& p,
                            const QString& momentUnit, const PainterWords& words) {
    const auto word = [&](const char* text) { return PainterWord(words, "torque_angle_diagram", text); };
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    QFont font = JapaneseFont(11);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.fillRect(QRect(QPoint(0, 0), size), kWhite);

    const TorqueAngleAxes axes = TorqueAngleDiagramAxes(p, size);
    const QRect& r = axes.plot;
    const int ascent = painter.fontMetrics().ascent();

    // Grid and tick labels.
    painter.setPen(Pen(kGrid, 1));
    const int angleSteps = static_cast<int>(std::lround(axes.angleMax / axes.angleStep));
    const int momentSteps = static_cast<int>(std::lround(axes.momentMax / axes.momentStep));
    for (int i = 1; i < angleSteps; ++i) {
        const int x = axes.Map(i * axes.angleStep, 0).x();
        painter.drawLine(x, r.top(), x, r.bottom());
    }
    for (int i = 1; i < momentSteps; ++i) {
        const int y = axes.Map(0, i * axes.momentStep).y();
        painter.drawLine(r.left(), y, r.right(), y);
    }
    painter.setPen(Pen(kBlack, 1));
    for (int i = 0; i <= angleSteps; ++i) {
        const QString text = Number(i * axes.angleStep);
        const int x = axes.Map(i * axes.angleStep, 0).x() - painter.fontMetrics().horizontalAdvance(text) / 2;
        painter.drawText(x, r.bottom() + 3 + ascent, text);
    }
    for (int i = 0; i <= momentSteps; ++i) {
        const QString text = Number(i * axes.momentStep);
        const int y = axes.Map(0, i * axes.momentStep).y() - ascent / 2;
        painter.drawText(r.left() - 4 - painter.fontMetrics().horizontalAdvance(text), y + ascent, text);
    }
    painter.drawText(r.left() + r.width() / 2 - 40, r.bottom() + 17 + ascent,
                     word(QT_TRANSLATE_NOOP("torque_angle_diagram", "ねじれ角 φ（度）")));
    painter.drawText(4, 4 + ascent,
                     word(QT_TRANSLATE_NOOP("torque_angle_diagram", "モーメント M（%1）")).arg(momentUnit));

    painter.setClipRect(r.adjusted(0, 0, 1, 1));
    const bool hasLine = Finite(p.rate) && Finite(p.maxAngle) && p.maxAngle > 0;

    // Tolerance band around the line, where the grade has a published value.
    if (hasLine && HasBand(p)) {
        const double a = p.maxAngle;
        const QPolygon band({axes.Map(0, BandHalfWidth(p, 0)), axes.Map(a, p.rate * a + BandHalfWidth(p, a)),
                             axes.Map(a, p.rate * a - BandHalfWidth(p, a)),
                             axes.Map(0, -BandHalfWidth(p, 0))});
        painter.setPen(Qt::NoPen);
        painter.setBrush(kBandFill);
        painter.drawPolygon(band);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Pen(kBandEdge, 1));
        painter.drawLine(band[0], band[1]);
        painter.drawLine(band[3], band[2]);
    }

    // Grid lines stay visible through the band.
    if (hasLine) {
        painter.setPen(Pen(kLine, 2));
        painter.drawLine(axes.Map(0, 0), axes.Map(p.maxAngle, p.rate * p.maxAngle));
    }
    painter.setClipping(false);

    // Frame over everything, so the band and the line end cleanly on it.
    painter.setPen(Pen(kBlack, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r);

    // Operating points (red squares) and the maximum (black diamond), labelled where no
    // label covers another.
    std::vector<QPoint> anchors;
    std::vector<QString> texts;
    const struct {
        double angle, moment;
        const char* name;
    } points[] = {{p.angle1, p.moment1, "φ1"}, {p.angle2, p.moment2, "φ2"}};
    for (const auto& point : points) {
        if (!Finite(point.angle) || !Finite(point.moment)) continue;
        const QPoint at = axes.Map(point.angle, point.moment);
        painter.fillRect(at.x() - 2, at.y() - 2, 5, 5, kPoint);
        anchors.push_back(at);
        texts.push_back(QString::fromUtf8(point.name));
    }
    if (Finite(p.maxAngle) && Finite(p.maxMoment)) {
        const QPoint at = axes.Map(p.maxAngle, p.maxMoment);
        painter.setPen(Pen(kBlack, 1));
        painter.setBrush(kBlack);
        painter.drawPolygon(
            QPolygon({at + QPoint(0, -4), at + QPoint(4, 0), at + QPoint(0, 4), at + QPoint(-4, 0)}));
        painter.setBrush(Qt::NoBrush);
        anchors.push_back(at);
        texts.push_back(word(QT_TRANSLATE_NOOP("torque_angle_diagram", "最大")));
    }
    std::vector<QSize> sizes;
    const QFontMetrics metrics = painter.fontMetrics();
    for (const QString& text : texts) sizes.emplace_back(metrics.horizontalAdvance(text), metrics.height());
    const std::vector<QRect> boxes = PlaceDiagramLabels(anchors, sizes, r);
    painter.setPen(Pen(kBlack, 1));
    for (std::size_t i = 0; i < boxes.size(); ++i)
        painter.drawText(boxes[i].left(), boxes[i].top() + metrics.ascent(), texts[i]);

    // Legend of the band, top left inside the frame, where the rising line leaves room.
    if (HasBand(p)) {
        const QString text = word(QT_TRANSLATE_NOOP("torque_angle_diagram", "±ΔM %1級")).arg(p.grade);
        const int x = r.left() + 30;
        painter.setPen(Pen(kBandEdge, 1));
        painter.drawLine(x - 22, r.top() + 9, x - 4, r.top() + 9);
        painter.setPen(Pen(kBlack, 1));
        painter.drawText(x, r.top() + 4 + ascent, text);
    }
}
