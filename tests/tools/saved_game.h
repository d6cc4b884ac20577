// SPDX-License-Identifier: GPL-3.0-or-later
// Shared ground for the tests of the tool's file commands: a game five match
// days into its first season, saved as game.dat in a scratch folder, and the
// same file read back as the tool reads it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "league/runner.h"
#include "league/savegame.h"
#include "save/save_support.h"
#include "support/tool.h"

namespace vm::test {

class SavedGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        playFiveRounds(*game);
        // Rankings as the match days write them; one line of another shape.
        Tleague& div1 = *game->leagues[0];
        const int club = div1.clubOfRow(3);
        div1.scorerlist.clear();
        for (int count = 1; count <= 2; ++count)
            addscorer(*game, club, count, div1.scorerlist, game->team(club).roster[9]->name);
        div1.assistlist.push_back("壊れた行");
        save(*game, dir.path("game.dat"));
    }

    // The saved game read into twenty blank clubs, as the tool reads it.
    std::unique_ptr<World> reread() const {
        auto w = std::make_unique<World>(dir.root(), SeedSource::fixed(1));
        for (int k = 0; k < kClubCount; ++k) w->teams[k] = Tteam::blank(*w, k);
        readSave(*w, readBytes(dir.path("game.dat")));
        return w;
    }

    Scratch dir;
    std::unique_ptr<World> game = newGame(dir, 5);
};

}  // namespace vm::test
