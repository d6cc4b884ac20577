// SPDX-License-Identifier: GPL-3.0-or-later
// A BMP picture, as club emblems are stored.
#include "fuzz_world.h"
#include "util/bitmap.h"
#include "util/errors.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bitmap b;
    try {
        b = decodeBmp(fuzz::bytes(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    // Written again as 24-bit, every pixel keeps its colour.
    const std::string again = encodeBmp(b);
    if (bmpFileSize(again) != again.size()) std::abort();
    const Bitmap c = decodeBmp(again);
    if (c.width != b.width || c.height != b.height) std::abort();
    for (std::size_t i = 0; i < b.pixels.size(); ++i)
        if ((b.pixels[i] & 0xFFFFFF) != (c.pixels[i] & 0xFFFFFF)) std::abort();
    return 0;
}
