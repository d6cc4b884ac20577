// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/process.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

namespace vm {

int ownProcessId() {
    return static_cast<int>(::getpid());
}

std::uint64_t processStartTicks(int pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!in || !std::getline(in, stat)) return 0;
    // The command name, in brackets, may hold spaces: the fields are counted
    // from its closing bracket. The start time is field 22; the state, field 3,
    // is the first after the bracket.
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    for (int k = 3; k < 22; ++k) fields >> field;
    std::uint64_t ticks = 0;
    return fields >> ticks ? ticks : 0;
}

bool processRunning(int pid, std::uint64_t startTicks) {
    if (pid <= 0) return false;
    if (::kill(pid, 0) != 0 && errno != EPERM) return false;
    if (startTicks == 0) return true;
    const std::uint64_t now = processStartTicks(pid);
    return now == 0 || now == startTicks;
}

}  // namespace vm
