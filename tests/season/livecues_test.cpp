// SPDX-License-Identifier: GPL-3.0-or-later
// The home crowd's cheer by the home marker: the home side's goals until
// match day 18, every goal from then on.
#include <gtest/gtest.h>

#include <algorithm>

#include "season/livecues.h"

namespace vm {
namespace {

// Whether a whole celebration of a goal of `side` brings the home cheer.
bool cheers(HomeMarker marker, int side) {
    int celebration = kCelebrationFrames + side, scoring = -1;
    std::vector<Cue> cues;
    while (celebration != 0 || cues.empty()) celebrationstep(celebration, scoring, marker, "10選手", cues);
    EXPECT_EQ(scoring, side);
    return std::count_if(cues.begin(), cues.end(),
                         [](const Cue& c) { return c.kind == CueKind::homeSound; }) == 1;
}

TEST(LiveCues, TheHomeCrowdCheersItsOwnSidesGoalsAndFromMatchDay18EveryGoal) {
    struct Case {
        int round;
        HomeMarker marker;
        bool side0, side1;
    };
    for (const Case& c : {Case{0, HomeMarker::side1, false, true}, Case{1, HomeMarker::side0, true, false},
                          Case{17, HomeMarker::side0, true, false}, Case{18, HomeMarker::hidden, true, true},
                          Case{26, HomeMarker::hidden, true, true}}) {
        EXPECT_EQ(homemarker(c.round), c.marker) << c.round;
        EXPECT_EQ(cheers(c.marker, 0), c.side0) << c.round;
        EXPECT_EQ(cheers(c.marker, 1), c.side1) << c.round;
    }
}

}  // namespace
}  // namespace vm
