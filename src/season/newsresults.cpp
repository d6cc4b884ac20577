// SPDX-License-Identifier: GPL-3.0-or-later
// The news pages of a division's match day: results, table and the scorer and
// assist rankings with the season's prizes.
#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "league/runner.h"
#include "league/tleague.h"
#include "league/world.h"
#include "season/newsprogramme.h"
#include "util/textfile.h"

namespace vm {
namespace {

constexpr int kRankedPlaces = 10;

// A count as shown in a ranking: "07" becomes "7". Anything but digits (a
// damaged list) is shown as it stands.
std::string plainCount(const std::string& text) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty() || text[0] == '-') return text;
    return std::to_string(v);
}

// The club number of a ranking row, or -1 when it names no club.
int rankedClub(const std::string& text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') return -1;
    const int club = (text[0] - '0') * 10 + (text[1] - '0');
    return club < kClubCount ? club : -1;
}

Tleague& division(World& w, int d) {
    Tleague* league = w.leagues.at(d - 1).get();
    if (!league) throw std::logic_error("no season is running");
    return *league;
}

// A ranking list entry ("count,club,player,clubno") at rank `rank`.
RankLine rankline(const std::string& entry, int rank) {
    const std::vector<std::string> fields = splitCommas(entry);
    const auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string(); };
    RankLine line;
    line.rank = rank;
    const std::string count = field(0);
    std::from_chars(count.data(), count.data() + count.size(), line.count);
    line.clubname = field(1);
    line.player = field(2);
    line.club = rankedClub(field(3));
    return line;
}

}  // namespace

std::vector<RankLine> garankmake(std::vector<std::string>& list, Grid& g, std::string_view heading) {
    std::vector<RankLine> lines;
    g = Grid(5, static_cast<int>(list.size()) + 1);
    g.setRow(0, heading);
    int r = 0;
    int rank = 0;
    while (r < static_cast<int>(list.size())) {
        const std::size_t at = list.size() - r - 1;
        g.setRow(r + 1, "," + list[at]);
        g.cell(1, r + 1) = plainCount(g.cell(1, r + 1));
        // Equal counts share a rank; the next count gets its row number.
        if (g.cell(1, r + 1) != g.cell(1, r)) rank = r + 1;
        if (rank <= kRankedPlaces) {
            g.cell(0, r + 1) = std::to_string(rank);
            lines.push_back(rankline(list[at], rank));
            ++r;
        } else {
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
    g.resize(5, r + 1);
    return lines;
}

std::vector<std::string> gaking(World& w, const std::vector<RankLine>& ranking, std::string_view title,
                                int d) {
    std::vector<std::string> lines;
    for (const RankLine& line : ranking) {
        if (line.rank != 1) break;
        if (line.club < 0) continue;
        if (line.club == 0) lines.push_back(line.player + "が" + std::string(title) + "王になりました");
        w.team(line.club).money += (3 - d) * 100;
    }
    return lines;
}

std::vector<TableLine> standings(const Tleague& league) {
    std::array<int, kLeagueClubs> order{};
    for (int n = 0; n < kLeagueClubs; ++n) order[n] = n;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return league.table[a][Tleague::cRank] < league.table[b][Tleague::cRank];
    });
    std::vector<TableLine> lines;
    for (const int n : order) {
        const auto& counters = league.table[n];
        lines.push_back({league.clubOfRow(n), league.names[n], counters[Tleague::cWins],
                         counters[Tleague::cDraws], counters[Tleague::cLosses], counters[Tleague::cFor],
                         counters[Tleague::cAgainst], counters[Tleague::cDiff], counters[Tleague::cPoints]});
    }
    return lines;
}

void NewsProgramme::resultoutput(NewsPage& pg, int d) {
    Tleague& league = division(world_, d);
    pg.kind = PageKind::results;
    pg.division = d;
    pg.title = "DIV" + std::to_string(d) + "の第" + std::to_string(league.round + 1) + "節の結果";
    pg.message = {pg.title + "です"};
    league.matchgrid(pg.table);
    // Between the two columns of goal boxes, a fixture to a row.
    pg.layout = {200, 240, 280, 51, 40, {{0, 18}, {1, 80}, {3, 80}, {4, 18}}};
    league.rankmake();
    pg.goalsVisible = true;
    std::array<std::array<int, 2>, kPairings> scored{};
    for (int m = 0; m < kPairings; ++m) {
        for (int s = 0; s < 2; ++s) {
            pg.goals[m][s] = readLines(world_.path(resultfilename(d, m, s)));
            scored[m][s] = static_cast<int>(pg.goals[m][s].size());
        }
        pg.table.cell(2, m + 1) = std::to_string(scored[m][0]) + " - " + std::to_string(scored[m][1]);
    }
    if (d == world_.kanri.mydiv) {
        // Club 0 always plays the first fixture, on the left.
        const std::string& name = world_.team(0).name;
        if (scored[0][1] < scored[0][0])
            pg.message.push_back(name + "が勝ちました！");
        else if (scored[0][1] == scored[0][0])
            pg.message.push_back(name + "は引き分けでした");
        else
            pg.message.push_back(name + "は負けちゃいました");
    }
}

void NewsProgramme::rankoutput(NewsPage& pg, int d) {
    const Tleague& league = division(world_, d);
    const std::string div = "DIV" + std::to_string(d);
    pg.kind = PageKind::table;
    pg.division = d;
    pg.title = div + "順位表";
    pg.message = {div + "の順位はこうなりました"};
    league.rankgrid(pg.table, false);
    pg.standings = standings(league);
    pg.layout = {170, 300, 240, 20, 30, {{0, 80}, {8, 0}, {9, 0}}};  // without the rank and the row
    if (d == world_.kanri.mydiv)
        pg.message.push_back(world_.team(0).name + "は" +
                             std::to_string(league.table[0][Tleague::cRank] + 1) + "位です");
    if (lastMatchDay()) {
        const std::vector<TableLine>& t = pg.standings;
        if (d == 1)
            pg.message.push_back(t.at(8).name + "と" + t.at(9).name + "はDIV2に降格です");
        else
            pg.message.push_back(t.at(0).name + "と" + t.at(1).name + "はDIV1に昇格です");
    }
}

void NewsProgramme::ranking(NewsPage& pg, int d, bool goals) {
    Tleague& league = division(world_, d);
    const std::string div = "DIV" + std::to_string(d);
    pg.kind = goals ? PageKind::scorers : PageKind::assists;
    pg.division = d;
    pg.ranking = garankmake(goals ? league.scorerlist : league.assistlist, pg.table,
                            goals ? "順位,得点,チーム,選手" : "順位,アシ,チーム,選手");
    pg.layout = {200, 235, 280, 20, 30, {{2, 80}, {3, 80}, {4, 0}}};  // without the club number
    pg.message = {div + (goals ? "の得点ランキングです" : "のアシストランキングです")};
    pg.title = div + (goals ? "得点ランク" : "アシストランク");
    if (lastMatchDay() && !website_) {
        pg.leaders = true;
        for (auto& line : gaking(world_, pg.ranking, goals ? "得点" : "アシスト", d))
            pg.message.push_back(line);
    }
}

}  // namespace vm
