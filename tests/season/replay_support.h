// SPDX-License-Identifier: GPL-3.0-or-later
// Replay records made by hand for the viewer's and the library's tests: frame
// lines that put every shirt and the ball at one recognisable spot.
#pragma once

#include <string>
#include <vector>

#include "season/livereplay.h"
#include "util/arith.h"
#include "util/bitmap.h"

namespace vm::test {

// A frame line with every corner at (v, v).
inline std::string frameLine(int v) {
    std::string line;
    for (int k = 0; k < kFrameDigits / 3; ++k) line += pad(v, 3);
    return line;
}

// A record of the given lines ("g" or a number for frameLine) with two plain emblems.
inline Replay handmadeReplay(const std::vector<std::string>& lines, int step = 12) {
    Replay r;
    r.pictures[0] = Bitmap(12, 12, 0xFF2040C0);
    r.pictures[1] = Bitmap(12, 12, 0xFFC02020);
    r.step = step;
    for (const std::string& l : lines) r.frames.push_back(l == "g" ? l : frameLine(std::stoi(l)));
    return r;
}

}  // namespace vm::test
