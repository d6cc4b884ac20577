// SPDX-License-Identifier: GPL-3.0-or-later
// One football match between two clubs, played tick by tick: the twenty-two
// men, the ball, the clock, each side's mode (regroup, defend, attack), goals,
// restarts and substitutions. The live view and the match-day runner drive it.
#pragma once

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "match/flight.h"
#include "match/matchobserver.h"
#include "match/tkick.h"
#include "match/tman.h"

namespace vm {

class ClubWorld;

// The substitution a side made: line-up slot and roster index of the man who came on.
struct Sublog {
    int slot = -1;
    int index = -1;
};

// The kind of man a side brings on.
enum class Subkind { attacker, defender };

// A finished match's goal lines of one side, relative to the working folder
// ("data/tmp/goal0", "goal1"): what finish() writes and the booking reads.
std::string goalfilename(int side);

class Tgame {
public:
    // A match between two clubs (side 0 first) with `home` the home side (0,
    // 1 or -1 for none; a league match asks homeside), ready for its first
    // tick. The world's generator is re-seeded from its seed source.
    Tgame(ClubWorld& world, int club0, int club1, int home);
    // A match between two prepared sides with no clubs behind them (no
    // substitutions, no bench bookkeeping, no goal files): for rule tests and
    // tools. `home` is the home side, or -1.
    Tgame(Rng& rng, const Tmteam& side0, const Tmteam& side1, int home = -1);
    // Finishes the match if the driver has not (errors are swallowed here; call
    // finish() to see them).
    ~Tgame();
    Tgame(const Tgame&) = delete;
    Tgame& operator=(const Tgame&) = delete;

    std::array<Tmteam, 2> men;
    std::array<int, 2> mode{1, 1};  // 0 regroup, 1 defend, 2 attack
    std::array<int, 2> club{-1, -1};
    Tkick kick;
    // The match's one ball, which the kick moves in place.
    ballstate& ball = kick.ball;
    int clock = 0;        // match seconds
    int celebration = 0;  // 70 + scoring side after a goal; counted down by the live view
    std::array<Sublog, 2> sublog;
    std::array<std::vector<std::string>, 2> goallist;
    std::string scorertext;
    // The live view's replay frames; kept only when the view asks for them.
    std::unique_ptr<std::vector<std::string>> vtrlist;
    // Restarts given to each side, for the match figures.
    std::array<int, 2> corners{};
    std::array<int, 2> goalkicks{};
    std::array<int, 2> throwins{};
    // Watches every tick for the match figures; a match made for a world has
    // one unless the world turned them off (ClubWorld::matchfigures).
    std::unique_ptr<MatchObserver> observer;

    // One tick; the counter grows by 4 per tick from 0 (54000 is 90 minutes).
    void gamestep(int counter);
    // The automatic substitution rule, after every tick for a computer-run
    // side: once per match, when the clock has passed the time the score
    // allows. Asked every tick, so the clock and the score come first.
    void autosub(int side) {
        if (sublog[side].slot == -1 && world_ != nullptr && clock > subclock(goals(side) - goals(1 - side)))
            autosubnow(side);
    }
    // Which bench player comes on for whom: (slot, roster index), index 0 for none.
    Sublog subchoose(int side, Subkind kind) const;
    // Puts the club's roster player `index` (11 or above) on for the man in
    // line-up `slot`. Ignored when the side has substituted already or the
    // player or slot does not exist.
    void substitute(int side, int slot, int index);
    // The formation spots of a side's outfield men 1..10, set from outside (the
    // tactics screen during a live match).
    void setspots(int side, const std::array<Point, 10>& spots);

    // Post-match bookkeeping of both benches and the two goal files
    // data/tmp/goal0 and goal1. Runs once; throws DataError when a file cannot
    // be written.
    void finish();
    bool finished() const { return finished_; }

    // The rules of a tick, open for tests.
    // The side walks back to its formation spots; returns the men then off
    // the pitch (see offpitch).
    unsigned regroup(int side);
    // The body contests and the stun countdown; true when a contest moved a man.
    bool bodycheck();
    // Puts the men `off` of a side (see offpitch) back inside the lines.
    void keepinpitch(int side, unsigned off);
    void ballcheck();
    void goallinecheck(int keeperside, int attacking);
    void restartpos(int kicking);
    void goalrecord(int scoring);

    int homeside() const { return home_; }
    int goals(int side) const { return static_cast<int>(goallist[side].size()); }
    // The minute shown for an event now.
    int minute() const { return std::min(clock / 60, 90); }

private:
    ClubWorld* world_ = nullptr;
    Rng& rng_;
    int home_ = -1;
    Lookahead lookahead_;  // the defending keeper's forecast of the ball
    bool finished_ = false;
    bool booked_ = false;  // the benches' bookkeeping is done

    void kickoff();
    // The clock a side must pass before it substitutes, by its goal
    // difference (the largest int: not at that score).
    static int subclock(int diff) {
        switch (diff) {
            case -2: return -1;
            case -1: return 3600;
            case 0: return 4500;
            case 1: return 4800;
            case 2: return 4200;
            default: return std::numeric_limits<int>::max();
        }
    }
    void autosubnow(int side);           // the substitution itself, bench permitting
    bool contests(unsigned meeting);     // the body contests of the men of side 0 `meeting`, in order
    inline unsigned teammove(int side);  // returns the men then off the pitch
    void allToSpots();
    // A man's code in the goal lines and his shown number: his slot, or his
    // roster index when he came on as substitute.
    int mancode(int side, int man) const;
    void creditsub(int side, int man);
};

}  // namespace vm
