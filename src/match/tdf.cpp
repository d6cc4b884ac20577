// Defending movement in five steps: recovery runs, the ball winner, the
// goalkeeper, marking and shape.
//
// Every distance is taken between the whole-unit positions the men had when
// the tick began (they catch up with the exact positions only at the end), so
// the positions are gathered once into small arrays that the loops can scan fast.
#include "match/tdf.h"

#include "match/flight.h"

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
    constexpr int kVectors = 3;  // 12 lanes for opponents 1..10
    v4f px[kVectors], py[kVectors], nd[kVectors];
    v4i nearest[kVectors];
    for (int v = 0; v < kVectors; ++v) {
        for (int l = 0; l < 4; ++l) {
            const int j = 4 * v + l + 1;
            px[v][l] = j < 11 ? static_cast<float>(opp[j].x) : 0.0f;
            py[v][l] = j < 11 ? static_cast<float>(opp[j].y) : 0.0f;
        }
        const v4f dx = px[v] - static_cast<float>(ox[0]), dy = py[v] - static_cast<float>(oy[0]);
        nd[v] = dx * dx + dy * dy;
        nearest[v] = v4i{};
    }
    for (int i = 1; i < 11; ++i) {
        const float x = static_cast<float>(ox[i]), y = static_cast<float>(oy[i]);
        for (int v = 0; v < kVectors; ++v) {
            const v4f dx = px[v] - x, dy = py[v] - y;
            const v4f d = dx * dx + dy * dy;
            const v4i closer = d < nd[v];
            nearest[v] = (nearest[v] & ~closer) | (i & closer);
            nd[v] = d < nd[v] ? d : nd[v];
        }
    }
    std::array<int, 10> result;
    for (int j = 0; j < 10; ++j) result[j] = nearest[j / 4][j % 4];
    return result;
}

void Tdf::dfmove(Tmteam& own, const Tmteam& opp) {
    const Point b{ball.x, ball.y};
    const Point g = base(own[0]);
    const int shifty = (b.y - 240) / 2;

    std::array<int, 11> ox, oy;  // own men where the tick began
    for (int i = 0; i < 11; ++i) {
        ox[i] = own[i].x;
        oy[i] = own[i].y;
    }

    // 1. Men goal-side of the ball are available; the others run back first.
    const bool atgoal = std::abs(b.x - g.x) <= 50;
    const Box band{std::min(g.x, b.x), 0, std::max(g.x, b.x), pitch::kHeight};
    for (int i = 1; i < 11; ++i) {
        Tman& m = own[i];
        if (m.stun > 0) continue;
        if (atgoal || boxmeet(manbox(ox[i], oy[i]), band)) {
            free[i] = true;
        } else {
            const int tx = pointtoward({m.basex, g.y}, g, 50).x;
            toward(m, tx, m.basey + shifty, m.speed);
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
        toward(own[winner], b, own[winner].speed);
        free[winner] = false;
    }

    // 3. The goalkeeper reads the ball's flight.
    Tman& keeper = own[0];
    if (keeper.stun == 0) {
        const Point f = forecast();
        const double gb = distance(g, b);
        if (gb < 100) {
            toward(keeper, f, keeper.speed);
        } else if (distance(g, f) < 100) {
            toward(keeper, ox[0], f.y, keeper.speed);
        } else {
            toward(keeper, pointtoward(g, b, gb / 5), keeper.speed);
        }
    }

    // 4. Marking: each opponent draws his nearest man, if that man is free.
    const std::array<int, 10> nearest = nearestmen(ox, oy, opp);
    for (int j = 0; j < 10; ++j) {
        const int n = nearest[j];
        if (free[n]) {
            toward(own[n], opp[j + 1].x, opp[j + 1].y, own[n].speed);
            free[n] = false;
        }
    }

    // 5. Shape: the rest shift with the ball.
    const int shiftx = (b.x - g.x) / 4;
    for (int i = 1; i < 11; ++i) {
        Tman& m = own[i];
        if (free[i]) toward(m, m.basex + shiftx, m.basey + shifty, m.speed);
    }
    for (Tman& m : own) settle(m);
}

}  // namespace vm
