// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen's "ＮＥＸＴ" without the screen: the transfer question
// between seasons, the two clicks of a match day with the headless run and its
// pacing, and the plain coach's youth rule.
#include <gtest/gtest.h>

#include <filesystem>

#include "season/matchdayflow.h"
#include "season/news_fixture.h"
#include "season/simplecoach.h"
#include "util/errors.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::NewsTest;

TEST_F(NewsTest, BetweenSeasonsTheFirstClickAsksForTheWindowUntilTheAnswerIsYes) {
    MatchDayFlow main(*world);
    EXPECT_EQ(main.nextstep(), 0);
    EXPECT_EQ(main.click(), MatchDayFlow::Step::trade);
    EXPECT_FALSE(main.totrade(false));
    EXPECT_EQ(main.nextstep(), 0);
    EXPECT_FALSE(world->trade);

    EXPECT_EQ(main.click(), MatchDayFlow::Step::trade);
    EXPECT_TRUE(main.totrade(true));
    ASSERT_TRUE(world->trade);
    EXPECT_TRUE(fs::exists(tmp("trade.txt")));
}

TEST_F(NewsTest, SkippingPlaysAllTenFixturesAndPacesTheWindow) {
    season(0);
    MatchDayFlow main(*world);
    EXPECT_EQ(main.nextstep(), 1);
    EXPECT_TRUE(main.cansave());
    EXPECT_EQ(main.click(), MatchDayFlow::Step::automatch);
    EXPECT_FALSE(main.cansave());

    int events = 0, pauses = 0, progress = 0, fill = 0;
    Pacing pacing{[&] { ++events; }, [&] { ++pauses; },
                  [&](int f) {
                      ++progress;
                      fill = f;
                  }};
    main.toautomatch(true, pacing);
    EXPECT_EQ(events, 2 * kHeadlessSteps);
    EXPECT_EQ(pauses, 2 * 451);
    EXPECT_EQ(progress, 2 * 51);
    EXPECT_EQ(fill, 102);
    for (const auto& league : world->leagues) {
        for (const auto& row : league->table)
            EXPECT_EQ(row[Tleague::cWins] + row[Tleague::cDraws] + row[Tleague::cLosses], 1);
        for (const auto& slot : league->matchslots) EXPECT_FALSE(slot);
    }
    EXPECT_TRUE(fs::exists(tmp("240")));
    EXPECT_THROW(main.toautomatch(true), std::logic_error);  // once a match day

    EXPECT_EQ(main.click(), MatchDayFlow::Step::next);
    EXPECT_FALSE(main.tonext());
}

TEST_F(NewsTest, WatchingLeavesEveryFixtureToTheLiveView) {
    season(0);
    const int before = world->team(3).roster[0]->rating;
    MatchDayFlow main(*world);
    main.click();
    int events = 0;
    main.toautomatch(false, Pacing{[&] { ++events; }, {}, {}});
    EXPECT_EQ(events, 0);
    const int prepared = world->team(3).roster[0]->rating;
    EXPECT_GT(prepared, before);  // the players were prepared
    for (const auto& league : world->leagues)
        for (const auto& row : league->table) EXPECT_EQ(row[Tleague::cWins] + row[Tleague::cDraws], 0);
    main.click();
    EXPECT_TRUE(main.tonext());

    // The next screen could not open: the next click tries the hand-over
    // again, without preparing the match day a second time.
    main.handoverfailed();
    EXPECT_FALSE(main.cansave());
    EXPECT_EQ(main.click(), MatchDayFlow::Step::next);
    EXPECT_TRUE(main.tonext());
    EXPECT_EQ(world->team(3).roster[0]->rating, prepared);
}

