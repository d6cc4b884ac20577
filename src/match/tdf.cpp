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
    // Each own man i is scored by the key (squared distance x 16 + i): the
    // smallest key is the nearest man, and among equally near men the first,
    // exactly as a scan that replaces only on strictly nearer. Squared
    // distances of positions on and around the pitch stay below 2^22, so the
    // keys are exact whole numbers in 32 bits.
    std::array<int, 10> result;
#if defined(__SSE2__)
    // Four opponents to a vector as (x, y) pairs of 16-bit lanes, so one
    // multiply-add gives four squared distances at once (two far lanes unused).
    alignas(16) short pxy[24] = {};
    for (int j = 0; j < 10; ++j) {
        pxy[2 * j] = static_cast<short>(opp[j + 1].x);
        pxy[2 * j + 1] = static_cast<short>(opp[j + 1].y);
    }
    __m128i vxy[3], best[3];
    for (int v = 0; v < 3; ++v) vxy[v] = _mm_load_si128(reinterpret_cast<const __m128i*>(pxy) + v);
    for (int i = 0; i < 11; ++i) {
        const __m128i me = _mm_set1_epi32(
            static_cast<int>((static_cast<unsigned>(oy[i]) << 16) | (static_cast<unsigned>(ox[i]) & 0xffff)));
        const __m128i index = _mm_set1_epi32(i);
#pragma GCC unroll 3
        for (int v = 0; v < 3; ++v) {
            const __m128i d = _mm_sub_epi16(vxy[v], me);
            const __m128i key = _mm_or_si128(_mm_slli_epi32(_mm_madd_epi16(d, d), 4), index);
            if (i == 0) {
                best[v] = key;
            } else {
                const __m128i smaller = _mm_cmplt_epi32(key, best[v]);
                best[v] = _mm_or_si128(_mm_and_si128(smaller, key), _mm_andnot_si128(smaller, best[v]));
            }
        }
    }
    alignas(16) int keys[12];
    for (int v = 0; v < 3; ++v) _mm_store_si128(reinterpret_cast<__m128i*>(keys) + v, best[v]);
    for (int j = 0; j < 10; ++j) result[j] = keys[j] & 15;
#else
    for (int j = 0; j < 10; ++j) {
        int best = 0;
        for (int i = 0; i < 11; ++i) {
            const int key = distance2(ox[i], oy[i], opp[j + 1].x, opp[j + 1].y) * 16 + i;
            if (i == 0 || key < best) best = key;
        }
        result[j] = best & 15;
    }
#endif
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
