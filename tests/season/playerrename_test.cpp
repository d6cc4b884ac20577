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
#include "season/prompts.h"
#include "support/scratch.h"
#include "transfers/window.h"

namespace vm::test {
namespace {

// Types the scripted answer into the name box and keeps what was shown.
class Typist : public Prompts {
public:
    std::optional<std::string> answer;
    std::vector<std::string> asked;  // caption | prompt | initial
    std::vector<std::string> shown;

    void message(std::string_view text) override { shown.emplace_back(text); }
    void error(std::string_view text) override { shown.emplace_back(text); }
    bool askYesNo(std::string_view) override { return false; }
    bool askOkCancel(std::string_view) override { return false; }
    std::optional<std::string> input(std::string_view caption, std::string_view prompt,
                                     std::string_view initial) override {
        asked.push_back(std::string(caption) + "|" + std::string(prompt) + "|" + std::string(initial));
        return answer;
    }
};

class RenameTest : public ::testing::Test {
protected:
    Scratch scratch;
    std::unique_ptr<World> world = scratch.world(5);
    Typist typist;

    Tplayer& player() { return world->team(4).getplayer(2); }

    // Types `name` for player 2 of club 4; returns what he is called then.
    std::string rename(const std::string& name) {
        typist.answer = name;
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
    EXPECT_EQ(typist.asked.at(0), "選手名変更|選手名を入力してください|" + before);
    EXPECT_TRUE(typist.shown.empty());

    EXPECT_EQ(rename("一二三四五六七八九十壱弐"), "一二三四五六七八九十壱");
    EXPECT_EQ(typist.shown, (std::vector<std::string>{"名前が長すぎます"}));
    EXPECT_EQ(rename("abcdefghijk"), "abcdefghijk");  // characters are counted, not bytes
}

TEST_F(RenameTest, SpacesCommasQuotesAndForeignCharactersAreRefused) {
    const std::string before = player().name;
    for (const char* bad : {"山田 太郎", "山田,太郎", "\"山田\"", "", "😀"}) {
        typist.shown.clear();
        EXPECT_EQ(rename(bad), before) << bad;
        EXPECT_EQ(typist.shown, (std::vector<std::string>{"使用できない文字を含んでいます"})) << bad;
    }
}

TEST_F(RenameTest, ACancelledQuestionKeepsTheName) {
    const std::string before = player().name;
    typist.answer.reset();
    EXPECT_FALSE(renameplayer(*world, typist, 4, 2));
    EXPECT_EQ(player().name, before);
    EXPECT_TRUE(typist.shown.empty());
}

TEST_F(RenameTest, NobodyIsRenamedDuringASeasonOrATransferWindow) {
    ASSERT_TRUE(canrename(*world));
    seasonstart(*world);
    EXPECT_FALSE(canrename(*world));
    EXPECT_EQ(rename("新しい名前"), player().name);
    EXPECT_NE(player().name, "新しい名前");
    EXPECT_TRUE(typist.asked.empty());

    world->leagues = {};
    tradeopen(*world);
    EXPECT_FALSE(canrename(*world));
    EXPECT_NE(rename("新しい名前"), "新しい名前");
    EXPECT_TRUE(typist.asked.empty());

    tradeend(*world);
    EXPECT_EQ(rename("新しい名前"), "新しい名前");
}

}  // namespace
}  // namespace vm::test
