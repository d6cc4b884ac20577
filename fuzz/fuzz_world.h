// SPDX-License-Identifier: GPL-3.0-or-later
// Shared ground of the fuzz targets: a world of twenty empty clubs that the
// readers work on without touching any folder, and the one failure a reader
// may report. Any other exception, crash or sanitizer report is a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "league/world.h"
#include "players/tteam.h"

namespace vm::fuzz {

inline std::unique_ptr<World> emptyWorld() {
    auto w = std::make_unique<World>(std::filesystem::path("."), SeedSource::fixed(1));
    for (int k = 0; k < kClubCount; ++k) w->teams[k] = Tteam::blank(*w, k);
    return w;
}

inline std::string_view bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// What a reader accepted must be written and read back to the same bytes.
inline void mustEqual(std::string_view a, std::string_view b) {
    if (a != b) std::abort();
}

}  // namespace vm::fuzz
