// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/autosaves.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <system_error>

#include "league/savefiles.h"
#include "league/savegame.h"
#include "league/statsfile.h"
#include "league/tleague.h"
#include "league/world.h"
#include "util/durablewrite.h"

namespace vm {
namespace fs = std::filesystem;
namespace {

// "000042_3年目_14節.dat": the number first, so a name sorts by age.
constexpr int kNumberDigits = 6;

std::int64_t mtimeNsOf(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return 0;
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

bool parseName(const std::string& stem, Autosave& a) {
    if (stem.size() < kNumberDigits + 2 || stem[kNumberDigits] != '_') return false;
    const auto [end, ec] = std::from_chars(stem.data(), stem.data() + kNumberDigits, a.number);
    if (ec != std::errc() || end != stem.data() + kNumberDigits) return false;
    a.point = stem.substr(kNumberDigits + 1);
    return true;
}

std::string nameOf(int number, const std::string& point) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*d", kNumberDigits, number);
    return std::string(digits) + "_" + point + ".dat";
}

}  // namespace

std::string autosavePoint(const World& w) {
    const std::string year = std::to_string(w.kanri.year) + "年目_";
    if (!w.leagues[0]) return year + "オフ";
    return year + std::to_string(w.leagues[0]->round + 1) + "節";
}

std::vector<Autosave> listAutosaves(const World& w) {
    std::vector<Autosave> out;
    for (const FileEntry& e : dataload(w, "autosave")) {
        Autosave a;
        if (!parseName(e.name, a)) continue;
        a.file = w.path(kAutosaveFolder) / (e.name + ".dat");
        a.mtimeNs = mtimeNsOf(a.file);
        a.timetext = e.timetext;
        out.push_back(std::move(a));
    }
    std::sort(out.begin(), out.end(),
              [](const Autosave& a, const Autosave& b) { return a.number > b.number; });
    return out;
}

std::string autosaveProblem(const World& w, const Autosave& a) {
    try {
        return loadProblem(w, readPlayerFile(a.file));
    } catch (const std::runtime_error& e) {
        return e.what();
    }
}

fs::path writeAutosave(const World& w) {
    const fs::path folder = w.path(kAutosaveFolder);
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::vector<Autosave> before = listAutosaves(w);
    const std::string point = autosavePoint(w);
    const fs::path file = folder / nameOf(before.empty() ? 1 : before.front().number + 1, point);
    saveAsNew(w, file);
    // Only now that the new one is whole: the same point's older autosave,
    // then every point beyond the last few.
    std::vector<std::string> kept{point};
    for (const Autosave& a : before) {
        const bool seen = std::find(kept.begin(), kept.end(), a.point) != kept.end();
        if (!seen && kept.size() < kAutosavesKept) {
            kept.push_back(a.point);
            continue;
        }
        removeSavePair(a.file);  // with its statistics file
    }
    flushFolder(folder);
    return file;
}

std::int64_t newestSaveTime(const World& w) {
    std::int64_t newest = 0;
    for (const FileEntry& e : dataload(w, "savedata"))
        newest = std::max(newest, mtimeNsOf(w.path("data/savedata") / (e.name + ".dat")));
    return newest;
}

}  // namespace vm
