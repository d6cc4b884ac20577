// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/window.h"

#include <exception>
#include <memory>
#include <utility>
#include <vector>

#include "league/world.h"
#include "transfers/tradelog.h"
#include "util/errors.h"

namespace vm {
namespace {

Ttrade& engine(World& world) {
    if (!world.trade) throw TradeStateError("移籍期間ではありません");
    return *world.trade;
}

// The squads as they were before the clear-out, to put back should the
// opening fail half-way (the clear-out changes only rosters and youth).
struct Squads {
    std::vector<Tplayer> roster;
    std::vector<Tplayer> youth;
};

Squads keep(const Tteam& club) {
    Squads s;
    for (const auto& p : club.roster) s.roster.push_back(*p);
    for (const auto& p : club.youth) s.youth.push_back(*p);
    return s;
}

void restore(Tteam& club, const Squads& s) {
    club.roster.clear();
    for (const Tplayer& p : s.roster) club.roster.push_back(std::make_unique<Tplayer>(p));
    club.youth.clear();
    for (const Tplayer& p : s.youth) club.youth.push_back(std::make_unique<Tplayer>(p));
}

}  // namespace

void tradeopen(World& world) {
    if (world.trade) throw TradeStateError("移籍期間はもう始まっています");
    world.trade = std::make_unique<Ttrade>(world);
    std::vector<Squads> before;
    for (int c = 0; c < kClubCount; ++c) before.push_back(keep(world.team(c)));
    try {
        for (int c = 0; c < kClubCount; ++c) world.trade->offseason(world.team(c));
    } catch (...) {
        for (int c = 0; c < kClubCount; ++c) restore(world.team(c), before[c]);
        world.trade.reset();
        throw;
    }
}

void tradestart(World& world, TradeChoices& choices, Grid& recommended) {
    Ttrade& t = engine(world);
    if (t.week > kTradeWeeks) throw TradeStateError("移籍期間は終わりました");
    t.marketmake();
    t.recommend(recommended);
    choices.offers(t, recommended);
}

void offerdecide(World& world, Grid& offers) {
    Ttrade& t = engine(world);
    for (int c = 1; c < kClubCount; ++c) {
        t.curteam = c;
        t.aioffer();
    }
    t.offerlist(offers);
}

void movedecide(World& world, TradeChoices& choices) {
    Ttrade& t = engine(world);
    t.ownerdecideall();
    const std::vector<int> open = t.opendecisions;
    for (int record : open) choices.decide(t, t.decision(record));
}

void playermove(World& world, TradeChoices& choices, Grid& results) {
    Ttrade& t = engine(world);
    t.requireanswers();
    // The log must be there before any money moves.
    std::vector<std::string> log = readtradelog(world);
    t.resolve();
    // Should the log fail now, the moves are still carried out, so that no
    // money or player is lost; the fault is reported at the end of the week.
    std::exception_ptr logfault;
    bool moved = false;
    try {
        moved = t.resultlist(results, std::move(log));
    } catch (const DataError&) {
        logfault = std::current_exception();
        moved = true;
    }
    if (!moved) choices.inform(kNoTransfersText);
    t.applymoves();
    for (int c = 0; c < kClubCount; ++c) {
        Tteam& club = world.team(c);
        if (c != 0) club.autoselect();
        club.training();
    }
    ++t.week;
    if (logfault) std::rethrow_exception(logfault);
}

bool tradeover(const World& world) {
    return world.trade && world.trade->week > kTradeWeeks;
}

void tradeend(World& world) {
    engine(world);
    for (int c = 1; c < kClubCount; ++c) world.team(c).formationload();
    world.trade.reset();
}

void tradeweek(World& world, TradeChoices& choices) {
    Grid table;
    tradestart(world, choices, table);
    offerdecide(world, table);
    movedecide(world, choices);
    playermove(world, choices, table);
}

}  // namespace vm
