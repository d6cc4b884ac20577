// SPDX-License-Identifier: GPL-3.0-or-later
// What one page of the news shows: the title, the message lines, the table
// and the goal boxes, and which of the page's own controls are offered. The
// news screen lays it out; the flow fills it.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "league/tleague.h"
#include "players/tteam.h"
#include "util/grid.h"

namespace vm {

enum class PageKind {
    opening,      // the caster's welcome
    results,      // a division's results of the match day
    table,        // a division's table
    scorers,      // a division's scorer ranking
    assists,      // a division's assist ranking
    opponent,     // the next opponent's predicted line-up
    injuries,     // the injury news
    replacement,  // Division 2's last club and the versus clubs that may replace it
    doctor,       // the doctor for next season
    versus,       // the result of a versus match
    trades,       // every transfer and retirement of the window
    ourtrades,    // those involving club 0
    youth,        // club 0's youth players for promotion
    history,      // the club's past seasons (website)
    offseason,    // the website between seasons
    menu,         // the website's menu
    end,          // the end of the programme
};

// Where a page's table stands and how wide its columns are, in screen pixels.
// A row's height includes its grid line, so rows of 51 step like the goal
// boxes beside the results. Columns that only keep the page's own references
// (a condition figure, an index) are listed with width 0: out of sight.
struct TableLayout {
    int left = 0;
    int width = 0;
    int height = 0;
    int rowHeight = 20;
    int columnWidth = 20;                      // every column not listed below
    std::vector<std::pair<int, int>> columns;  // (column, width)
};

// One line of a division's table, as a table page shows it.
struct TableLine {
    int club = 0;
    std::string name;
    int wins = 0, draws = 0, losses = 0, goalsfor = 0, against = 0, difference = 0, points = 0;
};

// One line of a scorer or assist ranking.
struct RankLine {
    int rank = 0;
    int count = 0;
    int club = -1;  // -1 when the ranking list names no club
    std::string clubname;
    std::string player;
};

struct NewsPage {
    PageKind kind = PageKind::opening;
    int number = 0;    // the page counter the page was shown for (-1 on the website)
    int division = 0;  // the division of a results, table or ranking page
    std::string title;
    std::vector<std::string> message;

    bool tableVisible = false;
    Grid table;
    TableLayout layout;
    int fixedCols = 0;      // a fixed first column (shirt numbers)
    int conditionCol = -1;  // the column whose figure colours the row, or -1

    // Goal boxes by fixture (0..4) and side (0 left, 1 right), one line per goal.
    bool goalsVisible = false;
    std::array<std::array<std::vector<std::string>, 2>, kPairings> goals{};

    // The opponent page: where the shirt numbers "01".."11" stand on the small pitch.
    std::vector<Point> shirts;
    // The replacement page: the versus files on offer (names without ".dat").
    bool replacementOffered = false;
    std::vector<std::string> versusFiles;
    // The youth page: "TOPへ昇格" is offered.
    bool youthOffered = false;
    // The last match day's ranking pages fill the first-ranked rows' rank cell yellow.
    bool leaders = false;
    // What the table shows, as figures: a table page's division in the
    // table's order, a ranking page's ranked players in the ranking's order.
    std::vector<TableLine> standings;
    std::vector<RankLine> ranking;
    // The trade report: players who moved to another club, and those who
    // retired or were released.
    int transfers = 0;
    int departures = 0;
    // The large caster picture and a message over the full width (start and end).
    bool largeCaster = false;
    // The end page: the title screen follows (after a versus match), else the main screen.
    bool toTitle = false;
};

}  // namespace vm
