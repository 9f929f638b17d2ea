// The history grid on its own: layout, row texts, fixed cells, choosing cells with
// the mouse and the keyboard, the focus flag, drawing and the clipboard copy.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/files/history_text.h"
#include "core/materials/material_table.h"
#include "tests/support/test_cases.h"
#include "ui/main_window/history_grid.h"

using namespace torsion;

namespace {

std::string ToSjis(const QString& s) {
    QStringEncoder encoder("windows-31j");
    const QByteArray bytes = encoder.encode(s);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The shared sample on record 3, with arms of 20 and 25 mm.
DesignCase GridCase() {
    DesignCase c = SampleCase();
    c.materialNo = 3;
    c.arm1 = 20;
    c.arm2 = 25;
    return c;
}

class HistoryGridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetShortString(materials[3].symbol, ToSjis(QStringLiteral("ピアノ線B")));
        grid.setRowCount(32);
        grid.resize(800, 700);
    }
    void Init() { grid.InitHistoryGrid(cases, materials); }
    QStringList RowCells(int row) const {
        QStringList out;
        for (int c = 0; c < grid.columnCount(); ++c) out << grid.cellText(row, c);
        return out;
    }
    QPoint CellCentre(int row, int col) const {
        return grid.visualRect(grid.model()->index(row, col)).center();
    }

    MaterialTable materials{};
    CaseTable cases{};
    HistoryGrid grid;
};

}  // namespace

