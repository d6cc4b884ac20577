// SPDX-License-Identifier: GPL-3.0-or-later
// The clear-out of one club when the window opens.
#include <filesystem>

#include "trade_fixture.h"
#include "transfers/tradelog.h"
#include "util/errors.h"

namespace vm::test {
namespace {

class OffseasonTest : public TradeTest {
protected:
    void SetUp() override {
        open();
        // Everybody at his peak with 20 in everything: nobody retires or leaves.
        for (auto& p : c().roster) {
            shape(*p, 1, {20, 20, 20, 20, 20, 20, 20}, 25, 25);
            p->moodadd(50);
        }
        c().youth.clear();
        c().coachpower = {30, 20, 20, 20, 20, 20, 20};  // sum 150: the bar is 100
        loglength = readtradelog(*world).size();
    }
    Tteam& c() { return club(3); }
    std::vector<std::string> newlines() {
        auto all = readtradelog(*world);
        return {all.begin() + static_cast<long>(loglength), all.end()};
    }
    std::size_t loglength = 0;
};

TEST_F(OffseasonTest, OldPlayersBelowTheBarRetire) {
    Tplayer* old = c().roster[4].get();
    shape(*old, 1, {10, 10, 10, 15, 15, 15, 15}, 33, 28);            // five past his peak, sum 90
    shape(*c().roster[6], 1, {10, 10, 10, 15, 15, 15, 15}, 33, 29);  // only four past
    shape(*c().roster[8], 1, {10, 10, 10, 15, 15, 20, 20}, 33, 28);  // sum 100: not below the bar
    const std::string name = old->name;
    const std::size_t pool = trade().pool.size();
    trade().offseason(c());
    EXPECT_EQ(c().roster.size(), 17u);
    for (const auto& p : c().roster) EXPECT_NE(p.get(), old);
    EXPECT_EQ(trade().pool.size(), pool);  // a retired player is gone for good
    EXPECT_EQ(newlines(), (std::vector<std::string>{c().name + "," + name + ",0,－>,引退,3"}));
}

TEST_F(OffseasonTest, BetterCoachesRaiseTheBar) {
    c().coachpower = {50, 30, 30, 30, 30, 40, 40};                   // sum 250: the bar is 125
    shape(*c().roster[2], 1, {10, 10, 10, 15, 25, 25, 25}, 33, 28);  // sum 120
    shape(*c().roster[3], 1, {10, 10, 10, 15, 25, 25, 30}, 33, 28);  // sum 125
    trade().offseason(c());
    EXPECT_EQ(c().roster.size(), 17u);
    ASSERT_EQ(newlines().size(), 1u);
    EXPECT_NE(newlines()[0].find(",引退,"), std::string::npos);
}

TEST_F(OffseasonTest, UnhappyPlayersAreReleasedToThePool) {
    Tplayer* unhappy = c().roster[2].get();
    Tplayer* tired = c().roster[10].get();
    unhappy->moodadd(-100);
    shape(*tired, 1, {10, 10, 10, 10, 10, 10, 10}, 34, 25);
    const std::string tiredname = tired->name;  // he retires and is gone
    const std::size_t pool = trade().pool.size();
    trade().offseason(c());
    ASSERT_EQ(trade().pool.size(), pool + 1);
    EXPECT_EQ(trade().pool.back().get(), unhappy);
    EXPECT_EQ(unhappy->club, kNoClub);
    // From the last roster place to the first.
    const auto lines = newlines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], c().name + "," + tiredname + ",0,－>,引退,3");
    EXPECT_EQ(lines[1], c().name + "," + unhappy->name + ",0,→,退団,3");
}

TEST_F(OffseasonTest, StayingPlayersAreReEvaluated) {
    Tplayer& p = *c().roster[7];
    p.ability = {40, 50, 60, 30, 70, 20, 10};
    p.rating = 333;
    Tplayer expected = p;
    expected.ratingadd(0);
    trade().offseason(c());
    EXPECT_EQ(p.rating, expected.rating);
    EXPECT_EQ(p.value, expected.value);
}

TEST_F(OffseasonTest, YouthPastTwentyLeaveAndTwoArrive) {
    c().youthmake();
    c().youthmake();
    Tplayer* twenty = c().youth[0].get();
    Tplayer* older = c().youth[1].get();
    twenty->age = 20;
    older->age = 21;
    trade().offseason(c());
    EXPECT_EQ(trade().pool.back().get(), older);
    EXPECT_EQ(older->mood, 0);
    EXPECT_EQ(older->value, 0);
    ASSERT_EQ(c().youth.size(), 3u);
    EXPECT_EQ(c().youth[0].get(), twenty);
    EXPECT_TRUE(newlines().empty());  // youth leave without a line in the log
}

TEST_F(OffseasonTest, AShortRosterIsRefilledToEleven) {
    while (c().roster.size() > 9) c().playerremove(0);
    trade().offseason(c());
    EXPECT_EQ(c().roster.size(), 11u);
    EXPECT_GE(c().youth.size(), 1u);  // a new youngster whenever the squad runs empty
}

TEST_F(OffseasonTest, AMissingLogLeavesTheClubAsItWas) {
    std::filesystem::remove(scratch.path("data/tmp/trade.txt"));
    c().roster[2]->moodadd(-100);
    const std::size_t pool = trade().pool.size();
    try {
        trade().offseason(c());
        FAIL() << "cleared out without a trade log";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("data/tmp/trade.txt"), std::string::npos) << e.what();
    }
    EXPECT_EQ(c().roster.size(), 18u);
    EXPECT_TRUE(c().youth.empty());
    EXPECT_EQ(trade().pool.size(), pool);
}

}  // namespace
}  // namespace vm::test
