// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer screen driven like a player would: "移籍" on the main screen
// opens it on week 1, offers are made on the players' cards, reordered with a
// right click, the owners' answers given on decision cards, three weeks
// pressed through with the step button, and the ways out.
#include "screens/ttradetop.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <filesystem>

#include "league/newgame.h"
#include "screen_fixture.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/tmain.h"
#include "screens/tnews.h"
#include "screens/tplayerdata.h"
#include "screens/ttactics.h"
#include "screens/ttitle.h"
#include "screenshot.h"
#include "season/newsprogramme.h"
#include "season/tradetables.h"
#include "support/market_setups.h"
#include "transfers/offerkey.h"
#include "transfers/ttrade.h"

namespace vm {
namespace {

class TransferScreen : public test::ScreenTest {
protected:
    // A new game on the main screen, whose "移籍" the player accepts.
    Ttradetop* acceptTheWindow() {
        world->startup();
        newgame(*world);
        Tmain* main = host->openMain();
        prompts.yesno = {true};
        QTest::mouseClick(child<PanelButton>(main, "Pnext"), Qt::LeftButton);
        settle();
        return shownScreen();
    }
    // The window opened by hand, so that a test can arrange the market first.
    void openWindowOnly() {
        world->startup();
        newgame(*world);
        tradeopen(*world);
    }
    Ttradetop* shownScreen() {
        for (QWidget* w : host->screens())
            if (auto* screen = qobject_cast<Ttradetop*>(w)) return screen;
        return nullptr;
    }

