// SPDX-License-Identifier: GPL-3.0-or-later
// The match-day driver: what the two clicks of a match day do to the world.
#include "season/matchdayflow.h"

#include <stdexcept>

#include "league/runner.h"
#include "league/tleague.h"
#include "league/window.h"
#include "league/world.h"

namespace vm {

MatchDayFlow::MatchDayFlow(World& world) : world_(world) {
    nextstep_ = world.leagues[0] && world.leagues[1] ? 1 : 0;
}

void MatchDayFlow::reshown() {
    if (!world_.leagues[0]) nextstep_ = 0;
}

MatchDayFlow::Step MatchDayFlow::click() {
    if (running_ || failed_) return Step::none;
    ++nextstep_;
    switch (nextstep_) {
        case 1: return Step::trade;
        case 2: return Step::automatch;
        case 3: return Step::next;
        default: return Step::none;
    }
}

bool MatchDayFlow::totrade(bool yes) {
    if (nextstep_ != 1 || world_.leagues[0])
        throw std::logic_error("the transfer window opens between seasons");
    if (!yes) {
        nextstep_ = 0;
        return false;
    }
    try {
        tradeopen(world_);
    } catch (...) {
        nextstep_ = 0;
        throw;
    }
    return true;
}

void MatchDayFlow::toautomatch(bool skip, const Pacing& pacing) {
    if (nextstep_ != 2 || prepared_)
        throw std::logic_error("a match day is prepared once, on the first click");
    runningleague(world_, 1);
    runningleague(world_, 2);
    prepared_ = true;
    skip_ = skip;
    // From here on every step changes the world: whatever stops it leaves
    // the match day half played.
    try {
        prepareandplay(pacing);
    } catch (...) {
        failed_ = true;
        throw;
    }
}

void MatchDayFlow::prepareandplay(const Pacing& pacing) {
    world_.team(0).training();
    for (int c = 1; c < kClubCount; ++c) {
        Tteam& club = world_.team(c);
        club.autoselect();
        club.formationload();
        club.training();
    }
    prematch(world_, 1);
    prematch(world_, 2);
    if (!skip_) return;  // the live view plays the fixtures in step with the user's match

    running_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{running_};
    int fill = 0;
    for (int d = 1; d <= 2; ++d) {
        for (int j = 0; j < kHeadlessSteps; ++j) {
            matchday(world_, d, true, 4 * j);
            if (pacing.events) pacing.events();
            if (j % kPauseEvery == 0 && pacing.pause) pacing.pause();
            if (j % kProgressEvery == 0) {
                ++fill;
                if (pacing.progress) pacing.progress(fill);
            }
        }
    }
}

bool MatchDayFlow::tonext() {
    if (failed_) throw std::logic_error("the match day stopped part way");
    if (nextstep_ != 3 || !prepared_) throw std::logic_error("the match day has not been prepared");
    return !skip_;
}

void MatchDayFlow::handoverfailed() {
    if (nextstep_ == 3) nextstep_ = 2;
}

}  // namespace vm
