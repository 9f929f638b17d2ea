// The calculation report painted on a paged device.
#include "drawing/calculation_report.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTranslator>
#include <cstdio>
#include <span>

#include "core/base/command_error.h"
#include "core/base/file_io.h"
#include "core/base/unit_text.h"
#include "core/calc/calculation.h"
#include "drawing/fatigue_diagram.h"
#include "drawing/japanese_font.h"
#include "drawing/report_words.h"
#include "drawing/spring_drawing.h"
#include "drawing/torque_angle_diagram.h"

using namespace torsion;

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The report's words: those of the painter (context "calculation_report") and those of the
// core (composed texts, context "torsion") in the report's language.
class Words {
  public:
    explicit Words(const QTranslator* catalogue) : catalogue_(catalogue) {}
    QString Look(const char* context, const char* text, const char* note = nullptr) const {
        if (catalogue_ != nullptr) {
            const QString found = catalogue_->translate(context, text, note);
            if (!found.isEmpty()) return found;
        }
        return QString::fromUtf8(text);
    }
    QString operator()(const ComposedText& text) const {
        return FilledText(
            text, [this](const char* pattern, const char* note) { return Look("torsion", pattern, note); });
    }

  private:
    const QTranslator* catalogue_;
};

const QColor kRuleColour(0, 0, 0);
const QColor kErrorColour(255, 0, 0);

// Painting in millimetres from the top left of the printable area.
class Page {
  public:
    Page(QPainter& painter, const QPagedPaintDevice& device, const QTranslator* catalogue)
        : painter_(painter), unit_(device.logicalDpiX() / 25.4), words_(catalogue) {}

    // A word of the painter's own, and a text of the core, in the report's language.
    QString W(const char* text) const { return words_.Look("calculation_report", text); }
    QString T(const ComposedText& text) const { return words_(text); }
    // The diagrams' words in the report's language.
    PainterWords PainterWordsOf() const {
        return [words = words_](const char* context, const char* text) { return words.Look(context, text); };
    }

    double X(double mm) const { return mm * unit_; }
    QRectF Box(double x, double y, double w, double h) const { return QRectF(X(x), X(y), X(w), X(h)); }

    void Font(double points, bool bold = false) {
        QFont font = JapaneseFont();
        font.setPointSizeF(points);
        font.setBold(bold);
        painter_.setFont(font);
    }
    void Pen(const QColor& colour, double widthMm = 0.2) { painter_.setPen(QPen(colour, X(widthMm))); }

    // Text in a box, vertically centred; returns nothing.
    void Text(double x, double y, double w, double h, const QString& text, int align = Qt::AlignLeft) {
        painter_.drawText(Box(x, y, w, h), static_cast<int>(align) | Qt::AlignVCenter, text);
    }
    // Wrapped text from (x, y) over width w; returns the height used in mm.
    double Paragraph(double x, double y, double w, const QString& text) {
        const QRectF bound = painter_.boundingRect(Box(x, y, w, 1000), Qt::TextWordWrap, text);
        painter_.drawText(Box(x, y, w, bound.height() / unit_ + 1), Qt::TextWordWrap, text);
        return bound.height() / unit_;
    }
    void Rect(double x, double y, double w, double h) {
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(Box(x, y, w, h));
    }
    void Line(double x1, double y1, double x2, double y2) {
        painter_.drawLine(QPointF(X(x1), X(y1)), QPointF(X(x2), X(y2)));
    }

    QPainter& painter() { return painter_; }

  private:
    QPainter& painter_;
    double unit_;  // device units per mm
    Words words_;
};

