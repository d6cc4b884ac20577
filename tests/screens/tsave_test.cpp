// SPDX-License-Identifier: GPL-3.0-or-later
// The save screen from the main screen and the title: saving under a new
// name and over an old one, loading back the same world, exporting the club
// with a comment, leaving by Esc or "Cancel", a main screen that waits beneath
// it, no file chosen until the player picks one, and damaged files and failed
// writes that cost nothing.
#include "screens/tsave.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <filesystem>

#include "league/newgame.h"
#include "league/savefiles.h"
#include "league/versus.h"
#include "save/save_support.h"
#include "save_fixture.h"
#include "screens/panelbutton.h"
#include "screens/tmain.h"
#include "screens/ttitle.h"
#include "screenshot.h"
#include "util/durablewrite.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

class SaveWindow : public test::SaveWindowTest {
protected:
    // A new game five match days into its first season, on its main screen.
    Tmain* gameInSeason() {
        world->startup();
        newgame(*world);
        test::playFiveRounds(*world);
        return host->openMain();
    }
    Tmain* gameBetweenSeasons() {
        world->startup();
        newgame(*world);
        return host->openMain();
    }
    Tsave* saveFrom(Tmain* main, const char* action) {
        trigger(main, action);
        Tsave* save = shownSave();
        EXPECT_NE(save, nullptr) << action;
        return save;
    }
};

