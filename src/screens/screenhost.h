// SPDX-License-Identifier: GPL-3.0-or-later
// The owner of the game's top-level screens. A screen hands over by asking
// the host for the next screen and then closing itself: the next one is on
// screen first, so the game never stands without a window, the closed one is
// released, and there is never more than one main screen.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <filesystem>

#include "screens/session.h"

namespace vm {

class Clock;
class Tmain;
class Tmatch;
class Tnews;
class Tplayerdata;
class Treplay;
class Tsave;
class Tstats;
class Ttactics;
class Ttitle;
class Ttradetop;
class Tversus;
enum class SaveMode : int;

class ScreenHost : public QObject {
    Q_OBJECT
public:
    ScreenHost(World& world, Prompts& prompts, Clock& clock);
    // Releases every screen still open.
    ~ScreenHost() override;

    Session session() { return {world_, prompts_, clock_, *this}; }

    // The game's start: the title screen, and when a career of an earlier
    // copy ended without the player leaving it and left an autosave newer
    // than every save, the question whether to go on from there ("Yes" loads
    // it). False when the world cannot be built.
    bool start();
    // A new title screen, which builds a fresh world. Null when the world
    // cannot be built: the player has been told why and the program ends.
    // The career that was open is left in order.
    Ttitle* openTitle();
    // A new main screen; one still open is released. Null when its picture
    // cannot be read (the player has been told): the caller stays. The career
    // is marked open, and where saving is allowed the world is autosaved
    // for the point it stands at.
    Tmain* openMain();
    // The save screen for `mode` over the screen that opens it: the main
    // screen when saving or exporting, the title screen when loading. Null
    // when it has nothing to offer (loading with no file: it closes at once
    // and says nothing) or when its picture cannot be read (the player is
    // told).
    Tsave* openSave(SaveMode mode);
    // The versus picker over the title screen; null as the save screen is
    // (no versus file, or no picture). A versus match chosen there opens the
    // match (a new title screen when it cannot).
    Tversus* openVersus();
    // A new tactics screen for club 0; one still open is released. With
    // `over`, a borderless window over that main screen, which stays open and
    // takes the tactics screen with it when it goes; without, a window in
    // place of the caller, which closes itself once this is not null. Null
    // when the pitch picture cannot be read (the player has been told).
    Ttactics* openTactics(Tmain* over = nullptr);
    // The news programme from `start` (NewsStart), or the club website. Null
    // when its pictures cannot be read: the player has been told which one.
    // After a watched match whose record was kept, `replay` is that record
    // and the programme offers to watch it again.
    Tnews* openNews(int start, const std::filesystem::path& replay = {});
    // The transfer screen of the open transfer window; one still open is
    // released. With `startWeek` it opens on the next week as if its step
    // button had been pressed once. When the screen cannot be built the
    // player is told why and the title screen follows (the window cannot be
    // played without it); the result is null then.
    Ttradetop* openTrade(bool startWeek = true);
    // A player card for roster player `index` of club `owner` (99: the
    // window's free agent `index`). Cards are windows of their own, several
    // may be open; every hand-over to another screen closes them. Null when
    // there is no such player (the player has been told).
    Tplayerdata* openCard(int owner, int index);
    // The player cards now open.
    QList<Tplayerdata*> cards() const;
    // A club's roster changed under the open cards (a new line-up, a player
    // made coach): each shows its player where he stands now, and the card
    // of a player who has left his club closes.
    void refreshCards();
    // Closes every card, answered or not: the step or the screen they belong
    // to is over.
    void closeCards();
    // Club 0's match of the match day, watched: a league match with the
    // tactics board beside it, or a versus match without. It opens the news
    // when it ends. Null when its pictures cannot be read (the player has
    // been told) or a match is already on screen.
    Tmatch* openMatch(bool league);

    // The replay viewer over the screens that are open, which wait until it
    // closes: the kept replays, and with `record` that record on show (a
    // record that cannot be read is refused with a message and the list
    // stays). One viewer at a time. Null when its pictures cannot be loaded.
    Treplay* openReplays(const std::filesystem::path& record = {});

    // The statistics window ("データ"), one at a time, on `page` (a
    // Tstats::Page) and, on the players' page, with the player of tracking
    // number `id`. Every hand-over closes it, as it closes the cards.
    // Refused with a message while a headless match day is being played.
    Tstats* openStats(int page = 0, int id = 0);
    // Closes it, as a headless match day starts: its figures would change
    // under it.
    void closeStats();

    // Ends the game: every screen closes and the event loop returns.
    void quit();
    // Ends the game as quit() does, to be started again (a new display
    // scale): the program entry starts it once the event loop has returned.
    void restart();
    bool restartWanted() const { return restartWanted_; }

    // The game's windows now open, in the order they were opened.
    QList<QWidget*> screens() const;

private:
    // Saves the world as the autosave of its point; a failure is told once
    // per session and holds nothing up.
    void autosave();
    // The career open is left in order: its mark goes.
    void leaveCareer();
    // The screen a card opens over: the transfer screen, the tactics board
    // or the main screen, whichever is on show; null when none is.
    QWidget* gameWindow() const;
    // Keeps track of a new screen until it is closed.
    template <class Screen>
    Screen* adopt(Screen* screen);
    // Shows a save screen or versus picker made from `args`, unless it has
    // nothing to offer or cannot be made (the player is told why).
    template <class Screen, class... Args>
    Screen* openFileWindow(Args&&... args);

    World& world_;
    Prompts& prompts_;
    Clock& clock_;
    QList<QPointer<QWidget>> screens_;
    QPointer<Tmain> main_;
    QPointer<Ttitle> title_;
    QPointer<Ttactics> tactics_;
    QPointer<Ttradetop> trade_;
    QList<QPointer<QWidget>> cards_;  // the player cards, Tplayerdata
    QPointer<Tmatch> match_;
    QPointer<Treplay> replays_;
    bool autosaveFailureTold_ = false;
    bool careerMarked_ = false;
    bool restartWanted_ = false;
    QPointer<Tstats> stats_;
};

}  // namespace vm
