// SPDX-License-Identifier: GPL-3.0-or-later
// The save screen: one window for saving the game, loading one and exporting
// the club as a versus file. It shows the file list of its task with the
// chosen name and hands every click to the season flow's SaveScreen.
#pragma once

#include "screens/filewindow.h"
#include "season/savescreen.h"

class QLabel;

namespace vm {

class Tsave : public FileWindow {
    Q_OBJECT
public:
    // The screen for `savemode` over `opener` (the main screen when saving or
    // exporting, the title screen when loading), which it keeps from
    // answering while it is open. Throws DataError when its picture cannot
    // be read.
    Tsave(const Session& session, SaveMode savemode, QWidget* opener);

    // Loading with no file to choose from: the screen is not shown at all.
    bool closesAtOnce() const { return screen_.closesAtOnce(); }

private:
    void buildList();
    void buildPanels();

    void gridMouseDown(int row, int col, Qt::MouseButton button);
    void gridDblClick(int row);
    void gridCursorMoved(const QModelIndex& current);
    void P0Click();
    void PnewfileClick();
    // What follows a click: stay (the list is redrawn), close, or hand over
    // to the loaded game's main screen.
    void follow(const SaveOutcome& outcome);
    // Shows the model's list and chosen file.
    void showList();

    SaveScreen screen_;
    GridView* grid;
    QLabel* lbsave;
    PanelButton* P0;
    PanelButton* Pnewfile;
    PanelButton* Pcancel;
};

}  // namespace vm
