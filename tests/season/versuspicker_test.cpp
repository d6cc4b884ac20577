// SPDX-License-Identifier: GPL-3.0-or-later
// The versus picker: choosing the two sides from versus files,
// refusing files that cannot be read, the start, and the versus programme
// after a match in which only the versus fixture was played.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "league/homeside.h"
#include "league/runner.h"
#include "league/savefiles.h"
#include "match/tgame.h"
#include "save/save_support.h"
#include "season/versuspicker.h"
#include "support/scripted_prompts.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

class VersusScreenTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> sora = exported(9, "青空", "よろしく");
    std::unique_ptr<World> umi = exported(11, "海風", "負けません");
    std::unique_ptr<World> title = scratch.world(3);  // the world of the title screen
    test::ScriptedPrompts ask;
    // The list is in name order: 海風 (row 1), 青空 (row 2).
    static constexpr int kUmi = 1, kSora = 2;

    std::unique_ptr<World> exported(std::uint64_t seed, const char* file, const char* comment) {
        auto w = test::newGame(scratch, seed);
        vssave(*w, vsPath(*w, file), comment);
        return w;
    }

    static std::vector<std::string> rosterNames(const Tteam& club) {
        std::vector<std::string> names;
        for (const auto& p : club.roster) names.push_back(p->name);
        return names;
    }
};

TEST_F(VersusScreenTest, EachSideShowsTheClubOfTheFileMarkedForIt) {
    const test::Snapshot before = test::Snapshot::of(*title);
    VersusPicker screen(*title, ask);
    ASSERT_EQ(screen.grid().cell(1, kUmi), "海風");
    EXPECT_FALSE(screen.side(0).chosen);

    screen.press(0, kSora);
    screen.press(2, kSora);  // the same file on both sides
    const Grid& g = screen.grid();
    EXPECT_EQ(g.cell(0, kSora), "○");
    EXPECT_EQ(g.cell(2, kSora), "○");
    for (int s = 0; s < 2; ++s) {
        const VersusSide& side = screen.side(s);
        EXPECT_TRUE(side.chosen);
        EXPECT_EQ(side.file, "青空");
        EXPECT_EQ(side.name, sora->team(0).name);
        EXPECT_EQ(side.comment, "よろしく");
        EXPECT_EQ(side.emblem, sora->team(0).emblem);
    }

    const Grid& roster = screen.side(0).roster;
    const Tplayer& first = sora->team(0).getplayer(0);
    ASSERT_EQ(roster.colCount(), kSideColumns);
    ASSERT_EQ(roster.rowCount(), sora->team(0).playerhigh() + 2);
    EXPECT_EQ(roster.rowText(0), "Name,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,,");
    EXPECT_EQ(roster.cell(0, 1), first.name);
    EXPECT_EQ(roster.cell(2, 1), posText(first.at));
    EXPECT_EQ(roster.cell(10, 1), legText(first.leg));
    EXPECT_EQ(roster.cell(kSideConditionCol, 1), std::to_string(first.condition()));
    EXPECT_EQ(roster.cell(12, 1), "000");

    // Choosing again moves the side's mark; the names' column and the heading choose nothing.
    screen.press(0, kUmi);
    screen.press(1, kSora);
    screen.press(2, 0);
    EXPECT_EQ(g.cell(0, kSora), "");
    EXPECT_EQ(g.cell(0, kUmi), "○");
    EXPECT_EQ(g.cell(2, kSora), "○");
    EXPECT_EQ(screen.side(0).name, umi->team(0).name);
    EXPECT_EQ(screen.side(0).comment, "負けません");
    EXPECT_EQ(screen.side(1).name, sora->team(0).name);

    // Until the match starts the clubs are only shown: leaving the screen changes nothing.
    before.expectSame(*title);
    EXPECT_TRUE(ask.silent());
}

