// SPDX-License-Identifier: GPL-3.0-or-later
// A division's stored form.
#include "fuzz_world.h"
#include "league/tleague.h"
#include "util/errors.h"
#include "util/stream.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto w = fuzz::emptyWorld();
    const std::array<int, kLeagueClubs> clubs{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    Tleague league(*w, clubs, 2);
    try {
        InStream in(fuzz::bytes(data, size));
        league.leagueload(in);
    } catch (const FormatError&) {
        return 0;
    }
    OutStream once;
    league.leaguesave(once);
    Tleague again(*w, clubs, 2);
    InStream back(once.bytes());
    again.leagueload(back);
    OutStream twice;
    again.leaguesave(twice);
    fuzz::mustEqual(once.bytes(), twice.bytes());
    return 0;
}
