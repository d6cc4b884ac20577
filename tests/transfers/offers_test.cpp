// SPDX-License-Identifier: GPL-3.0-or-later
// The user's offer list, the offer book and the owners' decisions on it.
#include "trade_fixture.h"

namespace vm::test {
namespace {

class OfferTest : public TradeTest {
protected:
    void SetUp() override {
        open();
        flatten();
    }
    // A book of one record: player `index` of club `owner`, wanted by club 12.
    void onerecord(int owner, int index) {
        trade().offerbook = {offerkey(owner, index) + "," + pricetext(club(owner).getplayer(index).value) +
                             "/1,12"};
    }
    int price(int record) { return parserecord(trade().offerbook.at(record)).price; }
};

TEST_F(OfferTest, TheOfferBookGroupsOffersByPlayer) {
    Ttrade& t = trade();
    club(5).getplayer(7).value = 340;
    t.freeagent(2).value = 120;
    t.marketmake();
    t.clubofferlist[12] = {"05,007"};
    t.clubofferlist[3] = {"99,002", "05,007"};
    t.clubofferlist[0] = {"99,002"};
    Grid g;
    t.offerlist(g);
    EXPECT_EQ(t.market.rowCount(), 0);  // the market is discarded
    EXPECT_EQ(t.offerbook, (std::vector<std::string>{"05,007,000340/1,12/2,03", "99,002,000120/1,00/1,03"}));
    ASSERT_EQ(g.rowCount(), 5);
    ASSERT_EQ(g.colCount(), 9);
    EXPECT_EQ(g.rowText(0), "所属チーム,選手名,金額,,オファー,,,,");
    EXPECT_EQ(g.rowText(1),
              club(5).name + "," + club(5).getplayer(7).name + ",340,←1," + club(12).name + ",05,007,1,12");
    EXPECT_EQ(g.rowText(2), ",,,←2," + club(3).name + ",05,007,2,03");
    EXPECT_EQ(g.rowText(3), "無所属," + t.freeagent(2).name + ",120,←1," + club(0).name + ",99,002,1,00");
    EXPECT_EQ(g.rowText(4), ",,,←1," + club(3).name + ",99,002,1,03");
}

TEST_F(OfferTest, AFourthOfferReplacesTheThird) {
    Ttrade& t = trade();
    t.addoffer("03,001");
    t.addoffer("99,004");
    t.addoffer("07,010");
    t.addoffer("07,010");  // already there: nothing changes
    EXPECT_EQ(t.clubofferlist[0], (std::vector<std::string>{"03,001", "99,004", "07,010"}));
    t.addoffer("11,000");
    EXPECT_EQ(t.clubofferlist[0], (std::vector<std::string>{"03,001", "99,004", "11,000"}));
    EXPECT_TRUE(t.hasoffer("11,000"));
    EXPECT_FALSE(t.hasoffer("07,010"));
}

TEST_F(OfferTest, WithdrawingMovesLaterOffersUpAndSwappingExchangesPriorities) {
    Ttrade& t = trade();
    t.clubofferlist[0] = {"03,001", "99,004", "11,000"};
    t.withdrawoffer("03,001");
    EXPECT_EQ(t.clubofferlist[0], (std::vector<std::string>{"99,004", "11,000"}));
    t.swapoffers(1, 0);
    EXPECT_EQ(t.clubofferlist[0], (std::vector<std::string>{"11,000", "99,004"}));
    EXPECT_THROW(t.swapoffers(0, 2), std::invalid_argument);
}

TEST_F(OfferTest, OffersMustNameSomeoneElsesPlayer) {
    Ttrade& t = trade();
    EXPECT_THROW(t.addoffer("00,003"), std::invalid_argument);  // his own player
    EXPECT_THROW(t.addoffer("03,050"), std::invalid_argument);  // nobody there
    EXPECT_THROW(t.addoffer("99,032"), std::invalid_argument);
    EXPECT_THROW(t.addoffer("3,001"), std::invalid_argument);
    EXPECT_TRUE(t.clubofferlist[0].empty());
}

TEST_F(OfferTest, OffersCloseWithTheOfferBookAndOpenAgainAfterTheSettlement) {
    Ttrade& t = trade();
    t.marketmake();
    Grid g;
    t.offerlist(g);
    EXPECT_THROW(t.addoffer("03,001"), TradeStateError);
    EXPECT_THROW(t.withdrawoffer("03,001"), TradeStateError);
    t.resolve();
    t.addoffer("03,001");
    EXPECT_EQ(t.clubofferlist[0].size(), 1u);
}

TEST_F(OfferTest, TheUserAnswersEveryOfferOnHisPlayersBeforeTheSettlement) {
    Ttrade& t = trade();
    club(0).getplayer(4).value = 400;
    club(0).getplayer(9).value = 500;
    club(3).money = club(6).money = 5000;
    t.marketmake();
    t.clubofferlist[3] = {"00,004"};
    t.clubofferlist[6] = {"00,009", "00,004"};
    Grid g;
    t.offerlist(g);
    t.ownerdecideall();
    ASSERT_EQ(t.opendecisions, (std::vector<int>{0, 1}));
    const OwnerDecision d = t.decision(0);
    EXPECT_EQ(d.index, 4);
    EXPECT_EQ(d.price, 400);
    EXPECT_EQ(d.bidders, (std::vector<int>{3, 6}));

    const int money = club(3).money;
    const std::vector<std::string> book = t.offerbook;
    EXPECT_THROW(t.resolve(), TradeStateError);
    EXPECT_EQ(t.offerbook, book);  // nothing settled on stale indexes
    EXPECT_EQ(club(3).money, money);

    t.refuseoffer(1);
    EXPECT_EQ(price(1), 1000);
    EXPECT_THROW(t.refuseoffer(1), TradeStateError);  // answered once only
    EXPECT_THROW(t.resolve(), TradeStateError);
    t.acceptoffer(0);
    EXPECT_TRUE(t.opendecisions.empty());
    t.resolve();
    ASSERT_EQ(t.moves.size(), 2u);
}

TEST_F(OfferTest, RefusingDoublesThePriceAndStirsTheMood) {
    Ttrade& t = trade();
    Tplayer& p = club(4).getplayer(2);
    p.value = 700;
    onerecord(4, 2);
    for (int round = 0; round < 5; ++round) {
        const int mood = p.mood;
        const int before = price(0);
        t.pricehike(0);
        EXPECT_EQ(price(0), 2 * before);
        const int moved = std::abs(p.mood - mood);
        EXPECT_EQ(moved % 3, 0);
        EXPECT_LE(moved, 33);
        p.value = 700;
    }
    EXPECT_EQ(price(0), std::min(700 * 32, kMaxPrice));  // the six digits never overflow
    EXPECT_EQ(t.offerbook[0].substr(0, 13), "04,002,022400");
}

TEST_F(OfferTest, APlayerWhoWantsToLeaveIsNeverHeldBack) {
    Ttrade& t = trade();
    Tplayer& p = club(4).getplayer(2);
    p.moodadd(-100);
    ASSERT_EQ(p.value, 0);
    onerecord(4, 2);
    t.pricehike(0);
    EXPECT_EQ(price(0), 0);
    EXPECT_EQ(p.mood, 0);
    t.offerbook = {"99,003,000100/1,12"};  // nor is a free agent
    t.pricehike(0);
    EXPECT_EQ(price(0), 100);
}

TEST_F(OfferTest, AChangedPriceIsSeenAgainstTheShownValue) {
    Ttrade& t = trade();
    club(4).getplayer(2).value = 700;
    onerecord(4, 2);
    EXPECT_FALSE(t.pricechanged("04,002", "700"));
    t.pricehike(0);
    EXPECT_TRUE(t.pricechanged("04,002", "700"));
    EXPECT_FALSE(t.pricechanged("04,002", "1400"));
    EXPECT_FALSE(t.pricechanged("04,002", ""));  // continuation rows hold no value
    EXPECT_FALSE(t.pricechanged("04,002", "*1400"));
    EXPECT_FALSE(t.pricechanged("05,002", "1"));
}

TEST_F(OfferTest, ComputerOwnersKeepTheirKeyPlayersAndTheirYoungsters) {
    Ttrade& t = trade();
    Tteam& owner = club(7);
    t.curteam = 7;
    // True when the owner turns the offers for the player in `slot` down.
    auto refuses = [&](int slot, int value, int age) {
        Tplayer& p = owner.getplayer(slot);
        p.value = value;
        p.age = age;
        p.peak = 25;
        onerecord(7, slot);
        t.ownerdecide(slot, 0);
        return price(0) != value;
    };
    owner.money = 5000;
    EXPECT_FALSE(refuses(0, 150, 20));  // cheap players go
    EXPECT_TRUE(refuses(0, 151, 26));   // a key slot still near his peak
    EXPECT_FALSE(refuses(0, 151, 27));
    EXPECT_TRUE(refuses(9, 151, 26));
    EXPECT_FALSE(refuses(5, 400, 26));  // not a key slot: only youngsters are kept
    EXPECT_TRUE(refuses(12, 400, 22));
    EXPECT_FALSE(refuses(12, 400, 23));

    owner.money = 400;  // a poor owner takes money worth more than his player
    owner.coachpower.fill(10);
    EXPECT_FALSE(refuses(0, 299, 26));
    EXPECT_TRUE(refuses(0, 300, 30));  // better than his coaches somewhere
    owner.coachpower.fill(90);
    EXPECT_FALSE(refuses(0, 300, 20));
    EXPECT_TRUE(refuses(12, 300, 22));
    EXPECT_FALSE(refuses(12, 300, 23));

    owner.money = -200;  // after a contested purchase the owner is poor, not broken
    EXPECT_TRUE(refuses(12, 300, 22));
}

}  // namespace
}  // namespace vm::test
