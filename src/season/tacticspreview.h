// SPDX-License-Identifier: GPL-3.0-or-later
// The tactics board's moving preview: club 0's eleven men run the attacking
// movement around a ball the player steers with the mouse, so he sees how his
// formation shapes up in attack. Nothing of it lasts but the ball's place.
#pragma once

#include "match/tman.h"
#include "players/tteam.h"

namespace vm {

// The ball picture (8 x 8) of the preview, by its top-left corner. It keeps
// its place, direction and speed from one preview to the next.
struct PreviewBall {
    static constexpr Point kStart{315, 235};
    // Left-button speed, in pixels per timer tick.
    static constexpr double kKickSpeed = 10;

    Point at = kStart;
    double direction = 0;  // radians, 0 along +x, y pointing down the screen
    double speed = 0;

    // Left button: toward the cursor at kKickSpeed.
    void aim(Point cursor);
    // Right button.
    void stop() { speed = 0; }
    // One timer tick of movement.
    void roll();
};

// The ball's next place: cos and sin of `direction` times `speed`, each
// rounded half to even. The ball is held within a pitch's length and width
// beyond every touch line, so that it never leaves the men's reach for the
// whole numbers the movement rules count in.
Point ballStep(Point at, double direction, double speed);

class TacticsPreview {
public:
    // Attacking steps per timer tick.
    static constexpr int kStepsPerTick = 10;

    // The club's first eleven on their formation spots, built as for a match
    // away from home. Building counts each of them a game; that game is taken
    // back at once, since the preview is no match. Needs eleven players.
    explicit TacticsPreview(Tteam& club);

    // One timer tick: one attacking-movement object at the ball, its step
    // taken kStepsPerTick times, then dropped.
    void step(Point ball);
    // Every man back on his formation spot.
    void regroup();

    // Where man i's marker stands: 6 up and left of him.
    Point markerCorner(int man) const;
    const Tmteam& men() const { return men_; }
    const Tmteam& opponents() const { return opp_; }

private:
    Tmteam men_;
    Tmteam opp_;  // only man 0, the opposing keeper, counts
};

}  // namespace vm
