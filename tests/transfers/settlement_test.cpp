// SPDX-License-Identifier: GPL-3.0-or-later
// The three priority rounds of the settlement.
#include "trade_fixture.h"

namespace vm::test {
namespace {

class SettlementTest : public TradeTest {
protected:
    void SetUp() override {
        open();
        for (int c = 0; c < kClubCount; ++c) club(c).money = 1000;
    }
    std::vector<std::string>& book() { return trade().offerbook; }
    std::vector<std::string>& moves() { return trade().moves; }
};

TEST_F(SettlementTest, OnlyTheBestPriorityAnyoneGaveTakesPart) {
    book() = {"05,001,000300/1,03/2,04"};
    trade().clubofferlist[3] = {"05,001"};
    trade().resolve();
    EXPECT_EQ(moves(), (std::vector<std::string>{"05,001,000300,1,03"}));
    EXPECT_EQ(club(3).money, 700);
    EXPECT_EQ(club(4).money, 1000);
    EXPECT_TRUE(book().empty());
    EXPECT_TRUE(trade().clubofferlist[3].empty());
}

TEST_F(SettlementTest, TwoBiddersPayTwentyPercentMoreThanTheyWereTestedFor) {
    club(3).money = 500;  // exactly the asking price
    club(4).money = 550;
    book() = {"05,001,000500/1,03/1,04"};
    trade().resolve();
    ASSERT_EQ(moves().size(), 1u);
    const Move m = parsemove(moves()[0]);
    EXPECT_EQ(m.price, 600);
    EXPECT_EQ(m.round, 1);
    ASSERT_TRUE(m.buyer == 3 || m.buyer == 4);
    EXPECT_EQ(club(m.buyer).money, (m.buyer == 3 ? 500 : 550) - 600);  // below zero: the game's rule
    EXPECT_EQ(club(7 - m.buyer).money, m.buyer == 3 ? 550 : 500);
}

TEST_F(SettlementTest, TheRiseRoundsToTheNearestWholeNumber) {
    club(8).money = club(9).money = 1234;  // both can pay the asking price, not the rise
    book() = {"05,001,000003/1,03/1,04", "05,002,000007/1,06/1,07", "05,003,001234/1,08/1,09"};
    trade().resolve();
    ASSERT_EQ(moves().size(), 3u);
    EXPECT_EQ(parsemove(moves()[0]).price, 4);     // 3.6
    EXPECT_EQ(parsemove(moves()[1]).price, 8);     // 8.4
    EXPECT_EQ(parsemove(moves()[2]).price, 1481);  // 1480.8
    EXPECT_EQ(club(parsemove(moves()[2]).buyer).money, 1234 - 1481);
}

TEST_F(SettlementTest, ARichSecondChoiceLosesToAPoorFirstChoice) {
    club(3).money = 100;
    club(4).money = 90000;
    book() = {"05,001,000500/1,03/2,04"};
    trade().resolveround(1);
    EXPECT_TRUE(book().empty());  // the player stays where he is
    trade().resolve();
    EXPECT_TRUE(moves().empty());
    EXPECT_EQ(club(4).money, 90000);
}

TEST_F(SettlementTest, ALaterChoiceWaitsForItsRoundWithTheRoundInFront) {
    book() = {"05,001,000500/1,03", "05,002,000600/2,03/3,04"};
    trade().resolveround(1);
    EXPECT_EQ(moves(), (std::vector<std::string>{"05,001,000500,1,03"}));
    EXPECT_EQ(book(), (std::vector<std::string>{"205,002,000600/2,03/3,04"}));
    // Round 1's money is gone before round 2 tests club 3; club 4's third
    // choice never counts, because club 3 gave a better one.
    trade().resolveround(2);
    EXPECT_TRUE(book().empty());
    EXPECT_EQ(moves().size(), 1u);
    EXPECT_EQ(club(3).money, 500);
    EXPECT_EQ(club(4).money, 1000);
}

TEST_F(SettlementTest, AClubWinsOnePlayerARound) {
    book() = {"05,001,000100/1,03", "05,002,000100/2,03", "99,000,000100/3,03"};
    trade().resolve();
    EXPECT_EQ(moves(),
              (std::vector<std::string>{"05,001,000100,1,03", "05,002,000100,2,03", "99,000,000100,3,03"}));
    EXPECT_EQ(club(3).money, 700);
}

TEST_F(SettlementTest, EachRoundSettlesInOwnerAndIndexOrder) {
    book() = {"99,000,000010/1,06", "05,002,000010/1,04", "05,001,000010/1,03", "02,009,000010/2,03"};
    trade().resolve();
    EXPECT_EQ(moves(), (std::vector<std::string>{"05,001,000010,1,03", "05,002,000010,1,04",
                                                 "99,000,000010,1,06", "02,009,000010,2,03"}));
}

TEST_F(SettlementTest, AClubInDebtPassesNoTest) {
    club(3).money = -60;
    book() = {"99,000,000000/1,03"};  // not even for a player asking nothing
    trade().resolve();
    EXPECT_TRUE(moves().empty());
}

}  // namespace
}  // namespace vm::test
