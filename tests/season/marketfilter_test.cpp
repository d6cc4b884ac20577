// SPDX-License-Identifier: GPL-3.0-or-later
// The narrowing of the list of players the user can buy ("絞込み") and its
// reset ("初期化"), on the market of a real window.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "season/marketfilter.h"
#include "transfers/trade_fixture.h"

namespace vm::test {
namespace {

class MarketFilterTest : public TradeTest {
protected:
    void SetUp() override { open(); }

    // The list as "初期化" shows it, after the world was shaped.
    Grid candidates() {
        trade().marketmake();
        return tlistload(trade());
    }

    static std::string key(const Grid& g, int row) {
        return g.cell(kMarketOwner, row) + "," + g.cell(kMarketIndex, row);
    }
    static std::set<std::string> keys(const Grid& g) {
        std::set<std::string> out;
        for (int r = 1; r < g.rowCount(); ++r) out.insert(key(g, r));
        return out;
    }
    static int num(const Grid& g, int col, int row) { return std::stoi(g.cell(col, row)); }

    template <class F>
    void everyPlayer(F&& f) {
        for (int c = 0; c < kClubCount; ++c)
            for (auto& p : club(c).roster) f(*p);
        for (auto& p : trade().pool) f(*p);
    }
};

TEST_F(MarketFilterTest, TheListShowsPositionAndFootAsTexts) {
    const Grid list = candidates();
    ASSERT_GT(list.rowCount(), 10);
    const std::set<std::string> positions(kPositionChoices.begin() + 1, kPositionChoices.end());
    for (int r = 1; r < list.rowCount(); ++r) {
        EXPECT_TRUE(positions.count(list.cell(kMarketAt, r))) << list.rowText(r);
        EXPECT_TRUE(list.cell(11, r) == "R" || list.cell(11, r) == "L") << list.rowText(r);
        EXPECT_NE(list.cell(kMarketOwner, r), "00");
    }
}

TEST_F(MarketFilterTest, APanelAtItsResetValuesShowsTheWholeListInItsOrder) {
    const Grid whole = candidates();
    Grid narrowed = whole;
    ListFilter reset;
    reset.position = kPositionChoices[0];
    reset.foot = kFootChoices[0];
    reset.agelimit = kAgeLimit.reset;
    reset.minimum.fill(kAttributeMinimum.reset);
    ASSERT_EQ(reset, ListFilter{});

    narrowlist(narrowed, reset);

    ASSERT_EQ(narrowed.rowCount(), whole.rowCount());
    for (int r = 0; r < whole.rowCount(); ++r) EXPECT_EQ(narrowed.rowText(r), whole.rowText(r));
}

TEST_F(MarketFilterTest, AnAgeLimitOf18LeavesOnlyTheYoungestSortedByAge) {
    int shaped = 0;
    everyPlayer([&](Tplayer& p) {
        if (++shaped % 7 == 0) p.age = 17 + shaped % 2;  // some of 17 and 18, the rest older
    });
    const Grid whole = candidates();
    std::set<std::string> young;
    for (int r = 1; r < whole.rowCount(); ++r)
        if (num(whole, kMarketAge, r) <= 18) young.insert(key(whole, r));
    ASSERT_GT(young.size(), 2u);
    ASSERT_LT(young.size(), static_cast<std::size_t>(whole.rowCount() - 1));

    Grid list = whole;
    ListFilter f;
    f.agelimit = kAgeLimit.low;
    narrowlist(list, f);

    EXPECT_EQ(keys(list), young);
    for (int r = 2; r < list.rowCount(); ++r)
        EXPECT_LE(num(list, kMarketAge, r - 1), num(list, kMarketAge, r));
}

TEST_F(MarketFilterTest, AFilterThatRemovesEveryPlayerLeavesTheHeadings) {
    everyPlayer([](Tplayer& p) { p.ability[0] = std::min(p.ability[0], 80); });
    const Grid whole = candidates();
    Grid list = whole;
    ListFilter f;
    f.minimum[0] = kAttributeMinimum.high;  // nobody is that fast
    f.minimum[6] = 20;                      // asked of nobody left
    narrowlist(list, f);

    ASSERT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.rowText(0), whole.rowText(0));

    // A choice that empties the list stops the limits after it too.
    everyPlayer([](Tplayer& p) { p.leg = -1; });
    Grid again = candidates();
    ListFilter lefties;
    lefties.foot = "L";
    lefties.agelimit = kAgeLimit.low;
    lefties.minimum[1] = 10;
    narrowlist(again, lefties);
    EXPECT_EQ(again.rowCount(), 1);
}

TEST_F(MarketFilterTest, KeepersWithAShootMinimumAreOnlyTheKeepersMeetingIt) {
    int n = 0;
    everyPlayer([&](Tplayer& p) { p.ability[3] = 20 + (n++ * 13) % 60; });
    const Grid whole = candidates();
    std::set<std::string> expected;
    int keepers = 0;
    for (int r = 1; r < whole.rowCount(); ++r) {
        if (whole.cell(kMarketAt, r) != "GK") continue;
        ++keepers;
        if (num(whole, kMarketSpe + 3, r) >= 50) expected.insert(key(whole, r));
    }
    ASSERT_GT(expected.size(), 0u);
    ASSERT_LT(static_cast<int>(expected.size()), keepers);

    Grid list = whole;
    ListFilter f;
    f.position = "GK";
    f.minimum[3] = 50;
    narrowlist(list, f);

    EXPECT_EQ(keys(list), expected);
    for (int r = 2; r < list.rowCount(); ++r)
        EXPECT_GE(num(list, kMarketSpe + 3, r - 1), num(list, kMarketSpe + 3, r));
}

TEST_F(MarketFilterTest, TheListEndsSortedByTheLastLimitApplied) {
    const Grid whole = candidates();
    Grid list = whole;
    ListFilter f;
    f.foot = "R";
    f.agelimit = 30;
    f.minimum[0] = 15;  // speed, applied before pass
    f.minimum[5] = 15;  // pass, the last
    narrowlist(list, f);

    ASSERT_GT(list.rowCount(), 3);
    for (int r = 1; r < list.rowCount(); ++r) {
        EXPECT_EQ(list.cell(11, r), "R");
        EXPECT_LE(num(list, kMarketAge, r), 30);
        EXPECT_GE(num(list, kMarketSpe, r), 15);
        EXPECT_GE(num(list, kMarketSpe + 5, r), 15);
        if (r > 1) {
            EXPECT_GE(num(list, kMarketSpe + 5, r - 1), num(list, kMarketSpe + 5, r));
        }
    }
    // Every player meeting all four is still there.
    int meeting = 0;
    for (int r = 1; r < whole.rowCount(); ++r)
        meeting += whole.cell(11, r) == "R" && num(whole, kMarketAge, r) <= 30 &&
                   num(whole, kMarketSpe, r) >= 15 && num(whole, kMarketSpe + 5, r) >= 15;
    EXPECT_EQ(list.rowCount() - 1, meeting);
}

}  // namespace
}  // namespace vm::test
