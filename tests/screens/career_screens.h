// SPDX-License-Identifier: GPL-3.0-or-later
// Whole careers through the real screens: a player's way through each screen
// (the title, the club house, the tactics board, the transfer window and its
// cards, the news, a watched match, the save screen), with the world's shape
// and accounts and the windows on screen checked at every hand-over.
#pragma once

#include <QListWidget>
#include <QMenu>
#include <QRadioButton>

#include <algorithm>
#include <functional>
#include <string>

#include "league/savefiles.h"
#include "league/savegame.h"
#include "news_screen.h"
#include "save_fixture.h"
#include "screens/tacticsboardview.h"
#include "screens/tplayerdata.h"
#include "screens/tsave.h"
#include "screens/ttactics.h"
#include "screens/ttitle.h"
#include "screens/ttradetop.h"
#include "season/simplecoach.h"
#include "season/world_checks.h"
#include "transfers/ttrade.h"

namespace vm::test {

// What the player does in one transfer window.
struct WindowPlan {
    bool offer = false;   // an offer on a card for a cheap player of a computer club
    bool refuse = false;  // "移籍拒否" on the first decision card that offers it
};
struct WindowReport {
    std::string offered;  // the player offered for, and his club
    int offeredFrom = -1;
    std::string refused;  // the player whose offer was refused
    int cards = 0;        // decision cards answered
};

// The answers on the news pages that ask; by default the plain coach's.
struct NewsPlan {
    std::string replacement;  // the versus file that replaces Division 2's last club
    bool oneYouth = false;    // the first youth player promoted (else the computer rule's choice)

    static NewsPlan replacedBy(std::string file) {
        NewsPlan plan;
        plan.replacement = std::move(file);
        return plan;
    }
    static NewsPlan oneYouthPromoted() {
        NewsPlan plan;
        plan.oneYouth = true;
        return plan;
    }
};

class CareerScreens : public SaveWindowTest {
protected:
    // The world of a new program started with seed `seed` (built by the title screen).
    void useSeed(std::uint64_t seed) {
        host.reset();
        world = scratch.world(seed, false);
        host = std::make_unique<ScreenHost>(*world, prompts, clock);
    }

    template <class Screen>
    Screen* shown() const {
        for (QWidget* w : host->screens())
            if (auto* s = qobject_cast<Screen*>(w)) return s;
        ADD_FAILURE() << "no " << Screen::staticMetaObject.className() << " on screen";
        return nullptr;
    }

