// SPDX-License-Identifier: GPL-3.0-or-later
// The formation preview: club 0's eleven in attack around the steered ball,
// leaving the club's games and the board's markers as they were.
#include <cmath>
#include <numbers>

#include "match/tatk.h"
#include "season/tactics_fixture.h"

namespace vm {
namespace {
using test::TacticsTest;

TEST(PreviewBallTest, EachStepIsRoundedHalfToEven) {
    EXPECT_EQ(ballStep({100, 100}, 0, 2.5), (Point{102, 100}));
    EXPECT_EQ(ballStep({100, 100}, 0, 3.5), (Point{104, 100}));
    EXPECT_EQ(ballStep({100, 100}, std::numbers::pi, 2.5), (Point{98, 100}));
    EXPECT_EQ(ballStep({100, 100}, std::numbers::pi / 2, 2.5), (Point{100, 102}));
    EXPECT_EQ(ballStep({100, 100}, -std::numbers::pi / 2, 3.5), (Point{100, 96}));
    EXPECT_EQ(ballStep({100, 100}, std::atan2(4.0, 3.0), 10), (Point{106, 108}));
}

TEST(PreviewBallTest, TheLeftButtonAimsAtTheCursorAndTheRightOneStops) {
    PreviewBall ball;
    ball.aim({ball.at.x + 30, ball.at.y - 40});
    EXPECT_EQ(ball.speed, 10);
    ball.roll();
    ball.roll();
    EXPECT_EQ(ball.at, (Point{315 + 12, 235 - 16}));
    ball.stop();
    ball.roll();
    EXPECT_EQ(ball.at, (Point{327, 219}));
}

TEST(PreviewBallTest, ABallRollingAwayStaysWithinAPitchOfTheLines) {
    Point at{600, 400};
    for (int i = 0; i < 10000; ++i) at = ballStep(at, std::numbers::pi / 4, 10);
    EXPECT_EQ(at, (Point{1280, 960}));
    for (int i = 0; i < 10000; ++i) at = ballStep(at, -3 * std::numbers::pi / 4, 10);
    EXPECT_EQ(at, (Point{-640, -480}));
}

TEST_F(TacticsTest, ThePreviewsMenStandOnTheSpotsFacingAMirroredKeeper) {
    TacticsPreview preview(club);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(preview.men()[i].name, club.getplayer(i).name);
        EXPECT_EQ(pos(preview.men()[i]), club.position[i]);
        EXPECT_EQ(base(preview.men()[i]), club.position[i]);
    }
    // Away from home: the speed carries no home bonus.
    const Tplayer& keeper = club.getplayer(0);
    EXPECT_DOUBLE_EQ(preview.men()[0].speed, (keeper.ability[0] + keeper.condition()) * 0.0045 + 0.5);
    const Point spot = club.position[0];
    EXPECT_EQ(pos(preview.opponents()[0]), (Point{640 - spot.x, 480 - spot.y}));
    EXPECT_EQ(base(preview.opponents()[0]), (Point{640 - spot.x, 480 - spot.y}));
}

TEST_F(TacticsTest, ATickIsTenStepsOfAFreshAttackAtTheBall) {
    TacticsPreview preview(club);
    Tmteam men = preview.men();
    // Each tick its own object: the first tick's chaser runs again in the second.
    for (Point ball : {Point{400, 300}, Point{420, 280}}) {
        Tatk atk(ball);
        for (int i = 0; i < 10; ++i) atk.atkmove(men, preview.opponents());
        preview.step(ball);
    }
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(pos(preview.men()[i]), pos(men[i])) << i;
        EXPECT_EQ(preview.markerCorner(i), (Point{men[i].x - 6, men[i].y - 6})) << i;
    }
}

TEST_F(TacticsTest, StartingAndStoppingThePreviewLeavesEveryMarkerWhereItWas) {
    TacticsBoard board(*world);
    ASSERT_TRUE(board.drag(7, {250, 100}));
    ASSERT_TRUE(board.drag(10, {85, 420}));
    const auto before = cornersOf(board);
    const Point ball = board.ball();

    ASSERT_EQ(board.startPreview(), TacticsBoard::PreviewStart::stored);
    EXPECT_TRUE(board.previewing());
    EXPECT_EQ(cornersOf(board), before);
    board.aimBall({600, 50});
    for (int i = 0; i < 30; ++i) board.previewStep();
    EXPECT_NE(cornersOf(board), before);  // the men have moved, the markers with them
    EXPECT_NE(board.ball(), ball);
    const Point rolled = board.ball();

    board.stopPreview();
    EXPECT_FALSE(board.previewing());
    EXPECT_EQ(cornersOf(board), before);
    EXPECT_EQ(board.ball(), rolled);  // the ball waits where it stopped for the next preview
}

TEST_F(TacticsTest, ThePreviewLeavesEveryPlayersGamesAsTheyWere) {
    for (int i = 0; i <= club.playerhigh(); ++i) club.getplayer(i).games = 3 + i;
    TacticsBoard board(*world);
    board.startPreview();
    for (int i = 0; i < 5; ++i) board.previewStep();
    board.stopPreview();
    board.startPreview();
    board.stopPreview();
    for (int i = 0; i <= club.playerhigh(); ++i) EXPECT_EQ(club.getplayer(i).games, 3 + i) << i;
}

TEST_F(TacticsTest, AnIncompleteListPreviewsTheClubsLineUpAsItWas) {
    TacticsBoard board(*world);
    ASSERT_TRUE(board.menberselect(2, 4));  // place 04 is left open
    ASSERT_TRUE(board.drag(5, {250, 400}));
    const auto before = squad();
    const auto spots = club.position;

    const TacticsBoard::PreviewStart start = board.startPreview();
    EXPECT_EQ(start, TacticsBoard::PreviewStart::incomplete);
    EXPECT_STREQ(TacticsBoard::previewRefusal(start), kMembersMissing);
    EXPECT_EQ(squad(), before);
    EXPECT_EQ(club.position, spots);
    for (int slot = 0; slot <= 10; ++slot)
        EXPECT_EQ(board.marker(slot + 1).corner, (Point{spots[slot].x - 6, spots[slot].y - 6}));
    // While it runs the board takes no edits.
    EXPECT_FALSE(board.drag(5, {100, 100}));
    EXPECT_FALSE(board.menberselect(4, 4));
}

TEST_F(TacticsTest, ASquadOfTenCannotBePreviewed) {
    while (club.roster.size() > 10) club.playerremove(club.playerhigh());
    TacticsBoard board(*world);
    const TacticsBoard::PreviewStart start = board.startPreview();
    EXPECT_EQ(start, TacticsBoard::PreviewStart::tooFewPlayers);
    EXPECT_STREQ(TacticsBoard::previewRefusal(start), kSquadTooSmall) << "every place of the ten is filled";
    EXPECT_FALSE(board.previewing());
    board.previewStep();  // a stray timer tick does nothing
    EXPECT_EQ(board.ball(), PreviewBall::kStart);
}

}  // namespace
}  // namespace vm
