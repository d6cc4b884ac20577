// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting a table from its heading: descending first, then turning round, and
// positions in pitch order.
#include <gtest/gtest.h>

#include "season/headingsort.h"
#include "util/grid.h"

namespace vm {
namespace {

Grid players() {
    Grid g(3, 5);
    g.setRow(0, "Name,AT,Age");
    g.setRow(1, "A,SH,25");
    g.setRow(2, "B,GK,31");
    g.setRow(3, "C,FW,19");
    g.setRow(4, "D,CB,25");
    return g;
}

std::string names(const Grid& g) {
    std::string s;
    for (int r = 1; r < g.rowCount(); ++r) s += g.cell(0, r);
    return s;
}

TEST(HeadingSort, ANewColumnSortsDescendingAndTheSameColumnTurnsRound) {
    Grid g = players();
    HeadingSort sort(1, 0);
    sort.press(g, 2);
    EXPECT_EQ(names(g), "BADC");  // 31, then the two 25s in their order, then 19
    EXPECT_FALSE(sort.ascending());
    sort.press(g, 2);
    EXPECT_EQ(names(g), "CADB");
    EXPECT_TRUE(sort.ascending());
    sort.press(g, 0);
    EXPECT_FALSE(sort.ascending()) << "another column starts descending again";
    EXPECT_EQ(names(g), "DCBA");
}

TEST(HeadingSort, PositionsSortInPitchOrder) {
    Grid g = players();
    HeadingSort sort(1);
    sort.press(g, 1);
    EXPECT_EQ(names(g), "CADB");  // FW, SH, CB, GK
    sort.press(g, 1);
    EXPECT_EQ(names(g), "BDAC");
}

TEST(HeadingSort, TheColumnCountedAsSortedLastTurnsRoundAtOnce) {
    // The main screen's member list counts its name column as sorted last.
    Grid g = players();
    HeadingSort sort(1, 0);
    sort.press(g, 0);
    EXPECT_TRUE(sort.ascending());
    EXPECT_EQ(names(g), "ABCD");
}

}  // namespace
}  // namespace vm
