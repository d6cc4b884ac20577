// SPDX-License-Identifier: GPL-3.0-or-later
// The step button's flow and the tool's loop are the same transfer window:
// pressed through by the plain coach, both leave the same world.
#include <gtest/gtest.h>

#include <memory>

#include "league/newgame.h"
#include "league/savegame.h"
#include "league/world.h"
#include "season/career.h"
#include "season/matchdayflow.h"
#include "season/simplecoach.h"
#include "season/transferweekflow.h"
#include "support/scratch.h"
#include "util/textfile.h"

namespace vm::test {
namespace {

struct Outcome {
    std::string save;
    std::string tradelog;
    std::vector<std::string> heard;
    int nextdraw = 0;
};

Outcome finish(World& w, const SimpleCoach& coach) {
    Outcome o;
    o.save = saveImage(w);
    o.tradelog = readBytes(w.path("data/tmp/trade.txt"));
    o.heard = coach.heard;
    o.nextdraw = w.Random(1 << 30);
    return o;
}

TEST(TransferWindowSame, TheStepButtonLeavesTheWorldTheToolsLoopLeaves) {
    for (std::uint64_t seed : {3u, 17u}) {
        Scratch looped;
        auto a = looped.world(seed);
        newgame(*a);
        SimpleCoach tool;
        ASSERT_TRUE(playtransferwindow(*a, tool));
        const Outcome expected = finish(*a, tool);

        Scratch pressed;
        auto b = pressed.world(seed);
        newgame(*b);
        SimpleCoach screen;
        MatchDayFlow main(*b);  // the main screen's "移籍"
        ASSERT_EQ(main.click(), MatchDayFlow::Step::trade);
        ASSERT_TRUE(main.totrade(screen.opentrade(*b)));
        TransferWeekFlow flow(*b);
        int presses = 0;
        while (!flow.closed()) {
            ASSERT_TRUE(flow.canStep()) << "step " << flow.step();
            flow.click(screen);
            flow.activate();
            ASSERT_LT(++presses, 20);
        }
        EXPECT_EQ(presses, 13);  // four a week and "移籍終了"
        const Outcome got = finish(*b, screen);

        EXPECT_TRUE(got.save == expected.save) << "seed " << seed << ": the saved games differ";
        EXPECT_EQ(got.tradelog, expected.tradelog) << "seed " << seed;
        EXPECT_EQ(got.heard, expected.heard) << "seed " << seed;
        EXPECT_EQ(got.nextdraw, expected.nextdraw) << "seed " << seed;
    }
}

}  // namespace
}  // namespace vm::test
