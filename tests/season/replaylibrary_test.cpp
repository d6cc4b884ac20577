// SPDX-License-Identifier: GPL-3.0-or-later
// The player's kept replays: a watched match kept under its own name, never
// over another, listed newest first with its score, marked when its record
// stops part-way, still listed when its description is damaged, and deleted
// with it; and what the viewer says while none is kept.
#include <filesystem>

#include "league/savefiles.h"
#include "season/live_fixture.h"
#include "season/replay_support.h"
#include "season/replaylibrary.h"
#include "season/replayview.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::handmadeReplay;
using test::LiveTest;

const KeptMatch kDerby{2, 5, {"北浜ユナイテッド", "ロス・ガトス"}, {2, 1}};

class ReplayLibrary : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> world = scratch.world(1, false);

    fs::path replays(const std::string& name = {}) const { return world->path(kReplayFolder) / name; }
};

TEST_F(ReplayLibrary, KeepingTheSameMatchTwiceMakesTwoReplaysAndOverwritesNeither) {
    const Replay first = handmadeReplay({"1", "g", "3"});
    const Replay second = handmadeReplay({"7", "8"});
    const fs::path a = keepreplay(*world, first, kDerby);
    const fs::path b = keepreplay(*world, second, kDerby);

    EXPECT_NE(a, b);
    EXPECT_EQ(a.filename(), "0001_2年目_05節_北浜ユナイテッド_ロス・ガトス.dat");
    EXPECT_EQ(readBytes(a), replayimage(first));
    EXPECT_EQ(readBytes(b), replayimage(second));
    const std::vector<KeptReplay> list = keptreplays(*world);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].file, b) << "newest first";
    EXPECT_EQ(list[1].file, a);
    EXPECT_EQ(list[0].match, kDerby);

    const Grid grid = replaygrid(list);
    EXPECT_EQ(grid.rowText(0), "試合,チーム,スコア,相手");
    EXPECT_EQ(grid.rowText(1), "2年目 5節,北浜ユナイテッド,2 - 1,ロス・ガトス");
    EXPECT_EQ(replaytitle(b, list[0].match), "2年目 5節  北浜ユナイテッド 2 - 1 ロス・ガトス");
    EXPECT_EQ(replaytitle(b, std::nullopt), b.filename().string());
}

TEST_F(ReplayLibrary, ANameAlreadyTakenByAnotherFileIsPassedOver) {
    keepreplay(*world, handmadeReplay({"1"}), kDerby);
    // Somebody left a description under the name the next replay would take.
    const fs::path planted = replays(replayfilename(2, kDerby)).replace_extension(".txt");
    writeBytesAtomic(planted, "planted\r\n");
    const fs::path kept = keepreplay(*world, handmadeReplay({"2"}), kDerby);
    EXPECT_EQ(kept.filename(), replayfilename(3, kDerby));
    EXPECT_EQ(readBytes(planted), "planted\r\n");
}

TEST_F(ReplayLibrary, ClubNamesBecomeASafeFileName) {
    KeptMatch m{1, 27, {"../AC Milano:2/3", std::string(40, 'x') + "ＦＣ長い名前のクラブ"}, {0, 0}};
    const std::string name = replayfilename(12, m);
    // The long name is cut after whole characters.
    EXPECT_EQ(name, "0012_1年目_27節__._AC_Milano_2_3_" + std::string(40, 'x') + "ＦＣ.dat");
    EXPECT_EQ(fileNameProblem(fs::path(name).stem().string()), "");

    m.matchday = 0;  // a versus match
    m.names = {".hidden", "a\tb."};
    EXPECT_EQ(replayfilename(3, m), "0003_対戦__hidden_a_b_.dat");
}

