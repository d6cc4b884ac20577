// SPDX-License-Identifier: GPL-3.0-or-later
// The week's settled moves: listed and written to the trade log, then carried
// out (careers, money, rosters, pool) and short rosters refilled from youth.
#include <algorithm>
#include <map>
#include <stdexcept>

#include "players/clubworld.h"
#include "transfers/offerkey.h"
#include "transfers/tradelog.h"
#include "transfers/ttrade.h"
#include "util/arith.h"

namespace vm {
namespace {

const char* const kResultsHeading = "Team,Name,Value,,Team";

// The lowest roster a club may keep; the youth squad fills up to it.
constexpr int kMinRoster = 11;

}  // namespace

bool Ttrade::resultlist(Grid& out) {
    if (moves.empty()) return false;
    return resultlist(out, readtradelog(*world_));
}

bool Ttrade::resultlist(Grid& out, std::vector<std::string> log) {
    if (moves.empty()) return false;
    Grid table(7, static_cast<int>(moves.size()) + 1);
    table.setRow(0, kResultsHeading);
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move m = parsemove(moves[i]);
        const Tplayer* p = playerat(m.seller, m.index);
        if (p == nullptr) throw std::logic_error("a move names no player: " + moves[i]);
        std::vector<std::string> cells{ownername(m.seller),        p->name,
                                       std::to_string(m.price),    "→" + std::to_string(m.round),
                                       world_->team(m.buyer).name, std::to_string(m.seller),
                                       std::to_string(m.buyer)};
        log.push_back(commatext(cells));
        table.rows()[i + 1].cells = std::move(cells);
    }
    writetradelog(*world_, log);
    out = std::move(table);
    return true;
}

void Ttrade::applymoves() {
    if (moves.empty()) return;
    // Every move must name a different, existing player before anything changes.
    std::vector<std::string> keys;
    for (const auto& text : moves) {
        const Move m = parsemove(text);
        if (playerat(m.seller, m.index) == nullptr || m.buyer < 0 || m.buyer >= kTradeClubs)
            throw std::logic_error("a move names no player: " + text);
        keys.push_back(text.substr(0, 6));
    }
    std::sort(keys.begin(), keys.end());
    if (std::adjacent_find(keys.begin(), keys.end()) != keys.end())
        throw std::logic_error("one player settled twice in one week");

    // While the moves are carried out a sold player stands in his old list and
    // his new roster at once; the lists are first worked on as views, so that
    // every index keeps the meaning it had when the offer was made.
    std::array<std::vector<Tplayer*>, kTradeClubs> rosters;
    std::map<Tplayer*, std::unique_ptr<Tplayer>> owned;
    for (int c = 0; c < kTradeClubs; ++c) {
        for (auto& p : world_->team(c).roster) {
            rosters[c].push_back(p.get());
            owned[p.get()] = std::move(p);
        }
    }
    std::vector<Tplayer*> freeagents;
    for (auto& p : pool) {
        freeagents.push_back(p.get());
        owned[p.get()] = std::move(p);
    }

    const int year = world_->kanri.year;
    for (const auto& text : moves) {
        const Move m = parsemove(text);
        auto& from = m.seller == kPoolOwner ? freeagents : rosters.at(m.seller);
        Tplayer* p = from.at(m.index);
        p->career +=
            "/" + std::to_string(year) + "*" + std::to_string(m.buyer) + "*" + std::to_string(m.price) + "*";
        p->moodadd(100);
        // Joining the buyer: a fifth man of his position unsettles the others.
        auto& to = rosters.at(m.buyer);
        const auto same =
            std::count_if(to.begin(), to.end(), [&](const Tplayer* q) { return q->at == p->at; });
        if (same > 3)
            for (Tplayer* q : to)
                if (q->at == p->at) q->moodadd(-10);
        p->club = m.buyer;
        to.push_back(p);
    }

    // Leaving the old list, from the highest key down so that every pending
    // index still names the right player. The player keeps his new club.
    std::vector<std::string> order = moves;
    std::sort(order.begin(), order.end());
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Move m = parsemove(*it);
        auto& from = m.seller == kPoolOwner ? freeagents : rosters.at(m.seller);
        from.at(m.index) = from.back();
        from.pop_back();
        if (m.seller != kPoolOwner) world_->team(m.seller).money += m.price;
    }
    moves.clear();

    for (int c = 0; c < kTradeClubs; ++c) {
        PlayerList& roster = world_->team(c).roster;
        roster.clear();
        for (Tplayer* p : rosters[c]) roster.push_back(std::move(owned.at(p)));
    }
    pool.clear();
    for (Tplayer* p : freeagents) pool.push_back(std::move(owned.at(p)));

    for (int c = 0; c < kTradeClubs; ++c) refill(world_->team(c));
}

void Ttrade::refill(Tteam& club) {
    while (static_cast<int>(club.roster.size()) < kMinRoster) {
        if (club.youth.empty()) club.youthmake();
        const bool lastone = club.youth.size() <= 1;
        club.youthpromote(club.bestyouth());
        if (lastone) club.youthmake();
    }
}

}  // namespace vm
