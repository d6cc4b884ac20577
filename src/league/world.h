// SPDX-License-Identifier: GPL-3.0-or-later
// The world: everything that lasts between screens. The league manager, the
// twenty clubs, the divisions while a season runs, the transfer engine while a
// window is open, the one random generator and the game's two folders.
//
// The two folders, both holding a data/ below them:
//  * shipped(rel): the data the game ships, read only. An installed game reads
//    it from <prefix>/share/vellmora2, a developer build from the source tree.
//    Name lists (data/name/), data/teamimage.bmp, data/formation.txt,
//    data/doctor.txt, data/history.txt, data/trade.txt, the pictures
//    (data/skin/), the sounds (data/sound/), the icons (data/icons/) and the
//    default match speed data/msp.dat.
//  * path(rel): the player's folder, everything the game writes or the player
//    owns: data/tmp/, data/savedata/, data/vs/, data/formation/, the player's
//    match speed data/msp.dat, the replay switch data/vtr, data/replays/.
// Never write through shipped(), never read shipped data through path(): an
// installed game's shipped folder is not writable and the player's folder
// holds no shipped data. Tests and vellmora-tool may use one folder for both.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "league/careerstats.h"
#include "league/tleaguekanri.h"
#include "players/tteam.h"
#include "util/random.h"

namespace vm {

inline constexpr int kClubCount = 20;
// The user's club's past seasons: the working copy, which saves carry along.
inline constexpr const char* kHistoryFile = "data/tmp/history.txt";

class Tleague;
class Ttrade;

class World {
public:
    // A world whose shipped data and player's files both lie below `root`
    // (the folder holding data/). Nothing is built yet.
    World(std::filesystem::path root, SeedSource seeds);
    // A world reading the shipped data below `shippedRoot` and keeping the
    // player's files below `root`.
    World(std::filesystem::path root, std::filesystem::path shippedRoot, SeedSource seeds);
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    std::filesystem::path root;         // the player's folder
    std::filesystem::path shippedRoot;  // the shipped data's folder, read only
    SeedSource seeds;
    Rng rng;
    Tleaguekanri kanri;
    std::array<std::unique_ptr<Tteam>, kClubCount> teams;
    // Division 1 and 2 while a season runs; both empty between seasons.
    std::array<std::unique_ptr<Tleague>, 2> leagues;
    // The transfer engine, alive only while a transfer window is open.
    std::unique_ptr<Ttrade> trade;
    // Whether the matches of this world keep their figures (MatchObserver);
    // they play the same either way.
    bool matchfigures = true;
    // The career's statistics (careerstats.h).
    CareerStats stats;

    int Random(int n) { return rng.Random(n); }
    int divof(int k) const { return kanri.divof(k); }
    Tteam& team(int k) const { return *teams.at(k); }

    // A path in the player's folder ("data/tmp/history.txt").
    std::filesystem::path path(std::string_view relative) const { return root / relative; }
    // A path in the shipped data ("data/formation.txt"), for reading only.
    std::filesystem::path shipped(std::string_view relative) const { return shippedRoot / relative; }

    // The lines of a shipped data file, read once and kept (name lists).
    // Throws DataError naming the file when it is missing or empty.
    const std::vector<std::string>& fixedLines(std::string_view relative);

    // Start-up: folders, a fresh history, a new seed, the league manager and
    // twenty clubs with their generated players, then their popularity.
    void startup();

private:
    std::map<std::string, std::vector<std::string>, std::less<>> fixed_;
};

}  // namespace vm
