// SPDX-License-Identifier: GPL-3.0-or-later
// Shared printing for the tool's commands: plain tables and a small JSON writer.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vm {
class Tleague;
class Tplayer;
class Tteam;
}  // namespace vm

namespace vm::cli {

std::string jsonString(std::string_view s);

// A JSON array of a range's elements, each written by item(element), with
// commas between them.
template <class Range, class Item>
void jsonArray(std::ostream& out, const Range& range, Item item) {
    out << "[";
    bool first = true;
    for (const auto& element : range) {
        if (!std::exchange(first, false)) out << ",";
        item(element);
    }
    out << "]";
}

// A JSON array of n elements, element i written by item(i).
template <class Item>
void jsonArrayOf(std::ostream& out, int n, Item item) {
    out << "[";
    for (int i = 0; i < n; ++i) {
        if (i > 0) out << ",";
        item(i);
    }
    out << "]";
}

// Whole numbers and texts as JSON arrays.
template <class Range>
void jsonInts(std::ostream& out, const Range& values) {
    jsonArray(out, values, [&](int v) { out << v; });
}
void jsonStrings(std::ostream& out, const std::vector<std::string>& texts);

// A club's roster as the datatext table, one player a line, with a heading.
void printRoster(std::ostream& out, const Tteam& club);

// The JSON forms the commands share (the README shows them), every field
// named and numbers as numbers: a player; a club's fields with its three player
// lists in full, without the braces, so that a command can add its own; a
// division's table, schedule and rankings.
void printPlayerJson(std::ostream& out, const Tplayer& p);
void printClubFields(std::ostream& out, const Tteam& club);
void printLeagueJson(std::ostream& out, const Tleague& league);

}  // namespace vm::cli
