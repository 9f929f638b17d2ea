#include "ui/main_window/message_list.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QListWidget>
#include <QPalette>
#include <algorithm>

MessageListGrowth::MessageListGrowth(QListWidget* list, QWidget* overParent)
    : QObject(list),
      list_(list),
      home_(list->parentWidget()),
      over_(overParent),
      homeGeometry_(list->geometry()) {
    // Grown, it lies over other controls: painting its own background spares them a repaint
    // whenever one of its lines changes.
    list->setAutoFillBackground(true);
    QAbstractItemModel* model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &MessageListGrowth::Update);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &MessageListGrowth::Update);
    connect(model, &QAbstractItemModel::modelReset, this, &MessageListGrowth::Update);
}

int MessageListGrowth::neededHeight() const {
    int height = 2 * list_->frameWidth();
    for (int row = 0; row < list_->count(); ++row) height += list_->sizeHintForRow(row);
    return height;
}

void MessageListGrowth::Update() {
    if (home_ == nullptr || over_ == nullptr) return;
    const int needed = neededHeight();
    if (needed > homeGeometry_.height()) {
        const QPoint topLeft = home_->mapTo(over_, homeGeometry_.topLeft());
        if (!grown_) {
            list_->setParent(over_);
            grown_ = true;
        }
        list_->setGeometry(QRect(topLeft, QSize(homeGeometry_.width(), needed)));
        list_->raise();
        list_->scrollToTop();
        list_->show();
    } else if (grown_) {
        list_->setParent(home_);
        list_->setGeometry(homeGeometry_);
        list_->show();
        grown_ = false;
    }
}

void ShowMessageLines(QListWidget& list, const QStringList& lines, const QColor& colour) {
    QPalette p = list.palette();
    if (p.color(QPalette::Text) != colour) {
        p.setColor(QPalette::Text, colour);
        list.setPalette(p);
    }
    const auto count = static_cast<int>(lines.size());
    const int shown = list.count();
    for (int row = 0; row < std::min(shown, count); ++row)
        if (list.item(row)->text() != lines[row]) list.item(row)->setText(lines[row]);
    if (shown > count)
        list.model()->removeRows(count, shown - count);
    else if (count > shown)
        list.addItems(lines.mid(shown));
    list.clearSelection();
    list.scrollToTop();
}
