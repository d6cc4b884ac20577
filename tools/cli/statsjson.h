// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON of the career's statistics, shared by `simulate --json` and `stats`.
#pragma once

#include <array>
#include <iosfwd>

#include "league/careerstats.h"

namespace vm::cli {

// One booked match with its figures.
void printMatchRecordJson(std::ostream& out, const MatchRecord& r);
// Each club's position after one match day (index = club; 0 before it played).
void printDayPositionsJson(std::ostream& out, const CareerStats& st, int round);

}  // namespace vm::cli
