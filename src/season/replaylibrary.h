// SPDX-License-Identifier: GPL-3.0-or-later
// The replays the player keeps: after a watched match with recording on, its
// record is kept in data/replays under a name of its own, with a small text
// beside it that says which match it was and how it ended, for the list.
//
// data/replays/<number>_<season>年目_<match day>節_<club>_<club>.dat  the record
// data/replays/<same>.txt  six lines: season, match day (0 for a versus match),
//                          both clubs' names, both sides' goals (the final
//                          score); a seventh, "途中まで", when the record stops
//                          before the end because the view was given up
// data/replays/<same>.watch  the notes of what was watched that the record
//                          lacks (season/watchnotes.h); replays kept before
//                          the notes existed have none
// The number grows with every kept replay, so a name is never taken twice
// and the list runs newest first. A text that is missing or damaged costs
// only the description: the replay stays in the list under its file name.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "season/watchnotes.h"
#include "util/grid.h"

namespace vm {

class World;
class LiveMatch;
struct Replay;

inline constexpr const char* kReplayFolder = "data/replays";

// Which match a kept replay shows and how it ended.
struct KeptMatch {
    int season = 0;
    int matchday = 0;  // 1..27; 0 for a versus match
    std::array<std::string, 2> names;
    std::array<int, 2> goals{};
    bool partial = false;  // the record stops before the end (the view was given up)
    bool operator==(const KeptMatch&) const = default;
};

struct KeptReplay {
    std::filesystem::path file;      // the record
    int number = -1;                 // its place in keeping order; -1 for a file the game did not name
    std::optional<KeptMatch> match;  // from the text beside it, when that could be read
};

// The file name a kept replay gets (without the folder): its number, the
// season and match day ("対戦" for a versus match) and both clubs' names,
// with every character a file name cannot safely hold replaced by "_".
std::string replayfilename(int number, const KeptMatch& match);

// Keeps a record with its description (and its notes, when given) as the
// newest replay, never replacing a file. Returns the record's path. DataError
// when the record cannot be written (nothing half-written is left behind); a
// description or notes that cannot be written cost only what they tell.
std::filesystem::path keepreplay(const World& world, const Replay& replay, const KeptMatch& match,
                                 const WatchNotes* notes = nullptr);
// The match a finished live match was: the season and match day it was
// played on, its clubs, its final score and whether its view was given up.
KeptMatch keptmatch(const World& world, const LiveMatch& match);
// What the live-match screen calls when a watched match has ended (is over):
// keeps its record when it was recording and recorded at least one frame.
// Returns the kept record's path, or nothing when there was nothing to keep.
std::optional<std::filesystem::path> keepreplay(const World& world, const LiveMatch& match);

// The notes kept beside a record, as far as they could be read.
struct NotesReading {
    std::optional<WatchNotes> notes;  // none: no notes file, or a damaged one
    std::string problem;              // why a notes file was refused; empty otherwise
};
NotesReading readkeptnotes(const std::filesystem::path& record);

// The kept replays, newest first. A missing folder lists nothing.
std::vector<KeptReplay> keptreplays(const World& world);
// What the viewer says while no replay is kept: how watched matches come to
// be kept (the switch file data/vtr, by its full path, or that it is on).
std::string noreplaystext(const World& world);
// How the viewer names a record: "2年目 5節  北浜 2 - 1 ロス" ("対戦  ..." for
// a versus match; "（途中まで）" after it when the record stops part-way), or
// the file's name when there is no description.
std::string replaytitle(const std::filesystem::path& file, const std::optional<KeptMatch>& match);
// The list as the viewer shows it: 試合, チーム, スコア, 相手; row r + 1 is replays[r].
// A replay whose record stops part-way has "※" after its match day, which
// kPartialLegend explains below the list.
inline constexpr const char* kPartialMark = "※";
inline constexpr const char* kPartialLegend = "※ 観戦をやめた試合：記録は途中までです";
Grid replaygrid(const std::vector<KeptReplay>& replays);
// Removes a kept replay, its description and its notes. DataError when the record
// cannot be removed; a file outside data/replays is never touched.
void deletereplay(const World& world, const KeptReplay& replay);

}  // namespace vm
