// SPDX-License-Identifier: GPL-3.0-or-later
// Where vellmora-tool reads the shipped data: --data names a data folder or
// the folder holding one; anything else is refused with the folder's name.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch.h"
#include "support/tool.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::runTool;

TEST(ToolData, DataNamesTheDataFolderOrTheFolderHoldingItAndGivesTheSameWorld) {
    test::Scratch dir;
    const auto plain = runTool({"world", "--seed", "4"}, dir.root());
    const auto named = runTool({"world", "--seed", "4", "--data", "data/"}, dir.root());
    const auto holding = runTool({"world", "--seed", "4", "--data", dir.root().string()}, dir.root());

    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(holding.status, 0) << holding.err;
    EXPECT_EQ(named.out, plain.out);
    EXPECT_EQ(holding.out, plain.out);
    EXPECT_FALSE(fs::exists(dir.path("data/tmp"))) << "the tool wrote into the data it was given";
}

TEST(ToolData, AFolderWithoutTheGamesDataIsRefusedByName) {
    test::Scratch dir;
    fs::create_directories(dir.path("empty"));
    const auto run = runTool({"world", "--seed", "4", "--data", "empty"}, dir.root());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("empty"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

}  // namespace
}  // namespace vm
