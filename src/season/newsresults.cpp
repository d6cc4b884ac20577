// SPDX-License-Identifier: GPL-3.0-or-later
// The news pages of a division's match day: results, table and the scorer and
// assist rankings with the season's prizes.
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

}  // namespace

void garankmake(std::vector<std::string>& list, Grid& g, std::string_view heading) {
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
            ++r;
        } else {
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
    g.resize(5, r + 1);
}

std::vector<std::string> gaking(World& w, const Grid& g, std::string_view title, int d) {
    std::vector<std::string> lines;
    for (int r = 1; r < g.rowCount() && g.cell(0, r) == "1"; ++r) {
        const int club = rankedClub(g.cell(4, r));
        if (club < 0) continue;
        if (club == 0) lines.push_back(g.cell(3, r) + "が" + std::string(title) + "王になりました");
        w.team(club).money += (3 - d) * 100;
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
    pg.layout = {170, 300, 240, 20, 30, {{0, 80}, {8, 0}, {9, 0}}};  // without the rank and the row
    if (d == world_.kanri.mydiv)
        pg.message.push_back(world_.team(0).name + "は" +
                             std::to_string(league.table[0][Tleague::cRank] + 1) + "位です");
    if (lastMatchDay()) {
        const Grid& t = pg.table;
        if (d == 1)
            pg.message.push_back(t.cell(0, 9) + "と" + t.cell(0, 10) + "はDIV2に降格です");
        else
            pg.message.push_back(t.cell(0, 1) + "と" + t.cell(0, 2) + "はDIV1に昇格です");
    }
}

void NewsProgramme::ranking(NewsPage& pg, int d, bool goals) {
    Tleague& league = division(world_, d);
    const std::string div = "DIV" + std::to_string(d);
    pg.kind = goals ? PageKind::scorers : PageKind::assists;
    pg.division = d;
    garankmake(goals ? league.scorerlist : league.assistlist, pg.table,
               goals ? "順位,得点,チーム,選手" : "順位,アシ,チーム,選手");
    pg.layout = {200, 235, 280, 20, 30, {{2, 80}, {3, 80}, {4, 0}}};  // without the club number
    pg.message = {div + (goals ? "の得点ランキングです" : "のアシストランキングです")};
    pg.title = div + (goals ? "得点ランク" : "アシストランク");
    if (lastMatchDay() && !website_) {
        pg.leaders = true;
        for (auto& line : gaking(world_, pg.table, goals ? "得点" : "アシスト", d))
            pg.message.push_back(line);
    }
}

}  // namespace vm
