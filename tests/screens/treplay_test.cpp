// SPDX-License-Identifier: GPL-3.0-or-later
// The replay viewer driven like a player would: opened from the main screen's
// menu over it, a kept replay played on the fast clock, jumps to the goals,
// steps and keys, a damaged or cut-off record, and deleting a kept replay.
#include "screens/treplay.h"

#include <QAction>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "match/tgame.h"
#include "screen_fixture.h"
#include "screens/goalslider.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/replaypitch.h"
#include "screens/tmain.h"
#include "screenshot.h"
#include "season/livematch.h"
#include "season/livereplay.h"
#include "season/matchdayflow.h"
#include "season/replaylibrary.h"
#include "util/textfile.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

class ReplayViewer : public test::ScreenTest {
protected:
    void SetUp() override {
        world->startup();
        newgame(*world);
        seasonstart(*world);
        for (auto& l : world->leagues) l->round = 0;
    }

    // A whole match watched with recording on, kept as a replay. The match is
    // played once for the whole suite; each test keeps its own copy.
    fs::path keepWatchedMatch(bool givenUp = false) {
        static const std::tuple<Replay, KeptMatch, WatchNotes> watched = [this] {
            writeBytesAtomic(world->path("data/vtr"), "");
            writeBytesAtomic(world->path("data/msp.dat"), "6\r\n");
            MatchDayFlow day(*world);  // the first match day, prepared for watching
            day.click();
            day.toautomatch(false);
            LiveMatch match(*world, true, 0);
            LiveMatch::Millis now = 0;
            while (!match.finished()) {
                match.idle(now += LiveMatch::kFrameGap + 1);
                if (match.holding()) match.soundEnded();
            }
            return std::tuple{replayof(*world, match.game(), match.speed()), keptmatch(*world, match),
                              match.notes()};
        }();
        KeptMatch described = std::get<1>(watched);
        described.partial = givenUp;
        return keepreplay(*world, std::get<0>(watched), described, &std::get<2>(watched));
    }