    // The game's windows alive now, open or hidden: every top-level widget
    // but Qt's own (the menus of a menu bar, which live with their window,
    // and the pop-up lists and tool tips Qt keeps for reuse).
    static QList<QWidget*> gameWindows() {
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu*>(w)) continue;
            const Qt::WindowType type = w->windowType();
            if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop) continue;
            windows << w;
        }
        return windows;
    }

    // A hand-over is complete: exactly the `expected` screens are up (class
    // names without "vm::", in any order), no window of the game lingers
    // hidden, and the world keeps its shape and its accounts. `played`: the
    // match days every club has in its table, when it is known.
    void handOver(const std::string& when, QStringList expected, int played = -1) {
        settle();
        QStringList up;
        for (QWidget* w : host->screens()) up << QString(w->metaObject()->className()).remove("vm::");
        up.sort();
        expected.sort();
        EXPECT_EQ(up.join(",").toStdString(), expected.join(",").toStdString()) << when;
        const QList<QWidget*> alive = gameWindows();
        for (QWidget* w : alive)
            EXPECT_TRUE(host->screens().contains(w))
                << when << ": a " << w->metaObject()->className() << " is left behind"
                << (w->isVisible() ? "" : " hidden");
        EXPECT_EQ(alive.size(), host->screens().size()) << when;
        ++handOvers;
        checkWorld(*world, when, played);
        if (accounts) accounts->check(when);
    }

    static void click(QWidget* screen, const char* panel) {
        QTest::mouseClick(child<PanelButton>(screen, panel), Qt::LeftButton);
    }
    int round() const { return world->leagues[0] ? world->leagues[0]->round : -1; }

    // ---- the title, the tactics board and the save screen -------------------

    Tmain* newGameFromTitle() {
        Ttitle* title = host->openTitle();
        if (!title) return nullptr;
        accounts = std::make_unique<Accounts>(*world);
        handOver("the title", {"Ttitle"});
        click(title, "Pnew");
        // The new game names the clubs and makes their squads afresh.
        accounts->restart();
        handOver("a new game", {"Tmain"});
        return shown<Tmain>();
    }

    // "戦術": a reserve takes place 03, its holder goes to the bench's place
    // 13, marker 05 is dragged to `spot`, and "OK" stores it all.
    Tmain* changeFormation(Tmain* main, QPoint spot) {
        click(main, "Ptact");
        handOver("the tactics board", {"Ttactics"});
        Ttactics* tactics = shown<Ttactics>();
        if (!tactics) return nullptr;
        const std::string reserve = world->team(0).getplayer(13).name;
        const std::string third = world->team(0).getplayer(2).name;
        const Point spotBefore = world->team(0).position[4];
        chooseMember(tactics, 14);
        rightClickMarker(tactics, 3);
        chooseMember(tactics, 3);
        rightClickMarker(tactics, 13);
        QWidget* pitch = &tactics->pitch();
        const QPoint from = marker(pitch, 5)->geometry().center();
        QTest::mousePress(pitch, Qt::LeftButton, {}, from);
        QTest::mouseMove(pitch, (from + spot) / 2);
        QTest::mouseMove(pitch, spot);
        QTest::mouseRelease(pitch, Qt::LeftButton, {}, spot);
        click(tactics, "Pok");
        handOver("the formation stored", {"Tmain"});
        EXPECT_EQ(world->team(0).getplayer(2).name, reserve);
        EXPECT_EQ(world->team(0).getplayer(12).name, third);
        EXPECT_NE(world->team(0).position[4], spotBefore) << "the dragged spot is stored";
        return shown<Tmain>();
    }

    // Club 0 exported through the save screen as versus file `name`.
    void exportClub(Tmain* main, const std::string& name) {
        trigger(main, "vssave");
        handOver("the export", {"Tmain", "Tsave"});
        prompts.inputs = {name, std::string("また会いましょう")};
        click(shownSave(), "Pnewfile");
        handOver("exported", {"Tmain"});
        EXPECT_TRUE(std::filesystem::exists(vsPath(*world, name))) << name;
    }

    // The game saved through the save screen under a new name; its bytes.
    std::string saveGame(Tmain* main, const std::string& name) {
        trigger(main, "menusave");
        handOver("the save screen", {"Tmain", "Tsave"});
        prompts.inputs = {name};
        click(shownSave(), "Pnewfile");
        handOver("saved", {"Tmain"});
        const std::string saved = readBytes(savePath(*world, name));
        EXPECT_EQ(saved, saveImage(*world)) << "the file holds the game as it stands";
        return saved;
    }

    // "タイトル画面へ", then "ロード" and a double click on the saved game.
    Tmain* backToTitleAndLoad(Tmain* main, const std::string& name, const std::string& saved) {
        trigger(main, "tomenu");
        settle();
        accounts->restart();  // the title screen builds a fresh world
        handOver("back at the title", {"Ttitle"});
        EXPECT_NE(saveImage(*world), saved);
        click(shown<Ttitle>(), "Pload");
        handOver("the load screen", {"Ttitle", "Tsave"});
        auto* list = child<GridView>(shownSave(), "grid");
        doubleClick(list, rowOf(list, name));
        settle();
        accounts->restart();  // the loaded game's clubs
        handOver("loaded", {"Tmain"});
        EXPECT_EQ(saveImage(*world), saved) << "the game loads as it was saved";
        return shown<Tmain>();
    }

    // ---- the transfer window ------------------------------------------------

    WindowReport playWindow(Tmain* main, const WindowPlan& plan) {
        WindowReport report;
        prompts.yesno = {true};
        click(main, "Pnext");
        handOver("the window opens", {"Ttradetop"});
        Ttradetop* trade = shown<Ttradetop>();
        if (!trade) return report;
        auto* next = child<PanelButton>(trade, "Pnext");
        for (int week = 1; week <= kTradeWeeks; ++week) {
            const std::string when = "week " + std::to_string(week);
            if (week > 1) {
                EXPECT_EQ(next->text(), "移籍開始") << when;
                QTest::mouseClick(next, Qt::LeftButton);
            }
            EXPECT_EQ(next->text(), "オファー決定") << when;
            if (week == 1 && plan.offer) offerOnCard(trade, report);
            QTest::mouseClick(next, Qt::LeftButton);  // "オファー決定"
            QTest::mouseClick(next, Qt::LeftButton);  // "移籍可否": the decision cards
            QStringList up{"Ttradetop"};
            for (int k = 0; k < host->cards().size(); ++k) up << "Tplayerdata";
            handOver(when + ": the owners decide", up);
            answerCards(plan, report);
            handOver(when + ": every card answered", {"Ttradetop"});
            EXPECT_EQ(next->text(), "選手移籍") << when;
            QTest::mouseClick(next, Qt::LeftButton);
            handOver(when + ": settled", {"Ttradetop"});
        }
        EXPECT_EQ(next->text(), "移籍終了");
        QTest::mouseClick(next, Qt::LeftButton);
        handOver("the window closed", {"Tnews"});
        return report;
    }

    // An offer made on the card of the cheapest player of a computer club
    // on the market: an owner lets a player of his value go.
    void offerOnCard(Ttradetop* trade, WindowReport& report) {
        auto* lower = child<GridView>(trade, "grid1");
        const Grid& g = lower->grid();
        int row = -1;
        for (int r = 1; r < g.rowCount(); ++r) {
            const int owner = std::stoi(g.cell(kMarketOwner, r));
            if (owner == 0 || owner == kNoClub) continue;
            if (row < 0 || std::stoi(g.cell(kMarketValue, r)) < std::stoi(g.cell(kMarketValue, row))) row = r;
        }
        ASSERT_GT(row, 0) << "no computer club's player on the market";
        ASSERT_LE(std::stoi(g.cell(kMarketValue, row)), 150);
        report.offered = g.cell(kMarketName, row);
        report.offeredFrom = std::stoi(g.cell(kMarketOwner, row));
        const QPoint at = cellCentre(lower, row, kMarketName);
        QTest::mouseClick(lower->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(lower->viewport(), Qt::LeftButton, {}, at);
        handOver("the offer card", {"Ttradetop", "Tplayerdata"});
        ASSERT_EQ(host->cards().size(), 1);
        Tplayerdata* card = host->cards().first();
        EXPECT_EQ(child<PanelButton>(card, "Poffer")->text(), "オファーをする");
        const std::string key = card->card().key;
        click(card, "Poffer");
        handOver("the offer made", {"Ttradetop"});  // the card is gone
        EXPECT_EQ(world->trade->clubofferlist[0], std::vector<std::string>{key});
    }

    void answerCards(const WindowPlan& plan, WindowReport& report) {
        while (!host->cards().isEmpty()) {
            Tplayerdata* card = host->cards().first();
            const bool refuse = plan.refuse && report.refused.empty() && card->awaitsAnswer() &&
                                child<PanelButton>(card, "ptraden")->isVisible();
            if (refuse) report.refused = card->card().identity[kCardName];
            click(card, refuse ? "ptraden" : "ptradey");
            settle();
            ++report.cards;
        }
    }

    // ---- the news -----------------------------------------------------------

    // Every page of the programme on screen, answered as planned, up to the
    // screen that follows it.
    void readNews(const NewsPlan& plan, const std::string& when) {
        SCOPED_TRACE(when);
        Tnews* news = shown<Tnews>();
        if (!news) return;
        int handled = -99;
        while (!news->programme().finished()) {
            const int page = news->programme().newspage();
            if (page != handled) {
                handled = page;
                accounts->page(news->programme().page());
                answer(news, plan);
                if (news->programme().newspage() != handled) continue;  // the answer turned the page
            }
            QTest::mouseClick(child<QPlainTextEdit>(news, "memomes")->viewport(), Qt::LeftButton);
            if (HasFatalFailure()) return;
        }
        accounts->page(news->programme().page());
    }

    void answer(Tnews* news, const NewsPlan& plan) {
        const NewsPage& page = news->programme().page();
        GridView* table = child<GridView>(news, "grid");
        switch (page.kind) {
            case PageKind::youth: {
                auto* promote = child<PanelButton>(news, "Pyouth");
                if (plan.oneYouth) {
                    ASSERT_TRUE(page.tableVisible) << "no youth player to promote";
                    promoted = page.table.cell(0, 1);
                    pressRow(table, 1);
                    QTest::mouseClick(promote, Qt::LeftButton);
                    break;
                }
                SimpleCoach coach;
                while (news->programme().page().kind == PageKind::youth &&
                       news->programme().page().tableVisible) {
                    const auto row = coach.youth(world->team(0), news->programme().page().table);
                    if (!row) break;
                    pressRow(table, *row);
                    QTest::mouseClick(promote, Qt::LeftButton);
                }
                break;
            }
            case PageKind::replacement: {
                if (plan.replacement.empty()) break;
                ASSERT_TRUE(page.replacementOffered) << page.message.front();
                auto* versus = child<QListWidget>(news, "ListBox1");
                const auto items =
                    versus->findItems(QString::fromStdString(plan.replacement), Qt::MatchExactly);
                ASSERT_EQ(items.size(), 1) << plan.replacement << " is not offered";
                accounts->replaced(news->programme().swapclub());
                QTest::mouseClick(versus->viewport(), Qt::LeftButton, {},
                                  versus->visualItemRect(items[0]).center());
                break;
            }
            case PageKind::doctor:
                // The dearest doctor the money reaches, chosen in the table.
                pressRow(table, SimpleCoach().doctor(world->team(0), page.table));
                break;
            default: break;
        }
    }

    // ---- match days ---------------------------------------------------------

    // "ＮＥＸＴ" twice with "試合スキップ", and the news after it.
    void skipMatchDay(const NewsPlan& plan = {}) {
        Tmain* main = shown<Tmain>();
        if (!main) return;
        const std::string when = "match day " + std::to_string(round() + 1);
        child<QRadioButton>(main, "rbskip")->setChecked(true);
        click(main, "Pnext");
        click(main, "Pnext");
        handOver(when + " played", {"Tnews"}, round() + 1);
        readNews(plan, when);
        afterNews(when);
    }

    // The news handed over: the main screen of the next match day or of the
    // next season.
    void afterNews(const std::string& when) { handOver(when + ": the news over", {"Tmain"}, round()); }

    // Plays match days, skipping each, until the season has ended.
    void skipToSeasonEnd(const NewsPlan& seasonEnd) {
        while (world->leagues[0] && !HasFatalFailure())
            skipMatchDay(world->leagues[0]->round == kRounds - 1 ? seasonEnd : NewsPlan{});
    }

    std::unique_ptr<Accounts> accounts;
    int handOvers = 0;
    std::string promoted;  // the youth player promoted on the youth page

private:
    static QLabel* marker(QWidget* board, int n) {
        return child<QLabel>(board, QString("Label%1").arg(n, 2, 10, QChar('0')).toUtf8().constData());
    }
    static void chooseMember(Ttactics* t, int row) {
        auto* list = child<GridView>(t, "menberlist");
        const QModelIndex index = list->table().index(list->table().modelRow(row), 1);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    static void rightClickMarker(Ttactics* t, int n) {
        QTest::mouseClick(&t->pitch(), Qt::RightButton, {}, marker(&t->pitch(), n)->geometry().center());
    }
};

}  // namespace vm::test
