// SPDX-License-Identifier: GPL-3.0-or-later
// The world's start-up.
#include "league/world.h"

#include "league/tleague.h"
#include "transfers/ttrade.h"

namespace vm {
namespace fs = std::filesystem;

World::World(fs::path r, SeedSource s) : ClubWorld(r, r, std::move(s)) {}

World::World(fs::path r, fs::path shipped, SeedSource s)
    : ClubWorld(std::move(r), std::move(shipped), std::move(s)) {}

World::~World() = default;

void World::startup() {
    std::error_code ec;
    fs::create_directories(path("data/tmp"), ec);
    fs::create_directories(path("data/savedata"), ec);
    // A missing history template leaves the old working copy as it was. The
    // copy must be writable even where the installed template is read-only.
    const fs::path history = path(kHistoryFile);
    if (fs::copy_file(shipped("data/history.txt"), history, fs::copy_options::overwrite_existing, ec))
        fs::permissions(history, fs::perms::owner_write, fs::perm_options::add, ec);

    rng.seed(seeds.next());
    kanri = Tleaguekanri{};
    for (auto& l : leagues) l.reset();
    trade.reset();
    for (int i = 0; i < 10; ++i) teams[i] = std::make_unique<Tteam>(*this, (i / 5) * 5 + 15, 1, i);
    for (int i = 10; i < kClubCount; ++i) teams[i] = std::make_unique<Tteam>(*this, (i / 5) * 5 + 30, 2, i);
    for (int i = 0; i < kClubCount; ++i) teams[i]->popularity = (i + 1) * 5;
}

}  // namespace vm
