// SPDX-License-Identifier: GPL-3.0-or-later
// Tracking numbers and the fresh start of the career's statistics.
#include "league/careerstats.h"

#include "league/tleague.h"
#include "league/world.h"
#include "players/tplayer.h"

namespace vm {

static_assert(kStatsClubs == kClubCount && kStatsRounds == kRounds);

int CareerStats::track(Tplayer& p) {
    if (p.statsid == 0) p.statsid = nextid++;
    return p.statsid;
}

void CareerStats::restart(int fromSeason) {
    const int next = nextid;
    *this = CareerStats{};
    nextid = next;
    since = fromSeason;
    season = fromSeason;
}

}  // namespace vm
