// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scratch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>

namespace vm::test {
namespace fs = std::filesystem;

Scratch::Scratch() {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "scratch";
    for (auto& c : name)
        if (c == '/') c = '_';
    root_ = fs::temp_directory_path() /
            ("vm-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" + name);
    fs::remove_all(root_);
    fs::create_directories(root_);
    fs::copy(VM_SOURCE_DATA_DIR, root_ / "data", fs::copy_options::recursive);
}

Scratch::~Scratch() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

std::unique_ptr<World> Scratch::world(std::uint64_t seed, bool startup) const {
    auto w = std::make_unique<World>(root_, SeedSource::fixed(seed));
    if (startup) w->startup();
    return w;
}

}  // namespace vm::test
