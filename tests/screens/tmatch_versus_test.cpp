// SPDX-License-Identifier: GPL-3.0-or-later
// A versus match on screen, clicked through like a player would on a clock
// that never waits: two versus files chosen from the title screen's
// "データ対戦" (one with its own Japanese names and comment), the match
// without a tactics board, the result of the match played, the title screen.
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <array>

#include "league/savefiles.h"
#include "league/tleague.h"
#include "league/versus.h"
#include "match/tgame.h"
#include "match_driving.h"
#include "news_screen.h"
#include "save/save_support.h"
#include "screens/matchpitch.h"
#include "screens/panelbutton.h"
#include "screens/tmatch.h"
#include "screens/tnews.h"
#include "screens/ttitle.h"
#include "screens/tversus.h"
#include "screenshot.h"
#include "util/textfile.h"

namespace vm {
namespace {
using test::pressRow;

class VersusMatchWindow : public test::ScreenTest {
protected:
    // Club 0 of a game of its own as another player exports it; with a name,
    // it also gets that name, players named after it and a comment.
    void exportClub(std::uint64_t seed, const char* file, const std::string& club = {},
                    const std::string& comment = kNoComment) {
        auto other = test::newGame(scratch, seed);
        Tteam& mine = other->team(0);
        if (!club.empty()) {
            mine.name = club;
            const char* numbers[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
            for (std::size_t i = 0; i < mine.roster.size(); ++i)
                mine.roster[i]->name = std::string("空野　") + (i >= 10 ? "十" : "") + numbers[i % 10];
        }
        vssave(*other, vsPath(*other, file), comment);
    }
};

// True when `line` ends with one of the club's players' names.
bool endsWithPlayerOf(const std::string& line, const Tteam& club) {
    for (const auto& p : club.roster)
        if (line.size() >= p->name.size() &&
            line.compare(line.size() - p->name.size(), p->name.size(), p->name) == 0)
            return true;
    return false;
}

TEST_F(VersusMatchWindow, TwoVersusClubsPlayToTheEndThenTheResultThenTheTitle) {
    exportClub(23, "left", "青空ＦＣ", "よろしくお願いします");
    exportClub(22, "right");
    writeLines(world->path("data/msp.dat"), {"6"});
    clock.step = LiveMatch::kFrameGap + 1;
    QPointer<Ttitle> title = host->openTitle();
    ASSERT_TRUE(title);
    ASSERT_TRUE(child<PanelButton>(title, "Pvs")->isEnabled());
    QTest::mouseClick(child<PanelButton>(title, "Pvs"), Qt::LeftButton);
    settle();
    Tversus* save = nullptr;
    for (QWidget* w : host->screens()) save = save ? save : qobject_cast<Tversus*>(w);
    ASSERT_NE(save, nullptr);
    auto* list = child<GridView>(save, "grid");
    const auto rowOf = [&](const char* name) {
        for (int r = 1; r < list->grid().rowCount(); ++r)
            if (list->grid().cell(1, r) == name) return r;
        return -1;
    };
    pressRow(list, rowOf("left"), 0);
    pressRow(list, rowOf("right"), 2);
    EXPECT_EQ(child<QPlainTextEdit>(save, "memo0")->toPlainText(), "青空ＦＣ\nよろしくお願いします");
    QTest::mouseClick(child<PanelButton>(save, "P0"), Qt::LeftButton);
    settle();

    QPointer<Tmatch> m;
    for (QWidget* w : host->screens())
        if (auto* found = qobject_cast<Tmatch*>(w)) m = found;
    ASSERT_TRUE(m);
    EXPECT_TRUE(title.isNull());
    EXPECT_EQ(host->screens().size(), 1);
    EXPECT_EQ(m->board(), nullptr) << "a versus match has no tactics board";
    EXPECT_EQ(m->pitch().geometry(), QRect(160, 5, 640, 480));
    EXPECT_FALSE(child<QLabel>(m, "lbhome")->isVisible()) << "nobody is at home";
    ASSERT_EQ(world->team(0).name, "青空ＦＣ");
    const std::string opponent = world->team(1).name;
    EXPECT_EQ(m->windowTitle().toStdString(), "青空ＦＣ VS " + opponent);

    // The score of the match as it is played, up to the window's last moment.
    std::array<int, 2> played{};
    long passes = 0;
    while (m && ++passes < test::kPassesAtMost) {
        played = {m->match().game().goals(0), m->match().game().goals(1)};
        QCoreApplication::processEvents();
    }
    settle();
    ASSERT_TRUE(m.isNull()) << "the match never ended";
    ASSERT_GT(played[0] + played[1], 0) << "the story needs a match with goals";
    Tnews* result = nullptr;
    for (QWidget* w : host->screens()) result = result ? result : qobject_cast<Tnews*>(w);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(world->leagues[1]->table[0][Tleague::cWins] + world->leagues[1]->table[0][Tleague::cDraws] +
                  world->leagues[1]->table[0][Tleague::cLosses],
              1)
        << "only the versus fixture is played";

    // The result page, a click after the programme's opening: both clubs by
    // name, the score and the goals of the match played.
    auto* message = child<QPlainTextEdit>(result, "memomes");
    for (int page = 0; page < 3 && result->programme().page().kind != PageKind::versus; ++page)
        QTest::mouseClick(message->viewport(), Qt::LeftButton);
    ASSERT_EQ(result->programme().page().kind, PageKind::versus);
    EXPECT_EQ(child<QPlainTextEdit>(result, "memomes")->toPlainText().toStdString(),
              "青空ＦＣ対" + opponent + "の結果です");
    const Grid& table = child<GridView>(result, "grid")->grid();
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.cell(1, 1), "青空ＦＣ");
    EXPECT_EQ(table.cell(3, 1), opponent);
    EXPECT_EQ(table.cell(2, 1), std::to_string(played[0]) + " - " + std::to_string(played[1]));
    const auto& row = world->leagues[1]->table[0];
    ASSERT_EQ(row[Tleague::cClub], 0);
    EXPECT_EQ((std::array<int, 2>{row[Tleague::cFor], row[Tleague::cAgainst]}), played) << "as booked";
    for (int side = 0; side < 2; ++side) {
        const QString box = child<QPlainTextEdit>(result, side == 0 ? "memo00" : "memo01")->toPlainText();
        const QStringList goals = box.isEmpty() ? QStringList() : box.split('\n');
        ASSERT_EQ(goals.size(), played[side]) << side;
        for (const QString& goal : goals) {
            if (goal.endsWith("Own Goal")) continue;
            EXPECT_TRUE(endsWithPlayerOf(goal.toStdString(), world->team(side))) << goal.toStdString();
        }
    }
    test::screenshot(result, "news-versus-result");

    QPointer<Tnews> news = result;
    while (news) {
        if (!news->programme().finished())
            QTest::mouseClick(child<QPlainTextEdit>(news, "memomes")->viewport(), Qt::LeftButton);
        settle();
    }
    ASSERT_EQ(host->screens().size(), 1);
    EXPECT_NE(qobject_cast<Ttitle*>(host->screens().first()), nullptr) << "the title screen ends it";
    EXPECT_TRUE(prompts.errors.empty());
}

}  // namespace
}  // namespace vm
