// SPDX-License-Identifier: GPL-3.0-or-later
// Whole careers played through the real screens on a clock that never waits.
// Two seasons from the title's "新規スタート" with everything a player does
// (offers, answers and a refusal on cards, a formation, a watched match with
// a substitution, a versus club brought in, a doctor, a youth player, a save,
// the title and a load), the world checked at every hand-over; and one plain
// season whose saved game is the tool's own, byte for byte.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "career_screens.h"
#include "match/tgame.h"
#include "match_driving.h"
#include "screens/matchpitch.h"
#include "screens/tmatch.h"
#include "screens/tmatchdata.h"
#include "support/tool.h"

namespace vm {
namespace {
using test::frames;
using test::NewsPlan;
using test::pressRow;
using test::runUntil;

// Seed 3: its first window brings an offer for one of our players that may
// be refused and a cheap player of a computer club that his owner lets go,
// and another club ends the first season last in Division 2.
constexpr std::uint64_t kCareerSeed = 3;
// Seed 36: its window brings offers for our players, and the computer rule
// promotes both youth players after it.
constexpr std::uint64_t kPlainSeed = 36;

class CareerOnScreen : public test::CareerScreens {
protected:
    static QLabel* boardMarker(Tmatch* m, int n) {
        return child<QLabel>(m->board(), QString("Label%1").arg(n, 2, 10, QChar('0')).toUtf8().constData());
    }

    // "試合観戦": the match on screen, the first substitute brought on for
    // the sixth man with the right button and marker 05 dragged, then played
    // out to the news.
    void watchMatchDay() {
        Tmain* main = shown<Tmain>();
        ASSERT_NE(main, nullptr);
        const std::string when = "match day " + std::to_string(round() + 1) + " watched";
        writeLines(world->path("data/msp.dat"), {"6"});
        clock.step = LiveMatch::kFrameGap + 1;  // every poll finds a frame due
        child<QRadioButton>(main, "rbwatch")->setChecked(true);
        click(main, "Pnext");
        click(main, "Pnext");
        handOver(when + ": the match", {"Tmatch"}, round());
        QPointer<Tmatch> m = shown<Tmatch>();
        ASSERT_TRUE(m);
        ASSERT_NE(m->board(), nullptr);
        frames(m, 20);

        const std::string incoming = world->team(0).getplayer(11).name;
        pressRow(m->scoreboard().squad(0), 12, sqName);
        QTest::mouseClick(m->board(), Qt::RightButton, {}, boardMarker(m, 6)->geometry().center());
        EXPECT_EQ(m->match().game().sublog[0].slot, 5);
        EXPECT_EQ(m->match().game().sublog[0].index, 11);
        const QPoint from = boardMarker(m, 5)->geometry().center(), to(150, 200);
        QTest::mousePress(m->board(), Qt::LeftButton, {}, from);
        QTest::mouseMove(m->board(), (from + to) / 2);
        QTest::mouseMove(m->board(), to);
        QTest::mouseRelease(m->board(), Qt::LeftButton, {}, to);
        frames(m, 1);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->match().game().men[0][4].basex, to.x());
        EXPECT_EQ(m->scoreboard().squad(0)->grid().cell(sqName, 6), incoming);

