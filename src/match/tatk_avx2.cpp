// SPDX-License-Identifier: GPL-3.0-or-later
// The attacking side's orders with AVX2. Every position type's point is
// built from a handful of values common to the whole side (the ball, the
// opposing keeper, the own goal line), so a table of those values indexed by
// each man's type gives his point; only "never deeper than his own spot",
// the centre backs' halfway line, the keeper's and the side men's own
// formulas depend on the man himself.
#include <cstdlib>

#include "match/lanes.h"
#include "match/tatk.h"
#include "match/walks.h"

namespace vm {

#if defined(__x86_64__)

[[gnu::target("avx2")]] void Tatk::planAvx2(const Tmteam& own, const Tmteam& opp, Walks& walks) {
    using namespace lanes;
    const Point b{ball.x, ball.y};
    const auto oppkeeper = opp[0];
    const int k = own[0].basex;
    const Spots s = spots(own);
    const Roles r = roles(own);

    // The values the position types share, by type (1..6; 0 and 7 unused).
    const int togoal = oppkeeper.basex - b.x;
    const bool nearhalf = std::abs(togoal) <= 299;  // type 2 goes halfway to the goal
    const bool farside = std::abs(togoal) > 199;    // type 5 holds his line
    const int halfway = b.x + togoal / 2, quarterway = b.x + togoal / 4;
    const int shifty = (b.y - 240) / 2;
    const __m256i xs =
        _mm256_setr_epi32(0, b.x - (oppkeeper.x - b.x) / 2, nearhalf ? halfway : b.x - togoal / 2,
                          b.x - togoal / 4, quarterway, farside ? quarterway : halfway, halfway, 0);
    const __m256i notdeeper =
        nearhalf ? _mm256_setr_epi32(0, -1, 0, -1, 0, 0, 0, 0) : _mm256_setr_epi32(0, -1, -1, -1, 0, 0, 0, 0);
    const __m256i ys =
        _mm256_and_si256(_mm256_set1_epi32(shifty), _mm256_setr_epi32(0, -1, -1, -1, -1, 0, -1, 0));

    const __m256i goalline = _mm256_set1_epi32(k);
    const __m256i centre = _mm256_set1_epi32(320), centredepth = _mm256_set1_epi32(std::abs(k - 320));
    // The chaser: the free, active man nearest the ball; the other free,
    // active men take up their points.
    __m256i unstunned[2];
    for (int v = 0; v < 2; ++v) unstunned[v] = _mm256_cmpeq_epi32(r.stun[v], _mm256_setzero_si256());
    unsigned placed = bitsOfFlags(free.data()) & bitsOf(unstunned);
    const int chaser = nearestto(s, placed, b.x, b.y);
    if (chaser >= 0) {
        free[chaser] = false;
        placed &= ~(1u << chaser);
    }

    __m256i tx[2], ty[2];
    for (int v = 0; v < 2; ++v) {
        const __m256i role = r.role[v], bx = s.bx[v], by = s.by[v];
        const __m256i common = _mm256_permutevar8x32_epi32(xs, role);
        // Never deeper than his own formation spot.
        const __m256i deeper = _mm256_cmpgt_epi32(_mm256_abs_epi32(_mm256_sub_epi32(goalline, bx)),
                                                  _mm256_abs_epi32(_mm256_sub_epi32(goalline, common)));
        __m256i x = _mm256_blendv_epi8(
            common, bx, _mm256_and_si256(deeper, _mm256_permutevar8x32_epi32(notdeeper, role)));
        // A centre back does not cross halfway.
        const __m256i past = _mm256_cmpgt_epi32(_mm256_abs_epi32(_mm256_sub_epi32(goalline, x)), centredepth);
        x = _mm256_blendv_epi8(x, centre,
                               _mm256_and_si256(past, _mm256_cmpeq_epi32(role, _mm256_set1_epi32(1))));
        __m256i y = _mm256_add_epi32(by, _mm256_permutevar8x32_epi32(ys, role));
        if (!farside) {
            const __m256i side =
                _mm256_add_epi32(by, half(_mm256_sub_epi32(_mm256_set1_epi32(oppkeeper.basey), by)));
            y = _mm256_blendv_epi8(y, side, _mm256_cmpeq_epi32(role, _mm256_set1_epi32(5)));
        }
        // The keeper moves a quarter of the way across and half the way up to the ball.
        const __m256i keeper = _mm256_cmpeq_epi32(role, _mm256_setzero_si256());
        x = _mm256_blendv_epi8(x, _mm256_add_epi32(bx, quarter(_mm256_sub_epi32(_mm256_set1_epi32(b.x), bx))),
                               keeper);
        y = _mm256_blendv_epi8(y, _mm256_add_epi32(by, half(_mm256_sub_epi32(_mm256_set1_epi32(b.y), by))),
                               keeper);
        // A type outside 0..6 keeps his spot (read unsigned, a negative type is above 6).
        const __m256i known = _mm256_cmpeq_epi32(_mm256_min_epu32(role, _mm256_set1_epi32(6)), role);
        tx[v] = _mm256_blendv_epi8(bx, x, known);
        ty[v] = _mm256_blendv_epi8(by, y, known);
    }
    writeorders(tx, ty, placed, walks);
    if (placed != 0) {
        const int last = 31 - __builtin_clz(placed);  // the last man placed
        aim = {lane(tx, last), lane(ty, last)};
    }
    if (chaser >= 0) walks.order(chaser, b.x, b.y);
}

#else

void Tatk::planAvx2(const Tmteam& own, const Tmteam& opp, Walks& walks) {
    planBaseline(own, opp, walks);
}

#endif

}  // namespace vm
