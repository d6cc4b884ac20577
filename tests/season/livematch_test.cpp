// SPDX-License-Identifier: GPL-3.0-or-later
// The live match driver on a made-up clock: frames and speed, the whistles
// and the pause that hold play, the goal celebration, substitutions from the
// board and the bench, the speed file, the end, and giving up the view.
#include <filesystem>

#include "season/live_fixture.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::LiveTest;

// Frames that played ticks until the counter reached 90 minutes; each must
// advance it by the speed's ticks.
int tickFramesToFullTime(LiveMatch& m, LiveMatch::Millis& now) {
    int frames = 0;
    while (m.counter() < kLiveRegulation) {
        const int before = m.counter();
        now += LiveMatch::kFrameGap + 1;
        m.idle(now);
        if (m.holding()) m.soundEnded();
        if (m.counter() == before) continue;
        EXPECT_EQ(m.counter() - before, 4 * m.speed());
        ++frames;
    }
    return frames;
}

TEST_F(LiveTest, SpeedTwoPlaysTheRegulationTicksIn6750FramesAndSpeedSixIn2250) {
    speedFile("2\r\n");
    auto slow = open(false);
    ASSERT_EQ(slow->speed(), 2);
    EXPECT_EQ(tickFramesToFullTime(*slow, now), 6750);
    EXPECT_EQ(slow->counter(), kLiveRegulation);
    slow->finishHeadless();

    speedFile("6\r\n");
    auto fast = open(false);
    ASSERT_EQ(fast->speed(), 6);
    EXPECT_EQ(tickFramesToFullTime(*fast, now), 2250);
}

TEST_F(LiveTest, AFrameComesOnlyAfterMoreThan16MsAndNeverWhileAWhistleOrAPauseHolds) {
    LiveMatch m(*world, false, now);
    const LiveMatch::Frame opening = m.idle(now);
    EXPECT_TRUE(opening.played);
    EXPECT_EQ(kinds(opening.cues), std::vector<CueKind>{CueKind::kickoffWhistle});
    EXPECT_FALSE(m.idle(now + 500).played);  // the whistle is still sounding
    m.soundEnded();
    const int step = 4 * m.speed();

    now += 500;
    ASSERT_TRUE(m.idle(now).played);
    EXPECT_EQ(m.counter(), step);
    EXPECT_FALSE(m.idle(now + 16).played);
    EXPECT_TRUE(m.idle(now + 17).played);
    EXPECT_EQ(m.counter(), 2 * step);

    m.pause();
    EXPECT_FALSE(m.idle(now + 1000).played);
    EXPECT_EQ(m.counter(), 2 * step);
    m.resume();
    EXPECT_TRUE(m.idle(now + 1001).played);
    EXPECT_EQ(m.counter(), 3 * step);
    m.finishHeadless();
}

TEST_F(LiveTest, AGoalFreezesPlayForSeventyFramesWithItsCuesInOrder) {
    speedFile("6\r\n");
    auto m = open(false);
    while (m->game().celebration == 0) {
        frame(*m);
        ASSERT_FALSE(m->over()) << "no goal in the whole match";
    }
    const int side = m->game().celebration - kCelebrationFrames;
    ASSERT_EQ(m->scoreboard().home, HomeMarker::side1);  // match day 1: the away row's club is at home
    const std::string scorer = m->game().scorertext;
    const int counter = m->counter();
    const PitchPicture frozen = m->pitch();
    const std::array<int, 2> goals = m->scoreboard().goals;

    // Each cue with the celebration count of its frame (69 down to 0).
    std::vector<std::pair<int, CueKind>> got;
    for (int k = 1; k <= kCelebrationFrames; ++k) {
        ASSERT_FALSE(m->holding());
        const LiveMatch::Frame f = frame(*m);
        ASSERT_TRUE(f.played);
        EXPECT_EQ(m->counter(), counter) << "a tick in celebration frame " << k;
        if (k < kCelebrationFrames) {
            EXPECT_EQ(m->pitch(), frozen);
            EXPECT_EQ(m->scoreboard().goals, goals);
        }
        for (const Cue& c : f.cues)
            if (c.kind != CueKind::shirt) got.emplace_back(kCelebrationFrames - k, c.kind);
    }
    using K = CueKind;
    std::vector<std::pair<int, CueKind>> expected{
        {69, K::scorerText}, {69, K::goalSound}, {65, K::goalShown}, {60, K::goalHidden}, {55, K::goalShown}};
    if (homecheer(m->scoreboard().home, side)) expected.emplace_back(55, K::homeSound);
    expected.insert(expected.end(), {{50, K::goalHidden},
                                     {45, K::goalShown},
                                     {40, K::goalHidden},
                                     {35, K::goalShown},
                                     {35, K::scorerShown},
                                     {0, K::goalHidden},
                                     {0, K::scorerHidden},
                                     {0, K::kickoffWhistle}});
    EXPECT_EQ(got, expected);
    EXPECT_EQ(m->captions().scorertext, scorer);
    EXPECT_FALSE(m->captions().goal || m->captions().scorer);

    // The last frame shows the score and the kick-off, then the whistle holds play.
    EXPECT_EQ(m->scoreboard().goals[side], goals[side] + 1);
    EXPECT_NE(m->pitch(), frozen);
    EXPECT_TRUE(m->holding());
    frame(*m);
    EXPECT_EQ(m->counter(), counter);
    m->soundEnded();
    frame(*m);
    EXPECT_EQ(m->counter(), counter + 24);
}

