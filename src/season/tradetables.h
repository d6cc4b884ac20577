// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer screen's tables of the user's side: his own players, his
// offers in priority order, and the marking of the asking prices the owners
// raised in the week's offers table.
#pragma once

#include "util/grid.h"

namespace vm {

class Tteam;
class Ttrade;

// The columns of the own-players table: "トップ" or "ユース", then the
// player row up to the condition. Youth rows hold the youth index and the
// sum of the seven attributes in the Value and Gol columns.
enum OwnCol {
    kOwnKind = 0,
    kOwnAt = 3,
    kOwnLeg = 11,
    kOwnValue = 12,
    kOwnGoals = 13,
    kOwnCondition = 15,
    kOwnCols = 16,
};
inline constexpr const char* kTopRow = "トップ";
inline constexpr const char* kYouthRow = "ユース";

// The columns of the user's offers table: the priority (1..3), the owner's
// name, the player row, then the owner number and the index as plain numbers.
enum OfferCol {
    kOfferPriority = 0,
    kOfferAt = 4,
    kOfferLeg = 12,
    kOfferCondition = 16,
    kOfferOwner = 17,
    kOfferIndex = 18,
    kOfferCols = 19,
};

// The columns of the week's offers table that the marking reads.
enum BookCol {
    kBookValue = 2,
    kBookOwner = 5,
    kBookIndex = 6,
};

// The user's players: every roster player, then every youth player.
Grid owngrid(const Tteam& club);

// Club 0's offers, one row each in priority order.
Grid offergrid(const Ttrade& trade);

// In the week's offers table, every shown value whose asking price an owner
// raised becomes "*" and twice the value. A marked cell is no number and is
// never marked again.
void offerdelgrid(const Ttrade& trade, Grid& offers);

}  // namespace vm
