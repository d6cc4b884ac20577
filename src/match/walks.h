// SPDX-License-Identifier: GPL-3.0-or-later
// A side's walking orders for one tick, carried out together. Within one
// movement step every man walks at most once and the choices are made on the
// positions the men had when the step began, so the walks can wait until the
// end and be done several men at a time.
#pragma once

#include <array>

#include "match/scans.h"
#include "match/tman.h"

namespace vm {

struct Walks {
    // Twelve lanes: eleven men and one that never walks. Every man walks at
    // his own speed, so an order is only a target.
    alignas(32) std::array<int, 12> tx, ty;
    unsigned ordered = 0;  // bit i: man i has an order

    // For a caller that writes every lane itself: nothing is cleared.
    struct Filled {};
    explicit Walks(Filled) {}

    // The lanes are cleared by hand: left to itself the compiler clears them
    // with a string instruction whose start-up costs more than a whole walk.
    Walks() {
        typedef int v4i __attribute__((vector_size(16)));
#pragma GCC unroll 3
        for (int i = 0; i < 12; i += 4) {
            *reinterpret_cast<v4i*>(&tx[i]) = v4i{};
            *reinterpret_cast<v4i*>(&ty[i]) = v4i{};
        }
    }

    // Man i walks toward (x, y) this step.
    void order(int i, int x, int y) {
        tx[i] = x;
        ty[i] = y;
        ordered |= 1u << i;
    }

    // Every man with an order takes a step of his speed (as `toward` would:
    // the full step, along +x when he stands on his target), and every whole-unit
    // position catches up with the exact one. Each man's arithmetic is the
    // same single operations in the same order however many men are done at
    // once, so every processor walks the men to the same bit.
    void walk(Tmteam& team) const;
};

// The two ways of walking a side, open for tests that compare them; Walks::walk
// takes the faster one the processor has.
namespace walkways {
void oneByOne(const Walks& w, Tmteam& team);
// Four men at once with AVX2; one by one where the processor lacks it.
void fourAtATime(const Walks& w, Tmteam& team);
// Four men at once, only where the processor has AVX2. Returns the men (bit
// i, man i) whose whole-unit position is then not strictly inside the lines
// where men are kept, as offpitch() would.
unsigned avx2(const Walks& w, Tmteam& team);
}  // namespace walkways

// A movement rule's (Tdf's, Tatk's) orders for one tick, given and carried
// out the fastest way the processor has; returns the men then off the pitch
// (see offpitch). The AVX2 way writes every lane, so its walks need no
// clearing, and tells who is off as it walks.
template <class Rules>
unsigned moveside(Rules& rules, Tmteam& own, const Tmteam& opp) {
    if (scans::haveAvx2()) {
        Walks walks(Walks::Filled{});
        rules.planAvx2(own, opp, walks);
        return walkways::avx2(walks, own);
    }
    Walks walks;
    rules.planBaseline(own, opp, walks);
    walks.walk(own);
    return offpitch(own);
}

}  // namespace vm
