// SPDX-License-Identifier: GPL-3.0-or-later
// The news programme on screen, clicked through like a player would: an
// ordinary match day from the main screen and back, the last match day with
// its tables, rankings, the replacement and the doctor, the programme after
// the transfer window with the youth players, a page that fails and the way
// out of it, the keys and the pause at the end.
#include <QRadioButton>

#include <gtest/gtest.h>

#include "league/runner.h"
#include "league/savefiles.h"
#include "league/savegame.h"
#include "league/versus.h"
#include "news_screen.h"
#include "screens/tsave.h"
#include "screens/ttitle.h"
#include "screenshot.h"
#include "season/matchdayflow.h"

namespace vm {
namespace {
using test::NewsScreen;
using test::pressRow;

TEST_F(NewsScreen, AnOrdinaryMatchDayShowsFourPagesAndGoesBackToTheMainScreen) {
    season(3);
    Tmain* main = host->openMain();
    EXPECT_TRUE(child<QRadioButton>(main, "rbwatch")->isChecked()) << "watching is the default";
    skipToNews(main);
    Tnews* screen = news();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(mainScreen(), nullptr) << "the main screen is released";
    EXPECT_EQ(screen->size(), QSize(640, 480));
    EXPECT_EQ(screen->windowTitle().toStdString(), world->team(0).name + "TV");
    EXPECT_EQ(message(screen).first().toStdString(), world->team(0).name + "TVの時間になりました");
    EXPECT_TRUE(child<QLabel>(screen, "caster2")->isVisible());
    EXPECT_FALSE(child<QLabel>(screen, "caster")->isVisible());
    EXPECT_EQ(child<QPlainTextEdit>(screen, "memomes")->geometry(), QRect(0, 360, 640, 120));

    std::vector<std::string> titles;
    for (int page = 0; page < 4; ++page) {
        turn(screen);
        titles.push_back(title(screen));
        if (page == 0) {
            EXPECT_TRUE(child<QLabel>(screen, "caster")->isVisible());
            EXPECT_FALSE(child<QLabel>(screen, "caster2")->isVisible());
            EXPECT_EQ(child<QPlainTextEdit>(screen, "memomes")->geometry(), QRect(160, 360, 480, 120));
        }
    }
    const Tteam& opponent = world->team(useropponent(*world, 2));
    EXPECT_EQ(titles, (std::vector<std::string>{"DIV1の第4節の結果", "DIV2の第4節の結果",
                                                opponent.name + "の予想戦術", titles[3]}));
    EXPECT_TRUE(titles[3] == "怪我人情報" || titles[3] == "怪我人はいません") << titles[3];
    EXPECT_EQ(world->leagues[0]->round, 4);

    const qint64 before = clock.ms;
    turn(screen);
    EXPECT_EQ(title(screen), "");
    EXPECT_EQ(message(screen), (QStringList{"本日の番組はここまで", "また次回お会いしましょう"}));
    EXPECT_FALSE(table(screen)->isVisible());
    EXPECT_TRUE(child<QLabel>(screen, "caster2")->isVisible());
    EXPECT_EQ(mainScreen(), nullptr) << "the end page stays up for the pause";
    settle();
    EXPECT_GE(clock.ms - before, Tnews::kEndPause);
    EXPECT_EQ(news(), nullptr);
    Tmain* back = mainScreen();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(child<QLabel>(back, "lbselectteam")->text(), "5節");
    EXPECT_FALSE(std::filesystem::exists(tmp("200"))) << "the match day's files are cleaned up";
}

TEST_F(NewsScreen, TheGoalBoxesHoldEachSidesGoalLinesAndTheScoreAgrees) {
    season(6);
    Tmain* main = host->openMain();
    skipToNews(main);
    Tnews* screen = news();
    ASSERT_NE(screen, nullptr);
    for (int d = 1; d <= 2; ++d) {
        turn(screen);
        ASSERT_EQ(title(screen), "DIV" + std::to_string(d) + "の第7節の結果");
        const Grid& shown = table(screen)->grid();
        for (int m = 0; m < kPairings; ++m) {
            std::array<int, 2> goals{};
            for (int s = 0; s < 2; ++s) {
                QPlainTextEdit* box = goalBox(screen, m, s);
                ASSERT_TRUE(box->isVisible());
                const auto file = readLines(tmp(std::to_string(d) + std::to_string(m) + std::to_string(s)));
                QStringList expected;
                for (const auto& line : file) expected << QString::fromStdString(line);
                const QString text = box->toPlainText();
                EXPECT_EQ(text.isEmpty() ? QStringList{} : text.split('\n'), expected) << d << m << s;
                goals[s] = static_cast<int>(file.size());
                EXPECT_EQ(box->geometry(), QRect(s == 0 ? 0 : 440, 60 + 51 * m, 200, 50));
            }
            EXPECT_EQ(shown.cell(2, m + 1), std::to_string(goals[0]) + " - " + std::to_string(goals[1]));
            // The fixture's row stands beside its goal boxes.
            const QRect row = table(screen)->visualRect(table(screen)->model()->index(m, 2));
            EXPECT_EQ(table(screen)->viewport()->mapTo(screen, row.topLeft()).y(), 60 + 51 * m);
        }
        if (d == 2) test::screenshot(screen, "news-results");
    }
}

TEST_F(NewsScreen, TheLastMatchDayRanksPaysAndEndsTheSeasonWithTheDoctorChosenOnScreen) {
    season(kRounds - 1);
    allResults();
    standings(1, {13, 17, 10, 11, 12, 14, 15, 16, 19, 18});
    standings(2, {4, 7, 0, 1, 2, 3, 5, 6, 8, 9});
    world->leagues[0]->scorerlist = {"03,x,Ｃ,14", "12," + world->team(11).name + ",Ａ,11",
                                     "12," + world->team(16).name + ",Ｂ,16"};
    vssave(*world, vsPath(*world, "rival"), "よろしく");
    Tnews* screen = host->openNews(kAfterMatchDay);
    ASSERT_NE(screen, nullptr);

    std::vector<std::string> titles;
    for (int page = 1; page <= 8; ++page) {
        turn(screen);
        titles.push_back(title(screen));
        if (page == 2) {
            EXPECT_EQ(message(screen).last().toStdString(),
                      world->team(19).name + "と" + world->team(18).name + "はDIV2に降格です");
            EXPECT_EQ(table(screen)->geometry(), QRect(170, 39, 300, 240));
            EXPECT_FALSE(goalBox(screen, 0, 0)->isVisible());
            test::screenshot(screen, "news-table");
        }
        if (page == 3) {
            // The two first-ranked scorers' rank cells are yellow, the third's is not.
            const QImage shot = table(screen)->viewport()->grab().toImage();
            const auto rankCell = [&](int row) {
                const QRect cell = table(screen)->visualRect(table(screen)->model()->index(row - 1, 0));
                return shot.pixelColor(cell.left() + 3, cell.bottom() - 3);
            };
            EXPECT_EQ(rankCell(1), QColor(255, 255, 0));
            EXPECT_EQ(rankCell(2), QColor(255, 255, 0));
            EXPECT_NE(rankCell(3), QColor(255, 255, 0));
            EXPECT_TRUE(table(screen)->isColumnHidden(4)) << "the club number stays out of sight";
        }
        if (page == 6) {
            EXPECT_EQ(message(screen).last().toStdString(),
                      world->team(4).name + "と" + world->team(7).name + "はDIV1に昇格です");
        }
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"DIV1の第27節の結果", "DIV1順位表", "DIV1得点ランク",
                                                "DIV1アシストランク", "DIV2の第27節の結果", "DIV2順位表",
                                                "DIV2得点ランク", "DIV2アシストランク"}));

