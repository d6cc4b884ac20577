// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/celldrawing.h"

#include <charconv>

namespace vm {

int CellPaint::number(int column, int fallback) const {
    if (column < 0 || column >= grid.colCount()) return fallback;
    const std::string& s = grid.cell(column, row);
    int v = 0;
    const char* begin = s.data() + (!s.empty() && s[0] == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(begin, s.data() + s.size(), v);
    return ec == std::errc{} && end == s.data() + s.size() && begin != end ? v : fallback;
}

void drawText(CellPaint& cell) {
    const QString text = QString::fromStdString(cell.text());
    if (text.isEmpty()) return;
    cell.painter.save();
    cell.painter.setPen(cell.pen);
    cell.painter.setClipRect(cell.rect);
    const QFontMetrics metrics = cell.painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const int x = cell.rect.left() + (cell.rect.width() - width) / 2;
    cell.painter.drawText(QPoint(x, cell.rect.top() + 2 + metrics.ascent()), text);
    cell.painter.restore();
}

void fillCell(CellPaint& cell, const QColor& colour) {
    cell.painter.fillRect(cell.rect, colour);
}

void conditionColour(CellPaint& cell, int conditionColumn) {
    const int condition = cell.number(conditionColumn, 0);
    if (condition > 0) cell.pen = cell.selected ? colours::inFormSelected : colours::inForm;
    if (condition < 0) cell.pen = cell.selected ? colours::offFormSelected : colours::offForm;
}

void starterMark(CellPaint& cell) {
    cell.painter.save();
    cell.painter.setPen(colours::starter);
    cell.painter.drawLine(cell.rect.topLeft(), cell.rect.bottomRight());
    cell.painter.restore();
}

}  // namespace vm
