// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool stats: a save's statistics file, whether it still matches the
// save, and a damaged one refused.
#include <nlohmann/json.hpp>

#include "league/statsfile.h"
#include "tools/saved_game.h"
#include "util/textfile.h"

namespace vm {
namespace {

using StatsCommandTest = test::SavedGameTest;

TEST_F(StatsCommandTest, PrintsTheFileAndWhetherItStillMatchesItsSave) {
    test::ToolRun run = test::runTool({"stats", "game.dat", "--json"}, dir.root());
    ASSERT_EQ(run.status, 0) << run.err;
    auto doc = nlohmann::json::parse(run.out);
    EXPECT_TRUE(doc["matchesSave"].get<bool>());
    EXPECT_EQ(doc["season"].get<int>(), game->kanri.year);

    game->team(0).money += 1;
    writeBytesAtomic(dir.path("game.dat"), saveImage(*game));
    run = test::runTool({"stats", "game.dat", "--json"}, dir.root());
    EXPECT_FALSE(nlohmann::json::parse(run.out)["matchesSave"].get<bool>());

    writeBytesAtomic(statsPath(dir.path("game.dat")), "VMST broken");
    run = test::runTool({"stats", "game.dat"}, dir.root());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("統計"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace vm
