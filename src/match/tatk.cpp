// SPDX-License-Identifier: GPL-3.0-or-later
// Attacking movement: one chaser, and the others placed by position type
// relative to the ball and the two goals.
#include "match/tatk.h"

#include <cstdlib>

#include "match/walks.h"

namespace vm {

namespace {

// The body of Tatk::roleaim, forced inline so the per-man loop of atkmove
// makes no call for each of its ten men.
// The opposing keeper stands at x = ox with his spot at (obx, oby).
[[gnu::always_inline]] inline Point aimfor(int b_x, int b_y, int role, int bx, int by, int k, int ox, int obx,
                                           int oby) {
    // Never deeper than his own formation spot.
    auto notdeeper = [&](int x) { return std::abs(k - x) < std::abs(k - bx) ? bx : x; };
    const int shifty = by + (b_y - 240) / 2;
    switch (role) {
        case 0: return {bx + (b_x - bx) / 4, by + (b_y - by) / 2};
        case 1: {
            int x = notdeeper(b_x - (ox - b_x) / 2);
            if (std::abs(k - x) > std::abs(k - 320)) x = 320;  // not past halfway
            return {x, shifty};
        }
        case 2: {
            int x = notdeeper(b_x - (obx - b_x) / 2);
            if (std::abs(obx - b_x) <= 299) x = b_x + (obx - b_x) / 2;
            return {x, shifty};
        }
        case 3: return {notdeeper(b_x - (obx - b_x) / 4), shifty};
        case 4: return {b_x + (obx - b_x) / 4, shifty};
        case 5:
            if (std::abs(obx - b_x) > 199) return {b_x + (obx - b_x) / 4, by};
            return {b_x + (obx - b_x) / 2, by + (oby - by) / 2};
        case 6: return {b_x + (obx - b_x) / 2, shifty};
        default: return {bx, by};
    }
}

}  // namespace

Point Tatk::roleaim(int role, int bx, int by, int k, int ox, int obx, int oby) const {
    return aimfor(ball.x, ball.y, role, bx, by, k, ox, obx, oby);
}

void Tatk::planBaseline(const Tmteam& own, const Tmteam& opp, Walks& walks) {
    const Point b{ball.x, ball.y};
    const auto oppkeeper = opp[0];
    const int k = own[0].basex;

    // The chaser: the free, active man nearest the ball.
    int chaser = -1;
    int best = 2000 * 2000;
    for (int i = 0; i < 11; ++i) {
        if (!free[i] || own[i].stun != 0) continue;
        const int d = distance2(own[i].x, own[i].y, b.x, b.y);
        if (d < best) {
            best = d;
            chaser = i;
        }
    }
    if (chaser >= 0) {
        free[chaser] = false;
        walks.order(chaser, b.x, b.y);
    }

    Point target = aim;
    for (int i = 0; i < 11; ++i) {
        const auto m = own[i];
        if (!free[i] || m.stun != 0) continue;
        target = aimfor(b.x, b.y, m.role, m.basex, m.basey, k, oppkeeper.x, oppkeeper.basex, oppkeeper.basey);
        walks.order(i, target.x, target.y);
    }
    aim = target;  // the last man placed
}

}  // namespace vm
