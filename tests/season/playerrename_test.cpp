// SPDX-License-Identifier: GPL-3.0-or-later
// Renaming a player from his card: when it is allowed, which names pass, and
// who is renamed once the roster has changed under the card.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "league/season.h"
#include "league/tleague.h"
#include "league/window.h"
#include "league/world.h"
#include "season/names.h"
#include "season/playercard.h"
#include "season/playerrename.h"
#include "support/scratch.h"
#include "support/scripted_prompts.h"

namespace vm::test {
namespace {

class RenameTest : public ::testing::Test {
protected:
    Scratch scratch;
    std::unique_ptr<World> world = scratch.world(5);
    ScriptedPrompts typist;

    Tplayer& player() { return world->team(4).getplayer(2); }

    // Types `name` for player 2 of club 4; returns what he is called then.
    std::string rename(const std::string& name) {
        typist.inputs = {name};
        renameplayer(*world, typist, 4, 2);
        return player().name;
    }
};

TEST(OneCommaItem, OnlyATextThatReadsBackAsItselfIsOneItem) {
    EXPECT_TRUE(isOneCommaItem("Ｊ．ロペス"));
    EXPECT_TRUE(isOneCommaItem("山田　太郎"));  // a full-width space splits nothing
    EXPECT_TRUE(isOneCommaItem("O'Neil"));
    for (const char* bad : {"", "a,b", "a b", " lead", "trail ", "\"quoted\"", "tab\there", "line\n"})
        EXPECT_FALSE(isOneCommaItem(bad)) << bad;
}

TEST_F(RenameTest, ElevenCharactersAreANameAndTwelveAreTooLong) {
    const std::string before = player().name;
    EXPECT_EQ(rename("一二三四五六七八九十壱"), "一二三四五六七八九十壱");
    ASSERT_EQ(typist.typing.size(), 1u);
    EXPECT_EQ(typist.typing[0].caption, "選手名変更");
    EXPECT_EQ(typist.typing[0].prompt, "選手名を入力してください");
    EXPECT_EQ(typist.typing[0].initial, before);
    EXPECT_TRUE(typist.messages.empty());

    EXPECT_EQ(rename("一二三四五六七八九十壱弐"), "一二三四五六七八九十壱");
    EXPECT_EQ(typist.messages, (std::vector<std::string>{"名前が長すぎます"}));
    EXPECT_EQ(rename("abcdefghijk"), "abcdefghijk");  // characters are counted, not bytes
}

TEST_F(RenameTest, SpacesCommasQuotesAndForeignCharactersAreRefused) {
    const std::string before = player().name;
    for (const char* bad : {"山田 太郎", "山田,太郎", "\"山田\"", "", "😀"}) {
        typist.messages.clear();
        EXPECT_EQ(rename(bad), before) << bad;
        EXPECT_EQ(typist.messages, (std::vector<std::string>{"使用できない文字を含んでいます"})) << bad;
    }
}

TEST_F(RenameTest, ACancelledQuestionKeepsTheName) {
    const std::string before = player().name;
    typist.inputs = {std::nullopt};
    EXPECT_FALSE(renameplayer(*world, typist, 4, 2));
    EXPECT_EQ(player().name, before);
    EXPECT_TRUE(typist.messages.empty());
}

TEST_F(RenameTest, NobodyIsRenamedDuringASeasonOrATransferWindow) {
    ASSERT_TRUE(canrename(*world));
    seasonstart(*world);
    EXPECT_FALSE(canrename(*world));
    EXPECT_EQ(rename("新しい名前"), player().name);
    EXPECT_NE(player().name, "新しい名前");
    EXPECT_TRUE(typist.typing.empty());

    world->leagues = {};
    tradeopen(*world);
    EXPECT_FALSE(canrename(*world));
    EXPECT_NE(rename("新しい名前"), "新しい名前");
    EXPECT_TRUE(typist.typing.empty());

    tradeend(*world);
    EXPECT_EQ(rename("新しい名前"), "新しい名前");
}

TEST_F(RenameTest, TheCardRenamesItsOwnPlayerAfterTheRosterChangedOrder) {
    Tteam& club = world->team(4);
    PlayerCard card = pload(*world, 4, 2);
    Tplayer& him = club.getplayer(2);
    // The coach's line-up: he is first now, and his old place is another's.
    std::rotate(club.roster.begin(), club.roster.begin() + 2, club.roster.end());
    ASSERT_EQ(&club.getplayer(0), &him);
    const std::string old = him.name;
    const std::string other = club.getplayer(2).name;

    typist.inputs = {std::string("新しい名前")};
    EXPECT_EQ(renamefromcard(*world, typist, card), CardRename::renamed);

    ASSERT_EQ(typist.typing.size(), 1u);
    EXPECT_EQ(typist.typing[0].initial, old) << "he is the one asked about";
    EXPECT_EQ(him.name, "新しい名前");
    EXPECT_EQ(club.getplayer(2).name, other);
    EXPECT_EQ(card.identity[kCardName], "新しい名前");
    EXPECT_EQ(card.identity[kCardPlace], "01") << "the card shows where he stands now";
}

TEST_F(RenameTest, ACardWhosePlayerLeftTheClubRenamesNobody) {
    Tteam& club = world->team(4);
    club.getplayer(2).value = 100;
    PlayerCard card = pload(*world, 4, 2);
    std::vector<std::string> before;
    ASSERT_TRUE(club.coachset(2, 1));
    for (const auto& p : club.roster) before.push_back(p->name);

    typist.inputs = {std::string("新しい名前")};
    EXPECT_EQ(renamefromcard(*world, typist, card), CardRename::left);

    EXPECT_EQ(typist.messages, std::vector<std::string>{kPlayerLeft});
    EXPECT_TRUE(typist.typing.empty()) << "nobody is asked for";
    std::vector<std::string> after;
    for (const auto& p : club.roster) after.push_back(p->name);
    EXPECT_EQ(after, before);

    // During a season the click asks nothing and says nothing.
    typist.messages.clear();
    seasonstart(*world);
    EXPECT_EQ(renamefromcard(*world, typist, card), CardRename::kept);
    EXPECT_TRUE(typist.messages.empty());
}

}  // namespace
}  // namespace vm::test
