// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed-seed random generator and hash-based value noise for textures. Our
// own code, so the generated files are the same on every machine and library.
#pragma once

#include <cmath>
#include <cstdint>

namespace vm::assets {

// SplitMix64: tiny, fast, and fully specified by its seed.
class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(uniform() * n); }
    // Uniform in [-1, 1).
    double signedUnit() { return uniform() * 2.0 - 1.0; }

private:
    std::uint64_t state_;
};

// A well-mixed hash of a lattice point, as a value in [0, 1).
inline double latticeValue(std::int64_t x, std::int64_t y, std::uint64_t seed) {
    std::uint64_t h = seed ^ (static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull) ^
                      (static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full);
    h = (h ^ (h >> 31)) * 0xBF58476D1CE4E5B9ull;
    h = (h ^ (h >> 29)) * 0x94D049BB133111EBull;
    h ^= h >> 32;
    return static_cast<double>(h & 0xFFFFFFFFull) / 4294967296.0;
}

// Smooth value noise in [0, 1) with a cell size of one unit.
inline double valueNoise(double x, double y, std::uint64_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3.0 - 2.0 * tx);
    ty = ty * ty * (3.0 - 2.0 * ty);
    const double a = latticeValue(ix, iy, seed), b = latticeValue(ix + 1, iy, seed);
    const double c = latticeValue(ix, iy + 1, seed), d = latticeValue(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// Fractal noise: octaves of value noise, each half as strong and twice as fine.
inline double fbm(double x, double y, std::uint64_t seed, int octaves) {
    double sum = 0.0, amp = 0.5, norm = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + static_cast<std::uint64_t>(i) * 101);
        norm += amp;
        amp *= 0.5;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / norm;
}

}  // namespace vm::assets
