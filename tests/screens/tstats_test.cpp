// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window and the in-match statistics panel on screen: the five
// pages over a played career, the refusal during a headless run, the close at
// a hand-over, the player card's way to his chart, and S over the pitch.
#include "screens/tstats.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QLineSeries>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "match_driving.h"
#include "screen_fixture.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/qtext.h"
#include "screens/statspanel.h"
#include "screens/tmain.h"
#include "screens/tplayerdata.h"
#include "screenshot.h"
#include "season/career.h"
#include "season/matchdayflow.h"
#include "season/newsprogramme.h"
#include "season/simplecoach.h"
#include "util/textfile.h"

namespace vm {
namespace {

class StatsScreen : public test::ScreenTest {
protected:
    // A career of `seasons` seasons and three match days of the next, played
    // by the plain coach.
    void career(int seasons) {
        world->startup();
        newgame(*world);
        SimpleCoach coach;
        for (int s = 0; s < seasons; ++s) playseason(*world, coach);
        playtransferwindow(*world, coach);
        playnews(*world, kAfterTransfers, coach);
        for (int d = 0; d < 3; ++d) playday(*world, coach);
    }
    Tstats* openFromMenu(Tmain* main) {
        main->findChild<QAction*>("stats")->trigger();
        for (QWidget* w : host->screens())
            if (auto* s = qobject_cast<Tstats*>(w)) return s;
        return nullptr;
    }
};

TEST_F(StatsScreen, TheFivePagesShowTheCareerAndAHandOverClosesTheWindow) {
    // Five seasons for the pictures of docs/screens, one otherwise.
    const int seasons = qEnvironmentVariableIsSet("VM_SCREENSHOTS") ? 5 : 1;
    career(seasons);
    Tmain* main = host->openMain();
    QPointer<Tstats> stats = openFromMenu(main);
    ASSERT_TRUE(stats);
    QTabWidget* tabs = stats->tabs();
    ASSERT_EQ(tabs->count(), 5);

    EXPECT_EQ(child<QListWidget>(stats, "listmatches")->count(), 10);
    EXPECT_NE(child<QListWidget>(stats, "listmatches")->item(0)->text().indexOf(qstr(world->team(0).name)),
              -1);
    const auto positions = child<QChartView>(stats, "chartpositions")->chart()->series();
    ASSERT_EQ(positions.size(), 10);
    EXPECT_EQ(static_cast<QLineSeries*>(positions[0])->count(), 3);
    EXPECT_EQ(child<GridView>(stats, "gridseasons")->grid().rowCount(), seasons + 1);
    QComboBox* players = child<QComboBox>(stats, "comboplayer");
    ASSERT_GT(players->count(), 10);
    stats->showPage(Tstats::players, players->itemData(2).toInt());
    EXPECT_EQ(players->currentIndex(), 2);
    EXPECT_EQ(child<QChartView>(stats, "chartplayer")->chart()->series().size(), 7);

    const char* names[] = {"stats-matches", "stats-positions", "stats-seasons", "stats-records",
                           "stats-player"};
    for (int page = 0; page < 5; ++page) {
        tabs->setCurrentIndex(page);
        settle();  // the charts lay out their new contents on a posted event
        test::screenshot(stats, names[page]);
    }

    // The card of a player of the club reaches the same chart.
    Tplayerdata* card = host->openCard(0, 4);
    ASSERT_TRUE(card);
    QTest::mouseClick(child<PanelButton>(card, "Pchart"), Qt::LeftButton);
    EXPECT_EQ(stats->tabs()->currentIndex(), Tstats::players);
    EXPECT_EQ(players->currentData().toInt(), world->team(0).roster[4]->statsid);

    host->openMain();
    settle();
    EXPECT_FALSE(stats) << "a hand-over closes the statistics";
}

TEST_F(StatsScreen, TheStatisticsCannotBeOpenedDuringAHeadlessRun) {
    world->startup();
    newgame(*world);
    seasonstart(*world);
    for (auto& l : world->leagues) l->round = 0;
    Tmain* main = host->openMain();
    ASSERT_TRUE(openFromMenu(main));  // open before the run: the run closes it
    child<QRadioButton>(main, "rbskip")->setChecked(true);
    QTimer::singleShot(0, main, [&] {
        EXPECT_EQ(openFromMenu(main), nullptr);
        EXPECT_EQ(host->openStats(Tstats::players), nullptr);  // a player card's way in
    });
    QTest::mouseClick(child<PanelButton>(main, "Pnext"), Qt::LeftButton);
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{kNotNowText, kNotNowText}));
}

TEST_F(StatsScreen, SShowsAndHidesThePanelWhichRepaintsOnlyWhenAFigureChanges) {
    world->startup();
    newgame(*world);
    seasonstart(*world);
    for (auto& l : world->leagues) l->round = 0;
    writeLines(world->path("data/msp.dat"), {"6"});
    clock.step = LiveMatch::kFrameGap + 1;
    Tmain* main = host->openMain();
    auto* next = child<PanelButton>(main, "Pnext");
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    settle();
    QPointer<Tmatch> m;
    for (QWidget* w : host->screens())
        if (auto* t = qobject_cast<Tmatch*>(w)) m = t;
    ASSERT_TRUE(m);
    StatsPanel& panel = m->statsPanel();
    EXPECT_FALSE(panel.isVisible());
    QTest::keyClick(m, Qt::Key_S);
    EXPECT_TRUE(panel.isVisible());
    test::frames(m, 300);
    EXPECT_FALSE(panel.lines().empty());
    EXPECT_GT(panel.repaints(), 1);
    EXPECT_LT(panel.repaints(), 300) << "only a changed figure repaints";
    settle();
    test::screenshot(m, "match-stats-panel");
    QTest::keyClick(m, Qt::Key_S);
    EXPECT_FALSE(panel.isVisible());
    const int before = panel.repaints();
    test::frames(m, 50);
    EXPECT_EQ(panel.repaints(), before) << "a hidden panel is left alone";
    prompts.yesno = {true};
    m->close();
    settle();
}

}  // namespace
}  // namespace vm
