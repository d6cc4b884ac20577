// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/tleague.h"

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <string_view>

#include "league/homeside.h"
#include "league/world.h"
#include "match/tgame.h"
#include "util/arith.h"
#include "util/cp932.h"
#include "util/errors.h"
#include "util/grid.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm {
namespace {

// Sane bounds for a stored division; anything outside is a damaged file.
constexpr int kMaxCount = 999;    // wins, draws, losses
constexpr int kMaxGoals = 99999;  // goals for and against
constexpr int kMaxPoints = 3 * kMaxCount;
constexpr std::size_t kMaxRankingLines = 10000;

std::string counterText(int v, bool padded) {
    return padded ? pad(v, 3) : std::to_string(v);
}

void writeLinesBlock(OutStream& s, const std::vector<std::string>& lines) {
    const std::string bytes = linesImage(lines);
    s.writeInt(static_cast<std::int32_t>(bytes.size()));
    s.writeBytes(bytes);
}

std::vector<std::string> readLinesBlock(InStream& s, const char* what) {
    const int n = s.readCount(kMaxStreamString, what);
    const std::string_view bytes = s.readBytes(static_cast<std::size_t>(n));
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(bytes)) {
        if (lines.size() == kMaxRankingLines) throw FormatError(std::string(what) + " の行数が多すぎます");
        try {
            lines.push_back(fromCp932(line));
        } catch (const EncodingError&) {
            throw FormatError(std::string(what) + " の文字コードが正しくありません");
        }
    }
    return lines;
}

void require(bool ok, const std::string& what) {
    if (!ok) throw FormatError("リーグの" + what + "が不正です");
}

}  // namespace

Tleague::Tleague(World& world, const std::array<int, kLeagueClubs>& clubs, int division_)
    : division(division_), world_(&world) {
    for (int n = 0; n < kLeagueClubs; ++n) {
        table[n] = {clubs[n], 0, 0, 0, 0, 0, 0, 0, 0};
        names[n] = world.team(clubs[n]).name;
    }
}

Tleague::~Tleague() = default;

void Tleague::schedulemake() {
    World& w = world();
    std::array<int, kLeagueClubs> seat{};
    std::vector<int> rows{1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int s = 1; s < kLeagueClubs; ++s) {
        const int i = w.Random(static_cast<int>(rows.size()));
        seat[s] = rows[i];
        rows.erase(rows.begin() + i);
    }
    std::vector<int> order{0, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int n = 0; n < 9; ++n) {
        const int i = w.Random(static_cast<int>(order.size()));
        const int e = order[i];
        for (int p = 0; p < kPairings; ++p) {
            const Pairing pairing{seat[p], seat[9 - p]};
            schedule[e][p] = schedule[e + 9][p] = schedule[e + 18][p] = pairing;
        }
        order.erase(order.begin() + i);
        std::rotate(seat.begin() + 1, seat.begin() + 9, seat.end());  // seat 9 to seat 1
    }
}

void Tleague::rankgrid(Grid& g, bool padded) const {
    g.resize(10, kLeagueClubs + 1);
    g.setRow(0, "Teamname,勝,分,負,得,失,得失,勝点");
    for (int n = 0; n < kLeagueClubs; ++n) {
        g.cell(0, n + 1) = names[n];
        for (int c = cWins; c <= cRank; ++c) g.cell(c, n + 1) = counterText(table[n][c], padded);
        g.cell(9, n + 1) = std::to_string(n);
    }
    for (int r = 0; r < g.rowCount(); ++r) g.setObject(r, nullptr);
    gridsort(g, cRank, true);
}

void Tleague::rankmake() {
    const std::array<int, kLeagueClubs> ranks = workranks();
    for (int n = 0; n < kLeagueClubs; ++n) table[n][cRank] = ranks[n];
}

std::array<int, kLeagueClubs> Tleague::workranks() const {
    Grid g;
    rankgrid(g, true);
    gridsort(g, cFor, false);
    // The offset keeps every goal difference positive for the numeric sort.
    for (int r = 1; r < g.rowCount(); ++r)
        g.cell(cDiff, r) = std::to_string(std::stoi(g.cell(cDiff, r)) + 400);
    gridsort(g, cDiff, false);
    gridsort(g, cPoints, false);
    for (int r = 1; r < g.rowCount(); ++r) g.cell(cRank, r) = std::to_string(r - 1);
    gridsort(g, 9, true);
    std::array<int, kLeagueClubs> ranks{};
    for (int n = 0; n < kLeagueClubs; ++n) ranks[n] = std::stoi(g.cell(cRank, n + 1));
    return ranks;
}

