// SPDX-License-Identifier: GPL-3.0-or-later
// How the game's tables draw a cell: the text centred 2 pixels below the
// cell's top, and the marks that the screens share (the condition colours of
// a player's row, the red diagonal of a starter). A screen's cell painter
// combines these for its own tables.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

#include <string>

#include "util/grid.h"

namespace vm {

namespace colours {
inline const QColor inForm{255, 0, 255};            // magenta: the player is in form
inline const QColor inFormSelected{254, 179, 254};  // light pink on the selection
inline const QColor offForm{0, 128, 128};           // teal: out of form
inline const QColor offFormSelected{215, 253, 215};
inline const QColor selection{10, 36, 106};  // the selected row's background
inline const QColor starter{255, 0, 0};
inline const QColor best{255, 0, 0};  // the best coach of an attribute
inline const QColor cream{255, 251, 240};
}  // namespace colours

// One cell being drawn.
struct CellPaint {
    QPainter& painter;
    QRect rect;
    const Grid& grid;
    int row = 0;  // the grid row (1 is the first row under the headings)
    int col = 0;
    bool selected = false;
    QColor pen;  // the text colour; a painter may change it before the text is drawn

    const std::string& text() const { return grid.cell(col, row); }
    // The cell of this row in `column` read as a whole number; `fallback`
    // when the column is missing or the cell holds no number.
    int number(int column, int fallback) const;
};

// The cell's text, centred, 2 pixels below the cell's top, in `cell.pen`.
void drawText(CellPaint& cell);
// Fills the whole cell.
void fillCell(CellPaint& cell, const QColor& colour);
// The text colour of a player's row from his condition figure in
// `conditionColumn`: magenta above 0, teal below 0, unchanged at 0.
void conditionColour(CellPaint& cell, int conditionColumn);
// The red line from the top-left to the bottom-right corner that marks a starter.
void starterMark(CellPaint& cell);

}  // namespace vm
