// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/arith.h"

#include <cstdio>

namespace vm {

std::string pad(int value, int digits) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*d", digits, value);
    return buf;
}

}  // namespace vm