    // The replacement: Division 2's last club, a versus club in its place, and back.
    turn(screen);
    ASSERT_FALSE(world->leagues[0]) << "the season has ended";
    const int last = screen->programme().swapclub();
    ASSERT_EQ(last, 9);
    const std::string lastName = world->team(last).name;
    auto* versus = child<QListWidget>(screen, "ListBox1");
    ASSERT_TRUE(versus->isVisible());
    ASSERT_EQ(versus->count(), 1);
    QTest::mouseClick(versus->viewport(), Qt::LeftButton, {},
                      versus->visualItemRect(versus->item(0)).center());
    EXPECT_EQ(world->team(last).name, world->team(0).name);
    EXPECT_EQ(message(screen).at(1), "選択チーム：rival");
    EXPECT_EQ(table(screen)->grid().cell(0, 1), world->team(last).roster[0]->name);
    QTest::mouseClick(child<PanelButton>(screen, "Pstay"), Qt::LeftButton);
    EXPECT_EQ(world->team(last).name, lastName);
    EXPECT_EQ(message(screen).first().toStdString(),
              "ここで、今期div2で最下位となった" + lastName + "と他のチームの入れ替えができます");
    EXPECT_EQ(versus->currentRow(), -1) << "no versus club stays marked";
    EXPECT_TRUE(versus->selectedItems().isEmpty());
    // The same club can be chosen again.
    QTest::mouseClick(versus->viewport(), Qt::LeftButton, {},
                      versus->visualItemRect(versus->item(0)).center());
    EXPECT_EQ(world->team(last).name, world->team(0).name);
    QTest::mouseClick(child<PanelButton>(screen, "Pstay"), Qt::LeftButton);
    EXPECT_EQ(world->team(last).name, lastName);

