// SPDX-License-Identifier: GPL-3.0-or-later
// The attacking side's movement for one tick: the man nearest the ball goes
// to it and every other man takes up the point his position type asks for.
// The tactics screen runs one object repeatedly for its formation preview.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "match/geometry.h"
#include "match/tman.h"
#include "match/walks.h"

namespace vm {

class Tatk {
public:
    // From the ball's whole-unit position. Made every tick, so made in place.
    explicit Tatk(Point ballpos) {
        ball.x = ballpos.x;
        ball.y = ballpos.y;
        ball.fx = ballpos.x;
        ball.fy = ballpos.y;
        // The first eight flags in one write and the last three apart, as the
        // fast way reads them: a read of the eight that also overlapped the
        // write of the last three would wait for both writes to settle.
        constexpr std::uint64_t kEightTrue = 0x0101010101010101ull;
        std::memcpy(free.data(), &kEightTrue, 8);
        free[8] = free[9] = free[10] = true;
    }

    ballstate ball;  // only the position is set
    Point aim{};     // the target of the man being placed
    // Men still to be placed. Set only here: a man placed as the chaser in an
    // earlier run of this object is not moved again by it.
    std::array<bool, 11> free;

    // Places and moves the side for one tick. Only the opponents' goalkeeper
    // is read. Returns the men then off the pitch (see offpitch).
    unsigned atkmove(Tmteam& own, const Tmteam& opp) { return moveside(*this, own, opp); }

    // The orders of one tick, not yet carried out, with the flags and the
    // aim: the rules man by man for every processor, and the same as vector
    // steps for the whole side where it has AVX2. atkmove takes the faster.
    void planBaseline(const Tmteam& own, const Tmteam& opp, Walks& walks);
    void planAvx2(const Tmteam& own, const Tmteam& opp, Walks& walks);

    // The point a man of position type `role` with formation spot (bx, by)
    // takes up, given his own goal line k and the opposing goalkeeper.
    template <Manlike M>
    Point roleaim(int role, int bx, int by, int k, const M& oppkeeper) const {
        return roleaim(role, bx, by, k, oppkeeper.x, oppkeeper.basex, oppkeeper.basey);
    }
    // The same with the keeper at x = ox and his spot at (obx, oby).
    Point roleaim(int role, int bx, int by, int k, int ox, int obx, int oby) const;
};

}  // namespace vm
