// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool stats: a save's statistics file, whether it still matches the
// save, and a damaged one refused; namesakes told apart by a load in another
// process.
#include <nlohmann/json.hpp>

#include <map>

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

TEST_F(StatsCommandTest, NamesakesKeepTheirOwnRecordsThroughALoadInAnotherProcess) {
    const std::string name = test::makeNamesakes(*game);
    save(*game, dir.path("game.dat"));
    const test::ToolRun run = test::runTool({"stats", "game.dat", "--json"}, dir.root());
    ASSERT_EQ(run.status, 0) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    std::map<std::pair<int, std::string>, int> goals;  // by the list and name a load finds
    for (const auto& p : doc["players"])
        if (const auto& at = p["at"]; !at.is_null())
            goals[{at["list"].get<int>(), at["name"].get<std::string>()}] = p["goals"].get<int>();
    EXPECT_EQ((goals[{0, "改名"}]), 7);
    EXPECT_EQ((goals[{2, name}]), 3);
}

}  // namespace
}  // namespace vm
