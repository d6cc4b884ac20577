// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the statistics file beside a save, and keeping the two
// files a pair.
#include "league/statsfile.h"

#include <fstream>
#include <set>

#include "league/world.h"
#include "util/errors.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMagic = "VMST";
constexpr int kVersion = 1;
constexpr int kMaxPlayers = 100000;
constexpr int kMaxResults = 100000;
constexpr int kMaxSeasons = 10000;
constexpr int kMaxLists = 3;
constexpr int kMaxIndex = 1000;
constexpr int kMaxFigure = 1 << 24;

// An integer of the file that must lie in lo..hi.
int readIn(InStream& s, int lo, int hi, const char* what) {
    const int v = s.readInt();
    if (v < lo || v > hi) throw FormatError(std::string("統計ファイルの値が範囲外です: ") + what);
    return v;
}

void writeSide(OutStream& s, const SideFigures& f) {
    for (int v : {f.possession, f.shots, f.onTarget, f.ownGoals, f.corners, f.goalKicks, f.throwIns,
                  f.crosses, f.passes})
        s.writeInt(v);
}

void readSide(InStream& s, SideFigures& f) {
    for (int* v : {&f.possession, &f.shots, &f.onTarget, &f.ownGoals, &f.corners, &f.goalKicks, &f.throwIns,
                   &f.crosses, &f.passes})
        *v = readIn(s, 0, kMaxFigure, "試合の数字");
}

void writeRecord(OutStream& s, const MatchRecord& r) {
    s.writeInt(r.division);
    s.writeInt(r.fixture);
    for (int k = 0; k < 2; ++k) {
        s.writeInt(r.clubs[k]);
        writestr(s, r.names[k]);
        s.writeInt(r.goals[k]);
    }
    s.writeInt(r.stats.ticks);
    for (int k = 0; k < 2; ++k) {
        writeSide(s, r.stats.sides[k]);
        for (int e = 0; e < kFigureMen; ++e) {
            const ManFigures& m = r.stats.men[k][e];
            for (int v : {m.shots, m.goals, m.assists, m.touches}) s.writeInt(v);
            writestr(s, r.men[k][e]);
        }
    }
}

MatchRecord readRecord(InStream& s) {
    MatchRecord r;
    r.division = readIn(s, 1, 2, "部");
    r.fixture = readIn(s, 0, 4, "試合番号");
    for (int k = 0; k < 2; ++k) {
        r.clubs[k] = readIn(s, 0, kStatsClubs - 1, "クラブ");
        r.names[k] = readString(s);
        r.goals[k] = readIn(s, 0, 1000, "得点");
    }
    r.stats.ticks = readIn(s, 0, kMaxFigure, "ティック");
    for (int k = 0; k < 2; ++k) {
        readSide(s, r.stats.sides[k]);
        for (int e = 0; e < kFigureMen; ++e) {
            ManFigures& m = r.stats.men[k][e];
            for (int* v : {&m.shots, &m.goals, &m.assists, &m.touches})
                *v = readIn(s, 0, kMaxFigure, "選手の数字");
            r.men[k][e] = readString(s);
        }
    }
    return r;
}

std::string refusedText(const std::string& why, int season) {
    return why + "記録は第" + std::to_string(season) + "期から数え直します";
}

}  // namespace

fs::path statsPath(const fs::path& saveFile) {
    fs::path p = saveFile;
    p.replace_extension(".stats");
    return p;
}

std::vector<StatsPlace> statsPlaces(const World& w) {
    std::vector<StatsPlace> places;
    for (int k = 0; k < kClubCount; ++k) {
        const Tteam& club = w.team(k);
        const PlayerList* lists[kMaxLists] = {&club.roster, &club.youth, &club.injured};
        for (int l = 0; l < kMaxLists; ++l) {
            for (int i = 0; i < static_cast<int>(lists[l]->size()); ++i) {
                const int id = (*lists[l])[i]->statsid;
                if (id != 0 && w.stats.players.count(id)) places.push_back({id, k, l, i});
            }
        }
    }
    return places;
}

