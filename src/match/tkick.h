// SPDX-License-Identifier: GPL-3.0-or-later
// The ball half of a match: who meets the ball each tick, what the touch does
// (catch, parry, control, deflection), who has it, which kick the man on the
// ball chooses and how it flies, and the one-line match commentary.
#pragma once

#include <array>
#include <string>

#include "match/flight.h"
#include "match/geometry.h"
#include "match/tman.h"
#include "util/random.h"

namespace vm {

// One man on the pitch by side and index; (-1, -1) for nobody.
struct ManRef {
    int side = -1;
    int man = -1;
    bool operator==(const ManRef&) const = default;
};

// What a touch did this tick (s is the touching man's side).
namespace touch {
inline constexpr int kBlocked = -1;  // the man meeting the ball may not play it
inline constexpr int kNone = 0;      // nobody, or the ball passed over him
inline int caught(int s) {
    return 1 + 4 * s;
}
inline int parried(int s) {
    return 2 + 4 * s;
}
inline int controlled(int s) {
    return 3 + 4 * s;
}
inline int deflected(int s) {
    return 4 + 4 * s;
}
}  // namespace touch

// The four kicks a man on the ball chooses between.
enum class Kickkind { pass = 0, dribble = 1, cross = 2, shot = 3 };

class Tkick {
public:
    explicit Tkick(Rng& rng);

    Point target{};             // where the current kick is aimed
    ManRef toucher;             // who met the ball this tick
    std::array<int, 2> mode{};  // the sides' modes, as handed in and changed here
    ManRef last;                // the last man in possession
    ManRef prev;                // the man in possession before him
    ballstate ball;
    int event = 0;
    int dribble = 0;      // forced dribble pushes still to come
    int kickside = -1;    // the side of the man on the ball
    int deviation = 0;    // degrees; the random turn of the last touch
    bool kicked = false;  // keeps a kicker off his own kick until it has left him
    std::string commentary;
    // Kicks of each side, for the match figures: shots, crosses put in and
    // passes played (forward and through balls).
    std::array<int, 2> shots{};
    std::array<int, 2> crosses{};
    std::array<int, 2> passes{};

    // This tick's men (read only: the kick never moves a man) and ball (which
    // may be `ball` itself).
    void setup(const Tmteam& side0, const Tmteam& side1, const ballstate& b) {
        men_[0] = &side0;
        men_[1] = &side1;
        if (&b != &ball) ball = b;
        toucher = {};
        event = touch::kNone;
    }
    // One tick of the ball; the modes may change. The new ball is `ball`.
    void ballstep(std::array<int, 2>& modes);

    // The parts of a tick, open for the match's rules and for tests.
    void touchcheck();
    bool kickerror();
    void possession();
    void ballhandle();
    void kickdecide();
    Kickkind kickchoice();
    void flight();

    // The kicks of the man on the ball (`kicker`), each only from a dead ball.
    void launch(int w, double p, double e, double s);
    void shortkick(Point point);
    std::array<int, 11> sortbyx() const;
    bool passok(Point point) const;
    void forwardpass();
    void throughball();
    void dribblepush();
    void crosskick();
    void shootkick();
    void clearkick();

    // The man on the ball this tick (only while there is one).
    Tmancref kicker() const { return own()[kickerIndex_]; }
    int kickerIndex() const { return kickerIndex_; }
    // The direction of flight kept from the last flight step.
    const Heading& heading() const { return heading_; }
    // Puts a man on the ball for the kick rules (the touch normally does this).
    void setkicker(int side, int man);

private:
    Rng& rng_;
    const Tmteam* men_[2] = {nullptr, nullptr};
    int kickerIndex_ = -1;
    Heading heading_;

    // The touch check itself, worked out in place in the ball's tick.
    inline void touchnow();
    const Tmteam& own() const { return *men_[kickside]; }
    const Tmteam& opp() const { return *men_[1 - kickside]; }
    // The opposing goalkeeper's formation spot: the goal being attacked.
    Point goal() const { return base(opp()[0]); }
    Point kickerpos() const { return pos(kicker()); }
    bool dead() const { return ball.speed == 0; }
    void say(const char* what);
};

}  // namespace vm
