// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/ttitle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScreen>

#include <stdexcept>

#include "league/newgame.h"
#include "screens/panelbutton.h"
#include "screens/pictures.h"
#include "screens/screenhost.h"
#include "season/savescreen.h"
#include "util/errors.h"

namespace vm {

Ttitle* Ttitle::open(const Session& session) {
    try {
        auto* title = new Ttitle(session);
        if (const QScreen* screen = title->screen())
            title->move(screen->availableGeometry().center() - title->rect().center());
        title->show();
        return title;
    } catch (const std::runtime_error& e) {
        // The world may be half built now; nothing sensible can follow.
        session.prompts.error(e.what());
        QCoreApplication::exit(1);
        return nullptr;
    }
}

Ttitle::Ttitle(const Session& session) : QWidget(nullptr), session_(session) {
    setAttribute(Qt::WA_DeleteOnClose);
    // A title bar to move it by, but no system buttons; the game ends through "ゲーム終了".
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QCoreApplication::applicationName());
    setFixedSize(640, 480);

    Pnew = new PanelButton("新規スタート", {80, 344}, this);
    Pload = new PanelButton("ロード", {275, 344}, this);
    Pvs = new PanelButton("データ対戦", {464, 344}, this);
    Pend = new PanelButton("ゲーム終了", {275, 408}, this);
    Pnew->setObjectName("Pnew");
    Pload->setObjectName("Pload");
    Pvs->setObjectName("Pvs");
    Pend->setObjectName("Pend");

    connect(Pnew, &PanelButton::clicked, this, &Ttitle::PnewClick);
    connect(Pload, &PanelButton::clicked, this, &Ttitle::PloadClick);
    connect(Pvs, &PanelButton::clicked, this, &Ttitle::PvsClick);
    connect(Pend, &PanelButton::clicked, this, &Ttitle::PendClick);

    picture_ = loadSkin(session_.world, "title.jpg");
    session_.world.startup();
}

void Ttitle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture_);
}

// A new game on the world built at start-up, then the main screen. A missing
// data file is named and the title screen stays.
void Ttitle::PnewClick() {
    try {
        newgame(session_.world);
    } catch (const DataError& e) {
        session_.prompts.error(e.what());
        return;
    }
    if (session_.host.openMain()) close();
}

// The save screen in load mode over this one; with no saved game it does not
// open and the title stays as it was.
void Ttitle::PloadClick() {
    session_.host.openSave(SaveMode::load);
}

// The versus picker choosing the two clubs of a versus match; with no versus
// file it does not open and the title stays as it was.
void Ttitle::PvsClick() {
    session_.host.openVersus();
}

void Ttitle::PendClick() {
    session_.host.quit();
}

}  // namespace vm
