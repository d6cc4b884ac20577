// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen: the club house the player comes back to between all other
// screens. It shows the twenty clubs by division, a club's roster and
// coaches or the division's table and fixtures, and holds "ＮＥＸＴ", the
// button that moves the season on one step at a time. Around it: renaming
// clubs, emblems, coach appointments, the menus.
#pragma once

#include <QMainWindow>

#include <array>

#include "screens/session.h"
#include "season/maintables.h"
#include "season/matchdayflow.h"

class QAction;
class QLabel;
class QMenu;
class QRadioButton;

namespace vm {

class ClickableLabel;
struct CellPaint;
class GridView;
class PanelButton;
class ProgressCells;
class StepFocus;

class Tmain : public QMainWindow {
    Q_OBJECT
public:
    // The version text of the "バージョン" menu.
    static constexpr const char* kVersionText = "Vellmora2  ver 30";

    explicit Tmain(const Session& session);

    const MatchDayFlow& flow() const { return flow_; }
    int shownclub() const { return tables_.club(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildClubPanel(QWidget* board);
    void buildClubView(QWidget* board);
    void buildControls(QWidget* board);
    void buildMenus();

    // Refreshes everything from the world, as on every opening.
    void FormShow();
    // The twenty emblems by division, each division's clubs in index order.
    void teamofdiv();
    // Shows club `club`: its roster and coaches.
    void img11Click(int club);
    // "順位・日程": the user's division's table and fixtures.
    void PleagueClick();
    void PtactClick();
    void PnextClick();
    void totrade();
    void toautomatch();
    void tonext();
    // "クラブ公式サイト": the news screen as the club website.
    void PnewsClick();

    void menusaveClick();
    void vssaveClick();
    void replaysClick();
    void statsClick();
    void tomenuClick();
    void gamecloseClick();
    void versionClick();
    void lbselectteamClick();
    void imgselectteamClick();
    void popcoachClick(int slot);
    void menberlistContextMenu(const QPoint& at);
    void menberlistHeadingPressed(int column);
    // A double click on a player of the shown club opens his card.
    void menberlistDblClick(int row);
    void playerRenamed();
    void drawMemberCell(CellPaint& cell) const;
    void drawCoachCell(CellPaint& cell) const;

    Session session_;
    MatchDayFlow flow_;
    MainTables tables_;

    std::array<ClickableLabel*, 20> clubImages_{};  // img10..img19, img20..img29
    std::array<int, 20> clubOfImage_{};
    QLabel* lbselect;
    ClickableLabel* lbselectteam;
    ClickableLabel* imgselectteam;
    QLabel* lbmoney;
    GridView* menberlist;
    GridView* coachlist;
    ProgressCells* bargrid;
    QWidget* watchPanel;
    QRadioButton* rbwatch;
    QRadioButton* rbskip;
    PanelButton* Pnews;
    PanelButton* Ptact;
    PanelButton* Pleague;
    PanelButton* Pnext;
    QMenu* popcoach;
    StepFocus* stepFocus_;
};

}  // namespace vm
