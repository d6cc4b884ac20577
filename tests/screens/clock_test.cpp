// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock's timers for frames due at a given millisecond.
#include "screens/clock.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

using namespace std::chrono_literals;

TEST(SystemClock, AFrameTimerIsArmedForTheWholeMillisecondsLeftAndNeverSpins) {
    EXPECT_EQ(timerWait(16'900us), 16) << "the event loop rounds the rest up as it goes to sleep";
    EXPECT_EQ(timerWait(17ms), 17);
    EXPECT_EQ(timerWait(90us), 1) << "a wake a hair early sleeps the rest";
    EXPECT_EQ(timerWait(0ns), 0);
    EXPECT_EQ(timerWait(-3ms), 0) << "a frame overdue is played at once";
}

}  // namespace
}  // namespace vm
