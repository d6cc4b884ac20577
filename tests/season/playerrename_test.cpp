// Renaming a player from his card: when it is allowed, and which names pass.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "league/season.h"
#include "league/tleague.h"
#include "league/world.h"
#include "season/names.h"
#include "season/playerrename.h"
#include "support/scratch.h"
#include "support/scripted_prompts.h"
#include "transfers/window.h"

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

}  // namespace
}  // namespace vm::test
