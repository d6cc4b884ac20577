// SPDX-License-Identifier: GPL-3.0-or-later
// The player card as a player sees it: opened by a double click on the main
// screen's member list, its tables, bars, circle and feet, the free agent's
// card, renaming between seasons, Esc, and a card that stays with its player
// while his club's roster changes order under it.
#include "screens/tplayerdata.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "league/newgame.h"
#include "league/window.h"
#include "screen_fixture.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/tmain.h"
#include "screens/ttactics.h"
#include "screenshot.h"
#include "season/names.h"
#include "season/playerrename.h"
#include "season/tacticsboard.h"
#include "transfers/ttrade.h"
#include "util/arith.h"

namespace vm {
namespace {

class PlayerCardScreen : public test::ScreenTest {
protected:
    Tmain* newGame() {
        world->startup();
        newgame(*world);
        return host->openMain();
    }
    // A double click on the member list's row of roster player `index`.
    Tplayerdata* cardFromMainScreen(Tmain* main, int index) {
        auto* members = child<GridView>(main, "menberlist");
        int row = 1;
        while (row < members->grid().rowCount() && std::stoi(members->grid().cell(15, row)) != index) ++row;
        EXPECT_LT(row, members->grid().rowCount());
        const QModelIndex cell = members->table().index(members->table().modelRow(row), 0);
        members->scrollTo(cell);
        const QPoint at = members->visualRect(cell).center();
        QTest::mouseClick(members->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(members->viewport(), Qt::LeftButton, {}, at);
        return host->cards().isEmpty() ? nullptr : host->cards().last();
    }
    // "戦術" pressed on the main screen between seasons: the tactics screen
    // takes its place.
    Ttactics* pressTactics(Tmain* main) {
        QTest::mouseClick(child<PanelButton>(main, "Ptact"), Qt::LeftButton);
        settle();
        for (QWidget* w : host->screens())
            if (auto* t = qobject_cast<Ttactics*>(w)) return t;
        ADD_FAILURE() << "no tactics screen opened";
        return nullptr;
    }
    // A double click on the tactics member list's row of `player`: the card
    // that is then in front.
    Tplayerdata* cardFromTactics(Ttactics* tactics, const Tplayer& player) {
        auto* list = child<GridView>(tactics, "menberlist");
        int row = 1;
        while (row < list->grid().rowCount() && list->grid().objectAs<Tplayer>(row) != &player) ++row;
        EXPECT_LT(row, list->grid().rowCount()) << player.name << " is not listed";
        const QModelIndex cell = list->table().index(list->table().modelRow(row), 1);
        list->scrollTo(cell);
        const QPoint at = list->visualRect(cell).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        return host->cards().isEmpty() ? nullptr : host->cards().last();
    }
    int rosterIndexOf(const Tplayer& player) const {
        const PlayerList& roster = world->team(0).roster;
        for (std::size_t i = 0; i < roster.size(); ++i)
            if (roster[i].get() == &player) return static_cast<int>(i);
        return -1;
    }
    static void clickName(Tplayerdata* card) {
        QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(300, 100));
    }
    static QString identity(Tplayerdata* card, int row) {
        return QString::fromStdString(child<GridView>(card, "grid2")->grid().cell(1, row));
    }
    static QColor pixel(QWidget* w, QPoint at) { return w->grab().toImage().pixelColor(at); }
};

TEST_F(PlayerCardScreen, ADoubleClickOnTheMainScreenShowsThePlayersCard) {
    Tmain* main = newGame();
    Tplayer& p = world->team(0).getplayer(2);
    p.ability = {31, 42, 53, 64, 75, 86, 17};
    p.lastability = {30, 45, 53, 60, 70, 80, 10};
    p.leg = -1;
    p.career = "/1*0*ﾕｰｽ*0*0*0/2*0**27*3*5/3*7*340*25*6*4";
    QTest::mouseClick(child<QWidget>(main, "img20"), Qt::LeftButton);  // the tables show the change

    Tplayerdata* card = cardFromMainScreen(main, 2);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->size(), QSize(680, 510));
    EXPECT_TRUE(card->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(identity(card, kCardTeam).toStdString(), world->team(0).name);
    EXPECT_EQ(identity(card, kCardName).toStdString(), p.name);
    EXPECT_EQ(identity(card, kCardPlace), "03");
    EXPECT_FALSE(child<PanelButton>(card, "Poffer")->isVisible());
    auto* career = child<GridView>(card, "grid3");
    EXPECT_TRUE(career->isVisible());
    ASSERT_EQ(career->grid().rowCount(), 4);
    EXPECT_EQ(career->grid().cell(0, 1), "3") << "the latest year first";
    EXPECT_EQ(career->grid().cell(1, 1), world->team(7).name);
    test::screenshot(card, "card-player");

    // Red bars as long as the values, last season's as a blue strip along their foot.
    auto* bars = child<GridView>(card, "grid");
    const QImage shot = bars->viewport()->grab().toImage();
    auto at = [&](int row, int bar, int dy) {
        const QRect cell = bars->visualRect(bars->table().index(row, bar + 1));
        return shot.pixelColor(cell.left(), cell.top() + dy);
    };
    const QColor red(255, 0, 0), blue(0, 0, 255), white(Qt::white);
    EXPECT_EQ(at(0, 31, 5), red);    // Speed 31: the 31st cell
    EXPECT_EQ(at(0, 32, 5), white);  // and no further
    EXPECT_EQ(at(0, 30, 15), blue);  // last season 30
    EXPECT_EQ(at(0, 31, 15), red);   // the growth since shows red
    EXPECT_EQ(at(1, 44, 15), blue);  // Strength fell from 45 to 42: the strip runs on
    EXPECT_EQ(at(1, 44, 5), white);

    // The circle in the condition's colour, the right foot in red.
    EXPECT_EQ(pixel(card, {100, 70}), p.condition() > 0   ? QColor(255, 0, 255)
                                      : p.condition() < 0 ? QColor(0, 128, 128)
                                                          : QColor(255, 251, 240));
    EXPECT_EQ(pixel(card, {40, 165}), red);
    EXPECT_EQ(pixel(card, {160, 240}), QColor(128, 128, 128));
    EXPECT_EQ(pixel(card, {175, 150}), white) << "the white bar";

    // Esc closes a card that has "閉じる".
    QTest::keyClick(card, Qt::Key_Escape);
    settle();
    EXPECT_TRUE(host->cards().isEmpty());
}

TEST_F(PlayerCardScreen, ALongCareerScrollsToItsFirstSeasonWithEveryColumnBesideTheScrollBar) {
    Tmain* main = newGame();
    Tplayer& p = world->team(0).getplayer(4);
    for (int year = 1; year <= 12; ++year) p.career += "/" + std::to_string(year) + "*3*120*27*3*5";
    Tplayerdata* card = cardFromMainScreen(main, 4);
    ASSERT_NE(card, nullptr);
    auto* career = child<GridView>(card, "grid3");  // no column cut, the scroll bar shown
    ASSERT_TRUE(career->verticalScrollBar()->isVisible());
    test::screenshot(card, "card-long-career");
    const QPointF at = career->viewport()->rect().center();
    QWheelEvent wheel(at, career->viewport()->mapToGlobal(at), {}, {0, -360}, {}, {}, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(career->viewport(), &wheel);
    const QRect first = career->visualRect(career->table().index(career->table().rowCount() - 1, 0));
    EXPECT_TRUE(career->viewport()->rect().contains(first)) << "the first season is out of reach";
}

TEST_F(PlayerCardScreen, TheBenchAndThePlayersOutOfTheSquadAreNamed) {
    Tmain* main = newGame();
    ASSERT_GT(world->team(0).roster.size(), 13u);
    Tplayerdata* bench = cardFromMainScreen(main, 11);
    ASSERT_NE(bench, nullptr);
    EXPECT_EQ(identity(bench, kCardPlace), "ベンチ");
    Tplayerdata* out = cardFromMainScreen(main, 13);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(identity(out, kCardPlace), "ベンチ外");
    EXPECT_FALSE(child<GridView>(out, "grid3")->isVisible()) << "a new player has no career";
    EXPECT_EQ(host->cards().size(), 2) << "cards stand side by side";
    cardFromMainScreen(main, 11);
    EXPECT_EQ(host->cards().size(), 2) << "one card per player";
    EXPECT_NE(bench->pos(), out->pos());
}

TEST_F(PlayerCardScreen, AFreeAgentsCardShowsNoClubAndTheNoClubMark) {
    world->startup();
    newgame(*world);
    tradeopen(*world);
    world->trade->freeagent(4).career = "/1*3*120*10*2*1";
    Tplayerdata* card = host->openCard(99, 4);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(identity(card, kCardTeam), "無所属");
    EXPECT_EQ(identity(card, kCardPlace), "");
    auto* career = child<GridView>(card, "grid3");
    EXPECT_TRUE(career->isVisible());
    EXPECT_EQ(career->grid().cell(1, 1), world->team(3).name);

    // "無" on white where an emblem would be.
    const QImage mark = child<QLabel>(card, "emblem")->pixmap().toImage();
    ASSERT_EQ(mark.size(), QSize(100, 100));
    int dark = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) dark += qGray(mark.pixel(x, y)) < 100;
    EXPECT_EQ(mark.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_GT(dark, 100) << "the mark is drawn";
}

TEST_F(PlayerCardScreen, TheNameChangesByAClickBetweenSeasonsOnly) {
    Tmain* main = newGame();
    Tplayerdata* card = cardFromMainScreen(main, 5);
    ASSERT_NE(card, nullptr);
    const std::string old = world->team(0).getplayer(5).name;

    prompts.inputs = {std::string("新しい名前")};
    clickName(card);
    ASSERT_EQ(prompts.typing.size(), 1u);
    EXPECT_EQ(prompts.typing[0].caption, kRenameCaption);
    EXPECT_EQ(prompts.typing[0].initial, old);
    EXPECT_EQ(world->team(0).getplayer(5).name, "新しい名前");
    EXPECT_EQ(identity(card, kCardName), "新しい名前");
    const Grid& members = child<GridView>(main, "menberlist")->grid();
    bool listed = false;
    for (int r = 1; r < members.rowCount(); ++r) listed |= members.cell(0, r) == "新しい名前";
    EXPECT_TRUE(listed) << "the main screen shows the new name";

    prompts.inputs = {std::string("十二文字の名前はながすぎる")};
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{kNameTooLong});
    EXPECT_EQ(world->team(0).getplayer(5).name, "新しい名前");

    // Once a transfer window is open the name stays as it is.
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(300, 200));  // outside the name: nothing
    tradeopen(*world);
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(prompts.typing.size(), 2u);
}

TEST_F(PlayerCardScreen, TheMainScreensCardsCloseWhenTheTacticsScreenOpens) {
    Tmain* main = newGame();
    ASSERT_NE(cardFromMainScreen(main, 5), nullptr);

    ASSERT_NE(pressTactics(main), nullptr);

    EXPECT_TRUE(host->cards().isEmpty()) << "the card belonged to the main screen";
}

TEST_F(PlayerCardScreen, ACardStaysWithItsPlayerWhenTheCoachPicksTheLineUp) {
    Tmain* main = newGame();
    Tteam& club = world->team(0);
    ASSERT_GT(club.roster.size(), 16u);
    // A keeper out of the squad who is sure to be the coach's first choice.
    Tplayer& star = club.getplayer(16);
    star.at = 0;
    star.ability = {89, 89, 89, 89, 89, 89, 89};
    const std::string starName = star.name;
    Ttactics* tactics = pressTactics(main);
    ASSERT_NE(tactics, nullptr);
    Tplayerdata* card = cardFromTactics(tactics, star);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(identity(card, kCardPlace), "ベンチ外");

    QTest::mouseClick(child<PanelButton>(tactics, "Pcoach"), Qt::LeftButton);
    const int now = rosterIndexOf(star);
    ASSERT_GE(now, 0);
    ASSERT_LT(now, 11) << "the coach puts him in the eleven";
    Tplayer& other = club.getplayer(16);  // whoever holds his old place now
    const std::string otherName = other.name;
    EXPECT_EQ(identity(card, kCardPlace).toStdString(), pad(now + 1, 2)) << "the card shows his new place";

    prompts.inputs = {std::string("新しい名前")};
    clickName(card);
    ASSERT_EQ(prompts.typing.size(), 1u);
    EXPECT_EQ(prompts.typing[0].initial, starName) << "the card's own player is asked about";
    EXPECT_EQ(star.name, "新しい名前");
    EXPECT_EQ(other.name, otherName);
    EXPECT_EQ(identity(card, kCardName), "新しい名前");
    // The tactics screen shows the new name in its list and under his marker.
    const Grid& list = child<GridView>(tactics, "menberlist")->grid();
    int row = 1;
    while (row < list.rowCount() && list.objectAs<Tplayer>(row) != &star) ++row;
    ASSERT_LT(row, list.rowCount());
    EXPECT_EQ(list.cell(TacticsBoard::kNameCol, row), "新しい名前");
    const std::string label = "Label" + pad(now + 1, 2) + "n";
    EXPECT_EQ(child<QLabel>(tactics, label.c_str())->text(), "新しい名前");

    // The player in his old place has a card of his own.
    Tplayerdata* second = cardFromTactics(tactics, other);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, card);
    EXPECT_EQ(host->cards().size(), 2);
    EXPECT_EQ(identity(second, kCardName).toStdString(), otherName);
}

