// SPDX-License-Identifier: GPL-3.0-or-later
// An installed game's two folders: a season reads the shipped data where it
// lies and never writes there, and everything the game writes lands in the
// player's folder, which holds nothing of the shipped data.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "league/newgame.h"
#include "league/savegame.h"
#include "league/world.h"
#include "season/career.h"
#include "season/simplecoach.h"
#include "season/tacticsboard.h"
#include "support/scratch.h"
#include "util/textfile.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

// Every file below `folder` with its bytes.
std::map<std::string, std::string> contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).generic_string()] = readBytes(entry.path());
    return files;
}

std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

TEST(ShippedData, ASeasonReadsTheShippedDataInPlaceAndWritesOnlyInThePlayersFolder) {
    test::Scratch scratch;  // its data/ stands for <prefix>/share/vellmora2/data
    const fs::path shipped = scratch.root();
    const fs::path player = scratch.path("player");
    const auto before = contents(shipped / "data");

    World w(player, shipped, SeedSource::fixed(5));
    w.startup();
    newgame(w);
    SimpleCoach coach;
    const SeasonSummary season = playseason(w, coach);
    formationFolder(w);
    save(w, player / "data/savedata/one.dat");

    EXPECT_TRUE(season.played);
    EXPECT_EQ(contents(shipped / "data"), before) << "the game wrote into its shipped data";
    EXPECT_EQ(entriesOf(player), std::set<std::string>{"data"});
    EXPECT_EQ(entriesOf(player / "data"), (std::set<std::string>{"formation", "savedata", "tmp"}));
    // The season's history started from the shipped template.
    const auto history = readLines(player / "data/tmp/history.txt");
    const auto head = readLines(shipped / "data/history.txt");
    ASSERT_GT(history.size(), head.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), history.begin()));
}

TEST(ShippedData, AReadOnlyHistoryTemplateGivesTheSeasonAWritableHistory) {
    test::Scratch scratch;
    const fs::path player = scratch.path("player");
    fs::permissions(scratch.path("data/history.txt"),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    World w(player, scratch.root(), SeedSource::fixed(1));
    w.startup();
    w.startup();  // a second start copies over the first copy

    const fs::perms copy = fs::status(player / "data/tmp/history.txt").permissions();
    EXPECT_NE(copy & fs::perms::owner_write, fs::perms::none);
}

}  // namespace
}  // namespace vm
