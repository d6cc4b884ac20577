// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool inspect: what a saved game or a versus file holds, as text and
// as JSON with named, typed fields; a damaged file is reported, not shown.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "league/tleague.h"
#include "league/versus.h"
#include "tools/saved_game.h"
#include "util/grid.h"
#include "util/textfile.h"

namespace vm {
namespace {
using nlohmann::json;
using test::runTool;

void expectAttrs(const json& j, const Attrs& values) {
    const char* const keys[] = {"spe", "str", "ctl", "sho", "dri", "pas", "cro"};
    ASSERT_EQ(j.size(), 7u);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(j.at(keys[i]), values[i]) << keys[i];
}

void expectPlayer(const json& j, const Tplayer& p) {
    EXPECT_EQ(j.at("name"), p.name);
    EXPECT_TRUE(j.at("age").is_number_integer());
    EXPECT_EQ(j.at("age"), p.age);
    EXPECT_EQ(j.at("position"), posText(p.at));
    EXPECT_EQ(j.at("at"), p.at);
    EXPECT_EQ(j.at("foot"), legText(p.leg));
    EXPECT_EQ(j.at("leg"), p.leg);
    expectAttrs(j.at("ability"), p.ability);
    EXPECT_EQ(j.at("value"), p.value);
    EXPECT_EQ(j.at("rating"), p.rating);
    EXPECT_EQ(j.at("games"), p.games);
    EXPECT_EQ(j.at("goals"), p.goals);
    EXPECT_EQ(j.at("assists"), p.assists);
    EXPECT_EQ(j.at("form"), p.form);
    EXPECT_EQ(j.at("condition"), p.condition());
    EXPECT_EQ(j.at("mood"), p.mood);
    EXPECT_EQ(j.at("peak"), p.peak);
    EXPECT_EQ(j.at("injury"), p.injury);
    expectAttrs(j.at("exp"), p.exp);
    expectAttrs(j.at("talent"), p.talent);
    expectAttrs(j.at("lastability"), p.lastability);
    EXPECT_EQ(j.at("career"), p.career);
}

void expectPlayers(const json& j, const PlayerList& list) {
    ASSERT_EQ(j.size(), list.size());
    for (std::size_t i = 0; i < list.size(); ++i) expectPlayer(j[i], *list[i]);
}

void expectClub(const json& j, const Tteam& club) {
    EXPECT_EQ(j.at("number"), club.clubno);
    EXPECT_EQ(j.at("name"), club.name);
    EXPECT_EQ(j.at("money"), club.money);
    EXPECT_EQ(j.at("doctor"), club.doctor);
    ASSERT_EQ(j.at("formation").size(), 11u);
    for (int s = 0; s < 11; ++s) {
        EXPECT_EQ(j["formation"][s].at("x"), club.position[s].x);
        EXPECT_EQ(j["formation"][s].at("y"), club.position[s].y);
    }
    expectAttrs(j.at("coachpower"), club.coachpower);
    ASSERT_EQ(j.at("coaches").size(), 3u);
    for (int c = 0; c < 3; ++c) expectAttrs(j["coaches"][c], club.coach[c]);
    expectPlayers(j.at("roster"), club.roster);
    expectPlayers(j.at("youth"), club.youth);
    expectPlayers(j.at("injured"), club.injured);
}

using InspectCommandTest = test::SavedGameTest;

TEST_F(InspectCommandTest, GivesEveryClubAndPlayerOfASavedGameAsNamedTypedFields) {
    const auto held = reread();

    const auto run = runTool({"inspect", "game.dat", "--json"}, dir.root());

    ASSERT_EQ(run.status, 0) << run.err;
    const json j = json::parse(run.out);
    EXPECT_EQ(j.at("kind"), "save");
    EXPECT_EQ(j.at("season"), held->kanri.year);
    EXPECT_EQ(j.at("mydiv"), held->kanri.mydiv);
    ASSERT_EQ(j.at("clubs").size(), 20u);
    for (int k = 0; k < kClubCount; ++k) {
        SCOPED_TRACE("club " + std::to_string(k));
        expectClub(j["clubs"][k], held->team(k));
    }
    ASSERT_EQ(j["clubs"][0]["injured"].size(), 1u);
    EXPECT_EQ(j["clubs"][0]["injured"][0]["injury"], 3);
}

TEST_F(InspectCommandTest, GivesEachDivisionsTableScheduleAndRankingsAsNamedFields) {
    const auto run = runTool({"inspect", "game.dat", "--json"}, dir.root());

    ASSERT_EQ(run.status, 0) << run.err;
    const json divisions = json::parse(run.out).at("divisions");
    ASSERT_EQ(divisions.size(), 2u);
    for (int d = 0; d < 2; ++d) {
        const Tleague& league = *game->leagues[d];
        const json& j = divisions[d];
        EXPECT_EQ(j.at("division"), d + 1);
        EXPECT_EQ(j.at("round"), 4);
        ASSERT_EQ(j.at("table").size(), 10u);
        for (int row = 0; row < kLeagueClubs; ++row) {
            const json& r = j["table"][row];
            const auto& t = league.table[row];
            EXPECT_EQ(r.at("club"), league.clubOfRow(row));
            EXPECT_EQ(r.at("name"), game->team(league.clubOfRow(row)).name);
            EXPECT_EQ(r.at("wins"), t[Tleague::cWins]);
            EXPECT_EQ(r.at("draws"), t[Tleague::cDraws]);
            EXPECT_EQ(r.at("losses"), t[Tleague::cLosses]);
            EXPECT_EQ(r.at("for"), t[Tleague::cFor]);
            EXPECT_EQ(r.at("against"), t[Tleague::cAgainst]);
            EXPECT_EQ(r.at("difference"), t[Tleague::cDiff]);
            EXPECT_EQ(r.at("points"), t[Tleague::cPoints]);
            EXPECT_EQ(r.at("rank"), t[Tleague::cRank]);
        }
        ASSERT_EQ(j.at("schedule").size(), 27u);
        const Pairing& first = league.schedule[0][0];
        EXPECT_EQ(j["schedule"][0][0],
                  json::array({league.clubOfRow(first.first), league.clubOfRow(first.second)}));
    }
    const Tleague& div1 = *game->leagues[0];
    const int scorer = div1.clubOfRow(3);
    const json scorers = json::array({json{{"count", 2},
                                           {"club", scorer},
                                           {"clubName", game->team(scorer).name},
                                           {"player", game->team(scorer).roster[9]->name}}});
    EXPECT_EQ(divisions[0].at("scorers"), scorers);
    const json odd = {{"text", "壊れた行"}};
    EXPECT_EQ(divisions[0].at("assists").back(), odd);
}

TEST_F(InspectCommandTest, ShowsASavedGameAsTextClubByClub) {
    const auto held = reread();

    const auto run = runTool({"inspect", "game.dat"}, dir.root());

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Saved game  season 1  the user's division 2\n", 0), 0u)
        << run.out.substr(0, 200);
    for (int k = 0; k < kClubCount; ++k) {
        const Tteam& club = held->team(k);
        EXPECT_NE(run.out.find("Club " + std::to_string(k) + "  " + club.name + "  money " +
                               std::to_string(club.money)),
                  std::string::npos);
        EXPECT_NE(run.out.find("    " + club.roster[0]->datatext() + " / "), std::string::npos);
    }
    EXPECT_NE(run.out.find("Division 1  match day 4\n"), std::string::npos);
}

TEST_F(InspectCommandTest, GivesAVersusFileWithItsCommentAndClub) {
    vssave(*game, dir.path("club.dat"), "よろしく");

    const auto run = runTool({"inspect", "club.dat", "--kind", "vs", "--json"}, dir.root());

    ASSERT_EQ(run.status, 0) << run.err;
    const json j = json::parse(run.out);
    EXPECT_EQ(j.at("kind"), "vs");
    EXPECT_EQ(j.at("comment"), "よろしく");
    const auto held = reread();
    expectClub(j.at("club"), held->team(0));
}

TEST_F(InspectCommandTest, ReportsADamagedOrMissingFileAndShowsNothing) {
    const std::string bytes = readBytes(dir.path("game.dat"));
    writeBytesAtomic(dir.path("broken.dat"), bytes.substr(0, bytes.size() / 2));

    const auto broken = runTool({"inspect", "broken.dat", "--json"}, dir.root());
    const auto missing = runTool({"inspect", "nothing.dat"}, dir.root());

    EXPECT_EQ(broken.status, 2);
    EXPECT_EQ(broken.out, "");
    EXPECT_NE(broken.err.find("このファイルは読み込めません"), std::string::npos) << broken.err;
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("nothing.dat"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace vm
