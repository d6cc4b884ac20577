// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the season asks of the person running club 0, in one place: the
// transfer question, watch or skip, the transfer window's offers and answers,
// which youth player to promote, which doctor to hire and which versus club
// replaces Division 2's last. The screens answer click by click through the
// flow's own operations; the command-line tool and the tests answer through
// this interface when they play whole seasons in a loop.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "league/window.h"

namespace vm {

class World;
class Grid;
class Tteam;

class Coach : public TradeChoices {
public:
    // The question before the transfer window opens (kTradeQuestion); false
    // keeps the game between seasons.
    virtual bool opentrade(const World& world) = 0;
    // True to watch club 0's match live, false to skip it.
    virtual bool watch(const World& world) = 0;
    // The youth page: the table row (1..) of the youth player to promote next,
    // or nothing to keep the rest in the youth squad. Asked again after every
    // promotion while youth players remain.
    virtual std::optional<int> youth(const Tteam& club, const Grid& table) = 0;
    // The doctor page: the table row (1..) of the doctor to hire. The table
    // holds only the doctors the club can afford (and always the first).
    virtual int doctor(const Tteam& club, const Grid& table) = 0;
    // The replacement page: the versus file (its name without ".dat") whose
    // club takes the place of Division 2's last club `club`, or nothing to keep it.
    virtual std::optional<std::string> replacement(const Tteam& club,
                                                   const std::vector<std::string>& files) = 0;
};

}  // namespace vm
