// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool match: one headless match between two clubs of a new game,
// or the figures of many matches of random pairings.
#include <algorithm>
#include <chrono>
#include <iomanip>
#include <ostream>
#include <random>
#include <stdexcept>

#include "command.h"
#include "league/homeside.h"
#include "league/newgame.h"
#include "league/runner.h"
#include "match/tgame.h"
#include "workdir.h"

namespace vm::cli {
namespace {

constexpr int kFullTime = 54000;

int clubOption(const std::vector<std::string>& args, const std::string& name) {
    const auto v = intOption(args, name);
    if (!v) throw std::invalid_argument(name + " N が必要です");
    if (*v < 0 || *v >= kClubCount) throw std::invalid_argument(name + " は 0 から 19 のクラブ番号です");
    return static_cast<int>(*v);
}

// The home side on match day R; side 0 (A) when no match day is given.
int homeOption(const std::vector<std::string>& args) {
    const auto round = intOption(args, "--round");
    if (!round) return 0;
    if (*round < 0 || *round > 26) throw std::invalid_argument("--round は 0 から 26 です");
    return homesideforround(static_cast<int>(*round));
}

int playOne(const std::vector<std::string>& args, std::ostream& out) {
    Workdir dir(args);
    auto world = dir.world(args);
    newgame(*world);
    const int a = clubOption(args, "--home");
    const int b = clubOption(args, "--away");
    if (a == b) throw std::invalid_argument("--home と --away には別のクラブを指定してください");
    const bool commentary = flag(args, "--commentary");
    const int home = homeOption(args);

    Tgame game(*world, a, b, home);
    const Tteam* teams[2] = {&world->team(a), &world->team(b)};
    out << teams[0]->name << " 対 " << teams[1]->name
        << "  ホーム: " << (home < 0 ? std::string("なし") : teams[home]->name) << "\n";
    std::string said = game.kick.commentary;
    if (commentary) out << "00分 " << said << "\n";
    std::array<int, 2> subminute{-1, -1};
    for (int counter = 4; counter <= kFullTime; counter += 4) {
        game.gamestep(counter);
        game.autosub(0);
        game.autosub(1);
        for (int s = 0; s < 2; ++s) {
            if (subminute[s] < 0 && game.sublog[s].slot >= 0) subminute[s] = game.minute();
        }
        if (commentary && game.kick.commentary != said) {
            said = game.kick.commentary;
            out << std::setw(2) << std::setfill('0') << game.minute() << "分 " << said << "\n";
        }
    }
    game.finish();

    for (int s = 0; s < 2; ++s) {
        for (const std::string& line : game.goallist[s])
            out << goaltext(*teams[s], line) << "  (" << teams[s]->name << ")\n";
    }
    out << "試合終了: " << teams[0]->name << " " << game.goals(0) << " - " << game.goals(1) << " "
        << teams[1]->name << "\n";
    for (int s = 0; s < 2; ++s) {
        const Sublog& sub = game.sublog[s];
        if (sub.slot < 0) continue;
        out << "交代 " << teams[s]->name << " " << std::setw(2) << std::setfill('0') << subminute[s]
            << "分: " << std::setw(2) << sub.slot + 1 << " " << teams[s]->getplayer(sub.slot).name << " → "
            << sub.index + 1 << " " << teams[s]->getplayer(sub.index).name << "\n";
    }
    return 0;
}

// Which kick the commentary last called: 0 shot, 1 cross, 2 clearance, 3 other.
int lastKick(const std::string& said) {
    auto ends = [&](const std::string& tail) {
        return said.size() >= tail.size() && said.compare(said.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (ends("はシュート")) return 0;
    if (ends("はクロスを入れた")) return 1;
    if (ends("がクリア")) return 2;
    return 3;
}

int playMany(const std::vector<std::string>& args, std::ostream& out, long long count) {
    if (count <= 0) throw std::invalid_argument("--stats には 1 以上の試合数を指定してください");
    Workdir dir(args);
    auto world = dir.world(args);
    newgame(*world);
    const int home = homeOption(args);
    // Pairings among all twenty clubs, or within one division as the league plays them.
    std::vector<int> pool;
    if (const auto d = intOption(args, "--division")) {
        if (*d != 1 && *d != 2) throw std::invalid_argument("--division は 1 か 2 です");
        pool = world->kanri.clubsOf(static_cast<int>(*d));
    } else {
        for (int k = 0; k < kClubCount; ++k) pool.push_back(k);
    }
    const auto size = static_cast<unsigned>(pool.size());
    // The pairings come from their own generator so that they do not disturb the matches'.
    std::mt19937 pick(static_cast<std::uint32_t>(*intOption(args, "--seed")));

    long long goals = 0, assisted = 0, owngoals = 0, shots = 0, ticks = 0;
    long long wins0 = 0, draws = 0, wins1 = 0, goalless = 0, subs = 0;
    int most = 0, mostOneSide = 0, doubleDigits = 0;
    double seconds = 0;
    std::array<long long, 4> afterKick{};  // the last kick called before each goal
    for (long long m = 0; m < count; ++m) {
        const unsigned ia = pick() % size;
        unsigned ib = pick() % (size - 1);
        if (ib >= ia) ++ib;
        const int a = pool[ia], b = pool[ib];
        Tgame game(*world, a, b, home);
        std::string said = game.kick.commentary;
        const auto start = std::chrono::steady_clock::now();
        int scoreBefore = 0;
        for (int counter = 4; counter <= kFullTime; counter += 4) {
            game.gamestep(counter);
            game.autosub(0);
            game.autosub(1);
            if (game.goals(0) + game.goals(1) != scoreBefore) {
                scoreBefore = game.goals(0) + game.goals(1);
                ++afterKick[lastKick(said)];
            }
            said = game.kick.commentary;  // before the next tick's goal overwrites it
        }
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ticks += kFullTime / 4;
        game.finish();
        const int g0 = game.goals(0), g1 = game.goals(1);
        goals += g0 + g1;
        most = std::max(most, g0 + g1);
        mostOneSide = std::max({mostOneSide, g0, g1});
        doubleDigits += std::max(g0, g1) >= 10;
        wins0 += g0 > g1;
        draws += g0 == g1;
        wins1 += g0 < g1;
        goalless += g0 + g1 == 0;
        // The match figures' shots: the engine's count and the goals no shot flew into.
        const MatchStats figures = game.observer->figures(game);
        shots += figures.sides[0].shots + figures.sides[1].shots;
        for (int s = 0; s < 2; ++s) {
            subs += game.sublog[s].slot >= 0;
            for (const std::string& line : game.goallist[s]) {
                assisted += line.size() == 6;
                owngoals += line.substr(2, 2) == "99";
            }
        }
    }
    const double n = static_cast<double>(count);
    out << std::fixed << std::setprecision(2);
    out << "試合数: " << count << "\n";
    out << "1試合の平均得点: " << goals / n << "  (最多 " << most << ", 1チームの最多 " << mostOneSide
        << ", 0-0 " << goalless << ", 10点以上 " << doubleDigits << ")\n";
    out << "ホーム勝ち/引き分け/アウェー勝ち: " << wins0 << " / " << draws << " / " << wins1 << "\n";
    out << "アシスト付きの得点: " << (goals ? 100.0 * assisted / goals : 0) << "%\n";
    out << "オウンゴール: " << owngoals << "\n";
    out << "シュート: " << shots << "  (1試合平均 " << shots / n << ")\n";
    out << "得点の前のキック: シュート " << afterKick[0] << ", クロス " << afterKick[1] << ", クリア "
        << afterKick[2] << ", その他 " << afterKick[3] << "\n";
    out << "交代: " << subs << "\n";
    out << "1秒あたりの平均ティック数: " << std::setprecision(0) << (seconds > 0 ? ticks / seconds : 0)
        << "\n";
    return 0;
}

int runMatch(const std::vector<std::string>& args, std::ostream& out) {
    if (const auto stats = intOption(args, "--stats")) return playMany(args, out, *stats);
    return playOne(args, out);
}

}  // namespace

VM_COMMAND(
    "match",
    "match --seed N --home A --away B [--round R] [--commentary] [--data DIR] | match --seed N --stats M "
    "[--round R] [--division D] [--data DIR]",
    runMatch);

}  // namespace vm::cli
