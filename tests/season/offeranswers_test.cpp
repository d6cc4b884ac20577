// SPDX-License-Identifier: GPL-3.0-or-later
// The offer button of the market's cards and the decision card.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "season/offeranswers.h"
#include "season/playercard.h"
#include "transfers/trade_fixture.h"

namespace vm::test {
namespace {

class OfferAnswersTest : public TradeTest {};

TEST_F(OfferAnswersTest, AFourthOfferReplacesTheThirdAndKeepsTheFirstTwo) {
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

TEST_F(OfferAnswersTest, ADecisionCardOffersNoRefusalForAPlayerWorthNothing) {
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
