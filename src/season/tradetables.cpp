// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/tradetables.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "players/tteam.h"
#include "transfers/offerkey.h"
#include "transfers/ttrade.h"

namespace vm {
namespace {

// The roster table without its first (empty) column: name .. condition, index.
enum RosterCol { kRosterAt = 2, kRosterLeg = 10, kRosterCondition = 14 };
// The youth table: name .. foot, youth index, attribute sum.
constexpr int kYouthCells = 13;

bool wholenumber(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc{} && p == end;
}

}  // namespace

Grid owngrid(const Tteam& club) {
    Grid roster;
    club.rostergrid(roster, {0});
    posname(roster, kRosterAt);
    legname(roster, kRosterLeg);
    Grid youth;
    club.youthgrid(youth);

    Grid g(kOwnCols, 1);
    g.setRow(0, kMarketHeading);
    for (int r = 1; r < roster.rowCount(); ++r) {
        Grid::Row row;
        row.cells.assign(kOwnCols, "");
        row.cells[kOwnKind] = kTopRow;
        for (int c = 0; c <= kRosterCondition; ++c) row.cells[c + 1] = roster.cell(c, r);
        g.rows().push_back(std::move(row));
    }
    for (int r = 1; r < youth.rowCount(); ++r) {
        Grid::Row row;
        row.cells.assign(kOwnCols, "");
        row.cells[kOwnKind] = kYouthRow;
        for (int c = 0; c < kYouthCells; ++c) row.cells[c + 1] = youth.cell(c, r);
        g.rows().push_back(std::move(row));
    }
    return g;
}

Grid offergrid(const Ttrade& trade) {
    Grid g(kOfferCols, 1);
    g.setRow(0, std::string(",") + kMarketHeading);
    const auto& list = trade.clubofferlist[0];
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto key = parsekey(list[i]);
        const Tplayer* p = key ? trade.playerat(key->owner, key->index) : nullptr;
        if (p == nullptr) continue;  // the list only names players of this week's market
        Grid::Row row;
        row.cells.push_back(std::to_string(i + 1));
        row.cells.push_back(trade.ownername(key->owner));
        for (auto& c : playercells(*p)) row.cells.push_back(std::move(c));
        row.cells.push_back(std::to_string(key->owner));
        row.cells.push_back(std::to_string(key->index));
        g.rows().push_back(std::move(row));
    }
    posname(g, kOfferAt);
    legname(g, kOfferLeg);
    return g;
}

void offerdelgrid(const Ttrade& trade, Grid& offers) {
    if (offers.colCount() <= kBookIndex) return;
    for (int r = 1; r < offers.rowCount(); ++r) {
        std::string& shown = offers.cell(kBookValue, r);
        int value = 0;
        if (!wholenumber(shown, value)) continue;
        const std::string key = offers.cell(kBookOwner, r) + "," + offers.cell(kBookIndex, r);
        // The engine doubles a price no further than six digits hold.
        if (trade.pricechanged(key, shown))
            shown = "*" + std::to_string(std::min(2LL * value, static_cast<long long>(kMaxPrice)));
    }
}

}  // namespace vm
