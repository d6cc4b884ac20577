// SPDX-License-Identifier: GPL-3.0-or-later
// The ball's flight for one tick (gravity in the air, friction on the
// ground, swerve), and a forecast of it 30 ticks ahead that the defending
// goalkeeper reads every tick.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstring>

#include "match/geometry.h"
#include "match/tman.h"

namespace vm {

// The direction of flight as a unit vector, kept while the angle is unchanged
// or only turned by the spin, so that a tick needs no trigonometry. Every 64
// turns it is computed afresh, so that rounding cannot build up.
struct Heading {
    double angle = 0, c = 1, s = 0;
    double spin = 0, sc = 1, ss = 0;
    int turns = 0;
    bool operator==(const Heading&) const = default;
};

// The ball's whole-unit position catches up with its exact one. Both
// coordinates go in one write where the processor allows: the rules read them
// as a pair, and a read that spans two fresh writes waits for both to settle.
inline void settleball(ballstate& b) {
#if defined(__SSE2__)
    static_assert(offsetof(ballstate, y) == offsetof(ballstate, x) + sizeof(int));
    // Rounded as roundPitch rounds: halves to even.
    const __m128i xy = _mm_cvtpd_epi32(_mm_setr_pd(b.fx, b.fy));
    std::memcpy(reinterpret_cast<unsigned char*>(&b) + offsetof(ballstate, x), &xy, 2 * sizeof(int));
#else
    b.x = roundPitch(b.fx);
    b.y = roundPitch(b.fy);
#endif
}

// One tick of flight: the ball moves by its speed along its angle; in the air
// it rises by vz, which gravity lowers; on the ground it loses pace; then the
// spin turns the angle.
inline void advance(ballstate& b, Heading& h) {
    if (b.angle != h.angle || h.turns >= 64) {
        h.turns = 0;
        h.angle = b.angle;
        h.c = std::cos(b.angle);
        h.s = std::sin(b.angle);
    }
    b.fx += h.c * b.speed;
    b.fy += h.s * b.speed;
    settleball(b);
    b.z += b.vz;
    if (b.z > 0) {
        b.vz -= kGravity;
    } else {
        b.z = 0;
        b.vz = 0;
        b.speed *= kFriction;
    }
    if (b.spin != 0) {
        if (b.spin != h.spin) {
            h.spin = b.spin;
            h.sc = std::cos(b.spin);
            h.ss = std::sin(b.spin);
        }
        const double c = h.c * h.sc - h.s * h.ss;
        const double s = h.s * h.sc + h.c * h.ss;
        b.angle += b.spin;
        h.angle = b.angle;
        h.c = c;
        h.s = s;
        ++h.turns;
    }
}

// Where a ball will be after 30 ticks of untouched flight. Asked tick after
// tick about a ball that has only flown on, it steps its forecast by one tick
// instead of flying the 30 ticks again; the result is the same to the bit.
class Lookahead {
public:
    static constexpr int kTicks = 30;

    Point at(const ballstate& b, const Heading& h);

private:
    bool valid_ = false;
    ballstate origin_, ahead_;
    Heading originHeading_, aheadHeading_;
};

}  // namespace vm
