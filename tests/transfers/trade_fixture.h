// SPDX-License-Identifier: GPL-3.0-or-later
// A started-up world with an open transfer engine, and small helpers to shape
// players so that a test knows exactly who the market should pick.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "league/world.h"
#include "support/scratch.h"
#include "transfers/offerkey.h"
#include "transfers/ttrade.h"

namespace vm::test {

class TradeTest : public ::testing::Test {
protected:
    Scratch scratch;
    std::unique_ptr<World> world = scratch.world(11);

    Ttrade& open() {
        world->trade = std::make_unique<Ttrade>(*world);
        return *world->trade;
    }
    Ttrade& trade() { return *world->trade; }
    Tteam& club(int k) { return world->team(k); }

    // Every player of every club and the pool becomes an unremarkable
    // centre-back of 20 in everything, aged at his peak, worth 100.
    void flatten() {
        auto plain = [](Tplayer& p) {
            shape(p, 1, {20, 20, 20, 20, 20, 20, 20}, 25, 25);
            p.value = 100;
        };
        for (int c = 0; c < kClubCount; ++c)
            for (auto& p : club(c).roster) plain(*p);
        if (world->trade)
            for (auto& p : trade().pool) plain(*p);
    }

    static void shape(Tplayer& p, int at, Attrs a, int age, int peak) {
        p.at = at;
        p.ability = a;
        p.age = age;
        p.peak = peak;
    }
};

}  // namespace vm::test