std::uint64_t saveFingerprint(std::string_view saveBytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : saveBytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string statsImage(const World& w, std::string_view saveBytes) {
    const CareerStats& st = w.stats;
    OutStream s;
    s.writeBytes(kMagic);
    s.writeInt(kVersion);
    const std::uint64_t f = saveFingerprint(saveBytes);
    s.writeInt(static_cast<std::int32_t>(static_cast<std::uint32_t>(f)));
    s.writeInt(static_cast<std::int32_t>(static_cast<std::uint32_t>(f >> 32)));
    for (int v : {st.since, st.season, st.lastround, st.nextid}) s.writeInt(v);
    s.writeInt(static_cast<int>(st.lastday.size()));
    for (const MatchRecord& r : st.lastday) writeRecord(s, r);
    for (const auto& club : st.positions)
        for (int v : club) s.writeInt(v);
    s.writeInt(static_cast<int>(st.results.size()));
    for (const UserResult& r : st.results) {
        s.writeInt(r.season);
        s.writeInt(r.round);
        writestr(s, r.opponent);
        s.writeInt(r.scored);
        s.writeInt(r.conceded);
    }
    s.writeInt(static_cast<int>(st.players.size()));
    for (const auto& [id, p] : st.players) {
        s.writeInt(id);
        writestr(s, p.name);
        for (int v : {p.games, p.goals, p.assists}) s.writeInt(v);
        s.writeInt(static_cast<int>(p.seasons.size()));
        for (const SeasonAbility& a : p.seasons) {
            s.writeInt(a.season);
            for (int v : a.ability) s.writeInt(v);
        }
    }
    const std::vector<StatsPlace> places = statsPlaces(w);
    s.writeInt(static_cast<int>(places.size()));
    for (const StatsPlace& p : places)
        for (int v : {p.id, p.club, p.list, p.index}) s.writeInt(v);
    return s.bytes();
}

StatsFile readStatsImage(std::string_view bytes) {
    InStream s(bytes);
    if (s.left() < kMagic.size() || s.readBytes(kMagic.size()) != kMagic)
        throw FormatError("統計ファイルではありません");
    if (s.readInt() != kVersion) throw FormatError("この統計ファイルの形式は読めません");
    StatsFile out;
    const auto lo = static_cast<std::uint32_t>(s.readInt());
    const auto hi = static_cast<std::uint32_t>(s.readInt());
    out.fingerprint = (static_cast<std::uint64_t>(hi) << 32) | lo;
    CareerStats& st = out.stats;
    st.since = readIn(s, 1, kMaxSeasons, "開始期");
    st.season = readIn(s, 0, kMaxSeasons, "期");
    st.lastround = readIn(s, -1, kStatsRounds - 1, "節");
    st.nextid = readIn(s, 1, kMaxPlayers + 1, "番号");
    const int days = s.readCount(10, "試合");
    for (int i = 0; i < days; ++i) st.lastday.push_back(readRecord(s));
    for (auto& club : st.positions)
        for (int& v : club) v = readIn(s, 0, 10, "順位");
    const int results = s.readCount(kMaxResults, "結果");
    for (int i = 0; i < results; ++i) {
        UserResult r;
        r.season = readIn(s, 1, kMaxSeasons, "結果の期");
        r.round = readIn(s, 0, kStatsRounds - 1, "結果の節");
        r.opponent = readString(s);
        r.scored = readIn(s, 0, 1000, "得点");
        r.conceded = readIn(s, 0, 1000, "失点");
        st.results.push_back(std::move(r));
    }
    const int players = s.readCount(kMaxPlayers, "選手");
    for (int i = 0; i < players; ++i) {
        const int id = readIn(s, 1, st.nextid - 1, "選手番号");
        if (st.players.count(id)) throw FormatError("統計ファイルに同じ選手が二度あります");
        TrackedPlayer& p = st.players[id];
        p.name = readString(s);
        for (int* v : {&p.games, &p.goals, &p.assists}) *v = readIn(s, 0, kMaxFigure, "選手の数字");
        const int seasons = s.readCount(kMaxSeasons, "シーズン");
        for (int k = 0; k < seasons; ++k) {
            SeasonAbility a;
            a.season = readIn(s, 1, kMaxSeasons, "能力の期");
            for (int& v : a.ability) v = readIn(s, 0, 1000, "能力");
            p.seasons.push_back(a);
        }
    }
    const int places = s.readCount(kClubCount * kMaxLists * kMaxIndex, "位置");
    std::set<int> placed;
    for (int i = 0; i < places; ++i) {
        StatsPlace p;
        p.id = readIn(s, 1, st.nextid - 1, "選手番号");
        p.club = readIn(s, 0, kClubCount - 1, "クラブ");
        p.list = readIn(s, 0, kMaxLists - 1, "リスト");
        p.index = readIn(s, 0, kMaxIndex - 1, "位置");
        if (!st.players.count(p.id) || !placed.insert(p.id).second)
            throw FormatError("統計ファイルの選手の位置が壊れています");
        out.places.push_back(p);
    }
    if (!s.atEnd()) throw FormatError("統計ファイルの後ろに余分なデータがあります");
    return out;
}

void writeStats(const World& w, const fs::path& saveFile, std::string_view saveBytes) {
    try {
        writeBytesAtomic(statsPath(saveFile), statsImage(w, saveBytes));
    } catch (const EncodingError& e) {
        throw DataError(std::string("統計ファイルを保存できません: ") + e.what());
    }
}

void loadStats(World& w, const fs::path& saveFile, std::string_view saveBytes) {
    const int season = w.kanri.year;
    const fs::path file = statsPath(saveFile);
    std::string why;
    StatsFile read;
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        why = "このセーブには統計ファイルがありません。";
    } else {
        try {
            if (fs::file_size(file) > kMaxStatsBytes) throw FormatError("統計ファイルが大きすぎます");
            read = readStatsImage(readBytes(file));
            if (read.fingerprint != saveFingerprint(saveBytes))
                why = "統計ファイルがこのセーブと合いません。";
        } catch (const std::exception& e) {
            why = std::string("統計ファイルを読めません（") + e.what() + "）。";
        }
    }
    // Every place must name a player of the loaded save.
    auto at = [&](const StatsPlace& p) -> Tplayer* {
        const Tteam& club = w.team(p.club);
        const PlayerList* lists[kMaxLists] = {&club.roster, &club.youth, &club.injured};
        return p.index < static_cast<int>(lists[p.list]->size()) ? (*lists[p.list])[p.index].get() : nullptr;
    };
    if (why.empty()) {
        for (const StatsPlace& p : read.places) {
            if (at(p) == nullptr) why = "統計ファイルがこのセーブと合いません。";
        }
    }
    for (auto& club : w.teams) {
        for (auto* list : {&club->roster, &club->youth, &club->injured})
            for (auto& p : *list) p->statsid = 0;
    }
    if (!why.empty()) {
        w.stats.restart(season);
        w.stats.notice = refusedText(why, season);
        return;
    }
    for (const StatsPlace& p : read.places) at(p)->statsid = p.id;
    w.stats = std::move(read.stats);
}

bool removeSavePair(const fs::path& saveFile) {
    std::error_code ec, ec2;
    fs::remove(saveFile, ec);
    fs::remove(statsPath(saveFile), ec2);
    return !ec && !ec2;
}

bool renameSavePair(const fs::path& from, const fs::path& to) {
    std::error_code ec, ec2;
    fs::rename(from, to, ec);
    if (ec) return false;
    if (fs::exists(statsPath(from), ec2)) {
        fs::rename(statsPath(from), statsPath(to), ec2);
    } else {
        fs::remove(statsPath(to), ec2);
    }
    return !ec2;
}

}  // namespace vm
