// SPDX-License-Identifier: GPL-3.0-or-later
// What the save screen's clicks do: each hands the click to the season
// flow's SaveScreen and then redraws, closes, or hands over to the loaded
// game's main screen.
#include <QLabel>

#include "screens/gridview.h"
#include "screens/screenhost.h"
#include "screens/tsave.h"

namespace vm {

void Tsave::gridMouseDown(int row, int, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    screen_.press(row);
    showList();
}

void Tsave::gridCursorMoved(const QModelIndex& current) {
    if (!current.isValid()) return;
    screen_.press(grid->table().gridRow(current.row()));
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
    }
}

}  // namespace vm
