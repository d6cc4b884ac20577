// SPDX-License-Identifier: GPL-3.0-or-later
// The watched match: one window holding the in-match tactics board (league
// matches only) at the left, the pitch beside it and the scoreboard below.
// The window wakes at each frame's due time (a single shot on the session's
// clock) and asks the live driver for the frame; it plays the
// sounds and shows the captions the frames ask for, passes substitutions and
// formation changes from the board, and hands over to the news at the end.
#pragma once

#include <QWidget>

#include <filesystem>
#include <memory>

#include "screens/session.h"
#include "season/livematch.h"

class QKeyEvent;

namespace vm {

class MatchPitch;
class StatsPanel;
class Sound;
class TacticsBoardView;
class Tmatchdata;

class Tmatch : public QWidget {
    Q_OBJECT
public:
    // Where the panels stand in the window: the board at the left edge, the
    // pitch beside it, the scoreboard below both.
    static constexpr QPoint kBoardAt{0, 10};
    static constexpr QPoint kPitchAt{320, 5};
    static constexpr QPoint kScoreboardAt{66, 510};
    static constexpr QSize kSize{960, 740};
    // Asked when the window is closed while the match runs.
    static constexpr const char* kGiveUpQuestion =
        "試合観戦をやめますか？\n残りの時間は画面なしで進み、結果はそのまま記録されます。";

    // Opens club 0's match of the match day: a league match with the tactics
    // board beside it, or a versus match without. Null when a picture of the
    // match cannot be read: the player has been told which, and nothing of
    // the match has been played.
    static Tmatch* open(const Session& session, bool league);
    ~Tmatch() override;

    const LiveMatch& match() const { return *match_; }
    // The in-match tactics board; null in a versus match.
    TacticsBoardView* board() const { return board_; }
    MatchPitch& pitch() const { return *pitch_; }
    Tmatchdata& scoreboard() const { return *data_; }
    // Whether a sound object exists (the sound is on).
    bool soundOn() const { return sound_ != nullptr; }
    // The statistics panel over the pitch (S shows and hides it).
    StatsPanel& statsPanel() const { return *statspanel_; }

protected:
    // During play a close asks whether to give the view up; yes finishes the
    // match without frames and goes on to the news.
    void closeEvent(QCloseEvent* event) override;
    // + and - change the speed, Space pauses and resumes, M switches the
    // sound on and off, wherever the focus is.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Tmatch(const Session& session, bool league);

    void buildKeys();
    // True when `event` was one of the match's keys.
    bool matchKey(const QKeyEvent* event);
    // One wake of the driver: its frame's cues, the repaint, the end, and
    // the next wake.
    void poll();
    // Wakes the driver when its next frame is due; none while play waits for
    // a whistle or a resume. A wake asked for before is dropped.
    void wakeAtNextFrame();
    // Drops the wake asked for: no frame is played any more.
    void stopFrames() { ++wake_; }
    void act(const Cue& cue);
    void togglePause();
    void changeSpeed(int by);
    // Sound on: a sound object at the settings' volume. Off: none, and a
    // whistle play is waiting for is over at once.
    void useSound(bool on);
    void toggleStats();
    // The panel's figures, when it is shown.
    void showStats();
    // The rest of the match without frames; false (the player told why)
    // when its result could not be booked.
    bool finishMatch();
    // The match is over and booked: the window makes way for the news.
    void finish();
    // Tells the player what went wrong without stopping the match.
    void tellWarnings();
    // True when the news opened (the window may go).
    // With the recording on, the watched match goes into the replay library.
    void keepReplay();
    bool openNews();

    Session session_;
    std::unique_ptr<Sound> sound_;  // none while the sound is off
    TacticsBoardView* board_ = nullptr;
    MatchPitch* pitch_;
    Tmatchdata* data_;
    StatsPanel* statspanel_;
    std::unique_ptr<LiveMatch> match_;
    unsigned wake_ = 0;  // the wake asked for last; older ones are dropped
    std::size_t warned_ = 0;
    bool handedOver_ = false;
    bool replayKept_ = false;
    std::filesystem::path replay_;  // the kept record, once kept
};

}  // namespace vm
