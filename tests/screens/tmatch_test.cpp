// SPDX-License-Identifier: GPL-3.0-or-later
// The watched match on screen, driven like a player would on a clock that
// never waits: a match day watched from the main screen to the news and on
// to the next, a substitution and a formation change on the board beside
// the match (and none after the final whistle), giving the view up, the keys,
// and a picture that is missing.
#include "screens/tmatch.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <functional>

#include "match/tgame.h"
#include "match_driving.h"
#include "news_screen.h"
#include "screens/matchpitch.h"
#include "screens/tacticsboardview.h"
#include "screens/tmatchdata.h"
#include "screens/treplay.h"
#include "screenshot.h"
#include "season/replaylibrary.h"
#include "util/textfile.h"

namespace vm {
namespace {
using test::frames;
using test::pressRow;
using test::runUntil;

class MatchWindow : public test::NewsScreen {
protected:
    void SetUp() override {
        NewsScreen::SetUp();
        speed("6");
        clock.step = LiveMatch::kFrameGap + 1;  // every poll finds a frame due
    }

    void speed(const char* text) { writeLines(world->path("data/msp.dat"), {text}); }

    // "ＮＥＸＴ" twice with "試合観戦" as the main screen offers it.
    Tmatch* watch() {
        Tmain* main = mainScreen();
        if (!main) main = host->openMain();
        EXPECT_TRUE(child<QRadioButton>(main, "rbwatch")->isChecked()) << "watching is the default";
        auto* next = child<PanelButton>(main, "Pnext");
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        settle();
        return matchWindow();
    }
    Tmatch* matchWindow() const {
        for (QWidget* w : host->screens())
            if (auto* m = qobject_cast<Tmatch*>(w)) return m;
        return nullptr;
    }

    static QLabel* label(QWidget* w, const char* name) { return child<QLabel>(w, name); }
    // Without the news picture the window cannot hand over, so a watched
    // match stays on its final whistle. `restoreNews()` puts it back.
    QPointer<Tmatch> watchUntilHeldOnTheWhistle() {
        season(0);
        std::filesystem::rename(newsPicture(), tmp("news.jpg"));
        QPointer<Tmatch> m = watch();
        if (m) runUntil(m, [&] { return m->match().finished(); });
        settle();
        return m;
    }
    std::filesystem::path newsPicture() const { return world->path("data/skin/news.jpg"); }
    void restoreNews() { std::filesystem::rename(tmp("news.jpg"), newsPicture()); }

    // Until the match is over and its window has made way.
    static void playOut(QPointer<Tmatch> m) {
        runUntil(m, [] { return false; });
        settle();
    }

    // Fixtures booked in both divisions' tables, each counted once per side.
    int booked() const {
        int sides = 0;
        for (const auto& league : world->leagues)
            for (const auto& row : league->table)
                sides += row[Tleague::cWins] + row[Tleague::cDraws] + row[Tleague::cLosses];
        return sides;
    }
    // Club 0's row of its division's table.
    const std::array<int, 9>& ownRow() const {
        const Tleague& l = *world->leagues[world->kanri.mydiv - 1];
        for (const auto& row : l.table)
            if (row[Tleague::cClub] == 0) return row;
        throw std::logic_error("club 0 is not in its division");
    }

    // Every page of the news, up to the screen that follows it.
    void readNews() {
        while (Tnews* n = news()) {
            if (n->programme().finished()) {
                settle();
                continue;
            }
            turn(n);
        }
        settle();
    }

