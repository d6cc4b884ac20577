// SPDX-License-Identifier: GPL-3.0-or-later
// Worlds arranged so that the transfer window makes a known move, shared by
// the transfer flow's tests and the transfer screen's.
#pragma once

#include "league/world.h"

namespace vm::test {

// Club 4 plays without a keeper, so its first choice is the best keeper on
// the market: ours, made outstanding and cheap.
inline void club4WantsOurKeeper(World& world) {
    Tplayer& keeper = world.team(0).getplayer(0);
    keeper.at = 0;
    keeper.ability[0] = keeper.ability[2] = 89;
    keeper.age = 18;
    keeper.peak = 27;
    keeper.value = 50;
    world.team(4).getplayer(0).at = 1;
    world.team(4).money = 5000;
}

}  // namespace vm::test
