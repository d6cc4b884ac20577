// SPDX-License-Identifier: GPL-3.0-or-later
// What the transfer screen's controls do: the step button, the upper-table
// buttons, heading sorts, player cards and the reordering of offers, the
// window's questions, and the ways out.
#include <stdexcept>

#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/screenhost.h"
#include "screens/tplayerdata.h"
#include "screens/ttradetop.h"
#include "season/newsprogramme.h"
#include "util/errors.h"

namespace vm {

void Ttradetop::PnextClick() {
    if (!flow_.canStep()) return;
    // Cards of the step that ends would act on a market that is gone.
    session_.host.closeCards();
    Pnext->hide();
    try {
        if (flow_.click(*this) == TransferWeekFlow::offering) setPanel(ListFilter{});
    } catch (const TradeStateError& e) {
        session_.prompts.message(e.what());
    } catch (const std::runtime_error& e) {
        session_.prompts.error(e.what());
    }
    if (flow_.closed()) {
        // The news reports the window's transfers and starts the new season.
        if (session_.host.openNews(kAfterTransfers)) close();
        return;
    }
    redraw();
}

// Between weeks the tactics board takes this screen's place; it opens the
// transfer screen again, at this step, when it closes.
void Ttradetop::PtactClick() {
    if (!flow_.tacticsAvailable()) return;
    if (session_.host.openTactics()) close();
}

void Ttradetop::offers(Ttrade&, const Grid&) {
    // Offers are made on the players' cards while the week's market is open.
}

void Ttradetop::decide(Ttrade&, const OwnerDecision& decision) {
    if (Tplayerdata* card = session_.host.openCard(0, decision.index)) {
        card->tradeinfo(decision.record);
        watchCard(card);
    }
}

void Ttradetop::inform(const std::string& text) {
    session_.prompts.message(text);
}

void Ttradetop::watchCard(Tplayerdata* card) {
    connect(card, &Tplayerdata::closed, this, &Ttradetop::FormActivate, Qt::UniqueConnection);
}

void Ttradetop::Ptrade1Click(TradeTable t) {
    flow_.showUpper(t);
    redraw();
}

void Ttradetop::headingPressed(TradeTable t, int column) {
    if (flow_.sortBy(t, column)) fill(t);
}

void Ttradetop::tableDoubleClicked(TradeTable t, int row) {
    const auto who = flow_.cardFor(t, row);
    if (!who) return;
    if (Tplayerdata* card = session_.host.openCard(who->owner, who->index)) {
        card->offerready();
        watchCard(card);
    }
}

void Ttradetop::grid3MouseDown(int row, Qt::MouseButton button) {
    if (button != Qt::RightButton) return;
    GridView* offers = view(TradeTable::offers);
    const int selected = offers->currentGridRow();
    if (!flow_.swapOffers(selected, row)) return;
    fill(TradeTable::offers);
    offers->selectGridRow(selected);
}

void Ttradetop::tomenuClick() {
    // The title screen builds a new world: this game and its window are gone.
    if (session_.host.openTitle()) close();
}

void Ttradetop::gamecloseClick() {
    session_.host.quit();
}

}  // namespace vm
