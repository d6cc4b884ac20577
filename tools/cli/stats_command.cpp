// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool stats: what the statistics file beside a saved game holds,
// whether it still matches the save, and which player of the save each record
// belongs to once the game loads it. A damaged file is refused with exit
// code 2.
#include <filesystem>
#include <map>
#include <ostream>
#include <stdexcept>

#include "command.h"
#include "league/savefiles.h"
#include "league/savegame.h"
#include "league/statsfile.h"
#include "output.h"
#include "statsjson.h"
#include "util/errors.h"
#include "util/textfile.h"
#include "workdir.h"

namespace vm::cli {
namespace {

constexpr const char* kListNames[] = {"一軍", "ユース", "負傷"};

// Where each tracked player stands once the game loads the save, by his
// tracking number: the save read and its statistics matched as a load does.
using Loaded = std::map<int, std::pair<StatsPlace, std::string>>;
Loaded loadedPlaces(const std::string& save, std::string_view image) {
    auto w = readingWorld();
    readSave(*w, image);
    loadStats(*w, save, image);
    Loaded out;
    for (const StatsPlace& p : statsPlaces(*w)) {
        const Tteam& club = w->team(p.club);
        const PlayerList* lists[] = {&club.roster, &club.youth, &club.injured};
        out[p.id] = {p, (*lists[p.list])[p.index]->name};
    }
    return out;
}

int percent(int part, int whole) {
    return whole > 0 ? (200 * part + whole) / (2 * whole) : 0;
}

void printText(std::ostream& out, const StatsFile& f, bool matches, const Loaded& loaded) {
    const CareerStats& st = f.stats;
    out << "セーブとの一致: " << (matches ? "はい" : "いいえ (読み込むと記録は数え直しになります)") << "\n";
    out << "記録の開始: " << st.since << "年目  記録の年: " << st.season
        << "年目  最後の節: " << (st.lastround < 0 ? std::string("なし") : std::to_string(st.lastround + 1))
        << "\n";
    for (const MatchRecord& r : st.lastday) {
        const auto& a = r.stats.sides[0];
        const auto& b = r.stats.sides[1];
        out << "  DIV" << r.division << " " << r.names[0] << " " << r.goals[0] << "-" << r.goals[1] << " "
            << r.names[1] << "  シュート " << a.shots << "-" << b.shots << " (枠内 " << a.onTarget << "-"
            << b.onTarget << ")  支配率 " << percent(a.possession, r.stats.ticks) << "%-"
            << percent(b.possession, r.stats.ticks) << "%  CK " << a.corners << "-" << b.corners << "\n";
    }
    out << "ユーザークラブの試合: " << st.results.size() << "\n";
    out << "記録のある選手: " << st.players.size() << " (うちセーブ内の位置 " << f.places.size() << ")\n";
    for (const auto& [id, p] : st.players) {
        out << "  " << id << " " << p.name << "  出場 " << p.games << "  得点 " << p.goals << "  アシスト "
            << p.assists << "  記録した期 " << p.seasons.size();
        if (const auto at = loaded.find(id); at != loaded.end()) {
            const StatsPlace& where = at->second.first;
            out << "  セーブ内: チーム" << where.club << " " << kListNames[where.list] << where.index + 1
                << "番 " << at->second.second;
        }
        out << "\n";
    }
}

void printJson(std::ostream& out, const StatsFile& f, bool matches, const Loaded& loaded) {
    const CareerStats& st = f.stats;
    out << "{\"matchesSave\":" << (matches ? "true" : "false") << ",\"since\":" << st.since
        << ",\"season\":" << st.season << ",\"lastDay\":" << st.lastround + 1 << ",\"matches\":";
    jsonArray(out, st.lastday, [&](const MatchRecord& r) { printMatchRecordJson(out, r); });
    out << ",\"positions\":";
    jsonArrayOf(out, st.lastround + 1, [&](int round) { printDayPositionsJson(out, st, round); });
    out << ",\"results\":";
    jsonArray(out, st.results, [&](const UserResult& r) {
        out << "{\"season\":" << r.season << ",\"day\":" << r.round + 1
            << ",\"opponent\":" << jsonString(r.opponent) << ",\"scored\":" << r.scored
            << ",\"conceded\":" << r.conceded << "}";
    });
    out << ",\"players\":";
    jsonArray(out, st.players, [&](const auto& entry) {
        const auto& [id, p] = entry;
        out << "{\"id\":" << id << ",\"name\":" << jsonString(p.name) << ",\"games\":" << p.games
            << ",\"goals\":" << p.goals << ",\"assists\":" << p.assists << ",\"at\":";
        if (const auto at = loaded.find(id); at != loaded.end()) {
            const StatsPlace& where = at->second.first;
            out << "{\"club\":" << where.club << ",\"list\":" << where.list << ",\"index\":" << where.index
                << ",\"name\":" << jsonString(at->second.second) << "}";
        } else {
            out << "null";
        }
        out << ",\"seasons\":";
        jsonArray(out, p.seasons, [&](const SeasonAbility& a) {
            out << "{\"season\":" << a.season << ",\"ability\":";
            jsonInts(out, a.ability);
            out << "}";
        });
        out << "}";
    });
    out << ",\"places\":";
    jsonArray(out, f.places, [&](const StatsPlace& p) {
        out << "{\"id\":" << p.id << ",\"club\":" << p.club << ",\"list\":" << p.list
            << ",\"index\":" << p.index << "}";
    });
    out << "}\n";
}

int runStats(const std::vector<std::string>& args, std::ostream& out) {
    std::string save;
    for (const std::string& a : args) {
        if (a == "--json") continue;
        if (a.rfind("--", 0) == 0) throw std::invalid_argument("知らないオプションです: " + a);
        if (!save.empty()) throw std::invalid_argument("セーブファイルは1つだけ指定してください");
        save = a;
    }
    if (save.empty()) throw std::invalid_argument("セーブファイルを指定してください");
    const std::filesystem::path file = statsPath(save);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) throw DataError("統計ファイルがありません: " + file.string());
    if (std::filesystem::file_size(file, ec) > kMaxStatsBytes)
        throw FormatError("統計ファイルが大きすぎます");
    const StatsFile f = readStatsImage(readBytes(file));
    const std::string image = readPlayerFile(save);
    const bool matches = f.fingerprint == saveFingerprint(image);
    const Loaded loaded = matches ? loadedPlaces(save, image) : Loaded{};
    if (flag(args, "--json")) {
        printJson(out, f, matches, loaded);
    } else {
        printText(out, f, matches, loaded);
    }
    return 0;
}

}  // namespace

VM_COMMAND("stats", "stats SAVE [--json]", runStats);

}  // namespace vm::cli
