// SPDX-License-Identifier: GPL-3.0-or-later
// The match-day runner: the players' preparation, a whole headless match day
// booked into the table and the result files, the goal lines turned into
// result lines and ranking entries, and the form each result leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "league/newgame.h"
#include "league/runner.h"
#include "league/season.h"
#include "league/tleague.h"
#include "match/tgame.h"
#include "support/scratch.h"
#include "util/errors.h"
#include "util/grid.h"
#include "util/textfile.h"

namespace vm {
namespace {

struct RunnerFixture : ::testing::Test {
    test::Scratch scratch;
    std::unique_ptr<World> world = scratch.world(4);

    RunnerFixture() {
        newgame(*world);
        seasonstart(*world);
        setRound(0);
    }
    void setRound(int r) {
        world->leagues[0]->round = r;
        world->leagues[1]->round = r;
    }
    Tleague& div2() { return *world->leagues[1]; }
    Tteam& clubOfRow(int row) { return world->team(div2().clubOfRow(row)); }
    void goalFiles(const std::vector<std::string>& side0, const std::vector<std::string>& side1) {
        writeLines(scratch.path("data/tmp/goal0"), side0);
        writeLines(scratch.path("data/tmp/goal1"), side1);
    }
    // Every starter of a club with form 0 and nothing pending, so that the
    // form after a booking shows the change itself.
    void calm(Tteam& club) {
        for (auto& p : club.roster) {
            p->form = 0;
            p->formdelta = 0;
            p->rebound = false;
        }
    }
};

TEST_F(RunnerFixture, TheUsersOpponentIsTheAwaySideOfTheFirstFixture) {
    for (int r : {0, 5, 26}) {
        setRound(r);
        EXPECT_EQ(useropponent(*world, 2), div2().clubOfRow(div2().schedule[r][0].second));
    }
    EXPECT_EQ(div2().clubOfRow(div2().schedule[5][0].first), 0);
}

TEST_F(RunnerFixture, BeforeTheMatchDayStartersRiseAndReservesGrowRestless) {
    Tteam& club = clubOfRow(3);
    const int starter = club.getplayer(4).rating, bench = club.getplayer(11).rating;
    std::vector<int> moods;
    for (int i = 13; i <= club.playerhigh(); ++i) moods.push_back(club.getplayer(i).mood);
    prematch(*world, 2);
    EXPECT_EQ(club.getplayer(4).rating, starter + 1);  // division 2: +1
    EXPECT_EQ(club.getplayer(11).rating, bench);
    for (int i = 13; i <= club.playerhigh(); ++i) {
        EXPECT_LE(club.getplayer(i).mood, moods[i - 13]);
        EXPECT_GE(club.getplayer(i).mood, moods[i - 13] - 6);
    }
    Tteam& first = world->team(world->leagues[0]->clubOfRow(0));
    const int top = first.getplayer(0).rating;
    prematch(*world, 1);
    EXPECT_EQ(first.getplayer(0).rating, top + 2);
}

TEST_F(RunnerFixture, AHeadlessMatchDayIsPlayedAndBookedWhole) {
    playmatchday(*world, 2);
    int played = 0, points = 0, scored = 0, conceded = 0, lines = 0;
    for (const auto& row : div2().table) {
        played += row[Tleague::cWins] + row[Tleague::cDraws] + row[Tleague::cLosses];
        points += row[Tleague::cPoints];
        scored += row[Tleague::cFor];
        conceded += row[Tleague::cAgainst];
        EXPECT_EQ(row[Tleague::cDiff], row[Tleague::cFor] - row[Tleague::cAgainst]);
        EXPECT_EQ(row[Tleague::cPoints], 3 * row[Tleague::cWins] + row[Tleague::cDraws]);
    }
    EXPECT_EQ(played, 10);
    EXPECT_EQ(scored, conceded);
    for (int f = 0; f < 5; ++f) {
        for (int s = 0; s < 2; ++s) {
            const auto file = scratch.root() / "data/tmp" / ("2" + std::to_string(f) + std::to_string(s));
            ASSERT_TRUE(std::filesystem::exists(file)) << file;
            for (const auto& line : readLines(file)) {
                EXPECT_EQ(line.substr(2, 6), "分　");
                ++lines;
            }
        }
        EXPECT_EQ(div2().matchslots[f], nullptr);
    }
    EXPECT_EQ(lines, scored);
    EXPECT_FALSE(std::filesystem::exists(scratch.path("data/tmp/goal0")));
    int listed = 0;
    for (const auto& line : div2().scorerlist) listed += std::stoi(line.substr(0, 2));
    EXPECT_LE(listed, scored);  // own goals are nobody's
    EXPECT_TRUE(std::is_sorted(div2().scorerlist.begin(), div2().scorerlist.end(),
                               [](const auto& a, const auto& b) { return gridTextKey(a) < gridTextKey(b); }));
}

TEST_F(RunnerFixture, ALiveMatchDayLeavesTheUsersFixtureAlone) {
    matchday(*world, 2, false, 0);
    EXPECT_EQ(div2().matchslots[0], nullptr);
    for (int f = 1; f < 5; ++f) ASSERT_NE(div2().matchslots[f], nullptr);
    matchday(*world, 2, false, 4);
    EXPECT_EQ(div2().matchslots[1]->clock, 0);
    matchday(*world, 2, false, 400);
    EXPECT_EQ(div2().matchslots[1]->clock, 40);
    matchday(*world, 2, false, 54000);
    for (int f = 0; f < 5; ++f) EXPECT_EQ(div2().matchslots[f], nullptr);
    EXPECT_FALSE(std::filesystem::exists(scratch.path("data/tmp/200")));
    EXPECT_TRUE(std::filesystem::exists(scratch.path("data/tmp/210")));
    matchday(*world, 2, false, 54004);  // past full time nothing happens
}

TEST_F(RunnerFixture, GoalLinesBecomeResultLinesAndRankingEntries) {
    Tteam& home = clubOfRow(div2().schedule[0][0].first);
    const int homeno = home.clubno;
    Tplayer& striker = home.getplayer(9);
    Tplayer& maker = home.getplayer(4);
    Tplayer& sub = home.getplayer(12);
    striker.goals = 0;
    maker.assists = 0;
    const int rating = striker.rating;
    goalFiles({"1209", "450904", "8999", "901204"}, {});
    goalfile(*world, 2, 0);
    EXPECT_EQ(div2().lastscore[0], 4);
    EXPECT_EQ(div2().lastscore[1], 0);
    const auto lines = readLines(scratch.path("data/tmp/200"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "12分　10" + striker.name);
    EXPECT_EQ(lines[1], "45分　05" + maker.name + "→10" + striker.name);
    EXPECT_EQ(lines[2], "89分　Own Goal");
    EXPECT_EQ(lines[3], "90分　05" + maker.name + "→13" + sub.name);
    EXPECT_TRUE(readLines(scratch.path("data/tmp/201")).empty());
    EXPECT_EQ(striker.goals, 2);
    EXPECT_EQ(striker.rating, rating + 10);
    EXPECT_EQ(maker.assists, 2);
    const std::string tail =
        "," + home.name + "," + striker.name + "," + (homeno < 10 ? "0" : "") + std::to_string(homeno);
    // His first goal added a line beginning 01; the second replaced it with 02.
    EXPECT_EQ(std::count(div2().scorerlist.begin(), div2().scorerlist.end(), "02" + tail), 1);
    EXPECT_EQ(std::count(div2().scorerlist.begin(), div2().scorerlist.end(), "01" + tail), 0);
    EXPECT_EQ(div2().assistlist.size(), 1u);
    EXPECT_EQ(div2().assistlist[0].substr(0, 3), "02,");
    EXPECT_FALSE(std::filesystem::exists(scratch.path("data/tmp/goal0")));
}

TEST_F(RunnerFixture, TheRankingListsKeepTheTextOrderOfTheGamesTables) {
    // Clubs whose names sort differently as UTF-8 bytes and as the tables sort them.
    const std::vector<std::string> names{"東京", "ツバメ", "Ｂチーム", "あおば", "beta", "Gamma"};
    for (int c = 0; c < 6; ++c) world->team(c).name = names[c];
    std::vector<std::string> list;
    for (int c = 0; c < 6; ++c) addscorer(*world, c, 3, list, "選手");
    addscorer(*world, 3, 4, list, "選手");  // あおば's man scores again

    const auto line = [](int count, const std::string& club, int no) {
        return "0" + std::to_string(count) + "," + club + ",選手,0" + std::to_string(no);
    };
    EXPECT_EQ(list,
              (std::vector<std::string>{line(3, "beta", 4), line(3, "Gamma", 5), line(3, "Ｂチーム", 2),
                                        line(3, "ツバメ", 1), line(3, "東京", 0), line(4, "あおば", 3)}));
    // The same order as the text sort of a table of the same lines.
    Grid g(1, static_cast<int>(list.size()) + 1);
    for (std::size_t i = 0; i < list.size(); ++i) g.cell(0, static_cast<int>(list.size() - i)) = list[i];
    gridsort(g, 0, true);
    for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(g.cell(0, static_cast<int>(i) + 1), list[i]);
}

TEST_F(RunnerFixture, ADamagedGoalFileIsRefusedBeforeAnythingIsBooked) {
    Tplayer& striker = clubOfRow(div2().schedule[0][0].first).getplayer(9);
    const int goals = striker.goals;
    for (const auto& bad : {std::vector<std::string>{"1209", "12x9"}, {"1209", "1250"}, {"12091"}}) {
        goalFiles(bad, {});
        EXPECT_THROW(goalfile(*world, 2, 0), DataError);
        EXPECT_EQ(striker.goals, goals);
    }
}

TEST_F(RunnerFixture, TheResultDecidesEveryStartersForm) {
    setRound(5);  // odd: the home row's club is at home
    Tleague& league = div2();
    const Pairing p = league.schedule[5][2];
    Tteam& home = clubOfRow(p.first);
    Tteam& away = clubOfRow(p.second);
    calm(home);
    calm(away);
    home.position[2].x = 166;  // a back player: stored spot x - 6 <= 160
    home.position[9].x = 300;  // a front player
    away.position[2].x = 100;
    away.position[9].x = 300;
    const auto before = league.table[p.first];
    Tplayer& reserve = home.getplayer(home.playerhigh());
    reserve.form = 5;
    league.lastscore = {0, 1};
    matchend(*world, 2, 2);
    // A one-goal defeat at home: -2, and the front players -1 more for no goal.
    EXPECT_EQ(home.getplayer(2).form, -2);
    EXPECT_EQ(home.getplayer(9).form, -3);
    EXPECT_EQ(reserve.form, 4);  // a reserve drifts toward 0
    // A clean-sheet win away: +1, +1 for the back players, +1 for being away.
    EXPECT_EQ(away.getplayer(2).form, 3);
    EXPECT_EQ(away.getplayer(9).form, 2);
    EXPECT_EQ(league.table[p.first][Tleague::cLosses], before[Tleague::cLosses] + 1);
    EXPECT_EQ(league.table[p.first][Tleague::cAgainst], before[Tleague::cAgainst] + 1);
    EXPECT_EQ(league.table[p.second][Tleague::cPoints], 3);

    calm(home);
    league.lastscore = {0, 3};
    matchend(*world, 2, 2);
    EXPECT_EQ(home.getplayer(2).form, -3);  // a heavier defeat
}

TEST_F(RunnerFixture, FromMatchDay18NobodyIsAway) {
    setRound(18);
    const Pairing p = div2().schedule[18][1];
    Tteam& home = clubOfRow(p.first);
    Tteam& away = clubOfRow(p.second);
    calm(home);
    calm(away);
    home.position[3].x = 300;
    away.position[3].x = 300;
    div2().lastscore = {1, 1};
    matchend(*world, 2, 1);
    EXPECT_EQ(home.getplayer(3).form, 0);
    EXPECT_EQ(away.getplayer(3).form, 0);
    EXPECT_EQ(div2().table[p.first][Tleague::cDraws], 1);
    EXPECT_EQ(div2().table[p.second][Tleague::cPoints], 1);
}

TEST_F(RunnerFixture, AStartersGoalsCountForHisFormOnTopOfTheResult) {
    setRound(5);
    const Pairing p = div2().schedule[5][0];
    Tteam& home = clubOfRow(p.first);
    calm(home);
    calm(clubOfRow(p.second));
    home.position[9].x = 300;
    goalFiles({"3009"}, {});
    goalfile(*world, 2, 0);
    matchend(*world, 2, 0);
    EXPECT_EQ(home.getplayer(9).form, 2);  // +1 for the win, +1 for his goal
}

}  // namespace
}  // namespace vm
