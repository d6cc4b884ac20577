// SPDX-License-Identifier: GPL-3.0-or-later
// Several seasons in a row with drawn results instead of matches: every week
// the clubs pick their line-ups, train and get hurt, every season ends with
// promotion and relegation. What must hold through all of it.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "league/world.h"
#include "support/scratch.h"
#include "util/arith.h"
#include "util/grid.h"
#include "util/textfile.h"

namespace vm {
namespace {

namespace fs = std::filesystem;

void book(Tleague& l, int row, int gf, int ga) {
    auto& t = l.table[row];
    t[Tleague::cFor] += gf;
    t[Tleague::cAgainst] += ga;
    t[Tleague::cDiff] = t[Tleague::cFor] - t[Tleague::cAgainst];
    if (gf > ga) {
        t[Tleague::cWins] += 1;
        t[Tleague::cPoints] += 3;
    } else if (gf == ga) {
        t[Tleague::cDraws] += 1;
        t[Tleague::cPoints] += 1;
    } else {
        t[Tleague::cLosses] += 1;
    }
}

void playWeek(World& w, Rng& results) {
    for (int k = 0; k < kClubCount; ++k) {
        Tteam& club = w.team(k);
        if (k != 0) {
            club.autoselect();
            club.formationload();
        }
        club.training();
    }
    for (auto& l : w.leagues)
        for (const Pairing& p : l->schedule[l->round]) {
            const int a = results.Random(5), b = results.Random(4);
            book(*l, p.first, a, b);
            book(*l, p.second, b, a);
        }
    for (auto& l : w.leagues) l->rankmake();
    for (int k = kClubCount - 1; k >= 0; --k) {
        Grid g;
        w.team(k).injurycheck(g);
        ASSERT_GE(w.team(k).roster.size(), 11u) << "club " << k;
        w.team(k).injuryupdate(false);
    }
}

// A club number per line of the manager's lists, each club exactly once.
void expectPartition(const Tleaguekanri& kanri) {
    std::vector<int> all = kanri.clubsOf(1);
    const auto second = kanri.clubsOf(2);
    ASSERT_EQ(all.size(), 10u);
    ASSERT_EQ(second.size(), 10u);
    all.insert(all.end(), second.begin(), second.end());
    std::sort(all.begin(), all.end());
    for (int k = 0; k < kClubCount; ++k) ASSERT_EQ(all[k], k);
}

TEST(SeasonCycle, FourSeasonsKeepTheLeagueWhole) {
    test::Scratch scratch;
    auto world = scratch.world(31);
    newgame(*world);
    Rng results(5);
    const auto historyStart = readLines(scratch.path("data/tmp/history.txt")).size();
    const std::regex closedEntry(R"(.*\d+\*\d+\*\d+$)");

    for (int season = 1; season <= 4; ++season) {
        seasonstart(*world);
        for (int round = 0; round < kRounds; ++round) {
            for (auto& l : world->leagues) l->round = round;
            playWeek(*world, results);
            if (HasFatalFailure()) return;
        }
        const Tleague& second = *world->leagues[1];
        int lastRow = 0;
        while (second.table[lastRow][Tleague::cRank] != 9) ++lastRow;
        const std::string last = pad(second.clubOfRow(lastRow), 2);
        const int userDivision = world->kanri.mydiv;
        const int userRank = world->leagues[userDivision - 1]->table[0][Tleague::cRank];

        seasonend(*world);

        EXPECT_EQ(world->kanri.year, season + 1);
        expectPartition(world->kanri);
        EXPECT_EQ(world->divof(0), world->kanri.mydiv);
        const bool moves = (userDivision == 2 && userRank <= 1) || (userDivision == 1 && userRank >= 8);
        EXPECT_EQ(world->kanri.mydiv, moves ? 3 - userDivision : userDivision);
        std::vector<std::string> rankFiles;
        for (const auto& e : fs::directory_iterator(scratch.path("data/tmp")))
            if (e.path().extension() == ".rank") rankFiles.push_back(e.path().stem().string());
        EXPECT_EQ(rankFiles, std::vector<std::string>{last});
        EXPECT_EQ(readLines(scratch.path("data/tmp/history.txt")).size(), historyStart + season);
        for (int k = 0; k < kClubCount; ++k) {
            const Tteam& club = world->team(k);
            EXPECT_TRUE(club.injured.empty());
            for (const auto& p : club.roster) {
                EXPECT_TRUE(std::regex_match(p->career, closedEntry)) << p->career;
                for (int v : p->ability) ASSERT_TRUE(v >= 10 && v <= 89);
            }
        }
        fs::remove(scratch.root() / "data/tmp" / (last + ".rank"));  // the news reads and deletes it
    }
}

}  // namespace
}  // namespace vm
