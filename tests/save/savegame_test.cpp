// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games: written during a season and between seasons, read back into
// another world, saved again to the same bytes; damaged files refused with the
// world untouched.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/savefiles.h"
#include "league/versus.h"
#include "save/save_support.h"
#include "transfers/ttrade.h"
#include "util/cp932.h"
#include "util/durablewrite.h"
#include "util/errors.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::intAt;
using test::setInt;
using test::Snapshot;

class SaveGameTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> game = test::newGame(scratch, 3);

    std::string clubBytes(const World& w, int k) const {
        OutStream s;
        w.team(k).teamsave(s);
        return s.bytes();
    }
    std::size_t clubOffset(const World& w, int k) const {
        std::size_t at = 4;
        for (int j = 0; j < k; ++j) at += clubBytes(w, j).size();
        return at;
    }
};

TEST_F(SaveGameTest, AGameSavedDuringASeasonComesBackWhole) {
    test::playFiveRounds(*game);
    game->team(3).popularity = 999;  // not stored: the loading world keeps its own
    const fs::path file = savePath(*game, "第５節");
    save(*game, file);
    const std::string bytes = readBytes(file);
    ASSERT_EQ(bytes, saveImage(*game));
    const std::string history = readBytes(game->path("data/tmp/history.txt"));

    auto other = scratch.world(11);  // the title screen's world of another start: a fresh history
    ASSERT_NE(readBytes(other->path("data/tmp/history.txt")), history);
    load(*other, file);
    EXPECT_EQ(saveImage(*other), bytes) << "saving the loaded game must give the same bytes";

    EXPECT_EQ(other->team(3).popularity, 20);
    for (int k = 0; k < kClubCount; ++k) {
        const Tteam& a = game->team(k);
        const Tteam& b = other->team(k);
        EXPECT_EQ(b.clubno, k);
        EXPECT_EQ(b.name, a.name);
        EXPECT_EQ(b.emblem, a.emblem);
        EXPECT_EQ(b.money, a.money);
        EXPECT_EQ(b.position, a.position);
        EXPECT_EQ(b.coach, a.coach);
        ASSERT_EQ(b.roster.size(), a.roster.size());
        for (std::size_t i = 0; i < a.roster.size(); ++i) {
            EXPECT_EQ(b.roster[i]->name, a.roster[i]->name);
            EXPECT_EQ(b.roster[i]->value, a.roster[i]->value) << "value is derived again on loading";
            EXPECT_EQ(b.roster[i]->club, k);
            EXPECT_EQ(&b.roster[i]->world(), other.get());
        }
    }
    const Tteam& mine = other->team(0);
    ASSERT_EQ(mine.injured.size(), 1u);
    EXPECT_EQ(mine.injured[0]->injury, 3);
    EXPECT_EQ(mine.youth.size(), game->team(0).youth.size());
    EXPECT_EQ(mine.doctor, 2);
    EXPECT_EQ(mine.coachpower, game->team(0).coachpower);

    for (int d = 0; d < 2; ++d) {
        ASSERT_TRUE(other->leagues[d]);
        const Tleague& a = *game->leagues[d];
        const Tleague& b = *other->leagues[d];
        EXPECT_EQ(b.division, d + 1);
        EXPECT_EQ(b.round, 4);
        EXPECT_EQ(b.table, a.table);
        EXPECT_EQ(b.schedule, a.schedule);
        EXPECT_EQ(b.names, a.names);
        EXPECT_EQ(b.scorerlist, a.scorerlist);
        EXPECT_EQ(b.assistlist, a.assistlist);
    }
    EXPECT_EQ(readBytes(other->path("data/tmp/history.txt")), history);
}

