// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/versuspicker.h"

#include <stdexcept>

#include "league/savefiles.h"
#include "league/versus.h"
#include "league/world.h"
#include "season/prompts.h"

namespace vm {
namespace {

// The roster table without its empty first column, value, goals and assists.
const std::vector<int> kSideRemoved{14, 13, 12, 0};
constexpr int kSidePosCol = 2;
constexpr int kSideLegCol = 10;

}  // namespace

// Names go into their cells one by one: a file name may hold a comma.
VersusPicker::VersusPicker(World& world, Prompts& prompts) : world_(world), prompts_(prompts) {
    const std::vector<FileEntry> files = dataload(world_, "vs");
    const int rows = static_cast<int>(files.size()) + 1;
    grid_ = Grid(3, rows);
    grid_.setRow(0, kVersusListHeading);
    for (int r = 1; r < rows; ++r) grid_.cell(1, r) = files[r - 1].name;
}

VersusPicker::~VersusPicker() = default;

void VersusPicker::press(int col, int row) {
    if (row < 1 || row >= grid_.rowCount()) return;
    if (col == 0) chooseSide(0, row);
    if (col == 2) chooseSide(1, row);
}

void VersusPicker::chooseSide(int s, int row) {
    const std::string file = grid_.cell(1, row);
    // The club is read for the slot it will play in, but stays out of the
    // world until the match starts. The placeholder players' draws mean
    // nothing, so the generator is left where it was.
    const Rng before = world_.rng;
    VersusClub v;
    try {
        v = readVersus(world_, readPlayerFile(vsPath(world_, file)), s);
    } catch (const std::runtime_error& e) {
        prompts_.error(unreadableText(e));
        return;
    }
    world_.rng = before;

    const int col = 2 * s;
    for (int r = 1; r < grid_.rowCount(); ++r) grid_.cell(col, r).clear();
    grid_.cell(col, row) = kSideMark;

    VersusSide& side = sides_.at(static_cast<std::size_t>(s));
    side.chosen = true;
    side.row = row;
    side.file = file;
    side.name = v.club->name;
    side.comment = v.comment;
    side.emblem = v.club->emblem;
    v.club->rostergrid(side.roster, kSideRemoved);
    posname(side.roster, kSidePosCol);
    legname(side.roster, kSideLegCol);
    clubs_.at(static_cast<std::size_t>(s)) = std::move(v.club);
}

std::optional<VersusMatch> VersusPicker::confirm() {
    if (!clubs_[0] || !clubs_[1]) {
        prompts_.message(kNoSideText);
        return std::nullopt;
    }
    for (auto& club : clubs_) installClub(world_, std::move(club));
    vsstart(world_);
    return VersusMatch{};
}

}  // namespace vm
