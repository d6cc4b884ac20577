// SPDX-License-Identifier: GPL-3.0-or-later
// The walking step for a whole side. The square root and the division of
// each step are the slowest operations of a tick, so where the processor has
// AVX2 four men are walked at once; elsewhere one man at a time.
#include "match/walks.h"

#include "match/geometry.h"
#include "match/scans.h"

#if defined(__x86_64__)
#include <immintrin.h>
#define VM_WALKS_X86 1
#endif

namespace vm {

namespace walkways {

void oneByOne(const Walks& w, Tmteam& team) {
    for (int i = 0; i < 11; ++i) {
        if (w.ordered >> i & 1) toward(team[i], w.tx[i], w.ty[i], team.speed[i]);
        settle(team[i]);
    }
}

#if defined(VM_WALKS_X86)

namespace {

// Which of four men (bit i, lane i) end up strictly inside the lines where
// men are kept, read from their exact positions: with halves rounded to the
// even neighbour, the whole-unit x lies strictly between 10 and 630 exactly
// when the exact one lies strictly between 10.5 and 629.5 (and so for y).
[[gnu::target("avx2")]] inline unsigned insidefour(__m256d fx, __m256d fy) {
    constexpr double kHalf = 0.5;
    const __m256d inx = _mm256_and_pd(_mm256_cmp_pd(fx, _mm256_set1_pd(pitch::kMinX + kHalf), _CMP_GT_OQ),
                                      _mm256_cmp_pd(fx, _mm256_set1_pd(pitch::kMaxX - kHalf), _CMP_LT_OQ));
    const __m256d iny = _mm256_and_pd(_mm256_cmp_pd(fy, _mm256_set1_pd(pitch::kMinY + kHalf), _CMP_GT_OQ),
                                      _mm256_cmp_pd(fy, _mm256_set1_pd(pitch::kMaxY - kHalf), _CMP_LT_OQ));
    return static_cast<unsigned>(_mm256_movemask_pd(_mm256_and_pd(inx, iny)));
}

}  // namespace

// Four men a time, straight from the side's columns. Lanes without an
// order keep their position. Only plain AVX operations (no fused
// multiply-add), so each lane rounds exactly as oneByOne does.
[[gnu::target("avx2")]] unsigned avx2(const Walks& w, Tmteam& team) {
    unsigned inside = 0;
    const __m256d zero = _mm256_setzero_pd();
    const __m256i bit64 = _mm256_set_epi64x(8, 4, 2, 1);
    for (int i = 0; i < 12; i += 4) {
        const unsigned bits = w.ordered >> i & 15;
        const __m256d lanes =
            _mm256_castsi256_pd(_mm256_cmpeq_epi64(_mm256_and_si256(_mm256_set1_epi64x(bits), bit64), bit64));
        const __m256d fx = _mm256_load_pd(team.fx.data() + i), fy = _mm256_load_pd(team.fy.data() + i);

        const __m256d tx =
            _mm256_cvtepi32_pd(_mm_load_si128(reinterpret_cast<const __m128i*>(w.tx.data() + i)));
        const __m256d ty =
            _mm256_cvtepi32_pd(_mm_load_si128(reinterpret_cast<const __m128i*>(w.ty.data() + i)));
        const __m256d d = _mm256_load_pd(team.speed.data() + i);
        const __m256d dx = _mm256_sub_pd(tx, fx), dy = _mm256_sub_pd(ty, fy);
        const __m256d len = _mm256_sqrt_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)));
        // On the target itself the step goes along +x. The division does not
        // wait for that test: its lane is simply not used then.
        const __m256d still = _mm256_cmp_pd(len, zero, _CMP_EQ_OQ);
        const __m256d k = _mm256_div_pd(d, len);
        const __m256d nx = _mm256_add_pd(fx, _mm256_blendv_pd(_mm256_mul_pd(k, dx), d, still));
        const __m256d ny = _mm256_add_pd(fy, _mm256_andnot_pd(still, _mm256_mul_pd(k, dy)));
        const __m256d newx = _mm256_blendv_pd(fx, nx, lanes), newy = _mm256_blendv_pd(fy, ny, lanes);

        inside |= insidefour(newx, newy) << i;
        _mm256_store_pd(team.fx.data() + i, newx);
        _mm256_store_pd(team.fy.data() + i, newy);
        _mm_store_si128(reinterpret_cast<__m128i*>(team.x.data() + i), _mm256_cvtpd_epi32(newx));
        _mm_store_si128(reinterpret_cast<__m128i*>(team.y.data() + i), _mm256_cvtpd_epi32(newy));
    }
    return ~inside & 0x7ffu;
}

#else

unsigned avx2(const Walks& w, Tmteam& team) {
    oneByOne(w, team);
    return offpitch(team);
}

#endif

void fourAtATime(const Walks& w, Tmteam& team) {
#if defined(VM_WALKS_X86)
    if (scans::haveAvx2()) {
        (void)avx2(w, team);
        return;
    }
#endif
    oneByOne(w, team);
}

}  // namespace walkways

void Walks::walk(Tmteam& team) const {
    walkways::fourAtATime(*this, team);
}

}  // namespace vm
