// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a replay record again without its window: the frame on show,
// playing at the recorded pace or faster or slower, stepping one frame,
// jumping between the goals, and what the pitch shows at each frame.
//
// The screen's part, from a timer polling its clock:
//   ReplayView view(reading.replay);
//   each poll:  if (view.idle(now())) repaint();
//   buttons:    toggle(now()), stepForward(), nextGoal(), faster(), seek(frame)...
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "season/livereplay.h"
#include "season/livescoreboard.h"
#include "season/watchnotes.h"

namespace vm {

// Where a frame line of the record puts the shirts, the shadow and the ball
// in the air. The line must be one of the record's 144-digit lines.
PitchPicture framepicture(std::string_view line);

// What the live scoreboard and shirts showed at a frame.
struct FrameFigures {
    std::string clock;  // as clocktext
    std::array<int, 2> goals{};
    std::array<std::array<std::string, 11>, 2> shirts;  // the numbers worn
    std::string commentary;
    bool operator==(const FrameFigures&) const = default;
};

class ReplayView {
public:
    using Millis = std::uint64_t;
    // At the recorded pace a frame follows the last one after this long, as
    // in the live match.
    static constexpr Millis kFrameGap = 17;

    // With the notes taken while it was watched, every frame shows what the
    // live match showed. Without them (a replay kept before notes were
    // taken) what the record allows is worked out: the clock at the recorded
    // speed, each goal's side from the half the ball was in, the numbers the
    // men started with, no commentary, the ball's height from its flight.
    explicit ReplayView(Replay replay, std::optional<WatchNotes> notes = {});
    bool noted() const { return notes_.has_value(); }

    const Replay& replay() const { return replay_; }
    int frames() const { return static_cast<int>(replay_.frames.size()); }
    // The frame on show, 0 .. frames() - 1 (0 when there is none).
    int current() const { return current_; }
    // Shows frame `frame` (brought into range); playing goes on from there.
    void seek(int frame);

    bool playing() const { return playing_; }
    // Plays from the frame on show; from the last frame it starts over. `now`
    // is the clock's reading in ms.
    void play(Millis now);
    void pause() { playing_ = false; }
    void toggle(Millis now);
    // One poll of the clock while playing: moves on by the frames due since
    // the last poll at the chosen pace (a stalled clock catches up at most a
    // few frames) and stops on the last frame. True when the frame changed.
    bool idle(Millis now);

    // Pause and show the next or the previous frame; false at either end.
    bool stepForward();
    bool stepBack();

    // The goal moments: the first frame of each run of celebration frames ("g").
    const std::vector<int>& goals() const { return goals_; }
    // To the first goal moment after the frame on show, or the last one
    // before it; false (and nothing moves) when there is none.
    bool nextGoal();
    bool previousGoal();
    // How many goal moments the record has shown up to the frame on show.
    int goalsSoFar() const;

    // The pace: a quarter, half, the recorded pace, twice or four times it.
    bool faster();
    bool slower();
    bool canGoFaster() const;
    bool canGoSlower() const;
    std::string pacetext() const;  // "×1/4" .. "×4"

    // What the pitch shows at the frame on show: the frame's shirts and the
    // ball above its shadow, or during a goal celebration the last frame
    // before it (the picture stays frozen, as in the live match); nothing
    // before any frame line.
    std::optional<PitchPicture> picture() const;
    // The clock, score, numbers and commentary of the frame on show; before
    // any frame line those of the kick-off.
    FrameFigures figures() const;
    // Whether the frame on show is one of a goal's celebration.
    bool celebrating() const;
    // Whether "GOAL！！" is up on the frame on show: it blinks three times
    // from the fifth celebration frame on and then stays, as in the live match.
    bool goalCaption() const;

private:
    Replay replay_;
    std::optional<WatchNotes> notes_;
    std::vector<int> goals_;
    std::vector<int> shown_;                 // per frame: the frame line the pitch shows, -1 for none
    std::vector<int> clock_;                 // per frame: the match seconds the scoreboard shows
    std::vector<WatchNotes::Goal> scored_;   // every goal, from the notes or worked out
    std::vector<std::array<int, 2>> tally_;  // goals of each side among the first k of scored_

    // The notes' last entry of a kind at or before `frame`, or null.
    template <class Entry>
    static const Entry* noteAt(const std::vector<Entry>& kind, int frame);
    int current_ = 0;
    bool playing_ = false;
    int pace_;
    Millis last_ = 0;
    Millis owed_ = 0;  // ms of play not yet turned into frames, times the pace's numerator
};

}  // namespace vm