    static void click(PanelButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void pressRow(GridView* grid, int gridRow) {
        const QRect cell = grid->visualRect(grid->table().index(grid->table().modelRow(gridRow), 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Event loop passes (each one polls the fast clock) until `done` or a bound.
    static bool runUntil(const std::function<bool()>& done) {
        for (int pass = 0; pass < 20000 && !done(); ++pass) QCoreApplication::processEvents();
        return done();
    }
};

TEST_F(ReplayViewer, TheMainMenuOpensTheViewerOverTheMainScreenWithTheKeptReplaysNewestFirst) {
    const fs::path older = keepWatchedMatch();
    const fs::path newer = keepWatchedMatch();
    Tmain* main = host->openMain();
    QAction* entry = main->findChild<QAction*>("replays");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), "リプレイ");
    entry->trigger();

    ASSERT_EQ(host->screens().size(), 2);
    EXPECT_EQ(host->screens()[0], main) << "the main screen stays";
    auto* viewer = qobject_cast<Treplay*>(host->screens()[1]);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isModal());
    const Grid& list = child<GridView>(viewer, "gridreplays")->grid();
    ASSERT_EQ(list.rowCount(), 3);
    const KeptMatch& m = *viewer->kept()[0].match;
    EXPECT_EQ(viewer->kept()[0].file, newer);
    EXPECT_EQ(viewer->kept()[1].file, older);
    EXPECT_EQ(list.rowText(1), "1年目 1節," + m.names[0] + "," + std::to_string(m.goals[0]) + " - " +
                                   std::to_string(m.goals[1]) + "," + m.names[1]);
    EXPECT_EQ(viewer->view(), nullptr) << "nothing plays before a replay is chosen";

    settle();  // the viewer has become the active window
    QTest::keyClick(viewer, Qt::Key_Escape);
    settle();
    EXPECT_EQ(host->screens().size(), 1);
}

TEST_F(ReplayViewer, AKeptReplayPlaysOnTheClockJumpsToItsGoalsAndSteps) {
    keepWatchedMatch();
    Treplay* viewer = host->openReplays();
    ASSERT_NE(viewer, nullptr);
    pressRow(child<GridView>(viewer, "gridreplays"), 1);
    const ReplayView* view = viewer->view();
    ASSERT_NE(view, nullptr);
    ASSERT_GE(view->goals().size(), 2u) << "the story needs a match with goals";
    auto* slider = child<GoalSlider>(viewer, "Sbposition");
    auto* pitch = child<ReplayPitch>(viewer, "imgpitch");
    auto* frame = child<QLabel>(viewer, "lbframe");
    EXPECT_EQ(slider->goals(), view->goals());
    EXPECT_EQ(slider->maximum(), view->frames() - 1);
    EXPECT_EQ(child<PanelButton>(viewer, "Pplay")->text(), "一時停止");

    // Playing: a frame each time the clock has moved on 17 ms.
    ASSERT_TRUE(runUntil([&] { return view->current() >= 3; }));
    EXPECT_EQ(frame->text(), QString("%1 / %2").arg(view->current() + 1).arg(view->frames()));
    EXPECT_EQ(slider->value(), view->current());

    QTest::keyClick(viewer, Qt::Key_Space);
    EXPECT_FALSE(view->playing());
    const int paused = view->current();
    QCoreApplication::processEvents();
    EXPECT_EQ(view->current(), paused);

    click(child<PanelButton>(viewer, "Pnextgoal"));
    EXPECT_EQ(view->current(), view->goals()[0]);
    QTest::keyClick(viewer, Qt::Key_PageDown);
    EXPECT_EQ(view->current(), view->goals()[1]);
    QTest::keyClick(viewer, Qt::Key_PageUp);
    EXPECT_EQ(view->current(), view->goals()[0]);
    EXPECT_EQ(child<QLabel>(viewer, "lbgoals")->text(), QString("ゴール 1/%1").arg(view->goals().size()));
    // Frozen through the celebration: the men stand where they stood just before the goal.
    const auto before = framepicture(view->replay().frames[view->goals()[0] - 1]).shirts;
    ASSERT_TRUE(pitch->frame());
    EXPECT_EQ(pitch->frame()->shirts, before);
    // Below the pitch, the clock and the score the scoreboard showed.
    const FrameFigures shown = view->figures();
    EXPECT_EQ(child<QLabel>(viewer, "lbtime")->text().toStdString(), shown.clock);
    EXPECT_NE(shown.clock, "0：00");
    EXPECT_EQ(child<QLabel>(viewer, "lbzikyo")->text().toStdString(), shown.commentary);
    EXPECT_FALSE(shown.commentary.empty());
    EXPECT_EQ(child<QLabel>(viewer, "lbg0")->text().toInt() + child<QLabel>(viewer, "lbg1")->text().toInt(),
              0)
        << "the first goal counts once its celebration is over";

    QTest::keyClick(viewer, Qt::Key_Right);
    EXPECT_EQ(view->current(), view->goals()[0] + 1);
    QTest::keyClick(viewer, Qt::Key_Left);
    QTest::keyClick(viewer, Qt::Key_Left);
    EXPECT_EQ(view->current(), view->goals()[0] - 1);
    EXPECT_FALSE(pitch->goalCaption());
    for (int k = 0; k < 36; ++k) click(child<PanelButton>(viewer, "Pforward"));
    EXPECT_TRUE(pitch->goalCaption()) << "GOAL！！ is up a few frames into the celebration";
    EXPECT_EQ(pitch->frame()->shirts, before);
    test::screenshot(viewer, "replay-goal");

    // Space plays and pauses even where a button has the focus.
    auto* next = child<PanelButton>(viewer, "Pnextgoal");
    next->setFocus();
    const int here = view->current();
    QTest::keyClick(next, Qt::Key_Space);
    EXPECT_TRUE(view->playing());
    EXPECT_EQ(view->current(), here);
    QTest::keyClick(next, Qt::Key_Space);
    EXPECT_FALSE(view->playing());

    QTest::keyClick(viewer, Qt::Key_Plus);
    EXPECT_EQ(child<QLabel>(viewer, "lbspeed")->text(), "×2");
    QTest::keyClick(viewer, Qt::Key_Minus);
    QTest::keyClick(viewer, Qt::Key_Minus);
    EXPECT_EQ(child<QLabel>(viewer, "lbspeed")->text(), "×1/2");

    slider->setValue(view->frames() - 1);
    EXPECT_EQ(view->current(), view->frames() - 1);
    EXPECT_FALSE(child<PanelButton>(viewer, "Pforward")->isEnabled());
}

TEST_F(ReplayViewer, ADamagedRecordIsRefusedWithItsReasonAndTheListStays) {
    keepWatchedMatch();
    const fs::path bad = world->path(kReplayFolder) / "0100_bad.dat";
    writeBytesAtomic(bad, std::string(8, '\x7f') + "garbage");
    Treplay* viewer = host->openReplays(bad);
    ASSERT_NE(viewer, nullptr);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].rfind("このファイルは読み込めません\n", 0), 0u) << prompts.errors[0];
    EXPECT_EQ(viewer->view(), nullptr);
    EXPECT_FALSE(child<PanelButton>(viewer, "Pplay")->isEnabled());

    // The good replay still plays (chosen with the keys); choosing the bad one then leaves it on show.
    auto* grid = child<GridView>(viewer, "gridreplays");
    ASSERT_EQ(grid->grid().rowCount(), 3);
    settle();  // the viewer has become the active window
    grid->setFocus();
    grid->selectGridRow(2);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_NE(viewer->view(), nullptr);
    pressRow(grid, 1);
    EXPECT_EQ(prompts.errors.size(), 2u);
    ASSERT_NE(viewer->view(), nullptr);
    EXPECT_GT(viewer->view()->frames(), 1000);
}

