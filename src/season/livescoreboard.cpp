// SPDX-License-Identifier: GPL-3.0-or-later
// The live match's pitch picture, scoreboard and speed file.
#include "season/livescoreboard.h"

#include <charconv>
#include <exception>

#include "league/tleague.h"
#include "league/world.h"
#include "match/tgame.h"
#include "util/arith.h"
#include "util/textfile.h"

namespace vm {

namespace {
constexpr int kSquadRows = 14;  // heading, eleven starters, two on the bench
constexpr int kPitchRows = 12;  // heading and the eleven on the pitch
}  // namespace

PitchPicture pitchpicture(const Tgame& game) {
    PitchPicture p;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < 11; ++i) p.shirts[side][i] = {game.men[side][i].x - 6, game.men[side][i].y - 6};
    p.shadow = {game.ball.x - 3, game.ball.y - 3};
    p.ball = {game.ball.x - 3, game.ball.y - 3 - roundEven(game.ball.z)};
    return p;
}

std::string clocktext(int clock) {
    return std::to_string(clock / 60) + "：" + pad(clock % 60, 2);
}

Grid squadgrid(const Tteam& team) {
    Grid g;
    team.rostergrid(g, {12});
    posname(g, sqAT);
    legname(g, sqLeg);
    if (g.rowCount() > kSquadRows) g.resize(g.colCount(), kSquadRows);
    for (int r = 1; r < g.rowCount(); ++r) g.cell(sqNumber, r) = pad(r, 2);
    return g;
}

Scoreboard openscoreboard(const World& world, const Tgame& game) {
    Scoreboard b;
    b.clock = clocktext(game.clock);
    b.home = world.leagues[0] ? homemarker(world.leagues[0]->round) : HomeMarker::hidden;
    b.commentary = game.kick.commentary;
    for (int side = 0; side < 2; ++side) {
        const Tteam& team = world.team(game.club[side]);
        b.names[side] = team.name;
        b.squads[side] = squadgrid(team);
        for (int i = 0; i < 11; ++i) b.shirts[side][i] = pad(i + 1, 2);
        b.goals[side] = game.goals(side);
    }
    return b;
}

void updatescoreboard(Scoreboard& board, const Tgame& game, std::vector<Cue>& cues) {
    board.commentary = game.kick.commentary;
    board.clock = clocktext(game.clock);
    for (int side = 0; side < 2; ++side) {
        board.goals[side] = game.goals(side);
        const Sublog& sub = game.sublog[side];
        Grid& squad = board.squads[side];
        if (sub.slot < 0 || squad.rowCount() <= kPitchRows || sub.index + 1 >= squad.rowCount()) continue;
        squad.rows()[sub.slot + 1] = squad.rows()[sub.index + 1];
        squad.resize(squad.colCount(), kPitchRows);
        board.shirts[side][sub.slot] = std::to_string(sub.index + 1);
        cues.push_back({CueKind::shirt, side, sub.slot, board.shirts[side][sub.slot]});
    }
}

SpeedSetting readspeed(const std::filesystem::path& file) {
    SpeedSetting s;
    std::vector<std::string> lines;
    try {
        lines = readLines(file);
    } catch (const std::exception& e) {
        s.problem = e.what();
        return s;
    }
    std::string_view first = lines.empty() ? std::string_view{} : std::string_view{lines[0]};
    while (!first.empty() && first.front() == ' ') first.remove_prefix(1);
    while (!first.empty() && first.back() == ' ') first.remove_suffix(1);
    int speed = 0;
    const auto [end, ec] = std::from_chars(first.data(), first.data() + first.size(), speed);
    if (first.empty() || ec != std::errc{} || end != first.data() + first.size()) {
        s.problem = file.filename().string() + " の1行目が数値ではありません";
        return s;
    }
    s.speed = limit(speed, kMinSpeed, kMaxSpeed);
    return s;
}

void writespeed(const std::filesystem::path& file, int speed) {
    writeLinesAtomic(file, {std::to_string(speed)});
}

}  // namespace vm
