// Defending movement in five steps: recovery runs, the ball winner, the
// goalkeeper, marking and shape.
//
// Every distance is taken between the whole-unit positions the men had when
// the tick began (they catch up with the exact positions only at the end), so
// the positions are gathered once into small arrays that the loops can scan fast.
#include "match/tdf.h"

#include "match/flight.h"
#include "match/walks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vm {

Point Tdf::forecast() const {
    if (known_) return forecast_;
    ballstate b = ball;
    Heading h;
    for (int t = 0; t < Lookahead::kTicks; ++t) advance(b, h);
    return {roundPitch(b.fx), roundPitch(b.fy)};
}

std::array<int, 10> nearestmen(const std::array<int, 11>& ox, const std::array<int, 11>& oy,
                               const Tmteam& opp) {
    // One sweep over the own men for all opponents at once, four opponents to
    // a vector. Squared distances of pitch points are whole numbers far below
    // 2^24, so they are exact in single precision; strictly nearer replaces,
    // so the first of equally near men stays.
    typedef float v4f __attribute__((vector_size(16)));
    typedef int v4i __attribute__((vector_size(16)));
    alignas(16) float px[12] = {}, py[12] = {};
    for (int j = 0; j < 10; ++j) {
        px[j] = static_cast<float>(opp[j + 1].x);
        py[j] = static_cast<float>(opp[j + 1].y);
    }
    v4f vx[3], vy[3], nd[3];
    v4i nearest[3] = {};
    __builtin_memcpy(vx, px, sizeof vx);
    __builtin_memcpy(vy, py, sizeof vy);
    for (int v = 0; v < 3; ++v) {
        const v4f dx = vx[v] - static_cast<float>(ox[0]), dy = vy[v] - static_cast<float>(oy[0]);
        nd[v] = dx * dx + dy * dy;
    }
    for (int i = 1; i < 11; ++i) {
        const float x = static_cast<float>(ox[i]), y = static_cast<float>(oy[i]);
        for (int v = 0; v < 3; ++v) {
            const v4f dx = vx[v] - x, dy = vy[v] - y;
            const v4f d = dx * dx + dy * dy;
            const v4i closer = d < nd[v];
            nearest[v] = closer ? i : nearest[v];
            nd[v] = closer ? d : nd[v];
        }
    }
    alignas(16) int out[12];
    __builtin_memcpy(out, nearest, sizeof out);
    std::array<int, 10> result;
    for (int j = 0; j < 10; ++j) result[j] = out[j];
    return result;
}

void Tdf::dfmove(Tmteam& own, const Tmteam& opp) {
    const Point b{ball.x, ball.y};
    const Point g = base(own[0]);
    const int shifty = (b.y - 240) / 2;
    Walks walks;

    std::array<int, 11> ox, oy;  // own men where the tick began
    for (int i = 0; i < 11; ++i) {
        ox[i] = own[i].x;
        oy[i] = own[i].y;
    }

    // 1. Men goal-side of the ball are available; the others run back first.
    // The band between the goal line and the ball over the full width: a man
    // whose square (half-width 3) meets it is goal-side of the ball.
    const bool atgoal = std::abs(b.x - g.x) <= 50;
    const int bandleft = std::min(g.x, b.x), bandright = std::max(g.x, b.x);
    for (int i = 1; i < 11; ++i) {
        Tman& m = own[i];
        if (m.stun > 0) continue;
        if (atgoal ||
            (ox[i] - 3 < bandright && bandleft < ox[i] + 3 && oy[i] - 3 < pitch::kHeight && 0 < oy[i] + 3)) {
            free[i] = true;
        } else {
            // 50 units goal-side of his formation x (straight along x, so exact).
            const int tx = m.basex + (g.x < m.basex ? -50 : 50);
            walks.order(i, tx, m.basey + shifty, m.speed);
        }
    }

    // 2. The ball winner.
    int winner = -1;
    int best = 2000 * 2000;
    for (int i = 1; i < 11; ++i) {
        if (!free[i]) continue;
        const int d = distance2(ox[i], oy[i], b.x, b.y);
        if (d < best) {
            best = d;
            winner = i;
        }
    }
    if (winner >= 0) {
        walks.order(winner, b.x, b.y, own[winner].speed);
        free[winner] = false;
    }

    // 3. The goalkeeper reads the ball's flight.
    Tman& keeper = own[0];
    if (keeper.stun == 0) {
        // Distances below 100 compared as whole squared distances, exactly.
        const Point f = forecast();
        if (distance2(g.x, g.y, b.x, b.y) < 100 * 100) {
            walks.order(0, f.x, f.y, keeper.speed);
        } else if (distance2(g.x, g.y, f.x, f.y) < 100 * 100) {
            walks.order(0, ox[0], f.y, keeper.speed);
        } else {
            const Point p = pointtoward(g, b, distance(g, b) / 5);
            walks.order(0, p.x, p.y, keeper.speed);
        }
    }

    // 4. Marking: each opponent draws his nearest man, if that man is free.
    const std::array<int, 10> nearest = nearestmen(ox, oy, opp);
    for (int j = 0; j < 10; ++j) {
        const int n = nearest[j];
        if (free[n]) {
            walks.order(n, opp[j + 1].x, opp[j + 1].y, own[n].speed);
            free[n] = false;
        }
    }

    // 5. Shape: the rest shift with the ball.
    const int shiftx = (b.x - g.x) / 4;
    for (int i = 1; i < 11; ++i) {
        Tman& m = own[i];
        if (free[i]) walks.order(i, m.basex + shiftx, m.basey + shifty, m.speed);
    }
    walks.walk(own);
}

}  // namespace vm
