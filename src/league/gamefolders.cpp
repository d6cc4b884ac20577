// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/gamefolders.h"

#include <fstream>
#include <string>
#include <system_error>

namespace vm {
namespace fs = std::filesystem;

namespace {

bool holdsData(const fs::path& root) {
    std::error_code ec;
    return !root.empty() && fs::is_directory(root / "data", ec);
}

bool absoluteFolder(const char* value) {
    return value != nullptr && value[0] == '/';
}

// The source tree a build folder's note names: its one line, an absolute
// folder; empty without a note or with anything else in it.
fs::path sourceTreeNamedIn(const fs::path& programFolder) {
    std::ifstream in(programFolder / kSourceTreeNote);
    std::string line;
    if (!std::getline(in, line) || !absoluteFolder(line.c_str())) return {};
    return line;
}

}  // namespace

std::optional<fs::path> findShippedRoot(const fs::path& programFolder) {
    if (programFolder.empty()) return std::nullopt;
    const fs::path installed = (programFolder / kInstalledShare).lexically_normal();
    if (holdsData(installed)) return installed;
    if (const fs::path source = sourceTreeNamedIn(programFolder); holdsData(source)) return source;
    return std::nullopt;
}

std::string installedDataForMessages(const fs::path& programFolder) {
    if (programFolder.empty())
        return "share/vellmora2/data（/proc/self/exe が読めず、プログラムの場所が分かりません）";
    return ((programFolder / kInstalledShare).lexically_normal() / "data").string();
}

std::optional<fs::path> playerRoot(const char* xdgDataHome, const char* home) {
    if (absoluteFolder(xdgDataHome)) return fs::path(xdgDataHome) / "vellmora2";
    if (absoluteFolder(home)) return fs::path(home) / ".local/share/vellmora2";
    return std::nullopt;
}

fs::path programFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
}

}  // namespace vm
