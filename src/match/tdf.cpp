// SPDX-License-Identifier: GPL-3.0-or-later
// Defending movement in five steps: recovery runs, the ball winner, the
// goalkeeper, marking and shape.
//
// Every distance is taken between the whole-unit positions the men had when
// the tick began: nobody walks before all the orders are given.
#include "match/tdf.h"
#include "match/tdf_errands.h"

#include "match/menbits.h"
#include "match/scans.h"
#include "match/walks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vm {

Point Tdf::forecast() const {
    if (known_) return forecast_;
    if (lookahead_ != nullptr) return lookahead_->at(ball, *heading_);
    ballstate b = ball;
    Heading h;
    for (int t = 0; t < Lookahead::kTicks; ++t) advance(b, h);
    return {roundPitch(b.fx), roundPitch(b.fy)};
}

void Tdf::planBaseline(const Tmteam& own, const Tmteam& opp, Walks& walks) {
    const Point b{ball.x, ball.y};
    const Point g = base(own[0]);
    const int shifty = (b.y - 240) / 2;

    // The men still available are kept as bits (bit i, man i).
    unsigned active = 0;
    for (int i = 1; i < 11; ++i) active |= static_cast<unsigned>(own[i].stun <= 0) << i;

    // 1. Men goal-side of the ball are available; the others run back first.
    // The band between the goal line and the ball over the full width: a man
    // whose square (half-width 3) meets it is goal-side of the ball.
    unsigned avail = active;
    if (std::abs(b.x - g.x) > 50) {
        const int bandleft = std::min(g.x, b.x), bandright = std::max(g.x, b.x);
        avail &= inbox(own, bandleft - 3, -3, bandright + 3, pitch::kHeight + 3);
        for (unsigned back = active & ~avail; back != 0; back &= back - 1) {
            const int i = __builtin_ctz(back);
            const auto m = own[i];
            // 50 units goal-side of his formation x (straight along x, so exact).
            const int tx = m.basex + (g.x < m.basex ? -50 : 50);
            walks.order(i, tx, m.basey + shifty);
        }
    }

    // 2. The ball winner: the nearest available man, the first of equally near.
    int winner = -1;
    int best = 2000 * 2000;
    for (unsigned rest = avail; rest != 0; rest &= rest - 1) {
        const int i = __builtin_ctz(rest);
        const int d = distance2(own[i].x, own[i].y, b.x, b.y);
        if (d < best) {
            best = d;
            winner = i;
        }
    }
    // 3. The goalkeeper reads the ball's flight. 4. Marking: each opponent
    // draws his nearest man, if that man is available.
    avail = errands(own, opp, avail, winner, walks,
                    [](const Tmteam& a, const Tmteam& b) { return nearestmen(a, b); });

    // 5. Shape: the rest shift with the ball.
    const int shiftx = (b.x - g.x) / 4;
    for (unsigned rest = avail; rest != 0; rest &= rest - 1) {
        const int i = __builtin_ctz(rest);
        walks.order(i, own[i].basex + shiftx, own[i].basey + shifty);
    }
    spreadbits(avail, free);
}

}  // namespace vm
