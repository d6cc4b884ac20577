// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool simulate: whole seasons of a new game played without a
// display, club 0 run by the plain coach. Prints each season's final tables,
// promotions and relegations, rankings, transfers and goals; the same seed
// prints the same text. The way the match engine takes and the time each
// season took go to stderr.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <ostream>
#include <stdexcept>

#include "command.h"
#include "league/newgame.h"
#include "league/savegame.h"
#include "league/world.h"
#include "match/scans.h"
#include "output.h"
#include "season/career.h"
#include "season/simplecoach.h"
#include "statsjson.h"
#include "workdir.h"

namespace vm::cli {
namespace {

constexpr long long kMaxSeasons = 1000;

std::string fixed2(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

double meangoals(const SeasonSummary& s) {
    return s.matches ? static_cast<double>(s.goals) / s.matches : 0.0;
}

std::string clubText(const World& w, int club) {
    return w.team(club).name + "(" + std::to_string(club) + ")";
}

void printRanking(std::ostream& out, const char* what, int d, const std::vector<RankLine>& lines) {
    out << "DIV" << d << " " << what << "\n";
    for (const RankLine& r : lines)
        out << "  " << r.rank << "位 " << r.count << " " << r.player << " (" << r.clubname << ")\n";
}

void printText(std::ostream& out, const World& w, const SeasonSummary& s) {
    out << "=== " << s.year << "年目 ===\n";
    for (int d = 1; d <= 2; ++d) {
        out << "DIV" << d << " 最終順位: 順位,チーム,勝,分,負,得,失,得失,勝点\n";
        int place = 0;
        for (const TableLine& t : s.tables[d - 1])
            out << "  " << ++place << "," << t.name << "," << t.wins << "," << t.draws << "," << t.losses
                << "," << t.goalsfor << "," << t.against << "," << t.difference << "," << t.points << "\n";
    }
    out << "DIV1に昇格:";
    for (int c : s.promoted) out << " " << clubText(w, c);
    out << "\nDIV2に降格:";
    for (int c : s.relegated) out << " " << clubText(w, c);
    out << "\n";
    for (int d = 1; d <= 2; ++d) {
        printRanking(out, "得点ランキング", d, s.scorers[d - 1]);
        printRanking(out, "アシストランキング", d, s.assists[d - 1]);
    }
    out << "移籍: " << s.transfers << "件  引退・放出: " << s.departures << "件\n";
    if (s.replaced) out << "入れ替え: " << clubText(w, s.replaced) << "\n";
    out << "試合数: " << s.matches << "  得点: " << s.goals << "  1試合の平均得点: " << fixed2(meangoals(s))
        << "\n";
}

void printRankingJson(std::ostream& out, const std::vector<RankLine>& lines) {
    jsonArray(out, lines, [&](const RankLine& r) {
        out << "{\"rank\":" << r.rank << ",\"count\":" << r.count << ",\"club\":" << r.club
            << ",\"player\":" << jsonString(r.player) << "}";
    });
}

// A match day as the career's statistics hold it once both divisions are booked.
struct DayFigures {
    int round = 0;
    std::vector<MatchRecord> matches;
    std::array<int, kStatsClubs> positions{};
};

void printDayJson(std::ostream& out, const DayFigures& d) {
    out << "{\"day\":" << d.round + 1 << ",\"matches\":";
    jsonArray(out, d.matches, [&](const MatchRecord& r) { printMatchRecordJson(out, r); });
    out << ",\"positions\":";
    jsonInts(out, d.positions);
    out << "}";
}

void printJson(std::ostream& out, const SeasonSummary& s, const std::vector<DayFigures>& days) {
    out << "{\"year\":" << s.year << ",\"matchdays\":";
    jsonArray(out, days, [&](const DayFigures& d) { printDayJson(out, d); });
    out << ",\"tables\":";
    jsonArray(out, s.tables, [&](const auto& table) {
        jsonArray(out, table, [&](const TableLine& t) {
            out << "{\"club\":" << t.club << ",\"name\":" << jsonString(t.name) << ",\"wins\":" << t.wins
                << ",\"draws\":" << t.draws << ",\"losses\":" << t.losses << ",\"for\":" << t.goalsfor
                << ",\"against\":" << t.against << ",\"points\":" << t.points << "}";
        });
    });
    out << ",\"promoted\":";
    jsonInts(out, s.promoted);
    out << ",\"relegated\":";
    jsonInts(out, s.relegated);
    out << ",\"scorers\":";
    jsonArray(out, s.scorers, [&](const auto& lines) { printRankingJson(out, lines); });
    out << ",\"assists\":";
    jsonArray(out, s.assists, [&](const auto& lines) { printRankingJson(out, lines); });
    out << ",\"transfers\":" << s.transfers << ",\"departures\":" << s.departures
        << ",\"replaced\":" << s.replaced << ",\"matches\":" << s.matches << ",\"goals\":" << s.goals
        << ",\"goalsPerMatch\":" << fixed2(meangoals(s)) << "}";
}

int runSimulate(const std::vector<std::string>& args, std::ostream& out) {
    const auto seasons = intOption(args, "--seasons").value_or(1);
    if (seasons < 1 || seasons > kMaxSeasons) throw std::invalid_argument("--seasons は 1 から 1000 です");
    const bool json = flag(args, "--json");
    const auto saveFile = option(args, "--save");

    Workdir dir(args);
    auto world = dir.world(args);
    newgame(*world);
    SimpleCoach coach;
    // Which way the match engine takes (VELLMORA_PLAIN=1 forces the plain one):
    // both play the same seasons, at different speeds.
    std::cerr << "試合の計算: " << (scans::haveAvx2() ? "AVX2" : "標準 (AVX2 なし)") << "\n";

    if (json) out << "{\"seed\":" << *intOption(args, "--seed") << ",\"seasons\":[";
    double total = 0;
    // Each match day's figures, kept for the JSON as the day is played.
    std::vector<DayFigures> days;
    FlowHooks hooks;
    if (json) {
        hooks.observe = [&](const FlowEvent& e) {
            if (e.kind != FlowEvent::matchDayPlayed) return;
            const CareerStats& st = world->stats;
            DayFigures d{st.lastround, st.lastday, {}};
            for (int k = 0; k < kStatsClubs; ++k) d.positions[k] = st.positions[k][st.lastround];
            days.push_back(std::move(d));
        };
    }
    for (long long n = 0; n < seasons; ++n) {
        const auto start = std::chrono::steady_clock::now();
        days.clear();
        const SeasonSummary s = playseason(*world, coach, hooks);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        total += seconds;
        if (!s.played) throw std::logic_error("the season was not played");
        if (json) {
            if (n) out << ",";
            printJson(out, s, days);
        } else {
            printText(out, *world, s);
        }
        std::cerr << s.year << "年目: " << fixed2(seconds) << " 秒\n";
    }
    if (json) out << "]}\n";
    std::cerr << "合計: " << fixed2(total) << " 秒 (1シーズン平均 " << fixed2(total / seasons) << " 秒)\n";
    if (saveFile) save(*world, *saveFile);
    return 0;
}

}  // namespace

VM_COMMAND("simulate", "simulate --seed N [--seasons S] [--json] [--save FILE] [--data DIR]", runSimulate);

}  // namespace vm::cli
