// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/formationfile.h"

#include "util/arith.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {
namespace {

constexpr std::size_t kLineLength = 66;
// A formation file is one short line; anything much bigger is something else.
constexpr std::uintmax_t kMaxFileBytes = 4096;
// A marker is 12 x 12 and its spot is its centre: corners that keep the spot on the pitch.
constexpr int kMaxLeft = 640 - 6;
constexpr int kMaxTop = 480 - 6;

[[noreturn]] void unusable() {
    throw FormatError(kFormationUnusable);
}

int digits3(std::string_view s) {
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') unusable();
        v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace

std::string formationline(const MarkerCorners& corners) {
    std::string line(kFormationMagic);
    for (const Point& p : corners) line += pad(limit(p.x, 0, kMaxLeft), 3) + pad(limit(p.y, 0, kMaxTop), 3);
    return line;
}

MarkerCorners formationparse(std::string_view bytes) {
    // The line ends where a CR or LF starts; a CR LF pair is one end. After
    // that end nothing may follow: a second line makes it another file.
    const std::size_t end = bytes.find_first_of("\r\n");
    const std::string_view line = bytes.substr(0, end);
    if (end != std::string_view::npos) {
        std::string_view rest = bytes.substr(end);
        rest.remove_prefix(rest.substr(0, 2) == "\r\n" ? 2 : 1);
        if (!rest.empty()) unusable();
    }
    if (line.size() < kLineLength || line.substr(0, kFormationMagic.size()) != kFormationMagic) unusable();
    MarkerCorners corners{};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const std::size_t at = kFormationMagic.size() + 6 * i;
        // A marker's corner stands 6 up and left of its spot.
        corners[i] = {limit(digits3(line.substr(at, 3)), SpotArea::minX - 6, SpotArea::maxX - 6),
                      limit(digits3(line.substr(at + 3, 3)), SpotArea::minY - 6, SpotArea::maxY - 6)};
    }
    return corners;
}

MarkerCorners formationfileload(const std::filesystem::path& file) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) throw DataError(file.generic_string() + " を開けません");
    if (size > kMaxFileBytes) unusable();
    return formationparse(readBytes(file));
}

void formationfilesave(const std::filesystem::path& file, const MarkerCorners& corners) {
    writeBytesAtomic(file, formationline(corners) + "\r\n");
}

}  // namespace vm
