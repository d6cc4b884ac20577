// SPDX-License-Identifier: GPL-3.0-or-later
// Other copies of the game on this machine: whether a process named by its
// id still runs, told apart from a later process that got the same id.
#pragma once

#include <cstdint>
#include <string>

namespace vm {

// This process's id.
int ownProcessId();

// When process `pid` started, in clock ticks since boot (the kernel's own
// count); 0 when it does not run or cannot be asked.
std::uint64_t processStartTicks(int pid);

// Whether process `pid` runs now, and when `startTicks` is not 0, whether it
// is the process that started then (an id is reused once its process ends).
bool processRunning(int pid, std::uint64_t startTicks = 0);

}  // namespace vm
