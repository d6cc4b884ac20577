// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file beside a saved game: the same name with ".stats" in
// place of ".dat", written with the save and read with it. Players have no
// identity in a save, so the file records where each tracked player stands
// in that save (club, list, index) and a fingerprint of the save's bytes;
// a file whose fingerprint does not match its save is not used.
//
// The form, one field after another as in the save (32-bit little-endian
// integers, length-prefixed strings): "VMST", the version 1, the
// fingerprint (low and high half), since, season, lastround, nextid; the
// last match day's records; the positions (20 clubs x 27 match days); the
// user's results; the tracked players with their seasons; the places.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "league/careerstats.h"

namespace vm {

class World;

// Where a tracked player stands in a save: club 0..19, list (0 roster,
// 1 youth, 2 injured) and index in it.
struct StatsPlace {
    int id = 0;
    int club = 0;
    int list = 0;
    int index = 0;
};

// A statistics file read back.
struct StatsFile {
    std::uint64_t fingerprint = 0;
    CareerStats stats;
    std::vector<StatsPlace> places;
};

// The largest statistics file the game reads.
inline constexpr std::uintmax_t kMaxStatsBytes = 16u << 20;

// The statistics file that pairs with a saved game or autosave.
std::filesystem::path statsPath(const std::filesystem::path& saveFile);

// The fingerprint of a save's bytes (64-bit FNV-1a).
std::uint64_t saveFingerprint(std::string_view saveBytes);

// Where each tracked player of the world stands, as a save records it.
std::vector<StatsPlace> statsPlaces(const World& w);

// The file's bytes for the world as it stands and the save image just written.
std::string statsImage(const World& w, std::string_view saveBytes);
// Reads a file's bytes; FormatError with a message for anything damaged.
StatsFile readStatsImage(std::string_view bytes);

// Writes the statistics file of a save (atomically); DataError on failure.
void writeStats(const World& w, const std::filesystem::path& saveFile, std::string_view saveBytes);
// After the save `saveFile` with bytes `saveBytes` is loaded into the world:
// takes its statistics when the file matches the save, and otherwise starts
// the records afresh from the season now and says so in `w.stats.notice`.
// Only the statistics and the players' tracking numbers change.
void loadStats(World& w, const std::filesystem::path& saveFile, std::string_view saveBytes);

// A save and its statistics file as one pair: removed together, renamed
// together (an autosave's rotation), a missing statistics file taking the
// partner's stale one with it. Errors are returned as false.
bool removeSavePair(const std::filesystem::path& saveFile);
bool renameSavePair(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace vm
