// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game and vellmora-tool find their two folders (see world.h): the
// data the game ships, and the player's own folder.
#pragma once

#include <filesystem>
#include <optional>

namespace vm {

// The shipped data's folder of an installed program, relative to the folder
// holding the program: <prefix>/bin/vellmora2 reads <prefix>/share/vellmora2.
inline constexpr const char* kInstalledShare = "../share/vellmora2";

// The folder holding the shipped data/: the installed one beside `programFolder`
// when it holds a data/, else `sourceRoot` (a developer build run from its
// build folder) when that holds one; nullopt when neither does.
std::optional<std::filesystem::path> findShippedRoot(const std::filesystem::path& programFolder,
                                                     const std::filesystem::path& sourceRoot);

// The player's folder, by the desktop's base-directory rules:
// $XDG_DATA_HOME/vellmora2, else $HOME/.local/share/vellmora2. A relative
// XDG_DATA_HOME counts as unset, so the folder never depends on where the game
// was started. nullopt when neither variable gives an absolute folder. Either
// argument may be null (unset).
std::optional<std::filesystem::path> playerRoot(const char* xdgDataHome, const char* home);

// The folder holding the running program.
std::filesystem::path programFolder();

}  // namespace vm
