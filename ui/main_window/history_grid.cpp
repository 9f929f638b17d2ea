#include "ui/main_window/history_grid.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <string>
#include <vector>

#include "core/files/history_text.h"
#include "ui/common/fixed_cells.h"
#include "ui/common/sjis.h"
#include "ui/common/window_text.h"

using namespace torsion;

namespace {

constexpr int kDesignRows = 12;
constexpr int kRowHeight = 20;
constexpr int kTextDrop = 2;  // text sits 2 px below the cell's top edge

// Headings and units whose words in the catalogue are wider than their column: the grid's
// own short forms (the window's other parts and the report keep the long ones).
constexpr const char* kShortForms[] = {
    QT_TRANSLATE_NOOP("history_grid", "線径"),      QT_TRANSLATE_NOOP("history_grid", "ｺｲﾙ径"),
    QT_TRANSLATE_NOOP("history_grid", "巻数(N)"),   QT_TRANSLATE_NOOP("history_grid", "許容曲げ応力"),
    QT_TRANSLATE_NOOP("history_grid", "kgf･mm/度"), QT_TRANSLATE_NOOP("history_grid", "N･mm/度")};

QString GridText(const std::string& text) {
    for (const char* shortForm : kShortForms)
        if (text == shortForm) return QCoreApplication::translate("history_grid", shortForm);
    return WindowText(text);
}

// Draws every cell itself: fixed cells with a header look, text centred and top
// aligned on one line, and no highlight once the grid has been left.
class HistoryCellDelegate : public QStyledItemDelegate {
  public:
    explicit HistoryCellDelegate(HistoryGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette& pal = grid_->palette();
        const bool fixed = HistoryGrid::isFixedCell(index.row(), index.column());
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const bool focused = grid_->hasFocus();

        QColor brush = pal.color(QPalette::Active, QPalette::Base);
        QColor pen = pal.color(QPalette::Active, QPalette::Text);
        if (fixed) {
            brush = pal.color(QPalette::Active, QPalette::Button);
            pen = pal.color(QPalette::Active, QPalette::ButtonText);
        } else if (selected && !focused) {
            brush = pal.color(QPalette::Active, QPalette::Highlight);
            pen = pal.color(QPalette::Active, QPalette::HighlightedText);
        }
        if (grid_->gridLeft() && selected) {
            brush = pal.color(QPalette::Active, QPalette::Base);
            pen = pal.color(QPalette::Active, QPalette::Text);
        }

        painter->save();
        painter->fillRect(option.rect, brush);
        if (selected && focused && !fixed) {
            QPen dots(pal.color(QPalette::Active, QPalette::Text));
            dots.setStyle(Qt::DotLine);
            painter->setPen(dots);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        const QRect textRect = option.rect.translated(0, kTextDrop);
        painter->setClipRect(textRect.intersected(option.rect));
        painter->setFont(option.font);
        painter->setPen(pen);
        painter->drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

  private:
    HistoryGrid* grid_;
};

}  // namespace

void HistoryGrid::FitColumnsToHeadings() {
    const QFontMetrics metrics(font());
    for (int c = 0; c < kHistoryColumns; ++c) {
        const auto column = static_cast<std::size_t>(c);
        int width = kHistoryColumnWidths[column];
        for (const std::string& text : {HistoryHeadings()[column], HistoryUnits(UnitSystem::Kgf)[column],
                                        HistoryUnits(UnitSystem::SI)[column]})
            width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(text)) + 4);
        setColumnWidth(c, width);
    }
}

void HistoryGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) FitColumnsToHeadings();
}

HistoryGrid::HistoryGrid(QWidget* parent) : QTableWidget(kDesignRows, kHistoryColumns, parent) {
    setObjectName(QStringLiteral("sg1"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    FitColumnsToHeadings();
    setShowGrid(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setItemDelegate(new HistoryCellDelegate(this));

    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    viewport()->setCursor(Qt::PointingHandCursor);

    // Rows added later (the start-up size of 32) get items of the right kind too.
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { createItems(first, last); });
    createItems(0, rowCount() - 1);

    announceMoves_ = false;
    setCurrentCell(kFixedHistoryRows, kFixedHistoryColumns);
    announceMoves_ = true;
}

void HistoryGrid::createItems(int firstRow, int lastRow) {
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (item(r, c) != nullptr) continue;
            auto* cell = new QTableWidgetItem();
            cell->setFlags(isFixedCell(r, c) ? Qt::ItemIsEnabled
                                             : (Qt::ItemIsEnabled | Qt::ItemIsSelectable));
            setItem(r, c, cell);
        }
    }
}

