// The small parts of the main window: Shift-JIS texts, the image control and the
// schematic with the input boxes placed beside what they set.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "drawing/japanese_font.h"
#include "tests/support/vek_test_app.h"
#include "ui/common/dialogs.h"
#include "ui/common/image_control.h"
#include "ui/common/sjis.h"
#include "ui/main_window/schematic.h"

using namespace torsion;

namespace {

// Distance from a point of the schematic to a box of the input group, both in the
// group's coordinates (the schematic sits at 8, 16).
double DistanceToBox(QPointF schematicPoint, const QRect& box) {
    const QPointF p = schematicPoint + QPointF(8, 16);
    const double dx = std::max({box.left() - p.x(), 0.0, p.x() - box.right()});
    const double dy = std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()});
    return std::hypot(dx, dy);
}

bool IsDark(QRgb pixel) {
    return qGray(pixel) < 80;
}

}  // namespace

TEST(ShiftJisText, RoundTripsJapaneseHalfWidthKanaAndWaveDash) {
    const QString text = QStringLiteral("ピアノ線 SWP-B ｺｲﾙ 適正=4～22 ･");
    const std::string sjis = ToSjis(text);
    // ピ = 83 73, ｺ = one byte B0-DF range, ～ = 81 60 in code page 932.
    EXPECT_EQ(static_cast<unsigned char>(sjis[0]), 0x83);
    EXPECT_EQ(static_cast<unsigned char>(sjis[1]), 0x73);
    EXPECT_NE(sjis.find("\x81\x60"), std::string::npos);
    EXPECT_EQ(FromSjis(sjis), text);
    EXPECT_EQ(FromSjis(std::string()), QString());
    // A lone lead byte at the end of a stored text must not swallow anything or crash.
    const QString cut = FromSjis(std::string("AB\x83", 3));
    EXPECT_TRUE(cut.startsWith(QStringLiteral("AB")));
}

TEST(JapaneseFont, AsksForTheFirstInstalledFamilyOfTheListAndGetsTheSameFace) {
    const QStringList families = JapaneseFamilies();
    ASSERT_EQ(families.size(), 1) << "the test machine has a Japanese family of the list";
    EXPECT_TRUE(JapaneseFamilyList().contains(families[0]));
    EXPECT_TRUE(QFontDatabase::families().contains(families[0], Qt::CaseInsensitive));
    // The same face as the whole list would have given, at each size the program uses.
    for (int size : {12, 13, 19}) {
        QFont whole;
        whole.setFamilies(JapaneseFamilyList());
        whole.setPixelSize(size);
        EXPECT_EQ(QFontInfo(JapaneseFont(size)).family(), QFontInfo(whole).family()) << size;
        EXPECT_EQ(QFontInfo(JapaneseFont(size)).pixelSize(), size);
    }
}

TEST(ImageControl, ShowsItsImageAtAFixedSize) {
    ImageControl control(40, 30);
    EXPECT_EQ(control.size(), QSize(40, 30));
    EXPECT_EQ(control.image().size(), QSize(40, 30));
    EXPECT_EQ(control.image().pixel(5, 5), qRgb(255, 255, 255));
    control.image().fill(QColor(10, 20, 30));
    const QImage shown = control.grab().toImage();
    EXPECT_EQ(shown.pixel(20, 15), qRgb(10, 20, 30));
}

