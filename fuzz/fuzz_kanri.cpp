// SPDX-License-Identifier: GPL-3.0-or-later
// The league manager's stored form, with or without the two divisions.
#include "fuzz_world.h"
#include "league/season.h"
#include "util/errors.h"
#include "util/stream.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto w = fuzz::emptyWorld();
    try {
        InStream in(fuzz::bytes(data, size));
        kanriload(*w, in);
    } catch (const FormatError&) {
        return 0;
    }
    OutStream once;
    kanrisave(*w, once);
    auto w2 = fuzz::emptyWorld();
    InStream back(once.bytes());
    kanriload(*w2, back);
    OutStream twice;
    kanrisave(*w2, twice);
    fuzz::mustEqual(once.bytes(), twice.bytes());
    return 0;
}
