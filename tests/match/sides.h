// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-made match sides for the engine's rule tests: eleven men of middling
// skill on a 4-4-2, placed where a test wants them.
#pragma once

#include "match/geometry.h"
#include "match/tman.h"

namespace vm::test {

// A man of middling skill at (x, y), his formation spot there too.
inline Tman man(int x, int y, int role = 3) {
    Tman m;
    m.name = "選手";
    place(m, x, y);
    m.basex = x;
    m.basey = y;
    m.speed = 0.75;
    m.power = 55;
    m.control = 50;
    m.passerr = m.shooterr = m.crosserr = m.dribbleerr = 55;
    m.role = role;
    return m;
}

// Side 0's 4-4-2 in club coordinates (keeper at x 25); a match mirrors side 1.
inline Tmteam side442() {
    static const int spots[11][3] = {{25, 240, 0},  {118, 84, 5},  {120, 196, 1}, {120, 284, 1},
                                     {118, 396, 5}, {200, 120, 2}, {200, 200, 3}, {200, 280, 4},
                                     {200, 360, 5}, {290, 204, 6}, {292, 276, 6}};
    Tmteam t;
    for (int i = 0; i < 11; ++i) t[i] = man(spots[i][0], spots[i][1], spots[i][2]);
    return t;
}

// A side standing far from everything (in the corner region), for tests that
// want only a few men near the action.
inline Tmteam sideAway(int x = 600, int y = 460) {
    Tmteam t;
    for (int i = 0; i < 11; ++i) t[i] = man(x, y, i == 0 ? 0 : 3);
    return t;
}

}  // namespace vm::test
