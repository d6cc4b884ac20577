// SPDX-License-Identifier: GPL-3.0-or-later
// The watched match's window: its panels and the wakes that drive it.
#include "screens/tmatch.h"

#include <QCloseEvent>
#include <QScreen>
#include <QScrollBar>

#include <stdexcept>

#include "league/runner.h"
#include "screens/clock.h"
#include "screens/gamesettings.h"
#include "screens/gridview.h"
#include "screens/matchpitch.h"
#include "screens/qtext.h"
#include "screens/screenhost.h"
#include "screens/sound.h"
#include "screens/statspanel.h"
#include "screens/tacticsboardview.h"
#include "screens/tmatchdata.h"
#include "season/replaylibrary.h"

namespace vm {
namespace {

// Without the board the pitch and the scoreboard stand in the middle.
constexpr QPoint kLonePitchAt{(Tmatch::kSize.width() - MatchPitch::kSize.width()) / 2, 5};
constexpr QPoint kLoneScoreboardAt{(Tmatch::kSize.width() - Tmatchdata::kSize.width()) / 2, 510};

}  // namespace

Tmatch* Tmatch::open(const Session& session, bool league) {
    Tmatch* window = nullptr;
    try {
        window = new Tmatch(session, league);
    } catch (const std::runtime_error& e) {
        session.prompts.error(e.what());
        return nullptr;
    }
    if (const QScreen* screen = window->screen()) window->move(screen->availableGeometry().topLeft());
    window->show();
    window->tellWarnings();
    window->wakeAtNextFrame();
    return window;
}

Tmatch::Tmatch(const Session& session, bool league) : QWidget(nullptr), session_(session) {
    World& world = session_.world;
    setFixedSize(kSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x1e, 0x3a, 0x24));
    setPalette(pal);

    // Every picture is read before the match opens: a missing one costs nothing.
    if (league) {
        board_ = new TacticsBoardView(world, TacticsBoardView::Mode::inMatch, this);
        board_->move(kBoardAt);
    }
    pitch_ = new MatchPitch(world, 0, useropponent(world, world.kanri.mydiv), this);
    pitch_->move(league ? kPitchAt : kLonePitchAt);
    statspanel_ = new StatsPanel(pitch_);

    match_ = std::make_unique<LiveMatch>(world, league, session_.clock.now());
    data_ = new Tmatchdata(match_->scoreboard(), match_->speed(), this);
    data_->move(league ? kScoreboardAt : kLoneScoreboardAt);
    pitch_->drawFrame(match_->pitch());
    const auto& names = match_->scoreboard().names;
    setWindowTitle(titleText(qstr(names[0] + " VS " + names[1])));

    connect(data_->speedBar(), &QScrollBar::valueChanged, this,
            [this](int speed) { match_->setSpeed(speed); });
    if (board_) {
        // The board's right button works on the rows of the match's own list.
        board_->setChosenRow([this] { return data_->squad(0)->currentGridRow(); });
        board_->board().substitution = [this](int slot, int rosterIndex) {
            return match_->menberchange(slot, rosterIndex);
        };
    }
    buildKeys();
    useSound(GameSettings().soundEnabled());
}

Tmatch::~Tmatch() {
    // A match still running is played out and booked as the driver goes.
    stopFrames();
}

void Tmatch::wakeAtNextFrame() {
    const unsigned wake = ++wake_;
    // A match finished by its final whistle is handed over at the next wake.
    const auto due = match_->finished() ? LiveMatch::Millis{0} : match_->nextframe();
    if (!due) return;
    session_.clock.at(static_cast<qint64>(*due), this, [this, wake] {
        if (wake == wake_) poll();
    });
}

void Tmatch::poll() {
    LiveMatch::Frame frame;
    try {
        if (board_) {
            const MarkerCorners corners = board_->board().corners();
            frame = match_->idle(static_cast<LiveMatch::Millis>(session_.clock.now()), &corners);
        } else {
            frame = match_->idle(static_cast<LiveMatch::Millis>(session_.clock.now()));
        }
    } catch (const std::runtime_error& e) {
        // The result could not be booked: what is left is booked without frames.
        stopFrames();
        session_.prompts.error(e.what());
        if (finishMatch()) finish();
        return;
    }
    for (const Cue& cue : frame.cues) act(cue);
    if (frame.played) {
        pitch_->drawFrame(match_->pitch());
        pitch_->showCaptions(match_->captions());
        data_->showFigures(match_->scoreboard());
        showStats();
    }
    if (match_->finished())
        finish();
    else
        wakeAtNextFrame();
}

void Tmatch::act(const Cue& cue) {
    const auto file = [this](CueKind kind) {
        return QString::fromStdString(session_.world.shipped(cuesound(kind)).string());
    };
    if (holds(cue.kind)) {
        // Play waits for the whistle; the window goes on answering meanwhile.
        if (sound_)
            sound_->playThen(file(cue.kind), this, [this] {
                match_->soundEnded();
                wakeAtNextFrame();
            });
        else
            match_->soundEnded();
        return;
    }
    if (cue.kind == CueKind::shirt) {
        pitch_->setShirtNumber(cue.side, cue.man, cue.text);
        data_->showSquad(cue.side, match_->scoreboard());
        return;
    }
    if (sound_ && cuesound(cue.kind) != nullptr) sound_->play(file(cue.kind));
}

void Tmatch::useSound(bool on) {
    if (!on) {
        sound_.reset();  // a whistle still sounding goes with it
        if (match_->holding()) {
            match_->soundEnded();
            wakeAtNextFrame();
        }
        return;
    }
    if (sound_) return;
    sound_ = std::make_unique<Sound>();
    sound_->setVolume(GameSettings().volume());
}

bool Tmatch::finishMatch() {
    try {
        match_->finishHeadless();
        return true;
    } catch (const std::runtime_error& e) {
        session_.prompts.error(e.what());
        return false;
    }
}

void Tmatch::finish() {
    stopFrames();
    tellWarnings();
    if (openNews()) close();
}

void Tmatch::keepReplay() {
    if (replayKept_) return;
    replayKept_ = true;
    try {
        if (const auto kept = keepreplay(session_.world, *match_)) replay_ = *kept;
    } catch (const std::runtime_error& e) {
        // The match is booked already; only the chance to watch it again is lost.
        session_.prompts.message(std::string("リプレイを保存できませんでした（") + e.what() + "）");
    }
}

bool Tmatch::openNews() {
    keepReplay();
    if (!session_.host.openNews(match_->newsStart(), replay_)) return false;
    handedOver_ = true;
    return true;
}

void Tmatch::tellWarnings() {
    const auto& warnings = match_->warnings();
    for (; warned_ < warnings.size(); ++warned_) session_.prompts.message(warnings[warned_]);
}

void Tmatch::closeEvent(QCloseEvent* event) {
    if (handedOver_) {
        QWidget::closeEvent(event);
        return;
    }
    if (!match_->finished()) {
        // The question stops the match; "no" lets it go on as it was. Once
        // the final whistle blows there is nothing left to give up.
        const bool wasPaused = match_->paused();
        match_->pause();
        if (!match_->over() && !session_.prompts.askYesNo(kGiveUpQuestion)) {
            if (!wasPaused) match_->resume();
            wakeAtNextFrame();
            event->ignore();
            return;
        }
        stopFrames();
        if (!finishMatch()) {
            event->ignore();
            return;
        }
        tellWarnings();
    }
    // The news could not open: the window stays, and the next close tries again.
    if (!openNews()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace vm
