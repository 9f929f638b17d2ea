#include "ui/common/fixed_cells.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>
#include <algorithm>

namespace {

// Keeps the copies laid over the view and in step with its sizes and scrolling.
class FixedCells : public QObject {
  public:
    FixedCells(QTableView& view, int fixedRows, int fixedColumns)
        : QObject(&view),
          view_(view),
          viewport_(view.viewport()),
          fixedRows_(fixedRows),
          fixedColumns_(fixedColumns) {
        if (fixedRows_ > 0) top_ = MakeCopy();
        if (fixedColumns_ > 0) left_ = MakeCopy();
        if (fixedRows_ > 0 && fixedColumns_ > 0) corner_ = MakeCopy();

        QHeaderView* columns = view_.horizontalHeader();
        QHeaderView* rows = view_.verticalHeader();
        connect(columns, &QHeaderView::sectionResized, this, [this] { SyncSizes(); });
        connect(rows, &QHeaderView::sectionResized, this, [this] { SyncSizes(); });
        connect(view_.model(), &QAbstractItemModel::rowsInserted, this, [this] { SyncSizes(); });
        connect(view_.model(), &QAbstractItemModel::columnsInserted, this, [this] { SyncSizes(); });
        connect(view_.model(), &QAbstractItemModel::rowsRemoved, this, [this] { SyncSizes(); });
        connect(view_.model(), &QAbstractItemModel::columnsRemoved, this, [this] { SyncSizes(); });
        connect(view_.horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { SyncScroll(); });
        connect(view_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { SyncScroll(); });
        connect(view_.horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this] { SyncScroll(); });
        connect(view_.verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { SyncScroll(); });
        connect(view_.selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& current) {
                    if (current.isValid())
                        RevealBelowFixedCells(view_, fixedRows_, fixedColumns_, current.row(),
                                              current.column());
                });
        view_.installEventFilter(this);
        view_.viewport()->installEventFilter(this);
        SyncSizes();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Compares addresses only: events still arrive while the view is being destroyed,
        // when none of its scroll-area members may be called any more.
        if (watched == &view_ || watched == viewport_) {
            if (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                event->type() == QEvent::Show || event->type() == QEvent::FontChange ||
                event->type() == QEvent::PaletteChange)
                SyncSizes();
            return false;
        }
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                // A fixed cell is never chosen; the press only takes the focus.
                if (view_.focusPolicy() & Qt::ClickFocus) view_.setFocus(Qt::MouseFocusReason);
                return true;
            case QEvent::MouseButtonRelease:
            case QEvent::MouseMove:
            case QEvent::ContextMenu:
                return true;
            case QEvent::Wheel:
                QCoreApplication::sendEvent(view_.viewport(), event);
                return true;
            default:
                return false;
        }
    }

  private:
    QTableView* MakeCopy() {
        auto* copy = new QTableView(&view_);
        copy->setObjectName(view_.objectName() + QStringLiteral("_fixed"));
        copy->setModel(view_.model());
        copy->setItemDelegate(view_.itemDelegate());
        copy->setFocusPolicy(Qt::NoFocus);
        copy->setSelectionMode(QAbstractItemView::NoSelection);
        copy->setEditTriggers(QAbstractItemView::NoEditTriggers);
        copy->setFrameShape(QFrame::NoFrame);
        copy->horizontalHeader()->hide();
        copy->verticalHeader()->hide();
        copy->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        copy->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        copy->setHorizontalScrollMode(view_.horizontalScrollMode());
        copy->setVerticalScrollMode(view_.verticalScrollMode());
        copy->setShowGrid(view_.showGrid());
        copy->setGridStyle(view_.gridStyle());
        copy->setWordWrap(view_.wordWrap());
        copy->setTextElideMode(view_.textElideMode());
        copy->horizontalHeader()->setMinimumSectionSize(0);
        copy->verticalHeader()->setMinimumSectionSize(0);
        copy->viewport()->installEventFilter(this);
        copy->show();
        return copy;
    }

    void SyncSizes() {
        const QAbstractItemModel* model = view_.model();
        const int height = FixedHeight(view_, fixedRows_);
        const int width = FixedWidth(view_, fixedColumns_);
        const QRect area = view_.viewport()->geometry();
        for (QTableView* copy : {top_, left_, corner_}) {
            if (copy == nullptr) continue;
            copy->setPalette(view_.palette());
            copy->setFont(view_.font());
            copy->viewport()->setCursor(view_.viewport()->cursor());
            for (int c = 0; c < model->columnCount(); ++c) copy->setColumnWidth(c, view_.columnWidth(c));
            for (int r = 0; r < model->rowCount(); ++r) copy->setRowHeight(r, view_.rowHeight(r));
        }
        if (top_) top_->setGeometry(area.x(), area.y(), area.width(), std::min(height, area.height()));
        if (left_) left_->setGeometry(area.x(), area.y(), std::min(width, area.width()), area.height());
        if (corner_)
            corner_->setGeometry(area.x(), area.y(), std::min(width, area.width()),
                                 std::min(height, area.height()));
        if (left_) left_->raise();
        if (top_) top_->raise();
        if (corner_) corner_->raise();
        SyncScroll();
    }

    void SyncScroll() {
        // Each copy has the view's sizes and viewport extent along the direction it
        // follows, so the same scroll value shows the same cells.
        if (top_) {
            QScrollBar* bar = top_->horizontalScrollBar();
            bar->setRange(view_.horizontalScrollBar()->minimum(), view_.horizontalScrollBar()->maximum());
            bar->setValue(view_.horizontalScrollBar()->value());
            top_->verticalScrollBar()->setValue(0);
        }
        if (left_) {
            QScrollBar* bar = left_->verticalScrollBar();
            bar->setRange(view_.verticalScrollBar()->minimum(), view_.verticalScrollBar()->maximum());
            bar->setValue(view_.verticalScrollBar()->value());
            left_->horizontalScrollBar()->setValue(0);
        }
        if (corner_) {
            corner_->horizontalScrollBar()->setValue(0);
            corner_->verticalScrollBar()->setValue(0);
        }
    }

    QTableView& view_;
    const QObject* viewport_;
    int fixedRows_;
    int fixedColumns_;
    QTableView* top_ = nullptr;
    QTableView* left_ = nullptr;
    QTableView* corner_ = nullptr;
};

}  // namespace