    // The doctor: the first row stands chosen; the player picks the third.
    turn(screen);
    EXPECT_FALSE(versus->isVisible());
    ASSERT_EQ(screen->programme().page().kind, PageKind::doctor);
    GridView* doctors = table(screen);
    ASSERT_GE(doctors->grid().rowCount(), 4);
    EXPECT_EQ(doctors->currentGridRow(), 1);
    pressRow(doctors, 3, 2);
    EXPECT_EQ(doctors->currentGridRow(), 3);
    const int fee = std::stoi(doctors->grid().cell(1, 3));
    const int money = world->team(0).money;
    turn(screen);
    EXPECT_EQ(world->team(0).doctor, 2);
    EXPECT_EQ(world->team(0).money, money - fee);
    settle();
    Tmain* main = mainScreen();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(child<PanelButton>(main, "Pnext")->text(), "移籍");
    EXPECT_EQ(main->windowTitle(), "2年目");
}

TEST_F(NewsScreen, AfterTheTransferWindowPromotingEveryYouthStartsTheSeason) {
    writeLines(tmp("trade.txt"), {"移籍元,選手名,金額,→,移籍先,元No,先No", "甲,一郎,300,→1,乙,3,5",
                                  "丙,二郎,500,→2," + world->team(0).name + ",4,0"});
    Tteam& club = world->team(0);
    club.youth.clear();
    club.youthmake();
    club.youthmake();
    club.youthmake();
    const std::size_t roster = club.roster.size();
    Tnews* screen = host->openNews(kAfterTransfers);
    ASSERT_NE(screen, nullptr);

    turn(screen);
    EXPECT_EQ(table(screen)->grid().rowCount(), 3);
    EXPECT_EQ(message(screen).first(), "今日は選手の移籍・引退についてお送りします");
    turn(screen);
    ASSERT_EQ(table(screen)->grid().rowCount(), 2);
    EXPECT_EQ(table(screen)->grid().cell(1, 1), "二郎");
    turn(screen);
    auto* promote = child<PanelButton>(screen, "Pyouth");
    ASSERT_TRUE(promote->isVisible());
    ASSERT_EQ(table(screen)->grid().rowCount(), 4);

    // The second row, then whoever stands chosen, until nobody is left.
    pressRow(table(screen), 2);
    QTest::mouseClick(promote, Qt::LeftButton);
    EXPECT_EQ(table(screen)->grid().rowCount(), 3);
    EXPECT_FALSE(world->leagues[0]);
    QTest::mouseClick(promote, Qt::LeftButton);
    QTest::mouseClick(promote, Qt::LeftButton);
    EXPECT_EQ(club.roster.size(), roster + 3);
    ASSERT_TRUE(world->leagues[0]) << "the new season started without a click";
    EXPECT_EQ(world->leagues[0]->round, 0);
    EXPECT_FALSE(promote->isVisible());
    const Tteam& opponent = world->team(useropponent(*world, world->kanri.mydiv));
    EXPECT_EQ(title(screen), opponent.name + "の予想戦術");
    for (int k = 0; k < 11; ++k) {
        auto* shirt = child<QLabel>(screen, QString("Label%1").arg(k).toLatin1().constData());
        EXPECT_TRUE(shirt->isVisible());
        const Point spot = screen->programme().page().shirts[k];
        EXPECT_EQ(shirt->pos(), QPoint(spot.x, spot.y));
    }
    EXPECT_EQ(table(screen)->grid().cell(0, 11), "11");
    test::screenshot(screen, "news-opponent");

    turn(screen);
    EXPECT_FALSE(child<QLabel>(screen, "Label0")->isVisible());
    EXPECT_EQ(screen->programme().page().kind, PageKind::injuries);
    turn(screen);
    settle();
    ASSERT_NE(mainScreen(), nullptr);
    EXPECT_EQ(child<PanelButton>(mainScreen(), "Pnext")->text(), "ＮＥＸＴ");
}

