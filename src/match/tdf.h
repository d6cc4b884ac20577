// The defending side's movement for one tick: men caught upfield run back,
// the nearest man goes for the ball, the goalkeeper reads its flight, the
// others mark the nearest opponents and the rest keep the side's shape.
#pragma once

#include <array>

#include "match/geometry.h"
#include "match/tman.h"

namespace vm {

class Tdf {
public:
    explicit Tdf(const ballstate& b) : ball(b) {}
    // The same with the ball's forecast (see forecast()) already known.
    Tdf(const ballstate& b, Point forecast) : ball(b), forecast_(forecast), known_(true) {}

    ballstate ball;
    std::array<bool, 11> free{};  // still available this tick (the keeper never is)

    void dfmove(Tmteam& own, const Tmteam& opp);

    // Where the ball will be 30 ticks from now if nobody touches it.
    Point forecast() const;

private:
    Point forecast_{};
    bool known_ = false;
};

}  // namespace vm
