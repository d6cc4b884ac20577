// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/jpeg.h"

// clang-format off
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <string>
#include <vector>

#include "util/errors.h"

namespace vm {
namespace {

// libjpeg reports failures through error_exit, which must not return. It jumps
// back into runDecoder with longjmp; the frames it leaves are libjpeg's own C
// frames, and runDecoder itself keeps no object with a destructor, so nothing
// is skipped. Whatever needs cleaning up lives in decodeJpeg, outside the jump.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void errorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings mean damaged data (a truncated stream, a corrupt segment), which
// libjpeg would paper over with grey; the game refuses such a picture instead.
void emitMessage(j_common_ptr cinfo, int level) {
    if (level < 0) errorExit(cinfo);
}

// Decodes into `out`; false with err.message set when libjpeg gave up.
bool runDecoder(jpeg_decompress_struct& cinfo, ErrorManager& err, std::string_view bytes, Bitmap& out,
                std::vector<JSAMPLE>& row) {
    if (setjmp(err.jump)) return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    // Checked before anything is allocated, so a hostile header cannot ask for gigabytes.
    if (cinfo.image_width > kMaxBitmapSide || cinfo.image_height > kMaxBitmapSide) {
        std::snprintf(err.message, sizeof err.message, "画像が大きすぎます (%u x %u)", cinfo.image_width,
                      cinfo.image_height);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);

    out = Bitmap(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    row.resize(static_cast<std::size_t>(cinfo.output_width) * 3);
    JSAMPROW rows[1] = {row.data()};
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) {
            std::snprintf(err.message, sizeof err.message, "JPEG の行 %d が読めません", y);
            return false;
        }
        for (int x = 0; x < out.width; ++x) {
            const JSAMPLE* p = &row[static_cast<std::size_t>(x) * 3];
            out.at(x, y) = 0xFF000000u | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
        }
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

}  // namespace

Bitmap decodeJpeg(std::string_view bytes) {
    if (bytes.empty()) throw FormatError("画像が壊れています: JPEG が空です");
    Bitmap out;
    std::vector<JSAMPLE> row;
    // Zero-initialised, so releasing it is safe even when creation itself failed.
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = errorExit;
    err.pub.emit_message = emitMessage;

    struct Release {
        jpeg_decompress_struct& cinfo;
        ~Release() { jpeg_destroy_decompress(&cinfo); }
    } release{cinfo};
    if (!runDecoder(cinfo, err, bytes, out, row))
        throw FormatError(std::string("画像が壊れています: ") + err.message);
    return out;
}

}  // namespace vm
