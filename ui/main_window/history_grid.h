// The history grid of the main window: 15 columns, two heading rows and the slot
// numbers in column 0 drawn as fixed cells, one row per history slot below them.
#pragma once

#include <QTableWidget>

class QPainter;

#include "core/base/units.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

inline constexpr int kFixedHistoryRows = 2;
inline constexpr int kFixedHistoryColumns = 1;

class HistoryGrid : public QTableWidget {
    Q_OBJECT
  public:
    // Starts with the design size of 12 rows; the main window sets 32 at start-up.
    explicit HistoryGrid(QWidget* parent = nullptr);

    // Headings, units, the slot numbers "1".."30" and every slot row.
    void InitHistoryGrid(const torsion::CaseTable& cases, const torsion::MaterialTable& materials);
    // Columns 1..14 of row slot + 1 from the slot (empty unless used is 1). A slot
    // outside 1..30 or a row the grid does not have is left alone.
    void FillHistoryRow(int slot, const torsion::CaseTable& cases, const torsion::MaterialTable& materials);

    // The unit of the moment, rate and stress columns; rows filled afterwards use it.
    void setUnitSystem(torsion::UnitSystem unit) { unit_ = unit; }
    torsion::UnitSystem unitSystem() const { return unit_; }

    QString cellText(int row, int col) const;
    bool gridLeft() const { return gridLeft_; }
    static bool isFixedCell(int row, int col) {
        return row < kFixedHistoryRows || col < kFixedHistoryColumns;
    }

  signals:
    // The user chose a non-fixed cell: a click (the current cell again included) or a
    // move of the current cell with the keyboard.
    void currentCellChosen(int row, int column);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    void createItems(int firstRow, int lastRow);
    // Design widths, widened where a heading or unit would be cut in the grid's font.
    void FitColumnsToHeadings();
    bool inFixedArea(const QPoint& viewportPos) const;
    void paintFixedCells(QPainter& painter);
    void setCell(int row, int col, const QString& text);

    torsion::UnitSystem unit_ = torsion::UnitSystem::Kgf;
    bool gridLeft_ = false;
    bool announceMoves_ = true;
};

// Puts the inclusive rectangle of the grid's cell texts on the clipboard as
// tab-separated lines ending in CR LF; a range outside the grid gives the empty text.
void CopyGridToClipboard(QTableWidget& grid, int leftCol, int topRow, int rightCol, int bottomRow);
