// SPDX-License-Identifier: GPL-3.0-or-later
// The pacing of the long headless run of a match day: the screen keeps its
// window alive through these, the tool and the tests leave them empty.
#pragma once

#include <functional>

namespace vm {

struct Pacing {
    std::function<void()> events;       // after every step: let the window process its events
    std::function<void()> pause;        // every 30th step: a 1 ms pause
    std::function<void(int)> progress;  // every 270th step: the progress bar's new fill count
};

}  // namespace vm
