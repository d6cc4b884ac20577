// SPDX-License-Identifier: GPL-3.0-or-later
// Youth squads and injuries: new youngsters, promotion (by hand, by the
// computer clubs' rule, to refill a roster), the weekly injury draw and the
// countdown back to the roster.
#include <gtest/gtest.h>

#include <algorithm>

#include "league/world.h"
#include "players/handmade.h"
#include "support/scratch.h"
#include "util/grid.h"

namespace vm {
namespace {

using test::addTo;
using test::all;
using test::handmade;
using test::Spec;

class YouthTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> world = scratch.world(21);
    Tteam& club = world->team(6);

    Tplayer& addYouth(const Spec& s) {
        club.youth.push_back(handmade(*world, club.clubno, s));
        return *club.youth.back();
    }
};

TEST_F(YouthTest, ANewClubsYouthStartsWeakAndYoung) {
    club.coachupdate();  // seven coaches' 10s: level 2..5
    for (int i = 0; i < 200; ++i) club.youthmake();
    ASSERT_EQ(club.youth.size(), 200u);
    for (auto& p : club.youth) {
        EXPECT_GE(p->age, 15);
        EXPECT_LE(p->age, 18);
        EXPECT_EQ(p->mood, 100);
        EXPECT_EQ(p->club, 6);
        for (int v : p->ability) {
            EXPECT_GE(v, 10);
            EXPECT_LE(v, 18);
        }
    }
}

TEST_F(YouthTest, TheYouthTableCarriesIndexAndAttributeSum) {
    addYouth({.at = 6, .a = {10, 11, 12, 13, 14, 15, 16}, .age = 17});
    addYouth({.at = 0, .a = all(20), .age = 16});
    club.youth[1]->leg = 1;
    Grid g;
    club.youthgrid(g);
    ASSERT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cell(2, 1), "FW");
    EXPECT_EQ(g.cell(2, 2), "GK");
    EXPECT_EQ(g.cell(10, 2), "L");
    EXPECT_EQ(g.cell(11, 1), "000");
    EXPECT_EQ(g.cell(11, 2), "001");
    EXPECT_EQ(g.cell(12, 1), "91");
    EXPECT_EQ(g.cell(12, 2), "140");
    EXPECT_EQ(g.cell(3, 1), "10");
    EXPECT_EQ(g.cell(13, 1), "");  // value, goals, assists and condition are gone

    club.youth.clear();
    club.youthgrid(g);
    EXPECT_EQ(g.rowCount(), 1);
}

TEST_F(YouthTest, PromotionMovesTheLastYouthIntoTheGapAndCrowdsThePosition) {
    club.roster.clear();
    for (int i = 0; i < 4; ++i) addTo(club, {.at = 1});
    addTo(club, {.at = 2});
    Tplayer& a = addYouth({.at = 1});
    Tplayer& b = addYouth({.at = 3});
    Tplayer& c = addYouth({.at = 4});
    club.youthpromote(0);
    EXPECT_EQ(&club.getplayer(5), &a);
    EXPECT_EQ(a.club, 6);
    ASSERT_EQ(club.youth.size(), 2u);
    EXPECT_EQ(club.youth[0].get(), &c);
    EXPECT_EQ(club.youth[1].get(), &b);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(club.getplayer(i).mood, 40);  // a fifth centre-back
    EXPECT_EQ(club.getplayer(4).mood, 50);
}

