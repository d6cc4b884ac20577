// SPDX-License-Identifier: GPL-3.0-or-later
// A scratch working folder for a test: a fresh temporary folder holding a copy
// of the game's fixed data, removed again when the test ends.
#pragma once

#include <filesystem>
#include <memory>

#include "league/world.h"

namespace vm::test {

class Scratch {
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path path(const char* rel) const { return root_ / rel; }

    // A world in this folder with a fixed seed; start-up already run when asked.
    std::unique_ptr<World> world(std::uint64_t seed = 1, bool startup = true) const;

private:
    std::filesystem::path root_;
};

}  // namespace vm::test
