// A side's walking orders for one tick, carried out together. Within one
// movement step every man walks at most once and the choices are made on the
// positions the men had when the step began, so the walks can wait until the
// end.
#pragma once

#include <array>
#include <cmath>

#include "match/geometry.h"
#include "match/tman.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vm {

struct Walks {
    std::array<int, 22> target;  // (x, y) of man i at 2i, 2i + 1
    std::array<double, 11> step;
    unsigned ordered = 0;  // bit i: man i has an order

    // Man i walks `d` toward (x, y) this step.
    void order(int i, int x, int y, double d) {
        target[2 * i] = x;
        target[2 * i + 1] = y;
        step[i] = d;
        ordered |= 1u << i;
    }

    // Every man with an order takes his step (as `toward` would: the full
    // step, along +x when he stands on his target), and every whole-unit
    // position catches up with the exact one.
    void walk(Tmteam& team) const {
        for (int i = 0; i < 11; ++i) {
            Tman& m = team[i];
#if defined(__SSE2__)
            // The position (fx, fy) as one pair: one subtraction gives (dx,
            // dy), one multiplication their squares and one the step along
            // both; one conversion rounds both to whole units.
            __m128d p = _mm_loadu_pd(&m.fx);
            if (ordered >> i & 1) {
                const __m128d delta = _mm_sub_pd(
                    _mm_cvtepi32_pd(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(&target[2 * i]))), p);
                const __m128d sq = _mm_mul_pd(delta, delta);
                const __m128d l2 = _mm_add_sd(sq, _mm_unpackhi_pd(sq, sq));
                const double len = _mm_cvtsd_f64(_mm_sqrt_sd(l2, l2));
                p = len == 0 ? _mm_add_pd(p, _mm_set_sd(step[i]))
                             : _mm_add_pd(p, _mm_mul_pd(_mm_set1_pd(step[i] / len), delta));
                _mm_storeu_pd(&m.fx, p);
            }
            _mm_storel_epi64(reinterpret_cast<__m128i*>(&m.x), _mm_cvtpd_epi32(p));
#else
            if (ordered >> i & 1) toward(m, target[2 * i], target[2 * i + 1], step[i]);
            settle(m);
#endif
        }
    }
};

}  // namespace vm
