// What the main screen's buttons and menus do: the season's next step, the
// club edits and the ways out. Each hands the work to the season flow and
// shows the result.
#include <QCoreApplication>
#include <QMenu>
#include <QRadioButton>

#include "screens/clickablelabel.h"
#include "screens/clock.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/progresscells.h"
#include "screens/screenhost.h"
#include "screens/tmain.h"
#include "season/clubedits.h"

namespace vm {

void Tmain::PnextClick() {
    switch (flow_.click()) {
        case MatchDayFlow::Step::trade: totrade(); break;
        case MatchDayFlow::Step::automatch: toautomatch(); break;
        case MatchDayFlow::Step::next: tonext(); break;
        case MatchDayFlow::Step::none: break;
    }
}

void Tmain::totrade() {
    // The window opens on the transfer screen, which comes with its own
    // change; until then every answer keeps the game here and the next click
    // asks again.
    session_.prompts.askYesNo(kTradeQuestion);
    flow_.totrade(false);
}

void Tmain::toautomatch() {
    const bool skip = rbskip->isChecked();
    rbwatch->setEnabled(false);
    rbskip->setEnabled(false);
    watchPanel->hide();
    Pnext->hide();
    Pnews->setEnabled(false);
    bargrid->setFill(0);
    bargrid->show();

    Clock& clock = session_.clock;
    const Pacing pacing{[] { QCoreApplication::processEvents(); }, [&clock] { clock.sleep(1); },
                        [this](int fill) { bargrid->setFill(fill); }};
    try {
        flow_.toautomatch(skip, pacing);
    } catch (const std::runtime_error& e) {
        session_.prompts.error(e.what());
    }
    bargrid->hide();
    watchPanel->show();
    Pnext->show();
}

void Tmain::tonext() {
    flow_.tonext();
}

void Tmain::menusaveClick() {
    if (!flow_.cansave()) session_.prompts.message(kNotNowText);
}

void Tmain::vssaveClick() {
    if (!flow_.cansave()) session_.prompts.message(kNotNowText);
}

void Tmain::replaysClick() {
    session_.host.openReplays();
}

void Tmain::tomenuClick() {
    if (!flow_.canleave()) {
        session_.prompts.message(kNotNowText);
        return;
    }
    // The title screen builds a new world; nothing of this game is kept.
    if (session_.host.openTitle()) close();
}

void Tmain::gamecloseClick() {
    if (!flow_.canleave()) {
        session_.prompts.message(kNotNowText);
        return;
    }
    session_.host.quit();
}

void Tmain::versionClick() {
    session_.prompts.message(kVersionText);
}

void Tmain::lbselectteamClick() {
    if (!clubShown_) return;
    if (renameclub(session_.world, session_.prompts, shownclub_)) {
        lbselectteam->setText(QString::fromStdString(session_.world.team(shownclub_).name));
        teamofdiv();
    }
}

void Tmain::imgselectteamClick() {
    if (changeemblem(session_.world, session_.prompts, shownclub_)) FormShow();
}

void Tmain::menberlistContextMenu(const QPoint& at) {
    if (!coachMenuAllowed_) return;
    const QModelIndex index = menberlist->indexAt(at);
    if (index.isValid()) menberlist->selectGridRow(menberlist->table().gridRow(index.row()));
    if (menberlist->currentGridRow() < 1) return;
    popcoach->popup(menberlist->viewport()->mapToGlobal(at));
}

void Tmain::popcoachClick(int slot) {
    const int row = menberlist->currentGridRow();
    if (!coachMenuAllowed_ || row < 1) return;
    const int index = std::stoi(menberlist->grid().cell(15, row));
    if (appointcoach(session_.world, session_.prompts, index, slot)) FormShow();
}

}  // namespace vm
