// SPDX-License-Identifier: GPL-3.0-or-later
// The save screen's saving, loading and exporting: the lists of each mode,
// new names and the overwrite question, refusals that write nothing, failed
// writes that keep the old file, and loads that are whole or change nothing.
#include "season/savescreen.h"
#include "season/versuspicker.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "league/savefiles.h"
#include "league/versus.h"
#include "save/save_support.h"
#include "support/scripted_prompts.h"
#include "util/durablewrite.h"
#include "util/errors.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

class SaveScreenTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> game = test::newGame(scratch, 5);
    test::ScriptedPrompts ask;

    fs::path saved(const std::string& name) const { return game->path("data/savedata/" + name + ".dat"); }

    // A save of the game whose file was last written at `seconds` since the epoch.
    void saveAt(const std::string& name, std::time_t seconds) {
        save(*game, savePath(*game, name));
        const timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, saved(name).c_str(), times, 0), 0);
    }

    static std::vector<std::string> column(const Grid& g, int col) {
        std::vector<std::string> out;
        for (int r = 1; r < g.rowCount(); ++r) out.push_back(g.cell(col, r));
        return out;
    }

    static int rowOf(const Grid& g, const std::string& name) {
        for (int r = 1; r < g.rowCount(); ++r)
            if (g.cell(0, r) == name) return r;
        ADD_FAILURE() << name << " is not listed";
        return 0;
    }

    std::vector<std::string> folder(const char* name) const {
        std::vector<std::string> out;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(game->path(name), ec)) out.push_back(e.path().filename());
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST_F(SaveScreenTest, SavedGamesAreListedNewestFirstWithTheirTimes) {
    saveAt("autumn", 1700000100);
    saveAt("spring", 1700000300);
    saveAt("summer", 1700000200);

    SaveScreen screen(*game, ask, SaveMode::save);
    const Grid& g = screen.grid();
    EXPECT_EQ(g.rowText(0), "data,保存日時");
    EXPECT_EQ(column(g, 0), (std::vector<std::string>{"spring", "summer", "autumn"}));
    const auto files = dataload(*game, "savedata");  // by name: autumn, spring, summer
    EXPECT_EQ(column(g, 1),
              (std::vector<std::string>{files[1].timetext, files[2].timetext, files[0].timetext}));
    EXPECT_EQ(screen.confirmCaption(), "保存");
    EXPECT_TRUE(screen.newFileShown());
    EXPECT_EQ(screen.selectedRow(), 0) << "no file is chosen before the player chooses one";

    SaveScreen loading(*game, ask, SaveMode::load);
    EXPECT_EQ(column(loading.grid(), 0), column(g, 0));
    EXPECT_EQ(loading.confirmCaption(), "Load");
    EXPECT_FALSE(loading.newFileShown());
    EXPECT_FALSE(loading.closesAtOnce());
    loading.press(2);
    EXPECT_EQ(loading.chosenName(), "summer");
    EXPECT_TRUE(ask.silent());
}

TEST_F(SaveScreenTest, TheVersusModesListVersusFilesByName) {
    save(*game, savePath(*game, "a saved game"));
    for (const char* name : {"zeta", "alpha, the first"}) vssave(*game, vsPath(*game, name), kNoComment);

    SaveScreen exporting(*game, ask, SaveMode::vsexport);
    ASSERT_EQ(exporting.grid().colCount(), 1);
    EXPECT_EQ(exporting.grid().cell(0, 0), "data");
    EXPECT_EQ(column(exporting.grid(), 0), (std::vector<std::string>{"alpha, the first", "zeta"}));
    EXPECT_EQ(exporting.confirmCaption(), "保存");
    EXPECT_TRUE(exporting.newFileShown());

    VersusPicker versus(*game, ask);
    EXPECT_EQ(versus.grid().rowText(0), "←,VSdata,→");
    EXPECT_EQ(column(versus.grid(), 1), (std::vector<std::string>{"alpha, the first", "zeta"}));
    EXPECT_EQ(column(versus.grid(), 0), (std::vector<std::string>{"", ""}));
}

TEST_F(SaveScreenTest, LoadingOrAVersusMatchWithNothingToChooseClosesAtOnce) {
    EXPECT_TRUE(SaveScreen(*game, ask, SaveMode::load).closesAtOnce());
    EXPECT_TRUE(VersusPicker(*game, ask).closesAtOnce());
    // Saving and exporting make their first file through "新規保存".
    SaveScreen saving(*game, ask, SaveMode::save);
    EXPECT_FALSE(saving.closesAtOnce());
    EXPECT_EQ(saving.grid().rowCount(), 1);
    EXPECT_FALSE(SaveScreen(*game, ask, SaveMode::vsexport).closesAtOnce());
    EXPECT_TRUE(ask.silent()) << "closing at once says nothing";
}

