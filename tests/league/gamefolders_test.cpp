// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game finds its folders: the installed shipped data beside the
// program before the source tree, and the player's folder by the desktop's
// base-directory rules.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/gamefolders.h"
#include "support/scratch.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

// A prefix as `cmake --install` lays it out, and a source tree, side by side.
struct Layouts {
    test::Scratch scratch;
    fs::path prefix = scratch.path("prefix");
    fs::path source = scratch.path("source");

    Layouts() {
        fs::create_directories(prefix / "bin");
        fs::create_directories(source / "data");
    }
    void install() { fs::create_directories(prefix / "share/vellmora2/data"); }
};

TEST(GameFolders, AnInstalledGameReadsTheShareFolderBesideItsProgramBeforeTheSourceTree) {
    Layouts l;
    l.install();
    EXPECT_EQ(findShippedRoot(l.prefix / "bin", l.source), l.prefix / "share/vellmora2");
}

TEST(GameFolders, ABuildFolderWithoutAnInstalledShareReadsTheSourceTree) {
    Layouts l;
    EXPECT_EQ(findShippedRoot(l.prefix / "bin", l.source), l.source);
    // A share folder without a data/ in it is no installed game.
    fs::create_directories(l.prefix / "share/vellmora2");
    EXPECT_EQ(findShippedRoot(l.prefix / "bin", l.source), l.source);
}

TEST(GameFolders, NoDataAnywhereIsReportedRatherThanGuessed) {
    Layouts l;
    fs::remove_all(l.source);
    EXPECT_EQ(findShippedRoot(l.prefix / "bin", l.source), std::nullopt);
    EXPECT_EQ(findShippedRoot(fs::path(), fs::path()), std::nullopt);
}

TEST(GameFolders, ThePlayersFolderFollowsXdgDataHomeElseTheHomeFolder) {
    EXPECT_EQ(playerRoot("/data/me", "/home/me"), fs::path("/data/me/vellmora2"));
    EXPECT_EQ(playerRoot(nullptr, "/home/me"), fs::path("/home/me/.local/share/vellmora2"));
    EXPECT_EQ(playerRoot("", "/home/me"), fs::path("/home/me/.local/share/vellmora2"));
    // A relative XDG_DATA_HOME is invalid and ignored: the game never depends
    // on the folder it was started in.
    EXPECT_EQ(playerRoot("games", "/home/me"), fs::path("/home/me/.local/share/vellmora2"));
    EXPECT_EQ(playerRoot("games", nullptr), std::nullopt);
    EXPECT_EQ(playerRoot(nullptr, ""), std::nullopt);
}

TEST(GameFolders, TheProgramFolderIsTheOneHoldingThisTestProgram) {
    EXPECT_TRUE(fs::exists(programFolder() / "vm_tests"));
}

}  // namespace
}  // namespace vm
