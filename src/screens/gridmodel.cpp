// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/gridmodel.h"

namespace vm {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::setGrid(Grid g) {
    beginResetModel();
    grid_ = std::move(g);
    endResetModel();
}

void GridModel::setHasHeading(bool heading) {
    beginResetModel();
    heading_ = heading;
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return std::max(0, grid_.rowCount() - (heading_ ? 1 : 0));
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.colCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return QString::fromStdString(grid_.cell(index.column(), gridRow(index.row())));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || !heading_ || grid_.rowCount() == 0 ||
        section >= grid_.colCount())
        return {};
    return QString::fromStdString(grid_.cell(section, 0));
}

}  // namespace vm