TEST_F(SaveGameTest, AGameSavedBetweenSeasonsHoldsTheFlagZeroAndNoDivisions) {
    appendLine(game->path("data/tmp/history.txt"), "1,2,4,12,6,9,40,37,3,42");
    const std::string image = saveImage(*game);

    // The league manager and the history by hand, as the layout has them.
    std::string tail;
    test::putInt(tail, 1);  // season
    test::putInt(tail, 2);  // the user's division
    test::putStr(tail, "10,11,12,13,14,15,16,17,18,19,");
    test::putStr(tail, "00,01,02,03,04,05,06,07,08,09,");
    tail.push_back('\0');  // no divisions follow
    tail += readBytes(game->path("data/tmp/history.txt"));
    ASSERT_GE(image.size(), tail.size());
    EXPECT_EQ(image.substr(image.size() - tail.size()), tail);
    EXPECT_EQ(intAt(image, 0), 29);
    EXPECT_EQ(image.size(), clubOffset(*game, kClubCount) + tail.size());

    // Loaded into a world in the middle of a season, the season is gone again.
    const fs::path file = savePath(*game, "offseason");
    save(*game, file);
    auto other = test::newGame(scratch, 8);
    test::playFiveRounds(*other);
    load(*other, file);
    EXPECT_FALSE(other->leagues[0]);
    EXPECT_FALSE(other->leagues[1]);
    EXPECT_EQ(saveImage(*other), image);
}

TEST_F(SaveGameTest, LoadedPlayersAreValuedByTheLoadedDivisions) {
    // After some seasons club 12 plays in Division 2 and club 3 in Division 1.
    game->kanri.div1list = "03,10,11,13,14,15,16,17,18,19";
    game->kanri.div2list = "00,01,02,04,05,06,07,08,09,12";
    for (auto& p : game->team(12).roster) p->moodadd(0);
    for (auto& p : game->team(3).roster) p->moodadd(0);
    const fs::path file = savePath(*game, "later");
    save(*game, file);

    auto other = scratch.world(4);  // its league manager still has the start lists
    load(*other, file);
    for (int k : {3, 12})
        for (std::size_t i = 0; i < game->team(k).roster.size(); ++i)
            EXPECT_EQ(other->team(k).roster[i]->value, game->team(k).roster[i]->value) << k << "/" << i;
}

TEST_F(SaveGameTest, ASaveThatCouldNotBeLoadedIsNeverWritten) {
    const fs::path file = savePath(*game, "keep");
    save(*game, file);
    const std::string before = readBytes(file);
    game->team(5).roster.resize(10);  // a club no season could use
    EXPECT_THROW(save(*game, file), DataError);
    EXPECT_EQ(readBytes(file), before);
}

TEST_F(SaveGameTest, NoSaveIsMadeWhileATransferWindowIsOpen) {
    // Its free agents and offers are no part of a saved game; saving would lose them.
    const fs::path file = savePath(*game, "window");
    game->trade = std::make_unique<Ttrade>(*game);
    EXPECT_THROW(save(*game, file), DataError);
    EXPECT_FALSE(fs::exists(file));
}

class DamagedSaveTest : public SaveGameTest {
protected:
    void SetUp() override {
        test::playFiveRounds(*game);
        good = saveImage(*game);
        kanriEnd = good.size() - readBytes(game->path("data/tmp/history.txt")).size();
        target = test::newGame(scratch, 21);
        test::playFiveRounds(*target);
        before = Snapshot::of(*target);
    }

    // Loading the bytes fails with `Error` and changes nothing.
    template <class Error>
    void expectRefused(const std::string& bytes, const char* what) {
        SCOPED_TRACE(what);
        const fs::path file = savePath(*game, "damaged");
        writeBytesAtomic(file, bytes);
        try {
            load(*target, file);
            ADD_FAILURE() << "a damaged file was loaded";
        } catch (const Error& e) {
            EXPECT_NE(unreadableText(e).find("このファイルは読み込めません"), std::string::npos);
            EXPECT_GT(std::string(e.what()).size(), 0u) << "the message says what is wrong";
        }
        before.expectSame(*target);
    }

    std::string good;
    std::size_t kanriEnd = 0;  // where the history starts
    std::unique_ptr<World> target;
    Snapshot before;
};

TEST_F(DamagedSaveTest, FilesOfAnotherLayoutAreRefused) {
    std::string other = good;
    setInt(other, 0, 30);
    expectRefused<FormatError>(other, "another format number");
    expectRefused<FormatError>(vsImage(*game, kNoComment), "a versus file");
    expectRefused<FormatError>("セーブデータ\r\n", "a text file");
    expectRefused<FormatError>("", "an empty file");
}

