// SPDX-License-Identifier: GPL-3.0-or-later
// The news pages of the transfer window's report, the versus result and the
// club's past seasons.
#include <filesystem>
#include <string>

#include "league/tleague.h"
#include "league/world.h"
#include "season/newsprogramme.h"
#include "transfers/tradelog.h"
#include "util/textfile.h"

namespace vm {
namespace {

constexpr int kTradeCols = 7;
constexpr std::size_t kNewClubField = 6;  // "先No"
constexpr int kHistoryCols = 10;

// The trade report without the clubs' numbers.
TableLayout tradeLayout() {
    return {150, 340, 280, 20, 80, {{2, 50}, {3, 30}, {5, 0}, {6, 0}}};
}

}  // namespace

void NewsProgramme::traderesult(NewsPage& pg) {
    const std::vector<std::string> lines = readtradelog(world_);
    pg.kind = PageKind::trades;
    pg.message = {"今日は選手の移籍・引退についてお送りします"};
    Grid& g = pg.table;
    g = Grid(kTradeCols, static_cast<int>(lines.size()));
    for (int r = 0; r < g.rowCount(); ++r) {
        const std::vector<std::string> fields = splitcommatext(lines[r]);
        for (int c = 0; c < kTradeCols && c < static_cast<int>(fields.size()); ++c) g.cell(c, r) = fields[c];
        // Below the heading: a move names the new club's number, a retirement or release none.
        if (r == 0) continue;
        if (fields.size() > kNewClubField && !fields[kNewClubField].empty())
            ++pg.transfers;
        else
            ++pg.departures;
    }
    // The price (column 2) is the main key, the settlement round (column 3) orders equal prices.
    gridsort(g, 3, false);
    gridsort(g, 2, false);
    pg.layout = tradeLayout();
    trades_ = g;
    std::error_code ec;
    std::filesystem::remove(world_.path(kTradeLog), ec);
}

void NewsProgramme::trademyresult(NewsPage& pg) {
    pg.kind = PageKind::ourtrades;
    pg.message = {world_.team(0).name + "が関わっでいる移籍・引退です"};
    Grid& g = pg.table;
    g = trades_;
    pg.layout = tradeLayout();
    if (g.rowCount() > 1) {
        gridsort(g, 5, true);
        gridsort(g, 6, true);
    }
    // A row stays when club 0 is the old or the new club.
    int rows = g.rowCount();
    for (int r = rows - 1; r >= 1; --r) {
        if (g.cell(5, r) != "0" && g.cell(6, r) != "0") {
            gridrowdel(g, r);
            --rows;
        }
    }
    g.resize(g.colCount(), rows);
    if (g.rowCount() <= 1) {
        pg.tableVisible = false;
        pg.message.push_back("移籍・引退はありませんでした");
    }
}

void NewsProgramme::vsresult(NewsPage& pg) {
    const Tleague& second = *world_.leagues.at(1);
    pg.kind = PageKind::versus;
    pg.message = {world_.team(0).name + "対" + world_.team(1).name + "の結果です"};
    Grid& g = pg.table;
    second.matchgrid(g);
    if (g.rowCount() > 2) g.resize(g.colCount(), 2);
    g.cell(0, 1).clear();
    g.cell(4, 1).clear();
    pg.layout = {200, 240, 100, 51, 40, {{0, 18}, {1, 78}, {2, 45}, {3, 78}, {4, 18}}};
    pg.goalsVisible = true;
    for (int s = 0; s < 2; ++s) pg.goals[0][s] = readLines(world_.path("data/tmp/20" + std::to_string(s)));
    g.cell(2, 1) = std::to_string(pg.goals[0][0].size()) + " - " + std::to_string(pg.goals[0][1].size());
}

void NewsProgramme::historyview(NewsPage& pg) {
    const std::vector<std::string> lines = readLines(world_.path(kHistoryFile));
    pg.kind = PageKind::history;
    pg.title = "過去の成績";
    if (lines.size() <= 1) {
        pg.title += "はありません";
        pg.tableVisible = false;
        return;
    }
    Grid& g = pg.table;
    pg.layout = {160, 330, 280, 20, 30, {}};
    g = Grid(kHistoryCols, static_cast<int>(lines.size()));
    for (int r = 0; r < g.rowCount(); ++r) g.setRow(r, lines[r]);
}

}  // namespace vm
