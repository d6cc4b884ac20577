// The player card's contents, its offer button and the decision card.
#include <gtest/gtest.h>

#include "season/playercard.h"
#include "transfers/trade_fixture.h"

namespace vm::test {
namespace {

class PlayerCardTest : public TradeTest {};

TEST_F(PlayerCardTest, AFreeAgentsCardShowsNoClubAndNoPlace) {
    Ttrade& t = open();
    Tplayer& p = t.freeagent(5);
    p.career.clear();

    const PlayerCard card = pload(*world, kPoolOwner, 5);

    EXPECT_TRUE(card.freeagent);
    EXPECT_EQ(card.emblem.width, 0);
    EXPECT_EQ(card.identity[kCardTeam], "無所属");
    EXPECT_EQ(card.identity[kCardName], p.name);
    EXPECT_EQ(card.identity[kCardPlace], "");
    EXPECT_EQ(card.key, "99,005");
    EXPECT_FALSE(card.careerVisible);
    EXPECT_EQ(card.career.rowCount(), 1);
}

TEST_F(PlayerCardTest, AClubPlayersCardShowsHisClubAttributesAndFigures) {
    Tteam& c = club(6);
    Tplayer& p = c.getplayer(3);
    p.ability = {31, 42, 53, 64, 75, 86, 17};
    p.lastability = {30, 40, 50, 60, 70, 80, 10};
    p.games = 12;
    p.goals = 4;
    p.assists = 2;
    p.leg = 1;

    const PlayerCard card = pload(*world, 6, 3);

    EXPECT_FALSE(card.freeagent);
    EXPECT_EQ(card.emblem, c.emblem);
    EXPECT_EQ(card.identity[kCardTeam], c.name);
    EXPECT_EQ(card.identity[kCardAge], std::to_string(p.age));
    EXPECT_EQ(card.identity[kCardValue], std::to_string(p.value));
    EXPECT_EQ(card.ability, p.ability);
    EXPECT_EQ(card.last, p.lastability);
    EXPECT_EQ(card.condition, p.condition());
    EXPECT_EQ(card.leg, 1);
    EXPECT_EQ(card.identity[kCardPlace], "04");
    EXPECT_EQ(card.identity[kCardGames], "12");
    EXPECT_EQ(card.identity[kCardGoals], "4");
    EXPECT_EQ(card.identity[kCardAssists], "2");
    EXPECT_EQ(card.key, "06,003");
}

TEST_F(PlayerCardTest, ThePlaceNamesTheLineUpTheBenchAndTheRest) {
    Tteam& c = club(2);
    while (c.roster.size() < 15) c.playeradd(std::make_unique<Tplayer>(*world, 30, 2, 1));
    const std::pair<int, const char*> places[] = {
        {0, "01"}, {9, "10"}, {10, "11"}, {11, "ベンチ"}, {12, "ベンチ"}, {13, "ベンチ外"}, {14, "ベンチ外"}};
    for (const auto& [index, text] : places) EXPECT_EQ(pload(*world, 2, index).identity[kCardPlace], text);
}

TEST_F(PlayerCardTest, OverAndShadowAreSpelledOut) {
    Tplayer& p = club(1).getplayer(0);
    const std::pair<int, const char*> types[] = {{0, "GK"}, {3, "OVER"}, {4, "AM"}, {5, "SHADOW"}, {6, "FW"}};
    for (const auto& [at, text] : types) {
        p.at = at;
        EXPECT_EQ(pload(*world, 1, 0).identity[kCardAtktype], text);
    }
}

TEST_F(PlayerCardTest, TheCareerShowsClubNamesLatestYearFirst) {
    Tplayer& p = club(0).getplayer(2);
    p.career = "/1*0*ﾕｰｽ*0*0*0/2*0**12*1*3/3*7*340*10*2*1/4*99*";

    const PlayerCard card = pload(*world, 0, 2);

    ASSERT_TRUE(card.careerVisible);
    ASSERT_EQ(card.career.rowCount(), 5);
    EXPECT_EQ(card.career.rowText(0), "Year,Team,Trade,Game,Gol,Asi");
    EXPECT_EQ(card.career.rowText(1), "4,99,,,,");  // a club the world does not know stays a number
    EXPECT_EQ(card.career.rowText(2), "3," + club(7).name + ",340,10,2,1");
    EXPECT_EQ(card.career.rowText(3), "2," + club(0).name + ",,12,1,3");
    EXPECT_EQ(card.career.rowText(4), "1," + club(0).name + ",ﾕｰｽ,0,0,0");
}

TEST_F(PlayerCardTest, ACardForNobodyIsRefused) {
    EXPECT_THROW(pload(*world, 3, static_cast<int>(club(3).roster.size())), std::invalid_argument);
    EXPECT_THROW(pload(*world, kPoolOwner, 0), std::invalid_argument);  // no window, no free agents
    EXPECT_THROW(pload(*world, 20, 0), std::invalid_argument);
}

TEST_F(PlayerCardTest, AFourthOfferReplacesTheThirdAndKeepsTheFirstTwo) {
    Ttrade& t = open();
    const std::string keys[] = {"99,000", "03,001", "99,007", "05,002"};
    for (const auto& k : keys) {
        EXPECT_EQ(offerready(t, k), "オファーをする");
        pressoffer(t, k);
    }
    EXPECT_EQ(t.clubofferlist[0], (std::vector<std::string>{"99,000", "03,001", "05,002"}));
    EXPECT_EQ(offerready(t, "03,001"), "オファーをやめる");
    EXPECT_EQ(offerready(t, "99,007"), "オファーをする");

    pressoffer(t, "99,000");  // "オファーをやめる": the later offers move up
    EXPECT_EQ(t.clubofferlist[0], (std::vector<std::string>{"03,001", "05,002"}));
}

TEST_F(PlayerCardTest, ADecisionCardOffersNoRefusalForAPlayerWorthNothing) {
    club(0).money = 1234;
    Tplayer& p = club(0).getplayer(4);
    p.value = 0;
    const DecisionCard free = tradeinfo(*world, pload(*world, 0, 4), 2);
    EXPECT_FALSE(free.refusable);
    EXPECT_EQ(free.record, 2);
    EXPECT_EQ(free.message, (std::vector<std::string>{"この選手にオファーが来ました。", "どうしますか？",
                                                      "現在の所持金は1234です"}));

    p.value = 120;
    EXPECT_TRUE(tradeinfo(*world, pload(*world, 0, 4), 2).refusable);
}

}  // namespace
}  // namespace vm::test
