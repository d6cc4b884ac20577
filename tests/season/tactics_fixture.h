// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh world for the tactics board tests: club 0 with its generated squad
// of eighteen, and a few ways to look at the board.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "league/world.h"
#include "season/tacticsboard.h"
#include "support/scratch.h"

namespace vm::test {

class TacticsTest : public ::testing::Test {
protected:
    Scratch scratch;
    std::unique_ptr<World> world = scratch.world(7);
    Tteam& club = world->team(0);

    TacticsTest() {
        // Spots of our own, apart from every marker's drag border.
        for (int slot = 0; slot <= 10; ++slot) club.position[slot] = {40 + 21 * slot, 70 + 31 * slot};
    }

    // Every marker's corner, 01..13.
    static std::vector<Point> cornersOf(const TacticsBoard& board) {
        std::vector<Point> c;
        for (int n = 1; n <= TacticsBoard::kMarkers; ++n) c.push_back(board.marker(n).corner);
        return c;
    }
    // The roster as the players themselves, in order.
    std::vector<const Tplayer*> squad() const {
        std::vector<const Tplayer*> s;
        for (const auto& p : club.roster) s.push_back(p.get());
        return s;
    }
    // Row r's place cell.
    static const std::string& place(const TacticsBoard& board, int r) {
        return board.menberlist().cell(TacticsBoard::kPlaceCol, r);
    }
};

}  // namespace vm::test
