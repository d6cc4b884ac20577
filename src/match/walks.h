// A side's walking orders for one tick, carried out together. Within one
// movement step every man walks at most once and the choices are made on the
// positions the men had when the step began, so the walks can wait until the
// end and be done two men at a time.
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
    // Twelve lanes: eleven men and one that never walks.
    alignas(16) std::array<double, 12> tx{}, ty{}, step{};

    // Man i walks `d` toward (x, y) this step.
    void order(int i, int x, int y, double d) {
        tx[i] = x;
        ty[i] = y;
        step[i] = d;
    }

    // Every man with an order takes his step (as `toward` would), and every
    // whole-unit position catches up with the exact one.
    void walk(Tmteam& team) const {
        typedef double v2d __attribute__((vector_size(16)));
        typedef long long v2l __attribute__((vector_size(16)));
        for (int i = 0; i < 12; i += 2) {
            const bool pair = i + 1 < 11;
            const v2d fx = {team[i].fx, pair ? team[i + 1].fx : 0.0};
            const v2d fy = {team[i].fy, pair ? team[i + 1].fy : 0.0};
            const v2d d = {step[i], step[i + 1]};
            const v2d dx = v2d{tx[i], tx[i + 1]} - fx;
            const v2d dy = v2d{ty[i], ty[i + 1]} - fy;
            const v2d l2 = dx * dx + dy * dy;
#if defined(__SSE2__)
            const v2d len = _mm_sqrt_pd(l2);
#else
            const v2d len = {std::sqrt(l2[0]), std::sqrt(l2[1])};
#endif
            // On the target itself the step goes along +x.
            const v2l still = len == 0;
            const v2d safe = still ? v2d{1.0, 1.0} : len;
            const v2d k = d / safe;
            const v2d nx = fx + (still ? d : k * dx);
            const v2d ny = fy + (still ? v2d{} : k * dy);
            team[i].fx = nx[0];
            team[i].fy = ny[0];
            settle(team[i]);
            if (pair) {
                team[i + 1].fx = nx[1];
                team[i + 1].fy = ny[1];
                settle(team[i + 1]);
            }
        }
    }
};

}  // namespace vm
