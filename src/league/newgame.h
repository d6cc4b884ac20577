// SPDX-License-Identifier: GPL-3.0-or-later
// A new game on the world built at start-up: the user gets two fresh weak
// clubs, every club its name, emblem, line-up, formation spots and coaches.
#pragma once

namespace vm {

class World;

// Turns the start-up world into a new game. Reads data/name/teamname.txt,
// data/teamimage.bmp and data/formation.txt; when one of them is missing or
// unusable, throws DataError naming it before any club has changed.
void newgame(World& world);

}  // namespace vm
