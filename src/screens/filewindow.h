// SPDX-License-Identifier: GPL-3.0-or-later
// What the two file screens share (the save screen and the versus picker): a
// borderless window over the screen that opened it, modal while it is open,
// on the save picture, with a file list and a row of panels centred under it.
// Esc leaves as "Cancel" does and Enter presses the confirm panel.
#pragma once

#include <QList>
#include <QWidget>

#include "screens/session.h"

namespace vm {

class Grid;
class GridView;
class PanelButton;

class FileWindow : public QWidget {
    Q_OBJECT
protected:
    static constexpr QSize kWindow{700, 520};
    static constexpr int kRowHeight = 20;
    // Room beside a table's columns for its frame and a scroll bar.
    static constexpr int kTableFrame = 2 + 16;

    // Throws DataError when the picture cannot be read.
    FileWindow(const Session& session, QWidget* opener);

    // The file list on the picture, its heading fixed, without lines.
    GridView* makeList(const Grid& files);
    // Lays `shown` out side by side at `top`, centred in the window.
    // `confirm` is the panel Enter presses.
    void placePanels(const QList<PanelButton*>& shown, PanelButton* confirm, int top);

    void keyPressEvent(QKeyEvent* event) override;

    Session session_;
    QWidget* board_;  // the picture every control stands on

private:
    PanelButton* confirm_ = nullptr;
};

}  // namespace vm
