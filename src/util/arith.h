// The game's arithmetic: rounding to the nearest whole number with halves to
// the even neighbour, limits, and the zero-padded numbers of its texts.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

namespace vm {

// Halves to even (the default floating-point rounding mode).
inline int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }
inline int roundEvenL(long double v) { return static_cast<int>(std::nearbyintl(v)); }

inline int limit(int v, int lo, int hi) { return std::clamp(v, lo, hi); }
inline int sign(int v) { return (v > 0) - (v < 0); }

// "%.2d" / "%.3d": at least that many digits, zero-padded.
std::string pad(int value, int digits);

}  // namespace vm
