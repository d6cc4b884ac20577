// SPDX-License-Identifier: GPL-3.0-or-later
// What a computer club lacks (needcheck), the search for the best affordable
// player of one kind (kindsearch, candidatecheck), the computer clubs' offers
// and the recommendations for the user.
#include <algorithm>
#include <stdexcept>

#include "players/clubworld.h"
#include "transfers/offerkey.h"
#include "transfers/ttrade.h"
#include "util/arith.h"

namespace vm {
namespace {

enum Attr { kSpe = 0, kStr, kCtl, kSho, kDri, kPas, kCro };

// Two players whose difference in need keys is above this are far apart
// enough that the club spends all its searches on the first.
constexpr int kFocusGap = 350;

int attr(const Tteam& club, int slot, int a) {
    return slot < static_cast<int>(club.roster.size()) ? club.roster[slot]->ability[a] : 0;
}
int at(const Tteam& club, int slot) {
    return slot < static_cast<int>(club.roster.size()) ? club.roster[slot]->at : -1;
}

// The scaled need of each kind, read from one slot of the line-up.
std::array<int, 7> needs(const Tteam& c) {
    std::array<int, 7> n{};
    n[0] = (at(c, 0) == 0 ? attr(c, 0, kSpe) + attr(c, 0, kCtl) : 0) * 7 / 2;
    n[1] = attr(c, 5, kStr) * 7;
    n[2] = (at(c, 8) == 6 ? attr(c, 8, kSho) : 0) * 7;
    n[3] = attr(c, 2, kSpe) * 7;
    n[4] = (attr(c, 6, kDri) + attr(c, 6, kCro)) * 7 / 2;
    n[5] = (attr(c, 1, kSpe) + attr(c, 1, kStr) + attr(c, 1, kPas)) * 7 / 3;
    n[6] = (attr(c, 7, kSpe) + attr(c, 7, kStr) + attr(c, 7, kCtl) + attr(c, 7, kSho) + attr(c, 7, kDri)) *
           7 / 5;
    return n;
}

// The scaled need back on the attributes' own scale.
int threshold(int kind, int need) {
    switch (kind) {
        case 0:
        case 4: return need * 2 / 7;
        case 5: return need * 3 / 7;
        case 6: return need * 5 / 7;
        default: return need / 7;
    }
}

NeedTarget target(const std::string& key) {
    const int need = std::stoi(key.substr(0, 3));
    const int kind = key[3] - '0';
    return {kind, need, threshold(kind, need)};
}

// The rows a search of this kind may look at; the ordering puts them first.
bool scanned(int kind, int code) {
    switch (kind) {
        case 0: return code == 0;
        case 1:
        case 5: return code <= 3;
        case 2: return code == 6;
        case 4:
        case 6: return code >= 4;
        default: return true;
    }
}

void order(Grid& g, int kind) {
    switch (kind) {
        case 0: gridsort(g, kMarketAt, true); break;
        case 1:
            gridsort(g, kMarketAt, true);
            gridsortover(g, 3, kMarketAt, true);
            break;
        case 2: gridsort(g, kMarketAt, false); break;
        case 4:
        case 6: gridsortover(g, 3, kMarketAt, false); break;
        case 5: gridsortover(g, 3, kMarketAt, true); break;
        default: break;  // kind 3 keeps the order of the club's last search
    }
}

// How good a player is for one kind: the base, plus a bonus for the young, or
// a malus for those five years or more past their peak.
int score(int kind, const Tplayer& p) {
    const auto& a = p.ability;
    const int young = 30 - p.age;
    int base = 0, bonus = 0, malus = 0;
    switch (kind) {
        case 0: base = a[kSpe] + a[kCtl], bonus = young, malus = 15; break;
        case 1: base = a[kStr], bonus = young / 2, malus = 8; break;
        case 2: base = a[kSho], bonus = young / 2, malus = 8; break;
        case 3: base = a[kSpe], bonus = young / 2, malus = 8; break;
        case 4: base = a[kDri] + a[kCro], bonus = young, malus = 15; break;
        case 5: base = a[kSpe] + a[kStr] + a[kPas], bonus = young * 3 / 2, malus = 20; break;
        case 6:
            base = a[kSpe] + a[kStr] + a[kCtl] + a[kSho] + a[kDri], bonus = young * 5 / 2, malus = 40;
            break;
        default: throw std::logic_error("no search of kind " + std::to_string(kind));
    }
    return p.age - p.peak < 5 ? base + bonus : base - malus;
}

// The offer key ("owner,index") of a market row.
std::string marketkey(const Grid& market, int row) {
    return market.cell(kMarketOwner, row) + "," + market.cell(kMarketIndex, row);
}

}  // namespace

std::array<std::string, 7> Ttrade::needkeys(const Tteam& club) const {
    const auto n = needs(club);
    std::array<std::string, 7> keys;
    for (int k = 0; k < 7; ++k) keys[k] = pad(limit(n[k], 0, 999), 3) + std::to_string(k);
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::array<NeedTarget, 3> choosetargets(const std::array<std::string, 7>& s) {
    const auto v = [&](int i) { return std::stoi(s[i]); };
    const NeedTarget t0 = target(s[0]), t1 = target(s[1]), t2 = target(s[2]);
    if (t0.need == 0 || v(1) - v(0) > kFocusGap) return {t0, t0, t0};
    if (v(2) - v(1) > kFocusGap) return {t0, t1, t0};
    return {t0, t1, t2};
}

std::array<NeedTarget, 3> Ttrade::needcheck(const Tteam& club) const {
    return choosetargets(needkeys(club));
}

void Ttrade::kindsearch(int kind) {
    Grid& g = candidates;
    order(g, kind);
    for (int r = 1; r < g.rowCount(); ++r) {
        const int code = cellnumber(g.cell(kMarketAt, r));
        if (!scanned(kind, code)) break;
        if (kind == 5 && code == 0) continue;  // keepers do not play in the back line
        const Tplayer* p = playerat(cellnumber(g.cell(kMarketOwner, r)), cellnumber(g.cell(kMarketIndex, r)));
        if (p == nullptr) throw std::logic_error("candidate row names no player");
        candidatecheck(score(kind, *p), r);
    }
}

bool Ttrade::candidatecheck(int score, int row) {
    const int price = cellnumber(candidates.cell(kMarketValue, row));
    if (score < bestscore) return false;
    if (score == bestscore && price >= bestprice) return false;
    const std::string key = marketkey(candidates, row);
    const auto& list = clubofferlist.at(curteam);
    if (std::find(list.begin(), list.end(), key) != list.end()) return false;
    bestscore = score;
    bestprice = price;
    bestkey = key;
    return true;
}

void Ttrade::aioffer() {
    Tteam& club = world_->team(curteam);
    const auto targets = needcheck(club);
    candidates = candidatelist(curteam);
    for (const NeedTarget& t : targets) {
        bestscore = t.threshold;
        bestprice = club.money;
        bestkey.clear();
        if (candidates.rowCount() > 1) kindsearch(t.kind);
        if (!bestkey.empty()) clubofferlist.at(curteam).push_back(bestkey);
    }
    candidates = Grid();
}

void Ttrade::recommend(Grid& out) {
    curteam = 0;
    auto& list = clubofferlist[0];
    const int money = world_->team(0).money;
    candidates = candidatelist(0);
    if (candidates.rowCount() > 1) {
        for (int kind = 0; kind < 7; ++kind) {
            bestscore = 0;
            bestprice = money;
            bestkey.clear();
            kindsearch(kind);
            if (!bestkey.empty()) list.push_back(bestkey);
        }
    }
    out = Grid(kMarketCols, 1);
    out.rows()[0] = candidates.rows().at(0);
    for (const auto& key : list) {
        for (int r = 1; r < candidates.rowCount(); ++r) {
            if (marketkey(candidates, r) != key) continue;
            out.rows().push_back(candidates.rows()[r]);
            break;
        }
    }
    list.clear();
    candidates = Grid();
}

}  // namespace vm