TEST_F(PlayerCardScreen, TheCardOfAPlayerMadeCoachClosesAndTheOthersFollowTheirPlayers) {
    Tmain* main = newGame();
    Tteam& club = world->team(0);
    const int lastIndex = club.playerhigh();
    ASSERT_GT(lastIndex, 14);
    club.getplayer(14).value = 3;
    Tplayer& last = club.getplayer(lastIndex);
    QPointer<Tplayerdata> veteranCard = cardFromMainScreen(main, 14);
    Tplayerdata* lastCard = cardFromMainScreen(main, lastIndex);
    ASSERT_TRUE(veteranCard);
    ASSERT_NE(lastCard, nullptr);

    // The veteran becomes coach 2 through the member list's menu; the last
    // player takes his place in the roster.
    auto* members = child<GridView>(main, "menberlist");
    int row = 1;
    while (std::stoi(members->grid().cell(15, row)) != 14) ++row;
    const QModelIndex cell = members->table().index(members->table().modelRow(row), 0);
    members->scrollTo(cell);
    emit members->customContextMenuRequested(members->visualRect(cell).center());
    prompts.okcancel = {true};
    auto* appoint = main->findChild<QAction*>("popcoach2");
    ASSERT_NE(appoint, nullptr);
    appoint->trigger();
    settle();
    ASSERT_EQ(&club.getplayer(14), &last);

    EXPECT_TRUE(veteranCard.isNull() || !veteranCard->isVisible()) << "he is a coach now";
    EXPECT_EQ(host->cards(), QList<Tplayerdata*>{lastCard});
    EXPECT_EQ(identity(lastCard, kCardPlace), "ベンチ外");
    EXPECT_EQ(cardFromMainScreen(main, 14), lastCard) << "his own card comes forward";
    EXPECT_EQ(host->cards().size(), 1);

    prompts.inputs = {std::string("新しい名前")};
    clickName(lastCard);
    EXPECT_EQ(last.name, "新しい名前");
}

}  // namespace
}  // namespace vm