        runUntil(m, [] { return false; });
        clock.step = 1;
        handOver(when + ": the news", {"Tnews"}, round() + 1);
        readNews({}, when);
        afterNews(when);
    }
};

TEST_F(CareerOnScreen, TwoSeasonsThroughEveryScreenKeepTheWorldInOrderAtEveryHandOver) {
    QElapsedTimer timer;
    timer.start();
    useSeed(kCareerSeed);
    Tmain* main = newGameFromTitle();
    ASSERT_NE(main, nullptr);
    main = changeFormation(main, {150, 300});
    ASSERT_NE(main, nullptr);
    exportClub(main, "ライバル");

    // The first window: an offer made on a card, one of ours refused.
    const test::WindowReport window = playWindow(main, {.offer = true, .refuse = true});
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_FALSE(window.refused.empty()) << "no offer for one of ours could be refused";
    bool signed_ = false;
    for (const auto& p : world->team(0).roster) signed_ |= p->name == window.offered;
    EXPECT_TRUE(signed_) << window.offered << " of club " << window.offeredFrom << " did not join us";

    // The news after it: one youth player promoted, and the season begins.
    readNews(NewsPlan::oneYouthPromoted(), "after the first window");
    afterNews("the first season begins");
    ASSERT_FALSE(promoted.empty());
    const Tteam& ours = world->team(0);
    const auto named = [&](const PlayerList& list) {
        return std::any_of(list.begin(), list.end(), [&](const auto& p) { return p->name == promoted; });
    };
    EXPECT_TRUE(named(ours.roster) || named(ours.injured)) << promoted << " joined the first team";
    EXPECT_FALSE(named(ours.youth));

    while (round() < 2 && !HasFatalFailure()) skipMatchDay();
    watchMatchDay();
    ASSERT_FALSE(HasFatalFailure());

    // The season's end: the exported club replaces Division 2's last.
    skipToSeasonEnd(NewsPlan::replacedBy("ライバル"));
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(world->kanri.year, 2);
    int copies = 0;
    for (int c = 0; c < kClubCount; ++c) copies += world->team(c).name == world->team(0).name;
    EXPECT_EQ(copies, 2) << "the versus club plays beside us";

    // Saved, back to the title, loaded, and the whole next season.
    main = shown<Tmain>();
    ASSERT_NE(main, nullptr);
    const std::string saved = saveGame(main, "一年目");
    main = backToTitleAndLoad(main, "一年目", saved);
    ASSERT_NE(main, nullptr);
    playWindow(main, {});
    readNews({}, "after the second window");
    afterNews("the second season begins");
    skipToSeasonEnd({});
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(world->kanri.year, 3);

    // Nothing of the two seasons stays behind but the main screen.
    settle();
    ASSERT_EQ(host->screens().size(), 1);
    EXPECT_NE(qobject_cast<Tmain*>(host->screens().first()), nullptr);
    EXPECT_EQ(gameWindows().size(), 1);
    EXPECT_TRUE(prompts.errors.empty()) << prompts.errors.front();
    EXPECT_TRUE(prompts.done());
    RecordProperty("hand_overs", handOvers);
    RecordProperty("milliseconds", static_cast<int>(timer.elapsed()));
}

TEST_F(CareerOnScreen, APlainSeasonOnScreenSavesTheToolsGameByteForByte) {
    // The plain coach's choices, made on the screens: every offer for our
    // players accepted, no offer made, every match skipped, the youth players
    // the computer rule takes, the best doctor the money reaches.
    useSeed(kPlainSeed);
    Tmain* main = newGameFromTitle();
    ASSERT_NE(main, nullptr);
    const test::WindowReport window = playWindow(main, {});
    const std::size_t youth = world->team(0).youth.size();
    readNews({}, "after the window");
    EXPECT_GT(window.cards, 0) << "offers for our players were answered on cards";
    EXPECT_LT(world->team(0).youth.size(), youth) << "the computer rule promoted youth players";
    afterNews("the season begins");
    skipToSeasonEnd({});
    ASSERT_FALSE(HasFatalFailure());
    main = shown<Tmain>();
    ASSERT_NE(main, nullptr);
    const std::string saved = saveGame(main, "plain");

    const auto file = scratch.root() / "tool.dat";
    const test::ToolRun run = test::runTool(
        {"simulate", "--seed", std::to_string(kPlainSeed), "--seasons", "1", "--save", file.string()},
        scratch.root());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(readBytes(file) == saved) << "the screens' season and the tool's differ";
}

}  // namespace
}  // namespace vm
