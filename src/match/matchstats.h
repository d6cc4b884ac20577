// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of one match, per side and per man, as the match observer
// gathers them. What each figure counts is written beside it.
#pragma once

#include <array>

namespace vm {

// One side's figures.
struct SideFigures {
    // Ticks in which a man of the side met the ball (held it at his feet or
    // touched it), and the ticks the ball then ran loose until a man met it
    // again. Ticks before the match's first touch go to the side that touched
    // first, so both sides' possession adds up to the ticks played.
    int possession = 0;
    // Shots the side's men kicked: the engine's own count (Tkick::shots),
    // plus every goal that no shot accounts for (a cross or a pass that went
    // in, a rebound walked in: a shot counts for a goal until the keeper saves
    // it, a man of its side meets the ball again or play restarts, so a
    // deflected shot stays one shot). A goal is always a shot on target, and
    // on target never exceeds the shots.
    int shots = 0;
    // Goals other than own goals, and shots the opposing keeper caught or
    // parried before anybody else met the ball (a parried shot that still
    // goes in counts once, as the goal).
    int onTarget = 0;
    // Goals the side's men put into their own net (credited to the opponent).
    int ownGoals = 0;
    // Restarts given to the side: corners it takes, goal kicks of its keeper,
    // throw-ins it takes (a throw-in before anybody has played the ball belongs
    // to nobody and is not counted).
    int corners = 0;
    int goalKicks = 0;
    int throwIns = 0;
    // Crosses put in and passes played (a pass to a team-mate's run or feet,
    // or a through ball): the engine's own counts.
    int crosses = 0;
    int passes = 0;
};

// One man's figures.
struct ManFigures {
    int shots = 0;    // shots he kicked, and goals he scored from another kick
    int goals = 0;    // goals he scored (own goals are nobody's)
    int assists = 0;  // goals scored from his pass, as the goal lines credit them
    // Times he met the ball: a run of ticks in which he meets it is one touch.
    int touches = 0;
};

// A side's men: entries 0..10 are the line-up slots at kick-off, entry 11 the
// man who came on (the side's substitution names his roster index).
inline constexpr int kFigureMen = 12;
inline constexpr int kSubEntry = 11;

struct MatchStats {
    int ticks = 0;  // ticks played
    std::array<SideFigures, 2> sides;
    std::array<std::array<ManFigures, kFigureMen>, 2> men;

    bool operator==(const MatchStats&) const;
};

inline bool operator==(const SideFigures& a, const SideFigures& b) {
    return a.possession == b.possession && a.shots == b.shots && a.onTarget == b.onTarget &&
           a.ownGoals == b.ownGoals && a.corners == b.corners && a.goalKicks == b.goalKicks &&
           a.throwIns == b.throwIns && a.crosses == b.crosses && a.passes == b.passes;
}
inline bool operator==(const ManFigures& a, const ManFigures& b) {
    return a.shots == b.shots && a.goals == b.goals && a.assists == b.assists && a.touches == b.touches;
}
inline bool MatchStats::operator==(const MatchStats& o) const {
    return ticks == o.ticks && sides == o.sides && men == o.men;
}

}  // namespace vm
