// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/progresscells.h"

#include <QPainter>

#include <algorithm>

#include "screens/celldrawing.h"

namespace vm {

ProgressCells::ProgressCells(QWidget* parent) : QWidget(parent) {
    setFixedSize(kCells * kCellWidth + 2, 12);
}

void ProgressCells::setFill(int fill) {
    fill_ = fill;
    repaint();  // the run holds the event loop; the bar must show now
}

void ProgressCells::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colours::cream);
    p.setPen(QColor(122, 122, 122));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const int filled = std::min(fill_ + 1, kCells);
    if (filled > 0) p.fillRect(1, 1, filled * kCellWidth, height() - 2, Qt::black);
}

}  // namespace vm
