// SPDX-License-Identifier: GPL-3.0-or-later
// The opening of a window (pool, trade log), the market snapshot and the list
// of players a club can afford.
#include <filesystem>

#include "league/window.h"
#include "trade_fixture.h"
#include "transfers/tradelog.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm::test {
namespace {

namespace fs = std::filesystem;

TEST_F(TradeTest, TheWindowOpensWithThirtyTwoGrownFreeAgents) {
    Ttrade& t = open();
    EXPECT_EQ(t.week, 1);
    ASSERT_EQ(t.pool.size(), 32u);
    for (int i = 0; i < 32; ++i) {
        const Tplayer& p = t.freeagent(i);
        EXPECT_EQ(p.club, kNoClub);
        EXPECT_GE(p.age, 25);
        EXPECT_LE(p.age, 32);
    }
    // The first ten are Japanese, the next twenty foreign (initial and full stop).
    for (int i = 0; i < 10; ++i) EXPECT_NE(t.freeagent(i).name.find("　"), std::string::npos) << i;
    for (int i = 10; i < 30; ++i) EXPECT_NE(t.freeagent(i).name.find("．"), std::string::npos) << i;
    for (const auto& list : t.clubofferlist) EXPECT_TRUE(list.empty());
    EXPECT_THROW(t.freeagent(32), std::out_of_range);
}

TEST_F(TradeTest, OpeningReplacesTheTradeLogByTheTemplate) {
    writeLines(scratch.path("data/tmp/trade.txt"), {"old heading", "old line"});
    open();
    EXPECT_EQ(readBytes(scratch.path("data/tmp/trade.txt")), readBytes(scratch.path("data/trade.txt")));
}

TEST_F(TradeTest, AMissingTemplateKeepsTheWindowShut) {
    fs::remove(scratch.path("data/trade.txt"));
    const std::size_t roster = club(4).roster.size();
    try {
        tradeopen(*world);
        FAIL() << "the window opened without its trade log";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("data/trade.txt"), std::string::npos) << e.what();
    }
    EXPECT_EQ(world->trade, nullptr);
    EXPECT_EQ(club(4).roster.size(), roster);
}

TEST_F(TradeTest, TheMarketListsEveryClubPlayerThenThePool) {
    Ttrade& t = open();
    t.curteam = 7;
    t.marketmake();
    EXPECT_EQ(t.curteam, 0);
    int players = 0;
    for (int c = 0; c < kClubCount; ++c) players += static_cast<int>(club(c).roster.size());
    ASSERT_EQ(t.market.rowCount(), 1 + players + 32);
    EXPECT_EQ(t.market.colCount(), kMarketCols);

    // Club 3's fifth player: club name, his table row, "03", "004".
    int row = 1;
    for (int c = 0; c < 3; ++c) row += static_cast<int>(club(c).roster.size());
    row += 4;
    const Tplayer& p = club(3).getplayer(4);
    EXPECT_EQ(t.market.cell(kMarketTeam, row), club(3).name);
    std::string cells;
    for (int col = 1; col <= 15; ++col) cells += (col > 1 ? "," : "") + t.market.cell(col, row);
    EXPECT_EQ(cells, p.datatext());
    EXPECT_EQ(t.market.cell(kMarketOwner, row), "03");
    EXPECT_EQ(t.market.cell(kMarketIndex, row), "004");

    const int last = t.market.rowCount() - 1;
    EXPECT_EQ(t.market.cell(kMarketTeam, last), "無所属");
    EXPECT_EQ(t.market.cell(kMarketName, last), t.freeagent(31).name);
    EXPECT_EQ(t.market.cell(kMarketOwner, last), "99");
    EXPECT_EQ(t.market.cell(kMarketIndex, last), "031");
}

TEST_F(TradeTest, ANameWithACommaCannotShiftTheOfferKey) {
    Ttrade& t = open();
    club(0).getplayer(0).name = "Smith, J";
    t.marketmake();
    EXPECT_EQ(t.market.cell(kMarketName, 1), "Smith, J");
    EXPECT_EQ(t.market.cell(kMarketOwner, 1), "00");
    EXPECT_EQ(t.market.cell(kMarketIndex, 1), "000");
}

TEST_F(TradeTest, AClubSeesOnlyOtherClubsPlayersItCanAfford) {
    Ttrade& t = open();
    flatten();
    club(5).money = 300;
    club(2).getplayer(1).value = 300;  // exactly affordable
    club(2).getplayer(2).value = 301;  // one too many
    t.freeagent(0).value = 1000;
    t.marketmake();
    const Grid list = t.candidatelist(5);
    EXPECT_EQ(list.cell(kMarketTeam, 0), "Team");
    bool sawAffordable = false;
    for (int r = 1; r < list.rowCount(); ++r) {
        const std::string key = list.cell(kMarketOwner, r) + "," + list.cell(kMarketIndex, r);
        EXPECT_NE(list.cell(kMarketOwner, r), "05");
        EXPECT_NE(key, "02,002");
        EXPECT_NE(key, "99,000");
        sawAffordable = sawAffordable || key == "02,001";
    }
    EXPECT_TRUE(sawAffordable);
    int expected = 0;
    for (int c = 0; c < kClubCount; ++c)
        if (c != 5) expected += static_cast<int>(club(c).roster.size());
    EXPECT_EQ(list.rowCount(), 1 + expected - 1 + 31);

    club(5).money = -40;  // after a contested purchase
    EXPECT_EQ(t.candidatelist(5).rowCount(), 1);
}

}  // namespace
}  // namespace vm::test
