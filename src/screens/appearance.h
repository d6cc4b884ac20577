// The game's look shared by every window: a font that holds all of its
// Japanese texts, and the application icon.
#pragma once

#include <QIcon>

namespace vm {

// Makes the application's font one that holds every Japanese text of the
// game, when the machine has one (Noto Sans CJK JP first).
void useGameFont();
// The application icon in every size shipped under data/icons of the
// working folder; empty when none is there.
QIcon gameIcon();

}  // namespace vm
