// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen's two tables without the screen: a club's roster above and
// its coaches below, or during a season the user's division's table above
// and the match day's fixtures below. The screen draws upper() and lower(),
// forwards heading presses, and asks which player a row shows and how a cell
// is marked.
#pragma once

#include <optional>

#include "season/headingsort.h"
#include "util/grid.h"

namespace vm {

class World;

// The columns of a club's roster table: the roster row without its first
// (empty) column, positions and feet by name, then the condition figure and
// the roster index.
enum MemberCol {
    kMemberAt = 2,
    kMemberLeg = 10,
    kMemberCondition = 14,
    kMemberIndex = 15,
};
// The starting eleven are roster places 0..10.
inline constexpr int kLastStarter = 10;

class MainTables {
public:
    explicit MainTables(const World& world) : world_(world) {}

    // Club `club`'s roster and coaches.
    void showclub(int club);
    // The user's division's table and this match day's fixtures; false (and
    // nothing changed) when no season runs.
    bool showdivision();

    bool clubshown() const { return clubShown_; }
    int club() const { return club_; }
    const Grid& upper() const { return upper_; }
    const Grid& lower() const { return lower_; }

    // A press on the upper table's heading sorts it by that column.
    void sortupper(int column);

    // The roster index of the player in row `row` of the shown club's roster
    // table (sorted or not); nothing for the heading or the division's table.
    std::optional<int> rosterindex(int row) const;
    // Row `row` of the shown club's roster is one of the starting eleven.
    bool starter(int row) const;
    // A cell of the shown club's coaches table holds the coaching power of its
    // attribute: the coach who teaches it (and the power row itself).
    bool teaches(int col, int row) const;
    // Coaches may be appointed from the roster: club 0 between seasons.
    bool coachesappointable() const;

private:
    const World& world_;
    HeadingSort sort_{kMemberAt, 0};
    int club_ = 0;
    bool clubShown_ = false;
    Grid upper_;
    Grid lower_;
};

}  // namespace vm