TEST(HistoryGridLayout, DesignSizeColumnsAndBehaviour) {
    HistoryGrid grid;
    EXPECT_EQ(grid.objectName(), "sg1");
    EXPECT_EQ(grid.rowCount(), 12);
    EXPECT_EQ(grid.columnCount(), 15);
    // The design widths, wider only where a heading or a unit would be cut ("荷重(M1)").
    const int widths[15] = {30, 96, 33, 38, 42, 50, 47, 47, 47, 56, 57, 61, 65, 81, 82};
    const QFontMetrics metrics(grid.font());
    for (int c = 0; c < 15; ++c) {
        const auto column = static_cast<std::size_t>(c);
        const int needed = std::max(
            {metrics.horizontalAdvance(QString::fromStdString(HistoryHeadings()[column])),
             metrics.horizontalAdvance(QString::fromStdString(HistoryUnits(UnitSystem::Kgf)[column])),
             metrics.horizontalAdvance(QString::fromStdString(HistoryUnits(UnitSystem::SI)[column]))});
        EXPECT_GE(grid.columnWidth(c), widths[c]) << "column " << c;
        EXPECT_GE(grid.columnWidth(c), needed + 4) << "column " << c;
        if (needed + 4 <= widths[c]) {
            EXPECT_EQ(grid.columnWidth(c), widths[c]) << "column " << c;
        }
    }
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(grid.selectionBehavior(), QAbstractItemView::SelectItems);
    EXPECT_TRUE(grid.showGrid());
    EXPECT_EQ(grid.viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(grid.palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_FALSE(grid.gridLeft());
    // The first non-fixed cell is current from the start, as the highlighted cell.
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 1);
    // Fixed cells can be neither selected nor edited; the others only selected.
    EXPECT_FALSE(grid.item(0, 3)->flags() & Qt::ItemIsSelectable);
    EXPECT_FALSE(grid.item(5, 0)->flags() & Qt::ItemIsSelectable);
    EXPECT_TRUE(grid.item(5, 1)->flags() & Qt::ItemIsSelectable);
    EXPECT_FALSE(grid.item(5, 1)->flags() & Qt::ItemIsEditable);
}

TEST_F(HistoryGridTest, InitWritesHeadingsUnitsAndSlotNumbers) {
    Init();
    EXPECT_EQ(RowCells(0), QStringList({"項目", "材質", "線径", "ｺｲﾙ径", "巻数(N)", "腕長(a1)", "腕長(a2)",
                                        "荷重(M1)", "荷重(M2)", "角度(φ1)", "角度(φ2)", "ばね定数",
                                        "曲げ応力", "許容曲げ応力", "寿命"}));
    EXPECT_EQ(RowCells(1), QStringList({"単位", "", "mm", "mm", "巻", "mm", "mm", "kgf･mm", "kgf･mm", "度",
                                        "度", "kgf･mm/度", "kgf/mm^2", "kgf/mm^2", "回数"}));
    for (int slot = 1; slot <= 30; ++slot) {
        QStringList expected(15, QString());
        expected[0] = QString::number(slot);
        EXPECT_EQ(RowCells(slot + 1), expected) << "slot " << slot;
    }
    // Init grows a grid that still has its design size.
    HistoryGrid small;
    small.InitHistoryGrid(cases, materials);
    EXPECT_EQ(small.rowCount(), 32);
    EXPECT_EQ(small.cellText(31, 0), "30");
}

TEST_F(HistoryGridTest, UsedSlotRowShowsShortNumbersMeanDiameterStress2AndLifeLabel) {
    Init();
    cases[5] = GridCase();
    grid.FillHistoryRow(5, cases, materials);
    EXPECT_EQ(RowCells(6), QStringList({"5", "ピアノ線B", "1", "11", "5.5", "20", "25", "1.235E4", "1E4",
                                        "30", "5E-5", "0.1235", "20", "1019", "10万"}));
    // Neighbouring rows are not touched.
    EXPECT_EQ(grid.cellText(5, 1), "");
    EXPECT_EQ(grid.cellText(7, 1), "");
}

TEST_F(HistoryGridTest, RowIsClearedWhenSlotBecomesEmptyButSlotNumberStays) {
    Init();
    cases[7] = GridCase();
    grid.FillHistoryRow(7, cases, materials);
    ASSERT_EQ(grid.cellText(8, 14), "10万");
    cases[7] = DesignCase{};
    grid.FillHistoryRow(7, cases, materials);
    QStringList expected(15, QString());
    expected[0] = "7";
    EXPECT_EQ(RowCells(8), expected);
}

TEST_F(HistoryGridTest, ForeignValuesShowEmptyCellsInsteadOfReadingOutsideTables) {
    Init();
    DesignCase foreign = GridCase();
    foreign.materialNo = 99;
    foreign.lifeClass = -5;
    foreign.wireDiaIndex = 12345;
    foreign.diaMode = 7;
    foreign.springConst = std::numeric_limits<double>::quiet_NaN();
    foreign.moment1 = std::numeric_limits<double>::infinity();
    cases[30] = foreign;
    grid.FillHistoryRow(30, cases, materials);
    EXPECT_EQ(RowCells(31), QStringList({"30", "", "1", "11", "5.5", "20", "25", "", "1E4", "30", "5E-5", "",
                                         "20", "1019", ""}));
    foreign.materialNo = -1;
    foreign.lifeClass = 8;
    cases[29] = foreign;
    grid.FillHistoryRow(29, cases, materials);
    EXPECT_EQ(grid.cellText(30, 1), "");
    EXPECT_EQ(grid.cellText(30, 14), "");
    // A used value other than 1 is not a stored case.
    foreign.used = 2;
    cases[28] = foreign;
    grid.FillHistoryRow(28, cases, materials);
    EXPECT_EQ(grid.cellText(29, 2), "");
    // Slot numbers outside 1..30 change nothing.
    const QStringList before = RowCells(2);
    grid.FillHistoryRow(0, cases, materials);
    grid.FillHistoryRow(31, cases, materials);
    grid.FillHistoryRow(-4, cases, materials);
    EXPECT_EQ(RowCells(2), before);
}

TEST_F(HistoryGridTest, ClicksChooseOnlyNonFixedCellsAndTheSameCellAgain) {
    Init();
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy chosen(&grid, &HistoryGrid::currentCellChosen);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(0, 4));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(1, 4));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(9, 0));
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 1);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(7, 3));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 7);
    EXPECT_EQ(chosen.at(0).at(1).toInt(), 3);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(7, 3));
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen.at(1).at(0).toInt(), 7);
    // The already current first cell counts as well.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(2, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(2, 1));
    EXPECT_EQ(chosen.count(), 4);
    EXPECT_EQ(grid.currentRow(), 2);
}

TEST_F(HistoryGridTest, OnlyTheLeftButtonChoosesACell) {
    Init();
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy chosen(&grid, &HistoryGrid::currentCellChosen);

    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, CellCentre(7, 3));
    QTest::mouseClick(grid.viewport(), Qt::MiddleButton, {}, CellCentre(8, 5));
    QTest::mouseDClick(grid.viewport(), Qt::RightButton, {}, CellCentre(9, 6));
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 1);
    // The press still takes the focus, as any press into the grid does.
    EXPECT_TRUE(grid.hasFocus());

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(7, 3));
    EXPECT_EQ(chosen.count(), 1);
}

