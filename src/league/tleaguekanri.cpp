#include "league/tleaguekanri.h"

#include <charconv>

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
    const std::string key = pad(k, 2);
    for (const auto& piece : splitCommas(div2list))
        if (piece == key) return 2;
    return 1;
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
