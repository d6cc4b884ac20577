// SPDX-License-Identifier: GPL-3.0-or-later
// What a frame of the live match asks of the screen: sounds to start, the
// goal and scorer captions to show or hide, a shirt to redraw, and the
// whistles that hold the match until they have sounded. Also the goal
// celebration that gives most of them, and the home marker it consults.
#pragma once

#include <string>
#include <vector>

namespace vm {

enum class CueKind {
    scorerText,      // the scorer caption takes `text` (it stays hidden until scorerShown)
    goalSound,       // data/sound/goal.wav starts
    homeSound,       // data/sound/home.wav starts: the home crowd cheers
    postSound,       // data/sound/post.wav starts: the ball struck a post or the bar
    goalShown,       // the caption kGoalCaption appears
    goalHidden,      // and disappears (it blinks three times)
    scorerShown,     // the scorer caption appears
    scorerHidden,    // and disappears
    shirt,           // shirt `man` of `side` shows the number `text` from now on
    kickoffWhistle,  // data/sound/mstart.wav; the match waits until it has sounded
    finalWhistle,    // data/sound/mend.wav; the match is finished once it has sounded
};

struct Cue {
    CueKind kind;
    int side = 0;
    int man = 0;
    std::string text = {};
    bool operator==(const Cue&) const = default;
};

inline constexpr const char* kGoalCaption = "GOAL！！";

// The sound a cue starts, in the shipped data (World::shipped); nullptr for none.
const char* cuesound(CueKind kind);
// The whistles: the match holds until the screen reports that the sound ended.
bool holds(CueKind kind);

// Where the scoreboard's "HOME" stands: beside the home side's name, or
// nowhere from the first division's match day 18 on, when nobody is at home.
enum class HomeMarker { hidden, side0, side1 };
HomeMarker homemarker(int firstDivisionRound);
// Whether a goal of `side` brings the home crowd's cheer: any goal while the
// marker is hidden, else a goal of the side it stands beside.
bool homecheer(HomeMarker marker, int side);

// The goal and scorer captions as the cues left them.
struct GoalCaptions {
    bool goal = false;
    bool scorer = false;
    std::string scorertext;
    void apply(const Cue& cue);
};

// Length of the goal celebration in frames.
inline constexpr int kCelebrationFrames = 70;

// One frame of the goal celebration. `celebration` is the match's count: 70 +
// the scoring side right after the goal, then 69 down to 0, one a frame;
// `side` keeps the scoring side from the first frame on. Appends the frame's
// cues; the last frame (0) ends with the kick-off whistle.
void celebrationstep(int& celebration, int& side, HomeMarker marker, const std::string& scorertext,
                     std::vector<Cue>& cues);

}  // namespace vm
