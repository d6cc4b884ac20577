// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's folders: the shipped data, read where it lies, and a fresh
// temporary folder for the files a run writes (the player's folder of the
// game), so that runs never write into the repository, the installed game or
// the player's own folder. The temporary folder goes when the command ends.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "league/world.h"

namespace vm::cli {

class Workdir {
public:
    // The shipped data of --data DIR (a folder named data, or one holding
    // data/), else the installed game's beside the tool
    // (<prefix>/share/vellmora2), else, for a tool run from its build folder,
    // the source tree it was built from.
    explicit Workdir(const std::vector<std::string>& args);
    ~Workdir();
    Workdir(const Workdir&) = delete;
    Workdir& operator=(const Workdir&) = delete;

    const std::filesystem::path& root() const { return root_; }
    const std::filesystem::path& shippedRoot() const { return shipped_; }
    // A world with the seed of --seed (required), start-up already run.
    std::unique_ptr<World> world(const std::vector<std::string>& args) const;

private:
    std::filesystem::path shipped_;
    std::filesystem::path root_;
};

// A world of twenty empty clubs to read a file into; it touches no folder.
std::unique_ptr<World> readingWorld();

}  // namespace vm::cli
