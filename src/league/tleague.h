// SPDX-License-Identifier: GPL-3.0-or-later
// One division of ten clubs for one season: the table of counters, the
// 27-round schedule, the current round and the scorer and assist rankings.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace vm {

class World;
class Grid;
class InStream;
class OutStream;
class Tgame;

// One fixture: the table rows of its two sides. In rounds 0..17 the first side
// is at home when the round is odd, the second when it is even; rounds 18..26
// are neutral.
struct Pairing {
    int first = 0;
    int second = 0;
    bool operator==(const Pairing&) const = default;
};

inline constexpr int kLeagueClubs = 10;
inline constexpr int kRounds = 27;
inline constexpr int kPairings = 5;
// The longest club or player name (in bytes, as the game keeps it) that a
// stored division or club holds; longer ones are refused when read.
inline constexpr std::size_t kMaxStoredNameBytes = 256;

class Tleague {
public:
    // Columns of a table row.
    enum Column { cClub, cWins, cDraws, cLosses, cFor, cAgainst, cDiff, cPoints, cRank };

    // A division of the given clubs (table rows in this order), round -1, no
    // schedule yet. The names are copied from the clubs now.
    Tleague(World& world, const std::array<int, kLeagueClubs>& clubs, int division);
    ~Tleague();
    Tleague(const Tleague&) = delete;
    Tleague& operator=(const Tleague&) = delete;

    std::array<std::array<int, 9>, kLeagueClubs> table{};
    std::array<int, 2> lastscore{};  // goals of side 0 and 1 of the match being booked
    std::array<std::string, kLeagueClubs> names;
    std::array<std::array<Pairing, kPairings>, kRounds> schedule{};
    // The live matches of the current round while the runner plays them.
    std::array<std::unique_ptr<Tgame>, kPairings> matchslots;
    int round = -1;  // current round 0..26; -1 before the first match day
    int division = 1;
    std::vector<std::string> scorerlist;
    std::vector<std::string> assistlist;

    int clubOfRow(int row) const { return table.at(row)[cClub]; }

    // A three-cycle round robin by the circle method with a random seating and
    // a random order of the nine rounds; row 0 always plays first in pairing 0.
    void schedulemake();
    // The standings table in rank order: name, W, D, L, GF, GA, GD, Pts, rank
    // and the row number; counters as "%.3d" when padded.
    void rankgrid(Grid& g, bool padded) const;
    // Ranks by points, then goal difference, then goals for, then the previous rank.
    void rankmake();
    // The ranks rankmake would give each table row now, worked out on a copy:
    // the table itself is left as it is.
    std::array<int, kLeagueClubs> workranks() const;
    // The current round's fixtures with the home marks.
    void matchgrid(Grid& g) const;
    // The final order as ten "%.2d" club numbers, the champion first.
    std::vector<std::string> rankorder() const;
    // The final order joined by commas, also written to data/tmp/NN.rank, NN
    // being the last club.
    std::string rankfile() const;
    // Appends line + position and counters of row 0 to data/tmp/history.txt.
    void historyadd(const std::string& line) const;

    void leaguesave(OutStream& s) const;
    // Reads the stored form; on any damage throws FormatError and leaves the
    // division unchanged.
    void leagueload(InStream& s);

    World& world() const { return *world_; }

private:
    World* world_;
};

}  // namespace vm
