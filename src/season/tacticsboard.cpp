// SPDX-License-Identifier: GPL-3.0-or-later
// The tactics board while the line-up is edited: the member list and its
// places, the markers, storing into club 0, the coach's choice, the heading
// sorts and formation files.
#include "season/tacticsboard.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "league/world.h"
#include "util/arith.h"
#include "util/errors.h"

namespace vm {
namespace {

// The member list drops the value, goals and assists columns of the roster
// table, keeping the references to the players.
const std::vector<int> kDroppedColumns{12, 12, 12};

// The place number "01".."13" in a place cell, 0 for none.
int placeof(const std::string& cell) {
    if (cell.size() != 2 || cell[0] < '0' || cell[0] > '9' || cell[1] < '0' || cell[1] > '9') return 0;
    const int n = (cell[0] - '0') * 10 + (cell[1] - '0');
    return n <= TacticsBoard::kMarkers ? n : 0;
}

}  // namespace

std::filesystem::path formationFolder(const World& world) {
    const std::filesystem::path folder = world.path(kFormationFolder);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) throw DataError(std::string(kFormationFolder) + " を作れません");
    return folder;
}

TacticsBoard::TacticsBoard(World& world) : world_(world) {
    build();
}

Tteam& TacticsBoard::club() const {
    return world_.team(0);
}

void TacticsBoard::build() {
    Tteam& team = club();
    list_ = Grid{};
    team.rostergrid(list_, kDroppedColumns);
    for (int r = 1; r <= rows(); ++r) list_.cell(kPlaceCol, r) = r <= kMarkers ? pad(r, 2) : " ";
    for (int n = 1; n <= kMarkers; ++n) {
        TacticsMarker& m = markers_[n - 1];
        m.caption = pad(n, 2);
        m.visible = n <= rows();
        m.label = m.visible ? list_.cell(kNameCol, n) : std::string();
    }
    posname(list_, kPosCol);
    legname(list_, kLegCol);
    // The keeper's marker shows his spot too, though it is not dragged.
    for (int slot = 0; slot < kStarters; ++slot) team.posconvert(markers_[slot].corner, slot, true);
    markers_[11].corner = kBenchCorners[0];
    markers_[12].corner = kBenchCorners[1];
}

MarkerCorners TacticsBoard::corners() const {
    MarkerCorners c{};
    for (int slot = 1; slot <= 10; ++slot) c[slot - 1] = markers_[slot].corner;
    return c;
}

int TacticsBoard::rosterIndex(int row) const {
    if (row < 1 || row > rows()) return -1;
    const Tplayer* p = list_.objectAs<Tplayer>(row);
    const PlayerList& roster = club().roster;
    const auto it = std::find_if(roster.begin(), roster.end(), [&](const auto& q) { return q.get() == p; });
    return it == roster.end() ? -1 : static_cast<int>(it - roster.begin());
}

bool TacticsBoard::menberselect(int n, int row) {
    if (preview_ || n < 1 || n > kMarkers || !markers_[n - 1].visible || row < 1 || row > rows())
        return false;
    const std::string place = pad(n, 2);
    for (int r = 1; r <= rows(); ++r)
        if (list_.cell(kPlaceCol, r) == place) list_.cell(kPlaceCol, r) = " ";
    // A player moved from another place leaves that place without a name.
    if (const int old = placeof(list_.cell(kPlaceCol, row)); old != 0) markers_[old - 1].label.clear();
    list_.cell(kPlaceCol, row) = place;
    markers_[n - 1].label = list_.cell(kNameCol, row);
    return true;
}

bool TacticsBoard::drag(int n, Point cursor) {
    if (preview_ || !draggable(n) || !markers_[n - 1].visible) return false;
    markers_[n - 1].corner = {limit(cursor.x, kDragMinX, kDragMaxX) - 6,
                              limit(cursor.y, kDragMinY, kDragMaxY) - 6};
    return true;
}

bool TacticsBoard::tacticssave() {
    if (preview_) return false;
    // Sorted apart, so that a refusal leaves the list as the player left it.
    Grid sorted = list_;
    gridsort(sorted, kPlaceCol, true);
    // Places are given only to shown markers, one player each, so the list
    // is complete when its last place is held. A squad of twelve has no
    // thirteenth place to fill.
    const int last = std::min(kMarkers, rows());
    if (last > 0 && sorted.cell(kPlaceCol, last) != pad(last, 2)) return false;

    Tteam& team = club();
    std::vector<const Tplayer*> seen;
    for (int r = 1; r <= rows(); ++r) seen.push_back(sorted.objectAs<Tplayer>(r));
    std::sort(seen.begin(), seen.end());
    const bool sameSquad = static_cast<int>(seen.size()) == team.playerhigh() + 1 &&
                           std::adjacent_find(seen.begin(), seen.end()) == seen.end() &&
                           std::all_of(team.roster.begin(), team.roster.end(), [&](const auto& p) {
                               return std::binary_search(seen.begin(), seen.end(), p.get());
                           });
    if (!sameSquad) throw std::logic_error("the tactics board no longer shows club 0's squad");

    for (int slot = 1; slot <= 10; ++slot) team.posconvert(markers_[slot].corner, slot, false);
    team.rosterfromgrid(sorted);
    list_ = std::move(sorted);
    for (int r = 1; r <= rows(); ++r) list_.cell(kIndexCol, r) = pad(r - 1, 3);
    return true;
}

void TacticsBoard::coachSelect() {
    if (preview_) return;
    Tteam& team = club();
    std::unordered_map<const Tplayer*, int> before;
    for (int i = 0; i <= team.playerhigh(); ++i) before[team.roster[i].get()] = i;
    const auto spots = team.position;
    try {
        team.autoselect();
        // Spots come by the line-up's shape, which needs a full eleven.
        if (team.roster.size() >= kStarters) team.formationload();
    } catch (...) {
        std::sort(team.roster.begin(), team.roster.end(),
                  [&](const auto& a, const auto& b) { return before.at(a.get()) < before.at(b.get()); });
        team.position = spots;
        throw;
    }
    build();
}

void TacticsBoard::sortBy(int col) {
    if (preview_ || col < 0 || col >= kColumns) return;
    if (col == sortCol_) {
        ascending_ = !ascending_;
    } else {
        sortCol_ = col;
        ascending_ = false;
    }
    if (col == kPosCol)
        gridsortpos(list_, col, ascending_);
    else
        gridsort(list_, col, ascending_);
}

void TacticsBoard::rereadNames() {
    for (int r = 1; r <= rows(); ++r) {
        const Tplayer* p = list_.objectAs<Tplayer>(r);
        if (!p) continue;
        list_.cell(kNameCol, r) = p->name;
        // A marker's label names the player holding the place its caption
        // shows (a substitute's number once he came on).
        for (TacticsMarker& m : markers_)
            if (m.visible && m.caption == list_.cell(kPlaceCol, r)) m.label = p->name;
    }
}

void TacticsBoard::formationSave(const std::filesystem::path& file) const {
    formationfilesave(file, corners());
}

void TacticsBoard::formationOpen(const std::filesystem::path& file) {
    if (preview_) return;
    const MarkerCorners loaded = formationfileload(file);
    for (int slot = 1; slot <= 10; ++slot) markers_[slot].corner = loaded[slot - 1];
}

}  // namespace vm
