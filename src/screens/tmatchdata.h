// SPDX-License-Identifier: GPL-3.0-or-later
// The scoreboard under the watched match (Tmatchdata): both squads left and
// right, between them the clock, the score, the club names with the home
// marker and the speed bar, and the commentary line across the bottom.
#pragma once

#include <QWidget>

#include <array>

#include "season/livescoreboard.h"

class QLabel;
class QScrollBar;

namespace vm {

struct CellPaint;
class GridView;

class Tmatchdata : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{892, 230};

    // The scoreboard at kick-off, its speed bar at `speed`.
    Tmatchdata(const Scoreboard& board, int speed, QWidget* parent = nullptr);

    // The figures of the frame just shown: clock, score, commentary.
    void showFigures(const Scoreboard& board);
    // A squad table anew (after a substitution); the choice is dropped.
    void showSquad(int side, const Scoreboard& board);
    void showPaused(bool paused);

    // grid1 (side 0, the player's own) and grid2.
    GridView* squad(int side) const { return squads_[side]; }
    QScrollBar* speedBar() const { return Scspeed; }

private:
    void buildCentre(const Scoreboard& board);
    void drawCell(CellPaint& cell) const;

    std::array<GridView*, 2> squads_{};
    QLabel* lbtime;
    QLabel* lbg0;
    QLabel* lbg1;
    QLabel* lbvs;
    QLabel* lbtn0;
    QLabel* lbtn1;
    QLabel* lbhome;
    QLabel* lbzikyo;
    QLabel* lbspeed;
    QLabel* lbpause;
    QScrollBar* Scspeed;
};

}  // namespace vm
