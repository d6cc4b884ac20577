// SPDX-License-Identifier: GPL-3.0-or-later
// The save screen: one window for saving the game, loading one, exporting the
// club as a versus file and choosing the two clubs of a versus match. It shows
// the file list of its task (and in a versus match the two chosen clubs) and
// hands every click to the season flow's SaveScreen.
#pragma once

#include <QWidget>

#include <array>

#include "screens/session.h"
#include "season/savescreen.h"

class QLabel;
class QPlainTextEdit;

namespace vm {

class GridView;
class PanelButton;

class Tsave : public QWidget {
    Q_OBJECT
public:
    // The screen for `savemode` over `opener` (the main screen when saving or
    // exporting, the title screen when loading or choosing a versus match),
    // which it keeps from answering while it is open. Throws DataError when
    // its picture cannot be read.
    Tsave(const Session& session, SaveMode savemode, QWidget* opener);

    // Loading or a versus match with no file to choose from: the screen is
    // not shown at all.
    bool closesAtOnce() const { return screen_.closesAtOnce(); }

signals:
    // Both clubs of a versus match are in place and the season set up for it:
    // the live match takes over from here (the title and this screen close).
    void versusReady(const VersusMatch& match);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildList();
    void buildSides();
    void buildPanels();

    void gridMouseDown(int row, int col, Qt::MouseButton button);
    void gridDblClick(int row);
    void gridCursorMoved(const QModelIndex& current);
    void P0Click();
    void PnewfileClick();
    // What follows a click: stay (the list and the sides are redrawn), close,
    // or hand over to the loaded game's main screen or the versus match.
    void follow(const SaveOutcome& outcome);
    // Shows the model's list, chosen file and versus sides.
    void showList();
    void showSide(int s);

    Session session_;
    SaveScreen screen_;
    QWidget* board_;  // the picture every control stands on
    GridView* grid;
    QLabel* lbsave;
    PanelButton* P0;
    PanelButton* Pnewfile;
    PanelButton* Pcancel;
    std::array<QLabel*, 2> img_{};           // img0, img1
    std::array<QPlainTextEdit*, 2> memo_{};  // memo0, Memo1
    std::array<GridView*, 2> sideGrid_{};    // grid0, grid1
};

}  // namespace vm
