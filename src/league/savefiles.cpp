// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/savefiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "league/tleague.h"
#include "league/world.h"
#include "players/tteam.h"
#include "util/cp932.h"
#include "util/errors.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm {
namespace fs = std::filesystem;
namespace {

// Names as long as a division keeps them (a longer club name could not be
// stored in the next season's division, and a player's name goes into the
// scorer lists).
// Sane bounds for the figures of a stored club.
constexpr int kMaxMoney = 1000000000;
constexpr int kMaxDoctor = 1000;
constexpr int kMaxCoach = 99;
constexpr std::size_t kMinRoster = 11;
// "<name>.dat.<process id>.part" must fit the 255 bytes of a file name.
constexpr std::size_t kMaxFileNameBytes = 200;

std::string timeText(std::int64_t t) {
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    localtime_r(&tt, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y/%m/%d %H:%M:%S", &tm);
    return buf;
}

fs::path playerFolder(const World& w, std::string_view folder, std::string_view name) {
    if (const std::string why = fileNameProblem(name); !why.empty()) throw NameRefused(why);
    const fs::path dir = w.path("data/" + std::string(folder));
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir)) throw DataError(dir.generic_string() + " を作れません");
    return dir / (std::string(name) + ".dat");
}

void requireClub(bool ok, const std::string& what) {
    if (!ok) throw FormatError(what);
}

void checkPlayers(const Tteam& club) {
    for (const PlayerList* list : {&club.roster, &club.youth, &club.injured})
        for (const auto& p : *list) requireClub(p->name.size() <= kMaxStoredNameBytes, "選手名が長すぎます");
}

}  // namespace

std::vector<FileEntry> dataload(const World& w, std::string_view folder) {
    std::vector<FileEntry> out;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(w.path("data/" + std::string(folder)), ec)) {
        std::error_code fe;
        if (!entry.is_regular_file(fe) || entry.path().extension() != ".dat") continue;
        FileEntry e;
        e.name = entry.path().stem().string();
        if (!fileNameProblem(e.name).empty()) continue;
        struct stat st {};
        if (::stat(entry.path().c_str(), &st) == 0) e.mtime = st.st_mtime;
        e.timetext = timeText(e.mtime);
        out.push_back(std::move(e));
    }
    std::sort(out.begin(), out.end(), [](const FileEntry& a, const FileEntry& b) { return a.name < b.name; });
    return out;
}

std::string fileNameProblem(std::string_view name) {
    static const std::string bad = "使用できない文字を含んでいます";
    if (name.empty() || name.front() == '.') return bad;
    if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos) return bad;
    if (name.find("..") != std::string_view::npos) return bad;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F) return bad;
    if (!fitsCp932(name)) return bad;
    if (name.size() > kMaxFileNameBytes) return "ファイル名が長すぎます";
    return {};
}

fs::path savePath(const World& w, std::string_view name) {
    return playerFolder(w, "savedata", name);
}
fs::path vsPath(const World& w, std::string_view name) {
    return playerFolder(w, "vs", name);
}

std::string readPlayerFile(const fs::path& file) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) throw DataError(file.generic_string() + " を開けません");
    if (size > kMaxFileBytes) throw FormatError("ファイルが大きすぎます");
    return readBytes(file);
}

std::string unreadableText(const std::exception& e) {
    return std::string("このファイルは読み込めません\n") + e.what();
}

void readFormat(InStream& s) {
    const std::int32_t n = s.readInt();
    if (n != kFileFormat) throw FormatError("形式番号が違います (" + std::to_string(n) + ")");
}

std::unique_ptr<Tteam> readClub(World& w, InStream& s, int clubno) {
    auto club = Tteam::blank(w, clubno);
    if (const auto& old = w.teams.at(static_cast<std::size_t>(clubno))) club->popularity = old->popularity;
    club->teamload(s);
    requireClub(club->name.size() <= kMaxStoredNameBytes, "チーム名が長すぎます");
    requireClub(club->roster.size() >= kMinRoster, club->name + " の選手が11人に足りません");
    requireClub(std::abs(static_cast<long long>(club->money)) <= kMaxMoney,
                club->name + " の所持金が不正です");
    requireClub(club->doctor >= 0 && club->doctor <= kMaxDoctor, club->name + " の医者が不正です");
    for (int v : club->coachpower) requireClub(v >= 0 && v <= kMaxCoach, club->name + " のコーチが不正です");
    for (const Attrs& c : club->coach)
        for (int v : c) requireClub(v >= 0 && v <= kMaxCoach, club->name + " のコーチが不正です");
    checkPlayers(*club);
    return club;
}

std::unique_ptr<Tteam> installClub(World& w, std::unique_ptr<Tteam> club) {
    auto& slot = w.teams.at(static_cast<std::size_t>(club->clubno));
    std::swap(slot, club);
    return club;
}

void revalue(World& w) {
    for (auto& club : w.teams) {
        if (!club) continue;
        for (PlayerList* list : {&club->roster, &club->youth, &club->injured})
            for (auto& p : *list) p->moodadd(0);
    }
}

}  // namespace vm
