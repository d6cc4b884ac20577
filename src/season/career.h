// SPDX-License-Identifier: GPL-3.0-or-later
// Whole seasons without a display: the same steps the screens take one click
// at a time (the transfer window week by week, the news pages, the two clicks
// of every match day), called in a loop with a Coach answering for club 0.
// The command-line tool, the tests and the benchmark play careers with it.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "season/coach.h"
#include "season/newspage.h"
#include "season/pacing.h"

namespace vm {

class World;
struct NewsPage;

// What just happened, for an observer that checks or reports after each step.
struct FlowEvent {
    enum Kind {
        windowOpened,    // the transfer engine and every club's clear-out
        tradeWeek,       // one week of the window settled (week = 1..3)
        windowClosed,    // the engine discarded
        newsPage,        // a page of the news shown (page)
        matchDayDue,     // a match day is about to be prepared
        matchDayPlayed,  // the fixtures of both divisions are booked
    };
    Kind kind;
    int week = 0;
    const NewsPage* page = nullptr;
};

struct FlowHooks {
    Pacing pacing;
    std::function<void(const FlowEvent&)> observe;
    // Plays club 0's match with a view when the coach wants to watch; without
    // one a watched match day is played unseen, like a skipped one.
    std::function<void(World&)> watchmatch;
};

// A season as the news reported it.
struct SeasonSummary {
    bool played = false;  // false when the coach kept the game between seasons
    int year = 0;
    std::array<std::vector<TableLine>, 2> tables;  // final tables of Division 1 and 2, champion first
    std::array<std::vector<RankLine>, 2> scorers;
    std::array<std::vector<RankLine>, 2> assists;
    std::vector<int> promoted;   // Division 2's first two
    std::vector<int> relegated;  // Division 1's last two
    int transfers = 0;           // players who changed club in the window
    int departures = 0;          // retirements and releases at its opening
    int matchdays = 0;
    int matches = 0;
    int goals = 0;
    int replaced = 0;  // the club a versus club replaced, 0 for none
};

// The transfer window from the transfer question to its close. False (and
// nothing changed) when the coach declines.
bool playtransferwindow(World& world, Coach& coach, const FlowHooks& hooks = {});
// A news programme from `start` to its end, the coach answering its questions.
void playnews(World& world, int start, Coach& coach, const FlowHooks& hooks = {},
              SeasonSummary* summary = nullptr);
// One match day: the two clicks and the news after it.
void playday(World& world, Coach& coach, const FlowHooks& hooks = {}, SeasonSummary* summary = nullptr);
// The rest of a season: between seasons the transfer window and the news after
// it first, then every match day left, up to the season's end with its doctor
// and replacement choices.
SeasonSummary playseason(World& world, Coach& coach, const FlowHooks& hooks = {});

}  // namespace vm