TEST_F(SaveScreenTest, ConfirmingWithNoFileChosenAsksForOneAndWritesNothing) {
    for (SaveMode mode : {SaveMode::save, SaveMode::vsexport}) {
        SaveScreen screen(*game, ask, mode);
        EXPECT_EQ(screen.confirm().next, SaveNext::stay);
        EXPECT_EQ(screen.doubleClick(0).next, SaveNext::stay) << "the heading is no file";
    }
    EXPECT_EQ(ask.messages, (std::vector<std::string>{kChooseFileText, kChooseFileText}));
    EXPECT_TRUE(folder("data/savedata").empty());
    EXPECT_TRUE(folder("data/vs").empty());

    save(*game, savePath(*game, "one"));
    SaveScreen loading(*game, ask, SaveMode::load);
    const test::Snapshot before = test::Snapshot::of(*game);
    EXPECT_EQ(loading.confirm().next, SaveNext::stay);
    EXPECT_EQ(ask.messages.back(), kChooseLoadText);
    before.expectSame(*game);
}

TEST_F(SaveScreenTest, ANewNameEqualToAListedFileAsksBeforeOverwriting) {
    save(*game, savePath(*game, "Cup"));
    const std::string before = readBytes(saved("Cup"));
    game->team(0).money += 500;
    SaveScreen screen(*game, ask, SaveMode::save);

    ask.inputs = {"Cup", "Cup"};
    ask.yesno = {false, true};
    EXPECT_EQ(screen.newFile().next, SaveNext::stay);
    EXPECT_EQ(readBytes(saved("Cup")), before) << "No keeps the file";
    EXPECT_EQ(screen.grid().rowCount(), 2) << "and adds no row";

    EXPECT_EQ(screen.newFile().next, SaveNext::close);
    EXPECT_EQ(ask.questions,
              std::vector<std::string>(2, "ファイル名Cupは既に存在しています。上書きしますか"));
    EXPECT_NE(readBytes(saved("Cup")), before) << "Yes saves over it";
    EXPECT_EQ(readBytes(saved("Cup")), saveImage(*game));
    ASSERT_EQ(ask.typing.size(), 2u);
    EXPECT_EQ(ask.typing[0].caption, "新規ファイル名");
    EXPECT_EQ(ask.typing[0].prompt, "ファイル名を入力してください");
    EXPECT_EQ(ask.typing[0].initial, "");
}

TEST_F(SaveScreenTest, ANameDifferingOnlyInCaseIsANewFile) {
    save(*game, savePath(*game, "Cup"));
    const std::string before = readBytes(saved("Cup"));
    game->team(0).money += 500;
    SaveScreen screen(*game, ask, SaveMode::save);

    ask.inputs = {"cup"};
    EXPECT_EQ(screen.newFile().next, SaveNext::close);
    EXPECT_TRUE(ask.questions.empty());
    EXPECT_EQ(screen.grid().rowCount(), 3);
    EXPECT_EQ(screen.chosenName(), "cup");
    EXPECT_EQ(readBytes(saved("cup")), saveImage(*game));
    EXPECT_EQ(readBytes(saved("Cup")), before);
}

TEST_F(SaveScreenTest, AFileSavedSinceTheListWasMadeIsNotOverwrittenWithoutAsking) {
    SaveScreen screen(*game, ask, SaveMode::save);
    save(*game, savePath(*game, "late"));
    const std::string before = readBytes(saved("late"));
    game->team(0).money += 500;

    ask.inputs = {"late"};
    ask.yesno = {false};
    EXPECT_EQ(screen.newFile().next, SaveNext::stay);
    EXPECT_EQ(ask.questions.size(), 1u);
    EXPECT_EQ(readBytes(saved("late")), before);
}

TEST_F(SaveScreenTest, UnsafeNamesAreRefusedAndNothingIsWritten) {
    save(*game, savePath(*game, "kept"));
    const auto data = folder("data");
    SaveScreen screen(*game, ask, SaveMode::save);

    ask.inputs = {"../escape", "a/b", "tab\there", std::nullopt, ""};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(screen.newFile().next, SaveNext::stay);
    EXPECT_EQ(ask.messages, std::vector<std::string>(3, "使用できない文字を含んでいます"))
        << "cancelling or an empty name says nothing";
    // The kept save and its statistics file, nothing more.
    EXPECT_EQ(folder("data/savedata"), (std::vector<std::string>{"kept.dat", "kept.stats"}));
    EXPECT_EQ(folder("data"), data);
    EXPECT_EQ(screen.grid().rowCount(), 2);
}

