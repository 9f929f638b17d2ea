// The print page: its table and labels filled from the current case, its layout over
// the sketch, and the cell painting that hides the selection once the table is left.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <string>

#include "core/report/data_sheet.h"
#include "drawing/data_sheet_sketch.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/reference_picture.h"
#include "tests/support/test_cases.h"
#include "ui/common/language.h"
#include "ui/print/prin.h"

using namespace torsion;

namespace {

// "ピアノ線" in Shift-JIS.
const std::string kSymbolSjis = "\x83\x73\x83\x41\x83\x6D\x90\xFC";

MaterialTable TableWithSymbol(int recordNo) {
    MaterialTable table{};
    SetShortString(table[static_cast<std::size_t>(recordNo)].symbol, kSymbolSjis);
    return table;
}

class PrinformTest : public ::testing::Test {
  protected:
    MaterialTable materials = TableWithSymbol(3);
    FakeDialogs dialogs;
    Tprinform page{materials, dialogs};

    QTableWidget* grid() { return page.findChild<QTableWidget*>(QStringLiteral("sg1")); }
    QString cell(int row, int column) { return grid()->item(row, column)->text(); }
    QLabel* label(int n) { return page.findChild<QLabel*>(QStringLiteral("Label%1").arg(n)); }
    // The pixels of the sketch's lines a label covers.
    int InkUnder(int n) {
        const QImage sketch = DrawDataSheetSketch();
        const QRect onSketch = label(n)->geometry().translated(-QPoint(168, 8)).intersected(sketch.rect());
        int inked = 0;
        for (int y = onSketch.top(); y <= onSketch.bottom(); ++y)
            for (int x = onSketch.left(); x <= onSketch.right(); ++x)
                if (sketch.pixel(x, y) != qRgb(255, 255, 255)) ++inked;
        return inked;
    }
};

// The texts themselves are tested in the core (data_sheet_test); here, where they go.
TEST_F(PrinformTest, TableAndLabelsShowTheDataSheetTexts) {
    page.fillFrom(DataSheetCase());
    const DataSheetTexts texts = DataSheetTextsOf(DataSheetCase(), materials);

    EXPECT_EQ(cell(0, 0), QString());
    EXPECT_EQ(cell(0, 1), QStringLiteral("項目"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("単位"));
    EXPECT_EQ(cell(0, 3), QString());
    for (int r = 1; r <= 15; ++r) EXPECT_EQ(cell(r, 0), QString::number(r)) << r;
    for (int c = 1; c < 4; ++c) EXPECT_EQ(cell(15, c), QString()) << c;
    for (int r = 1; r <= 14; ++r) {
        const DataSheetRow& row = texts.rows[static_cast<std::size_t>(r - 1)];
        EXPECT_EQ(cell(r, 1), QString::fromStdString(row.item.Japanese())) << r;
        EXPECT_EQ(cell(r, 2), QString::fromStdString(row.unit.Japanese())) << r;
        if (r > 1) {
            EXPECT_EQ(cell(r, 3), QString::fromStdString(row.value.Japanese())) << r;
        }
    }
    EXPECT_EQ(cell(1, 3), QStringLiteral("ピアノ線"));  // the Shift-JIS symbol, decoded
    EXPECT_EQ(cell(8, 3), QStringLiteral("98.07"));
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(label(n)->text(),
                  QString::fromStdString(texts.sketchLabels[static_cast<std::size_t>(n - 1)].Japanese()))
            << n;
    EXPECT_EQ(label(5)->text(), QStringLiteral("トルクM1= 98.07N･mm"));
    EXPECT_EQ(dialogs.messageCount(), 0);
}

TEST_F(PrinformTest, SecondOpeningOverwritesEverythingItWrites) {
    DesignCase first = DataSheetCase();
    first.leftHand = 1;
    first.arm1 = 123.456;
    page.fillFrom(first);
    EXPECT_EQ(cell(6, 3), QStringLiteral("左"));
    EXPECT_EQ(label(6)->text(), QStringLiteral("ａ1 = 123.5mm"));
    const int wideLabel = label(6)->width();

    DesignCase second = DataSheetCase();
    second.materialNo = 40;  // outside the table: no symbol, no crash
    page.fillFrom(second);
    EXPECT_EQ(cell(6, 3), QStringLiteral("右"));
    EXPECT_EQ(cell(1, 3), QString());
    EXPECT_EQ(label(6)->text(), QStringLiteral("ａ1 = 15mm"));
    EXPECT_LT(label(6)->width(), wideLabel);  // sized to the new text
    EXPECT_EQ(label(6)->pos(), QPoint(480, 168));
    EXPECT_EQ(cell(15, 3), QString());
}

TEST_F(PrinformTest, LayoutOfThePage) {
    EXPECT_EQ(page.objectName(), QStringLiteral("prinform"));
    EXPECT_EQ(page.windowTitle(), QStringLiteral("要目表"));
    EXPECT_EQ(page.size(), QSize(807, 904));
    EXPECT_TRUE(page.isModal());
    EXPECT_EQ(page.palette().color(QPalette::Window), QColor(Qt::white));

    auto* button = page.findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("プリント"));
    EXPECT_EQ(button->geometry(), QRect(24, 16, 75, 25));

    auto* image = page.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(168, 8, 417, 265));
    EXPECT_EQ(image->pixmap().size(), QSize(454, 252));

