// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vm {

QRect keptInside(QRect frame, QRect area) {
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    frame.moveTopLeft({x, y});
    return frame;
}

void placeOver(QWidget* window, const QWidget* over, QPoint shift) {
    const QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter((over ? over->frameGeometry() : area).center() + shift);
    window->move(keptInside(frame, area).topLeft());
}

}  // namespace vm
