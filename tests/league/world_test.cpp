// SPDX-License-Identifier: GPL-3.0-or-later
// The world as the game builds it at start-up.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/world.h"
#include "support/scratch.h"
#include "util/errors.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm {
namespace {

std::string snapshot(const World& w) {
    OutStream out;
    for (const auto& club : w.teams) club->teamsave(out);
    return out.bytes();
}

TEST(World, StartUpBuildsTwentyClubsInTwoDivisions) {
    test::Scratch scratch;
    auto w = scratch.world(3);
    const int money[] = {200, 250, 450, 500};
    for (int k = 0; k < kClubCount; ++k) {
        const Tteam& club = w->team(k);
        EXPECT_EQ(club.clubno, k);
        EXPECT_EQ(club.roster.size(), 18u);
        EXPECT_EQ(club.popularity, (k + 1) * 5);
        EXPECT_EQ(club.money, money[k / 5]);
        EXPECT_EQ(w->divof(k), k < 10 ? 2 : 1);
        for (const auto& p : club.roster) EXPECT_EQ(p->club, k);
        // Japanese names for the first fifteen of Division 2's clubs.
        if (k < 10) {
            for (int i = 0; i < 15; ++i) EXPECT_NE(club.roster[i]->name.find("　"), std::string::npos);
        }
    }
    EXPECT_EQ(w->divof(99), 1);
    EXPECT_EQ(w->kanri.year, 1);
    EXPECT_EQ(w->kanri.mydiv, 2);
    EXPECT_EQ(w->kanri.div2list, "00,01,02,03,04,05,06,07,08,09,");
    EXPECT_TRUE(std::filesystem::is_directory(scratch.path("data/savedata")));
    EXPECT_EQ(readBytes(scratch.path("data/tmp/history.txt")), readBytes(scratch.path("data/history.txt")));
}

TEST(World, ASeedReproducesTheWorldAndAnotherSeedDoesNot) {
    test::Scratch scratch;
    const std::string a = snapshot(*scratch.world(11));
    const std::string b = snapshot(*scratch.world(11));
    const std::string c = snapshot(*scratch.world(12));
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(World, StartUpDiscardsTheOldHistoryButKeepsItWithoutATemplate) {
    test::Scratch scratch;
    std::filesystem::create_directories(scratch.path("data/tmp"));
    writeLines(scratch.path("data/tmp/history.txt"), {"old"});
    scratch.world(1);
    EXPECT_NE(readLines(scratch.path("data/tmp/history.txt")), std::vector<std::string>{"old"});

    writeLines(scratch.path("data/tmp/history.txt"), {"old"});
    std::filesystem::remove(scratch.path("data/history.txt"));
    scratch.world(1);
    EXPECT_EQ(readLines(scratch.path("data/tmp/history.txt")), std::vector<std::string>{"old"});
}

TEST(World, AMissingNameListIsReportedByName) {
    test::Scratch scratch;
    std::filesystem::remove(scratch.path("data/name/name1-2.txt"));
    World w(scratch.root(), SeedSource::fixed(1));
    try {
        w.startup();
        FAIL() << "start-up succeeded without a name list";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("name1-2.txt"), std::string::npos);
    }
}

}  // namespace
}  // namespace vm
