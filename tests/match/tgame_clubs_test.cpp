// SPDX-License-Identifier: GPL-3.0-or-later
// Matches between real clubs of a new game: one seed plays the same match
// twice, the automatic substitutions by clock and score, who comes on for
// whom, and the benches' bookkeeping and goal files after the final whistle.
#include <gtest/gtest.h>

#include "league/homeside.h"
#include "league/newgame.h"
#include "match/tgame.h"
#include "support/scratch.h"
#include "util/textfile.h"

namespace vm {
namespace {

constexpr int kFullTime = 54000;

void playThrough(Tgame& game) {
    for (int counter = 4; counter <= kFullTime; counter += 4) {
        game.gamestep(counter);
        game.autosub(0);
        game.autosub(1);
    }
}

struct Played {
    std::array<std::vector<std::string>, 2> goals;
    int ballx, bally;
    std::string commentary;
    int sub0, sub1;
};

Played playMatch(std::uint64_t seed) {
    test::Scratch scratch;
    auto world = scratch.world(seed);
    newgame(*world);
    Tgame game(*world, 0, 12, homeside(*world));
    playThrough(game);
    return {game.goallist,        game.ball.x,         game.ball.y,
            game.kick.commentary, game.sublog[0].slot, game.sublog[1].slot};
}

TEST(ClubMatch, OneSeedPlaysTheSameMatchTwice) {
    const Played a = playMatch(5), b = playMatch(5);
    EXPECT_EQ(a.goals, b.goals);
    EXPECT_EQ(a.ballx, b.ballx);
    EXPECT_EQ(a.bally, b.bally);
    EXPECT_EQ(a.commentary, b.commentary);
    EXPECT_EQ(a.sub0, b.sub0);
    EXPECT_EQ(a.sub1, b.sub1);
    const Played c = playMatch(6);
    EXPECT_FALSE(a.goals == c.goals && a.ballx == c.ballx && a.bally == c.bally);
}

// Club 3 with a known shape: defenders in slots 1..8 (the most advanced in
// slot 8), forwards in 9 and 10 (the deepest in 9), a forward and a centre
// back on the bench.
struct SubFixture : ::testing::Test {
    test::Scratch scratch;
    std::unique_ptr<World> world = scratch.world(2);
    Tteam* club = nullptr;

