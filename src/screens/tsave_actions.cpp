// SPDX-License-Identifier: GPL-3.0-or-later
// What the save screen's clicks and keys do: each hands the click to the
// season flow's SaveScreen and then redraws, closes, or hands over to the
// screen that follows.
#include <QKeyEvent>
#include <QLabel>

#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/screenhost.h"
#include "screens/tsave.h"

namespace vm {

void Tsave::gridMouseDown(int row, int col, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    screen_.press(col, row);
    showList();
    if (screen_.mode() == SaveMode::versus)
        for (int s = 0; s < 2; ++s) showSide(s);
}

void Tsave::gridCursorMoved(const QModelIndex& current) {
    if (screen_.mode() == SaveMode::versus || !current.isValid()) return;
    screen_.press(current.column(), grid->table().gridRow(current.row()));
    lbsave->setText(QString::fromStdString(screen_.chosenName()));
}

void Tsave::gridDblClick(int row) {
    follow(screen_.doubleClick(row));
}

void Tsave::P0Click() {
    follow(screen_.confirm());
}

void Tsave::PnewfileClick() {
    follow(screen_.newFile());
}

void Tsave::follow(const SaveOutcome& outcome) {
    QWidget* opener = parentWidget();
    switch (outcome.next) {
        case SaveNext::stay:
            // A refusal or a failed write: the list may have been read again.
            showList();
            break;
        case SaveNext::close: close(); break;
        case SaveNext::openMain:
            // The loaded game's main screen takes the title screen's place.
            if (!session_.host.openMain()) {
                showList();
                break;
            }
            if (opener) opener->close();
            close();
            break;
        case SaveNext::playVersus:
            emit versusReady(outcome.match);
            if (opener) opener->close();
            close();
            break;
    }
}

// Esc leaves as "Cancel" does; Enter presses the confirm panel, wherever the
// focus is on the screen.
void Tsave::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape: close(); return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
                P0->click();
                return;
            }
            break;
        default: break;
    }
    QWidget::keyPressEvent(event);
}

bool Tsave::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid && event->type() == QEvent::KeyPress && screen_.mode() == SaveMode::versus &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && grid->currentColumn() >= 0) {
        gridMouseDown(grid->table().gridRow(grid->currentIndex().row()), grid->currentColumn(),
                      Qt::LeftButton);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vm
