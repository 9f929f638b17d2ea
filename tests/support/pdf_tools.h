// Reading printed PDF files back in the print tests: page count and size with
// pdfinfo, the page picture with pdftoppm, and the box of the printed ink.
#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>

namespace pdf_tools {

// What program prints when run on args; empty when it cannot run or fails.
inline QString Output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString PdfInfo(const QString& pdf) {
    return Output(QStringLiteral("pdfinfo"), {pdf});
}

// The text of the file as pdftotext reads it (empty when it cannot).
inline QString PdfText(const QString& pdf) {
    return Output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
}

// Pages first..last as pdftotext lays them out, a table's row on one line.
inline QString PdfLayoutText(const QString& pdf, int first, int last) {
    return Output(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(first),
                   QStringLiteral("-l"), QString::number(last), pdf, QStringLiteral("-")});
}

// The font list of pdffonts (name, type, encoding, emb, sub, uni, object).
inline QString PdfFonts(const QString& pdf) {
    return Output(QStringLiteral("pdffonts"), {pdf});
}

// A calculation report's pages: the case and its drawings; the calculation step by step;
// the tolerances, the variation, the wire and the natural frequency; the torque-angle
// diagram.
inline constexpr int kReportPages = 4;

// Number of pages, or -1 when the file is not a readable PDF (yet).
inline int PageCount(const QString& pdf) {
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(PdfInfo(pdf));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Page size in points (1/72 inch).
inline QSizeF PageSizePoints(const QString& pdf) {
    const auto m =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(PdfInfo(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// The first page as a picture at `dpi` dots per inch.
inline QImage RenderFirstPage(const QString& pdf, int dpi) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                         QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}

// Bounding box of the pixels darker than `threshold` in some channel.
inline QRect InkBox(const QImage& image, int threshold) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int left = rgb.width(), top = rgb.height(), right = -1, bottom = -1;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x];
            if (qRed(c) < threshold || qGreen(c) < threshold || qBlue(c) < threshold) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace pdf_tools
