// SPDX-License-Identifier: GPL-3.0-or-later
// The world: everything that lasts between screens. The club world (the league
// manager, the twenty clubs, the one random generator and the game's two
// folders; players/clubworld.h) and, above it, the divisions while a season
// runs, the transfer engine while a window is open, the career's statistics
// and start-up.
#pragma once

#include <array>
#include <filesystem>
#include <memory>

#include "league/careerstats.h"
#include "players/clubworld.h"

namespace vm {

// The user's club's past seasons: the working copy, which saves carry along.
inline constexpr const char* kHistoryFile = "data/tmp/history.txt";

class Tleague;
class Ttrade;

class World : public ClubWorld {
public:
    // A world whose shipped data and player's files both lie below `root`
    // (the folder holding data/). Nothing is built yet.
    World(std::filesystem::path root, SeedSource seeds);
    // A world reading the shipped data below `shippedRoot` and keeping the
    // player's files below `root`.
    World(std::filesystem::path root, std::filesystem::path shippedRoot, SeedSource seeds);
    ~World();

    // Division 1 and 2 while a season runs; both empty between seasons.
    std::array<std::unique_ptr<Tleague>, 2> leagues;
    // The transfer engine, alive only while a transfer window is open.
    std::unique_ptr<Ttrade> trade;
    // The career's statistics (careerstats.h).
    CareerStats stats;

    // Start-up: folders, a fresh history, a new seed, the league manager and
    // twenty clubs with their generated players, then their popularity.
    void startup();
};

}  // namespace vm
