// SPDX-License-Identifier: GPL-3.0-or-later
// A watched match plays the same with the match figures kept or not: the
// same result files, the same replay record.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "season/livewatch.h"
#include "season/matchdayflow.h"
#include "support/scratch.h"
#include "util/textfile.h"

namespace vm {
namespace {

// Every file a watched first match day leaves in data/tmp, by name.
std::map<std::string, std::string> watchedDay(bool figures) {
    test::Scratch scratch;
    auto world = scratch.world(7);
    world->matchfigures = figures;
    newgame(*world);
    seasonstart(*world);
    for (auto& l : world->leagues) l->round = 0;
    writeBytesAtomic(world->path("data/vtr"), "");
    MatchDayFlow main(*world);
    main.click();
    main.toautomatch(false);
    playwatched(*world);
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(world->path("data/tmp")))
        files[entry.path().filename().string()] = readBytes(entry.path());
    return files;
}

TEST(MatchFiguresLive, AWatchedMatchPlaysTheSameWithTheFiguresOnOrOff) {
    const auto on = watchedDay(true);
    EXPECT_TRUE(on.count("match.dat"));
    EXPECT_TRUE(on.count("200"));
    EXPECT_EQ(on, watchedDay(false));
}

}  // namespace
}  // namespace vm
