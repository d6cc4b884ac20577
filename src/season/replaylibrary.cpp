// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping, listing and deleting the player's replays in data/replays.
#include "season/replaylibrary.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "league/tleague.h"
#include "league/world.h"
#include "match/tgame.h"
#include "season/livematch.h"
#include "season/livereplay.h"
#include "util/arith.h"
#include "util/cp932.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {
namespace fs = std::filesystem;

namespace {

// Room for each club's name in a file name, in bytes.
constexpr std::size_t kNameBytes = 48;
constexpr int kMaxSeason = 9999;
constexpr int kMaxGoals = 999;
// The description's last line when the record stops part-way. Whole matches
// keep the six lines of the first kept replays.
constexpr const char* kPartialLine = "途中まで";
constexpr const char* kPartialNote = "（途中まで）";

// Bytes of the UTF-8 character starting at `at`, or 0 when it is not one.
std::size_t charBytes(std::string_view s, std::size_t at) {
    const auto lead = static_cast<unsigned char>(s[at]);
    const std::size_t n = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    if (n == 0 || at + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[at + k]) & 0xC0) != 0x80) return 0;
    return n;
}

// A club's name as a piece of a file name: separators, characters other
// systems refuse in names, spaces and control characters become "_", and so
// does anything code page 932 cannot hold; a dot may not lead, end or follow
// another; cut to kNameBytes whole characters.
std::string namepiece(std::string_view name) {
    std::string out;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t n = charBytes(name, at);
        std::string_view c = n == 0 ? std::string_view("_") : name.substr(at, n);
        if (n == 1) {
            const auto b = static_cast<unsigned char>(c[0]);
            if (b <= 0x20 || b == 0x7F || std::strchr("/\\:*?\"<>|", c[0])) c = "_";
            if (c == "." && (out.empty() || out.back() == '.')) c = "_";
        }
        if (n > 1 && !fitsCp932(c)) c = "_";
        if (out.size() + c.size() > kNameBytes) break;
        out += c;
        at += n == 0 ? 1 : n;
    }
    if (out.empty()) out = "_";
    if (out.back() == '.') out.back() = '_';
    return out;
}

// The number a file name starts with ("0012_..."), or -1.
int leadingnumber(const std::string& name) {
    const std::size_t underscore = name.find('_');
    if (underscore == 0 || underscore == std::string::npos || underscore > 9) return -1;
    int n = -1;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + underscore, n);
    return ec == std::errc{} && end == name.data() + underscore ? n : -1;
}

fs::path sidecar(const fs::path& record, const char* extension = ".txt") {
    fs::path text = record;
    return text.replace_extension(extension);
}

constexpr const char* kNotesExtension = ".watch";

int number(std::string_view line, int low, int high) {
    int v = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), v);
    if (line.empty() || ec != std::errc{} || end != line.data() + line.size() || v < low || v > high)
        throw FormatError("数が不正です");
    return v;
}

std::vector<std::string> describe(const KeptMatch& m) {
    std::vector<std::string> lines{
        std::to_string(m.season),   std::to_string(m.matchday), m.names[0], m.names[1],
        std::to_string(m.goals[0]), std::to_string(m.goals[1])};
    if (m.partial) lines.push_back(kPartialLine);
    return lines;
}

std::optional<KeptMatch> description(const fs::path& record) {
    try {
        const fs::path text = sidecar(record);
        std::error_code ec;
        if (fs::file_size(text, ec) > 4096 || ec) return std::nullopt;
        const std::vector<std::string> lines = readLines(text);
        if (lines.size() != 6 && (lines.size() != 7 || lines[6] != kPartialLine)) return std::nullopt;
        KeptMatch m;
        m.partial = lines.size() == 7;
        m.season = number(lines[0], 0, kMaxSeason);
        m.matchday = number(lines[1], 0, kRounds);
        for (int side = 0; side < 2; ++side) {
            m.names[side] = lines[2 + side];
            if (m.names[side].empty() || m.names[side].size() > kMaxStoredNameBytes) return std::nullopt;
            m.goals[side] = number(lines[4 + side], 0, kMaxGoals);
        }
        return m;
    } catch (const std::exception&) {
        return std::nullopt;  // the replay is listed all the same, under its file name
    }
}

std::string whentext(const KeptMatch& m) {
    if (m.matchday == 0) return "対戦";
    return std::to_string(m.season) + "年目 " + std::to_string(m.matchday) + "節";
}

}  // namespace

std::string replayfilename(int number, const KeptMatch& match) {
    std::string name = pad(number, 4) + "_";
    if (match.matchday == 0) {
        name += "対戦";
    } else {
        name += std::to_string(match.season) + "年目_" + pad(match.matchday, 2) + "節";
    }
    return name + "_" + namepiece(match.names[0]) + "_" + namepiece(match.names[1]) + ".dat";
}

