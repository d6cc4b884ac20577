// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer screen's step button without the screen: three weeks driven
// press by press, with offers made on cards and decision cards left open
// until answered, as the screen does.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "league/newgame.h"
#include "league/world.h"
#include "season/offeranswers.h"
#include "season/playercard.h"
#include "season/tradetables.h"
#include "season/transferweekflow.h"
#include "support/market_setups.h"
#include "support/scratch.h"
#include "transfers/ttrade.h"

namespace vm::test {
namespace {

// The screen's answers: no offers of its own at the week's start, every
// decision card opened and left open, every message kept.
class CardDesk : public TradeChoices {
public:
    std::vector<OwnerDecision> cards;
    std::vector<std::string> told;

    void offers(Ttrade&, const Grid&) override {}
    void decide(Ttrade&, const OwnerDecision& d) override { cards.push_back(d); }
    void inform(const std::string& text) override { told.push_back(text); }

    void acceptAll(Ttrade& t) {
        for (const auto& d : cards) t.acceptoffer(d.record);
        cards.clear();
    }
};

class TransferFlowTest : public ::testing::Test {
protected:
    Scratch scratch;
    std::unique_ptr<World> world = scratch.world(3);
    CardDesk desk;

    void SetUp() override {
        newgame(*world);
        tradeopen(*world);
    }
    Ttrade& trade() { return *world->trade; }

    // The key of a row of a table showing owner and index (plain or padded).
    static std::string key(const Grid& g, int ownercol, int row) {
        return offerkey(std::stoi(g.cell(ownercol, row)), std::stoi(g.cell(ownercol + 1, row)));
    }

