// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game finds its folders: the installed shipped data beside the
// program, the source tree only from a build folder, and the player's folder
// by the desktop's base-directory rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

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
    fs::path build = scratch.path("build");

    Layouts() {
        fs::create_directories(prefix / "bin");
        fs::create_directories(prefix / "games");
        fs::create_directories(source / "data");
        fs::create_directories(build);
    }
    void install() { fs::create_directories(prefix / "share/vellmora2/data"); }
    // The note CMake writes beside the programs of a build folder.
    void noteSourceTree(const fs::path& folder, const std::string& text) {
        std::ofstream(folder / kSourceTreeNote) << text;
    }
};

TEST(GameFolders, AnInstalledGameReadsTheShareFolderBesideItsProgram) {
    Layouts l;
    l.install();
    EXPECT_EQ(findShippedRoot(l.prefix / "bin"), l.prefix / "share/vellmora2");
    EXPECT_EQ(findShippedRoot(l.prefix / "games"), l.prefix / "share/vellmora2");
    // Even a stray note cannot lead it away from its own data.
    l.noteSourceTree(l.prefix / "bin", l.source.string());
    EXPECT_EQ(findShippedRoot(l.prefix / "bin"), l.prefix / "share/vellmora2");
}

TEST(GameFolders, OnlyABuildFolderWithItsNoteReadsTheSourceTree) {
    Layouts l;
    EXPECT_EQ(findShippedRoot(l.build), std::nullopt);
    l.noteSourceTree(l.build, l.source.string() + "\n");
    EXPECT_EQ(findShippedRoot(l.build), l.source);
    // A share folder without a data/ in it is no installed game.
    fs::create_directories(l.build / kInstalledShare);
    EXPECT_EQ(findShippedRoot(l.build), l.source);
}

TEST(GameFolders, NoDataAnywhereIsReportedRatherThanGuessed) {
    Layouts l;
    EXPECT_EQ(findShippedRoot(l.prefix / "bin"), std::nullopt);
    EXPECT_EQ(findShippedRoot(fs::path()), std::nullopt);
    // The message names the folder that should hold the data.
    EXPECT_EQ(installedDataForMessages("/usr/games"), "/usr/share/vellmora2/data");
    EXPECT_NE(installedDataForMessages(fs::path()).find("/proc/self/exe"), std::string::npos);
    // A note naming a folder without data/, a relative folder or nothing.
    for (const std::string& note : {l.prefix.string(), std::string("source"), std::string()}) {
        l.noteSourceTree(l.build, note);
        EXPECT_EQ(findShippedRoot(l.build), std::nullopt) << note;
    }
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
