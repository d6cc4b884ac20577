// SPDX-License-Identifier: GPL-3.0-or-later
// The match observer's tick: touches and possession, shots and saves, goals.
#include "match/matchobserver.h"

#include <string>

#include "match/tgame.h"

namespace vm {

int figureEntry(const Tgame& game, int side, int code) {
    const Sublog& sub = game.sublog[side];
    if (sub.slot >= 0 && code == sub.index) return kSubEntry;
    return code >= 0 && code <= 10 ? code : -1;
}

namespace {

// The entry of man `man` on the pitch now.
int manEntry(const Tgame& game, int side, int man) {
    return game.sublog[side].slot == man ? kSubEntry : man;
}

int restartCount(const Tgame& game) {
    int n = 0;
    for (int s = 0; s < 2; ++s) n += game.corners[s] + game.goalkicks[s] + game.throwins[s];
    return n;
}

}  // namespace

void MatchObserver::endflight() {
    if (parried_ >= 0) stats_.sides[parried_].onTarget += 1;
    parried_ = -1;
    shotSide_ = -1;
}

void MatchObserver::tick(const Tgame& game) {
    stats_.ticks += 1;
    const Tkick& k = game.kick;
    const ManRef t = k.toucher;
    if (t.side >= 0) {
        if (!(t == meeting_)) {
            stats_.men[t.side][manEntry(game, t.side, t.man)].touches += 1;
            shotStands_[t.side] = false;
        }
        if (lastSide_ < 0) {
            stats_.sides[t.side].possession += untouched_;
            untouched_ = 0;
        }
        lastSide_ = t.side;
        // The first man to meet a shot ends its flight: a save when he is the
        // keeper it was aimed at and caught or parried it. A keeper still at
        // the ball he parried last tick has not let it go yet.
        if (parried_ < 0 || !(t == meeting_)) {
            const int flying = shotSide_;
            endflight();
            if (flying == 1 - t.side && t.man == 0) {
                if (k.event == touch::caught(t.side)) stats_.sides[flying].onTarget += 1;
                if (k.event == touch::parried(t.side)) parried_ = flying;
                // A saved shot is spent: a goal from the rebound is a new attempt.
                if (k.event == touch::caught(t.side) || k.event == touch::parried(t.side))
                    shotStands_[flying] = false;
            }
        }
    }
    meeting_ = t;
    if (lastSide_ >= 0) {
        stats_.sides[lastSide_].possession += 1;
    } else {
        untouched_ += 1;
    }
    for (int s = 0; s < 2; ++s) {
        if (k.shots[s] == shots_[s]) continue;
        shots_[s] = k.shots[s];
        stats_.men[s][manEntry(game, s, k.kickerIndex())].shots += 1;
        shotSide_ = s;
        shotStands_[s] = true;
    }
    for (int s = 0; s < 2; ++s) {
        while (goals_[s] < game.goals(s)) goal(game, s, goals_[s]++);
    }
    if (const int r = restartCount(game); r != restarts_) {
        restarts_ = r;
        endflight();
        shotStands_ = {};
    }
}

void MatchObserver::goal(const Tgame& game, int side, int line) {
    const std::string& text = game.goallist[side][line];
    const int scorer = std::stoi(text.substr(2, 2));
    const bool fromShot = shotStands_[side] || parried_ == side;
    shotStands_[side] = false;
    if (parried_ == side) parried_ = -1;  // the parried shot went in: it counts as the goal
    endflight();
    if (scorer == 99) {
        stats_.sides[1 - side].ownGoals += 1;
        return;
    }
    stats_.sides[side].onTarget += 1;
    if (!fromShot) unshotGoals_[side] += 1;
    if (const int e = figureEntry(game, side, scorer); e >= 0) {
        stats_.men[side][e].goals += 1;
        if (!fromShot) stats_.men[side][e].shots += 1;
    }
    if (text.size() == 6) {
        if (const int e = figureEntry(game, side, std::stoi(text.substr(4, 2))); e >= 0)
            stats_.men[side][e].assists += 1;
    }
}

MatchStats MatchObserver::figures(const Tgame& game) const {
    MatchStats out = stats_;
    for (int s = 0; s < 2; ++s) {
        SideFigures& f = out.sides[s];
        f.shots = game.kick.shots[s] + unshotGoals_[s];
        f.crosses = game.kick.crosses[s];
        f.passes = game.kick.passes[s];
        f.corners = game.corners[s];
        f.goalKicks = game.goalkicks[s];
        f.throwIns = game.throwins[s];
    }
    // A parry still standing when the figures are read is a save.
    if (parried_ >= 0) out.sides[parried_].onTarget += 1;
    return out;
}

}  // namespace vm