    static QLabel* marker(Tmatch* m, int n) {
        return child<QLabel>(m->board(), QString("Label%1").arg(n, 2, 10, QChar('0')).toUtf8().constData());
    }
    static GridView* ownSquad(Tmatch* m) { return m->scoreboard().squad(0); }
};

TEST_F(MatchWindow, AWatchedMatchDayBooksItsResultOpensTheNewsAndASecondFollows) {
    season(0);
    QPointer<Tmatch> m = watch();
    ASSERT_TRUE(m);
    EXPECT_EQ(mainScreen(), nullptr) << "the main screen makes way";
    EXPECT_EQ(m->size(), Tmatch::kSize);
    ASSERT_NE(m->board(), nullptr);
    EXPECT_EQ(m->board()->geometry(), QRect(0, 10, 320, 480));
    EXPECT_EQ(m->pitch().geometry(), QRect(320, 5, 640, 480));
    EXPECT_EQ(m->scoreboard().geometry(), QRect(66, 510, 892, 230));
    const auto& squad = ownSquad(m)->grid();
    EXPECT_EQ(squad.rowCount(), 14);
    EXPECT_EQ(squad.cell(sqName, 1), world->team(0).getplayer(0).name);
    EXPECT_EQ(label(m, "lbtn0")->toolTip().toStdString(), world->team(0).name);
    EXPECT_TRUE(label(m, "lbhome")->isVisible()) << "match day 1 has a home side";
    const bool awayAtHome = m->match().scoreboard().home == HomeMarker::side1;
    EXPECT_EQ(label(m, "lbhome")->y(), label(m, awayAtHome ? "lbtn1" : "lbtn0")->y())
        << "beside the home side";
    EXPECT_EQ(m->scoreboard().speedBar()->value(), 6);

    frames(m, 200);
    ASSERT_TRUE(m);
    EXPECT_GT(m->match().counter(), 0);
    EXPECT_NE(label(m, "lbtime")->text(), "0：00");
    test::screenshot(m, "match-in-play");

    // The goals as the scoreboard showed them, and a celebration as it looks.
    bool celebrated = false;
    QString shown0, shown1;
    runUntil(m, [&] {
        shown0 = label(m, "lbg0")->text();
        shown1 = label(m, "lbg1")->text();
        if (!celebrated && label(m, "lbgoalman")->isVisible()) {
            celebrated = true;
            EXPECT_TRUE(label(m, "lbgoal")->isVisible());
            EXPECT_EQ(label(m, "lbgoal")->text(), "GOAL！！");
            EXPECT_EQ(label(m, "lbgoal")->geometry().center().x(), 232 + 217 / 2);
            EXPECT_EQ(label(m, "lbgoalman")->text().toStdString(), m->match().game().scorertext);
            test::screenshot(m, "match-goal");
        }
        return false;
    });
    settle();
    EXPECT_TRUE(celebrated) << "no goal was celebrated";

    Tnews* after = news();
    ASSERT_NE(after, nullptr) << "the news follows the match";
    EXPECT_EQ(matchWindow(), nullptr);
    EXPECT_EQ(booked(), 20) << "all ten fixtures, both sides";
    EXPECT_EQ(ownRow()[Tleague::cFor], shown0.toInt());
    EXPECT_EQ(ownRow()[Tleague::cAgainst], shown1.toInt());
    EXPECT_TRUE(prompts.silent());

    readNews();
    ASSERT_NE(mainScreen(), nullptr);
    EXPECT_EQ(world->leagues[0]->round, 1);
    QPointer<Tmatch> second = watch();
    ASSERT_TRUE(second);
    playOut(second);
    ASSERT_NE(news(), nullptr);
    EXPECT_EQ(booked(), 40);
}

TEST_F(MatchWindow, WithTheRecordingOnTheNewsOffersTheMatchAgain) {
    season(0);
    writeLines(world->path("data/vtr"), {});
    playOut(watch());
    Tnews* after = news();
    ASSERT_NE(after, nullptr);
    auto* again = child<PanelButton>(after, "Preplay");
    ASSERT_TRUE(again->isVisible());
    const auto kept = keptreplays(*world);
    ASSERT_EQ(kept.size(), 1u) << "the watched match went into the library";

    QTest::mouseClick(again, Qt::LeftButton);
    Treplay* viewer = nullptr;
    for (QWidget* w : host->screens())
        if (auto* r = qobject_cast<Treplay*>(w)) viewer = r;
    ASSERT_NE(viewer, nullptr);
    ASSERT_NE(viewer->view(), nullptr) << "it opens on that record";
    EXPECT_GT(viewer->view()->frames(), 1000);
    viewer->close();

    // Without the recording there is nothing to offer.
    readNews();
    writeLines(world->path("data/msp.dat"), {"6"});
    std::filesystem::remove(world->path("data/vtr"));
    playOut(watch());
    ASSERT_NE(news(), nullptr);
    EXPECT_FALSE(child<PanelButton>(news(), "Preplay")->isVisible());
    EXPECT_EQ(keptreplays(*world).size(), 1u);
}

TEST_F(MatchWindow, TheDriverWakesWhenAFrameIsDueInsteadOfPollingTheClock) {
    season(0);
    clock.step = 1;  // every reading moves the clock on a millisecond
    QPointer<Tmatch> m = watch();
    ASSERT_TRUE(m);
    frames(m, 2);
    const int readings = clock.readings;
    const qint64 since = clock.ms;
    frames(m, 30);
    ASSERT_TRUE(m);
    EXPECT_LE((clock.readings - readings) * LiveMatch::kFrameGap, 2 * (clock.ms - since))
        << "about one reading a frame, not one a millisecond";
}

TEST_F(MatchWindow, TheRightButtonOnTheBoardBringsOnTheSubstituteAndHisRowChangesOnce) {
    season(0);
    QPointer<Tmatch> m = watch();
    ASSERT_TRUE(m);
    frames(m, 3);
    const QImage shirtBefore = m->pitch().shirt(0, 5);
    const std::string incoming = world->team(0).getplayer(11).name;

    pressRow(ownSquad(m), 12, sqName);
    ASSERT_EQ(ownSquad(m)->currentGridRow(), 12);
    QTest::mouseClick(m->board(), Qt::RightButton, {}, marker(m, 6)->geometry().center());
    EXPECT_EQ(m->match().game().sublog[0].slot, 5);
    EXPECT_EQ(m->match().game().sublog[0].index, 11);
    EXPECT_EQ(marker(m, 6)->text(), "12");
    EXPECT_FALSE(marker(m, 12)->isVisibleTo(m->board()));
    EXPECT_FALSE(marker(m, 13)->isVisibleTo(m->board()));
    EXPECT_EQ(ownSquad(m)->grid().rowCount(), 14) << "the table changes with the next frame";

    frames(m);
    const Grid after = ownSquad(m)->grid();
    ASSERT_EQ(after.rowCount(), 12);
    EXPECT_EQ(after.cell(sqName, 6), incoming);
    EXPECT_EQ(after.cell(sqNumber, 6), "12");
    EXPECT_NE(m->pitch().shirt(0, 5), shirtBefore);
    test::screenshot(m->board(), "match-board");

    // The second choice of the bench finds no bench, and the table stays as it is.
    frames(m, 30);
    for (int r = 0; r < after.rowCount(); ++r)
        EXPECT_EQ(ownSquad(m)->grid().rowText(r), after.rowText(r)) << "row " << r;
    EXPECT_EQ(m->match().game().sublog[0].index, 11);
}

TEST_F(MatchWindow, AfterTheFinalWhistleTheBoardShowsNoSubstitution) {
    QPointer<Tmatch> m = watchUntilHeldOnTheWhistle();
    ASSERT_TRUE(m);
    const QString starter = label(m->board(), "Label06n")->text();

    pressRow(ownSquad(m), 12, sqName);
    QTest::mouseClick(m->board(), Qt::RightButton, {}, marker(m, 6)->geometry().center());

    EXPECT_EQ(m->match().game().sublog[0].slot, -1) << "the match refuses";
    EXPECT_EQ(marker(m, 6)->text(), "06");
    EXPECT_EQ(label(m->board(), "Label06n")->text(), starter);
    EXPECT_TRUE(marker(m, 12)->isVisibleTo(m->board())) << "the bench is still there";
    EXPECT_FALSE(m->board()->board().substituted());
    restoreNews();
}

TEST_F(MatchWindow, AMarkerDraggedOnTheBoardMovesThatMansSpotAtTheNextFrame) {
    season(0);
    QPointer<Tmatch> m = watch();
    ASSERT_TRUE(m);
    frames(m, 2);
    QWidget* board = m->board();
    const QPoint from = marker(m, 5)->geometry().center();
    const QPoint to(150, 200);
    QTest::mousePress(board, Qt::LeftButton, {}, from);
    QTest::mouseMove(board, (from + to) / 2);
    QTest::mouseMove(board, to);
    QTest::mouseRelease(board, Qt::LeftButton, {}, to);
    EXPECT_EQ(marker(m, 5)->pos(), to - QPoint(6, 6));

    frames(m);
    const auto man = m->match().game().men[0][4];
    EXPECT_EQ(man.basex, to.x());
    EXPECT_EQ(man.basey, to.y());
}

TEST_F(MatchWindow, ClosingDuringPlayAsksAndOnlyYesGivesTheViewUpAndBooksTheMatch) {
    season(0);
    QPointer<Tmatch> m = watch();
    ASSERT_TRUE(m);
    frames(m, 20);

    prompts.yesno = {false};
    m->close();
    settle();
    ASSERT_TRUE(m) << "no: the match goes on";
    EXPECT_EQ(prompts.questions, std::vector<std::string>{Tmatch::kGiveUpQuestion});
    EXPECT_FALSE(m->match().paused());
    const int counter = m->match().counter();
    frames(m, 5);
    EXPECT_GT(m->match().counter(), counter);
    EXPECT_EQ(booked(), 0);

    prompts.yesno = {true};
    m->close();
    settle();
    EXPECT_TRUE(m.isNull());
    EXPECT_EQ(booked(), 20) << "the rest played without frames and everything booked";
    ASSERT_NE(news(), nullptr);
    EXPECT_EQ(news()->programme().page().kind, PageKind::opening);
}

TEST_F(MatchWindow, PlusAndMinusChangeTheSpeedAndSpaceStopsAndRestartsTheClock) {
    speed("3");
    season(0);
    QPointer<Tmatch> m = watch();
    ASSERT_TRUE(m);
    frames(m, 2);
    QScrollBar* bar = m->scoreboard().speedBar();
    ASSERT_EQ(bar->value(), 3);

    QTest::keyClick(m, Qt::Key_Plus);
    EXPECT_EQ(m->match().speed(), 4);
    for (int k = 0; k < 4; ++k) QTest::keyClick(ownSquad(m), Qt::Key_Plus);
    EXPECT_EQ(m->match().speed(), 6) << "six at most, with the focus in the squad's table too";
    for (int k = 0; k < 6; ++k) QTest::keyClick(m, Qt::Key_Minus);
    EXPECT_EQ(m->match().speed(), 2);
    EXPECT_EQ(bar->value(), 2);
    bar->setValue(5);
    EXPECT_EQ(m->match().speed(), 5) << "the bar itself";

    QTest::keyClick(ownSquad(m), Qt::Key_Space);
    EXPECT_TRUE(m->match().paused());
    EXPECT_TRUE(label(m, "lbpause")->isVisible());
    const int counter = m->match().counter();
    for (int k = 0; k < 200; ++k) QCoreApplication::processEvents();
    EXPECT_EQ(m->match().counter(), counter) << "no tick while paused";
    QTest::keyClick(m, Qt::Key_Space);
    EXPECT_FALSE(m->match().paused());
    EXPECT_FALSE(label(m, "lbpause")->isVisible());
    frames(m);
    EXPECT_EQ(m->match().counter(), counter + 4 * 5);

    // The speed the player left is the next match's.
    prompts.yesno = {true};
    m->close();
    settle();
    EXPECT_EQ(readLines(world->path("data/msp.dat")), std::vector<std::string>{"5"});
}

TEST_F(MatchWindow, AMissingPictureKeepsTheMainScreenAndPlaysNothing) {
    season(0);
    const auto picture = world->path("data/skin/ballshadow.png");
    std::filesystem::rename(picture, tmp("ballshadow.png"));
    EXPECT_EQ(watch(), nullptr);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("ballshadow.png"), std::string::npos) << prompts.errors[0];
    Tmain* main = mainScreen();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(booked(), 0);

    // Put back, the next click watches the match.
    std::filesystem::rename(tmp("ballshadow.png"), picture);
    QTest::mouseClick(child<PanelButton>(main, "Pnext"), Qt::LeftButton);
    settle();
    EXPECT_NE(matchWindow(), nullptr);
}

TEST_F(MatchWindow, WhenTheNewsCannotOpenTheFinishedMatchWaitsAndTheNextCloseTriesAgain) {
    QPointer<Tmatch> m = watchUntilHeldOnTheWhistle();
    ASSERT_TRUE(m) << "the window stays on the final whistle";
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("news.jpg"), std::string::npos) << prompts.errors[0];
    EXPECT_EQ(booked(), 20) << "the match day is booked all the same";

    restoreNews();
    m->close();
    settle();
    EXPECT_TRUE(m.isNull());
    EXPECT_NE(news(), nullptr);
    EXPECT_TRUE(prompts.questions.empty()) << "nothing is left to give up";
    EXPECT_EQ(booked(), 20);
}

}  // namespace
}  // namespace vm