// A table of item, unit and value rows with a heading; returns the height used.
double Table(Page& page, double x, double y, double w, const QString& heading,
             const std::vector<ReportRow>& rows) {
    constexpr double kRow = 5.2;
    const double itemW = w * 0.46, unitW = w * 0.24, valueW = w - itemW - unitW;
    page.Font(10, true);
    page.Pen(kRuleColour);
    page.Text(x, y, w, 6, heading);
    y += 6.5;
    page.Font(9);
    page.Pen(kRuleColour, 0.15);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double top = y + kRow * static_cast<double>(i);
        page.Rect(x, top, w, kRow);
        page.Line(x + itemW, top, x + itemW, top + kRow);
        page.Text(x + 1.5, top, itemW - 2, kRow, page.T(rows[i].item));
        const QString value = page.T(rows[i].value);
        if (page.painter().fontMetrics().horizontalAdvance(value) <= page.X(valueW - 2.5) ||
            !rows[i].unit.empty()) {
            page.Line(x + itemW + unitW, top, x + itemW + unitW, top + kRow);
            page.Text(x + itemW + 1, top, unitW - 2, kRow, page.T(rows[i].unit), Qt::AlignHCenter);
            page.Text(x + itemW + unitW + 1, top, valueW - 2.5, kRow, value, Qt::AlignRight);
            continue;
        }
        // A long value without a unit (the shape of a leg) takes the unit's cell as well,
        // in a smaller type where it would still not fit.
        const double spanW = unitW + valueW - 2.5;
        const double wide = page.painter().fontMetrics().horizontalAdvance(value) / page.X(1);
        page.Font(std::max(6.0, 9 * std::min(1.0, spanW / wide)));
        page.Text(x + itemW + 1, top, spanW, kRow, value, Qt::AlignRight);
        page.Font(9);
    }
    return 6.5 + kRow * static_cast<double>(rows.size());
}

void TitleArea(Page& page, const ReportData& r, double width) {
    page.Font(16, true);
    page.Pen(kRuleColour);
    page.Text(0, 0, width, 9, page.W(QT_TRANSLATE_NOOP("calculation_report", "計算書　ねじりコイルばね")));
    page.Font(8);
    page.Text(0, 0, width, 9, QStringLiteral("%1  %2").arg(page.W(kProgramTitle), QStringLiteral(TS_VERSION)),
              Qt::AlignRight);

    const QString cells[2][4] = {
        {page.W(QT_TRANSLATE_NOOP("calculation_report", "品名")), Q(r.title.productName),
         page.W(QT_TRANSLATE_NOOP("calculation_report", "図番")), Q(r.title.drawingNo)},
        {page.W(QT_TRANSLATE_NOOP("calculation_report", "設計者")), Q(r.title.designer),
         page.W(QT_TRANSLATE_NOOP("calculation_report", "日付")), Q(r.title.date)}};
    const double labelW = 18, valueW = width / 2 - labelW;
    page.Pen(kRuleColour, 0.3);
    for (int row = 0; row < 2; ++row) {
        const double top = 11 + 7.0 * row;
        for (int col = 0; col < 4; ++col) {
            const double left = (col / 2) * (width / 2) + (col % 2) * labelW;
            const double w = col % 2 ? valueW : labelW;
            page.Rect(left, top, w, 7);
            page.Font(9, col % 2 == 0);
            page.Text(left + 1.5, top, w - 3, 7, cells[row][col]);
        }
    }
}

// Pages after the first carry the title block in one line; every page its number.
constexpr double kFollowingHeaderH = 10;
constexpr double kFooterH = 7;

struct PageFrame {
    QPagedPaintDevice& device;
    const ReportData& report;
    double width, height;
    int number = 1;
    int total = 0;  // 0 while the pages are being counted
};

void PageNumber(Page& page, const PageFrame& f) {
    page.Font(8);
    page.Pen(kRuleColour);
    const QString text =
        f.total > 0 ? QStringLiteral("%1 / %2").arg(f.number).arg(f.total) : QString::number(f.number);
    page.Text(0, f.height - 5, f.width, 5, text, Qt::AlignHCenter);
}

