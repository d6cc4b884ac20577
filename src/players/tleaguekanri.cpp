// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/tleaguekanri.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "util/arith.h"
#include "util/grid.h"

namespace vm {

Tleaguekanri::Tleaguekanri() {
    std::vector<int> d1, d2;
    for (int i = 0; i < 10; ++i) {
        d1.push_back(10 + i);
        d2.push_back(i);
    }
    div1list = clubListText(d1);
    div2list = clubListText(d2);
}

int Tleaguekanri::divof(int k) const {
    // Asked for every value a player gets, so it reads the list in place.
    char buf[16];
    const int n = std::snprintf(buf, sizeof buf, "%.2d", k);
    const std::string_view key(buf, static_cast<std::size_t>(n));
    std::string_view rest = div2list;
    while (true) {
        const std::size_t comma = rest.find(',');
        if (rest.substr(0, comma) == key) return 2;
        if (comma == std::string_view::npos) return 1;
        rest.remove_prefix(comma + 1);
    }
}

std::vector<int> Tleaguekanri::clubsOf(int division) const {
    std::vector<int> out;
    for (const auto& piece : splitCommas(division == 1 ? div1list : div2list)) {
        if (piece.empty()) continue;
        int v = 0;
        std::from_chars(piece.data(), piece.data() + piece.size(), v);
        out.push_back(v);
    }
    return out;
}

std::string clubListText(const std::vector<int>& clubs) {
    std::string s;
    for (int c : clubs) s += pad(c, 2) + ",";
    return s;
}

}  // namespace vm
