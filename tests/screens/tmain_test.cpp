// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen driven like a player would: a new game opens it, "ＮＥＸＴ"
// asks for the window and plays a match day without a view, the heading
// sorts, the table and fixtures, renaming, emblems and coaches, and the
// refusals while a match day is under way.
#include "screens/tmain.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "screen_fixture.h"
#include "screens/clickablelabel.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/progresscells.h"
#include "screens/ttactics.h"
#include "screens/ttitle.h"
#include "screenshot.h"
#include "season/career.h"
#include "season/clubedits.h"
#include "season/names.h"
#include "season/newsprogramme.h"
#include "season/simplecoach.h"
#include "util/bitmap.h"
#include "util/textfile.h"

namespace vm {
namespace {

class MainScreen : public test::ScreenTest {
protected:
    // A new game, as the title screen's "新規スタート" makes it, and its main screen.
    Tmain* newGame() {
        world->startup();
        newgame(*world);
        return host->openMain();
    }
    // The same during a season, on match day `round`.
    Tmain* inSeason(int round) {
        world->startup();
        newgame(*world);
        seasonstart(*world);
        for (auto& l : world->leagues) l->round = round;
        return host->openMain();
    }

    static QStringList column(const GridView* view, int col) {
        QStringList cells;
        for (int r = 1; r < view->grid().rowCount(); ++r)
            cells << QString::fromStdString(view->grid().cell(col, r));
        return cells;
    }
    static void pressHeading(GridView* view, int col) {
        QHeaderView* heading = view->horizontalHeader();
        const int x = heading->sectionViewportPosition(col) + heading->sectionSize(col) / 2;
        QTest::mousePress(heading->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        QTest::mouseRelease(heading->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    }
    static void trigger(QWidget* screen, const char* name) {
        QAction* action = screen->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
};

TEST_F(MainScreen, ANewGameFromTheTitleOpensTheMainScreenBetweenSeasons) {
    QPointer<Ttitle> title = host->openTitle();
    ASSERT_TRUE(title);
    QTest::mouseClick(child<PanelButton>(title, "Pnew"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(title.isNull()) << "the title screen is released";
    ASSERT_EQ(host->screens().size(), 1);
    auto* main = qobject_cast<Tmain*>(host->screens().first());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->windowTitle(), "1年目");
    EXPECT_EQ(main->centralWidget()->size(), QSize(660, 461));
    EXPECT_EQ(child<PanelButton>(main, "Pnext")->text(), "移籍");
    EXPECT_FALSE(child<PanelButton>(main, "Pleague")->isVisible());
    EXPECT_FALSE(child<QRadioButton>(main, "rbwatch")->isVisible());

    // The user's club is shown: its name, money and the sixteen columns of its roster.
    const Tteam& club = world->team(0);
    EXPECT_EQ(main->shownclub(), 0);
    EXPECT_EQ(child<QLabel>(main, "lbselectteam")->text().toStdString(), club.name);
    EXPECT_EQ(child<QLabel>(main, "lbmoney")->text(), QString("所持金：%1").arg(club.money));
    auto* members = child<GridView>(main, "menberlist");
    EXPECT_EQ(members->grid().colCount(), 16);
    EXPECT_EQ(members->grid().rowCount(), static_cast<int>(club.roster.size()) + 1);
    EXPECT_EQ(members->width(), club.roster.size() + 1 > 12 ? 400 : 390);
    EXPECT_EQ(members->laidOutWidth(0), 90);
    EXPECT_EQ(column(members, 2).first(), "GK");
    EXPECT_EQ(child<GridView>(main, "coachlist")->grid().cell(0, 4), "指導力");
    test::screenshot(main, "main-between-seasons");
}

TEST_F(MainScreen, WithoutItsPictureTheMainScreenIsNamedAndTheTitleStays) {
    QPointer<Ttitle> title = host->openTitle();
    ASSERT_TRUE(title);
    const std::string picture = world->shipped("data/skin/main.jpg").string();
    std::filesystem::rename(picture, picture + ".away");
    QTest::mouseClick(child<PanelButton>(title, "Pnew"), Qt::LeftButton);
    settle();
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("main.jpg"), std::string::npos) << prompts.errors[0];
    ASSERT_TRUE(title) << "the title screen stays";
    EXPECT_EQ(host->screens(), QList<QWidget*>{title.data()});

    std::filesystem::rename(picture + ".away", picture);
    QTest::mouseClick(child<PanelButton>(title, "Pnew"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(title.isNull());
    ASSERT_EQ(host->screens().size(), 1);
    EXPECT_NE(qobject_cast<Tmain*>(host->screens().first()), nullptr);
}

TEST_F(MainScreen, DecliningTheTransferQuestionAsksAgainOnTheNextClick) {
    Tmain* main = newGame();
    auto* next = child<PanelButton>(main, "Pnext");
    prompts.yesno = {false, false};
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(main->flow().nextstep(), 0);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(prompts.questions, std::vector<std::string>(2, kTradeQuestion));
    EXPECT_EQ(main->flow().nextstep(), 0);
    EXPECT_FALSE(world->trade);
}

TEST_F(MainScreen, SkippingPlaysTheWholeMatchDayBeforeNextShowsAgain) {
    Tmain* main = inSeason(0);
    auto* next = child<PanelButton>(main, "Pnext");
    auto* bar = child<ProgressCells>(main, "bargrid");
    EXPECT_EQ(next->text(), "ＮＥＸＴ");
    child<QRadioButton>(main, "rbskip")->setChecked(true);

    // When "ＮＥＸＴ" shows again, every fixture of both divisions has been booked.
    int booked = -1;
    QObject spy;
    struct ShowWatch : QObject {
        std::function<void()> onShow;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Show) onShow();
            return false;
        }
    } watch;
    watch.onShow = [&] {
        booked = 0;
        for (const auto& league : world->leagues)
            for (const auto& row : league->table)
                booked += row[Tleague::cWins] + row[Tleague::cDraws] + row[Tleague::cLosses];
    };
    next->installEventFilter(&watch);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(booked, 20) << "all ten fixtures, both sides";
    EXPECT_EQ(bar->fill(), 102) << "51 advances per division";
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(next->isVisible());
    EXPECT_FALSE(child<QRadioButton>(main, "rbskip")->isEnabled())
        << "the choice stays frozen for the match day";
    EXPECT_FALSE(child<PanelButton>(main, "Pnews")->isEnabled());
    EXPECT_EQ(clock.sleeps, 2 * 451) << "a 1 ms pause every 30 steps";
}

TEST_F(MainScreen, WatchingLeavesTheBarEmptyAndPlaysNoFixtureBeforeTheMatch) {
    Tmain* main = inSeason(5);
    ASSERT_TRUE(child<QRadioButton>(main, "rbwatch")->isChecked()) << "watching is the default";
    QTest::mouseClick(child<PanelButton>(main, "Pnext"), Qt::LeftButton);
    EXPECT_EQ(child<ProgressCells>(main, "bargrid")->fill(), 0);
    EXPECT_EQ(main->flow().nextstep(), 2);
    EXPECT_EQ(clock.sleeps, 0) << "no headless run";
    for (const auto& league : world->leagues)
        for (const auto& row : league->table)
            EXPECT_EQ(row[Tleague::cWins] + row[Tleague::cDraws] + row[Tleague::cLosses], 0);
}

TEST_F(MainScreen, OnceAMatchDayIsUnderWaySavingAndLeavingAreRefused) {
    Tmain* main = inSeason(2);
    child<QRadioButton>(main, "rbskip")->setChecked(true);
    // Mid-run, the window still answers: the player tries to leave.
    QTimer::singleShot(0, main, [&] {
        trigger(main, "tomenu");
        trigger(main, "gameclose");
        main->close();
    });
    QTest::mouseClick(child<PanelButton>(main, "Pnext"), Qt::LeftButton);
    EXPECT_EQ(prompts.messages, std::vector<std::string>(3, kNotNowText));
    EXPECT_TRUE(main->isVisible());
    ASSERT_EQ(host->screens().size(), 1) << "no title screen was opened";

    prompts.messages.clear();
    trigger(main, "menusave");
    trigger(main, "vssave");
    EXPECT_EQ(prompts.messages, std::vector<std::string>(2, kNotNowText));
}

TEST_F(MainScreen, AMatchDayStoppedPartWayHidesNextAndPointsToTheTitleScreen) {
    Tmain* main = inSeason(3);
    child<QRadioButton>(main, "rbskip")->setChecked(true);
    auto* next = child<PanelButton>(main, "Pnext");
    // The first finished match cannot write its goal lines.
    std::filesystem::remove_all(world->path("data/tmp"));
    QTest::mouseClick(next, Qt::LeftButton);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("goal0"), std::string::npos) << prompts.errors[0];
    EXPECT_NE(prompts.errors[0].find(kMatchDayFailedText), std::string::npos) << prompts.errors[0];
    EXPECT_FALSE(next->isVisible());
    EXPECT_FALSE(child<QRadioButton>(main, "rbskip")->isVisible());
    EXPECT_FALSE(child<ProgressCells>(main, "bargrid")->isVisible());

    // Neither Enter nor the player's saving gets past the half-played match day.
    std::filesystem::create_directories(world->path("data/tmp"));
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_Return);
    settle();
    EXPECT_EQ(host->screens(), QList<QWidget*>{main}) << "no news over half-booked fixtures";
    EXPECT_EQ(main->flow().nextstep(), 2);
    trigger(main, "menusave");
    EXPECT_EQ(prompts.messages, std::vector<std::string>{kNotNowText});

    trigger(main, "tomenu");
    settle();
    ASSERT_EQ(host->screens().size(), 1);
    EXPECT_NE(qobject_cast<Ttitle*>(host->screens().first()), nullptr);
}

TEST_F(MainScreen, EnterPressesTheButtonWithTheFocusAndOtherwiseNext) {
    Tmain* main = inSeason(4);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::mouseClick(child<ClickableLabel>(main, "img23"), Qt::LeftButton);
    ASSERT_EQ(main->shownclub(), 3);

    // Tabbed to "順位・日程": Enter shows the table, the match day waits.
    child<PanelButton>(main, "Pleague")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(main, Qt::Key_Return);
    EXPECT_EQ(child<QLabel>(main, "lbselectteam")->text(), "5節");
    EXPECT_EQ(main->flow().nextstep(), 1);

    // On the watch choice, which is no button, Enter is "ＮＥＸＴ".
    auto* skip = child<QRadioButton>(main, "rbskip");
    skip->setFocus(Qt::TabFocusReason);
    QTest::keyClick(main, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(main->flow().nextstep(), 2);
    EXPECT_FALSE(skip->isChecked());

    // Tabbed to "戦術": the tactics board opens over the waiting match day.
    child<PanelButton>(main, "Ptact")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(main, Qt::Key_Return);
    settle();
    EXPECT_EQ(main->flow().nextstep(), 2);
    bool tactics = false;
    for (QWidget* w : host->screens()) tactics = tactics || qobject_cast<Ttactics*>(w) != nullptr;
    EXPECT_TRUE(tactics);
}

TEST_F(MainScreen, AHeadingPressSortsDescendingThenAscendingAndPositionsInPitchOrder) {
    Tmain* main = newGame();
    auto* members = child<GridView>(main, "menberlist");
    pressHeading(members, 1);  // Age
    QStringList ages = column(members, 1);
    EXPECT_GE(ages.first().toInt(), ages.last().toInt());
    EXPECT_TRUE(
        std::is_sorted(ages.rbegin(), ages.rend(), [](auto& a, auto& b) { return a.toInt() < b.toInt(); }));
    pressHeading(members, 1);
    ages = column(members, 1);
    EXPECT_TRUE(
        std::is_sorted(ages.begin(), ages.end(), [](auto& a, auto& b) { return a.toInt() < b.toInt(); }));

    pressHeading(members, 2);  // AT: a new column starts descending
    pressHeading(members, 2);
    const QStringList order{"GK", "CB", "DM", "OV", "AM", "SH", "FW"};
    const QStringList positions = column(members, 2);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end(), [&](auto& a, auto& b) {
        return order.indexOf(a) < order.indexOf(b);
    })) << positions.join(",").toStdString();
}

TEST_F(MainScreen, TheTableAndFixturesOfTheUsersDivision) {
    Tmain* main = inSeason(3);
    // During a season the screen opens on them.
    auto* members = child<GridView>(main, "menberlist");
    auto* fixtures = child<GridView>(main, "coachlist");
    EXPECT_EQ(child<QLabel>(main, "lbselectteam")->text(), "4節");
    EXPECT_EQ(members->grid().cell(0, 0), "Teamname");
    EXPECT_EQ(members->grid().rowCount(), 11);
    EXPECT_EQ(members->width(), 300);
    EXPECT_EQ(fixtures->grid().rowCount(), 6);
    EXPECT_FALSE(child<QLabel>(main, "lbselect")->isVisible());

    // A club from the panel, then back to the table.
    QTest::mouseClick(child<ClickableLabel>(main, "img23"), Qt::LeftButton);
    EXPECT_EQ(main->shownclub(), 3);
    EXPECT_EQ(members->grid().colCount(), 16);
    EXPECT_TRUE(child<QLabel>(main, "lbmoney")->text().isEmpty()) << "only club 0's money is shown";
    QTest::mouseClick(child<PanelButton>(main, "Pleague"), Qt::LeftButton);
    EXPECT_EQ(members->grid().cell(0, 0), "Teamname");
    const Tleague& league = *world->leagues[1];
    Grid expected;
    league.matchgrid(expected);
    EXPECT_EQ(fixtures->grid().rowText(1), expected.rowText(1));
}

TEST_F(MainScreen, AfterFiveMatchDaysTheTableShowsWhatWasPlayed) {
    world->startup();
    newgame(*world);
    SimpleCoach coach;
    playseason(*world, coach);  // a whole first season, to the next one's start
    playtransferwindow(*world, coach);
    playnews(*world, kAfterTransfers, coach);
    for (int day = 0; day < 5; ++day) playday(*world, coach);
    Tmain* main = host->openMain();
    const Grid& table = child<GridView>(main, "menberlist")->grid();
    ASSERT_EQ(table.rowCount(), 11);
    for (int r = 1; r < table.rowCount(); ++r)
        EXPECT_EQ(std::stoi(table.cell(1, r)) + std::stoi(table.cell(2, r)) + std::stoi(table.cell(3, r)), 5)
            << table.rowText(r);
    EXPECT_EQ(child<QLabel>(main, "lbselectteam")->text(), "6節");
    EXPECT_EQ(main->windowTitle(), "2年目");
    test::screenshot(main, "main-table-and-fixtures");
}

TEST_F(MainScreen, AClubsNameChangesByClickingItBetweenSeasonsOnly) {
    Tmain* main = newGame();
    QTest::mouseClick(child<ClickableLabel>(main, "img25"), Qt::LeftButton);
    prompts.inputs = {std::string("北港ユナイテッド")};
    QTest::mouseClick(child<ClickableLabel>(main, "lbselectteam"), Qt::LeftButton);
    EXPECT_EQ(world->team(5).name, "北港ユナイテッド");
    EXPECT_EQ(child<QLabel>(main, "lbselectteam")->text(), "北港ユナイテッド");

    prompts.inputs = {std::string("北港 ユナイテッド")};
    QTest::mouseClick(child<ClickableLabel>(main, "lbselectteam"), Qt::LeftButton);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{kUnusableName});
    EXPECT_EQ(world->team(5).name, "北港ユナイテッド");
}

TEST_F(MainScreen, AnEmblemLoadedForTheShownClubAppearsInThePanel) {
    Tmain* main = newGame();
    writeBytesAtomic(scratch.path("mine.bmp"), encodeBmp(Bitmap(30, 30, 0xFFCC0000)));
    prompts.files = {scratch.path("mine.bmp")};
    QTest::mouseClick(child<ClickableLabel>(main, "imgselectteam"), Qt::LeftButton);
    EXPECT_EQ(world->team(0).emblem, Bitmap(12, 12, 0xFFCC0000));
    const QImage panel = child<ClickableLabel>(main, "img20")->pixmap().toImage();
    EXPECT_EQ(panel.pixel(8, 8), QColor(0xCC, 0, 0).rgb());
    EXPECT_EQ(main->flow().nextstep(), 0);
}

TEST_F(MainScreen, AVeteranBecomesCoachThroughTheMemberListsMenu) {
    Tmain* main = newGame();
    auto* members = child<GridView>(main, "menberlist");
    const int last = members->grid().rowCount() - 1;
    const std::string name = members->grid().cell(0, last);
    world->team(0).getplayer(std::stoi(members->grid().cell(15, last))).value = 3;
    const QRect cell = members->visualRect(members->table().index(members->table().modelRow(last), 0));
    emit members->customContextMenuRequested(cell.center());
    prompts.okcancel = {true};
    trigger(main, "popcoach3");
    EXPECT_EQ(prompts.questions.back(), name + "を引退させ、コーチ3にします。よろしいですか");
    EXPECT_EQ(members->grid().rowCount(), last) << "the screen shows the roster without him";
    for (const auto& p : world->team(0).roster) EXPECT_NE(p->name, name);
}

TEST_F(MainScreen, NoCoachMenuForOtherClubsOrDuringASeason) {
    Tmain* main = inSeason(1);
    QTest::mouseClick(child<ClickableLabel>(main, "img20"), Qt::LeftButton);
    auto* members = child<GridView>(main, "menberlist");
    emit members->customContextMenuRequested(members->visualRect(members->table().index(0, 0)).center());
    trigger(main, "popcoach1");
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(MainScreen, StartersAreMarkedWithARedDiagonal) {
    Tmain* main = newGame();
    auto* members = child<GridView>(main, "menberlist");
    main->grab();
    const QImage shot = members->viewport()->grab().toImage();
    const QRect starter = members->visualRect(members->table().index(0, 4));
    const QRect reserve = members->visualRect(members->table().index(11, 4));
    const auto reddish = [&](QPoint p) {
        const QColor c = shot.pixelColor(p);
        return c.red() > 200 && c.green() < 80 && c.blue() < 80;
    };
    EXPECT_TRUE(reddish(starter.topLeft() + QPoint(3, 3)));
    EXPECT_FALSE(reddish(reserve.topLeft() + QPoint(3, 3)));
}

TEST_F(MainScreen, TheVersionAndTheWayBackToTheTitle) {
    Tmain* main = newGame();
    trigger(main, "version");
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Vellmora2  ver 30"});
    const std::string name = world->team(0).name;
    trigger(main, "tomenu");
    settle();
    ASSERT_EQ(host->screens().size(), 1);
    EXPECT_NE(qobject_cast<Ttitle*>(host->screens().first()), nullptr);
    EXPECT_FALSE(world->leagues[0]);
    EXPECT_TRUE(world->team(0).name.empty()) << "a fresh world, not yet named";
}

}  // namespace
}  // namespace vm
