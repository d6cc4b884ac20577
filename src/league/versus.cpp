// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/versus.h"

#include <algorithm>
#include <stdexcept>

#include "league/savefiles.h"
#include "league/season.h"
#include "league/tleague.h"
#include "league/world.h"
#include "util/cp932.h"
#include "util/errors.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm {
namespace fs = std::filesystem;
namespace {

constexpr const char* kKeptClub = "data/tmp/save.dat";

void checkSlot(int club) {
    if (club < 1 || club >= kClubCount) throw std::logic_error("no club slot " + std::to_string(club));
}

// The game's tables are comma text: a name holding a comma would shift
// every column after it, so a club with one is refused when it is read.
void refuseCommaNames(const Tteam& club) {
    const auto check = [](const std::string& name) {
        if (name.find(',') != std::string::npos)
            throw FormatError("名前にカンマ（,）を含むチームは使えません：" + name);
    };
    check(club.name);
    for (const PlayerList* list : {&club.roster, &club.youth, &club.injured})
        for (const auto& p : *list) check(p->name);
}

}  // namespace

std::string vsImage(const World& w, std::string_view comment) {
    const auto stored = tryToCp932(comment);
    if (!stored) throw NameRefused("使用できない文字を含んでいます");
    // As long as any reader of versus files accepts.
    if (stored->size() > static_cast<std::size_t>(kMaxStreamString))
        throw NameRefused("コメントが長すぎます");
    try {
        OutStream s;
        s.writeInt(kFileFormat);
        writestr(s, comment);
        w.team(0).teamsave(s);
        return s.bytes();
    } catch (const EncodingError& e) {
        throw DataError(std::string("保存できません: ") + e.what());
    }
}

VersusClub readVersus(World& w, std::string_view image, int clubno) {
    const Rng before = w.rng;
    try {
        InStream s(image);
        readFormat(s);
        VersusClub v;
        v.comment = readString(s);
        v.club = readClub(w, s, clubno);
        if (!s.atEnd()) throw FormatError("チームの後に余分なデータがあります");
        refuseCommaNames(*v.club);
        return v;
    } catch (...) {
        w.rng = before;
        throw;
    }
}

void vssave(const World& w, const fs::path& file, std::string_view comment) {
    const std::string image = vsImage(w, comment);
    // The export is read back first, so a file no one could load is never written.
    World check(w.root, w.shippedRoot, SeedSource::fixed(1));
    check.teams[0] = Tteam::blank(check, 0);
    try {
        readVersus(check, image, 0);
    } catch (const FormatError& e) {
        throw DataError(std::string("保存できません: ") + e.what());
    }
    writeBytesAtomic(file, image);
}

std::string vsload(World& w, const fs::path& file, int side) {
    if (side != 0 && side != 1) throw std::logic_error("a versus side is 0 or 1");
    VersusClub v = readVersus(w, readPlayerFile(file), side);
    installClub(w, std::move(v.club));
    return v.comment;
}

void vsstart(World& w) {
    w.kanri.div2list = kVersusDiv2;
    seasonstart(w);
    for (auto& league : w.leagues) league->round = kVersusRound;
}

int lastclubfind(World& w) {
    std::vector<fs::path> ranks;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(w.path("data/tmp"), ec))
        if (entry.path().extension() == ".rank") ranks.push_back(entry.path());
    if (ranks.empty()) return 0;
    std::sort(ranks.begin(), ranks.end());
    const std::string stem = ranks.front().stem().string();
    fs::remove(ranks.front(), ec);
    // The game names its rank files "%.2d"; anything else offers nothing.
    if (stem.size() != 2 ||
        !std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    const int club = (stem[0] - '0') * 10 + (stem[1] - '0');
    return club < kClubCount ? club : 0;
}

void lastclubkeep(const World& w, int club) {
    checkSlot(club);
    OutStream s;
    w.team(club).teamsave(s);
    writeBytesAtomic(w.path(kKeptClub), s.bytes());
}

std::string lastclubreplace(World& w, int club, const fs::path& file) {
    checkSlot(club);
    const std::string image = readPlayerFile(file);
    VersusClub v = readVersus(w, image, club);
    v.club->money = w.team(club).money;
    for (auto& p : v.club->roster) p->career.clear();
    installClub(w, std::move(v.club));
    return v.comment;
}

void lastclubrestore(World& w, int club) {
    checkSlot(club);
    const std::string image = readPlayerFile(w.path(kKeptClub));
    const Rng before = w.rng;
    try {
        InStream s(image);
        auto kept = readClub(w, s, club);
        if (!s.atEnd()) throw FormatError("チームの後に余分なデータがあります");
        installClub(w, std::move(kept));
    } catch (...) {
        w.rng = before;
        throw;
    }
}

}  // namespace vm
