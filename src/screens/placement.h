// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window of the game opens: over the window it belongs to, and
// always wholly inside the available area of the screen the game stands on
// (never under a panel, never off the edge, whatever corner the game's
// window stands in).
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace vm {

// `frame` moved the least that puts it inside `area`; one larger than the
// area keeps its top-left corner inside.
QRect keptInside(QRect frame, QRect area);
// Moves the window `window`, not yet shown, to the centre of `over` (a
// window of the game; the centre of its screen when null) moved on by
// `shift`, kept inside the available area of the screen `over` stands on.
void placeOver(QWidget* window, const QWidget* over, QPoint shift = {});

}  // namespace vm
