// SPDX-License-Identifier: GPL-3.0-or-later
// The defending side's movement for one tick: men caught upfield run back,
// the nearest man goes for the ball, the goalkeeper reads its flight, the
// others mark the nearest opponents and the rest keep the side's shape.
#pragma once

#include <array>

#include "match/flight.h"
#include "match/geometry.h"
#include "match/tman.h"
#include "match/walks.h"

namespace vm {

class Tdf {
public:
    explicit Tdf(const ballstate& b) : ball(b) {}
    // The same with the ball's forecast (see forecast()) already known.
    Tdf(const ballstate& b, Point forecast) : ball(b), forecast_(forecast), known_(true) {}
    // The same with the forecast asked of the match's running forecast, and
    // only when the keeper's choice depends on it.
    Tdf(const ballstate& b, Lookahead& lookahead, const Heading& heading)
        : ball(b), lookahead_(&lookahead), heading_(&heading) {}

    const ballstate& ball;        // the match's ball, which must outlive the object
    std::array<bool, 11> free{};  // still available this tick (the keeper never is)

    // Moves the side for one tick; returns the men then off the pitch (see offpitch).
    unsigned dfmove(Tmteam& own, const Tmteam& opp) { return moveside(*this, own, opp); }

    // The orders of one tick, not yet carried out, and the flags: the rules
    // man by man for every processor, and the same as vector steps for the
    // whole side where it has AVX2. dfmove takes the faster.
    void planBaseline(const Tmteam& own, const Tmteam& opp, Walks& walks);
    void planAvx2(const Tmteam& own, const Tmteam& opp, Walks& walks);

    // Where the ball will be 30 ticks from now if nobody touches it.
    Point forecast() const;

private:
    Point forecast_{};
    bool known_ = false;
    Lookahead* lookahead_ = nullptr;
    const Heading* heading_ = nullptr;

    // Could the ball's untouched flight bring it within `radius` of p by the
    // time of the forecast?
    bool mayreach(Point p, int radius) const;
    // Where the goalkeeper (at x = keeperx, spot g, active) goes with the ball at b.
    Point keeperaim(int keeperx, Point g, Point b) const;
    // The errands both ways give man by man: the ball winner (if any) goes
    // for the ball, the goalkeeper reads its flight and each opponent draws
    // his nearest man if that man is still in `avail`, the nearest men found
    // by `findnearest` (as nearestmen finds them). Returns the men left.
    template <class Nearest>
    unsigned errands(const Tmteam& own, const Tmteam& opp, unsigned avail, int winner, Walks& walks,
                     Nearest findnearest) const;
};

}  // namespace vm
