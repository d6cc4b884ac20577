// SPDX-License-Identifier: GPL-3.0-or-later
// Shared ground for the save and versus tests: a new game on a fixed seed,
// the same game in the middle of a season, and a snapshot of everything a
// failed read must leave alone.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "league/newgame.h"
#include "league/savegame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "league/world.h"
#include "support/scratch.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm::test {

inline std::unique_ptr<World> newGame(const Scratch& scratch, std::uint64_t seed) {
    auto w = scratch.world(seed);
    newgame(*w);
    return w;
}

// Five match days into the first season, with everything a save must carry:
// counters, rankings with Japanese names, an injured player, youth players,
// a hired doctor, appointed coaches and a history line.
inline void playFiveRounds(World& w) {
    seasonstart(w);
    for (auto& league : w.leagues) {
        league->round = 4;
        for (int row = 0; row < kLeagueClubs; ++row) {
            auto& r = league->table[row];
            r[Tleague::cWins] = row % 4;
            r[Tleague::cDraws] = 1;
            r[Tleague::cLosses] = 4 - row % 4;
            r[Tleague::cFor] = 3 + row;
            r[Tleague::cAgainst] = 9 - row;
            r[Tleague::cDiff] = r[Tleague::cFor] - r[Tleague::cAgainst];
            r[Tleague::cPoints] = 3 * r[Tleague::cWins] + 1;
        }
        league->rankmake();
        league->scorerlist = {"5," + w.team(league->clubOfRow(0)).roster[9]->name + ",03", "3,Ｊ．ロペス,07"};
        league->assistlist = {"2," + w.team(league->clubOfRow(1)).roster[8]->name + ",01"};
    }
    for (int k = 0; k < kClubCount; ++k) {
        Tteam& club = w.team(k);
        club.roster[9]->goals = k % 3;
        club.roster[8]->assists = 1;
        for (int i = 0; i < 11; ++i) club.roster[i]->games = 5;
        club.roster[2]->form = -3;
        club.money += 17 * k - 40;
    }
    Tteam& mine = w.team(0);
    auto hurt = mine.playerremove(mine.playerhigh());
    hurt->injury = 3;
    mine.injured.push_back(std::move(hurt));
    mine.youthmake();
    mine.doctor = 2;
    mine.coach[1] = {30, 41, 22, 18, 35, 60, 12};
    mine.coachupdate();
    appendLine(w.path("data/tmp/history.txt"), "0,2,3,8,4,5,20,18,2,28");
}

// Namesakes of club 0: "改名" (7 goals), and the shared name returned (3, injured).
inline std::string makeNamesakes(World& w) {
    Tteam& club = w.team(0);
    Tplayer& renamed = *club.roster[3];
    const std::string name = club.roster[5]->name = renamed.name;
    w.stats.players[w.stats.track(renamed)].goals = 7;
    w.stats.players[w.stats.track(*club.roster[5])].goals = 3;
    renamed.name = "改名";
    club.injured.push_back(takeOut(club.roster, 5));
    return name;
}

// Everything a read that fails must leave as it was: every stored byte of the
// world, the divisions' presence, popularity and values (not stored), the
// generator's next draws and the history file.
struct Snapshot {
    std::string image;
    std::array<int, kClubCount> popularity{};
    std::vector<int> values;
    std::array<int, 4> draws{};
    std::string history;
    bool season = false;

    static Snapshot of(const World& w) {
        Snapshot s;
        s.image = saveImage(w);
        for (int k = 0; k < kClubCount; ++k) {
            s.popularity[k] = w.team(k).popularity;
            for (const auto& p : w.team(k).roster) s.values.push_back(p->value);
        }
        Rng copy = w.rng;
        for (int& d : s.draws) d = copy.Random(1 << 30);
        s.history = readBytes(w.path("data/tmp/history.txt"));
        s.season = w.leagues[0] != nullptr;
        return s;
    }

    void expectSame(const World& w) const {
        const Snapshot now = of(w);
        EXPECT_TRUE(now.image == image) << "the world's stored state changed";
        EXPECT_EQ(now.popularity, popularity);
        EXPECT_EQ(now.values, values);
        EXPECT_EQ(now.draws, draws) << "the generator moved";
        EXPECT_EQ(now.history, history);
        EXPECT_EQ(now.season, season);
    }
};

// Little-endian pieces for building files by hand.
inline void putInt(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(u >> (8 * i) & 0xFF));
}
inline void putStr(std::string& out, std::string_view cp932) {
    putInt(out, static_cast<std::int32_t>(cp932.size()));
    out += cp932;
}
inline std::int32_t intAt(std::string_view b, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = u << 8 | static_cast<unsigned char>(b[at + i]);
    return static_cast<std::int32_t>(u);
}
inline void setInt(std::string& b, std::size_t at, std::int32_t v) {
    std::string four;
    putInt(four, v);
    b.replace(at, 4, four);
}

}  // namespace vm::test
