// SPDX-License-Identifier: GPL-3.0-or-later
// A club's stored form, as a saved game or a versus file carries it.
#include "fuzz_world.h"
#include "league/savefiles.h"
#include "util/errors.h"
#include "util/stream.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto w = fuzz::emptyWorld();
    std::unique_ptr<Tteam> club;
    try {
        InStream in(fuzz::bytes(data, size));
        club = readClub(*w, in, 3);
    } catch (const FormatError&) {
        return 0;
    }
    OutStream once;
    club->teamsave(once);
    InStream back(once.bytes());
    auto again = readClub(*w, back, 3);
    OutStream twice;
    again->teamsave(twice);
    fuzz::mustEqual(once.bytes(), twice.bytes());
    return 0;
}
