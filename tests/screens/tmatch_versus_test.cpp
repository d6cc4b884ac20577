// A versus match on screen, clicked through like a player would on a clock
// that never waits: two versus files chosen from the title screen's
// "データ対戦", the match without a tactics board, its result, the title screen.
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include "league/savefiles.h"
#include "league/tleague.h"
#include "league/versus.h"
#include "news_screen.h"
#include "save/save_support.h"
#include "screens/matchpitch.h"
#include "screens/panelbutton.h"
#include "screens/tmatch.h"
#include "screens/tnews.h"
#include "screens/tsave.h"
#include "screens/ttitle.h"
#include "util/textfile.h"

namespace vm {
namespace {
using test::pressRow;

constexpr long kPassesAtMost = 5'000'000;

QLabel* label(QWidget* w, const char* name) {
    QLabel* found = w->findChild<QLabel*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class VersusMatchWindow : public test::ScreenTest {
protected:
    void exportClub(std::uint64_t seed, const char* file) {
        auto other = test::newGame(scratch, seed);
        vssave(*other, vsPath(*other, file), kNoComment);
    }
};

TEST_F(VersusMatchWindow, TwoVersusClubsPlayToTheEndThenTheResultThenTheTitle) {
    exportClub(21, "left");
    exportClub(22, "right");
    writeLines(world->path("data/msp.dat"), {"6"});
    clock.step = LiveMatch::kFrameGap + 1;
    QPointer<Ttitle> title = host->openTitle();
    ASSERT_TRUE(title);
    ASSERT_TRUE(child<PanelButton>(title, "Pvs")->isEnabled());
    QTest::mouseClick(child<PanelButton>(title, "Pvs"), Qt::LeftButton);
    settle();
    Tsave* save = nullptr;
    for (QWidget* w : host->screens()) save = save ? save : qobject_cast<Tsave*>(w);
    ASSERT_NE(save, nullptr);
    auto* list = child<GridView>(save, "grid");
    const auto rowOf = [&](const char* name) {
        for (int r = 1; r < list->grid().rowCount(); ++r)
            if (list->grid().cell(1, r) == name) return r;
        return -1;
    };
    pressRow(list, rowOf("left"), 0);
    pressRow(list, rowOf("right"), 2);
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
    EXPECT_FALSE(label(m, "lbhome")->isVisible()) << "nobody is at home";
    const std::string names = world->team(0).name + " VS " + world->team(1).name;
    EXPECT_EQ(m->windowTitle().toStdString(), names);

    long passes = 0;
    while (m && ++passes < kPassesAtMost) QCoreApplication::processEvents();
    settle();
    ASSERT_TRUE(m.isNull()) << "the match never ended";
    Tnews* result = nullptr;
    for (QWidget* w : host->screens()) result = result ? result : qobject_cast<Tnews*>(w);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(world->leagues[1]->table[0][Tleague::cWins] + world->leagues[1]->table[0][Tleague::cDraws] +
                  world->leagues[1]->table[0][Tleague::cLosses],
              1)
        << "only the versus fixture is played";

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
