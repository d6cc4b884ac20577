// SPDX-License-Identifier: GPL-3.0-or-later
// The tactics screen driven like a player would: opened from the main screen,
// places given with the right button, markers dragged, the line-up stored,
// the coach's choice, formation files through the dialogs, the moving
// preview, and the board lying over the main screen once a match day is under way.
#include "screens/ttactics.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "screen_fixture.h"
#include "screens/gridview.h"
#include "screens/messageboxprompts.h"
#include "screens/panelbutton.h"
#include "screens/tacticsboardview.h"
#include "screens/tmain.h"
#include "screenshot.h"
#include "util/arith.h"
#include "util/textfile.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

// Runs `act` on the file dialog as soon as it is up.
void whenDialogOpens(std::function<void(QFileDialog*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

class TacticsScreen : public test::ScreenTest {
protected:
    // A new game's main screen, between seasons.
    Tmain* newGame() {
        world->startup();
        newgame(*world);
        return host->openMain();
    }
    // The main screen on the season's first match day.
    Tmain* inSeason() {
        world->startup();
        newgame(*world);
        seasonstart(*world);
        for (auto& l : world->leagues) l->round = 0;
        return host->openMain();
    }
    // "戦術" pressed on the main screen, and the tactics screen it opened.
    Ttactics* pressTactics(Tmain* main) {
        QTest::mouseClick(child<PanelButton>(main, "Ptact"), Qt::LeftButton);
        settle();
        for (QWidget* w : host->screens())
            if (auto* t = qobject_cast<Ttactics*>(w)) {
                // The window the player works in, which its keys go to.
                QApplication::setActiveWindow(t);
                return t;
            }
        ADD_FAILURE() << "no tactics screen opened";
        return nullptr;
    }
    Tmain* mainScreen() const {
        for (QWidget* w : host->screens())
            if (auto* m = qobject_cast<Tmain*>(w)) return m;
        return nullptr;
    }

    static QLabel* marker(Ttactics* t, int n) {
        return child<QLabel>(t, QString("Label%1").arg(n, 2, 10, QChar('0')).toUtf8().constData());
    }
    static QLabel* nameOf(Ttactics* t, int n) {
        return child<QLabel>(t, QString("Label%1n").arg(n, 2, 10, QChar('0')).toUtf8().constData());
    }
    static void click(Ttactics* t, const char* button) {
        QTest::mouseClick(child<PanelButton>(t, button), Qt::LeftButton);
    }
    // A left click on member-list row `row`.
    static void chooseRow(Ttactics* t, int row) {
        auto* list = child<GridView>(t, "menberlist");
        const QModelIndex index = list->table().index(list->table().modelRow(row), 1);
        list->scrollTo(index);
        const QRect cell = list->visualRect(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    static void rightClickMarker(Ttactics* t, int n) {
        QTest::mouseClick(&t->pitch(), Qt::RightButton, {}, marker(t, n)->geometry().center());
    }
    // Marker n held with the left button and let go at `to` on the pitch.
    static void dragMarker(Ttactics* t, int n, QPoint to) {
        QWidget* pitch = &t->pitch();
        QTest::mousePress(pitch, Qt::LeftButton, {}, marker(t, n)->geometry().center());
        QTest::mouseMove(pitch, (marker(t, n)->geometry().center() + to) / 2);
        QTest::mouseMove(pitch, to);
        QTest::mouseRelease(pitch, Qt::LeftButton, {}, to);
    }
    static std::vector<QPoint> markerCorners(Ttactics* t) {
        std::vector<QPoint> corners;
        for (int n = 1; n <= 13; ++n) corners.push_back(marker(t, n)->pos());
        return corners;
    }
    std::vector<std::string> rosterNames() const {
        std::vector<std::string> names;
        for (const auto& p : world->team(0).roster) names.push_back(p->name);
        return names;
    }
};

TEST_F(TacticsScreen, PlacesAndSpotsSetOnTheBoardAreThereWhenItOpensAgain) {
    Tmain* main = newGame();
    Ttactics* tactics = pressTactics(main);
    ASSERT_NE(tactics, nullptr);
    EXPECT_EQ(host->screens().size(), 1) << "the tactics screen takes the main screen's place";
    EXPECT_FALSE(tactics->borderless());
    EXPECT_EQ(tactics->windowTitle(), "戦術");
    EXPECT_EQ(tactics->size(), QSize(660, 480));
    const Tteam& club = world->team(0);
    auto* list = child<GridView>(tactics, "menberlist");
    EXPECT_EQ(list->grid().rowCount(), static_cast<int>(club.roster.size()) + 1);
    EXPECT_EQ(list->laidOutWidth(1), 80);
    EXPECT_EQ(list->laidOutWidth(3), 30);
    EXPECT_EQ(list->laidOutWidth(12), 20);
    EXPECT_EQ(list->width(), 336) << "eighteen players: the list scrolls";
    EXPECT_GE(list->x(), TacticsBoard::kDragMaxX + 6) << "the list leaves every marker's reach free";
    EXPECT_EQ(marker(tactics, 12)->pos(), QPoint(202, 436));
    EXPECT_EQ(nameOf(tactics, 7)->text().toStdString(), club.getplayer(6).name);
    EXPECT_EQ(nameOf(tactics, 7)->pos(), marker(tactics, 7)->pos() + QPoint(0, 15));
    EXPECT_FALSE(nameOf(tactics, 12)->geometry().intersects(marker(tactics, 13)->geometry()))
        << "the bench's names stay readable";
    test::screenshot(tactics, "tactics-board");

    // The first reserve takes place 03; its holder is left without one and
    // moves to the bench's place 13 in turn.
    const std::string reserve = club.getplayer(13).name;
    const std::string third = club.getplayer(2).name;
    const std::string thirteenth = club.getplayer(12).name;
    chooseRow(tactics, 14);
    rightClickMarker(tactics, 3);
    EXPECT_EQ(list->grid().cell(0, 14), "03");
    EXPECT_EQ(list->grid().cell(0, 3), " ");
    EXPECT_EQ(nameOf(tactics, 3)->text().toStdString(), reserve);
    EXPECT_EQ(list->currentGridRow(), 14) << "the chosen player stays chosen";
    chooseRow(tactics, 3);
    rightClickMarker(tactics, 13);
    EXPECT_EQ(nameOf(tactics, 13)->text().toStdString(), third);

    // Marker 05 dragged far past the corner stops on the border of the area.
    dragMarker(tactics, 5, {3, 476});
    EXPECT_EQ(marker(tactics, 5)->pos(), QPoint(74, 424));
    EXPECT_EQ(nameOf(tactics, 5)->pos(), QPoint(74, 439));
    const QPoint keeper = marker(tactics, 1)->pos();
    dragMarker(tactics, 1, {200, 200});  // the keeper stays in his goal
    EXPECT_EQ(marker(tactics, 1)->pos(), keeper);

    click(tactics, "Pok");
    settle();
    ASSERT_NE(mainScreen(), nullptr) << "OK goes back to a new main screen";
    EXPECT_EQ(host->screens().size(), 1);
    EXPECT_EQ(club.getplayer(2).name, reserve);
    EXPECT_EQ(club.getplayer(12).name, third);
    EXPECT_EQ(club.getplayer(13).name, thirteenth);
    EXPECT_EQ(club.position[4], (Point{80, 430}));
    EXPECT_TRUE(prompts.silent());

    tactics = pressTactics(mainScreen());
    ASSERT_NE(tactics, nullptr);
    EXPECT_EQ(marker(tactics, 5)->pos(), QPoint(74, 424));
    EXPECT_EQ(nameOf(tactics, 3)->text().toStdString(), reserve);
    EXPECT_EQ(nameOf(tactics, 13)->text().toStdString(), third);
    EXPECT_EQ(child<GridView>(tactics, "menberlist")->grid().cell(1, 3), reserve);
}

TEST_F(TacticsScreen, AnIncompleteLineUpIsRefusedAndEscGoesBackStoringNothing) {
    Tmain* main = newGame();
    Ttactics* tactics = pressTactics(main);
    ASSERT_NE(tactics, nullptr);
    const auto before = rosterNames();
    const auto spots = world->team(0).position;
    chooseRow(tactics, 5);
    rightClickMarker(tactics, 2);  // place 05 is left empty
    dragMarker(tactics, 8, {120, 300});

    click(tactics, "Pok");
    EXPECT_EQ(prompts.messages, std::vector<std::string>{kMembersMissing});
    EXPECT_TRUE(tactics->isVisible());
    QTest::keyClick(tactics, Qt::Key_Return);  // Enter is "OK"
    EXPECT_EQ(prompts.messages.size(), 2u);

    QTest::keyClick(tactics, Qt::Key_Escape);
    settle();
    ASSERT_NE(mainScreen(), nullptr);
    EXPECT_EQ(host->screens().size(), 1);
    EXPECT_EQ(rosterNames(), before);
    EXPECT_EQ(world->team(0).position, spots);
}

TEST_F(TacticsScreen, TheCoachPutsBackTheComputersLineUp) {
    // Both worlds start alike, and their clubs in the same shuffled order.
    test::Scratch other;
    auto twin = other.world(7, false);
    twin->startup();
    newgame(*twin);
    Tteam& expected = twin->team(0);
    std::reverse(expected.roster.begin(), expected.roster.end());
    expected.autoselect();
    expected.formationload();

    Tmain* main = newGame();
    Tteam& club = world->team(0);
    std::reverse(club.roster.begin(), club.roster.end());
    Ttactics* tactics = pressTactics(main);
    ASSERT_NE(tactics, nullptr);
    chooseRow(tactics, 17);
    rightClickMarker(tactics, 1);
    dragMarker(tactics, 6, {260, 60});

    click(tactics, "Pcoach");
    EXPECT_EQ(nameOf(tactics, 1)->text().toStdString(), expected.getplayer(0).name);
    EXPECT_EQ(marker(tactics, 6)->pos(), QPoint(expected.position[5].x - 6, expected.position[5].y - 6));
    const Grid& list = child<GridView>(tactics, "menberlist")->grid();
    for (int r = 1; r <= 13; ++r) EXPECT_EQ(list.cell(1, r), expected.getplayer(r - 1).name) << r;
    for (int i = 0; i <= club.playerhigh(); ++i)
        EXPECT_EQ(club.getplayer(i).name, expected.getplayer(i).name);
    EXPECT_EQ(club.position, expected.position);
}

TEST_F(TacticsScreen, AFormationSavedThroughTheDialogComesBackAndABadFileMovesNothing) {
    Tmain* main = newGame();
    Ttactics* tactics = pressTactics(main);
    ASSERT_NE(tactics, nullptr);
    dragMarker(tactics, 4, {100, 100});
    dragMarker(tactics, 10, {250, 400});
    const auto saved = markerCorners(tactics);
    const fs::path file = scratch.path("data/formation/attack.frm");

    prompts.files = {file};
    click(tactics, "Pformsave");
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].folder, scratch.path("data/formation"));
    EXPECT_EQ(prompts.fileDialogs[0].filters, Ttactics::kFormationFilters);
    EXPECT_EQ(prompts.fileDialogs[0].extension, "frm");
    std::string line = "005234";
    for (int n = 2; n <= 11; ++n) line += pad(saved[n - 1].x(), 3) + pad(saved[n - 1].y(), 3);
    EXPECT_EQ(readBytes(file), line + "\r\n");
    EXPECT_TRUE(prompts.questions.empty()) << "a new file is written without asking";

    // Saving over it asks first: Cancel leaves the file as it was, OK replaces it.
    dragMarker(tactics, 4, {250, 250});
    prompts.files = {file};
    prompts.okcancel = {false};
    click(tactics, "Pformsave");
    EXPECT_EQ(prompts.questions, std::vector<std::string>{kFormationOverwrite});
    EXPECT_EQ(readBytes(file), line + "\r\n");
    const fs::path other = scratch.path("data/formation/other.frm");
    prompts.files = {other};
    click(tactics, "Pformsave");
    dragMarker(tactics, 4, {200, 150});
    prompts.files = {other};
    prompts.okcancel = {true};
    click(tactics, "Pformsave");
    EXPECT_EQ(readBytes(other).substr(18, 6), "194144");

    prompts.files = {file};
    click(tactics, "Pformload");
    EXPECT_EQ(prompts.fileDialogs.back().folder, scratch.path("data/formation"));
    EXPECT_EQ(prompts.fileDialogs.back().filters, Ttactics::kFormationFilters);
    EXPECT_EQ(markerCorners(tactics), saved);

    const fs::path bad = scratch.path("data/formation/two.frm");
    writeBytesAtomic(bad, line + "\r\n" + line + "\r\n");
    dragMarker(tactics, 9, {90, 90});
    const auto moved = markerCorners(tactics);
    prompts.files = {bad};
    click(tactics, "Pformload");
    EXPECT_EQ(prompts.errors, std::vector<std::string>{kFormationUnusable});
    EXPECT_EQ(markerCorners(tactics), moved);
    EXPECT_TRUE(prompts.done());
}

TEST_F(TacticsScreen, ThePreviewMovesTheMenAfterTheBallAndBackPutsEveryMarkerBack) {
    Tmain* main = newGame();
    Ttactics* tactics = pressTactics(main);
    ASSERT_NE(tactics, nullptr);
    dragMarker(tactics, 7, {250, 120});
    const auto before = markerCorners(tactics);
    auto* ball = child<QLabel>(tactics, "imgball");
    EXPECT_FALSE(ball->isVisible());

    click(tactics, "Pmove");
    EXPECT_EQ(child<PanelButton>(tactics, "Pmove")->text(), "戻る");
    EXPECT_FALSE(child<GridView>(tactics, "menberlist")->isVisible());
    EXPECT_FALSE(child<PanelButton>(tactics, "Pok")->isVisible());
    EXPECT_TRUE(ball->isVisible());
    EXPECT_EQ(ball->pos(), QPoint(315, 235));
    EXPECT_EQ(world->team(0).position[6], (Point{250, 120})) << "the preview stores the line-up first";
    // The ball is sent toward the top right; the men follow it tick by tick.
    QTest::mouseClick(&tactics->pitch(), Qt::LeftButton, {}, QPoint(615, 235));
    for (int i = 0; i < 24; ++i) QCoreApplication::processEvents();
    EXPECT_GT(ball->x(), 315);
    EXPECT_EQ(ball->y(), 235);
    EXPECT_NE(markerCorners(tactics), before);
    test::screenshot(tactics, "tactics-preview");
    QTest::mouseClick(&tactics->pitch(), Qt::RightButton, {}, QPoint(100, 100));
    const QPoint stopped = ball->pos();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(ball->pos(), stopped) << "the right button stops the ball";

    QTest::keyClick(tactics, Qt::Key_Escape);  // Esc ends the preview, not the screen
    EXPECT_TRUE(tactics->isVisible());
    EXPECT_EQ(markerCorners(tactics), before);
    EXPECT_FALSE(ball->isVisible());
    EXPECT_EQ(child<PanelButton>(tactics, "Pmove")->text(), "動かす");
    EXPECT_TRUE(child<GridView>(tactics, "menberlist")->isVisible());
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(markerCorners(tactics), before) << "the timer has stopped";
}

TEST_F(TacticsScreen, ASquadOfElevenGetsTheNarrowListAndNoBench) {
    world->startup();
    newgame(*world);
    Tteam& club = world->team(0);
    while (club.roster.size() > 11) club.playerremove(club.playerhigh());
    Ttactics* tactics = pressTactics(host->openMain());
    ASSERT_NE(tactics, nullptr);
    EXPECT_EQ(child<GridView>(tactics, "menberlist")->width(), 320);
    EXPECT_TRUE(marker(tactics, 11)->isVisible());
    EXPECT_FALSE(marker(tactics, 12)->isVisible());
    EXPECT_FALSE(marker(tactics, 13)->isVisible());
    EXPECT_FALSE(nameOf(tactics, 12)->isVisible());
}

TEST_F(TacticsScreen, AfterTheFirstNextTheBoardLiesOverTheMainScreen) {
    Tmain* main = inSeason();
    QTest::mouseClick(child<PanelButton>(main, "Pnext"),
                      Qt::LeftButton);  // watching: prepared, nothing played
    ASSERT_EQ(main->flow().nextstep(), 2);
    QTest::mouseClick(child<QWidget>(main, "img20"), Qt::LeftButton);  // the player's own club
    ASSERT_EQ(main->shownclub(), 0);
    QPointer<Ttactics> tactics = pressTactics(main);
    ASSERT_TRUE(tactics);
    EXPECT_TRUE(tactics->borderless());
    EXPECT_TRUE(tactics->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(main->isVisible()) << "the main screen stays beneath";
    EXPECT_EQ(host->screens().size(), 2);
    EXPECT_EQ(tactics->pos(), main->mapToGlobal(QPoint(0, 0)));

    chooseRow(tactics, 15);
    rightClickMarker(tactics, 9);
    const std::string newcomer = world->team(0).getplayer(14).name;
    click(tactics, "Pok");
    settle();
    EXPECT_TRUE(tactics.isNull());
    ASSERT_EQ(host->screens().size(), 1);
    EXPECT_EQ(host->screens().first(), main) << "the same main screen, on the same step";
    EXPECT_EQ(main->flow().nextstep(), 2);
    EXPECT_EQ(world->team(0).getplayer(8).name, newcomer);
    EXPECT_EQ(child<GridView>(main, "menberlist")->grid().cell(0, 9), newcomer)
        << "the roster beneath is drawn in its new order";

    tactics = pressTactics(main);
    ASSERT_TRUE(tactics);
    QTest::mouseClick(child<PanelButton>(tactics, "Pback"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(tactics.isNull());
    EXPECT_EQ(host->screens().size(), 1);
}

TEST_F(TacticsScreen, DuringTheHeadlessRunTheBoardOpensButTheLineUpWaits) {
    Tmain* main = inSeason();
    child<QRadioButton>(main, "rbskip")->setChecked(true);
    const auto before = rosterNames();
    bool looked = false;
    // Mid-run, the player opens the board and tries to change his line-up.
    QTimer::singleShot(0, main, [&] {
        Ttactics* tactics = pressTactics(main);
        ASSERT_NE(tactics, nullptr);
        EXPECT_TRUE(tactics->borderless());
        chooseRow(tactics, 16);
        rightClickMarker(tactics, 4);
        click(tactics, "Pok");
        click(tactics, "Pcoach");
        click(tactics, "Pmove");
        EXPECT_EQ(prompts.messages, std::vector<std::string>(3, kNotNowText));
        EXPECT_EQ(child<PanelButton>(tactics, "Pmove")->text(), "動かす");
        click(tactics, "Pback");
        looked = true;
    });
    QTest::mouseClick(child<PanelButton>(main, "Pnext"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(looked);
    EXPECT_EQ(rosterNames(), before);
    EXPECT_EQ(host->screens().size(), 1);

    // Once the run is over the line-up may change again.
    Ttactics* tactics = pressTactics(main);
    ASSERT_NE(tactics, nullptr);
    chooseRow(tactics, 16);
    rightClickMarker(tactics, 4);
    chooseRow(tactics, 4);
    rightClickMarker(tactics, 12);
    click(tactics, "Pok");
    EXPECT_EQ(world->team(0).getplayer(3).name, before[15]);
    EXPECT_EQ(world->team(0).getplayer(11).name, before[3]);
}

TEST_F(TacticsScreen, InAMatchTheNarrowBoardSwapsStartersAndBringsOnTheSubstitute) {
    world->startup();
    newgame(*world);
    TacticsBoardView view(*world, TacticsBoardView::Mode::inMatch);
    view.show();
    EXPECT_EQ(view.size(), QSize(320, 480));
    int row = -1;
    view.setChosenRow([&] { return row; });
    std::vector<std::pair<int, int>> subs;
    view.board().substitution = [&](int slot, int index) {
        subs.emplace_back(slot, index);
        return true;
    };
    auto* four = view.findChild<QLabel*>("Label04");
    auto* nine = view.findChild<QLabel*>("Label09");
    const QPoint fourAt = four->pos(), nineAt = nine->pos();

    row = 9;
    QTest::mouseClick(&view, Qt::RightButton, {}, four->geometry().center());
    EXPECT_EQ(four->pos(), nineAt);
    EXPECT_EQ(nine->pos(), fourAt);
    EXPECT_EQ(view.board().corners()[2], (Point{nineAt.x(), nineAt.y()}));

    row = 13;
    QTest::mouseClick(&view, Qt::RightButton, {}, view.findChild<QLabel*>("Label06")->geometry().center());
    EXPECT_EQ(subs, (std::vector<std::pair<int, int>>{{5, 12}}));
    EXPECT_EQ(view.findChild<QLabel*>("Label06")->text(), "13");
    EXPECT_EQ(view.findChild<QLabel*>("Label06n")->text().toStdString(), world->team(0).getplayer(12).name);
    EXPECT_FALSE(view.findChild<QLabel*>("Label12")->isVisibleTo(&view));
    EXPECT_FALSE(view.findChild<QLabel*>("Label13")->isVisibleTo(&view));
}

TEST_F(TacticsScreen, TheGamesOwnFileDialogSavesAndOpensAFormation) {
    world->startup();
    newgame(*world);
    MessageBoxPrompts asking;
    ScreenHost game(*world, asking, clock);
    Ttactics* tactics = game.openTactics();
    ASSERT_NE(tactics, nullptr);
    dragMarker(tactics, 3, {150, 150});
    const auto saved = markerCorners(tactics);

    // The player types a name without its extension.
    QString folder;
    QStringList offered;
    whenDialogOpens([&](QFileDialog* dialog) {
        folder = dialog->directory().absolutePath();
        offered = dialog->nameFilters();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("mine");
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
    });
    click(tactics, "Pformsave");
    EXPECT_EQ(fs::path(folder.toStdString()), fs::absolute(scratch.path("data/formation")));
    EXPECT_EQ(offered, QStringList({"フォーメーション (*.frm)", "すべてのファイル (*)"}));
    ASSERT_TRUE(fs::exists(scratch.path("data/formation/mine.frm")));

    dragMarker(tactics, 3, {220, 330});
    whenDialogOpens([&](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("mine.frm");
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
    });
    click(tactics, "Pformload");
    EXPECT_EQ(markerCorners(tactics), saved);
}

TEST_F(TacticsScreen, WithoutThePitchPictureThePlayerIsToldAndTheMainScreenStays) {
    Tmain* main = newGame();
    fs::remove(scratch.path("data/skin/pitch.jpg"));
    QTest::mouseClick(child<PanelButton>(main, "Ptact"), Qt::LeftButton);
    settle();
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("pitch.jpg"), std::string::npos) << prompts.errors[0];
    ASSERT_EQ(host->screens().size(), 1);
    EXPECT_EQ(host->screens().first(), main);
}

}  // namespace
}  // namespace vm
