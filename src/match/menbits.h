// SPDX-License-Identifier: GPL-3.0-or-later
// A set of a side's men kept as the bits of a word (bit i for man i), shown
// as one flag per man: the movement rules work on bits, their objects show
// flags.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace vm {

// The flags of eleven men from their bits. Each group of eight bits is copied
// into eight bytes by one multiplication, each byte keeps its own bit, and
// adding 0x7f carries any kept bit into the byte's top bit (never beyond it);
// the bytes land in man order on a little-endian processor.
inline void spreadbits(unsigned bits, std::array<bool, 11>& flags) {
    if constexpr (std::endian::native != std::endian::little) {
        for (int i = 0; i < 11; ++i) flags[i] = bits >> i & 1;
        return;
    }
    auto eight = [](unsigned byte) {
        const std::uint64_t kept = (byte * 0x0101010101010101ull) & 0x8040201008040201ull;
        return ((kept + 0x7f7f7f7f7f7f7f7full) >> 7) & 0x0101010101010101ull;
    };
    const std::uint64_t low = eight(bits & 0xffu), high = eight(bits >> 8 & 0x7u);
    std::memcpy(flags.data(), &low, 8);
    std::memcpy(flags.data() + 8, &high, 3);
}

}  // namespace vm
