// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/random.h"

#include <chrono>

namespace vm {

SeedSource SeedSource::fromClock() { return SeedSource{}; }

SeedSource SeedSource::fixed(std::uint64_t seed) {
    SeedSource s;
    s.fixed_.emplace(seed);
    return s;
}

std::uint32_t SeedSource::next() {
    if (fixed_) return static_cast<std::uint32_t>((*fixed_)() >> 32);
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
                     std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(now ^ (now >> 32));
}

}  // namespace vm
