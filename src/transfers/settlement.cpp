// SPDX-License-Identifier: GPL-3.0-or-later
// The settlement of the offer book in three priority rounds. Records are
// ordered by sorting their text: the round prefix first, then owner and index.
#include <algorithm>

#include "players/clubworld.h"
#include "transfers/offerkey.h"
#include "transfers/ttrade.h"

namespace vm {
namespace {

// The contested price: 20% more, to the nearest whole number. Six fifths of a
// whole number never ends in a half, so this is exact rounding.
int contested(int price) {
    return (price * 6 + 2) / 5;
}

}  // namespace

void Ttrade::resolve() {
    requireanswers();
    moves.clear();
    for (int round = 1; round <= 3; ++round) resolveround(round);
    for (auto& list : clubofferlist) list.clear();
    offerbook.clear();
    offersclosed_ = false;
}

void Ttrade::resolveround(int round) {
    const char digit = static_cast<char>('0' + round);

    // Phase 1: in the records whose best priority is this round, only the
    // offers of this round from clubs that can pay the asking price remain.
    for (int i = static_cast<int>(offerbook.size()) - 1; i >= 0; --i) {
        BookRecord r = parserecord(offerbook[i]);
        if (!r.offers.empty() && r.offers.front()[0] == digit) {
            std::erase_if(r.offers, [&](const std::string& o) {
                if (o[0] != digit) return true;
                const int club = offerclub(o);
                return club < 0 || club >= kTradeClubs || world_->team(club).money < r.price;
            });
        }
        if (r.offers.empty()) {
            offerbook.erase(offerbook.begin() + i);
            continue;
        }
        offerbook[i] = r.offers.front()[0] + recordtext(r);
    }

    // Phase 2: every record due by this round is settled, in text order.
    std::sort(offerbook.begin(), offerbook.end());
    while (!offerbook.empty() && offerbook.front()[0] <= digit) {
        const BookRecord r = parserecord(std::string_view(offerbook.front()).substr(1));
        int price = r.price;
        if (r.offers.size() > 1) price = std::min(contested(price), kMaxPrice);
        const std::string& winner = r.offers[world_->Random(static_cast<int>(r.offers.size()))];
        // The affordability test used the price before the rise: the winner's
        // money may go below zero, and then he cannot pass any later test.
        world_->team(offerclub(winner)).money -= price;
        moves.push_back(movetext(r.key, price, winner[0], winner.substr(2, 2)));
        offerbook.erase(offerbook.begin());
    }
}

}  // namespace vm
