// SPDX-License-Identifier: GPL-3.0-or-later
// The clubs' offer lists: the user's own list (add, withdraw, reorder) and the
// offer book that groups every offer by the player wanted.
#include <algorithm>
#include <stdexcept>

#include "players/clubworld.h"
#include "transfers/offerkey.h"
#include "transfers/ttrade.h"
#include "util/arith.h"

namespace vm {
namespace {

constexpr std::size_t kMaxOffers = 3;

const char* const kOffersHeading = "所属チーム,選手名,金額,,オファー";

}  // namespace

void Ttrade::offerlist(Grid& out) {
    market = Grid();
    std::vector<std::string> flat;
    for (int c = 0; c < kTradeClubs; ++c) {
        const auto& list = clubofferlist[c];
        for (std::size_t i = 0; i < list.size(); ++i)
            flat.push_back(list[i] + "," + std::to_string(i + 1) + "," + pad(c, 2));
    }
    std::sort(flat.begin(), flat.end());

    out = Grid(9, static_cast<int>(flat.size()) + 1);
    out.setRow(0, kOffersHeading);
    offerbook.clear();
    std::string previous;
    for (std::size_t r = 0; r < flat.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        const auto cells = splitCommas(flat[r]);  // TT, PPP, p, CC
        const std::string key = cells[0] + "," + cells[1];
        out.cell(3, row) = "←";
        out.cell(5, row) = cells[0];
        out.cell(6, row) = cells[1];
        out.cell(7, row) = cells[2];
        out.cell(8, row) = cells[3];
        if (key != previous) {
            const auto k = parsekey(key);
            const Tplayer* p = k ? playerat(k->owner, k->index) : nullptr;
            if (p == nullptr) throw std::logic_error("an offer names no player: " + key);
            out.cell(0, row) = ownername(k->owner);
            out.cell(1, row) = p->name;
            out.cell(2, row) = std::to_string(p->value);
            // The asking price starts at the player's market value.
            offerbook.push_back(key + "," + pricetext(p->value));
            previous = key;
        }
        out.cell(3, row) = "←" + cells[2];
        out.cell(4, row) = world_->team(std::stoi(cells[3])).name;
        offerbook.back() += "/" + cells[2] + "," + cells[3];
    }
    offersclosed_ = true;
    opendecisions.clear();
}

bool Ttrade::hasoffer(const std::string& key) const {
    const auto& list = clubofferlist[0];
    return std::find(list.begin(), list.end(), key) != list.end();
}

void Ttrade::addoffer(const std::string& key) {
    if (offersclosed_) throw TradeStateError("今週のオファーはもう締め切られました");
    const auto k = parsekey(key);
    if (!k || playerat(k->owner, k->index) == nullptr)
        throw std::invalid_argument("その選手はいません: " + key);
    if (k->owner == 0) throw std::invalid_argument("自チームの選手にはオファーできません");
    auto& list = clubofferlist[0];
    if (hasoffer(key)) return;
    while (list.size() >= kMaxOffers) list.pop_back();
    list.push_back(key);
}

void Ttrade::withdrawoffer(const std::string& key) {
    if (offersclosed_) throw TradeStateError("今週のオファーはもう締め切られました");
    auto& list = clubofferlist[0];
    list.erase(std::remove(list.begin(), list.end(), key), list.end());
}

void Ttrade::swapoffers(int first, int second) {
    if (offersclosed_) throw TradeStateError("今週のオファーはもう締め切られました");
    auto& list = clubofferlist[0];
    const int n = static_cast<int>(list.size());
    if (first < 0 || second < 0 || first >= n || second >= n)
        throw std::invalid_argument("そのオファーはありません");
    std::swap(list[first], list[second]);
}

}  // namespace vm
