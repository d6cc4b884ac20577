// SPDX-License-Identifier: GPL-3.0-or-later
// How long a whole season takes without a display: the transfer window, the
// news after it, 27 match days with their news and the season's end with the
// doctors, club 0 run by the plain coach. Also the parts on their own: the
// window with its news, and one match day with its news.
#include <benchmark/benchmark.h>

#include <string>

#include "newgameworld.h"
#include "season/career.h"
#include "season/newsprogramme.h"
#include "season/simplecoach.h"

namespace vm {
namespace {

// A new game with club 0 run by the plain coach.
struct Career : NewGameWorld {
    SimpleCoach coach;
    explicit Career(const char* name) : NewGameWorld(std::string("season-") + name, 11) {}
};

// One season per iteration, each following the last as in a career.
void BM_Season(benchmark::State& state) {
    Career career("season");
    for (auto _ : state) {
        const SeasonSummary s = playseason(*career.world, career.coach);
        benchmark::DoNotOptimize(s.goals);
    }
}
BENCHMARK(BM_Season)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The transfer window and the news after it (the off-season part of a season).
void BM_WindowAndNews(benchmark::State& state) {
    Career career("window");
    for (auto _ : state) {
        playtransferwindow(*career.world, career.coach);
        playnews(*career.world, kAfterTransfers, career.coach);
        // Back between seasons for the next iteration, without playing it.
        state.PauseTiming();
        career.world->leagues[0].reset();
        career.world->leagues[1].reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowAndNews)->Unit(benchmark::kMillisecond)->Iterations(3);

// One match day: training, line-ups, 10 headless fixtures and the news after it.
void BM_MatchDay(benchmark::State& state) {
    Career career("day");
    playtransferwindow(*career.world, career.coach);
    playnews(*career.world, kAfterTransfers, career.coach);
    for (auto _ : state) {
        if (!career.world->leagues[0]) {
            state.SkipWithError("the season ended");
            break;
        }
        playday(*career.world, career.coach);
    }
}
BENCHMARK(BM_MatchDay)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace vm

BENCHMARK_MAIN();
