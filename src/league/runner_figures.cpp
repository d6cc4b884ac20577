// SPDX-License-Identifier: GPL-3.0-or-later
// The runner's booking of a finished league match's figures into the career's
// statistics: the match day's record, the positions after the match day
// (ranked on a copy), and the user's club's result and players.
#include <memory>

#include "league/runner.h"
#include "league/tleague.h"
#include "league/world.h"
#include "match/tgame.h"

namespace vm {

namespace {

// The player behind a side's figures entry, or null.
Tplayer* entryPlayer(const Tteam& team, const Tgame& game, int side, int entry) {
    int index = entry;
    if (entry == kSubEntry) {
        if (game.sublog[side].slot < 0) return nullptr;
        index = game.sublog[side].index;
    }
    return index <= team.playerhigh() ? &team.getplayer(index) : nullptr;
}

void trackseason(CareerStats& st, Tplayer& p, int season) {
    TrackedPlayer& t = st.players[st.track(p)];
    t.name = p.name;
    if (t.seasons.empty() || t.seasons.back().season != season) t.seasons.push_back({season, {}});
    t.seasons.back().ability = p.ability;
}

void bookuser(World& world, const MatchRecord& rec, const Tgame& game, int side, int round) {
    CareerStats& st = world.stats;
    const int season = world.kanri.year;
    st.results.push_back({season, round, rec.names[1 - side], rec.goals[side], rec.goals[1 - side]});
    Tteam& club = world.team(0);
    for (int e = 0; e < kFigureMen; ++e) {
        Tplayer* p = entryPlayer(club, game, side, e);
        if (p == nullptr) continue;
        TrackedPlayer& t = st.players[st.track(*p)];
        t.name = p->name;
        t.games += 1;
        t.goals += rec.stats.men[side][e].goals;
        t.assists += rec.stats.men[side][e].assists;
    }
    for (auto* list : {&club.roster, &club.youth, &club.injured}) {
        for (auto& p : *list) trackseason(st, *p, season);
    }
}

}  // namespace

void bookfigures(World& world, int division, int fixture, const Tgame& game) {
    if (!game.observer) return;
    const Tleague& league = runningleague(world, division);
    CareerStats& st = world.stats;
    if (st.season != world.kanri.year) {
        st.season = world.kanri.year;
        st.positions = {};
        st.lastround = -1;
    }
    if (st.lastround != league.round) {
        st.lastround = league.round;
        st.lastday.clear();
    }
    MatchRecord rec;
    rec.division = division;
    rec.fixture = fixture;
    rec.clubs = game.club;
    rec.stats = game.observer->figures(game);
    for (int s = 0; s < 2; ++s) {
        const Tteam& team = world.team(game.club[s]);
        rec.names[s] = team.name;
        rec.goals[s] = game.goals(s);
        for (int e = 0; e < kFigureMen; ++e) {
            if (const Tplayer* p = entryPlayer(team, game, s, e)) rec.men[s][e] = p->name;
        }
    }
    st.lastday.push_back(rec);
    const auto ranks = league.workranks();
    for (int row = 0; row < kLeagueClubs; ++row)
        st.positions[league.clubOfRow(row)][league.round] = ranks[row] + 1;
    for (int s = 0; s < 2; ++s) {
        if (game.club[s] == 0) bookuser(world, st.lastday.back(), game, s, league.round);
    }
}

}  // namespace vm
