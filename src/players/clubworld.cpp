// SPDX-License-Identifier: GPL-3.0-or-later
// The club world's folders and its fixed lists.
#include "players/clubworld.h"

#include "util/errors.h"
#include "util/textfile.h"

namespace vm {

ClubWorld::ClubWorld(std::filesystem::path r, std::filesystem::path shipped, SeedSource s)
    : root(std::move(r)), shippedRoot(std::move(shipped)), seeds(std::move(s)) {}

ClubWorld::~ClubWorld() = default;

const std::vector<std::string>& ClubWorld::fixedLines(std::string_view relative) {
    if (auto it = fixed_.find(relative); it != fixed_.end()) return it->second;
    std::vector<std::string> lines = readLines(shipped(relative));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.empty()) throw DataError(std::string(relative) + " が空です");
    return fixed_.emplace(std::string(relative), std::move(lines)).first->second;
}

}  // namespace vm
