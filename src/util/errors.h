// SPDX-License-Identifier: GPL-3.0-or-later
// The two kinds of failure the core reports: a fixed data or working file that
// cannot be used, and bytes (a save, a versus file, a picture) that do not hold
// what they claim. Screens show the message; the world is left as it was.
#pragma once

#include <stdexcept>
#include <string>

namespace vm {

// A file the game needs is missing, unreadable or malformed. The message names it.
struct DataError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Outside bytes that break their layout (truncated, absurd lengths, bad pictures).
struct FormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A text that code page 932 cannot hold.
struct EncodingError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace vm
