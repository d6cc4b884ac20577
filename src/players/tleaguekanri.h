// SPDX-License-Identifier: GPL-3.0-or-later
// The league manager: the season number, the user's division and the club
// lists of both divisions. The season operations on it live in league/season.h.
#pragma once

#include <string>
#include <vector>

namespace vm {

class Tleaguekanri {
public:
    Tleaguekanri();

    std::string div1list;
    std::string div2list;
    int mydiv = 2;
    int year = 1;

    // 2 when club k is in Division 2's list, otherwise 1 (also for 99).
    int divof(int k) const;
    // The club numbers of a division's list (1 or 2), in list order.
    std::vector<int> clubsOf(int division) const;
};

// A list of club numbers as the manager keeps them: "%.2d," for each.
std::string clubListText(const std::vector<int>& clubs);

}  // namespace vm
