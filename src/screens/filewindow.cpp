// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/filewindow.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "screens/backdrop.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/pictures.h"

namespace vm {
FileWindow::FileWindow(const Session& session, QWidget* opener)
    : QWidget(opener, Qt::Window | Qt::FramelessWindowHint), session_(session) {
    setWindowTitle(QCoreApplication::applicationName());
    // The screen beneath must not move on (no "ＮＥＸＴ", no new game) while a file is chosen.
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(kWindow);
    board_ = new Backdrop(loadSkin(session_.world, "save.jpg"), this);
    board_->setGeometry(rect());
}

GridView* FileWindow::makeList(const Grid& files) {
    auto* list = new GridView(board_);
    list->setObjectName("grid");
    list->setGrid(files);
    list->setHasHeading(true);
    list->setShowGrid(false);
    return list;
}

void FileWindow::placePanels(const QList<PanelButton*>& shown, PanelButton* confirm, int top) {
    confirm_ = confirm;
    constexpr int kGap = 24;
    const int width = static_cast<int>(shown.size()) * (confirm->width() + kGap) - kGap;
    int x = (kWindow.width() - width) / 2;
    for (PanelButton* panel : shown) {
        panel->move(x, top);
        x += panel->width() + kGap;
    }
}

// Esc leaves as "Cancel" does; Enter presses the confirm panel, wherever the
// focus is on the screen.
void FileWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape: close(); return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (confirm_ &&
                (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier)) {
                confirm_->click();
                return;
            }
            break;
        default: break;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace vm
