// SPDX-License-Identifier: GPL-3.0-or-later
// What every screen works with: the world it shows and changes, the way to
// ask the player, the clock it runs on and the host that opens the next
// screen. All of them outlive every screen; a screen keeps only this.
#pragma once

#include "league/world.h"
#include "season/prompts.h"

namespace vm {

class Clock;
class ScreenHost;

struct Session {
    World& world;
    Prompts& prompts;
    Clock& clock;
    ScreenHost& host;
};

}  // namespace vm
