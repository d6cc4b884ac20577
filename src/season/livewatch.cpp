// SPDX-License-Identifier: GPL-3.0-or-later
// A watched match played to its end without a screen.
#include "season/livewatch.h"

#include "season/livematch.h"

namespace vm {

void playwatched(World& world, bool league) {
    constexpr LiveMatch::Millis kStep = LiveMatch::kFrameGap + 1;
    LiveMatch::Millis now = 0;
    LiveMatch match(world, league, now);
    while (!match.finished()) {
        match.idle(now);
        if (match.holding()) match.soundEnded();
        now += kStep;
    }
}

}  // namespace vm
