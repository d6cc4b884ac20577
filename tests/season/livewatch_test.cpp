// SPDX-License-Identifier: GPL-3.0-or-later
// Watched matches played to their end: the replay record and the joined
// result file, a watched match day booked whole through the season loop, and
// the same seed watched twice.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <tuple>

#include "league/runner.h"
#include "season/career.h"
#include "season/invariants.h"
#include "season/live_fixture.h"
#include "season/livereplay.h"
#include "season/livewatch.h"
#include "season/simplecoach.h"
#include "util/arith.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::LiveTest;

struct WatchingCoach : SimpleCoach {
    bool watch(const World&) override { return true; }
};

// The frame line written out by hand: shirt corners, the shadow, the ball in the air.
std::string expectedLine(const Tgame& g) {
    std::string s;
    auto put = [&](int v) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%03d", std::max(0, v));
        s += buf;
    };
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < 11; ++i) {
            put(g.men[side][i].x - 6);
            put(g.men[side][i].y - 6);
        }
    put(g.ball.x - 3);
    put(g.ball.y - 3);
    put(g.ball.x - 3 - roundEven(0.75 * g.ball.z));
    put(g.ball.y - 3 - roundEven(1.5 * g.ball.z));
    return s;
}

// The joined file a fixture's two result files make, and its expected text.
std::pair<std::string, std::vector<std::string>> joined(const World& w, int division) {
    std::vector<std::string> all;
    std::string name = "result";
    for (int side = 0; side < 2; ++side) {
        const auto lines =
            readLines(w.path("data/tmp/" + std::to_string(division) + "0" + std::to_string(side)));
        name += pad(static_cast<int>(lines.size()), 2);
        all.insert(all.end(), lines.begin(), lines.end());
    }
    return {name + ".dat", all};
}

int resultFiles(const World& w) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(w.path("data/tmp")))
        n += e.path().filename().string().rfind("result", 0) == 0;
    return n;
}

TEST_F(LiveTest, WithTheReplaySwitchEveryFrameShownIsRecordedAndTheResultsJoined) {
    writeBytesAtomic(world->path("data/vtr"), "");
    speedFile("6\r\n");
    auto m = open(false);
    ASSERT_TRUE(m->recording());
    frame(*m);
    const std::string first = expectedLine(m->game());
    const int shown = 1 + playOut(*m);

    const Replay r = readreplay(readBytes(tmp("match.dat")));
    EXPECT_EQ(r.pictures[0], world->team(0).emblem);
    EXPECT_EQ(r.pictures[1], world->team(m->game().club[1]).emblem);
    EXPECT_EQ(r.step, 24);
    ASSERT_EQ(r.frames.size(), static_cast<std::size_t>(shown));
    EXPECT_EQ(r.frames[0], first);
    const auto celebrated = std::count(r.frames.begin(), r.frames.end(), "g");
    EXPECT_EQ(celebrated, kCelebrationFrames * (m->game().goals(0) + m->game().goals(1)));

    const auto [name, lines] = joined(*world, 2);
    ASSERT_TRUE(fs::exists(tmp(name))) << name;
    EXPECT_EQ(readLines(tmp(name)), lines);
    EXPECT_EQ(resultFiles(*world), 1);
}

TEST_F(LiveTest, InDivisionOneTheJoinedResultIsTheUsersOwnFixture) {
    std::swap(world->kanri.div1list, world->kanri.div2list);
    world->kanri.mydiv = 1;
    seasonstart(*world);
    for (auto& l : world->leagues) l->round = 0;
    ASSERT_EQ(league(1).clubOfRow(league(1).schedule[0][0].first), 0);
    writeBytesAtomic(world->path("data/vtr"), "");
    prepare();
    playwatched(*world);

    const auto [name, lines] = joined(*world, 1);
    ASSERT_TRUE(fs::exists(tmp(name))) << name;
    EXPECT_EQ(readLines(tmp(name)), lines);
    EXPECT_EQ(resultFiles(*world), 1);
}