TEST_F(DamagedSaveTest, TruncatedFilesAreRefusedWhereverTheyEnd) {
    const std::size_t kanriAt = clubOffset(*game, kClubCount);
    for (std::size_t cut : {std::size_t{2}, std::size_t{4}, std::size_t{100}, std::size_t{4 + 486 + 2},
                            clubOffset(*game, 10) + 300, clubOffset(*game, 19) + 700, kanriAt + 6,
                            kanriAt + 200, (kanriAt + kanriEnd) / 2, kanriEnd - 1})
        expectRefused<FormatError>(good.substr(0, cut), ("cut at " + std::to_string(cut)).c_str());
}

TEST_F(DamagedSaveTest, AbsurdLengthsAndCountsAreRefused) {
    const std::size_t nameAt = 4 + 486;  // the first club's name follows its emblem
    ASSERT_EQ(intAt(good, nameAt), static_cast<std::int32_t>(toCp932(game->team(0).name).size()));
    for (std::int32_t n : {-1, kMaxStreamString + 1, static_cast<std::int32_t>(good.size())}) {
        std::string bad = good;
        setInt(bad, nameAt, n);
        expectRefused<FormatError>(bad, ("name length " + std::to_string(n)).c_str());
    }
    const std::size_t youthAt = nameAt + 4 + toCp932(game->team(0).name).size() + 4 + 4 + 88 + 112;
    ASSERT_EQ(intAt(good, youthAt), static_cast<std::int32_t>(game->team(0).youth.size()));
    for (std::int32_t n : {-1, 1001, 1000}) {
        std::string bad = good;
        setInt(bad, youthAt, n);
        expectRefused<FormatError>(bad, ("youth count " + std::to_string(n)).c_str());
    }
    // The last club of twenty: the nineteen before it must not stay behind.
    std::string lastBad = good;
    setInt(lastBad, clubOffset(*game, 19) + 486, -7);
    expectRefused<FormatError>(lastBad, "the last club's name");
}

TEST_F(DamagedSaveTest, BrokenEmblemsAreRefused) {
    const std::size_t bmp = 4;
    std::string noMagic = good;
    noMagic[bmp] = 'X';
    expectRefused<FormatError>(noMagic, "no BM");
    std::string tiny = good;
    setInt(tiny, bmp + 2, 10);
    expectRefused<FormatError>(tiny, "size field too small");
    std::string huge = good;
    setInt(huge, bmp + 2, 1 << 30);
    expectRefused<FormatError>(huge, "size field too large");
    std::string depth = good;
    depth[bmp + 28] = 7;
    expectRefused<FormatError>(depth, "7 bits per pixel");
    std::string width = good;
    setInt(width, bmp + 18, 0);
    expectRefused<FormatError>(width, "width 0");
}

TEST_F(DamagedSaveTest, DamagedLeagueDataAndHistoryAreRefused) {
    const std::size_t kanriAt = clubOffset(*game, kClubCount);
    std::string year = good;
    setInt(year, kanriAt, 0);
    expectRefused<FormatError>(year, "season 0");
    std::string round = good;
    const std::size_t firstLeague =
        kanriAt + 8 + 4 + game->kanri.div1list.size() + 4 + game->kanri.div2list.size() + 1;
    ASSERT_EQ(intAt(good, firstLeague), 4);
    setInt(round, firstLeague, 99);
    expectRefused<FormatError>(round, "match day 99");
    expectRefused<FormatError>(good + "\x81\x20\r\n", "a history line that is not CP932");
}

TEST_F(DamagedSaveTest, AHistoryThatCannotBeWrittenUndoesTheWholeLoad) {
    fs::create_directories(partFileOf(target->path("data/tmp/history.txt")));  // the write cannot start
    expectRefused<DataError>(good, "history write fails");
}

TEST_F(DamagedSaveTest, AMissingFileIsReported) {
    EXPECT_THROW(load(*target, target->path("data/savedata/nothing.dat")), DataError);
    before.expectSame(*target);
}

}  // namespace
}  // namespace vm
