// SPDX-License-Identifier: GPL-3.0-or-later
// A game table (util::Grid) as a Qt table model. Grid row 0 holds the
// headings, shown as the view's heading row, and grid rows 1.. are the
// model's rows 0..; a table without headings shows every grid row as data.
#pragma once

#include <QAbstractTableModel>

#include <utility>

#include "util/grid.h"

namespace vm {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    const Grid& grid() const { return grid_; }
    // Shows a new table.
    void setGrid(Grid g);
    // Changes the table in place (a sort, a cell) and refreshes the views.
    template <class Change>
    void edit(Change&& change) {
        beginResetModel();
        std::forward<Change>(change)(grid_);
        endResetModel();
    }

    bool hasHeading() const { return heading_; }
    void setHasHeading(bool heading);
    // The grid row shown as model row `row`, and back.
    int gridRow(int row) const { return heading_ ? row + 1 : row; }
    int modelRow(int gridRow) const { return heading_ ? gridRow - 1 : gridRow; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Grid grid_;
    bool heading_ = true;
};

}  // namespace vm
