// SPDX-License-Identifier: GPL-3.0-or-later
// The plain way of the match engine can be forced on a processor with AVX2
// (VELLMORA_PLAIN), and both ways play the same season to the byte.
#include <gtest/gtest.h>

#include "match/scans.h"
#include "support/scratch.h"
#include "support/tool.h"
#include "util/textfile.h"

namespace vm {
namespace {

using test::runTool;

TEST(PlainWay, IsForcedByAnyValueButEmptyOrZero) {
    const bool processor = scans::avx2Wanted(nullptr);

    EXPECT_FALSE(scans::avx2Wanted("1"));
    EXPECT_FALSE(scans::avx2Wanted("yes"));
    EXPECT_EQ(scans::avx2Wanted(""), processor);
    EXPECT_EQ(scans::avx2Wanted("0"), processor);
}

// The evidence for "same seed, same output on every x86-64 processor": a
// whole season of every club's matches, transfers and youth, saved.
TEST(PlainWay, PlaysASeasonToTheSameSavedGameAsTheAvx2Way) {
    if (!scans::avx2Wanted(nullptr))
        GTEST_SKIP() << "this processor has no AVX2: there is only the plain way";
    test::Scratch dir;

    const auto avx2 = runTool({"simulate", "--seed", "11", "--save", "avx2.dat"}, dir.root());
    const auto plain =
        runTool({"simulate", "--seed", "11", "--save", "plain.dat"}, dir.root(), {"VELLMORA_PLAIN=1"});

    ASSERT_EQ(avx2.status, 0) << avx2.err;
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_NE(avx2.err.find("試合の計算: AVX2\n"), std::string::npos) << avx2.err;
    EXPECT_NE(plain.err.find("試合の計算: 標準"), std::string::npos) << plain.err;
    EXPECT_EQ(plain.out, avx2.out);
    const std::string saved = readBytes(dir.root() / "avx2.dat");
    EXPECT_GT(saved.size(), 50000u);
    EXPECT_TRUE(readBytes(dir.root() / "plain.dat") == saved) << "the two ways saved different games";
}

}  // namespace
}  // namespace vm
