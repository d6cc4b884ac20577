// SPDX-License-Identifier: GPL-3.0-or-later
// Club 0's match watched through the live driver by somebody who only looks:
// the season loop's way to play a watched match day without a screen (tests
// and tools set it as FlowHooks::watchmatch).
#pragma once

namespace vm {

class World;

// Plays the user's match of the current match day to its end with a made-up
// clock (a frame every 17 ms), every whistle heard out at once and no tactics
// board, and books it as a watched match is booked. `league` as for LiveMatch.
void playwatched(World& world, bool league = true);

}  // namespace vm
