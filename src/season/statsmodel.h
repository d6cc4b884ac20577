// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's model, without Qt: the last completed match day's
// matches, the position lines of the user's division, the club's seasons
// from its history, the club's records and a player's attributes season by
// season. Everything is read from the world; nothing in it changes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "league/careerstats.h"

namespace vm {

class World;
class Tplayer;

// The last completed match day's matches, the user's own first.
std::vector<const MatchRecord*> lastdaymatches(const World& w);

// A club's position after each match day of the season so far (index =
// match day), for every club of the user's division, the user's club first.
struct PositionLine {
    int club = 0;
    std::string name;
    std::vector<int> positions;
};
std::vector<PositionLine> positionlines(const World& w);

// One finished season of the user's club, from the history the game keeps.
struct ClubSeason {
    int season = 0;
    int division = 0;
    int position = 0;
    int wins = 0, draws = 0, losses = 0;
    int scored = 0, conceded = 0, points = 0;
    // Division and position on one scale, 1 the top of Division 1 and 20 the
    // bottom of Division 2, so that a promotion reads as a climb.
    int ladder() const { return (division - 1) * 10 + position; }
};
std::vector<ClubSeason> clubseasons(const World& w);

// A player's record for the club.
struct ClubScorer {
    std::string name;
    int count = 0;
    bool atClub = false;  // still at the club
};

struct ClubRecords {
    int historySince = 0;           // first season of the history (0: none yet)
    std::vector<int> titles;        // seasons won in Division 1
    std::vector<int> secondTitles;  // seasons won in Division 2
    std::vector<int> promotions;    // seasons that ended in promotion
    std::optional<ClubSeason> best;
    int resultsSince = 0;  // first season of the results and players counted
    std::optional<UserResult> biggestWin;
    std::optional<UserResult> biggestLoss;
    std::vector<ClubScorer> scorers;  // most goals first (ties: by name)
    std::vector<ClubScorer> assisters;
};
ClubRecords clubrecords(const World& w);

// The user's club's players with a record, in roster, youth, injured order.
struct TrackedChoice {
    int id = 0;
    std::string name;
};
std::vector<TrackedChoice> trackedplayers(const World& w);
// A player's record, or null when he has none.
const TrackedPlayer* trackedrecord(const World& w, const Tplayer& p);
const TrackedPlayer* trackedrecord(const World& w, int id);

// The seven attributes' short names, in the players' order.
inline constexpr const char* kAbilityNames[7] = {"Spe", "Str", "Ctl", "Sho", "Dri", "Pas", "Cro"};

}  // namespace vm
