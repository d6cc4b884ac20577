// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON of vellmora-tool world and window: clubs, players and the week's
// transfers as named, typed fields that say what the text form says.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "league/newgame.h"
#include "support/scratch.h"
#include "support/tool.h"
#include "util/grid.h"

namespace vm {
namespace {
using nlohmann::json;
using test::runTool;

TEST(WorldJson, GivesANewGamesClubsAndPlayersAsNamedFields) {
    test::Scratch dir;
    auto world = dir.world(7);
    newgame(*world);

    const auto run = runTool({"world", "--seed", "7", "--new-game", "--json"}, dir.root());

    ASSERT_EQ(run.status, 0) << run.err;
    const json clubs = json::parse(run.out).at("clubs");
    ASSERT_EQ(clubs.size(), 20u);
    for (int k = 0; k < kClubCount; ++k) {
        const Tteam& club = world->team(k);
        const json& c = clubs[k];
        EXPECT_EQ(c.at("number"), k);
        EXPECT_EQ(c.at("name"), club.name);
        EXPECT_EQ(c.at("division"), world->divof(k));
        EXPECT_EQ(c.at("popularity"), club.popularity);
        ASSERT_EQ(c.at("roster").size(), club.roster.size());
        for (std::size_t i = 0; i < club.roster.size(); ++i) {
            const Tplayer& p = *club.roster[i];
            const json& j = c["roster"][i];
            EXPECT_EQ(j.at("name"), p.name);
            EXPECT_EQ(j.at("age"), p.age);
            EXPECT_EQ(j.at("position"), posText(p.at));
            EXPECT_EQ(j.at("ability").at("cro"), p.ability[6]);
            EXPECT_EQ(j.at("value"), p.value);
        }
    }
}

// Each JSON move against the same move's line in the text form.
TEST(WindowJson, GivesEachWeeksMovesAsNamedFieldsMatchingTheText) {
    test::Scratch dir;

    const auto text = runTool({"window", "--seed", "3"}, dir.root());
    const auto run = runTool({"window", "--seed", "3", "--json"}, dir.root());

    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(text.status, 0) << text.err;
    const json weeks = json::parse(run.out).at("weeks");
    ASSERT_EQ(weeks.size(), 3u);
    int moves = 0;
    for (const json& week : weeks) {
        for (const json& m : week.at("moves")) {
            const std::string line =
                m.at("fromName").get<std::string>() + "," + m.at("player").get<std::string>() + "," +
                std::to_string(m.at("fee").get<int>()) + ",→" + std::to_string(m.at("round").get<int>()) +
                "," + m.at("toName").get<std::string>() + "," + std::to_string(m.at("from").get<int>()) +
                "," + std::to_string(m.at("to").get<int>());
            EXPECT_NE(text.out.find("\n  " + line + "\n"), std::string::npos) << line;
            EXPECT_TRUE(m.at("from") == 99 || (m.at("from") >= 0 && m.at("from") < 20)) << line;
            ++moves;
        }
    }
    EXPECT_GT(moves, 5);
}

}  // namespace
}  // namespace vm
