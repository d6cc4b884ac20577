// SPDX-License-Identifier: GPL-3.0-or-later
// A new game: two fresh clubs for the user, names and emblems for all, line-ups,
// formation spots and coaches; and a refusal that leaves the world as it was
// when a fixed data file is missing or broken.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "league/newgame.h"
#include "league/tleague.h"
#include "league/world.h"
#include "support/scratch.h"
#include "util/bitmap.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {
namespace {

namespace fs = std::filesystem;

class NewGameTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> world = scratch.world(7);

    std::set<const Tplayer*> players(int k) const {
        std::set<const Tplayer*> out;
        for (auto& p : world->team(k).roster) out.insert(p.get());
        return out;
    }
    // The formation spots data/formation.txt gives for a line-up.
    std::array<Point, 11> spotsFor(const Tteam& club) const {
        auto at = [&](int i) { return club.getplayer(i).at; };
        std::string key;
        key += (at(4) == 1 || at(4) == 2) ? '1' : '0';
        key += at(6) == 6 ? '1' : '0';
        key += at(9) == 5 ? '1' : at(9) == 6 ? '2' : '0';
        key += at(10) == 6 ? '1' : '0';
        const auto lines = readLines(scratch.path("data/formation.txt"));
        const auto it = std::find(lines.begin(), lines.end(), key);
        EXPECT_NE(it, lines.end()) << key;
        std::array<Point, 11> spots{};
        for (std::size_t i = 0; i < 11; ++i)
            spots[i] = {std::stoi((it + 1)->substr(6 * i, 3)), std::stoi((it + 1)->substr(6 * i + 3, 3))};
        return spots;
    }
    void expectRefusedNaming(const std::string& file) {
        const Tteam* user = world->teams[0].get();
        const std::string name5 = world->team(5).name;
        const auto before = players(5);
        try {
            newgame(*world);
            ADD_FAILURE() << "no error for " << file;
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        }
        EXPECT_EQ(world->teams[0].get(), user);
        EXPECT_EQ(world->team(5).name, name5);
        EXPECT_EQ(players(5), before);
    }
};

TEST_F(NewGameTest, TheUserGetsTwoFreshClubsAndTheOthersKeepTheirPlayers) {
    const Tteam* oldUser = world->teams[0].get();
    const Tteam* oldSecond = world->teams[1].get();
    std::array<std::set<const Tplayer*>, kClubCount> before;
    for (int k = 0; k < kClubCount; ++k) before[k] = players(k);

    newgame(*world);

    EXPECT_NE(world->teams[0].get(), oldUser);
    EXPECT_NE(world->teams[1].get(), oldSecond);
    for (int k = 0; k < 2; ++k) {
        const Tteam& club = world->team(k);
        EXPECT_EQ(club.popularity, (k + 1) * 5);
        EXPECT_EQ(club.money, 200);
        ASSERT_EQ(club.clubno, k);
        // Fifteen Japanese names (family, full-width space, given) and three of any kind.
        const auto japanese = std::count_if(club.roster.begin(), club.roster.end(), [](const auto& p) {
            return p->name.find("　") != std::string::npos;
        });
        if (k == 0) {
            EXPECT_GE(japanese, 15);  // club 1 may have turned veterans into coaches
        }
    }
    EXPECT_EQ(world->team(0).roster.size(), 18u);  // the user appoints his own coaches
    for (int k = 2; k < kClubCount; ++k) {
        const auto now = players(k);
        EXPECT_TRUE(std::includes(before[k].begin(), before[k].end(), now.begin(), now.end())) << k;
        EXPECT_GE(now.size(), 11u);
    }
    EXPECT_FALSE(world->leagues[0] || world->leagues[1]);
    EXPECT_EQ(world->kanri.year, 1);
}

TEST_F(NewGameTest, EveryClubGetsItsNameEmblemLineupFormationAndCoaches) {
    newgame(*world);
    const auto names = readLines(scratch.path("data/name/teamname.txt"));
    const Bitmap emblems = decodeBmp(readBytes(scratch.path("data/teamimage.bmp")));
    EXPECT_EQ(world->team(0).emblem, emblems.crop(0, 0, 12, 12));
    EXPECT_EQ(world->team(12).emblem, emblems.crop(24, 12, 12, 12));
    for (int k = 0; k < kClubCount; ++k) {
        const Tteam& club = world->team(k);
        EXPECT_EQ(club.name, names[k]);
        int lowest = 6;
        for (auto& p : club.roster) lowest = std::min(lowest, p->at);
        EXPECT_EQ(club.getplayer(0).at, lowest) << k;  // the keeper's pick comes first
        EXPECT_EQ(club.position, spotsFor(club)) << k;
        for (int a = 0; a < 7; ++a)
            EXPECT_EQ(club.coachpower[a], std::max({club.coach[0][a], club.coach[1][a], club.coach[2][a]}));
    }
    EXPECT_NE(world->team(12).emblem, world->team(13).emblem);
}

TEST_F(NewGameTest, TheSameSeedGivesTheSameNewGame) {
    test::Scratch other;
    auto twin = other.world(7);
    newgame(*world);
    newgame(*twin);
    for (int k = 0; k < kClubCount; ++k) {
        ASSERT_EQ(world->team(k).roster.size(), twin->team(k).roster.size());
        for (int i = 0; i <= world->team(k).playerhigh(); ++i)
            EXPECT_EQ(world->team(k).getplayer(i).datatext(), twin->team(k).getplayer(i).datatext());
        EXPECT_EQ(world->team(k).coach, twin->team(k).coach);
    }
}

TEST_F(NewGameTest, ALongerNameListUsesItsFirstTwenty) {
    auto names = readLines(scratch.path("data/name/teamname.txt"));
    names.insert(names.begin(), "先頭クラブ");
    names.push_back("余りクラブ");
    writeLines(scratch.path("data/name/teamname.txt"), names);
    newgame(*world);
    EXPECT_EQ(world->team(0).name, "先頭クラブ");
    EXPECT_EQ(world->team(19).name, names[19]);
}

TEST_F(NewGameTest, MissingOrBrokenFilesAreNamedAndChangeNothing) {
    const auto names = scratch.path("data/name/teamname.txt");
    const auto image = scratch.path("data/teamimage.bmp");
    const std::string nameBytes = readBytes(names), imageBytes = readBytes(image);

    fs::remove(names);
    expectRefusedNaming("teamname.txt");
    auto lines = readLines(scratch.root() / "data/name/name1-1.txt");
    lines.resize(19);
    writeLines(names, lines);
    expectRefusedNaming("teamname.txt");
    writeBytesAtomic(names, nameBytes);

    fs::remove(image);
    expectRefusedNaming("teamimage.bmp");
    writeBytesAtomic(image, imageBytes.substr(0, 60));
    expectRefusedNaming("teamimage.bmp");
    writeBytesAtomic(image, imageBytes);

    // With the files back, the new game goes through on the same world.
    newgame(*world);
    EXPECT_EQ(world->team(0).name, readLines(names)[0]);
}

TEST_F(NewGameTest, AFormationFileWithoutAPossibleLineupIsRefused) {
    const auto formations = scratch.path("data/formation.txt");
    auto spots = readLines(formations);
    const auto key = std::find(spots.begin(), spots.end(), "1021");
    ASSERT_NE(key, spots.end());
    spots.erase(key, key + 2);
    writeLines(formations, spots);
    expectRefusedNaming("formation.txt");
}

}  // namespace
}  // namespace vm
