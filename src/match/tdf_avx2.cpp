// SPDX-License-Identifier: GPL-3.0-or-later
// The defending side's orders with AVX2: the stun tests, the band of men
// goal-side of the ball, the recovery runs, the shape and the ball winner
// are each a few vector operations for the whole side; the goalkeeper and
// the marking, which go man by man, are shared with the baseline.
#include <algorithm>
#include <cstdlib>

#include "match/lanes.h"
#include "match/menbits.h"
#include "match/nearest_avx2.h"
#include "match/tdf.h"
#include "match/tdf_errands.h"
#include "match/walks.h"

namespace vm {

#if defined(__x86_64__)

namespace {

// The marking's nearest men worked out in place, with AVX2.
struct NearestInPlace {
    [[gnu::target("avx2")]] std::array<int, 10> operator()(const Tmteam& own, const Tmteam& opp) const {
        return scans::nearestmenInPlace(own, opp);
    }
};

}  // namespace

[[gnu::target("avx2")]] void Tdf::planAvx2(const Tmteam& own, const Tmteam& opp, Walks& walks) {
    using namespace lanes;
    const Point b{ball.x, ball.y};
    const Point g = base(own[0]);
    const int shiftx = (b.x - g.x) / 4, shifty = (b.y - 240) / 2;
    const Spots s = spots(own);
    const Roles r = roles(own);

    __m256i mask[2];
    for (int v = 0; v < 2; ++v) mask[v] = _mm256_cmpgt_epi32(_mm256_set1_epi32(1), r.stun[v]);
    const unsigned active = bitsOf(mask) & ~1u;

    // Everyone's shape target: his spot shifted with the ball. The orders
    // below replace it for the men with another errand.
    __m256i tx[2], ty[2];
    for (int v = 0; v < 2; ++v) {
        tx[v] = _mm256_add_epi32(s.bx[v], _mm256_set1_epi32(shiftx));
        ty[v] = _mm256_add_epi32(s.by[v], _mm256_set1_epi32(shifty));
    }

    // Men whose square meets the band between the goal line and the ball
    // are goal-side of it; the others run back to 50 goal-side of their spot.
    unsigned avail = active;
    if (std::abs(b.x - g.x) > 50) {
        const __m256i left = _mm256_set1_epi32(std::min(g.x, b.x) - 3);
        const __m256i right = _mm256_set1_epi32(std::max(g.x, b.x) + 3);
        const __m256i top = _mm256_set1_epi32(-3), bottom = _mm256_set1_epi32(pitch::kHeight + 3);
        for (int v = 0; v < 2; ++v) {
            const __m256i inx =
                _mm256_and_si256(_mm256_cmpgt_epi32(s.x[v], left), _mm256_cmpgt_epi32(right, s.x[v]));
            const __m256i iny =
                _mm256_and_si256(_mm256_cmpgt_epi32(s.y[v], top), _mm256_cmpgt_epi32(bottom, s.y[v]));
            mask[v] = _mm256_and_si256(inx, iny);
        }
        avail &= bitsOf(mask);
        const unsigned back = active & ~avail;
        if (back != 0) {
            masksOf(back, mask);
            const __m256i goal = _mm256_set1_epi32(g.x), ahead = _mm256_set1_epi32(50);
            for (int v = 0; v < 2; ++v) {
                const __m256i run = _mm256_blendv_epi8(ahead, _mm256_sub_epi32(_mm256_setzero_si256(), ahead),
                                                       _mm256_cmpgt_epi32(s.bx[v], goal));
                tx[v] = _mm256_blendv_epi8(tx[v], _mm256_add_epi32(s.bx[v], run), mask[v]);
            }
        }
    }
    writeorders(tx, ty, active, walks);

    // The ball winner is the nearest available man, the first of equally near.
    avail = errands(own, opp, avail, nearestto(s, avail, b.x, b.y), walks, NearestInPlace{});
    spreadbits(avail, free);
}

#else

void Tdf::planAvx2(const Tmteam& own, const Tmteam& opp, Walks& walks) {
    planBaseline(own, opp, walks);
}

#endif

}  // namespace vm
