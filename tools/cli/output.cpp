// SPDX-License-Identifier: GPL-3.0-or-later
// The shared printing of the tool's commands: JSON texts and the JSON forms of
// players, clubs and divisions.
#include "output.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "league/tleague.h"
#include "players/tteam.h"
#include "util/grid.h"

namespace vm::cli {

std::string jsonString(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

void jsonStrings(std::ostream& out, const std::vector<std::string>& texts) {
    jsonArray(out, texts, [&](const std::string& t) { out << jsonString(t); });
}

void printRoster(std::ostream& out, const Tteam& club) {
    out << "  Name,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,Value,Gol,Asi,Cnd\n";
    for (const auto& p : club.roster) out << "  " << p->datatext() << "\n";
}

namespace {

// The seven attributes as one object, in the game's order.
void attrsJson(std::ostream& out, const Attrs& values) {
    static const char* const keys[] = {"spe", "str", "ctl", "sho", "dri", "pas", "cro"};
    out << "{";
    for (std::size_t i = 0; i < values.size(); ++i)
        out << (i ? "," : "") << "\"" << keys[i] << "\":" << values[i];
    out << "}";
}

void playersJson(std::ostream& out, const PlayerList& list) {
    jsonArray(out, list, [&](const auto& p) { printPlayerJson(out, *p); });
}

// A whole number of a ranking line, or nullopt.
std::optional<int> wholeNumber(const std::string& text) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return v;
}

// One line of a scorer or assist ranking, "count,club name,player,club
// number"; a line of any other shape (only a damaged or foreign file holds
// one) is given as its text.
void rankLineJson(std::ostream& out, const std::string& line) {
    const auto cells = splitCommas(line);
    const auto count = cells.size() == 4 ? wholeNumber(cells[0]) : std::nullopt;
    const auto club = cells.size() == 4 ? wholeNumber(cells[3]) : std::nullopt;
    if (!count || !club) {
        out << "{\"text\":" << jsonString(line) << "}";
        return;
    }
    out << "{\"count\":" << *count << ",\"club\":" << *club << ",\"clubName\":" << jsonString(cells[1])
        << ",\"player\":" << jsonString(cells[2]) << "}";
}

}  // namespace

void printPlayerJson(std::ostream& out, const Tplayer& p) {
    out << "{\"name\":" << jsonString(p.name) << ",\"age\":" << p.age
        << ",\"position\":" << jsonString(posText(p.at)) << ",\"at\":" << p.at
        << ",\"foot\":" << jsonString(legText(p.leg)) << ",\"leg\":" << p.leg << ",\"ability\":";
    attrsJson(out, p.ability);
    out << ",\"value\":" << p.value << ",\"rating\":" << p.rating << ",\"games\":" << p.games
        << ",\"goals\":" << p.goals << ",\"assists\":" << p.assists << ",\"form\":" << p.form
        << ",\"condition\":" << p.condition() << ",\"mood\":" << p.mood << ",\"peak\":" << p.peak
        << ",\"injury\":" << p.injury << ",\"exp\":";
    attrsJson(out, p.exp);
    out << ",\"talent\":";
    attrsJson(out, p.talent);
    out << ",\"lastability\":";
    attrsJson(out, p.lastability);
    out << ",\"career\":" << jsonString(p.career) << "}";
}

void printClubFields(std::ostream& out, const Tteam& club) {
    out << "\"number\":" << club.clubno << ",\"name\":" << jsonString(club.name)
        << ",\"money\":" << club.money << ",\"doctor\":" << club.doctor << ",\"formation\":";
    jsonArray(out, club.position,
              [&](const Point& p) { out << "{\"x\":" << p.x << ",\"y\":" << p.y << "}"; });
    out << ",\"coachpower\":";
    attrsJson(out, club.coachpower);
    out << ",\"coaches\":";
    jsonArray(out, club.coach, [&](const Attrs& coach) { attrsJson(out, coach); });
    out << ",\"roster\":";
    playersJson(out, club.roster);
    out << ",\"youth\":";
    playersJson(out, club.youth);
    out << ",\"injured\":";
    playersJson(out, club.injured);
}

void printLeagueJson(std::ostream& out, const Tleague& league) {
    out << "{\"division\":" << league.division << ",\"round\":" << league.round << ",\"table\":";
    jsonArrayOf(out, kLeagueClubs, [&](int row) {
        const auto& t = league.table[row];
        out << "{\"club\":" << t[Tleague::cClub] << ",\"name\":" << jsonString(league.names[row])
            << ",\"wins\":" << t[Tleague::cWins] << ",\"draws\":" << t[Tleague::cDraws]
            << ",\"losses\":" << t[Tleague::cLosses] << ",\"for\":" << t[Tleague::cFor]
            << ",\"against\":" << t[Tleague::cAgainst] << ",\"difference\":" << t[Tleague::cDiff]
            << ",\"points\":" << t[Tleague::cPoints] << ",\"rank\":" << t[Tleague::cRank] << "}";
    });
    out << ",\"schedule\":";
    jsonArray(out, league.schedule, [&](const auto& round) {
        jsonArray(out, round, [&](const Pairing& p) {
            out << "[" << league.clubOfRow(p.first) << "," << league.clubOfRow(p.second) << "]";
        });
    });
    out << ",\"scorers\":";
    jsonArray(out, league.scorerlist, [&](const std::string& line) { rankLineJson(out, line); });
    out << ",\"assists\":";
    jsonArray(out, league.assistlist, [&](const std::string& line) { rankLineJson(out, line); });
    out << "}";
}

}  // namespace vm::cli
