// SPDX-License-Identifier: GPL-3.0-or-later
// The game's arithmetic: rounding to the nearest whole number with halves to
// the even neighbour, limits, and the zero-padded numbers of its texts.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace vm {

// Halves to even (the default floating-point rounding mode).
inline int roundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}
inline int roundEvenL(long double v) {
    return static_cast<int>(std::nearbyintl(v));
}

// A player's value divides or multiplies his rating in long double and rounds
// the halves of that; with a 64-bit significand every quotient and product
// lands on the same side of a half as the exact one, with a plain double
// (53 bits) about one in ninety does not. Refuse to build rather than value
// players differently, and so play different careers from one seed.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "long double must have at least a 64-bit significand (x87 extended precision): "
              "players' values would round differently");

inline int limit(int v, int lo, int hi) {
    return std::clamp(v, lo, hi);
}
inline int sign(int v) {
    return (v > 0) - (v < 0);
}

// "%.2d" / "%.3d": at least that many digits, zero-padded.
std::string pad(int value, int digits);

}  // namespace vm
