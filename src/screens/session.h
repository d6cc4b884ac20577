// What every screen works with: the world it shows and changes, and the way
// to ask the player. Both outlive every screen; a screen keeps only this.
#pragma once

#include "league/world.h"
#include "season/prompts.h"

namespace vm {

struct Session {
    World& world;
    Prompts& prompts;
};

}  // namespace vm