    EXPECT_EQ(grid()->geometry(), QRect(88, 280, 559, 499));
    EXPECT_EQ(grid()->rowCount(), 16);
    EXPECT_EQ(grid()->columnCount(), 4);
    const int widths[] = {64, 222, 97, 169};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(grid()->columnWidth(c), widths[c]);
    for (int r = 0; r < 16; ++r) EXPECT_EQ(grid()->rowHeight(r), 30);
    EXPECT_EQ(grid()->font().pixelSize(), 13);
    // The whole table fits the control: no row or column is cut off.
    page.show();
    QApplication::processEvents();
    EXPECT_LE(grid()->horizontalHeader()->length(), grid()->viewport()->width());
    EXPECT_LE(grid()->verticalHeader()->length(), grid()->viewport()->height());
    page.hide();

    const QPoint places[] = {{472, 32}, {160, 32}, {424, 224}, {160, 8}, {472, 8}, {480, 168}, {248, 208}};
    page.fillFrom(DataSheetCase());
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(label(n)->pos(), places[n - 1]) << n;
        EXPECT_EQ(label(n)->font().pixelSize(), 19) << n;
        EXPECT_EQ(label(n)->size(), label(n)->sizeHint()) << n;
    }
}

// The labels are opaque: they must sit on blank parts of the sketch, next to what they
// name, or they would hide its lines.
TEST_F(PrinformTest, LabelsSitOnBlankPartsOfTheSketchBesideWhatTheyName) {
    page.fillFrom(DataSheetCase());
    const QPoint imageOrigin(168, 8);
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(InkUnder(n), 0) << "Label" << n << " covers lines of the sketch";

    const DataSheetSketchGeometry g = DataSheetSketchLayout();
    auto onSketch = [&](int n) { return QRectF(label(n)->geometry().translated(-imageOrigin)); };
    // a2 between the horizontal arm and its dimension, within the dimension's span.
    const QRectF a2 = onSketch(7);
    EXPECT_GT(a2.top(), g.horizontalArm.y1());
    EXPECT_LT(a2.bottom(), g.horizontalDimension.y1());
    EXPECT_GT(a2.left(), g.horizontalDimension.x1());
    EXPECT_LT(a2.left(), g.horizontalDimension.x2());
    // The leader line ends at the mean diameter label, a few pixels left of its text.
    const QRectF mean = onSketch(3);
    const QPointF leaderEnd = g.leaderLine.last();
    EXPECT_NEAR(leaderEnd.x(), mean.left(), 8);
    EXPECT_GT(leaderEnd.y(), mean.top());
    EXPECT_LT(leaderEnd.y(), mean.bottom());
    // a1 just below the far half of the slanting dimension.
    const QRectF a1 = onSketch(6);
    const QLineF dim = g.slantingDimension;
    const double t = (a1.left() - dim.x1()) / (dim.x2() - dim.x1());
    ASSERT_GT(t, 0.5);
    ASSERT_LT(t, 1.0);
    const double dimYAtLabel = dim.y1() + t * (dim.y2() - dim.y1());
    EXPECT_GT(a1.top(), dimYAtLabel);
    EXPECT_LT(a1.top() - dimYAtLabel, 30);
}

// The sheet in the report's language, English: the same numbers in every cell and label (the
// Japanese full-width digits read as digits), no Japanese word but the material's own symbol,
// every cell's text within its column and the labels still on blank parts of the sketch.
TEST_F(PrinformTest, EnglishSheetKeepsItsNumbersAndFits) {
    const std::unique_ptr<QTranslator> english =
        LoadCatalogue(Language::English, QStringLiteral(TS_DATA_DIR));
    ASSERT_NE(english, nullptr);
    static const QRegularExpression number(QStringLiteral("-?\\d+(\\.\\d+)?(E-?\\d+)?"));
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3001}-\\x{303F}\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF01}-\\x{FF60}]"));
    const auto numbers = [](const QString& text) {
        QStringList found;
        const QString plain = text.normalized(QString::NormalizationForm_KC);
        for (auto it = number.globalMatch(plain); it.hasNext();) found << it.next().captured();
        return found;
    };
    const auto texts = [&] {
        QStringList all;  // row by row, columns 1..3, then the labels
        for (int r = 0; r < 16; ++r)
            for (int c = 1; c < 4; ++c) all << cell(r, c);
        for (int n = 1; n <= 7; ++n) all << label(n)->text();
        return all;
    };
    page.fillFrom(DataSheetCase());
    const QStringList japaneseTexts = texts();
    page.fillFrom(DataSheetCase(), {}, english.get());
    const QStringList englishTexts = texts();
    ASSERT_TRUE(japanese.match(japaneseTexts.join(' ')).hasMatch());
    const QFontMetrics metrics(grid()->font());
    for (int i = 0; i < englishTexts.size(); ++i) {
        SCOPED_TRACE(englishTexts[i].toStdString());
        EXPECT_EQ(numbers(englishTexts[i]), numbers(japaneseTexts[i]));
        if (i != 5) {  // 5: the symbol "ピアノ線"
            EXPECT_FALSE(japanese.match(englishTexts[i]).hasMatch());
        }
        if (i < 48) {
            EXPECT_LE(metrics.horizontalAdvance(englishTexts[i]) + 4, grid()->columnWidth(i % 3 + 1));
        }
    }
    EXPECT_EQ(cell(5, 1), QStringLiteral("Number of turns"));
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(InkUnder(n), 0) << "Label" << n << " covers lines of the sketch";
}

