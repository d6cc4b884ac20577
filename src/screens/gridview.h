// SPDX-License-Identifier: GPL-3.0-or-later
// A table of the game on screen: a QTableView over a GridModel with the look
// of the game's string grids (a fixed heading row, thin lines, rows 20 pixels
// high, small text centred near the top), one cell painter per screen, and
// presses reported by grid row so that screens speak in the tables' rows.
#pragma once

#include <QTableView>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "screens/celldrawing.h"
#include "screens/gridmodel.h"

namespace vm {

class GridView : public QTableView {
    Q_OBJECT
public:
    using CellPainter = std::function<void(CellPaint&)>;

    explicit GridView(QWidget* parent = nullptr);

    GridModel& table() { return *model_; }
    const Grid& grid() const { return model_->grid(); }
    // Shows a new table; the laid-out column widths stay as they were set.
    void setGrid(Grid g);

    // Every column `standard` pixels wide except those listed as (column, width).
    // These are the widths a screen lays out; a column in sight still widens
    // to show its heading and widest cell whole, and the columns give back
    // their spare pixels so that the last one ends inside the view.
    void setColumnWidths(int standard, std::initializer_list<std::pair<int, int>> widths = {});
    void setColumnWidth(int column, int width);
    // The width the screen laid the column out at, before it was fitted.
    int laidOutWidth(int column) const;
    // The columns side by side, hidden ones left out.
    int columnsWidth() const;
    // Whether grid row 0 is a heading (shown fixed above the rows) or data.
    void setHasHeading(bool heading);
    // The first `count` columns are drawn as fixed cells, like the heading.
    void setFixedColumns(int count);
    // Whole rows (the default) or single cells are chosen by a click.
    void setWholeRows(bool wholeRows);
    void setCellBackground(const QColor& colour);
    // How a cell is drawn; by default its text in black (white when selected).
    void setCellPainter(CellPainter painter);

    // The grid row of the chosen row, or -1 when none is chosen.
    int currentGridRow() const;
    int currentColumn() const;
    void selectGridRow(int row, int column = 0);
    void clearChoice();

    // Draws one cell through the painter (the delegate's work).
    void paintCell(QPainter& painter, const QRect& rect, int row, int col, bool selected) const;

signals:
    // The left button pressed on a heading.
    void headingPressed(int column);
    // A button pressed on a cell: its grid row and column. A right press
    // leaves the choice as it was.
    void cellPressed(int row, int column, Qt::MouseButton button);
    void cellDoubleClicked(int row, int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Lays the columns out from the screen's widths so that no text is cut.
    void fitColumns();
    // The width the rows may use, beside the scroll bar when they need one.
    int rowsRoom() const;
    // The width of the column's heading or widest cell, whichever is wider.
    int textWidth(int column) const;

    std::vector<int> laidOut_;
    GridModel* model_;
    CellPainter painter_;
    QColor background_ = Qt::white;
    int fixedColumns_ = 0;
};

// Whether two tables hold the same cells.
bool sameCells(const Grid& a, const Grid& b);
// Shows `g` unless the view shows it already, so that a redraw keeps the
// view's choice and scroll position.
void showGrid(GridView* view, const Grid& g);

}  // namespace vm