// The viewport part of a picture of the grid.
QImage ViewportStrip(HistoryGrid& grid, const QRect& inViewport) {
    return grid.grab()
        .toImage()
        .copy(inViewport.translated(grid.viewport()->geometry().topLeft()))
        .convertToFormat(QImage::Format_RGB32);
}

// The same part as the window shows it on the screen.
QImage ScreenStrip(HistoryGrid& grid, const QRect& inViewport) {
    const QRect inWindow = inViewport.translated(grid.viewport()->mapTo(grid.window(), QPoint(0, 0)));
    return grid.screen()
        ->grabWindow(grid.window()->winId())
        .toImage()
        .copy(inWindow)
        .convertToFormat(QImage::Format_RGB32);
}

TEST_F(HistoryGridTest, HeadingsAndSlotNumbersStayInPlaceWhileTheRestScrolls) {
    Init();
    grid.resize(795, 292);  // its size in the main window: both scroll bars appear
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QScrollBar* down = grid.verticalScrollBar();
    QScrollBar* across = grid.horizontalScrollBar();
    ASSERT_GT(down->maximum(), 0);
    ASSERT_GT(across->maximum(), 0);
    const QRect area = grid.viewport()->rect();
    const int headingHeight = grid.rowHeight(0) + grid.rowHeight(1);
    const QRect headings(0, 0, area.width(), headingHeight);
    const QRect numbers(0, 0, grid.columnWidth(0), area.height());
    const QRect corner(0, 0, grid.columnWidth(0), headingHeight);
    const QImage headingsBefore = ViewportStrip(grid, headings);
    const QImage numbersBefore = ViewportStrip(grid, numbers);

    QApplication::processEvents();
    EXPECT_EQ(ScreenStrip(grid, headings), headingsBefore);

    // Each check on a fresh picture and on what the screen shows after the scroll.
    down->setValue(down->maximum());
    QApplication::processEvents();
    EXPECT_EQ(ViewportStrip(grid, headings), headingsBefore);
    EXPECT_EQ(ScreenStrip(grid, headings), headingsBefore);
    EXPECT_NE(ViewportStrip(grid, numbers), numbersBefore);
    EXPECT_EQ(ScreenStrip(grid, numbers), ViewportStrip(grid, numbers));
    // The last slot is shown in full at the bottom, the cells under the headings are hidden.
    EXPECT_LE(grid.rowViewportPosition(31) + grid.rowHeight(31), area.height());
    EXPECT_LT(grid.rowViewportPosition(2), headingHeight);

    down->setValue(0);
    across->setValue(across->maximum());
    QApplication::processEvents();
    EXPECT_EQ(ViewportStrip(grid, numbers), numbersBefore);
    EXPECT_EQ(ScreenStrip(grid, numbers), numbersBefore);
    EXPECT_NE(ViewportStrip(grid, headings), headingsBefore);
    EXPECT_EQ(ScreenStrip(grid, headings), ViewportStrip(grid, headings));
    EXPECT_EQ(ViewportStrip(grid, corner), numbersBefore.copy(corner));

    // A heading written while scrolled both ways is shown at its fixed place.
    down->setValue(down->maximum());
    QApplication::processEvents();
    const QImage scrolledHeadings = ScreenStrip(grid, headings);
    const int lastColumn = grid.columnCount() - 1;
    ASSERT_LT(grid.columnViewportPosition(lastColumn), area.width());
    grid.item(0, lastColumn)->setText(QStringLiteral("新しい見出し"));
    QApplication::processEvents();
    EXPECT_NE(ScreenStrip(grid, headings), scrolledHeadings);
    EXPECT_EQ(ScreenStrip(grid, headings), ViewportStrip(grid, headings));
}

TEST_F(HistoryGridTest, ACellMadeCurrentComesOutFromUnderTheFixedCells) {
    Init();
    grid.resize(795, 292);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    const int headingHeight = grid.rowHeight(0) + grid.rowHeight(1);

    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    grid.setCurrentCell(5, 1);
    EXPECT_EQ(grid.rowViewportPosition(5), headingHeight);
    EXPECT_EQ(grid.columnViewportPosition(1), grid.columnWidth(0));

    // Upwards with the keyboard from the first row below the headings.
    grid.setFocus();
    grid.verticalScrollBar()->setValue(6);
    const int top = grid.rowAt(headingHeight);
    grid.setCurrentCell(top, 3);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.currentRow(), top - 1);
    EXPECT_EQ(grid.rowViewportPosition(top - 1), headingHeight);
}

