// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool world: the world as the game builds it at start-up, after a
// new game (names, line-ups, formation spots, coaches) and at a season start
// (both divisions' schedules and tables).
#include <ostream>
#include <utility>

#include "command.h"
#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "output.h"
#include "util/arith.h"
#include "util/grid.h"
#include "workdir.h"

namespace vm::cli {
namespace {

int startLevel(int club) {
    return club < 10 ? (club / 5) * 5 + 15 : (club / 5) * 5 + 30;
}

// "00".."10" for the starting eleven, "11" and "12" for the bench, "--" beyond.
std::string slotText(std::size_t i) {
    return i <= 12 ? pad(static_cast<int>(i), 2) : "--";
}

// Whole numbers separated by commas.
template <class Range>
void printInts(std::ostream& out, const Range& values) {
    bool first = true;
    for (int v : values) out << (std::exchange(first, false) ? "" : ",") << v;
}

void printClubText(std::ostream& out, const Tteam& club, bool lineup) {
    if (!lineup) {
        printRoster(out, club);
        return;
    }
    out << "  Slot,Name,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,Value,Gol,Asi,Cnd\n";
    for (std::size_t i = 0; i < club.roster.size(); ++i) {
        auto cells = splitCommas(club.roster[i]->datatext());
        cells[2] = posText(club.roster[i]->at);
        cells[10] = legText(club.roster[i]->leg);
        out << "  " << slotText(i);
        for (const auto& c : cells) out << "," << c;
        out << "\n";
    }
    out << "  Formation:";
    for (std::size_t s = 0; s < club.position.size(); ++s)
        out << " " << s << "=(" << club.position[s].x << "," << club.position[s].y << ")";
    out << "\n";
    for (int j = 0; j < 3; ++j) {
        out << "  Coach" << j + 1 << ": ";
        printInts(out, club.coach[j]);
        out << "\n";
    }
    out << "  Power : ";
    printInts(out, club.coachpower);
    out << "\n";
}

void printLeagueText(std::ostream& out, const Tleague& league) {
    out << "Division " << league.division << " schedule (club numbers, first side vs second side)\n";
    for (int r = 0; r < kRounds; ++r) {
        out << "  Round " << pad(r, 2) << ":";
        for (const Pairing& p : league.schedule[r])
            out << "  " << pad(league.clubOfRow(p.first), 2) << "-" << pad(league.clubOfRow(p.second), 2);
        out << "\n";
    }
    Grid g;
    league.rankgrid(g, false);
    out << "Division " << league.division << " table\n";
    for (int r = 0; r < g.rowCount(); ++r) out << "  " << g.rowText(r) << "\n";
}

int runWorld(const std::vector<std::string>& args, std::ostream& out) {
    Workdir dir(args);
    auto world = dir.world(args);
    const bool json = flag(args, "--json");
    const bool season = flag(args, "--season");
    const bool lineup = flag(args, "--new-game") || season;
    if (lineup) newgame(*world);
    if (season) seasonstart(*world);

    if (json) out << "{\"clubs\":[";
    for (int k = 0; k < kClubCount; ++k) {
        const Tteam& club = world->team(k);
        if (json) {
            out << (k ? "," : "") << "{";
            printClubFields(out, club);
            out << ",\"level\":" << startLevel(k) << ",\"popularity\":" << club.popularity
                << ",\"division\":" << world->divof(k) << "}";
        } else {
            out << "Club " << k;
            if (lineup) out << " " << club.name;
            out << "  level " << startLevel(k) << "  money " << club.money << "  popularity "
                << club.popularity << "  Div" << world->divof(k) << "\n";
            printClubText(out, club, lineup);
        }
    }
    if (json) out << "]";
    if (season) {
        if (json) out << ",\"divisions\":[";
        for (int d = 0; d < 2; ++d) {
            if (json) {
                if (d) out << ",";
                printLeagueJson(out, *world->leagues[d]);
            } else {
                printLeagueText(out, *world->leagues[d]);
            }
        }
        if (json) out << "]";
    }
    if (json) out << "}\n";
    return 0;
}

}  // namespace

VM_COMMAND("world", "world --seed N [--new-game [--season]] [--json] [--data DIR]", runWorld);

}  // namespace vm::cli
