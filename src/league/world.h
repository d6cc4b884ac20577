// The world: everything that lasts between screens. The league manager, the
// twenty clubs, the divisions while a season runs, the transfer engine while a
// window is open, the one random generator and the working folder.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
    // A world working in `root` (the folder holding data/). Nothing is built yet.
    World(std::filesystem::path root, SeedSource seeds);
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    std::filesystem::path root;
    SeedSource seeds;
    Rng rng;
    Tleaguekanri kanri;
    std::array<std::unique_ptr<Tteam>, kClubCount> teams;
    // Division 1 and 2 while a season runs; both empty between seasons.
    std::array<std::unique_ptr<Tleague>, 2> leagues;
    // The transfer engine, alive only while a transfer window is open.
    std::unique_ptr<Ttrade> trade;

    int Random(int n) { return rng.Random(n); }
    int divof(int k) const { return kanri.divof(k); }
    Tteam& team(int k) const { return *teams.at(k); }

    // A path below the working folder ("data/tmp/history.txt").
    std::filesystem::path path(std::string_view relative) const { return root / relative; }

    // The lines of a fixed data file, read once and kept (name lists). Throws
    // DataError naming the file when it is missing or empty.
    const std::vector<std::string>& fixedLines(std::string_view relative);

    // Start-up: folders, a fresh history, a new seed, the league manager and
    // twenty clubs with their generated players, then their popularity.
    void startup();

private:
    std::map<std::string, std::vector<std::string>, std::less<>> fixed_;
};

}  // namespace vm
