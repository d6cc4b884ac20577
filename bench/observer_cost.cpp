// SPDX-License-Identifier: GPL-3.0-or-later
// What the match observer costs: whole headless matches played with the match
// figures kept and without, interleaved (so both see the same machine load),
// and the median time of each. Usage: vm_measure_observer [matches]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "match/tgame.h"
#include "newgameworld.h"

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// One whole match, in milliseconds.
double playOne(vm::World& world, bool figures) {
    world.matchfigures = figures;
    const auto start = std::chrono::steady_clock::now();
    vm::Tgame game(world, 0, 12, 0);
    for (int counter = 4; counter < 54000; counter += 4) {
        game.gamestep(counter);
        game.autosub(0);
        game.autosub(1);
    }
    const auto end = std::chrono::steady_clock::now();
    game.finish();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int matches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    vm::NewGameWorld bench("observer", 1);
    std::vector<double> with, without;
    for (int i = 0; i < matches; ++i) {
        // Alternate which goes first, so neither always follows the other.
        const bool first = i % 2 == 0;
        (first ? with : without).push_back(playOne(*bench.world, first));
        (first ? without : with).push_back(playOne(*bench.world, !first));
    }
    const double a = median(with), b = median(without);
    std::printf(
        "matches: %d each\nwith figures: %.3f ms (median)\nwithout: %.3f ms (median)\ncost: %+.2f %%\n",
        matches, a, b, 100.0 * (a - b) / b);
    return 0;
}