TEST_F(ReplayLibrary, AReplayWithADamagedOrMissingDescriptionIsStillListed) {
    const fs::path a = keepreplay(*world, handmadeReplay({"1"}), kDerby);
    const fs::path b = keepreplay(*world, handmadeReplay({"2"}), kDerby);
    const fs::path c = keepreplay(*world, handmadeReplay({"3"}), kDerby);
    writeBytesAtomic(fs::path(a).replace_extension(".txt"), "2\r\nfive\r\n");
    fs::remove(fs::path(b).replace_extension(".txt"));
    writeBytesAtomic(fs::path(c).replace_extension(".txt"), std::string(9000, '1'));
    writeBytesAtomic(replays("mine.dat"), "a file the game did not name");

    const std::vector<KeptReplay> list = keptreplays(*world);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].file, c);
    EXPECT_EQ(list[2].file, a);
    EXPECT_EQ(list[3].file.filename(), "mine.dat") << "unnumbered files come last";
    for (const KeptReplay& kept : list) EXPECT_FALSE(kept.match) << kept.file;
    const Grid grid = replaygrid(list);
    EXPECT_EQ(grid.rowText(3), "不明," + fs::path(a).stem().string() + ",,");
}

TEST_F(ReplayLibrary, DeletingAReplayRemovesItAndItsDescriptionAndNothingElse) {
    const WatchNotes notes;
    const fs::path a = keepreplay(*world, handmadeReplay({"1"}), kDerby, &notes);
    const fs::path b = keepreplay(*world, handmadeReplay({"2"}), kDerby);
    deletereplay(*world, keptreplays(*world)[1]);
    EXPECT_FALSE(fs::exists(a));
    EXPECT_FALSE(fs::exists(fs::path(a).replace_extension(".txt")));
    EXPECT_FALSE(fs::exists(fs::path(a).replace_extension(".watch")));
    ASSERT_EQ(keptreplays(*world).size(), 1u);
    EXPECT_EQ(keptreplays(*world)[0].file, b);

    const fs::path outside = world->path("data/tmp.dat");
    writeBytesAtomic(outside, "keep me");
    EXPECT_THROW(deletereplay(*world, KeptReplay{outside, 1, kDerby}), DataError);
    EXPECT_THROW(deletereplay(*world, KeptReplay{replays("../tmp.dat"), 1, kDerby}), DataError);
    EXPECT_EQ(readBytes(outside), "keep me");
}

TEST_F(ReplayLibrary, DamagedNotesAreRefusedNamingTheLineAndTheReplayStillPlays) {
    WatchNotes notes;
    notes.goals = {{0, 1}};
    notes.sayings = {{0, "試合開始"}};
    const fs::path kept = keepreplay(*world, handmadeReplay({"1", "g"}), kDerby, &notes);
    const fs::path file = fs::path(kept).replace_extension(".watch");
    EXPECT_EQ(readkeptnotes(kept).notes, notes);
    const std::string good = readBytes(file);
    for (const std::string& bad : {good + "goal 0 2\r\n", good + "lift 0 x\r\n", good + "say 0 \x81\r\n",
                                   good + "kick 1 1\r\n", good + "speed 5 3\r\nspeed 4 3\r\n"}) {
        writeBytesAtomic(file, bad);
        const NotesReading reading = readkeptnotes(kept);
        EXPECT_FALSE(reading.notes) << bad;
        EXPECT_NE(reading.problem.find("行目が不正です"), std::string::npos) << reading.problem;
    }
    writeBytesAtomic(file, "VM2WATCH 9\r\n");
    EXPECT_EQ(readkeptnotes(kept).problem, "観戦メモの形式が違います");
    fs::remove(file);
    EXPECT_TRUE(readkeptnotes(kept).problem.empty()) << "a replay kept before the notes is no fault";
}

TEST_F(LiveTest, AWatchedLeagueMatchIsKeptWithItsMatchDayClubsAndScore) {
    writeBytesAtomic(world->path("data/vtr"), "");
    speedFile("6\r\n");
    prepare();
    auto m = open(true);
    EXPECT_FALSE(keepreplay(*world, *m)) << "nothing is kept before the match is over";
    playOut(*m);

    const std::optional<fs::path> kept = keepreplay(*world, *m);
    ASSERT_TRUE(kept);
    EXPECT_EQ(readBytes(*kept), readBytes(tmp("match.dat")));
    const std::vector<KeptReplay> list = keptreplays(*world);
    ASSERT_EQ(list.size(), 1u);
    const KeptMatch expected{world->kanri.year,
                             1,
                             {world->team(0).name, world->team(m->game().club[1]).name},
                             {m->game().goals(0), m->game().goals(1)}};
    EXPECT_EQ(list[0].match, expected);
    EXPECT_EQ(kept->filename(), replayfilename(1, expected));
}