// The computer clubs' rule against a line-up of 50s: a 19-year-old needs to
// equal the slot holder, a 20-year-old to beat him by the margin.
TEST_F(YouthTest, ComputerClubsPromoteYouthWhoWouldBeatTheSlotHolder) {
    club.roster.clear();
    for (int i = 0; i < 11; ++i) addTo(club, {.at = i % 7, .a = all(50)});
    struct Case {
        Spec youth;
        bool promoted;
    };
    const Case cases[] = {
        {{.at = 4, .a = {10, 10, 10, 10, 10, 10, 50}, .age = 19}, true},   // Cro vs slot 6
        {{.at = 4, .a = {10, 10, 10, 10, 10, 10, 54}, .age = 20}, false},  // needs 55
        {{.at = 4, .a = {10, 10, 10, 10, 10, 10, 55}, .age = 20}, true},
        {{.at = 3, .a = {50, 10, 10, 10, 10, 10, 10}, .age = 19}, true},  // Spe vs slot 2
        {{.at = 4, .a = {50, 10, 10, 10, 10, 10, 10}, .age = 19}, true},  // Spe vs slot 10
        {{.at = 4, .a = {54, 10, 10, 10, 10, 10, 10}, .age = 20}, false},
        {{.at = 0, .a = {10, 50, 10, 49, 10, 10, 10}, .age = 19}, false},  // Str + Sho 99 < 100
        {{.at = 0, .a = {10, 60, 10, 49, 10, 10, 10}, .age = 20}, false},  // 109 < 110
        {{.at = 0, .a = {10, 60, 10, 50, 10, 10, 10}, .age = 20}, true},
        {{.at = 1, .a = {10, 55, 10, 10, 10, 10, 10}, .age = 20}, true},   // Str vs slot 5
        {{.at = 2, .a = {10, 55, 10, 10, 10, 10, 10}, .age = 20}, false},  // the Str rule is for CBs
        {{.at = 6, .a = {10, 10, 10, 55, 10, 10, 10}, .age = 20}, true},   // Sho vs slot 8
        {{.at = 5, .a = {10, 10, 10, 55, 10, 10, 10}, .age = 20}, false},  // the Sho rule is for FWs
        {{.at = 2, .a = {10, 50, 50, 50, 50, 50, 49}, .age = 19}, false},  // sum 309 < 350
        {{.at = 2, .a = {40, 50, 60, 60, 60, 60, 49}, .age = 19}, true},   // sum 379 >= 350
        {{.at = 2, .a = {40, 50, 60, 60, 60, 60, 49}, .age = 20}, false},  // < 385
    };
    for (const Case& c : cases) {
        club.youth.clear();
        const std::size_t before = club.roster.size();
        addYouth(c.youth);
        club.autoyouth();
        EXPECT_EQ(club.roster.size() == before + 1, c.promoted)
            << "at " << c.youth.at << " age " << c.youth.age << " Spe " << c.youth.a[0];
        if (club.roster.size() > 11) club.roster.pop_back();
    }
}

TEST_F(YouthTest, SeasonStartRecordsAndSeasonEndAges) {
    world->kanri.year = 3;
    Tplayer& y = addYouth({.age = 17});
    y.career = "/2*6*ﾕｰｽ2*0*0";
    club.youthrecord();
    club.youthage();
    EXPECT_EQ(y.career, "/2*6*ﾕｰｽ2*0*0/3*6*ﾕｰｽ");
    EXPECT_EQ(y.age, 18);
}

class InjuryTest : public YouthTest {
protected:
    // Expected injuries of one weekly draw, from a copy of the generator and the
    // draw ranges of each roster index.
    std::vector<int> predict(const std::vector<int>& ranges) {
        Rng copy = world->rng;
        std::vector<int> injury(ranges.size(), 0);
        for (int i = static_cast<int>(ranges.size()) - 1; i >= 0; --i) {
            const int h = copy.Random(ranges[i]);
            if (h <= 10) injury[i] = h / 2 + 2;
        }
        return injury;
    }
};

TEST_F(InjuryTest, TheDrawRangeWidensWithTheDoctorAndTheReserves) {
    // Str = Spe with doctor 5: 700 for the first ten, 800 from index 10 on.
    Tteam& user = world->team(0);
    for (int seed = 0; seed < 40; ++seed) {
        world->rng.seed(seed);
        user.roster.clear();
        user.injured.clear();
        user.doctor = 5;
        for (int i = 0; i < 14; ++i) addTo(user, {.a = all(40)});
        std::vector<int> ranges(14, 700);
        for (int i = 10; i < 14; ++i) ranges[i] = 800;
        const auto expected = predict(ranges);
        std::vector<Tplayer*> players;
        for (auto& p : user.roster) players.push_back(p.get());
        Grid g;
        user.injurycheck(g);
        for (int i = 0; i < 14; ++i) {
            EXPECT_EQ(players[i]->injury, expected[i]) << "seed " << seed << " index " << i;
            EXPECT_EQ(g.cell(12, i + 1), expected[i] ? "怪我" : "");
        }
    }
}

