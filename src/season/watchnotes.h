// SPDX-License-Identifier: GPL-3.0-or-later
// What the replay record does not hold of a watched match, noted frame by
// frame while it is watched and kept beside the record: the speed at each
// change, the side of each goal, each substitution as the shirts showed it,
// the commentary line at each change and the ball's height. With them the
// viewer shows every frame's clock, score, numbers worn and commentary, and
// the ball where the live pitch drew it.
//
// The notes file is text in lines (CP932, CR LF ends):
//   "VM2WATCH 1"          its form
//   "speed F S"           from frame F on, S ticks a frame (2..6)
//   "goal F S"            side S scored in frame F (the first of its celebration)
//   "sub F S M N"         from frame F on, man M (0..10) of side S wears number N (1..99)
//   "say F TEXT"          from frame F on, the commentary line is TEXT
//   "lift F H"            from frame F on, the ball flies H units above its shadow
// F counts the record's frame lines from 0; each kind's frames never go back.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "season/livecues.h"
#include "season/livescoreboard.h"

namespace vm {

class Tgame;

// The largest notes file the game reads: a whole match at the slowest speed
// notes well under 1 MiB.
inline constexpr std::size_t kMaxNotesBytes = 4u << 20;
// The longest commentary line a notes file may hold, in bytes.
inline constexpr std::size_t kMaxSayingBytes = 512;

struct WatchNotes {
    struct Speed {
        int frame, speed;
        bool operator==(const Speed&) const = default;
    };
    struct Goal {
        int frame, side;
        bool operator==(const Goal&) const = default;
    };
    struct Sub {
        int frame, side, man, number;
        bool operator==(const Sub&) const = default;
    };
    struct Saying {
        int frame;
        std::string text;
        bool operator==(const Saying&) const = default;
    };
    struct Lift {
        int frame, height;
        bool operator==(const Lift&) const = default;
    };
    std::vector<Speed> speeds;
    std::vector<Goal> goals;
    std::vector<Sub> subs;
    std::vector<Saying> sayings;
    std::vector<Lift> lifts;
    bool operator==(const WatchNotes&) const = default;
};

// Notes frame `frame` of the record as the live match shows it: `speed` the
// ticks it played (0 for a frame of a goal celebration, which plays none),
// the match after it, and the scoreboard, the pitch picture and the frame's
// cues as the screens got them.
void notewatched(WatchNotes& notes, int frame, int speed, const Tgame& game, const Scoreboard& board,
                 const PitchPicture& pitch, const std::vector<Cue>& cues);

// The file's bytes. EncodingError when a commentary line cannot be held.
std::string notesimage(const WatchNotes& notes);
// Reads a notes file; FormatError, naming the line, for anything out of its
// form: an unknown line, a number out of range, frames that go back, a text
// that is too long or not CP932, more than kMaxNotesBytes.
WatchNotes readnotes(std::string_view bytes);

}  // namespace vm
