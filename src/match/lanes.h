// A side's men as the lanes of AVX2 vectors, for the movement rules' fast
// way: eight men to a vector, lanes 0..7 in the first and men 8..10 in the
// first three lanes of the second. The spare lanes hold a man far from the
// pitch who stands still; every set of men is kept as bits (bit i for man
// i) and masked to the eleven, so the spare lanes never count.
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

inline constexpr int kFar = -10000;  // the spare lanes' position
inline constexpr unsigned kEleven = 0x7ffu;

// Whole-unit positions and formation spots. Tman keeps x, y, basex and basey
// one after another, so each man is one 16-byte read; four men are then
// turned into four vectors of one field each.
struct Spots {
    __m256i x[2], y[2], bx[2], by[2];
};

VM_AVX2 __m128i spotsOf(const Tman& m) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(&m.x));
}

// Four records (x, y, bx, by) per 128-bit half, turned into one field per vector.
VM_AVX2 void transpose(__m256i a, __m256i b, __m256i c, __m256i d, __m256i& x, __m256i& y, __m256i& bx,
                       __m256i& by) {
    const __m256i t0 = _mm256_unpacklo_epi32(a, b), t1 = _mm256_unpacklo_epi32(c, d);
    const __m256i t2 = _mm256_unpackhi_epi32(a, b), t3 = _mm256_unpackhi_epi32(c, d);
    x = _mm256_unpacklo_epi64(t0, t1);
    y = _mm256_unpackhi_epi64(t0, t1);
    bx = _mm256_unpacklo_epi64(t2, t3);
    by = _mm256_unpackhi_epi64(t2, t3);
}

// Men i and j as the two halves of one vector; j past the side is far away.
VM_AVX2 __m256i spotpair(const Tmteam& team, int i, int j) {
    const __m128i far = _mm_set1_epi32(kFar);
    return _mm256_set_m128i(j < 11 ? spotsOf(team[j]) : far, i < 11 ? spotsOf(team[i]) : far);
}

VM_AVX2 Spots spots(const Tmteam& team) {
    Spots s;
    transpose(spotpair(team, 0, 4), spotpair(team, 1, 5), spotpair(team, 2, 6), spotpair(team, 3, 7), s.x[0],
              s.y[0], s.bx[0], s.by[0]);
    transpose(spotpair(team, 8, 11), spotpair(team, 9, 11), spotpair(team, 10, 11), spotpair(team, 11, 11),
              s.x[1], s.y[1], s.bx[1], s.by[1]);
    return s;
}

// Each man's position type and stun count (kept next to each other in Tman).
struct Roles {
    __m256i role[2], stun[2];
};

VM_AVX2 __m128i rolesOf(const Tman& a, const Tman& b) {
    const __m128d lo = _mm_castsi128_pd(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(&a.role)));
    return _mm_castpd_si128(_mm_loadh_pd(lo, reinterpret_cast<const double*>(&b.role)));
}

// From (role, stun) pairs of men 0, 1 | 4, 5 in `ab` and 2, 3 | 6, 7 in `cd`:
// the roles and the stun counts in man order.
VM_AVX2 void splitroles(__m256i ab, __m256i cd, __m256i& role, __m256i& stun) {
    const __m256 a = _mm256_castsi256_ps(ab), c = _mm256_castsi256_ps(cd);
    role = _mm256_castps_si256(_mm256_shuffle_ps(a, c, _MM_SHUFFLE(2, 0, 2, 0)));
    stun = _mm256_castps_si256(_mm256_shuffle_ps(a, c, _MM_SHUFFLE(3, 1, 3, 1)));
}

VM_AVX2 Roles roles(const Tmteam& team) {
    Roles r;
    splitroles(_mm256_set_m128i(rolesOf(team[4], team[5]), rolesOf(team[0], team[1])),
               _mm256_set_m128i(rolesOf(team[6], team[7]), rolesOf(team[2], team[3])), r.role[0], r.stun[0]);
    const __m128i tail = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(&team[10].role));
    splitroles(_mm256_zextsi128_si256(rolesOf(team[8], team[9])), _mm256_zextsi128_si256(tail), r.role[1],
               r.stun[1]);
    return r;
}

// The men's speeds as the walk's steps, lane 11 none.
VM_AVX2 void speeds(const Tmteam& team, Walks& walks) {
    for (int i = 0; i < 12; i += 4) {
        const double last = i + 3 < 11 ? team[i + 3].speed : 0.0;
        _mm256_store_pd(walks.step.data() + i,
                        _mm256_setr_pd(team[i].speed, team[i + 1].speed, team[i + 2].speed, last));
    }
}

// Every lane's target written out as walking orders, each man's step his
// speed; the men `ordered` have an order.
VM_AVX2 void writeorders(const __m256i tx[2], const __m256i ty[2], unsigned ordered, const Tmteam& team,
                         Walks& walks) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(walks.tx.data()), tx[0]);
    _mm_store_si128(reinterpret_cast<__m128i*>(walks.tx.data() + 8), _mm256_castsi256_si128(tx[1]));
    _mm256_store_si256(reinterpret_cast<__m256i*>(walks.ty.data()), ty[0]);
    _mm_store_si128(reinterpret_cast<__m128i*>(walks.ty.data() + 8), _mm256_castsi256_si128(ty[1]));
    speeds(team, walks);
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