// Ends the page and starts the next with its title line; returns the first free y.
double NextPage(Page& page, PageFrame& f) {
    PageNumber(page, f);
    f.device.newPage();
    ++f.number;
    const TitleBlock& t = f.report.title;
    const QString cells[4][2] = {{page.W(QT_TRANSLATE_NOOP("calculation_report", "品名")), Q(t.productName)},
                                 {page.W(QT_TRANSLATE_NOOP("calculation_report", "図番")), Q(t.drawingNo)},
                                 {page.W(QT_TRANSLATE_NOOP("calculation_report", "設計者")), Q(t.designer)},
                                 {page.W(QT_TRANSLATE_NOOP("calculation_report", "日付")), Q(t.date)}};
    // English labels are longer than the two kanji of each Japanese one.
    const double cellW = f.width / 4, labelW = f.report.words ? 17 : 13;
    page.Pen(kRuleColour, 0.3);
    for (int i = 0; i < 4; ++i) {
        page.Rect(cellW * i, 0, labelW, 6.5);
        page.Rect(cellW * i + labelW, 0, cellW - labelW, 6.5);
        page.Font(8, true);
        page.Text(cellW * i + 1, 0, labelW - 2, 6.5, cells[i][0]);
        page.Font(8);
        page.Text(cellW * i + labelW + 1, 0, cellW - labelW - 2, 6.5, cells[i][1]);
    }
    return kFollowingHeaderH;
}

// The bottom of the space for content on every page.
double ContentBottom(const PageFrame& f) {
    return f.height - kFooterH;
}

// The right column under the results: recommended values, checks and life.
double ChecksArea(Page& page, double x, double y, double w, const ReportData& r) {
    const double top = y;
    y +=
        Table(page, x, y, w, page.W(QT_TRANSLATE_NOOP("calculation_report", "推奨値")), r.texts.recommended) +
        4;
    page.Font(10, true);
    page.Pen(kRuleColour);
    page.Text(x, y, w, 6, page.W(QT_TRANSLATE_NOOP("calculation_report", "判定")));
    y += 6.5;
    page.Font(9);
    page.Pen(r.texts.checksFailed ? kErrorColour : kRuleColour);
    if (!r.texts.checksFailed) {
        page.Text(x, y, w, 5, page.W(QT_TRANSLATE_NOOP("calculation_report", "合格")));
        y += 5;
    } else {
        for (const ComposedText& line : r.texts.checks) {
            // A line too long for the column wraps rather than running off the page.
            const QString text = page.T(line);
            if (page.painter().fontMetrics().horizontalAdvance(text) <= page.X(w)) {
                page.Text(x, y, w, 5, text);
                y += 5;
            } else {
                y += std::max(5.0, page.Paragraph(x, y + 0.6, w, text) + 1.2);
            }
        }
    }
    page.Pen(kRuleColour);
    page.Text(x, y + 1, w, 5,
              page.W(QT_TRANSLATE_NOOP("calculation_report", "予想寿命　%1 回")).arg(page.T(r.texts.life)));
    return y + 6 - top;
}

void Drawings(Page& page, double y, double width, double bottom, const ReportData& r) {
    QPainter& painter = page.painter();
    page.Font(10, true);
    page.Pen(kRuleColour);
    page.Text(0, y, 80, 6, page.W(QT_TRANSLATE_NOOP("calculation_report", "疲れ強さ線図")));
    const double fatigueW = 80;
    painter.save();
    painter.translate(page.X(0), page.X(y + 7));
    painter.scale(page.X(fatigueW) / kFatigueImageWidth, page.X(fatigueW) / kFatigueImageWidth);
    DrawFatigueDiagram(painter, r.diagramPoint, r.lower, r.upper, page.PainterWordsOf());
    painter.restore();

    const double springTop = y + 7 + fatigueW * kFatigueImageHeight / kFatigueImageWidth + 4;
    page.Font(10, true);
    page.Pen(kRuleColour);
    page.Text(0, springTop, width, 6, page.W(QT_TRANSLATE_NOOP("calculation_report", "ばね形状")));
    // Four drawing pixels to a window pixel, so the geometry is finer than on screen.
    constexpr int kFine = 4;
    // The drawing keeps its proportions; where longer tables above leave less room than
    // the page's width asks for, it is made smaller to end above the page number.
    const double fullH = width * kSpringImageHeight / kSpringImageWidth;
    const double drawingW = width * std::clamp((bottom - springTop - 7) / fullH, 0.5, 1.0);
    painter.save();
    painter.translate(page.X(0), page.X(springTop + 7));
    painter.scale(page.X(drawingW) / (kSpringImageWidth * kFine),
                  page.X(drawingW) / (kSpringImageWidth * kFine));
    painter.setClipRect(QRect(0, 0, kSpringImageWidth * kFine, kSpringImageHeight * kFine));
    const DesignCase& c = r.c;
    DrawSpring(painter, kSpringImageWidth * kFine, kSpringImageHeight * kFine, c.wireDia, c.meanDia, c.turns,
               c.arm1, c.arm2, r.options);
    painter.restore();
    page.Pen(kRuleColour, 0.2);
    page.Rect(0, springTop + 7, drawingW, drawingW * kSpringImageHeight / kSpringImageWidth);
}

