// SPDX-License-Identifier: GPL-3.0-or-later
// The coach's automatic line-up: who gets which slot, how ties fall, and how
// the bench and the rest follow.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "league/world.h"
#include "players/handmade.h"
#include "support/scratch.h"

namespace vm {
namespace {

using test::addTo;
using test::all;
using test::Spec;

class LineupTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> world = scratch.world(5);
    Tteam& club = emptied(3);

    Tteam& emptied(int k) {
        Tteam& c = world->team(k);
        c.roster.clear();
        return c;
    }
    int slotOf(const Tplayer& p) const {
        for (int i = 0; i <= club.playerhigh(); ++i)
            if (&club.getplayer(i) == &p) return i;
        return -1;
    }
};

TEST_F(LineupTest, TheOnlyKeeperTakesSlotZeroWhateverHisScores) {
    for (int i = 0; i < 17; ++i) addTo(club, {.at = 1 + i % 6, .a = all(70)});
    Tplayer& keeper = addTo(club, {.at = 0, .a = all(10)});
    club.autoselect();
    EXPECT_EQ(slotOf(keeper), 0);
}

TEST_F(LineupTest, WithoutKeeperTheLowestTypeWithBestSpeedAndControlKeepsGoal) {
    Tplayer& slowCb = addTo(club, {.at = 1, .a = {20, 80, 20, 30, 30, 30, 30}});
    Tplayer& quickCb = addTo(club, {.at = 1, .a = {40, 30, 30, 30, 30, 30, 30}});
    Tplayer& brilliantDm = addTo(club, {.at = 2, .a = all(80)});
    for (int i = 0; i < 12; ++i) addTo(club, {.at = 2 + i % 5, .a = all(60)});
    club.autoselect();
    EXPECT_EQ(slotOf(quickCb), 0);
    EXPECT_NE(slotOf(slowCb), 0);
    EXPECT_NE(slotOf(brilliantDm), 0);
}

// Two centre-backs level on strength at the slot-3 pick: the one the earlier
// sorts (by defending score D) left in front wins, not the first in the roster.
TEST_F(LineupTest, ATieAtAPickGoesToThePlayerTheEarlierSortsLeftInFront) {
    for (bool firstHasBetterPassing : {true, false}) {
        club.roster.clear();
        addTo(club, {.at = 0});
        addTo(club, {.at = 2, .a = {60, 50, 30, 30, 30, 80, 30}});  // best D: slot 4
        Tplayer& x = addTo(club, {.at = 1, .a = {30, 60, 30, 30, 30, firstHasBetterPassing ? 50 : 40, 30}});
        Tplayer& y = addTo(club, {.at = 1, .a = {30, 60, 30, 30, 30, firstHasBetterPassing ? 40 : 50, 30}});
        for (int i = 0; i < 10; ++i) addTo(club, {.at = 4 + i % 3, .a = all(40)});
        club.autoselect();
        EXPECT_EQ(slotOf(firstHasBetterPassing ? x : y), 3) << firstHasBetterPassing;
    }
}

TEST_F(LineupTest, AConditionPlusOnePlayerBeatsOneFourPointsBetter) {
    for (int i = 0; i < 16; ++i) addTo(club, {.at = 1 + i % 6, .a = all(40)});
    Tplayer& better = addTo(club, {.at = 0, .a = {30, 30, 30, 30, 30, 30, 30}});
    Tplayer& inForm = addTo(club, {.at = 0, .a = {26, 30, 26, 30, 30, 30, 30}, .form = 1});
    ASSERT_EQ(inForm.condition(), 1);
    club.autoselect();
    EXPECT_EQ(slotOf(inForm), 0);
    EXPECT_EQ(inForm.ability[0], 26);  // the bonus lives only in the selection

    inForm.form = 0;
    better.form = -1;
    ASSERT_EQ(better.condition(), -1);
    club.autoselect();
    EXPECT_EQ(slotOf(inForm), 0);
    better.form = 0;
    club.autoselect();
    EXPECT_EQ(slotOf(better), 0);
}

// Strong starters for every pick, so that the weak four are left for the bench.
class BenchTest : public LineupTest {
protected:
    Tplayer* weakCb = nullptr;
    Tplayer* weakDm = nullptr;
    Tplayer* weakSh = nullptr;
    Tplayer* weakFw = nullptr;

