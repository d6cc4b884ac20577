// Defending movement in five steps: recovery runs, the ball winner, the
// goalkeeper, marking and shape.
#include "match/tdf.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vm {

Point Tdf::forecast() const {
    double fx = ball.fx, fy = ball.fy, z = ball.z, vz = ball.vz, speed = ball.speed;
    if (speed != 0) {
        double c = std::cos(ball.angle), s = std::sin(ball.angle);
        const double sc = std::cos(ball.spin), ss = std::sin(ball.spin);
        for (int t = 0; t < 30; ++t) {
            fx += c * speed;
            fy += s * speed;
            z += vz;
            if (z > 0) {
                vz -= kGravity;
            } else {
                z = 0;
                vz = 0;
                speed *= kFriction;
            }
            if (ball.spin != 0) {
                const double nc = c * sc - s * ss;
                s = s * sc + c * ss;
                c = nc;
            }
        }
    }
    return {roundEven(fx), roundEven(fy)};
}

void Tdf::dfmove(Tmteam& own, const Tmteam& opp) {
    const Point b{ball.x, ball.y};
    const Point g = base(own[0]);
    const int shifty = (b.y - 240) / 2;

    // 1. Men goal-side of the ball are available; the others run back first.
    const bool atgoal = std::abs(b.x - g.x) <= 50;
    const Box band{std::min(g.x, b.x), 0, std::max(g.x, b.x), pitch::kHeight};
    for (int i = 1; i < 11; ++i) {
        Tman& m = own[i];
        if (m.stun > 0) continue;
        if (atgoal || boxmeet(manbox(m.x, m.y), band)) {
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
        const int d = distance2(own[i].x, own[i].y, b.x, b.y);
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
            toward(keeper, keeper.x, f.y, keeper.speed);
        } else {
            toward(keeper, pointtoward(g, b, gb / 5), keeper.speed);
        }
    }

    // 4. Marking: each opponent draws his nearest man, if that man is free.
    for (int j = 1; j < 11; ++j) {
        const Tman& o = opp[j];
        int nearest = 0;
        int nd = distance2(own[0].x, own[0].y, o.x, o.y);
        for (int i = 1; i < 11; ++i) {
            const int d = distance2(own[i].x, own[i].y, o.x, o.y);
            if (d < nd) {
                nd = d;
                nearest = i;
            }
        }
        if (free[nearest]) {
            toward(own[nearest], o.x, o.y, own[nearest].speed);
            free[nearest] = false;
        }
    }

    // 5. Shape: the rest shift with the ball.
    for (int i = 1; i < 11; ++i) {
        Tman& m = own[i];
        if (free[i]) toward(m, m.basex + (b.x - g.x) / 4, m.basey + shifty, m.speed);
    }
    for (Tman& m : own) settle(m);
}

}  // namespace vm
