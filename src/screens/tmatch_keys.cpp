// SPDX-License-Identifier: GPL-3.0-or-later
// The watched match's keys: + and - change the speed, Space pauses and
// resumes, M switches the sound (the setting itself, kept for later matches),
// S shows and hides the statistics panel. They work wherever the focus is, the
// squads' tables included.
#include <QKeyEvent>
#include <QScrollBar>

#include "match/tgame.h"
#include "screens/gamesettings.h"
#include "screens/gridview.h"
#include "screens/statspanel.h"
#include "screens/tmatch.h"
#include "screens/tmatchdata.h"
#include "season/statstables.h"

namespace vm {

void Tmatch::buildKeys() {
    // The tables and the speed bar would take these keys for their own use.
    for (QWidget* w : {static_cast<QWidget*>(data_->squad(0)), static_cast<QWidget*>(data_->squad(1)),
                       static_cast<QWidget*>(data_->speedBar())})
        w->installEventFilter(this);
}

bool Tmatch::matchKey(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Plus: changeSpeed(+1); return true;
        case Qt::Key_Minus: changeSpeed(-1); return true;
        case Qt::Key_Space:
            if (event->isAutoRepeat()) return true;
            togglePause();
            return true;
        case Qt::Key_M: {
            if (event->isAutoRepeat()) return true;
            GameSettings settings;
            settings.setSoundEnabled(!settings.soundEnabled());
            useSound(settings.soundEnabled());
            return true;
        }
        case Qt::Key_S:
            if (event->isAutoRepeat()) return true;
            toggleStats();
            return true;
        default: return false;
    }
}

void Tmatch::keyPressEvent(QKeyEvent* event) {
    if (!matchKey(event)) QWidget::keyPressEvent(event);
}

bool Tmatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && matchKey(static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

void Tmatch::changeSpeed(int by) {
    QScrollBar* bar = data_->speedBar();
    bar->setValue(bar->value() + by);  // the bar keeps it within 2..6 and tells the match
}

// A pause is the player's own: it stops the frames and the match clock and
// nothing else, so the board, the tables and the speed still answer.
void Tmatch::togglePause() {
    if (match_->finished()) return;
    if (match_->paused())
        match_->resume();
    else
        match_->pause();
    data_->showPaused(match_->paused());
    wakeAtNextFrame();
}

void Tmatch::toggleStats() {
    statspanel_->setVisible(!statspanel_->isVisible());
    showStats();
}

void Tmatch::showStats() {
    const Tgame& game = match_->game();
    if (statspanel_->isVisible() && game.observer)
        statspanel_->setLines(panellines(game.observer->figures(game)));
}

}  // namespace vm
