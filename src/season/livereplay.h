// SPDX-License-Identifier: GPL-3.0-or-later
// The replay record of a watched match and the joined result file, both kept
// only while the marker file data/vtr exists when the match opens.
//
// The record, data/tmp/match.dat, is bytes in this order:
//   1. side 0's picture, then side 1's: each an int32 little-endian byte
//      count n (1..kMaxReplayPicture) followed by n bytes, the club's 12 x 12
//      emblem as a 24-bit BMP file image (encodeBmp). A viewer builds the
//      numbered shirts from it as the pitch window does.
//   2. a text in lines ending CR LF: line 1 the counter step per frame (the
//      speed when the match ended, times 4); then one line per frame shown:
//      "g" while a goal is celebrated, otherwise 144 digits in groups of
//      three: for side 0's men 0..10 and then side 1's, max(0, x - 6) and
//      max(0, y - 6) (the shirt's corner); the ball's max(0, x - 3) and
//      max(0, y - 3) (its shadow); and the ball drawn in the air,
//      max(0, x - 3 - round(0.75 z)) and max(0, y - 3 - round(1.5 z)).
//      Values above 999 are written as 999 so that every line keeps its width.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "util/bitmap.h"

namespace vm {

class World;
class Tgame;

inline constexpr const char* kReplaySwitch = "data/vtr";
inline constexpr const char* kReplayFile = "data/tmp/match.dat";
inline constexpr int kFrameDigits = 144;
inline constexpr int kMaxReplayPicture = 1 << 20;
// The largest record file the game reads. A whole match at the slowest speed
// with many goals is under 2 MiB; anything far bigger is not a record.
inline constexpr std::uintmax_t kMaxReplayBytes = 16u << 20;

// One frame's line of the record.
std::string vtrline(const Tgame& game);

struct Replay {
    std::array<Bitmap, 2> pictures;  // side 0 first
    int step = 0;                    // counter step per frame
    std::vector<std::string> frames;
};

// A record as far as it could be read: a record whose text stops inside a
// frame line (a file cut off by a full disk or a broken copy) keeps the whole
// frames before that line and says so. A cut that falls exactly between two
// lines leaves a record that reads as whole: nothing in it says how long it
// should have been.
struct ReplayReading {
    Replay replay;
    bool cutShort = false;
    std::string problem;  // why it is cut short, for the player
};

// The record's bytes.
std::string replayimage(const Replay& replay);
// Reads a record; FormatError when anything is out of its form, a cut-off
// last line included.
Replay readreplay(std::string_view bytes);
// Reads a record for watching: a cut-off last line is left out and reported;
// anything else out of form (a broken picture, a bad line before the last,
// nothing after the pictures) is still FormatError.
ReplayReading readreplaypart(std::string_view bytes);
// The same from a file: DataError when it cannot be opened, FormatError when
// it is larger than kMaxReplayBytes (refused before reading) or out of form.
ReplayReading readreplayfile(const std::filesystem::path& file);

// The record of a finished match: its clubs' emblems, the counter step of
// `speed` and the match's frame list (empty when nothing was recorded).
Replay replayof(const World& world, const Tgame& game, int speed);
// That record written to data/tmp/match.dat, replacing the file only by a
// complete one.
void writereplay(const World& world, const Tgame& game, int speed);

// Joins the result files of fixture 0 of `division` (both sides, one after
// the other) into data/tmp/result + N0 + N1 + ".dat", N0 and N1 their line
// counts as two digits. Returns the file's name relative to the working folder.
std::string joinresults(const World& world, int division);

}  // namespace vm
