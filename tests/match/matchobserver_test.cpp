// SPDX-License-Identifier: GPL-3.0-or-later
// The match observer over whole headless matches: its counts agree with the
// goal lines and the engine's own shot count (a goal no shot flew into counts
// as a shot too, so on target never exceeds the shots), possession covers every tick,
// and a seed gives the same figures.
#include <gtest/gtest.h>

#include "league/newgame.h"
#include "match/tgame.h"
#include "sides.h"
#include "support/scratch.h"

namespace vm {
namespace {

// A whole headless match between two clubs of a new game of seed `seed`.
MatchStats play(std::uint64_t seed, int a, int b, std::array<std::vector<std::string>, 2>* goals = nullptr,
                std::array<int, 2>* shots = nullptr) {
    test::Scratch scratch;
    auto world = scratch.world(seed);
    newgame(*world);
    Tgame game(*world, a, b, 0);
    for (int counter = 4; counter < 54000; counter += 4) {
        game.gamestep(counter);
        game.autosub(0);
        game.autosub(1);
    }
    if (goals) *goals = game.goallist;
    if (shots) *shots = game.kick.shots;
    return game.observer->figures(game);
}

TEST(MatchObserver, CountsAgreeWithTheGoalLinesAndTheEnginesShots) {
    int scored = 0, restarts = 0;  // restarts are rare: some sides have none in a match
    int unshotGoals = 0;           // so are goals from a cross or a rebound
    for (auto [seed, a, b] : {std::tuple{3, 0, 5}, {4, 12, 1}, {5, 7, 19}}) {
        std::array<std::vector<std::string>, 2> goals;
        std::array<int, 2> shots;
        const MatchStats st = play(seed, a, b, &goals, &shots);
        EXPECT_EQ(st.ticks, 13499);
        EXPECT_EQ(st.sides[0].possession + st.sides[1].possession, st.ticks);
        for (int s = 0; s < 2; ++s) {
            int own = 0, assisted = 0;
            for (const std::string& line : goals[s]) {
                own += line.substr(2, 2) == "99";
                assisted += line.size() == 6;
            }
            int manShots = 0, manGoals = 0, manAssists = 0;
            for (const ManFigures& m : st.men[s]) {
                manShots += m.shots;
                manGoals += m.goals;
                manAssists += m.assists;
            }
            // The engine's shots, and the goals no shot was flying into.
            const int unshot = st.sides[s].shots - shots[s];
            EXPECT_GE(unshot, 0);
            EXPECT_LE(unshot, manGoals);
            EXPECT_EQ(manShots, st.sides[s].shots);
            EXPECT_EQ(manGoals, static_cast<int>(goals[s].size()) - own);
            EXPECT_EQ(manAssists, assisted);
            EXPECT_EQ(st.sides[1 - s].ownGoals, own);
            EXPECT_GE(st.sides[s].onTarget, manGoals);
            EXPECT_LE(st.sides[s].onTarget, st.sides[s].shots);
            unshotGoals += unshot;
            EXPECT_GT(st.sides[s].passes, 0);
            restarts += st.sides[s].throwIns + st.sides[s].goalKicks + st.sides[s].corners;
            scored += manGoals;
        }
    }
    EXPECT_GT(scored, 0);  // the goals were really looked at
    EXPECT_GT(unshotGoals, 0);
    EXPECT_GT(restarts, 0);
}

TEST(MatchObserver, AShotParriedInCountsOnceWhenTheKeeperMeetsItTwice) {
    Rng rng(3);
    Tgame game(rng, test::side442(), test::side442());
    MatchObserver seen;
    game.kick.setkicker(0, 9);
    game.kick.shots[0] = 1;
    for (const ManRef who : {ManRef{0, 9}, ManRef{1, 0}, ManRef{1, 0}, ManRef{}}) {
        game.kick.toucher = who;
        game.kick.event = who.man == 0 ? touch::parried(1) : touch::kNone;
        if (who.side < 0) game.goallist[0].push_back("0009");  // it goes in
        seen.tick(game);
    }
    EXPECT_EQ(seen.figures(game).sides[0].onTarget, 1);
}

TEST(MatchObserver, TheSameSeedGivesTheSameFigures) {
    EXPECT_EQ(play(9, 2, 3), play(9, 2, 3));
    EXPECT_FALSE(play(9, 2, 3) == play(10, 2, 3));
}

}  // namespace
}  // namespace vm