int FixedHeight(const QTableView& view, int fixedRows) {
    int height = 0;
    for (int r = 0; r < fixedRows && r < view.model()->rowCount(); ++r) height += view.rowHeight(r);
    return height;
}

int FixedWidth(const QTableView& view, int fixedColumns) {
    int width = 0;
    for (int c = 0; c < fixedColumns && c < view.model()->columnCount(); ++c) width += view.columnWidth(c);
    return width;
}

void KeepFixedCellsInPlace(QTableView& view, int fixedRows, int fixedColumns) {
    if (view.model() == nullptr || (fixedRows <= 0 && fixedColumns <= 0)) return;
    new FixedCells(view, fixedRows, fixedColumns);
}

void RevealBelowFixedCells(QTableView& view, int fixedRows, int fixedColumns, int row, int column) {
    if (row >= fixedRows) {
        const int height = FixedHeight(view, fixedRows);
        QScrollBar* bar = view.verticalScrollBar();
        while (bar->value() > bar->minimum() && view.rowViewportPosition(row) < height)
            bar->setValue(bar->value() - 1);
    }
    if (column >= fixedColumns) {
        const int width = FixedWidth(view, fixedColumns);
        QScrollBar* bar = view.horizontalScrollBar();
        while (bar->value() > bar->minimum() && view.columnViewportPosition(column) < width)
            bar->setValue(bar->value() - 1);
    }
}
