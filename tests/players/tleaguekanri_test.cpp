// SPDX-License-Identifier: GPL-3.0-or-later
// The league manager's club lists.
#include <gtest/gtest.h>

#include "players/tleaguekanri.h"

namespace vm {
namespace {

TEST(LeagueManager, DivisionIsReadFromTheTwoDigitClubList) {
    Tleaguekanri k;
    k.div2list = "05,7,12";
    EXPECT_EQ(k.divof(5), 2);
    EXPECT_EQ(k.divof(7), 1);  // "7" is not the two-digit "07"
    EXPECT_EQ(k.divof(12), 2);
    EXPECT_EQ(k.divof(0), 1);
    k.div2list = "";
    EXPECT_EQ(k.divof(0), 1);
}

}  // namespace
}  // namespace vm
