// SPDX-License-Identifier: GPL-3.0-or-later
// One division: its schedule, the standings order, the tables it shows, the
// files it leaves at the season's end and its stored form.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "league/tleague.h"
#include "league/world.h"
#include "support/scratch.h"
#include "util/errors.h"
#include "util/grid.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm {
namespace {

class LeagueTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> world = scratch.world(3);
    std::unique_ptr<Tleague> league = make(2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});

    std::unique_ptr<Tleague> make(int division, std::array<int, kLeagueClubs> clubs) {
        for (int c : clubs) world->team(c).name = "Club" + std::to_string(c);
        return std::make_unique<Tleague>(*world, clubs, division);
    }
    // Order of rows by rank.
    std::vector<int> standings() const {
        std::vector<int> rows(kLeagueClubs);
        for (int n = 0; n < kLeagueClubs; ++n) rows[league->table[n][Tleague::cRank]] = n;
        return rows;
    }
    void setRow(int n, int points, int gf, int ga) {
        auto& r = league->table[n];
        r[Tleague::cPoints] = points;
        r[Tleague::cFor] = gf;
        r[Tleague::cAgainst] = ga;
        r[Tleague::cDiff] = gf - ga;
    }
};

TEST_F(LeagueTest, EveryPairMeetsOnceACycleAndTheCyclesRepeat) {
    std::set<std::vector<int>> firstRounds;
    for (int seed = 0; seed < 300; ++seed) {
        world->rng.seed(seed);
        league->schedulemake();
        const auto& s = league->schedule;
        for (int r = 0; r < kRounds; ++r) {
            std::set<int> rows;
            for (const Pairing& p : s[r]) rows.insert({p.first, p.second});
            ASSERT_EQ(rows.size(), 10u) << "seed " << seed << " round " << r;
            ASSERT_EQ(s[r][0].first, 0);
        }
        std::map<std::pair<int, int>, int> meetings;
        for (int r = 0; r < 9; ++r)
            for (const Pairing& p : s[r])
                ++meetings[{std::min(p.first, p.second), std::max(p.first, p.second)}];
        ASSERT_EQ(meetings.size(), 45u);
        for (const auto& [pair, n] : meetings) ASSERT_EQ(n, 1);
        for (int e = 0; e < 9; ++e) {
            ASSERT_EQ(s[e + 9], s[e]);
            ASSERT_EQ(s[e + 18], s[e]);
        }
        std::vector<int> round0;
        for (const Pairing& p : s[0]) round0.insert(round0.end(), {p.first, p.second});
        firstRounds.insert(round0);
    }
    EXPECT_GT(firstRounds.size(), 100u);  // the seating and round order are drawn
}

