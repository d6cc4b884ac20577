// SPDX-License-Identifier: GPL-3.0-or-later
// The season's start and end: divisions built from the manager's lists, career
// entries, prize money, popularity, ageing, mood, promotion and relegation,
// and the manager's stored form.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "league/world.h"
#include "players/handmade.h"
#include "support/scratch.h"
#include "util/cp932.h"
#include "util/errors.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm {
namespace {

namespace fs = std::filesystem;

class SeasonTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> world = started(scratch, 9);

    static std::unique_ptr<World> started(const test::Scratch& s, std::uint64_t seed) {
        auto w = s.world(seed);
        newgame(*w);
        return w;
    }

    // A final table in which the clubs finish in the given order.
    void finish(int division, const std::vector<int>& order) {
        Tleague& l = *world->leagues[division - 1];
        for (int i = 0; i < kLeagueClubs; ++i) {
            int row = 0;
            while (l.clubOfRow(row) != order[i]) ++row;
            const int w = 20 - i, d = i % 3;
            l.table[row] = {order[i], w, d, 5, 40 - i, 20, 20 - i, 3 * w + d, 0};
        }
        l.round = kRounds;
    }

    std::vector<std::string> rankFiles() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(scratch.path("data/tmp")))
            if (e.path().extension() == ".rank") out.push_back(e.path().filename().string());
        return out;
    }
};

TEST_F(SeasonTest, TheSeasonStartBuildsBothDivisionsFromTheLists) {
    Tteam& club = world->team(5);
    Tplayer& fresh = club.getplayer(0);
    Tplayer& veteran = club.getplayer(1);
    Tplayer& signing = club.getplayer(2);
    veteran.career = "/0*3**10*2*1";
    signing.career = "/0*3**10*2*1/1*5*120*";
    fresh.goals = 4;
    fresh.games = 9;
    fresh.ability[2] = 55;
    club.youthmake();

    seasonstart(*world);
    ASSERT_TRUE(world->leagues[0] && world->leagues[1]);
    const Tleague& d2 = *world->leagues[1];
    EXPECT_EQ(d2.division, 2);
    EXPECT_EQ(d2.round, -1);
    for (int n = 0; n < kLeagueClubs; ++n) {
        EXPECT_EQ(d2.clubOfRow(n), n);
        EXPECT_EQ(world->leagues[0]->clubOfRow(n), 10 + n);
    }
    EXPECT_EQ(d2.names[3], world->team(3).name);
    EXPECT_EQ(fresh.career, "/1*5**");
    EXPECT_EQ(veteran.career, "/0*3**10*2*1/1*5**");
    EXPECT_EQ(signing.career, "/0*3**10*2*1/1*5*120*");
    EXPECT_EQ(fresh.goals, 0);
    EXPECT_EQ(fresh.games, 0);
    EXPECT_EQ(fresh.lastability[2], 55);
    EXPECT_EQ(club.youth.back()->career, "/1*5*ﾕｰｽ");
}