TEST_F(LiveTest, ASubstitutesRowAndShirtChangeOnTheFrameAfterHimAndNeverAgain) {
    speedFile("6\r\n");
    auto m = open(false);
    frame(*m);
    const Grid before = m->scoreboard().squads[0];
    ASSERT_EQ(before.rowCount(), 14);
    EXPECT_FALSE(m->menberchange(4, 13));  // not on the bench
    ASSERT_TRUE(m->menberchange(4, 11));
    EXPECT_FALSE(m->menberchange(5, 12));  // one substitution a match
    EXPECT_EQ(m->scoreboard().squads[0].rowCount(), 14);

    const LiveMatch::Frame next = frame(*m);
    ASSERT_EQ(m->game().celebration, 0);
    std::vector<Cue> shirts;
    for (const Cue& c : next.cues)
        if (c.kind == CueKind::shirt) shirts.push_back(c);
    EXPECT_EQ(shirts, (std::vector<Cue>{{CueKind::shirt, 0, 4, "12"}}));
    const Grid after = m->scoreboard().squads[0];
    ASSERT_EQ(after.rowCount(), 12);
    for (int r = 0; r < 12; ++r) EXPECT_EQ(after.rowText(r), before.rowText(r == 5 ? 12 : r)) << r;
    EXPECT_EQ(m->scoreboard().shirts[0][4], "12");

    // To the end: side 0's row is never copied again; side 1 changes once if it substitutes.
    int side0 = 0, side1 = 0;
    while (!m->over()) {
        for (const Cue& c : frame(*m).cues)
            if (c.kind == CueKind::shirt) ++(c.side == 0 ? side0 : side1);
        if (m->holding() && !m->over()) m->soundEnded();
    }
    EXPECT_EQ(side0, 0);
    EXPECT_EQ(m->scoreboard().squads[0].rowText(5), before.rowText(12));
    EXPECT_EQ(side1, m->game().sublog[1].slot == -1 ? 0 : 1);
    EXPECT_EQ(m->scoreboard().squads[1].rowCount(), m->game().sublog[1].slot == -1 ? 14 : 12);
}

TEST_F(LiveTest, TheBoardSetsTheUsersSpotsAndKeepsTheCoachFromSubstituting) {
    Tteam& club = world->team(0);
    club.getplayer(11).at = 6;  // a forward on the bench
    auto m = open(false);
    MarkerCorners corners;
    for (int i = 0; i < 10; ++i) club.posconvert(corners[i], i + 1, true);
    m->game().goallist[1] = {"0100", "0200"};  // two down: the coach would bring the forward on at once

    frame(*m, &corners);
    EXPECT_EQ(m->game().sublog[0].slot, -1);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(m->game().men[0][i].basex, club.position[i].x) << i;
        EXPECT_EQ(m->game().men[0][i].basey, club.position[i].y) << i;
    }
    corners[3] = {100, 200};  // marker 05 dragged
    frame(*m, &corners);
    EXPECT_EQ(m->game().men[0][4].basex, 106);
    EXPECT_EQ(m->game().men[0][4].basey, 206);

    frame(*m);  // the board closed: the coach's rule again
    EXPECT_EQ(m->game().sublog[0].index, 11);
    m->finishHeadless();
}

TEST_F(LiveTest, ABrokenSpeedFileStartsAtThreeSaysSoAndIsMendedWhenTheMatchCloses) {
    speedFile("fast\r\n");
    auto m = open(false);
    EXPECT_EQ(m->speed(), 3);
    EXPECT_EQ(m->warnings().size(), 1u);
    m->setSpeed(9);
    EXPECT_EQ(m->speed(), 6);
    m->setSpeed(5);
    m->finishHeadless();
    EXPECT_EQ(readBytes(world->path("data/msp.dat")), "5\r\n");

    fs::remove(world->path("data/msp.dat"));
    LiveMatch missing(*world, false, now);
    EXPECT_EQ(missing.speed(), 3);
    EXPECT_EQ(missing.warnings().size(), 1u);
}

TEST_F(LiveTest, TheSpeedIsThePlayersOwnElseTheShippedDefaultAndIsKeptForThePlayer) {
    // The shipped default apart from the player's folder, as in an installed game.
    const fs::path shipped = scratch.path("shipped");
    fs::create_directories(shipped / "data");
    writeBytesAtomic(shipped / "data/msp.dat", "6\r\n");
    world->shippedRoot = shipped;
    fs::remove(world->path("data/msp.dat"));

    auto m = open(false);
    EXPECT_EQ(m->speed(), 6);
    EXPECT_TRUE(m->warnings().empty());
    m->setSpeed(4);
    m->finishHeadless();

    EXPECT_EQ(readBytes(world->path("data/msp.dat")), "4\r\n");
    EXPECT_EQ(readBytes(shipped / "data/msp.dat"), "6\r\n");
    EXPECT_EQ(LiveMatch(*world, false, now).speed(), 4);
}

