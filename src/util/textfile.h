// SPDX-License-Identifier: GPL-3.0-or-later
// The game's text files: CP932 with CR LF line ends on disk, UTF-8 lines in memory.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

// The lines of a text image: CR LF or LF ends, the last line may lack one.
std::vector<std::string_view> splitLines(std::string_view bytes);

// Reads every line (CR LF or LF ends; the last line may lack one). Throws
// DataError naming the file when it cannot be opened or decoded.
std::vector<std::string> readLines(const std::filesystem::path& file);
// Writes the lines in CP932, each ending in CR LF (working files under data/tmp).
void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines);
// The same through writeBytesAtomic, for files the player would miss.
void writeLinesAtomic(const std::filesystem::path& file, const std::vector<std::string>& lines);
// The CP932 CR LF image of the lines.
std::string linesImage(const std::vector<std::string>& lines);
// Appends one line (CP932, CR LF).
void appendLine(const std::filesystem::path& file, std::string_view line);

// Whole files as bytes.
std::string readBytes(const std::filesystem::path& file);
// Writes to a temporary file in the same folder, flushes it and renames it over
// the target, so a failure never leaves half a file. Throws DataError on failure.
void writeBytesAtomic(const std::filesystem::path& file, std::string_view bytes);

}  // namespace vm
