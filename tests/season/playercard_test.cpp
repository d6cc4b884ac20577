// SPDX-License-Identifier: GPL-3.0-or-later
// The player card's contents and the card finding its player after his
// club's roster changed order.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

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

TEST_F(PlayerCardTest, ACardFollowsItsPlayerWhenTheRosterChangesOrder) {
    Tteam& c = club(0);
    const PlayerCard card = pload(*world, 0, 3);
    const Tplayer* him = card.player;
    ASSERT_EQ(him, &c.getplayer(3));

    // The coach's line-up puts everybody in a new place: he is now fifth.
    std::rotate(c.roster.begin(), c.roster.begin() + 1, c.roster.begin() + 5);
    ASSERT_EQ(&c.getplayer(2), him);

    EXPECT_EQ(cardindex(*world, card), 2);
    EXPECT_TRUE(showsplayer(*world, card, 0, 2));
    EXPECT_FALSE(showsplayer(*world, card, 0, 3)) << "his old place is another player's now";
    EXPECT_FALSE(showsplayer(*world, card, 1, 2)) << "another club";
    const std::optional<PlayerCard> again = cardreload(*world, card);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->player, him);
    EXPECT_EQ(again->index, 2);
    EXPECT_EQ(again->identity[kCardPlace], "03");
    EXPECT_EQ(again->identity[kCardName], him->name);
}

TEST_F(PlayerCardTest, ACardWhosePlayerBecameCoachFindsNobody) {
    Tteam& c = club(0);
    while (c.roster.size() < 15) c.playeradd(std::make_unique<Tplayer>(*world, 30, 0, 1));
    c.getplayer(6).value = 100;
    const PlayerCard coach = pload(*world, 0, 6);
    const PlayerCard last = pload(*world, 0, c.playerhigh());

    ASSERT_TRUE(c.coachset(6, 1));  // the last player takes his place in the roster

    EXPECT_EQ(cardindex(*world, coach), -1);
    EXPECT_FALSE(cardreload(*world, coach));
    for (int i = 0; i <= c.playerhigh(); ++i) EXPECT_FALSE(showsplayer(*world, coach, 0, i)) << i;
    EXPECT_EQ(cardindex(*world, last), 6);
    EXPECT_TRUE(showsplayer(*world, last, 0, 6));
}

TEST_F(PlayerCardTest, AFreeAgentsCardFindsHimInThePoolAndNowhereOnceItCloses) {
    open();
    const PlayerCard card = pload(*world, kPoolOwner, 4);
    EXPECT_EQ(cardindex(*world, card), 4);
    EXPECT_TRUE(showsplayer(*world, card, kPoolOwner, 4));

    world->trade.reset();
    EXPECT_EQ(cardindex(*world, card), -1);
    EXPECT_FALSE(showsplayer(*world, card, kPoolOwner, 4));
}

}  // namespace
}  // namespace vm::test