    void build(int weak) {
        addTo(club, {.at = 0, .a = all(50)});
        for (int i = 0; i < 5; ++i) addTo(club, {.at = 1, .a = all(60 + i)});
        for (int i = 0; i < 4; ++i) addTo(club, {.at = 6, .a = all(60 + i)});
        addTo(club, {.at = 3, .a = {40, 40, 89, 89, 89, 10, 10}});  // no defender, the best all-rounder
        if (weak >= 1)
            weakCb = &addTo(club, {.at = 1, .a = {11, 11, 11, 19, 19, 10, 10}});  // best A of the four
        if (weak >= 2) weakSh = &addTo(club, {.at = 5, .a = {12, 12, 12, 12, 12, 10, 10}});
        if (weak >= 3) weakDm = &addTo(club, {.at = 2, .a = {11, 11, 10, 10, 10, 18, 10}});  // best D
        if (weak >= 4) weakFw = &addTo(club, {.at = 6, .a = {11, 11, 11, 11, 11, 10, 10}});
    }
};

TEST_F(BenchTest, ElevenPlayersFillOnlyTheStartingSlots) {
    build(0);
    std::set<Tplayer*> before;
    for (auto& p : club.roster) before.insert(p.get());
    club.autoselect();
    ASSERT_EQ(club.roster.size(), 11u);
    EXPECT_EQ(club.getplayer(0).at, 0);
    EXPECT_EQ(club.getplayer(7).at, 3);  // the best remaining all-rounder
    std::set<Tplayer*> after;
    for (auto& p : club.roster) after.insert(p.get());
    EXPECT_EQ(before, after);
}

TEST_F(BenchTest, TheTwelfthPlayerSitsOnTheBench) {
    build(1);
    club.autoselect();
    EXPECT_EQ(slotOf(*weakCb), 11);
}

TEST_F(BenchTest, BenchPicksPreferTheirGroupAndTheRestFollowTheLastPick) {
    build(4);
    club.autoselect();
    // Slot 11 wants an attacker (the CB has the better all-round score), slot 12
    // a defender by D; the rest follow: defenders first, then the others.
    EXPECT_EQ(slotOf(*weakSh), 11);
    EXPECT_EQ(slotOf(*weakDm), 12);
    EXPECT_EQ(slotOf(*weakCb), 13);
    EXPECT_EQ(slotOf(*weakFw), 14);
}

// The selection described as plain stable sorts over records; the club's
// line-up must give the same order on any roster, ties included.
std::vector<Tplayer*> referenceLineup(const Tteam& club) {
    struct Row {
        Tplayer* p = nullptr;
        int slot = 999999;
        int at = 0, v[7]{}, D = 0, A = 0, K = 0, W = 0;
    };
    std::vector<Row> rows;
    for (auto& p : club.roster) {
        Row r;
        r.p = p.get();
        const int c = p->condition();
        const int shift = c > 0 ? 5 : c < 0 ? -5 : 0;
        for (int k = 0; k < 7; ++k) r.v[k] = p->ability[k] + shift;
        r.at = p->at;
        r.D = r.v[0] + r.v[1] + r.v[5];
        r.A = r.v[0] + r.v[1] + r.v[2] + r.v[3] + r.v[4];
        r.K = r.v[0] + r.v[2];
        r.W = r.v[4] + r.v[6];
        rows.push_back(r);
    }
    using Key = std::function<int(const Row&)>;
    auto sortBy = [&](const Key& key, bool asc) {
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const Row& a, const Row& b) { return asc ? key(a) < key(b) : key(a) > key(b); });
    };
    const Key slot = [](const Row& r) { return r.slot; };
    const Key at = [](const Row& r) { return r.at; };
    auto over = [](int t) { return Key([t](const Row& r) { return r.at > t ? 1 : 0; }); };
    auto attr = [](int k) { return Key([k](const Row& r) { return r.v[k]; }); };
    const Key D = [](const Row&r) { return r.D; }, A = [](const Row&r) { return r.A; };
    const Key K = [](const Row&r) { return r.K; }, W = [](const Row&r) { return r.W; };
    auto pick = [&](int s, const Key& score, const Key* group, bool groupAsc) {
        sortBy(score, false);
        if (group) sortBy(*group, groupAsc);
        sortBy(slot, false);
        if (rows[0].slot == 999999) rows[0].slot = s;
    };
    const Key o3 = over(3), o1 = over(1);
    sortBy(A, true);
    pick(0, K, &at, true);
    pick(4, D, &o3, true);
    sortBy(at, true);
    sortBy(slot, false);
    pick(3, attr(1), &o3, true);
    pick(5, attr(1), &o1, true);
    pick(8, attr(3), &at, false);
    pick(9, A, &o3, false);
    pick(2, attr(0), &o3, true);
    pick(1, D, &o3, true);
    pick(10, attr(0), &o3, false);
    pick(6, W, &o3, false);
    pick(7, A, nullptr, true);
    auto unassigned = [&] {
        return std::any_of(rows.begin(), rows.end(), [](const Row& r) { return r.slot == 999999; });
    };
    if (unassigned()) pick(11, A, &o3, false);
    if (unassigned()) pick(12, D, &o3, true);
    sortBy(slot, true);
    std::vector<Tplayer*> out;
    for (auto& r : rows) out.push_back(r.p);
    return out;
}

TEST_F(LineupTest, MatchesThePlainStableSortsOnRandomRosters) {
    Rng rng(77);
    for (int trial = 0; trial < 300; ++trial) {
        club.roster.clear();
        const int size = 11 + rng.Random(15);
        // Few distinct values so that ties are everywhere.
        for (int i = 0; i < size; ++i) {
            Spec s{.at = rng.Random(7), .form = rng.Random(3) - 1};
            for (int& v : s.a) v = 10 + 5 * rng.Random(4);
            addTo(club, s);
        }
        const auto expected = referenceLineup(club);
        club.autoselect();
        std::vector<Tplayer*> got;
        for (auto& p : club.roster) got.push_back(p.get());
        ASSERT_EQ(got, expected) << "trial " << trial;
    }
}

TEST_F(LineupTest, AShortRosterKeepsEveryPlayerOnce) {
    for (int i = 0; i < 8; ++i) addTo(club, {.at = i % 7, .a = all(20 + i)});
    std::set<Tplayer*> before;
    for (auto& p : club.roster) before.insert(p.get());
    club.autoselect();
    std::set<Tplayer*> after;
    for (auto& p : club.roster) after.insert(p.get());
    EXPECT_EQ(club.roster.size(), 8u);
    EXPECT_EQ(before, after);
    EXPECT_EQ(club.getplayer(0).at, 0);
}

}  // namespace
}  // namespace vm
