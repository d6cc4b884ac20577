// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/screenhost.h"

#include <QCoreApplication>

#include <memory>
#include <stdexcept>

#include "league/autosaves.h"
#include "league/careermarkers.h"
#include "league/savegame.h"

#include "screens/gamesettings.h"
#include "screens/placement.h"
#include "screens/stepfocus.h"
#include "screens/tmain.h"
#include "screens/tmatch.h"
#include "screens/tnews.h"
#include "screens/tplayerdata.h"
#include "screens/treplay.h"
#include "screens/tsave.h"
#include "screens/tstats.h"
#include "screens/ttactics.h"
#include "screens/ttitle.h"
#include "screens/ttradetop.h"
#include "screens/tversus.h"
#include "season/resume.h"

namespace vm {
namespace {

// The text of a failed autosave: the game goes on, and the player can still save.
constexpr const char* kAutosaveFailedText =
    "オートセーブできませんでした。ゲームはこのまま続けられます。\n"
    "メニューの「セーブ」で保存してください。";

// Whether the player wants autosaves ("設定" → "オートセーブ").
bool autosaveWanted() {
    return GameSettings().autosaveEnabled();
}

}  // namespace

ScreenHost::ScreenHost(World& world, Prompts& prompts, Clock& clock)
    : world_(world), prompts_(prompts), clock_(clock) {}

ScreenHost::~ScreenHost() {
    for (const QPointer<QWidget>& screen : screens_) delete screen.data();
    leaveCareer();
}

void ScreenHost::leaveCareer() {
    markCareerClosed(world_);
    careerMarked_ = false;
}

bool ScreenHost::start() {
    removeLeftovers(world_);
    if (!openTitle()) return false;
    const auto offer = takeResumeOffer(world_);
    if (!offer || !prompts_.askYesNo(kResumeQuestion)) return true;
    try {
        load(world_, *offer);
    } catch (const std::runtime_error& e) {
        prompts_.error(std::string("前回の続きを読み込めません\n") + e.what());
        return true;
    }
    if (openMain() && title_) title_->close();
    return true;
}

template <class Screen>
Screen* ScreenHost::adopt(Screen* screen) {
    if (!screen) return nullptr;
    screen->setAttribute(Qt::WA_DeleteOnClose);
    // The screen beneath takes its step again once this one has gone.
    connect(screen, &QObject::destroyed, this, &StepFocus::restoreAll);
    screens_.removeAll(nullptr);
    screens_.append(screen);
    return screen;
}

template <class Screen, class... Args>
Screen* ScreenHost::openFileWindow(Args&&... args) {
    std::unique_ptr<Screen> screen;
    try {
        screen = std::make_unique<Screen>(std::forward<Args>(args)...);
    } catch (const std::runtime_error& e) {
        prompts_.error(e.what());
        return nullptr;
    }
    if (screen->closesAtOnce()) return nullptr;
    Screen* shown = adopt(screen.release());
    shown->show();
    return shown;
}

Ttitle* ScreenHost::openTitle() {
    closeCards();
    leaveCareer();
    title_ = adopt(Ttitle::open(session()));
    return title_;
}

Tmain* ScreenHost::openMain() {
    closeCards();
    if (main_) main_->close();
    try {
        main_ = adopt(new Tmain(session()));
    } catch (const std::runtime_error& e) {
        prompts_.error(e.what());  // its picture: the screen that hands over stays
        return nullptr;
    }
    main_->show();
    if (!careerMarked_) {
        try {
            markCareerOpen(world_);
            careerMarked_ = true;
        } catch (const std::runtime_error&) {
            // Without the mark a crash is not offered for resuming; the game itself goes on.
        }
    }
    autosave();
    return main_;
}

void ScreenHost::autosave() {
    if (!autosaveWanted() || !main_ || !main_->flow().cansave() || world_.trade) return;
    try {
        writeAutosave(world_);
    } catch (const std::runtime_error& e) {
        if (autosaveFailureTold_) return;
        autosaveFailureTold_ = true;
        prompts_.notice(std::string(kAutosaveFailedText) + "\n" + e.what());
    }
}

Tsave* ScreenHost::openSave(SaveMode mode) {
    const bool overMain = mode == SaveMode::save || mode == SaveMode::vsexport;
    QWidget* opener = overMain ? static_cast<QWidget*>(main_.data()) : title_.data();
    return openFileWindow<Tsave>(session(), mode, opener);
}

Tversus* ScreenHost::openVersus() {
    Tversus* shown = openFileWindow<Tversus>(session(), title_.data());
    if (shown)
        connect(shown, &Tversus::versusReady, this, [this](const VersusMatch& match) {
            if (!openMatch(match.isLeagueMatch)) openTitle();
        });
    return shown;
}

Ttactics* ScreenHost::openTactics(Tmain* over) {
    closeCards();
    if (tactics_) tactics_->close();
    tactics_ = adopt(Ttactics::open(session(), over));
    if (tactics_) tactics_->show();
    return tactics_;
}

Tnews* ScreenHost::openNews(int start, const std::filesystem::path& replay) {
    closeCards();
    return adopt(Tnews::open(session(), start, replay));
}

Ttradetop* ScreenHost::openTrade(bool startWeek) {
    closeCards();
    if (trade_) trade_->close();
    try {
        trade_ = adopt(new Ttradetop(session()));
    } catch (const std::runtime_error& e) {
        prompts_.error(e.what());
        openTitle();
        return nullptr;
    }
    trade_->show();
    if (startWeek) trade_->PnextClick();
    return trade_;
}

Tplayerdata* ScreenHost::openCard(int owner, int index) {
    // One card per player: asking again brings his open card forward, the
    // card of the player himself, wherever he stood when it was made.
    const QList<Tplayerdata*> open = cards();
    for (Tplayerdata* shown : open) {
        if (showsplayer(world_, shown->card(), owner, index)) {
            shown->raise();
            shown->activateWindow();
            return shown;
        }
    }
    Tplayerdata* card = nullptr;
    try {
        card = adopt(new Tplayerdata(session(), owner, index));
    } catch (const std::invalid_argument& e) {
        prompts_.error(e.what());
        return nullptr;
    }
    cards_.removeAll(nullptr);
    // Cards open side by side in step 3: each a little below the one before,
    // over the game's window on the screen it stands on.
    const int shift = 24 * static_cast<int>(open.size() % 8);
    placeOver(card, gameWindow(), {shift, shift});
    cards_.append(card);
    card->show();
    return card;
}

QList<Tplayerdata*> ScreenHost::cards() const {
    QList<Tplayerdata*> open;
    // A card being destroyed is a plain QWidget by now (its own part is
    // gone), so qobject_cast leaves it out where a cast would not.
    for (const QPointer<QWidget>& widget : cards_)
        if (auto* card = qobject_cast<Tplayerdata*>(widget.data()); card && card->isVisible())
            open.append(card);
    return open;
}

void ScreenHost::refreshCards() {
    for (Tplayerdata* card : cards()) card->refresh();
}

void ScreenHost::closeCards() {
    const QList<QPointer<QWidget>> open = cards_;
    cards_.clear();
    for (const QPointer<QWidget>& widget : open)
        if (auto* card = qobject_cast<Tplayerdata*>(widget.data())) card->discard();
    closeStats();
}

void ScreenHost::closeStats() {
    if (stats_) stats_->close();
}

Tstats* ScreenHost::openStats(int page, int id) {
    // The figures are those of the last completed match day, not of one being
    // played; a player card's way in is refused as the menu's is.
    if (main_ && main_->flow().running()) {
        prompts_.message(kNotNowText);
        return nullptr;
    }
    if (!stats_) {
        stats_ = adopt(new Tstats(session()));
        stats_->show();
    }
    stats_->showPage(static_cast<Tstats::Page>(page), id);
    stats_->raise();
    stats_->activateWindow();
    return stats_;
}

Tmatch* ScreenHost::openMatch(bool league) {
    if (match_) return nullptr;
    closeCards();
    match_ = adopt(Tmatch::open(session(), league));
    return match_;
}

Treplay* ScreenHost::openReplays(const std::filesystem::path& record) {
    if (replays_) replays_->close();
    replays_ = adopt(Treplay::open(session()));
    if (replays_ && !record.empty()) replays_->showRecord(record);
    return replays_;
}

void ScreenHost::quit() {
    closeCards();
    leaveCareer();
    for (const QPointer<QWidget>& screen : screens_)
        if (screen) screen->close();
    QCoreApplication::quit();
}

void ScreenHost::restart() {
    restartWanted_ = true;
    quit();
}

QWidget* ScreenHost::gameWindow() const {
    for (QWidget* screen : {static_cast<QWidget*>(trade_.data()), static_cast<QWidget*>(tactics_.data()),
                            static_cast<QWidget*>(main_.data())})
        if (screen && screen->isVisible()) return screen;
    return nullptr;
}

QList<QWidget*> ScreenHost::screens() const {
    QList<QWidget*> open;
    for (const QPointer<QWidget>& screen : screens_)
        if (screen && !screen->testAttribute(Qt::WA_WState_Hidden) && screen->isVisible())
            open.append(screen);
    return open;
}

}  // namespace vm
