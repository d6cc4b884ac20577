// Shared printing for the tool's commands: plain tables and a small JSON writer.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vm {
class Tteam;
}

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

// Whole numbers, points (as [x,y]) and texts as JSON arrays.
template <class Range>
void jsonInts(std::ostream& out, const Range& values) {
    jsonArray(out, values, [&](int v) { out << v; });
}
template <class Range>
void jsonPoints(std::ostream& out, const Range& points) {
    jsonArray(out, points, [&](const auto& p) { out << "[" << p.x << "," << p.y << "]"; });
}
void jsonStrings(std::ostream& out, const std::vector<std::string>& texts);

// A club's roster as the datatext table, one player a line, with a heading.
void printRoster(std::ostream& out, const Tteam& club);
// The same as a JSON array of arrays of cells.
void printRosterJson(std::ostream& out, const Tteam& club);

}  // namespace vm::cli
