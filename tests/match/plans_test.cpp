// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways of giving a side its orders for a tick (man by man, and with
// AVX2 for the whole side at once) must give every man the same order, and
// leave the same flags and aim, on any position: sides scattered on and off
// the pitch, every position type, stunned men, balls anywhere.
#include <gtest/gtest.h>

#include "match/scans.h"
#include "match/tatk.h"
#include "match/tdf.h"
#include "match/tgame.h"
#include "match/walks.h"
#include "sides.h"
#include "util/random.h"

namespace vm {
namespace {

struct Scatter {
    Rng rng{2024};

    int between(int lo, int hi) { return lo + rng.Random(hi - lo + 1); }

    // A side on random spots, a few men off the pitch, a few stunned (the
    // count of a man just released may be negative in a hand-made side).
    Tmteam side(int goalx) {
        Tmteam t;
        for (int i = 0; i < 11; ++i) {
            t[i] = test::man(between(-15, 655), between(-15, 495), i == 0 ? 0 : between(0, 6));
            t[i].basex = between(20, 620);
            t[i].basey = between(20, 460);
            t[i].speed = between(50, 95) / 100.0;
            const int stun = rng.Random(6);
            t[i].stun = stun == 0 ? between(1, 45) : stun == 1 ? -between(1, 3) : 0;
            if (rng.Random(40) == 0) t[i].role = rng.Random(2) == 0 ? 7 : -1;  // a type no rule knows
        }
        t[0].basex = goalx;
        t[0].basey = 240;
        // Some ticks the men crowd the ball.
        if (rng.Random(4) == 0) {
            for (int i = 1; i < 11; ++i) place(t[i], between(300, 320), between(230, 250));
        }
        return t;
    }

    ballstate ball() {
        ballstate b;
        b.x = between(-5, 645);
        b.y = between(-5, 485);
        b.fx = b.x;
        b.fy = b.y;
        return b;
    }