TEST_F(NewsScreen, AfterAVersusMatchTheProgrammeEndsOnTheTitleScreen) {
    vsstart(*world);
    result(2, 0, 0, 2);
    result(2, 0, 1, 1);
    Tnews* screen = host->openNews(kAfterVersus);
    ASSERT_NE(screen, nullptr);
    turn(screen);
    EXPECT_EQ(message(screen).first().toStdString(),
              world->team(0).name + "対" + world->team(1).name + "の結果です");
    EXPECT_EQ(table(screen)->grid().cell(2, 1), "2 - 1");
    EXPECT_TRUE(goalBox(screen, 0, 1)->isVisible());
    EXPECT_FALSE(goalBox(screen, 1, 0)->isVisible()) << "one fixture only";
    turn(screen);
    settle();
    ASSERT_EQ(host->screens().size(), 1);
    EXPECT_NE(qobject_cast<Ttitle*>(host->screens().first()), nullptr);
}

TEST_F(NewsScreen, AMissingPictureKeepsTheMainScreenAndTheNextClickTriesAgain) {
    season(10);
    const auto picture = world->path("data/skin/caster2.bmp");
    std::filesystem::rename(picture, tmp("caster2.bmp"));
    Tmain* main = host->openMain();
    skipToNews(main);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("caster2.bmp"), std::string::npos) << prompts.errors[0];
    EXPECT_EQ(news(), nullptr);
    ASSERT_EQ(mainScreen(), main) << "the main screen stays";
    EXPECT_EQ(world->leagues[0]->round, 10);

    // The picture is back: the played match day goes on to its news.
    std::filesystem::rename(tmp("caster2.bmp"), picture);
    QTest::mouseClick(child<PanelButton>(main, "Pnext"), Qt::LeftButton);
    settle();
    ASSERT_NE(news(), nullptr);
    turn(news());
    EXPECT_EQ(title(news()), "DIV1の第11節の結果");
    EXPECT_EQ(prompts.errors.size(), 1u) << "the match day's result files were all there";
}

