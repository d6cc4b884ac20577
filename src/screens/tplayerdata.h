// SPDX-License-Identifier: GPL-3.0-or-later
// The player card: a small black window showing one player's attributes as
// bars over last season's, his identity and his career. Opened from the
// transfer screen it carries the offer button; opened by the transfer window
// it is the decision card on which the user answers an offer for one of his
// players; between seasons a click on the name renames the player.
#pragma once

#include <QColor>
#include <QWidget>

#include <array>
#include <optional>

#include "screens/session.h"
#include "season/offeranswers.h"
#include "season/playercard.h"

class QLabel;
class QPlainTextEdit;

namespace vm {

struct CellPaint;
class GridView;
class PanelButton;

class Tplayerdata : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{680, 510};
    // Where a click renames the player: the Name row of the identity table.
    static constexpr QRect kNameArea{200, 90, 156, 21};

    // The card of roster player `index` of club `owner` (99: the window's
    // free agent). Throws std::invalid_argument when there is no such player.
    Tplayerdata(const Session& session, int owner, int index);

    const PlayerCard& card() const { return card_; }

    // Shows the offer button, captioned for making or withdrawing the offer.
    void offerready();
    // Turns the card into the answer to offer-book record `record`.
    void tradeinfo(int record);
    // True while the card is a decision card whose offer is unanswered.
    bool awaitsAnswer() const;
    // Lets the card close even unanswered: the screen it belongs to goes.
    void discard();
    // Shows the card's player again where he stands now, after his club's
    // roster changed; the card closes when he has left the club.
    void refresh();

signals:
    // The card is closing; the screen that opened it shows the world again.
    void closed();
    // The player was given a new name on this card.
    void renamed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTables();
    void buildButtons();
    // Fills the window from the card's data.
    void pload();
    void showEmblem();
    void drawBarCell(CellPaint& cell) const;

    void PcloseClick();
    void PchartClick();
    void PofferClick();
    void ptradeyClick();
    void ptradenClick();

    Session session_;
    PlayerCard card_;
    std::optional<DecisionCard> decision_;
    bool discarded_ = false;
    QColor conditionColour_;
    std::array<QColor, 2> footColours_;

    QLabel* emblem;
    GridView* grid;
    GridView* grid2;
    GridView* grid3;
    QPlainTextEdit* Memo1;
    PanelButton* Pclose;
    PanelButton* Pchart;  // his attributes season by season, in the statistics window
    PanelButton* Poffer;
    PanelButton* ptradey;
    PanelButton* ptraden;
};

}  // namespace vm
