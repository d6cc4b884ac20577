// SPDX-License-Identifier: GPL-3.0-or-later
// The tactics screen's layout: the pitch with its markers over the whole
// window, the member list and the buttons over the pitch's right half, which
// no marker reaches.
#include "screens/ttactics.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTimer>

#include <stdexcept>

#include "screens/clock.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/screenhost.h"
#include "screens/tacticsboardview.h"
#include "screens/tmain.h"
#include "screens/tplayerdata.h"

namespace vm {
namespace {

constexpr int kListTop = 14;
// A heading and eleven players; a longer squad scrolls.
constexpr int kListRows = 11;
constexpr int kListHeight = 20 * (kListRows + 1) + 2;
// The list shows the places, names, ages, positions, attributes and feet;
// the condition (told by the text's colour) and the roster index lie beyond
// its right edge. A squad too long for the list leaves room for the scroll bar.
constexpr int kListWidth = 320;
constexpr int kScrollingListWidth = 336;
constexpr int kButtonTools = 268;  // the editing tools, under the list
constexpr int kButtonExits = 442;  // "動かす", "戻る" and "OK", at the bottom
constexpr int kButtonColumns[] = {372, 468, 564};
constexpr int kRightEdge = 564 + 90;

}  // namespace

Ttactics* Ttactics::open(const Session& session, Tmain* over) {
    try {
        auto* screen = new Ttactics(session, over);
        if (over) screen->move(over->mapToGlobal(QPoint(0, 0)));
        return screen;
    } catch (const std::runtime_error& e) {
        session.prompts.error(e.what());
        return nullptr;
    }
}

Ttactics::Ttactics(const Session& session, Tmain* over)
    : QWidget(over), session_(session), over_(over), borderless_(over != nullptr) {
    if (borderless_)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    else
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowMinimizeButtonHint);
    setWindowTitle("戦術");
    setFixedSize(TacticsBoardView::kPitch);

    pitch_ = new TacticsBoardView(session_.world, TacticsBoardView::Mode::editing, this);
    buildList();
    buildButtons();
    connect(pitch_, &TacticsBoardView::lineupChanged, this, &Ttactics::showList);
    pitch_->setChosenRow([this] { return menberlist->currentGridRow(); });

    previewTimer = new QTimer(this);
    previewTimer->setObjectName("previewTimer");
    // A test clock that jumps ahead ticks the preview on every pass of the
    // event loop instead of waiting 20 ms.
    previewTimer->setInterval(session_.clock.pollInterval() > 0 ? kPreviewTick : 0);
    previewTimer->setTimerType(Qt::PreciseTimer);
    connect(previewTimer, &QTimer::timeout, this, &Ttactics::previewTick);
    FormShow();
}

void Ttactics::buildList() {
    menberlist = new GridView(this);
    menberlist->setObjectName("menberlist");
    menberlist->setCellPainter([](CellPaint& c) {
        conditionColour(c, TacticsBoard::kConditionCol);
        drawText(c);
    });
    connect(menberlist, &GridView::headingPressed, this, [this](int column) {
        pitch_->board().sortBy(column);
        showList();
    });
    connect(menberlist, &GridView::cellDoubleClicked, this, [this](int row, int) {
        const int index = pitch_->board().rosterIndex(row);
        if (row < 1 || index < 0) return;
        if (Tplayerdata* card = session_.host.openCard(0, index))
            connect(card, &Tplayerdata::renamed, this, &Ttactics::playerRenamed, Qt::UniqueConnection);
    });
}

void Ttactics::buildButtons() {
    auto button = [this](const char* caption, const char* name, int top, int column) {
        auto* b = new PanelButton(caption, {kButtonColumns[column], top}, this);
        b->setObjectName(name);
        return b;
    };
    Pcoach = button("コーチ任せ", "Pcoach", kButtonTools, 0);
    Pformsave = button("フォメSAVE", "Pformsave", kButtonTools, 1);
    Pformload = button("フォメLOAD", "Pformload", kButtonTools, 2);
    Pmove = button("動かす", "Pmove", kButtonExits, 0);
    Pback = button("戻る", "Pback", kButtonExits, 1);
    Pok = button("OK", "Pok", kButtonExits, 2);
    connect(Pcoach, &PanelButton::clicked, this, &Ttactics::PcoachClick);
    connect(Pformsave, &PanelButton::clicked, this, &Ttactics::PformsaveClick);
    connect(Pformload, &PanelButton::clicked, this, &Ttactics::PformloadClick);
    connect(Pmove, &PanelButton::clicked, this, &Ttactics::PmoveClick);
    connect(Pback, &PanelButton::clicked, this, &Ttactics::PbackClick);
    connect(Pok, &PanelButton::clicked, this, &Ttactics::PokClick);

    // Enter stores the line-up as "OK" does; Esc goes back (or ends the preview).
    Pok->pressOnEnter(this);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        PanelButton* back = Pback->isVisible() ? Pback : Pmove;
        back->click();
    });
}

void Ttactics::FormShow() {
    showList();
    const int width = menberlist->grid().rowCount() - 1 > kListRows ? kScrollingListWidth : kListWidth;
    menberlist->setGeometry(kRightEdge - width, kListTop, width, kListHeight);
    menberlist->setColumnWidths(20, {{TacticsBoard::kNameCol, 80}, {TacticsBoard::kPosCol, 30}});
    pitch_->refresh();
}

void Ttactics::showList() {
    const int row = menberlist->currentGridRow();
    const void* chosen = row > 0 ? menberlist->grid().object(row) : nullptr;
    const Grid& list = pitch_->board().menberlist();
    menberlist->setGrid(list);
    for (int r = 1; chosen && r < list.rowCount(); ++r)
        if (list.object(r) == chosen) menberlist->selectGridRow(r);
}

void Ttactics::showEditing(bool editing) {
    for (QWidget* w : std::initializer_list<QWidget*>{menberlist, Pok, Pback, Pcoach, Pformsave, Pformload})
        w->setVisible(editing);
    Pmove->setText(editing ? "動かす" : "戻る");
}

}  // namespace vm
