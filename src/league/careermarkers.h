// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of open careers: data/careers/<process id>.open says that this
// copy of the game has a career open. It is made when a career starts or is
// loaded and removed when the player leaves it in order (back to the title,
// quitting), so a mark whose copy no longer runs is a career that ended
// without the player leaving it: a crash, a kill, a power cut.
#pragma once

#include <vector>

namespace vm {

class World;

inline constexpr const char* kCareerMarkerFolder = "data/careers";

// Marks that this copy has a career open (again, if it already had). Throws
// DataError when the mark cannot be written.
void markCareerOpen(const World& w);
// This copy's career is left in order: its mark goes.
void markCareerClosed(const World& w);

// The process ids of the marks whose copy no longer runs.
std::vector<int> abandonedCareers(const World& w);
// Removes those marks: each crash is asked about once.
void forgetAbandonedCareers(const World& w);

}  // namespace vm
