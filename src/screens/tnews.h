// SPDX-License-Identifier: GPL-3.0-or-later
// The news screen: the club's television programme after a match day, a
// versus match or the transfer window, page by page (a click on the message
// box turns the page), and the club website the main screen opens. It shows
// the pages the news programme makes and forwards the player's answers: the
// versus club that replaces Division 2's last, the doctor, the youth players.
#pragma once

#include <QWidget>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "screens/session.h"
#include "season/newsprogramme.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace vm {

struct CellPaint;
class GoalBox;
class GridView;
class PanelButton;

class Tnews : public QWidget {
    Q_OBJECT
public:
    // The pause on the programme's last page before the next screen opens.
    static constexpr int kEndPause = 2000;
    // The website's menu, open and folded to its first row.
    static constexpr int kMenuOpen = 290;
    static constexpr int kMenuClosed = 30;

    // Opens the programme at `start` (kAfterMatchDay, kAfterVersus,
    // kAfterTransfers) or the website (kWebsite). When a picture of the
    // screen cannot be read the player is told which one and the result is null.
    // After a watched match, `replay` is its kept record, offered by "リプレイ".
    static Tnews* open(const Session& session, int start, const std::filesystem::path& replay = {});

    const NewsProgramme& programme() const { return *news_; }

protected:
    // The programme cannot be left half way: the calendar moves on its pages.
    // During the pause at its end a close goes on to the next screen at once;
    // on the website it goes back to the main screen.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Loads the pictures and lays the screen out; throws DataError.
    Tnews(const Session& session, int start, std::filesystem::path replay);

    void buildMessage();
    void buildTable();
    void buildGoalBoxes();
    void buildShirts();
    void buildChoices();
    void buildMenu();
    void buildKeys();

    // Shows the screen at the programme's first page or the website's menu.
    void newsversion();
    // Lays out a page; `turned` when it is a new page rather than the same
    // page after an answer (the versus list is filled and a row chosen anew).
    void showPage(const NewsPage& page, bool turned);
    void placeTable(const NewsPage& page);
    void drawCell(CellPaint& cell) const;

    // A click on the message box: the next page.
    void memomesClick();
    // Space, Enter and the right arrow turn the page like a click; Space and
    // Enter press a panel or the menu the player moved the focus to.
    void keyPressed(int key);
    void gridmenuPressed(int row);
    void ListBox1Click(int row);
    void PstayClick();
    void PyouthClick();
    void PreplayClick();

    // The last page is up: the pause, then the next screen.
    void endtv();
    // Opens the next screen (the title after a versus match, else the main
    // screen) and closes the news; once only.
    void handOver();
    bool openNext();
    // After a page that could not be shown: the title screen, with the saved
    // games offered over it, in place of the programme; false when the title
    // screen could not open (the player has been told).
    bool leaveToTitle();

    Session session_;
    std::unique_ptr<NewsProgramme> news_;
    std::filesystem::path replay_;  // the watched match's kept record, if any
    bool website_ = false;
    bool pausing_ = false;
    bool handedOver_ = false;
    int conditionCol_ = -1;
    bool leaders_ = false;
    int menuRow_ = -1;  // the website's entry whose page is shown

    QLabel* lb;
    QPlainTextEdit* memomes;
    QLabel* caster;
    QLabel* caster2;
    GridView* grid;
    std::array<GoalBox*, 2 * kPairings> goalBoxes_{};  // fixture m, side s at 2m + s
    QWidget* pitch;
    std::array<QLabel*, 11> shirts_{};
    QListWidget* ListBox1;
    PanelButton* Pstay;
    PanelButton* Pyouth;
    PanelButton* Preplay;
    GridView* gridmenu;
};

}  // namespace vm
