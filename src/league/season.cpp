// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/season.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "league/tleague.h"
#include "league/world.h"
#include "util/arith.h"
#include "util/errors.h"
#include "util/grid.h"
#include "util/stream.h"

namespace vm {
namespace {

constexpr int kMaxYear = 100000;

std::array<int, kLeagueClubs> firstTen(const Tleaguekanri& kanri, int division) {
    const std::vector<int> clubs = kanri.clubsOf(division);
    if (clubs.size() < kLeagueClubs)
        throw std::logic_error("division " + std::to_string(division) + " has fewer than ten clubs");
    std::array<int, kLeagueClubs> out{};
    std::copy_n(clubs.begin(), kLeagueClubs, out.begin());
    return out;
}

std::string joinCommas(const std::vector<std::string>& pieces) {
    std::string s;
    for (const auto& p : pieces) s += (s.empty() ? "" : ",") + p;
    return s;
}

// Moves the entry at `index` of one final order to the end of the other.
void moveEntry(std::vector<std::string>& from, int index, std::vector<std::string>& to) {
    to.push_back(from.at(index));
    from.erase(from.begin() + index);
}

// A stored club list: ten two-digit club numbers joined by commas, with or
// without a trailing comma.
std::vector<int> parseStoredList(const std::string& text) {
    std::vector<std::string> pieces = splitCommas(text);
    if (!pieces.empty() && pieces.back().empty()) pieces.pop_back();
    if (pieces.size() != kLeagueClubs) throw FormatError("ディビジョンのチーム数が不正です");
    std::vector<int> clubs;
    for (const auto& p : pieces) {
        if (p.size() != 2 || p[0] < '0' || p[0] > '9' || p[1] < '0' || p[1] > '9')
            throw FormatError("ディビジョンのチーム番号が不正です");
        clubs.push_back((p[0] - '0') * 10 + (p[1] - '0'));
    }
    return clubs;
}

}  // namespace

void seasonstart(World& w) {
    const auto div1 = firstTen(w.kanri, 1);
    const auto div2 = firstTen(w.kanri, 2);
    const std::string year = std::to_string(w.kanri.year);
    for (int k = 0; k < kClubCount; ++k) {
        Tteam& club = w.team(k);
        for (auto& p : club.roster) {
            p->goals = p->assists = p->games = 0;
            p->seasonmark();
            // A player who moved in the window already has this year's entry.
            if (p->career.empty() || p->career.back() != '*')
                p->career += "/" + year + "*" + std::to_string(k) + "**";
        }
        club.youthrecord();
    }
    auto first = std::make_unique<Tleague>(w, div1, 1);
    first->schedulemake();
    auto second = std::make_unique<Tleague>(w, div2, 2);
    second->schedulemake();
    w.leagues[0] = std::move(first);
    w.leagues[1] = std::move(second);
}

void seasonmood(Tplayer& p, int d, int position) {
    ClubWorld& w = p.world();
    auto R = [&](int n) { return w.Random(n); };
    int delta = 0;
    if (d == 1) {
        // The champion is treated like the runner-up: a title never costs mood.
        if (position <= 2)
            delta = 3 * (R(11) - 2);
        else if (position <= 5)
            delta = 3 * (R(5) - 1);
        else if (position <= 7)
            delta = 3 * R(4);
        else
            delta = -3 * R(13);
    } else {
        if (position <= 1)
            delta = 3 * (R(11) - 2);
        else if (position <= 3)
            delta = 3 * (R(5) - 1);
        else if (position <= 5)
            delta = 3 * (R(3) - 1);
        else if (position <= 7)
            delta = -3 * (R(5) + 1);
        else
            delta = -3 * (R(11) + 2);
    }
    p.moodadd(delta);
    // A player who hardly played is unhappy, the more so near his peak.
    if (p.games <= 5) p.moodadd((4 - std::min(std::abs(p.peak - p.age), 3)) * (p.games - 6) - 10);
}

int prizemoney(int d, int position) {
    // Division 1's champion earns more than its runner-up, as in Division 2.
    static constexpr int div1[kLeagueClubs] = {1200, 1000, 900, 400, 400, 400, 400, 400, 400, 200};
    static constexpr int div2[kLeagueClubs] = {700, 600, 300, 200, 200, 200, 200, 200, 200, 100};
    if (position < 0 || position >= kLeagueClubs) return 0;
    return d == 1 ? div1[position] : div2[position];
}

void seasonend(World& w) {
    namespace fs = std::filesystem;
    if (!w.leagues[0] || !w.leagues[1]) throw std::logic_error("seasonend without a running season");
    Tleaguekanri& kanri = w.kanri;

    // Files first: the rank file of Division 2's last club (read by the news
    // to offer his replacement) and the user's history line. Older rank files
    // would be mistaken for this season's, so they go.
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(w.path("data/tmp"), ec))
        if (entry.path().extension() == ".rank") fs::remove(entry.path(), ec);
    std::array<std::vector<std::string>, 2> orders;
    for (int d = 1; d <= 2; ++d) {
        Tleague& league = *w.leagues[d - 1];
        league.rankmake();
        // Only Division 2's rank file is read, so Division 1 writes none.
        orders[d - 1] = d == 2 ? splitCommas(league.rankfile()) : league.rankorder();
    }
    if (kanri.mydiv == 1 || kanri.mydiv == 2)
        w.leagues[kanri.mydiv - 1]->historyadd(std::to_string(kanri.year) + "," +
                                               std::to_string(kanri.mydiv));
    w.leagues[0].reset();
    w.leagues[1].reset();

