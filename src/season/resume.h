// SPDX-License-Identifier: GPL-3.0-or-later
// What the game does as it starts about a career an earlier copy left open
// (a crash, a kill, a power cut): it clears away the temporary files of
// writes that were cut off, and finds the autosave to offer the player.
#pragma once

#include <filesystem>
#include <optional>

namespace vm {

class World;

inline constexpr const char* kResumeQuestion = "前回の続きから再開しますか？";

// Removes the temporary files that interrupted writes left in the player's
// folders (those of copies still running stay).
void removeLeftovers(const World& w);

// The autosave to offer when a copy that is no longer running had a career
// open and its newest readable autosave is newer than every saved game;
// nothing otherwise. The marks of those copies are forgotten either way, so
// the question comes once.
std::optional<std::filesystem::path> takeResumeOffer(const World& w);

}  // namespace vm
