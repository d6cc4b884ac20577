// SPDX-License-Identifier: GPL-3.0-or-later
// The club world: what players, clubs, the match and the transfer engine see
// of the world. The league manager, the twenty clubs, the one random
// generator with its seed source, the fixed lists and the game's two folders.
// The league's World extends it with the divisions, the transfer engine, the
// career statistics and start-up; a World& passes wherever a ClubWorld& is asked.
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

#include "players/tleaguekanri.h"
#include "players/tteam.h"
#include "util/random.h"

namespace vm {

inline constexpr int kClubCount = 20;

class ClubWorld {
public:
    ClubWorld(const ClubWorld&) = delete;
    ClubWorld& operator=(const ClubWorld&) = delete;

    std::filesystem::path root;         // the player's folder
    std::filesystem::path shippedRoot;  // the shipped data's folder, read only
    SeedSource seeds;
    Rng rng;
    Tleaguekanri kanri;
    std::array<std::unique_ptr<Tteam>, kClubCount> teams;
    // Whether the matches of this world keep their figures (MatchObserver);
    // they play the same either way.
    bool matchfigures = true;

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

protected:
    // Only a World is made; it hands over its two folders and seed source.
    ClubWorld(std::filesystem::path root, std::filesystem::path shippedRoot, SeedSource seeds);
    ~ClubWorld();

private:
    std::map<std::string, std::vector<std::string>, std::less<>> fixed_;
};

}  // namespace vm
