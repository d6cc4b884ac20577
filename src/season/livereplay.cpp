// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the replay record; joining the user's result files.
#include "season/livereplay.h"

#include <algorithm>
#include <charconv>

#include "league/runner.h"
#include "league/world.h"
#include "match/tgame.h"
#include "util/arith.h"
#include "util/errors.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm {

namespace {

void put3(std::string& line, int v) {
    v = std::clamp(v, 0, 999);
    line += static_cast<char>('0' + v / 100);
    line += static_cast<char>('0' + v / 10 % 10);
    line += static_cast<char>('0' + v % 10);
}

bool isframe(std::string_view line) {
    return line == "g" || (line.size() == kFrameDigits && std::all_of(line.begin(), line.end(), [](char c) {
                               return c >= '0' && c <= '9';
                           }));
}

}  // namespace

std::string vtrline(const Tgame& game) {
    std::string line;
    line.reserve(kFrameDigits);
    for (const Tmteam& side : game.men) {
        for (int i = 0; i < Tmteam::kMen; ++i) {
            put3(line, side[i].x - 6);
            put3(line, side[i].y - 6);
        }
    }
    const ballstate& b = game.ball;
    put3(line, b.x - 3);
    put3(line, b.y - 3);
    put3(line, b.x - 3 - roundEven(0.75 * b.z));
    put3(line, b.y - 3 - roundEven(1.5 * b.z));
    return line;
}

std::string replayimage(const Replay& replay) {
    OutStream s;
    for (const Bitmap& picture : replay.pictures) {
        const std::string bmp = encodeBmp(picture);
        s.writeInt(static_cast<std::int32_t>(bmp.size()));
        s.writeBytes(bmp);
    }
    std::vector<std::string> lines;
    lines.reserve(replay.frames.size() + 1);
    lines.push_back(std::to_string(replay.step));
    lines.insert(lines.end(), replay.frames.begin(), replay.frames.end());
    s.writeBytes(linesImage(lines));
    return s.bytes();
}

namespace {

// Whether a line that stops without its line end is the start of a frame line.
bool isframestart(std::string_view line) {
    return line.size() < kFrameDigits &&
           std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

ReplayReading readreplaypart(std::string_view bytes) {
    ReplayReading reading;
    Replay& r = reading.replay;
    InStream s(bytes);
    for (Bitmap& picture : r.pictures) {
        const std::int32_t n = s.readInt();
        if (n <= 0 || n > kMaxReplayPicture) throw FormatError("リプレイの画像が壊れています");
        picture = decodeBmp(s.readBytes(static_cast<std::size_t>(n)));
    }
    const std::string_view text = s.readBytes(s.left());
    std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty()) throw FormatError("リプレイの本文がありません");
    const std::string_view first = lines[0];
    const auto [end, ec] = std::from_chars(first.data(), first.data() + first.size(), r.step);
    if (first.empty() || ec != std::errc{} || end != first.data() + first.size() || r.step <= 0)
        throw FormatError("リプレイの1行目が不正です");
    // The writer ends every line; a last frame line without its end that is
    // only the start of one is where the file was cut off.
    if (lines.size() > 1 && text.back() != '\n' && !isframe(lines.back()) && isframestart(lines.back())) {
        lines.pop_back();
        reading.cutShort = true;
        reading.problem = "記録が" + std::to_string(lines.size()) + "コマ目の途中で切れています";
    }
    r.frames.reserve(lines.size() - 1);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!isframe(lines[i])) throw FormatError("リプレイの" + std::to_string(i + 1) + "行目が不正です");
        r.frames.emplace_back(lines[i]);
    }
    return reading;
}

Replay readreplay(std::string_view bytes) {
    ReplayReading reading = readreplaypart(bytes);
    if (reading.cutShort) throw FormatError(reading.problem);
    return std::move(reading.replay);
}

ReplayReading readreplayfile(const std::filesystem::path& file) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) throw DataError(file.generic_string() + " を開けません");
    if (size > kMaxReplayBytes) throw FormatError("ファイルが大きすぎます");
    return readreplaypart(readBytes(file));
}

Replay replayof(const World& world, const Tgame& game, int speed) {
    Replay r;
    for (int side = 0; side < 2; ++side) r.pictures[side] = world.team(game.club[side]).emblem;
    r.step = speed * 4;
    if (game.vtrlist) r.frames = *game.vtrlist;
    return r;
}

void writereplay(const World& world, const Tgame& game, int speed) {
    writeBytesAtomic(world.path(kReplayFile), replayimage(replayof(world, game, speed)));
}

std::string joinresults(const World& world, int division) {
    std::vector<std::string> joined;
    std::string name = "data/tmp/result";
    for (int side = 0; side < 2; ++side) {
        const std::vector<std::string> lines = readLines(world.path(resultfilename(division, 0, side)));
        name += pad(static_cast<int>(lines.size()), 2);
        joined.insert(joined.end(), lines.begin(), lines.end());
    }
    name += ".dat";
    writeLinesAtomic(world.path(name), joined);
    return name;
}

}  // namespace vm
