// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics as the game's tables and lines of text: a match's figures
// side by side, its players' figures, the club's records and the figures of
// the in-match panel. Qt-free, for the statistics window and the match window.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "league/careerstats.h"
#include "season/statsmodel.h"
#include "util/grid.h"

namespace vm {

// A match's figures, one row per figure: name, side 0, side 1.
Grid matchfiguresgrid(const MatchRecord& r);
// The players of one side with shots, goals, assists and touches.
Grid matchplayersgrid(const MatchRecord& r, int side);
// The club's seasons: season, division, position, points, goals for and against.
Grid clubseasonsgrid(const std::vector<ClubSeason>& seasons);
// The club's records as (heading, text) lines, each saying from which season
// it is counted.
std::vector<std::pair<std::string, std::string>> recordlines(const ClubRecords& rec);
// The in-match panel's lines: name, side 0's figure, side 1's figure.
std::vector<std::array<std::string, 3>> panellines(const MatchStats& st);
// A list entry for a match: "DIV2 clubA 2-1 clubB".
std::string matchtitle(const MatchRecord& r);

}  // namespace vm