// The trace on new pages; starts more pages as needed.
void Trace(Page& page, PageFrame& f) {
    const ReportData& r = f.report;
    const double width = f.width, bottom = ContentBottom(f);
    double y = NextPage(page, f);
    page.Font(14, true);
    page.Pen(kRuleColour);
    page.Text(0, y, width, 8, page.W(QT_TRANSLATE_NOOP("calculation_report", "計算の過程")));
    page.Font(8);
    page.Text(0, y, width, 8,
              page.W(QT_TRANSLATE_NOOP("calculation_report",
                                       "長さ mm, 角度 度, モーメント %1, 応力 %2（材料表は N/mm²）"))
                  .arg(r.unit == UnitSystem::SI ? QStringLiteral("N･mm") : QStringLiteral("kgf･mm"),
                       r.unit == UnitSystem::SI ? QStringLiteral("N/mm²") : QStringLiteral("kgf/mm²")),
              Qt::AlignRight);
    y += 11;
    int number = 1;
    for (const TraceStep& step : r.texts.trace) {
        if (y > bottom - 22) y = NextPage(page, f);
        page.Font(10, true);
        page.Text(0, y, width, 6, QStringLiteral("%1. %2").arg(number++).arg(page.T(step.title)));
        y += 6;
        page.Font(9);
        y +=
            page.Paragraph(6, y, width - 6,
                           page.W(QT_TRANSLATE_NOOP("calculation_report", "式　　")) + page.T(step.formula)) +
            0.8;
        y += page.Paragraph(6, y, width - 6,
                            page.W(QT_TRANSLATE_NOOP("calculation_report", "代入　")) + page.T(step.values)) +
             0.8;
        page.Font(9, true);
        y += page.Paragraph(6, y, width - 6,
                            page.W(QT_TRANSLATE_NOOP("calculation_report", "結果　")) + page.T(step.result)) +
             3.5;
    }

    // The tolerances of the grade and the loaded geometry, label and value(s) per line.
    // A heading line names its section and, for the loaded geometry, its two columns; a
    // section that goes on over a page break repeats its heading there.
    const double labelW = 45, valueW = (width - labelW) / 2;
    const SheetLine* heading = nullptr;
    auto drawHeading = [&](const SheetLine& line, bool continued) {
        y += 2;
        page.Font(10, true);
        page.Pen(kRuleColour);
        page.Text(0, y, width, 6,
                  page.T(line.label) +
                      (continued ? page.W(QT_TRANSLATE_NOOP("calculation_report", "（続き）")) : QString()));
        y += 6.5;
        if (line.value.text.empty() && !line.atMax) return;
        page.Font(9, true);
        page.Pen(kRuleColour, 0.15);
        const double h = 5.5;
        page.Rect(0, y, width, h);
        page.Line(labelW, y, labelW, y + h);
        page.Text(labelW + 1.5, y, valueW - 2, h, page.T(line.value.text));
        if (line.atMax) {
            page.Line(labelW + valueW, y, labelW + valueW, y + h);
            page.Text(labelW + valueW + 1.5, y, valueW - 2, h, page.T(line.atMax->text));
        }
        y += h;
    };
    for (const SheetLine& line : r.characteristic) {
        if (line.heading) {
            // A heading never stands alone at the foot of a page.
            if (y + 25 > bottom) y = NextPage(page, f);
            heading = &line;
            drawHeading(line, false);
            continue;
        }
        page.Font(9);
        const QString value = page.T(line.value.text).replace(QLatin1Char('\n'), QLatin1Char(' '));
        const double spanW = line.atMax ? valueW : 2 * valueW;
        const QRectF bound =
            page.painter().boundingRect(page.Box(0, 0, spanW - 2, 1000), Qt::TextWordWrap, value);
        const double h = std::max(5.0, bound.height() / page.X(1) + 1);
        if (y + h > bottom) {
            y = NextPage(page, f);
            if (heading != nullptr) drawHeading(*heading, true);
            page.Font(9);
        }
        page.Pen(kRuleColour, 0.15);
        page.Rect(0, y, width, h);
        page.Line(labelW, y, labelW, y + h);
        page.Text(1.5, y, labelW - 2, h, page.T(line.label));
        page.Paragraph(labelW + 1.5, y + 0.5, spanW - 2, value);
        if (line.atMax) {
            page.Line(labelW + valueW, y, labelW + valueW, y + h);
            page.Paragraph(labelW + valueW + 1.5, y + 0.5, valueW - 2, page.T(line.atMax->text));
        }
        y += h;
    }

    // The torque–angle diagram of the grade, painted by the characteristic page's function.
    constexpr double kDiagramW = 120;
    const double diagramH = kDiagramW * kTorqueAngleImageHeight / kTorqueAngleImageWidth;
    if (y + 10 + diagramH > bottom) y = NextPage(page, f);
    page.Font(10, true);
    page.Pen(kRuleColour);
    page.Text(0, y + 3, width, 6, page.W(QT_TRANSLATE_NOOP("calculation_report", "トルク–角度線図")));
    QPainter& painter = page.painter();
    painter.save();
    painter.translate(page.X(0), page.X(y + 10));
    painter.scale(page.X(kDiagramW) / kTorqueAngleImageWidth, page.X(kDiagramW) / kTorqueAngleImageWidth);
    DrawTorqueAngleDiagram(painter, QSize(kTorqueAngleImageWidth, kTorqueAngleImageHeight), r.plot,
                           Q(MomentUnitText(r.unit)), page.PainterWordsOf());
    painter.restore();
    y += 10 + diagramH + 4;

    // The practices side by side: item, unit and a column per practice.
    const ComparisonTexts& compared = r.comparison;
    constexpr double kRow = 5.5;
    const double itemW = 46, unitW = 20, cellW = (width - itemW - unitW) / kPractices;
    if (y + 14 + kRow * static_cast<double>(compared.rows.size() + 1) > bottom) y = NextPage(page, f);
    page.Font(10, true);
    page.Pen(kRuleColour);
    page.Text(0, y, width, 6, page.W(QT_TRANSLATE_NOOP("calculation_report", "設計基準の比較")));
    page.Font(8);
    page.Text(0, y, width, 6, page.T(compared.caption), Qt::AlignRight);
    y += 7;
    auto row = [&](const QString& item, const QString& unit, const auto& cells, bool bold) {
        page.Font(bold ? 8.5 : 8, bold);
        page.Pen(kRuleColour, 0.15);
        page.Rect(0, y, width, kRow);
        page.Text(1.5, y, itemW - 2, kRow, item);
        page.Line(itemW, y, itemW, y + kRow);
        page.Text(itemW + 1, y, unitW - 2, kRow, unit, Qt::AlignHCenter);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const double x = itemW + unitW + cellW * static_cast<double>(i);
            page.Line(x, y, x, y + kRow);
            page.Text(x + 1, y, cellW - 2.5, kRow, page.T(cells[i]),
                      bold ? Qt::AlignHCenter : Qt::AlignRight);
        }
        y += kRow;
    };
    row(page.W(QT_TRANSLATE_NOOP("calculation_report", "項目")),
        page.W(QT_TRANSLATE_NOOP("calculation_report", "単位")), compared.practices, true);
    for (const ComparisonRow& line : compared.rows)
        row(page.T(line.item), page.T(line.unit), line.cells, false);
}

}  // namespace

