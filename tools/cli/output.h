// Shared printing for the tool's commands: plain tables and a small JSON writer.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace vm {
class Tteam;
}

namespace vm::cli {

std::string jsonString(std::string_view s);

// A club's roster as the datatext table, one player a line, with a heading.
void printRoster(std::ostream& out, const Tteam& club);
// The same as a JSON array of arrays of cells.
void printRosterJson(std::ostream& out, const Tteam& club);

}  // namespace vm::cli