TEST_F(LiveTest, ASpeedChangedDuringTheFinalWhistleIsTheOneKeptForTheNextMatch) {
    speedFile("6\r\n");
    auto m = open(false);
    while (!m->over()) {
        frame(*m);
        if (m->holding() && !m->over()) m->soundEnded();
    }
    ASSERT_TRUE(m->holding()) << "the final whistle sounds";
    EXPECT_EQ(readBytes(world->path("data/msp.dat")), "6\r\n") << "written at the booking";
    m->setSpeed(2);
    m->soundEnded();
    ASSERT_TRUE(m->finished());
    EXPECT_EQ(readBytes(world->path("data/msp.dat")), "2\r\n");
    EXPECT_EQ(LiveMatch(*world, false, now).speed(), 2);
}

TEST_F(LiveTest, ASpeedChangedWhileTheWindowClosesOnTheFinalWhistleIsKept) {
    speedFile("6\r\n");
    auto m = open(false);
    while (!m->over()) {
        frame(*m);
        if (m->holding() && !m->over()) m->soundEnded();
    }
    m->setSpeed(4);
    m->finishHeadless();  // the window closed before the whistle ended
    EXPECT_FALSE(m->givenup()) << "the whole match was seen";
    EXPECT_EQ(readBytes(world->path("data/msp.dat")), "4\r\n");
    EXPECT_TRUE(m->warnings().empty());
}

TEST_F(LiveTest, TheFinalWhistleHoldsAfterTheBookingAndThenTheMatchIsFinished) {
    speedFile("6\r\n");
    auto m = open(false);
    EXPECT_FALSE(m->recording());
    LiveMatch::Frame last;
    while (!m->over()) {
        last = frame(*m);
        if (m->holding() && !m->over()) m->soundEnded();
    }
    EXPECT_FALSE(last.played);
    EXPECT_EQ(kinds(last.cues), std::vector<CueKind>{CueKind::finalWhistle});
    EXPECT_GT(m->counter(), kLiveRegulation + 4);
    EXPECT_TRUE(m->holding());
    EXPECT_FALSE(m->finished());

    // Booked already: the user's fixture and nothing else (a versus match).
    const Tleague& d2 = league(2);
    for (int row = 0; row < 10; ++row) {
        const auto& t = d2.table[row];
        const bool users = row == d2.schedule[0][0].first || row == d2.schedule[0][0].second;
        EXPECT_EQ(t[Tleague::cWins] + t[Tleague::cDraws] + t[Tleague::cLosses], users ? 1 : 0) << row;
    }
    EXPECT_EQ(readLines(tmp("200")).size(), static_cast<std::size_t>(m->game().goals(0)));
    EXPECT_FALSE(fs::exists(tmp("goal0")));

    EXPECT_FALSE(frame(*m).played);
    m->soundEnded();
    EXPECT_TRUE(m->finished());
    EXPECT_EQ(m->newsStart(), 11);
    // No replay switch: nothing recorded, nothing joined.
    EXPECT_FALSE(m->game().vtrlist);
    EXPECT_FALSE(fs::exists(tmp("match.dat")));
    for (const auto& e : fs::directory_iterator(tmp("")))
        EXPECT_NE(e.path().filename().string().rfind("result", 0), 0u) << e.path();
}

TEST_F(LiveTest, GivingUpTheViewPlaysTheRestAndBooksAllTenFixtures) {
    prepare();
    auto m = open(true);
    for (int k = 0; k < 300; ++k) frame(*m);
    EXPECT_NE(league(1).matchslots[0], nullptr);  // the other division runs in step
    m->finishHeadless();
    EXPECT_TRUE(m->finished());
    EXPECT_TRUE(m->givenup());
    EXPECT_GT(m->counter(), kLiveRegulation + 4);
    EXPECT_EQ(m->newsStart(), 0);
    for (int d = 1; d <= 2; ++d) {
        for (const auto& row : league(d).table)
            EXPECT_EQ(row[Tleague::cWins] + row[Tleague::cDraws] + row[Tleague::cLosses], 1);
        for (const auto& slot : league(d).matchslots) EXPECT_EQ(slot, nullptr);
        for (int f = 0; f < kPairings; ++f)
            EXPECT_TRUE(fs::exists(tmp(std::to_string(d) + std::to_string(f) + "0")));
    }
    EXPECT_FALSE(frame(*m).played);
}

TEST_F(LiveTest, AMatchDroppedBeforeKickOffIsStillPlayedAndBooked) {
    prepare();
    { LiveMatch dropped(*world, true, now); }
    for (int d = 1; d <= 2; ++d)
        for (const auto& row : league(d).table)
            EXPECT_EQ(row[Tleague::cWins] + row[Tleague::cDraws] + row[Tleague::cLosses], 1);
}

}  // namespace
}  // namespace vm
