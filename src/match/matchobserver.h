// SPDX-License-Identifier: GPL-3.0-or-later
// The match observer: looks at a match after each tick and keeps its figures
// (matchstats.h). It only reads the match: it draws no random number and
// changes nothing, so a match plays the same with it or without it.
#pragma once

#include "match/matchstats.h"
#include "match/tkick.h"

namespace vm {

class Tgame;

class MatchObserver {
public:
    // After every tick of the match.
    void tick(const Tgame& game);
    // The figures so far, with the counts the engine keeps itself.
    MatchStats figures(const Tgame& game) const;

private:
    MatchStats stats_;
    ManRef meeting_;     // who met the ball last tick
    int lastSide_ = -1;  // the side that touched the ball last
    int untouched_ = 0;  // ticks before the first touch
    int shotSide_ = -1;  // a shot of this side is in flight
    int parried_ = -1;   // a shot of this side was parried and has not gone in yet
    std::array<int, 2> shots_{};
    // A shot of the side stands until the keeper saves it, one of its men
    // meets the ball afresh or play restarts; a goal scored while it stands is
    // that shot's, however the ball got in.
    std::array<bool, 2> shotStands_{};
    std::array<int, 2> unshotGoals_{};  // goals no standing shot accounts for
    std::array<int, 2> goals_{};
    int restarts_ = 0;

    void endflight();
    void goal(const Tgame& game, int side, int line);
};

// Where a man's figures are kept: his slot, or kSubEntry for the man who came
// on; -1 for a code that names neither (goal-line codes: slot or roster index).
int figureEntry(const Tgame& game, int side, int code);

}  // namespace vm