TEST_F(SeasonTest, TheSeasonEndMovesTwoClubsEachWayAndPaysThePrizes) {
    seasonstart(*world);
    const std::vector<int> first{13, 17, 10, 11, 12, 14, 15, 16, 19, 18};
    const std::vector<int> second{4, 7, 0, 1, 2, 3, 5, 6, 8, 9};
    finish(1, first);
    finish(2, second);

    // Some lives to follow through the season's end.
    Tteam& user = world->team(0);
    Tplayer& scorer = user.getplayer(9);
    scorer.games = 20;
    scorer.goals = 7;
    scorer.assists = 3;
    const int scorerAge = scorer.age;
    Tplayer& oldHand = test::addTo(user, {.a = test::all(80), .age = 36, .peak = 25});
    auto hurt = test::handmade(*world, kNoClub, {});
    hurt->injury = 4;
    hurt->career = "/1*3**";
    Tplayer& injured = *hurt;
    world->team(3).injured.push_back(std::move(hurt));
    world->team(15).coach[0] = {85, 85, 85, 85, 85, 85, 85};
    std::array<int, kClubCount> money{}, popularity{};
    for (int k = 0; k < kClubCount; ++k) {
        money[k] = world->team(k).money;
        popularity[k] = world->team(k).popularity;
    }
    const auto history = readLines(scratch.path("data/tmp/history.txt"));

    seasonend(*world);

    EXPECT_EQ(world->kanri.div1list, "04,07,10,11,12,13,14,15,16,17");
    EXPECT_EQ(world->kanri.div2list, "00,01,02,03,05,06,08,09,18,19");
    EXPECT_EQ(world->kanri.mydiv, 2);
    EXPECT_EQ(world->kanri.year, 2);
    EXPECT_FALSE(world->leagues[0] || world->leagues[1]);

    EXPECT_EQ(rankFiles(), std::vector<std::string>{"09.rank"});
    EXPECT_EQ(readLines(scratch.path("data/tmp/09.rank")),
              (std::vector<std::string>{"04", "07", "00", "01", "02", "03", "05", "06", "08", "09"}));
    const auto lines = readLines(scratch.path("data/tmp/history.txt"));
    ASSERT_EQ(lines.size(), history.size() + 1);
    EXPECT_EQ(lines.back(), "1,2,3,18,2,5,38,20,18,56");

    const std::pair<int, int> prizes[] = {{13, 1200}, {17, 1000}, {10, 900}, {11, 400}, {19, 400}, {18, 200},
                                          {4, 700},   {7, 600},   {0, 300},  {1, 200},  {8, 200},  {9, 100}};
    for (auto [club, prize] : prizes) EXPECT_EQ(world->team(club).money, money[club] + prize) << club;
    EXPECT_EQ(world->team(13).popularity, popularity[13] * 4 / 5 + 100);
    EXPECT_EQ(world->team(18).popularity, popularity[18] * 4 / 5 + 55);
    EXPECT_EQ(world->team(4).popularity, popularity[4] * 4 / 5 + 50);
    EXPECT_EQ(world->team(9).popularity, popularity[9] * 4 / 5 + 5);

    EXPECT_EQ(scorer.age, scorerAge + 1);
    EXPECT_EQ(scorer.career, "/1*0**20*7*3");
    EXPECT_EQ(&user.getplayer(user.playerhigh()), &oldHand);  // the user appoints his own coaches
    EXPECT_EQ(injured.injury, 0);
    EXPECT_EQ(injured.club, 3);
    EXPECT_EQ(injured.career, "/1*3**0*0*0");
    EXPECT_EQ(world->team(15).coach[0][0], 76);
}

