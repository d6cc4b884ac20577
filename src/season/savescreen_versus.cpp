// SPDX-License-Identifier: GPL-3.0-or-later
// The save screen's versus match: choosing the two sides' clubs from versus
// files, and setting up the match between them.
#include <stdexcept>

#include "league/savefiles.h"
#include "league/world.h"
#include "season/prompts.h"
#include "season/savescreen.h"

namespace vm {
namespace {

// The roster table without its empty first column, value, goals and assists.
const std::vector<int> kSideRemoved{14, 13, 12, 0};
constexpr int kSidePosCol = 2;
constexpr int kSideLegCol = 10;

}  // namespace

void SaveScreen::chooseSide(int s, int row) {
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

SaveOutcome SaveScreen::startVersus() {
    if (!clubs_[0] || !clubs_[1]) {
        prompts_.message(kNoSideText);
        return {};
    }
    for (auto& club : clubs_) installClub(world_, std::move(club));
    vsstart(world_);
    return SaveOutcome(SaveNext::playVersus);
}

}  // namespace vm
