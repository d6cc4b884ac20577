// SPDX-License-Identifier: GPL-3.0-or-later
// The scoreboard's clock and squad tables, the ball drawn above its shadow,
// and the speed file read forgivingly.
#include <gtest/gtest.h>

#include "league/newgame.h"
#include "match/tgame.h"
#include "season/livescoreboard.h"
#include "support/scratch.h"
#include "util/textfile.h"

namespace vm {
namespace {

TEST(LiveScoreboard, TheClockShowsMinutesAndTwoDigitSeconds) {
    EXPECT_EQ(clocktext(0), "0：00");
    EXPECT_EQ(clocktext(65), "1：05");
    EXPECT_EQ(clocktext(5400), "90：00");
    EXPECT_EQ(clocktext(5419), "90：19");
}

TEST(LiveScoreboard, ASquadShowsNumberedStartersAndBenchWithoutValueAndNobodyBeyond) {
    test::Scratch scratch;
    auto w = scratch.world(3);
    newgame(*w);
    Tteam& club = w->team(0);
    ASSERT_GT(club.playerhigh(), 13);
    const Grid g = squadgrid(club);
    EXPECT_EQ(g.rowCount(), 14);
    EXPECT_EQ(g.colCount(), 16);
    EXPECT_EQ(g.rowText(0).substr(0, 46), ",Name,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,G");
    for (int r = 1; r < 14; ++r) {
        const Tplayer& p = club.getplayer(r - 1);
        EXPECT_EQ(g.cell(sqNumber, r), (r < 10 ? "0" : "") + std::to_string(r));
        EXPECT_EQ(g.cell(sqName, r), p.name);
        EXPECT_EQ(g.cell(sqAT, r), posText(p.at));
        EXPECT_EQ(g.cell(sqLeg, r), legText(p.leg));
        EXPECT_EQ(g.cell(sqCondition, r), std::to_string(p.condition()));
    }
    while (club.playerhigh() > 11) club.playerremove(club.playerhigh());
    EXPECT_EQ(squadgrid(club).rowCount(), 13);
    EXPECT_EQ(squadgrid(club).cell(sqNumber, 12), "12");
}

TEST(LiveScoreboard, TheBallRisesAboveItsShadowByItsRoundedHeight) {
    Rng rng;
    Tgame game(rng, Tmteam{}, Tmteam{});
    game.ball.x = 100;
    game.ball.y = 50;
    for (const auto& [z, lift] : {std::pair{0.0, 0}, {2.5, 2}, {3.5, 4}, {7.2, 7}}) {
        game.ball.z = z;
        const PitchPicture p = pitchpicture(game);
        EXPECT_EQ(p.shadow, (Point{97, 47}));
        EXPECT_EQ(p.ball, (Point{97, 47 - lift})) << z;
    }
}

TEST(LiveScoreboard, TheSpeedFileGivesItsFirstNumberInRangeAndThreeWhenItHasNone) {
    test::Scratch scratch;
    const auto file = scratch.path("data/msp.dat");
    struct Case {
        const char* bytes;
        int speed;
        bool problem;
    };
    for (const Case& c : {Case{"4\r\n", 4, false}, Case{" 5 \r\nrest", 5, false}, Case{"1\r\n", 2, false},
                          Case{"60", 6, false}, Case{"", 3, true}, Case{"three\r\n", 3, true},
                          Case{"4x\r\n", 3, true}, Case{"\xff\xfe", 3, true}}) {
        writeBytesAtomic(file, c.bytes);
        const SpeedSetting s = readspeed(file);
        EXPECT_EQ(s.speed, c.speed) << c.bytes;
        EXPECT_EQ(!s.problem.empty(), c.problem) << c.bytes;
    }
    std::filesystem::remove(file);
    EXPECT_FALSE(readspeed(file).problem.empty());
    writespeed(file, 6);
    EXPECT_EQ(readBytes(file), "6\r\n");
}

}  // namespace
}  // namespace vm
