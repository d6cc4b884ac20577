// SPDX-License-Identifier: GPL-3.0-or-later
// A formation file (*.frm).
#include "fuzz_world.h"
#include "players/formationfile.h"
#include "util/errors.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MarkerCorners corners;
    try {
        corners = formationparse(fuzz::bytes(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    if (formationparse(formationline(corners)) != corners) std::abort();
    return 0;
}
