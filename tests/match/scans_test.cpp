// SPDX-License-Identifier: GPL-3.0-or-later
// The all-men scans of a tick: every way of computing them (the baseline for
// every processor and the AVX2 one where the processor has it) agrees with a
// plain man-by-man reading of the rule, on crowded positions where ties and
// near misses are common and on men pushed off the pitch.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "match/geometry.h"
#include "match/menbits.h"
#include "match/scans.h"
#include "match/walks.h"
#include "sides.h"
#include "util/random.h"

namespace vm {
namespace {

using test::man;

// Men on a coarse grid in a small area, some off the pitch on every side.
Tmteam crowd(Rng& rng) {
    Tmteam t;
    for (auto m : t) m = man(-20 + 7 * rng.Random(100), -20 + 6 * rng.Random(90));
    return t;
}

TEST(Scans, TheNearestManIsTheFirstOfTheNearestInEveryWay) {
    Rng rng(21);
    for (int round = 0; round < 300; ++round) {
        const Tmteam own = crowd(rng), opp = crowd(rng);
        std::array<int, 10> expected;
        for (int j = 0; j < 10; ++j) {
            int best = 0;
            for (int i = 1; i < 11; ++i) {
                if (distance2(own[i].x, own[i].y, opp[j + 1].x, opp[j + 1].y) <
                    distance2(own[best].x, own[best].y, opp[j + 1].x, opp[j + 1].y))
                    best = i;
            }
            expected[j] = best;
        }
        ASSERT_EQ(scans::nearestmenBaseline(own, opp), expected) << "round " << round;
        if (scans::haveAvx2()) {
            ASSERT_EQ(scans::nearestmenAvx2(own, opp), expected) << "round " << round;
        }
        ASSERT_EQ(nearestmen(own, opp), expected);
    }
}

TEST(Scans, ContactIsFoundExactlyWhenTwoSquaresOverlap) {
    Rng rng(22);
    int contacts = 0;
    for (int round = 0; round < 400; ++round) {
        const Tmteam a = crowd(rng);
        Tmteam b = test::sideAway(-400, -400);
        // One man of b at a random offset from a random man of a: meeting
        // when both differences are below 6, so offsets of 5 and 6 decide.
        const auto target = a[rng.Random(11)];
        auto mover = b[rng.Random(11)];
        place(mover, target.x + rng.Random(15) - 7, target.y + rng.Random(15) - 7);
        unsigned expected = 0;
        for (int i = 0; i < 11; ++i) {
            for (const auto n : b) {
                if (std::abs(a[i].x - n.x) < 6 && std::abs(a[i].y - n.y) < 6) expected |= 1u << i;
            }
        }
        contacts += expected != 0;
        ASSERT_EQ(scans::meetersBaseline(a, b), expected) << "round " << round;
        if (scans::haveAvx2()) {
            ASSERT_EQ(scans::meetersAvx2(a, b), expected) << "round " << round;
        }
        ASSERT_EQ(meeters(a, b), expected);
        // Each way also finds every man of a crowd meeting his own neighbours.
        ASSERT_EQ(meeters(a, a), scans::meetersBaseline(a, a));
        ASSERT_EQ(meeters(a, a), 0x7ffu);  // everyone meets himself
    }
    // Both answers occur often enough to mean something.
    EXPECT_GT(contacts, 100);
    EXPECT_LT(contacts, 300);
}

TEST(Scans, InboxAndOffpitchReadEachManStrictlyInside) {
    Rng rng(23);
    for (int round = 0; round < 300; ++round) {
        const Tmteam t = crowd(rng);
        const int left = rng.Random(300) - 10, top = rng.Random(200) - 10;
        const int right = left + rng.Random(300), bottom = top + rng.Random(300);
        unsigned inside = 0, off = 0;
        for (int i = 0; i < 11; ++i) {
            const auto m = t[i];
            if (left < m.x && m.x < right && top < m.y && m.y < bottom) inside |= 1u << i;
            if (!(m.x > pitch::kMinX && m.x < pitch::kMaxX && m.y > pitch::kMinY && m.y < pitch::kMaxY)) {
                off |= 1u << i;
            }
        }
        ASSERT_EQ(inbox(t, left, top, right, bottom), inside) << "round " << round;
        ASSERT_EQ(offpitch(t), off) << "round " << round;
    }
    // The lines themselves are off: a man on x = 10 or y = 470 is put back.
    Tmteam t = test::sideAway(300, 200);
    place(t[3], pitch::kMinX, 200);
    place(t[7], 300, pitch::kMaxY);
    EXPECT_EQ(offpitch(t), (1u << 3) | (1u << 7));
}

TEST(Scans, TheMenAtTheBallAreThoseWithinFourEitherWay) {
    // Men of both sides crowd round the ball at offsets from -6 to 6, so the
    // squares that just meet (3 away) and just miss (4 away) are common.
    Rng rng(25);
    int touching = 0;
    for (int round = 0; round < 400; ++round) {
        const int bx = rng.Random(660) - 10, by = rng.Random(500) - 10;
        std::array<Tmteam, 2> sides;
        unsigned expected = 0;
        for (int s = 0; s < 2; ++s) {
            for (int i = 0; i < 11; ++i) {
                const int dx = rng.Random(13) - 6, dy = rng.Random(13) - 6;
                place(sides[s][i], bx + dx, by + dy);
                if (std::abs(dx) < 4 && std::abs(dy) < 4) expected |= 1u << (16 * s + i);
            }
        }
        touching += expected != 0;
        ASSERT_EQ(scans::nearballBaseline(sides[0], sides[1], bx, by), expected) << "round " << round;
        if (scans::haveAvx2()) {
            ASSERT_EQ(scans::nearballAvx2(sides[0], sides[1], bx, by), expected) << "round " << round;
        }
        ASSERT_EQ(nearball(sides[0], sides[1], bx, by), expected) << "round " << round;
    }
    EXPECT_GT(touching, 300);
    // Far from everybody, nobody; the spare places never count.
    EXPECT_EQ(nearball(test::sideAway(100, 100), test::sideAway(500, 400), 300, 240), 0u);
    EXPECT_EQ(nearball(Tmteam{}, Tmteam{}, Tmteam::kFar, Tmteam::kFar), 0u);
    EXPECT_EQ(nearball(Tmteam{}, Tmteam{}, 0, 0), 0x07ff07ffu);
}

TEST(Scans, EverySetOfMenBecomesItsFlags) {
    for (unsigned bits = 0; bits < 2048; ++bits) {
        std::array<bool, 11> flags;
        flags.fill(true);
        spreadbits(bits, flags);
        for (int i = 0; i < 11; ++i) {
            // Each flag is a proper bool, 0 or 1, as the byte stores it.
            unsigned char byte;
            std::memcpy(&byte, &flags[i], 1);
            ASSERT_EQ(byte, bits >> i & 1) << "bits " << bits << " man " << i;
        }
    }
}

TEST(Scans, AWholeSideWalksAsEachManWouldAlone) {
    // The side's walk reads and writes each man's (fx, fy) and (x, y) as
    // pairs; it must agree with the one-man step and rounding to the bit.
    Rng rng(24);
    for (int round = 0; round < 200; ++round) {
        Tmteam side = crowd(rng);
        for (auto m : side) {
            m.fx += (rng.Random(1000) - 500) / 997.0;
            m.fy += (rng.Random(1000) - 500) / 991.0;
            settle(m);
        }
        for (int i = 0; i < 11; ++i) side.speed[i] = 0.5 + rng.Random(20) / 10.0;
        Tmteam alone = side, onebyone = side;
        Walks walks;
        for (int i = 0; i < 11; ++i) {
            if (i == 4) continue;  // no order: he stands still
            const int x = rng.Random(640), y = rng.Random(480);
            if (i == 2) {
                // Ordered onto the spot where he stands exactly: he steps along +x.
                place(side[2], x, y);
                alone[2] = onebyone[2] = side[2];
            }
            walks.order(i, x, y);
            toward(alone[i], x, y, side.speed[i]);
        }
        walkways::fourAtATime(walks, side);
        walkways::oneByOne(walks, onebyone);
        for (int i = 0; i < 11; ++i) {
            settle(alone[i]);
            for (const Tmteam* way : {&side, &onebyone}) {
                const auto m = (*way)[i];
                ASSERT_EQ(m.fx, alone[i].fx) << "round " << round << " man " << i;
                ASSERT_EQ(m.fy, alone[i].fy) << "round " << round << " man " << i;
                ASSERT_EQ(m.x, alone[i].x);
                ASSERT_EQ(m.y, alone[i].y);
            }
        }
    }
}

}  // namespace
}  // namespace vm

