// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a shown table cuts nothing: each column in sight is as wide as its
// heading and its widest cell, and ends inside the view, beside the scroll
// bar whenever the rows need one. ScreenTest::child checks every table.
#pragma once

#include <QHeaderView>
#include <QStyle>

#include <gtest/gtest.h>

#include "screens/gridview.h"
#include "screens/qtext.h"

namespace vm::test {

inline void expectWholeColumns(GridView* view) {
    if (!view || !view->isVisible()) return;
    const QHeaderView* top = view->horizontalHeader();
    const int frame = 2 * view->frameWidth(),
              rowsRoom = view->height() - frame - (top->isVisible() ? top->height() : 0);
    const bool bar = view->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ||
                     (view->verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded &&
                      view->verticalHeader()->length() > rowsRoom);
    const int room =
        view->width() - frame - (bar ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    const GridModel& model = view->table();
    for (int c = 0; c < model.columnCount(); ++c) {
        // Hidden columns, keys beyond the visible width and the card's 2-pixel bar cells show no text.
        if (view->isColumnHidden(c) || top->sectionPosition(c) >= room || view->columnWidth(c) <= 2) continue;
        int widest =
            model.hasHeading() ? top->fontMetrics().horizontalAdvance(qstr(model.grid().cell(c, 0))) : 0;
        for (int row = 0; row < model.rowCount(); ++row)
            widest = std::max(widest, view->fontMetrics().horizontalAdvance(
                                          qstr(model.grid().cell(c, model.gridRow(row)))));
        const std::string where = std::string(view->window()->metaObject()->className()) + " " +
                                  view->objectName().toStdString() + " column " + std::to_string(c) + " \"" +
                                  model.grid().cell(c, 0) + "\"";
        EXPECT_LE(top->sectionPosition(c) + view->columnWidth(c), room) << where << " is cut at the right";
        EXPECT_LT(widest, view->columnWidth(c)) << where << " is too narrow";
    }
}

}  // namespace vm::test