TEST_F(SaveWindow, AGameSavedFromTheMainScreenLoadsFromTheTitleAsItWas) {
    Tmain* main = gameInSeason();
    Tsave* save = saveFrom(main, "menusave");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->size(), QSize(700, 520));
    EXPECT_TRUE(save->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(child<PanelButton>(save, "P0")->text(), "保存");
    EXPECT_TRUE(child<PanelButton>(save, "Pnewfile")->isVisible());
    EXPECT_EQ(child<GridView>(save, "grid")->grid().rowCount(), 1) << "no saved game yet";

    // A new name saves at once and the main screen is as it was.
    prompts.inputs = {std::string("春の陣")};
    QTest::mouseClick(child<PanelButton>(save, "Pnewfile"), Qt::LeftButton);
    settle();
    EXPECT_EQ(shownSave(), nullptr);
    ASSERT_EQ(host->screens(), QList<QWidget*>{main});
    EXPECT_EQ(main->flow().nextstep(), 1);
    EXPECT_EQ(fileBytes("data/savedata/春の陣.dat"), saveImage(*world));

    // The same name again: the question first, then the file is saved over.
    world->team(0).money += 300;
    save = saveFrom(main, "menusave");
    ASSERT_NE(save, nullptr);
    auto* list = child<GridView>(save, "grid");
    EXPECT_EQ(list->grid().cell(0, 1), "春の陣");
    EXPECT_FALSE(list->grid().cell(1, 1).empty()) << "the time it was saved";
    prompts.inputs = {std::string("春の陣")};
    prompts.yesno = {true};
    QTest::mouseClick(child<PanelButton>(save, "Pnewfile"), Qt::LeftButton);
    settle();
    EXPECT_EQ(prompts.questions,
              std::vector<std::string>{"ファイル名春の陣は既に存在しています。上書きしますか"});
    const std::string saved = fileBytes("data/savedata/春の陣.dat");
    EXPECT_EQ(saved, saveImage(*world));

    // Back to the title, which builds a fresh world, and the game loads into it.
    trigger(main, "tomenu");
    settle();
    auto* title = qobject_cast<Ttitle*>(host->screens().value(0));
    ASSERT_NE(title, nullptr);
    ASSERT_NE(saveImage(*world), saved);
    QTest::mouseClick(child<PanelButton>(title, "Pload"), Qt::LeftButton);
    Tsave* load = shownSave();
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(child<PanelButton>(load, "P0")->text(), "Load");
    EXPECT_FALSE(child<PanelButton>(load, "Pnewfile")->isVisible());
    doubleClick(child<GridView>(load, "grid"), rowOf(child<GridView>(load, "grid"), "春の陣"));
    settle();
    ASSERT_EQ(host->screens().size(), 1) << "the title screen and the save screen are gone";
    main = qobject_cast<Tmain*>(host->screens().first());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(saveImage(*world), saved);
    EXPECT_EQ(child<PanelButton>(main, "Pnext")->text(), "ＮＥＸＴ") << "in the season, as saved";
    EXPECT_EQ(child<QLabel>(main, "lbselectteam")->text(), "5節");

    // Chosen in the list and saved again, it is the same file byte for byte.
    save = saveFrom(main, "menusave");
    ASSERT_NE(save, nullptr);
    press(child<GridView>(save, "grid"), 1, 1);
    EXPECT_EQ(child<QLabel>(save, "lbsave")->text(), "春の陣");
    QTest::mouseClick(child<PanelButton>(save, "P0"), Qt::LeftButton);
    settle();
    EXPECT_EQ(shownSave(), nullptr);
    EXPECT_EQ(fileBytes("data/savedata/春の陣.dat"), saved);
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(SaveWindow, AGameSavedBetweenSeasonsLoadsBetweenSeasons) {
    Tmain* main = gameBetweenSeasons();
    Tsave* save = saveFrom(main, "menusave");
    ASSERT_NE(save, nullptr);
    prompts.inputs = {std::string("開幕前")};
    QTest::mouseClick(child<PanelButton>(save, "Pnewfile"), Qt::LeftButton);
    const std::string saved = fileBytes("data/savedata/開幕前.dat");

    trigger(main, "tomenu");
    settle();
    auto* title = qobject_cast<Ttitle*>(host->screens().value(0));
    ASSERT_NE(title, nullptr);
    QTest::mouseClick(child<PanelButton>(title, "Pload"), Qt::LeftButton);
    Tsave* load = shownSave();
    ASSERT_NE(load, nullptr);
    // By the keyboard alone: the arrow to the file, Enter to load it.
    auto* list = child<GridView>(load, "grid");
    EXPECT_EQ(load->focusWidget(), list) << "the list has the focus as the screen opens";
    QTest::keyClick(list, Qt::Key_Down);  // the autosave, listed first
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(child<QLabel>(load, "lbsave")->text(), "開幕前");
    QTest::keyClick(list, Qt::Key_Return);
    settle();
    main = qobject_cast<Tmain*>(host->screens().value(0));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(child<PanelButton>(main, "Pnext")->text(), "移籍");
    EXPECT_FALSE(world->leagues[0]);
    EXPECT_EQ(saveImage(*world), saved);
}

TEST_F(SaveWindow, AnExportKeepsTheClubWithTheCommentTyped) {
    Tmain* main = gameBetweenSeasons();
    Tsave* save = saveFrom(main, "vssave");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(child<GridView>(save, "grid")->grid().rowText(0), "data");
    EXPECT_EQ(child<PanelButton>(save, "P0")->text(), "保存");
    prompts.inputs = {std::string("挑戦状"), std::string("夏の大会で会いましょう")};
    QTest::mouseClick(child<PanelButton>(save, "Pnewfile"), Qt::LeftButton);
    settle();
    EXPECT_EQ(shownSave(), nullptr);
    ASSERT_EQ(prompts.typing.size(), 2u);
    EXPECT_EQ(prompts.typing[1].caption, "コメント追加");
    EXPECT_EQ(prompts.typing[1].initial, "なし");

    auto reader = scratch.world(2);
    const VersusClub v = readVersus(*reader, readPlayerFile(scratch.path("data/vs/挑戦状.dat")), 1);
    EXPECT_EQ(v.comment, "夏の大会で会いましょう");
    EXPECT_EQ(v.club->name, world->team(0).name);
    EXPECT_EQ(v.club->roster.size(), world->team(0).roster.size());
    EXPECT_EQ(main->flow().nextstep(), 0);
}

TEST_F(SaveWindow, TheMainScreenWaitsBeneathAndEscOrCancelLeaveWithoutWriting) {
    Tmain* main = gameInSeason();
    Tsave* save = saveFrom(main, "menusave");
    ASSERT_NE(save, nullptr);
    // The player clicks "ＮＥＸＴ" of the window beneath: nothing moves on.
    auto* next = child<PanelButton>(main, "Pnext");
    const QPoint at = next->mapTo(main, next->rect().center());
    QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_EQ(main->flow().nextstep(), 1);

    QTest::keyClick(child<GridView>(save, "grid"), Qt::Key_Escape);
    settle();
    EXPECT_EQ(shownSave(), nullptr);
    save = saveFrom(main, "vssave");
    ASSERT_NE(save, nullptr);
    QTest::mouseClick(child<PanelButton>(save, "Pcancel"), Qt::LeftButton);
    settle();
    EXPECT_EQ(shownSave(), nullptr);
    EXPECT_TRUE(fs::is_empty(scratch.path("data/savedata")));
    EXPECT_FALSE(fs::exists(scratch.path("data/vs")) && !fs::is_empty(scratch.path("data/vs")));
    EXPECT_TRUE(prompts.silent());

    // Without the save screen the same click plays on.
    QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_EQ(main->flow().nextstep(), 2);
}

TEST_F(SaveWindow, AFailedWriteIsReportedAndTheOldFileStays) {
    Tmain* main = gameInSeason();
    save(*world, savePath(*world, "keep"));
    const std::string before = fileBytes("data/savedata/keep.dat");
    world->team(0).money += 300;
    fs::create_directories(
        partFileOf(scratch.path("data/savedata/keep.dat")));  // where the new file would go
    Tsave* screen = saveFrom(main, "menusave");
    ASSERT_NE(screen, nullptr);
    auto* list = child<GridView>(screen, "grid");
    press(list, rowOf(list, "keep"));
    QTest::mouseClick(child<PanelButton>(screen, "P0"), Qt::LeftButton);
    settle();
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].rfind("保存できませんでした", 0), 0u) << prompts.errors[0];
    EXPECT_EQ(shownSave(), screen) << "the screen stays for another try";
    EXPECT_EQ(fileBytes("data/savedata/keep.dat"), before);
}

