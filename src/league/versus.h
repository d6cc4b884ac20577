// SPDX-License-Identifier: GPL-3.0-or-later
// Versus files: one club with a comment, so that clubs of different players
// can meet in a versus match or join another player's league in place of
// Division 2's last club.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace vm {

class World;
class Tteam;

// The comment of an export when the player types none.
inline constexpr const char* kNoComment = "なし";
// Division 2's list for a versus match: club 0 in the first row, club 1 in
// the nine others, so the first fixture of every match day is club 0 against club 1.
inline constexpr const char* kVersusDiv2 = "0,1,1,1,1,1,1,1,1,1";
// A versus match is played on this match day: no side has home advantage.
inline constexpr int kVersusRound = 18;

// The bytes of a versus file of club 0: the number 29, the comment, the club.
// Throws NameRefused when the comment holds a character code page 932 cannot
// hold or is longer than a stored string may be (1 MiB), DataError when a club's text cannot be stored.
std::string vsImage(const World& w, std::string_view comment);

struct VersusClub {
    std::string comment;
    std::unique_ptr<Tteam> club;  // numbered for the slot it is meant for, not yet in place
};

// Reads a versus file's bytes into a club for slot `clubno` without putting it
// in place. FormatError on any damage or when the club's or a player's name
// holds a comma; the world's generator is then as it was.
VersusClub readVersus(World& w, std::string_view image, int clubno);

// Writes club 0 as a versus file (vsPath gives data/vs/<name>.dat). The file
// is replaced only by a complete new one; DataError on failure.
void vssave(const World& w, const std::filesystem::path& file, std::string_view comment);

// Reads a versus file into club 0 (side 0, left) or club 1 (side 1, right):
// name, emblem, money, doctor, line-up, coaches, youth, injured and roster.
// Returns the file's comment. On failure the world is as it was.
std::string vsload(World& w, const std::filesystem::path& file, int side);

// Sets up the versus match between clubs 0 and 1: Division 2's list becomes
// kVersusDiv2, a season starts and both divisions stand on match day 18.
void vsstart(World& w);

// Division 2's last club and its replacement at the end of a season.
//
// The number of the club the season's rank file names (data/tmp/NN.rank, the
// first there is), deleting the file; 0 when there is none or the user's own
// club finished last, which means no replacement is offered.
int lastclubfind(World& w);
// Keeps the club offered for replacement in data/tmp/save.dat so that it can
// come back.
void lastclubkeep(const World& w, int club);
// Puts the club of a versus file in slot `club`: the slot keeps its money,
// number and popularity; the roster players' career records are cleared.
// Returns the file's comment. On failure the slot is as it was.
std::string lastclubreplace(World& w, int club, const std::filesystem::path& file);
// Brings back the club kept in data/tmp/save.dat into slot `club`.
void lastclubrestore(World& w, int club);

}  // namespace vm
