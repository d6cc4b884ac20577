// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool inspect: what a saved game or a versus file holds. A file that
// cannot be read is reported on stderr with exit code 2.
#include <ostream>
#include <stdexcept>

#include "command.h"
#include "league/savefiles.h"
#include "league/savegame.h"
#include "league/tleague.h"
#include "league/versus.h"
#include "league/world.h"
#include "output.h"
#include "util/stream.h"
#include "workdir.h"

namespace vm::cli {
namespace {
namespace fs = std::filesystem;

// The first argument that is neither an option nor an option's value.
std::optional<std::string> positional(const std::vector<std::string>& args, std::size_t index) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) == 0) {
            if (args[i] != "--json") ++i;  // every other option takes a value
            continue;
        }
        if (seen++ == index) return args[i];
    }
    return std::nullopt;
}

// A saved game or a versus file: --kind, else the folder it lies in, else the
// bytes (a saved game's first club starts with its emblem, "BM").
bool isSave(const std::vector<std::string>& args, const fs::path& file, std::string_view bytes) {
    if (auto kind = option(args, "--kind")) {
        if (*kind == "save") return true;
        if (*kind == "vs") return false;
        throw std::invalid_argument("--kind は save か vs です: " + *kind);
    }
    const std::string folder = fs::absolute(file).parent_path().filename().string();
    if (folder == "savedata") return true;
    if (folder == "vs") return false;
    return bytes.substr(4, 2) == "BM";
}

void clubJson(std::ostream& out, const Tteam& club) {
    out << "{";
    printClubFields(out, club);
    out << "}";
}

void playersText(std::ostream& out, const char* title, const PlayerList& list) {
    out << "  " << title << " (" << list.size() << ")\n";
    if (list.empty()) return;
    out << "    Name,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,Value,Gol,Asi,Cnd / injury, career\n";
    for (const auto& p : list)
        out << "    " << p->datatext() << " / " << p->injury << ", " << (p->career.empty() ? "-" : p->career)
            << "\n";
}

void clubText(std::ostream& out, const Tteam& c) {
    out << "Club " << c.clubno << "  " << c.name << "  money " << c.money << "  doctor " << c.doctor << "\n";
    out << "  coaches  power";
    for (int v : c.coachpower) out << " " << v;
    for (std::size_t i = 0; i < c.coach.size(); ++i) {
        out << "  |  " << i + 1 << ":";
        for (int v : c.coach[i]) out << " " << v;
    }
    out << "\n  spots";
    for (const Point& p : c.position) out << " " << p.x << "," << p.y;
    out << "\n";
    playersText(out, "roster", c.roster);
    playersText(out, "youth", c.youth);
    playersText(out, "injured", c.injured);
}

void leagueText(std::ostream& out, const Tleague& l) {
    out << "Division " << l.division << "  match day " << l.round << "\n";
    out << "  Teamname,勝,分,負,得,失,得失,勝点,順位\n";
    for (int row = 0; row < kLeagueClubs; ++row) {
        out << "  " << l.names[row];
        for (int c = Tleague::cWins; c <= Tleague::cRank; ++c) out << "," << l.table[row][c];
        out << "  (club " << l.clubOfRow(row) << ")\n";
    }
    for (int r = 0; r < kRounds; ++r) {
        out << "  round " << r << ":";
        for (const Pairing& p : l.schedule[r]) out << " " << p.first << "-" << p.second;
        out << "\n";
    }
    out << "  scorers\n";
    for (const auto& line : l.scorerlist) out << "    " << line << "\n";
    out << "  assists\n";
    for (const auto& line : l.assistlist) out << "    " << line << "\n";
}

void printSave(std::ostream& out, const World& w, const std::vector<std::string>& history, bool json) {
    const bool season = w.leagues[0] && w.leagues[1];
    if (json) {
        out << "{\"kind\":\"save\",\"format\":" << kFileFormat << ",\"season\":" << w.kanri.year
            << ",\"mydiv\":" << w.kanri.mydiv << ",\"div1list\":" << jsonString(w.kanri.div1list)
            << ",\"div2list\":" << jsonString(w.kanri.div2list) << ",\"clubs\":";
        jsonArrayOf(out, kClubCount, [&](int k) { clubJson(out, w.team(k)); });
        out << ",\"divisions\":";
        if (season) {
            jsonArray(out, w.leagues, [&](const auto& league) { printLeagueJson(out, *league); });
        } else {
            out << "null";
        }
        out << ",\"history\":";
        jsonStrings(out, history);
        out << "}\n";
        return;
    }
    out << "Saved game  season " << w.kanri.year << "  the user's division " << w.kanri.mydiv << "\n";
    out << "Div1 " << w.kanri.div1list << "\nDiv2 " << w.kanri.div2list << "\n";
    for (int k = 0; k < kClubCount; ++k) clubText(out, w.team(k));
    if (season) {
        leagueText(out, *w.leagues[0]);
        leagueText(out, *w.leagues[1]);
    } else {
        out << "Between seasons: no divisions\n";
    }
    out << "History\n";
    for (const auto& line : history) out << "  " << line << "\n";
}

void printVersus(std::ostream& out, const VersusClub& v, bool json) {
    if (json) {
        out << "{\"kind\":\"vs\",\"format\":" << kFileFormat << ",\"comment\":" << jsonString(v.comment)
            << ",\"club\":";
        clubJson(out, *v.club);
        out << "}\n";
        return;
    }
    out << "Versus file  comment: " << v.comment << "\n";
    clubText(out, *v.club);
}

int runInspect(const std::vector<std::string>& args, std::ostream& out) {
    const auto file = positional(args, 0);
    if (!file) throw std::invalid_argument("ファイルを指定してください");
    const std::string bytes = readPlayerFile(*file);
    const bool json = flag(args, "--json");
    auto w = readingWorld();
    if (isSave(args, *file, bytes)) {
        const auto history = readSave(*w, bytes);
        printSave(out, *w, history, json);
    } else {
        printVersus(out, readVersus(*w, bytes, 0), json);
    }
    return 0;
}

}  // namespace

VM_COMMAND("inspect", "inspect FILE [--json] [--kind save|vs]", runInspect);

}  // namespace vm::cli
