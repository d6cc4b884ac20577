// SPDX-License-Identifier: GPL-3.0-or-later
// The club website from the main screen's "クラブ公式サイト": between seasons
// only the past seasons, during a season every table, ranking, the next
// opponent and our injured, the menu folded and opened, and "終了" back.
#include <gtest/gtest.h>

#include "league/runner.h"
#include "news_screen.h"
#include "screenshot.h"
#include "season/career.h"
#include "season/simplecoach.h"

namespace vm {
namespace {
using test::NewsScreen;

class Website : public NewsScreen {
protected:
    // The website opened from the main screen.
    Tnews* openWebsite() {
        Tmain* main = host->openMain();
        QTest::mouseClick(child<PanelButton>(main, "Pnews"), Qt::LeftButton);
        settle();
        return news();
    }
    static void pick(Tnews* site, int row) {
        GridView* menu = child<GridView>(site, "gridmenu");
        const QRect cell = menu->visualRect(menu->model()->index(row, 0));
        QTest::mouseClick(menu->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

TEST_F(Website, BetweenSeasonsOnlyThePastSeasonsAndTheWayBackAnswer) {
    Tnews* site = openWebsite();
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(mainScreen(), nullptr) << "the main screen is released";
    EXPECT_EQ(site->windowTitle().toStdString(), world->team(0).name + ".com");
    EXPECT_FALSE(child<QPlainTextEdit>(site, "memomes")->isVisible());
    EXPECT_FALSE(child<QLabel>(site, "caster")->isVisible());
    EXPECT_FALSE(child<QLabel>(site, "caster2")->isVisible());
    GridView* menu = child<GridView>(site, "gridmenu");
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->grid().cell(0, 0), "メニュー");
    EXPECT_EQ(menu->grid().cell(0, 10), "終了");

    for (int row = 0; row <= 8; ++row) {
        pick(site, row);
        EXPECT_EQ(title(site), "シーズンオフです") << row;
        EXPECT_FALSE(table(site)->isVisible()) << row;
    }
    EXPECT_EQ(menu->height(), Tnews::kMenuOpen) << "the menu does not fold between seasons";
    pick(site, 9);
    EXPECT_EQ(title(site), "過去の成績はありません");

    // A finished season is in the history.
    writeLines(tmp("history.txt"), {"期,Div,順位,勝,分,敗,得点,失点,差,勝点", "1,2,3,15,6,6,40,30,10,51"});
    pick(site, 9);
    EXPECT_EQ(title(site), "過去の成績");
    ASSERT_TRUE(table(site)->isVisible());
    EXPECT_EQ(table(site)->grid().rowText(1), "1,2,3,15,6,6,40,30,10,51");
    EXPECT_EQ(table(site)->geometry(), QRect(160, 39, 330, 280));

    pick(site, 10);
    settle();
    EXPECT_EQ(news(), nullptr);
    ASSERT_NE(mainScreen(), nullptr);
    EXPECT_TRUE(prompts.silent());
}

TEST_F(Website, DuringASeasonEveryPageAnswersAndTheMenuFolds) {
    season(0);
    SimpleCoach coach;
    for (int day = 0; day < 5; ++day) playday(*world, coach);
    Tteam& club = world->team(0);
    club.roster.back()->injury = 2;
    club.injured.push_back(club.playerremove(club.playerhigh()));
    const int round = world->leagues[0]->round;
    Tnews* site = openWebsite();
    ASSERT_NE(site, nullptr);
    GridView* menu = child<GridView>(site, "gridmenu");

    pick(site, 1);
    EXPECT_EQ(title(site), "DIV1順位表");
    test::screenshot(site, "news-website");
    pick(site, 5);
    EXPECT_EQ(title(site), "DIV2得点ランク");
    pick(site, 8);
    EXPECT_EQ(title(site), "怪我人情報");
    EXPECT_EQ(table(site)->grid().cell(11, 0), "状態");
    const Grid& injured = table(site)->grid();
    ASSERT_EQ(injured.rowCount(), static_cast<int>(club.injured.size()) + 1);
    EXPECT_EQ(injured.cell(0, injured.rowCount() - 1), club.injured.back()->name);
    EXPECT_EQ(injured.cell(11, injured.rowCount() - 1), "あと2節");

    pick(site, 7);
    EXPECT_EQ(title(site), world->team(useropponent(*world, 2)).name + "の予想戦術");
    EXPECT_TRUE(child<QLabel>(site, "Label10")->isVisible());
    pick(site, 0);
    EXPECT_EQ(menu->height(), Tnews::kMenuClosed);
    EXPECT_TRUE(child<QLabel>(site, "Label10")->isVisible()) << "folding keeps the page";
    pick(site, 0);
    EXPECT_EQ(menu->height(), Tnews::kMenuOpen);

    EXPECT_EQ(world->leagues[0]->round, round) << "the website moves no calendar";
    pick(site, 10);
    settle();
    ASSERT_NE(mainScreen(), nullptr);
}

}  // namespace
}  // namespace vm
