// SPDX-License-Identifier: GPL-3.0-or-later
// The "ゲーム終了" menu that the main screen and the transfer screen share:
// "タイトル画面へ", a separator and "終了", each calling the screen's handler.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vm {

template <class Screen>
void addGameEndMenu(QMenuBar* bar, Screen* screen, void (Screen::*toTitle)(), void (Screen::*quit)()) {
    QMenu* end = bar->addMenu("ゲーム終了");
    QAction* tomenu = end->addAction("タイトル画面へ");
    tomenu->setObjectName("tomenu");
    QObject::connect(tomenu, &QAction::triggered, screen, toTitle);
    end->addSeparator();
    QAction* close = end->addAction("終了");
    close->setObjectName("gameclose");
    QObject::connect(close, &QAction::triggered, screen, quit);
}

}  // namespace vm
