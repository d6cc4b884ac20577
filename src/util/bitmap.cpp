// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/bitmap.h"

#include <bit>

#include "util/errors.h"

namespace vm {
namespace {

std::uint32_t u16(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
std::uint32_t u32(std::string_view b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }
std::int32_t s32(std::string_view b, std::size_t at) { return static_cast<std::int32_t>(u32(b, at)); }

[[noreturn]] void bad(const std::string& why) { throw FormatError("画像が壊れています: " + why); }

// Scales a masked channel to 0..255.
std::uint32_t channel(std::uint32_t v, std::uint32_t mask) {
    if (!mask) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t maxv = mask >> shift;
    return ((v & mask) >> shift) * 255u / maxv;
}

}  // namespace

Bitmap Bitmap::crop(int x, int y, int w, int h) const {
    Bitmap out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int sx = x + i, sy = y + j;
            out.at(i, j) = sx >= 0 && sy >= 0 && sx < width && sy < height ? at(sx, sy) : 0xFFFFFFFF;
        }
    return out;
}

std::size_t bmpFileSize(std::string_view b) {
    if (b.size() < 14 || b[0] != 'B' || b[1] != 'M') bad("BMP の見出しがありません");
    const std::uint32_t size = u32(b, 2);
    if (size < 14 + 40 || size > 64u * 1024 * 1024) bad("BMP の大きさが不正です");
    return size;
}

Bitmap decodeBmp(std::string_view b) {
    const std::size_t fileSize = bmpFileSize(b);
    if (fileSize > b.size()) bad("BMP が途中で終わっています");
    b = b.substr(0, fileSize);
    const std::uint32_t dataOffset = u32(b, 10);
    const std::uint32_t headerSize = u32(b, 14);
    if (headerSize != 40 && headerSize != 108 && headerSize != 124) bad("未対応の BMP 形式です");
    if (14 + headerSize > b.size()) bad("BMP の情報ヘッダが欠けています");
    const std::int32_t w = s32(b, 18);
    const std::int32_t rawH = s32(b, 22);
    const std::uint32_t planes = u16(b, 26), bpp = u16(b, 28), compression = u32(b, 30);
    std::uint32_t colorsUsed = u32(b, 46);
    if (rawH == INT32_MIN) bad("高さが不正です");
    const bool topDown = rawH < 0;
    const int h = topDown ? -rawH : rawH;
    if (w <= 0 || h <= 0 || w > kMaxBitmapSide || h > kMaxBitmapSide) bad("画像の大きさが不正です");
    if (planes != 1) bad("プレーン数が不正です");

    std::uint32_t rmask = 0x00FF0000, gmask = 0x0000FF00, bmask = 0x000000FF, amask = 0;
    if (bpp == 16) rmask = 0x7C00, gmask = 0x03E0, bmask = 0x001F;
    if (compression == 3) {  // BI_BITFIELDS: masks follow a 40-byte header or sit inside a larger one
        if (bpp != 16 && bpp != 32) bad("ビットフィールドの深さが不正です");
        if (14 + 40 + 12 > b.size()) bad("ビットマスクが欠けています");
        rmask = u32(b, 54), gmask = u32(b, 58), bmask = u32(b, 62);
        if (headerSize >= 108) amask = u32(b, 66);
        if (!rmask || !gmask || !bmask) bad("ビットマスクが不正です");
    } else if (compression != 0) {
        bad("圧縮された BMP には対応していません");
    }

    std::vector<std::uint32_t> palette;
    if (bpp == 1 || bpp == 4 || bpp == 8) {
        const std::uint32_t maxColors = 1u << bpp;
        if (colorsUsed == 0 || colorsUsed > maxColors) colorsUsed = maxColors;
        const std::size_t palAt = 14 + headerSize + (compression == 3 && headerSize == 40 ? 12 : 0);
        if (palAt + 4ull * colorsUsed > b.size()) bad("パレットが欠けています");
        for (std::uint32_t i = 0; i < colorsUsed; ++i)
            palette.push_back(0xFF000000u | (u32(b, palAt + 4 * i) & 0x00FFFFFF));
    } else if (bpp != 16 && bpp != 24 && bpp != 32) {
        bad("色の深さ " + std::to_string(bpp) + " には対応していません");
    }

    const std::size_t stride = ((static_cast<std::size_t>(w) * bpp + 31) / 32) * 4;
    if (dataOffset > b.size() || stride * h > b.size() - dataOffset) bad("画素データが欠けています");

    Bitmap out(w, h);
    for (int row = 0; row < h; ++row) {
        const std::size_t line = dataOffset + stride * static_cast<std::size_t>(row);
        const int y = topDown ? row : h - 1 - row;
        for (int x = 0; x < w; ++x) {
            std::uint32_t px = 0;
            if (bpp <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bpp;
                const auto byte = static_cast<unsigned char>(b[line + bit / 8]);
                const std::uint32_t idx = (byte >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                if (idx >= palette.size()) bad("パレットの番号が範囲外です");
                px = palette[idx];
            } else if (bpp == 24) {
                const std::size_t at = line + 3 * static_cast<std::size_t>(x);
                px = 0xFF000000u | u16(b, at) | static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16;
            } else {
                const std::uint32_t v = bpp == 16 ? u16(b, line + 2 * x) : u32(b, line + 4 * x);
                const std::uint32_t a = amask ? channel(v, amask) : 255;
                px = a << 24 | channel(v, rmask) << 16 | channel(v, gmask) << 8 | channel(v, bmask);
            }
            out.at(x, y) = px;
        }
    }
    return out;
}

std::string encodeBmp(const Bitmap& bm) {
    const std::size_t stride = ((static_cast<std::size_t>(bm.width) * 24 + 31) / 32) * 4;
    const std::size_t dataSize = stride * bm.height;
    const std::size_t fileSize = 54 + dataSize;
    std::string out;
    out.reserve(fileSize);
    auto put16 = [&](std::uint32_t v) { out.push_back(static_cast<char>(v & 0xFF)); out.push_back(static_cast<char>(v >> 8 & 0xFF)); };
    auto put32 = [&](std::uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
    out += "BM";
    put32(static_cast<std::uint32_t>(fileSize));
    put32(0);
    put32(54);
    put32(40);
    put32(static_cast<std::uint32_t>(bm.width));
    put32(static_cast<std::uint32_t>(bm.height));
    put16(1);
    put16(24);
    put32(0);
    put32(static_cast<std::uint32_t>(dataSize));
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (int y = bm.height - 1; y >= 0; --y) {
        for (int x = 0; x < bm.width; ++x) {
            const std::uint32_t p = bm.at(x, y);
            out.push_back(static_cast<char>(p & 0xFF));
            out.push_back(static_cast<char>(p >> 8 & 0xFF));
            out.push_back(static_cast<char>(p >> 16 & 0xFF));
        }
        out.append(stride - 3 * static_cast<std::size_t>(bm.width), '\0');
    }
    return out;
}

}  // namespace vm
