// SPDX-License-Identifier: GPL-3.0-or-later
// A benchmark's world: the game's data copied into a fresh temporary folder
// and a new game played in it with a fixed seed; the folder is removed again
// when the world goes.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "league/newgame.h"
#include "league/world.h"

namespace vm {

struct NewGameWorld {
    std::filesystem::path root;
    std::unique_ptr<World> world;

    NewGameWorld(const std::string& name, std::uint64_t seed) {
        namespace fs = std::filesystem;
        root = fs::temp_directory_path() / ("vm-bench-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(root);
        fs::create_directories(root);
        fs::copy(VM_SOURCE_DATA_DIR, root / "data", fs::copy_options::recursive);
        world = std::make_unique<World>(root, SeedSource::fixed(seed));
        world->startup();
        newgame(*world);
    }
    ~NewGameWorld() {
        world.reset();
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    NewGameWorld(const NewGameWorld&) = delete;
    NewGameWorld& operator=(const NewGameWorld&) = delete;
};

}  // namespace vm
