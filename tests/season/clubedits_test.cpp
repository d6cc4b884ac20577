// SPDX-License-Identifier: GPL-3.0-or-later
// What the main screen changes about the clubs: names (between seasons, one
// usable item of comma text), emblems (the top-left 12 x 12 of any bitmap) and
// coach appointments (never below eleven players, asked, refusable).
#include <gtest/gtest.h>

#include <fstream>

#include "season/clubedits.h"
#include "season/names.h"
#include "season/news_fixture.h"
#include "support/scripted_prompts.h"
#include "util/bitmap.h"
#include "util/textfile.h"

namespace vm {
namespace {
using test::NewsTest;

class ClubEditTest : public NewsTest {
protected:
    test::ScriptedPrompts prompts;

    bool rename(int club, std::optional<std::string> answer) {
        prompts.inputs.push_back(std::move(answer));
        return renameclub(*world, prompts, club);
    }
};

TEST_F(ClubEditTest, AnyClubTakesANewNameBetweenSeasons) {
    const std::string old = world->team(17).name;
    EXPECT_TRUE(rename(0, "ヴェルモーラ東京"));
    EXPECT_EQ(world->team(0).name, "ヴェルモーラ東京");
    EXPECT_TRUE(rename(17, "FC_Nord-2"));
    EXPECT_EQ(world->team(17).name, "FC_Nord-2");
    EXPECT_TRUE(rename(3, "全角　スペース"));  // the full-width space is a character of the name
    EXPECT_TRUE(prompts.messages.empty());
    ASSERT_EQ(prompts.typing.size(), 3u);
    EXPECT_EQ(prompts.typing[1].caption, "チーム名変更");
    EXPECT_EQ(prompts.typing[1].prompt, "チーム名を入力してください");
    EXPECT_EQ(prompts.typing[1].initial, old) << "the box starts with the club's name";
}

TEST_F(ClubEditTest, NamesThatWouldBreakTheTablesAreRefusedAndTheOldNameStays) {
    const std::string before = world->team(4).name;
    for (const char* bad : {"Real Nord", "Nord,FC", "\"Nord\"", "", " Nord", "Nord\t", "😀FC"}) {
        prompts.messages.clear();
        EXPECT_FALSE(rename(4, bad)) << bad;
        EXPECT_EQ(world->team(4).name, before) << bad;
        EXPECT_EQ(prompts.messages, std::vector<std::string>{kUnusableName}) << bad;
    }
    prompts.messages.clear();
    EXPECT_FALSE(rename(4, std::string(kMaxStoredNameBytes + 1, 'x')));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{kNameTooLong});
    EXPECT_FALSE(rename(4, std::nullopt)) << "cancelled";
    EXPECT_EQ(world->team(4).name, before);
}

TEST_F(ClubEditTest, DuringASeasonNamesAndCoachesStayAsTheyAre) {
    season(3);
    const std::string before = world->team(0).name;
    EXPECT_FALSE(renameclub(*world, prompts, 0));
    EXPECT_FALSE(appointcoach(*world, prompts, 15, 1));
    EXPECT_EQ(world->team(0).name, before);
    EXPECT_TRUE(prompts.silent()) << "nothing is even asked";
}

TEST_F(ClubEditTest, AnEmblemKeepsTheTopLeftOfALargerPicture) {
    Bitmap picture(40, 30, 0xFF0000FF);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            if (x < 12 && y < 12) picture.at(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 16 + y);
    const auto file = scratch.path("wide.bmp");
    writeBytesAtomic(file, encodeBmp(picture));
    prompts.files.push_back(file);
    ASSERT_TRUE(changeemblem(*world, prompts, 12));
    EXPECT_EQ(world->team(12).emblem, picture.crop(0, 0, 12, 12));
    EXPECT_EQ(world->team(12).emblem.width, 12);

    // A small picture is filled out with white.
    writeBytesAtomic(file, encodeBmp(Bitmap(5, 5, 0xFF112233)));
    loademblem(*world, 12, file);
    EXPECT_EQ(world->team(12).emblem.at(4, 4), 0xFF112233u);
    EXPECT_EQ(world->team(12).emblem.at(11, 11), 0xFFFFFFFFu);
}

TEST_F(ClubEditTest, AFileThatIsNoBitmapIsNamedAndTheEmblemStays) {
    const Bitmap before = world->team(2).emblem;
    const auto file = scratch.path("photo.bmp");
    std::ofstream(file, std::ios::binary) << "BM not really a bitmap";
    prompts.files.push_back(file);
    EXPECT_FALSE(changeemblem(*world, prompts, 2));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("photo.bmp"), std::string::npos) << prompts.errors[0];
    EXPECT_EQ(world->team(2).emblem, before);

    prompts.files.push_back(scratch.path("missing.bmp"));
    EXPECT_FALSE(changeemblem(*world, prompts, 2));
    EXPECT_EQ(prompts.errors.size(), 2u);
    EXPECT_EQ(world->team(2).emblem, before);
}

TEST_F(ClubEditTest, AnAppointedCoachLeavesTheRosterAndTeachesWithHisAttributes) {
    Tteam& club = world->team(0);
    ASSERT_GT(club.roster.size(), 11u);
    const int index = club.playerhigh();
    Tplayer& veteran = club.getplayer(index);
    veteran.value = 5;
    const Attrs taught = veteran.ability;
    const std::string name = veteran.name;
    const std::size_t players = club.roster.size();

    prompts.okcancel = {true};
    ASSERT_TRUE(appointcoach(*world, prompts, index, 2));
    EXPECT_EQ(prompts.questions,
              std::vector<std::string>{name + "を引退させ、コーチ2にします。よろしいですか"});
    EXPECT_EQ(club.roster.size(), players - 1);
    EXPECT_EQ(club.coach[1], taught);
    for (const auto& p : club.roster) EXPECT_NE(p->name, name);
}

TEST_F(ClubEditTest, ACoachAppointmentCanBeCancelledOrRefused) {
    Tteam& club = world->team(0);
    const std::size_t players = club.roster.size();
    const auto coaches = club.coach;
    prompts.okcancel = {false};
    EXPECT_FALSE(appointcoach(*world, prompts, 12, 1));
    EXPECT_EQ(club.roster.size(), players);

    Tplayer& leaving = club.getplayer(12);
    leaving.value = 0;  // he wants to leave and will not coach
    prompts.okcancel = {true};
    EXPECT_FALSE(appointcoach(*world, prompts, 12, 1));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{leaving.name + "はコーチ就任を拒否しました"});
    EXPECT_EQ(club.roster.size(), players);
    EXPECT_EQ(club.coach, coaches);
}

TEST_F(ClubEditTest, ElevenPlayersAreTooFewToLoseOne) {
    Tteam& club = world->team(0);
    while (club.roster.size() > 11) club.playerremove(club.playerhigh());
    EXPECT_FALSE(appointcoach(*world, prompts, 10, 3));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{kSquadTooSmall});
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(club.roster.size(), 11u);
}

}  // namespace
}  // namespace vm
