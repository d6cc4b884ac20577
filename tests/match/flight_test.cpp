// SPDX-License-Identifier: GPL-3.0-or-later
// The ball's flight and the goalkeeper's forecast of it: the forecast kept up
// tick by tick is the one flown afresh, and touching the ball renews it.
#include <gtest/gtest.h>

#include "match/flight.h"

namespace vm {
namespace {

Point flownAfresh(ballstate b, Heading h) {
    for (int t = 0; t < Lookahead::kTicks; ++t) advance(b, h);
    return {b.x, b.y};
}

TEST(Flight, TheForecastKeptTickByTickIsTheOneFlownAfresh) {
    ballstate b;
    b.fx = b.x = 100;
    b.fy = b.y = 200;
    b.speed = 2.8;
    b.vz = 1.1;
    b.spin = 0.003;
    b.angle = 0.4;
    Heading h;
    Lookahead ahead;
    for (int t = 0; t < 300; ++t) {
        ASSERT_EQ(ahead.at(b, h), flownAfresh(b, h)) << "tick " << t;
        ASSERT_EQ(ahead.at(b, h), flownAfresh(b, h)) << "asked twice, tick " << t;
        advance(b, h);
        if (t == 150) {
            // A touch: slower and turned. The forecast starts again from here.
            b.speed *= 0.6;
            b.angle += 0.5;
            b.spin = 0;
        }
    }
}

TEST(Flight, TheWholeUnitBallRoundsHalvesToEvenBothWays) {
    // Straight along x or y, half a unit at a time, so every other step ends
    // exactly on a half; the other coordinate stays on its half too.
    for (const double angle : {0.0, kPi / 2, kPi, -kPi / 2}) {
        ballstate b;
        b.fx = 100.5;
        b.fy = 201.5;
        b.speed = 0.5;
        b.angle = angle;
        Heading h;
        for (int t = 0; t < 20; ++t) {
            b.speed = 0.5;  // no friction: every step is exactly half a unit
            advance(b, h);
            ASSERT_EQ(b.x, roundPitch(b.fx)) << "angle " << angle << " tick " << t;
            ASSERT_EQ(b.y, roundPitch(b.fy)) << "angle " << angle << " tick " << t;
        }
    }
    ballstate b;
    b.fx = 10.5;
    b.fy = 11.5;
    Heading h;
    advance(b, h);  // a still ball: only the rounding
    EXPECT_EQ(b.x, 10);
    EXPECT_EQ(b.y, 12);
}

TEST(Flight, GravityFrictionAndSwerve) {
    ballstate b;
    b.speed = 2;
    b.vz = 0.5;
    Heading h;
    advance(b, h);
    EXPECT_DOUBLE_EQ(b.fx, 2);
    EXPECT_DOUBLE_EQ(b.z, 0.5);
    EXPECT_DOUBLE_EQ(b.vz, 0.475);
    EXPECT_DOUBLE_EQ(b.speed, 2);  // no drag in the air
    while (b.z > 0) advance(b, h);
    EXPECT_EQ(b.vz, 0);
    EXPECT_DOUBLE_EQ(b.speed, 2 * kFriction);  // friction only on the ground
    b.spin = 0.01;
    const double angle = b.angle;
    advance(b, h);
    EXPECT_DOUBLE_EQ(b.angle, angle + 0.01);
    EXPECT_NEAR(h.c, std::cos(b.angle), 1e-15);
    EXPECT_NEAR(h.s, std::sin(b.angle), 1e-15);
}

}  // namespace
}  // namespace vm
