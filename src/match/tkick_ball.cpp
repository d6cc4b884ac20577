// SPDX-License-Identifier: GPL-3.0-or-later
// The ball's tick: the touch of the first man who meets it, what the touch
// does to the ball and to possession, and the flight with gravity, friction
// and swerve.
#include <cmath>
#include <cstdlib>

#include "match/scans.h"
#include "match/tkick.h"

namespace vm {

Tkick::Tkick(Rng& rng) : rng_(rng) {
    // Room for the longest line, so that a new commentary never allocates mid-match.
    commentary.reserve(256);
    commentary = "試合開始";
}

void Tkick::setkicker(int side, int man) {
    kickside = side;
    kickerIndex_ = man;
}

void Tkick::say(const char* what) {
    commentary.clear();
    const int number = last.man + 1;
    commentary.push_back(static_cast<char>('0' + number / 10 % 10));
    commentary.push_back(static_cast<char>('0' + number % 10));
    commentary += kicker().name;
    commentary += what;
}

[[gnu::always_inline]] inline void Tkick::touchnow() {
    if (ball.z > kUntouchable) return;
    // The first man of side 0, then of side 1, whose square meets the ball's.
    const unsigned at = nearball(*men_[0], *men_[1], ball.x, ball.y);
    if (at == 0) return;
    const int first = __builtin_ctz(at);
    const int side = first >> 4, index = first & 15;
    const auto m = (*men_[side])[index];
    if ((kicked && last == ManRef{side, index}) || m.stun > 0) {
        event = touch::kBlocked;
        return;
    }
    setkicker(side, index);
    toucher = {side, index};
    if (index != 0) {
        if (ball.z > 10) return;  // the ball passes over his head
        event = kickerror() ? touch::controlled(side) : touch::deflected(side);
    } else if (mode[side] == 1 && std::abs(ball.x - m.basex) < 80 && std::abs(ball.y - m.basey) < 110) {
        // A defending keeper in his area: he goes up for it, twice slowing it.
        kickerror();
        kickerror();
        ball.z = 0;
        event = kickerror() ? touch::caught(side) : touch::parried(side);
    } else {
        if (ball.z > 10) return;
        event = kickerror() ? touch::controlled(side) : touch::kNone;
    }
}

void Tkick::touchcheck() {
    touchnow();
}

void Tkick::ballstep(std::array<int, 2>& modes) {
    mode = modes;
    touchnow();
    if (event == touch::kNone) {
        possession();
    } else if (event == touch::caught(0) || event == touch::caught(1)) {
        // The keeper holds the ball and throws it up: above 12.5 nobody can
        // play it, so both sides regroup until it comes down.
        ball.speed = 0;
        mode = {0, 0};
        ball.z = 13.0;
        ball.vz = 0.5;
    } else if (event == touch::parried(0) || event == touch::parried(1)) {
        ball.angle = radians(135 + rng_.Random(91)) - ball.angle;
        ball.speed += 1.0;
        ball.spin = 0;
        commentary.clear();
        commentary += "01";
        commentary += kicker().name;
        commentary += "が止めた";
    } else if (event == touch::controlled(0) || event == touch::controlled(1)) {
        ball.speed = 0;
        ballhandle();
        if (ball.speed != 0) {
            // Aim off so that the swerve of the flight brings the ball back onto the target.
            const double t = (distance(kickerpos(), target) / 2) / ball.speed;
            ball.angle = std::atan2(target.y - kicker().y, target.x - kicker().x) - ball.spin * t;
        }
    } else if (event == touch::deflected(0) || event == touch::deflected(1)) {
        possession();
        kicked = true;
        ball.angle += radians(deviation);
        ball.spin = 0;
        ball.fx += 12 * std::cos(ball.angle);
        ball.fy += 12 * std::sin(ball.angle);
    }
    flight();
    modes = mode;
}

bool Tkick::kickerror() {
    const int a = rng_.Random(kicker().control) / 2;
    deviation = (rng_.Random(2) * 2 - 1) * 3 * (a + 1);
    ball.speed = ball.speed * (100 - a) / 100;
    return ball.speed < 0.5;
}

void Tkick::possession() {
    if (!(toucher == last)) {
        if (toucher.side != -1) {
            prev = last;
            last = toucher;
            dribble = 0;
        }
        kicked = false;
    }
    if (ball.speed < 0.5) kicked = false;
}

void Tkick::flight() {
    advance(ball, heading_);
}

}  // namespace vm
