// SPDX-License-Identifier: GPL-3.0-or-later
// The man on the ball: which kicks the zones of the pitch allow, where shots,
// passes, through balls and crosses go, and how a dribble runs out.
#include <gtest/gtest.h>

#include <set>

#include "match/tkick.h"
#include "sides.h"

namespace vm {
namespace {

using test::man;
using test::sideAway;

struct ChoiceFixture : ::testing::Test {
    Rng rng{11};
    Tkick kick{rng};
    Tmteam home = sideAway(40, 460);
    Tmteam away = sideAway(600, 470);

    ChoiceFixture() {
        away[0] = man(630, 240, 0);
        away[0].basex = 640;  // the goal side 0 attacks
    }
    // Puts man 5 of side 0 on a dead ball at (x, y), ready to kick.
    void onBall(int x, int y) {
        home[5] = man(x, y);
        ballstate b;
        b.x = x;
        b.y = y;
        b.fx = x;
        b.fy = y;
        kick.setup(home, away, b);
        kick.setkicker(0, 5);
        kick.last = {0, 5};
    }
    std::set<Kickkind> kinds(int x, int y) {
        onBall(x, y);
        std::set<Kickkind> seen;
        for (int i = 0; i < 400; ++i) seen.insert(kick.kickchoice());
        return seen;
    }
};

using K = Kickkind;

TEST_F(ChoiceFixture, TheZonesOfThePitchDecideWhichKicksAreOpen) {
    // At the goal, in front of it: only the shot.
    EXPECT_EQ(kinds(600, 240), (std::set<K>{K::shot}));
    // Near the goal, wide: no pass.
    EXPECT_EQ(kinds(540, 380), (std::set<K>{K::dribble, K::cross, K::shot}));
    // Near the goal, central: no pass, no dribble, no cross.
    EXPECT_EQ(kinds(540, 300), (std::set<K>{K::shot}));
    // Midfield: no cross, no shot.
    EXPECT_EQ(kinds(300, 240), (std::set<K>{K::pass, K::dribble}));
    // Deep and wide: only the pass (no dribble, no cross; too wide to shoot).
    EXPECT_EQ(kinds(100, 400), (std::set<K>{K::pass}));
    // Attacking third, close to the touch line: everything but the shot.
    EXPECT_EQ(kinds(480, 410), (std::set<K>{K::pass, K::dribble, K::cross}));
}

TEST_F(ChoiceFixture, BetterSkillsWeighTheChoice) {
    onBall(480, 410);      // pass, dribble and cross open
    home[5].passerr = 20;  // a passer: weight 55 against 1 and 1
    kick.setkicker(0, 5);
    int passes = 0;
    for (int i = 0; i < 1000; ++i) passes += kick.kickchoice() == K::pass;
    EXPECT_GT(passes, 900);
}

TEST_F(ChoiceFixture, AShotGoesForTheHalfOfTheGoalAwayFromTheBall) {
    onBall(500, 240);
    home[5].shooterr = 2;  // no spread of the aim
    kick.setkicker(0, 5);
    kick.shootkick();
    EXPECT_EQ(kick.target, (Point{640, 265}));
    EXPECT_GT(kick.ball.speed, 0);
    EXPECT_TRUE(kick.kicked);
    EXPECT_EQ(kick.commentary, "06選手はシュート");

    onBall(500, 241);
    home[5].shooterr = 2;
    kick.setkicker(0, 5);
    kick.shootkick();
    EXPECT_EQ(kick.target, (Point{640, 215}));
}

TEST_F(ChoiceFixture, KicksNeedADeadBall) {
    onBall(500, 240);
    kick.ball.speed = 1.0;
    kick.shootkick();
    kick.throughball();
    kick.crosskick();
    EXPECT_EQ(kick.ball.speed, 1.0);
    EXPECT_EQ(kick.commentary, "試合開始");
}

TEST_F(ChoiceFixture, TheForwardPassFindsTheMostAdvancedFreeMan) {
    home[9] = man(450, 100);
    home[8] = man(350, 300);
    home[7] = man(250, 300);
    onBall(200, 240);
    // The most advanced man is watched closely; the next one is free.
    away[3] = man(480, 100);
    kick.setup(home, away, kick.ball);
    kick.setkicker(0, 5);
    const auto order = kick.sortbyx();
    EXPECT_EQ(order[10], 9);
    EXPECT_EQ(order[9], 8);
    kick.forwardpass();
    EXPECT_GT(kick.ball.speed, 0);
    // Aimed around the point man 8 reaches running at the goal line.
    const double lead = 0.75 * (distance(Point{350, 300}, Point{200, 240}) / 5);
    EXPECT_NEAR(kick.target.x, 350 + lead, 55 / 6 + 1);
    EXPECT_NEAR(kick.target.y, 300, 55 / 6 + 1);
}

TEST_F(ChoiceFixture, NoPassWhenEveryManIsCovered) {
    home[9] = man(450, 100);
    onBall(200, 240);
    // Opponents stand where each team-mate's run would take him: man 9 reaches
    // (493, 100), the men in the corner (81, 460).
    away[1] = man(493, 100);
    away[2] = man(81, 460);
    kick.setup(home, away, kick.ball);
    kick.setkicker(0, 5);
    kick.forwardpass();
    EXPECT_EQ(kick.ball.speed, 0);
    // The through ball goes to the most advanced man regardless, short of his run.
    kick.throughball();
    EXPECT_GT(kick.ball.speed, 0);
    EXPECT_GE(kick.target.x, 493 - 27);
    EXPECT_LE(kick.target.x, 493 - 27 + 13);
}

TEST_F(ChoiceFixture, ACrossLooksForTheManNearestTheGoal) {
    home[9] = man(565, 250);
    home[8] = man(580, 300);
    onBall(560, 420);
    kick.crosskick();
    EXPECT_GT(kick.ball.speed, 0);
    EXPECT_EQ(kick.commentary, "06選手はクロスを入れた");

    // Nobody within 120 of the goal: no cross.
    home[9] = man(300, 250);
    home[8] = man(300, 300);
    onBall(560, 420);
    kick.commentary = "";
    kick.crosskick();
    EXPECT_EQ(kick.ball.speed, 0);
    EXPECT_EQ(kick.commentary, "");
}

TEST_F(ChoiceFixture, ADribbleRunsItsPushesAndStopsNearTheGoal) {
    onBall(300, 240);
    kick.dribble = 2;
    kick.kickdecide();
    EXPECT_EQ(kick.dribble, 1);
    EXPECT_GT(kick.ball.speed, 0);
    EXPECT_EQ(kick.ball.spin, 0);  // a push never swerves

    onBall(560, 250);
    kick.dribble = 1;
    kick.kickdecide();
    EXPECT_EQ(kick.dribble, 0);
    EXPECT_EQ(kick.ball.speed, 0);
}

TEST_F(ChoiceFixture, AClearanceNeedsAnOpponentUpfieldAndTheBallDeep) {
    onBall(80, 300);
    kick.clearkick();
    EXPECT_EQ(kick.ball.speed, 0);  // every opponent is near his own goal

    away[6] = man(100, 100);  // 540 from his goal line
    onBall(80, 300);
    kick.clearkick();
    EXPECT_GT(kick.ball.speed, 0);
    EXPECT_EQ(kick.commentary, "06選手がクリア");
}

}  // namespace
}  // namespace vm
