// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's coach: plain answers to every question of a season.
#include "season/simplecoach.h"

#include <charconv>

#include "players/tteam.h"
#include "util/grid.h"

namespace vm {

bool computerwouldpromote(const Tteam& club, int k) {
    // The rule weighs each youth player against the line-up alone, so one
    // youth player at a time beside a copy of the roster gives its verdict.
    auto copy = Tteam::blank(club.world(), club.clubno);
    for (const auto& p : club.roster) copy->roster.push_back(std::make_unique<Tplayer>(*p));
    copy->youth.push_back(std::make_unique<Tplayer>(*club.youth.at(k)));
    copy->autoyouth();
    return copy->youth.empty();
}

void SimpleCoach::offers(Ttrade&, const Grid&) {}

void SimpleCoach::decide(Ttrade& trade, const OwnerDecision& decision) {
    trade.acceptoffer(decision.record);
}

void SimpleCoach::inform(const std::string& text) {
    heard.push_back(text);
}

bool SimpleCoach::opentrade(const World&) {
    return true;
}

bool SimpleCoach::watch(const World&) {
    return false;
}

std::optional<int> SimpleCoach::youth(const Tteam& club, const Grid& table) {
    for (int r = 1; r < table.rowCount(); ++r) {
        const std::string& cell = table.cell(11, r);
        int k = -1;
        std::from_chars(cell.data(), cell.data() + cell.size(), k);
        if (k >= 0 && k < static_cast<int>(club.youth.size()) && computerwouldpromote(club, k)) return r;
    }
    return std::nullopt;
}

int SimpleCoach::doctor(const Tteam& club, const Grid& table) {
    // The dearest doctor the money reaches; the first when it reaches none.
    int best = 1, bestfee = -1;
    for (int r = 1; r < table.rowCount(); ++r) {
        const std::string& cell = table.cell(1, r);
        int fee = -1;
        std::from_chars(cell.data(), cell.data() + cell.size(), fee);
        if (fee >= 0 && fee <= club.money && fee >= bestfee) {
            best = r;
            bestfee = fee;
        }
    }
    return best;
}

std::optional<std::string> SimpleCoach::replacement(const Tteam&, const std::vector<std::string>&) {
    return std::nullopt;
}

}  // namespace vm
