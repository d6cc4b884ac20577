// SPDX-License-Identifier: GPL-3.0-or-later
// The table sorts: their exact, stable orders are what the line-up and the
// transfer market are built on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "util/arith.h"
#include "util/grid.h"
#include "util/random.h"

namespace vm {
namespace {

// A two-column grid: column 0 the key, column 1 a label naming the row.
Grid keyed(std::initializer_list<std::pair<const char*, const char*>> rows) {
    Grid g(2, static_cast<int>(rows.size()) + 1);
    g.setRow(0, "Key,Label");
    int r = 1;
    for (auto [k, l] : rows) g.setRow(r++, std::string(k) + "," + l);
    return g;
}

std::string labels(const Grid& g) {
    std::string s;
    for (int r = 1; r < g.rowCount(); ++r) s += g.cell(1, r);
    return s;
}

TEST(GridSort, EqualNumbersKeepTheirOrderBothWays) {
    Grid g = keyed({{"12", "a"}, {"7", "b"}, {"12", "c"}});
    gridsort(g, 0, true);
    EXPECT_EQ(labels(g), "bac");
    g = keyed({{"12", "a"}, {"7", "b"}, {"12", "c"}});
    gridsort(g, 0, false);
    EXPECT_EQ(labels(g), "acb");
    EXPECT_EQ(g.cell(0, 0), "Key");  // the heading row never moves
}

TEST(GridSort, SpaceCellsCountAsTheLargestKey) {
    Grid g = keyed({{" ", "a"}, {"3", "b"}, {" ", "c"}, {"0", "d"}});
    gridsort(g, 0, true);
    EXPECT_EQ(labels(g), "dbac");
    g = keyed({{" ", "a"}, {"3", "b"}, {" ", "c"}, {"0", "d"}});
    gridsort(g, 0, false);
    EXPECT_EQ(labels(g), "acbd");
}

TEST(GridSort, NegativeNumbersSortBelowSmallerNegatives) {
    Grid g = keyed({{"-3", "a"}, {"-12", "b"}, {"5", "c"}});
    gridsort(g, 0, true);
    EXPECT_EQ(labels(g), "bac");
}

// The sort's rule spelled out with texts: each key gets its index (counted
// from the far end when descending) appended as three digits and is read
// back as a number; the rows go in that order, reversed when descending.
std::string byTheRule(const std::vector<std::string>& keys, bool ascending) {
    const int n = static_cast<int>(keys.size());
    std::vector<std::pair<long long, char>> rows;
    for (int i = 0; i < n; ++i) {
        const std::string k = (keys[i] == " " ? "999999" : keys[i]) + pad(ascending ? i : n - 1 - i, 3);
        rows.push_back({std::stoll(k), static_cast<char>('a' + i)});
    }
    std::sort(rows.begin(), rows.end());
    if (!ascending) std::reverse(rows.begin(), rows.end());
    std::string s;
    for (const auto& r : rows) s += r.second;
    return s;
}

TEST(GridSort, PlainNumbersFollowTheRuleOfAppendedIndices) {
    // Keys the line-up and the tables really hold, with the awkward ones
    // (a lone minus, an empty cell, minus zero, leading zeros, spaces).
    const std::vector<std::string> kinds = {"-",  "",    "-0",     "0",  "007", " ",
                                            "12", "-12", "999999", "-3", "45"};
    Rng rng(5);
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + rng.Random(20);
        std::vector<std::string> keys;
        for (int i = 0; i < n; ++i) {
            keys.push_back(rng.Random(3) == 0 ? kinds[rng.Random(static_cast<int>(kinds.size()))]
                                              : std::to_string(rng.Random(200) - 100));
        }
        for (const bool ascending : {true, false}) {
            Grid g(2, n + 1);
            for (int i = 0; i < n; ++i) {
                g.cell(0, i + 1) = keys[i];
                g.cell(1, i + 1) = std::string(1, static_cast<char>('a' + i));
            }
            gridsort(g, 0, ascending);
            ASSERT_EQ(labels(g), byTheRule(keys, ascending)) << "round " << round;
        }
    }
}

TEST(GridSort, NumericOnlyWhenTheFirstKeyParses) {
    // First key is text: everything sorts as text, so "10" comes before "9".
    Grid g = keyed({{"x", "a"}, {"9", "b"}, {"10", "c"}});
    gridsort(g, 0, true);
    EXPECT_EQ(labels(g), "cba");
    // First key a number: numeric order.
    g = keyed({{"9", "a"}, {"10", "b"}, {"2", "c"}});
    gridsort(g, 0, true);
    EXPECT_EQ(labels(g), "cab");
}

TEST(GridSort, TextIgnoresCaseAndKeepsEqualTextsInOrder) {
    Grid g = keyed({{"beta", "a"}, {"Alpha", "b"}, {"alpha", "c"}, {"BETA", "d"}});
    gridsort(g, 0, true);
    EXPECT_EQ(labels(g), "bcad");
    g = keyed({{"beta", "a"}, {"Alpha", "b"}, {"alpha", "c"}, {"BETA", "d"}});
    gridsort(g, 0, false);
    EXPECT_EQ(labels(g), "adbc");
}

TEST(GridSort, KanaAndKanjiKeepTheirOwnOrder) {
    // ツ is 0x83 0x63 in code page 932 and イ 0x83 0x43: the second byte looks
    // like a small letter but must not be folded, or ツ would sort as イ.
    Grid g = keyed({{"ツバサ", "a"}, {"イチロー", "b"}, {"佐藤", "c"}, {"アキラ", "d"}, {"abc", "e"}});
    gridsort(g, 0, true);
    EXPECT_EQ(labels(g), "edbac") << "letters, then kana in their order, then kanji";
    g = keyed({{"イチロー", "a"}, {"ツバサ", "b"}, {"イチロー", "c"}});
    gridsort(g, 0, false);
    EXPECT_EQ(labels(g), "bac") << "equal names keep their order descending too";
    EXPECT_LT(gridTextKey("イ"), gridTextKey("ツ"));
    EXPECT_EQ(gridTextKey("Abc"), gridTextKey("aBC"));
}

TEST(GridSort, LargeKeysDoNotOverflow) {
    Grid g = keyed({{"2147483647", "a"}, {"-2147483648", "b"}, {"0", "c"}});
    gridsort(g, 0, true);
    EXPECT_EQ(labels(g), "bca");
}

TEST(GridSort, OnlyTheHeadingRowIsANoOp) {
    Grid g(2, 1);
    g.setRow(0, "Key,Label");
    gridsort(g, 0, true);
    gridsortover(g, 3, 0, false);
    EXPECT_EQ(g.rowCount(), 1);
}

TEST(GridSortOver, SplitsAtTheThresholdAndKeepsTheOrderInsideEachGroup) {
    Grid g = keyed({{"5", "a"}, {"1", "b"}, {"4", "c"}, {"3", "d"}, {"0", "e"}});
    gridsortover(g, 3, 0, true);
    EXPECT_EQ(labels(g), "bdeac");
    EXPECT_EQ(g.cell(0, 4), "5");  // the cells keep their values, not the 0/1 keys
    g = keyed({{"5", "a"}, {"1", "b"}, {"4", "c"}, {"3", "d"}, {"0", "e"}});
    gridsortover(g, 3, 0, false);
    EXPECT_EQ(labels(g), "acbde");
}

TEST(GridSortPos, PositionNamesSortInPitchOrder) {
    Grid g =
        keyed({{"FW", "a"}, {"GK", "b"}, {"SH", "c"}, {"CB", "d"}, {"OV", "e"}, {"AM", "f"}, {"DM", "g"}});
    gridsortpos(g, 0, true);
    EXPECT_EQ(labels(g), "bdgefca");
}

TEST(GridColumns, DeletingAColumnShiftsTheRestLeft) {
    Grid g(4, 2);
    g.setRow(0, "a,b,c,d");
    g.setRow(1, "1,2,3,4");
    gridcoldel(g, 1);
    EXPECT_EQ(g.rowText(0), "a,c,d,");
    EXPECT_EQ(g.rowText(1), "1,3,4,");
    gridrowdel(g, 0);
    EXPECT_EQ(g.rowText(0), "1,3,4,");
    EXPECT_EQ(g.rowText(1), ",,,");
}

TEST(GridNames, PositionAndFootCodesBecomeTexts) {
    Grid g(2, 5);
    g.setRow(1, "0,-1");
    g.setRow(2, "6,1");
    g.setRow(3, "7,0");
    g.setRow(4, "x,L");
    posname(g, 0);
    legname(g, 1);
    EXPECT_EQ(g.cell(0, 1), "GK");
    EXPECT_EQ(g.cell(0, 2), "FW");
    EXPECT_EQ(g.cell(0, 3), "7");
    EXPECT_EQ(g.cell(0, 4), "x");
    EXPECT_EQ(g.cell(1, 1), "R");
    EXPECT_EQ(g.cell(1, 2), "L");
    EXPECT_EQ(g.cell(1, 3), "0");
}

}  // namespace
}  // namespace vm
