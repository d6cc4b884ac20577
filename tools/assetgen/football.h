// SPDX-License-Identifier: GPL-3.0-or-later
// A classic 32-panel football (a truncated icosahedron) drawn in 3-D, lit and
// shaded: the game's recurring motif on the title, the icon and the studio.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace vm::assets {

struct FootballLook {
    double yaw = 0.35;    // turn about the vertical axis, radians
    double tilt = -0.45;  // turn about the horizontal axis, radians
    double roll = 0.2;    // turn about the line of sight, radians
    QColor leather{248, 248, 244};
    QColor patch{22, 24, 32};
    double seamWidth = 1.0;  // pixels; 0 draws no seams
};

void drawFootball(QPainter& painter, QPointF centre, double radius, const FootballLook& look);

}  // namespace vm::assets