void Tleague::matchgrid(Grid& g) const {
    g.resize(5, kPairings + 1);
    g.setRow(0, ",Teamname,,Teamname,");
    const int r = std::clamp(round, 0, kRounds - 1);
    for (int i = 0; i < kPairings; ++i) {
        const Pairing& p = schedule[r][i];
        g.setRow(i + 1, "A," + names.at(p.first) + ",対," + names.at(p.second) + ",A");
    }
    for (int row = 0; row < g.rowCount(); ++row) g.setObject(row, nullptr);
    // Both divisions play the same round; the first division's counter decides.
    const Tleague* first = world().leagues[0].get();
    const int home = homesideforround(first ? first->round : round);
    for (int i = 1; i <= kPairings; ++i) {
        if (home < 0) {
            g.cell(0, i).clear();
            g.cell(4, i).clear();
        } else if (home == 1) {
            g.cell(4, i) = "H";
        } else {
            g.cell(0, i) = "H";
        }
    }
}

std::vector<std::string> Tleague::rankorder() const {
    // Rows in rank order; rows of equal rank (no ranking yet) in row order.
    std::array<int, kLeagueClubs> rows{};
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(),
                     [&](int a, int b) { return table[a][cRank] < table[b][cRank]; });
    std::vector<std::string> lines;
    for (int row : rows) lines.push_back(pad(table[row][cClub], 2));
    return lines;
}

std::string Tleague::rankfile() const {
    const std::vector<std::string> lines = rankorder();
    std::string out;
    for (const auto& line : lines) out += (out.empty() ? "" : ",") + line;
    writeLines(world().path("data/tmp/" + lines.back() + ".rank"), lines);
    return out;
}

void Tleague::historyadd(const std::string& line) const {
    const auto file = world().path(kHistoryFile);
    std::vector<std::string> lines;
    if (std::filesystem::exists(file)) lines = readLines(file);
    std::string entry = line + "," + std::to_string(table[0][cRank] + 1);
    for (int c = cWins; c <= cPoints; ++c) entry += "," + std::to_string(table[0][c]);
    lines.push_back(entry);
    writeLinesAtomic(file, lines);
}

void Tleague::leaguesave(OutStream& s) const {
    s.writeInt(round);
    for (const auto& n : names) writestr(s, n);
    for (const auto& row : table)
        for (int v : row) s.writeInt(v);
    for (const auto& r : schedule)
        for (const Pairing& p : r) {
            s.writeInt(p.first);
            s.writeInt(p.second);
        }
    writeLinesBlock(s, scorerlist);
    writeLinesBlock(s, assistlist);
}

void Tleague::leagueload(InStream& s) {
    const int newRound = s.readInt();
    require(newRound >= -1 && newRound <= kRounds, "節");

    std::array<std::string, kLeagueClubs> newNames;
    for (auto& n : newNames) {
        n = readString(s);
        require(n.size() <= kMaxStoredNameBytes, "チーム名");
    }

    std::array<std::array<int, 9>, kLeagueClubs> newTable{};
    for (auto& row : newTable) {
        for (int& v : row) v = s.readInt();
        require(row[cClub] >= 0 && row[cClub] < kClubCount, "チーム番号");
        for (int c : {cWins, cDraws, cLosses}) require(row[c] >= 0 && row[c] <= kMaxCount, "勝敗数");
        for (int c : {cFor, cAgainst}) require(row[c] >= 0 && row[c] <= kMaxGoals, "得点");
        require(row[cDiff] >= -kMaxGoals && row[cDiff] <= kMaxGoals, "得失点差");
        require(row[cPoints] >= 0 && row[cPoints] <= kMaxPoints, "勝点");
        require(row[cRank] >= 0 && row[cRank] < kLeagueClubs, "順位");
    }

    std::array<std::array<Pairing, kPairings>, kRounds> newSchedule{};
    for (auto& r : newSchedule) {
        std::array<bool, kLeagueClubs> plays{};
        for (Pairing& p : r) {
            p.first = s.readInt();
            p.second = s.readInt();
            for (int row : {p.first, p.second}) {
                require(row >= 0 && row < kLeagueClubs && !plays[row], "日程");
                plays[row] = true;
            }
        }
    }

    std::vector<std::string> newScorers = readLinesBlock(s, "得点ランキング");
    std::vector<std::string> newAssists = readLinesBlock(s, "アシストランキング");

    round = newRound;
    names = std::move(newNames);
    table = newTable;
    schedule = newSchedule;
    scorerlist = std::move(newScorers);
    assistlist = std::move(newAssists);
}

}  // namespace vm
