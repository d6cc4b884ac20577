// SPDX-License-Identifier: GPL-3.0-or-later
// The career's statistics as the world keeps them: the figures of the last
// completed match day, each club's league position after each match day of
// the season, and what the user's club has done since the records began (its
// results, and for every player it tracks his goals and assists for the club
// and his seven attributes season by season). The statistics file beside a
// save carries them (statsfile.h).
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "match/matchstats.h"

namespace vm {

class Tplayer;

inline constexpr int kStatsClubs = 20;
inline constexpr int kStatsRounds = 27;

// One booked league match with its figures.
struct MatchRecord {
    int division = 0;
    int fixture = 0;
    std::array<int, 2> clubs{};
    std::array<std::string, 2> names;  // the clubs' names at the time
    std::array<int, 2> goals{};
    MatchStats stats;
    // The players behind the men's figures, as named then ("" for nobody).
    std::array<std::array<std::string, kFigureMen>, 2> men;
};

// A result of the user's club.
struct UserResult {
    int season = 0;
    int round = 0;  // match day 0..26
    std::string opponent;
    int scored = 0;
    int conceded = 0;
};

// A tracked player's attributes (Spe, Str, Ctl, Sho, Dri, Pas, Cro) as they
// stood at the user's club's last match of a season.
struct SeasonAbility {
    int season = 0;
    std::array<int, 7> ability{};
};

// A player the user's club has had since the records began, whether he is
// still there or not.
struct TrackedPlayer {
    std::string name;  // as last seen at the club
    int games = 0;     // matches he played for the club
    int goals = 0;
    int assists = 0;
    std::vector<SeasonAbility> seasons;
};

struct CareerStats {
    int since = 1;       // the first season the results and the players are counted from
    int season = 0;      // the season of `lastday` and `positions`
    int lastround = -1;  // the match day of `lastday`
    std::vector<MatchRecord> lastday;
    // Each club's position (1..10 in its division) after each match day of
    // `season`; 0 before it has played that day.
    std::array<std::array<int, kStatsRounds>, kStatsClubs> positions{};
    std::vector<UserResult> results;
    std::map<int, TrackedPlayer> players;  // by the player's statsid
    int nextid = 1;
    // What the player should be told once about the records (a fresh start).
    std::string notice;

    // The player's tracking number, given to him now when he has none.
    int track(Tplayer& p);
    // Records start afresh from `season` (a new game, or a save whose
    // records cannot be matched). Tracking numbers already given stay unused.
    void restart(int fromSeason);
};

}  // namespace vm
