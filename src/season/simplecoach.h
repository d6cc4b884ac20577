// SPDX-License-Identifier: GPL-3.0-or-later
// A plain coach for club 0 that needs nobody at the screen: it skips every
// match, makes no offers and accepts every offer for its players, promotes
// the youth players the computer clubs' rule would promote, hires the best
// doctor it can afford and keeps Division 2's last club. The command-line
// tool, the tests and the benchmark play with it.
#pragma once

#include <string>
#include <vector>

#include "season/coach.h"

namespace vm {

class SimpleCoach : public Coach {
public:
    void offers(Ttrade& trade, const Grid& recommended) override;
    void decide(Ttrade& trade, const OwnerDecision& decision) override;
    void inform(const std::string& text) override;
    bool opentrade(const World& world) override;
    bool watch(const World& world) override;
    std::optional<int> youth(const Tteam& club, const Grid& table) override;
    int doctor(const Tteam& club, const Grid& table) override;
    std::optional<std::string> replacement(const Tteam& club, const std::vector<std::string>& files) override;

    // What the window and the news told the coach, in order.
    std::vector<std::string> heard;
};

// Whether the computer clubs' promotion rule would take youth player k of
// this club into the first team. Asks the rule itself on a copy of the squad,
// so the club is left untouched.
bool computerwouldpromote(const Tteam& club, int k);

}  // namespace vm
