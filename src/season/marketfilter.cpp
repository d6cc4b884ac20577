// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/marketfilter.h"

#include "transfers/offerkey.h"
#include "transfers/ttrade.h"

namespace vm {
namespace {

constexpr int kFootCol = 11;

bool hasplayers(const Grid& list) {
    return list.rowCount() > 1;
}

void droplast(Grid& list) {
    list.rows().pop_back();
}

// Removes every player whose cell differs from the choice, from the last up.
void keepchoice(Grid& list, int col, const std::string& choice) {
    if (choice == kAllChoice || !hasplayers(list)) return;
    for (int r = list.rowCount() - 1; r >= 1; --r)
        if (list.cell(col, r) != choice) list.rows().erase(list.rows().begin() + r);
}

}  // namespace

Grid tlistload(const Ttrade& trade) {
    Grid list = trade.candidatelist(0);
    posname(list, kMarketAt);
    legname(list, kFootCol);
    return list;
}

void narrowlist(Grid& list, const ListFilter& filter) {
    keepchoice(list, kMarketAt, filter.position);
    keepchoice(list, kFootCol, filter.foot);

    auto last = [&](int col) { return cellnumber(list.cell(col, list.rowCount() - 1)); };
    if (filter.agelimit != kAgeLimit.reset && hasplayers(list)) {
        gridsort(list, kMarketAge, true);
        while (hasplayers(list) && last(kMarketAge) > filter.agelimit) droplast(list);
    }
    for (int a = 0; a < 7; ++a) {
        const int minimum = filter.minimum[a];
        const int col = kMarketSpe + a;
        if (minimum == kAttributeMinimum.reset || !hasplayers(list)) continue;
        gridsort(list, col, false);
        while (hasplayers(list) && last(col) < minimum) droplast(list);
    }
}

}  // namespace vm
