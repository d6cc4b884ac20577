// The men on the pitch and the ball: the plain records the match engine moves
// every tick. Filled from a club's line-up by Tplayer::manmake / Tteam::matchteam.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vm {

// One man on the pitch. x, y and fx, fy stay side by side: the walking step
// and the scans read and write them as pairs.
struct Tman {
    std::string name;
    int x = 0, y = 0;          // whole-unit position (rounded fx, fy)
    int basex = 0, basey = 0;  // formation spot
    double speed = 0;          // units per tick
    double swerve = 0;         // curl of his kicks
    double fx = 0, fy = 0;     // exact position
    int power = 0;             // strength in body contests
    int control = 0;           // ball control
    int passerr = 0, shooterr = 0, crosserr = 0, dribbleerr = 0;  // 110 - skill
    int role = 0;              // position type at
    int stun = 0;              // ticks out of contests; 0 = active
};

// One side's eleven: index 0 the goalkeeper, 1..10 the outfield slots.
using Tmteam = std::array<Tman, 11>;

// The ball.
struct ballstate {
    int x = 0, y = 0;
    double fx = 0, fy = 0;
    double z = 0;
    double spin = 0;   // change of flight direction per tick, radians
    double speed = 0;  // ground speed per tick
    double vz = 0;     // vertical speed per tick
    double angle = 0;  // direction of travel, radians (0 = +x)
    bool postflag = false;
};

}  // namespace vm
