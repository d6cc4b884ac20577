// The rule every name the player types must pass: it is stored in comma
// texts (the trade log, the tables), so it must read back as one item.
#pragma once

#include <string_view>

namespace vm {

// True when the text reads as exactly one item of a comma text: not empty,
// no comma, no double quote, and no space or control character (either would
// split it or have it quoted).
bool isOneCommaItem(std::string_view text);

}  // namespace vm
