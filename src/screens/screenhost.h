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
class Treplay;
class Ttitle;

class ScreenHost : public QObject {
    Q_OBJECT
public:
    ScreenHost(World& world, Prompts& prompts, Clock& clock);
    // Releases every screen still open.
    ~ScreenHost() override;

    Session session() { return {world_, prompts_, clock_, *this}; }

    // A new title screen, which builds a fresh world. Null when the world
    // cannot be built: the player has been told why and the program ends.
    Ttitle* openTitle();
    // A new main screen; one still open is released.
    Tmain* openMain();

    // The replay viewer over the screens that are open, which wait until it
    // closes: the kept replays, and with `record` that record on show (a
    // record that cannot be read is refused with a message and the list
    // stays). One viewer at a time. Null when its pictures cannot be loaded.
    Treplay* openReplays(const std::filesystem::path& record = {});

    // Ends the game: every screen closes and the event loop returns.
    void quit();

    // The game's windows now open, in the order they were opened.
    QList<QWidget*> screens() const;

private:
    // Keeps track of a new screen until it is closed.
    template <class Screen>
    Screen* adopt(Screen* screen);

    World& world_;
    Prompts& prompts_;
    Clock& clock_;
    QList<QPointer<QWidget>> screens_;
    QPointer<Tmain> main_;
    QPointer<Treplay> replays_;
};

}  // namespace vm