void HistoryGrid::setCell(int row, int col, const QString& text) {
    QTableWidgetItem* cell = item(row, col);
    if (cell == nullptr) {
        createItems(row, row);
        cell = item(row, col);
    }
    if (cell->text() != text) cell->setText(text);
}

QString HistoryGrid::cellText(int row, int col) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell == nullptr ? QString() : cell->text();
}

void HistoryGrid::InitHistoryGrid(const CaseTable& cases, const MaterialTable& materials) {
    if (rowCount() < kHistoryGridRows) setRowCount(kHistoryGridRows);
    const auto& headings = HistoryHeadings();
    const auto& units = HistoryUnits(unit_);
    for (int c = 0; c < kHistoryColumns; ++c) {
        setCell(0, c, GridText(headings[static_cast<std::size_t>(c)]));
        setCell(1, c, GridText(units[static_cast<std::size_t>(c)]));
    }
    for (int slot = 1; slot <= kHistorySlots; ++slot) setCell(slot + 1, 0, QString::number(slot));
    for (int slot = 1; slot <= kHistorySlots; ++slot) FillHistoryRow(slot, cases, materials);
}

void HistoryGrid::FillHistoryRow(int slot, const CaseTable& cases, const MaterialTable& materials) {
    if (slot < 1 || slot > kHistorySlots) return;
    const int row = slot + 1;
    if (row >= rowCount()) return;
    const HistoryRow texts = HistoryRowTexts(cases[static_cast<std::size_t>(slot)], materials, unit_);
    if (!texts.shown) {
        for (int c = 1; c < kHistoryColumns; ++c) setCell(row, c, QString());
        return;
    }
    setCell(row, 1, FromSjis(texts.symbolSjis));
    for (std::size_t i = 0; i < texts.numbers.size(); ++i)
        setCell(row, static_cast<int>(i) + 2, WindowText(texts.numbers[i]));
    setCell(row, 14, WindowText(texts.lifeText));
}

// ---- fixed cells -----------------------------------------------------------------
// The two heading rows and the slot-number column stay in place while the rest
// scrolls: after the cells have been painted where the scroll puts them, the fixed
// cells are painted again over them at their own places. Headings scroll across with
// the columns, slot numbers down with the rows, and the corner never moves.

bool HistoryGrid::inFixedArea(const QPoint& viewportPos) const {
    return viewportPos.y() < FixedHeight(*this, kFixedHistoryRows) ||
           viewportPos.x() < FixedWidth(*this, kFixedHistoryColumns);
}

void HistoryGrid::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    QPainter painter(viewport());
    paintFixedCells(painter);
}

void HistoryGrid::paintFixedCells(QPainter& painter) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
    const int gridSize = showGrid() ? 1 : 0;
    const auto gridRgb = static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this));
    const QPen gridPen(QColor::fromRgba(gridRgb), 0, gridStyle());
    const QRect area = viewport()->rect();
    const int top = FixedHeight(*this, kFixedHistoryRows);
    const int left = FixedWidth(*this, kFixedHistoryColumns);

    auto paintCell = [&](int row, int col, const QRect& cell) {
        if (!cell.intersects(area)) return;
        option.rect = cell.adjusted(0, 0, -gridSize, -gridSize);
        itemDelegate()->paint(&painter, option, model()->index(row, col, rootIndex()));
        if (gridSize > 0) {
            painter.save();
            painter.setPen(gridPen);
            painter.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());
            painter.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
            painter.restore();
        }
    };

    // Slot numbers first, so the headings and the corner cover those scrolled under them.
    for (int c = 0, x = 0; c < kFixedHistoryColumns && c < columnCount(); x += columnWidth(c), ++c) {
        for (int r = kFixedHistoryRows; r < rowCount(); ++r) {
            const int y = rowViewportPosition(r);
            if (y >= area.height()) break;
            if (y + rowHeight(r) > top) paintCell(r, c, QRect(x, y, columnWidth(c), rowHeight(r)));
        }
    }
    for (int r = 0, y = 0; r < kFixedHistoryRows && r < rowCount(); y += rowHeight(r), ++r) {
        for (int c = kFixedHistoryColumns; c < columnCount(); ++c) {
            const int x = columnViewportPosition(c);
            if (x >= area.width()) break;
            if (x + columnWidth(c) > left) paintCell(r, c, QRect(x, y, columnWidth(c), rowHeight(r)));
        }
    }
    for (int r = 0, y = 0; r < kFixedHistoryRows && r < rowCount(); y += rowHeight(r), ++r)
        for (int c = 0, x = 0; c < kFixedHistoryColumns && c < columnCount(); x += columnWidth(c), ++c)
            paintCell(r, c, QRect(x, y, columnWidth(c), rowHeight(r)));
}

