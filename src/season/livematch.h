// SPDX-License-Identifier: GPL-3.0-or-later
// The live match without its windows: club 0's match played in real time
// from the screen's idle calls (a frame at most every 17 ms, 2 to 6 ticks a
// frame), the other fixtures of a league match day in step with it, the goal
// celebration, the whistles that hold play, substitutions, the replay record,
// and the booking of everything when the match ends or the view is given up.
//
// The screen's part, woken by a precise timer at each frame's due time:
//   LiveMatch match(world, league, now());
//   each wake:  Frame f = match.idle(now(), board ? &board->corners() : nullptr);
//               act on f.cues in order (cuesound, holds; a holding cue's sound
//               ends with match.soundEnded()); repaint what f changed; wake
//               again at match.nextframe().
//   once match.finished(): open the news at match.newsStart().
// The first idle call opens the match: the kick-off picture and the kick-off
// whistle, which holds play until soundEnded().
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "players/formationfile.h"
#include "season/livecues.h"
#include "season/livescoreboard.h"
#include "season/watchnotes.h"

namespace vm {

class World;
class Tgame;

// Counter of a match that has reached 90 minutes; the live match goes on past
// it until the end rule stops it.
inline constexpr int kLiveRegulation = 54000;

class LiveMatch {
public:
    using Millis = std::uint64_t;
    // A frame is due once more than this has passed since the last one.
    static constexpr Millis kFrameGap = 16;

    struct Frame {
        bool played = false;  // a frame was shown: repaint both windows
        std::vector<Cue> cues;
    };

    // Opens club 0's match against the user's opponent on the current match
    // day (the match re-seeds the generator). `league`: a league match day,
    // whose other nine fixtures are played in step and whose news starts at
    // 0; otherwise (a versus match) the user's match is played alone and the
    // news starts at 11. The speed comes from data/msp.dat, the replay record
    // is kept when data/vtr exists. `now` is the clock's reading in ms.
    LiveMatch(World& world, bool league, Millis now);
    // A match not finished yet is finished without a view (errors swallowed;
    // call finishHeadless() to see them).
    ~LiveMatch();
    LiveMatch(const LiveMatch&) = delete;
    LiveMatch& operator=(const LiveMatch&) = delete;

    // One idle moment. Plays a frame when more than kFrameGap ms have passed
    // since the last one and play is neither held by a whistle nor paused:
    // during a goal celebration one step of it, otherwise `speed` ticks (with
    // the other fixtures); then the substitutions (the user's formation from
    // `board`, the corners of markers 02..11, while the tactics board is
    // open; otherwise the coach's automatic rule) and the replay line.
    // The frame whose tick ends the match books it at once and gives only
    // the final whistle (played is false). A booking file that cannot be
    // written throws DataError; finishHeadless() then books what is left.
    Frame idle(Millis now, const MarkerCorners* board = nullptr);
    // The whistle the match was holding for has sounded.
    void soundEnded();
    // When the next idle call plays a frame: now for the opening, 17 ms after
    // the last frame, or nothing while play waits for a whistle or a resume
    // or is over. A screen wakes at that time instead of polling.
    std::optional<Millis> nextframe() const;

    // Space: a pause stops the frames (ticks, celebration and the match
    // clock) and nothing else; the windows keep answering.
    void pause() { paused_ = true; }
    void resume() { paused_ = false; }
    bool paused() const { return paused_; }

    // Ticks a frame, 2..6; read at every frame, written to data/msp.dat when
    // the match is booked and again, when changed since, when it is finished
    // (a change during the final whistle is kept too).
    int speed() const { return speed_; }
    void setSpeed(int speed);

    // The user's substitution from the tactics board: bench player 11 or 12
    // on for the man in line-up slot 0..10. False when refused (already
    // substituted, no such player, or the match is over).
    bool menberchange(int slot, int rosterIndex);

    // The view is given up: the rest of the match and of the other fixtures
    // is played without frames and everything is booked as at a watched end.
    void finishHeadless();
    // The view was given up before the end, so the replay record stops there.
    bool givenup() const { return givenup_; }

    bool holding() const { return holding_; }  // waiting for a whistle to end
    bool over() const { return over_; }        // no more ticks; booked
    bool finished() const { return finished_; }
    bool league() const { return league_; }
    // Where the news programme starts after this match.
    int newsStart() const { return league_ ? 0 : 11; }
    bool recording() const { return recording_; }
    // While recording: what the record does not hold of the frames shown.
    const WatchNotes& notes() const { return notes_; }

    const PitchPicture& pitch() const { return pitch_; }
    const Scoreboard& scoreboard() const { return board_; }
    const GoalCaptions& captions() const { return captions_; }
    // Things that went wrong without stopping the match (an unreadable speed
    // file, a replay that could not be written), for the screen to tell.
    const std::vector<std::string>& warnings() const { return warnings_; }

    int counter() const { return counter_; }
    int division() const { return division_; }
    const Tgame& game() const { return *game_; }
    Tgame& game() { return *game_; }

private:
    World& world_;
    bool league_;
    int division_;
    std::unique_ptr<Tgame> game_;
    int counter_ = 0;
    int scoring_ = 0;  // the side whose goal is celebrated
    int speed_ = kDefaultSpeed;
    Millis last_;
    bool opened_ = false;
    bool holding_ = false;
    bool paused_ = false;
    bool over_ = false;
    bool finished_ = false;
    bool recording_ = false;
    bool givenup_ = false;
    int savedSpeed_ = 0;  // the speed last written to data/msp.dat; 0 before
    // How far the booking has come, so that a failed step can be retried
    // without booking anything twice.
    enum class Booked { nothing, match, goals, table, all } booked_ = Booked::nothing;
    PitchPicture pitch_;
    Scoreboard board_;
    GoalCaptions captions_;
    std::vector<std::string> warnings_;
    WatchNotes notes_;

    void open(Frame& f);
    // One frame; false when it ended the match (nothing new to show).
    bool frame(const MarkerCorners* board, std::vector<Cue>& cues);
    // One tick of every match; true when the end rule ends the user's match.
    bool tick();
    void substitutions(const MarkerCorners* board);
    void draw(std::vector<Cue>& cues);
    void book();
    // Writes the speed for the next match when it differs from the one written.
    void savespeed();
    void cue(std::vector<Cue>& cues, Cue c);
};

// The user's formation from the tactics board: markers 02..11 stand 6 units
// up and left of the spots of line-up slots 1..10.
void posfromtactics(Tgame& game, const MarkerCorners& corners);

}  // namespace vm
