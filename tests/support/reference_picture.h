// Comparing a rendered page with a reference picture kept in tests/data. Both are
// reduced to grey, averaged over squares of `factor` pixels, so antialiasing and small
// differences of font rendering between machines blur away; what is missing, added or
// moved by more than a few pixels is not. A reduced pixel differs when its grey level is
// more than `tolerance` away from each of the reference's pixels around it, and the
// pictures disagree when more than `share` of the pixels differ.
//
// TS_WRITE_REFERENCES=1 in the environment writes the reduced picture over the
// reference instead (look at it before committing it).
#pragma once

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace reference_picture {

// The references are stored reduced by this factor; a comparison's factor is a multiple
// of it.
constexpr int kStoredFactor = 2;

struct Comparison {
    int tolerance = 40;          // grey levels of 255
    double share = 0.0002;       // of the reduced pixels
    int factor = kStoredFactor;  // pixels of the page per reduced pixel, each way
};

inline QImage Reduced(const QImage& picture, int factor) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    QImage out(grey.width() / factor, grey.height() / factor, QImage::Format_Grayscale8);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int sum = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const uchar* line = grey.constScanLine(y * factor + dy) + x * factor;
                for (int dx = 0; dx < factor; ++dx) sum += line[dx];
            }
            out.scanLine(y)[x] = static_cast<uchar>(sum / (factor * factor));
        }
    }
    return out;
}

// How far the pixel (x, y) of a is from the nearest in grey of b's pixels around it.
inline int Distance(const QImage& a, const QImage& b, int x, int y) {
    int nearest = 255;
    for (int ny = std::max(0, y - 1); ny <= std::min(b.height() - 1, y + 1); ++ny)
        for (int nx = std::max(0, x - 1); nx <= std::min(b.width() - 1, x + 1); ++nx)
            nearest = std::min(nearest, std::abs(a.constScanLine(y)[x] - b.constScanLine(ny)[nx]));
    return nearest;
}

// Pixels where got and want differ by more than the tolerance both ways: from each
// other's pixels around them (a glyph drawn one reduced pixel aside is no difference;
// a line missing from either is).
inline long DifferingPixels(const QImage& got, const QImage& want, int tolerance) {
    long differing = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            differing += Distance(got, want, x, y) > tolerance || Distance(want, got, x, y) > tolerance;
    return differing;
}

inline QString ReferencePath(const QString& name) {
    return QStringLiteral(TS_SOURCE_DIR "/tests/data/") + name;
}

// Empty when the picture agrees with the reference named name; else what disagrees.
// A picture that disagrees is kept beside the build's tests (name with "-got") to be
// looked at.
inline QString PictureDisagreementText(const QImage& picture, const QString& name, const Comparison& c = {}) {
    if (picture.isNull()) return QStringLiteral("no picture");
    if (qEnvironmentVariableIntValue("TS_WRITE_REFERENCES") == 1)
        return Reduced(picture, kStoredFactor).save(ReferencePath(name))
                   ? QString()
                   : QStringLiteral("cannot write ") + ReferencePath(name);
    const QImage stored(ReferencePath(name));
    if (stored.isNull()) return QStringLiteral("no reference ") + ReferencePath(name);
    const QImage want = Reduced(stored, c.factor / kStoredFactor);
    const QSize size(picture.width() / c.factor, picture.height() / c.factor);
    if (want.size() != size)
        return QStringLiteral("size %1x%2, the reference %3x%4")
            .arg(size.width())
            .arg(size.height())
            .arg(want.width())
            .arg(want.height());
    // The page may stand a pixel elsewhere on another machine: the best of the shifts
    // by one page pixel counts.
    long differing = -1;
    QImage got;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            QImage shifted(picture.size(), QImage::Format_RGB32);
            shifted.fill(Qt::white);
            QPainter(&shifted).drawImage(QPoint(dx, dy), picture);
            const QImage reduced = Reduced(shifted, c.factor);
            const long count = DifferingPixels(reduced, want, c.tolerance);
            if (differing < 0 || count < differing) {
                differing = count;
                got = reduced;
            }
        }
    }
    const long total = static_cast<long>(got.width()) * got.height();
    if (differing <= c.share * total) return QString();
    const QString kept = QDir::current().filePath(QString(name).replace(QStringLiteral(".png"), "-got.png"));
    got.save(kept);
    return QStringLiteral("%1 of %2 reduced pixels differ from %3 (at most %4 may); the picture is %5")
        .arg(differing)
        .arg(total)
        .arg(name)
        .arg(static_cast<long>(c.share * total))
        .arg(kept);
}

inline std::string PictureDisagreement(const QImage& picture, const QString& name, const Comparison& c = {}) {
    return PictureDisagreementText(picture, name, c).toStdString();
}

}  // namespace reference_picture
