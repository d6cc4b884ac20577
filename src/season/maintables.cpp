// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/maintables.h"

#include <charconv>

#include "league/tleague.h"
#include "league/world.h"
#include "season/clubedits.h"

namespace vm {
namespace {

// The coaches table: the three coaches in rows 1..3, the coaching power in row 4.
constexpr int kCoachPowerRow = 4;

}  // namespace

void MainTables::showclub(int club) {
    const Tteam& team = world_.team(club);
    club_ = club;
    clubShown_ = true;
    upper_ = Grid();
    team.rostergrid(upper_, {0});
    posname(upper_, kMemberAt);
    legname(upper_, kMemberLeg);
    lower_ = Grid();
    team.coachgrid(lower_);
}

bool MainTables::showdivision() {
    if (!world_.leagues[0]) return false;
    const Tleague& league = *world_.leagues[world_.kanri.mydiv - 1];
    clubShown_ = false;
    lower_ = Grid();
    league.matchgrid(lower_);
    upper_ = Grid();
    league.rankgrid(upper_, false);
    return true;
}

void MainTables::sortupper(int column) {
    sort_.press(upper_, column);
}

std::optional<int> MainTables::rosterindex(int row) const {
    if (!clubShown_ || row < 1 || row >= upper_.rowCount() || upper_.colCount() <= kMemberIndex)
        return std::nullopt;
    const std::string& text = upper_.cell(kMemberIndex, row);
    int index = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return index;
}

bool MainTables::starter(int row) const {
    const std::optional<int> index = rosterindex(row);
    return index && *index <= kLastStarter;
}

bool MainTables::teaches(int col, int row) const {
    return clubShown_ && row >= 1 && row <= kCoachPowerRow && col < lower_.colCount() &&
           lower_.cell(col, row) == lower_.cell(col, kCoachPowerRow);
}

bool MainTables::coachesappointable() const {
    return clubShown_ && club_ == 0 && betweenseasons(world_);
}

}  // namespace vm