    SubFixture() {
        newgame(*world);
        club = &world->team(3);
        for (int i = 1; i <= 8; ++i) {
            club->getplayer(i).at = i <= 4 ? 1 : 2;
            club->position[i] = {100 + 10 * i, 40 * i};
        }
        for (int i = 9; i <= 10; ++i) {
            club->getplayer(i).at = 6;
            club->position[i] = {200 + 10 * i, 40 * i};
        }
        club->getplayer(11).at = 6;
        club->getplayer(12).at = 1;
    }
    // A match of club 3 against club 4 with the given score, at the given clock.
    std::unique_ptr<Tgame> at(int own, int theirs, int clock) {
        auto game = std::make_unique<Tgame>(*world, 3, 4, homeside(*world));
        for (int g = 0; g < own; ++g) game->goallist[0].push_back("0000");
        for (int g = 0; g < theirs; ++g) game->goallist[1].push_back("0000");
        game->clock = clock;
        return game;
    }
    bool substitutes(int own, int theirs, int clock) {
        auto game = at(own, theirs, clock);
        game->autosub(0);
        return game->sublog[0].slot >= 0;
    }
};

TEST_F(SubFixture, TheClockAndTheScoreDecideWhenASideChangesAMan) {
    EXPECT_TRUE(substitutes(0, 2, 0));  // two down: at once
    EXPECT_FALSE(substitutes(0, 1, 3600));
    EXPECT_TRUE(substitutes(0, 1, 3601));
    EXPECT_FALSE(substitutes(1, 1, 4500));
    EXPECT_TRUE(substitutes(1, 1, 4501));
    EXPECT_FALSE(substitutes(1, 0, 4800));
    EXPECT_TRUE(substitutes(1, 0, 4801));
    EXPECT_FALSE(substitutes(2, 0, 4200));
    EXPECT_TRUE(substitutes(2, 0, 4201));
    EXPECT_FALSE(substitutes(3, 0, 5400));  // three up or down: never
    EXPECT_FALSE(substitutes(0, 3, 5400));
}

TEST_F(SubFixture, BehindAForwardReplacesTheMostAdvancedDefender) {
    auto game = at(0, 1, 4000);
    const Tplayer& in = club->getplayer(11);
    const int rating = in.rating, games = in.games;
    const Point spot{game->men[0][8].basex, game->men[0][8].basey};
    game->autosub(0);
    EXPECT_EQ(game->sublog[0].slot, 8);
    EXPECT_EQ(game->sublog[0].index, 11);
    const auto m = game->men[0][8];
    EXPECT_EQ(m.name, in.name);
    EXPECT_EQ(m.role, 6);
    EXPECT_EQ(m.stun, 50);
    EXPECT_EQ(m.x, 320);
    EXPECT_EQ(m.fy, 480);
    EXPECT_EQ(m.basex, spot.x);
    EXPECT_EQ(m.basey, spot.y);
    EXPECT_EQ(in.rating, rating + 1);
    EXPECT_EQ(in.games, games + 1);
    // One change a match.
    game->clock = 5000;
    game->goallist[1].push_back("0000");
    game->autosub(0);
    EXPECT_EQ(game->sublog[0].slot, 8);
}

TEST_F(SubFixture, AheadADefenderReplacesTheDeepestForward) {
    auto game = at(1, 0, 5000);
    game->autosub(0);
    EXPECT_EQ(game->sublog[0].slot, 9);
    EXPECT_EQ(game->sublog[0].index, 12);
}

TEST_F(SubFixture, TheBenchDecidesWhoCanComeOn) {
    auto game = at(1, 0, 5000);
    club->getplayer(12).at = 3;  // an "OV" is no defender to bring on
    EXPECT_EQ(game->subchoose(0, Subkind::defender).index, 0);
    club->getplayer(11).at = 0;  // but a goalkeeper is the lowest type there is
    EXPECT_EQ(game->subchoose(0, Subkind::defender).index, 11);
    club->getplayer(11).at = 5;
    club->getplayer(12).at = 5;  // of equal forwards the later one comes on
    EXPECT_EQ(game->subchoose(0, Subkind::attacker).index, 12);
    // Without forwards in the line-up a defender has nobody to replace.
    for (int i = 9; i <= 10; ++i) club->getplayer(i).at = 1;
    club->getplayer(12).at = 1;
    EXPECT_EQ(game->subchoose(0, Subkind::defender).index, 0);
    // A squad of eleven has no bench.
    while (club->playerhigh() > 10) club->playerremove(club->playerhigh());
    game->goallist[1].push_back("0000");
    game->goallist[1].push_back("0000");
    game->goallist[1].push_back("0000");
    game->autosub(0);
    EXPECT_EQ(game->sublog[0].slot, -1);
}

TEST_F(SubFixture, AfterTheMatchTheBenchIsBookedAndTheGoalFilesWritten) {
    Tplayer& on = club->getplayer(11);
    Tplayer& sat = club->getplayer(12);
    on.formdelta = 0;
    sat.form = 4;
    sat.mood = 60;
    {
        auto game = at(0, 1, 4000);
        game->autosub(0);  // the forward comes on
        game->sublog[0].slot = 8;
        game->kick.last = {0, 8};
        game->kick.prev = {0, 3};
        game->clock = 4700;
        game->goalrecord(0);  // he scores: 1-1
        EXPECT_EQ(game->goallist[0].back(), "781103");
        EXPECT_EQ(game->scorertext, "12" + on.name);
        EXPECT_EQ(on.formdelta, 1);
        game->finish();
    }
    EXPECT_EQ(on.formdelta, 1 + 1);  // a forward who came on in a draw: +1
    EXPECT_EQ(sat.form, 3);          // sitting out: form toward 0
    EXPECT_LE(sat.mood, 60);
    EXPECT_GE(sat.mood, 60 - 4);
    const auto goal0 = readLines(scratch.path("data/tmp/goal0"));
    const auto goal1 = readLines(scratch.path("data/tmp/goal1"));
    ASSERT_EQ(goal0.size(), 1u);
    EXPECT_EQ(goal0[0], "781103");
    EXPECT_EQ(goal1.size(), 1u);
}

TEST_F(SubFixture, ASubstituteIsBookedByWinDrawOrLoss) {
    const struct {
        int own, theirs, at, delta;
    } cases[] = {{2, 1, 6, 3}, {1, 1, 6, 1}, {0, 1, 6, -1}, {2, 1, 1, 1}, {1, 1, 1, -1}, {0, 1, 1, -3}};
    for (const auto& c : cases) {
        club->getplayer(11).at = c.at;
        club->getplayer(11).formdelta = 0;
        auto game = at(c.own, c.theirs, 0);
        game->substitute(0, 5, 11);
        game->finish();
        EXPECT_EQ(club->getplayer(11).formdelta, c.delta) << c.own << "-" << c.theirs << " at " << c.at;
    }
}

}  // namespace
}  // namespace vm
