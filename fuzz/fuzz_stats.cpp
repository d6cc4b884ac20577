// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file beside a saved game, as a load reads it.
#include <cstdlib>

#include "fuzz_world.h"
#include "league/statsfile.h"
#include "util/errors.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StatsFile file;
    try {
        file = readStatsImage(fuzz::bytes(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    // What the reader takes keeps its promises: every place names a tracked
    // player, every number was given before the next one.
    for (const StatsPlace& p : file.places) {
        if (!file.stats.players.count(p.id) || p.id >= file.stats.nextid) std::abort();
    }
    for (const auto& [id, player] : file.stats.players) {
        if (id <= 0 || id >= file.stats.nextid) std::abort();
    }
    return 0;
}
