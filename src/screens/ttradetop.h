// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer screen: the transfer window seen by the user, week by week.
// One step button walks each week through the market, the offers, the
// owners' decisions and the settlement; between the steps the user browses
// and filters the players he can buy, opens their cards to make offers and
// reorders his offers. It answers the window's questions itself: an offer
// for one of the user's players opens a decision card.
#pragma once

#include <QMainWindow>

#include <array>

#include "screens/session.h"
#include "season/transferweekflow.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace vm {

struct CellPaint;
class GridView;
class PanelButton;
class StepFocus;
class Tplayerdata;

class Ttradetop : public QMainWindow, public TradeChoices {
    Q_OBJECT
public:
    // The screen of the open transfer window, before its next week. Throws
    // DataError when its picture cannot be read.
    explicit Ttradetop(const Session& session);

    const TransferWeekFlow& flow() const { return flow_; }

    // The step button; the host presses it once to open on a new week.
    void PnextClick();
    void PtactClick();

    // What the window asks: the user makes his offers on the cards at his
    // own pace, answers offers for his players on decision cards, and reads
    // the window's messages.
    void offers(Ttrade& trade, const Grid& recommended) override;
    void decide(Ttrade& trade, const OwnerDecision& decision) override;
    void inform(const std::string& text) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildHead(QWidget* board);
    void buildTables(QWidget* board);
    void buildFilter(QWidget* board);
    void buildControls(QWidget* board);
    void buildMenus();

    // The screen became active again or a card closed: the offers and the
    // raised prices are brought up to date.
    void FormActivate();
    // Everything shown, from the flow.
    void redraw();
    void fill(TradeTable t);
    void placeLower();
    GridView* view(TradeTable t) const { return grids_[static_cast<std::size_t>(t)]; }

    void Ptrade1Click(TradeTable t);
    void PfilterClick();
    void PformatClick();
    ListFilter panelFilter() const;
    void setPanel(const ListFilter& filter);
    void headingPressed(TradeTable t, int column);
    void tableDoubleClicked(TradeTable t, int row);
    void grid3MouseDown(int row, Qt::MouseButton button);
    void watchCard(Tplayerdata* card);
    void tomenuClick();
    void gamecloseClick();
    void drawCell(TradeTable t, CellPaint& cell) const;

    Session session_;
    TransferWeekFlow flow_;

    std::array<GridView*, 4> grids_{};            // grid1 .. grid4, in TradeTable order
    std::array<PanelButton*, 3> upperButtons_{};  // Ptrade1 .. Ptrade3
    QLabel* lbmoney;
    QLabel* lbrecom;
    QLabel* lballt;
    QWidget* filterPanel;
    QComboBox* Combo1;
    QComboBox* Combo2;
    std::array<QSpinBox*, 8> sta_{};
    PanelButton* Pfilter;
    PanelButton* Pformat;
    PanelButton* Ptact;
    PanelButton* Pnext;
    StepFocus* stepFocus_;
};

}  // namespace vm
