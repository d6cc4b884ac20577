// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own files: the names he may type, the lists the save screen
// shows, and writes that never leave half a file or reach outside the folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "league/savefiles.h"
#include "save/save_support.h"
#include "util/durablewrite.h"
#include "util/errors.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

class SaveFilesTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> game = test::newGame(scratch, 6);
};

TEST_F(SaveFilesTest, TypedNamesThatCouldLeaveTheFolderOrNotBeStoredAreRefused) {
    for (const char* name :
         {"", "../title", "a/b", "..", "a\\b", "セーブ..", ".hidden", "tab\there", "😀", "한국"})
        EXPECT_EQ(fileNameProblem(name), "使用できない文字を含んでいます") << name;
    EXPECT_EQ(fileNameProblem(std::string(201, 'a')), "ファイル名が長すぎます");
    for (const char* name : {"セーブ1", "my save", "第２シーズン・前半", "a.b"})
        EXPECT_EQ(fileNameProblem(name), "") << name;
    EXPECT_EQ(fileNameProblem(std::string(200, 'a')), "");

    EXPECT_THROW(savePath(*game, "../../escape"), NameRefused);
    EXPECT_THROW(vsPath(*game, "sub/dir"), NameRefused);
    EXPECT_EQ(savePath(*game, "一つ目"), game->path("data/savedata/一つ目.dat"));
}

TEST_F(SaveFilesTest, TheVersusFolderIsMadeForTheFirstExport) {
    ASSERT_FALSE(fs::exists(game->path("data/vs")));
    const fs::path file = vsPath(*game, "最初");
    EXPECT_TRUE(fs::is_directory(game->path("data/vs")));
    EXPECT_EQ(file, game->path("data/vs/最初.dat"));
}

TEST_F(SaveFilesTest, TheListShowsSavedGamesWithTheirTimes) {
    save(*game, savePath(*game, "b"));
    save(*game, savePath(*game, "a"));
    // Not saved games: a half-written leftover, another extension, a folder.
    writeBytesAtomic(game->path("data/savedata/c.dat.part"), "x");
    writeBytesAtomic(game->path("data/savedata/notes.txt"), "x");
    fs::create_directories(game->path("data/savedata/d.dat"));
    const fs::file_time_type when = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(game->path("data/savedata/a.dat"), when);

    const auto list = dataload(*game, "savedata");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "a");
    EXPECT_EQ(list[1].name, "b");
    EXPECT_LT(list[0].mtime, list[1].mtime);
    EXPECT_LT(list[0].timetext, list[1].timetext) << "the texts sort as the times do";
    ASSERT_EQ(list[0].timetext.size(), 19u);  // 2024/05/01 13:45:07
    EXPECT_EQ(list[0].timetext[4], '/');
    EXPECT_EQ(list[0].timetext[13], ':');
    EXPECT_TRUE(dataload(*game, "vs").empty()) << "no versus folder yet";
}

TEST_F(SaveFilesTest, AFailedWriteKeepsTheOldFile) {
    const fs::path file = savePath(*game, "大事な");
    save(*game, file);
    const std::string before = readBytes(file);
    game->team(0).money += 1000;

    // The temporary file cannot be made: the write fails and says so.
    fs::create_directories(partFileOf(game->path("data/savedata/大事な.dat")));
    EXPECT_THROW(save(*game, file), DataError);
    EXPECT_EQ(readBytes(file), before);
    fs::remove(partFileOf(game->path("data/savedata/大事な.dat")));

    // A leftover of a write that was cut off does not stop the next one.
    writeBytesAtomic(game->path("data/savedata/x.tmp"), "half");
    fs::rename(game->path("data/savedata/x.tmp"), partFileOf(game->path("data/savedata/大事な.dat")));
    save(*game, file);
    EXPECT_NE(readBytes(file), before);
    EXPECT_FALSE(fs::exists(partFileOf(game->path("data/savedata/大事な.dat"))));

    // A folder that is not there.
    EXPECT_THROW(save(*game, game->path("data/gone/a.dat")), DataError);
}

TEST_F(SaveFilesTest, ALinkPlantedAtTheTemporaryNameIsNotFollowed) {
    const fs::path outside = scratch.path("outside.txt");
    writeBytesAtomic(outside, "untouched");
    fs::create_symlink(outside, partFileOf(game->path("data/savedata/s.dat")));
    save(*game, savePath(*game, "s"));
    EXPECT_EQ(readBytes(outside), "untouched");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(game->path("data/savedata/s.dat"))));
}

TEST_F(SaveFilesTest, FilesTooLargeToBeOursAreNotRead) {
    const fs::path file = game->path("data/savedata/big.dat");
    {
        std::ofstream out(file, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(kMaxFileBytes));
        out.put('\0');
    }
    EXPECT_THROW(readPlayerFile(file), FormatError);
}

}  // namespace
}  // namespace vm
