// SPDX-License-Identifier: GPL-3.0-or-later
// The owners' answers to the week's offers: the computer owners' rule, the
// user's decisions, and the refusal that doubles the asking price.
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "players/clubworld.h"
#include "transfers/offerkey.h"
#include "transfers/ttrade.h"
#include "util/arith.h"

namespace vm {
namespace {

// Below this value an owner lets any player go.
constexpr int kCheapPlayer = 150;
// From this much money an owner is rich and keeps his young and key players.
constexpr int kRichOwner = 800;

bool keyslot(int slot) {
    return slot == 0 || slot == 3 || slot == 4 || slot == 8 || slot == 9;
}

}  // namespace

void Ttrade::ownerdecideall() {
    opendecisions.clear();
    for (int i = 0; i < static_cast<int>(offerbook.size()); ++i) {
        const BookRecord r = parserecord(offerbook[i]);
        curteam = r.owner();
        if (curteam == 0)
            opendecisions.push_back(i);
        else if (curteam != kPoolOwner)
            ownerdecide(r.index(), i);
    }
}

void Ttrade::ownerdecide(int slot, int record) {
    const Tteam& owner = world_->team(curteam);
    const Tplayer& p = owner.getplayer(slot);
    const int v = p.value;
    const int m = owner.money;
    if (v <= kCheapPlayer) return;
    bool refuse = false;
    if (m >= kRichOwner) {
        refuse = keyslot(slot) ? p.age - p.peak < 2 : p.age <= 22;
    } else {
        if (m * 3 / 4 > v) return;  // the money is welcome
        if (slot <= 10) {
            for (int a = 0; a < 7; ++a) refuse = refuse || p.ability[a] >= owner.coachpower[a];
        } else {
            refuse = p.age <= 22;
        }
    }
    if (refuse) pricehike(record);
}

void Ttrade::pricehike(int record) {
    BookRecord r = parserecord(offerbook.at(static_cast<std::size_t>(record)));
    if (r.owner() == kPoolOwner) return;  // nobody owns a free agent
    Tplayer& p = world_->team(r.owner()).getplayer(r.index());
    if (p.value == 0) return;  // he wants to leave; nobody holds him
    const int t = world_->Random(101);
    const int d = t - p.mood;
    if (d != 0) p.moodadd(sign(d) * (std::abs(d) / 10 + 1) * 3);
    r.price = std::min(r.price * 2, kMaxPrice);
    offerbook[static_cast<std::size_t>(record)] = recordtext(r);
}

bool Ttrade::pricechanged(const std::string& key, const std::string& shown) const {
    int value = 0;
    try {
        std::size_t used = 0;
        value = std::stoi(shown, &used);
        if (used != shown.size()) return false;
    } catch (const std::exception&) {
        return false;
    }
    for (const auto& rec : offerbook) {
        const BookRecord r = parserecord(rec);
        if (r.key == key) return pricetext(r.price) != pad(value, 6);
    }
    return false;
}

OwnerDecision Ttrade::decision(int record) const {
    const BookRecord r = parserecord(offerbook.at(static_cast<std::size_t>(record)));
    OwnerDecision d;
    d.record = record;
    d.index = r.index();
    d.price = r.price;
    for (const auto& o : r.offers) d.bidders.push_back(offerclub(o));
    return d;
}

void Ttrade::requireanswers() const {
    if (!opendecisions.empty())
        throw TradeStateError(
            "まだ答えていない移籍オファーがあります。すべてのオファーに答えてから移籍を実行してください");
}

void Ttrade::closedecision(int record) {
    auto it = std::find(opendecisions.begin(), opendecisions.end(), record);
    if (it == opendecisions.end()) throw TradeStateError("この選手へのオファーには答えられません");
    opendecisions.erase(it);
}

void Ttrade::acceptoffer(int record) {
    closedecision(record);
}

void Ttrade::refuseoffer(int record) {
    closedecision(record);
    pricehike(record);
}

}  // namespace vm