fs::path keepreplay(const World& world, const Replay& replay, const KeptMatch& match,
                    const WatchNotes* notes) {
    const fs::path folder = world.path(kReplayFolder);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) throw DataError(folder.generic_string() + " を作れません");
    int next = 1;
    for (const KeptReplay& kept : keptreplays(world)) next = std::max(next, kept.number + 1);
    fs::path record;
    for (;; ++next) {
        record = folder / replayfilename(next, match);
        if (!fs::exists(record, ec) && !fs::exists(sidecar(record), ec) &&
            !fs::exists(sidecar(record, kNotesExtension), ec))
            break;
    }
    writeBytesAtomic(record, replayimage(replay));
    try {
        writeLinesAtomic(sidecar(record), describe(match));
    } catch (const std::exception&) {
        // The replay is kept; without its description it is listed by its file name.
    }
    try {
        if (notes) writeBytesAtomic(sidecar(record, kNotesExtension), notesimage(*notes));
    } catch (const std::exception&) {
        // Without its notes the replay plays as the first kept replays do.
    }
    return record;
}

KeptMatch keptmatch(const World& world, const LiveMatch& match) {
    KeptMatch m;
    const Tgame& game = match.game();
    if (match.league()) {
        m.season = world.kanri.year;
        m.matchday = world.leagues[match.division() - 1]->round + 1;
    }
    for (int side = 0; side < 2; ++side) {
        m.names[side] = world.team(game.club[side]).name;
        m.goals[side] = game.goals(side);
    }
    m.partial = match.givenup();
    return m;
}

std::optional<fs::path> keepreplay(const World& world, const LiveMatch& match) {
    if (!match.recording() || !match.over()) return std::nullopt;
    const Tgame& game = match.game();
    if (!game.vtrlist || game.vtrlist->empty()) return std::nullopt;
    return keepreplay(world, replayof(world, game, match.speed()), keptmatch(world, match), &match.notes());
}

NotesReading readkeptnotes(const fs::path& record) {
    NotesReading reading;
    const fs::path file = sidecar(record, kNotesExtension);
    std::error_code ec;
    if (!fs::exists(file, ec)) return reading;
    try {
        if (fs::file_size(file, ec) > kMaxNotesBytes || ec) throw FormatError("観戦メモが大きすぎます");
        reading.notes = readnotes(readBytes(file));
    } catch (const std::runtime_error& e) {
        reading.problem = e.what();
    }
    return reading;
}

std::vector<KeptReplay> keptreplays(const World& world) {
    std::vector<KeptReplay> list;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(world.path(kReplayFolder), ec)) {
        std::error_code fe;
        if (!entry.is_regular_file(fe) || entry.path().extension() != ".dat") continue;
        KeptReplay kept;
        kept.file = entry.path();
        kept.number = leadingnumber(entry.path().filename().string());
        kept.match = description(entry.path());
        list.push_back(std::move(kept));
    }
    std::sort(list.begin(), list.end(), [](const KeptReplay& a, const KeptReplay& b) {
        if (a.number != b.number) return a.number > b.number;
        return a.file.filename() > b.file.filename();
    });
    return list;
}

std::string noreplaystext(const World& world) {
    const fs::path on = world.path(kReplaySwitch);
    std::error_code ec;
    if (fs::exists(on, ec))
        return "保存したリプレイはありません。記録はオンです。"
               "これから観戦する試合は、終わるとここに保存されます。";
    return "保存したリプレイはありません。空のファイル\n" + on.generic_string() +
           "\nを作ると記録がオンになり、それから観戦する試合は、終わるとここに保存されます。";
}

std::string replaytitle(const fs::path& file, const std::optional<KeptMatch>& match) {
    if (!match) return file.filename().string();
    return whentext(*match) + "  " + match->names[0] + " " + std::to_string(match->goals[0]) + " - " +
           std::to_string(match->goals[1]) + " " + match->names[1] + (match->partial ? kPartialNote : "");
}

Grid replaygrid(const std::vector<KeptReplay>& replays) {
    Grid g(4, static_cast<int>(replays.size()) + 1);
    const std::array<const char*, 4> headings{"試合", "チーム", "スコア", "相手"};
    for (int col = 0; col < 4; ++col) g.cell(col, 0) = headings[col];
    for (std::size_t r = 0; r < replays.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        const KeptReplay& kept = replays[r];
        if (kept.match) {
            const KeptMatch& m = *kept.match;
            g.cell(0, row) = whentext(m) + (m.partial ? kPartialMark : "");
            g.cell(1, row) = m.names[0];
            g.cell(2, row) = std::to_string(m.goals[0]) + " - " + std::to_string(m.goals[1]);
            g.cell(3, row) = m.names[1];
        } else {
            g.cell(0, row) = "不明";
            g.cell(1, row) = kept.file.stem().string();
        }
    }
    return g;
}

void deletereplay(const World& world, const KeptReplay& replay) {
    std::error_code ec;
    const fs::path folder = fs::weakly_canonical(world.path(kReplayFolder), ec);
    if (ec || fs::weakly_canonical(replay.file.parent_path(), ec) != folder || ec ||
        replay.file.extension() != ".dat")
        throw DataError(replay.file.generic_string() + " はリプレイではありません");
    if (!fs::remove(replay.file, ec) && ec)
        throw DataError(replay.file.generic_string() + " を削除できません");
    // A description or notes left behind list nothing.
    fs::remove(sidecar(replay.file), ec);
    fs::remove(sidecar(replay.file, kNotesExtension), ec);
}

}  // namespace vm
