// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game and vellmora-tool find their two folders (see world.h): the
// data the game ships, and the player's own folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vm {

// The shipped data's folder of an installed program, relative to the folder
// holding the program: <prefix>/bin/vellmora2 reads <prefix>/share/vellmora2,
// and so does the Debian package's /usr/games/vellmora2.
inline constexpr const char* kInstalledShare = "../share/vellmora2";

// The file a build folder holds beside the programs it builds, naming the
// source tree they were built from. Only a program run from its build folder
// has one: an installed program never reads the source tree of the machine
// that built it.
inline constexpr const char* kSourceTreeNote = "vellmora2-source-tree";

// The folder holding the shipped data/: the installed one beside
// `programFolder` when it holds a data/, else the source tree named by the
// build folder's note beside the program when that holds one; nullopt when
// neither does.
std::optional<std::filesystem::path> findShippedRoot(const std::filesystem::path& programFolder);

// Where the shipped data/ of an installed program should be, for messages
// that say it is missing: <prefix>/share/vellmora2/data, or, when the
// program's own folder is unknown, that it is.
std::string installedDataForMessages(const std::filesystem::path& programFolder);

// The player's folder, by the desktop's base-directory rules:
// $XDG_DATA_HOME/vellmora2, else $HOME/.local/share/vellmora2. A relative
// XDG_DATA_HOME counts as unset, so the folder never depends on where the game
// was started. nullopt when neither variable gives an absolute folder. Either
// argument may be null (unset).
std::optional<std::filesystem::path> playerRoot(const char* xdgDataHome, const char* home);

// The folder holding the running program.
std::filesystem::path programFolder();

}  // namespace vm
