// SPDX-License-Identifier: GPL-3.0-or-later
// Which own man is nearest each opponent, with AVX2, for the files that choose
// this way when the processor has it; the defending side's fast way works it
// out in place, with both sides' positions still in registers.
//
// Opponents 1..8 fill one vector of packed (x, y) pairs, one lane each; per
// own man one subtraction, multiply-add, or and minimum give each of them a
// key (squared distance x 16 + man, so the smallest is the nearest and the
// first of equally near). The last two opponents, 9 and 10, are paired with
// four own men at a time in a second vector, so their keys take a quarter of
// the steps. Both sides' positions are taken four times over first, so the
// multiply-add gives 16 x the squared distance directly (the men stay within
// 16 bits so).
#pragma once

#if defined(__x86_64__)

#include <immintrin.h>

#include <array>

#include "match/tman.h"

namespace vm::scans {

// Eight men of a side from man k on, as packed (x, y) pairs times four.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i packedfour(const Tmteam& team, int k) {
    const __m256i xs = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(team.x.data() + k));
    const __m256i ys = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(team.y.data() + k));
    return _mm256_slli_epi16(_mm256_packs_epi32(_mm256_unpacklo_epi32(xs, ys), _mm256_unpackhi_epi32(xs, ys)),
                             2);
}

[[gnu::target("avx2"), gnu::always_inline]] inline std::array<int, 10> nearestmenInPlace(const Tmteam& own,
                                                                                         const Tmteam& opp) {
    const __m256i eight = packedfour(opp, 1);  // opponents 1..8
    // Opponents 9 and 10, the pair four times over: lanes 1 and 2 of men 8..15.
    const __m256i last =
        _mm256_permutevar8x32_epi32(packedfour(opp, 8), _mm256_setr_epi32(1, 2, 1, 2, 1, 2, 1, 2));
    const __m256i mine[2] = {packedfour(own, 0), packedfour(own, 8)};

    // The man's index counts up in a register and also picks him out of his
    // vector (a lane is chosen by its index's low three bits).
    __m256i best = _mm256_set1_epi32(0x7fffffff);
    const __m256i one = _mm256_set1_epi32(1);
    __m256i index = _mm256_setzero_si256();
    for (int i = 0; i < 11; ++i) {
        const __m256i d = _mm256_sub_epi16(eight, _mm256_permutevar8x32_epi32(mine[i / 8], index));
        best = _mm256_min_epi32(best, _mm256_or_si256(_mm256_madd_epi16(d, d), index));
        index = _mm256_add_epi32(index, one);
        asm("" : "+x"(index));  // keeps the compiler from folding the count back into constants
    }

    // Own men 4g..4g+3, each twice, against opponents 9 and 10. The fourth
    // man of the last four is the spare place: at -10000, times four, his
    // 16-bit coordinates wrap round to 25536, some 6000 units from any man
    // on or near the pitch, so he is never the nearest.
    __m256i bestlast = _mm256_set1_epi32(0x7fffffff);
    __m256i fours = _mm256_setr_epi32(0, 0, 1, 1, 2, 2, 3, 3);
    for (int g = 0; g < 3; ++g) {
        const __m256i d = _mm256_sub_epi16(last, _mm256_permutevar8x32_epi32(mine[g / 2], fours));
        bestlast = _mm256_min_epi32(bestlast, _mm256_or_si256(_mm256_madd_epi16(d, d), fours));
        fours = _mm256_add_epi32(fours, _mm256_set1_epi32(4));
    }
    // The four own men's answers for each opponent folded into lanes 0 and 1.
    bestlast = _mm256_min_epi32(bestlast, _mm256_shuffle_epi32(bestlast, _MM_SHUFFLE(1, 0, 3, 2)));
    const __m128i lastpair =
        _mm_min_epi32(_mm256_castsi256_si128(bestlast), _mm256_extracti128_si256(bestlast, 1));

    const __m256i fifteen = _mm256_set1_epi32(15);
    std::array<int, 10> result;
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(result.data()), _mm256_and_si256(best, fifteen));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(result.data() + 8),
                     _mm_and_si128(lastpair, _mm256_castsi256_si128(fifteen)));
    return result;
}

}  // namespace vm::scans

#endif