TEST_F(SaveWindow, NoFileIsChosenUntilThePlayerPicksOne) {
    Tmain* main = gameInSeason();
    save(*world, savePath(*world, "一つ目"));
    save(*world, savePath(*world, "二つ目"));
    world->team(0).money += 300;
    Tsave* screen = saveFrom(main, "menusave");
    ASSERT_NE(screen, nullptr);
    auto* list = child<GridView>(screen, "grid");
    auto* chosen = child<QLabel>(screen, "lbsave");
    ASSERT_EQ(list->grid().rowCount(), 3);
    const std::string first = list->grid().cell(0, 1);
    const std::string path = "data/savedata/" + first + ".dat";
    const std::string kept = fileBytes(path.c_str());

    // The window comes up and its list takes the focus; later Tab brings it back.
    QApplication::setActiveWindow(screen);
    settle();
    ASSERT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(chosen->text(), "");
    list->clearFocus();
    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(chosen->text(), "");

    // "保存" asks for a file and writes over none.
    QTest::mouseClick(child<PanelButton>(screen, "P0"), Qt::LeftButton);
    settle();
    EXPECT_EQ(prompts.messages, std::vector<std::string>{kChooseFileText});
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_TRUE(fileBytes(path.c_str()) == kept) << "the newest file is as it was";
    EXPECT_EQ(shownSave(), screen);

    // The arrow key is the player's choice: the first file, as a press would be.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(chosen->text().toStdString(), first);
}

TEST_F(SaveWindow, LoadingOrAVersusMatchWithNoFileOpensNothing) {
    QPointer<Ttitle> title = host->openTitle();
    ASSERT_TRUE(title);
    QTest::mouseClick(child<PanelButton>(title, "Pload"), Qt::LeftButton);
    settle();
    EXPECT_EQ(host->screens(), QList<QWidget*>{title.data()});
    EXPECT_TRUE(prompts.silent());

    // Nor does "データ対戦" with no versus file.
    QTest::mouseClick(child<PanelButton>(title, "Pvs"), Qt::LeftButton);
    settle();
    EXPECT_EQ(host->screens(), QList<QWidget*>{title.data()});
    EXPECT_TRUE(prompts.silent());
}

TEST_F(SaveWindow, ADamagedSavedGameIsRefusedAndTheRightOneStillLoads) {
    {
        auto other = test::newGame(scratch, 5);
        save(*other, savePath(*other, "good"));
        const std::string image = readBytes(savePath(*other, "good"));
        writeBytesAtomic(savePath(*other, "broken"), image.substr(0, image.size() / 2));
    }
    const std::string good = fileBytes("data/savedata/good.dat");
    QPointer<Ttitle> title = host->openTitle();
    ASSERT_TRUE(title);
    const test::Snapshot before = test::Snapshot::of(*world);
    QTest::mouseClick(child<PanelButton>(title, "Pload"), Qt::LeftButton);
    Tsave* load = shownSave();
    ASSERT_NE(load, nullptr);
    auto* list = child<GridView>(load, "grid");

    doubleClick(list, rowOf(list, "broken"));
    settle();
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].rfind("このファイルは読み込めません\n", 0), 0u) << prompts.errors[0];
    EXPECT_EQ(shownSave(), load);
    EXPECT_TRUE(title);
    before.expectSame(*world);

    doubleClick(list, rowOf(list, "good"));
    settle();
    EXPECT_FALSE(title);
    EXPECT_NE(qobject_cast<Tmain*>(host->screens().value(0)), nullptr);
    EXPECT_EQ(saveImage(*world), good);
}

TEST_F(SaveWindow, PicturesOfSavingLoadingAndExporting) {
    Tmain* main = gameInSeason();
    for (const char* name : {"序盤戦", "autumn", "第五節"}) save(*world, savePath(*world, name));
    for (const char* name : {"青空ＦＣ", "rival"}) vssave(*world, vsPath(*world, name), kNoComment);
    Tsave* screen = saveFrom(main, "menusave");
    ASSERT_NE(screen, nullptr);
    press(child<GridView>(screen, "grid"), 2);
    test::screenshot(screen, "save-game");
    screen->close();
    screen = saveFrom(main, "vssave");
    ASSERT_NE(screen, nullptr);
    press(child<GridView>(screen, "grid"), 1);
    test::screenshot(screen, "save-export");
    screen->close();

    trigger(main, "tomenu");
    settle();
    QTest::mouseClick(child<PanelButton>(host->screens().value(0), "Pload"), Qt::LeftButton);
    screen = shownSave();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(child<GridView>(screen, "grid")->grid().rowCount(), 5) << "the autosave, then the three saves";
    press(child<GridView>(screen, "grid"), 1);
    EXPECT_FALSE(child<QLabel>(screen, "lbsave")->text().isEmpty());
    test::screenshot(screen, "save-load");
}

}  // namespace
}  // namespace vm