    static QRect cellRect(GridView* view, int gridRow, int col) {
        return view->visualRect(view->table().index(view->table().modelRow(gridRow), col));
    }
    static void doubleClickRow(GridView* view, int gridRow) {
        const QPoint at = cellRect(view, gridRow, 1).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    static void pressHeading(GridView* view, int col) {
        QHeaderView* heading = view->horizontalHeader();
        const int x = heading->sectionViewportPosition(col) + heading->sectionSize(col) / 2;
        QTest::mousePress(heading->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        QTest::mouseRelease(heading->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    }
    static std::string rowKey(const Grid& g, int ownercol, int row) {
        return offerkey(std::stoi(g.cell(ownercol, row)), std::stoi(g.cell(ownercol + 1, row)));
    }

    // Makes an offer on the card of the player in row `row` of the lower
    // table; returns his offer key.
    std::string offerFromRow(Ttradetop* screen, int row) {
        doubleClickRow(child<GridView>(screen, "grid1"), row);
        const QList<Tplayerdata*> cards = host->cards();
        EXPECT_EQ(cards.size(), 1);
        if (cards.size() != 1) return {};
        Tplayerdata* card = cards.first();
        auto* offer = child<PanelButton>(card, "Poffer");
        EXPECT_TRUE(offer->isVisible());
        EXPECT_EQ(offer->text(), "オファーをする");
        const std::string key = card->card().key;
        QTest::mouseClick(offer, Qt::LeftButton);
        settle();
        EXPECT_TRUE(host->cards().isEmpty()) << "the card closes with the offer";
        return key;
    }

    // Answers every open decision card with "移籍承諾".
    void acceptEveryOffer() {
        while (!host->cards().isEmpty()) {
            QTest::mouseClick(child<PanelButton>(host->cards().first(), "ptradey"), Qt::LeftButton);
            settle();
        }
    }
};

TEST_F(TransferScreen, TransferOnTheMainScreenOpensTheWindowOnItsFirstWeek) {
    Ttradetop* screen = acceptTheWindow();
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(host->screens().size(), 1) << "the main screen has closed";
    ASSERT_TRUE(world->trade);
    EXPECT_EQ(screen->windowTitle(), "移籍期間　1週");
    EXPECT_EQ(screen->centralWidget()->size(), QSize(660, 461));
    EXPECT_EQ(child<PanelButton>(screen, "Pnext")->text(), "オファー決定");
    EXPECT_EQ(child<QLabel>(screen, "lbmoney")->text(), QString("所持金：%1").arg(world->team(0).money));
    EXPECT_EQ(child<QLabel>(screen, "lballt")->text(), "獲得可能選手");
    EXPECT_FALSE(child<PanelButton>(screen, "Ptact")->isVisible()) << "no tactics once a week runs";

    // The recommendations above, the players the user can buy below.
    EXPECT_EQ(child<QLabel>(screen, "lbrecom")->text(), "おすすめ選手");
    EXPECT_FALSE(child<PanelButton>(screen, "Ptrade1")->isVisible());
    EXPECT_TRUE(child<PanelButton>(screen, "Ptrade2")->isVisible());
    EXPECT_TRUE(child<GridView>(screen, "grid2")->isVisible());
    EXPECT_FALSE(child<GridView>(screen, "grid3")->isVisible());
    auto* lower = child<GridView>(screen, "grid1");
    const Grid candidates = screen->flow().table(TradeTable::lower);
    ASSERT_GT(candidates.rowCount(), 9);
    EXPECT_EQ(lower->grid().rowCount(), candidates.rowCount());
    EXPECT_EQ(lower->geometry(), QRect(10, 225, 443, 192));
    EXPECT_EQ(lower->laidOutWidth(kMarketName), 70);
    EXPECT_EQ(lower->laidOutWidth(kMarketAt), 25);
    EXPECT_EQ(lower->laidOutWidth(kMarketSpe), 20);
    EXPECT_GE(lower->columnViewportPosition(kMarketOwner), lower->viewport()->width())
        << "the owner and index columns lie beyond the visible width";

    // The other upper tables.
    QTest::mouseClick(child<PanelButton>(screen, "Ptrade3"), Qt::LeftButton);
    EXPECT_EQ(child<QLabel>(screen, "lbrecom")->text(), "自チーム選手");
    EXPECT_TRUE(child<GridView>(screen, "grid4")->isVisible());
    EXPECT_FALSE(child<GridView>(screen, "grid2")->isVisible());
    EXPECT_FALSE(child<PanelButton>(screen, "Ptrade3")->isVisible());
    EXPECT_EQ(child<GridView>(screen, "grid4")->grid().cell(kOwnKind, 1), "トップ");
    QTest::mouseClick(child<PanelButton>(screen, "Ptrade1"), Qt::LeftButton);
    test::screenshot(screen, "trade-step1");
}

TEST_F(TransferScreen, ThreeWeeksPressedThroughWithAnOfferMadeOnACard) {
    Ttradetop* screen = acceptTheWindow();
    ASSERT_NE(screen, nullptr);
    auto* next = child<PanelButton>(screen, "Pnext");
    auto* lower = child<GridView>(screen, "grid1");
    const std::string ours = world->team(0).name;

    const std::string key = offerFromRow(screen, 1);
    EXPECT_EQ(world->trade->clubofferlist[0], std::vector<std::string>{key});
    EXPECT_EQ(rowKey(child<GridView>(screen, "grid3")->grid(), kOfferOwner, 1), key);

    for (int week = 1; week <= 3; ++week) {
        const QString title = QString("移籍期間　%1週").arg(week);
        if (week > 1) {
            EXPECT_EQ(next->text(), "移籍開始");
            EXPECT_TRUE(child<PanelButton>(screen, "Ptact")->isVisible());
            QTest::mouseClick(next, Qt::LeftButton);
        }
        EXPECT_EQ(screen->windowTitle(), title);
        EXPECT_TRUE(child<QWidget>(screen, "filterPanel")->isVisible());

        if (week == 1) {
            doubleClickRow(lower, 2);  // a card left open
            EXPECT_EQ(host->cards().size(), 1);
        }
        QTest::mouseClick(next, Qt::LeftButton);  // "オファー決定"
        settle();
        EXPECT_TRUE(host->cards().isEmpty()) << "the offers are decided: their cards close";
        EXPECT_EQ(next->text(), "移籍可否");
        EXPECT_FALSE(child<QWidget>(screen, "filterPanel")->isVisible());
        EXPECT_FALSE(child<QLabel>(screen, "lbrecom")->isVisible());
        EXPECT_EQ(lower->y(), 100);
        EXPECT_EQ(lower->height(), 300);
        if (week == 1) {
            // The week's offers: ours among them.
            bool listed = false;
            for (int r = 1; r < lower->grid().rowCount(); ++r)
                listed |= lower->grid().cell(4, r) == ours && lower->grid().cell(3, r) == "←1";
            EXPECT_TRUE(listed);
        }

        QTest::mouseClick(next, Qt::LeftButton);  // "移籍可否"
        EXPECT_EQ(next->text(), "選手移籍");
        acceptEveryOffer();
        ASSERT_TRUE(next->isEnabled());
        QTest::mouseClick(next, Qt::LeftButton);  // "選手移籍"
        EXPECT_EQ(screen->windowTitle(), title);
    }
    EXPECT_EQ(next->text(), "移籍終了");
    EXPECT_FALSE(child<PanelButton>(screen, "Ptact")->isVisible());

    QPointer<Ttradetop> closing = screen;
    QTest::mouseClick(next, Qt::LeftButton);
    settle();
    EXPECT_TRUE(closing.isNull());
    EXPECT_FALSE(world->trade);
    ASSERT_EQ(host->screens().size(), 1);
    auto* news = qobject_cast<Tnews*>(host->screens().first());
    ASSERT_NE(news, nullptr) << "the news reports the window";
    EXPECT_EQ(news->programme().newspage(), kAfterTransfers);
}

TEST_F(TransferScreen, BetweenWeeksTheTacticsBoardTakesOverAndGivesTheWindowBack) {
    Ttradetop* screen = acceptTheWindow();
    ASSERT_NE(screen, nullptr);
    auto* next = child<PanelButton>(screen, "Pnext");
    QTest::mouseClick(next, Qt::LeftButton);  // "オファー決定"
    QTest::mouseClick(next, Qt::LeftButton);  // "移籍可否": every offer for our players accepted
    for (Tplayerdata* card : host->cards())
        QTest::mouseClick(child<PanelButton>(card, "ptradey"), Qt::LeftButton);
    settle();
    QTest::mouseClick(next, Qt::LeftButton);  // "選手移籍"
    settle();
    auto* tact = child<PanelButton>(screen, "Ptact");
    ASSERT_TRUE(tact->isVisible()) << "week 1 is settled";
    QTest::mouseClick(tact, Qt::LeftButton);
    settle();
    ASSERT_EQ(host->screens().size(), 1);
    auto* tactics = qobject_cast<Ttactics*>(host->screens().first());
    ASSERT_NE(tactics, nullptr);

    // A double click in its member list shows the player's card.
    auto* members = child<GridView>(tactics, "menberlist");
    emit members->cellDoubleClicked(2, 1);
    ASSERT_EQ(host->cards().size(), 1);
    EXPECT_EQ(host->cards().first()->card().owner, 0);

    QTest::mouseClick(child<PanelButton>(tactics, "Pback"), Qt::LeftButton);
    settle();
    ASSERT_EQ(host->screens().size(), 1);
    Ttradetop* back = qobject_cast<Ttradetop*>(host->screens().first());
    ASSERT_NE(back, nullptr) << "the window goes on where it was";
    EXPECT_EQ(back->flow().step(), 0);
    EXPECT_EQ(child<PanelButton>(back, "Pnext")->text(), "移籍開始");
    EXPECT_TRUE(world->trade);
}

TEST_F(TransferScreen, AFourthOfferReplacesTheThirdAndARightClickReordersThem) {
    Ttradetop* screen = acceptTheWindow();
    ASSERT_NE(screen, nullptr);
    std::vector<std::string> keys;
    for (int row = 1; row <= 4; ++row) keys.push_back(offerFromRow(screen, row));
    EXPECT_EQ(world->trade->clubofferlist[0], (std::vector<std::string>{keys[0], keys[1], keys[3]}));

    QTest::mouseClick(child<PanelButton>(screen, "Ptrade2"), Qt::LeftButton);
    EXPECT_EQ(child<QLabel>(screen, "lbrecom")->text(), "オファー表示");
    auto* offers = child<GridView>(screen, "grid3");
    ASSERT_TRUE(offers->isVisible());
    ASSERT_EQ(offers->grid().rowCount(), 4);
    EXPECT_EQ(rowKey(offers->grid(), kOfferOwner, 3), keys[3]);

    // The first offer chosen, the second right-clicked: they change places.
    QTest::mouseClick(offers->viewport(), Qt::LeftButton, {}, cellRect(offers, 1, 2).center());
    QTest::mouseClick(offers->viewport(), Qt::RightButton, {}, cellRect(offers, 2, 2).center());
    EXPECT_EQ(world->trade->clubofferlist[0], (std::vector<std::string>{keys[1], keys[0], keys[3]}));
    EXPECT_EQ(rowKey(offers->grid(), kOfferOwner, 1), keys[1]);
    EXPECT_EQ(offers->grid().cell(kOfferPriority, 1), "1");
    EXPECT_EQ(offers->currentGridRow(), 1);

    // The card of an offered player withdraws the offer.
    doubleClickRow(offers, 1);
    ASSERT_EQ(host->cards().size(), 1);
    auto* offer = child<PanelButton>(host->cards().first(), "Poffer");
    EXPECT_EQ(offer->text(), "オファーをやめる");
    QTest::mouseClick(offer, Qt::LeftButton);
    settle();
    EXPECT_EQ(world->trade->clubofferlist[0], (std::vector<std::string>{keys[0], keys[3]}));
    EXPECT_EQ(offers->grid().rowCount(), 3);
}

TEST_F(TransferScreen, ADecisionCardHoldsTheStepButtonAndARefusalIsMarkedInRed) {
    openWindowOnly();
    test::club4WantsOurKeeper(*world);
    Ttradetop* screen = host->openTrade();
    ASSERT_NE(screen, nullptr);
    auto* next = child<PanelButton>(screen, "Pnext");
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    ASSERT_EQ(screen->flow().step(), 3);

    Tplayerdata* keeperCard = nullptr;
    for (Tplayerdata* card : host->cards())
        if (card->card().owner == 0 && card->card().index == 0) keeperCard = card;
    ASSERT_NE(keeperCard, nullptr) << "club 4's offer for our keeper waits for an answer";
    EXPECT_FALSE(child<PanelButton>(keeperCard, "Pclose")->isVisible());
    EXPECT_TRUE(child<PanelButton>(keeperCard, "ptraden")->isVisible());
    const QString memo = child<QPlainTextEdit>(keeperCard, "Memo1")->toPlainText();
    EXPECT_EQ(memo, QString("この選手にオファーが来ました。\nどうしますか？\n現在の所持金は%1です")
                        .arg(world->team(0).money));
    test::screenshot(keeperCard, "card-decision");

    // Neither the button, nor Enter, nor Esc on the card gets past an open card.
    EXPECT_FALSE(next->isEnabled());
    screen->activateWindow();
    QApplication::setActiveWindow(screen);
    QTest::keyClick(screen, Qt::Key_Return);
    QTest::keyClick(keeperCard, Qt::Key_Escape);
    EXPECT_EQ(screen->flow().step(), 3);
    EXPECT_TRUE(keeperCard->isVisible());

    QTest::mouseClick(child<PanelButton>(keeperCard, "ptraden"), Qt::LeftButton);
    settle();
    auto* lower = child<GridView>(screen, "grid1");
    int row = 1;
    while (row < lower->grid().rowCount() && rowKey(lower->grid(), kBookOwner, row) != "00,000") ++row;
    ASSERT_LT(row, lower->grid().rowCount());
    EXPECT_EQ(lower->grid().cell(kBookValue, row), "*100") << "twice the shown value";
    const QImage shot = lower->viewport()->grab().toImage();
    const QRect cell = cellRect(lower, row, kBookValue);
    int red = 0;
    for (int x = cell.left(); x <= cell.right(); ++x)
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            const QColor c = shot.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
    EXPECT_GT(red, 5) << "the raised price is drawn in red";
    EXPECT_EQ(next->isEnabled(), host->cards().isEmpty()) << "still waiting while another card is open";

    acceptEveryOffer();
    EXPECT_TRUE(next->isEnabled());
    test::screenshot(screen, "trade-step3");
    QApplication::setActiveWindow(screen);
    QTest::keyClick(screen, Qt::Key_Return);
    EXPECT_EQ(screen->flow().step(), 0) << "Enter settles the week";
    EXPECT_EQ(world->trade->week, 2);
}

TEST_F(TransferScreen, TheFilterPanelNarrowsTheListAndInitialisesIt) {
    Ttradetop* screen = acceptTheWindow();
    ASSERT_NE(screen, nullptr);
    auto* age = child<QSpinBox>(screen, "sta0");
    auto* shoot = child<QSpinBox>(screen, "sta4");
    EXPECT_EQ(age->minimum(), 18);
    EXPECT_EQ(age->maximum(), 39);
    EXPECT_EQ(age->singleStep(), 3);
    EXPECT_EQ(age->value(), 39);
    EXPECT_EQ(shoot->maximum(), 85);
    EXPECT_EQ(shoot->singleStep(), 5);
    EXPECT_TRUE(shoot->findChild<QLineEdit*>()->isReadOnly()) << "arrows only";
    EXPECT_EQ(child<QLabel>(screen, "lbup0")->text(), "↓");
    EXPECT_EQ(child<QLabel>(screen, "lbup4")->text(), "↑");

    auto* lower = child<GridView>(screen, "grid1");
    const Grid whole = lower->grid();
    child<QComboBox>(screen, "Combo1")->setCurrentText("GK");
    for (int i = 0; i < 4; ++i) QTest::keyClick(shoot, Qt::Key_Up);
    ASSERT_EQ(shoot->value(), 20);
    QTest::mouseClick(child<PanelButton>(screen, "Pfilter"), Qt::LeftButton);
    const Grid& narrowed = lower->grid();
    ASSERT_LT(narrowed.rowCount(), whole.rowCount());
    for (int r = 1; r < narrowed.rowCount(); ++r) {
        EXPECT_EQ(narrowed.cell(kMarketAt, r), "GK");
        EXPECT_GE(std::stoi(narrowed.cell(kMarketSpe + 3, r)), 20);
    }
    EXPECT_EQ(lower->width(), narrowed.rowCount() > 9 ? 443 : 433);

    QTest::mouseClick(child<PanelButton>(screen, "Pformat"), Qt::LeftButton);
    EXPECT_EQ(lower->grid().rowCount(), whole.rowCount());
    EXPECT_EQ(child<QComboBox>(screen, "Combo1")->currentText(), "ALL");
    EXPECT_EQ(shoot->value(), 0);

    // A heading sorts while the offers are open, the most valuable first.
    pressHeading(lower, kMarketValue);
    for (int r = 2; r < lower->grid().rowCount(); ++r)
        EXPECT_GE(std::stoi(lower->grid().cell(kMarketValue, r - 1)),
                  std::stoi(lower->grid().cell(kMarketValue, r)));
}

TEST_F(TransferScreen, TheTitleFromTheMenuEndsTheWindowAndItsCards) {
    Ttradetop* screen = acceptTheWindow();
    ASSERT_NE(screen, nullptr);
    doubleClickRow(child<GridView>(screen, "grid1"), 2);
    ASSERT_EQ(host->cards().size(), 1);
    QAction* tomenu = screen->findChild<QAction*>("tomenu");
    ASSERT_NE(tomenu, nullptr);
    tomenu->trigger();
    settle();
    EXPECT_TRUE(host->cards().isEmpty());
    ASSERT_EQ(host->screens().size(), 1);
    EXPECT_NE(qobject_cast<Ttitle*>(host->screens().first()), nullptr);
    EXPECT_FALSE(world->trade) << "the title screen's fresh world has no window";
}

TEST_F(TransferScreen, WithoutItsPictureTheWindowGoesBackToTheTitle) {
    std::filesystem::remove(scratch.path("data/skin/trade.jpg"));
    EXPECT_EQ(acceptTheWindow(), nullptr);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("trade.jpg"), std::string::npos) << prompts.errors[0];
    ASSERT_EQ(host->screens().size(), 1);
    EXPECT_NE(qobject_cast<Ttitle*>(host->screens().first()), nullptr);
}

}  // namespace
}  // namespace vm
