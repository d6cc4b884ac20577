// SPDX-License-Identifier: GPL-3.0-or-later
// Pitch geometry shared by the match, the ball and the movement rules: the
// pitch's fixed lines, distances, points along a direction and the walking step.
//
// Directions are taken as unit vectors (dx / len, dy / len) rather than through
// atan2, cos and sin: the results are the same within floating-point rounding
// and a tick stays cheap. A point standing exactly on its target has no
// direction; it is taken as +x, as atan2(0, 0) = 0 would give.
#pragma once

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "match/tman.h"
#include "util/arith.h"
#include "util/point.h"

namespace vm {

// The pitch: 640 by 480, side 0 defends x = 0 and side 1 x = 640.
namespace pitch {
inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;
inline constexpr Point kCentre{320, 240};
inline constexpr int kMinX = 10, kMaxX = 630;  // where men are kept
inline constexpr int kMinY = 10, kMaxY = 470;
}  // namespace pitch

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kGravity = 0.025;     // fall of vz per tick in the air
inline constexpr double kFriction = 0.97;     // ground speed kept per tick
inline constexpr double kUntouchable = 12.5;  // above this nobody reaches the ball

inline double radians(double degrees) {
    return degrees * kPi / 180.0;
}

// Rounding to the nearest whole number, halves to even, for positions on and
// around the pitch (|v| < 2^31). The processor's conversion rounds by the
// default rounding mode, which is exactly halves to even; elsewhere adding and
// taking away 1.5 x 2^52 does the same (the compiler may not fold the two
// steps without fast-math). Either way the hot loops need no library call.
inline int roundPitch(double v) {
#if defined(__SSE2__)
    return _mm_cvtsd_si32(_mm_set_sd(v));
#else
    constexpr double kShift = 6755399441055744.0;  // 1.5 x 2^52
    return static_cast<int>((v + kShift) - kShift);
#endif
}

// Euclidean distance of two whole-unit points.
inline double distance(int ax, int ay, int bx, int by) {
    const double dx = bx - ax, dy = by - ay;
    return std::sqrt(dx * dx + dy * dy);
}
inline double distance(Point a, Point b) {
    return distance(a.x, a.y, b.x, b.y);
}
// Squared distance: orders points exactly like `distance`, without the root.
inline int distance2(int ax, int ay, int bx, int by) {
    const int dx = bx - ax, dy = by - ay;
    return dx * dx + dy * dy;
}

// The unit vector from (ax, ay) toward (bx, by); +x when the two coincide.
inline void unitToward(double ax, double ay, double bx, double by, double& ux, double& uy) {
    const double dx = bx - ax, dy = by - ay;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0) {
        ux = 1;
        uy = 0;
    } else {
        ux = dx / len;
        uy = dy / len;
    }
}

// The whole-unit point at distance d from a toward b (beyond b when d is larger
// than their distance, behind a when d is negative).
inline Point pointtoward(Point a, Point b, double d) {
    double ux, uy;
    unitToward(a.x, a.y, b.x, b.y, ux, uy);
    return {a.x + roundPitch(d * ux), a.y + roundPitch(d * uy)};
}

// The point a fifth of the way from a to b: pointtoward(a, b, distance(a, b) / 5).
// Along the line a fifth of the distance is a fifth of each difference, and
// a fifth of a whole number is never halfway between two whole numbers, so
// rounding each fifth of a difference gives the same point without a root.
inline int nearestfifth(int d) {
    return d >= 0 ? (d + 2) / 5 : -((2 - d) / 5);
}
inline Point pointfifth(Point a, Point b) {
    return {a.x + nearestfifth(b.x - a.x), a.y + nearestfifth(b.y - a.y)};
}

// The walking step: the exact position moves by d toward the whole-unit target.
// The full step is always taken, so a man on his target steps across it.
// The man functions take a Tman or a side's view of one (see Tmanview).
template <class M>
concept Manlike = requires(M m) {
    m.fx;
    m.basex;
};

template <Manlike M>
void toward(M&& m, int tx, int ty, double d) {
    const double dx = tx - m.fx, dy = ty - m.fy;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0) {
        m.fx += d;
    } else {
        const double k = d / len;
        m.fx += k * dx;
        m.fy += k * dy;
    }
}
template <Manlike M>
void toward(M&& m, Point t, double d) {
    toward(m, t.x, t.y, d);
}

// The whole-unit position catches up with the exact one.
template <Manlike M>
void settle(M&& m) {
    m.x = roundPitch(m.fx);
    m.y = roundPitch(m.fy);
}

// Puts a man on a point, whole-unit and exact.
template <Manlike M>
void place(M&& m, int x, int y) {
    m.x = x;
    m.y = y;
    m.fx = x;
    m.fy = y;
}

// Two rectangles [left, right) x [top, bottom) overlap.
struct Box {
    int left, top, right, bottom;
};
inline bool boxmeet(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
// A man's square (half-width 3) and a ball's square (half-width 1).
inline Box manbox(int x, int y) {
    return {x - 3, y - 3, x + 3, y + 3};
}
inline Box ballbox(int x, int y) {
    return {x - 1, y - 1, x + 1, y + 1};
}
// The same tests in closed form: two men meet when both differences are below
// 6, a man and the ball when both are below 4.
template <Manlike A, Manlike B>
bool menmeet(const A& a, const B& b) {
    return std::abs(a.x - b.x) < 6 && std::abs(a.y - b.y) < 6;
}
template <Manlike M>
bool meetsball(const M& m, int bx, int by) {
    return std::abs(m.x - bx) < 4 && std::abs(m.y - by) < 4;
}

template <Manlike M>
Point pos(const M& m) {
    return {m.x, m.y};
}
template <Manlike M>
Point base(const M& m) {
    return {m.basex, m.basey};
}

}  // namespace vm
