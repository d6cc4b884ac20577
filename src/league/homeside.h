// SPDX-License-Identifier: GPL-3.0-or-later
// Which side of a match plays at home. On the first division's match days 0
// to 17 the home row's club (side 0) is at home on odd days and the away
// row's club (side 1) on even days; from match day 18 nobody is.
#pragma once

namespace vm {

class World;

inline int homesideforround(int round) {
    return round <= 17 ? 1 - round % 2 : -1;
}

// Whether `side` (0 or 1) plays away when `home` is the home side (-1: nobody).
inline bool playsaway(int home, int side) {
    return home >= 0 && home != side;
}

// The home side for the world's current match day; -1 when no season runs.
int homeside(const World& world);

}  // namespace vm
