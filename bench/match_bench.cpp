// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the match engine runs: one headless 90-minute match between two
// real clubs of a new game, the ten fixtures of a match day through the
// runner with their booking, and one live frame (6 ticks of 11 matches).
// A counting allocator reports the heap allocations made while ticking.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "league/homeside.h"
#include "league/runner.h"
#include "league/season.h"
#include "league/tleague.h"
#include "league/world.h"
#include "match/scans.h"
#include "match/tatk.h"
#include "match/tdf.h"
#include "match/tgame.h"
#include "newgameworld.h"

namespace {
std::atomic<long long> allocations{0};
}

void* operator new(std::size_t n) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace vm {
namespace {

constexpr int kFullTime = 54000;

// A world after a new game and the start of the first season, shared by
// every benchmark of the program.
struct Bench : NewGameWorld {
    Bench() : NewGameWorld("match", 1) {
        seasonstart(*world);
        for (auto& league : world->leagues) league->round = 0;
    }
};

Bench& bench() {
    static Bench b;
    return b;
}

void playTicks(Tgame& game) {
    for (int counter = 4; counter <= kFullTime; counter += 4) {
        game.gamestep(counter);
        game.autosub(0);
        game.autosub(1);
    }
}

// A Division 2 club against a Division 1 club, both as the new game left them.
void BM_HeadlessMatch(benchmark::State& state) {
    World& world = *bench().world;
    long long ticking = 0, matches = 0, goals = 0;
    for (auto _ : state) {
        Tgame game(world, 0, 12, homeside(world));
        const long long before = allocations.load();
        playTicks(game);
        ticking += allocations.load() - before;
        goals += game.goals(0) + game.goals(1);
        game.finish();
        ++matches;
    }
    state.counters["allocs_per_match_ticking"] = static_cast<double>(ticking) / matches;
    state.counters["goals_per_match"] = static_cast<double>(goals) / matches;
    state.counters["ticks_per_s"] =
        benchmark::Counter(matches * (kFullTime / 4.0), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeadlessMatch)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Both divisions' five fixtures, created, played and booked by the runner.
void BM_MatchDay(benchmark::State& state) {
    World& world = *bench().world;
    for (auto _ : state) {
        prematch(world, 1);
        prematch(world, 2);
        playmatchday(world, 1);
        playmatchday(world, 2);
    }
}
BENCHMARK(BM_MatchDay)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One frame of a live league match day at top speed: 6 ticks of the user's
// match and of the ten other fixtures.
void BM_LiveFrame(benchmark::State& state) {
    World& world = *bench().world;
    std::vector<std::unique_ptr<Tgame>> games;
    int counter = 0;
    long long ticking = 0, frames = 0;
    auto restart = [&] {
        games.clear();
        for (int k = 0; k < 11; ++k)
            games.push_back(std::make_unique<Tgame>(world, k, 19 - k, homeside(world)));
        counter = 0;
    };
    restart();
    for (auto _ : state) {
        if (counter + 24 > kFullTime) {
            state.PauseTiming();
            restart();
            state.ResumeTiming();
        }
        const long long before = allocations.load();
        for (int t = 0; t < 6; ++t) {
            counter += 4;
            for (auto& g : games) {
                g->gamestep(counter);
                g->autosub(0);
                g->autosub(1);
            }
        }
        ticking += allocations.load() - before;
        ++frames;
    }
    state.counters["allocs_per_frame"] = static_cast<double>(ticking) / frames;
}
BENCHMARK(BM_LiveFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The parts of a tick on a position from the middle of a real match.
struct Midgame {
    std::unique_ptr<Tgame> game;
    Midgame() {
        game = std::make_unique<Tgame>(*bench().world, 0, 12, homeside(*bench().world));
        for (int counter = 4; counter <= 8000; counter += 4) game->gamestep(counter);
    }
};
Midgame& midgame() {
    static Midgame m;
    return m;
}

void BM_Defend(benchmark::State& state) {
    Tgame& g = *midgame().game;
    for (auto _ : state) {
        Tmteam own = g.men[0];
        Tdf df(g.ball, Point{300, 200});
        df.dfmove(own, g.men[1]);
        benchmark::DoNotOptimize(own);
    }
}
BENCHMARK(BM_Defend);

void BM_Attack(benchmark::State& state) {
    Tgame& g = *midgame().game;
    for (auto _ : state) {
        Tmteam own = g.men[0];
        Tatk atk({g.ball.x, g.ball.y});
        atk.atkmove(own, g.men[1]);
        benchmark::DoNotOptimize(own);
    }
}
BENCHMARK(BM_Attack);

void BM_CopySide(benchmark::State& state) {
    Tgame& g = *midgame().game;
    for (auto _ : state) {
        Tmteam own = g.men[0];
        benchmark::DoNotOptimize(own);
    }
}
BENCHMARK(BM_CopySide);

void BM_Nearest(benchmark::State& state) {
    Tgame& g = *midgame().game;
    for (auto _ : state) {
        auto n = nearestmen(g.men[0], g.men[1]);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_Nearest);

void BM_Tick(benchmark::State& state) {
    Tgame& g = *midgame().game;
    int counter = 8000;
    for (auto _ : state) {
        counter += 4;
        if (counter >= 54000) counter = 8004;
        g.gamestep(counter);
    }
}
BENCHMARK(BM_Tick);

}  // namespace
}  // namespace vm

BENCHMARK_MAIN();
