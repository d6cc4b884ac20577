// SPDX-License-Identifier: GPL-3.0-or-later
// Coaches: who takes which coach place, who refuses, the yearly decline, and
// the club's week of training.
#include <gtest/gtest.h>

#include "league/world.h"
#include "players/handmade.h"
#include "support/scratch.h"

namespace vm {
namespace {

using test::addTo;
using test::all;

class CoachTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> world = scratch.world(11);
    Tteam& club = world->team(12);

    void elevenStarters() {
        club.roster.clear();
        for (int i = 0; i < 11; ++i) addTo(club, {.at = i % 7, .a = all(60)});
    }
    void setCoaches(Attrs c1, Attrs c2, Attrs c3) {
        club.coach = {c1, c2, c3};
        club.coachupdate();
    }
};

TEST_F(CoachTest, ANewClubFillsCoachThreeThenOneThenTwo) {
    elevenStarters();
    club.coachupdate();
    // From the last index up: the veteran at the end is looked at first.
    addTo(club, {.a = all(20), .age = 34, .peak = 25});  // beats nothing once the others are in
    Tplayer& third = addTo(club, {.a = all(50), .age = 32, .peak = 25});
    Tplayer& second = addTo(club, {.a = all(40), .age = 30, .peak = 26});
    Tplayer& first = addTo(club, {.a = all(30), .age = 31, .peak = 27});
    addTo(club, {.a = all(80), .age = 27, .peak = 25});  // too young to coach
    const Attrs a1 = first.ability, a2 = second.ability, a3 = third.ability;

    club.autocoach();
    EXPECT_EQ(club.coach[2], a1);
    EXPECT_EQ(club.coach[0], a2);
    EXPECT_EQ(club.coach[1], a3);
    EXPECT_EQ(club.coachpower, all(50));
    ASSERT_EQ(club.roster.size(), 13u);  // the eleven, the young star and the weak veteran
    EXPECT_EQ(club.getplayer(11).ability, all(20));
    EXPECT_EQ(club.getplayer(12).ability, all(80));
}

TEST_F(CoachTest, AVeteranWhoBeatsNoCoachStaysAPlayer) {
    setCoaches(all(40), all(40), all(40));
    elevenStarters();
    addTo(club, {.a = all(40), .age = 35, .peak = 25});
    EXPECT_EQ(club.coachcheck(11), 0);
    club.autocoach();
    EXPECT_EQ(club.roster.size(), 12u);
}

TEST_F(CoachTest, APlayerWhoWantsToLeaveRefusesToCoach) {
    club.coachupdate();
    elevenStarters();
    Tplayer& unhappy = addTo(club, {.a = all(70), .age = 33, .peak = 25});
    unhappy.moodadd(-45);  // mood 5: value 0
    ASSERT_EQ(unhappy.value, 0);
    ASSERT_EQ(club.coachcheck(11), 3);
    EXPECT_FALSE(club.coachset(11, 3));
    club.autocoach();
    EXPECT_EQ(club.roster.size(), 12u);
    EXPECT_EQ(club.coach[2], all(10));
}

TEST_F(CoachTest, AClubOfElevenGetsNoCoach) {
    elevenStarters();
    for (auto& p : club.roster) {
        p->age = 35;
        p->peak = 25;
    }
    club.autocoach();
    EXPECT_EQ(club.roster.size(), 11u);
    EXPECT_EQ(club.coachpower, all(10));
}

TEST_F(CoachTest, TheCoachWhoseAttributesThePlayerRaisesMostOnAverageIsReplaced) {
    // Coach 1 holds Spe, Str, Ctl; coach 2 Sho, Dri, Pas; coach 3 Cro.
    setCoaches({50, 50, 50, 10, 10, 10, 10}, {10, 10, 10, 50, 50, 50, 10}, {20, 20, 20, 20, 20, 20, 60});
    club.roster.clear();
    addTo(club, {.a = {55, 55, 55, 52, 52, 52, 10}});  // gains 35 over coach 1, 14 over coach 2
    addTo(club, {.a = {51, 51, 51, 58, 58, 58, 10}});  // gains 7 and 56
    addTo(club, {.a = {52, 52, 52, 52, 52, 52, 10}});  // equal gains: the lower number
    addTo(club, {.a = {50, 50, 50, 50, 50, 50, 61}});  // only Cro, held by coach 3
    addTo(club, {.a = {49, 49, 49, 49, 49, 49, 59}});  // beats nothing
    EXPECT_EQ(club.coachcheck(0), 1);
    EXPECT_EQ(club.coachcheck(1), 2);
    EXPECT_EQ(club.coachcheck(2), 1);
    EXPECT_EQ(club.coachcheck(3), 3);
    EXPECT_EQ(club.coachcheck(4), 0);
}

TEST_F(CoachTest, EqualCoachesLeaveTheAttributeToTheHighestNumber) {
    // Coaches 1 and 2 are level at 50 in Spe: coach 2 is its holder. A player
    // better only in Spe is weighed against coach 2's holdings (a gain), not
    // against coach 1's Spe and Str (which he would not raise).
    setCoaches({50, 50, 10, 10, 10, 10, 10}, {50, 10, 50, 50, 50, 50, 50}, {10, 10, 10, 10, 10, 10, 60});
    club.roster.clear();
    addTo(club, {.a = {70, 10, 50, 50, 50, 50, 10}});
    EXPECT_EQ(club.coachcheck(0), 2);
}

TEST_F(CoachTest, CoachesLoseATenthEachSeasonRoundingHalvesToEven) {
    setCoaches({85, 75, 65, 11, 10, 86, 89}, all(10), all(12));
    club.coachdecline();
    EXPECT_EQ(club.coach[0], (Attrs{76, 68, 58, 10, 10, 77, 80}));
    EXPECT_EQ(club.coach[1], all(10));
    EXPECT_EQ(club.coach[2], all(11));  // 10.8
    EXPECT_EQ(club.coachpower, (Attrs{76, 68, 58, 11, 11, 77, 80}));
}

TEST_F(CoachTest, InjuredVeteransLosePointsOnlyWellPastTheirPeak) {
    club.coachupdate();
    auto fourPast = test::handmade(*world, kNoClub, {.a = all(50), .age = 29, .peak = 25});
    auto sixPast = test::handmade(*world, kNoClub, {.a = all(50), .age = 31, .peak = 25});
    auto young = test::handmade(*world, kNoClub, {.a = all(50), .age = 20, .peak = 25});
    for (auto* p : {fourPast.get(), sixPast.get(), young.get()}) p->exp = all(100);
    Tplayer *a = fourPast.get(), *b = sixPast.get(), *c = young.get();
    club.injured.push_back(std::move(fourPast));
    club.injured.push_back(std::move(sixPast));
    club.injured.push_back(std::move(young));
    Tplayer& starter = addTo(club, {.a = all(50), .age = 20, .peak = 25});
    starter.exp = all(1);

    club.training();
    EXPECT_EQ(a->exp, all(100));  // factor 0
    EXPECT_EQ(c->exp, all(100));  // the young don't train while injured
    for (int k = 0; k < 7; ++k) {
        // -2 * 1.5 * (25..49) lost
        EXPECT_LE(b->exp[k], 100 - 75);
        EXPECT_GE(b->exp[k], 100 - 147);
        EXPECT_GT(starter.exp[k] + 15 * (starter.ability[k] - 50), 1);  // trained
    }
}

}  // namespace
}  // namespace vm
