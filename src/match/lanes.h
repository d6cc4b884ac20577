// SPDX-License-Identifier: GPL-3.0-or-later
// A side's men as the lanes of AVX2 vectors, for the movement rules' fast
// way: eight men to a vector, lanes 0..7 in the first and men 8..10 in the
// first three lanes of the second, read straight from the side's columns.
// The spare lanes hold a man far from the pitch who stands still; every set
// of men is kept as bits (bit i for man i) and masked to the eleven, so the
// spare lanes never count.
//
// Only for x86-64 files that choose this way when the processor has AVX2.
#pragma once

#if defined(__x86_64__)

#include <immintrin.h>

#include <cstdint>
#include <cstring>

#include "match/tman.h"
#include "match/walks.h"

namespace vm::lanes {

#define VM_AVX2 [[gnu::target("avx2"), gnu::always_inline]] inline

inline constexpr unsigned kEleven = 0x7ffu;

// A column of whole numbers as two vectors of eight lanes.
VM_AVX2 void column(const std::array<int, 16>& c, __m256i v[2]) {
    v[0] = _mm256_load_si256(reinterpret_cast<const __m256i*>(c.data()));
    v[1] = _mm256_load_si256(reinterpret_cast<const __m256i*>(c.data() + 8));
}

// Whole-unit positions and formation spots.
struct Spots {
    __m256i x[2], y[2], bx[2], by[2];
};

VM_AVX2 Spots spots(const Tmteam& team) {
    Spots s;
    column(team.x, s.x);
    column(team.y, s.y);
    column(team.basex, s.bx);
    column(team.basey, s.by);
    return s;
}

// Each man's position type and stun count.
struct Roles {
    __m256i role[2], stun[2];
};

VM_AVX2 Roles roles(const Tmteam& team) {
    Roles r;
    column(team.role, r.role);
    column(team.stun, r.stun);
    return r;
}

// Every lane's target written out as walking orders; the men `ordered` have
// an order.
VM_AVX2 void writeorders(const __m256i tx[2], const __m256i ty[2], unsigned ordered, Walks& walks) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(walks.tx.data()), tx[0]);
    _mm_store_si128(reinterpret_cast<__m128i*>(walks.tx.data() + 8), _mm256_castsi256_si128(tx[1]));
    _mm256_store_si256(reinterpret_cast<__m256i*>(walks.ty.data()), ty[0]);
    _mm_store_si128(reinterpret_cast<__m128i*>(walks.ty.data() + 8), _mm256_castsi256_si128(ty[1]));
    walks.ordered = ordered;
}

// Lane masks and bits: lane i of the pair is man i.
VM_AVX2 unsigned bitsOf(const __m256i m[2]) {
    const unsigned lo = static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(m[0])));
    const unsigned hi = static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(m[1])));
    return (lo | hi << 8) & kEleven;
}

VM_AVX2 void masksOf(unsigned bits, __m256i m[2]) {
    const __m256i bit = _mm256_setr_epi32(1, 2, 4, 8, 16, 32, 64, 128);
    m[0] = _mm256_cmpeq_epi32(_mm256_and_si256(_mm256_set1_epi32(static_cast<int>(bits)), bit), bit);
    m[1] = _mm256_cmpeq_epi32(_mm256_and_si256(_mm256_set1_epi32(static_cast<int>(bits >> 8)), bit), bit);
}

// Flags of eleven men (one bool each) as bits. The first eight are read as
// one word (each byte 0 or 1, gathered into the top byte by one
// multiplication); the last three one by one, since a wide read of bytes
// written one at a time waits for the writes to reach the cache.
inline unsigned bitsOfFlags(const bool* flags) {
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, flags, 8);
    const unsigned low =
        static_cast<unsigned>(((bytes & 0x0101010101010101ull) * 0x0102040810204080ull) >> 56);
    return low | unsigned{flags[8]} << 8 | unsigned{flags[9]} << 9 | unsigned{flags[10]} << 10;
}

// Lane `i` (0..11) of a pair of vectors, taken from both without a trip
// through memory.
VM_AVX2 int lane(const __m256i v[2], int i) {
    const __m256i at = _mm256_set1_epi32(i & 7);
    const int lo = _mm256_cvtsi256_si32(_mm256_permutevar8x32_epi32(v[0], at));
    const int hi = _mm256_cvtsi256_si32(_mm256_permutevar8x32_epi32(v[1], at));
    return i < 8 ? lo : hi;
}

// The man among `men` whose squared distance to (px, py) is smallest, the
// first of equally near, or -1 when none is nearer than 2000: the key
// (squared distance x 16 + man) is an exact whole number in 32 bits for
// positions on and around the pitch.
VM_AVX2 int nearestto(const Spots& s, unsigned men, int px, int py) {
    if (men == 0) return -1;
    __m256i in[2];
    masksOf(men, in);
    const __m256i bx = _mm256_set1_epi32(px), by = _mm256_set1_epi32(py);
    const __m256i none = _mm256_set1_epi32(0x7fffffff);
    __m256i key[2];
    for (int v = 0; v < 2; ++v) {
        const __m256i dx = _mm256_sub_epi32(s.x[v], bx), dy = _mm256_sub_epi32(s.y[v], by);
        const __m256i d2 = _mm256_add_epi32(_mm256_mullo_epi32(dx, dx), _mm256_mullo_epi32(dy, dy));
        const __m256i index = _mm256_setr_epi32(8 * v, 8 * v + 1, 8 * v + 2, 8 * v + 3, 8 * v + 4, 8 * v + 5,
                                                8 * v + 6, 8 * v + 7);
        key[v] = _mm256_blendv_epi8(none, _mm256_or_si256(_mm256_slli_epi32(d2, 4), index), in[v]);
    }
    __m256i m = _mm256_min_epi32(key[0], key[1]);
    m = _mm256_min_epi32(m, _mm256_permute2x128_si256(m, m, 1));
    m = _mm256_min_epi32(m, _mm256_shuffle_epi32(m, _MM_SHUFFLE(1, 0, 3, 2)));
    m = _mm256_min_epi32(m, _mm256_shuffle_epi32(m, _MM_SHUFFLE(2, 3, 0, 1)));
    const int best = _mm256_cvtsi256_si32(m);
    return best < 2000 * 2000 * 16 ? (best & 15) : -1;
}

// Division by 2 and by 4 toward zero, lane by lane, as C++ divides.
VM_AVX2 __m256i half(__m256i v) {
    return _mm256_srai_epi32(_mm256_add_epi32(v, _mm256_srli_epi32(v, 31)), 1);
}
VM_AVX2 __m256i quarter(__m256i v) {
    return _mm256_srai_epi32(_mm256_add_epi32(v, _mm256_srli_epi32(_mm256_srai_epi32(v, 31), 30)), 2);
}

#undef VM_AVX2

}  // namespace vm::lanes

#endif