TEST_F(NewsScreen, APageThatFailsIsToldOnceAndTheNextClickOrCloseGoesToTheTitleToLoad) {
    season(8);
    allResults();
    save(*world, world->path("data/savedata/before.dat"));
    for (const bool byClose : {false, true}) {
        Tnews* screen = host->openNews(kAfterMatchDay);
        ASSERT_NE(screen, nullptr);
        turn(screen);
        ASSERT_EQ(title(screen), "DIV1の第9節の結果");
        // The player deleted a working file of the match day.
        std::filesystem::remove(tmp("231"));
        turn(screen);
        ASSERT_EQ(prompts.errors.size(), 1u);
        EXPECT_NE(prompts.errors[0].find("231"), std::string::npos) << prompts.errors[0];
        EXPECT_NE(prompts.errors[0].find(kNewsFailedText), std::string::npos);
        EXPECT_EQ(screen->programme().newspage(), 1);
        EXPECT_EQ(world->leagues[0]->round, 8);

        if (byClose)
            screen->close();
        else
            turn(screen);
        settle();
        EXPECT_EQ(prompts.errors.size(), 1u) << "told once";
        EXPECT_EQ(news(), nullptr);
        ASSERT_EQ(host->screens().size(), 2);
        EXPECT_NE(qobject_cast<Ttitle*>(host->screens()[0]), nullptr);
        EXPECT_NE(qobject_cast<Tsave*>(host->screens()[1]), nullptr) << "a load is offered";
        for (QWidget* w : host->screens()) w->close();
        settle();
        // The title screen built a fresh world: the same match day once more.
        prompts.errors.clear();
        newgame(*world);
        season(8);
        allResults();
    }
}

TEST_F(NewsScreen, SpaceEnterAndTheRightArrowTurnThePageWhichCannotBeLeftHalfWay) {
    season(2);
    allResults();
    Tnews* screen = host->openNews(kAfterMatchDay);
    ASSERT_NE(screen, nullptr);
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
    QTest::keyClick(screen, Qt::Key_Space);
    EXPECT_EQ(screen->programme().newspage(), 1);
    QTest::keyClick(screen, Qt::Key_Return);
    EXPECT_EQ(screen->programme().newspage(), 5);
    // The table chosen with the mouse keeps the arrows up and down; right turns the page.
    pressRow(table(screen), 2);
    QTest::keyClick(table(screen), Qt::Key_Right);
    EXPECT_EQ(screen->programme().newspage(), 9);

    // Half way the programme cannot be left: the calendar moves on its pages.
    screen->close();
    EXPECT_EQ(prompts.messages, std::vector<std::string>{kNotNowText});
    EXPECT_TRUE(screen->isVisible());
}

TEST_F(NewsScreen, OnTheYouthPageSpacePressesThePanelReachedByTab) {
    writeLines(tmp("trade.txt"), {"移籍元,選手名,金額,→,移籍先,元No,先No"});
    Tteam& club = world->team(0);
    club.youth.clear();
    club.youthmake();
    club.youthmake();
    Tnews* screen = host->openNews(kAfterTransfers);
    ASSERT_NE(screen, nullptr);
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
    for (int k = 0; k < 3; ++k) QTest::keyClick(screen, Qt::Key_Space);
    ASSERT_EQ(screen->programme().page().kind, PageKind::youth);
    auto* promote = child<PanelButton>(screen, "Pyouth");
    promote->setFocus(Qt::TabFocusReason);
    QTest::keyClick(promote, Qt::Key_Space);
    EXPECT_EQ(club.youth.size(), 1u);
    EXPECT_EQ(screen->programme().page().kind, PageKind::youth);
    QTest::keyClick(promote, Qt::Key_Right);  // the arrow still turns the page
    EXPECT_EQ(screen->programme().page().kind, PageKind::opponent);
    EXPECT_EQ(club.youth.size(), 1u);
}

TEST_F(NewsScreen, AClosedWindowDuringTheFinalPauseGoesOnAtOnce) {
    season(4);
    allResults();
    Tnews* screen = host->openNews(kAfterMatchDay);
    ASSERT_NE(screen, nullptr);
    QPointer<Tnews> watched = screen;
    for (int page = 0; page < 5; ++page) turn(screen);
    ASSERT_TRUE(screen->programme().finished());
    screen->close();
    ASSERT_NE(mainScreen(), nullptr) << "no waiting for the pause";
    settle();
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(host->screens().size(), 1) << "the pause's end opens no second main screen";
    EXPECT_TRUE(prompts.silent());
}

}  // namespace
}  // namespace vm
