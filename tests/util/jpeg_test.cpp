// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding: pictures made here with libjpeg's encoder come back with their
// size and colours; damaged or hostile files are refused with FormatError.
#include "util/jpeg.h"

#include <gtest/gtest.h>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "util/errors.h"

namespace vm {
namespace {

struct EncodeOptions {
    bool grey = false;
    bool progressive = false;
    int quality = 100;
};

// Encodes w x h pixels given by `color(x, y)` (0xRRGGBB) as a JPEG file image.
std::string encode(int w, int h, const std::function<std::uint32_t(int, int)>& color,
                   EncodeOptions opt = {}) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buffer, &size);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = opt.grey ? 1 : 3;
    c.in_color_space = opt.grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, opt.quality, TRUE);
    if (opt.progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(w) * c.input_components);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = color(x, y);
            if (opt.grey)
                row[x] = static_cast<JSAMPLE>(v & 0xFF);
            else {
                row[x * 3] = static_cast<JSAMPLE>(v >> 16 & 0xFF);
                row[x * 3 + 1] = static_cast<JSAMPLE>(v >> 8 & 0xFF);
                row[x * 3 + 2] = static_cast<JSAMPLE>(v & 0xFF);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    std::string file(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&c);
    std::free(buffer);
    return file;
}

// Four flat quarters: red, green, blue, white.
std::uint32_t quarters(int x, int y) {
    static const std::uint32_t colors[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    return colors[(y >= 16) * 2 + (x >= 16)];
}

void expectNear(std::uint32_t got, std::uint32_t want) {
    EXPECT_EQ(got >> 24, 0xFFu) << "decoded pixels are opaque";
    for (int shift : {16, 8, 0})
        EXPECT_NEAR(static_cast<int>(got >> shift & 0xFF), static_cast<int>(want >> shift & 0xFF), 12)
            << std::hex << "got " << got << " want " << want;
}

TEST(Jpeg, colourPictureComesBackWithItsSizeAndColours) {
    const Bitmap b = decodeJpeg(encode(32, 32, quarters));
    ASSERT_EQ(b.width, 32);
    ASSERT_EQ(b.height, 32);
    // Sample inside each quarter, away from the edges where colours bleed.
    for (auto [x, y] : {std::pair{4, 4}, {27, 4}, {4, 27}, {27, 27}}) expectNear(b.at(x, y), quarters(x, y));
}

TEST(Jpeg, wideNonSquarePictureKeepsRowOrder) {
    // A gradient from black on the top row to white on the bottom row, 40 x 9:
    // width not a multiple of the block size, rows must not be swapped.
    const auto grad = [](int, int y) { return static_cast<std::uint32_t>(y * 31) * 0x010101u; };
    const Bitmap b = decodeJpeg(encode(40, 9, grad));
    ASSERT_EQ(b.width, 40);
    ASSERT_EQ(b.height, 9);
    expectNear(b.at(20, 0), grad(0, 0));
    expectNear(b.at(20, 8), grad(0, 8));
}

TEST(Jpeg, greyAndProgressivePicturesDecodeToo) {
    const Bitmap grey = decodeJpeg(encode(16, 16, [](int, int) { return 0x808080u; }, {.grey = true}));
    ASSERT_EQ(grey.width, 16);
    expectNear(grey.at(7, 7), 0x808080);

    const Bitmap prog = decodeJpeg(encode(32, 32, quarters, {.progressive = true}));
    ASSERT_EQ(prog.width, 32);
    expectNear(prog.at(27, 27), 0xFFFFFF);
    expectNear(prog.at(27, 4), 0x00FF00);
}

TEST(Jpeg, damagedFilesAreRefused) {
    const std::string good = encode(32, 32, quarters, {.quality = 90});
    EXPECT_THROW(decodeJpeg(""), FormatError);
    EXPECT_THROW(decodeJpeg("not a picture at all, just some words"), FormatError);
    EXPECT_THROW(decodeJpeg(std::string(300, '\xFF')), FormatError);
    EXPECT_THROW(decodeJpeg(good.substr(0, 2)), FormatError) << "only the start marker";
    EXPECT_THROW(decodeJpeg(good.substr(0, good.size() / 2)), FormatError) << "cut in the middle";
    EXPECT_THROW(decodeJpeg(good.substr(0, good.size() - 2)), FormatError) << "end marker missing";

    std::string stray = good;
    stray.insert(stray.size() / 2, "\xFF\xD8");
    EXPECT_THROW(decodeJpeg(stray), FormatError) << "a second start marker inside the picture data";

    std::string noTables = good;
    for (std::size_t dqt; (dqt = noTables.find("\xFF\xDB")) != std::string::npos;)
        noTables[dqt + 1] = '\xFE';  // the quantisation tables turn into comments
    EXPECT_THROW(decodeJpeg(noTables), FormatError) << "quantisation tables missing";
}

TEST(Jpeg, aHeaderClaimingAHugePictureIsRefusedBeforeDecoding) {
    std::string file = encode(16, 16, quarters);
    // The frame header (FF C0): length (2), precision (1), height (2), width (2).
    const std::size_t sof = file.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    file[sof + 5] = '\xEA';  // height 60000
    file[sof + 6] = '\x60';
    file[sof + 7] = '\xEA';  // width 60000
    file[sof + 8] = '\x60';
    try {
        decodeJpeg(file);
        FAIL() << "a 60000 x 60000 picture was accepted";
    } catch (const FormatError& e) {
        EXPECT_NE(std::string(e.what()).find("60000"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace vm
