// SPDX-License-Identifier: GPL-3.0-or-later
// The tactics board beside a watched match: two starters trade places, one
// bench player comes on through the match, and a substitution the match
// refuses leaves the board as it was.
#include <vector>

#include "match/tgame.h"
#include "season/tactics_fixture.h"

namespace vm {
namespace {
using test::TacticsTest;

struct Call {
    int slot;
    int index;
    bool operator==(const Call&) const = default;
};

TEST_F(TacticsTest, TwoStartersTradePlacesAndTheirNamesGoWithThem) {
    TacticsBoard board(*world);
    const TacticsMarker four = board.marker(4);
    const TacticsMarker nine = board.marker(9);

    ASSERT_TRUE(board.matchposchange(4, 9));
    EXPECT_EQ(board.marker(4).corner, nine.corner);
    EXPECT_EQ(board.marker(9).corner, four.corner);
    EXPECT_EQ(board.marker(4).label, four.label);  // the label stays under its player
    EXPECT_EQ(board.marker(4).labelCorner(), nine.labelCorner());
    EXPECT_EQ(board.corners()[2], nine.corner);
    EXPECT_EQ(board.corners()[7], four.corner);

    // The keeper, the bench and a marker with itself trade nothing.
    const auto before = cornersOf(board);
    for (auto [n, row] : std::vector<std::pair<int, int>>{{1, 5}, {5, 1}, {12, 5}, {5, 12}, {6, 6}})
        EXPECT_FALSE(board.matchposchange(n, row)) << n << "," << row;
    EXPECT_EQ(cornersOf(board), before);
}

TEST_F(TacticsTest, ABenchPlayerComesOnOnceThroughTheMatch) {
    TacticsBoard board(*world);
    std::vector<Call> calls;
    EXPECT_FALSE(board.matchmenberchange(6, 12));  // no match to ask yet
    board.substitution = [&](int slot, int index) {
        calls.push_back({slot, index});
        return true;
    };
    EXPECT_FALSE(board.matchmenberchange(12, 13));  // bench for bench
    EXPECT_FALSE(board.matchmenberchange(6, 11));   // a starter is no substitute
    EXPECT_TRUE(calls.empty());

    ASSERT_TRUE(board.matchmenberchange(6, 13));
    EXPECT_EQ(calls, (std::vector<Call>{{5, 12}}));
    EXPECT_EQ(board.marker(6).caption, "13");
    EXPECT_EQ(board.marker(6).label, club.getplayer(12).name);
    EXPECT_FALSE(board.marker(12).visible);
    EXPECT_FALSE(board.marker(13).visible);
    EXPECT_TRUE(board.substituted());

    EXPECT_FALSE(board.matchmenberchange(2, 12));  // one substitution a match
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(board.marker(2).caption, "02");
}

TEST_F(TacticsTest, TheWatchedMatchBringsOnTheBoardsSubstitute) {
    Tgame game(*world, 0, 1, -1);
    TacticsBoard board(*world);
    board.substitution = [&](int slot, int index) {
        game.substitute(0, slot, index);
        return game.sublog[0].slot != -1;
    };

    ASSERT_TRUE(board.matchmenberchange(1, 12));
    EXPECT_EQ(game.men[0][0].name, club.getplayer(11).name);
    EXPECT_EQ(game.sublog[0].slot, 0);
    EXPECT_EQ(game.sublog[0].index, 11);
}

TEST_F(TacticsTest, ASubstitutionTheMatchRefusesLeavesTheBoardAsItWas) {
    TacticsBoard board(*world);
    bool matchAllows = false;  // the final whistle has gone
    std::vector<Call> calls;
    board.substitution = [&](int slot, int index) {
        calls.push_back({slot, index});
        return matchAllows;
    };
    const TacticsMarker six = board.marker(6);

    EXPECT_FALSE(board.matchmenberchange(6, 12));
    EXPECT_EQ(calls, (std::vector<Call>{{5, 11}}));
    EXPECT_EQ(board.marker(6).caption, six.caption);
    EXPECT_EQ(board.marker(6).label, six.label);
    EXPECT_TRUE(board.marker(12).visible);
    EXPECT_TRUE(board.marker(13).visible);
    EXPECT_FALSE(board.substituted());

    // Where the match takes him after all, the board follows.
    matchAllows = true;
    ASSERT_TRUE(board.matchmenberchange(6, 12));
    EXPECT_EQ(board.marker(6).caption, "12");
    EXPECT_TRUE(board.substituted());
}

}  // namespace
}  // namespace vm
