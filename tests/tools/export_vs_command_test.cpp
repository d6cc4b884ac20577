// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool export-vs: club 0 of a saved game written as the versus file
// the game itself would export; a refused comment or a damaged save writes
// nothing and leaves an existing file as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/versus.h"
#include "tools/saved_game.h"
#include "util/textfile.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::runTool;

using ExportVsCommandTest = test::SavedGameTest;

TEST_F(ExportVsCommandTest, WritesClubZeroAsTheGameWouldExportIt) {
    const auto held = reread();

    const auto run =
        runTool({"export-vs", "game.dat", "mine.dat", "--comment", "また対戦しよう"}, dir.root());

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "mine.dat: " + held->team(0).name + "\n");
    EXPECT_TRUE(readBytes(dir.path("mine.dat")) == vsImage(*held, "また対戦しよう"));
}

TEST_F(ExportVsCommandTest, WithoutACommentGivesTheGamesOwnDefault) {
    const auto run = runTool({"export-vs", "game.dat", "mine.dat"}, dir.root());

    ASSERT_EQ(run.status, 0) << run.err;
    auto reader = reread();
    const VersusClub club = readVersus(*reader, readBytes(dir.path("mine.dat")), 1);
    EXPECT_EQ(club.comment, kNoComment);
    EXPECT_EQ(club.club->name, game->team(0).name);
    EXPECT_EQ(club.club->roster.size(), game->team(0).roster.size());
}

TEST_F(ExportVsCommandTest, RefusesACommentCp932CannotHoldAndKeepsTheOldFile) {
    writeBytesAtomic(dir.path("mine.dat"), "old");

    const auto run = runTool({"export-vs", "game.dat", "mine.dat", "--comment", "😀"}, dir.root());

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("--comment"), std::string::npos) << run.err;
    EXPECT_EQ(readBytes(dir.path("mine.dat")), "old");
}

TEST_F(ExportVsCommandTest, WritesNothingFromADamagedSave) {
    const std::string bytes = readBytes(dir.path("game.dat"));
    writeBytesAtomic(dir.path("broken.dat"), bytes.substr(0, bytes.size() / 2));
    writeBytesAtomic(dir.path("kept.dat"), "old");

    const auto fresh = runTool({"export-vs", "broken.dat", "new.dat"}, dir.root());
    const auto over = runTool({"export-vs", "broken.dat", "kept.dat"}, dir.root());

    EXPECT_EQ(fresh.status, 2);
    EXPECT_NE(fresh.err.find("このファイルは読み込めません"), std::string::npos) << fresh.err;
    EXPECT_FALSE(fs::exists(dir.path("new.dat")));
    EXPECT_EQ(over.status, 2);
    EXPECT_EQ(readBytes(dir.path("kept.dat")), "old");
}

TEST_F(ExportVsCommandTest, AsksForBothFiles) {
    const auto run = runTool({"export-vs", "game.dat"}, dir.root());

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("usage: export-vs SAVE OUT"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace vm