TEST_F(HistoryGridTest, PressesOnTheFixedCellsChooseNothingAndTheWheelScrollsTheSlots) {
    Init();
    grid.resize(795, 292);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.verticalScrollBar()->setValue(5);
    grid.horizontalScrollBar()->setValue(3);
    QSignalSpy chosen(&grid, &HistoryGrid::currentCellChosen);
    // Over the headings and the slot numbers, where other cells are scrolled under them.
    QWidget* area = grid.viewport();
    const QPoint onHeadings(200, 10);
    const QPoint onNumbers(10, 150);
    ASSERT_FALSE(HistoryGrid::isFixedCell(grid.rowAt(onHeadings.y()), grid.columnAt(onHeadings.x())));
    ASSERT_FALSE(HistoryGrid::isFixedCell(grid.rowAt(onNumbers.y()), grid.columnAt(onNumbers.x())));
    for (const QPoint& at : {onHeadings, onNumbers}) {
        QTest::mouseClick(area, Qt::LeftButton, {}, at);
        QTest::mouseDClick(area, Qt::LeftButton, {}, at);
    }
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_TRUE(grid.hasFocus());

    // A drag from a slot cell over the headings chooses nothing more than the pressed cell.
    const QPoint cell(300, 100);
    const int pressedRow = grid.rowAt(cell.y());
    QTest::mousePress(area, Qt::LeftButton, {}, cell);
    QMouseEvent move(QEvent::MouseMove, QPointF(onHeadings), area->mapToGlobal(QPointF(onHeadings)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, {}, onHeadings);
    EXPECT_EQ(grid.currentRow(), pressedRow);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), pressedRow);

    QWheelEvent wheel(QPointF(onHeadings), area->mapToGlobal(QPointF(onHeadings)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    const int before = grid.verticalScrollBar()->value();
    QApplication::sendEvent(area, &wheel);
    EXPECT_GT(grid.verticalScrollBar()->value(), before);
}

TEST_F(HistoryGridTest, ArrowKeysMoveWithinNonFixedCellsAndAnnounceEachMove) {
    Init();
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.setFocus();
    QSignalSpy chosen(&grid, &HistoryGrid::currentCellChosen);

    QTest::keyClick(&grid, Qt::Key_Up);    // would enter the units row
    QTest::keyClick(&grid, Qt::Key_Left);  // would enter the slot-number column
    QTest::keyClick(&grid, Qt::Key_Home);
    QTest::keyClick(&grid, Qt::Key_PageUp);
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 1);

    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Right);
    ASSERT_EQ(chosen.count(), 3);
    EXPECT_EQ(chosen.at(1).at(0).toInt(), 4);
    EXPECT_EQ(chosen.at(2).at(0).toInt(), 4);
    EXPECT_EQ(chosen.at(2).at(1).toInt(), 2);
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.currentRow(), 31);
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 1);
}

TEST(HistoryGridDrawing, CurrentCellIsHighlightedUntilTheGridHasBeenEnteredAndLeft) {
    // Beside another control that holds the focus, as in the main window.
    QWidget window;
    QLineEdit other(&window);
    other.setGeometry(0, 0, 100, 20);
    HistoryGrid grid(&window);
    grid.setGeometry(0, 30, 800, 660);
    CaseTable cases{};
    MaterialTable materials{};
    grid.InitHistoryGrid(cases, materials);
    window.resize(800, 700);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other.setFocus();
    QApplication::processEvents();
    ASSERT_FALSE(grid.hasFocus());

    const QRect current = grid.visualRect(grid.model()->index(2, 1));
    const QRect ordinary = grid.visualRect(grid.model()->index(3, 1));
    const QRect fixed = grid.visualRect(grid.model()->index(0, 1));
    const QPoint inside(3, 1);  // inside the cell, above the text
    const QColor white(Qt::white);
    const QColor highlight = grid.palette().color(QPalette::Active, QPalette::Highlight);
    ASSERT_NE(highlight, white);

    QImage image = grid.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(current.topLeft() + inside), highlight);
    EXPECT_EQ(image.pixelColor(ordinary.topLeft() + inside), white);
    EXPECT_EQ(image.pixelColor(fixed.topLeft() + inside),
              grid.palette().color(QPalette::Active, QPalette::Button));

    grid.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(grid.hasFocus());
    EXPECT_FALSE(grid.gridLeft());
    // With the focus the current cell is drawn as an ordinary cell.
    image = grid.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(current.topLeft() + inside), white);

    other.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(grid.gridLeft());
    image = grid.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(current.topLeft() + inside), white);
    EXPECT_EQ(image.pixelColor(fixed.topLeft() + inside),
              grid.palette().color(QPalette::Active, QPalette::Button));

    grid.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(grid.gridLeft());

    // Switching to another window does not leave the grid: without the focus its
    // current cell is highlighted again.
    QWidget elsewhere;
    elsewhere.resize(50, 50);
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    ASSERT_FALSE(grid.hasFocus());
    EXPECT_FALSE(grid.gridLeft());
    image = grid.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(current.topLeft() + inside), highlight);
}

