// SPDX-License-Identifier: GPL-3.0-or-later
// File writers for the asset generator.
#include "files.h"

#include <QByteArray>

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "util/bitmap.h"

namespace vm::assets {

namespace {

using Bytes = std::vector<unsigned char>;

// Writes beside the target and renames, so an interrupted run never leaves a
// half-written picture in data/.
void saveBytes(const Bytes& bytes, const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    const std::filesystem::path tmp = path.string() + ".part";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + tmp.string());
    }
    std::filesystem::rename(tmp, path);
}

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void putBe32(Bytes& b, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<unsigned char>((v >> s) & 0xFF));
}
void putTag(Bytes& b, const char* tag) {
    b.insert(b.end(), tag, tag + 4);
}

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

}  // namespace

void writeJpeg(const QImage& image, const std::filesystem::path& path, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    JpegError err{};
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegErrorExit;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        throw std::runtime_error(std::string("JPEG encoding failed: ") + err.message);
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // The integer DCT is exact across SIMD and plain builds of the library.
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.optimize_coding = TRUE;
    // Full colour resolution keeps thin white lines and lettering clean.
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes bytes(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    saveBytes(bytes, path);
}

void writeBmp(const QImage& image, const std::filesystem::path& path) {
    // The game's own BMP writer, so that the shipped pictures have exactly the
    // form the game writes emblems in.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap picture(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) picture.at(x, y) = line[x];
    }
    const std::string bytes = encodeBmp(picture);
    saveBytes(Bytes(bytes.begin(), bytes.end()), path);
}

namespace {

// The CRC-32 of PNG chunks (the reflected 0xEDB88320 polynomial).
std::uint32_t crc32(const unsigned char* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

void pngChunk(Bytes& out, const char* tag, const Bytes& data) {
    putBe32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    putTag(out, tag);
    out.insert(out.end(), data.begin(), data.end());
    putBe32(out, crc32(out.data() + start, out.size() - start));
}

}  // namespace

void writePng(const QImage& image, const std::filesystem::path& path) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const auto w = static_cast<std::uint32_t>(rgba.width());
    const auto h = static_cast<std::uint32_t>(rgba.height());
    Bytes raw;
    raw.reserve((w * 4 + 1) * h);
    for (std::uint32_t y = 0; y < h; ++y) {
        // Filter "Sub": each byte minus the one four to its left packs smooth
        // gradients far better than no filter, and is just as deterministic.
        raw.push_back(1);
        const unsigned char* line = rgba.constScanLine(static_cast<int>(y));
        for (std::uint32_t i = 0; i < w * 4; ++i)
            raw.push_back(static_cast<unsigned char>(line[i] - (i >= 4 ? line[i - 4] : 0)));
    }
    // qCompress writes a zlib stream (what PNG wants) after a 4-byte length.
    const QByteArray zlib =
        qCompress(reinterpret_cast<const uchar*>(raw.data()), static_cast<qsizetype>(raw.size()), 9);
    const Bytes packed(zlib.begin() + 4, zlib.end());

    Bytes out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes ihdr;
    putBe32(ihdr, w);
    putBe32(ihdr, h);
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, deflate, filters, no interlace
    pngChunk(out, "IHDR", ihdr);
    pngChunk(out, "IDAT", packed);
    pngChunk(out, "IEND", {});
    saveBytes(out, path);
}

void writeWav(const std::vector<std::int16_t>& samples, int rate, const std::filesystem::path& path) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    Bytes b;
    b.reserve(44 + dataBytes);
    putTag(b, "RIFF");
    put32(b, 36 + dataBytes);
    putTag(b, "WAVE");
    putTag(b, "fmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, static_cast<std::uint32_t>(rate));
    put32(b, static_cast<std::uint32_t>(rate) * 2);  // bytes per second
    put16(b, 2);                                     // block align
    put16(b, 16);                                    // bits per sample
    putTag(b, "data");
    put32(b, dataBytes);
    for (std::int16_t s : samples) put16(b, static_cast<std::uint16_t>(s));
    saveBytes(b, path);
}

void writeText(const std::string& text, const std::filesystem::path& path) {
    saveBytes(Bytes(text.begin(), text.end()), path);
}

}  // namespace vm::assets
