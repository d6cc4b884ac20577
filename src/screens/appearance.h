// SPDX-License-Identifier: GPL-3.0-or-later
// The game's look shared by every window: a font that holds all of its
// Japanese texts, and the application icon.
#pragma once

#include <QIcon>

#include "league/world.h"

namespace vm {

// Makes the application's font one that holds every Japanese text of the
// game, when the machine has one (Noto Sans CJK JP first).
void useGameFont();
// The application icon in every size under the shipped data/icons; empty
// when none is there.
QIcon gameIcon(const World& world);

}  // namespace vm
