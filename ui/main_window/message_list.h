// The message list of the main window keeps its place and size while its lines fit;
// when there are more lines than it shows, it grows downwards over the window so that
// every line can be read at a glance, and shrinks back when they fit again.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>

class QColor;
class QListWidget;
class QWidget;

class MessageListGrowth : public QObject {
    Q_OBJECT
  public:
    // list keeps its parent and geometry while its lines fit; while it grows it lies
    // on overParent (an ancestor of its parent), above every other child there.
    MessageListGrowth(QListWidget* list, QWidget* overParent);

    bool grown() const { return grown_; }
    // Height the list needs to show all its lines (frame included).
    int neededHeight() const;

  private:
    void Update();

    QListWidget* list_;
    QPointer<QWidget> home_;
    QPointer<QWidget> over_;
    QRect homeGeometry_;
    bool grown_ = false;
};

// Shows lines in colour. The lines change in place and those beyond the shown ones are
// added or removed in one step: the list grows or shrinks at most once and repaints only
// the lines that changed.
void ShowMessageLines(QListWidget& list, const QStringList& lines, const QColor& colour);
