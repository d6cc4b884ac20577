// SPDX-License-Identifier: GPL-3.0-or-later
// The saved game: the format number 29, the twenty clubs, the league manager
// (with both divisions while a season runs) and the season history, written
// as one file and read back in one piece.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

class World;

// The bytes of a saved game of the world as it stands. The history comes from
// data/tmp/history.txt (none when the file is missing). Throws DataError when
// a text cannot be held in code page 932.
std::string saveImage(const World& w);
// The same with the history lines given rather than read from the working folder.
std::string saveImage(const World& w, const std::vector<std::string>& history);

// Reads a saved game's bytes into the world: clubs, league manager and
// divisions; the players' values are recomputed and an open transfer window
// is closed. Returns the history lines without writing them. On any damage
// throws FormatError and the world, its generator included, is exactly as it was.
std::vector<std::string> readSave(World& w, std::string_view image);

// Writes the saved game to `file` (savePath gives data/savedata/<name>.dat).
// The image is read back before it is written, so a game that could not be
// loaded again is never saved; the file is replaced only by a complete new
// one. Throws DataError on failure, with the old file intact. Refused while a
// transfer window is open: its free agents and offers are not part of a save.
// The career's statistics go beside it (statsfile.h).
void save(const World& w, const std::filesystem::path& file);

// save() for a file name no saved game has had yet (an autosave): the
// statistics go first, so that the saved game, once it is there, has its own
// beside it even when the program stops between the two writes. When the
// saved game fails, its statistics go again.
void saveAsNew(const World& w, const std::filesystem::path& file);

// Why `image` could not be loaded as a saved game (read into a scratch world
// beside `w`, which stays as it is), or an empty text when it can.
std::string loadProblem(const World& w, std::string_view image);

// Loads a saved game into the world and its history into
// data/tmp/history.txt. FormatError for a damaged file, DataError when the
// file or the history cannot be read or written; in every failure the world
// and the history file are as they were. The statistics file beside it is
// taken when it matches the save, else the records start afresh (statsfile.h).
void load(World& w, const std::filesystem::path& file);

}  // namespace vm
