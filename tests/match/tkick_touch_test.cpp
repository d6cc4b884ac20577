// SPDX-License-Identifier: GPL-3.0-or-later
// The ball's touches: who may play it, catches and the keeper's throw, the
// modes a touch hands back, possession, and the flight of a lofted kick.
#include <gtest/gtest.h>

#include "match/tkick.h"
#include "sides.h"

namespace vm {
namespace {

using test::man;
using test::sideAway;

struct KickFixture : ::testing::Test {
    Rng rng{7};
    Tkick kick{rng};
    Tmteam home = sideAway(40, 460);
    Tmteam away = sideAway(600, 460);
    ballstate ball;

    void putBall(int x, int y, double z = 0, double speed = 0) {
        ball = ballstate{};
        ball.x = x;
        ball.y = y;
        ball.fx = x;
        ball.fy = y;
        ball.z = z;
        ball.speed = speed;
    }
    void tick(std::array<int, 2>& modes) {
        kick.setup(home, away, ball);
        kick.ballstep(modes);
        ball = kick.ball;
    }
};

TEST_F(KickFixture, ABallAbove12AndAHalfCannotBeTouched) {
    home[5] = man(300, 240);
    putBall(300, 240, 12.6, 1.0);
    kick.setup(home, away, ball);
    kick.touchcheck();
    EXPECT_EQ(kick.event, touch::kNone);
    EXPECT_EQ(kick.toucher, ManRef{});
}

TEST_F(KickFixture, ABallOverAnOutfieldMansHeadMakesHimLastWithoutChangingItsCourse) {
    home[5] = man(300, 240);
    putBall(300, 240, 11.0, 2.0);
    ball.angle = 0.3;
    std::array<int, 2> modes{1, 1};
    tick(modes);
    EXPECT_EQ(kick.event, touch::kNone);
    EXPECT_EQ(kick.last, (ManRef{0, 5}));
    EXPECT_DOUBLE_EQ(ball.speed, 2.0);  // in the air: no friction
    EXPECT_DOUBLE_EQ(ball.angle, 0.3);
    EXPECT_EQ(modes, (std::array<int, 2>{1, 1}));
}

TEST_F(KickFixture, OnlyADefendingKeeperInHisAreaReachesAHighBall) {
    home[0] = man(30, 240, 0);
    home[0].basex = 0;
    putBall(30, 240, 11.0, 2.0);
    kick.setup(home, away, ball);
    kick.mode = {1, 1};
    kick.touchcheck();
    EXPECT_TRUE(kick.event == touch::caught(0) || kick.event == touch::parried(0));
    EXPECT_EQ(kick.ball.z, 0);

    // The same keeper while his side attacks lets it pass over.
    kick.setup(home, away, ball);
    kick.mode = {2, 1};
    kick.touchcheck();
    EXPECT_EQ(kick.event, touch::kNone);
    EXPECT_EQ(kick.toucher, (ManRef{0, 0}));
}

TEST_F(KickFixture, ACatchSendsBothSidesToRegroupUntilTheBallComesDownOnThe42ndTick) {
    home[0] = man(30, 240, 0);
    home[0].basex = 0;
    putBall(30, 240, 0, 0.3);  // slow enough that every touch stops it
    std::array<int, 2> modes{1, 2};
    tick(modes);
    ASSERT_EQ(kick.event, touch::caught(0));
    EXPECT_EQ(modes, (std::array<int, 2>{0, 0}));
    int ticks = 1;
    while (ball.z >= kUntouchable) {
        ASSERT_LT(ticks, 100);
        tick(modes);
        EXPECT_EQ(kick.event, touch::kNone);
        ++ticks;
    }
    EXPECT_EQ(ticks, 42);

    // The keeper, regrouping, gathers it as it drops and plays it forward:
    // the pass restarts play with both sides defending.
    home[9] = man(250, 240);
    int guard = 0;
    while (modes == (std::array<int, 2>{0, 0})) {
        ASSERT_LT(++guard, 100);
        tick(modes);
    }
    EXPECT_EQ(modes, (std::array<int, 2>{1, 1}));
    EXPECT_EQ(kick.last, (ManRef{0, 0}));
    EXPECT_GT(ball.speed, 0);
}

TEST_F(KickFixture, AKickerIsKeptOffHisOwnKickAndAStunnedManOffTheBall) {
    home[5] = man(300, 240);
    putBall(300, 240, 0, 2.0);
    kick.kicked = true;
    kick.last = {0, 5};
    kick.setup(home, away, ball);
    kick.touchcheck();
    EXPECT_EQ(kick.event, touch::kBlocked);

    kick.last = {0, 4};  // someone else's kick: he may play it
    kick.setup(home, away, ball);
    kick.touchcheck();
    EXPECT_NE(kick.event, touch::kBlocked);
    EXPECT_EQ(kick.toucher, (ManRef{0, 5}));

    home[5].stun = 3;
    kick.setup(home, away, ball);
    kick.touchcheck();
    EXPECT_EQ(kick.event, touch::kBlocked);
}

TEST_F(KickFixture, ControlByADefendingSideTurnsItToAttack) {
    away[4] = man(300, 240);
    putBall(300, 240, 0, 0.3);
    std::array<int, 2> modes{2, 1};
    tick(modes);
    ASSERT_EQ(kick.event, touch::controlled(1));
    EXPECT_EQ(modes, (std::array<int, 2>{1, 2}));
    EXPECT_EQ(ball.speed, 0);  // no kick on the tick he wins it
    EXPECT_EQ(kick.last, (ManRef{1, 4}));
}

TEST_F(KickFixture, ControlByTheAttackingSideLeadsToAKickAndKeepsTheModes) {
    away[4] = man(300, 240);
    putBall(300, 240, 0, 0.3);
    std::array<int, 2> modes{1, 2};
    tick(modes);
    ASSERT_EQ(kick.event, touch::controlled(1));
    EXPECT_EQ(modes, (std::array<int, 2>{1, 2}));
    EXPECT_EQ(kick.last, (ManRef{1, 4}));
    EXPECT_GT(ball.speed, 0);  // midfield: a pass or a dribble push
}

TEST_F(KickFixture, ADeflectionKeepsTheModesAndTurnsTheBall) {
    home[5] = man(300, 240);
    home[5].control = 1;  // Random(1) = 0: no pace taken off, turned by 3 degrees
    putBall(300, 240, 0, 2.5);
    std::array<int, 2> modes{1, 2};
    tick(modes);
    ASSERT_EQ(kick.event, touch::deflected(0));
    EXPECT_EQ(modes, (std::array<int, 2>{1, 2}));
    EXPECT_EQ(std::abs(kick.deviation), 3);
    EXPECT_NEAR(std::abs(ball.angle), radians(3), 1e-12);
    EXPECT_TRUE(kick.kicked);
    EXPECT_EQ(kick.last, (ManRef{0, 5}));
    // Moved 12 units along the new angle, then one tick of flight.
    EXPECT_NEAR(ball.fx, 300 + (12 + 2.5) * std::cos(radians(3)), 1e-9);
}

TEST_F(KickFixture, PossessionPassesOnAndKeepsTheManBefore) {
    kick.setup(home, away, ball);
    kick.toucher = {0, 3};
    kick.dribble = 2;
    kick.possession();
    EXPECT_EQ(kick.last, (ManRef{0, 3}));
    EXPECT_EQ(kick.prev, ManRef{});
    EXPECT_EQ(kick.dribble, 0);

    kick.toucher = {1, 7};
    kick.kicked = true;
    kick.possession();
    EXPECT_EQ(kick.last, (ManRef{1, 7}));
    EXPECT_EQ(kick.prev, (ManRef{0, 3}));
    EXPECT_FALSE(kick.kicked);

    // The same man again with the ball still moving: his kick stays his.
    kick.kicked = true;
    kick.ball.speed = 2;
    kick.possession();
    EXPECT_TRUE(kick.kicked);
    // Nobody touching it: last stays, but the kick no longer shields him.
    kick.toucher = {};
    kick.possession();
    EXPECT_EQ(kick.last, (ManRef{1, 7}));
    EXPECT_FALSE(kick.kicked);
}

TEST_F(KickFixture, ALoftedKickWithPowerOneHalfLandsOnItsTarget) {
    home[5] = man(100, 240);
    putBall(100, 240);
    kick.setup(home, away, ball);
    kick.setkicker(0, 5);
    for (int d : {60, 200, 400, 600}) {  // 600 needs more than the top speed of 3
        kick.ball = ball;
        kick.target = {100 + d, 240};
        kick.launch(1, 0.5, 30, 0);
        ASSERT_GT(kick.ball.vz, 0);
        const double speed = kick.ball.speed;
        int guard = 0;
        do {
            kick.flight();
            ASSERT_LT(++guard, 1000);
        } while (kick.ball.z > 0);
        // On the target, give or take the last tick or two of flight.
        EXPECT_NEAR(kick.ball.fx, 100 + d, 2 * speed + 0.1) << "distance " << d;
        EXPECT_EQ(kick.ball.y, 240);
    }
}

}  // namespace
}  // namespace vm
