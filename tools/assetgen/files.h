// SPDX-License-Identifier: GPL-3.0-or-later
// Writers for the file forms the game reads: JPEG (libjpeg, fixed settings),
// 24-bit BMP, PNG (zlib, fixed level) and 16-bit mono PCM WAVE. All of them
// write only what the pixels and samples say, so output is reproducible.
#pragma once

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vm::assets {

void writeJpeg(const QImage& image, const std::filesystem::path& path, int quality);
void writeBmp(const QImage& image, const std::filesystem::path& path);
void writePng(const QImage& image, const std::filesystem::path& path);
void writeWav(const std::vector<std::int16_t>& samples, int rate, const std::filesystem::path& path);
void writeText(const std::string& text, const std::filesystem::path& path);

}  // namespace vm::assets
