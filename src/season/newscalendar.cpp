// SPDX-License-Identifier: GPL-3.0-or-later
// The news pages of the calendar: the next match day (or the season's end),
// the next opponent and the week's injuries.
#include <stdexcept>
#include <string>

#include "league/runner.h"
#include "league/season.h"
#include "league/tleague.h"
#include "league/world.h"
#include "season/newsprogramme.h"
#include "util/arith.h"

namespace vm {
namespace {

constexpr int kStarters = 11;
// The injury table's heading, on the programme and on the website alike.
constexpr const char* kInjuryHeading = "Name,Age,AT,Spe,Str,Ctl,Sht,Dri,Pas,Cro,Leg,状態";

}  // namespace

void NewsProgramme::nextday(NewsPage& pg) {
    Tleague& first = *world_.leagues.at(0);
    Tleague& second = *world_.leagues.at(1);
    first.round += 1;
    second.round += 1;
    if (first.round < kRounds) {
        try {
            matchreview(pg);
        } catch (...) {
            first.round -= 1;
            second.round -= 1;
            throw;
        }
        return;
    }
    try {
        seasonend(world_);
    } catch (...) {
        // The season end writes its files before it changes anything.
        first.round -= 1;
        second.round -= 1;
        throw;
    }
    newteam(pg);
}

void NewsProgramme::matchreview(NewsPage& pg) {
    Tteam& opponent = world_.team(useropponent(world_, world_.kanri.mydiv));
    const std::string& name = opponent.name;
    pg.kind = PageKind::opponent;
    pg.title = name + "の予想戦術";
    pg.message = {"次節、" + world_.team(0).name + "は" + name + "と対戦します",
                  name + "の予想スタメンとフォーメーションを見てみましょう"};
    Grid& g = pg.table;
    opponent.rostergrid(g, {12});
    for (int r = 1; r <= kStarters && r < g.rowCount(); ++r) g.cell(0, r) = pad(r, 2);
    // The predicted starting eleven only.
    if (g.rowCount() > kStarters + 1) g.resize(g.colCount(), kStarters + 1);
    posname(g, 3);
    legname(g, 11);
    pg.fixedCols = 1;
    pg.conditionCol = 14;
    pg.layout = {300, 335, 260, 20, 20, {{1, 85}, {3, 30}, {14, 0}, {15, 0}}};
    for (int k = 0; k < kStarters && k <= opponent.playerhigh(); ++k) {
        Point spot;
        opponent.posconvert(spot, k, true);
        pg.shirts.push_back({spot.x + 10, spot.y * 3 / 4});
    }
}

void NewsProgramme::injuryinfo(NewsPage& pg) {
    Tteam& club0 = world_.team(0);
    pg.kind = PageKind::injuries;
    pg.message = {club0.name + "の怪我人情報です"};
    Grid& g = pg.table;
    if (website_) {
        club0.injurygrid(g);
        g.setRow(0, kInjuryHeading);
        posname(g, 2);
        legname(g, 10);
        pg.tableVisible = g.rowCount() > 1;
        pg.conditionCol = 14;
        pg.layout = {120, 400, 260,
                     20,  20,  {{0, 100}, {2, 30}, {11, 80}, {12, 0}, {13, 0}, {14, 0}, {15, 0}}};
    } else {
        // The week's draw and recoveries, club 19 first.
        int back = 0;
        for (int c = kClubCount - 1; c >= 0; --c) {
            Tteam& club = world_.team(c);
            Grid scratch;
            club.injurycheck(c == 0 ? g : scratch);
            const int returned = club.injuryupdate(false);
            if (c == 0) back = returned;
        }
        const int rows = g.rowCount();
        g.resize(g.colCount(), rows + back);
        for (int k = 0; k < back; ++k) {
            const int index = club0.playerhigh() - back + 1 + k;
            g.setRow(rows + k, "," + club0.getplayer(index).datatext() + "," + pad(index, 3));
            g.setObject(rows + k, nullptr);
            g.cell(12, rows + k) = "復帰";
        }
        g.setRow(0, "," + std::string(kInjuryHeading));
        gridcoldel(g, 14);  // assists: the condition figure moves into column 14
        posname(g, 3);
        legname(g, 11);
        pg.fixedCols = 1;
        pg.conditionCol = 14;
        pg.layout = {120, 430, 260, 20, 20, {{1, 100}, {3, 30}, {12, 80}, {13, 0}, {14, 0}, {15, 0}}};
    }
    pg.title = pg.tableVisible ? "怪我人情報" : "怪我人はいません";
}

}  // namespace vm
