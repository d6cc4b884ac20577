// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own files: saved games in data/savedata and versus files in
// data/vs. Listing them, checking the names the player types, reading and
// writing them safely, and the club record both kinds of file carry.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

class World;
class Tteam;
class InStream;

// The number every saved game and versus file opens with.
inline constexpr std::int32_t kFileFormat = 29;
// The largest saved game or versus file the game reads; anything bigger is not one of ours.
inline constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

// A file name the player typed that cannot be used; the message says why.
struct NameRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One file of the save screen's list.
struct FileEntry {
    std::string name;        // without ".dat"
    std::int64_t mtime = 0;  // seconds since the epoch
    std::string timetext;    // local time, "2024/05/01 13:45:07" (sorts chronologically as text)
};

// The ".dat" files of data/<folder> ("savedata" or "vs"), sorted by name. A
// missing folder lists nothing; files whose names could not be typed back
// (see fileNameProblem) are left out.
std::vector<FileEntry> dataload(const World& w, std::string_view folder);

// Why a typed file name cannot be used, or an empty text when it can. Refused:
// empty names, path separators, "..", a leading dot, control characters,
// characters code page 932 cannot hold, and names too long for the file system.
std::string fileNameProblem(std::string_view name);

// data/savedata/<name>.dat and data/vs/<name>.dat. Throws NameRefused for a name
// fileNameProblem refuses; creates the folder when it is missing (DataError
// when that fails), so the first export works on a fresh installation.
std::filesystem::path savePath(const World& w, std::string_view name);
std::filesystem::path vsPath(const World& w, std::string_view name);

// The whole file, refused with FormatError when it is larger than any file of
// ours can be; DataError when it cannot be opened.
std::string readPlayerFile(const std::filesystem::path& file);

// The text the save screen shows when a file cannot be read.
std::string unreadableText(const std::exception& e);

// The format number at the start of a file; anything but 29 is another layout.
void readFormat(InStream& s);

// Reads one stored club into a new club object of number `clubno` that keeps
// the popularity of the club it will replace. The players are placeholders of
// `w`, so they draw from its generator as they are made. Beyond what the club
// itself checks, a club a season could not use is refused: fewer than eleven
// players, names longer than a division keeps, absurd money, doctor or coaches.
std::unique_ptr<Tteam> readClub(World& w, InStream& s, int clubno);

// Puts a club read by readClub in its place and hands back the one it replaced.
std::unique_ptr<Tteam> installClub(World& w, std::unique_ptr<Tteam> club);

// Recomputes every player's value of every club from the league manager now
// in place (a loaded player's value is derived, never stored).
void revalue(World& w);

}  // namespace vm
