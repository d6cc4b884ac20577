// SPDX-License-Identifier: GPL-3.0-or-later
// What the live match's two windows show, worked out without them: the
// pitch picture's shirt, shadow and ball corners, the scoreboard (clock,
// score, names, home marker, commentary, both squads, shirt numbers) and the
// match speed kept in data/msp.dat.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "players/tteam.h"
#include "season/livecues.h"
#include "util/grid.h"

namespace vm {

class Tgame;
class World;

// Where the pitch window draws its pictures this frame, as top-left corners
// on the 640 x 480 pitch: the 12 x 24 shirts of both sides (men 0..10, side 0
// first), then the 8 x 8 shadow and the ball raised above it by its height.
struct PitchPicture {
    std::array<std::array<Point, 11>, 2> shirts{};
    Point shadow;
    Point ball;
    bool operator==(const PitchPicture&) const = default;
};
PitchPicture pitchpicture(const Tgame& game);

// Columns of a squad table: the rostergrid columns without Value.
enum SquadColumn { sqNumber = 0, sqName = 1, sqAT = 3, sqLeg = 11, sqCondition = 14, sqIndex = 15 };

struct Scoreboard {
    std::string clock;  // minutes, "：", two-digit seconds
    std::array<int, 2> goals{};
    std::array<std::string, 2> names;
    HomeMarker home = HomeMarker::hidden;
    std::string commentary;
    // Both squads, side 0 first: heading row, then line-up slots 0..10 and
    // the bench ("01".."13"); after a substitution the eleven on the pitch.
    std::array<Grid, 2> squads;
    // The numbers on the shirts of men 0..10: "01".."11", and the roster
    // index + 1 of a substitute from the frame he is shown on.
    std::array<std::array<std::string, 11>, 2> shirts;
};

// The clock of the match seconds: "12：05".
std::string clocktext(int clock);
// A club's squad table: its roster rows without Value, positions and feet by
// name, rows 1..13 numbered "01".."13", nobody beyond the bench.
Grid squadgrid(const Tteam& team);
// The scoreboard at kick-off.
Scoreboard openscoreboard(const World& world, const Tgame& game);
// The drawn frame's figures: clock, score, commentary; and each substitution
// not shown yet: the incoming player's row over his slot's row, the table cut
// to the eleven on the pitch and his shirt's new number (with a shirt cue).
// A substitution is shown once: a table of eleven is not touched again.
void updatescoreboard(Scoreboard& board, const Tgame& game, std::vector<Cue>& cues);

// The match speed: ticks a frame, from 2 to 6.
inline constexpr int kMinSpeed = 2;
inline constexpr int kMaxSpeed = 6;
inline constexpr int kDefaultSpeed = 3;
// Read from the player's folder, else from the shipped default; written to
// the player's folder.
inline constexpr const char* kSpeedFile = "data/msp.dat";

struct SpeedSetting {
    int speed = kDefaultSpeed;
    std::string problem;  // why the default was taken; empty when the file was read
};
// The speed in the first line of the file, brought into 2..6. A missing or
// unreadable file, or one not starting with a number, gives the default and
// says why.
SpeedSetting readspeed(const std::filesystem::path& file);
// Writes the speed as the file's only line, replacing it only by a complete one.
void writespeed(const std::filesystem::path& file, int speed);

}  // namespace vm