void HistoryGrid::scrollContentsBy(int dx, int dy) {
    // Moving the painted picture would move the fixed cells with it: paint afresh.
    QTableWidget::scrollContentsBy(dx, dy);
    viewport()->update();
}

void HistoryGrid::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles) {
    QTableWidget::dataChanged(topLeft, bottomRight, roles);
    // A fixed cell is shown where it stays, not where the scroll would put it.
    if (topLeft.isValid() && (topLeft.row() < kFixedHistoryRows || topLeft.column() < kFixedHistoryColumns))
        viewport()->update();
}

void HistoryGrid::focusInEvent(QFocusEvent* event) {
    gridLeft_ = false;
    QTableWidget::focusInEvent(event);
    viewport()->update();
}

void HistoryGrid::focusOutEvent(QFocusEvent* event) {
    // Only a move to another control leaves the grid; switching to another window or
    // opening a menu keeps it the window's focused control.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        gridLeft_ = true;
    QTableWidget::focusOutEvent(event);
    viewport()->update();
}

void HistoryGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QModelIndex hit = indexAt(at);
    if (event->button() != Qt::LeftButton || !hit.isValid() || isFixedCell(hit.row(), hit.column()) ||
        inFixedArea(at)) {
        // Only the left button chooses a cell, and fixed cells are never chosen; any
        // other press only takes the focus.
        if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    const QModelIndex before = currentIndex();
    QTableWidget::mousePressEvent(event);
    // A click on the cell that is already current changes nothing, yet it chooses it again.
    if (currentIndex() == hit && before == hit) emit currentCellChosen(hit.row(), hit.column());
}

void HistoryGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click counts as another click.
    mousePressEvent(event);
}

void HistoryGrid::mouseMoveEvent(QMouseEvent* event) {
    // A drag over the fixed cells chooses none of the cells scrolled under them.
    if (inFixedArea(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}

QModelIndex HistoryGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex moved = QTableWidget::moveCursor(cursorAction, modifiers);
    if (!moved.isValid() || rowCount() <= kFixedHistoryRows || columnCount() <= kFixedHistoryColumns)
        return currentIndex();
    const int row = std::max(moved.row(), kFixedHistoryRows);
    const int col = std::max(moved.column(), kFixedHistoryColumns);
    return model()->index(row, col, rootIndex());
}

void HistoryGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    if (current.isValid())
        RevealBelowFixedCells(*this, kFixedHistoryRows, kFixedHistoryColumns, current.row(),
                              current.column());
    if (announceMoves_ && current.isValid() && !isFixedCell(current.row(), current.column()))
        emit currentCellChosen(current.row(), current.column());
}

void CopyGridToClipboard(QTableWidget& grid, int leftCol, int topRow, int rightCol, int bottomRow) {
    const int rows = grid.rowCount();
    const int cols = grid.columnCount();
    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(rows),
                                                std::vector<std::string>(static_cast<std::size_t>(cols)));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QTableWidgetItem* cell = grid.item(r, c);
            if (cell != nullptr)
                cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = cell->text().toStdString();
        }
    }
    const std::string text = GridCopyText(cells, leftCol, topRow, rightCol, bottomRow);
    // The cells' own texts, already in the window's language: not looked up again.
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}
