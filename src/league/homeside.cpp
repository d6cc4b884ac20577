// SPDX-License-Identifier: GPL-3.0-or-later
// The home side of a match from the first division's match day.
#include "league/homeside.h"

#include "league/tleague.h"
#include "league/world.h"

namespace vm {

int homeside(const World& world) {
    const auto& first = world.leagues[0];
    if (!first || first->round < 0) return -1;
    return homesideforround(first->round);
}

}  // namespace vm
