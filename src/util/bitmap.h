// SPDX-License-Identifier: GPL-3.0-or-later
// Small pictures in memory (club emblems, shirts) and their BMP file form.
// The reader takes the common uncompressed variants, because versus files made
// by other programs may carry any of them; it refuses anything broken.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, row-major, top row first

    Bitmap() = default;
    Bitmap(int w, int h, std::uint32_t fill = 0xFFFFFFFF)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // The w x h square with its top-left corner at (x, y).
    Bitmap crop(int x, int y, int w, int h) const;
    bool operator==(const Bitmap&) const = default;
};

// The largest picture the game accepts from outside.
inline constexpr int kMaxBitmapSide = 4096;

// Decodes a whole BMP file image (1/4/8-bit palettes, 16/24/32-bit, bottom-up or
// top-down, info headers of 40, 108 or 124 bytes, BI_RGB or BI_BITFIELDS).
// Throws FormatError on anything else.
Bitmap decodeBmp(std::string_view file);
// The file size a BMP image announces in its header (FormatError if implausible).
std::size_t bmpFileSize(std::string_view headerAndMore);
// A 24-bit bottom-up BMP file image.
std::string encodeBmp(const Bitmap& b);

}  // namespace vm
