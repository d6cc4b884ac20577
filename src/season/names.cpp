// SPDX-License-Identifier: GPL-3.0-or-later
// The name rule shared by clubs and players.
#include "season/names.h"

#include <algorithm>

#include "util/cp932.h"

namespace vm {

bool isOneCommaItem(std::string_view text) {
    const auto separates = [](unsigned char c) { return c <= ' ' || c == ',' || c == '"' || c == 0x7F; };
    return !text.empty() && std::none_of(text.begin(), text.end(), separates) && fitsCp932(text);
}

}  // namespace vm
