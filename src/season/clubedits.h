// SPDX-License-Identifier: GPL-3.0-or-later
// What the main screen lets the player change about the clubs: any club's
// name and emblem, and a veteran of his own club turned into one of its
// coaches. Names and coaches change only between seasons.
#pragma once

#include <filesystem>

#include "season/prompts.h"

namespace vm {

class World;

// The refusal of a coach appointment that would leave fewer than eleven players.
inline constexpr const char* kSquadTooSmall = "人数が足りなくなるためコーチ就任できません";
// The emblem picture dialog's filter.
inline constexpr const char* kEmblemFilter = "ビットマップ (*.bmp)";

// True between seasons (no division exists), when names and coaches may change.
bool betweenseasons(const World& world);

// Asks for club `club`'s new name, prefilled with its name, and takes the
// answer as typed when it is one usable name (isOneCommaItem, and short
// enough for a division to keep); otherwise says why and keeps the old name.
// During a season nothing is asked. True when the club was renamed.
bool renameclub(World& world, Prompts& prompts, int club);

// Asks for a bitmap file and gives its top-left 12 x 12 pixels to club `club`
// as its emblem (a smaller picture is filled out with white). A file that
// cannot be read as a bitmap is named in an error and the emblem stays as it
// was. True when the emblem changed.
bool changeemblem(World& world, Prompts& prompts, int club);
// The same without the dialog: throws DataError naming the file.
void loademblem(World& world, int club, const std::filesystem::path& file);

// Makes roster player `index` of club 0 its coach `slot` (1..3), between
// seasons only: refused when the squad would drop below eleven players, asked
// first, and refused by a player who wants to leave (value 0). The player
// leaves the roster and his seven attributes become the coach's. True when
// the appointment was made.
bool appointcoach(World& world, Prompts& prompts, int index, int slot);

}  // namespace vm
