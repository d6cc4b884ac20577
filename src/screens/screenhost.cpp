#include "screens/screenhost.h"

#include <QCoreApplication>

#include <memory>
#include <stdexcept>

#include "screens/tmain.h"
#include "screens/tmatch.h"
#include "screens/tnews.h"
#include "screens/tsave.h"
#include "screens/ttactics.h"
#include "screens/ttitle.h"

namespace vm {

ScreenHost::ScreenHost(World& world, Prompts& prompts, Clock& clock)
    : world_(world), prompts_(prompts), clock_(clock) {}

ScreenHost::~ScreenHost() {
    for (const QPointer<QWidget>& screen : screens_) delete screen.data();
}

template <class Screen>
Screen* ScreenHost::adopt(Screen* screen) {
    if (!screen) return nullptr;
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screens_.removeAll(nullptr);
    screens_.append(screen);
    return screen;
}

Ttitle* ScreenHost::openTitle() {
    title_ = adopt(Ttitle::open(session()));
    return title_;
}

Tmain* ScreenHost::openMain() {
    if (main_) main_->close();
    main_ = adopt(new Tmain(session()));
    main_->show();
    return main_;
}

Tsave* ScreenHost::openSave(SaveMode mode) {
    const bool overMain = mode == SaveMode::save || mode == SaveMode::vsexport;
    QWidget* opener = overMain ? static_cast<QWidget*>(main_.data()) : title_.data();
    std::unique_ptr<Tsave> screen;
    try {
        screen = std::make_unique<Tsave>(session(), mode, opener);
    } catch (const std::runtime_error& e) {
        prompts_.error(e.what());
        return nullptr;
    }
    if (screen->closesAtOnce()) return nullptr;
    Tsave* shown = adopt(screen.release());
    connect(shown, &Tsave::versusReady, this, [this](const VersusMatch& match) {
        if (!openMatch(match.isLeagueMatch)) openTitle();
    });
    shown->show();
    return shown;
}

Ttactics* ScreenHost::openTactics(Tmain* over) {
    if (tactics_) tactics_->close();
    tactics_ = adopt(Ttactics::open(session(), over));
    if (tactics_) tactics_->show();
    return tactics_;
}

Tnews* ScreenHost::openNews(int start) {
    return adopt(Tnews::open(session(), start));
}

Tmatch* ScreenHost::openMatch(bool league) {
    if (match_) return nullptr;
    match_ = adopt(Tmatch::open(session(), league));
    return match_;
}

void ScreenHost::quit() {
    for (const QPointer<QWidget>& screen : screens_)
        if (screen) screen->close();
    QCoreApplication::quit();
}

QList<QWidget*> ScreenHost::screens() const {
    QList<QWidget*> open;
    for (const QPointer<QWidget>& screen : screens_)
        if (screen && !screen->testAttribute(Qt::WA_WState_Hidden) && screen->isVisible())
            open.append(screen);
    return open;
}

}  // namespace vm
