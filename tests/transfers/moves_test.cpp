// SPDX-License-Identifier: GPL-3.0-or-later
// Carrying the settled moves out: rosters, pool, money, careers, the trade log
// and the refill of short rosters.
#include <numeric>

#include "trade_fixture.h"
#include "transfers/tradelog.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm::test {
namespace {

class MovesTest : public TradeTest {
protected:
    void SetUp() override { open(); }
    Tplayer* at(int c, int i) { return club(c).roster.at(i).get(); }
    bool holds(int c, const Tplayer* p) {
        for (const auto& q : club(c).roster)
            if (q.get() == p) return true;
        return false;
    }
};

TEST_F(MovesTest, TheRightPlayersLeaveWhenAClubSellsTwoAndThePoolLosesTwo) {
    Ttrade& t = trade();
    Tplayer* second = at(5, 2);
    Tplayer* sixteenth = at(5, 16);
    Tplayer* last = at(5, 17);
    Tplayer* first = t.pool[0].get();
    Tplayer* lastfree = t.pool[31].get();
    Tplayer* spare = t.pool[30].get();
    const int money = club(5).money;
    t.moves = {"05,002,000100,1,06", "05,016,000200,1,07", "99,000,000050,1,08", "99,031,000060,2,08"};
    t.applymoves();

    EXPECT_TRUE(t.moves.empty());
    ASSERT_EQ(club(5).roster.size(), 16u);
    EXPECT_EQ(at(5, 2), last);  // the last man fills the gap
    EXPECT_FALSE(holds(5, second));
    EXPECT_FALSE(holds(5, sixteenth));
    EXPECT_EQ(club(5).money, money + 300);
    EXPECT_EQ(club(6).roster.back().get(), second);
    EXPECT_EQ(club(7).roster.back().get(), sixteenth);
    ASSERT_EQ(club(8).roster.size(), 20u);
    EXPECT_EQ(at(8, 18), first);
    EXPECT_EQ(at(8, 19), lastfree);
    ASSERT_EQ(t.pool.size(), 30u);
    EXPECT_EQ(t.pool[0].get(), spare);

    EXPECT_EQ(second->club, 6);  // he plays for his new club, not for nobody
    EXPECT_EQ(lastfree->club, 8);
    EXPECT_EQ(second->mood, 100);
    EXPECT_EQ(second->career, "/1*6*100*");
    EXPECT_EQ(lastfree->career, "/1*8*60*");
}

TEST_F(MovesTest, ABuyerWhoAlsoSellsGetsHisNewManInTheGap) {
    Ttrade& t = trade();
    Tplayer* bought = at(5, 4);
    Tplayer* sold = at(6, 3);
    club(4).money = 0;
    t.moves = {"05,004,000100,1,06", "06,003,000100,1,04"};
    t.applymoves();
    ASSERT_EQ(club(6).roster.size(), 18u);
    EXPECT_EQ(at(6, 3), bought);
    EXPECT_EQ(club(4).roster.back().get(), sold);
    EXPECT_EQ(club(4).money, 0);  // the buyer paid at the settlement, not here
}

TEST_F(MovesTest, ACrowdedPositionUnsettlesTheNewClub) {
    Ttrade& t = trade();
    for (auto& p : club(6).roster) p->at = 1, p->moodadd(50);
    club(6).roster[0]->at = 0;
    t.pool[0]->at = 1;
    t.moves = {"99,000,000050,1,06"};
    t.applymoves();
    EXPECT_EQ(club(6).roster[0]->mood, 50);
    for (int i = 1; i < 18; ++i) EXPECT_EQ(club(6).roster[i]->mood, 40) << i;
    EXPECT_EQ(club(6).roster[18]->mood, 100);
}

class RefillTest : public MovesTest {
protected:
    void SetUp() override {
        MovesTest::SetUp();
        Tteam& c = club(5);
        c.youth.clear();
        c.youthmake();
        c.youthmake();
        c.youth[0]->ability = {10, 10, 10, 10, 20, 20, 20};  // 100
        c.youth[1]->ability = {20, 20, 20, 20, 20, 10, 10};  // 120
        weaker = c.youth[0].get();
        stronger = c.youth[1].get();
    }
    void sell(int count) {
        for (int i = 0; i < count; ++i) trade().moves.push_back(offerkey(5, i) + ",000010,1," + pad2(6 + i));
        trade().applymoves();
    }
    static std::string pad2(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }
    Tplayer* weaker = nullptr;
    Tplayer* stronger = nullptr;
};

TEST_F(RefillTest, AShortRosterTakesTheBestYouthFirst) {
    sell(8);
    ASSERT_EQ(club(5).roster.size(), 11u);
    EXPECT_EQ(at(5, 10), stronger);
    EXPECT_EQ(stronger->club, 5);
    ASSERT_EQ(club(5).youth.size(), 1u);
    EXPECT_EQ(club(5).youth[0].get(), weaker);
}

TEST_F(RefillTest, AnEmptiedYouthSquadGetsANewYoungster) {
    sell(9);
    ASSERT_EQ(club(5).roster.size(), 11u);
    EXPECT_EQ(at(5, 9), stronger);
    EXPECT_EQ(at(5, 10), weaker);
    ASSERT_EQ(club(5).youth.size(), 1u);
    EXPECT_NE(club(5).youth[0].get(), weaker);
}

TEST_F(RefillTest, AWeekWithoutMovesChangesNothing) {
    club(5).playerremove(0);
    club(5).playerremove(0);
    trade().applymoves();
    EXPECT_EQ(club(5).roster.size(), 16u);
    EXPECT_EQ(club(5).youth.size(), 2u);
}

TEST_F(MovesTest, ResultsAreListedAndAppendedToTheTradeLog) {
    Ttrade& t = trade();
    const auto before = readtradelog(*world);
    t.moves = {"05,002,000100,1,06", "99,000,000050,2,08"};
    Grid g;
    ASSERT_TRUE(t.resultlist(g));
    ASSERT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.rowText(0), "Team,Name,Value,,Team,,");
    const std::string one = club(5).name + "," + at(5, 2)->name + ",100,→1," + club(6).name + ",5,6";
    const std::string two = "無所属," + t.pool[0]->name + ",50,→2," + club(8).name + ",99,8";
    EXPECT_EQ(g.rowText(1), one);
    EXPECT_EQ(g.rowText(2), two);
    auto expected = before;
    expected.push_back(one);
    expected.push_back(two);
    EXPECT_EQ(readtradelog(*world), expected);
    EXPECT_EQ(t.moves.size(), 2u);  // the moves are still to be carried out
}

TEST_F(MovesTest, AWeekWithoutMovesLeavesTableAndLogAlone) {
    Grid g(7, 4);
    g.cell(0, 1) = "offers";
    const auto before = readBytes(scratch.path("data/tmp/trade.txt"));
    EXPECT_FALSE(trade().resultlist(g));
    EXPECT_EQ(g.cell(0, 1), "offers");
    EXPECT_EQ(readBytes(scratch.path("data/tmp/trade.txt")), before);
}

TEST(TradeLogText, FieldsThatNeedQuotesGetThemAndComeBack) {
    const std::vector<std::string> fields{"FC 東京", "a,b", "say \"hi\"", "", "→1", "5"};
    const std::string line = commatext(fields);
    EXPECT_EQ(line, "\"FC 東京\",\"a,b\",\"say \"\"hi\"\"\",,→1,5");
    EXPECT_EQ(splitcommatext(line), fields);
    EXPECT_EQ(commatext({"山田　太郎", "0", "－>", "引退"}), "山田　太郎,0,－>,引退");
}

}  // namespace
}  // namespace vm::test
