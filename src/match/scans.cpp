// SPDX-License-Identifier: GPL-3.0-or-later
// The scans of a tick: a baseline for every processor (SSE2 on x86-64) and
// AVX2 ways that do twice the lanes per instruction.
//
// The scans read whole-unit positions packed as (x, y) pairs of 16-bit lanes,
// so that one 16-bit subtraction gives both differences to another man.
// Positions stay within a few hundred units of the pitch, well inside 16 bits.
#include "match/scans.h"

#include <cstdlib>
#include <string_view>

#include "match/geometry.h"
#include "match/nearest_avx2.h"

#if defined(__x86_64__)
#include <immintrin.h>
#define VM_SCANS_X86 1
#endif

namespace vm {

namespace {

int packxy(int x, int y) {
    return static_cast<int>((static_cast<unsigned>(y) << 16) | (static_cast<unsigned>(x) & 0xffffu));
}

#if defined(__SSE2__)

// The eleven men's (x, y) as packed pairs, four to a vector; the twelfth lane
// far away. Four men's x and y columns are interleaved and a saturating pack
// (exact for these values) halves them.
void packmen(const Tmteam& team, __m128i out[3]) {
    for (int k = 0; k < 3; ++k) {
        const __m128i x = _mm_load_si128(reinterpret_cast<const __m128i*>(team.x.data() + 4 * k));
        const __m128i y = _mm_load_si128(reinterpret_cast<const __m128i*>(team.y.data() + 4 * k));
        out[k] = _mm_packs_epi32(_mm_unpacklo_epi32(x, y), _mm_unpackhi_epi32(x, y));
    }
}

// The same lanes kept in memory, one packed man per whole number, so that
// a scan can broadcast each man from them in turn.
struct Manlanes {
    alignas(16) int man[12];
    explicit Manlanes(const Tmteam& team) {
        __m128i v[3];
        packmen(team, v);
        for (int k = 0; k < 3; ++k) _mm_store_si128(reinterpret_cast<__m128i*>(man) + k, v[k]);
    }
};

#endif

}  // namespace

namespace scans {

// Each own man i is scored by the key (squared distance x 16 + i): the
// smallest key is the nearest man, and among equally near men the first,
// exactly as a scan that replaces only on strictly nearer. Squared distances
// of positions on and around the pitch stay below 2^22, so the keys are exact
// whole numbers in 32 bits.
std::array<int, 10> nearestmenBaseline(const Tmteam& own, const Tmteam& opp) {
    std::array<int, 10> result;
#if defined(__SSE2__)
    // Lane j of the packed side is opponent j; lane 0, the keeper, is ignored.
    __m128i vxy[3], best[3];
    packmen(opp, vxy);
    const Manlanes mine(own);
    for (int i = 0; i < 11; ++i) {
        const __m128i me = _mm_set1_epi32(mine.man[i]);
        const __m128i index = _mm_set1_epi32(i);
#pragma GCC unroll 3
        for (int v = 0; v < 3; ++v) {
            const __m128i d = _mm_sub_epi16(vxy[v], me);
            const __m128i key = _mm_or_si128(_mm_slli_epi32(_mm_madd_epi16(d, d), 4), index);
            if (i == 0) {
                best[v] = key;
            } else {
                const __m128i smaller = _mm_cmplt_epi32(key, best[v]);
                best[v] = _mm_or_si128(_mm_and_si128(smaller, key), _mm_andnot_si128(smaller, best[v]));
            }
        }
    }
    alignas(16) int keys[12];
    for (int v = 0; v < 3; ++v) _mm_store_si128(reinterpret_cast<__m128i*>(keys) + v, best[v]);
    for (int j = 0; j < 10; ++j) result[j] = keys[j + 1] & 15;
#else
    for (int j = 0; j < 10; ++j) {
        int best = 0;
        for (int i = 0; i < 11; ++i) {
            const int key = distance2(own[i].x, own[i].y, opp[j + 1].x, opp[j + 1].y) * 16 + i;
            if (i == 0 || key < best) best = key;
        }
        result[j] = best & 15;
    }
#endif
    return result;
}

unsigned meetersBaseline(const Tmteam& a, const Tmteam& b) {
#if defined(__SSE2__)
    // All 121 pairs: a's men in three vectors, one sweep per man of b. Two
    // men meet when both |dx| and |dy| are below 6.
    __m128i va[3];
    packmen(a, va);
    const __m128i zero = _mm_setzero_si128(), six = _mm_set1_epi16(6), both = _mm_set1_epi32(-1);
    __m128i meet[3] = {zero, zero, zero};
    const Manlanes others(b);
    for (int j = 0; j < 11; ++j) {
        const __m128i me = _mm_set1_epi32(others.man[j]);
#pragma GCC unroll 3
        for (int v = 0; v < 3; ++v) {
            const __m128i d = _mm_sub_epi16(va[v], me);
            const __m128i near = _mm_cmplt_epi16(_mm_max_epi16(d, _mm_sub_epi16(zero, d)), six);
            meet[v] = _mm_or_si128(meet[v], _mm_cmpeq_epi32(near, both));
        }
    }
    unsigned men = 0;
    for (int v = 0; v < 3; ++v)
        men |= static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(meet[v]))) << (4 * v);
    return men & 0x7ffu;
#else
    unsigned men = 0;
    for (int i = 0; i < 11; ++i) {
        for (const auto n : b) {
            if (menmeet(a[i], n)) men |= 1u << i;
        }
    }
    return men;
#endif
}