    // Offers for the players of the first n rows of the lower table, each
    // made on the player's card; returns their keys in that order.
    std::vector<std::string> offerOnCards(TransferWeekFlow& flow, int n) {
        std::vector<std::string> keys;
        for (int row = 1; static_cast<int>(keys.size()) < n; ++row) {
            const auto who = flow.cardFor(TradeTable::lower, row);
            if (!who) ADD_FAILURE() << "no card for row " << row;
            if (!who) break;
            const PlayerCard card = pload(*world, who->owner, who->index);
            EXPECT_EQ(offerready(trade(), card.key), "オファーをする");
            pressoffer(trade(), card.key);
            flow.activate();  // the card closed
            keys.push_back(card.key);
        }
        return keys;
    }
};

TEST_F(TransferFlowTest, ThreeWeeksOfCaptionsThenTheWindowCloses) {
    TransferWeekFlow flow(*world);
    EXPECT_EQ(flow.step(), 0);
    EXPECT_EQ(flow.caption(), "移籍開始");
    EXPECT_EQ(flow.windowCaption(), "移籍");
    EXPECT_TRUE(flow.tacticsAvailable());

    for (int week = 1; week <= 3; ++week) {
        const std::string title = "移籍期間　" + std::to_string(week) + "週";
        ASSERT_TRUE(flow.canStep());
        EXPECT_EQ(flow.click(desk), 1);
        EXPECT_EQ(flow.caption(), "オファー決定");
        EXPECT_EQ(flow.windowCaption(), title);
        EXPECT_EQ(flow.moneyText(), "所持金：" + std::to_string(world->team(0).money));
        EXPECT_FALSE(flow.tacticsAvailable());
        EXPECT_TRUE(flow.filterVisible());
        EXPECT_EQ(flow.lowerRole(), LowerRole::candidates);
        EXPECT_EQ(flow.upper(), TradeTable::recommended);
        EXPECT_GT(flow.table(TradeTable::lower).rowCount(), 1);
        EXPECT_GT(flow.table(TradeTable::recommended).rowCount(), 1);

        EXPECT_EQ(flow.click(desk), 2);
        EXPECT_EQ(flow.caption(), "移籍可否");
        EXPECT_FALSE(flow.filterVisible());
        EXPECT_EQ(flow.lowerRole(), LowerRole::offers);

        EXPECT_EQ(flow.click(desk), 3);
        EXPECT_EQ(flow.caption(), "選手移籍");
        desk.acceptAll(trade());
        ASSERT_TRUE(flow.canStep());

        const int settled = flow.click(desk);
        EXPECT_EQ(flow.windowCaption(), title);
        EXPECT_EQ(flow.lowerRole(), desk.told.empty() ? LowerRole::results : LowerRole::offers);
        desk.told.clear();
        if (week < 3) {
            EXPECT_EQ(settled, 0);
            EXPECT_EQ(flow.caption(), "移籍開始");
            EXPECT_TRUE(flow.tacticsAvailable());
            EXPECT_EQ(trade().week, week + 1);
        }
    }
    EXPECT_EQ(flow.step(), 4);
    EXPECT_EQ(flow.caption(), "移籍終了");
    EXPECT_FALSE(flow.tacticsAvailable());
    ASSERT_TRUE(flow.canStep());

    EXPECT_EQ(flow.click(desk), 5);
    EXPECT_TRUE(flow.closed());
    EXPECT_EQ(world->trade, nullptr);
    EXPECT_FALSE(flow.canStep());
    EXPECT_THROW(flow.click(desk), TradeStateError);
}

TEST_F(TransferFlowTest, AScreenMadeAgainBetweenWeeksStartsBeforeTheNextWeek) {
    {
        TransferWeekFlow first(*world);
        for (int i = 0; i < 3; ++i) first.click(desk);
        desk.acceptAll(trade());
        first.click(desk);
    }
    TransferWeekFlow again(*world);  // back from the tactics screen
    EXPECT_EQ(again.step(), 0);
    EXPECT_EQ(again.windowCaption(), "移籍");
    EXPECT_TRUE(again.tacticsAvailable());
    again.click(desk);
    EXPECT_EQ(again.windowCaption(), "移籍期間　2週");
}

TEST_F(TransferFlowTest, OffersAreMadeOnCardsAndReorderedByTheUser) {
    TransferWeekFlow flow(*world);
    flow.click(desk);
    const std::vector<std::string> keys = offerOnCards(flow, 4);

    // The fourth replaced the third.
    const Grid& offers = flow.table(TradeTable::offers);
    ASSERT_EQ(offers.rowCount(), 4);
    const std::vector<std::string> kept = {keys[0], keys[1], keys[3]};
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(offers.cell(kOfferPriority, row), std::to_string(row));
        EXPECT_EQ(key(offers, kOfferOwner, row), kept[row - 1]);
    }
    EXPECT_EQ(flow.cardFor(TradeTable::offers, 3)->index, std::stoi(keys[3].substr(3)));

    // A right click on the second offer while the first is selected.
    EXPECT_TRUE(flow.swapOffers(1, 2));
    EXPECT_EQ(trade().clubofferlist[0], (std::vector<std::string>{keys[1], keys[0], keys[3]}));
    EXPECT_EQ(key(flow.table(TradeTable::offers), kOfferOwner, 1), keys[1]);
    EXPECT_EQ(flow.table(TradeTable::offers).cell(kOfferPriority, 1), "1");
    EXPECT_FALSE(flow.swapOffers(2, 2));
    EXPECT_FALSE(flow.swapOffers(1, 4));

