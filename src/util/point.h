// SPDX-License-Identifier: GPL-3.0-or-later
// A point on the pitch or a screen in whole units: formation spots, marker
// corners, the ball's aim.
#pragma once

namespace vm {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

}  // namespace vm
