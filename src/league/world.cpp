// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/world.h"

#include "league/tleague.h"
#include "transfers/ttrade.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {
namespace fs = std::filesystem;

World::World(fs::path r, SeedSource s) : root(r), shippedRoot(std::move(r)), seeds(std::move(s)) {}

World::World(fs::path r, fs::path shipped, SeedSource s)
    : root(std::move(r)), shippedRoot(std::move(shipped)), seeds(std::move(s)) {}

World::~World() = default;

const std::vector<std::string>& World::fixedLines(std::string_view relative) {
    if (auto it = fixed_.find(relative); it != fixed_.end()) return it->second;
    std::vector<std::string> lines = readLines(shipped(relative));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.empty()) throw DataError(std::string(relative) + " が空です");
    return fixed_.emplace(std::string(relative), std::move(lines)).first->second;
}

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