    // Once the offers are listed nothing can be offered or reordered.
    flow.click(desk);
    EXPECT_FALSE(flow.cardFor(TradeTable::lower, 1));
    EXPECT_FALSE(flow.cardFor(TradeTable::recommended, 1));
    EXPECT_FALSE(flow.swapOffers(1, 2));
    EXPECT_THROW(pressoffer(trade(), keys[2]), TradeStateError);
    int ours = 0;
    for (const auto& record : trade().offerbook)
        for (const auto& offer : parserecord(record).offers) ours += offerclub(offer) == 0;
    EXPECT_EQ(ours, 3);
}

TEST_F(TransferFlowTest, ARefusedOfferIsMarkedAndTheSettlementWaitsForEveryAnswer) {
    test::club4WantsOurKeeper(*world);
    TransferWeekFlow flow(*world);
    flow.click(desk);
    flow.click(desk);
    flow.click(desk);
    ASSERT_EQ(flow.step(), 3);
    const auto mine = std::find_if(desk.cards.begin(), desk.cards.end(),
                                   [](const OwnerDecision& d) { return d.index == 0; });
    ASSERT_NE(mine, desk.cards.end());

    // A card is open: no settlement, and a press anyway changes nothing.
    EXPECT_FALSE(flow.canStep());
    const auto book = trade().offerbook;
    EXPECT_THROW(flow.click(desk), TradeStateError);
    EXPECT_EQ(flow.step(), 3);
    EXPECT_EQ(trade().offerbook, book);
    EXPECT_EQ(trade().week, 1);

    // "移籍拒否" on the keeper's card.
    const PlayerCard card = pload(*world, 0, 0);
    ASSERT_TRUE(tradeinfo(*world, card, mine->record).refusable);
    trade().refuseoffer(mine->record);
    flow.activate();
    const Grid& lower = flow.table(TradeTable::lower);
    int row = 1;
    while (row < lower.rowCount() && key(lower, kBookOwner, row) != "00,000") ++row;
    ASSERT_LT(row, lower.rowCount());
    EXPECT_EQ(lower.cell(kBookValue, row), "*100");
    EXPECT_TRUE(flow.markedPrice(kBookValue, row));
    EXPECT_FALSE(flow.markedPrice(kBookValue - 1, row));
    flow.activate();
    EXPECT_EQ(lower.cell(kBookValue, row), "*100");

    // The other cards answered, the week settles.
    EXPECT_EQ(flow.canStep(), desk.cards.size() == 1);
    for (const auto& d : desk.cards)
        if (d.record != mine->record) trade().acceptoffer(d.record);
    EXPECT_TRUE(flow.canStep());
    EXPECT_EQ(flow.click(desk), 0);
    EXPECT_EQ(trade().week, 2);
}

TEST_F(TransferFlowTest, FilterAndSortingBelongToTheOffersStep) {
    TransferWeekFlow flow(*world);
    EXPECT_FALSE(flow.applyFilter(ListFilter{}));
    flow.click(desk);
    const Grid whole = flow.table(TradeTable::lower);

    ListFilter f;
    f.position = "FW";
    ASSERT_TRUE(flow.applyFilter(f));
    const Grid& lower = flow.table(TradeTable::lower);
    ASSERT_GT(lower.rowCount(), 1);
    ASSERT_LT(lower.rowCount(), whole.rowCount());
    for (int r = 1; r < lower.rowCount(); ++r) EXPECT_EQ(lower.cell(kMarketAt, r), "FW");

    // The value heading: the most expensive first, then the other way.
    ASSERT_TRUE(flow.sortBy(TradeTable::lower, kMarketValue));
    auto value = [&](int r) { return std::stoi(lower.cell(kMarketValue, r)); };
    for (int r = 2; r < lower.rowCount(); ++r) EXPECT_GE(value(r - 1), value(r));
    ASSERT_TRUE(flow.sortBy(TradeTable::lower, kMarketValue));
    for (int r = 2; r < lower.rowCount(); ++r) EXPECT_LE(value(r - 1), value(r));
    EXPECT_FALSE(flow.sortBy(TradeTable::recommended, kMarketValue));

    EXPECT_EQ(flow.resetFilter(), ListFilter{});
    EXPECT_EQ(flow.table(TradeTable::lower).rowCount(), whole.rowCount());

    flow.click(desk);
    EXPECT_FALSE(flow.sortBy(TradeTable::lower, 0));
    EXPECT_FALSE(flow.sortBy(TradeTable::own, 2));
    EXPECT_FALSE(flow.applyFilter(f));
    EXPECT_FALSE(flow.resetFilter());
}

}  // namespace
}  // namespace vm::test
