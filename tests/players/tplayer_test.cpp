// SPDX-License-Identifier: GPL-3.0-or-later
// A player's growth, mood, value and form: the arithmetic every screen and
// every transfer leans on.
#include <gtest/gtest.h>

#include <memory>

#include "league/world.h"
#include "match/tman.h"
#include "players/tplayer.h"
#include "support/scratch.h"
#include "util/errors.h"
#include "util/stream.h"

namespace vm {
namespace {

// Placeholder players (name type 6) need no name files, so a bare world will do.
class PlayerTest : public ::testing::Test {
protected:
    World world{".", SeedSource::fixed(42)};
    Tplayer make(int age = 25, int club = kNoClub) {
        Tplayer p(world, 1, club, 6);
        p.age = age;
        return p;
    }
};

TEST_F(PlayerTest, AGeneratedPlayerIsInRange) {
    for (int i = 0; i < 300; ++i) {
        Tplayer p(world, 45, 3, 6);
        EXPECT_GE(p.age, 18);
        EXPECT_LE(p.age, 34);
        EXPECT_GE(p.peak, 20);
        EXPECT_LE(p.peak, 29);
        EXPECT_EQ(p.mood, 50);
        EXPECT_TRUE(p.leg == -1 || p.leg == 1);
        for (int k = 0; k < 7; ++k) {
            EXPECT_GE(p.ability[k], 10);
            EXPECT_LE(p.ability[k], 89);
            EXPECT_GE(p.lastability[k], 10);
            EXPECT_LE(p.lastability[k], 89);
            EXPECT_EQ(p.exp[k], 1);
            EXPECT_GE(p.talent[k], 1);
            EXPECT_LE(p.talent[k], 4);
        }
        EXPECT_EQ(p.name, "山田");
    }
}

TEST_F(PlayerTest, AWeakClubsAttributesMostlyLieJustAboveItsLevel) {
    int inBand = 0, total = 0;
    for (int i = 0; i < 200; ++i) {
        Tplayer p(world, 15, 0, 6);
        for (int a : p.ability) {
            inBand += a >= 15 && a <= 24;
            ++total;
        }
    }
    EXPECT_GT(inBand * 10, total * 5);  // Random(15) < 10 two times in three
}

TEST_F(PlayerTest, TalentsFollowTheNumberOfSetBits) {
    for (int i = 0; i < 200; ++i) {
        Tplayer p(world, 20, 0, 6);
        int strong = 0, top = 0;
        for (int t : p.talent) {
            strong += t > 1;
            top = std::max(top, t);
        }
        const int expectedTop = strong == 0 ? 1 : strong <= 2 ? 4 : strong <= 4 ? 3 : 2;
        EXPECT_EQ(top, expectedTop);
        for (int t : p.talent) EXPECT_TRUE(t == 1 || t == top);
    }
}

TEST_F(PlayerTest, ValueFollowsMoodWithItsExactRounding) {
    Tplayer p = make();
    p.rating = 7;
    p.mood = 14;
    p.moodadd(0);
    EXPECT_EQ(p.value, 3);  // 7 / 2.8 lies just above 2.5

    p.rating = 1000;
    p.mood = 10;
    p.moodadd(0);
    EXPECT_EQ(p.value, 0);
    p.mood = 11;
    p.moodadd(0);
    EXPECT_EQ(p.value, 339);  // 1000 / 2.95
    p.mood = 100;
    p.moodadd(0);
    EXPECT_EQ(p.value, 3500);
    p.moodadd(20);  // limited to 100
    EXPECT_EQ(p.mood, 100);
    p.moodadd(50);  // sets, does not add
    EXPECT_EQ(p.mood, 50);
    EXPECT_EQ(p.value, 1000);
}

TEST_F(PlayerTest, DivisionTwoAndAgeLowerTheValue) {
    Tplayer p = make(32, 3);  // club 3 starts in Division 2
    p.rating = 100;
    p.moodadd(50);
    EXPECT_EQ(p.value, 40);
    p.age = 28;
    p.moodadd(0);
    EXPECT_EQ(p.value, 60);
    p.club = kNoClub;  // a free agent counts as Division 1
    p.moodadd(0);
    EXPECT_EQ(p.value, 75);
}

TEST_F(PlayerTest, YearlyReevaluationRoundsHalvesToEven) {
    Tplayer p = make();
    p.ability = {11, 13, 10, 20, 30, 40, 50};
    p.rating = 101;
    p.ratingadd(0);
    // 3 * 50 + round(16.5) + round(19.5) + 15 + 101 div 2
    EXPECT_EQ(p.rating, 150 + 16 + 20 + 15 + 50);
    p.ratingadd(5);
    EXPECT_EQ(p.rating, 256);
    EXPECT_EQ(p.value, 256);
}

TEST_F(PlayerTest, FormBouncesOffTheLimitAndReverses) {
    Tplayer p = make();
    p.form = 9;
    p.formdelta = 3;
    p.formupdate();
    EXPECT_EQ(p.form, 8);  // 12 reflected
    EXPECT_TRUE(p.rebound);
    p.formdelta = 2;  // reversed while rebounding
    p.formupdate();
    EXPECT_EQ(p.form, 6);
    EXPECT_TRUE(p.rebound);
    // Against the form: doubled to -6, reversed to +6, as large as the form, so the
    // rebound ends; 12 is reflected again and starts a new one.
    p.formdelta = -3;
    p.formupdate();
    EXPECT_EQ(p.form, 8);
    EXPECT_TRUE(p.rebound);
    EXPECT_EQ(p.formdelta, 0);
}

TEST_F(PlayerTest, FormAgainstItsDirectionCountsDoubleAndNegativeReboundsTriple) {
    Tplayer p = make();
    p.form = -4;
    p.formdelta = 9;  // limited to 3, doubled
    p.formupdate();
    EXPECT_EQ(p.form, 2);
    p.formupdate();  // no pending change
    EXPECT_EQ(p.form, 2);

    p.form = -8;
    p.formdelta = -3;
    p.formupdate();
    EXPECT_EQ(p.form, -9);  // -11 reflected
    EXPECT_TRUE(p.rebound);
    p.formdelta = -3;  // tripled to -9 below zero: the rebound ends, -18 reflects to -2
    p.formupdate();
    EXPECT_EQ(p.form, -2);
    EXPECT_TRUE(p.rebound);
}

TEST_F(PlayerTest, FormDecayMovesTowardZero) {
    Tplayer p = make();
    p.form = -7;
    p.formdecay(0);
    EXPECT_EQ(p.form, -3);
    p.formdecay(2);
    EXPECT_EQ(p.form, -1);
    p.form = 0;
    p.formdecay(1);
    EXPECT_EQ(p.form, 0);
}

TEST_F(PlayerTest, ConditionCombinesFormAndMood) {
    Tplayer p = make();
    p.form = 3;
    p.mood = 79;
    EXPECT_EQ(p.condition(), 5);
    p.form = 10;
    p.mood = 100;
    EXPECT_EQ(p.condition(), 10);
    p.form = -10;
    p.mood = 0;
    EXPECT_EQ(p.condition(), -10);
}

TEST_F(PlayerTest, YoungPlayersGrowAndVeteransDecline) {
    Tplayer young = make(20);
    young.peak = 26;
    young.talent.fill(4);
    young.ability.fill(40);
    young.exp.fill(1);
    const Attrs strong{60, 60, 60, 60, 60, 60, 60};
    for (int w = 0; w < 30; ++w) young.training(strong);
    for (int a : young.ability) EXPECT_GT(a, 40);

    Tplayer old = make(30);
    old.peak = 26;  // d = -4: g = -1
    old.ability.fill(50);
    old.exp.fill(1);
    for (int w = 0; w < 30; ++w) old.training(strong);
    for (int a : old.ability) EXPECT_LT(a, 50);

    Tplayer floor = make(34);
    floor.peak = 20;
    floor.ability.fill(10);
    for (int w = 0; w < 10; ++w) floor.training(strong);
    for (int a : floor.ability) EXPECT_EQ(a, 10);
}

TEST_F(PlayerTest, TopAttributesNeverRise) {
    Tplayer p = make(20);
    p.peak = 29;
    p.ability.fill(89);
    p.exp.fill(15 * 89 - 5);
    p.talent.fill(4);
    p.training(Attrs{80, 80, 80, 80, 80, 80, 80});
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(p.ability[k], 89);
        EXPECT_EQ(p.exp[k], 1);
    }
}

TEST_F(PlayerTest, ManRecordCarriesConditionAndHomeBonus) {
    Tplayer p = make();
    p.ability = {50, 60, 70, 40, 30, 20, 45};
    p.form = 2;
    p.mood = 50;  // condition 2
    p.leg = 1;
    Tman m;
    p.manmake(m, true);
    EXPECT_DOUBLE_EQ(m.speed, 62 * 0.0045 + 0.5);
    EXPECT_EQ(m.power, 73);
    EXPECT_EQ(m.control, 82);
    EXPECT_EQ(m.shooterr, 110 - 52);
    EXPECT_EQ(m.dribbleerr, 110 - 42);
    EXPECT_EQ(m.passerr, 110 - 32);
    EXPECT_EQ(m.crosserr, 110 - 57);
    EXPECT_DOUBLE_EQ(m.swerve, 0.003);
    EXPECT_EQ(p.games, 1);
}

TEST_F(PlayerTest, RowTexts) {
    Tplayer p = make(23);
    p.name = "佐藤　一郎";
    p.at = 4;
    p.ability = {11, 12, 13, 14, 15, 16, 17};
    p.lastability = {10, 11, 12, 13, 14, 15, 16};
    p.leg = -1;
    p.rating = 100;
    p.moodadd(50);
    p.goals = 3;
    p.assists = 1;
    EXPECT_EQ(p.datatext(), "佐藤　一郎,23,4,11,12,13,14,15,16,17,-1,100,3,1,0");
    EXPECT_EQ(p.growthtext(), "10,11,12,13,14,15,16,");
}

TEST_F(PlayerTest, BinaryFormRoundTripsAndRecomputesTheValue) {
    Tplayer p(world, 40, 12, 6);
    p.name = "Ｋ．ミュラー";
    p.career = "/1*12**3*1*0";
    p.form = -4;
    p.injury = 2;
    p.mood = 73;
    p.value = 12345;  // stale: not stored
    OutStream out;
    p.playersave(out);

    InStream in(out.bytes());
    Tplayer q(world, 1, 12, 6);
    q.playerload(in);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(q.name, p.name);
    EXPECT_EQ(q.career, p.career);
    EXPECT_EQ(q.ability, p.ability);
    EXPECT_EQ(q.lastability, p.lastability);
    EXPECT_EQ(q.mood, 73);
    p.moodadd(0);
    EXPECT_EQ(q.value, p.value);
    OutStream again;
    q.playersave(again);
    EXPECT_EQ(again.bytes(), out.bytes());
}

TEST_F(PlayerTest, DamagedPlayerStreamsAreRefused) {
    Tplayer p(world, 40, 12, 6);
    OutStream out;
    p.playersave(out);
    const std::string bytes = out.bytes();
    for (std::size_t cut : {0ul, 3ul, 10ul, bytes.size() - 1}) {
        InStream in(std::string_view(bytes).substr(0, cut));
        Tplayer q(world, 1, 12, 6);
        EXPECT_THROW(q.playerload(in), FormatError) << "cut at " << cut;
    }
    std::string badPosition = bytes;
    badPosition[4 + 6 + 4] = 9;  // `at` follows the name (length 4 + 6 bytes) and the age
    InStream in(badPosition);
    Tplayer q(world, 1, 12, 6);
    EXPECT_THROW(q.playerload(in), FormatError);
}

}  // namespace
}  // namespace vm