ReportData MakeReportData(const Evaluation& e, const MaterialTable& table, const std::string& symbol,
                          UnitSystem unit, const TitleBlock& title) {
    const DesignCase& c = e.design;
    ReportData r;
    r.grade = e.manufacturing ? e.manufacturing->grade : kDefaultToleranceGrade;
    CharacteristicSheet sheet = BuildCharacteristicSheet(e, table, unit);
    r.characteristic = std::move(sheet.lines);
    r.plot = sheet.plot;
    r.title = title;
    r.c = c;
    r.unit = unit;
    r.texts = CalculationReportTexts(e, table, symbol, unit);
    r.comparison = PracticeComparisonTexts(ComparePractices(c, table, e.designOptions), unit);
    r.options = e.designOptions;
    r.diagramPoint = e.stressRatio.valid;
    r.lower = e.stressRatio.lower;
    r.upper = e.stressRatio.upper;
    return r;
}

namespace {

// Paints the pages; returns how many, or 0 when the device cannot be painted on. total
// is the page count printed beside each page number (0: numbers alone).
int PaintPages(QPagedPaintDevice& device, const ReportData& report, int total) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
    PageFrame frame{device, report, area.width(), area.height(), 1, total};
    const double width = frame.width;
    Page page(painter, device, report.words.get());