// Every fixture of the match day booked once, and the tables, result files
// and ranking lists telling the same story.
class MatchDayBook {
public:
    explicit MatchDayBook(World& w) : w_(w) {}
    void before() {
        for (int d = 0; d < 2; ++d) tables_[d] = w_.leagues[d]->table;
    }
    void check() const {
        EXPECT_FALSE(fs::exists(w_.path("data/tmp/goal0")));
        for (int d = 1; d <= 2; ++d) {
            const Tleague& l = *w_.leagues[d - 1];
            int scored = 0, assisted = 0;
            for (int f = 0; f < kPairings; ++f) {
                EXPECT_EQ(l.matchslots[f], nullptr);
                const auto [home, away] = l.schedule[l.round][f];
                std::array<std::size_t, 2> goals{};
                for (int s = 0; s < 2; ++s) {
                    const auto lines = readLines(w_.path(resultfilename(d, f, s)));
                    goals[s] = lines.size();
                    for (const auto& line : lines) {
                        scored += line.find("Own Goal") == std::string::npos;
                        assisted += line.find("→") != std::string::npos;
                    }
                }
                for (const auto& [row, gf, ga] :
                     {std::tuple{home, goals[0], goals[1]}, {away, goals[1], goals[0]}}) {
                    const auto& now = l.table[row];
                    const auto& was = tables_[d - 1][row];
                    EXPECT_EQ(now[Tleague::cWins] + now[Tleague::cDraws] + now[Tleague::cLosses] -
                                  was[Tleague::cWins] - was[Tleague::cDraws] - was[Tleague::cLosses],
                              1);
                    EXPECT_EQ(now[Tleague::cFor] - was[Tleague::cFor], static_cast<int>(gf));
                    EXPECT_EQ(now[Tleague::cAgainst] - was[Tleague::cAgainst], static_cast<int>(ga));
                }
            }
            // The lists hold each player's season count, which the players carry too.
            int players = 0, helpers = 0;
            for (int row = 0; row < kLeagueClubs; ++row)
                for (const PlayerList* list :
                     {&w_.team(l.clubOfRow(row)).roster, &w_.team(l.clubOfRow(row)).injured})
                    for (const auto& p : *list) {
                        players += p->goals;
                        helpers += p->assists;
                    }
            EXPECT_EQ(listed(l.scorerlist), players);
            EXPECT_EQ(listed(l.assistlist), helpers);
            if (l.round == 0) {
                EXPECT_EQ(players, scored);
                EXPECT_EQ(helpers, assisted);
            }
        }
    }

private:
    static int listed(const std::vector<std::string>& list) {
        int n = 0;
        for (const auto& line : list) n += std::stoi(line.substr(0, 2));
        return n;
    }
    World& w_;
    std::array<std::array<std::array<int, 9>, kLeagueClubs>, 2> tables_{};
};

TEST_F(LiveTest, AWatchedMatchDayBooksAllTenFixturesOnceAndAgreesWithItself) {
    WatchingCoach coach;
    test::CareerChecker checker(*world);
    MatchDayBook book(*world);
    const FlowHooks checks = checker.hooks();
    FlowHooks hooks;
    hooks.watchmatch = [](World& w) { playwatched(w); };
    hooks.observe = [&](const FlowEvent& e) {
        if (e.kind == FlowEvent::matchDayDue) book.before();
        checks.observe(e);
        if (e.kind == FlowEvent::matchDayPlayed) book.check();
    };
    playday(*world, coach, hooks);
    playday(*world, coach, hooks);
    EXPECT_EQ(checker.matchdays, 2);
    EXPECT_EQ(league(1).round, 2);
}

// What a match day leaves behind, as text.
std::vector<std::string> watchedDay(std::uint64_t seed) {
    test::Scratch scratch;
    auto w = scratch.world(seed);
    newgame(*w);
    seasonstart(*w);
    for (auto& l : w->leagues) l->round = 0;
    MatchDayFlow main(*w);
    main.click();
    main.toautomatch(false);
    playwatched(*w);
    std::vector<std::string> text;
    for (int d = 1; d <= 2; ++d) {
        const Tleague& l = *w->leagues[d - 1];
        for (const auto& row : l.table)
            for (int v : row) text.push_back(std::to_string(v));
        text.insert(text.end(), l.scorerlist.begin(), l.scorerlist.end());
        text.insert(text.end(), l.assistlist.begin(), l.assistlist.end());
        for (int f = 0; f < kPairings; ++f)
            for (int s = 0; s < 2; ++s) text.push_back(readBytes(w->path(resultfilename(d, f, s))));
    }
    return text;
}

TEST(LiveWatch, OneSeedWatchedTwiceGivesTheSameMatchDay) {
    EXPECT_EQ(watchedDay(11), watchedDay(11));
}

}  // namespace
}  // namespace vm
