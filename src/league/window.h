// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer window week by week, in the order the transfer screen and the
// command-line tool both follow: open, then three times tradestart ->
// offerdecide -> movedecide -> playermove, then tradeend. The user's choices
// come in through TradeChoices.
#pragma once

#include <string>

#include "transfers/ttrade.h"

namespace vm {

class World;

// What the window asks of the user. The screens answer through player cards
// and message boxes, the tool and the tests by script.
class TradeChoices {
public:
    virtual ~TradeChoices() = default;
    // The week's market is open. The user places offers with Ttrade::addoffer,
    // withdrawoffer and swapoffers, now or at any time before offerdecide.
    virtual void offers(Ttrade& trade, const Grid& recommended) = 0;
    // Clubs bid for one of the user's players. The user answers with
    // Ttrade::acceptoffer or refuseoffer, now or at any time before playermove.
    virtual void decide(Ttrade& trade, const OwnerDecision& decision) = 0;
    // A message for the user ("移籍はありませんでした").
    virtual void inform(const std::string& text) = 0;
};

// The last week of a window.
inline constexpr int kTradeWeeks = 3;

// Opens the window: the transfer engine and every club's clear-out, in club
// order. Throws DataError when the trade log cannot be started; the world is
// unchanged then.
void tradeopen(World& world);
// The week's market and the recommendations; then the user's offers.
void tradestart(World& world, TradeChoices& choices, Grid& recommended);
// The computer clubs' offers and the offer book.
void offerdecide(World& world, Grid& offers);
// The owners' decisions; the user is asked for each offer on his players.
void movedecide(World& world, TradeChoices& choices);
// The settlement: results, moves, the computer clubs' line-ups, every club's
// training, the next week. Refuses (TradeStateError) while an offer for one
// of the user's players is unanswered; nothing changes then.
void playermove(World& world, TradeChoices& choices, Grid& results);
// True once the third week is settled.
bool tradeover(const World& world);
// Closes the window: the computer clubs' formations; the engine and the free
// agents left in it are discarded.
void tradeend(World& world);

// One whole week, for the tool and the tests.
void tradeweek(World& world, TradeChoices& choices);

}  // namespace vm