namespace vm {
namespace {

TEST(Scans, TheWalkTellsWhoItLeftOffThePitchAsTheScanWould) {
    if (!scans::haveAvx2()) GTEST_SKIP() << "this processor has no AVX2";
    // Men near every line, some walking across it, some standing exactly on
    // the halves where the rounding decides (10.5, 629.5, 469.5).
    Rng rng(25);
    const double edges[] = {10.5, 629.5, 10.5, 469.5};
    int off = 0;
    for (int round = 0; round < 2000; ++round) {
        Tmteam side = crowd(rng);
        Walks walks;
        for (int i = 0; i < 11; ++i) {
            auto m = side[i];
            const int edge = rng.Random(4);
            const double at = edges[edge] + (rng.Random(5) - 2) * 0.25;
            (edge < 2 ? m.fx : m.fy) = at;
            settle(m);
            m.speed = rng.Random(3) * 0.5;
            if (rng.Random(3) != 0) walks.order(i, rng.Random(660) - 10, rng.Random(500) - 10);
        }
        Tmteam scanned = side;
        walkways::oneByOne(walks, scanned);
        const unsigned told = walkways::avx2(walks, side);
        ASSERT_EQ(told, offpitch(scanned)) << "round " << round;
        off += __builtin_popcount(told);
    }
    EXPECT_GT(off, 2000);  // plenty of men end up off the pitch
}

}  // namespace
}  // namespace vm
