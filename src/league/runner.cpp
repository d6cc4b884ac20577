// SPDX-License-Identifier: GPL-3.0-or-later
// The match-day runner's play: the players' preparation, and the creation,
// ticking and finishing of a division's headless fixtures.
#include "league/runner.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "league/homeside.h"
#include "league/tleague.h"
#include "league/world.h"
#include "match/tgame.h"

namespace vm {

namespace {
constexpr int kFullTime = 54000;  // the counter at 90 minutes; headless matches end here
}

Tleague& runningleague(World& world, int division) {
    if (division != 1 && division != 2) throw std::logic_error("division must be 1 or 2");
    Tleague* league = world.leagues[division - 1].get();
    if (league == nullptr) throw std::logic_error("no season is running");
    if (league->round < 0 || league->round >= kRounds) throw std::logic_error("no match day is due");
    return *league;
}

int useropponent(World& world, int division) {
    const Tleague& league = runningleague(world, division);
    return league.clubOfRow(league.schedule[league.round][0].second);
}

void prematch(World& world, int division) {
    const Tleague& league = runningleague(world, division);
    for (int row = 0; row < kLeagueClubs; ++row) {
        Tteam& team = world.team(league.clubOfRow(row));
        for (int i = 0; i <= 10 && i <= team.playerhigh(); ++i) team.getplayer(i).ratingadd(3 - division);
        for (int i = 13; i <= team.playerhigh(); ++i) {
            Tplayer& p = team.getplayer(i);
            const int e = std::min(std::abs(p.peak - p.age), 3);
            const int r = world.Random(5 - e);
            p.moodadd(-(3 * r) / 2);
        }
    }
}

void matchday(World& world, int division, bool all, int counter) {
    Tleague& league = runningleague(world, division);
    const int first = all ? 0 : 1;
    if (counter == 0) {
        const int home = homeside(world);
        for (int f = first; f < kPairings; ++f) {
            const Pairing& p = league.schedule[league.round][f];
            league.matchslots[f] =
                std::make_unique<Tgame>(world, league.clubOfRow(p.first), league.clubOfRow(p.second), home);
        }
    } else if (counter == kFullTime) {
        for (int f = first; f < kPairings; ++f) {
            if (!league.matchslots[f]) continue;
            // The match writes its goal files, which the booking reads at once.
            league.matchslots[f]->finish();
            const std::unique_ptr<Tgame> game = std::move(league.matchslots[f]);
            goalfile(world, division, f);
            matchend(world, division, f);
            bookfigures(world, division, f, *game);
        }
    } else if (counter > 0 && counter < kFullTime) {
        for (int f = first; f < kPairings; ++f) {
            Tgame* game = league.matchslots[f].get();
            if (game == nullptr) continue;
            game->gamestep(counter);
            game->autosub(0);
            game->autosub(1);
        }
    }
}

void playmatchday(World& world, int division) {
    for (int j = 0; j <= kFullTime / 4; ++j) matchday(world, division, true, 4 * j);
}

}  // namespace vm
