// SPDX-License-Identifier: GPL-3.0-or-later
// The live match's cues, the home marker and the goal celebration's frames.
#include "season/livecues.h"

#include "league/homeside.h"

namespace vm {

const char* cuesound(CueKind kind) {
    switch (kind) {
        case CueKind::goalSound: return "data/sound/goal.wav";
        case CueKind::homeSound: return "data/sound/home.wav";
        case CueKind::postSound: return "data/sound/post.wav";
        case CueKind::kickoffWhistle: return "data/sound/mstart.wav";
        case CueKind::finalWhistle: return "data/sound/mend.wav";
        default: return nullptr;
    }
}

bool holds(CueKind kind) {
    return kind == CueKind::kickoffWhistle || kind == CueKind::finalWhistle;
}

HomeMarker homemarker(int firstDivisionRound) {
    switch (homesideforround(firstDivisionRound)) {
        case 0: return HomeMarker::side0;
        case 1: return HomeMarker::side1;
        default: return HomeMarker::hidden;
    }
}

bool homecheer(HomeMarker marker, int side) {
    switch (marker) {
        case HomeMarker::side0: return side == 0;
        case HomeMarker::side1: return side == 1;
        default: return true;
    }
}

void GoalCaptions::apply(const Cue& cue) {
    switch (cue.kind) {
        case CueKind::scorerText: scorertext = cue.text; break;
        case CueKind::goalShown: goal = true; break;
        case CueKind::goalHidden: goal = false; break;
        case CueKind::scorerShown: scorer = true; break;
        case CueKind::scorerHidden: scorer = false; break;
        default: break;
    }
}

void celebrationstep(int& celebration, int& side, HomeMarker marker, const std::string& scorertext,
                     std::vector<Cue>& cues) {
    if (celebration >= kCelebrationFrames) {
        side = celebration - kCelebrationFrames;
        celebration = kCelebrationFrames - 1;
    } else if (celebration > 0) {
        --celebration;
    }
    switch (celebration) {
        case 69:
            cues.push_back({CueKind::scorerText, side, 0, scorertext});
            cues.push_back({CueKind::goalSound});
            break;
        case 65:
        case 45: cues.push_back({CueKind::goalShown}); break;
        case 55:
            cues.push_back({CueKind::goalShown});
            if (homecheer(marker, side)) cues.push_back({CueKind::homeSound, side});
            break;
        case 60:
        case 50:
        case 40: cues.push_back({CueKind::goalHidden}); break;
        case 35:
            cues.push_back({CueKind::goalShown});
            cues.push_back({CueKind::scorerShown});
            break;
        case 0:
            cues.push_back({CueKind::goalHidden});
            cues.push_back({CueKind::scorerHidden});
            cues.push_back({CueKind::kickoffWhistle});
            break;
        default: break;
    }
}

}  // namespace vm
