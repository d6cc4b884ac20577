// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen's "ＮＥＸＴ" button without the screen: between seasons it
// opens the transfer window, during a season it plays a match day in two
// clicks (the preparation and the headless run, then the hand-over to the live
// view or the news). The screen calls one step per click and redraws.
#pragma once

#include "season/pacing.h"

namespace vm {

class World;

// The question asked before the transfer window opens.
inline constexpr const char* kTradeQuestion = "移籍期間終了までセーブできません。準備はよろしいですか？";
// The refusal of saving, exporting and leaving once a match day is under way.
inline constexpr const char* kNotNowText = "現在この機能は使用できません";
// Said after the error that stopped a match day part way: the world is left
// half played, so the way on is the title screen and a saved game.
inline constexpr const char* kMatchDayFailedText =
    "この節の進行が途中で止まったため、続きを行うことはできません。"
    "メニューの「ゲーム終了」から「タイトル画面へ」を選んでタイトル画面に戻り、"
    "セーブデータをロードしてください。";

// Steps of the headless run of one division, and how often the window is paced.
inline constexpr int kHeadlessSteps = 13501;
inline constexpr int kPauseEvery = 30;
inline constexpr int kProgressEvery = 270;

class MatchDayFlow {
public:
    enum class Step { none, trade, automatch, next };

    // The state the main screen opens in: step 1 while a season runs (the next
    // click plays a match day), step 0 between seasons (the next click opens
    // the transfer window).
    explicit MatchDayFlow(World& world);

    int nextstep() const { return nextstep_; }
    // Saving and the versus export are allowed only before a match day starts.
    bool cansave() const { return nextstep_ < 2; }
    // Whether the headless run of a match day is under way: the window keeps
    // answering meanwhile, but nothing may leave it half done.
    bool running() const { return running_; }
    // Going back to the title screen or ending the game: not during the run.
    bool canleave() const { return !running_; }
    // Club 0's line-up may be stored (the tactics screen's "OK", its preview
    // and the coach's choice): not while the headless run plays its match,
    // which books goals and form by the places the men had at kick-off.
    bool canchangelineup() const { return !running_; }
    // The main screen is shown again over the same flow (after an emblem or a
    // coach changed): between seasons the next click opens the transfer
    // window again; during a season the counter keeps its value.
    void reshown();
    // A click on "ＮＥＸＴ": the step counter advances and names what is due.
    Step click();

    // Step 1, with the answer to kTradeQuestion. Yes opens the transfer window
    // (the engine and every club's clear-out) and returns true; No puts the
    // counter back so that the next click asks again. Should the window fail
    // to open, the counter is put back too and the error passed on.
    bool totrade(bool yes);
    // Step 2: every club's training, the computer clubs' line-ups and
    // formations, both divisions' preparation and, when skipping, all ten
    // fixtures of the match day without a view. Should any of it throw (a
    // damaged formation, a goal or result file that cannot be written), the
    // error is passed on and the match day is failed for good.
    void toautomatch(bool skip, const Pacing& pacing = {});
    // The match day stopped part way through step 2. By then clubs have
    // trained, players have been prepared and fixtures may be half booked,
    // none of which can be taken back, so the match day can neither go on to
    // the news nor be played again: "ＮＥＸＴ" does nothing more, saving stays
    // refused and only leaving is allowed (see kMatchDayFailedText).
    bool failed() const { return failed_; }
    // Step 3: true when the match is watched (the live view opens), false when
    // the news follows at once.
    bool tonext();
    // The screen that follows step 3 could not open (a picture of the
    // installation is missing): the match day stays played as it is, and the
    // next click hands over again.
    void handoverfailed();

    bool skipping() const { return skip_; }

private:
    // The part of step 2 that changes the world, once the match day is due.
    void prepareandplay(const Pacing& pacing);

    World& world_;
    int nextstep_ = 0;
    bool skip_ = false;
    bool prepared_ = false;
    bool running_ = false;
    bool failed_ = false;
};

}  // namespace vm
