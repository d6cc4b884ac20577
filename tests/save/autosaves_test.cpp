// SPDX-License-Identifier: GPL-3.0-or-later
// Autosaves, the marks of open careers and the writes under them: the last
// three points kept, a failing disk that keeps the old file whole, and the
// offer a crashed career leaves for the next start.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "league/autosaves.h"
#include "league/careermarkers.h"
#include "league/savefiles.h"
#include "save/save_support.h"
#include "season/resume.h"
#include "util/durablewrite.h"
#include "util/errors.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

class AutosaveTest : public ::testing::Test {
protected:
    void TearDown() override { setWriteStageHook(nullptr); }

    std::vector<std::string> points() const {
        std::vector<std::string> out;
        for (const Autosave& a : listAutosaves(*game)) out.push_back(a.point);
        return out;
    }
    // A career whose copy ended without leaving it: a mark of a process that has finished.
    void crashedCareer() const {
        const pid_t child = ::fork();
        if (child == 0) {
            markCareerOpen(*game);
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
    }

    test::Scratch scratch;
    std::unique_ptr<World> game = test::newGame(scratch, 8);
};

TEST_F(AutosaveTest, OnePerPointTheLastThreePointsNewestFirst) {
    EXPECT_EQ(fs::path(writeAutosave(*game)).filename(), "000001_1年目_オフ.dat");
    writeAutosave(*game);  // the same point again replaces it
    EXPECT_EQ(points(), std::vector<std::string>{"1年目_オフ"});
    test::playFiveRounds(*game);
    for (int round : {4, 5, 6, 5}) {
        game->leagues[0]->round = round;
        writeAutosave(*game);
    }
    EXPECT_EQ(points(), (std::vector<std::string>{"1年目_6節", "1年目_7節", "1年目_5節"}));
    EXPECT_EQ(listAutosaves(*game).front().number, 6);
    EXPECT_EQ(readBytes(listAutosaves(*game).front().file), saveImage(*game)) << "a saved game's own bytes";
    EXPECT_TRUE(dataload(*game, "savedata").empty()) << "the player's saves are not touched";
}

// The saved game's own file fails; its statistics are written.
int failWrites(WriteStage stage, const fs::path& file) {
    return stage == WriteStage::written && file.extension() == ".dat" ? ENOSPC : 0;
}
int failFolderFlush(WriteStage stage, const fs::path& file) {
    return stage == WriteStage::renamed && file.extension() == ".dat" ? EIO : 0;
}

TEST_F(AutosaveTest, AFailingDiskKeepsThePreviousFileWholeAndSaysSo) {
    const fs::path kept = writeAutosave(*game);
    const std::string before = readBytes(kept);
    save(*game, savePath(*game, "mine"));
    game->team(0).money += 1000;

    setWriteStageHook(failWrites);
    EXPECT_THROW(writeAutosave(*game), DataError);
    EXPECT_THROW(save(*game, savePath(*game, "mine")), DataError);
    EXPECT_EQ(readBytes(kept), before);
    EXPECT_NE(readBytes(savePath(*game, "mine")), saveImage(*game));
    EXPECT_EQ(listAutosaves(*game).size(), 1u) << "no half file, no rotation";
    EXPECT_FALSE(fs::exists(game->path("data/autosave/000002_1年目_オフ.stats"))) << "nor its statistics";

    // The file is in place but its folder was not flushed: still reported.
    setWriteStageHook(failFolderFlush);
    EXPECT_THROW(save(*game, savePath(*game, "mine")), DataError);
    EXPECT_THROW(writeAutosave(*game), DataError);  // as a kill right after the rename
    setWriteStageHook(nullptr);
    load(*game, listAutosaves(*game).front().file);
    EXPECT_EQ(game->stats.notice, "") << "the autosave in place has its statistics";
}

TEST_F(AutosaveTest, LeftoversOfEndedWritesGoThoseOfRunningCopiesStay) {
    const fs::path folder = game->path("data/savedata");
    writeBytesAtomic(folder / "old.dat.part", "x");          // a write with no copy named
    writeBytesAtomic(folder / "a.dat.999999999.part", "x");  // a copy that no longer runs
    writeBytesAtomic(partFileOf(folder / "mine.dat"), "x");  // this copy's, still writing
    writeBytesAtomic(folder / "keep.dat", "x");
    removeLeftovers(*game);
    EXPECT_FALSE(fs::exists(folder / "old.dat.part"));
    EXPECT_FALSE(fs::exists(folder / "a.dat.999999999.part"));
    EXPECT_TRUE(fs::exists(partFileOf(folder / "mine.dat")));
    EXPECT_TRUE(fs::exists(folder / "keep.dat"));
}

TEST_F(AutosaveTest, ACrashedCareerOffersItsNewestReadableAutosaveOnce) {
    writeAutosave(*game);
    markCareerOpen(*game);
    ASSERT_EQ(::mkfifo(game->path("data/careers/1234567.open").c_str(), 0600), 0);  // read, it would wait
    EXPECT_FALSE(takeResumeOffer(*game)) << "this copy runs: nothing crashed";

    crashedCareer();
    EXPECT_EQ(takeResumeOffer(*game), listAutosaves(*game).front().file);
    EXPECT_FALSE(takeResumeOffer(*game)) << "asked once";
    markCareerClosed(*game);
    EXPECT_FALSE(fs::exists(game->path(kCareerMarkerFolder) / (std::to_string(::getpid()) + ".open")));

    // A damaged newest autosave is never offered; the one before it is.
    test::playFiveRounds(*game);
    const fs::path older = listAutosaves(*game).front().file;
    const fs::path newest = writeAutosave(*game);
    fs::resize_file(newest, fs::file_size(newest) / 2);
    EXPECT_FALSE(autosaveProblem(*game, listAutosaves(*game).front()).empty());
    crashedCareer();
    EXPECT_EQ(takeResumeOffer(*game), older);

    // A save made since the last autosave: nothing was lost.
    fs::remove(newest);
    save(*game, savePath(*game, "later"));
    crashedCareer();
    EXPECT_FALSE(takeResumeOffer(*game));
}

}  // namespace
}  // namespace vm
