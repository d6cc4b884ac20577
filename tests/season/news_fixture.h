// SPDX-License-Identifier: GPL-3.0-or-later
// A new game with a season running, and helpers that stage a match day's
// outcome (result files, final tables, ranking lists) without playing it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "league/world.h"
#include "season/newsprogramme.h"
#include "support/scratch.h"
#include "util/textfile.h"

namespace vm::test {

class NewsTest : public ::testing::Test {
protected:
    Scratch scratch;
    std::unique_ptr<World> world = scratch.world(7);

    void SetUp() override { newgame(*world); }

    // A season on match day `round` (Division 1 is clubs 10..19, Division 2
    // clubs 0..9 with club 0 in row 0).
    void season(int round) {
        seasonstart(*world);
        for (auto& l : world->leagues) l->round = round;
    }

    std::filesystem::path tmp(const std::string& name) const { return world->path("data/tmp/" + name); }

    // The result file of one side of one fixture: `goals` lines.
    void result(int d, int m, int s, int goals) {
        std::vector<std::string> lines;
        for (int g = 0; g < goals; ++g) lines.push_back(pad2(10 + g) + "分　01選手");
        writeLines(tmp(std::to_string(d) + std::to_string(m) + std::to_string(s)), lines);
    }
    void allResults() {
        for (int d = 1; d <= 2; ++d)
            for (int m = 0; m < kPairings; ++m)
                for (int s = 0; s < 2; ++s) result(d, m, s, 0);
    }

    // A final table in which the clubs finish in the given order, every club
    // having played `played` matches.
    void standings(int d, const std::vector<int>& order, int played = kRounds) {
        Tleague& l = *world->leagues[d - 1];
        for (int i = 0; i < kLeagueClubs; ++i) {
            int row = 0;
            while (l.clubOfRow(row) != order[i]) ++row;
            const int wins = played - i - 2, draws = i % 2, losses = played - wins - draws;
            l.table[row] = {order[i], wins, draws, losses, 40 - i, 20, 20 - i, 3 * wins + draws, 0};
        }
    }

    // A ranking list line as the runner writes it.
    std::string entry(int count, int club, const std::string& player) const {
        return pad2(count) + "," + world->team(club).name + "," + player + "," + pad2(club);
    }

    // Clicks until the page counter reaches `page`.
    const NewsPage& clickTo(NewsProgramme& news, int page) {
        while (news.newspage() < page && !news.finished()) news.nextPage();
        return news.page();
    }

    static std::string pad2(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }
};

}  // namespace vm::test
