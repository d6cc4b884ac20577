// SPDX-License-Identifier: GPL-3.0-or-later
// A versus file.
#include "fuzz_world.h"
#include "league/savefiles.h"
#include "league/versus.h"
#include "util/errors.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto w = fuzz::emptyWorld();
    VersusClub v;
    try {
        v = readVersus(*w, fuzz::bytes(data, size), 0);
    } catch (const FormatError&) {
        return 0;
    }
    installClub(*w, std::move(v.club));
    const std::string once = vsImage(*w, v.comment);
    auto w2 = fuzz::emptyWorld();
    VersusClub again = readVersus(*w2, once, 0);
    installClub(*w2, std::move(again.club));
    fuzz::mustEqual(once, vsImage(*w2, again.comment));
    return 0;
}
