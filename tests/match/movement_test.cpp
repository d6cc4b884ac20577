// SPDX-License-Identifier: GPL-3.0-or-later
// How the sides move: the walking step, the attacking side's role aims and
// chaser, and the defending side's recovery runs, ball winner, marking and
// goalkeeper.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "match/scans.h"
#include "match/tatk.h"
#include "match/tdf.h"
#include "sides.h"
#include "util/random.h"

namespace vm {
namespace {

using test::man;
using test::sideAway;

TEST(Walking, AManOnHisTargetStepsAlongPlusXAndKeepsCrossingIt) {
    Tman m = man(100, 200);
    toward(m, 100, 200, 0.75);
    EXPECT_DOUBLE_EQ(m.fx, 100.75);
    EXPECT_DOUBLE_EQ(m.fy, 200);
    toward(m, 100, 200, 0.75);
    EXPECT_DOUBLE_EQ(m.fx, 100);
    // A negative step moves away; a long one goes past the target.
    toward(m, 103, 204, -5);
    EXPECT_NEAR(m.fx, 97, 1e-12);
    EXPECT_NEAR(m.fy, 196, 1e-12);
    EXPECT_EQ(pointtoward({0, 0}, {3, 4}, 10), (Point{6, 8}));
    EXPECT_EQ(pointtoward({10, 10}, {10, 10}, 5), (Point{15, 10}));
    EXPECT_EQ(pointtoward({10, 10}, {20, 10}, -2.5), (Point{8, 10}));  // half to even
}

TEST(Walking, SquaresMeetWhenBothDifferencesAreSmallEnough) {
    const Tman a = man(100, 100);
    EXPECT_TRUE(menmeet(a, man(105, 95)));
    EXPECT_FALSE(menmeet(a, man(106, 100)));
    EXPECT_TRUE(meetsball(a, 103, 97));
    EXPECT_FALSE(meetsball(a, 104, 100));
    EXPECT_EQ(boxmeet(manbox(100, 100), manbox(105, 95)), menmeet(a, man(105, 95)));
    EXPECT_EQ(boxmeet(manbox(100, 100), ballbox(104, 100)), false);
}

// The attacking side 0 against an opposing keeper on x 630 (spot 640, 240).
struct AttackFixture : ::testing::Test {
    Tmteam own = test::side442();
    Tmteam opp = sideAway(600, 470);
    AttackFixture() {
        own[0].basex = 0;
        opp[0] = man(630, 240, 0);
        opp[0].basex = 640;
    }
    Point aim(int bx, int by, int role, int sx, int sy) const {
        return Tatk({bx, by}).roleaim(role, sx, sy, own[0].basex, opp[0]);
    }
};

TEST_F(AttackFixture, ACentreBackNeitherDropsBehindHisSpotNorCrossesHalfway) {
    EXPECT_EQ(aim(200, 300, 1, 120, 196), (Point{120, 226}));
    EXPECT_EQ(aim(600, 240, 1, 120, 196), (Point{320, 196}));
}

TEST_F(AttackFixture, ADefensiveMidfielderNearTheGoalGoesHalfwayToIt) {
    EXPECT_EQ(aim(400, 240, 2, 200, 120), (Point{520, 120}));
    EXPECT_EQ(aim(300, 240, 2, 200, 120), (Point{200, 120}));
}

TEST_F(AttackFixture, ASideManKeepsHisLineUntilTheBallIsNearTheGoal) {
    EXPECT_EQ(aim(400, 300, 5, 200, 360), (Point{460, 360}));
    EXPECT_EQ(aim(500, 300, 5, 200, 360), (Point{570, 300}));
}

TEST_F(AttackFixture, AimsDivideTowardZeroForTheSideAttackingLeft) {
    // Side 1 (own goal line 640) against a keeper with spot x 0.
    Tman keeper = man(10, 240, 0);
    keeper.basex = 0;
    const Tatk atk({401, 260});
    EXPECT_EQ(atk.roleaim(4, 440, 200, 640, keeper), (Point{301, 210}));
    EXPECT_EQ(atk.roleaim(6, 350, 276, 640, keeper), (Point{201, 286}));
}

TEST_F(AttackFixture, OneChaserGoesToTheBallAndAStunnedManStandsStill) {
    own[9] = man(400, 240, 6);
    own[10] = man(410, 250, 6);
    own[10].stun = 5;
    Tatk atk({412, 250});
    atk.atkmove(own, opp);
    EXPECT_EQ(own[10].fx, 410);  // nearest, but stunned
    EXPECT_EQ(own[10].fy, 250);
    EXPECT_NEAR(own[9].fx, 400 + 0.75 * 12 / std::hypot(12, 10), 1e-9);
    EXPECT_FALSE(atk.free[9]);
    EXPECT_TRUE(atk.free[10]);
}

TEST_F(AttackFixture, AKeeperNearestTheBallChasesIt) {
    own[0] = man(30, 240, 0);
    own[0].basex = 0;
    Tatk atk({40, 240});
    atk.atkmove(own, opp);
    EXPECT_FALSE(atk.free[0]);
    EXPECT_DOUBLE_EQ(own[0].fx, 30.75);
}

TEST_F(AttackFixture, AnObjectRunAgainLeavesItsEarlierChasersWhereTheyAre) {
    Tatk atk({300, 240});
    atk.atkmove(own, opp);
    const int first = std::find(atk.free.begin(), atk.free.end(), false) - atk.free.begin();
    const double fx = own[first].fx, fy = own[first].fy;
    atk.atkmove(own, opp);
    EXPECT_EQ(own[first].fx, fx);
    EXPECT_EQ(own[first].fy, fy);
    EXPECT_EQ(std::count(atk.free.begin(), atk.free.end(), false), 2);
    for (int run = 0; run < 9; ++run) atk.atkmove(own, opp);
    // Everyone has been placed: the object moves nobody any more.
    const Tmteam before = own;
    atk.atkmove(own, opp);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(own[i].fx, before[i].fx);
}

// The defending side 0 (goal line x 0): keeper at (25, 240), nine men in a
// stack at (100, 240) and man 9 alone; the opponents wait beside the keeper,
// so that he is their nearest man.
struct DefendFixture : ::testing::Test {
    Tmteam own = sideAway(100, 240);
    Tmteam opp = sideAway(20, 250);
    DefendFixture() {
        own[0] = man(25, 240, 0);
        own[0].basex = 0;
        own[9] = man(400, 100);
    }
    void defend(int bx, int by) {
        ballstate b;
        b.x = bx;
        b.y = by;
        b.fx = bx;
        b.fy = by;
        Tdf(b).dfmove(own, opp);
    }
};

TEST_F(DefendFixture, AManUpfieldOfTheBallRunsBackInsteadOfChasing) {
    own[9] = man(215, 240);
    defend(200, 240);
    EXPECT_DOUBLE_EQ(own[9].fx, 214.25);  // back toward x 165
    EXPECT_DOUBLE_EQ(own[1].fx, 100.75);  // the winner goes for the ball
    EXPECT_DOUBLE_EQ(own[2].fx, 100.75);  // shape: toward x 150
}

TEST_F(DefendFixture, WithTheBallAtTheGoalEveryOutfieldManIsAvailable) {
    defend(40, 240);
    EXPECT_DOUBLE_EQ(own[9].fx, 400.75);  // shape: his spot shifted by 40 / 4
    defend(200, 240);
    EXPECT_DOUBLE_EQ(own[9].fx, 400);  // upfield now: back toward x 350
}

TEST_F(DefendFixture, TheNearestFreeManMarksAndTheKeeperMarksNobody) {
    own[2] = man(120, 300);
    opp[4] = man(120, 310);
    defend(40, 240);
    EXPECT_DOUBLE_EQ(own[2].fx, 120);
    EXPECT_DOUBLE_EQ(own[2].fy, 300.75);
    // The other opponents' nearest is the keeper: the rest keep the shape.
    EXPECT_DOUBLE_EQ(own[3].fy, 240);
    EXPECT_DOUBLE_EQ(own[3].fx, 100.75);
}

TEST_F(DefendFixture, AStunnedDefenderStandsStill) {
    own[1].stun = 10;
    defend(40, 240);
    EXPECT_EQ(own[1].fx, 100);
    EXPECT_DOUBLE_EQ(own[2].fx, 99.25);  // the winner is the next man
    EXPECT_DOUBLE_EQ(own[3].fx, 100.75);
}

TEST_F(DefendFixture, TheKeeperReadsTheBallsFlight) {
    // A shot from close in: he moves toward where it will be.
    ballstate b;
    b.x = 80;
    b.y = 240;
    b.fx = 80;
    b.fy = 240;
    b.speed = 2;
    b.angle = kPi / 2;  // rolling across the goal toward +y
    Tdf df(b);
    const Point f = df.forecast();
    EXPECT_EQ(f, (Point{80, 280}));
    df.dfmove(own, opp);
    EXPECT_GT(own[0].fy, 240);
    // Far away and not coming: one fifth of the way from his spot.
    own[0] = man(25, 240, 0);
    own[0].basex = 0;
    defend(500, 240);
    EXPECT_DOUBLE_EQ(own[0].fx, 25.75);
}

TEST_F(DefendFixture, TheKeeperReadsTheFlightWheneverItCouldBringTheBallNear) {
    // The match asks its running forecast only when the ball could come
    // within 100 of the goal; the keeper must still move exactly as the rule
    // says with the flight worked out every time. Balls at every distance,
    // pace and curl, rolling and flying, half of them struck at the goal.
    Rng rng(12);
    Lookahead lookahead;
    const Point g{0, 240};
    int comingNear = 0;
    for (int round = 0; round < 3000; ++round) {
        ballstate b;
        b.fx = rng.Random(640000) / 1000.0;
        b.fy = rng.Random(480000) / 1000.0;
        b.x = roundPitch(b.fx);
        b.y = roundPitch(b.fy);
        b.speed = rng.Random(9000) / 1000.0;
        b.angle = rng.Random(2) == 0 ? radians(rng.Random(360))
                                     : std::atan2(g.y - b.fy, g.x - b.fx) + radians(rng.Random(41) - 20);
        b.spin = rng.Random(3) == 0 ? radians(rng.Random(7) - 3) : 0;
        if (rng.Random(2) == 0) {
            b.z = rng.Random(10);
            b.vz = rng.Random(20) / 10.0;
        }
        // The keeper's rule with the flight worked out from scratch.
        const Point bp{b.x, b.y}, f = Tdf(b).forecast();
        Tman expected(own[0]);
        Point target = pointfifth(g, bp);
        if (distance2(g.x, g.y, bp.x, bp.y) < 100 * 100) {
            target = f;
        } else if (distance2(g.x, g.y, f.x, f.y) < 100 * 100) {
            target = {expected.x, f.y};
            ++comingNear;
        }
        toward(expected, target, expected.speed);
        settle(expected);

        Tmteam moved = own;
        Heading heading;
        Tdf(b, lookahead, heading).dfmove(moved, opp);
        ASSERT_EQ(moved[0].fx, expected.fx) << "round " << round;
        ASSERT_EQ(moved[0].fy, expected.fy) << "round " << round;
    }
    EXPECT_GT(comingNear, 100);  // balls coming at the goal from afar occur often
}

}  // namespace
}  // namespace vm

