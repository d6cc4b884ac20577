// SPDX-License-Identifier: GPL-3.0-or-later
// The replay viewer: a watched match played again from its record, with the
// kept replays listed beside it, newest first. Play and pause, faster and
// slower, one frame back or on, the previous or next goal and a position
// slider with the goals marked on it; a kept replay can be deleted.
#pragma once

#include <QWidget>

#include <filesystem>
#include <optional>
#include <vector>

#include "screens/session.h"
#include "season/replaylibrary.h"
#include "season/replayview.h"

class QLabel;
class QTimer;

namespace vm {

class GoalSlider;
class GridView;
class PanelButton;
class ReplayPitch;

class Treplay : public QWidget {
    Q_OBJECT
public:
    // Opens the viewer over the screens already open, listing the kept
    // replays. When the pitch pictures cannot be loaded the player is told
    // which one and the result is null.
    static Treplay* open(const Session& session);

    // Shows a record from its first frame and plays it. A record that cannot
    // be read is refused with "このファイルは読み込めません" and the reason;
    // what was on show stays. `match`: which match it is; by default the
    // description kept with it, when it is a kept replay.
    bool showRecord(const std::filesystem::path& record, const std::optional<KeptMatch>& match = {});

    // The record on show; null before one is shown.
    const ReplayView* view() const { return view_ ? &*view_ : nullptr; }
    const std::vector<KeptReplay>& kept() const { return kept_; }

private:
    explicit Treplay(const Session& session);

    void buildList();
    void buildFigures();
    void buildControls();
    void buildKeys();

    // The kept replays afresh.
    void listReplays();
    void gridreplaysPressed(int row);
    void PdeleteClick();

    void PplayClick();
    void PbackClick();
    void PforwardClick();
    void PprevgoalClick();
    void PnextgoalClick();
    void PslowerClick();
    void PfasterClick();
    void SbpositionChanged(int frame);
    // One poll of the clock while playing.
    void poll();
    // Pitch, slider, buttons and labels from the record on show.
    void redraw();
    // Nothing on show any more (its replay was deleted).
    void clearRecord();

    Session session_;
    std::optional<ReplayView> view_;
    std::filesystem::path shown_;
    std::vector<KeptReplay> kept_;
    QTimer* timer_;

    GridView* gridreplays;
    PanelButton* Pdelete;
    ReplayPitch* imgpitch;
    GoalSlider* Sbposition;
    PanelButton* Pprevgoal;
    PanelButton* Pback;
    PanelButton* Pplay;
    PanelButton* Pforward;
    PanelButton* Pnextgoal;
    PanelButton* Pslower;
    PanelButton* Pfaster;
    QLabel* lbtime;  // the frame's clock, score and commentary
    QLabel* lbg0;
    QLabel* lbg1;
    QLabel* lbzikyo;
    QLabel* lbmatch;
    QLabel* lbgoals;
    QLabel* lbframe;
    QLabel* lbspeed;
    QLabel* lbnote;
    QLabel* lbempty;   // how replays get kept, while none is
    QLabel* lblegend;  // what the list's "※" means, while one is listed
};

}  // namespace vm
