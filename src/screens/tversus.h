// SPDX-License-Identifier: GPL-3.0-or-later
// The versus picker: the window over the title screen in which the player
// chooses the two clubs of a versus match from the versus files. It shows
// the list between the two chosen clubs and hands every click to the season
// flow's VersusPicker.
#pragma once

#include <array>

#include "screens/filewindow.h"
#include "season/versuspicker.h"

class QLabel;
class QPlainTextEdit;

namespace vm {

class Tversus : public FileWindow {
    Q_OBJECT
public:
    // The picker over `opener` (the title screen), which it keeps from
    // answering while it is open. Throws DataError when its picture cannot
    // be read.
    Tversus(const Session& session, QWidget* opener);

    // No versus file to choose from: the screen is not shown at all.
    bool closesAtOnce() const { return picker_.closesAtOnce(); }

signals:
    // Both clubs of a versus match are in place and the season set up for it:
    // the live match takes over from here (the title and this screen close).
    void versusReady(const VersusMatch& match);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildList();
    void buildSides();
    void buildPanels();

    void gridMouseDown(int row, int col, Qt::MouseButton button);
    void P0Click();
    void showSide(int s);

    VersusPicker picker_;
    GridView* grid;
    PanelButton* P0;
    PanelButton* Pcancel;
    std::array<QLabel*, 2> img_{};           // img0, img1
    std::array<QPlainTextEdit*, 2> memo_{};  // memo0, Memo1
    std::array<GridView*, 2> sideGrid_{};    // grid0, grid1
};

}  // namespace vm
