// SPDX-License-Identifier: GPL-3.0-or-later
// A player's stored form.
#include "fuzz_world.h"
#include "util/errors.h"
#include "util/stream.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto w = fuzz::emptyWorld();
    Tplayer p(*w, 1, 0, 6);
    try {
        InStream in(fuzz::bytes(data, size));
        p.playerload(in);
    } catch (const FormatError&) {
        return 0;
    }
    OutStream once;
    p.playersave(once);
    Tplayer again(*w, 1, 0, 6);
    InStream back(once.bytes());
    again.playerload(back);
    OutStream twice;
    again.playersave(twice);
    fuzz::mustEqual(once.bytes(), twice.bytes());
    return 0;
}
