// SPDX-License-Identifier: GPL-3.0-or-later
// The replay viewer's playing: the buttons and keys, the clock's polls and
// what the window shows of the frame on show.
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>

#include "screens/clock.h"
#include "screens/goalslider.h"
#include "screens/panelbutton.h"
#include "screens/replaypitch.h"
#include "screens/treplay.h"

namespace vm {

namespace {
ReplayView::Millis millis(Clock& clock) {
    return static_cast<ReplayView::Millis>(clock.now());
}
}  // namespace

void Treplay::PplayClick() {
    if (!view_) return;
    view_->toggle(millis(session_.clock));
    redraw();
}

void Treplay::PbackClick() {
    if (view_) view_->stepBack();
    redraw();
}

void Treplay::PforwardClick() {
    if (view_) view_->stepForward();
    redraw();
}

void Treplay::PprevgoalClick() {
    if (view_) view_->previousGoal();
    redraw();
}

void Treplay::PnextgoalClick() {
    if (view_) view_->nextGoal();
    redraw();
}

void Treplay::PslowerClick() {
    if (view_) view_->slower();
    redraw();
}

void Treplay::PfasterClick() {
    if (view_) view_->faster();
    redraw();
}

void Treplay::SbpositionChanged(int frame) {
    if (!view_) return;
    view_->seek(frame);
    redraw();
}

void Treplay::poll() {
    if (!view_) return;
    if (view_->idle(millis(session_.clock)) || !view_->playing()) redraw();
}

void Treplay::redraw() {
    const bool shown = view_.has_value();
    for (PanelButton* b : {Pprevgoal, Pback, Pplay, Pforward, Pnextgoal, Pslower, Pfaster})
        b->setEnabled(shown);
    Sbposition->setEnabled(shown);
    if (!shown) {
        timer_->stop();
        imgpitch->showFrame(std::nullopt, false);
        for (QLabel* l : {lbtime, lbg0, lbg1, lbzikyo}) l->clear();
        lbgoals->clear();
        lbframe->clear();
        lbspeed->clear();
        return;
    }
    const ReplayView& v = *view_;
    if (v.playing() && !timer_->isActive()) timer_->start();
    if (!v.playing()) timer_->stop();
    const FrameFigures figures = v.figures();
    imgpitch->showNumbers(figures.shirts);
    imgpitch->showFrame(v.picture(), v.goalCaption());
    lbtime->setText(QString::fromStdString(figures.clock));
    lbg0->setText(QString::number(figures.goals[0]));
    lbg1->setText(QString::number(figures.goals[1]));
    lbzikyo->setText(QString::fromStdString(figures.commentary));
    {
        const QSignalBlocker quiet(Sbposition);
        Sbposition->setRange(0, v.frames() - 1);
        Sbposition->setValue(v.current());
    }
    Pplay->setText(v.playing() ? "一時停止" : "再生");
    Pprevgoal->setEnabled(!v.goals().empty() && v.goals().front() < v.current());
    Pnextgoal->setEnabled(!v.goals().empty() && v.goals().back() > v.current());
    Pback->setEnabled(v.current() > 0);
    Pforward->setEnabled(v.current() + 1 < v.frames());
    Pslower->setEnabled(v.canGoSlower());
    Pfaster->setEnabled(v.canGoFaster());
    lbgoals->setText(QString("ゴール %1/%2").arg(v.goalsSoFar()).arg(v.goals().size()));
    lbframe->setText(QString("%1 / %2").arg(v.current() + 1).arg(v.frames()));
    lbspeed->setText(QString::fromStdString(v.pacetext()));
}

}  // namespace vm
