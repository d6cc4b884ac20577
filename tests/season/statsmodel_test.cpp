// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics model over a whole season played by the plain coach: the
// position lines end at the final table, the club's season and records are
// read back from what the season left.
#include <gtest/gtest.h>

#include <algorithm>

#include "league/newgame.h"
#include "league/world.h"
#include "season/career.h"
#include "season/simplecoach.h"
#include "season/statsmodel.h"
#include "support/scratch.h"

namespace vm {
namespace {

TEST(StatsModel, ASeasonsPositionLinesEndAtTheFinalTableAndItsRecordsAreKept) {
    test::Scratch scratch;
    auto world = scratch.world(5);
    newgame(*world);
    SimpleCoach coach;
    std::vector<PositionLine> lines;
    FlowHooks hooks;
    hooks.observe = [&](const FlowEvent& e) {
        if (e.kind == FlowEvent::matchDayPlayed) lines = positionlines(*world);
    };
    const int division = world->kanri.mydiv;
    const SeasonSummary s = playseason(*world, coach, hooks);
    ASSERT_TRUE(s.played);

    const std::vector<TableLine>& table = s.tables[division - 1];
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front().club, 0);
    for (const PositionLine& line : lines) {
        ASSERT_EQ(line.positions.size(), 27u);
        const auto at =
            std::find_if(table.begin(), table.end(), [&](const TableLine& t) { return t.club == line.club; });
        EXPECT_EQ(line.positions.back(), at - table.begin() + 1) << line.name;
    }

    const std::vector<ClubSeason> seasons = clubseasons(*world);
    ASSERT_EQ(seasons.size(), 1u);
    EXPECT_EQ(seasons[0].position, lines.front().positions.back());
    EXPECT_EQ(seasons[0].division, division);
    const ClubRecords rec = clubrecords(*world);
    EXPECT_EQ(rec.best->season, seasons[0].season);
    EXPECT_EQ(world->stats.results.size(), 27u);
    int most = 0, scored = 0, credited = 0;
    for (const UserResult& r : world->stats.results) {
        most = std::max(most, r.scored - r.conceded);
        scored += r.scored;
    }
    if (most > 0) {
        EXPECT_EQ(rec.biggestWin->scored - rec.biggestWin->conceded, most);
    }
    for (const ClubScorer& c : rec.scorers) credited += c.count;
    EXPECT_LE(credited, scored);  // own goals of the opponents are nobody's
    EXPECT_GT(credited, scored / 2);
    for (const TrackedChoice& c : trackedplayers(*world))
        EXPECT_EQ(trackedrecord(*world, c.id)->seasons.back().season, s.year);
}

}  // namespace
}  // namespace vm
