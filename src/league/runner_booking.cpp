// SPDX-License-Identifier: GPL-3.0-or-later
// The runner's booking of a finished match: goal lines into result files,
// scorers and assistants into the ranking lists, the result into the table
// and every player's form.
#include <algorithm>
#include <filesystem>
#include <string>

#include "league/homeside.h"
#include "league/runner.h"
#include "league/tleague.h"
#include "league/world.h"
#include "match/tgame.h"
#include "util/arith.h"
#include "util/errors.h"
#include "util/grid.h"
#include "util/textfile.h"

namespace vm {

namespace {

bool twodigits(const std::string& line, std::size_t at) {
    return line[at] >= '0' && line[at] <= '9' && line[at + 1] >= '0' && line[at + 1] <= '9';
}

// A two-digit code of a goal line: a roster index of the club, or 99.
int linecode(const std::string& line, std::size_t at, const Tteam& team, const std::string& file) {
    if (!twodigits(line, at)) throw DataError("ゴールファイルが壊れています: " + file);
    const int code = (line[at] - '0') * 10 + (line[at + 1] - '0');
    if (code != 99 && code > team.playerhigh()) throw DataError("ゴールファイルが壊れています: " + file);
    return code;
}

}  // namespace

std::string resultfilename(int division, int fixture, int side) {
    return "data/tmp/" + std::to_string(division) + std::to_string(fixture) + std::to_string(side);
}

void goalfile(World& world, int division, int fixture) {
    Tleague& league = runningleague(world, division);
    const Pairing& pairing = league.schedule[league.round][fixture];
    for (int side = 0; side < 2; ++side) {
        const std::string name = goalfilename(side);
        const std::filesystem::path file = world.path(name);
        std::vector<std::string> lines = readLines(file);
        const int clubno = league.clubOfRow(side == 0 ? pairing.first : pairing.second);
        Tteam& team = world.team(clubno);
        // Check every line before anything is booked.
        for (const std::string& line : lines) {
            if ((line.size() != 4 && line.size() != 6) || !twodigits(line, 0))
                throw DataError("ゴールファイルが壊れています: " + name);
            const int scorer = linecode(line, 2, team, name);
            if (line.size() == 6 && (scorer == 99 || linecode(line, 4, team, name) == 99))
                throw DataError("ゴールファイルが壊れています: " + name);
        }
        league.lastscore[side] = static_cast<int>(lines.size());
        for (std::string& line : lines) {
            const int code = linecode(line, 2, team, name);
            if (code != 99) {
                Tplayer& p = team.getplayer(code);
                p.goals += 1;
                p.formdelta += 1;
                p.ratingadd(5);
                addscorer(world, clubno, p.goals, league.scorerlist, p.name);
            }
            if (line.size() == 6) {
                Tplayer& a = team.getplayer(linecode(line, 4, team, name));
                a.assists += 1;
                a.formdelta += 1;
                a.ratingadd(5);
                addscorer(world, clubno, a.assists, league.assistlist, a.name);
            }
            line = goaltext(team, line);
        }
        writeLines(world.path(resultfilename(division, fixture, side)), lines);
        std::error_code ec;
        std::filesystem::remove(file, ec);
    }
}

std::string goaltext(const Tteam& team, const std::string& line) {
    const int code = std::stoi(line.substr(2, 2));
    std::string text = code == 99 ? "Own Goal" : pad(code + 1, 2) + team.getplayer(code).name;
    if (line.size() == 6) {
        const int helper = std::stoi(line.substr(4, 2));
        text = pad(helper + 1, 2) + team.getplayer(helper).name + "→" + text;
    }
    return line.substr(0, 2) + "分　" + text;
}

void addscorer(World& world, int club, int count, std::vector<std::string>& list, const std::string& name) {
    const std::string tail = "," + world.team(club).name + "," + name + "," + pad(club, 2);
    const auto old = std::find(list.begin(), list.end(), pad(count - 1, 2) + tail);
    if (old != list.end()) list.erase(old);
    list.push_back(pad(count, 2) + tail);
    // The game's text order, as every table sorts its texts; entries with
    // the same key keep their places, so the order never depends on chance.
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(list.size());
    for (std::string& entry : list) keyed.emplace_back(gridTextKey(entry), std::move(entry));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i) list[i] = std::move(keyed[i].second);
}

void matchend(World& world, int division, int fixture) {
    Tleague& league = runningleague(world, division);
    const Pairing& pairing = league.schedule[league.round][fixture];
    // Home and away as in the match itself; from match day 18 nobody is away.
    const int home = homesideforround(runningleague(world, 1).round);
    resultpoints(world, division, pairing.first, league.lastscore[0], league.lastscore[1],
                 !playsaway(home, 0));
    resultpoints(world, division, pairing.second, league.lastscore[1], league.lastscore[0],
                 !playsaway(home, 1));
}

void resultpoints(World& world, int division, int row, int gf, int ga, bool home) {
    Tleague& league = runningleague(world, division);
    auto& t = league.table.at(row);
    t[Tleague::cFor] += gf;
    t[Tleague::cAgainst] += ga;
    t[Tleague::cDiff] = t[Tleague::cFor] - t[Tleague::cAgainst];

    Tteam& team = world.team(league.clubOfRow(row));
    const int result = gf > ga ? 1 : gf == ga ? 0 : ga - gf == 1 ? -2 : -3;
    for (int slot = 0; slot <= 10 && slot <= team.playerhigh(); ++slot) {
        Tplayer& p = team.getplayer(slot);
        // Added to what his goals and assists of the match already earned him.
        p.formdelta += result;
        const int sx = team.position[slot].x - 6;
        if (sx <= 160 && ga == 0) {
            p.formdelta += 1;  // a clean sheet for the back players
        } else if (sx > 160 && gf == 0) {
            p.formdelta -= 1;  // no goal for the front players
        }
        if (!home) p.formdelta += 1;
        p.formupdate();
    }
    for (int i = 11; i <= 12 && i <= team.playerhigh(); ++i) {
        if (team.getplayer(i).formdelta != 0) team.getplayer(i).formupdate();
    }
    for (int i = 13; i <= team.playerhigh(); ++i) team.getplayer(i).formdecay(1);

    if (gf == ga) {
        t[Tleague::cDraws] += 1;
        t[Tleague::cPoints] += 1;
    } else if (gf > ga) {
        t[Tleague::cWins] += 1;
        t[Tleague::cPoints] += 3;
    } else {
        t[Tleague::cLosses] += 1;
    }
}

}  // namespace vm
