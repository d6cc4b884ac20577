// SPDX-License-Identifier: GPL-3.0-or-later
// Formation files (*.frm): the player's own line-ups of the ten outfield
// markers, one line holding the magic "005234" and each marker's top-left
// corner as "%.3d%.3d", markers 02..11 in order.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "players/tteam.h"

namespace vm {

// Top-left corners of markers 02..11 (line-up slots 1..10).
using MarkerCorners = std::array<Point, 10>;

inline constexpr std::string_view kFormationMagic = "005234";
// The refusal the tactics screen shows for a file it cannot use.
inline constexpr const char* kFormationUnusable = "このファイルは使えません";

// Where a marker's spot may stand: the part of the pitch a marker is dragged over.
struct SpotArea {
    static constexpr int minX = 80, maxX = 270, minY = 50, maxY = 430;
};

// The file's one line (without its line end). Corners are kept on the pitch.
std::string formationline(const MarkerCorners& corners);

// Reads a formation file's bytes: exactly one line (CR LF, LF or CR ends)
// that starts with the magic and ten groups of six digits; whatever follows
// them on the line is left unread. A corner whose spot lies outside the
// SpotArea is brought to its nearest point inside. Anything else throws
// FormatError(kFormationUnusable) before any corner is given back.
MarkerCorners formationparse(std::string_view bytes);

// The file on disk: DataError when it cannot be read, FormatError as above.
MarkerCorners formationfileload(const std::filesystem::path& file);
// Writes the file (CP932-safe ASCII, CR LF), replacing it only by a complete one.
void formationfilesave(const std::filesystem::path& file, const MarkerCorners& corners);

}  // namespace vm
