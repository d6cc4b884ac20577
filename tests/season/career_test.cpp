// SPDX-License-Identifier: GPL-3.0-or-later
// Whole seasons through the flow, a plain coach running club 0: two seasons
// on a fixed seed with every invariant checked after every step. The long
// soak (thirty seasons over several seeds) runs only with the soak label.
#include <gtest/gtest.h>

#include <algorithm>

#include "league/newgame.h"
#include "league/world.h"
#include "season/career.h"
#include "season/invariants.h"
#include "season/simplecoach.h"
#include "support/scratch.h"
#include "util/textfile.h"

namespace vm {
namespace {

bool listed(const std::string& list, int club) {
    const auto clubs = splitCommas(list);
    const std::string code = (club < 10 ? "0" : "") + std::to_string(club);
    return std::find(clubs.begin(), clubs.end(), code) != clubs.end();
}

// One season played and checked; returns its summary.
SeasonSummary playChecked(World& w, Coach& coach, test::CareerChecker& checker, std::size_t historyBefore) {
    const int year = w.kanri.year;
    const int daysBefore = checker.matchdays;
    const SeasonSummary s = playseason(w, coach, checker.hooks());
    EXPECT_TRUE(s.played);
    EXPECT_EQ(s.year, year);
    EXPECT_EQ(w.kanri.year, year + 1);
    EXPECT_FALSE(w.leagues[0]);
    EXPECT_FALSE(w.trade);
    EXPECT_EQ(checker.matchdays - daysBefore, kRounds);
    EXPECT_EQ(s.matchdays, kRounds);
    EXPECT_EQ(s.matches, 2 * kPairings * kRounds);

    // Final tables: 27 rounds each, the goals the results pages showed.
    int goals = 0;
    for (const auto& table : s.tables) {
        EXPECT_EQ(table.size(), static_cast<std::size_t>(kLeagueClubs));
        for (const TableLine& t : table) {
            EXPECT_EQ(t.wins + t.draws + t.losses, kRounds) << t.name;
            goals += t.goalsfor;
        }
    }
    EXPECT_EQ(goals, s.goals);

    // Two up, two down, everybody else where he was; club 0 in its division.
    EXPECT_EQ(s.promoted.size(), 2u);
    EXPECT_EQ(s.relegated.size(), 2u);
    for (int c : s.promoted) EXPECT_TRUE(listed(w.kanri.div1list, c)) << c;
    for (int c : s.relegated) EXPECT_TRUE(listed(w.kanri.div2list, c)) << c;
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_TRUE(listed(w.kanri.div1list, s.tables[0][i].club));
        EXPECT_TRUE(listed(w.kanri.div2list, s.tables[1][i + 2].club));
    }
    EXPECT_TRUE(listed(w.kanri.mydiv == 1 ? w.kanri.div1list : w.kanri.div2list, 0));

    // One history line a season.
    EXPECT_EQ(readLines(w.path("data/tmp/history.txt")).size(), historyBefore + 1);
    checker.checkCleaned();
    for (int c = 0; c < kClubCount; ++c) EXPECT_TRUE(w.team(c).injured.empty()) << "club " << c;
    return s;
}

void playCareer(std::uint64_t seed, int seasons) {
    test::Scratch scratch;
    auto w = scratch.world(seed);
    newgame(*w);
    SimpleCoach coach;
    test::CareerChecker checker(*w);
    for (int n = 0; n < seasons; ++n) {
        const std::size_t history = readLines(w->path("data/tmp/history.txt")).size();
        const SeasonSummary s = playChecked(*w, coach, checker, history);
        if (::testing::Test::HasFatalFailure() || ::testing::Test::HasFailure()) {
            ADD_FAILURE() << "seed " << seed << ", season " << s.year;
            return;
        }
    }
    EXPECT_EQ(checker.windows, seasons);
}

TEST(Career, TwoSeasonsKeepEveryInvariantAfterEveryStep) {
    playCareer(5, 2);
}

TEST(Soak, ThirtySeasonsOverSeveralSeeds) {
    for (std::uint64_t seed : {1, 2, 3}) playCareer(seed, 10);
}

}  // namespace
}  // namespace vm