    // One position: a side defending `goal`, its opponents and the ball.
    struct Position {
        int goal;
        Tmteam own, opp;
        ballstate ball;
    };
    Position position() {
        const int goal = rng.Random(2) == 0 ? 0 : 640;
        return {goal, side(goal), side(640 - goal), ball()};
    }
};

// The men after the orders of the baseline way, walked one by one.
template <class Rules>
Tmteam movedOneByOne(Rules rules, Tmteam own, const Tmteam& opp) {
    Walks walks;
    rules.planBaseline(own, opp, walks);
    walkways::oneByOne(walks, own);
    return own;
}

void expectSameMen(const Tmteam& a, const Tmteam& b, int round) {
    for (int i = 0; i < 11; ++i) {
        ASSERT_EQ(a[i].fx, b[i].fx) << "round " << round << " man " << i;
        ASSERT_EQ(a[i].fy, b[i].fy) << "round " << round << " man " << i;
        ASSERT_EQ(a[i].x, b[i].x) << "round " << round << " man " << i;
        ASSERT_EQ(a[i].y, b[i].y) << "round " << round << " man " << i;
    }
}

// Both ways gave every man with an order the same target and step.
void expectSameOrders(const Walks& a, const Walks& b, int round) {
    ASSERT_EQ(a.ordered, b.ordered) << "round " << round;
    for (int i = 0; i < 11; ++i) {
        if ((a.ordered >> i & 1) == 0) continue;
        ASSERT_EQ(a.tx[i], b.tx[i]) << "round " << round << " man " << i;
        ASSERT_EQ(a.ty[i], b.ty[i]) << "round " << round << " man " << i;
    }
}

TEST(Plans, TheSparePlacesOfASideStayFarAndStillThroughAMatch) {
    // The lanes read whole vectors of each field; the places past the eleven
    // must never come near the pitch, walk or count as men.
    Rng rng(12);
    Tgame game(rng, test::side442(), test::sideAway(400, 300));
    for (int counter = 4; counter <= 54000; counter += 4) game.gamestep(counter);
    for (const Tmteam& side : game.men) {
        for (int i = 11; i < 16; ++i) {
            EXPECT_EQ(side.x[i], Tmteam::kFar) << i;
            EXPECT_EQ(side.y[i], Tmteam::kFar) << i;
            EXPECT_EQ(side.basex[i], Tmteam::kFar) << i;
            EXPECT_EQ(side.basey[i], Tmteam::kFar) << i;
            EXPECT_EQ(side.role[i], 0) << i;
            EXPECT_EQ(side.stun[i], 0) << i;
        }
        EXPECT_EQ(side.fx[11], Tmteam::kFar);
        EXPECT_EQ(side.fy[11], Tmteam::kFar);
        EXPECT_EQ(side.speed[11], 0);
    }
}

TEST(Plans, AManSeenInPlaceReadsAndWritesTheSidesFields) {
    Tmteam side = test::sideAway(100, 200);
    Tman m = test::man(300, 250, 4);
    m.name = "ヴェルモーラ";
    m.stun = 7;
    side[5] = m;
    EXPECT_EQ(side.x[5], 300);
    EXPECT_EQ(side.role[5], 4);
    EXPECT_EQ(side.name[5], "ヴェルモーラ");
    side[6] = side[5];
    auto six = side[6];
    toward(six, 300, 260, 2.0);
    settle(six);
    EXPECT_EQ(side.fy[6], 252.0);
    EXPECT_EQ(side.y[6], 252);
    EXPECT_EQ(side.stun[6], 7);
    const Tman copy(side[6]);
    EXPECT_EQ(copy.name, "ヴェルモーラ");
    EXPECT_EQ(copy.y, 252);
    EXPECT_EQ(side.x[5], 300);  // the first man stayed where he was
    EXPECT_EQ(side.y[5], 250);
}

TEST(Plans, BothWaysOfAttackingGiveTheSameOrdersFlagsAndAim) {
    if (!scans::haveAvx2()) GTEST_SKIP() << "this processor has no AVX2";
    Scatter s;
    for (int round = 0; round < 4000; ++round) {
        const Scatter::Position p = s.position();
        Tatk one({p.ball.x, p.ball.y}), all({p.ball.x, p.ball.y});
        for (int i = 0; i < 11; ++i) one.free[i] = all.free[i] = s.rng.Random(5) != 0;
        one.aim = all.aim = {s.between(0, 640), s.between(0, 480)};
        // Moving the side takes the AVX2 way here.
        Tmteam moved = p.own;
        Tatk(all).atkmove(moved, p.opp);
        expectSameMen(moved, movedOneByOne(one, p.own, p.opp), round);
        // The object is run a few times, as the tactics preview runs it.
        for (int run = 0; run < 3; ++run) {
            Walks a, c;
            one.planBaseline(p.own, p.opp, a);
            all.planAvx2(p.own, p.opp, c);
            expectSameOrders(a, c, round);
            ASSERT_EQ(one.free, all.free) << "round " << round;
            ASSERT_EQ(one.aim, all.aim) << "round " << round;
        }
    }
}

TEST(Plans, BothWaysOfDefendingGiveTheSameOrdersAndFlags) {
    if (!scans::haveAvx2()) GTEST_SKIP() << "this processor has no AVX2";
    Scatter s;
    for (int round = 0; round < 4000; ++round) {
        const Scatter::Position p = s.position();
        // The flight's forecast: near the goal or anywhere.
        const Point forecast = s.rng.Random(3) == 0 ? Point{p.goal + s.between(-60, 60), s.between(150, 330)}
                                                    : Point{s.between(0, 640), s.between(0, 480)};
        Tdf one(p.ball, forecast), all(p.ball, forecast);
        Tmteam moved = p.own;
        Tdf(p.ball, forecast).dfmove(moved, p.opp);
        expectSameMen(moved, movedOneByOne(one, p.own, p.opp), round);
        Walks a, c;
        one.planBaseline(p.own, p.opp, a);
        all.planAvx2(p.own, p.opp, c);
        expectSameOrders(a, c, round);
        ASSERT_EQ(one.free, all.free) << "round " << round;
    }
}

}  // namespace
}  // namespace vm