TEST_F(SaveScreenTest, AnExportAsksForACommentAndCancellingKeepsNone) {
    auto title = scratch.world(8);
    SaveScreen screen(*game, ask, SaveMode::vsexport);
    ask.inputs = {"rival", std::nullopt};
    EXPECT_EQ(screen.newFile().next, SaveNext::close);
    ASSERT_EQ(ask.typing.size(), 2u);
    EXPECT_EQ(ask.typing[1].caption, "コメント追加");
    EXPECT_EQ(ask.typing[1].prompt, "コメントを入力できます");
    EXPECT_EQ(ask.typing[1].initial, "なし");
    EXPECT_EQ(vsload(*title, vsPath(*game, "rival"), 1), "なし");

    // Over the listed file: no overwrite question, only the comment.
    SaveScreen again(*game, ask, SaveMode::vsexport);
    ask.inputs = {"よろしくお願いします"};
    EXPECT_EQ(again.doubleClick(1).next, SaveNext::close);
    EXPECT_TRUE(ask.questions.empty());
    EXPECT_EQ(vsload(*title, vsPath(*game, "rival"), 1), "よろしくお願いします");

    // A comment a versus file cannot hold is refused and the file stays as it was.
    SaveScreen refused(*game, ask, SaveMode::vsexport);
    ask.inputs = {"絵文字😀"};
    EXPECT_EQ(refused.doubleClick(1).next, SaveNext::stay);
    EXPECT_EQ(ask.messages, std::vector<std::string>{"使用できない文字を含んでいます"});
    EXPECT_EQ(vsload(*title, vsPath(*game, "rival"), 1), "よろしくお願いします");
}

TEST_F(SaveScreenTest, AFailedWriteSaysSoKeepsTheOldFileAndListsOnlyWhatIsThere) {
    save(*game, savePath(*game, "keep"));
    const std::string before = readBytes(saved("keep"));
    game->team(0).money += 500;
    // Nothing can be written where the temporary file has to go.
    fs::create_directories(partFileOf(game->path("data/savedata/keep.dat")));
    fs::create_directories(partFileOf(game->path("data/savedata/fresh.dat")));
    SaveScreen screen(*game, ask, SaveMode::save);

    screen.press(1);
    EXPECT_EQ(screen.confirm().next, SaveNext::stay);
    ask.inputs = {"fresh"};
    EXPECT_EQ(screen.newFile().next, SaveNext::stay);

    ASSERT_EQ(ask.errors.size(), 2u);
    EXPECT_EQ(ask.errors[0].rfind("保存できませんでした\n", 0), 0u) << ask.errors[0];
    EXPECT_EQ(readBytes(saved("keep")), before);
    EXPECT_FALSE(fs::exists(saved("fresh")));
    EXPECT_EQ(column(screen.grid(), 0), std::vector<std::string>{"keep"});
}

TEST_F(SaveScreenTest, ADamagedSaveIsRefusedWithItsMessageAndTheWorldStays) {
    save(*game, savePath(*game, "good"));
    const std::string image = readBytes(saved("good"));
    writeBytesAtomic(saved("broken"), image.substr(0, image.size() / 2));
    auto title = scratch.world(8);
    const test::Snapshot before = test::Snapshot::of(*title);
    SaveScreen screen(*title, ask, SaveMode::load);
    ASSERT_EQ(screen.grid().cell(0, 1), "broken");  // the newest

    screen.press(1);
    EXPECT_EQ(screen.confirm().next, SaveNext::stay);
    ASSERT_EQ(ask.errors.size(), 1u);
    EXPECT_EQ(ask.errors[0].rfind("このファイルは読み込めません\n", 0), 0u);
    EXPECT_GT(ask.errors[0].size(), std::string("このファイルは読み込めません\n").size()) << "and says why";
    before.expectSame(*title);
}

TEST_F(SaveScreenTest, ALoadedGameOpensItsMainScreenAsSavedAndSavesBackTheSameBytes) {
    save(*game, savePath(*game, "between"));
    test::playFiveRounds(*game);
    save(*game, savePath(*game, "during"));
    const std::string during = readBytes(saved("during"));

    auto title = scratch.world(8);  // a new title screen: a fresh world and history
    SaveScreen loading(*title, ask, SaveMode::load);
    ASSERT_EQ(loading.grid().rowCount(), 3);
    const SaveOutcome out = loading.doubleClick(rowOf(loading.grid(), "during"));
    EXPECT_EQ(out.next, SaveNext::openMain);
    EXPECT_TRUE(out.duringSeason);

    SaveScreen saving(*title, ask, SaveMode::save);
    saving.press(rowOf(saving.grid(), "during"));
    EXPECT_EQ(saving.confirm().next, SaveNext::close);
    EXPECT_EQ(readBytes(saved("during")), during);

    SaveScreen again(*title, ask, SaveMode::load);
    const SaveOutcome off = again.doubleClick(rowOf(again.grid(), "between"));
    EXPECT_EQ(off.next, SaveNext::openMain);
    EXPECT_FALSE(off.duringSeason);
    EXPECT_FALSE(title->leagues[0]);
    EXPECT_TRUE(ask.silent());
}

}  // namespace
}  // namespace vm
