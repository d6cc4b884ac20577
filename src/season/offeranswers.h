// SPDX-License-Identifier: GPL-3.0-or-later
// The offers of the transfer window as the player card handles them: the
// offer button of the market's cards, and the decision card on which the
// user accepts or refuses an offer for one of his own players.
#pragma once

#include <string>
#include <vector>

namespace vm {

class World;
class Ttrade;
struct PlayerCard;

inline constexpr const char* kMakeOfferText = "オファーをする";
inline constexpr const char* kDropOfferText = "オファーをやめる";

// The offer button's caption for the card's player.
std::string offerready(const Ttrade& trade, const std::string& key);
// The offer button pressed: withdraws the offer when the user has made one,
// else makes it with the lowest priority (a fourth replaces the third).
// Throws TradeStateError once the week's offers are closed.
void pressoffer(Ttrade& trade, const std::string& key);

// A card turned into the answer to one record of the offer book.
struct DecisionCard {
    int record = 0;
    bool refusable = false;            // "移籍拒否" is offered
    std::vector<std::string> message;  // the lines of the message box
};
inline constexpr const char* kAcceptText = "移籍承諾";
inline constexpr const char* kRefuseText = "移籍拒否";

// Nobody holds a player worth nothing, so his card offers no refusal.
DecisionCard tradeinfo(const World& world, const PlayerCard& card, int record);

// True while the window is open and the decision's offer is still unanswered.
bool awaitsanswer(const World& world, const DecisionCard& decision);
// "移籍承諾" (accepted) or "移籍拒否" (refused, which doubles the asking
// price). An offer already answered, or of a window that closed, is left alone.
void answeroffer(World& world, const DecisionCard& decision, bool accepted);

}  // namespace vm
