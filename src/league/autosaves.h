// SPDX-License-Identifier: GPL-3.0-or-later
// Autosaves: saved games the game writes itself, in data/autosave, one for
// each point of a career where saving is allowed (a season's match day to
// come, or the break between seasons). Only their folder tells them from the
// player's saves; their bytes are those of a saved game. The last three
// points are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vm {

class World;

inline constexpr const char* kAutosaveFolder = "data/autosave";
inline constexpr std::size_t kAutosavesKept = 3;

// The point the world stands at: "3年目_14節" (match day 14 is next) while a
// season runs, "3年目_オフ" between seasons.
std::string autosavePoint(const World& w);

// One autosave, as its file tells it.
struct Autosave {
    std::filesystem::path file;  // data/autosave/<number>_<point>.dat
    int number = 0;              // grows with every autosave written: the newest has the largest
    std::string point;
    std::int64_t mtimeNs = 0;  // the file's modification time in nanoseconds since the epoch
    std::string timetext;      // as the save list shows it
};

// The autosaves in data/autosave, newest first. Files of other names are left out.
std::vector<Autosave> listAutosaves(const World& w);

// Why an autosave cannot be loaded, or an empty text when it can.
std::string autosaveProblem(const World& w, const Autosave& a);

// Saves the world as the autosave of its point: it replaces an autosave of
// the same point and leaves only the last kAutosavesKept points. Refused like
// any save (DataError, inside a transfer window or when the disk fails); the
// autosaves already there stay whole then. Its statistics are written before
// it (saveAsNew). Returns the file written.
std::filesystem::path writeAutosave(const World& w);

// The newest modification time, in nanoseconds, of the player's saved games
// in data/savedata; 0 when there is none.
std::int64_t newestSaveTime(const World& w);

}  // namespace vm
