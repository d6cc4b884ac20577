// SPDX-License-Identifier: GPL-3.0-or-later
// A whole saved game.
#include "fuzz_world.h"
#include "league/savefiles.h"
#include "league/savegame.h"
#include "util/errors.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto w = fuzz::emptyWorld();
    std::vector<std::string> history;
    try {
        history = readSave(*w, fuzz::bytes(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    const std::string once = saveImage(*w, history);
    auto w2 = fuzz::emptyWorld();
    const auto history2 = readSave(*w2, once);
    fuzz::mustEqual(once, saveImage(*w2, history2));
    return 0;
}
