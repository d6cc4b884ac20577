// SPDX-License-Identifier: GPL-3.0-or-later
// The defending side's errands that go man by man, shared by both ways of
// giving its orders (tdf.cpp and tdf_avx2.cpp) and worked out in place in
// each: the ball winner, the goalkeeper and the marking.
#pragma once

#include <array>
#include <cmath>

#include "match/scans.h"
#include "match/tdf.h"
#include "match/walks.h"

namespace vm {

[[gnu::always_inline]] inline bool Tdf::mayreach(Point p, int radius) const {
    // In flight the ball's pace never grows (it rolls slower and flies on at
    // the same pace), so over the forecast's ticks it travels at most that
    // many times its pace; the forecast is then rounded to whole units. The
    // margins are generous: a true answer only costs asking the forecast.
    const double reach = radius + Lookahead::kTicks * std::abs(ball.speed) * 1.01 + 2;
    const double dx = ball.fx - p.x, dy = ball.fy - p.y;
    return dx * dx + dy * dy <= reach * reach;
}

[[gnu::always_inline]] inline Point Tdf::keeperaim(int keeperx, Point g, Point b) const {
    // Distances below 100 compared as whole squared distances, exactly.
    // A ball that cannot come within 100 of the goal needs no forecast:
    // any point far from the pitch answers the same.
    const bool near = distance2(g.x, g.y, b.x, b.y) < 100 * 100;
    const Point f = near || mayreach(g, 100) ? forecast() : Point{-1000, -1000};
    if (near) return f;
    if (distance2(g.x, g.y, f.x, f.y) < 100 * 100) return {keeperx, f.y};
    return pointfifth(g, b);  // a fifth of the way to the ball
}

template <class Nearest>
[[gnu::always_inline]] inline unsigned Tdf::errands(const Tmteam& own, const Tmteam& opp, unsigned avail,
                                                    int winner, Walks& walks, Nearest findnearest) const {
    const Point b{ball.x, ball.y};
    if (winner >= 0) {
        walks.order(winner, b.x, b.y);
        avail &= ~(1u << winner);
    }

    const auto keeper = own[0];
    if (keeper.stun == 0) {
        const Point p = keeperaim(keeper.x, base(keeper), b);
        walks.order(0, p.x, p.y);
    }

    if (avail == 0) return avail;
    const std::array<int, 10> nearest = findnearest(own, opp);
    for (int j = 0; j < 10; ++j) {
        const int n = nearest[j];
        if (avail >> n & 1) {
            walks.order(n, opp[j + 1].x, opp[j + 1].y);
            avail &= ~(1u << n);
        }
    }
    return avail;
}

}  // namespace vm