TEST_F(LiveTest, AGivenUpMatchIsKeptWithItsFinalScoreAndSaysItsRecordStopsPartWay) {
    writeBytesAtomic(world->path("data/vtr"), "");
    speedFile("6\r\n");
    prepare();
    auto m = open(true);
    for (int k = 0; k < 300; ++k) {
        frame(*m);
        if (m->holding()) m->soundEnded();
    }
    const int recorded = static_cast<int>(m->game().vtrlist->size());
    m->finishHeadless();  // "試合観戦をやめますか？" answered yes
    const std::optional<fs::path> kept = keepreplay(*world, *m);
    ASSERT_TRUE(kept);
    EXPECT_EQ(ReplayView(readreplayfile(*kept).replay).frames(), recorded)
        << "the record stops at the give-up";

    const std::vector<KeptReplay> list = keptreplays(*world);
    ASSERT_EQ(list.size(), 1u);
    ASSERT_TRUE(list[0].match);
    EXPECT_TRUE(list[0].match->partial);
    const std::string score = std::to_string(m->game().goals(0)) + " - " + std::to_string(m->game().goals(1));
    const std::string opponent = world->team(m->game().club[1]).name;
    EXPECT_EQ(replaygrid(list).rowText(1),
              "1年目 1節※," + world->team(0).name + "," + score + "," + opponent);
    EXPECT_EQ(replaytitle(*kept, list[0].match),
              "1年目 1節  " + world->team(0).name + " " + score + " " + opponent + "（途中まで）");
}

TEST_F(ReplayLibrary, DescriptionsOfWholeMatchesKeepTheirSixLinesAndOldOnesStillRead) {
    const fs::path whole = keepreplay(*world, handmadeReplay({"1"}), kDerby);
    EXPECT_EQ(readLines(fs::path(whole).replace_extension(".txt")),
              (std::vector<std::string>{"2", "5", "北浜ユナイテッド", "ロス・ガトス", "2", "1"}));
    KeptMatch cut = kDerby;
    cut.partial = true;
    const fs::path part = keepreplay(*world, handmadeReplay({"2"}), cut);
    // A seventh line that is not the part-way mark is a damaged description.
    const fs::path odd = keepreplay(*world, handmadeReplay({"3"}), kDerby);
    writeLines(fs::path(odd).replace_extension(".txt"),
               {"2", "5", "北浜ユナイテッド", "ロス・ガトス", "2", "1", "x"});

    const std::vector<KeptReplay> list = keptreplays(*world);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_FALSE(list[0].match);
    EXPECT_EQ(list[1].file, part);
    EXPECT_EQ(list[1].match, cut);
    EXPECT_EQ(list[2].match, kDerby);
}

TEST_F(LiveTest, WithNoReplayKeptTheViewerNamesTheFileThatSwitchesRecordingOn) {
    speedFile("6\r\n");
    const fs::path vtr = world->path("data/vtr");
    const std::string off = noreplaystext(*world);
    ASSERT_NE(off.find(vtr.generic_string()), std::string::npos) << off;
    EXPECT_FALSE(LiveMatch(*world, false, now).recording());

    writeBytesAtomic(vtr, "");  // what the text asks for
    EXPECT_TRUE(LiveMatch(*world, false, now).recording());
    const std::string on = noreplaystext(*world);
    EXPECT_NE(on, off);
    EXPECT_NE(on.find("記録はオンです"), std::string::npos) << on;
}

TEST_F(LiveTest, AMatchWatchedWithoutRecordingKeepsNothing) {
    speedFile("6\r\n");
    auto m = open(false);
    m->finishHeadless();
    EXPECT_FALSE(keepreplay(*world, *m));
    EXPECT_FALSE(fs::exists(world->path(kReplayFolder)));
}

}  // namespace
}  // namespace vm