unsigned inboxBaseline(const Tmteam& team, int left, int top, int right, int bottom) {
#if defined(__SSE2__)
    __m128i v[3];
    packmen(team, v);
    // x and y lane by lane; a man is inside when both his lanes are.
    const __m128i lo = _mm_set1_epi32(packxy(left, top)), hi = _mm_set1_epi32(packxy(right, bottom));
    const __m128i both = _mm_set1_epi32(-1);
    unsigned inside = 0;
    for (int k = 0; k < 3; ++k) {
        const __m128i ok = _mm_and_si128(_mm_cmpgt_epi16(v[k], lo), _mm_cmplt_epi16(v[k], hi));
        inside |= static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(ok, both))))
                  << (4 * k);
    }
    return inside & 0x7ffu;
#else
    unsigned inside = 0;
    for (int i = 0; i < 11; ++i) {
        const auto m = team[i];
        if (left < m.x && m.x < right && top < m.y && m.y < bottom) inside |= 1u << i;
    }
    return inside;
#endif
}

unsigned nearballBaseline(const Tmteam& a, const Tmteam& b, int x, int y) {
    return inboxBaseline(a, x - 4, y - 4, x + 4, y + 4) | inboxBaseline(b, x - 4, y - 4, x + 4, y + 4) << 16;
}

bool avx2Wanted(const char* plain) {
    const std::string_view asked = plain != nullptr ? plain : "";
    if (!asked.empty() && asked != "0") return false;
#if defined(VM_SCANS_X86)
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

// Asked once, as the program starts: every tick asks several times.
const bool kAvx2 = avx2Wanted(std::getenv("VELLMORA_PLAIN"));

#if defined(VM_SCANS_X86)

namespace {

// The packed side in two vectors of eight lanes (the last five far away).
[[gnu::target("avx2")]] inline void packmen8(const Tmteam& team, __m256i& lo, __m256i& hi) {
    const auto* x = reinterpret_cast<const __m256i*>(team.x.data());
    const auto* y = reinterpret_cast<const __m256i*>(team.y.data());
    for (int k = 0; k < 2; ++k) {
        const __m256i xs = _mm256_load_si256(x + k), ys = _mm256_load_si256(y + k);
        (k == 0 ? lo : hi) = _mm256_packs_epi32(_mm256_unpacklo_epi32(xs, ys), _mm256_unpackhi_epi32(xs, ys));
    }
}

}  // namespace

[[gnu::target("avx2")]] std::array<int, 10> nearestmenAvx2(const Tmteam& own, const Tmteam& opp) {
    return nearestmenInPlace(own, opp);
}

// Per man of b one subtraction, absolute value, saturating subtraction and
// minimum for each of the two vectors of a's men: |d| - 5, floored at 0, is
// 0 exactly when |d| is below 6, so a pair's lane is all zero exactly when
// the two men meet, and a man's smallest lane over b says whether anybody does.
[[gnu::target("avx2")]] unsigned meetersAvx2(const Tmteam& a, const Tmteam& b) {
    __m256i lo, hi;
    packmen8(a, lo, hi);
    const __m256i five = _mm256_set1_epi16(5);
    __m256i leastlo = _mm256_set1_epi32(-1), leasthi = leastlo;
    const Manlanes others(b);
    for (int j = 0; j < 11; ++j) {
        const __m256i me = _mm256_set1_epi32(others.man[j]);
        leastlo =
            _mm256_min_epu32(leastlo, _mm256_subs_epu16(_mm256_abs_epi16(_mm256_sub_epi16(lo, me)), five));
        leasthi =
            _mm256_min_epu32(leasthi, _mm256_subs_epu16(_mm256_abs_epi16(_mm256_sub_epi16(hi, me)), five));
    }
    const __m256i zero = _mm256_setzero_si256();
    const unsigned men =
        static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(leastlo, zero)))) |
        static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(leasthi, zero))))
            << 8;
    return men & 0x7ffu;
}

// Straight from both sides' columns, eight men a vector: x lies strictly
// within 4 of the ball's when x - (ball - 3), read unsigned, is at most 6 (a
// man far away wraps round to a huge number), and so for y.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i within6(const int* column, __m256i from) {
    const __m256i d = _mm256_sub_epi32(_mm256_load_si256(reinterpret_cast<const __m256i*>(column)), from);
    return _mm256_cmpeq_epi32(_mm256_min_epu32(d, _mm256_set1_epi32(6)), d);
}

[[gnu::target("avx2")]] unsigned nearballAvx2(const Tmteam& a, const Tmteam& b, int x, int y) {
    const __m256i fromx = _mm256_set1_epi32(x - 3), fromy = _mm256_set1_epi32(y - 3);
    unsigned men = 0;
    for (int s = 0; s < 2; ++s) {
        const Tmteam& team = s == 0 ? a : b;
        for (int k = 0; k < 16; k += 8) {
            const __m256i in =
                _mm256_and_si256(within6(team.x.data() + k, fromx), within6(team.y.data() + k, fromy));
            men |= static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(in))) << (16 * s + k);
        }
    }
    return men & 0x07ff07ffu;
}

#else

unsigned nearballAvx2(const Tmteam& a, const Tmteam& b, int x, int y) {
    return nearballBaseline(a, b, x, y);
}
std::array<int, 10> nearestmenAvx2(const Tmteam& own, const Tmteam& opp) {
    return nearestmenBaseline(own, opp);
}
unsigned meetersAvx2(const Tmteam& a, const Tmteam& b) {
    return meetersBaseline(a, b);
}

#endif

}  // namespace scans

unsigned offpitch(const Tmteam& team) {
    return ~inbox(team, pitch::kMinX, pitch::kMinY, pitch::kMaxX, pitch::kMaxY) & 0x7ffu;
}

}  // namespace vm
