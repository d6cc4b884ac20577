// The walking step for a whole side. The square root and the division of
// each step are the slowest operations of a tick, so where the processor has
// AVX2 four men are walked at once; elsewhere one man at a time, with his
// (fx, fy) as one pair.
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
        Tman& m = team[i];
#if defined(__SSE2__)
        // One subtraction gives (dx, dy), one multiplication their squares and
        // one the step along both; one conversion rounds both to whole units.
        __m128d p = _mm_loadu_pd(&m.fx);
        if (w.ordered >> i & 1) {
            const __m128d delta = _mm_sub_pd(_mm_set_pd(w.ty[i], w.tx[i]), p);
            const __m128d sq = _mm_mul_pd(delta, delta);
            const __m128d l2 = _mm_add_sd(sq, _mm_unpackhi_pd(sq, sq));
            const double len = _mm_cvtsd_f64(_mm_sqrt_sd(l2, l2));
            p = len == 0 ? _mm_add_pd(p, _mm_set_sd(w.step[i]))
                         : _mm_add_pd(p, _mm_mul_pd(_mm_set1_pd(w.step[i] / len), delta));
            _mm_storeu_pd(&m.fx, p);
        }
        _mm_storel_epi64(reinterpret_cast<__m128i*>(&m.x), _mm_cvtpd_epi32(p));
#else
        if (w.ordered >> i & 1) toward(m, w.tx[i], w.ty[i], w.step[i]);
        settle(m);
#endif
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

// Four men a time: their (fx, fy) pairs turned into an fx and an fy vector,
// walked, and turned back. Lanes without an order keep their position. Only
// plain AVX operations (no fused multiply-add), so each lane rounds exactly
// as oneByOne does.

[[gnu::target("avx2")]] unsigned walkAvx2(const Walks& w, Tmteam& team) {
    unsigned inside = 0;
    const __m256d zero = _mm256_setzero_pd();
    const __m256i bit64 = _mm256_set_epi64x(8, 4, 2, 1);
    for (int i = 0; i < 12; i += 4) {
        const bool full = i + 3 < 11;
        const unsigned bits = w.ordered >> i & 15;
        const __m256d lanes =
            _mm256_castsi256_pd(_mm256_cmpeq_epi64(_mm256_and_si256(_mm256_set1_epi64x(bits), bit64), bit64));

        const __m128d p0 = _mm_loadu_pd(&team[i].fx), p1 = _mm_loadu_pd(&team[i + 1].fx);
        const __m128d p2 = _mm_loadu_pd(&team[i + 2].fx);
        const __m128d p3 = full ? _mm_loadu_pd(&team[i + 3].fx) : _mm_setzero_pd();
        const __m256d a = _mm256_set_m128d(p2, p0), b = _mm256_set_m128d(p3, p1);
        const __m256d fx = _mm256_unpacklo_pd(a, b), fy = _mm256_unpackhi_pd(a, b);

        const __m256d tx =
            _mm256_cvtepi32_pd(_mm_load_si128(reinterpret_cast<const __m128i*>(w.tx.data() + i)));
        const __m256d ty =
            _mm256_cvtepi32_pd(_mm_load_si128(reinterpret_cast<const __m128i*>(w.ty.data() + i)));
        const __m256d d = _mm256_load_pd(w.step.data() + i);
        const __m256d dx = _mm256_sub_pd(tx, fx), dy = _mm256_sub_pd(ty, fy);
        const __m256d len = _mm256_sqrt_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)));
        // On the target itself the step goes along +x. The division does not
        // wait for that test: its lane is simply not used then.
        const __m256d still = _mm256_cmp_pd(len, zero, _CMP_EQ_OQ);
        const __m256d k = _mm256_div_pd(d, len);
        const __m256d nx = _mm256_add_pd(fx, _mm256_blendv_pd(_mm256_mul_pd(k, dx), d, still));
        const __m256d ny = _mm256_add_pd(fy, _mm256_andnot_pd(still, _mm256_mul_pd(k, dy)));
        const __m256d newx = _mm256_blendv_pd(fx, nx, lanes), newy = _mm256_blendv_pd(fy, ny, lanes);

        // Back to (fx, fy) pairs: lo holds men 0 and 2, hi men 1 and 3.
        const __m256d lo = _mm256_unpacklo_pd(newx, newy), hi = _mm256_unpackhi_pd(newx, newy);
        const __m128i xylo = _mm256_cvtpd_epi32(lo), xyhi = _mm256_cvtpd_epi32(hi);
        inside |= insidefour(newx, newy) << i;
        _mm_storeu_pd(&team[i].fx, _mm256_castpd256_pd128(lo));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(&team[i].x), xylo);
        _mm_storeu_pd(&team[i + 1].fx, _mm256_castpd256_pd128(hi));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(&team[i + 1].x), xyhi);
        _mm_storeu_pd(&team[i + 2].fx, _mm256_extractf128_pd(lo, 1));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(&team[i + 2].x), _mm_unpackhi_epi64(xylo, xylo));
        if (full) {
            _mm_storeu_pd(&team[i + 3].fx, _mm256_extractf128_pd(hi, 1));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(&team[i + 3].x), _mm_unpackhi_epi64(xyhi, xyhi));
        }
    }
    return ~inside & 0x7ffu;
}

}  // namespace

#endif

unsigned avx2(const Walks& w, Tmteam& team) {
#if defined(VM_WALKS_X86)
    return walkAvx2(w, team);
#else
    oneByOne(w, team);
    return offpitch(team);
#endif
}

void fourAtATime(const Walks& w, Tmteam& team) {
#if defined(VM_WALKS_X86)
    if (scans::haveAvx2()) {
        (void)walkAvx2(w, team);
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
