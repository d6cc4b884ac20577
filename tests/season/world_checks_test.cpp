// SPDX-License-Identifier: GPL-3.0-or-later
// The checks the careers rely on catch what they are there for: a player in
// two places, a short roster, money or a player that moved with no record of
// it, a player who vanished; and a real transfer window passes them.
#include "season/world_checks.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "league/newgame.h"
#include "season/career.h"
#include "season/simplecoach.h"
#include "support/scratch.h"

namespace vm {
namespace {

class WorldChecks : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> w = scratch.world(3);
    void SetUp() override { newgame(*w); }
};

TEST_F(WorldChecks, APlayerInTwoPlacesAndAShortRosterAreCaught) {
    test::checkWorld(*w, "a new game");
    Tteam& club = w->team(3);
    club.youth.emplace_back(club.roster[0].get());
    EXPECT_NONFATAL_FAILURE(test::checkWorld(*w, "planted"), "stands in place 3 and 103");
    club.youth.back().release();
    club.youth.pop_back();

    while (club.roster.size() > 10) club.youth.push_back(takeOut(club.roster, 0));
    EXPECT_NONFATAL_FAILURE(test::checkWorld(*w, "short"), "club 3");
}

TEST_F(WorldChecks, MoneyOrPlayersMovedWithoutARecordAreCaught) {
    test::Accounts accounts(*w);
    w->team(4).money += 50;
    EXPECT_NONFATAL_FAILURE(accounts.check("money"), "club 4's money");

    w->team(6).playeradd(takeOut(w->team(5).roster, 0));
    EXPECT_NONFATAL_FAILURE(accounts.check("a move"), "without a log line");

    const auto gone = takeOut(w->team(7).roster, 0);
    EXPECT_NONFATAL_FAILURE(accounts.check("a loss"), "vanished");
}

TEST_F(WorldChecks, AWholeTransferWindowIsAccountedForByItsLog) {
    test::Accounts accounts(*w);
    FlowHooks hooks;
    hooks.observe = [&](const FlowEvent& e) {
        if (e.kind == FlowEvent::windowOpened) accounts.check("the window opened");
    };
    SimpleCoach coach;
    ASSERT_TRUE(playtransferwindow(*w, coach, hooks));
    ASSERT_GT(test::readTradeLog(*w).size(), 0u);
    accounts.check("after the window");
    test::checkWorld(*w, "after the window");
}

}  // namespace
}  // namespace vm
