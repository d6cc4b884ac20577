// SPDX-License-Identifier: GPL-3.0-or-later
// The off-season clear-out when the transfer window opens: old players retire,
// unhappy players and over-age youth go to the free-agent pool, two youth
// players arrive and the roster is refilled to eleven.
#include <numeric>
#include <stdexcept>

#include "league/world.h"
#include "players/tteam.h"
#include "transfers/tradelog.h"
#include "transfers/ttrade.h"

namespace vm {
namespace {

// A player this many years past his peak retires when he is no longer good enough.
constexpr int kRetireYears = 4;
// Youth players older than this leave.
constexpr int kYouthAge = 20;
// The lowest retirement bar, whatever the coaches.
constexpr int kRetireFloor = 100;

int total(const Attrs& a) {
    return std::accumulate(a.begin(), a.end(), 0);
}

}  // namespace

void Tteam::offseason() {
    World& w = *world_;
    if (!w.trade) throw std::logic_error("the clear-out needs an open transfer window");
    Ttrade& trade = *w.trade;
    // The log is read before anything changes, so a missing log leaves the club as it was.
    std::vector<std::string> log = readtradelog(w);
    const std::size_t logged = log.size();

    const int bar = std::max(total(coachpower) / 2, kRetireFloor);
    for (int i = playerhigh(); i >= 0; --i) {
        Tplayer& p = *roster[i];
        const bool retires = p.age - p.peak > kRetireYears && total(p.ability) < bar;
        if (retires) {
            log.push_back(commatext({name, p.name, "0", "－>", "引退", std::to_string(clubno)}));
            playerremove(i);
        } else if (p.value == 0) {
            log.push_back(commatext({name, p.name, "0", "→", "退団", std::to_string(clubno)}));
            trade.addfreeagent(playerremove(i));
        } else {
            p.ratingadd(0);
        }
    }
    if (log.size() != logged) writetradelog(w, log);

    for (int k = static_cast<int>(youth.size()) - 1; k >= 0; --k) {
        if (youth[k]->age <= kYouthAge) continue;
        youth[k]->moodadd(-100);
        trade.addfreeagent(takeOut(youth, k));
    }

    youthmake();
    youthmake();

    while (roster.size() <= 10) {
        youthpromote(bestyouth());
        if (youth.empty()) youthmake();
    }
}

}  // namespace vm
