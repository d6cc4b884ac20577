// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/careermarkers.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "league/world.h"
#include "util/process.h"
#include "util/textfile.h"

namespace vm {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kMarkerExtension = ".open";
// A mark's line: a count of clock ticks, twenty digits at most.
constexpr std::size_t kMarkerBytes = 24;

fs::path markerOf(const World& w, int pid) {
    return w.path(kCareerMarkerFolder) / (std::to_string(pid) + std::string(kMarkerExtension));
}

// The copy a mark names and when it started (the mark's one line); false for
// a file that is not a mark. Only a plain file is read, and only its first
// bytes: a pipe or a huge file planted under a mark's name must not hold up
// the game's start. An unreadable mark still names its copy; the id alone
// decides then.
bool readMarker(const fs::directory_entry& entry, int& pid, std::uint64_t& started) {
    const fs::path& file = entry.path();
    std::error_code fe;
    if (file.extension() != kMarkerExtension || !entry.is_regular_file(fe)) return false;
    const std::string stem = file.stem().string();
    const auto [end, ec] = std::from_chars(stem.data(), stem.data() + stem.size(), pid);
    if (ec != std::errc() || end != stem.data() + stem.size() || pid <= 0) return false;
    started = 0;
    std::ifstream in(file, std::ios::binary);
    std::array<char, kMarkerBytes> text{};
    in.read(text.data(), text.size());
    std::from_chars(text.data(), text.data() + in.gcount(), started);
    return true;
}

template <class Visit>
void eachAbandoned(const World& w, Visit visit) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(w.path(kCareerMarkerFolder), ec)) {
        int pid = 0;
        std::uint64_t started = 0;
        if (readMarker(entry, pid, started) && !processRunning(pid, started)) visit(entry.path(), pid);
    }
}

}  // namespace

void markCareerOpen(const World& w) {
    std::error_code ec;
    fs::create_directories(w.path(kCareerMarkerFolder), ec);
    const int pid = ownProcessId();
    writeBytesAtomic(markerOf(w, pid), std::to_string(processStartTicks(pid)) + "\n");
}

void markCareerClosed(const World& w) {
    std::error_code ec;
    fs::remove(markerOf(w, ownProcessId()), ec);
}

std::vector<int> abandonedCareers(const World& w) {
    std::vector<int> pids;
    eachAbandoned(w, [&](const fs::path&, int pid) { pids.push_back(pid); });
    return pids;
}

void forgetAbandonedCareers(const World& w) {
    eachAbandoned(w, [](const fs::path& file, int) {
        std::error_code ec;
        fs::remove(file, ec);
    });
}

}  // namespace vm