    TitleArea(page, report, width);
    const double columnW = (width - 8) / 2;
    const double inputsH = Table(
        page, 0, 28, columnW, page.W(QT_TRANSLATE_NOOP("calculation_report", "入力")), report.texts.inputs);
    const double resultsH =
        Table(page, columnW + 8, 28, columnW, page.W(QT_TRANSLATE_NOOP("calculation_report", "計算結果")),
              report.texts.results);
    const double below = 28 + std::max(inputsH, resultsH) + 5;
    ChecksArea(page, 88, below, width - 88, report);
    Drawings(page, below, width, ContentBottom(frame), report);

    Trace(page, frame);
    PageNumber(page, frame);
    return painter.end() ? frame.number : 0;
}

}  // namespace

bool PaintCalculationReport(QPagedPaintDevice& device, const ReportData& report) {
    // The pages are laid out once on a PDF of the device's resolution to count them, so
    // that every page can say "n / total".
    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    int total = 0;
    {
        QPdfWriter counter(&scratch);
        counter.setResolution(device.logicalDpiX());
        total = PaintPages(counter, report, 0);
    }
    return PaintPages(device, report, total) > 0;
}

void WriteReportPdf(const QString& path, const ReportData& report) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(600);
        // The document's title and creator in the report's language, as its pages.
        const Words words(report.words.get());
        writer.setTitle(words.Look("calculation_report", QT_TRANSLATE_NOOP("calculation_report", "計算書")));
        writer.setCreator(words.Look("calculation_report", kProgramTitle) + QStringLiteral(" " TS_VERSION));
        painted = PaintCalculationReport(writer, report);
    }
    if (!painted) ThrowCannotCreate(path.toStdString());
    const QByteArray& bytes = pdf.data();
    WriteFileReplacing(QFile::encodeName(path).toStdString(),
                       std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())));
}

QString ReportFileName(const TitleBlock& title) {
    const std::string& base = !title.drawingNo.empty() ? title.drawingNo : title.productName;
    QString name = base.empty() ? QCoreApplication::translate(
                                      "calculation_report", QT_TRANSLATE_NOOP("calculation_report", "計算書"))
                                : Q(base);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return name + QStringLiteral(".pdf");
}
