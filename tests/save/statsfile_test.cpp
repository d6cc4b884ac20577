// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file beside a save: tracked players keep their own records
// through a save and a load into a fresh world, matched by their places; a
// stale or damaged file starts the records afresh and leaves the loaded game
// as the save holds it.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/runner.h"
#include "league/savefiles.h"
#include "league/statsfile.h"
#include "save/save_support.h"
#include "season/statsmodel.h"
#include "util/errors.h"

namespace vm {
namespace {

struct StatsFileTest : ::testing::Test {
    test::Scratch scratch;
    std::unique_ptr<World> world = test::newGame(scratch, 4);
    std::filesystem::path file;

    StatsFileTest() {
        seasonstart(*world);
        for (auto& l : world->leagues) l->round = 0;
        prematch(*world, 2);
        playmatchday(*world, 2);  // club 0's first match: its players are tracked
        file = savePath(*world, "kiroku");
    }
    // The save loaded into a world that shares nothing with the one that saved.
    std::unique_ptr<World> loaded() {
        auto fresh = scratch.world(99);
        load(*fresh, file);
        return fresh;
    }
};

const Tplayer* named(const PlayerList& list, const std::string& name) {
    for (const auto& p : list)
        if (p->name == name) return p.get();
    return nullptr;
}

TEST_F(StatsFileTest, NamesakesKeepTheirOwnRecordsThroughASaveAndALoad) {
    ASSERT_NE(world->team(0).roster[3]->statsid, 0);  // tracked by the match played
    ASSERT_NE(world->team(0).roster[5]->statsid, 0);
    const std::string name = test::makeNamesakes(*world);
    save(*world, file);
    ASSERT_TRUE(std::filesystem::exists(statsPath(file)));

    const auto other = loaded();
    EXPECT_EQ(other->stats.notice, "");
    const Tplayer* a = named(other->team(0).roster, "改名");
    const Tplayer* b = named(other->team(0).injured, name);
    ASSERT_TRUE(a && b);
    ASSERT_TRUE(trackedrecord(*other, *a) && trackedrecord(*other, *b));
    EXPECT_EQ(trackedrecord(*other, *a)->goals, 7);
    EXPECT_EQ(trackedrecord(*other, *b)->goals, 3);
    EXPECT_EQ(other->stats.results.size(), 1u);
    EXPECT_EQ(other->stats.lastday.size(), 5u);
}

TEST_F(StatsFileTest, AStaleOrDamagedFileStartsTheRecordsAfreshAndTheGameLoadsAsSaved) {
    save(*world, file);
    const std::string good = readBytes(statsPath(file));
    // Stale: the save changed after its statistics were written.
    world->team(0).money += 1;
    const std::string saved = saveImage(*world);
    writeBytesAtomic(file, saved);
    // Damaged: cut short anywhere, or garbage.
    for (const std::string& stats : {good, good.substr(0, good.size() / 2), std::string("VMST\1\0\0\0", 8)}) {
        writeBytesAtomic(statsPath(file), stats);
        const auto other = loaded();
        EXPECT_NE(other->stats.notice, "");
        EXPECT_TRUE(other->stats.players.empty());
        EXPECT_EQ(other->stats.since, other->kanri.year);
        EXPECT_EQ(saveImage(*other), saved);
    }
    for (std::size_t cut = 0; cut < good.size(); cut += 61)
        EXPECT_THROW(readStatsImage(good.substr(0, cut)), FormatError) << cut;
}

TEST_F(StatsFileTest, TheStatisticsFileGoesWithItsSave) {
    save(*world, file);
    const auto moved = file.parent_path() / "moved.dat";
    ASSERT_TRUE(renameSavePair(file, moved));
    EXPECT_TRUE(std::filesystem::exists(statsPath(moved)));
    EXPECT_FALSE(std::filesystem::exists(statsPath(file)));
    ASSERT_TRUE(removeSavePair(moved));
    EXPECT_FALSE(std::filesystem::exists(statsPath(moved)));
}

}  // namespace
}  // namespace vm