namespace vm {
namespace {

TEST(Walking, PitchRoundingTakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(roundPitch(2.5), 2);
    EXPECT_EQ(roundPitch(3.5), 4);
    EXPECT_EQ(roundPitch(-2.5), -2);
    EXPECT_EQ(roundPitch(-0.5), 0);
    EXPECT_EQ(roundPitch(0.49999999999999994), 0);
    EXPECT_EQ(roundPitch(630.5000000001), 631);
    EXPECT_EQ(roundPitch(-7.2), -7);
}

TEST(Walking, AFifthOfTheWayIsTheSamePointAsAlongTheLine) {
    // Every difference a ball and a goal can have, and more: the whole-number
    // fifths agree with the point a fifth of the distance along the line.
    const Point goals[] = {{0, 240}, {640, 240}, {37, 11}};
    for (const Point g : goals) {
        for (int dx = -900; dx <= 900; dx += 1) {
            for (int dy = -700; dy <= 700; dy += 7) {
                const Point b{g.x + dx, g.y + dy};
                ASSERT_EQ(pointfifth(g, b), pointtoward(g, b, distance(g, b) / 5)) << dx << "," << dy;
            }
        }
    }
    EXPECT_EQ(pointfifth({0, 240}, {8, 233}), (Point{2, 239}));  // 1.6 and -1.4
    EXPECT_EQ(pointfifth({5, 5}, {5, 5}), (Point{5, 5}));
}

TEST(Marking, TheNearestManOfEveryOpponentIsTheFirstOfTheNearest) {
    Rng rng(9);
    for (int round = 0; round < 200; ++round) {
        Tmteam own, opp;
        for (int i = 0; i < 11; ++i) {
            // A coarse grid, so that equal distances are common.
            own[i].x = 10 + 20 * rng.Random(32);
            own[i].y = 10 + 20 * rng.Random(24);
            opp[i].x = 10 + 20 * rng.Random(32);
            opp[i].y = 10 + 20 * rng.Random(24);
        }
        const auto got = nearestmen(own, opp);
        for (int j = 1; j < 11; ++j) {
            int best = 0;
            for (int i = 1; i < 11; ++i) {
                if (distance(pos(own[i]), pos(opp[j])) < distance(pos(own[best]), pos(opp[j]))) best = i;
            }
            ASSERT_EQ(got[j - 1], best) << "round " << round << " opponent " << j;
        }
    }
}

}  // namespace
}  // namespace vm
