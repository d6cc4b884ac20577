// SPDX-License-Identifier: GPL-3.0-or-later
// Emblems travel inside versus files made by other programs, so the BMP reader
// takes every common uncompressed layout and refuses broken ones.
#include <gtest/gtest.h>

#include <cstdint>

#include "util/bitmap.h"
#include "util/errors.h"

namespace vm {
namespace {

void put16(std::string& s, std::uint32_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>(v >> 8 & 0xFF));
}
void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// A BMP of width w and height h (negative: top-down) with the given pixel rows
// (already padded, in file order), palette and header size.
std::string bmp(int w, int h, int bpp, const std::string& pixels, const std::vector<std::uint32_t>& palette = {},
                std::uint32_t headerSize = 40, std::uint32_t compression = 0, const std::vector<std::uint32_t>& masks = {}) {
    std::string info;
    put32(info, headerSize);
    put32(info, static_cast<std::uint32_t>(w));
    put32(info, static_cast<std::uint32_t>(h));
    put16(info, 1);
    put16(info, static_cast<std::uint32_t>(bpp));
    put32(info, compression);
    put32(info, static_cast<std::uint32_t>(pixels.size()));
    put32(info, 2835);
    put32(info, 2835);
    put32(info, static_cast<std::uint32_t>(palette.size()));
    put32(info, 0);
    for (auto m : masks) put32(info, m);
    info.resize(headerSize + (headerSize == 40 ? 4 * masks.size() : 0), '\0');
    std::string pal;
    for (auto c : palette) put32(pal, c);
    std::string file = "BM";
    const auto offset = static_cast<std::uint32_t>(14 + info.size() + pal.size());
    put32(file, offset + static_cast<std::uint32_t>(pixels.size()));
    put32(file, 0);
    put32(file, offset);
    return file + info + pal + pixels;
}

TEST(Bitmap, OwnFilesRoundTrip) {
    Bitmap b(12, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) b.at(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 20 << 16 | y * 20);
    const std::string file = encodeBmp(b);
    EXPECT_EQ(bmpFileSize(file), file.size());
    EXPECT_EQ(decodeBmp(file), b);
    EXPECT_EQ(encodeBmp(decodeBmp(file)), file);
}

TEST(Bitmap, PalettedBottomUpAndTopDown) {
    // 2 x 2, 1 bit: bottom row "10", top row "01" (bottom-up: bottom row first).
    const std::string rows = std::string("\x80\0\0\0", 4) + std::string("\x40\0\0\0", 4);
    const std::vector<std::uint32_t> pal = {0x000000, 0xFFFFFF};
    const Bitmap up = decodeBmp(bmp(2, 2, 1, rows, pal));
    EXPECT_EQ(up.at(0, 0), 0xFF000000u);
    EXPECT_EQ(up.at(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(up.at(0, 1), 0xFFFFFFFFu);
    const Bitmap down = decodeBmp(bmp(2, -2, 1, rows, pal));
    EXPECT_EQ(down.at(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(down.at(1, 1), 0xFFFFFFFFu);

    // 4 and 8 bits, a 108-byte header.
    const Bitmap four = decodeBmp(bmp(2, 1, 4, std::string("\x10\0\0\0", 4), {0x112233, 0x445566}, 108));
    EXPECT_EQ(four.at(0, 0), 0xFF445566u);
    EXPECT_EQ(four.at(1, 0), 0xFF112233u);
    const Bitmap eight = decodeBmp(bmp(1, 1, 8, std::string("\x02\0\0\0", 4), {0, 0, 0xABCDEF}, 124));
    EXPECT_EQ(eight.at(0, 0), 0xFFABCDEFu);
}

TEST(Bitmap, SixteenAndThirtyTwoBitsWithAndWithoutMasks) {
    // 16-bit 5-5-5: pure red is 0x7C00.
    const Bitmap red555 = decodeBmp(bmp(1, 1, 16, std::string("\x00\x7c\0\0", 4)));
    EXPECT_EQ(red555.at(0, 0), 0xFFFF0000u);
    // 16-bit 5-6-5 through bit fields: pure green is 0x07E0.
    const Bitmap green565 =
        decodeBmp(bmp(1, 1, 16, std::string("\xe0\x07\0\0", 4), {}, 40, 3, {0xF800, 0x07E0, 0x001F}));
    EXPECT_EQ(green565.at(0, 0), 0xFF00FF00u);
    // 32-bit BGRX.
    const Bitmap blue = decodeBmp(bmp(1, 1, 32, std::string("\xff\x00\x00\x00", 4)));
    EXPECT_EQ(blue.at(0, 0), 0xFF0000FFu);
}

TEST(Bitmap, BrokenFilesAreRefused) {
    const std::string good = encodeBmp(Bitmap(12, 12));
    EXPECT_THROW(decodeBmp(good.substr(0, 40)), FormatError);                // truncated
    EXPECT_THROW(decodeBmp("XX" + good.substr(2)), FormatError);             // not a BMP
    std::string huge = good;
    huge[18] = '\xff';
    huge[19] = '\xff';
    huge[20] = '\xff';
    huge[21] = '\x7f';
    EXPECT_THROW(decodeBmp(huge), FormatError);                              // absurd width
    EXPECT_THROW(decodeBmp(bmp(1, 1, 8, std::string("\x05\0\0\0", 4), {0})), FormatError);  // index past palette
    EXPECT_THROW(decodeBmp(bmp(1, 1, 24, std::string("\0\0\0\0", 4), {}, 40, 1)), FormatError);  // RLE
    std::string shortPixels = bmp(4, 4, 24, std::string(16, '\0'));
    EXPECT_THROW(decodeBmp(shortPixels), FormatError);
}

}  // namespace
}  // namespace vm
