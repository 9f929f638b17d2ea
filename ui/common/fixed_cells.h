// Heading rows and columns that stay in place while the rest of a table scrolls
// beneath them.
#pragma once

class QTableView;

// Lays copies of the first fixedRows rows and fixedColumns columns of view over its
// viewport: the heading rows follow only horizontal scrolling, the heading columns
// only vertical scrolling. The copies show the view's own model with its delegate,
// take no focus and choose no cell; a press on them only gives the view the focus,
// and the wheel over them scrolls the view. A cell that becomes current is scrolled
// out from under them. Being widgets over the viewport, the copies also cover a cell
// editor scrolled under them; a grid that never edits can instead paint its fixed
// cells over the scrolled ones, as the history grid does.
void KeepFixedCellsInPlace(QTableView& view, int fixedRows, int fixedColumns);

// Height of the first fixedRows rows and width of the first fixedColumns columns.
int FixedHeight(const QTableView& view, int fixedRows);
int FixedWidth(const QTableView& view, int fixedColumns);

// Scrolls view back just far enough that the cell (row, column) is not covered by the
// fixed cells; cells of the fixed rows and columns themselves are left alone.
void RevealBelowFixedCells(QTableView& view, int fixedRows, int fixedColumns, int row, int column);
