// SPDX-License-Identifier: GPL-3.0-or-later
// The kicks: a lofted launch toward the target, the short pass, the forward
// pass to a free man, the through ball, the dribble push, the cross, the shot
// and the clearance. Each needs a dead ball, so the second of a pair of tries
// does nothing once the first has kicked.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "match/tkick.h"

namespace vm {

void Tkick::launch(int w, double p, double e, double s) {
    const double elevation = e - s + rng_.Random(roundEven(2 * s) + 1);
    // Skills out of their range could ask for a flat or downward launch; a
    // kick always leaves the ground at one degree at least.
    const double t = std::tan(radians(std::max(elevation, 1.0)));
    const double d = distance(target, kickerpos());
    ball.speed = std::sqrt(d * p * kGravity / t);
    if (ball.speed > 3.0) {
        ball.speed = 3.0;
        ball.vz = p * d / 3 * kGravity;
    } else {
        ball.vz = t * ball.speed;
    }
    ball.spin = rng_.Random(w) * kicker().swerve;
    kicked = true;
}

void Tkick::shortkick(Point point) {
    if (distance(kickerpos(), point) >= 45) {
        launch(4, 0.45, 30, kicker().passerr / 5.0);
    } else {
        ball.speed = distance(target, kickerpos()) / 50;
        ball.vz = 0;
        ball.spin = 0;
    }
}

std::array<int, 11> Tkick::sortbyx() const {
    // Farthest from the attacked goal line first: index 10 is the most advanced man.
    std::array<int, 11> order;
    for (int i = 0; i < 11; ++i) order[i] = i;
    const Tmteam& team = own();
    const int gx = goal().x;
    for (int i = 0; i < 10; ++i) {
        for (int j = i + 1; j < 11; ++j) {
            if (std::abs(team[order[i]].x - gx) < std::abs(team[order[j]].x - gx)) {
                std::swap(order[i], order[j]);
            }
        }
    }
    return order;
}

bool Tkick::passok(Point point) const {
    if (!dead()) return false;
    if (std::abs(point.x - goal().x) > 560) return false;
    for (const auto o : opp()) {
        if (o.speed * 30 > distance(point, pos(o))) return false;
    }
    return true;
}

void Tkick::forwardpass() {
    if (!dead()) return;
    const std::array<int, 11> order = sortbyx();
    const Point g = goal();
    const int err = kicker().passerr;
    for (int k = 10; k >= 0; --k) {
        if (order[k] == kickerIndex_) continue;
        const auto mate = own()[order[k]];
        const double lead = mate.speed * (distance(pos(mate), kickerpos()) / 5);
        const Point p = pointtoward(pos(mate), {g.x, mate.y}, lead);
        if (!passok(p)) continue;
        if (std::abs(g.x - p.x) >= std::abs(g.x - ball.x)) {
            // Not ahead of the ball: play it short into his feet.
            target.x = pointtoward(pos(mate), {ball.x, ball.y}, rng_.Random(err) / 6).x;
        } else {
            target.x = p.x - err / 6 + rng_.Random(err) / 3;
        }
        target.y = p.y - err / 6 + rng_.Random(err) / 3;
        shortkick(p);
        passes[kickside] += 1;
        return;
    }
}

void Tkick::throughball() {
    if (!dead()) return;
    const std::array<int, 11> order = sortbyx();
    const int r = order[10] == kickerIndex_ ? order[9] : order[10];
    const auto mate = own()[r];
    const double lead = mate.speed * (distance(pos(mate), kickerpos()) / 5);
    target = pointtoward(pos(mate), {goal().x, mate.y}, lead);
    const int err = kicker().passerr;
    target.x = target.x - err / 2 + rng_.Random(err) / 4;
    target.y = target.y - err / 2 + rng_.Random(err) / 4;
    launch(5, 0.5, 40, err / 5.0);
    passes[kickside] += 1;
}

void Tkick::dribblepush() {
    if (!dead()) return;
    const Point k = kickerpos();
    const Point g = goal();
    const double reach = 30 * kicker().speed;
    // Straight at the goal line, and toward each touch line cut back toward it.
    std::array<Point, 5> c;
    c[0] = pointtoward(k, {g.x, k.y}, reach);
    for (int t = 0; t < 2; ++t) {
        const Point e = pointtoward(k, {k.x, t * 480}, reach);
        c[1 + 2 * t] = pointtoward(e, c[0], reach);
        c[2 + 2 * t] = pointtoward(c[0], e, reach);
    }
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 5; ++j) {
            if (distance2(c[i].x, c[i].y, g.x, g.y) > distance2(c[j].x, c[j].y, g.x, g.y)) {
                std::swap(c[i], c[j]);
            }
        }
    }
    for (const Point& p : c) {
        if (std::abs(p.y - 240) < 220 && std::abs(p.x - g.x) > 50 && passok(p)) {
            target = p;
            const double power = 0.3 + rng_.Random(kicker().dribbleerr) / 200.0;
            launch(1, power, 5, 1);
            return;
        }
    }
}

void Tkick::crosskick() {
    if (!dead()) return;
    const Point g = goal();
    int best = -1;
    double bestd = 120;
    for (int i = 0; i < 11; ++i) {
        const auto m = own()[i];
        if (m.basex == kicker().basex || m.basey == kicker().basey) continue;
        const double d = distance(pos(m), g);
        if (d < bestd) {
            bestd = d;
            best = i;
        }
    }
    if (best < 0) return;
    const auto mate = own()[best];
    const double lead = std::abs(mate.x - kicker().x) / 10.0;
    target = pos(mate);
    target.x = pointtoward(target, g, lead / 5).x;
    const int err = kicker().crosserr;
    launch(5, 0.45, 15, err / 10.0);
    // Only the aim of the flight moves; the pace is already set.
    const int o = rng_.Random(err) / 4 + (-err) / 2;
    target = pointtoward(target, kickerpos(), o);
    say("はクロスを入れた");
    crosses[kickside] += 1;
}

void Tkick::shootkick() {
    if (!dead()) return;
    // The half of the goal away from the ball.
    const int b = ball.y <= 240 ? 1 : -1;
    const int err = kicker().shooterr;
    target = {goal().x, 240 + 25 * b};
    target.y = target.y - err / 6 + rng_.Random(err / 3 + 1);
    const int power = rng_.Random(2 * err);
    const int lift = rng_.Random(err);
    launch(5, 0.5 + (power - err) / 500.0, 10 + lift / 3.0, 0);
    say("はシュート");
    shots[kickside] += 1;
}

void Tkick::clearkick() {
    if (!dead()) return;
    const Point g = goal();
    bool upfield = false;
    for (int i = 1; i < 11; ++i) {
        if (std::abs(opp()[i].x - g.x) > 490) upfield = true;
    }
    if (!upfield || std::abs(ball.x - g.x) <= 520) return;
    const int err = kicker().shooterr;
    target.y = ball.y > 240 ? 480 : 0;
    target.x = pointtoward(pitch::kCentre, {ball.x, ball.y}, rng_.Random(err)).x;
    target.y = pointtoward(target, pitch::kCentre, rng_.Random(err)).y;
    launch(5, 0.5, 45, err / 5.0);
    say("がクリア");
}

}  // namespace vm