TEST(DataSheetSketch, BlueLineArtOnWhite) {
    const QImage sketch = DrawDataSheetSketch();
    ASSERT_EQ(sketch.size(), QSize(454, 252));
    const DataSheetSketchGeometry g = DataSheetSketchLayout();
    // On the outer coil circle (left and right), the arm, and the dimension line.
    const QPointF c = g.coilCentre;
    const QPoint inked[] = {
        QPointF(c.x() - g.outerRadius, c.y()).toPoint(),
        QPointF(c.x() + g.outerRadius, c.y()).toPoint(),
        g.slantingArm.pointAt(0.5).toPoint(),
        g.horizontalArm.pointAt(0.5).toPoint(),
        g.horizontalDimension.pointAt(0.5).toPoint(),
        g.loadArrow.pointAt(0.5).toPoint(),
    };
    for (const QPoint& p : inked) {
        const QColor colour = sketch.pixelColor(p);
        EXPECT_EQ(colour.blue(), 255) << p.x() << "," << p.y();
        EXPECT_LT(colour.red(), 160) << p.x() << "," << p.y();
    }
    EXPECT_EQ(sketch.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(sketch.pixel(c.toPoint()), qRgb(255, 255, 255));  // inside the wire circles
    // The arms are tangent to the mean circle and the dimension lines parallel to them.
    EXPECT_NEAR(QLineF(c, g.horizontalArm.p1()).length(), g.meanRadius, 1e-9);
    EXPECT_NEAR(g.slantingDimension.angle(), g.slantingArm.angle(), 1e-6);
    EXPECT_NEAR(g.slantingArm.angle(), g.slantDegrees, 1e-9);
    EXPECT_LT(g.slantDegrees, g.loaded1Degrees);
    EXPECT_LT(g.loaded1Degrees, g.loaded2Degrees);
    // Everything the page shows lies within the 417 visible pixels.
    EXPECT_LT(g.slantingDimension.x2(), 417);
    EXPECT_LT(g.loadArrow.x1(), 417);
}

QColor CellColour(QTableWidget* grid, int row, int column) {
    const QImage shot = grid->viewport()->grab().toImage();
    const QRect r = grid->visualRect(grid->model()->index(row, column));
    return shot.pixelColor(r.left() + 3, r.bottom() - 2);
}

TEST_F(PrinformTest, SelectedCellIsHighlightedOnlyUntilTheTableIsLeft) {
    page.fillFrom(DataSheetCase());
    page.show();
    QApplication::setActiveWindow(&page);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    EXPECT_FALSE(page.gridLeft());

    grid()->setFocus();
    QApplication::processEvents();
    grid()->setCurrentCell(8, 3);
    QApplication::processEvents();
    const QColor highlight = grid()->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(CellColour(grid(), 8, 3), highlight);
    EXPECT_EQ(CellColour(grid(), 9, 3), grid()->palette().color(QPalette::Base));

    auto* button = page.findChild<QPushButton*>(QStringLiteral("Button1"));
    button->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(page.gridLeft());
    EXPECT_TRUE(grid()->item(8, 3)->isSelected());
    EXPECT_EQ(CellColour(grid(), 8, 3), grid()->palette().color(QPalette::Base));
    // Fixed cells keep their own colour.
    EXPECT_EQ(CellColour(grid(), 8, 0), grid()->palette().color(QPalette::Button));

    grid()->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(page.gridLeft());
    EXPECT_EQ(CellColour(grid(), 8, 3), highlight);
    page.hide();
}

TEST_F(PrinformTest, HeadingCellsCannotBeSelected) {
    page.fillFrom(DataSheetCase());
    grid()->setCurrentCell(0, 1);
    EXPECT_FALSE(grid()->item(0, 1)->isSelected());
    grid()->setCurrentCell(4, 0);
    EXPECT_FALSE(grid()->item(4, 0)->isSelected());
}

TEST_F(PrinformTest, PictureOfThePageIsItsWholeClientArea) {
    page.fillFrom(DataSheetCase());
    const QImage shot = page.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(807, 904));
    EXPECT_EQ(reference_picture::PictureDisagreement(shot, "data_sheet_page.png"), "");
}

}  // namespace
