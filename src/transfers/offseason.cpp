// SPDX-License-Identifier: GPL-3.0-or-later
// The off-season clear-out of a club when the transfer window opens: old
// players retire, unhappy players and over-age youth go to the engine's
// free-agent pool, two youth players arrive and the roster is refilled to eleven.
#include <algorithm>
#include <numeric>

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

void Ttrade::offseason(Tteam& club) {
    // The log is read before anything changes, so a missing log leaves the club as it was.
    std::vector<std::string> log = readtradelog(world());
    const std::size_t logged = log.size();

    const int bar = std::max(total(club.coachpower) / 2, kRetireFloor);
    for (int i = club.playerhigh(); i >= 0; --i) {
        Tplayer& p = *club.roster[i];
        const bool retires = p.age - p.peak > kRetireYears && total(p.ability) < bar;
        if (retires) {
            log.push_back(commatext({club.name, p.name, "0", "－>", "引退", std::to_string(club.clubno)}));
            club.playerremove(i);
        } else if (p.value == 0) {
            log.push_back(commatext({club.name, p.name, "0", "→", "退団", std::to_string(club.clubno)}));
            addfreeagent(club.playerremove(i));
        } else {
            p.ratingadd(0);
        }
    }
    if (log.size() != logged) writetradelog(world(), log);

    for (int k = static_cast<int>(club.youth.size()) - 1; k >= 0; --k) {
        if (club.youth[k]->age <= kYouthAge) continue;
        club.youth[k]->moodadd(-100);
        addfreeagent(takeOut(club.youth, k));
    }

    club.youthmake();
    club.youthmake();

    while (club.roster.size() <= 10) {
        club.youthpromote(club.bestyouth());
        if (club.youth.empty()) club.youthmake();
    }
}

}  // namespace vm