TEST_F(SeasonTest, AChampionsClubGoesUpWithTheUser) {
    seasonstart(*world);
    finish(1, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    finish(2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    seasonend(*world);
    EXPECT_EQ(world->kanri.mydiv, 1);
    EXPECT_EQ(world->kanri.div1list, "00,01,10,11,12,13,14,15,16,17");
    EXPECT_EQ(world->kanri.div2list, "02,03,04,05,06,07,08,09,18,19");
    EXPECT_EQ(world->divof(0), 1);
    EXPECT_EQ(world->divof(18), 2);
    EXPECT_EQ(rankFiles(), std::vector<std::string>{"09.rank"});

    // The next season is built from the new lists, the user's club in row 0.
    seasonstart(*world);
    EXPECT_EQ(world->leagues[0]->clubOfRow(0), 0);
    EXPECT_EQ(world->leagues[1]->clubOfRow(9), 19);
    EXPECT_EQ(world->team(0).getplayer(0).career, "/1*0**0*0*0/2*0**");
}

TEST_F(SeasonTest, AStaleRankFileDoesNotSurviveTheSeasonEnd) {
    writeLines(scratch.path("data/tmp/05.rank"), {"x"});
    seasonstart(*world);
    finish(1, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    finish(2, {9, 1, 2, 3, 4, 5, 6, 7, 8, 0});
    seasonend(*world);
    EXPECT_EQ(rankFiles(), std::vector<std::string>{"00.rank"});
    EXPECT_EQ(readLines(scratch.path("data/tmp/00.rank")).size(), 10u);
}

// Season mood ---------------------------------------------------------------------

class MoodTest : public SeasonTest {
protected:
    std::unique_ptr<Tplayer> player(int games, int age = 30, int peak = 25) {
        auto p = test::handmade(*world, 14, {.age = age, .peak = peak});
        p->games = games;
        return p;
    }
};

TEST_F(MoodTest, TheDivisionOneChampionIsMoodedLikeTheRunnerUp) {
    int lowest = 100;
    for (int seed = 0; seed < 200; ++seed) {
        world->rng.seed(seed);
        auto champion = player(20);
        Rng copy = world->rng;
        seasonmood(*champion, 1, 0);
        EXPECT_EQ(champion->mood, 50 + 3 * (copy.Random(11) - 2));
        world->rng.seed(seed);
        auto runnerUp = player(20);
        seasonmood(*runnerUp, 1, 1);
        EXPECT_EQ(champion->mood, runnerUp->mood);
        lowest = std::min(lowest, champion->mood);
    }
    EXPECT_EQ(lowest, 44);  // never the relegation zone's loss
}

TEST_F(MoodTest, MoodChangesFollowTheFinalPosition) {
    struct Case {
        int division, position, draw, lo, hi;
    };
    // amount = factor * (draw + offset)
    const Case cases[] = {{1, 3, 5, -3, 9}, {1, 6, 4, 0, 9},    {1, 9, 13, -36, 0}, {2, 0, 11, -6, 24},
                          {2, 4, 3, -3, 3}, {2, 7, 5, -15, -3}, {2, 8, 11, -36, -6}};
    for (const Case& c : cases) {
        std::set<int> seen;
        for (int seed = 0; seed < 300; ++seed) {
            world->rng.seed(seed);
            auto p = player(10);
            seasonmood(*p, c.division, c.position);
            seen.insert(p->mood - 50);
        }
        EXPECT_EQ(*seen.begin(), c.lo) << c.division << "/" << c.position;
        EXPECT_EQ(*seen.rbegin(), c.hi) << c.division << "/" << c.position;
        EXPECT_EQ(static_cast<int>(seen.size()), c.draw) << c.division << "/" << c.position;
    }
}

TEST_F(MoodTest, APlayerWhoHardlyPlayedLosesMoreTheNearerHisPeak) {
    world->rng.seed(4);
    auto atPeak = player(0, 27, 27);
    Rng copy = world->rng;
    seasonmood(*atPeak, 1, 4);
    EXPECT_EQ(atPeak->mood, 50 + 3 * (copy.Random(5) - 1) - 34);

    auto farFromPeak = player(5, 31, 27);
    farFromPeak->mood = 60;
    copy = world->rng;
    seasonmood(*farFromPeak, 1, 4);
    EXPECT_EQ(farFromPeak->mood, 60 + 3 * (copy.Random(5) - 1) - 11);

    auto regular = player(6, 27, 27);
    copy = world->rng;
    seasonmood(*regular, 1, 4);
    EXPECT_EQ(regular->mood, 50 + 3 * (copy.Random(5) - 1));
}

// Stored league manager --------------------------------------------------------

class StoredManagerTest : public SeasonTest {
protected:
    static std::string bytes(const World& w) {
        OutStream s;
        kanrisave(w, s);
        return s.bytes();
    }
    std::unique_ptr<World> other = started(scratch, 10);
    std::unique_ptr<World> target;

    // Loading `b` must fail and leave a running season as it was.
    void expectRefused(const std::string& b) {
        if (!target) {
            target = started(scratch, 12);
            seasonstart(*target);
        }
        const std::string before = bytes(*target);
        const Tleague* d1 = target->leagues[0].get();
        InStream in(b);
        EXPECT_THROW(kanriload(*target, in), FormatError);
        EXPECT_EQ(bytes(*target), before);
        EXPECT_EQ(target->leagues[0].get(), d1);
    }
};

TEST_F(StoredManagerTest, BetweenSeasonsOnlyTheRecordAndAZeroFlagAreStored) {
    const std::string saved = bytes(*world);
    EXPECT_EQ(saved.size(), 4u + 4u + (4u + 30u) + (4u + 30u) + 1u);
    EXPECT_EQ(saved.back(), '\0');
    seasonstart(*other);
    InStream in(saved);
    kanriload(*other, in);
    EXPECT_TRUE(in.atEnd());
    EXPECT_FALSE(other->leagues[0] || other->leagues[1]);
    EXPECT_EQ(other->kanri.div2list, "00,01,02,03,04,05,06,07,08,09,");
    EXPECT_EQ(bytes(*other), saved);
}

TEST_F(StoredManagerTest, DuringASeasonBothDivisionsFollowByteForByte) {
    seasonstart(*world);
    finish(2, {4, 7, 0, 1, 2, 3, 5, 6, 8, 9});
    world->leagues[1]->rankmake();
    world->leagues[0]->scorerlist = {"02,x,y,12"};
    seasonend(*world);  // lists without the trailing comma, year 2
    seasonstart(*world);
    world->leagues[1]->round = 3;
    const std::string saved = bytes(*world);
    EXPECT_EQ(saved[4 + 4 + 4 + 29 + 4 + 29], '\x01');

    InStream in(saved);
    kanriload(*other, in);
    EXPECT_TRUE(in.atEnd());
    ASSERT_TRUE(other->leagues[0] && other->leagues[1]);
    EXPECT_EQ(other->kanri.year, 2);
    EXPECT_EQ(other->leagues[1]->round, 3);
    EXPECT_EQ(other->leagues[1]->division, 2);
    EXPECT_EQ(other->leagues[0]->schedule, world->leagues[0]->schedule);
    EXPECT_EQ(bytes(*other), saved);
}

TEST_F(StoredManagerTest, DamagedManagerRecordsAreRefusedAndChangeNothing) {
    seasonstart(*world);
    const std::string saved = bytes(*world);
    for (std::size_t n = 0; n < saved.size(); n += 13) expectRefused(saved.substr(0, n));

    auto withRecord = [&](int year, int mydiv, const std::string& l1, const std::string& l2) {
        OutStream s;
        s.writeInt(year);
        s.writeInt(mydiv);
        writestr(s, l1);
        writestr(s, l2);
        s.writeByte(0);
        return s.bytes();
    };
    const std::string d1 = "10,11,12,13,14,15,16,17,18,19", d2 = "00,01,02,03,04,05,06,07,08,09";
    {
        const std::string record = withRecord(3, 2, d1, d2);
        InStream ok(record);
        kanriload(*other, ok);  // the reference record is fine
    }
    expectRefused(withRecord(0, 2, d1, d2));
    expectRefused(withRecord(3, 3, d1, d2));
    expectRefused(withRecord(3, 1, d1, d2));  // club 0 is not in Division 1
    expectRefused(withRecord(3, 2, "10,11,12,13,14,15,16,17,18", d2));
    expectRefused(withRecord(3, 2, "10,11,12,13,14,15,16,17,18,18", d2));
    expectRefused(withRecord(3, 2, "10,11,12,13,14,15,16,17,18,20", d2));
    expectRefused(withRecord(3, 2, "10,11,12,13,14,15,16,17,18,09", d2));
    expectRefused(withRecord(3, 2, "10,11,12,13,14,15,16,17,18,1x", d2));

    // Division tables that do not belong to the lists.
    std::string swapped = saved;
    const std::size_t d1Start = 4 + 4 + 4 + 30 + 4 + 30 + 1;
    const std::size_t firstClub = d1Start + 4 + 10 * 4 + [&] {
        std::size_t names = 0;
        for (int n = 0; n < kLeagueClubs; ++n) names += toCp932(world->leagues[0]->names[n]).size();
        return names;
    }();
    swapped[firstClub] = '\x0B';  // row 0 claims club 11
    expectRefused(swapped);
}

}  // namespace
}  // namespace vm