TEST_F(NewsTest, DuringTheHeadlessRunNothingMayLeaveOrStepAhead) {
    season(0);
    MatchDayFlow main(*world);
    main.click();
    int checked = 0;
    Pacing pacing{[&] {
                      // What the window answers while it processes its events mid-run.
                      if (checked++ % 4000) return;
                      EXPECT_TRUE(main.running());
                      EXPECT_FALSE(main.canleave());
                      EXPECT_FALSE(main.cansave());
                      EXPECT_FALSE(main.canchangelineup());
                      EXPECT_EQ(main.click(), MatchDayFlow::Step::none);
                      EXPECT_EQ(main.nextstep(), 2);
                  },
                  {},
                  {}};
    EXPECT_TRUE(main.canleave());
    EXPECT_TRUE(main.canchangelineup());
    main.toautomatch(true, pacing);
    EXPECT_GT(checked, 0);
    EXPECT_FALSE(main.running());
    EXPECT_TRUE(main.canleave());
    EXPECT_TRUE(main.canchangelineup());
    EXPECT_EQ(main.click(), MatchDayFlow::Step::next);
}

TEST_F(NewsTest, AMatchDayThatStopsPartWayCanNeitherGoOnNorBePlayedAgain) {
    season(0);
    MatchDayFlow main(*world);
    main.click();
    // The first finished match cannot write its goal lines.
    fs::remove_all(world->path("data/tmp"));
    const int rating = world->team(3).roster[0]->rating;
    EXPECT_THROW(main.toautomatch(true), DataError);
    EXPECT_NE(world->team(3).roster[0]->rating, rating) << "the players were prepared before it stopped";

    EXPECT_TRUE(main.failed());
    EXPECT_FALSE(main.running());
    EXPECT_TRUE(main.canleave()) << "the title screen stays the way out";
    EXPECT_FALSE(main.cansave()) << "a half-played match day is never saved";
    // Even with the folder back, the news never opens over half-booked fixtures.
    fs::create_directories(world->path("data/tmp"));
    EXPECT_EQ(main.click(), MatchDayFlow::Step::none);
    EXPECT_EQ(main.nextstep(), 2);
    EXPECT_THROW(main.tonext(), std::logic_error);
    EXPECT_THROW(main.toautomatch(true), std::logic_error);
}

TEST_F(NewsTest, AReshownScreenKeepsItsStepDuringASeasonAndStartsAgainBetweenSeasons) {
    MatchDayFlow between(*world);
    between.click();
    EXPECT_FALSE(between.totrade(false));
    between.click();  // the question is up again
    between.reshown();
    EXPECT_EQ(between.nextstep(), 0);

    season(4);
    MatchDayFlow during(*world);
    during.click();
    during.toautomatch(false);
    during.reshown();
    EXPECT_EQ(during.nextstep(), 2) << "the match day already prepared is not prepared again";
    EXPECT_EQ(during.click(), MatchDayFlow::Step::next);
}

TEST_F(NewsTest, ThePlainCoachPromotesExactlyWhomTheComputerRuleWould) {
    Tteam& club = world->team(0);
    club.youth.clear();
    for (int k = 0; k < 6; ++k) club.youthmake();
    club.youth[1]->ability = {89, 89, 89, 89, 89, 89, 89};
    club.youth[4]->ability[6] = club.roster[6]->ability[6] + 10;
    club.youth[4]->age = 17;
    std::vector<bool> verdict;
    for (int k = 0; k < 6; ++k) verdict.push_back(computerwouldpromote(club, k));
    EXPECT_TRUE(verdict[1]);
    EXPECT_TRUE(verdict[4]);
    EXPECT_EQ(club.youth.size(), 6u);  // asking changes nothing

    std::vector<Tplayer*> expected;
    for (int k = 0; k < 6; ++k)
        if (verdict[k]) expected.push_back(club.youth[k].get());
    club.autoyouth();
    std::vector<Tplayer*> promoted;
    for (const auto& p : club.roster)
        if (std::find(expected.begin(), expected.end(), p.get()) != expected.end())
            promoted.push_back(p.get());
    EXPECT_EQ(promoted.size(), expected.size());
    EXPECT_EQ(club.youth.size(), 6u - expected.size());
}

}  // namespace
}  // namespace vm
