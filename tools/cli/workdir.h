// The tool's working folder: a fresh temporary folder holding a copy of the
// game's fixed data, so that runs never write into the repository or the
// player's own folder. Removed again when the command ends.
#pragma once

#include <filesystem>
#include <memory>
#include <vector>
#include <string>

#include "league/world.h"

namespace vm::cli {

class Workdir {
public:
    // Copies the fixed data from --data DIR, else from the game's source data folder.
    explicit Workdir(const std::vector<std::string>& args);
    ~Workdir();
    Workdir(const Workdir&) = delete;
    Workdir& operator=(const Workdir&) = delete;

    const std::filesystem::path& root() const { return root_; }
    // A world with the seed of --seed (required), start-up already run.
    std::unique_ptr<World> world(const std::vector<std::string>& args) const;

private:
    std::filesystem::path root_;
};

}  // namespace vm::cli
