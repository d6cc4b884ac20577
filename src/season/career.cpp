// SPDX-License-Identifier: GPL-3.0-or-later
// The season loop: the screens' steps in their order, the coach answering.
#include "season/career.h"

#include <stdexcept>

#include "league/tleague.h"
#include "league/world.h"
#include "season/matchdayflow.h"
#include "season/newsprogramme.h"

namespace vm {
namespace {

void observe(const FlowHooks& hooks, FlowEvent::Kind kind, int week = 0, const NewsPage* page = nullptr) {
    if (hooks.observe) hooks.observe(FlowEvent{kind, week, page});
}

// What the season summary takes from a page.
void record(World& w, const NewsPage& pg, SeasonSummary& s) {
    const bool last = w.leagues[0] && w.leagues[0]->round == kRounds - 1;
    switch (pg.kind) {
        case PageKind::results:
            if (pg.division == 1) ++s.matchdays;
            for (const auto& fixture : pg.goals) {
                ++s.matches;
                s.goals += static_cast<int>(fixture[0].size() + fixture[1].size());
            }
            break;
        case PageKind::table: {
            if (!last) break;
            const std::vector<TableLine>& table = s.tables[pg.division - 1] = pg.standings;
            if (table.size() == kLeagueClubs) {
                if (pg.division == 1)
                    s.relegated = {table[8].club, table[9].club};
                else
                    s.promoted = {table[0].club, table[1].club};
            }
            break;
        }
        case PageKind::scorers:
        case PageKind::assists:
            if (pg.leaders)
                (pg.kind == PageKind::scorers ? s.scorers : s.assists)[pg.division - 1] = pg.ranking;
            break;
        case PageKind::trades:
            s.transfers += pg.transfers;
            s.departures += pg.departures;
            break;
        default: break;
    }
}

// The coach's answers on the pages that ask; an answer may turn the page.
void answer(World& w, NewsProgramme& news, Coach& coach, SeasonSummary* s) {
    const NewsPage& pg = news.page();
    switch (pg.kind) {
        case PageKind::replacement: {
            if (!pg.replacementOffered) break;
            const int club = news.swapclub();
            const auto pick = coach.replacement(w.team(club), pg.versusFiles);
            if (!pick) break;
            try {
                news.pickVersus(*pick);
                if (s) s->replaced = club;
            } catch (const std::exception& e) {
                // The slot is as it was; the club that finished last stays.
                coach.inform(e.what());
            }
            break;
        }
        case PageKind::doctor: news.selectDoctor(coach.doctor(w.team(0), pg.table)); break;
        case PageKind::youth:
            while (news.page().kind == PageKind::youth && news.page().tableVisible) {
                const auto row = coach.youth(w.team(0), news.page().table);
                if (!row) break;
                news.promoteYouth(*row);
            }
            break;
        default: break;
    }
}

}  // namespace

bool playtransferwindow(World& world, Coach& coach, const FlowHooks& hooks) {
    MatchDayFlow main(world);
    if (main.click() != MatchDayFlow::Step::trade)
        throw std::logic_error("the transfer window opens between seasons");
    if (!main.totrade(coach.opentrade(world))) return false;
    observe(hooks, FlowEvent::windowOpened);
    for (int week = 1; week <= kTradeWeeks; ++week) {
        tradeweek(world, coach);
        observe(hooks, FlowEvent::tradeWeek, week);
    }
    tradeend(world);
    observe(hooks, FlowEvent::windowClosed);
    return true;
}

void playnews(World& world, int start, Coach& coach, const FlowHooks& hooks, SeasonSummary* summary) {
    NewsProgramme news(world, start);
    observe(hooks, FlowEvent::newsPage, 0, &news.page());
    while (!news.finished()) {
        news.nextPage();
        // A page turned by an answer (the last youth player promoted) is
        // handled like one turned by a click.
        int handled = -2;
        while (!news.finished() && news.newspage() != handled) {
            handled = news.newspage();
            if (summary) record(world, news.page(), *summary);
            observe(hooks, FlowEvent::newsPage, 0, &news.page());
            answer(world, news, coach, summary);
        }
        if (news.finished()) observe(hooks, FlowEvent::newsPage, 0, &news.page());
    }
}

void playday(World& world, Coach& coach, const FlowHooks& hooks, SeasonSummary* summary) {
    MatchDayFlow main(world);
    observe(hooks, FlowEvent::matchDayDue);
    if (main.click() != MatchDayFlow::Step::automatch) throw std::logic_error("no match day is due");
    const bool live = coach.watch(world) && hooks.watchmatch;
    main.toautomatch(!live, hooks.pacing);
    main.click();
    if (main.tonext()) hooks.watchmatch(world);
    observe(hooks, FlowEvent::matchDayPlayed);
    playnews(world, kAfterMatchDay, coach, hooks, summary);
}

SeasonSummary playseason(World& world, Coach& coach, const FlowHooks& hooks) {
    SeasonSummary s;
    s.year = world.kanri.year;
    if (!world.leagues[0]) {
        if (!playtransferwindow(world, coach, hooks)) return s;
        playnews(world, kAfterTransfers, coach, hooks, &s);
    }
    s.played = true;
    while (world.leagues[0]) playday(world, coach, hooks, &s);
    return s;
}

}  // namespace vm