TEST_F(LeagueTest, TheFirstRankingKeepsRowOrderAmongLevelClubs) {
    league->rankmake();
    EXPECT_EQ(standings(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(LeagueTest, PointsThenGoalDifferenceThenGoalsForThenThePreviousRank) {
    setRow(7, 10, 9, 6);  // +3
    setRow(2, 10, 8, 5);  // +3, fewer goals
    setRow(5, 10, 9, 5);  // +4
    setRow(9, 12, 0, 0);
    setRow(4, 10, 5, 8);   // -3
    setRow(1, 10, 3, 15);  // -12
    league->rankmake();
    EXPECT_EQ(standings(), (std::vector<int>{9, 5, 7, 2, 4, 1, 0, 3, 6, 8}));

    // Level on everything: whoever ranked higher before stays higher, even the
    // higher row number and even with a negative goal difference.
    setRow(4, 10, 3, 15);
    league->rankmake();
    EXPECT_EQ(standings(), (std::vector<int>{9, 5, 7, 2, 4, 1, 0, 3, 6, 8}));
    setRow(1, 11, 3, 15);
    league->rankmake();
    setRow(1, 10, 3, 15);
    league->rankmake();
    EXPECT_EQ(standings(), (std::vector<int>{9, 5, 7, 2, 1, 4, 0, 3, 6, 8}));
}

TEST_F(LeagueTest, TheStandingsTableShowsPaddedOrPlainCountersInRankOrder) {
    setRow(3, 4, 2, 7);
    league->table[3][Tleague::cWins] = 1;
    league->table[3][Tleague::cDraws] = 1;
    league->rankmake();
    Grid g;
    league->rankgrid(g, true);
    EXPECT_EQ(g.rowText(0), "Teamname,勝,分,負,得,失,得失,勝点,,");
    EXPECT_EQ(g.rowText(1), "Club3,001,001,000,002,007,-005,004,000,3");
    EXPECT_EQ(g.rowText(2), "Club0,000,000,000,000,000,000,000,001,0");
    league->rankgrid(g, false);
    EXPECT_EQ(g.rowText(1), "Club3,1,1,0,2,7,-5,4,0,3");
}

TEST_F(LeagueTest, FixturesShowTheHomeSideByTheFirstDivisionsRound) {
    league->schedulemake();
    Grid g;
    league->round = 4;
    league->matchgrid(g);
    const Pairing p = league->schedule[4][2];
    EXPECT_EQ(g.rowText(0), ",Teamname,,Teamname,");
    EXPECT_EQ(g.rowText(3),
              "A,Club" + std::to_string(p.first) + ",対,Club" + std::to_string(p.second) + ",H");
    league->round = 5;
    league->matchgrid(g);
    EXPECT_EQ(g.cell(0, 1), "H");
    EXPECT_EQ(g.cell(4, 1), "A");
    league->round = 18;
    league->matchgrid(g);
    EXPECT_EQ(g.cell(0, 1), "");
    EXPECT_EQ(g.cell(4, 5), "");

    // With the divisions in place, Division 1's counter decides for both.
    world->leagues[0] = make(1, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    world->leagues[0]->round = 7;
    league->round = 18;
    league->matchgrid(g);
    EXPECT_EQ(g.cell(0, 1), "H");
}

TEST_F(LeagueTest, TheRankFileIsNamedAfterTheLastClub) {
    auto d = make(2, {0, 1, 3, 4, 5, 6, 7, 8, 9, 2});
    for (int n = 0; n < kLeagueClubs; ++n) d->table[n][Tleague::cRank] = (n + 4) % 10;
    // Ranks 0..9 belong to rows 6,7,8,9,0,1,2,3,4,5.
    EXPECT_EQ(d->rankfile(), "07,08,09,02,00,01,03,04,05,06");
    const std::string bytes = readBytes(scratch.path("data/tmp/06.rank"));
    EXPECT_EQ(bytes, "07\r\n08\r\n09\r\n02\r\n00\r\n01\r\n03\r\n04\r\n05\r\n06\r\n");
}

TEST_F(LeagueTest, TheHistoryLineCarriesTheUsersPositionAndCounters) {
    const auto before = readLines(scratch.path("data/tmp/history.txt"));
    auto& r = league->table[0];
    r = {0, 18, 5, 4, 60, 31, 29, 59, 0};
    league->historyadd("3,2");
    const auto after = readLines(scratch.path("data/tmp/history.txt"));
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back(), "3,2,1,18,5,4,60,31,29,59");
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
}

// Stored form ------------------------------------------------------------------

void patchInt(std::string& b, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
}

class StoredLeagueTest : public LeagueTest {
protected:
    // Names "Club0".."Club9": the table starts at 4 + 10 * 9.
    static constexpr std::size_t kTable = 94, kSchedule = kTable + 360, kScorers = kSchedule + 1080;

    void SetUp() override {
        league->schedulemake();
        league->round = 12;
        setRow(4, 7, 3, 11);
        league->table[4][Tleague::cWins] = 2;
        league->rankmake();
        league->scorerlist = {"01,Club3,Ａ．スミス,03", "04,Club0,山田　太郎,00"};
        league->assistlist = {"02,Club9,B．ジョーンズ,09"};
    }
    static std::string bytes(const Tleague& l) {
        OutStream s;
        l.leaguesave(s);
        return s.bytes();
    }
    // Loading `b` into a fresh division must fail and leave it untouched.
    void expectRefused(const std::string& b) {
        auto target = make(1, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
        target->scorerlist = {"keep"};
        const std::string before = bytes(*target);
        InStream in(b);
        EXPECT_THROW(target->leagueload(in), FormatError);
        EXPECT_EQ(bytes(*target), before);
    }
};

TEST_F(StoredLeagueTest, ADivisionReadBackIsTheSameByteForByte) {
    const std::string saved = bytes(*league);
    auto copy = make(1, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    InStream in(saved);
    copy->leagueload(in);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(copy->round, 12);
    EXPECT_EQ(copy->table, league->table);
    EXPECT_EQ(copy->schedule, league->schedule);
    EXPECT_EQ(copy->names, league->names);
    EXPECT_EQ(copy->scorerlist, league->scorerlist);
    EXPECT_EQ(copy->assistlist, league->assistlist);
    EXPECT_EQ(copy->division, 1);  // not stored: the manager's number stays
    EXPECT_EQ(bytes(*copy), saved);
}

TEST_F(StoredLeagueTest, RankingListsAreStoredAsCrLfLinesWithAByteCount) {
    league->assistlist.clear();
    const std::string saved = bytes(*league);
    const std::string scorers = "01,Club3,\x82\x60\x81\x44\x83\x58\x83\x7E\x83\x58,03\r\n";
    InStream in(std::string_view(saved).substr(kScorers));
    const int n = in.readInt();
    const std::string_view text = in.readBytes(static_cast<std::size_t>(n));
    EXPECT_EQ(text.substr(0, scorers.size()), scorers);
    EXPECT_EQ(in.readInt(), 0);  // the empty assist list
    EXPECT_TRUE(in.atEnd());
}

TEST_F(StoredLeagueTest, ATruncatedDivisionIsRefusedAtEveryLength) {
    const std::string saved = bytes(*league);
    for (std::size_t n = 0; n < saved.size(); n += (n < kScorers ? 7 : 1)) expectRefused(saved.substr(0, n));
}

TEST_F(StoredLeagueTest, DamagedFiguresAreRefused) {
    const std::string saved = bytes(*league);
    struct Damage {
        std::size_t at;
        std::int32_t value;
    };
    const Damage damages[] = {
        {0, 28},               // round
        {0, -2},               //
        {4, 1 << 30},          // name length
        {4, -1},               //
        {kTable, 20},          // club number
        {kTable + 4 * 1, -1},  // wins
        {kTable + 4 * 8, 10},  // rank
        {kSchedule, 10},       // a row that does not exist
        {kSchedule + 4, 0},    // row 0 against itself
        {kScorers, -5},        // scorer byte count
        {kScorers, 1 << 29},   //
    };
    for (const Damage& d : damages) {
        std::string b = saved;
        patchInt(b, d.at, d.value);
        SCOPED_TRACE(d.at);
        expectRefused(b);
    }
    std::string badText = saved;
    badText[kScorers + 4] = '\x81';  // a lead byte followed by ','
    badText[kScorers + 5] = '\x7F';
    expectRefused(badText);
}

}  // namespace
}  // namespace vm