TEST_F(InjuryTest, SlowStrongPlayersWithoutADoctorGetHurtOften) {
    // 2 * (10 - 89) + 0 + 200 = 42, and 142 from index 10 on.
    Tteam& user = world->team(0);
    int hurt = 0;
    for (int seed = 0; seed < 20; ++seed) {
        world->rng.seed(seed);
        user.roster.clear();
        user.injured.clear();
        user.youth.clear();
        user.doctor = 0;
        for (int i = 0; i < 13; ++i) addTo(user, {.a = {89, 10, 40, 40, 40, 40, 40}});
        std::vector<int> ranges(13, 42);
        for (int i = 10; i < 13; ++i) ranges[i] = 142;
        const auto expected = predict(ranges);
        std::vector<Tplayer*> players;
        for (auto& p : user.roster) players.push_back(p.get());
        Grid g;
        user.injurycheck(g);
        for (int i = 0; i < 13; ++i) {
            EXPECT_EQ(players[i]->injury, expected[i]) << "seed " << seed << " index " << i;
            if (expected[i]) {
                ++hurt;
                EXPECT_EQ(players[i]->club, kNoClub);
            }
        }
        EXPECT_EQ(user.injured.size(), static_cast<std::size_t>(std::count_if(
                                           expected.begin(), expected.end(), [](int v) { return v > 0; })));
        EXPECT_GE(user.roster.size(), 11u);  // refilled from the youth
        EXPECT_EQ(g.cell(0, 1), "01");
        EXPECT_EQ(g.cell(0, 11), "11");
        EXPECT_EQ(g.cell(0, 12), "");
    }
    EXPECT_GT(hurt, 20);
}

TEST_F(InjuryTest, AShortRosterPromotesTheYouthWithTheBestAttributeSum) {
    world->kanri.year = 4;
    club.roster.clear();
    club.doctor = 1000;  // nobody gets hurt
    for (int i = 0; i < 10; ++i) addTo(club, {});
    addYouth({.a = all(14)});
    Tplayer& best = addYouth({.a = all(20)});
    addYouth({.a = all(17)});
    Grid unused;
    club.injurycheck(unused);
    ASSERT_EQ(club.roster.size(), 11u);
    EXPECT_EQ(&club.getplayer(10), &best);
    EXPECT_EQ(best.career, "/4*6**");
    EXPECT_EQ(club.youth.size(), 2u);
    EXPECT_EQ(unused.rowCount(), 0);  // only the user's club fills the table
}

TEST_F(InjuryTest, AnEmptyYouthSquadGetsANewPlayerToPromote) {
    club.roster.clear();
    club.youth.clear();
    club.doctor = 1000;
    for (int i = 0; i < 9; ++i) addTo(club, {});
    Grid unused;
    club.injurycheck(unused);
    EXPECT_EQ(club.roster.size(), 11u);
    EXPECT_TRUE(club.youth.empty());
    EXPECT_LE(club.getplayer(10).age, 18);
}

TEST_F(InjuryTest, InjuredPlayersCountDownLoseFormAndReturn) {
    auto a = handmade(*world, kNoClub, {});
    auto b = handmade(*world, kNoClub, {});
    a->injury = 1;
    b->injury = 3;
    Tplayer *pa = a.get(), *pb = b.get();
    club.injured.push_back(std::move(a));
    club.injured.push_back(std::move(b));
    const std::size_t rosterBefore = club.roster.size();

    Grid g;
    club.injurygrid(g);
    EXPECT_EQ(g.cell(11, 0), "怪我");
    EXPECT_EQ(g.cell(11, 2), "あと3節");

    EXPECT_EQ(club.injuryupdate(false), 1);
    EXPECT_EQ(club.roster.size(), rosterBefore + 1);
    EXPECT_EQ(&club.getplayer(static_cast<int>(rosterBefore)), pa);
    EXPECT_EQ(pa->club, 6);
    EXPECT_EQ(pb->injury, 2);
    EXPECT_EQ(pb->form, -2);
    EXPECT_EQ(pb->club, kNoClub);

    EXPECT_EQ(club.injuryupdate(true), 1);  // the season's end brings everyone back
    EXPECT_TRUE(club.injured.empty());
    EXPECT_EQ(pb->injury, 0);
    EXPECT_EQ(pb->form, -2);
}

}  // namespace
}  // namespace vm
