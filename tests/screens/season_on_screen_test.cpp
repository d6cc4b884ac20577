// SPDX-License-Identifier: GPL-3.0-or-later
// A whole season clicked through the real main screen and news screen leaves
// the world exactly as the same season played by the flow's loop: the screens
// add nothing and leave nothing out.
#include <QElapsedTimer>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "league/autosaves.h"
#include "league/newgame.h"
#include "league/savegame.h"
#include "league/tleague.h"
#include "news_screen.h"
#include "season/career.h"
#include "season/simplecoach.h"

namespace vm {
namespace {

class SeasonOnScreen : public test::ScreenTest {
protected:
    // A new game through its first transfer window and the news after it, the
    // plain coach deciding: the season has started.
    static void startSeason(World& w) {
        w.startup();
        newgame(w);
        SimpleCoach coach;
        ASSERT_TRUE(playtransferwindow(w, coach));
        playnews(w, kAfterTransfers, coach);
        ASSERT_TRUE(w.leagues[0]);
    }

    // One match day as the player clicks it: "ＮＥＸＴ" twice, then every page
    // of the news, answering the doctor page as the plain coach would.
    // Returns the milliseconds the news took.
    qint64 clickMatchDay() {
        Tmain* main = nullptr;
        for (QWidget* w : host->screens()) main = main ? main : qobject_cast<Tmain*>(w);
        if (!main) {
            ADD_FAILURE() << "no main screen";
            return 0;
        }
        child<QRadioButton>(main, "rbskip")->setChecked(true);
        auto* next = child<PanelButton>(main, "Pnext");
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        settle();
        Tnews* news = nullptr;
        for (QWidget* w : host->screens()) news = news ? news : qobject_cast<Tnews*>(w);
        if (!news) {
            ADD_FAILURE() << "no news screen";
            return 0;
        }
        QElapsedTimer timer;
        timer.start();
        SimpleCoach coach;
        while (!news->programme().finished()) {
            if (news->programme().page().kind == PageKind::doctor) {
                GridView* doctors = child<GridView>(news, "grid");
                test::pressRow(doctors, coach.doctor(world->team(0), doctors->grid()));
            }
            QTest::mouseClick(child<QPlainTextEdit>(news, "memomes")->viewport(), Qt::LeftButton);
        }
        settle();
        return timer.elapsed();
    }
};

TEST_F(SeasonOnScreen, EveryMatchSkippedLeavesTheSameWorldAsTheFlowsOwnSeason) {
    test::Scratch otherFolder;
    std::unique_ptr<World> flow = otherFolder.world(7, false);
    startSeason(*flow);
    SimpleCoach coach;
    while (flow->leagues[0]) playday(*flow, coach);

    startSeason(*world);
    host->openMain();
    int days = 0;
    qint64 slowest = 0;
    while (world->leagues[0] && days <= kRounds) {
        slowest = std::max(slowest, clickMatchDay());
        ++days;
    }
    RecordProperty("slowest_programme_ms", static_cast<int>(slowest));
    EXPECT_EQ(days, kRounds);
    EXPECT_TRUE(prompts.silent());
    EXPECT_EQ(world->kanri.year, 2);
    EXPECT_TRUE(saveImage(*world) == saveImage(*flow)) << "the saved games differ";
    EXPECT_EQ(listAutosaves(*world).size(), kAutosavesKept) << "autosaved on the way, unlike the flow";
    EXPECT_EQ(world->Random(1 << 30), flow->Random(1 << 30)) << "the generators parted";
}

}  // namespace
}  // namespace vm
