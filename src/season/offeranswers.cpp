// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/offeranswers.h"

#include <algorithm>

#include "league/world.h"
#include "season/playercard.h"
#include "transfers/ttrade.h"

namespace vm {

std::string offerready(const Ttrade& trade, const std::string& key) {
    return trade.hasoffer(key) ? kDropOfferText : kMakeOfferText;
}

void pressoffer(Ttrade& trade, const std::string& key) {
    if (trade.hasoffer(key))
        trade.withdrawoffer(key);
    else
        trade.addoffer(key);
}

DecisionCard tradeinfo(const World& world, const PlayerCard& card, int record) {
    DecisionCard d;
    d.record = record;
    d.refusable = card.identity[kCardValue] != "0";
    d.message = {"この選手にオファーが来ました。", "どうしますか？",
                 "現在の所持金は" + std::to_string(world.team(0).money) + "です"};
    return d;
}

bool awaitsanswer(const World& world, const DecisionCard& decision) {
    const Ttrade* trade = world.trade.get();
    return trade && std::find(trade->opendecisions.begin(), trade->opendecisions.end(), decision.record) !=
                        trade->opendecisions.end();
}

void answeroffer(World& world, const DecisionCard& decision, bool accepted) {
    if (!awaitsanswer(world, decision)) return;
    if (accepted)
        world.trade->acceptoffer(decision.record);
    else
        world.trade->refuseoffer(decision.record);
}

}  // namespace vm