TEST_F(VersusScreenTest, AHostileVersusFileIsRefusedAndTheSideStaysAsItWas) {
    std::string hostile = readBytes(vsPath(*sora, "青空"));
    test::setInt(hostile, 4, 1 << 30);  // a comment longer than the file
    writeBytesAtomic(vsPath(*title, "罠"), hostile);
    writeBytesAtomic(vsPath(*title, "壊れ"), readBytes(vsPath(*umi, "海風")).substr(0, 300));
    VersusPicker screen(*title, ask);
    ASSERT_EQ(screen.grid().rowCount(), 5);  // 壊れ, 海風, 罠, 青空
    const int broken = 1, trap = 3, sorarow = 4;
    ASSERT_EQ(screen.grid().cell(1, trap), "罠");

    screen.press(0, sorarow);
    const test::Snapshot before = test::Snapshot::of(*title);
    screen.press(0, trap);
    screen.press(2, broken);

    ASSERT_EQ(ask.errors.size(), 2u);
    for (const std::string& e : ask.errors) EXPECT_EQ(e.rfind("このファイルは読み込めません\n", 0), 0u) << e;
    EXPECT_EQ(screen.side(0).name, sora->team(0).name);
    EXPECT_EQ(screen.grid().cell(0, sorarow), "○");
    EXPECT_EQ(screen.grid().cell(0, trap), "");
    EXPECT_FALSE(screen.side(1).chosen);
    EXPECT_EQ(screen.grid().cell(2, broken), "");
    before.expectSame(*title);
}

TEST_F(VersusScreenTest, AMatchWithASideMissingIsRefused) {
    const test::Snapshot before = test::Snapshot::of(*title);
    VersusPicker screen(*title, ask);
    EXPECT_FALSE(screen.confirm());
    screen.press(2, kUmi);
    EXPECT_FALSE(screen.confirm());
    EXPECT_EQ(ask.messages, std::vector<std::string>(2, "チームが選択されていません"));
    before.expectSame(*title);
}

TEST_F(VersusScreenTest, TheStartPutsTheChosenClubsOnMatchDayEighteenWithoutALeagueMatch) {
    VersusPicker screen(*title, ask);
    screen.press(0, kSora);
    screen.press(2, kUmi);
    const std::optional<VersusMatch> match = screen.confirm();

    ASSERT_TRUE(match);
    EXPECT_FALSE(match->isLeagueMatch);
    EXPECT_EQ(match->newsStart, kAfterVersus);
    EXPECT_EQ(match->division, 2);
    EXPECT_EQ(match->round, 18);
    // The clubs as their files hold them (the season start has reset their season figures).
    EXPECT_EQ(rosterNames(title->team(0)), rosterNames(sora->team(0)));
    EXPECT_EQ(rosterNames(title->team(1)), rosterNames(umi->team(0)));
    EXPECT_EQ(title->team(1).name, umi->team(0).name);
    EXPECT_EQ(title->team(1).emblem, umi->team(0).emblem);
    EXPECT_EQ(title->kanri.div2list, "0,1,1,1,1,1,1,1,1,1");
    ASSERT_TRUE(title->leagues[0] && title->leagues[1]);
    EXPECT_EQ(title->leagues[0]->round, 18);
    EXPECT_EQ(title->leagues[1]->round, 18);
    EXPECT_EQ(title->kanri.mydiv, 2);
    EXPECT_EQ(useropponent(*title, match->division), match->away);
}

// The live view plays the versus fixture alone and books it; the programme
// then shows that match and needs nothing of the fixtures that were not played.
TEST_F(VersusScreenTest, TheVersusProgrammeShowsTheOneMatchThatWasPlayed) {
    VersusPicker screen(*title, ask);
    screen.press(0, kSora);
    screen.press(2, kUmi);
    const VersusMatch match = screen.confirm().value();

    int goals[2] = {0, 0};
    {
        Tgame game(*title, match.home, match.away, homeside(*title));
        for (int counter = 4; counter < 54000; counter += 4) {
            game.gamestep(counter);
            game.autosub(0);
            game.autosub(1);
        }
        game.finish();
        goals[0] = game.goals(0);
        goals[1] = game.goals(1);
    }
    goalfile(*title, match.division, match.fixture);
    matchend(*title, match.division, match.fixture);
    for (int d = 1; d <= 2; ++d)
        for (int m = 0; m < kPairings; ++m)
            EXPECT_EQ(fs::exists(title->path(resultfilename(d, m, 0))), d == 2 && m == 0);

    NewsProgramme news(*title, match.newsStart);
    const NewsPage& page = news.nextPage();
    ASSERT_EQ(page.kind, PageKind::versus);
    EXPECT_EQ(page.message.at(0), sora->team(0).name + "対" + umi->team(0).name + "の結果です");
    ASSERT_EQ(page.table.rowCount(), 2);
    EXPECT_EQ(page.table.cell(2, 1), std::to_string(goals[0]) + " - " + std::to_string(goals[1]));
    EXPECT_EQ(page.goals[0][1].size(), static_cast<std::size_t>(goals[1]));
    const NewsPage& end = news.nextPage();
    EXPECT_TRUE(end.toTitle);
    EXPECT_FALSE(fs::exists(title->path(resultfilename(2, 0, 0))));
}

}  // namespace
}  // namespace vm
