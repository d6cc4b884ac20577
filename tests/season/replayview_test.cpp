// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a record again: a whole watched match read back frame by frame
// with its goals where they were, steps and goal jumps, the pace, and the
// goal caption blinking as it did live; with the notes kept beside it, every
// frame's clock, score, numbers, commentary and ball as the live match showed
// them, and without them what the record allows.
#include <algorithm>

#include "season/live_fixture.h"
#include "season/livecues.h"
#include "season/replay_support.h"
#include "season/replaylibrary.h"
#include "season/replayview.h"

namespace vm {
namespace {
using test::handmadeReplay;
using test::LiveTest;

// The shirt corners as the record can hold them.
std::array<std::array<Point, 11>, 2> recordable(const PitchPicture& p) {
    auto shirts = p.shirts;
    for (auto& side : shirts)
        for (Point& s : side) s = {std::clamp(s.x, 0, 999), std::clamp(s.y, 0, 999)};
    return shirts;
}

TEST_F(LiveTest, AWatchedMatchReadsBackWithEveryShownFrameAndItsGoalsWhereTheyWere) {
    writeBytesAtomic(world->path("data/vtr"), "");
    speedFile("6\r\n");
    auto m = open(false);
    std::vector<int> goalFrames;
    std::vector<std::array<std::array<Point, 11>, 2>> shown;  // the live pitch after each frame
    while (!m->finished()) {
        if (frame(*m).played) {
            if (m->game().celebration >= kCelebrationFrames)
                goalFrames.push_back(static_cast<int>(shown.size()));
            shown.push_back(recordable(m->pitch()));
        }
        if (m->holding()) m->soundEnded();
    }
    ASSERT_GE(goalFrames.size(), 2u) << "the story needs a match with goals";

    const ReplayReading reading = readreplayfile(tmp("match.dat"));
    EXPECT_FALSE(reading.cutShort);
    ReplayView view(reading.replay);
    ASSERT_EQ(view.frames(), static_cast<int>(shown.size()));
    EXPECT_EQ(view.goals(), goalFrames);
    EXPECT_EQ(view.replay().step, 24);
    // Every frame shows the men where the live pitch showed them, frozen through each celebration.
    for (int i = 0; i < view.frames(); ++i) {
        view.seek(i);
        ASSERT_TRUE(view.picture()) << i;
        ASSERT_EQ(view.picture()->shirts, shown[i]) << "frame " << i;
    }
}

TEST_F(LiveTest, AKeptReplayShowsEveryFrameAsTheLiveScoreboardAndPitchShowedIt) {
    world = scratch.world(2);  // a match with goals by both sides and a substitution
    SetUp();
    writeBytesAtomic(world->path("data/vtr"), "");
    speedFile("3\r\n");
    auto m = open(false);
    std::vector<std::pair<FrameFigures, PitchPicture>> live;
    while (!m->finished()) {
        if (m->game().clock >= 30 * 60 && m->game().clock < 31 * 60) m->setSpeed(5);
        if (frame(*m).played) {
            const Scoreboard& b = m->scoreboard();
            live.push_back({{b.clock, b.goals, b.shirts, b.commentary}, m->pitch()});
        }
        if (m->holding()) m->soundEnded();
    }
    ASSERT_GT(m->game().goals(0), 0) << "the story needs goals by both sides";
    ASSERT_GT(m->game().goals(1), 0);
    const Sublog& sub = m->game().sublog[0];
    ASSERT_GE(sub.slot, 0) << "and a substitution";
    ASSERT_EQ(live.back().first.shirts[0][sub.slot], std::to_string(sub.index + 1));

    const auto kept = keepreplay(*world, *m);
    ASSERT_TRUE(kept);
    ReplayView view(readreplayfile(*kept).replay, readkeptnotes(*kept).notes);
    ReplayView bare(view.replay());  // as a replay kept before the notes
    ASSERT_TRUE(view.noted());
    ASSERT_EQ(view.frames(), static_cast<int>(live.size()));
    for (int i = 0; i < view.frames(); ++i) {
        view.seek(i);
        bare.seek(i);
        ASSERT_EQ(view.figures(), live[i].first) << "frame " << i;
        const PitchPicture& pitch = live[i].second;
        ASSERT_EQ(view.picture()->ball, pitch.ball) << "frame " << i;
        ASSERT_EQ(view.picture()->shadow, pitch.shadow) << "frame " << i;
        ASSERT_EQ(view.picture()->shirts, recordable(pitch)) << "frame " << i;
        ASSERT_EQ(bare.figures().goals, live[i].first.goals) << "frame " << i;
    }
}

TEST(ReplayView, StepsAndGoalJumpsLandOnTheRightFrames) {
    //                                 0    1    2    3    4    5    6    7    8    9
    ReplayView view(handmadeReplay({"10", "11", "g", "g", "g", "15", "16", "g", "g", "19"}));
    ASSERT_EQ(view.goals(), (std::vector<int>{2, 7}));

    EXPECT_TRUE(view.nextGoal());
    EXPECT_EQ(view.current(), 2);
    EXPECT_EQ(view.goalsSoFar(), 1);
    EXPECT_TRUE(view.nextGoal());
    EXPECT_EQ(view.current(), 7);
    EXPECT_FALSE(view.nextGoal());
    EXPECT_EQ(view.current(), 7);

    view.seek(9);
    EXPECT_TRUE(view.previousGoal());
    EXPECT_EQ(view.current(), 7);
    EXPECT_TRUE(view.previousGoal());
    EXPECT_EQ(view.current(), 2);
    EXPECT_FALSE(view.previousGoal());
    EXPECT_EQ(view.current(), 2);

    // From inside a celebration: back to its own goal, on to the next one.
    view.seek(4);
    EXPECT_TRUE(view.previousGoal());
    EXPECT_EQ(view.current(), 2);
    view.seek(4);
    EXPECT_TRUE(view.nextGoal());
    EXPECT_EQ(view.current(), 7);

    view.seek(4);
    EXPECT_TRUE(view.stepForward());
    EXPECT_EQ(view.current(), 5);
    EXPECT_TRUE(view.stepBack());
    EXPECT_TRUE(view.stepBack());
    EXPECT_EQ(view.current(), 3);
    view.seek(0);
    EXPECT_FALSE(view.stepBack());
    EXPECT_EQ(view.current(), 0);
    view.seek(99);
    EXPECT_EQ(view.current(), 9);
    EXPECT_FALSE(view.stepForward());
    EXPECT_EQ(view.goalsSoFar(), 2);
}

TEST(ReplayView, ACelebrationShowsTheLastFrameBeforeTheGoal) {
    ReplayView view(handmadeReplay({"g", "30", "31", "g", "g", "34"}));
    EXPECT_EQ(view.goals(), (std::vector<int>{0, 3}));
    EXPECT_FALSE(view.picture()) << "nothing was shown before the first goal";
    EXPECT_TRUE(view.celebrating());
    view.seek(4);
    ASSERT_TRUE(view.picture());
    EXPECT_EQ(view.picture()->shirts[1][10], (Point{31, 31}));
    EXPECT_EQ(view.picture()->shadow, (Point{31, 31}));
    view.seek(5);
    EXPECT_FALSE(view.celebrating());
    EXPECT_EQ(view.picture()->ball, (Point{34, 34}));
}

TEST(ReplayView, PlayingShowsAFrameEvery17MsAtTheRecordedPaceAndStopsAtTheEnd) {
    ReplayView view(handmadeReplay({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
    EXPECT_EQ(view.pacetext(), "×1");
    view.play(1000);
    EXPECT_FALSE(view.idle(1016));
    EXPECT_TRUE(view.idle(1017));
    EXPECT_EQ(view.current(), 1);

    ASSERT_TRUE(view.faster());
    EXPECT_EQ(view.pacetext(), "×2");
    view.idle(1034);
    EXPECT_EQ(view.current(), 3);

    ASSERT_TRUE(view.slower());
    ASSERT_TRUE(view.slower());
    EXPECT_EQ(view.pacetext(), "×1/2");
    EXPECT_FALSE(view.idle(1067));
    EXPECT_TRUE(view.idle(1068));
    EXPECT_EQ(view.current(), 4);

    // A clock that stalled for ten seconds catches up four frames, not six hundred.
    view.seek(4);
    ASSERT_TRUE(view.faster());
    view.idle(11068);
    EXPECT_EQ(view.current(), 8);

    view.idle(11200);
    EXPECT_EQ(view.current(), 11);
    EXPECT_FALSE(view.playing()) << "the last frame stops the play";
    view.toggle(11300);
    EXPECT_TRUE(view.playing());
    EXPECT_EQ(view.current(), 0) << "playing from the end starts over";

    view.toggle(11400);
    EXPECT_FALSE(view.playing());
    EXPECT_FALSE(view.idle(12000));
    view.play(12000);
    EXPECT_TRUE(view.stepForward());
    EXPECT_FALSE(view.playing()) << "a step pauses";
}

TEST(ReplayView, ThePaceStaysBetweenAQuarterAndFourTimesTheRecordedOne) {
    ReplayView view(handmadeReplay({"1"}));
    EXPECT_TRUE(view.faster());
    EXPECT_TRUE(view.faster());
    EXPECT_EQ(view.pacetext(), "×4");
    EXPECT_FALSE(view.canGoFaster());
    EXPECT_FALSE(view.faster());
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(view.slower());
    EXPECT_EQ(view.pacetext(), "×1/4");
    EXPECT_FALSE(view.slower());
}

TEST(ReplayView, TheGoalCaptionBlinksThreeTimesAndThenStaysAsItDidLive) {
    std::vector<std::string> lines{"5"};
    for (int k = 0; k < kCelebrationFrames; ++k) lines.push_back("g");
    lines.push_back("6");
    ReplayView view(handmadeReplay(lines));
    std::string seen;
    for (int k = 0; k < kCelebrationFrames + 1; ++k) {
        view.seek(1 + k);
        seen += view.goalCaption() ? '#' : '.';
    }
    // Up on the celebration's steps 65..61, 55..51, 45..41 and 35..1.
    EXPECT_EQ(seen, std::string(5, '.') + std::string(5, '#') + std::string(5, '.') + std::string(5, '#') +
                        std::string(5, '.') + std::string(5, '#') + std::string(5, '.') +
                        std::string(35, '#') + ".");
}

TEST(ReplayView, AnEmptyRecordHasNothingToShowAndNothingToPlay) {
    ReplayView view(handmadeReplay({}));
    EXPECT_EQ(view.frames(), 0);
    EXPECT_FALSE(view.picture());
    view.play(0);
    EXPECT_FALSE(view.playing());
    EXPECT_FALSE(view.stepForward());
    EXPECT_FALSE(view.nextGoal());
    EXPECT_FALSE(view.goalCaption());
}

}  // namespace
}  // namespace vm