    for (int d = 1; d <= 2; ++d) {
        for (int i = 0; i < kLeagueClubs; ++i) {
            const std::string& number = orders[d - 1][i];
            Tteam& club = w.team(std::stoi(number));
            club.injuryupdate(true);
            club.coachdecline();
            club.money += prizemoney(d, i);
            club.popularity = club.popularity * 4 / 5 + 5 * (10 - i + 10 * (2 - d));
            club.youthage();
            for (auto& p : club.roster) {
                p->age += 1;
                p->formdecay(0);
                seasonmood(*p, d, i);
                p->career += std::to_string(p->games) + "*" + std::to_string(p->goals) + "*" +
                             std::to_string(p->assists);
            }
            if (number != "00") club.autocoach();
        }
    }

    // Division 1's 9th and Division 2's champion change places, then Division
    // 1's 10th (now 9th) and Division 2's runner-up (now first).
    auto& [first, second] = orders;
    for (int pass = 0; pass < 2; ++pass) {
        moveEntry(first, 8, second);
        moveEntry(second, 0, first);
    }
    for (int d = 1; d <= 2; ++d) {
        auto& list = orders[d - 1];
        std::sort(list.begin(), list.end());
        if (list.front() == "00") kanri.mydiv = d;
        (d == 1 ? kanri.div1list : kanri.div2list) = joinCommas(list);
    }
    kanri.year += 1;
}

void kanrisave(const World& w, OutStream& s) {
    const Tleaguekanri& kanri = w.kanri;
    s.writeInt(kanri.year);
    s.writeInt(kanri.mydiv);
    writestr(s, kanri.div1list);
    writestr(s, kanri.div2list);
    const bool running = w.leagues[0] && w.leagues[1];
    s.writeByte(running ? 1 : 0);
    if (running) {
        w.leagues[0]->leaguesave(s);
        w.leagues[1]->leaguesave(s);
    }
}

void kanriload(World& w, InStream& s) {
    const int year = s.readInt();
    if (year < 1 || year > kMaxYear) throw FormatError("シーズンが不正です");
    const int mydiv = s.readInt();
    if (mydiv != 1 && mydiv != 2) throw FormatError("所属ディビジョンが不正です");
    const std::string list1 = readString(s);
    const std::string list2 = readString(s);
    const std::array<std::vector<int>, 2> clubs{parseStoredList(list1), parseStoredList(list2)};

    // Together the two lists hold every club exactly once, the user's club in his division.
    std::array<int, kClubCount> seen{};
    for (const auto& list : clubs)
        for (int c : list) {
            if (c >= kClubCount || seen[c]++) throw FormatError("ディビジョンのチーム番号が不正です");
        }
    if (std::find(clubs[mydiv - 1].begin(), clubs[mydiv - 1].end(), 0) == clubs[mydiv - 1].end())
        throw FormatError("所属ディビジョンが不正です");

    std::array<std::unique_ptr<Tleague>, 2> leagues;
    if (s.readByte() != 0) {
        for (int d = 1; d <= 2; ++d) {
            std::array<int, kLeagueClubs> rows{};
            std::copy_n(clubs[d - 1].begin(), kLeagueClubs, rows.begin());
            auto league = std::make_unique<Tleague>(w, rows, d);
            league->leagueload(s);
            for (int n = 0; n < kLeagueClubs; ++n)
                if (league->clubOfRow(n) != rows[n])
                    throw FormatError("リーグの表がディビジョンと一致しません");
            leagues[d - 1] = std::move(league);
        }
    }

    w.kanri.year = year;
    w.kanri.mydiv = mydiv;
    w.kanri.div1list = list1;
    w.kanri.div2list = list2;
    w.leagues = std::move(leagues);
}

}  // namespace vm
