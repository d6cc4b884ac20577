// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own players table and the marking of raised asking prices.
#include <gtest/gtest.h>

#include "season/tradetables.h"
#include "transfers/trade_fixture.h"

namespace vm::test {
namespace {

class TradeTablesTest : public TradeTest {};

TEST_F(TradeTablesTest, OwnPlayersAreTheRosterThenTheYouthWithIndexAndTotal) {
    Tteam& mine = club(0);
    mine.youth.clear();
    mine.youthmake();
    mine.youthmake();
    Tplayer& first = mine.getplayer(0);
    first.at = 5;
    first.leg = 1;
    const Tplayer& youngster = *mine.youth[1];

    const Grid g = owngrid(mine);

    const int top = static_cast<int>(mine.roster.size());
    ASSERT_EQ(g.rowCount(), 1 + top + 2);
    ASSERT_EQ(g.colCount(), kOwnCols);
    EXPECT_EQ(g.rowText(0), "Team,Player,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,Value,Gol,Asi,");
    // A roster row: the player row up to the condition; his index is not shown.
    EXPECT_EQ(g.cell(kOwnKind, 1), "トップ");
    EXPECT_EQ(g.cell(1, 1), first.name);
    EXPECT_EQ(g.cell(kOwnAt, 1), "SH");
    EXPECT_EQ(g.cell(kOwnLeg, 1), "L");
    EXPECT_EQ(g.cell(kOwnValue, 1), std::to_string(first.value));
    EXPECT_EQ(g.cell(kOwnCondition, 1), std::to_string(first.condition()));
    EXPECT_EQ(g.cell(kOwnKind, top), "トップ");
    // A youth row: the youth index and the attribute total under Value and Gol.
    const int row = top + 2;
    EXPECT_EQ(g.cell(kOwnKind, row), "ユース");
    EXPECT_EQ(g.cell(1, row), youngster.name);
    EXPECT_EQ(g.cell(kOwnAt, row), posText(youngster.at));
    EXPECT_EQ(g.cell(kOwnLeg, row), legText(youngster.leg));
    int total = 0;
    for (int a : youngster.ability) total += a;
    EXPECT_EQ(g.cell(kOwnValue, row), "001");
    EXPECT_EQ(g.cell(kOwnGoals, row), std::to_string(total));
    EXPECT_EQ(g.cell(14, row), "");
    EXPECT_EQ(g.cell(kOwnCondition, row), "");
}

TEST_F(TradeTablesTest, ARaisedPriceIsMarkedOnceWithTwiceTheValue) {
    Ttrade& t = open();
    t.marketmake();
    club(2).getplayer(4).value = 300;
    club(5).getplayer(1).value = 250;
    t.clubofferlist[3] = {"02,004", "05,001"};
    t.clubofferlist[8] = {"02,004"};
    Grid offers;
    t.offerlist(offers);
    ASSERT_EQ(offers.rowCount(), 4);  // 02,004 twice (a continuation row), then 05,001
    ASSERT_EQ(offers.cell(kBookValue, 1), "300");
    ASSERT_EQ(offers.cell(kBookValue, 2), "");

    t.pricehike(0);
    offerdelgrid(t, offers);
    EXPECT_EQ(offers.cell(kBookValue, 1), "*600");
    EXPECT_EQ(offers.cell(kBookValue, 2), "");
    EXPECT_EQ(offers.cell(kBookValue, 3), "250");

    // Raised again, or looked at again: the mark stays as it is.
    t.pricehike(0);
    offerdelgrid(t, offers);
    EXPECT_EQ(offers.cell(kBookValue, 1), "*600");
}

}  // namespace
}  // namespace vm::test