TEST_F(ReplayViewer, ACutOffRecordPlaysTheFramesItHasAndSaysItIsCutShort) {
    const fs::path kept = keepWatchedMatch();
    const std::string bytes = readBytes(kept);
    const int frames = ReplayView(readreplayfile(kept).replay).frames();
    writeBytesAtomic(kept, bytes.substr(0, bytes.size() - 100));
    Treplay* viewer = host->openReplays(kept);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(prompts.errors.empty());
    ASSERT_NE(viewer->view(), nullptr);
    EXPECT_EQ(viewer->view()->frames(), frames - 1);
    EXPECT_EQ(child<QLabel>(viewer, "lbmatch")->text().toStdString(),
              replaytitle(kept, viewer->kept()[0].match));
    EXPECT_EQ(child<QLabel>(viewer, "lbnote")->text(),
              QString("記録が%1コマ目の途中で切れています。残っている%2コマを再生します")
                  .arg(frames)
                  .arg(frames - 1));
}

TEST_F(ReplayViewer, DeletingAKeptReplayAsksFirst) {
    const fs::path older = keepWatchedMatch();
    const fs::path newer = keepWatchedMatch();
    Treplay* viewer = host->openReplays();
    auto* grid = child<GridView>(viewer, "gridreplays");
    pressRow(grid, 1);
    ASSERT_NE(viewer->view(), nullptr);

    prompts.yesno = {false};
    click(child<PanelButton>(viewer, "Pdelete"));
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0],
              "「" + replaytitle(newer, viewer->kept()[0].match) + "」のリプレイを削除しますか？");
    EXPECT_TRUE(fs::exists(newer));

    prompts.yesno = {true};
    click(child<PanelButton>(viewer, "Pdelete"));
    EXPECT_FALSE(fs::exists(newer));
    EXPECT_TRUE(fs::exists(older));
    EXPECT_EQ(grid->grid().rowCount(), 2);
    EXPECT_EQ(viewer->view(), nullptr) << "the deleted replay is no longer on show";
}

TEST_F(ReplayViewer, AnEmptyListSaysHowWatchedMatchesComeToBeKept) {
    fs::remove(world->path("data/vtr"));
    Treplay* viewer = host->openReplays();
    ASSERT_NE(viewer, nullptr);
    auto* hint = child<QLabel>(viewer, "lbempty");
    EXPECT_TRUE(hint->isVisible());
    const QString off = hint->text().remove(QChar(0x200B));
    EXPECT_EQ(off.toStdString(), noreplaystext(*world));
    EXPECT_TRUE(off.contains(QString::fromStdString(world->path("data/vtr").generic_string())));
    test::screenshot(viewer, "replay-empty");

    // With the switch on it says so; once a replay is kept the list speaks for itself.
    writeBytesAtomic(world->path("data/vtr"), "");
    viewer = host->openReplays();
    settle();
    hint = child<QLabel>(viewer, "lbempty");
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text().toStdString(), noreplaystext(*world));
    EXPECT_NE(hint->text(), off);
    keepWatchedMatch();
    viewer = host->openReplays();
    settle();
    EXPECT_FALSE(child<QLabel>(viewer, "lbempty")->isVisible());
    EXPECT_FALSE(child<QLabel>(viewer, "lblegend")->isVisible()) << "no record stops part-way";
}

TEST_F(ReplayViewer, AGivenUpMatchIsMarkedInTheListAndTitledAsStoppingPartWay) {
    keepWatchedMatch();
    const fs::path kept = keepWatchedMatch(true);
    Treplay* viewer = host->openReplays(kept);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->kept()[0].match->partial);
    const Grid& list = child<GridView>(viewer, "gridreplays")->grid();
    EXPECT_EQ(list.cell(0, 1), "1年目 1節※");
    EXPECT_EQ(list.cell(0, 2), "1年目 1節");
    auto* legend = child<QLabel>(viewer, "lblegend");
    EXPECT_TRUE(legend->isVisible());
    EXPECT_EQ(legend->text(), "※ 観戦をやめた試合：記録は途中までです");
    EXPECT_TRUE(child<QLabel>(viewer, "lbmatch")->text().endsWith("（途中まで）"));
    test::screenshot(viewer, "replay-partial");
}

TEST_F(ReplayViewer, AReplayThatCannotBeDeletedStaysOnShowAndListedWithTheReason) {
    keepWatchedMatch();
    const fs::path newer = keepWatchedMatch();
    Treplay* viewer = host->openReplays();
    auto* grid = child<GridView>(viewer, "gridreplays");
    pressRow(grid, 1);
    ASSERT_NE(viewer->view(), nullptr);
    const QString title = child<QLabel>(viewer, "lbmatch")->text();
    // Something the game cannot remove now stands where the record was.
    fs::remove(newer);
    fs::create_directory(newer);
    writeBytesAtomic(newer / "inside", "x");

    prompts.yesno = {true};
    click(child<PanelButton>(viewer, "Pdelete"));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], newer.generic_string() + " を削除できません");
    ASSERT_NE(viewer->view(), nullptr) << "the replay is still on show";
    EXPECT_EQ(child<QLabel>(viewer, "lbmatch")->text(), title);
    EXPECT_EQ(grid->grid().rowCount(), 3) << "and still listed";
    EXPECT_EQ(grid->currentGridRow(), 1);
    EXPECT_TRUE(child<PanelButton>(viewer, "Pplay")->isEnabled());
}

}  // namespace
}  // namespace vm
