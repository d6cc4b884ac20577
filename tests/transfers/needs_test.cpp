// SPDX-License-Identifier: GPL-3.0-or-later
// What a computer club lacks, and the searches that turn it into offers.
#include "trade_fixture.h"

namespace vm::test {
namespace {

std::array<std::string, 7> keys(std::array<std::string, 7> k) {
    return k;
}

TEST_F(TradeTest, NeedKeysReadOneSlotEachAndSortAscending) {
    Ttrade& t = open();
    Tteam& c = club(6);
    flatten();
    shape(c.getplayer(0), 0, {40, 20, 40, 20, 20, 20, 20}, 25, 25);  // keeper: (40+40)*7/2 = 280
    c.getplayer(5).ability[1] = 50;                                  // strength 50*7 = 350
    shape(c.getplayer(8), 6, {20, 20, 20, 60, 20, 20, 20}, 25, 25);  // forward: 60*7 = 420
    c.getplayer(2).ability[0] = 45;                                  // speed 45*7 = 315
    c.getplayer(6).ability = {20, 20, 20, 20, 50, 20, 50};           // (50+50)*7/2 = 350
    c.getplayer(1).ability = {50, 50, 20, 20, 20, 50, 20};           // 150*7/3 = 350
    c.getplayer(7).ability = {50, 50, 50, 50, 50, 20, 20};           // 250*7/5 = 350
    const auto k = t.needkeys(c);
    EXPECT_EQ(k, keys({"2800", "3153", "3501", "3504", "3505", "3506", "4202"}));
    // 3153 - 2800 = 353: far apart, so all three searches go to the keeper.
    const auto targets = t.needcheck(c);
    for (const auto& target : targets) EXPECT_EQ(target, (NeedTarget{0, 280, 80}));

    c.getplayer(2).ability[0] = 50;                         // speed need 350: key 3503
    c.getplayer(0).ability = {46, 20, 46, 20, 20, 20, 20};  // keeper need 322: 3501 - 3220 = 281
    const auto closer = t.needcheck(c);
    EXPECT_EQ(closer[0], (NeedTarget{0, 322, 92}));
    EXPECT_EQ(closer[1], (NeedTarget{1, 350, 50}));
    EXPECT_EQ(closer[2], (NeedTarget{3, 350, 50}));
}

TEST(NeedTargets, TheGapRuleOfThreeHundredAndFifty) {
    // Needs 300 (kind 1) and 340 (kind 5): 3405 - 3001 = 404, all on kind 1.
    auto t = choosetargets(keys({"3001", "3405", "3500", "3502", "3503", "3504", "3506"}));
    for (const auto& target : t) EXPECT_EQ(target, (NeedTarget{1, 300, 42}));
    // A gap of exactly 350 is not far apart.
    t = choosetargets(keys({"3001", "3351", "3402", "5000", "5003", "5004", "5006"}));
    EXPECT_EQ(t[0].kind, 1);
    EXPECT_EQ(t[1].kind, 1);
    EXPECT_EQ(t[1].need, 335);
    EXPECT_EQ(t[2], (NeedTarget{2, 340, 48}));
    // The third stands far from the second: the first is searched twice.
    t = choosetargets(keys({"3001", "3100", "3502", "5000", "5003", "5004", "5006"}));
    EXPECT_EQ(t[0].kind, 1);
    EXPECT_EQ(t[1], (NeedTarget{0, 310, 88}));
    EXPECT_EQ(t[2].kind, 1);
    // Every kind's threshold on its own scale.
    t = choosetargets(keys({"4204", "4205", "4206", "9000", "9001", "9002", "9003"}));
    EXPECT_EQ(t[0].threshold, 120);  // 420 * 2 / 7
    EXPECT_EQ(t[1].threshold, 180);  // 420 * 3 / 7
    EXPECT_EQ(t[2].threshold, 300);  // 420 * 5 / 7
    // A need of nothing is searched three times, whatever follows.
    t = choosetargets(keys({"0002", "0100", "0150", "3000", "3003", "3004", "3006"}));
    for (const auto& target : t) EXPECT_EQ(target, (NeedTarget{2, 0, 0}));
}

class SearchTest : public TradeTest {
protected:
    void SetUp() override {
        open();
        flatten();
        for (int c = 0; c < kClubCount; ++c) club(c).money = 5000;
    }
    std::string key(int owner, int index) { return offerkey(owner, index); }
};

TEST_F(SearchTest, AClubWithoutAKeeperBidsForTheThreeBestKeepers) {
    Ttrade& t = trade();
    // Club 6 plays a centre-back in goal, so its keeper need is 0.
    Tplayer& a = t.freeagent(3);
    shape(a, 0, {60, 20, 60, 20, 20, 20, 20}, 25, 25);  // 120 + 5 = 125
    Tplayer& b = club(2).getplayer(9);
    shape(b, 0, {50, 20, 50, 20, 20, 20, 20}, 30, 24);  // six past his peak: 100 - 15 = 85
    Tplayer& c = club(11).getplayer(0);
    shape(c, 0, {55, 20, 55, 20, 20, 20, 20}, 28, 27);  // 110 + 2 = 112
    Tplayer& d = t.freeagent(20);
    shape(d, 0, {40, 20, 40, 20, 20, 20, 20}, 20, 25);                     // 80 + 10 = 90
    shape(club(6).getplayer(8), 6, {20, 20, 20, 20, 20, 20, 20}, 25, 25);  // a forward up front
    Tplayer& mine = club(6).getplayer(14);
    shape(mine, 0, {89, 20, 89, 20, 20, 20, 20}, 25, 25);  // his own: never bid for
    t.marketmake();
    t.curteam = 6;
    t.aioffer();
    EXPECT_EQ(t.clubofferlist[6], (std::vector<std::string>{key(99, 3), key(11, 0), key(99, 20)}));
    EXPECT_EQ(t.candidates.rowCount(), 0);  // discarded after the searches
}

TEST_F(SearchTest, AClubWithoutAForwardInSlotEightBidsForThreeForwards) {
    Ttrade& t = trade();
    shape(club(8).getplayer(0), 0, {20, 20, 20, 20, 20, 20, 20}, 25, 25);   // a keeper in goal
    shape(club(4).getplayer(12), 6, {20, 20, 20, 70, 20, 20, 20}, 24, 25);  // 70 + 3 = 73
    shape(club(9).getplayer(3), 6, {20, 20, 20, 75, 20, 20, 20}, 34, 25);   // 75 - 8 = 67
    shape(t.freeagent(0), 6, {20, 20, 20, 60, 20, 20, 20}, 26, 25);         // 60 + 2 = 62
    shape(t.freeagent(1), 6, {20, 20, 20, 40, 20, 20, 20}, 26, 25);         // 42
    t.marketmake();
    t.curteam = 8;
    t.aioffer();
    EXPECT_EQ(t.clubofferlist[8], (std::vector<std::string>{key(4, 12), key(9, 3), key(99, 0)}));
}

TEST_F(SearchTest, APlayerTooDearIsNeverWanted) {
    Ttrade& t = trade();
    shape(t.freeagent(3), 0, {60, 20, 60, 20, 20, 20, 20}, 25, 25);
    t.freeagent(3).value = 5001;
    t.marketmake();
    t.curteam = 6;
    t.aioffer();
    EXPECT_TRUE(t.clubofferlist[6].empty());
}

TEST_F(SearchTest, CandidateTiesGoToTheCheaperThenTheEarlierRow) {
    Ttrade& t = trade();
    t.marketmake();
    t.candidates = t.candidatelist(6);
    t.curteam = 6;
    t.bestscore = 50;
    t.bestprice = 100;                      // every candidate is worth 100
    EXPECT_FALSE(t.candidatecheck(50, 1));  // equal score, equal price: the earlier one stays
    EXPECT_FALSE(t.candidatecheck(49, 1));
    t.candidates.cell(kMarketValue, 2) = "99";
    EXPECT_TRUE(t.candidatecheck(50, 2));  // equal score, cheaper
    EXPECT_EQ(t.bestprice, 99);
    const std::string second = t.bestkey;
    EXPECT_EQ(second, t.candidates.cell(kMarketOwner, 2) + "," + t.candidates.cell(kMarketIndex, 2));
    EXPECT_TRUE(t.candidatecheck(51, 3));  // a better score may cost more
    EXPECT_EQ(t.bestprice, 100);
    t.clubofferlist[6].push_back(t.candidates.cell(kMarketOwner, 4) + "," +
                                 t.candidates.cell(kMarketIndex, 4));
    EXPECT_FALSE(t.candidatecheck(80, 4));  // already on the club's list
}

TEST_F(SearchTest, OrderingsPutTheScannedRowsFirst) {
    Ttrade& t = trade();
    t.freeagent(0).at = 4;
    t.freeagent(1).at = 0;
    t.freeagent(2).at = 6;
    t.marketmake();
    auto codes = [&] {
        std::string s;
        for (int r = 1; r < t.candidates.rowCount(); ++r) s += t.candidates.cell(kMarketAt, r);
        return s;
    };
    t.curteam = 3;
    t.candidates = t.candidatelist(3);
    t.kindsearch(4);  // AM, SH, FW first, the rest behind in their old order
    const std::string four = codes();
    EXPECT_EQ(four.substr(0, 2), "46");
    EXPECT_EQ(four.find_first_of("0123", 2), 2u);
    t.kindsearch(1);  // by position, the back four first
    EXPECT_EQ(codes().substr(0, 2), "01");
    EXPECT_EQ(codes().substr(codes().size() - 2), "46");
    t.kindsearch(2);  // forwards first
    EXPECT_EQ(codes().substr(0, 2), "64");
}

TEST_F(SearchTest, SpeedSearchKeepsThePreviousOrderForTies) {
    Ttrade& t = trade();
    // Two players equally fast and equally priced; the market lists the
    // centre-back first, but a forward search put the forward ahead of him.
    shape(club(1).getplayer(0), 1, {70, 20, 20, 20, 20, 20, 20}, 25, 25);
    shape(club(2).getplayer(0), 6, {70, 20, 20, 20, 20, 20, 20}, 25, 25);
    t.marketmake();
    t.curteam = 3;
    t.candidates = t.candidatelist(3);
    t.bestscore = 0, t.bestprice = 5000, t.bestkey.clear();
    t.kindsearch(3);
    EXPECT_EQ(t.bestkey, key(1, 0));
    t.bestscore = 0, t.bestprice = 5000, t.bestkey.clear();
    t.kindsearch(2);
    t.bestscore = 0, t.bestprice = 5000, t.bestkey.clear();
    t.kindsearch(3);
    EXPECT_EQ(t.bestkey, key(2, 0));
}

TEST_F(SearchTest, BackLineSearchSkipsKeepersButNotWhatFollowsThem) {
    Ttrade& t = trade();
    shape(t.freeagent(0), 0, {89, 89, 20, 20, 20, 89, 20}, 25, 25);  // a keeper: skipped
    shape(t.freeagent(1), 5, {85, 85, 20, 20, 20, 85, 20}, 25, 25);  // a winger: beyond the scan
    shape(t.freeagent(2), 3, {60, 60, 20, 20, 20, 60, 20}, 25, 25);  // the best back-line man
    t.marketmake();
    t.curteam = 3;
    t.candidates = t.candidatelist(3);
    t.bestscore = 0, t.bestprice = 5000, t.bestkey.clear();
    t.kindsearch(5);
    EXPECT_EQ(t.bestkey, key(99, 2));
}

TEST_F(SearchTest, RecommendationsLeaveTheUsersListEmpty) {
    Ttrade& t = trade();
    shape(t.freeagent(5), 0, {70, 20, 70, 20, 20, 20, 20}, 25, 25);
    shape(t.freeagent(6), 6, {70, 70, 70, 70, 70, 20, 20}, 25, 25);
    t.marketmake();
    Grid out;
    t.recommend(out);
    EXPECT_TRUE(t.clubofferlist[0].empty());
    ASSERT_GE(out.rowCount(), 3);
    EXPECT_EQ(out.colCount(), kMarketCols);
    // Kind 0 (keeper) first; the forward is the best for kinds 2, 3 and 6 but
    // is recommended once, at his first kind.
    EXPECT_EQ(out.cell(kMarketOwner, 1) + "," + out.cell(kMarketIndex, 1), key(99, 5));
    EXPECT_EQ(out.cell(kMarketTeam, 1), "無所属");
    int forward = 0;
    for (int r = 1; r < out.rowCount(); ++r)
        forward += out.cell(kMarketOwner, r) + "," + out.cell(kMarketIndex, r) == key(99, 6);
    EXPECT_EQ(forward, 1);
    EXPECT_LE(out.rowCount(), 8);
}

}  // namespace
}  // namespace vm::test
