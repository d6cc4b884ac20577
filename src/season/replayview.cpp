// SPDX-License-Identifier: GPL-3.0-or-later
// The replay viewer's frame, pace, steps and goal jumps.
#include "season/replayview.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "season/livecues.h"
#include "util/arith.h"

namespace vm {

namespace {

struct Pace {
    int num;
    int den;
    const char* text;
};
constexpr std::array<Pace, 5> kPaces{
    {{1, 4, "×1/4"}, {1, 2, "×1/2"}, {1, 1, "×1"}, {2, 1, "×2"}, {4, 1, "×4"}}};
constexpr int kRecordedPace = 2;
// A clock that stalled (a busy machine, a dialog) catches up at most this many
// frames at the recorded pace, so the picture never leaps far ahead.
constexpr ReplayView::Millis kCatchUp = 4;
// The clock shown stops here (over a day of match seconds): a damaged record
// cannot make it overflow.
constexpr std::int64_t kMaxClock = 99999;

int three(std::string_view line, std::size_t at) {
    return (line[at] - '0') * 100 + (line[at + 1] - '0') * 10 + (line[at + 2] - '0');
}

// Whether the caption is up on the k-th frame of a celebration run, as the
// live match's cues leave it: frame 0 is the goal's own frame, the steps of
// the celebration follow one a frame.
const std::array<bool, kCelebrationFrames>& captionUp() {
    static const std::array<bool, kCelebrationFrames> up = [] {
        std::array<bool, kCelebrationFrames> frames{};
        int celebration = kCelebrationFrames;
        int side = 0;
        GoalCaptions captions;
        for (int k = 1; k < kCelebrationFrames; ++k) {
            std::vector<Cue> cues;
            celebrationstep(celebration, side, HomeMarker::hidden, {}, cues);
            for (const Cue& c : cues) captions.apply(c);
            frames[k] = captions.goal;
        }
        return frames;
    }();
    return up;
}

}  // namespace

PitchPicture framepicture(std::string_view line) {
    PitchPicture p;
    std::size_t at = 0;
    for (auto& side : p.shirts) {
        for (Point& shirt : side) {
            shirt = {three(line, at), three(line, at + 3)};
            at += 6;
        }
    }
    p.shadow = {three(line, at), three(line, at + 3)};
    p.ball = {three(line, at + 6), three(line, at + 9)};
    return p;
}

ReplayView::ReplayView(Replay replay, std::optional<WatchNotes> notes)
    : replay_(std::move(replay)), notes_(std::move(notes)), pace_(kRecordedPace) {
    shown_.reserve(replay_.frames.size());
    clock_.reserve(replay_.frames.size());
    int last = -1;
    std::int64_t counter = 0;
    int clock = 0;
    for (int i = 0; i < frames(); ++i) {
        // A frame plays its ticks unless a celebration ran into it: a goal's
        // own frame plays them, the frame that ends its celebration none.
        if (i == 0 || replay_.frames[i - 1] != "g") {
            const WatchNotes::Speed* speed = notes_ ? noteAt(notes_->speeds, i) : nullptr;
            counter += speed ? 4 * speed->speed : replay_.step;
        }
        if (replay_.frames[i] == "g") {
            if (i == 0 || replay_.frames[i - 1] != "g") goals_.push_back(i);
        } else {
            last = i;
            // The clock of the last tick played, whose counter is 4 below.
            clock = static_cast<int>(std::clamp<std::int64_t>((counter - 4) / 10, 0, kMaxClock));
        }
        shown_.push_back(last);
        clock_.push_back(clock);
    }
    if (notes_) {
        scored_ = notes_->goals;
    } else {
        // A goal is scored at the far end of the half the ball was in just before.
        for (const int moment : goals_)
            if (const int before = shown_[moment]; before >= 0)
                scored_.push_back({moment, framepicture(replay_.frames[before]).shadow.x + 3 >= 320 ? 0 : 1});
    }
    tally_.push_back({0, 0});
    for (const WatchNotes::Goal& g : scored_) {
        std::array<int, 2> next = tally_.back();
        ++next[g.side];
        tally_.push_back(next);
    }
}

template <class Entry>
const Entry* ReplayView::noteAt(const std::vector<Entry>& kind, int frame) {
    const auto after =
        std::upper_bound(kind.begin(), kind.end(), frame, [](int f, const Entry& e) { return f < e.frame; });
    return after == kind.begin() ? nullptr : &*std::prev(after);
}

void ReplayView::seek(int frame) {
    current_ = std::clamp(frame, 0, std::max(0, frames() - 1));
    owed_ = 0;
}

void ReplayView::play(Millis now) {
    if (frames() == 0) return;
    if (current_ == frames() - 1) current_ = 0;
    playing_ = true;
    last_ = now;
    owed_ = 0;
}

void ReplayView::toggle(Millis now) {
    if (playing_) {
        pause();
    } else {
        play(now);
    }
}

bool ReplayView::idle(Millis now) {
    if (!playing_) return false;
    if (now < last_) {
        last_ = now;  // a clock that went back counts from now
        return false;
    }
    const Pace& pace = kPaces[pace_];
    owed_ += (now - last_) * pace.num;
    last_ = now;
    const Millis gap = kFrameGap * pace.den;
    Millis due = owed_ / gap;
    owed_ %= gap;
    if (due > kCatchUp * pace.num) {
        due = kCatchUp * pace.num;
        owed_ = 0;
    }
    if (due == 0) return false;
    const int before = current_;
    current_ = static_cast<int>(std::min<Millis>(static_cast<Millis>(frames() - 1), current_ + due));
    if (current_ == frames() - 1) playing_ = false;
    return current_ != before;
}

bool ReplayView::stepForward() {
    pause();
    if (current_ + 1 >= frames()) return false;
    ++current_;
    return true;
}

bool ReplayView::stepBack() {
    pause();
    if (current_ == 0) return false;
    --current_;
    return true;
}

bool ReplayView::nextGoal() {
    const auto next = std::upper_bound(goals_.begin(), goals_.end(), current_);
    if (next == goals_.end()) return false;
    seek(*next);
    return true;
}

bool ReplayView::previousGoal() {
    const auto after = std::lower_bound(goals_.begin(), goals_.end(), current_);
    if (after == goals_.begin()) return false;
    seek(*std::prev(after));
    return true;
}

int ReplayView::goalsSoFar() const {
    return static_cast<int>(std::upper_bound(goals_.begin(), goals_.end(), current_) - goals_.begin());
}

bool ReplayView::canGoFaster() const {
    return pace_ + 1 < static_cast<int>(kPaces.size());
}

bool ReplayView::canGoSlower() const {
    return pace_ > 0;
}

bool ReplayView::faster() {
    if (!canGoFaster()) return false;
    ++pace_;
    owed_ = 0;
    return true;
}

bool ReplayView::slower() {
    if (!canGoSlower()) return false;
    --pace_;
    owed_ = 0;
    return true;
}

std::string ReplayView::pacetext() const {
    return kPaces[pace_].text;
}

std::optional<PitchPicture> ReplayView::picture() const {
    if (frames() == 0 || shown_[current_] < 0) return std::nullopt;
    const int line = shown_[current_];
    PitchPicture p = framepicture(replay_.frames[line]);
    int height = 0;
    if (notes_) {
        const WatchNotes::Lift* lift = noteAt(notes_->lifts, line);
        height = lift ? lift->height : 0;
    } else {
        // The record draws a flying ball half as far again up and aside.
        height = roundEven((p.shadow.y - p.ball.y) / 1.5);
    }
    p.ball = {p.shadow.x, p.shadow.y - height};
    return p;
}

FrameFigures ReplayView::figures() const {
    FrameFigures f;
    const int at = frames() == 0 ? -1 : current_;
    const int line = at < 0 ? -1 : shown_[at];
    f.clock = clocktext(at < 0 ? 0 : clock_[at]);
    const auto counted =
        std::upper_bound(scored_.begin(), scored_.end(), line,
                         [](int frame, const WatchNotes::Goal& g) { return frame < g.frame; });
    f.goals = tally_[static_cast<std::size_t>(counted - scored_.begin())];
    for (int side = 0; side < 2; ++side)
        for (int man = 0; man < 11; ++man) f.shirts[side][man] = pad(man + 1, 2);
    if (!notes_) return f;
    for (const WatchNotes::Sub& sub : notes_->subs)
        if (sub.frame <= at) f.shirts[sub.side][sub.man] = std::to_string(sub.number);
    if (const WatchNotes::Saying* said = noteAt(notes_->sayings, at)) f.commentary = said->text;
    return f;
}

bool ReplayView::celebrating() const {
    return frames() > 0 && replay_.frames[current_] == "g";
}

bool ReplayView::goalCaption() const {
    if (!celebrating()) return false;
    const int k = current_ - (shown_[current_] + 1);
    return k < kCelebrationFrames && captionUp()[k];
}

}  // namespace vm
