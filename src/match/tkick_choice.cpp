// SPDX-License-Identifier: GPL-3.0-or-later
// The man with the ball under control: what his side's mode makes of it, and
// which kick he chooses from his skills and where he stands.
#include <algorithm>
#include <cstdlib>

#include "match/tkick.h"

namespace vm {

void Tkick::ballhandle() {
    possession();
    const int s = kickside;
    switch (mode[s]) {
        case 0:
            // A regrouping side plays the ball forward at once; a pass restarts play.
            forwardpass();
            if (ball.speed != 0) mode = {1, 1};
            break;
        case 1:
            mode[s] = 2;
            mode[1 - s] = 1;
            break;
        case 2: kickdecide(); break;
        default: break;
    }
}

void Tkick::kickdecide() {
    if (!dead()) return;
    const Point g = goal();
    const Kickkind choice = dribble != 0 ? Kickkind::dribble : kickchoice();
    switch (choice) {
        case Kickkind::pass:
            forwardpass();
            throughball();
            break;
        case Kickkind::dribble:
            if (dribble == 0) {
                dribble = 2;
                dribblepush();
            } else if (std::abs(ball.x - g.x) < 120 && std::abs(ball.y - g.y) < 90) {
                dribble = 0;  // near the goal the run stops and he chooses again
            } else {
                dribble -= 1;
                dribblepush();
            }
            break;
        case Kickkind::cross:
            crosskick();
            throughball();
            break;
        case Kickkind::shot:
            if (std::abs(ball.x - g.x) <= 320) {
                shootkick();
            } else {
                clearkick();
                throughball();
            }
            break;
    }
}

Kickkind Tkick::kickchoice() {
    const auto k = kicker();
    enum { pass, dribbling, cross, shot };
    std::array<int, 4> w = {110 - k.passerr, 110 - k.dribbleerr, 110 - k.crosserr, 110 - k.shooterr};
    const int low = *std::min_element(w.begin(), w.end());
    for (int& v : w) v = v - low + 1;

    // Where he stands: too close for a pass, on the wing, in midfield, deep.
    const int l = std::abs(ball.x - goal().x);
    const int dy = std::abs(240 - ball.y);
    if (l < 76) {
        w[pass] = w[dribbling] = 0;
    } else if (l <= 120) {
        if (dy > 120) {
            w[pass] = 0;
        } else if (dy < 90) {
            w[pass] = w[dribbling] = 0;
        }
    } else if (l <= 199) {
        // every kick open
    } else if (l <= 439) {
        w[cross] = w[shot] = 0;
    } else if (l <= 700) {
        w[dribbling] = w[cross] = 0;
    }
    if (dy < 101) w[cross] = 0;
    if (dy >= 160 && dy <= 300) w[shot] = 0;

    const int t = rng_.Random(w[0] + w[1] + w[2] + w[3]) + 1;
    int sum = 0;
    for (int i = 0; i < 4; ++i) {
        sum += w[i];
        if (sum >= t) return static_cast<Kickkind>(i);
    }
    return Kickkind::dribble;  // every weight zero
}

}  // namespace vm
