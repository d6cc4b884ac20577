// SPDX-License-Identifier: GPL-3.0-or-later
// The match's rules at the edges of the pitch and at a goal: kick-off, goal,
// post and bar, goal kick and corner, throw-in, the goal lines with own goals
// and assists, and body contests.
#include <gtest/gtest.h>

#include <cmath>

#include "match/tgame.h"
#include "sides.h"

namespace vm {
namespace {

using test::man;
using test::side442;

struct RulesFixture : ::testing::Test {
    Rng rng{3};
    Tgame game{rng, side442(), side442()};

    void ballAt(int x, int y, double z = 0, double speed = 2.0) {
        game.ball = ballstate{};
        game.ball.x = x;
        game.ball.y = y;
        game.ball.fx = x;
        game.ball.fy = y;
        game.ball.z = z;
        game.ball.speed = speed;
    }
};

TEST_F(RulesFixture, KickOffStartsFromTheExactSpotWithSideOneMirrored) {
    EXPECT_EQ(game.ball.x, 319);
    EXPECT_EQ(game.ball.y, 239);
    EXPECT_EQ(game.ball.fx, 315.0);
    EXPECT_EQ(game.ball.fy, 235.0);
    EXPECT_DOUBLE_EQ(std::abs(game.ball.angle), kPi / 2);
    EXPECT_EQ(game.men[0][0].basex, 0);
    EXPECT_EQ(game.men[0][0].x, 25);  // the keeper keeps his loaded position
    EXPECT_EQ(game.men[1][0].basex, 640);
    EXPECT_EQ(game.men[1][9].basex, 350);
    EXPECT_EQ(game.men[1][9].basey, 276);
    EXPECT_EQ(game.men[1][9].x, 350);
    EXPECT_EQ(game.mode, (std::array<int, 2>{1, 1}));
    EXPECT_EQ(game.sublog[0].slot, -1);
    EXPECT_EQ(game.kick.commentary, "試合開始");

    game.gamestep(4);
    EXPECT_EQ(game.ball.x, 315);  // the first step rounds from the exact position
    EXPECT_EQ(std::abs(game.ball.y - 235), 2);
    EXPECT_EQ(game.clock, 0);
    game.gamestep(54000);
    EXPECT_EQ(game.clock, 5400);
    EXPECT_EQ(game.minute(), 90);
    game.gamestep(60000);
    EXPECT_EQ(game.minute(), 90);
}

// What happens to a ball that reaches the right goal line at (y, z).
enum Outcome { goal, post, out };
Outcome atGoalLine(int y, double z) {
    Rng rng(5);
    Tgame game(rng, side442(), side442());
    game.kick.last = {1, 4};  // a defender touched it last: out would be a corner
    game.ball.x = 632;
    game.ball.y = y;
    game.ball.fx = 632;
    game.ball.fy = y;
    game.ball.z = z;
    game.ball.speed = 0.5;
    game.ballcheck();
    if (game.goals(0) == 1) return goal;
    if (game.ball.postflag) return post;
    return out;
}

TEST(GoalLine, PostsBarAndGoalMouthAreWhereTheyShouldBe) {
    EXPECT_EQ(atGoalLine(240, 13.4), goal);
    EXPECT_EQ(atGoalLine(240, 13.5), post);  // the bar
    EXPECT_EQ(atGoalLine(216, 14.5), post);
    EXPECT_EQ(atGoalLine(264, 13.5), post);
    EXPECT_EQ(atGoalLine(215, 13.5), out);  // over, beside the bar
    EXPECT_EQ(atGoalLine(240, 14.6), out);  // over the bar
    EXPECT_EQ(atGoalLine(212, 0), post);
    EXPECT_EQ(atGoalLine(210, 0), post);
    EXPECT_EQ(atGoalLine(213, 0), goal);
    EXPECT_EQ(atGoalLine(267, 0), goal);
    EXPECT_EQ(atGoalLine(268, 0), post);
    EXPECT_EQ(atGoalLine(270, 0), post);
    EXPECT_EQ(atGoalLine(209, 0), out);
    EXPECT_EQ(atGoalLine(271, 0), out);
}

TEST_F(RulesFixture, TheGoalLinesLieAtXAbove630AndAtMost9) {
    ballAt(630, 240);
    game.ballcheck();
    ballAt(10, 240);
    game.ballcheck();
    EXPECT_EQ(game.goals(0) + game.goals(1), 0);
    ballAt(9, 240);
    game.kick.last = {1, 9};
    game.ballcheck();
    EXPECT_EQ(game.goals(1), 1);
}

TEST_F(RulesFixture, APostSendsTheBallBackMirrored) {
    ballAt(632, 212, 0, 0.3);
    game.ball.angle = 0.4;
    game.ballcheck();
    EXPECT_TRUE(game.ball.postflag);
    EXPECT_DOUBLE_EQ(game.ball.speed, 0.8);
    EXPECT_DOUBLE_EQ(game.ball.angle, kPi - 0.4);
}

TEST_F(RulesFixture, AGoalRestartsFromTheCentreTowardTheConcedingGoal) {
    game.kick.last = {0, 9};
    game.kick.prev = {0, 6};
    game.men[0][9].stun = 20;
    game.men[1][3].fx = 500;
    game.mode = {2, 1};
    ballAt(633, 240);
    game.ballcheck();
    ASSERT_EQ(game.goals(0), 1);
    EXPECT_EQ(game.celebration, 70);
    EXPECT_EQ(game.ball.x, 319);
    EXPECT_EQ(game.ball.fx, 319);
    EXPECT_DOUBLE_EQ(game.ball.angle, 0);  // toward x 640
    EXPECT_DOUBLE_EQ(game.ball.speed, 2.0);
    EXPECT_EQ(game.mode, (std::array<int, 2>{1, 1}));
    EXPECT_EQ(game.kick.last, ManRef{});
    EXPECT_EQ(game.kick.prev, ManRef{});
    EXPECT_EQ(game.men[0][9].stun, 0);
    EXPECT_EQ(game.men[1][3].fx, game.men[1][3].basex);
}

TEST_F(RulesFixture, TheLastTouchDecidesBetweenGoalKickAndCorner) {
    // Side 0 attacked and touched it last: goal kick, modes kept.
    game.kick.last = {0, 9};
    game.mode = {2, 1};
    game.men[0][9].fx = 600;
    ballAt(633, 100);
    game.ballcheck();
    EXPECT_EQ(game.ball.x, 620);
    EXPECT_EQ(game.ball.y, 240);
    EXPECT_EQ(game.ball.speed, 0);
    EXPECT_EQ(game.mode, (std::array<int, 2>{2, 1}));
    EXPECT_EQ(game.men[0][9].fx, 290);

    // A defender touched it last: corner on the side where it crossed.
    game.kick.last = {1, 2};
    ballAt(633, 100);
    game.ballcheck();
    EXPECT_EQ(game.ball.x, 620);
    EXPECT_EQ(game.ball.y, 10);
    EXPECT_EQ(game.mode, (std::array<int, 2>{1, 1}));
    int onball = 0;
    for (const auto m : game.men[0]) onball += m.x == 620 && m.y == 10;
    EXPECT_EQ(onball, 1);

    ballAt(633, 400);
    game.ballcheck();
    EXPECT_EQ(game.ball.y, 470);
}

TEST_F(RulesFixture, AThrowInComesFromTheTouchLineWhereTheBallLeft) {
    const Tmteam before = game.men[0];
    game.mode = {2, 1};
    ballAt(300, 9);
    game.ballcheck();  // nobody has played it: the men stay put
    EXPECT_EQ(game.ball.y, 10);
    EXPECT_EQ(game.ball.speed, 0);
    EXPECT_EQ(game.mode, (std::array<int, 2>{1, 1}));
    for (int i = 0; i < 11; ++i) EXPECT_EQ(game.men[0][i].x, before[i].x);

    ballAt(300, 10);
    game.ballcheck();
    EXPECT_EQ(game.ball.speed, 2.0);  // still in play
    ballAt(300, 470);
    game.ballcheck();
    EXPECT_EQ(game.ball.speed, 2.0);

    // Side 0 played it out: side 1 takes the throw and its nearest man goes to the ball.
    game.kick.last = {0, 4};
    ballAt(300, 471);
    game.ballcheck();
    EXPECT_EQ(game.ball.y, 470);
    int onball = 0;
    for (const auto m : game.men[1]) onball += m.x == 300 && m.y == 470;
    EXPECT_EQ(onball, 1);
    // Side 0's men shift with the ball: half its x offset, a quarter of its y offset.
    EXPECT_EQ(game.men[0][9].x, 290 + (300 - 320) / 2);
    EXPECT_EQ(game.men[0][9].y, 204 + (470 - 240) / 4);
}

TEST_F(RulesFixture, AGoalLineNamesScorerAndAssistantBySlot) {
    game.clock = 65 * 60 + 59;
    game.kick.last = {0, 9};
    game.kick.prev = {0, 5};
    game.men[0][9].name = "山田　太郎";
    game.men[0][5].name = "鈴木　一郎";
    game.goalrecord(0);
    EXPECT_EQ(game.goallist[0].back(), "650905");
    EXPECT_EQ(game.scorertext, "10山田　太郎");
    EXPECT_EQ(game.kick.commentary, "06鈴木　一郎のアシストから10山田　太郎が決めた");
}

TEST_F(RulesFixture, AnOwnGoalIsNinetyNineAndKeepsTheCommentary) {
    game.clock = 300;
    game.kick.commentary = "04選手はシュート";
    game.kick.last = {1, 3};
    game.kick.prev = {0, 9};
    game.mode = {1, 2};  // the conceding side had the ball
    game.goalrecord(0);
    EXPECT_EQ(game.goallist[0].back(), "0599");
    EXPECT_EQ(game.scorertext, "Own Goal");
    EXPECT_EQ(game.kick.commentary, "04選手はシュート");
}

TEST_F(RulesFixture, ADeflectionByADefenderCreditsTheScorersSideWithoutAssist) {
    game.kick.last = {1, 3};
    game.kick.prev = {0, 9};
    game.mode = {2, 1};
    game.goalrecord(0);
    EXPECT_EQ(game.goallist[0].back(), "0009");
    EXPECT_EQ(game.kick.commentary, "10選手が決めた");
}

TEST_F(RulesFixture, AGoalOffTheConcedingSideAloneIsAnOwnGoal) {
    // Nobody of the scoring side had the ball before: there is nobody to credit.
    game.kick.last = {1, 3};
    game.kick.prev = {1, 5};
    game.mode = {1, 1};
    game.goalrecord(0);
    EXPECT_EQ(game.goallist[0].back(), "0099");
    game.kick.last = {1, 3};
    game.kick.prev = {};
    game.goalrecord(0);
    EXPECT_EQ(game.goallist[0].back(), "0099");
}

TEST_F(RulesFixture, ASubstituteIsWrittenWithHisRosterIndex) {
    game.sublog[1] = {7, 12};
    game.kick.last = {1, 7};
    game.kick.prev = {1, 2};
    game.clock = 80 * 60;
    game.goalrecord(1);
    EXPECT_EQ(game.goallist[1].back(), "801202");
    EXPECT_EQ(game.scorertext, "13選手");
    EXPECT_EQ(game.celebration, 71);
    // ... and as assistant.
    game.kick.last = {1, 2};
    game.kick.prev = {1, 7};
    game.goalrecord(1);
    EXPECT_EQ(game.goallist[1].back(), "800212");
}

TEST_F(RulesFixture, TheLoserOfABodyContestIsStunnedUnlessHeIsTheKeeper) {
    // Two clear contests won by side 0's far stronger men, one against an
    // outfield man and one against the goalkeeper.
    game.men[0][5] = man(300, 300);
    game.men[0][5].power = 1000;
    game.men[1][5] = man(303, 302);
    game.men[1][5].power = 1;
    game.men[0][6] = man(100, 100);
    game.men[0][6].power = 1000;
    game.men[1][0] = man(102, 101, 0);
    game.men[1][0].power = 1;
    game.bodycheck();
    EXPECT_EQ(game.men[1][5].stun, 44);  // 45, less the tick's recovery
    EXPECT_EQ(game.men[0][5].stun, 0);
    EXPECT_EQ(game.men[1][0].stun, 0);
    EXPECT_EQ(game.men[0][6].stun, 0);
    // A clear loser is pushed away from the winner.
    EXPECT_GT(game.men[1][5].fx, 303);
    EXPECT_GT(game.men[1][0].fx, 102);
}

TEST_F(RulesFixture, EveryStunRunsDownByOneATickAndNoFurther) {
    // Nobody meets anybody: side 0 at the left, side 1 at the right. Counts
    // of every kind on both sides, a different one for each man.
    const std::array<int, 11> counts = {45, 1, 0, -1, 2, 0, 30, -7, 1, 3, 0};
    for (int s = 0; s < 2; ++s) {
        for (int i = 0; i < 11; ++i) {
            game.men[s][i] = man(40 + 20 * i + 300 * s, 100 + 10 * i);
            game.men[s][i].stun = counts[(i + 5 * s) % 11];
        }
    }
    EXPECT_FALSE(game.bodycheck());
    for (int s = 0; s < 2; ++s) {
        for (int i = 0; i < 11; ++i) {
            const int before = counts[(i + 5 * s) % 11];
            EXPECT_EQ(game.men[s][i].stun, before > 0 ? before - 1 : before) << "side " << s << " man " << i;
        }
        // The spare places stay unstunned.
        for (int i = Tmteam::kMen; i < 16; ++i) EXPECT_EQ(game.men[s].stun[i], 0);
    }
}

}  // namespace
}  // namespace vm