TEST(Schematic, DrawsCoilAndArmsWhereItsLayoutSays) {
    QImage image(kSchematicWidth, kSchematicHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawSchematic(image);
    const SchematicGeometry g = SchematicLayout();
    // Coil outline on the left of the circle, background inside it.
    EXPECT_TRUE(IsDark(image.pixel(qRound(g.coilCentre.x() - g.coilRadius), qRound(g.coilCentre.y()) - 5)));
    EXPECT_FALSE(IsDark(image.pixel(qRound(g.coilCentre.x()) - 10, qRound(g.coilCentre.y()) - 10)));
    // The middle of the fixed arm and of the solid moving arm are drawn.
    const QPointF arm1Middle((g.arm1End.x() + g.coilCentre.x()) / 2, g.arm1End.y());
    EXPECT_TRUE(IsDark(image.pixel(arm1Middle.toPoint())));
    const QPointF arm2Middle = (g.coilCentre + g.arm2End) / 2;
    EXPECT_TRUE(IsDark(image.pixel(arm2Middle.toPoint())));
    // Every part lies inside the picture.
    for (QPointF p : {g.arm1End, g.arm2End, g.movedArm2End}) {
        EXPECT_TRUE(image.rect().contains(p.toPoint()));
    }
}

TEST(Schematic, InputBoxesSitBesideTheirQuantities) {
    MainWindowApp app;
    const SchematicGeometry g = SchematicLayout();
    // A box together with its caption, which the user reads as one item.
    auto box = [&](const char* name) { return app.find(name)->geometry(); };
    auto item = [&](const char* name, const char* caption) {
        return box(name).united(app.find<QLabel>(caption)->geometry());
    };
    // a1 under the fixed arm, a2 and the coil diameter by their leaders, loads and
    // angles at the arm ends.
    EXPECT_LT(DistanceToBox(QPointF((g.arm1End.x() + g.coilCentre.x()) / 2, g.arm1End.y()), box("Edit12")),
              40);
    EXPECT_LT(DistanceToBox(g.arm2End, item("Edit6", "Label_moment1")), 30);
    EXPECT_LT(DistanceToBox(g.arm2End, item("Edit4", "Label_angle1")), 40);
    EXPECT_LT(DistanceToBox(g.movedArm2End, item("Edit5", "Label_angle2")), 30);
    EXPECT_LT(DistanceToBox(g.movedArm2End, item("Edit7", "Label_moment2")), 50);
    EXPECT_LT(DistanceToBox(g.coilCentre + QPointF(0, g.coilRadius), box("Edit18")), 90);
    // No input box covers the coil itself.
    for (const char* name : {"Edit4", "Edit5", "Edit6", "Edit7", "Edit12", "Edit13", "Edit18"}) {
        EXPECT_GT(DistanceToBox(g.coilCentre, box(name)), g.coilRadius) << name;
    }
}

// A message box breaks its Japanese lines between words or characters, never inside a
// number, its unit or a formula, at every width the box may have.
TEST(MessageText, NumbersUnitsAndFormulasStayOnOneLine) {
    const QStringList whole = {QStringLiteral("0.3428 kgf･mm/度"), QStringLiteral("123.4 N/mm²"),
                               QStringLiteral("φ·D/(360·N)"), QStringLiteral("16%"), QStringLiteral("3D")};
    const QString message = QStringLiteral("ばね定数は") + whole[0] + QStringLiteral("、曲げ応力は") +
                            whole[1] + QStringLiteral("です。コイル径の減少は") + whole[2] +
                            QStringLiteral("の近似で、値") + whole[3] + QStringLiteral("は目安の外、") +
                            whole[4] + QStringLiteral("にできません。");
    const QString shown = KeepNumbersAndUnitsWhole(message);
    const QFont font = JapaneseFont();
    const QFontMetrics metrics(font);
    for (int width = 40; width <= 500; width += 3) {
        QTextLayout layout(shown, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QStringList lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << shown.mid(line.textStart(), line.textLength())
                         .remove(QChar(0x2060))
                         .replace(QChar(0x00A0), u' ')
                         .trimmed();
        }
        layout.endLayout();
        EXPECT_EQ(lines.join(QString()).remove(u' '), QString(message).remove(u' ')) << width;
        for (const QString& token : whole) {
            if (metrics.horizontalAdvance(token) > width) continue;
            EXPECT_TRUE(
                std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(token); }))
                << token.toStdString() << " broken at width " << width << ": "
                << lines.join(u'|').toStdString();
        }
    }
    // Long runs (a path) stay free to break.
    const QString path = QStringLiteral("/home/user/designs/springs-2026/case.nbd");
    EXPECT_EQ(KeepNumbersAndUnitsWhole(path), path);
}
