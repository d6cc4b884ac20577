// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one random generator and the source of its seeds. A fixed seed
// source reproduces a whole career: the world, every match and every window.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace vm {

// Random(n): uniform in 0..n-1; 0 for n <= 0.
class Rng {
public:
    explicit Rng(std::uint32_t seed = 1) : gen_(seed) {}
    void seed(std::uint32_t s) { gen_.seed(s); }
    int Random(int n) {
        if (n <= 0) return 0;
        // Multiply-shift keeps the mapping identical on every platform.
        return static_cast<int>((std::uint64_t{gen_()} * static_cast<std::uint64_t>(n)) >> 32);
    }

private:
    std::mt19937 gen_;
};

// Where seeds come from: the clock in a normal game, a fixed sequence when a
// seed is given (tests, the command-line tool), so that re-seeding at every
// match creation stays reproducible.
class SeedSource {
public:
    static SeedSource fromClock();
    static SeedSource fixed(std::uint64_t seed);
    std::uint32_t next();
    bool isFixed() const { return fixed_.has_value(); }

private:
    std::optional<std::mt19937_64> fixed_;
};

}  // namespace vm
