// SPDX-License-Identifier: GPL-3.0-or-later
// The match-day runner: prepares the players, plays a division's fixtures
// without a view in step with a shared counter, and books each result into
// the result files, the scorer and assist lists, the table and the players'
// form. The live view uses the same booking for the user's match.
#pragma once

#include <string>
#include <vector>

namespace vm {

class World;
class Tleague;
class Tteam;
class Tgame;

// The division (1 or 2) of a running season; throws std::logic_error when no
// season runs or its match day is outside 0..26.
Tleague& runningleague(World& world, int division);

// The user's opponent: the club of the away row of fixture 0 on the current match day.
int useropponent(World& world, int division);

// Before a match day: ratings of the starters rise, the reserves grow restless.
void prematch(World& world, int division);

// Counter 0 creates the fixtures' matches, 0 < counter < 54000 plays a tick of
// each (with the automatic substitutions), 54000 finishes and books them.
// all = false leaves fixture 0 (the user's live match) alone.
void matchday(World& world, int division, bool all, int counter);

// A whole match day of a division without a view: counters 0, 4, ... 54000.
void playmatchday(World& world, int division);

// The result file of one side of one fixture, relative to the working folder
// ("data/tmp/" + division, fixture and side digits). The goal files the match
// leaves are named by goalfilename (match/tgame.h).
std::string resultfilename(int division, int fixture, int side);

// Books the goals of a finished match from data/tmp/goal0 and goal1 into the
// result files, the players' goals and assists and the ranking lists.
void goalfile(World& world, int division, int fixture);

// Books a finished match into the table and every player's form.
void matchend(World& world, int division, int fixture);

// Keeps one player's line in a scorer or assist list: the line of his count
// before this goal gives way to the new one, and the list stays in the text
// order of the game's tables (CP932, letters folded), ascending.
void addscorer(World& world, int club, int count, std::vector<std::string>& list, const std::string& name);

// The result-file text of one goal line of a club: "MM分　" and the scorer
// (with "→" after the assistant), or "Own Goal". The line must be valid for
// the club (see goalfile).
std::string goaltext(const Tteam& team, const std::string& line);

// Books a finished league match's figures (the match observer's) into the
// world's career statistics, after the match is booked into the table: the
// match day's record, every club's position after the match day, and for
// the user's club its result and players. Nothing when the match kept no figures.
void bookfigures(World& world, int division, int fixture, const Tgame& game);

// One table row's share of a result.
void resultpoints(World& world, int division, int row, int gf, int ga, bool home);

}  // namespace vm
