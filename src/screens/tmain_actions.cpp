// SPDX-License-Identifier: GPL-3.0-or-later
// What the main screen's buttons and menus do: the season's next step, the
// club edits and the ways out. Each hands the work to the season flow and
// shows the result.
#include <QCoreApplication>
#include <QMenu>
#include <QRadioButton>

#include <optional>
#include <string>

#include "screens/clickablelabel.h"
#include "screens/clock.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/progresscells.h"
#include "screens/screenhost.h"
#include "screens/stepfocus.h"
#include "screens/tmain.h"
#include "screens/tplayerdata.h"
#include "screens/ttactics.h"
#include "season/clubedits.h"
#include "season/newsprogramme.h"
#include "season/savescreen.h"
#include "util/errors.h"

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
    if (!session_.prompts.askYesNo(kTradeQuestion)) {
        flow_.totrade(false);
        return;
    }
    try {
        flow_.totrade(true);
    } catch (const DataError& e) {
        session_.prompts.error(e.what());
        return;
    }
    // The transfer screen opens on the first week.
    session_.host.openTrade();
    close();
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
    if (skip) session_.host.closeStats();

    Clock& clock = session_.clock;
    const Pacing pacing{[] { QCoreApplication::processEvents(); }, [&clock] { clock.sleep(1); },
                        [this](int fill) { bargrid->setFill(fill); }};
    try {
        flow_.toautomatch(skip, pacing);
    } catch (const std::exception& e) {
        // The error is shown; a match day it stopped half played cannot go
        // on, so "ＮＥＸＴ" stays away and the player is told the way out.
        std::string text = e.what();
        if (flow_.failed()) text = text + "\n\n" + kMatchDayFailedText;
        session_.prompts.error(text);
    }
    bargrid->hide();
    if (flow_.failed()) return;
    watchPanel->show();
    Pnext->show();
    stepFocus_->settle();
}

void Tmain::tonext() {
    // A watched match day goes to the match, which opens the news when it
    // ends; a skipped one straight to the news.
    const bool opened = flow_.tonext() ? session_.host.openMatch(true) != nullptr
                                       : session_.host.openNews(kAfterMatchDay) != nullptr;
    if (opened)
        close();
    else
        flow_.handoverfailed();
}

void Tmain::PnewsClick() {
    if (session_.host.openNews(kWebsite)) close();
}

void Tmain::PtactClick() {
    // Once a match day is under way the tactics board lies over this screen,
    // which keeps the match day's state; before, it takes this screen's place.
    if (flow_.nextstep() > 1) {
        // A club's roster shown here is drawn again in the order the board left.
        if (Ttactics* tactics = session_.host.openTactics(this))
            connect(tactics, &Ttactics::closed, this, [this] {
                if (tables_.clubshown()) img11Click(tables_.club());
            });
        return;
    }
    if (session_.host.openTactics()) close();
}

// Saving and the export open the save screen over this one, which waits
// beneath it unchanged; once a match day is under way they are refused.
void Tmain::menusaveClick() {
    if (!flow_.cansave()) {
        session_.prompts.message(kNotNowText);
        return;
    }
    session_.host.openSave(SaveMode::save);
}

void Tmain::vssaveClick() {
    if (!flow_.cansave()) {
        session_.prompts.message(kNotNowText);
        return;
    }
    session_.host.openSave(SaveMode::vsexport);
}

void Tmain::replaysClick() {
    session_.host.openReplays();
}

void Tmain::statsClick() {
    session_.host.openStats();
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
    if (!tables_.clubshown()) return;
    if (renameclub(session_.world, session_.prompts, tables_.club())) {
        lbselectteam->setText(QString::fromStdString(session_.world.team(tables_.club()).name));
        teamofdiv();
    }
}

void Tmain::imgselectteamClick() {
    if (changeemblem(session_.world, session_.prompts, tables_.club())) FormShow();
}

void Tmain::menberlistContextMenu(const QPoint& at) {
    if (!tables_.coachesappointable()) return;
    const QModelIndex index = menberlist->indexAt(at);
    if (index.isValid()) menberlist->selectGridRow(menberlist->table().gridRow(index.row()));
    if (menberlist->currentGridRow() < 1) return;
    popcoach->popup(menberlist->viewport()->mapToGlobal(at));
}

void Tmain::menberlistDblClick(int row) {
    const std::optional<int> index = tables_.rosterindex(row);
    if (!index) return;
    if (Tplayerdata* card = session_.host.openCard(tables_.club(), *index))
        connect(card, &Tplayerdata::renamed, this, &Tmain::playerRenamed, Qt::UniqueConnection);
}

void Tmain::playerRenamed() {
    if (tables_.clubshown()) img11Click(tables_.club());
}

void Tmain::popcoachClick(int slot) {
    const std::optional<int> index = tables_.rosterindex(menberlist->currentGridRow());
    if (!tables_.coachesappointable() || !index) return;
    if (!appointcoach(session_.world, session_.prompts, *index, slot)) return;
    // He is a coach now, and the last player took his place in the roster.
    session_.host.refreshCards();
    FormShow();
}

}  // namespace vm