TEST_F(HistoryGridTest, TextIsCentredAndStartsBelowTheTopEdge) {
    Init();
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    // Row 1 of column 0 holds "単位"; find the ink of that cell.
    const QRect cell = grid.visualRect(grid.model()->index(1, 0));
    const QImage image = grid.viewport()->grab().toImage();
    const QColor background = image.pixelColor(cell.topLeft() + QPoint(1, 1));
    int left = cell.right(), right = cell.left(), top = cell.bottom();
    for (int y = cell.top(); y < cell.bottom(); ++y) {
        for (int x = cell.left(); x < cell.right(); ++x) {
            if (image.pixelColor(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
        }
    }
    ASSERT_LT(left, right) << "no text drawn";
    const double inkCentre = (left + right) / 2.0;
    const double cellCentre = (cell.left() + cell.right()) / 2.0;
    EXPECT_NEAR(inkCentre, cellCentre, 2.5);
    EXPECT_GE(top, cell.top() + 2);
    EXPECT_LT(top, cell.top() + cell.height() / 2);
}

TEST_F(HistoryGridTest, CopyAfterInitGivesHeadingsAndThirtyNumberedEmptyLines) {
    Init();
    CopyGridToClipboard(grid, 0, 0, 14, 31);
    QString expected =
        "項目\t材質\t線径\tｺｲﾙ径\t巻数(N)\t腕長(a1)\t腕長(a2)\t荷重(M1)\t荷重(M2)\t角度(φ1)\t角度(φ2)"
        "\tばね定数\t曲げ応力\t"
        "許容曲げ応力\t寿命\r\n"
        "単位\t\tmm\tmm\t巻\tmm\tmm\tkgf･mm\tkgf･mm\t度\t度\tkgf･mm/度\tkgf/mm^2\tkgf/mm^2\t回数\r\n";
    for (int slot = 1; slot <= 30; ++slot) expected += QString::number(slot) + QString(14, u'\t') + "\r\n";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
}

TEST_F(HistoryGridTest, CopyRangesAreClampedOrEmpty) {
    Init();
    cases[2] = GridCase();
    cases[2].materialNo = 0;  // a record with an empty symbol
    grid.FillHistoryRow(2, cases, materials);
    QClipboard* clipboard = QGuiApplication::clipboard();

    CopyGridToClipboard(grid, 1, 3, 3, 3);
    EXPECT_EQ(clipboard->text(), "\t1\t11\r\n");  // empty symbol gives an empty field
    CopyGridToClipboard(grid, 0, 2, 0, 4);
    EXPECT_EQ(clipboard->text(), "1\r\n2\r\n3\r\n");
    CopyGridToClipboard(grid, -5, -9, 1, 1);
    EXPECT_EQ(clipboard->text(), "項目\t材質\r\n単位\t\r\n");
    CopyGridToClipboard(grid, 13, 30, 99, 99);
    EXPECT_EQ(clipboard->text(), "\t\r\n\t\r\n");
    CopyGridToClipboard(grid, 14, 0, 14, 0);
    EXPECT_EQ(clipboard->text(), "寿命\r\n");

    const int empties[][4] = {{3, 5, 2, 5},  {0, 5, 3, 4},   {0, 0, -1, 3},
                              {0, 0, 3, -1}, {15, 0, 20, 3}, {0, 32, 3, 40}};
    for (const auto& r : empties) {
        clipboard->setText("old");
        CopyGridToClipboard(grid, r[0], r[1], r[2], r[3]);
        EXPECT_EQ(clipboard->text(), "") << r[0] << "," << r[1] << "," << r[2] << "," << r[3];
    }
    // Copying changes neither the grid nor the text of a second copy.
    CopyGridToClipboard(grid, 0, 0, 14, 31);
    const QString first = clipboard->text();
    CopyGridToClipboard(grid, 0, 0, 14, 31);
    EXPECT_EQ(clipboard->text(), first);
    EXPECT_EQ(grid.cellText(3, 3), "11");
}
