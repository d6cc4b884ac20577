// SPDX-License-Identifier: GPL-3.0-or-later
// The free-agent pool, the market snapshot of every player of every club and
// the pool, and the list of players a club can afford.
#include <stdexcept>

#include "players/clubworld.h"
#include "transfers/offerkey.h"
#include "transfers/tradelog.h"
#include "transfers/ttrade.h"
#include "util/arith.h"

namespace vm {
namespace {

constexpr int kPoolSize = 32;

// A market row built cell by cell, so that a name holding a comma stays in
// its own cell and cannot shift the owner and index columns.
void fillrow(Grid& g, int row, const std::string& owner, const Tplayer& p, int ownerno, int index) {
    std::vector<std::string> cells;
    cells.reserve(kMarketCols);
    cells.push_back(owner);
    for (auto& c : playercells(p)) cells.push_back(std::move(c));
    cells.push_back(pad(ownerno, 2));
    cells.push_back(pad(index, 3));
    g.rows().at(row).cells = std::move(cells);
}

}  // namespace

std::vector<std::string> playercells(const Tplayer& p) {
    std::vector<std::string> cells;
    cells.reserve(15);
    cells.push_back(p.name);
    cells.push_back(std::to_string(p.age));
    cells.push_back(std::to_string(p.at));
    for (int a : p.ability) cells.push_back(std::to_string(a));
    cells.push_back(std::to_string(p.leg));
    cells.push_back(std::to_string(p.value));
    cells.push_back(std::to_string(p.goals));
    cells.push_back(std::to_string(p.assists));
    cells.push_back(std::to_string(p.condition()));
    return cells;
}

Ttrade::Ttrade(ClubWorld& world) : world_(&world) {
    week = 1;
    std::vector<std::unique_ptr<Tplayer>> made(kPoolSize);
    for (int j = 0; j < 10; ++j) {
        int level = 15 + world.Random(20);
        made[j] = std::make_unique<Tplayer>(world, level, kNoClub, 1);
        level = 20 + world.Random(25);
        made[j + 10] = std::make_unique<Tplayer>(world, level, kNoClub, 2 + j % 2);
        level = 20 + world.Random(25);
        made[j + 20] = std::make_unique<Tplayer>(world, level, kNoClub, 4 + j % 2);
    }
    for (int j = 30; j < kPoolSize; ++j) {
        const int level = world.Random(50);
        const int nametype = 1 + world.Random(8) % 5;
        made[j] = std::make_unique<Tplayer>(world, level, kNoClub, nametype);
    }
    // Free agents are grown men; the value keeps the age it was made with
    // until the next change of mood.
    for (auto& p : made) p->age = 25 + world.Random(8);
    pool = std::move(made);
    starttradelog(world);
}

Tplayer& Ttrade::freeagent(int index) const {
    if (index < 0 || index >= static_cast<int>(pool.size()))
        throw std::out_of_range("no free agent at " + std::to_string(index));
    return *pool[static_cast<std::size_t>(index)];
}

void Ttrade::addfreeagent(std::unique_ptr<Tplayer> player) {
    player->club = kNoClub;
    pool.push_back(std::move(player));
}

Tplayer* Ttrade::playerat(int owner, int index) const {
    if (index < 0) return nullptr;
    const auto i = static_cast<std::size_t>(index);
    if (owner == kPoolOwner) return i < pool.size() ? pool[i].get() : nullptr;
    if (owner < 0 || owner >= kTradeClubs) return nullptr;
    const Tteam& club = world_->team(owner);
    return i < club.roster.size() ? club.roster[i].get() : nullptr;
}

std::string Ttrade::ownername(int owner) const {
    return owner == kPoolOwner ? kPoolOwnerName : world_->team(owner).name;
}

void Ttrade::marketmake() {
    int rows = 1;
    for (int c = 0; c < kTradeClubs; ++c)
        rows += std::min(static_cast<int>(world_->team(c).roster.size()), kMaxKeyIndex + 1);
    rows += std::min(static_cast<int>(pool.size()), kMaxKeyIndex + 1);
    market = Grid(kMarketCols, rows);
    market.setRow(0, kMarketHeading);
    int row = 1;
    // A player beyond index 999 cannot be named by an offer key; such lists
    // only come from damaged saves, and he simply stays off the market.
    for (int c = 0; c < kTradeClubs; ++c) {
        const Tteam& club = world_->team(c);
        for (int k = 0; k < static_cast<int>(club.roster.size()) && k <= kMaxKeyIndex; ++k)
            fillrow(market, row++, club.name, *club.roster[k], c, k);
    }
    for (int i = 0; i < static_cast<int>(pool.size()) && i <= kMaxKeyIndex; ++i)
        fillrow(market, row++, kPoolOwnerName, *pool[i], kPoolOwner, i);
    curteam = 0;
}

Grid Ttrade::candidatelist(int club) const {
    const int money = world_->team(club).money;
    Grid out(kMarketCols, 1);
    if (market.rowCount() > 0)
        out.rows()[0] = market.rows()[0];
    else
        out.setRow(0, kMarketHeading);
    for (int r = 1; r < market.rowCount(); ++r) {
        if (cellnumber(market.cell(kMarketOwner, r)) == club) continue;
        if (cellnumber(market.cell(kMarketValue, r)) > money) continue;
        out.rows().push_back(market.rows()[r]);
    }
    return out;
}

}  // namespace vm
